// Every picture and sound file the demo programs load, by its exact name,
// and the code that makes it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace media {

struct MediaFile {
  std::string_view name;  // exact, letter case included
  std::vector<std::uint8_t> (*make)();
};

std::span<const MediaFile> mediaFiles();

// Makes every file and writes it into the folder; reports each failure on
// `log`. Returns true when all were written.
bool writeMediaFiles(const std::string& folder, std::ostream& log);

}  // namespace media
