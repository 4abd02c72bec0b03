#include "demos/common/flight_scene.h"

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "testbench/screen_and_clock.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"

namespace demo {

namespace {

constexpr int kPageWidth = 640;
constexpr int kPageHeight = 480;

}  // namespace

const testbench::Sprite& sceneSprite(const FlightScene& scene, std::int32_t slot) {
  return spriteAt(scene.sprites, slot);
}

bool openFlightScene(FlightScene& scene, std::span<const SpriteFile> spriteFiles) {
  platform::seedRandomFromTimer();
  testbench::SoundInit();
  if (!testbench::ScreenOpen(kFlightTitle)) return false;
  scene.clearImage = platform::createImage(kPageWidth, kPageHeight, 0);
  scene.page = platform::createImage(kPageWidth, kPageHeight, 0);
  scene.sprites = testbench::MakeTable<testbench::Sprite>(kFlightSpriteSlots);
  loadSpriteFiles(scene.sprites, spriteFiles);
  return true;
}

void placeFlightScene(FlightScene& scene, std::int32_t cloudsSetUp, double jetInterval) {
  const std::int32_t cloudHeight = sceneSprite(scene, kCloudSlot).height;
  scene.groundY = kPageHeight - sceneSprite(scene, kGroundSlot).height;
  for (std::int32_t i = 1; i <= cloudsSetUp; ++i) setUpCloud(scene.clouds, i, cloudHeight);
  scene.missiles = makeMissileTable(sceneSprite(scene, kMissileSlot));
  scene.jet.interval = jetInterval;
  scene.jet.lastMove = platform::timer();
  scene.fire.lastShot = kLongAgo;
  scene.scrollInterval = 0.005;
  scene.lastScrollStep = kLongAgo;
  scene.jet.x = 320;
  scene.jet.y = 400;
}

void scrollFlightScene(FlightScene& scene, std::int32_t cloudsMoved, std::int32_t groundSpeed) {
  const double now = platform::timer();
  if (now - scene.lastScrollStep < scene.scrollInterval) return;
  moveClouds(scene.clouds, cloudsMoved, sceneSprite(scene, kCloudSlot).height);
  scene.lastScrollStep = now;
  scrollGround(scene.groundY, groundSpeed, sceneSprite(scene, kGroundSlot).height);
}

void drawFlightScene(FlightScene& scene, const testbench::Sprite& jetSprite) {
  platform::drawImage(scene.page, 0, 0, scene.clearImage, platform::DrawMode::Opaque);
  drawGround(scene.page, sceneSprite(scene, kGroundSlot), scene.groundY);
  drawClouds(scene.clouds, sceneSprite(scene, kCloudSlot), scene.page);
  testbench::UpdateMissiles(scene.missiles, scene.page);
  drawSprite(scene.page, scene.jet.x, scene.jet.y, jetSprite, platform::DrawMode::Transparent);
}

void showFlightPage(FlightScene& scene) {
  platform::drawImage(platform::workPage(), 0, 0, scene.page, platform::DrawMode::Opaque);
  platform::screenUnlock();
}

std::string flightSummary(const FlightScene& scene, const std::string& figures) {
  using platform::toText;
  return " jet_x=" + toText(std::int64_t{scene.jet.x}) + " jet_y=" + toText(std::int64_t{scene.jet.y}) + figures +
         " missiles=" + toText(std::int64_t{countFlyingMissiles(scene.missiles)});
}

void freeFlightScene(FlightScene& scene) {
  testbench::SpriteListFree(scene.sprites);
  for (testbench::Missile& m : scene.missiles) m.image.reset();
  scene.clearImage = {};
  scene.page = {};
  testbench::SoundCloseAll();
}

}  // namespace demo
