// Every file the real program reads, damaged in the ways files get damaged:
// emptied, cut short, overwritten with NUL bytes, with lines added or lost,
// and with numbers too big for their fields. Whatever the damage, the program
// walks through every screen that uses the file, never crashes, never writes
// to the file, and ends in order when the script closes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "file_damage.h"
#include "key_script.h"
#include "scratch_folder.h"
#include "shooter_process.h"

namespace faults {

namespace {

// Six values that do not fit a byte, in every notation the reader knows.
std::string hugeSettings(const std::string&) {
  return "18446744073709551616\r\n99999999999999999999999\r\n&HFFFFFFFFFFFFFFFFFFFFFFFF\r\n"
         "4294967296\r\n-1\r\n&B" + std::string(80, '1') + "\r\n";
}

std::string hugeScores(const std::string&) {
  const char* scores[] = {"4294967296", "18446744073709551615", "99999999999999999999999", "-1", "4294967295",
                          "&HFFFFFFFFFFFFFFFFFF", "0", "2147483648", "&O7777777777777777777777777", "1"};
  std::string text;
  for (const char* score : scores) text += std::string(300, 'W') + "\r\n" + score + "\r\n";
  return text;
}

// The shipped records kept in shape, but every rectangle spans the whole
// 32-bit range (its width overflows), then records whose number and frame
// count overflow.
std::string hugeAnimations(const std::string& good) {
  std::istringstream in(good);
  std::string header, line, text;
  std::getline(in, header);
  text = header + "\n";
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, ',');) fields.push_back(field);
    if (fields.size() < 2) continue;
    // x1, y1 at the bottom of the range and x2, y2 at the top; the value and
    // the pair after the frames at the top as well.
    const std::size_t frameFields = 4 * static_cast<std::size_t>(std::max(0, std::atoi(fields[1].c_str())));
    for (std::size_t i = 2; i < fields.size(); ++i) {
      const bool low = i < 2 + frameFields && (i - 2) % 4 < 2;
      fields[i] = low ? "-2147483648" : "2147483647";
    }
    for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "," : "") + fields[i];
    text += "\n";
  }
  text += "99999999999,2,0,0,1,1,0,0,1,1,5,2,2\n";
  text += "7,99999999999,0,0,1,1\n";
  text += "8,-99999999999,0,0,1,1\n";
  return text;
}

// A header that declares a picture far larger than the file, pixels that
// start beyond its end, and sizes that overflow when multiplied.
std::string hugeBitmap(const std::string& good) {
  std::string bytes = good.substr(0, 54);
  putLittleEndian32(bytes, 2, 0xFFFFFFFFu);    // file size
  putLittleEndian32(bytes, 10, 0xFFFFFFF0u);   // offset of the pixels
  putLittleEndian32(bytes, 18, 0x7FFFFFFFu);   // width
  putLittleEndian32(bytes, 22, 0x80000000u);   // height: the most negative (top-down) value
  putLittleEndian32(bytes, 34, 0xFFFFFFFFu);   // image size
  putLittleEndian32(bytes, 46, 0xFFFFFFFFu);   // colours used
  return bytes + good.substr(54, 4096);
}

class DamagedFiles : public ::testing::Test {
 protected:
  // Runs the walk with `names` replaced by their damaged forms. `screensFollow`
  // is false for settings: their damage changes the frame rate, and with it
  // which key taps the screens see.
  void check(const std::vector<std::string>& names, const Damage& overflow, bool screensFollow) {
    for (const auto& kind : damagesFor(overflow)) {
      SCOPED_TRACE(names.front() + ": " + kind.name);
      ScratchFolder folder("damaged");
      folder.addEverything();
      std::vector<std::string> damaged;
      for (const auto& name : names) {
        damaged.push_back(kind.make(folder.read(name)));
        folder.write(name, damaged.back());
      }
      const auto before = folder.names();
      const auto run = runShooter({folder.path(), tourOfTheScreens().text()});
      EXPECT_TRUE(run.exitedCleanly()) << run.describe();
      EXPECT_EQ(run.err, "") << "sanitizer reports and errors land here";
      EXPECT_NE(run.out.find("Thanks!"), std::string::npos) << run.describe();
      EXPECT_EQ(run.out.find("not found"), std::string::npos) << "a damaged file is still a file\n" << run.out;
      if (screensFollow) {
        EXPECT_GE(run.value("game_seconds"), kTourEnd) << "the loop ran until the script closed it\n" << run.describe();
        EXPECT_EQ(run.value("state"), 8) << "the walk ends in a game\n" << run.describe();
      } else {
        // A rate of a few frames a second misses taps, and Esc may then land on
        // the main menu, which ends the game: still, the loop ran.
        EXPECT_GT(run.value("game_seconds"), 1.0) << run.describe();
      }
      for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(folder.read(names[i]), damaged[i]) << names[i] << " is read, never rewritten";
      }
      EXPECT_EQ(folder.names(), before) << "no file is added or removed";
    }
  }
};

}  // namespace

TEST_F(DamagedFiles, Settings) { check({kSettingsFile}, hugeSettings, false); }
TEST_F(DamagedFiles, HighScores) { check({kScoresFile}, hugeScores, true); }
TEST_F(DamagedFiles, AnimationData) { check({kAnimationFile}, hugeAnimations, true); }
TEST_F(DamagedFiles, SpriteSheet) { check({kSheetFile}, hugeBitmap, true); }
TEST_F(DamagedFiles, EverySample) { check(kSampleFiles, hugeSample, true); }

}  // namespace faults
