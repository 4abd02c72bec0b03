// Movers: pictures that step in one of eight directions at their own pace
// and turn away at random when they hit something.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/boxes.h"
#include "testbench/image_handle.h"

namespace testbench {

struct Mover {
  std::int32_t x = 0;  // where the picture is drawn
  std::int32_t y = 0;
  std::int32_t step = 0;      // pixels per step along each moving axis
  double interval = 0.0;      // seconds between steps
  double lastStepTime = 0.0;  // clock reading of the last step
  std::string direction;      // "1".."8"; empty marks an inactive mover
  std::string bounceSound;    // file played on a hit
  std::int32_t width = 0;     // picture size (the in-bounds form)
  std::int32_t height = 0;
  std::string fileName;       // the picture's file; not read by the updates
  ImageHandle image;
};

// Box form: mover i moves with box i of the box table. Every due active
// mover steps its box, and on a hit against a solid box of another group
// plays its sound, draws a new direction and steps back; then every active
// mover is drawn at its box's position, magenta left out. Movers without a
// box of their own are skipped.
void UpdateMovers(std::vector<Mover>& movers, platform::Image& target, std::vector<Box>& boxes);
// The collision test's form: the same, but the bounce sound plays only for a
// hit while moving "2" (down).
void UpdateMoversSoundDown(std::vector<Mover>& movers, platform::Image& target, std::vector<Box>& boxes);

// The timing test's form: no boxes; movers bounce inside x 10..628 and
// y 10..468 and play their sounds through the timing form's SoundPlay.
void UpdateMoversInBounds(std::vector<Mover>& movers, platform::Image& target);

// Draws an active mover's picture at its position, magenta left out.
void DrawMover(const Mover& mover, platform::Image& target);

}  // namespace testbench
