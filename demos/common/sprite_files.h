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

// Loads each row's file into its slot, in row order. Rows naming a slot
// outside the table are skipped.
void loadSpriteFiles(std::vector<testbench::Sprite>& sprites, std::span<const SpriteFile> rows);

// The loader sizes a record's image one column and one row larger than the
// picture and clears them to black; this turns that margin into the key
// colour, so transparent drawing shows the picture and nothing beside it.
void keyOutMargin(testbench::Sprite& sprite);

// Draws the sprite's picture (its width x height from the file, without the
// margin) at (x, y); a record without a picture draws nothing.
void drawSprite(platform::Image& target, int x, int y, const testbench::Sprite& sprite, platform::DrawMode mode,
                int alpha = 255);

// The sprite in slot `slot`, or an empty record for a slot outside the table.
const testbench::Sprite& spriteAt(const std::vector<testbench::Sprite>& sprites, std::int32_t slot);

}  // namespace demo
