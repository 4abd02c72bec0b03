// Each entity moves by its steps once per rendered frame and is freed once
// it has left the screen by its pool's margins.
#include "shooter/game/pool_update.h"

#include "platform/platform.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/game/sprite_info.h"

namespace shooter {

namespace {


void move(GameEntity& e) {
  e.x += e.dx;
  e.y += e.dy;
}

void surfaceUnitsFrame() {
  const auto w = static_cast<float>(platform::screenWidth());
  const auto h = static_cast<float>(platform::screenHeight());
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& u = surfaceUnits[i];
    if (u.active != 1) continue;
    if (u.spriteCode <= kLowSurfaceCode) drawEntity(u);
    move(u);
    if (u.x < 0.0f || u.x > w || u.y > h || u.y < -192.0f) u.active = 0;
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    const GameEntity& u = surfaceUnits[i];
    if (u.active == 1 && u.spriteCode > kLowSurfaceCode) drawEntity(u);
  }
}

void aircraftFrame() {
  const auto w = static_cast<float>(platform::screenWidth());
  const auto h = static_cast<float>(platform::screenHeight());
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& a = aircraft[i];
    if (a.active != 1) continue;
    move(a);
    if (a.x < -100.0f || a.x > w || a.y > h + 64.0f || a.y < -100.0f) a.active = 0;
    drawEntity(a);  // still drawn in the frame it leaves
    a.frame = nextFrame(a.frame, a.spriteCode);
  }
}

template <int Last>
void moveAndDraw(Pool<Last>& pool) {
  for (int i = 1; i <= Last; ++i) {
    GameEntity& e = pool[i];
    if (e.active != 1) continue;
    move(e);
    drawEntity(e);
  }
}

void shotsFrame() {
  const auto w = static_cast<float>(platform::screenWidth());
  const auto h = static_cast<float>(platform::screenHeight());
  for (int i = 1; i <= ShotPool::kLast; ++i) {
    GameEntity& s = shots[i];
    if (s.active != 1) continue;
    move(s);
    if (s.x < -20.0f || s.x > w || s.y > h || s.y < -20.0f) {
      s.active = 0;
      continue;  // gone off screen: nothing of it would show
    }
    drawEntity(s);
  }
}

}  // namespace

void moveAndDrawPools() {
  surfaceUnitsFrame();
  aircraftFrame();
  moveAndDraw(pickups);     // no culling: they expire by their life timer
  moveAndDraw(explosions);  // they expire by their animation
  shotsFrame();
}

void tenthTickAnimations() {
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& e = explosions[i];
    if (e.active != 1) continue;
    e.frame = static_cast<std::uint8_t>(e.frame + 1);
    if (e.frame > frameCountOf(e.spriteCode)) e.active = 0;
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& p = pickups[i];
    if (p.active == 1) p.frame = nextFrame(p.frame, p.spriteCode);
  }
}

}  // namespace shooter
