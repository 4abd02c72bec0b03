#include "demos/flight_test/flight_diagnostics.h"

#include "platform/text_convert.h"

namespace flight_test {

void drawDiagnostics(platform::Image& page, std::int32_t scrollSpeed, std::int32_t jetFrame,
                     std::int32_t lastFrame) {
  using platform::toText;
  platform::drawPixelText(page, 0, 0, "Scroll Speed=" + toText(std::int64_t{scrollSpeed}), kDiagnosticsColour);
  platform::drawPixelText(page, 0, 10, "Current Frame=" + toText(std::int64_t{jetFrame}), kDiagnosticsColour);
  platform::drawPixelText(page, 0, 20, "Last Frame=" + toText(std::int64_t{lastFrame}), kDiagnosticsColour);
}

}  // namespace flight_test
