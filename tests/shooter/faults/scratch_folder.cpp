// Scratch folders under the test's temporary folder.
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "shooter_process.h"

namespace fs = std::filesystem;

namespace faults {

std::string scoreTable(unsigned top, unsigned step) {
  std::string text;
  for (unsigned i = 0; i < 10; ++i) {
    text += "ACE" + std::to_string(i + 1) + "\r\n" + std::to_string(top - i * step) + "\r\n";
  }
  return text;
}

ScratchFolder::ScratchFolder(const std::string& label) {
  std::string pattern = (fs::path(::testing::TempDir()) / ("kestrel-" + label + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a folder from " << pattern;
    return;
  }
  path_ = pattern;
  // Another user may have to read it (the unwritable-folder case).
  fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code error;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(path_, error);
}

void ScratchFolder::write(const std::string& name, std::string_view bytes) const {
  std::ofstream(path_ / name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchFolder::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> ScratchFolder::names() const {
  std::vector<std::string> list;
  for (const auto& entry : fs::directory_iterator(path_)) list.push_back(entry.path().filename().string());
  std::sort(list.begin(), list.end());
  return list;
}

void ScratchFolder::addStartFiles() const {
  write(kSettingsFile, kTestSettings);
  write(kScoresFile, scoreTable(90, 10));
}

void ScratchFolder::addPictures() const {
  for (const char* name : {kSheetFile, kAnimationFile}) write(name, runFile(name));
}

void ScratchFolder::addSamples() const {
  for (const auto& name : kSampleFiles) write(name, runFile(name));
}

void ScratchFolder::addEverything() const {
  addStartFiles();
  addPictures();
  addSamples();
}

std::string runFile(const std::string& name) {
  std::ifstream in(runFolder() / name, std::ios::binary);
  if (!in) ADD_FAILURE() << "the run folder lacks " << name << " (build the assets first)";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace faults
