#include "demos/collision_test/collision_test.h"

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "testbench/screen_and_clock.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"
#include "demos/collision_test/collision_files.h"
#include "demos/common/ball_scene.h"
#include "demos/common/key_buffer.h"
#include "demos/common/sprite_files.h"

namespace collision_test {

namespace {

namespace key = platform::key;

constexpr std::int32_t kLeftLimit = 10;
constexpr std::int32_t kLastColumn = 639;

// Boxes 1 to 4 ride with movers 1 to 4, each ball in a group of its own;
// boxes 5 to 8 are the walls.
std::vector<testbench::Box> makeBoxes(const std::vector<testbench::Mover>& movers) {
  auto boxes = testbench::MakeTable<testbench::Box>(kBoxSlots);
  for (const demo::MoverRow& row : kMoverRows) {
    const testbench::Mover& m = movers[static_cast<std::size_t>(row.mover)];
    boxes[static_cast<std::size_t>(row.mover)] = {m.x, m.y, m.width, m.height, "YES", 1,
                                                  "Ball " + platform::toText(std::int64_t{row.mover})};
  }
  for (const WallRow& wall : kWallRows) {
    boxes[static_cast<std::size_t>(wall.box)] = {wall.x, wall.y, wall.width, wall.height, "YES", 1,
                                                 std::string(wall.group)};
  }
  return boxes;
}

void countFrame(CollisionTest& p) {
  const double now = platform::timer();
  if (now - p.secondStamp >= 1.0) {
    p.secondStamp = now;
    p.lastSecondCount = p.frameCounter;
    p.frameCounter = 0.0;
  } else {
    p.frameCounter += 1.0;
  }
}

void readKeys(CollisionTest& p) {
  if (platform::keyDown(key::B)) p.showBoxes = "Y";
  if (platform::keyDown(key::N)) p.showBoxes = "N";
  if (platform::keyDown(key::Left)) p.moveCommand = "L";
  if (platform::keyDown(key::Right)) p.moveCommand = "R";
}

void movePlayer(CollisionTest& p) {
  double now = platform::timer();
  if (now - p.lastKeyMove >= kKeyMoveInterval && p.moveCommand == "L") {
    p.lastKeyMove = now;
    p.playerX -= 1;
    if (p.playerX < kLeftLimit) p.playerX = kLeftLimit;
    p.moveCommand.clear();
  }
  now = platform::timer();
  if (now - p.lastKeyMove >= kKeyMoveInterval && p.moveCommand == "R") {
    p.lastKeyMove = now;
    p.playerX += 1;
    if (p.playerX > kLastColumn - p.player.width) p.playerX = kLastColumn - p.player.width;
    p.moveCommand.clear();
  }
}

void drawOutlines(CollisionTest& p) {
  const std::int32_t last = std::min(testbench::BoxCount, testbench::UpperBound(p.boxes));
  for (std::int32_t i = 1; i <= last; ++i) {
    const testbench::Box& b = p.boxes[static_cast<std::size_t>(i)];
    if (b.kind != "YES" || b.solid != 1) continue;
    platform::outlineBox(p.page, b.x, b.y, b.x + b.width - 1, b.y + b.height - 1, kOutlineGreen);
  }
}

}  // namespace

std::string directionsLine(const std::vector<testbench::Mover>& movers) {
  std::string line;
  for (std::size_t i = 1; i <= 4 && i < movers.size(); ++i) {
    if (i > 1) line += ' ';
    line += movers[i].direction;
  }
  return line;
}

std::string framesLine(double frameCounter, double lastSecondCount) {
  return platform::toText(frameCounter) + "    " + platform::toText(lastSecondCount);
}

bool startUp(CollisionTest& p) {
  p = CollisionTest{};
  platform::seedRandomFromTimer();
  testbench::SoundInit();
  if (!testbench::ScreenOpen(kTitle)) return false;
  p.background = demo::makeFramedBackground();
  p.page = platform::createImage(640, 480, 0);
  p.sprites = demo::loadBallSprites();
  p.movers = demo::makeMovers(p.sprites, kMoverRows, platform::timer());
  for (const demo::MoverRow& row : kMoverRows) testbench::SoundOpen(std::string(row.sound));
  p.boxes = makeBoxes(p.movers);
  testbench::BoxCount = kBoxSlots;
  testbench::SpriteLoad(p.player, demo::kPlayerPicture);
  demo::keyOutMargin(p.player);  // the loader's margin must not show beside the player
  p.playerX = 200;
  p.lastKeyMove = platform::timer();
  p.secondStamp = platform::timer();
  return true;
}

bool runFrame(CollisionTest& p) {
  p.frameStart = platform::timer();
  countFrame(p);
  platform::screenLock();
  readKeys(p);
  movePlayer(p);
  platform::drawImage(p.page, 0, 0, p.background, platform::DrawMode::Opaque);
  testbench::UpdateMoversSoundDown(p.movers, p.page, p.boxes);
  if (p.showBoxes == "Y") drawOutlines(p);
  demo::drawPlayer(p.page, p.player, p.playerX);
  platform::drawPixelText(p.page, 200, 200, directionsLine(p.movers));
  platform::drawPixelText(p.page, 200, 100, framesLine(p.frameCounter, p.lastSecondCount));
  platform::drawImage(platform::workPage(), 0, 0, p.page, platform::DrawMode::Opaque);
  platform::screenUnlock();
  if (p.showBoxes == "N") {
    while (platform::timer() - p.frameStart < kFramePacing) {
    }
  }
  p.end = demo::readOneKey();
  return p.end == demo::LoopEnd::Running;
}

void shutDown(CollisionTest& p) {
  if (p.end != demo::LoopEnd::Closed) platform::waitForKey();
  p.background = {};
  p.page = {};
  testbench::SoundCloseAll();
}

std::string summary(const CollisionTest& p) {
  return demo::moverSummary(p.movers, 4) + " player_x=" + platform::toText(std::int64_t{p.playerX}) +
         " boxes_shown=" + p.showBoxes + " last_second_frames=" + platform::toText(p.lastSecondCount);
}

}  // namespace collision_test
