// `collision_test`: balls bouncing off walls and each other.
#include "demos/collision_test/collision_test.h"
#include "demos/common/demo_main.h"

int main(int argc, char** argv) {
  return demo::runDemo<collision_test::CollisionTest>(
      argc, argv,
      {"collision_test",
       "  Keys: B shows the collision boxes, N hides them, Left and Right move the\n"
       "  character, Esc leaves the scene and any key then ends the program. Run from\n"
       "  the build's run folder, which holds its pictures and sounds.\n"});
}
