// The flight test's three diagnostic lines in the top-left corner.
#pragma once

#include <cstdint>
#include <string>

#include "platform/image.h"

namespace flight_test {

inline constexpr platform::Colour kDiagnosticsColour = 0xFFFFFFu;

// "Scroll Speed=N" at (0, 0), "Current Frame=N" at (0, 10) and
// "Last Frame=N" at (0, 20), plain decimal numbers.
void drawDiagnostics(platform::Image& page, std::int32_t scrollSpeed, std::int32_t jetFrame,
                     std::int32_t lastFrame);

}  // namespace flight_test
