// Moving, culling and drawing the five pools each playing frame, and the
// 0.1 s animation step of explosions and pickups.
#pragma once

namespace shooter {

// Surface units (low ones under large ones), aircraft, pickups, explosions,
// shots, in that order.
void moveAndDrawPools();
// Explosions play once and are freed after their last frame; pickups loop.
void tenthTickAnimations();

}  // namespace shooter
