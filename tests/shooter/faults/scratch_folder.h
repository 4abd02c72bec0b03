// A fresh working folder for one run of the game, filled with the files a
// case needs, and removed again afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "assets/sample_names.h"

namespace faults {

// The files the game reads at start, as the tests name them.
inline constexpr const char* kSettingsFile = "settings.dat";
inline constexpr const char* kScoresFile = "high_scores.dat";
inline constexpr const char* kSheetFile = "plik.bmp";
inline constexpr const char* kAnimationFile = "anim_data.dat";
inline const std::vector<std::string> kSampleFiles{assets::kSampleFileNames.begin(), assets::kSampleFileNames.end()};

// 512x384 windowed, volume 64, 33 frames a second (fewer frames per second of
// game time keep the runs short), box collisions checked 10 times a second.
inline constexpr std::string_view kTestSettings = "1\r\n0\r\n64\r\n33\r\n0\r\n10\r\n";

// Ten entries ACE1..ACE10 with scores from `top` down in steps of `step`.
std::string scoreTable(unsigned top, unsigned step);

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& label);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, std::string_view bytes) const;
  std::string read(const std::string& name) const;
  std::vector<std::string> names() const;  // sorted

  // The test settings and a score table from 90 down to 0.
  void addStartFiles() const;
  // The sprite sheet and animation data copied from the build's run folder.
  void addPictures() const;
  void addSamples() const;
  void addEverything() const;

 private:
  std::filesystem::path path_;
};

// The bytes of a file in the build's run folder.
std::string runFile(const std::string& name);

}  // namespace faults
