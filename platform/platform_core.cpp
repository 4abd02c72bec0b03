// The platform core: pages, key state, pending key text, character cells,
// random numbers, and the input script, recorder and --shot list that work
// the same over any backend.
#include <array>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <deque>
#include <iostream>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/builtin_font.h"
#include "platform/input_script.h"
#include "platform/key_state.h"
#include "platform/platform.h"
#include "platform/png_writer.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "platform/run_options.h"
#include "platform/text_file.h"

namespace platform {

namespace {

constexpr double kTimedemoGraceSeconds = 60.0;
constexpr double kPumpEverySeconds = 0.001;

struct Core final : ProgramInput {
  std::unique_ptr<Backend> backend;
  RunOptions options;
  std::vector<Image> pages;
  int workIndex = 0;
  int visibleIndex = 0;
  bool screenOpen = false;
  std::string title;
  KeyState keys;     // held by the keyboard or a pad
  KeyState padKeys;  // held by a pad
  std::array<bool, key::kCount> scriptKeyboardKeys{};  // a script's own down/up lines
  std::deque<std::string> pendingText;
  std::uint64_t keyPresses = 0;

  std::optional<InputScript> script;  // drives the keys in --demo and --timedemo runs
  // Exact recordings and replays: input is read only at the program's key
  // reads, every one of them, so each event meets the program at a read that
  // a replay can find again. The clock's readings between frames do not pump.
  bool exactInput = false;
  std::size_t nextEvent = 0;
  bool timedemoClosed = false;

  std::vector<InputEvent> recorded;
  std::vector<bool> shotTaken;

  int cellRow = 1;
  int cellColumn = 1;
  std::vector<std::string> lastCellLine;  // per row, to keep repeated diagnostics off stdout

  double now = 0.0;        // the last timer reading
  double lastPump = -1.0;
  std::uint64_t frames = 0;
  std::chrono::steady_clock::time_point wallStart = std::chrono::steady_clock::now();
  std::uint64_t rng = 0x853C49E6748FEA9Bull;

  bool drawingSkipped = false;  // see skipDrawing
  bool pauseRequested = false;
  std::string screenshotFolder = ".";
  std::string lastScreenshot;

  // ---- ProgramInput: events from the backend (the user's own keyboard and pads).
  void keyChanged(int scancode, bool down) override {
    if (scancode == key::F12 && down) takeScreenshot();
    if (script || scancode <= 0 || scancode >= key::kCount) return;
    setKey(scancode, down);
    if (!options.recordPath.empty()) {
      recorded.push_back({now, down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp, scancode});
    }
  }
  void padKeyChanged(int scancode, bool down) override {
    if (script || scancode <= 0 || scancode >= key::kCount) return;
    padKeys.set(scancode, down);
    if (!options.recordPath.empty()) {
      recorded.push_back({now, down ? InputEvent::Kind::PadDown : InputEvent::Kind::PadUp, scancode});
    }
  }
  void queueText(std::string text) { pendingText.push_back(std::move(text)); }
  void keyText(std::string text) override {
    if (!script) queueText(std::move(text));
  }
  void closeRequested() override {
    // The close button works even while a script drives the keys.
    queueText(std::string(kCloseKeyText));
    ++keyPresses;
    if (!options.recordPath.empty()) recorded.push_back({now, InputEvent::Kind::Close, 0});
  }

  void focusLost() override { pauseRequested = true; }
  // Keys without a set-1 code end a wait for a key too; they hold nothing.
  void anyKeyPressed() override {
    if (!script) ++keyPresses;
  }

  void takeScreenshot() {
    if (!screenOpen) return;
    char stamp[32];
    const std::time_t t = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&t));
    std::string path = screenshotFolder + "/" + options.programName + "-" + stamp + ".png";
    for (int n = 2; fileExists(path); ++n) {
      path = screenshotFolder + "/" + options.programName + "-" + stamp + "-" + std::to_string(n) + ".png";
    }
    if (savePng(pages[static_cast<std::size_t>(visibleIndex)], path)) {
      lastScreenshot = path;
      std::cout << "Screenshot saved: " << path << std::endl;
    } else {
      std::cerr << options.programName << ": cannot write " << path << '\n';
    }
  }

