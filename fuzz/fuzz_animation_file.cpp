// Animation description files: any text loads into a frame table without a
// fault. Picture names in the text are looked up as files, like the program does.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "testbench/animation.h"
#include "platform/system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = (std::filesystem::temp_directory_path() /
                                  ("kestrel-fuzz-animation-" + std::to_string(platform::system::processId()) + ".txt"))
                                     .string();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  std::vector<testbench::AnimationFrame> frames;
  testbench::LoadAnimation(path, frames);
  return 0;
}
