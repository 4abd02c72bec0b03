// `timing_test`: balls stepping at their own pace inside a green frame.
#include "demos/common/demo_main.h"
#include "demos/timing_test/timing_test.h"

int main(int argc, char** argv) {
  return demo::runDemo<timing_test::TimingTest>(
      argc, argv,
      {"timing_test",
       "  Keys: Left and Right move the character, Esc leaves the scene and any key\n"
       "  then ends the program. Run from the build's run folder, which holds its\n"
       "  pictures and sounds.\n"});
}
