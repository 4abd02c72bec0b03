// high_scores.dat: any bytes parse; a table of names the game can produce
// (its typed characters, at most 12, no leading blank) is written and read
// back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shooter/shell/high_scores.h"

namespace {
std::string producible(const std::string& name) {
  std::string out;
  for (const char c : name) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c == ' ' && !out.empty())) out += c;
  }
  return out.substr(0, shooter::kMaxNameLength);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  shooter::HighScoreTable table = shooter::parseHighScores(std::string(reinterpret_cast<const char*>(data), size));
  for (auto& entry : table) entry.name = producible(entry.name);
  const shooter::HighScoreTable back = shooter::parseHighScores(shooter::formatHighScores(table));
  for (int i = 1; i <= shooter::kHighScoreCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    // Trailing blanks are kept by the field rule, so the name comes back whole.
    if (back[k].name != table[k].name || back[k].score != table[k].score) std::abort();
  }
  (void)shooter::qualifies(table, static_cast<std::uint32_t>(size));
  shooter::insertHighScore(table, "FUZZ", static_cast<std::uint32_t>(size));
  return 0;
}