  void setKey(int scancode, bool down) {
    if (keys.set(scancode, down)) ++keyPresses;
  }

  // A scripted key is held while the script's keyboard lines or its pad
  // lines hold it, as the two sources combine for a user.
  void applyScriptedKey(const InputEvent& e) {
    if (e.scancode <= 0 || e.scancode >= key::kCount) return;
    const auto code = static_cast<std::size_t>(e.scancode);
    const bool down = e.kind == InputEvent::Kind::KeyDown || e.kind == InputEvent::Kind::PadDown;
    if (e.kind == InputEvent::Kind::PadDown || e.kind == InputEvent::Kind::PadUp) {
      padKeys.set(e.scancode, down);
    } else {
      scriptKeyboardKeys[code] = down;
    }
    const bool held = scriptKeyboardKeys[code] || padKeys.held(e.scancode);
    setKey(e.scancode, held);
    if (e.kind == InputEvent::Kind::KeyDown && e.scancode == key::Esc) queueText("\x1b");
    // A run kept in memory replays without the script: it keeps what the
    // script did, as the events that do the same.
    if (isKeepingRunInMemory()) {
      using Kind = RecordedEvent::Kind;
      if (e.kind == InputEvent::Kind::PadDown || e.kind == InputEvent::Kind::PadUp) {
        keepScriptedInput({down ? Kind::PadDown : Kind::PadUp, e.scancode, {}});
      }
      keepScriptedInput({held ? Kind::KeyDown : Kind::KeyUp, e.scancode, {}});
      if (e.kind == InputEvent::Kind::KeyDown && e.scancode == key::Esc) keepScriptedInput({Kind::Text, 0, "\x1b"});
    }
  }

  void applyScript() {
    if (!script) return;
    const auto& events = script->events;
    while (nextEvent < events.size() && events[nextEvent].time <= now) {
      const InputEvent& e = events[nextEvent++];
      switch (e.kind) {
        case InputEvent::Kind::KeyDown:
        case InputEvent::Kind::KeyUp:
        case InputEvent::Kind::PadDown:
        case InputEvent::Kind::PadUp:
          applyScriptedKey(e);
          break;
        case InputEvent::Kind::Close:
          keepScriptedInput({RecordedEvent::Kind::Close, 0, {}});
          closeRequested();
          break;
      }
    }
    if (!options.timedemoPath.empty() && !timedemoClosed) {
      const double last = events.empty() ? 0.0 : events.back().time;
      if (now > last + kTimedemoGraceSeconds) {
        timedemoClosed = true;
        keepScriptedInput({RecordedEvent::Kind::Close, 0, {}});
        queueText(std::string(kCloseKeyText));
        ++keyPresses;
      }
    }
  }

  void pump(bool force) {
    const double t = now;
    // The headless backend's queue is cheap to drain and must be seen at once;
    // SDL's event pump is throttled to once a millisecond for busy-waiting programs.
    if (force || exactInput || backend->isHeadless() || t - lastPump >= kPumpEverySeconds || t < lastPump) {
      lastPump = t;
      backend->pumpEvents(*this);
    }
  }

  void present() {
    // Showing a page ends the program's frame, which is what a tap is held for.
    keys.frameShown();
    padKeys.frameShown();
    if (!screenOpen) return;
    ++frames;
    const Image& page = pages[static_cast<std::size_t>(visibleIndex)];
    for (std::size_t i = 0; i < options.shots.size(); ++i) {
      if (!shotTaken[i] && now >= options.shots[i].atSeconds) {
        shotTaken[i] = true;
        if (!saveScreenBmp(page, options.shots[i].path)) {
          std::cerr << options.programName << ": cannot write " << options.shots[i].path << '\n';
        }
      }
    }
    backend->present(page);
  }
};

