// Sprite tables filled from rows of (slot, file), and the drawing of a
// sprite's picture.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "testbench/sprites.h"

namespace demo {

struct SpriteFile {
  std::int32_t slot;
  std::string_view file;
};

// Loads each row's file into its slot, in row order, with its margin keyed
// out (keyOutMargin). Rows naming a slot outside the table are skipped.
void loadSpriteFiles(std::vector<testbench::Sprite>& sprites, std::span<const SpriteFile> rows);

// The library's loader sizes a record's image one column and one row larger
// than the picture in the file, and clears that margin to black. Drawn as it
// is, the margin would show as a black line that scrolls with the ground
// where its two tiles meet, and as a black edge right of and below the jet,
// the clouds and the missiles. The programs keep it off the screen twice:
// keyOutMargin() turns the margin into the key colour, for the library's own
// drawing of whole images (the missiles, the moving balls), and drawSprite()
// draws only the picture's own width x height, which an opaque draw such as
// the ground's needs.
void keyOutMargin(testbench::Sprite& sprite);

// Draws the sprite's picture (its width x height from the file, without the
// margin: see keyOutMargin) at (x, y); a record without a picture draws
// nothing.
void drawSprite(platform::Image& target, int x, int y, const testbench::Sprite& sprite, platform::DrawMode mode,
                int alpha = 255);

// The sprite in slot `slot`, or an empty record for a slot outside the table.
const testbench::Sprite& spriteAt(const std::vector<testbench::Sprite>& sprites, std::int32_t slot);

}  // namespace demo
