// std::filesystem paths from and to the UTF-8 text that holds every path in
// the programs. A path built from a plain std::string takes the C library's
// narrow encoding, which is not UTF-8 everywhere (mingw's libstdc++ reads it
// as Latin-1), so a folder named with non-ASCII letters would not be found;
// char8_t text is UTF-8 on every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

inline std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace platform
