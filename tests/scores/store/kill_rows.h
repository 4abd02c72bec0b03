// The rows that the kill test's writer adds: row i has a name and a
// recording made from i alone, so that the test can tell a whole row from a
// torn one after the writer was killed. Recordings run from 4 KB to 124 KB,
// so that one row spans many database pages.
#pragma once

#include <cstdint>
#include <string>

namespace scores_test {

inline std::string killTestName(int row) { return "W" + std::to_string(row); }

inline std::string killTestRecording(int row) {
  std::string text = "kestrel-recording 1\n# row " + std::to_string(row) + "\n";
  const std::size_t size = 4000 + (static_cast<std::size_t>(row) * 7919) % 120000;
  std::uint32_t state = static_cast<std::uint32_t>(row) * 2654435761u + 1u;
  while (text.size() < size) {
    state = state * 1664525u + 1013904223u;
    text += static_cast<char>('a' + (state >> 24) % 26);
  }
  return text + "\nend\n";
}

}  // namespace scores_test
