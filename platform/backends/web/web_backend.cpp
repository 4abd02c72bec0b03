// The canvas backend. Pages are 0xAARRGGBB words; the canvas wants R, G, B,
// A bytes, so each shown page is converted once into a buffer the page
// script wraps as ImageData without copying it again.
#include "platform/backends/web/web_backend.h"

#include <emscripten.h>
#include <emscripten/html5.h>
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/touch_keys.h"
#include "platform/backends/web/web_keys.h"
#include "platform/input_translator.h"
#include "platform/key_codes.h"
#include "platform/run_options.h"

namespace platform {

namespace {

// Sizes the canvas and lets the page fit it to the window again.
EM_JS(void, kestrelOpenCanvas, (int width, int height, int scale), {
  if (Module.kestrelPage) Module.kestrelPage.openCanvas(width, height, scale);
});

EM_JS(void, kestrelShowPixels, (const std::uint8_t* rgba, int width, int height), {
  if (Module.kestrelPage) Module.kestrelPage.showPixels(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});

EM_JS(void, kestrelSetTitle, (const char* title), {
  if (Module.kestrelPage) Module.kestrelPage.setTitle(UTF8ToString(title));
});

// Tells the page what a touch means now (it shows the pause button in a game
// and opens the on-screen keyboard for typing).
EM_JS(void, kestrelSetTouchUse, (int use), {
  if (Module.kestrelTouch) Module.kestrelTouch.setUse(use);
});

// Moves up to `max` of the page's pending touch records into `out`, six ints
// each (kind, finger, screen x, screen y, CSS x, CSS y); returns the count.
EM_JS(int, kestrelTakeTouches, (int* out, int max), {
  const queue = Module.kestrelTouch ? Module.kestrelTouch.queue : [];
  let n = 0;
  while (n < max && queue.length) {
    const record = queue.shift();
    for (let i = 0; i < 6; i++) HEAP32[(out >> 2) + n * 6 + i] = record[i] | 0;
    n++;
  }
  return n;
});

// What a touch means before the program says: the page's choice (the demo
// pages steer; shooter's screens declare their own).
EM_JS(int, kestrelStartTouchUse, (), {
  return Module.kestrelTouch ? Module.kestrelTouch.startUse : 0;
});

enum TouchKind { kTouchStart = 1, kTouchMove = 2, kTouchEnd = 3, kPauseButton = 4, kButtonDown = 5, kButtonUp = 6 };

struct PadButtonRow {
  int index;  // in the Gamepad API's "standard" layout
  PadButton button;
};

constexpr std::array<PadButtonRow, kPadButtonCount> kPadButtons{{
    {0, PadButton::South},
    {1, PadButton::East},
    {2, PadButton::West},
    {3, PadButton::North},
    {4, PadButton::LeftShoulder},
    {5, PadButton::RightShoulder},
    {8, PadButton::Back},
    {9, PadButton::Start},
    {10, PadButton::LeftStick},
    {11, PadButton::RightStick},
    {12, PadButton::DpadUp},
    {13, PadButton::DpadDown},
    {14, PadButton::DpadLeft},
    {15, PadButton::DpadRight},
    {16, PadButton::Guide},
}};
static_assert(kPadButtons.size() == 15);

// 0xAARRGGBB words to opaque R, G, B, A bytes: with SIMD, a byte shuffle
// of four pixels at a time and the alpha bytes set.
void toRgba(const std::uint32_t* in, std::uint8_t* out, std::size_t count) {
  std::size_t i = 0;
#if defined(__wasm_simd128__)
  const v128_t opaque = wasm_i32x4_splat(static_cast<std::int32_t>(0xFF000000u));
  for (; i + 4 <= count; i += 4, out += 16) {
    const v128_t argb = wasm_v128_load(in + i);
    const v128_t rgba = wasm_i8x16_shuffle(argb, argb, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    wasm_v128_store(out, wasm_v128_or(rgba, opaque));
  }
#endif
  for (; i < count; ++i, out += 4) {
    const std::uint32_t p = in[i];
    out[0] = static_cast<std::uint8_t>(p >> 16);
    out[1] = static_cast<std::uint8_t>(p >> 8);
    out[2] = static_cast<std::uint8_t>(p);
    out[3] = 255;
  }
}

class WebBackend final : public Backend {
 public:
  explicit WebBackend(const RunOptions& options) : scale_(options.scale) {
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, this, true, &WebBackend::onKey);
    emscripten_set_keyup_callback(window, this, true, &WebBackend::onKey);
    emscripten_set_blur_callback(window, this, true, &WebBackend::onBlur);
    emscripten_set_visibilitychange_callback(this, true, &WebBackend::onVisibility);
    emscripten_set_gamepaddisconnected_callback(this, true, &WebBackend::onPadGone);
    start_ = emscripten_get_now();
    touch_.declare(static_cast<TouchUse>(kestrelStartTouchUse()), {});
  }
  ~WebBackend() override {
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, nullptr, true, nullptr);
    emscripten_set_keyup_callback(window, nullptr, true, nullptr);
    emscripten_set_blur_callback(window, nullptr, true, nullptr);
    emscripten_set_visibilitychange_callback(nullptr, true, nullptr);
    emscripten_set_gamepaddisconnected_callback(nullptr, true, nullptr);
  }

  bool openWindow(int width, int height, bool, std::string_view title) override {
    width_ = width;
    height_ = height;
    rgba_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    kestrelOpenCanvas(width, height, scale_);
    if (!title.empty()) setTitle(title);
    return true;
  }
  // The canvas keeps its last picture: a program's exit lines stay on it.
  void closeWindow() override {}
  void setTitle(std::string_view title) override { kestrelSetTitle(std::string(title).c_str()); }

  void present(const Image& page) override {
    if (page.width != width_ || page.height != height_) return;
    toRgba(page.pixels.data(), rgba_.data(), static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    kestrelShowPixels(rgba_.data(), width_, height_);
    // A frame shown without a sleep since the last one still lets the
    // browser run: unthrottled loops must not freeze the tab.
    if (!sleptSinceFrame_) emscripten_sleep(0);
    sleptSinceFrame_ = false;
  }

  void pumpEvents(ProgramInput& program) override {
    InputSink& sink = input_.into(program);
    while (!events_.empty()) {
      Event e = std::move(events_.front());
      events_.pop_front();
      switch (e.kind) {
        case Event::Kind::Key: sink.key(e.physicalKey, e.scancode, e.down, e.repeat); break;
        case Event::Kind::Text: sink.textTyped(std::move(e.text)); break;
        case Event::Kind::FocusLost:
          touch_.releaseAll(sink);
          sink.focusLost();
          break;
        case Event::Kind::PadGone:
          sink.padRemoved();
          // The pads still plugged in report their buttons afresh at the next poll.
          padHeld_ = {};
          break;
      }
    }
    pollPads(sink);
    pumpTouches(sink);
  }

  void declareTouch(TouchUse use, std::span<const TapTarget> targets) override {
    if (use != touch_.use()) kestrelSetTouchUse(static_cast<int>(use));
    touch_.declare(use, targets);
  }

  double clockSeconds() override { return (emscripten_get_now() - start_) / 1000.0; }
  void sleepMs(int milliseconds) override {
    emscripten_sleep(static_cast<unsigned>(milliseconds > 0 ? milliseconds : 0));
    sleptSinceFrame_ = true;
  }
  bool isHeadless() const override { return false; }

 private:
  struct Event {
    enum class Kind { Key, Text, FocusLost, PadGone } kind;
    int physicalKey = 0;
    int scancode = 0;
    bool down = false;
    bool repeat = false;
    std::string text;
  };

  static EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* event, void* self) {
    return static_cast<WebBackend*>(self)->key(type == EMSCRIPTEN_EVENT_KEYDOWN, *event) ? EM_TRUE : EM_FALSE;
  }
  static EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void* self) {
    static_cast<WebBackend*>(self)->events_.push_back({Event::Kind::FocusLost, 0, 0, false, false, {}});
    return EM_FALSE;
  }
  static EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* self) {
    if (event->hidden) static_cast<WebBackend*>(self)->events_.push_back({Event::Kind::FocusLost, 0, 0, false, false, {}});
    return EM_FALSE;
  }
  static EM_BOOL onPadGone(int, const EmscriptenGamepadEvent*, void* self) {
    static_cast<WebBackend*>(self)->events_.push_back({Event::Kind::PadGone, 0, 0, false, false, {}});
    return EM_FALSE;
  }

