#include "testbench/missiles.h"

#include <cmath>

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

namespace testbench {

namespace {

// Offset of each missile of a pair from the launcher's centre.
constexpr double kPairOffset = 30.0;

// The table a launch splits the centre text into, made once when the program
// starts: nothing is allocated during play. Its short fields fit in the
// strings' own storage, so refilling it allocates nothing either.
std::vector<std::string> centreFields(101);

bool isFlying(const Missile& m) { return m.inUse == "Y" && m.state == "S"; }
bool isFree(const Missile& m) { return m.inUse == "N" && m.state.empty(); }

std::int64_t floorHalf(std::int32_t value) {
  return static_cast<std::int64_t>(std::floor(static_cast<double>(value) / 2.0));
}

// Moves a flying missile up by its step; one whose bottom edge has passed
// above the screen becomes free.
void climb(Missile& m) {
  m.y -= m.step;
  if (std::int64_t{m.y} + m.height < 0) {
    m.inUse = "N";
    m.state.clear();
  }
}

// Places the pair and returns the right missile's record, 0 when none was free.
std::int32_t launch(std::vector<Missile>& missiles, Missile& launcher, std::vector<std::string>& fields) {
  SoundPlay(launcher.launchSound);
  SplitFields(CentreText(launcher.x, launcher.y, launcher.width, launcher.height), ",", fields);
  const double cx = platform::textToNumber(fields[1]);
  const double cy = platform::textToNumber(fields[2]);
  const auto top = static_cast<std::int32_t>(std::lround(cy - launcher.height));
  launcher.x = static_cast<std::int32_t>(std::lround(cx - kPairOffset));
  launcher.y = top;
  launcher.state = "S";
  const std::int32_t last = UpperBound(missiles);
  for (std::int32_t j = 1; j <= last; ++j) {
    Missile& right = missiles[static_cast<std::size_t>(j)];
    if (!isFree(right)) continue;
    right.x = static_cast<std::int32_t>(std::lround(cx + kPairOffset));
    right.y = top;
    right.inUse = "Y";
    right.state = "S";
    return j;
  }
  return 0;
}

}  // namespace

std::string CentreText(const std::int32_t& x, const std::int32_t& y, const std::int32_t& width,
                       const std::int32_t& height) {
  return platform::toText(x + floorHalf(width)) + "," + platform::toText(y + floorHalf(height)) + ",";
}

void UpdateMissiles(std::vector<Missile>& missiles, platform::Image& target) {
  const std::int32_t last = UpperBound(missiles);
  for (std::int32_t i = 1; i <= last; ++i) {
    Missile& m = missiles[static_cast<std::size_t>(i)];
    m.lastStepTime = platform::timer();
    // A missile launched in this pass also climbs in it, so the left one
    // keeps level with a right one that the pass reaches later. A right one
    // in a record the pass has already left behind (freed earlier in this
    // same pass) climbs at once, for the same reason.
    if (m.inUse == "Y" && m.state == "NEW") {
      const std::int32_t right = launch(missiles, m, centreFields);
      if (right > 0 && right < i) climb(missiles[static_cast<std::size_t>(right)]);
    }
    if (isFlying(m)) climb(m);
  }
  for (std::int32_t i = 1; i <= last; ++i) {
    const Missile& m = missiles[static_cast<std::size_t>(i)];
    if (isFlying(m) && m.image) platform::drawImage(target, m.x, m.y, *m.image, platform::DrawMode::Transparent);
  }
}

}  // namespace testbench
