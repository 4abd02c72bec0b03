// The library's tables are 1-based: slot 0 exists and is never used, so a
// table of N records is a vector of N + 1 elements and its upper bound is N.
#pragma once

#include <cstdint>
#include <vector>

namespace testbench {

template <class T>
std::int32_t UpperBound(const std::vector<T>& table) {
  return table.empty() ? 0 : static_cast<std::int32_t>(table.size() - 1);
}

// A table with slots 1..slots (plus the unused slot 0).
template <class T>
std::vector<T> MakeTable(std::int32_t slots) {
  return std::vector<T>(static_cast<std::size_t>(slots < 0 ? 0 : slots) + 1);
}

}  // namespace testbench
