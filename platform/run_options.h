// Command-line options shared by all five programs: scripted input,
// recording, timedemo and screenshots. A first positional argument (such as
// `shooter`'s "fps") is kept for the program to read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ShotRequest {
  double atSeconds = 0.0;
  std::string path;
};

struct RunOptions {
  std::string programName;
  std::string firstArgument;             // positional argument before the options, "" if none
  std::optional<std::uint32_t> seed;     // --seed N
  std::string recordPath;                // --record FILE
  std::string demoPath;                  // --demo FILE (window, normal speed)
  std::string timedemoPath;              // --timedemo FILE (headless, virtual clock)
  std::string verifyPath;                // --verify FILE (headless, exact recordings only)
  // Set by a program whose --record writes exact recordings and whose
  // replays reproduce them frame for frame (see platform/replay.h).
  bool exactReplays = false;
  std::vector<ShotRequest> shots;        // --shot SECONDS:FILE.bmp, repeatable
  // Virtual-clock step added on every timer reading in timedemo runs; 0 means
  // the clock moves only when the program sleeps. Programs that busy-wait set it.
  double timedemoTickPerRead = 0.0;
  int scale = 0;                         // --scale N: window scale factor, 0 = fit the desktop
  enum class WindowMode { AsConfigured, Windowed, FullScreen } windowMode = WindowMode::AsConfigured;
  bool noSound = false;                  // --no-sound: never open an audio device
  bool systemMediaControl = false;       // --media-control system: the system's own media-control interface
  // --score-server URL: the world score server a program submits its games
  // to (http:// or https://, no trailing '/'); "" when not given.
  std::string scoreServer;
  bool showHelp = false;
  bool showVersion = false;
};

struct ParseResult {
  RunOptions options;
  std::string error;  // "" when the command line is valid
};

// Parses argv. Unknown words beginning with "--" and malformed values give an
// error text; other words after the first are ignored.
ParseResult parseRunOptions(int argc, const char* const* argv);

// Makes the relative file paths of --record, --demo, --timedemo, --verify
// and --shot absolute against `startFolder`, the folder the command was typed
// in. Called by a program before it changes into another working folder, so
// that the player's paths still mean what they meant on the command line.
void resolvePathsAgainst(RunOptions& options, const std::string& startFolder);

// A world score server's address as the program uses it: http:// or
// https:// and a host, without the trailing '/'; nothing when `text` is none.
std::optional<std::string> scoreServerAddress(std::string_view text);

// The usage text printed by --help (and after a command-line error).
std::string usageText(const std::string& programName, const std::string& extraLines);

}  // namespace platform
