// Reading and writing settings.dat.
#include "shooter/shell/settings.h"

#include "platform/replay.h"
#include "platform/text_convert.h"
#include "platform/text_file.h"

namespace shooter {

Settings parseSettings(std::string text) {
  auto reader = platform::TextFileReader::fromText(std::move(text));
  auto next = [&reader] { return static_cast<std::uint8_t>(platform::parseUnsigned(reader.readField()) & 0xFFu); };
  Settings s;
  s.resolution = next();
  s.fullScreen = next();
  s.volume = next();
  s.desiredFps = next();
  s.collisionType = next();
  s.collisionRate = next();
  return s;
}

std::optional<Settings> loadSettings(const std::string& path) {
  auto text = platform::readWholeFile(path);
  if (!text) return std::nullopt;
  return parseSettings(std::move(*text));
}

std::string formatSettings(const Settings& s) {
  platform::TextFileWriter out;
  for (const std::uint8_t v : {s.resolution, s.fullScreen, s.volume, s.desiredFps, s.collisionType, s.collisionRate}) {
    out.writeLine(std::to_string(v));
  }
  return out.text();
}

platform::SaveResult saveSettings(const Settings& values, const std::string& path) {
  if (platform::isReplaying()) return {true, ""};  // a replay writes none of the player's files
  return platform::saveFileAtomically(path, formatSettings(values));
}

}  // namespace shooter
