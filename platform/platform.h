// The screen, keyboard, clock and random-number layer every Kestrel program
// is written against. One backend fills it: SDL2 for real windows, or the
// headless backend (in-memory pages, scripted keys, virtual clock) used by
// timedemo runs and by the unit tests. Programs call these from their single
// thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/image.h"
#include "platform/key_codes.h"
#include "platform/touch_targets.h"

namespace platform {

class Backend;
struct RunOptions;

// ---- Set-up ---------------------------------------------------------------

// Why the platform did not start: main() prints the message on standard
// error and exits with the code.
struct StartFailure {
  std::string message;
  int exitCode;  // kBadScriptExit or kNoWindowSystemExit
};
inline constexpr int kBadScriptExit = 2;       // the --demo/--timedemo script cannot be read or parsed
inline constexpr int kNoWindowSystemExit = 1;  // SDL's video does not start

// Called first thing by every program's main(), after parsing its options:
// picks the SDL backend, or the headless one for --timedemo, and arms the
// input script, the recorder and the --shot list. On a failure nothing is
// left started and the program should end.
[[nodiscard]] std::optional<StartFailure> initPlatform(const RunOptions& options);
// For tests: installs a ready-made backend (usually a HeadlessBackend).
[[nodiscard]] std::optional<StartFailure> initPlatform(std::unique_ptr<Backend> backend,
                                                       const RunOptions& options);
// Called last by main(): writes the recording, releases the backend.
void shutdownPlatform();
// The backend in use (tests reach the headless backend's controls through it).
Backend& backend();

// ---- Screen and pages -----------------------------------------------------

// Opens (or reopens at a new size) the screen with `pages` pages of 32-bit
// pixels, all cleared to black. Called by start-up and by the options screen.
// Returns false when the platform refuses the window.
bool openScreen(int width, int height, int pages, bool fullScreen);
// Called at exit: back to no window.
void closeScreen();
bool screenIsOpen();
int screenWidth();
int screenHeight();
void setWindowTitle(std::string_view title);

// Page numbers count from 0. The work page is what drawing goes to; setting
// the visible page shows that page in the window at once.
void setWorkPage(int page);
void setVisiblePage(int page);
Image& workPage();
const Image& visiblePage();
void clearWorkPage();
// While on, the work page is an empty picture, so that drawing costs
// nothing and shows nothing: for replays that only check what happens (a
// score table's verifier). Off by default; initPlatform turns it off.
void skipDrawing(bool skip);

// Single-page programs bracket each frame's drawing with these; unlocking
// shows the page.
void screenLock();
void screenUnlock();

// Character cells of 8x16 pixels counted from row 1, column 1 at the top
// left. Used for loading, exit and diagnostic lines. Each printed line is
// also written to standard output, so scripts and terminals see it.
void locate(int row, int column);
void printText(std::string_view text, bool lineBreak = true);

// ---- Keyboard -------------------------------------------------------------

// The key text the window's close button leaves: the two characters 255 and
// 'k'. A --timedemo run also ends with it, 60 s after its script's last line.
inline constexpr std::string_view kCloseKeyText = "\xFF" "k";

// Frames and taps: a program's frame ends each time it shows a page (a
// visible-page change or an unlock). Keys are held state, so a key pressed
// and let go again between two of a program's reads would never be seen;
// such a tap counts as held for one frame instead. A key released before
// any keyDown() saw it held, and held across at most one frame's end, is a
// tap: keyDown() answers true for it from the first read after the release
// until the end of that read's frame, at most until the end of the frame
// after the release. `shooter` reads its keys once per drawn frame, so a
// tap between two frames is held for the next one; the demo programs read
// all the time and show a page every pass, so a tap is held for the rest of
// the pass that first reads it. A key held longer than that reads exactly as
// it is held. This holds alike for the keyboard, game pads and scripted keys.

// True while the key with that set-1 scancode is held, or for a tap as
// above. Also does hidden work: it pumps the backend's events (at most once
// a millisecond on a window; always on the headless backend) and applies the
// input script's lines that are due.
bool keyDown(int scancode);
// True while a game pad holds the key one of its buttons stands for (the
// d-pad and stick are the arrows), taps as for keyDown(); keyDown() is true
// then as well. Pumps events and advances the script as keyDown() does.
bool padKeyDown(int scancode);
// The next pending key text, without waiting; "" when none. Esc is "\x1b",
// the window's close button is kCloseKeyText, arrows and other extended keys
// are 255 followed by their scancode as a character. Pumps events and
// advances the script first.
std::string pendingKeyText();
// Blocks until a key is pressed (or the window is closed).
void waitForKey();
// True once after the window lost its focus or a game pad was pulled out;
// `shooter` pauses a running game on it. Pumps events first.
bool takePauseRequest();

// F12 saves the visible page as a timestamped PNG in this folder (default:
// the working folder). Returns the path written by the last F12, "" if none.
void setScreenshotFolder(const std::string& folder);
std::string lastScreenshotPath();

// ---- Touch -----------------------------------------------------------------

// What a touch means on the screen drawn now (see platform/touch_targets.h).
// A program declares it for each screen, every frame; the declaration stays
// until the next one. Does nothing on backends without a touch screen.
void declareTouch(TouchUse use, std::span<const TapTarget> targets = {});

// ---- Clock and random numbers --------------------------------------------

// Seconds since the platform started, sub-millisecond resolution. Also does
// hidden work: it pumps the backend's events (at most once a millisecond on
// a window) and applies the input script's lines that are now due, so a
// program that only watches the clock still sees its keys and its script.
double timer();
// Called by `shooter`'s main loop between frames.
void sleepMs(int milliseconds);

void seedRandom(std::uint32_t seed);
// Called by a program's start-up: seeds from the clock, or from --seed N.
void seedRandomFromTimer();
// The generator's whole state: a recording of part of a run keeps it where
// that part starts, and its replay sets it back.
std::uint64_t randomState();
void setRandomState(std::uint64_t state);
// Uniform in [0, 1) with 15-bit granularity: an integer 0..32767 / 32768.
double randomUnit();

// ---- Timedemo -------------------------------------------------------------

// True in a --timedemo run.
bool isTimedemo();
// Frames shown so far (every visible-page change or unlock counts one).
std::uint64_t framesShown();
// Printed once by a program at exit in a timedemo run:
// "timedemo: frames=N game_seconds=S wall_seconds=W fps=F state=K" + extra,
// where extra holds the program's own " key=value" pairs.
void printTimedemoSummary(int state, std::string_view extra);

}  // namespace platform
