// The SDL2 backend. Pages are 0xAARRGGBB words; they reach the window through
// one streaming texture in XRGB8888 (the alpha byte is ignored, no format
// conversion), scaled by whole factors with nearest-neighbour sampling and
// letterboxed with black borders. F11 and Alt+Enter toggle full screen. Keys,
// text and game pads are reported raw to the core's InputTranslator.
#include "platform/backends/sdl/sdl_backend.h"

#include <SDL.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/input_translator.h"
#include "platform/run_options.h"
#include "platform/scaling.h"
#include "platform/backends/sdl/sdl_game_pads.h"

namespace platform {

namespace {

struct ScancodeRow {
  SDL_Scancode sdl;
  int set1;
};

// SDL scancodes of the keys a PC keyboard reports in set 1.
constexpr std::array<ScancodeRow, 85> kScancodes{{
    {SDL_SCANCODE_ESCAPE, 1},     {SDL_SCANCODE_1, 2},          {SDL_SCANCODE_2, 3},
    {SDL_SCANCODE_3, 4},          {SDL_SCANCODE_4, 5},          {SDL_SCANCODE_5, 6},
    {SDL_SCANCODE_6, 7},          {SDL_SCANCODE_7, 8},          {SDL_SCANCODE_8, 9},
    {SDL_SCANCODE_9, 10},         {SDL_SCANCODE_0, 11},         {SDL_SCANCODE_MINUS, 12},
    {SDL_SCANCODE_EQUALS, 13},    {SDL_SCANCODE_BACKSPACE, 14}, {SDL_SCANCODE_TAB, 15},
    {SDL_SCANCODE_Q, 16},         {SDL_SCANCODE_W, 17},         {SDL_SCANCODE_E, 18},
    {SDL_SCANCODE_R, 19},         {SDL_SCANCODE_T, 20},         {SDL_SCANCODE_Y, 21},
    {SDL_SCANCODE_U, 22},         {SDL_SCANCODE_I, 23},         {SDL_SCANCODE_O, 24},
    {SDL_SCANCODE_P, 25},         {SDL_SCANCODE_LEFTBRACKET, 26}, {SDL_SCANCODE_RIGHTBRACKET, 27},
    {SDL_SCANCODE_RETURN, 28},    {SDL_SCANCODE_LCTRL, 29},     {SDL_SCANCODE_A, 30},
    {SDL_SCANCODE_S, 31},         {SDL_SCANCODE_D, 32},         {SDL_SCANCODE_F, 33},
    {SDL_SCANCODE_G, 34},         {SDL_SCANCODE_H, 35},         {SDL_SCANCODE_J, 36},
    {SDL_SCANCODE_K, 37},         {SDL_SCANCODE_L, 38},         {SDL_SCANCODE_SEMICOLON, 39},
    {SDL_SCANCODE_APOSTROPHE, 40}, {SDL_SCANCODE_GRAVE, 41},    {SDL_SCANCODE_LSHIFT, 42},
    {SDL_SCANCODE_BACKSLASH, 43}, {SDL_SCANCODE_Z, 44},         {SDL_SCANCODE_X, 45},
    {SDL_SCANCODE_C, 46},         {SDL_SCANCODE_V, 47},         {SDL_SCANCODE_B, 48},
    {SDL_SCANCODE_N, 49},         {SDL_SCANCODE_M, 50},         {SDL_SCANCODE_COMMA, 51},
    {SDL_SCANCODE_PERIOD, 52},    {SDL_SCANCODE_SLASH, 53},     {SDL_SCANCODE_RSHIFT, 54},
    {SDL_SCANCODE_KP_MULTIPLY, 55}, {SDL_SCANCODE_LALT, 56},    {SDL_SCANCODE_SPACE, 57},
    {SDL_SCANCODE_CAPSLOCK, 58},  {SDL_SCANCODE_F1, 59},        {SDL_SCANCODE_F2, 60},
    {SDL_SCANCODE_F3, 61},        {SDL_SCANCODE_F4, 62},        {SDL_SCANCODE_F5, 63},
    {SDL_SCANCODE_F6, 64},        {SDL_SCANCODE_F7, 65},        {SDL_SCANCODE_F8, 66},
    {SDL_SCANCODE_F9, 67},        {SDL_SCANCODE_F10, 68},       {SDL_SCANCODE_HOME, 71},
    {SDL_SCANCODE_UP, 72},        {SDL_SCANCODE_PAGEUP, 73},    {SDL_SCANCODE_KP_MINUS, 74},
    {SDL_SCANCODE_LEFT, 75},      {SDL_SCANCODE_RIGHT, 77},     {SDL_SCANCODE_KP_PLUS, 78},
    {SDL_SCANCODE_END, 79},       {SDL_SCANCODE_DOWN, 80},      {SDL_SCANCODE_PAGEDOWN, 81},
    {SDL_SCANCODE_INSERT, 82},    {SDL_SCANCODE_DELETE, 83},    {SDL_SCANCODE_RCTRL, 29},
    {SDL_SCANCODE_KP_ENTER, 28},  {SDL_SCANCODE_RALT, 56},      {SDL_SCANCODE_F11, 87},
    {SDL_SCANCODE_F12, 88},
}};

class SdlBackend final : public Backend {
 public:
  // SDL's video and events must already be started (makeSdlBackend does it);
  // the destructor stops them.
  explicit SdlBackend(const RunOptions& options) : scaleOverride_(options.scale) {
    pads_ = std::make_unique<GamePads>();
    start_ = SDL_GetPerformanceCounter();
    frequency_ = static_cast<double>(SDL_GetPerformanceFrequency());
  }
  ~SdlBackend() override {
    closeWindow();
    pads_.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    SDL_Quit();
  }

