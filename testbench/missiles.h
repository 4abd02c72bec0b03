// Missiles fired in pairs: a launch request on one record flies a left
// missile from that record and a right one from the first free record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/image_handle.h"

namespace testbench {

struct Missile {
  std::int32_t x = 0;  // top-left position
  std::int32_t y = 0;
  std::int32_t step = 0;      // pixels moved up per update
  double interval = 0.0;      // kept for the program; not used for pacing
  double lastStepTime = 0.0;  // set to the clock on every update
  std::string state;          // "NEW" launch requested, "S" flying, "" free
  std::string launchSound;    // file played at a launch
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string fileName;       // the picture's file; not read by the update
  ImageHandle image;
  std::string inUse = "N";    // "Y" takes part, "N" free for reuse
};

// cx = x + floor(width / 2) and cy = y + floor(height / 2) as "cx,cy,".
std::string CentreText(const std::int32_t& x, const std::int32_t& y, const std::int32_t& width,
                       const std::int32_t& height);

// Launches requested pairs 30 pixels either side of the requesting record's
// centre, moves flying missiles up by their step (a pair launched in this
// call climbs in it too, both missiles alike, so the pair flies level), frees those whose bottom
// edge has passed above the screen, then draws every flying missile on the
// target with magenta left out.
void UpdateMissiles(std::vector<Missile>& missiles, platform::Image& target);

}  // namespace testbench
