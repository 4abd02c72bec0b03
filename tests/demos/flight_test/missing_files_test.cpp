// Run from a folder without its pictures and sounds, the flight test keeps
// running: every sprite record is empty and every sound fails silently.
// Without a screen it stops at start-up instead of spinning windowless.
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "support/demo_fixture.h"
#include "testbench/media_command.h"
#include "demos/flight_test/flight_test.h"

namespace {

namespace key = platform::key;

class FlightTestWithoutFiles : public demo_test::DemoTest {};

TEST_F(FlightTestWithoutFiles, RunsEveryKeyWithoutPicturesOrSounds) {
  runFromEmptyFolder();
  // The real media layer, which fails to open the missing files.
  testbench::SetMediaCommandFunction({});
  flight_test::FlightTest program;
  flight_test::startUp(program);
  EXPECT_EQ(program.sprites[1].width, 0);
  const int keys[] = {key::Left, key::Up, key::A, key::Space, key::KpPlus, key::Right, key::Down, key::Minus};
  for (int round = 0; round < 400; ++round) {
    const int k = keys[round / 50];
    if (round % 50 == 0) press(k);
    if (round % 50 == 25) release(k);
    advance(1.0 / 64.0);
    ASSERT_TRUE(flight_test::runFrame(program));
    ASSERT_GE(program.jetFrame, 5);
    ASSERT_LE(program.jetFrame, 16);
  }
  // Without a picture the jet's bounds are the whole screen less the margin.
  EXPECT_GE(program.jet.x, 10);
  EXPECT_LE(program.jet.x, 639);
  flight_test::shutDown(program);
}

TEST_F(FlightTestWithoutFiles, StartUpFailsWhenTheScreenDoesNotOpen) {
  headless().refuseWindows();
  flight_test::FlightTest program;
  EXPECT_FALSE(flight_test::startUp(program));
  EXPECT_FALSE(platform::screenIsOpen());
}

}  // namespace
