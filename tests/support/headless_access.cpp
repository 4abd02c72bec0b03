#include "tests/support/headless_access.h"

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace platform::test_support {

HeadlessBackend& headlessBackend() {
  auto* headless = dynamic_cast<HeadlessBackend*>(&platform::backend());
  if (headless == nullptr) {
    std::fputs("test support: the platform is not running the headless backend\n", stderr);
    std::abort();
  }
  return *headless;
}

}  // namespace platform::test_support
