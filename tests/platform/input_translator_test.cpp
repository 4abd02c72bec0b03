// What the window backends' raw input means: several controls holding one
// key, keys without a set-1 code, the stick's hysteresis and a pad pulled
// out. Driven through InputTranslator directly, and once through the
// platform core's wait for a key, with no window.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/input_translator.h"
#include "platform/platform.h"
#include "platform/run_options.h"

using namespace platform;

namespace {

// Keeps what the program would be told, one line an event.
struct ProgramLog final : ProgramInput {
  std::vector<std::string> lines;
  void keyChanged(int scancode, bool down) override { add("key", scancode, down); }
  void padKeyChanged(int scancode, bool down) override { add("pad", scancode, down); }
  void keyText(std::string text) override { lines.push_back("text " + text); }
  void closeRequested() override { lines.push_back("close"); }
  void focusLost() override { lines.push_back("focus lost"); }
  void anyKeyPressed() override { lines.push_back("any key"); }
  void add(const char* what, int scancode, bool down) {
    lines.push_back(std::string(what) + " " + std::to_string(scancode) + (down ? " down" : " up"));
  }
  std::vector<std::string> take() { return std::exchange(lines, {}); }
};

using Lines = std::vector<std::string>;

// A backend's own numbers for two keys of one set-1 code.
constexpr int kLeftCtrl = 224;
constexpr int kRightCtrl = 228;
constexpr int kNumpadDigit = 95;  // no set-1 code

struct Translator : ::testing::Test {
  ProgramLog program;
  InputTranslator translator;
  InputSink& sink() { return translator.into(program); }
};

}  // namespace

TEST_F(Translator, AKeyStaysHeldWhileAnyControlForItIsHeld) {
  sink().key(kLeftCtrl, key::Ctrl, true, false);
  sink().key(kRightCtrl, key::Ctrl, true, false);
  sink().key(kLeftCtrl, key::Ctrl, false, false);
  EXPECT_EQ(program.take(), (Lines{"key 29 down", "any key", "any key"})) << "right Ctrl still holds Ctrl";
  sink().key(kRightCtrl, key::Ctrl, false, false);
  EXPECT_EQ(program.take(), (Lines{"key 29 up"}));

  // A release never seen going down (held before the window had the focus) changes nothing.
  sink().key(kLeftCtrl, key::Ctrl, false, false);
  EXPECT_EQ(program.take(), Lines{});

  // Keyboard and pad: Enter and the pad's East button.
  sink().key(kLeftCtrl + 1, key::Enter, true, false);
  sink().padButton(PadButton::East, true);
  sink().key(kLeftCtrl + 1, key::Enter, false, false);
  EXPECT_EQ(program.take(), (Lines{"key 28 down", "any key", "text \r", "pad 28 down"}));
  sink().padButton(PadButton::East, false);
  EXPECT_EQ(program.take(), (Lines{"pad 28 up", "key 28 up"}));

  // The d-pad and the stick both hold Left: letting the stick go keeps the d-pad's hold.
  sink().padButton(PadButton::DpadLeft, true);
  sink().padAxis(PadAxis::LeftX, -1.0);
  sink().padAxis(PadAxis::LeftX, 0.0);
  EXPECT_EQ(program.take(), (Lines{"pad 75 down", "key 75 down"}));
  sink().padButton(PadButton::DpadLeft, false);
  EXPECT_EQ(program.take(), (Lines{"pad 75 up", "key 75 up"}));
}

TEST_F(Translator, EveryKeyPressCountsAsAKeyButOnlySetOneKeysHold) {
  sink().key(kNumpadDigit, 0, true, false);
  sink().key(kNumpadDigit, 0, true, true);
  sink().key(kNumpadDigit, 0, false, false);
  EXPECT_EQ(program.take(), (Lines{"any key"})) << "one press; the repeat is no new press; nothing held";
  sink().key(1, key::Esc, true, false);
  sink().key(1, key::Esc, true, true);
  EXPECT_EQ(program.take(), (Lines{"key 1 down", "any key", "text \x1b", "text \x1b"}))
      << "a repeat leaves key text again but presses nothing";
}

TEST_F(Translator, TheStickPressesPastOneTravelAndReleasesUnderASmallerOne) {
  sink().padAxis(PadAxis::LeftX, kStickPress);
  EXPECT_EQ(program.take(), Lines{}) << "exactly the press travel is not yet a push";
  sink().padAxis(PadAxis::LeftX, 0.6);
  EXPECT_EQ(program.take(), (Lines{"pad 77 down", "key 77 down"}));
  sink().padAxis(PadAxis::LeftX, (kStickPress + kStickRelease) / 2);
  sink().padAxis(PadAxis::LeftX, kStickRelease);
  EXPECT_EQ(program.take(), Lines{}) << "between the two travels the stick stays pushed";
  sink().padAxis(PadAxis::LeftX, kStickRelease - 0.01);
  EXPECT_EQ(program.take(), (Lines{"pad 77 up", "key 77 up"}));
  sink().padAxis(PadAxis::LeftX, -(kStickPress + kStickRelease) / 2);
  EXPECT_EQ(program.take(), Lines{}) << "coming from rest, between the travels is no push";
  sink().padAxis(PadAxis::LeftY, -0.9);
  sink().padAxis(PadAxis::LeftY, 0.9);
  EXPECT_EQ(program.take(), (Lines{"pad 72 down", "key 72 down", "pad 72 up", "key 72 up", "pad 80 down",
                                   "key 80 down"}))
      << "flipped at once: up lets go before down is pushed";
}

TEST_F(Translator, APadPulledOutLetsGoOfItsKeysOnly) {
  sink().key(7, key::Left, true, false);
  sink().padAxis(PadAxis::LeftX, -0.9);
  sink().padButton(PadButton::South, true);
  program.take();
  sink().padRemoved();
  EXPECT_EQ(program.take(), (Lines{"pad 75 up", "pad 57 up", "key 57 up", "focus lost"}))
      << "the keyboard still holds Left";
  sink().padAxis(PadAxis::LeftX, -0.9);
  EXPECT_EQ(program.take(), (Lines{"pad 75 down"})) << "another pad's stick pushes afresh";
}

namespace {

// A window that, on its third pump, reports a key with no set-1 code going
// down; on its fiftieth it closes, so a wait that misses the key still ends.
class KeypadWindow final : public Backend {
 public:
  bool openWindow(int, int, bool, std::string_view) override { return true; }
  void closeWindow() override {}
  void setTitle(std::string_view) override {}
  void present(const Image&) override {}
  void pumpEvents(ProgramInput& program) override {
    InputSink& sink = input_.into(program);
    ++pumps;
    if (pumps == 3) sink.key(kNumpadDigit, 0, true, false);
    if (pumps == 50) sink.closeRequested();
  }
  double clockSeconds() override { return now_; }
  void sleepMs(int milliseconds) override { now_ += milliseconds / 1000.0; }
  bool isHeadless() const override { return false; }
  int pumps = 0;

 private:
  InputTranslator input_;
  double now_ = 0.0;
};

}  // namespace

TEST(AnyKey, AKeyWithoutASetOneCodeEndsTheWaitAndHoldsNothing) {
  auto window = std::make_unique<KeypadWindow>();
  KeypadWindow& seen = *window;
  ASSERT_FALSE(initPlatform(std::move(window), RunOptions{}).has_value());
  waitForKey();
  EXPECT_LT(seen.pumps, 50) << "the keypad key ended the wait, not the close";
  for (int scancode = 1; scancode < key::kCount; ++scancode) EXPECT_FALSE(keyDown(scancode)) << scancode;
  shutdownPlatform();
}
