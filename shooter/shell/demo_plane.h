// The plane that crosses the main menu: it flies right and left between two
// turning points, changing its frame every frame.
#pragma once

#include <cmath>

#include "platform/platform.h"

namespace shooter {

struct DemoPlane {
  double x = 0.0;
  double speed = 2.0;
  int frame = 0;

  // Start-up: centred, flying right.
  void reset() {
    x = std::round(platform::screenWidth() / 2.0 - 32.0);
    speed = 2.0;
    frame = 0;
  }
  int y() const { return static_cast<int>(std::lround(platform::screenHeight() / 2.0 + platform::screenHeight() / 4.0)); }
  void step() {
    x += speed;
    if (speed > 0 && x > platform::screenWidth() - 164) speed = -speed;
    if (speed < 0 && x < 100) speed = -speed;
    frame = (frame + 1) % 3;
  }
};

}  // namespace shooter
