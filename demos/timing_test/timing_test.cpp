#include "demos/timing_test/timing_test.h"

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "testbench/screen_and_clock.h"
#include "testbench/timing_sound.h"
#include "demos/common/ball_scene.h"
#include "demos/common/key_buffer.h"
#include "demos/common/sprite_files.h"
#include "demos/timing_test/timing_files.h"

namespace timing_test {

namespace {

namespace key = platform::key;

constexpr std::int32_t kLeftLimit = 10;
constexpr std::int32_t kLastColumn = 639;

// Both arrows share one time stamp: after one has moved, the other waits.
void movePlayer(TimingTest& p) {
  if (platform::keyDown(key::Left)) {
    const double now = platform::timer();
    if (now - p.lastKeyMove >= kKeyMoveInterval) {
      p.lastKeyMove = now;
      p.playerX -= 1;
      if (p.playerX < kLeftLimit) p.playerX = kLeftLimit;
    }
  }
  if (platform::keyDown(key::Right)) {
    const double now = platform::timer();
    if (now - p.lastKeyMove >= kKeyMoveInterval) {
      p.lastKeyMove = now;
      p.playerX += 1;
      if (p.playerX > kLastColumn - p.player.width) p.playerX = kLastColumn - p.player.width;
    }
  }
}

}  // namespace

std::string playerLine(std::int32_t playerX) { return platform::toText(std::int64_t{playerX}) + " ***************"; }

bool startUp(TimingTest& p) {
  p = TimingTest{};
  platform::seedRandomFromTimer();
  testbench::timing::SoundInit();
  if (!testbench::ScreenOpen(kTitle)) return false;
  p.background = demo::makeFramedBackground();
  p.page = platform::createImage(640, 480, 0);
  p.sprites = demo::loadBallSprites();
  p.movers = demo::makeMovers(p.sprites, kMoverRows, platform::timer());
  testbench::SpriteLoad(p.player, demo::kPlayerPicture);
  demo::keyOutMargin(p.player);  // the loader's margin must not show beside the player
  p.playerX = 200;
  p.lastKeyMove = platform::timer();
  return true;
}

bool runFrame(TimingTest& p) {
  platform::screenLock();
  movePlayer(p);
  platform::drawImage(p.page, 0, 0, p.background, platform::DrawMode::Opaque);
  testbench::UpdateMoversInBounds(p.movers, p.page);
  demo::drawPlayer(p.page, p.player, p.playerX);
  platform::drawPixelText(p.page, 200, 200, playerLine(p.playerX));
  platform::drawImage(platform::workPage(), 0, 0, p.page, platform::DrawMode::Opaque);
  platform::screenUnlock();
  p.end = demo::readOneKey();
  return p.end == demo::LoopEnd::Running;
}

void shutDown(TimingTest& p) {
  if (p.end != demo::LoopEnd::Closed) platform::waitForKey();
  p.background = {};
  p.page = {};
  testbench::timing::CurrentSong = "NO SONG";
  testbench::timing::SoundCloseAll();
}

std::string summary(const TimingTest& p) {
  return demo::moverSummary(p.movers, 4) + " player_x=" + platform::toText(std::int64_t{p.playerX});
}

}  // namespace timing_test