Core& core() {
  static Core instance;
  return instance;
}

Image& pageAt(int index) {
  static Image none;
  Core& c = core();
  if (index < 0 || index >= static_cast<int>(c.pages.size())) return none;
  return c.pages[static_cast<std::size_t>(index)];
}

}  // namespace

namespace {

// Reads a --demo, --timedemo or --verify file. An exact recording (for a
// program that makes them) wraps the backend in its replay and sets the
// recorded seed; any other text must be a time-only script, which goes to
// `script`. Returns why the file is refused, if it is.
std::optional<std::string> openReplayOrScript(Core& c, RunOptions& options, std::unique_ptr<Backend>& backendIn,
                                              std::optional<InputScript>& script) {
  const std::string& scriptPath = !options.verifyPath.empty()     ? options.verifyPath
                                  : !options.timedemoPath.empty() ? options.timedemoPath
                                                                  : options.demoPath;
  if (!options.verifyPath.empty() && !options.exactReplays) {
    return "--verify checks exact recordings, which this program does not make";
  }
  if (scriptPath.empty()) {
    if (options.exactReplays && !options.recordPath.empty()) {
      if (!options.seed) options.seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
      backendIn = makeRecordingBackend(std::move(backendIn), options.recordPath, options.programName, *options.seed);
      options.recordPath.clear();  // the time-only recorder stays off
      c.exactInput = true;
    }
    return std::nullopt;
  }
  const auto text = readWholeFile(scriptPath);
  if (!text) return "cannot read the script " + scriptPath;
  if (options.exactReplays && looksLikeRecording(*text)) {
    auto parsed = parseRecording(*text);
    if (!parsed.recording) return scriptPath + ": " + parsed.error;
    if (parsed.recording->version != recordingVersion()) {
      return scriptPath + " was recorded by version " + parsed.recording->version + " and this is version " +
             std::string(recordingVersion()) + "; it cannot be replayed exactly";
    }
    options.seed = parsed.recording->seed;
    options.recordPath.clear();
    backendIn = makeReplayBackend(std::move(backendIn), std::move(*parsed.recording), !options.demoPath.empty());
    c.exactInput = true;
    return std::nullopt;
  }
  if (!options.verifyPath.empty()) return scriptPath + " is not a recording: it holds no clock readings to verify";
  auto parsed = parseInputScript(*text);
  if (!parsed.script) return scriptPath + ": " + parsed.error;
  script = std::move(parsed.script);
  return std::nullopt;
}

}  // namespace

std::optional<StartFailure> initPlatform(std::unique_ptr<Backend> backendIn, const RunOptions& optionsIn) {
  Core& c = core();
  c.backend.reset();  // the old backend goes before the new one starts
  c = Core{};
  RunOptions options = optionsIn;
  if (const auto refused = openReplayOrScript(c, options, backendIn, c.script)) {
    return StartFailure{options.programName + ": " + *refused, kBadScriptExit};
  }
  c.backend = std::move(backendIn);
  c.options = options;
  c.shotTaken.assign(options.shots.size(), false);
  seedRandomFromTimer();
  return std::nullopt;
}

std::optional<StartFailure> initPlatformReplaying(std::unique_ptr<Backend> backendIn, const RunOptions& optionsIn,
                                                  Recording recording) {
  Core& c = core();
  c.backend.reset();
  c = Core{};
  RunOptions options = optionsIn;
  options.seed = recording.seed;
  options.recordPath.clear();
  c.backend = makeReplayBackend(std::move(backendIn), std::move(recording), false);
  c.exactInput = true;
  c.options = options;
  c.shotTaken.assign(options.shots.size(), false);
  seedRandomFromTimer();
  return std::nullopt;
}

