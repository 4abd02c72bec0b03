#include "demos/flight_test_plain/plain_flight.h"

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "testbench/screen_and_clock.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"
#include "demos/common/key_buffer.h"
#include "demos/common/sprite_files.h"
#include "demos/flight_test_plain/plain_files.h"

namespace flight_test_plain {

namespace {

const testbench::Sprite& slot(const PlainFlight& p, std::int32_t i) { return demo::spriteAt(p.sprites, i); }

void scrollStep(PlainFlight& p) {
  const double now = platform::timer();
  if (now - p.lastScrollStep < p.scrollInterval) return;
  demo::moveClouds(p.clouds, kCloudsMoved, slot(p, kCloudSlot).height);
  p.lastScrollStep = now;
  demo::scrollGround(p.groundY, kGroundSpeed, slot(p, kGroundSlot).height);
}

}  // namespace

bool startUp(PlainFlight& p) {
  p = PlainFlight{};
  platform::seedRandomFromTimer();
  testbench::SoundInit();
  if (!testbench::ScreenOpen(kTitle)) return false;
  p.clearImage = platform::createImage(640, 480, 0);
  p.page = platform::createImage(640, 480, 0);
  p.sprites = testbench::MakeTable<testbench::Sprite>(kSpriteSlots);
  demo::loadSpriteFiles(p.sprites, kSpriteFiles);
  p.groundY = 480 - slot(p, kGroundSlot).height;
  for (std::int32_t i = 1; i <= kCloudsSetUp; ++i) demo::setUpCloud(p.clouds, i, slot(p, kCloudSlot).height);
  p.missiles = demo::makeMissileTable(slot(p, kMissileSlot));
  p.jet.interval = 0.001;
  p.jet.lastMove = platform::timer();
  p.fire.lastShot = demo::kLongAgo;
  p.scrollInterval = 0.005;
  p.lastScrollStep = demo::kLongAgo;
  p.jet.x = 320;
  p.jet.y = 400;
  return true;
}

bool runFrame(PlainFlight& p) {
  if (!demo::readFlightKeys(p.jet, p.fire, p.end).goOn) return false;

  demo::takeShot(p.fire, p.missiles, p.jet.x, p.jet.y);
  demo::stepJet(p.jet, slot(p, kJetSlot).width, slot(p, kJetSlot).height);
  demo::keepMusicPlaying();
  scrollStep(p);

  platform::screenLock();
  platform::drawImage(p.page, 0, 0, p.clearImage, platform::DrawMode::Opaque);
  demo::drawGround(p.page, slot(p, kGroundSlot), p.groundY);
  demo::drawClouds(p.clouds, slot(p, kCloudSlot), p.page);
  testbench::UpdateMissiles(p.missiles, p.page);
  demo::drawSprite(p.page, p.jet.x, p.jet.y, slot(p, kJetSlot), platform::DrawMode::Transparent);
  platform::drawImage(platform::workPage(), 0, 0, p.page, platform::DrawMode::Opaque);
  platform::screenUnlock();
  return true;
}

void shutDown(PlainFlight& p) { demo::freeFlight(p.sprites, p.missiles, p.clearImage, p.page); }

std::string summary(const PlainFlight& p) {
  using platform::toText;
  return " jet_x=" + toText(std::int64_t{p.jet.x}) + " jet_y=" + toText(std::int64_t{p.jet.y}) +
         " scroll_speed=" + toText(std::int64_t{kGroundSpeed}) +
         " missiles=" + toText(std::int64_t{demo::countFlyingMissiles(p.missiles)});
}

}  // namespace flight_test_plain