  // Returns true when the browser's own action for the key is prevented.
  bool key(bool down, const EmscriptenKeyboardEvent& event) {
    int code = set1FromDomCode(event.code);
    // F11 is the page's full-screen key: the browser keeps it and it holds
    // no key, but it still counts as a key pressed.
    if (code == key::F11) code = 0;
    events_.push_back({Event::Kind::Key, physicalKeyFromDomCode(event.code), code, down, event.repeat != 0, {}});
    if (down) {
      // A printable key types its character, as SDL's text input does.
      const std::string typed = event.key;
      const bool printable = typed.size() == 1 && static_cast<unsigned char>(typed[0]) >= 32;
      if (printable && !event.ctrlKey && !event.metaKey && !event.altKey) {
        events_.push_back({Event::Kind::Text, 0, 0, false, false, typed});
      }
    }
    return code != 0 && pageTakesKey(code, event.ctrlKey || event.metaKey);
  }

  // The Gamepad API is read, not told: each poll compares the pads' buttons
  // with the last poll's and reports the changes. Several pads act as one.
  void pollPads(InputSink& sink) {
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
    const int count = emscripten_get_num_gamepads();
    std::array<bool, kPadButtonCount> held{};
    std::array<double, kPadAxisCount> axes{};
    for (int i = 0; i < count; ++i) {
      EmscriptenGamepadEvent pad;
      if (emscripten_get_gamepad_status(i, &pad) != EMSCRIPTEN_RESULT_SUCCESS || !pad.connected) continue;
      if (std::string_view(pad.mapping) != "standard") continue;
      for (std::size_t b = 0; b < kPadButtons.size(); ++b) {
        const int index = kPadButtons[b].index;
        if (index < pad.numButtons && pad.digitalButton[index]) held[b] = true;
      }
      for (std::size_t a = 0; a < axes.size(); ++a) {
        if (static_cast<int>(a) < pad.numAxes && std::abs(pad.axis[a]) > std::abs(axes[a])) axes[a] = pad.axis[a];
      }
    }
    for (std::size_t b = 0; b < kPadButtons.size(); ++b) {
      if (held[b] != padHeld_[b]) sink.padButton(kPadButtons[b].button, held[b]);
    }
    padHeld_ = held;
    sink.padAxis(PadAxis::LeftX, axes[0]);
    sink.padAxis(PadAxis::LeftY, axes[1]);
  }