bool keepRunInMemory(std::string_view program) {
  Core& c = core();
  if (!c.backend || isReplaying() || isKeepingRunInMemory()) return isKeepingRunInMemory();
  c.backend = makeMemoryRecorder(std::move(c.backend), std::string(program), c.script.has_value());
  // Input is read only at the program's key reads, as in any exact recording.
  c.exactInput = true;
  return true;
}

void shutdownPlatform() {
  Core& c = core();
  if (!c.options.recordPath.empty()) {
    std::string text = "# recorded by " + c.options.programName + "\n";
    for (const auto& e : c.recorded) text += formatInputEvent(e) + "\n";
    std::FILE* file = std::fopen(c.options.recordPath.c_str(), "wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
      std::cerr << c.options.programName << ": cannot write " << c.options.recordPath << '\n';
    }
    if (file) std::fclose(file);
  }
  if (c.backend && c.screenOpen) c.backend->closeWindow();
  c.screenOpen = false;
  c.backend.reset();
}

Backend& backend() { return *core().backend; }

bool openScreen(int width, int height, int pageCount, bool fullScreen) {
  Core& c = core();
  if (width <= 0 || height <= 0 || pageCount <= 0) return false;
  // --windowed and --fullscreen override the program's own choice for one run.
  if (c.options.windowMode == RunOptions::WindowMode::Windowed) fullScreen = false;
  if (c.options.windowMode == RunOptions::WindowMode::FullScreen) fullScreen = true;
  if (!c.backend->openWindow(width, height, fullScreen, c.title)) return false;
  c.pages.assign(static_cast<std::size_t>(pageCount), createImage(width, height, kBlack));
  c.workIndex = 0;
  c.visibleIndex = 0;
  c.screenOpen = true;
  c.lastCellLine.clear();
  return true;
}

void closeScreen() {
  Core& c = core();
  if (c.screenOpen) c.backend->closeWindow();
  c.screenOpen = false;
  c.pages.clear();
}

bool screenIsOpen() { return core().screenOpen; }
int screenWidth() { return core().pages.empty() ? 0 : core().pages.front().width; }
int screenHeight() { return core().pages.empty() ? 0 : core().pages.front().height; }

void setWindowTitle(std::string_view title) {
  Core& c = core();
  c.title = std::string(title.substr(0, 127));
  c.backend->setTitle(c.title);
}

void declareTouch(TouchUse use, std::span<const TapTarget> targets) {
  Core& c = core();
  if (c.backend) c.backend->declareTouch(use, targets);
}

void setWorkPage(int page) {
  Core& c = core();
  if (page >= 0 && page < static_cast<int>(c.pages.size())) c.workIndex = page;
}

void setVisiblePage(int page) {
  Core& c = core();
  if (page >= 0 && page < static_cast<int>(c.pages.size())) c.visibleIndex = page;
  c.present();
}

Image& workPage() {
  Core& c = core();
  if (c.drawingSkipped) {
    // Nothing to draw on: every drawing call clips to nothing.
    static Image nowhere;
    nowhere = Image{};
    return nowhere;
  }
  return pageAt(c.workIndex);
}

void skipDrawing(bool skip) { core().drawingSkipped = skip; }
const Image& visiblePage() { return pageAt(core().visibleIndex); }

void clearWorkPage() {
  Image& page = workPage();
  std::fill(page.pixels.begin(), page.pixels.end(), kBlack);
}

void screenLock() {}
void screenUnlock() { core().present(); }

void locate(int row, int column) {
  core().cellRow = row;
  core().cellColumn = column;
}

