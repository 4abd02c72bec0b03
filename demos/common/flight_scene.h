// The scene both flight programs are built on: the window and its pages, the
// sprite table with the missile, ground and cloud pictures in the same slots,
// the jet, the fire key, the clouds and the missiles; and the steps that
// open, set up, scroll, draw and free it. Each program adds its own jet
// pictures and extras around these steps.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "demos/common/clouds.h"
#include "demos/common/demo_main.h"
#include "demos/common/jet_flight.h"
#include "demos/common/sprite_files.h"
#include "platform/image.h"
#include "testbench/missiles.h"
#include "testbench/sprites.h"

namespace demo {

inline constexpr const char* kFlightTitle = "Quorl's Flight Test";
inline constexpr std::int32_t kFlightSpriteSlots = 100;

// The slots that both programs' sprite tables load alike.
inline constexpr std::int32_t kMissileSlot = 2;
inline constexpr std::int32_t kGroundSlot = 3;
inline constexpr std::int32_t kCloudSlot = 4;

inline constexpr auto kFlightSoundFiles = std::to_array<const char*>({kMissileSound, kFlybySound, kMusic});
static_assert(kFlightSoundFiles.size() == 3);

struct FlightScene {
  std::vector<testbench::Sprite> sprites;  // slots 1..100
  platform::Image clearImage;
  platform::Image page;
  JetMotion jet;
  std::int32_t groundY = 0;
  double scrollInterval = 0.005;
  double lastScrollStep = kLongAgo;
  FireControl fire;
  CloudTable clouds;
  std::vector<testbench::Missile> missiles;  // slots 1..100
  LoopEnd end = LoopEnd::Running;
};

// The sprite in `slot`, or an empty record outside the table.
const testbench::Sprite& sceneSprite(const FlightScene& scene, std::int32_t slot);

// Seeds the random numbers, starts the sound, opens the window and loads the
// pictures into a fresh sprite table. False when the screen does not open.
bool openFlightScene(FlightScene& scene, std::span<const SpriteFile> spriteFiles);

// Puts the ground at the bottom, sets up clouds 1..cloudsSetUp, fills the
// missile table and starts the jet at (320, 400) moving a pixel every
// `jetInterval` seconds. Reads the clock once, for the jet's first move.
void placeFlightScene(FlightScene& scene, std::int32_t cloudsSetUp, double jetInterval);

// Once the scroll interval has passed: moves clouds 1..cloudsMoved and the
// ground down by `groundSpeed`.
void scrollFlightScene(FlightScene& scene, std::int32_t cloudsMoved, std::int32_t groundSpeed);

// Draws the scene onto its page: the clear page, the ground, the clouds, the
// missiles, then the jet with `jetSprite`.
void drawFlightScene(FlightScene& scene, const testbench::Sprite& jetSprite);

// Copies the drawn page to the screen's work page and unlocks the screen,
// which the frame locked before drawing.
void showFlightPage(FlightScene& scene);

// The timedemo summary's " key=value" pairs: the jet's position, the
// program's own `figures`, then the missiles flying.
std::string flightSummary(const FlightScene& scene, const std::string& figures);

// Frees the sprites, the missiles' pictures and the two page-sized images,
// then closes every sound.
void freeFlightScene(FlightScene& scene);

}  // namespace demo
