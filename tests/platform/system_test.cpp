// The operating-system seam: the per-user data folder rule and the program's
// own path.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/system.h"

namespace platform {
namespace {

// Sets XDG_DATA_HOME and HOME for one case and puts them back afterwards.
class UserDataFolder : public testing::Test {
 protected:
  void SetUp() override {
    xdg_ = system::environmentVariable("XDG_DATA_HOME");
    home_ = system::environmentVariable("HOME");
  }
  void TearDown() override {
    system::setEnvironmentVariable("XDG_DATA_HOME", xdg_);
    system::setEnvironmentVariable("HOME", home_);
  }
  static std::string folderWith(const std::optional<std::string>& xdg, const std::optional<std::string>& home) {
    system::setEnvironmentVariable("XDG_DATA_HOME", xdg);
    system::setEnvironmentVariable("HOME", home);
    return system::userDataFolder();
  }

 private:
  std::optional<std::string> xdg_;
  std::optional<std::string> home_;
};

TEST_F(UserDataFolder, FollowsAnAbsoluteXdgDataHomeElseTheHomeFolder) {
  EXPECT_EQ(folderWith("/data/alice", "/home/alice"), "/data/alice/kestrel");
  EXPECT_EQ(folderWith(std::nullopt, "/home/alice"), "/home/alice/.local/share/kestrel");
  EXPECT_EQ(folderWith("", "/home/alice"), "/home/alice/.local/share/kestrel") << "set but empty";
  EXPECT_EQ(folderWith("relative/data", "/home/alice"), "/home/alice/.local/share/kestrel")
      << "a relative XDG_DATA_HOME is ignored";
  EXPECT_EQ(folderWith("relative/data", std::nullopt), "") << "no rule applies: the caller decides";
  EXPECT_EQ(folderWith(std::nullopt, ""), "");
}

TEST(Environment, ADefaultNeverOverridesTheUsersChoice) {
  const std::string name = "KESTREL_SYSTEM_TEST_VARIABLE";
  system::setEnvironmentVariable(name, std::nullopt);
  system::setEnvironmentDefault(name, "first");
  EXPECT_EQ(system::environmentVariable(name), "first");
  system::setEnvironmentDefault(name, "second");
  EXPECT_EQ(system::environmentVariable(name), "first");
  system::setEnvironmentVariable(name, std::nullopt);
  EXPECT_EQ(system::environmentVariable(name), std::nullopt);
}

TEST(ExecutablePath, NamesThisTestProgram) {
  const std::filesystem::path exe = system::executablePath();
  ASSERT_TRUE(exe.is_absolute()) << exe;
  EXPECT_TRUE(std::filesystem::exists(exe));
  EXPECT_EQ(exe.filename(), "platform_tests");
}

}  // namespace
}  // namespace platform