void printText(std::string_view text, bool lineBreak) {
  Core& c = core();
  const int row = c.cellRow;
  // Terminals and scripts get each printed line once; a diagnostic repeated
  // every frame at the same cell (the FPS line) is written only when it changes.
  const std::size_t slot = static_cast<std::size_t>(std::max(row, 0));
  if (c.lastCellLine.size() <= slot) c.lastCellLine.resize(slot + 1);
  if (!c.screenOpen || c.lastCellLine[slot] != text) {
    std::cout << text << std::endl;
    if (c.screenOpen) c.lastCellLine[slot] = std::string(text);
  }
  if (c.screenOpen) {
    Image& page = workPage();
    int x = (c.cellColumn - 1) * 8;
    const int y = (row - 1) * 16;
    for (const char ch : text) {
      const auto& glyph = builtinGlyph(static_cast<unsigned char>(ch));
      fillBox(page, x, y, x + 7, y + 15, kBlack);
      for (int r = 0; r < 16; ++r) {
        const unsigned bits = glyph[static_cast<std::size_t>(r / 2)];
        for (int col = 0; col < 8; ++col) {
          if (bits & (0x80u >> col)) setPixel(page, x + col, y + r, kDefaultForeground);
        }
      }
      x += 8;
    }
    c.cellColumn += static_cast<int>(text.size());
    // Text printed on the shown page appears at once, as on a real console.
    if (c.workIndex == c.visibleIndex) c.backend->present(page);
  }
  if (lineBreak) {
    c.cellRow += 1;
    c.cellColumn = 1;
  }
}

bool keyDown(int scancode) {
  Core& c = core();
  c.pump(false);
  c.applyScript();
  return c.keys.read(scancode);
}

bool padKeyDown(int scancode) {
  Core& c = core();
  c.pump(false);
  c.applyScript();
  return c.padKeys.read(scancode);
}

std::string pendingKeyText() {
  Core& c = core();
  c.pump(true);
  c.applyScript();
  if (c.pendingText.empty()) return "";
  std::string text = std::move(c.pendingText.front());
  c.pendingText.pop_front();
  return text;
}

void waitForKey() {
  Core& c = core();
  const std::uint64_t before = c.keyPresses;
  // Without a script the headless backend has nobody to press a key.
  if (c.backend->isHeadless() && !c.script) return;
  while (c.keyPresses == before) {
    timer();
    c.pump(true);
    c.applyScript();
    if (c.keyPresses != before || c.timedemoClosed) break;
    c.backend->sleepMs(10);
  }
  c.pendingText.clear();
}

bool takePauseRequest() {
  Core& c = core();
  c.pump(false);
  const bool requested = c.pauseRequested;
  c.pauseRequested = false;
  return requested;
}

void setScreenshotFolder(const std::string& folder) { core().screenshotFolder = folder; }
std::string lastScreenshotPath() { return core().lastScreenshot; }

double timer() {
  Core& c = core();
  c.now = c.backend->clockSeconds();
  if (!c.exactInput) c.pump(false);
  c.applyScript();
  return c.now;
}

void sleepMs(int milliseconds) { core().backend->sleepMs(milliseconds); }

void seedRandom(std::uint32_t seed) { core().rng = 0x9E3779B97F4A7C15ull ^ (std::uint64_t{seed} * 0xBF58476D1CE4E5B9ull); }

void seedRandomFromTimer() {
  const auto& seed = core().options.seed;
  seedRandom(seed ? *seed
                  : static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

std::uint64_t randomState() { return core().rng; }
void setRandomState(std::uint64_t state) { core().rng = state; }

double randomUnit() {
  // 64-bit LCG (Knuth's MMIX constants); the top bits are well mixed.
  std::uint64_t& s = core().rng;
  s = s * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<double>((s >> 49) & 0x7FFFu) / 32768.0;
}

bool isTimedemo() { return !core().options.timedemoPath.empty(); }
std::uint64_t framesShown() { return core().frames; }

void printTimedemoSummary(int state, std::string_view extra) {
  Core& c = core();
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - c.wallStart).count();
  char line[256];
  std::snprintf(line, sizeof line, "timedemo: frames=%llu game_seconds=%.3f wall_seconds=%.3f fps=%.1f state=%d",
                static_cast<unsigned long long>(c.frames), c.now, wall,
                wall > 0.0 ? static_cast<double>(c.frames) / wall : 0.0, state);
  std::cout << line << extra << std::endl;
}

}  // namespace platform