  void pumpTouches(InputSink& sink) {
    const double now = clockSeconds();
    std::array<int, 6 * 16> records{};
    for (int n; (n = kestrelTakeTouches(records.data(), 16)) > 0;) {
      for (int i = 0; i < n; ++i) {
        const int* r = &records[static_cast<std::size_t>(i) * 6];
        const TouchPoint point{r[1], static_cast<double>(r[2]), static_cast<double>(r[3]), static_cast<double>(r[4]),
                               static_cast<double>(r[5])};
        switch (r[0]) {
          case kTouchStart: touch_.touchStarted(point, now, sink); break;
          case kTouchMove: touch_.touchMoved(point, sink); break;
          case kTouchEnd: touch_.touchEnded(point, now, sink); break;
          case kPauseButton: touch_.pausePressed(now, sink); break;
          case kButtonDown:
          case kButtonUp: touch_.buttonChanged(r[1], r[0] == kButtonDown, sink); break;
          default: break;
        }
      }
    }
    touch_.advance(now, sink);
  }

  int scale_ = 0;
  int width_ = 0;
  int height_ = 0;
  double start_ = 0.0;
  bool sleptSinceFrame_ = false;
  std::vector<std::uint8_t> rgba_;
  std::deque<Event> events_;
  InputTranslator input_;
  TouchKeys touch_;
  std::array<bool, kPadButtonCount> padHeld_{};  // by row of kPadButtons, at the last poll
};

}  // namespace

std::unique_ptr<Backend> makeWebBackend(const RunOptions& options) { return std::make_unique<WebBackend>(options); }

}  // namespace platform
