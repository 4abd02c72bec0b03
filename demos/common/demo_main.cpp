#include "demos/common/demo_main.h"

#include <iostream>

#include "kestrel/build_info.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "platform/system_media.h"
#include "platform/system.h"
#include "demos/common/data_folder_switch.h"
#include "testbench/media_command.h"
#include "testbench/media_control.h"

namespace demo {

namespace {

// --no-sound: every media-control command is refused as if no audio device
// existed, so the programs run their sound code paths in silence.
int refuseEveryCommand(const std::string&, char* reply, std::size_t replySize) {
  if (reply != nullptr && replySize > 0) reply[0] = '\0';
  return testbench::kMediaNoAudio;
}

}  // namespace

int runDemoProgram(int argc, const char* const* argv, const DemoProgram& program) {
  auto parsed = platform::parseRunOptions(argc, argv);
  const std::string extra = program.helpText +
                            "  In a --timedemo run the clock advances 50 microseconds on every reading,\n"
                            "  since the program busy-waits on it.\n"
                            "  --record writes a time-only script (each key change and its time), and\n"
                            "  --demo and --timedemo replay such scripts: the program reads its clock\n"
                            "  thousands of times a second, so an exact recording of every reading would\n"
                            "  not be worth its size, and a replay follows the recorded timing closely\n"
                            "  rather than frame for frame.\n"
                            "  --media-control own|system  play sounds through the programs' own\n"
                            "                         media-control layer (the default) or, on Windows,\n"
                            "                         through the system's (winmm)\n";
  if (!parsed.error.empty()) {
    std::cerr << program.name << ": " << parsed.error << '\n' << platform::usageText(program.name, extra);
    return 2;
  }
  if (parsed.options.showHelp) {
    std::cout << platform::usageText(program.name, extra);
    return 0;
  }
  if (parsed.options.showVersion) {
    std::cout << program.name << " (Kestrel) " << kestrel::kVersion << '\n';
    return 0;
  }
  parsed.options.timedemoTickPerRead = kTimedemoTickPerRead;
  if (parsed.options.systemMediaControl) {
    const platform::SystemMediaCommand system = platform::systemMediaCommand();
    if (system == nullptr) {
      std::cerr << program.name << ": --media-control system: this system has no media-control interface of its own\n";
      return 2;
    }
    testbench::SetMediaCommandFunction(system);
  }
  if (parsed.options.noSound) testbench::SetMediaCommandFunction(refuseEveryCommand);
  const DataFolderSwitch moved = enterDataFolder(
      platform::system::executablePath(), {kestrel::kInstalledDataRelative, kestrel::kPortableDataFolder}, parsed.options);
  if (const auto failure = platform::initPlatform(parsed.options)) {
    std::cerr << failure->message << '\n';
    return failure->exitCode;
  }
  if (!moved.startFolder.empty()) platform::setScreenshotFolder(moved.startFolder);
  if (!program.startUp()) {
    // The backend has printed why; a program without its screen would spin
    // with no window and no way to end it.
    std::cerr << program.name << ": cannot open the screen\n";
    testbench::MediaShutdown();
    platform::shutdownPlatform();
    return platform::kNoWindowSystemExit;
  }
  while (program.runFrame()) {
  }
  program.shutDown();
  if (platform::isTimedemo()) {
    platform::printTimedemoSummary(static_cast<int>(program.loopEnd()), program.summary());
  }
  testbench::MediaShutdown();
  platform::shutdownPlatform();
  return 0;
}

}  // namespace demo
