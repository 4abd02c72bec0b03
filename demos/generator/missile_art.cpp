// The missile, as pixel art.
#include <array>
#include <string_view>

#include "gen_kit/pixel_grid.h"
#include "demos/generator/small_art.h"

namespace demo_gen {

namespace {

constexpr auto kPalette = std::to_array<gen_kit::PaletteEntry>({
    {'k', 0x1E1E26},  // outline
    {'w', 0xF4F4F0},  // body, lit side
    {'g', 0xC4C8CE},  // body
    {'d', 0x80868E},  // body, shaded side
    {'r', 0xD8402C},  // nose and band
    {'R', 0x8E2618},  // nose, shaded
    {'f', 0x9CA2AA},  // fins
    {'y', 0xFFE688},  // flame core
    {'o', 0xFF9A2A},  // flame
});
static_assert(kPalette.size() == 9);

constexpr auto kRows = std::to_array<std::string_view>({
    "....k....",
    "...krk...",
    "..krrRk..",
    "..kwgdk..",
    "..kwgdk..",
    "..krrRk..",
    "..kwgdk..",
    "..kwgdk..",
    "..kwgdk..",
    "..kwgdk..",
    "..kwgdk..",
    "..kwgdk..",
    ".kkwgdkk.",
    "kffwgdffk",
    "kffwgdffk",
    "kfkdddkfk",
    "kk.kkk.kk",
    "...yyy...",
    "...oyo...",
    "...oyo...",
    "....o....",
    "....o....",
});
static_assert(kRows.size() == 22);

}  // namespace

platform::Image missilePicture() { return gen_kit::toImage(gen_kit::canvasFromGrid(kRows, kPalette)); }

}  // namespace demo_gen
