// `flight_test_plain`: the still jet over scrolling ground.
#include "demos/common/demo_main.h"
#include "demos/flight_test_plain/plain_flight.h"

int main(int argc, char** argv) {
  return demo::runDemo<flight_test_plain::PlainFlight>(
      argc, argv,
      {"flight_test_plain",
       "  Keys: arrows fly, A fires a missile pair when released, Esc quits.\n"
       "  Run from the build's run folder, which holds its pictures and sounds.\n"});
}
