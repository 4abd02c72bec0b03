#include "gen_kit/file_out.h"

#include <fstream>

namespace gen_kit {

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

bool OutputFolder::write(std::string_view name, const std::vector<std::uint8_t>& bytes) {
  if (!writeFile(pathOf(name), bytes)) return false;
  written_.emplace_back(name);
  return true;
}

bool OutputFolder::writeManifest(const std::string& manifestPath) const {
  std::string text;
  for (const std::string& name : written_) text += name + '\n';
  return writeFile(manifestPath, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace gen_kit
