// The scratch folder a game benchmark plays in: its own settings.dat
// (640x480, windowed, volume 96, 50 FPS, PER PIXEL, rate 20) and a
// high_scores.dat of 1000 down to 100, so the user's files are never read or
// written.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

inline void enterPlayFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream("settings.dat", std::ios::binary) << "2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n";
  std::ofstream scores("high_scores.dat", std::ios::binary);
  for (int i = 1; i <= 10; ++i) scores << "PILOT\r\n" << 1100 - i * 100 << "\r\n";
}

}  // namespace bench
