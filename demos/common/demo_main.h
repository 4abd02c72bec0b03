// The start and end of every demo program: the shared command-line options,
// --help and --version, the platform (a window, or headless for --timedemo),
// the frame loop and the timedemo summary line.
#pragma once

#include <functional>
#include <string>

namespace demo {

// The demo programs never sleep: they busy-wait on the clock. In a timedemo
// the virtual clock therefore advances by this step on every reading, so
// their time gates open and a scripted run ends.
inline constexpr double kTimedemoTickPerRead = 50e-6;

// How a program's frame loop ended; the timedemo summary's state field.
enum class LoopEnd { Running = 0, Escape = 1, Closed = 2 };

struct DemoProgram {
  std::string name;      // the executable's name, for --help and --version
  std::string helpText;  // keys and files, printed after the shared options
  std::function<bool()> startUp;   // false: the screen did not open
  std::function<bool()> runFrame;  // one pass of the loop; false leaves it
  std::function<void()> shutDown;
  std::function<LoopEnd()> loopEnd;
  std::function<std::string()> summary;  // " key=value" pairs
};

// Runs the program as main() would: returns the process exit code.
int runDemoProgram(int argc, const char* const* argv, const DemoProgram& program);

// A program's row: its executable's name and its help text.
struct ProgramText {
  const char* name;
  const char* helpText;
};

// main() of a demo program. `Program` is the program's state; its namespace
// holds startUp, runFrame, shutDown and summary for it (found by argument-
// dependent lookup), and its `end` says how the loop ended.
template <typename Program>
int runDemo(int argc, const char* const* argv, const ProgramText& text) {
  Program program;
  return runDemoProgram(argc, argv,
                        {text.name, text.helpText, [&] { return startUp(program); },
                         [&] { return runFrame(program); }, [&] { shutDown(program); }, [&] { return program.end; },
                         [&] { return summary(program); }});
}

}  // namespace demo
