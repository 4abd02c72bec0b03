// `shooter`: a vertically scrolling air-combat game.
#include <cstdio>
#include <iostream>

#include "platform/platform.h"
#include "platform/run_options.h"
#include "shooter/game/game.h"
#include "shooter/shell/program.h"
#include "shooter/shell/shell_state.h"

int main(int argc, char** argv) {
  const auto parsed = platform::parseRunOptions(argc, argv);
  const std::string extra =
      "  A first WORD containing \"fps\" (for example: showfps) shows the frame rate.\n"
      "  Files: settings.dat, high_scores.dat, plik.bmp, anim_data.dat and the .wav\n"
      "  samples are read from (and scores saved to) the current folder.\n";
  if (!parsed.error.empty()) {
    std::cerr << parsed.options.programName << ": " << parsed.error << '\n'
              << platform::usageText(parsed.options.programName, extra);
    return 2;
  }
  if (parsed.options.showHelp) {
    std::cout << platform::usageText(parsed.options.programName, extra);
    return 0;
  }
  if (parsed.options.showVersion) {
    std::cout << "shooter (Kestrel) " << KESTREL_VERSION << '\n';
    return 0;
  }
  platform::initPlatform(parsed.options);
  shooter::startUp(parsed.options.firstArgument, !parsed.options.noSound);
  shooter::runMainLoop();
  shooter::shutDown();
  if (platform::isTimedemo()) {
    platform::printTimedemoSummary(static_cast<int>(shooter::screenState),
                                   shooter::gameSummary() + shooter::shellSummary());
  }
  platform::shutdownPlatform();
  return 0;
}
