// The start-up values of a recording: kept when recording, used instead of
// the player's files when replaying.
#include <charconv>

#include "platform/replay.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/settings.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

constexpr const char* kSettingsValue = "settings";
constexpr const char* kFirstWordValue = "word";

std::string scoreValueName(int entry) { return "score" + std::to_string(entry); }

// "2 0 96 50 1 20": the six settings in file order.
std::string settingsValue(const Settings& s) {
  std::string text;
  for (const std::uint8_t v : {s.resolution, s.fullScreen, s.volume, s.desiredFps, s.collisionType, s.collisionRate}) {
    text += (text.empty() ? "" : " ") + std::to_string(v);
  }
  return text;
}

// The settings file's text for the recorded values, so that a replay reads
// them exactly as start-up reads the file.
std::string settingsText(const std::string& value) {
  std::string text;
  for (const char c : value) text += c == ' ' ? std::string("\r\n") : std::string(1, c);
  return text + "\r\n";
}

// "SCORE NAME": the score first, so the name may hold any characters.
void applyScoreValue(HighScoreEntry& entry, const std::string& value) {
  const auto space = value.find(' ');
  const std::string digits = value.substr(0, space);
  std::uint32_t score = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), score);
  entry.score = score;
  entry.name = space == std::string::npos ? "" : value.substr(space + 1, 64);
}

}  // namespace

bool loadSettingsForRun() {
  if (platform::isReplaying()) {
    const auto value = platform::replayStartValue(kSettingsValue);
    if (!value) return false;
    shell.settings = parseSettings(settingsText(*value));
    return true;
  }
  const auto loaded = loadSettings();
  if (!loaded) return false;
  shell.settings = *loaded;
  platform::recordStartValue(kSettingsValue, settingsValue(shell.settings));
  return true;
}

bool loadHighScoresForRun() {
  if (platform::isReplaying()) {
    if (!platform::replayStartValue(scoreValueName(1))) return false;
    for (int i = 1; i <= kHighScoreCount; ++i) {
      applyScoreValue(shell.highScores[static_cast<std::size_t>(i)], platform::replayStartValue(scoreValueName(i)).value_or(""));
    }
    return true;
  }
  const auto loaded = loadHighScores();
  if (!loaded) return false;
  shell.highScores = *loaded;
  for (int i = 1; i <= kHighScoreCount; ++i) {
    const auto& entry = shell.highScores[static_cast<std::size_t>(i)];
    platform::recordStartValue(scoreValueName(i), std::to_string(entry.score) + " " + entry.name);
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> runStartValuesNow() {
  std::vector<std::pair<std::string, std::string>> values;
  values.emplace_back(kSettingsValue, settingsValue(shell.settings));
  for (int i = 1; i <= kHighScoreCount; ++i) {
    const auto& entry = shell.highScores[static_cast<std::size_t>(i)];
    values.emplace_back(scoreValueName(i), std::to_string(entry.score) + " " + entry.name);
  }
  return values;
}

std::string firstArgumentForRun(const std::string& given) {
  if (platform::isReplaying()) return platform::replayStartValue(kFirstWordValue).value_or("");
  platform::recordStartValue(kFirstWordValue, given);
  return given;
}

}  // namespace shooter
