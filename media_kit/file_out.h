// Writing a generated file in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace media_kit {

// Replaces the file with the bytes; false when it cannot be written.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace media_kit
