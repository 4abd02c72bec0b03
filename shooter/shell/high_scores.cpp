// Reading, writing and updating the high-score table.
#include "shooter/shell/high_scores.h"

#include "platform/replay.h"
#include "platform/text_convert.h"
#include "platform/text_file.h"

namespace shooter {

HighScoreTable parseHighScores(std::string text) {
  auto reader = platform::TextFileReader::fromText(std::move(text));
  HighScoreTable table;
  for (int i = 1; i <= kHighScoreCount; ++i) {
    auto& entry = table[static_cast<std::size_t>(i)];
    entry.name = reader.readField();
    // Names this program writes are at most 12 characters; a damaged file's
    // longer ones are cut so the screen's columns stay apart.
    if (entry.name.size() > 64) entry.name.resize(64);
    entry.score = static_cast<std::uint32_t>(platform::parseUnsigned(reader.readField()));
  }
  return table;
}

std::optional<HighScoreTable> loadHighScores(const std::string& path) {
  auto text = platform::readWholeFile(path);
  if (!text) return std::nullopt;
  return parseHighScores(std::move(*text));
}

std::string formatHighScores(const HighScoreTable& table) {
  platform::TextFileWriter out;
  for (int i = 1; i <= kHighScoreCount; ++i) {
    out.writeLine(table[static_cast<std::size_t>(i)].name);
    out.writeLine(std::to_string(table[static_cast<std::size_t>(i)].score));
  }
  return out.text();
}

platform::SaveResult saveHighScores(const HighScoreTable& table, const std::string& path) {
  if (platform::isReplaying()) return {true, ""};  // a replay writes none of the player's files
  return platform::saveFileAtomically(path, formatHighScores(table));
}

bool qualifies(const HighScoreTable& table, std::uint32_t score) { return score > table[kHighScoreCount].score; }

int insertHighScore(HighScoreTable& table, const std::string& name, std::uint32_t score) {
  for (int i = 1; i <= kHighScoreCount; ++i) {
    if (table[static_cast<std::size_t>(i)].score <= score) {
      for (int j = kHighScoreCount; j > i; --j) {
        table[static_cast<std::size_t>(j)] = table[static_cast<std::size_t>(j - 1)];
      }
      table[static_cast<std::size_t>(i)] = {name, score};
      return i;
    }
  }
  return 0;
}

}  // namespace shooter
