// Golden media-control log: every command text the timing test sends in a
// scripted run, compared line for line with the committed log. Set
// KESTREL_REFRESH_GOLDENS=1 to write the log anew when a change is intended.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/demo_fixture.h"
#include "demos/timing_test/timing_test.h"
#include "platform/system.h"

namespace {

class TimingTestMediaGolden : public demo_test::DemoTest {};

TEST_F(TimingTestMediaGolden, TheCommandLogMatchesTheCommittedOne) {
  startPlatform(50e-6,
                "0.5 down Left\n1.5 up Left\n1.8 down Right\n2.6 up Right\n"
                "3 down Esc\n3.1 up Esc\n3.5 down Space\n3.6 up Space\n");
  timing_test::TimingTest program;
  timing_test::startUp(program);
  while (timing_test::runFrame(program)) {
  }
  timing_test::shutDown(program);

  std::string log;
  for (const std::string& command : media.commands) log += command + "\n";
  const std::string path = std::string(KESTREL_GOLDEN_DIR) + "/timing_test_media.log";
  if (platform::system::environmentVariable("KESTREL_REFRESH_GOLDENS") == "1") {
    std::ofstream(path, std::ios::binary) << log;
    GTEST_SKIP() << "wrote " << path;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "no golden log at " << path;
  std::stringstream read;
  read << in.rdbuf();
  const std::string expected = read.str();
  ASSERT_EQ(media.commands.size(), static_cast<std::size_t>(std::count(expected.begin(), expected.end(), '\n')));
  std::istringstream lines(expected);
  std::string line;
  for (std::size_t i = 0; std::getline(lines, line); ++i) {
    ASSERT_EQ(media.commands[i], line) << "command " << i + 1 << " of the golden log differs";
  }
}

}  // namespace
