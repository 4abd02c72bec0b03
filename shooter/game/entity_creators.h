// Creating shots and explosions: each takes a slot of its pool and fills it.
#pragma once

#include <cstdint>

#include "shooter/game/sprite_codes.h"

namespace shooter {

// The shot sample plays at most this often, whoever fires.
inline constexpr double kShotSoundGap = 0.33;

// A shot of either side. Player shots (codes below 68) play the shot sample
// when 0.33 s have passed since the last shot sound; any shot, an enemy's
// included, then starts a new 0.33 s.
void fireShot(float x, float y, float dx, float dy, std::uint8_t side, std::uint8_t spriteCode,
              std::uint8_t damage);
// An enemy shot from (startX, startY) flying along the line from the firing
// unit's (fromX, fromY) to the player: 2 pixels a frame on the longer axis.
void fireAimedShot(float startX, float startY, float fromX, float fromY);
// A banner standing still in the pickups pool, its left edge 50 pixels left
// of the screen's centre and its top `aboveCentre` pixels above it, for
// `seconds` of the pickups' once-a-second ageing.
void showBanner(std::uint8_t spriteCode, double aboveCentre, std::uint8_t seconds);
// An explosion drifting down with the sea, with its sound.
void spawnExplosion(float x, float y, std::uint8_t spriteCode);

}  // namespace shooter
