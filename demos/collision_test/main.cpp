// `collision_test`: balls bouncing off walls and each other.
#include "demos/collision_test/collision_test.h"
#include "demos/common/demo_main.h"

int main(int argc, char** argv) {
  collision_test::CollisionTest program;
  return demo::runDemoProgram(
      argc, argv,
      {"collision_test",
       "  Keys: B shows the collision boxes, N hides them, Left and Right move the\n"
       "  character, Esc leaves the scene and any key then ends the program. Run from\n"
       "  the build's run folder, which holds its pictures and sounds.\n",
       [&] { return collision_test::startUp(program); }, [&] { return collision_test::runFrame(program); },
       [&] { collision_test::shutDown(program); }, [&] { return program.end; },
       [&] { return collision_test::summary(program); }});
}
