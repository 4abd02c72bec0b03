// Colour list files: any text loads line by line without writing past the table.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "testbench/colour_tools.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/kestrel-fuzz-colours-" + std::to_string(::getpid()) + ".txt";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  std::vector<std::string> lines(64);
  testbench::LoadLines(path, lines);
  return 0;
}
