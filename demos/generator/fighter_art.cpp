// The character of the timing and collision scenes, as pixel art: a martial
// artist in a blue training suit and gold headband, fists up, facing right.
#include <array>
#include <string_view>

#include "gen_kit/pixel_grid.h"
#include "demos/generator/small_art.h"

namespace demo_gen {

namespace {

constexpr auto kPalette = std::to_array<gen_kit::PaletteEntry>({
    {'k', 0x1C1418},  // outline, eyes
    {'h', 0x2E2220},  // hair
    {'H', 0x5A443A},  // hair, lit
    {'s', 0xE4A97C},  // skin
    {'S', 0xB0744A},  // skin, shaded
    {'l', 0xF6CBA2},  // skin, lit
    {'y', 0xEDBB34},  // headband
    {'Y', 0xB08822},  // headband, shaded
    {'b', 0x3A5EC4},  // suit
    {'B', 0x26408E},  // suit, shaded
    {'L', 0x6C90EA},  // suit, lit
    {'e', 0x26262C},  // belt
    {'E', 0x52525C},  // belt, lit
});
static_assert(kPalette.size() == 13);

constexpr auto kRows = std::to_array<std::string_view>({
    ".........kkkkk..........",
    ".......kkhhHHhkk........",
    "......khhhHHHhhhk.......",
    ".....khhhhhhhhhhhk......",
    ".....khhhhhhhhhhhk......",
    "....kYyyyyyyyyyyyk......",
    "....kYhhhslllssssk......",
    ".....khhsslsskskSk......",
    ".....khSslssssssSk......",
    "......kSsssssssSk.......",
    "......kkSssSSSSk........",
    ".......kkSSSSkk.........",
    ".....kkLLkSSkbbkk.......",
    "....kLLLbbkkbbbbbk......",
    "...kLLbbbbbbbbbbbbkkk...",
    "...kLbbbbbbbbbbkkslssk..",
    "..kLbbbbbbbbbbksllsssSk.",
    "..kLbbbbBbbbbbksssssSSk.",
    "..kLbbbbBBbbbbbkSSSSSk..",
    "..kbbbbbbBBbbbbbkkkkk...",
    "..kbbbbbbbbBbbbbk.......",
    "...kbbbbbbbbbbbk........",
    "...keeeeeeeeEEek........",
    "...keEEeeeeeeeek........",
    "...kbbbbbbbbbbbbk.......",
    "..kLbbbbbbbbbbbbbk......",
    "..kLbbbbbkkbbbbbbbk.....",
    ".kLbbbbbk..kbbbbbbbk....",
    ".kLbbbbk....kbbbbbbbk...",
    "kLbbbbk......kbbbbbbk...",
    "kLbbbBk.......kbbbbBk...",
    "kbbbBBk.......kbbbbBk...",
    "kbBBBk.........kbBBBk...",
    "kkSSSk.........kkSSSk...",
    "kSsssk..........kssSSk..",
    "ksslsssk........kslsssSk",
    "kSSSSSSk........kSSSSSSk",
    "kkkkkkkk........kkkkkkkk",
});
static_assert(kRows.size() == 38);

}  // namespace

platform::Image fighterPicture() { return gen_kit::toImage(gen_kit::canvasFromGrid(kRows, kPalette)); }

}  // namespace demo_gen
