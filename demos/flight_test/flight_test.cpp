#include "demos/flight_test/flight_test.h"

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "demos/common/key_buffer.h"
#include "demos/common/sprite_files.h"
#include "demos/flight_test/flight_diagnostics.h"
#include "demos/flight_test/flight_files.h"

namespace flight_test {

namespace {

namespace key = platform::key;

constexpr double kSpeedKeyInterval = 0.05;

// Three enemy planes shown while Space is held.
struct EnemyPlace {
  int x;
  int y;
};
constexpr auto kEnemyPlaces = std::to_array<EnemyPlace>({{300, 200}, {220, 150}, {380, 150}});
static_assert(kEnemyPlaces.size() == 3);

const testbench::Sprite& slot(const FlightTest& p, std::int32_t i) { return demo::sceneSprite(p, i); }

// The turn of this pass: Left and Right turn, Up and Down keep the turn of
// the last pass, and a combination takes the side it names. Later tests
// override earlier ones.
std::string turnFor(bool left, bool right, bool up, bool down, const std::string& previous) {
  std::string turn;
  if (left) turn = "L";
  if (right) turn = "R";
  if (up) turn = previous;
  if (down) turn = previous;
  if (left && up) turn = "L";
  if (right && up) turn = "R";
  if (left && down) turn = "L";
  if (right && down) turn = "R";
  return turn;
}

void readSpeedKeys(FlightTest& p) {
  const double now = platform::timer();
  if (now - p.lastSpeedCheck < kSpeedKeyInterval) return;
  if (platform::keyDown(key::KpPlus)) p.scrollSpeed += 1;
  if (platform::keyDown(key::Minus)) p.scrollSpeed -= 1;
  if (p.scrollSpeed < 0) p.scrollSpeed = 0;
  p.lastSpeedCheck = now;
}

// A selector's 0 means "not yet": the jet keeps the frame it shows.
void selectFrame(std::int32_t (*selector)(BankFrameState&, std::int32_t&, std::int32_t&), BankFrameState& state,
                 bool turnHeld, std::int32_t& jetFrame) {
  std::int32_t noTurn = -1;
  const std::int32_t shown = jetFrame;
  const std::int32_t chosen = selector(state, turnHeld ? jetFrame : noTurn, jetFrame);
  jetFrame = chosen != 0 ? chosen : shown;
}

void animationStep(FlightTest& p) {
  const double now = platform::timer();
  if (now - p.lastFrameChange < p.frameTimeStep) return;
  selectFrame(LeftBankFrame, p.leftBank, p.turn == "L", p.jetFrame);
  p.lastFrame = p.jetFrame;
  selectFrame(RightBankFrame, p.rightBank, p.turn == "R", p.jetFrame);
  p.lastFrameChange = now;
}

}  // namespace

bool startUp(FlightTest& p) {
  p = FlightTest{};
  if (!demo::openFlightScene(p, kSpriteFiles)) return false;
  p.frameTimeStep = 0.05;
  p.jetFrame = 5;
  p.lastFrameChange = platform::timer();
  p.scrollSpeed = 3;
  p.groundX = 0;
  demo::placeFlightScene(p, kCloudsUsed, 0.0005);
  p.lastSpeedCheck = platform::timer();
  p.jetFrame = 11;
  return true;
}

bool runFrame(FlightTest& p) {
  const demo::FlightKeys keys = demo::readFlightKeys(p.jet, p.fire, p.end);
  p.previousTurn = p.turn;
  p.turn = turnFor(keys.left, keys.right, keys.up, keys.down, p.previousTurn);
  if (!keys.goOn) return false;

  demo::takeShot(p.fire, p.missiles, p.jet.x, p.jet.y);
  readSpeedKeys(p);
  demo::stepJet(p.jet, slot(p, kBoundsSlot).width, slot(p, kBoundsSlot).height);
  demo::keepMusicPlaying();
  demo::scrollFlightScene(p, kCloudsUsed, p.scrollSpeed);

  platform::screenLock();
  demo::drawFlightScene(p, slot(p, p.jetFrame));
  animationStep(p);
  drawDiagnostics(p.page, p.scrollSpeed, p.jetFrame, p.lastFrame);
  if (platform::keyDown(key::Space)) {
    for (const EnemyPlace& place : kEnemyPlaces) {
      demo::drawSprite(p.page, place.x, place.y, slot(p, kEnemySlot), platform::DrawMode::Transparent);
    }
  }
  demo::showFlightPage(p);
  return true;
}

void shutDown(FlightTest& p) { demo::freeFlightScene(p); }

std::string summary(const FlightTest& p) {
  using platform::toText;
  return demo::flightSummary(p, " jet_frame=" + toText(std::int64_t{p.jetFrame}) +
                                    " last_frame=" + toText(std::int64_t{p.lastFrame}) +
                                    " scroll_speed=" + toText(std::int64_t{p.scrollSpeed}));
}

}  // namespace flight_test
