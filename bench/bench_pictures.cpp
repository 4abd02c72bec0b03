// Deterministic test pictures: the same every run, so runs compare.
#include "bench/bench_pictures.h"

#include <cstdint>

namespace bench {

namespace {

// A small fixed generator; the benchmarks need repeatable, not random, data.
struct Lcg {
  std::uint32_t state;
  std::uint32_t next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
};

platform::Colour opaqueColour(Lcg& rng) {
  platform::Colour c = 0xFF000000u | (rng.next() & 0x00FFFFFFu);
  if (platform::isMagenta(c)) c ^= 0x00000100u;  // never the key by accident
  return c;
}

void paintEllipse(platform::Image& img, int left, int top, int width, int height, Lcg& rng) {
  const double rx = width / 2.0;
  const double ry = height / 2.0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double nx = (x + 0.5 - rx) / rx;
      const double ny = (y + 0.5 - ry) / ry;
      img.row(top + y)[left + x] = nx * nx + ny * ny <= 1.0 ? opaqueColour(rng) : platform::kOpaqueMagenta;
    }
  }
}

}  // namespace

platform::Image makeSprite(int width, int height) {
  platform::Image img = platform::createImage(width, height);
  Lcg rng{static_cast<std::uint32_t>(width * 7919 + height)};
  paintEllipse(img, 0, 0, width, height, rng);
  return img;
}

platform::Image makePage() {
  platform::Image page = platform::createImage(kPageWidth, kPageHeight, platform::kBlack);
  Lcg rng{42};
  for (auto& c : page.pixels) c = opaqueColour(rng);
  return page;
}

ComposeScene makeComposeScene() {
  ComposeScene scene;
  scene.sheet = platform::createImage(1024, 768);
  Lcg rng{2024};
  constexpr int kPictures = 16;
  for (int i = 0; i < kPictures; ++i) {
    for (int y = 0; y < kCellSize; ++y) {
      for (int x = 0; x < kCellSize; ++x) scene.sheet.row(y)[i * kCellSize + x] = opaqueColour(rng);
    }
    paintEllipse(scene.sheet, i * kCellSize, kCellSize, kCellSize, kCellSize, rng);
  }
  const int columns = kPageWidth / kCellSize;
  for (int i = 0; i < kTileCount; ++i) {
    scene.tiles.push_back({static_cast<int>(rng.next() % kPictures) * kCellSize, 0, (i % columns) * kCellSize,
                           (i / columns) * kCellSize});
  }
  for (int i = 0; i < kSpriteCount; ++i) {
    const int pic = static_cast<int>(rng.next() % kPictures);
    const int x = static_cast<int>(rng.next() % (kPageWidth - kCellSize + 1));
    const int y = static_cast<int>(rng.next() % (kPageHeight - kCellSize + 1));
    scene.sprites.push_back({pic * kCellSize, kCellSize, x, y});
  }
  return scene;
}

}  // namespace bench
