// The yardstick every other figure is divided by: one bulk memcpy of the
// bytes an operation writes, between two buffers that stay resident, as
// fast as this machine moves memory.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// Registers a benchmark named `name` that copies `bytes` bytes per iteration.
void registerMemcpy(const std::string& name, std::size_t bytes);

}  // namespace bench
