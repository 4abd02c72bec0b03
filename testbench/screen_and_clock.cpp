#include "testbench/screen_and_clock.h"

#include "platform/platform.h"

namespace testbench {

bool ScreenOpen(const std::string& title) {
  if (!platform::openScreen(kScreenWidth, kScreenHeight, 1, false)) return false;
  platform::setWindowTitle(std::string_view(title).substr(0, 127));
  return true;
}

void WaitSeconds(const double& seconds) {
  const double start = platform::timer();
  while (platform::timer() - start <= seconds) {
  }
}

}  // namespace testbench
