// Files and folders of one test: a temporary path of its own, a fresh working
// folder named after the running test, and whole files written and read as
// bytes. CTest runs the cases of one test program as parallel processes, so
// every name here is one that no other running case uses.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

namespace test_support {

// A token drawn once per process, so that parallel cases of one program do
// not share temporary files.
inline const std::string& processToken() {
  static const std::string token = [] {
    std::random_device source;
    std::ostringstream text;
    text << std::hex << source() << source();
    return text.str();
  }();
  return token;
}

// PREFIX_TOKEN_NAME in GoogleTest's temporary folder.
inline std::string processTempPath(const std::string& prefix, const std::string& name) {
  return ::testing::TempDir() + prefix + "_" + processToken() + "_" + name;
}

inline void writeWholeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
inline std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An empty folder named PREFIX_SUITE_TEST_TOKEN in the temporary folder, made
// the working folder while it lives; then the previous working folder
// returns and the folder is removed. The process token keeps two test runs
// at once (two checkouts, or two build presets) out of each other's folders.
class TestWorkingFolder {
 public:
  explicit TestWorkingFolder(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(::testing::TempDir()) /
            (prefix + "_" + info->test_suite_name() + "_" + info->name() + "_" + processToken());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~TestWorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TestWorkingFolder(const TestWorkingFolder&) = delete;
  TestWorkingFolder& operator=(const TestWorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace test_support
