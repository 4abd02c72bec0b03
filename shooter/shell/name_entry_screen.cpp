// Name entry after a game whose score made the table.
#include <array>
#include <iostream>
#include <string_view>

#include "platform/platform.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/name_entry.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"
#include "shooter/shell/world_scores.h"

namespace shooter {

namespace {

struct KeyChar {
  int scancode;
  char character;
};

// The keys that type, in the order their characters are appended when
// several are held; Backspace's "?" means "remove the last character".
constexpr auto kKeyCharTable = std::to_array<KeyChar>({
    {16, 'Q'}, {17, 'W'}, {18, 'E'}, {19, 'R'}, {20, 'T'}, {21, 'Y'}, {22, 'U'}, {23, 'I'}, {24, 'O'}, {25, 'P'},
    {30, 'A'}, {31, 'S'}, {32, 'D'}, {33, 'F'}, {34, 'G'}, {35, 'H'}, {36, 'J'}, {37, 'K'}, {38, 'L'},
    {44, 'Z'}, {45, 'X'}, {46, 'C'}, {47, 'V'}, {48, 'B'}, {49, 'N'}, {50, 'M'},
    {2, '1'}, {3, '2'}, {4, '3'}, {5, '4'}, {6, '5'}, {7, '6'}, {8, '7'}, {9, '8'}, {10, '9'}, {11, '0'},
    {57, ' '}, {14, '?'},
});
static_assert(kKeyCharTable.size() == 38);

// Keys and pad buttons held when the screen opened (arrows and fire keys
// still down from play) are ignored until they have been let go, so only
// presses that begin on this screen change the name.
bool freshKeyDown(int scancode) {
  const auto code = static_cast<std::size_t>(scancode);
  if (!platform::keyDown(scancode)) shell.leftOverKeys[code] = false;
  return platform::keyDown(scancode) && !shell.leftOverKeys[code];
}

bool freshPadKeyDown(int scancode) {
  const auto code = static_cast<std::size_t>(scancode);
  if (!platform::padKeyDown(scancode)) shell.leftOverPadKeys[code] = false;
  return platform::padKeyDown(scancode) && !shell.leftOverPadKeys[code];
}

constexpr std::array<int, 4> kArrowKeys{platform::key::Left, platform::key::Right, platform::key::Down, platform::key::Up};
constexpr std::array<int, 4> kActionKeys{platform::key::Esc, platform::key::Enter, platform::key::Ctrl, platform::key::Space};

// Sets the shared key flags and typed text again, in place of the main
// loop's reading, from the keys pressed since the screen opened: typed keys,
// Esc, Enter, Ctrl, Space and a pad's arrows.
void readNameEntryKeys() {
  shell.typedText.clear();
  for (const auto& k : kKeyCharTable) {
    if (!freshKeyDown(k.scancode)) continue;
    if (k.scancode == platform::key::Backspace) {
      shell.typedText = "?";
    } else {
      shell.typedText += k.character;
    }
  }
  // The keyboard's arrows do nothing here; a pad's arrows spell the name.
  shell.arrowKeyDown = false;
  for (const int k : kArrowKeys) {
    if (freshPadKeyDown(k)) shell.arrowKeyDown = true;
  }
  shell.actionKeyDown = !shell.typedText.empty();
  for (const int k : kActionKeys) {
    if (freshKeyDown(k)) shell.actionKeyDown = true;
  }
}

}  // namespace

void enterNameEntry() {
  for (int k = 1; k < platform::key::kCount; ++k) {
    shell.leftOverKeys[static_cast<std::size_t>(k)] = platform::keyDown(k);
    shell.leftOverPadKeys[static_cast<std::size_t>(k)] = platform::padKeyDown(k);
  }
}

void applyTypedText(std::string& name, const std::string& typed) {
  if (typed == "?") {
    if (!name.empty()) name.pop_back();
  } else {
    name += typed;
  }
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
}

namespace {

// The characters a pad steps through with Up and Down, in reading order.
constexpr std::string_view kPadLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";

void stepLastLetter(std::string& name, int step) {
  if (name.empty()) name = "A";
  const auto at = kPadLetters.find(name.back());
  const auto n = static_cast<int>(kPadLetters.size());
  const int index = at == std::string_view::npos ? 0 : (static_cast<int>(at) + step + n) % n;
  name.back() = kPadLetters[static_cast<std::size_t>(index)];
}

// A player with only a game pad spells the name with the arrows: Up and Down
// change the last letter, Right adds a letter, Left removes one.
void padNameKeys(std::string& name) {
  if (freshPadKeyDown(platform::key::Up)) stepLastLetter(name, -1);
  if (freshPadKeyDown(platform::key::Down)) stepLastLetter(name, 1);
  if (freshPadKeyDown(platform::key::Right) && name.size() < kMaxNameLength) name += name.empty() ? 'A' : name.back();
  if (freshPadKeyDown(platform::key::Left) && !name.empty()) name.pop_back();
}

}  // namespace

void nameEntryScreen() {
  readNameEntryKeys();
  platform::declareTouch(platform::TouchUse::Typing);
  if (menuKeyGateOpen(true)) {
    if (shell.arrowKeyDown) padNameKeys(shell.playerName);
    if (freshKeyDown(platform::key::Enter)) {
      insertHighScore(shell.highScores, shell.playerName, static_cast<std::uint32_t>(game.score));
      changeScreen(ScreenState::HighScores);  // which clears the game
      submitFinishedGame(shell.playerName);
      const auto saved = saveHighScores(shell.highScores);
      if (!saved.ok) std::cerr << "shooter: cannot save " << kHighScoresFile << ": " << saved.reason << '\n';
    }
    applyTypedText(shell.playerName, shell.typedText);
    shell.lastKeyTime = shell.frameClock.now;
  }
  platform::clearWorkPage();
  drawText(centredX(-100), centredY(-50), "YOUR SCORE: " + std::to_string(game.score));
  drawText(centredX(-130), centredY(-20), "PLEASE ENTER YOUR NAME:");
  drawText(centredX(-80), centredY(10), shell.playerName);
  drawText(centredX(-190), centredY(70), "THEN PRESS ENTER TO SEE HIGH SCORES");
}

}  // namespace shooter
