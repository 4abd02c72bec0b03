// One channel per file under the SPMCIPS aliases.
#include "testbench/timing_sound.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "testbench/media_command.h"

namespace testbench::timing {

std::string CurrentSong = "NO SONG";

namespace {

// The upper-cased, trimmed name each slot was opened for; empty when free.
std::array<std::string, kSoundSlots>& slotFiles() {
  static std::array<std::string, kSoundSlots> files;
  return files;
}

std::string trimmed(const std::string& file) {
  const std::size_t first = file.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const std::size_t last = file.find_last_not_of(' ');
  return file.substr(first, last - first + 1);
}

std::string matchName(const std::string& file) {
  std::string name = trimmed(file);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

std::int32_t slotOf(const std::string& name) {
  const auto& files = slotFiles();
  for (std::int32_t i = 0; i < kSoundSlots; ++i) {
    if (files[static_cast<std::size_t>(i)] == name) return i;
  }
  return -1;
}

}  // namespace

void SoundInit() {
  for (std::string& f : slotFiles()) f.clear();
  CurrentSong = "NO SONG";
}

std::string SoundAlias(std::int32_t slot) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", static_cast<int>(slot));
  return std::string("SPMCIPS") + digits;
}

int SoundPlay(const std::string& file) {
  const std::string name = matchName(file);
  std::int32_t slot = name.empty() ? -1 : slotOf(name);
  if (slot < 0) {
    slot = slotOf("");
    if (slot < 0) slot = kSoundSlots - 1;
    const std::string alias = SoundAlias(slot);
    SendMediaCommand("close " + alias);
    // Files are matched upper-cased, but the layer gets the trimmed name in
    // the caller's letter case, so it still opens on a file system that tells
    // letter case apart.
    if (SendMediaCommand("open " + std::string("\"") + trimmed(file) + "\"" + " alias " + alias) != 0) {
      slotFiles()[static_cast<std::size_t>(slot)].clear();
      return 1;
    }
    slotFiles()[static_cast<std::size_t>(slot)] = name;
    SendMediaCommand("set " + alias + " time format milliseconds");
  }
  SendMediaCommand("play " + SoundAlias(slot) + " from 0");
  return 0;
}

void SoundStop(const std::string& file) {
  const std::string name = matchName(file);
  if (name.empty()) return;
  const std::int32_t slot = slotOf(name);
  if (slot >= 0) SendMediaCommand("stop " + SoundAlias(slot));
}

void SoundCloseAll() {
  for (std::int32_t i = 0; i < kSoundSlots; ++i) SendMediaCommand("close " + SoundAlias(i));
}

}  // namespace testbench::timing
