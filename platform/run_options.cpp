// Parsing of the options every program shares.
#include "platform/run_options.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <utility>

#include "platform/utf8_path.h"

namespace platform {

namespace {

bool parseSeconds(std::string_view text, double& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  const std::string copy(text);
  out = std::strtod(copy.c_str(), &end);
  return end == copy.c_str() + copy.size() && out >= 0.0;
}

void makeAbsolute(std::string& path, const std::filesystem::path& start) {
  if (!path.empty() && pathFromUtf8(path).is_relative()) path = utf8FromPath(start / pathFromUtf8(path));
}

}  // namespace

std::optional<std::string> scoreServerAddress(std::string_view text) {
  std::string address(text);
  while (address.ends_with('/')) address.pop_back();
  for (const std::string_view scheme : {"http://", "https://"}) {
    if (address.starts_with(scheme) && address.size() > scheme.size() &&
        address.find_first_of(" \t\r\n") == std::string::npos) {
      return address;
    }
  }
  return std::nullopt;
}

void resolvePathsAgainst(RunOptions& options, const std::string& startFolder) {
  const std::filesystem::path start = pathFromUtf8(startFolder);
  makeAbsolute(options.recordPath, start);
  makeAbsolute(options.demoPath, start);
  makeAbsolute(options.timedemoPath, start);
  makeAbsolute(options.verifyPath, start);
  for (ShotRequest& shot : options.shots) makeAbsolute(shot.path, start);
}

ParseResult parseRunOptions(int argc, const char* const* argv) {
  ParseResult result;
  RunOptions& o = result.options;
  o.programName = argc > 0 && argv[0] ? argv[0] : "program";
  if (const auto slash = o.programName.find_last_of("/\\"); slash != std::string::npos) {
    o.programName = o.programName.substr(slash + 1);
  }
  int i = 1;
  // A first argument that is not an option keeps its meaning for the program.
  // One that holds "fps" is the FPS word even when it looks like an option
  // (--showfps): no option has those letters.
  if (argc > 1 && argv[1] &&
      (std::string_view(argv[1]).substr(0, 2) != "--" || std::string_view(argv[1]).find("fps") != std::string_view::npos)) {
    o.firstArgument = argv[1];
    i = 2;
  }
  auto needValue = [&](std::string_view name) -> const char* {
    if (i + 1 >= argc) {
      result.error = std::string(name) + " needs a value";
      return nullptr;
    }
    return argv[++i];
  };
  for (; i < argc && result.error.empty(); ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      o.showHelp = true;
    } else if (arg == "--version") {
      o.showVersion = true;
    } else if (arg == "--seed") {
      if (const char* v = needValue(arg)) {
        std::uint32_t seed = 0;
        const std::string_view s = v;
        const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), seed);
        if (ec != std::errc() || ptr != s.data() + s.size()) {
          result.error = "--seed needs a whole number from 0 to 4294967295";
        } else {
          o.seed = seed;
        }
      }
    } else if (arg == "--scale") {
      if (const char* v = needValue(arg)) {
        const std::string_view s = v;
        int scale = 0;
        const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), scale);
        if (ec != std::errc() || ptr != s.data() + s.size() || scale < 1 || scale > 16) {
          result.error = "--scale needs a whole number from 1 to 16";
        } else {
          o.scale = scale;
        }
      }
    } else if (arg == "--windowed") {
      o.windowMode = RunOptions::WindowMode::Windowed;
    } else if (arg == "--fullscreen") {
      o.windowMode = RunOptions::WindowMode::FullScreen;
    } else if (arg == "--no-sound") {
      o.noSound = true;
    } else if (arg == "--media-control") {
      if (const char* v = needValue(arg)) {
        if (std::string_view(v) == "system") {
          o.systemMediaControl = true;
        } else if (std::string_view(v) == "own") {
          o.systemMediaControl = false;
        } else {
          result.error = "--media-control takes own or system, not " + std::string(v);
        }
      }
    } else if (arg == "--score-server") {
      if (const char* v = needValue(arg)) {
        if (auto address = scoreServerAddress(v)) {
          o.scoreServer = std::move(*address);
        } else {
          result.error = "--score-server needs an address starting with http:// or https://";
        }
      }
    } else if (arg == "--record") {
      if (const char* v = needValue(arg)) o.recordPath = v;
    } else if (arg == "--demo") {
      if (const char* v = needValue(arg)) o.demoPath = v;
    } else if (arg == "--timedemo") {
      if (const char* v = needValue(arg)) o.timedemoPath = v;
    } else if (arg == "--verify") {
      if (const char* v = needValue(arg)) o.verifyPath = v;
    } else if (arg == "--shot") {
      if (const char* v = needValue(arg)) {
        const std::string_view s = v;
        const auto colon = s.find(':');
        ShotRequest shot;
        if (colon == std::string_view::npos || !parseSeconds(s.substr(0, colon), shot.atSeconds) ||
            colon + 1 >= s.size()) {
          result.error = "--shot needs SECONDS:FILE.bmp";
        } else {
          shot.path = std::string(s.substr(colon + 1));
          o.shots.push_back(shot);
        }
      }
    } else if (arg.starts_with("--")) {
      // A mistyped option must not be lost in silence.
      result.error = "unknown option '" + std::string(arg) + "'";
    }
    // Any other word is no option: only the first word has a meaning (kept
    // above), and further words are ignored so that they never stop a program.
  }
  if (result.error.empty() && (!o.demoPath.empty() + !o.timedemoPath.empty() + !o.verifyPath.empty()) > 1) {
    result.error = "only one of --demo, --timedemo and --verify can be given";
  }
  return result;
}

std::string usageText(const std::string& programName, const std::string& extraLines) {
  std::string text = "Usage: " + programName + " [WORD] [OPTIONS]\n" + extraLines +
                     "  --help                 show this help and exit\n"
                     "  --version              show the version and exit\n"
                     "  --scale N              show the picture N times larger (default: fit the desktop)\n"
                     "  --windowed             run in a window this time\n"
                     "  --fullscreen           run full screen this time (F11 or Alt+Enter toggles)\n"
                     "  --no-sound             do not open a sound device\n"
                     "  --seed N               seed the random numbers with N instead of the clock\n"
                     "  --record FILE          play normally and write every key change to FILE\n"
                     "  --demo FILE            replay the input script FILE in a window\n"
                     "  --timedemo FILE        replay FILE without a window, as fast as possible,\n"
                     "                         and print a one-line summary at the end\n"
                     "  --shot SECONDS:FILE    save the visible picture as a BMP when the program's\n"
                     "                         clock reaches SECONDS (repeatable)\n";
  return text;
}

}  // namespace platform
