// `flight_test`: the banking jet over scrolling ground.
#include "demos/common/demo_main.h"
#include "demos/flight_test/flight_test.h"

int main(int argc, char** argv) {
  return demo::runDemo<flight_test::FlightTest>(
      argc, argv,
      {"flight_test",
       "  Keys: arrows fly (the jet banks while turning), A fires a missile pair when\n"
       "  released, keypad + and - change the scroll speed, Space shows three enemy\n"
       "  planes, Esc quits. Run from the build's run folder, which holds its pictures\n"
       "  and sounds.\n"});
}
