// `shooter`: a vertically scrolling air-combat game.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "kestrel/build_info.h"
#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/run_options.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "platform/utf8_path.h"
#include "shooter/game/game.h"
#include "shooter/resources/asset_folder.h"
#include "shooter/shell/file_locations.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/program.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/shell_state.h"
#include "shooter/shell/world_scores.h"

int main(int argc, char** argv) {
  const auto parsed = platform::parseRunOptions(argc, argv);
  const std::string extra =
      "  A first WORD containing \"fps\" (for example: showfps) shows the frame rate.\n"
      "  Files: run from a folder holding plik.bmp (such as the build's run folder),\n"
      "  the game reads its pictures and sounds there and keeps settings.dat and\n"
      "  high_scores.dat in the working folder. Installed or unpacked, it reads its\n"
      "  data folder and keeps each user's files and F12 screenshots in\n"
      "  " + std::string(platform::system::userDataFolderForHelp()) + ".\n" +
      "  --verify FILE          replay the recording FILE without a window, as fast\n"
      "                         as possible, and say whether it plays as recorded\n"
      "  Recordings are exact: --record keeps the seed, the settings and score table\n"
      "  at start-up, every key change and the clock of every frame, so --demo,\n"
      "  --timedemo and --verify replay the game frame for frame and compare its\n"
      "  closing figures. Time-only input scripts replay as before.\n"
      "  --score-server URL     submit each game that makes the score table, with its\n"
      "                         name, to the world score server at URL (a line\n"
      "                         score_server=URL in kestrel.ini beside the score\n"
      "                         table does the same); nothing is sent without it\n";
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
    std::cout << "shooter (Kestrel) " << kestrel::kVersion << '\n';
    return 0;
  }
  platform::RunOptions options = parsed.options;
  const auto where = shooter::findFileLocations(
      platform::system::executablePath(), {kestrel::kInstalledDataRelative, kestrel::kPortableDataFolder});
  if (where.installed) {
    std::string reason;
    if (!shooter::prepareUserFolder(where, reason)) {
      std::cerr << "shooter: cannot prepare " << reason << '\n';
      return 1;
    }
    // The player's file paths mean the folder the command was typed in.
    std::error_code error;
    const std::filesystem::path start = std::filesystem::current_path(error);
    if (!error) platform::resolvePathsAgainst(options, platform::utf8FromPath(start));
    std::filesystem::current_path(platform::pathFromUtf8(where.userFolder), error);
    shooter::setAssetFolder(where.assetFolder);
  }
#ifdef KESTREL_WEB_ASSET_FOLDER
  // The browser page preloads the pictures and sounds there; its working
  // folder is the browser storage holding the player's files.
  shooter::setAssetFolder(KESTREL_WEB_ASSET_FOLDER);
#endif
  options.exactReplays = true;
  // --verify prints its one line only: the program's own lines are held back.
  std::ostringstream heldBack;
  std::streambuf* const standardOutput = std::cout.rdbuf();
  if (!options.verifyPath.empty()) std::cout.rdbuf(heldBack.rdbuf());
  if (const auto failure = platform::initPlatform(options)) {
    std::cout.rdbuf(standardOutput);
    std::cerr << failure->message << '\n';
    return failure->exitCode;
  }
  platform::setScreenshotFolder(where.userFolder);
  platform::setFrameCheck(&shooter::replayFrameCheck);
  // World scores are on when the command line or kestrel.ini names a server;
  // the file is only read, never made.
  const std::string iniPath = platform::utf8FromPath(platform::pathFromUtf8(where.userFolder) / "kestrel.ini");
  shooter::startWorldScores(shooter::chooseScoreServer(options.scoreServer, platform::readWholeFile(iniPath)));
  shooter::startUp(shooter::firstArgumentForRun(options.firstArgument), !options.noSound);
  shooter::runMainLoop();
  shooter::finishWorldScores();
  shooter::shutDown();
  const int state = static_cast<int>(shooter::shell.screenState);
  // A replayed game ends with the game and compares the game's own figures.
  const bool oneGame = shooter::isReplayingAGame();
  const std::string figures =
      oneGame ? shooter::gameClosingFigures() : shooter::gameSummary() + shooter::shellSummary();
  if (platform::isTimedemo()) platform::printTimedemoSummary(state, figures);
  const auto verdict = platform::finishRecordingOrReplay(oneGame ? figures : " state=" + std::to_string(state) + figures);
  std::cout.rdbuf(standardOutput);
  if (verdict.replaying) std::cout << verdict.line << std::endl;
  platform::shutdownPlatform();
  return verdict.replaying && !verdict.matches ? 1 : 0;
}
