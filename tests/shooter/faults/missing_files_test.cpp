// The real program started without its files, or with no sound device.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "key_script.h"
#include "scratch_folder.h"
#include "shooter_process.h"

namespace faults {

namespace {

constexpr const char* kNoSettings = "Settings file not found!";
constexpr const char* kNoScores = "High Scores not found!";
constexpr const char* kNoAudio = "Unable to open audio!";

bool says(const ShooterResult& run, const char* text) { return run.out.find(text) != std::string::npos; }

// An orderly end: exit code 0 and the exit lines. The main loop never ran:
// it would have read the clock, and the script's keys run to 22 s.
void expectOrderlyEndBeforeTheLoop(const ShooterResult& run) {
  EXPECT_TRUE(run.exitedCleanly()) << run.describe();
  EXPECT_TRUE(says(run, "Thanks!")) << run.describe();
  EXPECT_TRUE(says(run, "For details look into Readme.txt")) << run.describe();
  EXPECT_EQ(run.value("game_seconds"), 0.0) << run.describe();
  EXPECT_EQ(run.value("state"), 1) << run.describe();
  EXPECT_EQ(run.err, "");
}

}  // namespace

TEST(MissingFiles, AnEmptyFolderReportsBothStartFilesAndEndsInOrder) {
  ScratchFolder folder("empty");
  const auto run = runShooter({folder.path(), tourOfTheScreens().text()});
  expectOrderlyEndBeforeTheLoop(run);
  const auto settingsAt = run.out.find(kNoSettings);
  const auto scoresAt = run.out.find(kNoScores);
  ASSERT_NE(settingsAt, std::string::npos) << run.out;
  ASSERT_NE(scoresAt, std::string::npos) << run.out;
  EXPECT_LT(settingsAt, scoresAt) << "settings are read before the scores";
  EXPECT_LT(scoresAt, run.out.find("Thanks!"));
  EXPECT_TRUE(folder.names().empty()) << "nothing is created in place of the missing files";
}

TEST(MissingFiles, EachStartFileAloneIsReportedAndStopsTheGame) {
  for (const char* missing : {kSettingsFile, kScoresFile}) {
    SCOPED_TRACE(missing);
    ScratchFolder folder("one-missing");
    folder.addEverything();
    std::filesystem::remove(folder.path() / missing);
    const auto run = runShooter({folder.path(), tourOfTheScreens().text()});
    expectOrderlyEndBeforeTheLoop(run);
    EXPECT_EQ(says(run, kNoSettings), missing == std::string(kSettingsFile)) << run.out;
    EXPECT_EQ(says(run, kNoScores), missing == std::string(kScoresFile)) << run.out;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / missing));
  }
}

// Names that exist but are not readable files count as missing. A FIFO or a
// device read like a file would block the start or never end.
TEST(MissingFiles, StartFilesThatAreNotFilesCountAsMissing) {
  struct Case {
    const char* name;
    const char* file;
    const char* message;
    void (*make)(const std::filesystem::path&);
  };
  const Case cases[] = {
      {"a folder", kSettingsFile, kNoSettings, [](const auto& p) { std::filesystem::create_directory(p); }},
      {"a FIFO", kScoresFile, kNoScores, [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
      {"/dev/zero", kSettingsFile, kNoSettings, [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " is " + c.name);
    ScratchFolder folder("not-a-file");
    folder.addEverything();
    std::filesystem::remove(folder.path() / c.file);
    c.make(folder.path() / c.file);
    const auto run = runShooter({folder.path(), tourOfTheScreens().text()}, 30);
    expectOrderlyEndBeforeTheLoop(run);
    EXPECT_TRUE(says(run, c.message)) << run.out;
  }
}

TEST(MissingFiles, AnAudioDriverThatCannotOpenEndsInOrder) {
  ScratchFolder folder("no-audio");
  folder.addEverything();
  ShooterRun request(folder.path(), tourOfTheScreens().text());
  request.environment = {{"SDL_AUDIODRIVER", "nosuchdriver"}};
  const auto run = runShooter(request);
  expectOrderlyEndBeforeTheLoop(run);
  EXPECT_TRUE(says(run, kNoAudio)) << run.out;
  EXPECT_FALSE(says(run, kNoSettings));
  EXPECT_FALSE(says(run, kNoScores));
}

// Pictures and sounds are not checked at start: the game plays on with a
// blank sheet, an empty animation table and silence.
TEST(MissingFiles, TheGameRunsWithoutPicturesOrSamples) {
  struct Case {
    const char* name;
    bool pictures, samples;
  };
  for (const Case c : {Case{"no pictures", false, true}, Case{"no samples", true, false}, Case{"neither", false, false}}) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder("no-assets");
    folder.addStartFiles();
    if (c.pictures) folder.addPictures();
    if (c.samples) folder.addSamples();
    const auto run = runShooter({folder.path(), tourOfTheScreens().text()});
    EXPECT_TRUE(run.exitedCleanly()) << run.describe();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.value("state"), 8) << "the walk through the screens ends in a game\n" << run.describe();
    EXPECT_GT(run.value("game_seconds"), kTourEnd - 1.0) << run.describe();
    EXPECT_GT(run.value("shots") + run.value("explosions"), 0) << "the game was played\n" << run.describe();
    EXPECT_FALSE(says(run, kNoAudio));
  }
}

}  // namespace faults
