#include "demos/common/jet_flight.h"

#include <array>
#include <string_view>

#include "platform/platform.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"
#include "demos/common/key_buffer.h"
#include "demos/common/sprite_files.h"

namespace demo {

namespace {

struct MoveCase {
  std::string_view command;
  std::int32_t dx;
  std::int32_t dy;
};

// Tried in this order; at most one matches the command.
constexpr auto kMoveCases = std::to_array<MoveCase>({
    {"UL", -1, -1},
    {"UR", 1, -1},
    {"U", 0, -1},
    {"DL", -1, 1},
    {"DR", 1, 1},
    {"D", 0, 1},
    {"L", -1, 0},
    {"R", 1, 0},
});
static_assert(kMoveCases.size() == 8);

constexpr std::int32_t kEdge = 10;
constexpr std::int32_t kLastColumn = 639;
constexpr std::int32_t kLastRow = 479;
constexpr std::int32_t kGroundWrapAt = 479;

void keepInBounds(JetMotion& jet, std::int32_t boundWidth, std::int32_t boundHeight) {
  if (jet.x < kEdge) jet.x = kEdge;
  if (jet.y < kEdge) jet.y = kEdge;
  if (jet.x > kLastColumn - boundWidth) jet.x = kLastColumn - boundWidth;
  if (jet.y > kLastRow - boundHeight) jet.y = kLastRow - boundHeight;
}

}  // namespace

std::string moveCommandFor(bool left, bool right, bool up, bool down) {
  std::string command;
  if (left) command = "L";
  if (right) command = "R";
  if (up) command = "U";
  if (down) command = "D";
  if (left && up) command = "UL";
  if (right && up) command = "UR";
  if (left && down) command = "DL";
  if (right && down) command = "DR";
  return command;
}

bool stepJet(JetMotion& jet, std::int32_t boundWidth, std::int32_t boundHeight) {
  for (const MoveCase& c : kMoveCases) {
    if (jet.move != c.command) continue;
    const double now = platform::timer();
    if (now - jet.lastMove < jet.interval) return false;
    if (testbench::SoundIsPlayingFile(kFlybySound) == "NO") testbench::SoundPlay(kFlybySound);
    jet.lastMove = now;
    if (c.dx != 0) {
      jet.x += c.dx;
      keepInBounds(jet, boundWidth, boundHeight);
    }
    if (c.dy != 0) {
      jet.y += c.dy;
      keepInBounds(jet, boundWidth, boundHeight);
    }
    jet.move.clear();
    return true;
  }
  return false;
}

void updateFireKey(FireControl& fire, bool fireKeyDown) {
  if (!fireKeyDown && fire.state == "Y") fire.state = "YY";
  if (fireKeyDown && fire.state.empty()) fire.state = "Y";
}

bool takeShot(FireControl& fire, std::vector<testbench::Missile>& missiles, std::int32_t x, std::int32_t y) {
  const double now = platform::timer();
  if (now - fire.lastShot < kFireInterval || fire.state != "YY") return false;
  fire.lastShot = now;
  fire.state.clear();
  const std::int32_t last = testbench::UpperBound(missiles);
  for (std::int32_t i = 1; i <= last; ++i) {
    testbench::Missile& m = missiles[static_cast<std::size_t>(i)];
    if (m.inUse != "N" || !m.state.empty()) continue;
    m.inUse = "Y";
    m.state = "NEW";
    m.x = x;
    m.y = y;
    break;
  }
  return true;
}

std::vector<testbench::Missile> makeMissileTable(const testbench::Sprite& missileSprite) {
  auto missiles = testbench::MakeTable<testbench::Missile>(kMissileSlots);
  for (std::size_t i = 1; i < missiles.size(); ++i) {
    testbench::Missile& m = missiles[i];
    m.launchSound = kMissileSound;
    m.width = missileSprite.width;
    m.height = missileSprite.height;
    m.image = missileSprite.image;
    m.state.clear();
    m.inUse = "N";
    m.interval = 0.001;
    m.step = 2;
  }
  return missiles;
}

std::int32_t countFlyingMissiles(const std::vector<testbench::Missile>& missiles) {
  std::int32_t flying = 0;
  for (std::size_t i = 1; i < missiles.size(); ++i) {
    if (missiles[i].inUse == "Y" && missiles[i].state == "S") ++flying;
  }
  return flying;
}

void scrollGround(std::int32_t& groundY, std::int32_t speed, std::int32_t tileHeight) {
  groundY += speed;
  if (groundY >= kGroundWrapAt) groundY = 480 - tileHeight - speed;
}

void drawGround(platform::Image& page, const testbench::Sprite& tile, std::int32_t groundY) {
  drawSprite(page, 0, groundY, tile, platform::DrawMode::Opaque);
  drawSprite(page, 0, groundY - tile.height, tile, platform::DrawMode::Opaque);
}

void keepMusicPlaying() {
  if (testbench::SoundIsPlayingFile(kMusic) == "NO") testbench::SoundPlay(kMusic);
}

FlightKeys readFlightKeys(JetMotion& jet, FireControl& fire, LoopEnd& end) {
  namespace key = platform::key;
  FlightKeys keys;
  keys.left = platform::keyDown(key::Left);
  keys.right = platform::keyDown(key::Right);
  keys.up = platform::keyDown(key::Up);
  keys.down = platform::keyDown(key::Down);
  if (const std::string command = moveCommandFor(keys.left, keys.right, keys.up, keys.down); !command.empty()) {
    jet.move = command;
  }
  updateFireKey(fire, platform::keyDown(key::A));
  const LoopEnd buffered = drainKeyBuffer();
  if (buffered != LoopEnd::Running || platform::keyDown(key::Esc)) {
    end = buffered == LoopEnd::Closed ? LoopEnd::Closed : LoopEnd::Escape;
    keys.goOn = false;
  }
  return keys;
}

}  // namespace demo
