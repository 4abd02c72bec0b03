// Colour tools: a picture's colours treated as a palette of colour texts
// ("R,G,B," as ColourText makes them, so alpha never reaches a text). Every
// tool skips pixels whose whole value is 0x00FF00FF, the key colour the
// library sets itself; magenta loaded from a file (alpha 0xFF) counts as an
// ordinary colour. Colour lists are 1-based tables in first-seen order,
// scanning rows from the top and each row from the left. Width and height
// name the part of the image scanned; pixels past the image's own edge do
// not exist and are never read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/sprites.h"

namespace testbench {

// The work tables of the counting and saving tools hold this many colours.
inline constexpr std::int32_t kColourWorkSlots = 32000;

// Fills slots 1, 2, ... of the list with the image's distinct colours, as
// many as the list holds; returns the number stored.
std::int32_t CollectImageColours(const std::int32_t& width, const std::int32_t& height, const platform::Image& image,
                                 std::vector<std::string>& colours);
// The number of distinct colours (at most kColourWorkSlots).
std::int32_t CountImageColours(const std::int32_t& width, const std::int32_t& height, const platform::Image& image);
// Writes the distinct colours to the file, one colour text per line.
void SaveImageColours(const std::int32_t& width, const std::int32_t& height, const platform::Image& image,
                      const std::string& file);
// Reads the file's lines into slots 1, 2, ... (at least one line is read;
// lines past the table's end are dropped); returns the number stored.
std::int32_t LoadLines(const std::string& file, std::vector<std::string>& lines);

// Replaces the k-th distinct colour (k from 1 to count) by replacement k,
// a colour text; the new pixels carry alpha 0.
void RecolourImage(const std::int32_t& width, const std::int32_t& height, platform::Image& image,
                   const std::int32_t& count, const std::vector<std::string>& replacements);
// Every one of the first `count` colours 4 darker (or lighter) in each of
// red, green and blue, kept within 0 to 255.
void DarkenImage(const std::int32_t& width, const std::int32_t& height, platform::Image& image,
                 const std::int32_t& count);
void LightenImage(const std::int32_t& width, const std::int32_t& height, platform::Image& image,
                  const std::int32_t& count);
// Sets every pixel equal to the old colour to the new one.
void ReplaceImageColour(const platform::Colour& oldColour, const platform::Colour& newColour,
                        const std::int32_t& width, const std::int32_t& height, platform::Image& image);

// Fills a 20 x 20 swatch per line of the colour file, 22 pixels apart from
// (0, 10), 30 to a row, and saves the image as a BMP file.
void DrawPaletteSheet(platform::Image& image, const std::string& colourFile, const std::string& outFile);
// As DrawPaletteSheet, but each swatch is labelled with its line number and
// colour text, four to a row of 160-pixel cells.
void DrawLabelledPaletteSheet(platform::Image& image, const std::string& colourFile, const std::string& outFile);

// Saves the visible screen as a BMP file.
void SaveScreen(const std::string& file);
// Sets every screen pixel of the colour found at (x, y) to 0x00FF00FF.
void MaskScreenColour(const std::int32_t& x, const std::int32_t& y);

// Loads the sprite and recolours it from a colour file laid out as
// SaveImageColours writes it: line k gives the new colour text of the
// picture's k-th distinct colour, or "NULL" to keep it. Missing or empty
// lines keep their colour too; kept pixels are left exactly as loaded.
void SpriteLoadWithColours(Sprite& sprite, const std::string& file, const std::string& colourFile);

}  // namespace testbench
