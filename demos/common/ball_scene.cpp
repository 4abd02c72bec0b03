#include "demos/common/ball_scene.h"

#include <string>

#include "platform/text_convert.h"
#include "testbench/table.h"
#include "demos/common/sprite_files.h"

namespace demo {

platform::Image makeFramedBackground() {
  platform::Image background = platform::createImage(640, 480, 0);
  platform::outlineBox(background, 0, 0, 639, 479, kFrameGreen);
  platform::outlineBox(background, 10, 10, 629, 469, kFrameGreen);
  platform::floodFill(background, 1, 1, kFrameGreen, kFrameGreen);
  return background;
}

std::vector<testbench::Sprite> loadBallSprites() {
  auto sprites = testbench::MakeTable<testbench::Sprite>(kBallSlots);
  for (std::int32_t i = 1; i <= kBallSlots; ++i) {
    testbench::SpriteLoad(sprites[static_cast<std::size_t>(i)], kBallPicture);
  }
  testbench::SpriteLoad(sprites[2], kRingPicture);
  // The movers draw their whole image, the loader's black margin row and
  // column included; keyed out, it leaves no dark edge below and right.
  for (std::int32_t i = 1; i <= kBallSlots; ++i) keyOutMargin(sprites[static_cast<std::size_t>(i)]);
  return sprites;
}

std::vector<testbench::Mover> makeMovers(const std::vector<testbench::Sprite>& sprites,
                                         std::span<const MoverRow> rows, double now) {
  auto movers = testbench::MakeTable<testbench::Mover>(testbench::UpperBound(sprites));
  for (std::size_t i = 1; i < movers.size(); ++i) {
    movers[i].width = sprites[i].width;
    movers[i].height = sprites[i].height;
    movers[i].fileName = sprites[i].fileName;
    movers[i].image = sprites[i].image;
  }
  for (const MoverRow& row : rows) {
    if (row.mover < 1 || row.mover > testbench::UpperBound(movers)) continue;
    testbench::Mover& m = movers[static_cast<std::size_t>(row.mover)];
    m.x = row.x;
    m.y = row.y;
    m.step = row.step;
    m.interval = row.interval;
    m.direction = std::string(row.direction);
    m.bounceSound = std::string(row.sound);
    m.lastStepTime = now;
  }
  return movers;
}

void drawPlayer(platform::Image& page, const testbench::Sprite& player, std::int32_t x) {
  drawSprite(page, x, kPlayerY, player, platform::DrawMode::Transparent);
}

std::string moverSummary(const std::vector<testbench::Mover>& movers, std::int32_t last) {
  std::string text;
  for (std::int32_t i = 1; i <= last && i <= testbench::UpperBound(movers); ++i) {
    const testbench::Mover& m = movers[static_cast<std::size_t>(i)];
    text += " mover" + platform::toText(std::int64_t{i}) + "=" + platform::toText(std::int64_t{m.x}) + "," +
            platform::toText(std::int64_t{m.y}) + "," + (m.direction.empty() ? "-" : m.direction);
  }
  return text;
}

}  // namespace demo