  bool openWindow(int width, int height, bool fullScreen, std::string_view title) override {
    const int scale = windowScale(width, height);
    const Uint32 fullFlag = fullScreen ? static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP) : 0u;
    if (!window_) {
      window_ = SDL_CreateWindow(std::string(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                 width * scale, height * scale,
                                 SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | fullFlag);
      if (!window_) return fail("window");
      renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
      if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
      if (!renderer_) return fail("renderer");
    } else {
      SDL_SetWindowFullscreen(window_, fullFlag);
      if (!fullScreen) {
        SDL_SetWindowSize(window_, width * scale, height * scale);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
      }
    }
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) return fail("texture");
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    width_ = width;
    height_ = height;
    SDL_StartTextInput();
    return true;
  }

  void closeWindow() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
  }

  void setTitle(std::string_view title) override {
    if (window_) SDL_SetWindowTitle(window_, std::string(title).c_str());
  }

  void present(const Image& page) override {
    if (!texture_ || page.width != width_ || page.height != height_) return;
    // One copy: the page's words go straight into the texture's own format.
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
      auto* out = static_cast<unsigned char*>(pixels);
      const std::size_t rowBytes = static_cast<std::size_t>(page.width) * 4;
      if (pitch == static_cast<int>(rowBytes)) {
        std::memcpy(out, page.pixels.data(), rowBytes * static_cast<std::size_t>(page.height));
      } else {
        for (int y = 0; y < page.height; ++y) std::memcpy(out + static_cast<std::ptrdiff_t>(y) * pitch, page.row(y), rowBytes);
      }
      SDL_UnlockTexture(texture_);
    }
    int outW = 0;
    int outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    const PixelRect r = letterbox(outW, outH, width_, height_);
    const SDL_Rect target{r.x, r.y, r.w, r.h};
    // Only the borders around the picture are painted black: clearing the
    // whole window first would write every pixel twice.
    const SDL_Rect borders[4] = {{0, 0, outW, r.y},
                                 {0, r.y + r.h, outW, outH - r.y - r.h},
                                 {0, r.y, r.x, r.h},
                                 {r.x + r.w, r.y, outW - r.x - r.w, r.h}};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    for (const SDL_Rect& b : borders) {
      if (b.w > 0 && b.h > 0) SDL_RenderFillRect(renderer_, &b);
    }
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
  }

  void pumpEvents(ProgramInput& program) override {
    InputSink& sink = input_.into(program);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (pads_->handle(event, sink)) continue;
      switch (event.type) {
        case SDL_QUIT:
          sink.closeRequested();
          break;
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) sink.focusLost();
          break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
          const bool down = event.type == SDL_KEYDOWN;
          const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
          const SDL_Scancode sc = event.key.keysym.scancode;
          int code = set1FromSdlScancode(sc);
          // F11 and Alt+Enter switch between window and full screen. The
          // window takes them: they hold no key, so Alt+Enter never chooses
          // a menu item, but they still count as a key pressed.
          if (sc == SDL_SCANCODE_F11 || (alt && (sc == SDL_SCANCODE_RETURN || sc == SDL_SCANCODE_KP_ENTER))) {
            if (down && !event.key.repeat) toggleFullScreen();
            code = 0;
          }
          sink.key(static_cast<int>(sc), code, down, event.key.repeat != 0);
          break;
        }
        case SDL_TEXTINPUT:
          sink.textTyped(event.text.text);
          break;
        default:
          break;
      }
    }
  }

  double clockSeconds() override {
    return static_cast<double>(SDL_GetPerformanceCounter() - start_) / frequency_;
  }
  void sleepMs(int milliseconds) override { SDL_Delay(static_cast<Uint32>(std::max(milliseconds, 0))); }
  bool isHeadless() const override { return false; }

 private:
  int windowScale(int width, int height) const {
    if (scaleOverride_ > 0) return scaleOverride_;
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    return defaultWindowScale(usable.w, usable.h, width, height);
  }

  void toggleFullScreen() {
    if (!window_) return;
    const bool isFull = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window_, isFull ? 0u : static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP));
  }

  bool fail(const char* what) {
    std::fprintf(stderr, "Cannot create the SDL %s: %s\n", what, SDL_GetError());
    return false;
  }

  int scaleOverride_ = 0;
  std::unique_ptr<GamePads> pads_;
  InputTranslator input_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Uint64 start_ = 0;
  double frequency_ = 1.0;
};

}  // namespace

int set1FromSdlScancode(int sdlScancode) {
  for (const auto& row : kScancodes) {
    if (row.sdl == sdlScancode) return row.set1;
  }
  return 0;
}

std::unique_ptr<Backend> makeSdlBackend(const RunOptions& options, std::string& error) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error = std::string("cannot start SDL video: ") + SDL_GetError();
    SDL_Quit();
    return nullptr;
  }
  return std::make_unique<SdlBackend>(options);
}

}  // namespace platform
