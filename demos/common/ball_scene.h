// What the timing and collision scenes share: the black background inside a
// solid green frame 10 pixels wide, the ten ball sprites, the movers made
// from them, and the character picture moved with the arrow keys.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "testbench/movers.h"
#include "testbench/sprites.h"

namespace demo {

inline constexpr platform::Colour kFrameGreen = 0x0000FF00u;
inline constexpr std::int32_t kBallSlots = 10;
inline constexpr const char* kBallPicture = "ball4.BMP";
inline constexpr const char* kRingPicture = "O_2.BMP";
inline constexpr const char* kPlayerPicture = "Ryu_1.BMP";
inline constexpr std::int32_t kPlayerY = 200;

// Every picture a ball scene loads (the build checks that each is there).
inline constexpr auto kBallScenePictures = std::to_array<const char*>({kBallPicture, kRingPicture, kPlayerPicture});
static_assert(kBallScenePictures.size() == 3);

// 640 x 480 of colour 0 with green outlines (0, 0)-(639, 479) and
// (10, 10)-(629, 469) and the band between them flood-filled green.
platform::Image makeFramedBackground();

// Slots 1..10 loaded from "ball4.BMP", then slot 2 again from "O_2.BMP".
std::vector<testbench::Sprite> loadBallSprites();

// One active mover of a scene's table.
struct MoverRow {
  std::int32_t mover;
  std::int32_t x;
  std::int32_t y;
  std::int32_t step;
  double interval;
  std::string_view direction;
  std::string_view sound;
};

// Mover i takes the width, height, file name and picture of sprite i; the
// rows then place, pace and aim the active ones, their last step at `now`.
// Movers without a row keep an empty direction and stay inactive.
std::vector<testbench::Mover> makeMovers(const std::vector<testbench::Sprite>& sprites,
                                         std::span<const MoverRow> rows, double now);

// The character picture, drawn at (x, 200) with the key colour left out.
void drawPlayer(platform::Image& page, const testbench::Sprite& player, std::int32_t x);

// " moverN=x,y,direction" for movers 1..last.
std::string moverSummary(const std::vector<testbench::Mover>& movers, std::int32_t last);

}  // namespace demo
