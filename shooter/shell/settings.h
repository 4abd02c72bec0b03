// The six options kept in settings.dat, one decimal number per CRLF line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_save.h"

namespace shooter {

struct Settings {
  std::uint8_t resolution = 0;     // 0 = 400x300, 1 = 512x384, 2 = 640x480
  std::uint8_t fullScreen = 0;     // 1 = full screen
  std::uint8_t volume = 0;         // 0..128
  std::uint8_t desiredFps = 0;     // 50 or 33
  std::uint8_t collisionType = 0;  // 0 = simple boxes, 1 = per pixel
  std::uint8_t collisionRate = 0;  // checks per second as shown (interval = rate / 1000 s)
};

inline constexpr const char* kSettingsFile = "settings.dat";

// Start-up: the file's values; nothing when it does not exist.
std::optional<Settings> loadSettings(const std::string& path = kSettingsFile);
// Parses the file's text (six fields; low 8 bits of each).
Settings parseSettings(std::string text);
// The file's text for a set of values.
std::string formatSettings(const Settings& values);
// Called by ACCEPT on the options screen.
platform::SaveResult saveSettings(const Settings& values, const std::string& path = kSettingsFile);

}  // namespace shooter
