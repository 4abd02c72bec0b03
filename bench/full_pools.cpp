// Setting up a full game for the benchmarks; see full_pools.h.
#include "bench/full_pools.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "bench/bench_play_folder.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/program.h"
#include "shooter/shell/settings.h"
#include "shooter/shell/shell_state.h"

namespace bench {

namespace {

using namespace shooter;

void paintSprite(std::uint8_t code, int sx, int sy, int w, int h, std::int32_t value) {
  AnimRow& row = animTable[code];
  row = AnimRow{};
  row.frameCount = 3;
  for (int f = 1; f <= 3; ++f) row.frames[static_cast<std::size_t>(f)] = {sx, sx + w - 1, sy, sy + h - 1};
  row.value = value;
  row.width = w;
  row.height = h;
  const double rx = w / 2.0;
  const double ry = h / 2.0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double nx = (x + 0.5 - rx) / rx;
      const double ny = (y + 0.5 - ry) / ry;
      if (nx * nx + ny * ny <= 1.0) platform::setPixel(spriteSheet, sx + x, sy + y, 0xFF336699u);
    }
  }
}

void buildSheet() {
  for (int code = 1; code <= 58; ++code) {
    paintSprite(static_cast<std::uint8_t>(code), (code % 16) * 56, (code / 16) * 56, 48, 48, 1000);
  }
  for (int code = 59; code <= 68; ++code) paintSprite(static_cast<std::uint8_t>(code), (code - 59) * 10, 300, 8, 8, 0);
  for (int code = 70; code <= 89; ++code) {
    paintSprite(static_cast<std::uint8_t>(code), (code - 70) * 34, 320, 32, 32, 0);
  }
  platform::fillBox(spriteSheet, 301, 112, 365, 294, 0xFF888888u);  // the player's three frames
  buildCollisionMask();
}

float at(double r, int span) { return static_cast<float>(std::floor(r * span)); }

}  // namespace

void setUpFullGame() {
  bench::enterPlayFolder("kestrel_game_frame_bench");
  // Without a script the headless platform cannot fail to start.
  if (const auto failure = platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), platform::RunOptions{})) {
    throw std::runtime_error(failure->message);
  }
  startUp("", false);
  prepareFullGame();
}

void prepareFullGame() {
  platform::seedRandom(7);
  buildSheet();
  shell.settings.collisionType = 1;  // PER PIXEL
  shell.collisionInterval = 0.0;     // a pass every frame
  handGameContext();
  shell.screenState = ScreenState::Playing;
}

PoolSnapshot fillPools() {
  auto place = [](GameEntity& e, std::uint8_t code, float x, float y, float dx, float dy) {
    e = GameEntity{};
    e.spriteCode = code;
    e.x = x;
    e.y = y;
    e.dx = dx;
    e.dy = dy;
    e.active = 1;
    e.frame = 1;
    e.width = animTable[code].width;
    e.height = animTable[code].height;
    e.hitPoints = 1000;
  };
  const int w = 640 - 64;
  const int h = 480 - 64;
  for (int i = 1; i <= 100; ++i) {
    place(surfaceUnits[i], static_cast<std::uint8_t>(53 + i % 6), at(platform::randomUnit(), w) + 8,
          at(platform::randomUnit(), h), 0.0f, kScrollSpeed);
    place(aircraft[i], static_cast<std::uint8_t>(1 + i % 47), at(platform::randomUnit(), w) + 8,
          at(platform::randomUnit(), h), 0.0f, 2.0f);
    place(explosions[i], static_cast<std::uint8_t>(70 + i % 2), at(platform::randomUnit(), w),
          at(platform::randomUnit(), h), 0.0f, kScrollSpeed);
    place(pickups[i], static_cast<std::uint8_t>(79 + i % 5), at(platform::randomUnit(), w),
          at(platform::randomUnit(), h), 0.0f, kScrollSpeed);
    pickups[i].lifeTimer = 0;
  }
  for (int i = 1; i <= 200; ++i) {
    const bool player = i % 2 == 0;
    place(shots[i], player ? 59 : 68, at(platform::randomUnit(), w) + 20, at(platform::randomUnit(), h) + 20, 0.0f,
          player ? -4.0f : 2.0f);
    shots[i].side = player ? kPlayerSide : kEnemySide;
    shots[i].damage = 10;
  }
  // Keep the craft out of the middle so that the frame is not a cascade of
  // lost lives, but let it meet a few units.
  game.playerX = 288;
  game.playerY = 400;
  return {surfaceUnits, aircraft, explosions, pickups, shots, game};
}

void restore(const PoolSnapshot& s) {
  surfaceUnits = s.surface;
  aircraft = s.air;
  explosions = s.blasts;
  pickups = s.items;
  shots = s.shotPool;
  game = s.state;
}

void tearDownFullGame() { platform::shutdownPlatform(); }

}  // namespace bench
