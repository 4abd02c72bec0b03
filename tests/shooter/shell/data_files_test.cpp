// settings.dat and high_scores.dat: reading, writing and damaged files.
#include <gtest/gtest.h>

#include "shooter/shell/high_scores.h"
#include "shooter/shell/settings.h"

namespace shooter {

TEST(SettingsFile, ReadsPrefixesAndKeepsTheLowByte) {
  const Settings s = parseSettings("&H2\r\n &B1\r\n300\r\n&O62\r\n1x\r\n");
  EXPECT_EQ(s.resolution, 2);
  EXPECT_EQ(s.fullScreen, 1);
  EXPECT_EQ(s.volume, 44);
  EXPECT_EQ(s.desiredFps, 50);
  EXPECT_EQ(s.collisionType, 1);
  EXPECT_EQ(s.collisionRate, 0) << "a missing line reads 0";
}

TEST(SettingsFile, WritesSixCrLfLines) {
  const Settings s{2, 0, 64, 50, 1, 20};
  EXPECT_EQ(formatSettings(s), "2\r\n0\r\n64\r\n50\r\n1\r\n20\r\n");
  const Settings back = parseSettings(formatSettings(s));
  EXPECT_EQ(back.volume, 64);
  EXPECT_EQ(back.collisionRate, 20);
}

namespace {
HighScoreTable tableOf(std::initializer_list<std::uint32_t> scores) {
  HighScoreTable t;
  int i = 1;
  for (const auto s : scores) {
    t[static_cast<std::size_t>(i)] = {"P" + std::to_string(i), s};
    ++i;
  }
  return t;
}
}  // namespace

TEST(HighScoreTable, TiesArePlacedAboveAndTheTenthDropsOut) {
  HighScoreTable t = tableOf({900, 700, 500, 400, 300, 250, 200, 150, 120, 100});
  EXPECT_EQ(insertHighScore(t, "NEW", 500), 3);
  EXPECT_EQ(t[3].name, "NEW");
  EXPECT_EQ(t[4].name, "P3");
  EXPECT_EQ(t[5].name, "P4");
  EXPECT_EQ(t[10].name, "P9");
  EXPECT_EQ(insertHighScore(t, "LOW", 5), 0);
}

TEST(HighScoreTable, QualifyingNeedsMoreThanTheTenth) {
  const HighScoreTable t = tableOf({900, 800, 700, 600, 500, 400, 300, 200, 150, 100});
  EXPECT_FALSE(qualifies(t, 100));
  EXPECT_TRUE(qualifies(t, 101));
}

TEST(HighScoreTable, TwentyLinesReadBackTheSame) {
  const HighScoreTable t = tableOf({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  const std::string text = formatHighScores(t);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 20);
  const HighScoreTable back = parseHighScores(text);
  for (int i = 1; i <= kHighScoreCount; ++i) {
    EXPECT_EQ(back[static_cast<std::size_t>(i)].name, t[static_cast<std::size_t>(i)].name);
    EXPECT_EQ(back[static_cast<std::size_t>(i)].score, t[static_cast<std::size_t>(i)].score);
  }
}

TEST(HighScoreTable, DamagedFilesLoadWithoutFault) {
  const HighScoreTable shortFile = parseHighScores("ONLY\r\n12\r\nTWO\r\n");
  EXPECT_EQ(shortFile[1].score, 12u);
  EXPECT_EQ(shortFile[2].name, "TWO");
  EXPECT_EQ(shortFile[2].score, 0u);
  EXPECT_EQ(shortFile[10].name, "");
  const HighScoreTable garbage = parseHighScores(std::string(5000, 'Z') + "\r\nabc\r\n" + std::string("\0\0\r\n", 4));
  EXPECT_LE(garbage[1].name.size(), 64u);
  EXPECT_EQ(garbage[1].score, 0u);
  const HighScoreTable huge = parseHighScores("A\r\n99999999999999999999\r\nB\r\n5\r\n");
  EXPECT_EQ(huge[2].name, "B") << "an overlong number does not disturb the next entry";
  EXPECT_EQ(huge[2].score, 5u);
}

}  // namespace shooter
