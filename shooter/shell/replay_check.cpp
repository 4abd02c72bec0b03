// The frame check of `shooter`'s recordings: a hash of everything that moves
// in a game and of the screen machine, folded to a byte. A replay that goes
// another way shows a different byte within a frame or two.
#include <cstring>

#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

struct Hash {
  std::uint64_t value = 0xCBF29CE484222325ull;  // FNV-1a
  void add(std::uint64_t word) {
    for (int i = 0; i < 8; ++i) {
      value ^= (word >> (i * 8)) & 0xFFu;
      value *= 0x100000001B3ull;
    }
  }
  void addFloat(float f) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    add(bits);
  }
};

template <int Last>
void addPool(Hash& h, const Pool<Last>& pool) {
  for (int i = 1; i <= Last; ++i) {
    const GameEntity& e = pool[i];
    if (e.active != 1) continue;
    h.add(static_cast<std::uint64_t>(i) << 32 | e.spriteCode);
    h.addFloat(e.x);
    h.addFloat(e.y);
    h.add(static_cast<std::uint32_t>(e.hitPoints));
  }
}

}  // namespace

std::uint8_t replayFrameCheck() {
  Hash h;
  h.add(static_cast<std::uint64_t>(shell.screenState));
  h.add(static_cast<std::uint8_t>(shell.menuCursor));
  for (const std::int32_t v : {game.score, game.lives, game.hp, game.bossTime, game.playerX, game.playerY}) {
    h.add(static_cast<std::uint32_t>(v));
  }
  h.add(game.shootPower);
  addPool(h, surfaceUnits);
  addPool(h, aircraft);
  addPool(h, shots);
  addPool(h, explosions);
  addPool(h, pickups);
  std::uint64_t v = h.value;
  v ^= v >> 32;
  v ^= v >> 16;
  v ^= v >> 8;
  return static_cast<std::uint8_t>(v);
}

}  // namespace shooter
