// Every picture and sound file the demo programs load, by its exact name,
// and the code that makes it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace demo_gen {

struct GeneratedFile {
  std::string_view name;  // exact, letter case included
  std::vector<std::uint8_t> (*make)();
};

std::span<const GeneratedFile> generatedFiles();

// Makes every file and writes it into the folder, then the manifest naming
// them; reports each failure on `log`. Returns true when all were written.
bool writeGeneratedFiles(const std::string& folder, const std::string& manifestPath, std::ostream& log);

}  // namespace demo_gen
