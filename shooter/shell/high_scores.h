// The table of the ten best scores, kept in high_scores.dat as twenty CRLF
// lines: each name followed by its score.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_save.h"

namespace shooter {

struct HighScoreEntry {
  std::string name;
  std::uint32_t score = 0;
};

inline constexpr int kHighScoreCount = 10;
inline constexpr std::size_t kMaxNameLength = 12;
inline constexpr const char* kHighScoresFile = "high_scores.dat";

// Entries 1..10 (slot 0 unused), best first.
using HighScoreTable = std::array<HighScoreEntry, kHighScoreCount + 1>;

// The file's table; nothing when it does not exist.
std::optional<HighScoreTable> loadHighScores(const std::string& path = kHighScoresFile);
HighScoreTable parseHighScores(std::string text);
std::string formatHighScores(const HighScoreTable& table);
platform::SaveResult saveHighScores(const HighScoreTable& table, const std::string& path = kHighScoresFile);

// True when `score` beats the table's tenth entry.
bool qualifies(const HighScoreTable& table, std::uint32_t score);
// Places a score: the first entry it equals or beats moves down with those
// after it, and the tenth drops out. Returns the entry used, 0 for none.
int insertHighScore(HighScoreTable& table, const std::string& name, std::uint32_t score);

}  // namespace shooter
