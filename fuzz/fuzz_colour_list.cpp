// Colour list files: any text loads line by line without writing past the table.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "testbench/colour_tools.h"
#include "platform/system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = (std::filesystem::temp_directory_path() /
                                  ("kestrel-fuzz-colours-" + std::to_string(platform::system::processId()) + ".txt"))
                                     .string();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  std::vector<std::string> lines(64);
  testbench::LoadLines(path, lines);
  return 0;
}
