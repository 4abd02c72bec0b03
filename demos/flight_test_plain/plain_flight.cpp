#include "demos/flight_test_plain/plain_flight.h"

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "demos/common/key_buffer.h"
#include "demos/common/sprite_files.h"
#include "demos/flight_test_plain/plain_files.h"

namespace flight_test_plain {

namespace {

const testbench::Sprite& slot(const PlainFlight& p, std::int32_t i) { return demo::sceneSprite(p, i); }

}  // namespace

bool startUp(PlainFlight& p) {
  p = PlainFlight{};
  if (!demo::openFlightScene(p, kSpriteFiles)) return false;
  demo::placeFlightScene(p, kCloudsSetUp, 0.001);
  return true;
}

bool runFrame(PlainFlight& p) {
  if (!demo::readFlightKeys(p.jet, p.fire, p.end).goOn) return false;

  demo::takeShot(p.fire, p.missiles, p.jet.x, p.jet.y);
  demo::stepJet(p.jet, slot(p, kJetSlot).width, slot(p, kJetSlot).height);
  demo::keepMusicPlaying();
  demo::scrollFlightScene(p, kCloudsMoved, kGroundSpeed);

  platform::screenLock();
  demo::drawFlightScene(p, slot(p, kJetSlot));
  demo::showFlightPage(p);
  return true;
}

void shutDown(PlainFlight& p) { demo::freeFlightScene(p); }

std::string summary(const PlainFlight& p) {
  return demo::flightSummary(p, " scroll_speed=" + platform::toText(std::int64_t{kGroundSpeed}));
}

}  // namespace flight_test_plain
