// Writing a generator's files: each in one piece, into one output folder,
// and then the manifest that names them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gen_kit {

// Replaces the file with the bytes; false when it cannot be written.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The files one generator writes into a folder. The manifest lists their
// names, one a line, in the order written; the build installs and packages
// the generated files by reading it, so a file name is written only in the
// generator's code.
class OutputFolder {
 public:
  explicit OutputFolder(std::string folder) : folder_(std::move(folder)) {}

  // Writes `name` in the folder; false (and the name left out of the
  // manifest) when it cannot be written.
  bool write(std::string_view name, const std::vector<std::uint8_t>& bytes);
  std::string pathOf(std::string_view name) const { return folder_ + "/" + std::string(name); }
  const std::vector<std::string>& written() const { return written_; }

  // Writes the manifest of every file written so far to `manifestPath`.
  bool writeManifest(const std::string& manifestPath) const;

 private:
  std::string folder_;
  std::vector<std::string> written_;
};

}  // namespace gen_kit
