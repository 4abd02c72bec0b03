// Tests drive the headless backend behind the platform: its keys, pads and
// clock. This is the one checked way to reach it.
#pragma once

#include "platform/backends/headless/headless_backend.h"

namespace platform::test_support {

// The running backend as the headless one. When the platform runs another
// backend (or none), it says so and stops the test program: every test after
// would only report the same mistake again.
HeadlessBackend& headlessBackend();

}  // namespace platform::test_support
