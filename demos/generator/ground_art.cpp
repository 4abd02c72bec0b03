// The two ground tiles. Each is laid down in layers, pixel by pixel: the
// patchwork of fields (their edges wavy, their furrows periodic), hedges on
// the field edges, the floor of the woods, the lane, the river; then farms
// and trees are drawn over it. Every wave that runs down the tile completes
// whole cycles in its height, and the noise repeats with it, so the bottom
// row joins the top one.
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "demos/generator/colour.h"
#include "demos/generator/ground_art.h"
#include "gen_kit/random.h"
#include "demos/generator/trees.h"
#include "demos/generator/wrap_canvas.h"

namespace demo_gen {

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;
constexpr int kW = kGroundWidth;
constexpr int kH = kGroundHeight;

// amplitude * sin(tau * cycles * y / height + phase): whole cycles per tile.
struct Wave {
  double amplitude;
  int cycles;
  double phase;
  double at(double y) const { return amplitude * std::sin(kTau * cycles * y / kH + phase); }
};

struct Winding {
  double x;
  Wave first;
  Wave second;
  double centreAt(double y) const { return x + first.at(y) + second.at(y); }
};

enum class Field { Meadow, Wheat, Ploughed, Crop, Rapeseed, Pasture };

struct FieldLook {
  Field field;
  std::uint32_t colour;
  std::uint32_t furrow;  // the colour of every other stripe
  int stripesAcross;     // stripe waves across the tile's width
  int stripesDown;       // and down its height
};

// Stripes repeat a whole number of times across and down the tile.
constexpr auto kFieldLooks = std::to_array<FieldLook>({
    {Field::Meadow, 0x6A9A3E, 0x6A9A3E, 0, 0},
    {Field::Wheat, 0xCDB45E, 0xB89E4C, 100, 0},
    {Field::Ploughed, 0x8C6A46, 0x74563A, 0, 80},
    {Field::Crop, 0x7FA84A, 0x6A9440, 64, 48},
    {Field::Rapeseed, 0xD8C640, 0xC4B238, 0, 96},
    {Field::Pasture, 0x5E8E38, 0x5A8836, 0, 0},
    {Field::Wheat, 0xC2A656, 0xAE9248, 64, -48},
    {Field::Crop, 0x8AB054, 0x769C48, 120, 0},
});
static_assert(kFieldLooks.size() == 8);

struct Building {
  int x;
  int y;
  int width;
  int height;
  std::uint32_t roof;
};

struct TileStyle {
  std::uint64_t seed;
  std::array<double, 6> columnEdges;  // parcel columns, left to right
  std::array<double, 5> rowEdges;     // parcel rows; the last row wraps into the first
  double woodsThreshold;              // woods where the woods noise is above this
  Winding lane;
  bool river;
  Winding riverCourse;
  double riverHalfWidth;
  double bridgeY;  // where a track crosses the river; < 0 for none
  std::array<Building, 4> farms;
  int farmCount;
};

constexpr TileStyle kFields{
    1101,
    {0.0, 118.0, 262.0, 384.0, 516.0, 640.0},
    {4.0, 104.0, 212.0, 318.0, 398.0},
    0.60,
    {210.0, {62.0, 1, 0.4}, {18.0, 2, 1.9}},
    false,
    {0.0, {0.0, 1, 0.0}, {0.0, 1, 0.0}},
    0.0,
    -1.0,
    {{{296, 150, 20, 13, 0xA4503A}, {322, 160, 12, 16, 0x8E8A84}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}},
    2,
};

constexpr TileStyle kRiver{
    2202,
    {0.0, 96.0, 236.0, 330.0, 520.0, 640.0},
    {10.0, 130.0, 236.0, 350.0, 420.0},
    0.53,
    {128.0, {40.0, 1, 2.0}, {14.0, 3, 0.3}},
    true,
    {432.0, {54.0, 1, 0.7}, {20.0, 3, 2.2}},
    15.0,
    300.0,
    {{{188, 262, 22, 14, 0xA84A34}, {216, 276, 14, 10, 0x9A4030}, {200, 40, 18, 12, 0x8E8A84}, {560, 180, 20, 13, 0xA4503A}}},
    4,
};

struct Parcel {
  int column;
  int row;
  double edgeDistance;  // to the nearest field edge, in pixels
};

double columnEdgeAt(const TileStyle& s, std::size_t i, double y) {
  if (i == 0 || i + 1 == s.columnEdges.size()) return s.columnEdges[i];
  return s.columnEdges[i] + 8.0 * std::sin(kTau * 2.0 * y / kH + 1.7 * static_cast<double>(i));
}

double rowEdgeAt(const TileStyle& s, std::size_t j, double x) {
  return s.rowEdges[j] + 6.0 * std::sin(kTau * x / 320.0 + 2.1 * static_cast<double>(j));
}

Parcel parcelAt(const TileStyle& s, double x, double y) {
  Parcel p{0, 0, 1e9};
  for (std::size_t i = 0; i + 1 < s.columnEdges.size(); ++i) {
    if (x >= columnEdgeAt(s, i, y)) p.column = static_cast<int>(i);
    if (i > 0) p.edgeDistance = std::min(p.edgeDistance, std::abs(x - columnEdgeAt(s, i, y)));
  }
  // Rows wrap: a point above the first edge belongs to the last row.
  double yy = y;
  if (yy >= rowEdgeAt(s, 0, x) + kH) yy -= kH;
  const int rows = static_cast<int>(s.rowEdges.size());
  p.row = rows - 1;
  if (yy >= rowEdgeAt(s, 0, x)) {
    for (std::size_t j = 0; j < s.rowEdges.size(); ++j) {
      if (yy >= rowEdgeAt(s, j, x)) p.row = static_cast<int>(j);
    }
  }
  for (std::size_t j = 0; j < s.rowEdges.size(); ++j) {
    const double d = std::abs(yy - rowEdgeAt(s, j, x));
    p.edgeDistance = std::min({p.edgeDistance, d, std::abs(d - kH)});
  }
  return p;
}

const FieldLook& lookOf(const TileStyle& s, const Parcel& p) {
  const double v = gen_kit::latticeValue(p.column, p.row, s.seed);
  return kFieldLooks[static_cast<std::size_t>(v * static_cast<double>(kFieldLooks.size()))];
}

double woodsAt(const TileStyle& s, double x, double y) {
  return gen_kit::periodicFractal(x, y, 160, 4, kW, kH, s.seed + 17);
}

double laneDistance(const TileStyle& s, double x, double y) { return std::abs(x - s.lane.centreAt(y)); }

double riverHalfWidthAt(const TileStyle& s, double y) {
  return s.riverHalfWidth + 4.0 * std::sin(kTau * 2.0 * y / kH + 0.9);
}

double riverDistance(const TileStyle& s, double x, double y) {
  return s.river ? std::abs(x - s.riverCourse.centreAt(y)) - riverHalfWidthAt(s, y) : 1e9;
}

// The track that crosses the river on a bridge, from the lane eastwards.
double trackDistance(const TileStyle& s, double x, double y) {
  if (s.bridgeY < 0.0 || x < s.lane.centreAt(s.bridgeY)) return 1e9;
  const double centre = s.bridgeY + 5.0 * std::sin(kTau * x / 640.0);
  return std::abs(y - centre);
}

double farmDistance(const TileStyle& s, double x, double y) {
  double best = 1e9;
  for (int i = 0; i < s.farmCount; ++i) {
    const Building& b = s.farms[static_cast<std::size_t>(i)];
    best = std::min(best, std::hypot(x - (b.x + b.width / 2.0), y - (b.y + b.height / 2.0)));
  }
  return best;
}

// Fine grain of every surface, repeating with the tile.
double grain(int x, int y, std::uint64_t seed) { return 0.94 + 0.12 * gen_kit::latticeValue(x, y, seed); }

Rgb fieldColour(const TileStyle& s, const Parcel& p, int x, int y) {
  const FieldLook& look = lookOf(s, p);
  Rgb c = rgb(look.colour);
  if (look.stripesAcross != 0 || look.stripesDown != 0) {
    const double wave =
        std::sin(kTau * (look.stripesAcross * static_cast<double>(x) / kW + look.stripesDown * static_cast<double>(y) / kH));
    if (wave > 0.2) c = rgb(look.furrow);
  }
  // Broad patches of lighter and darker growth.
  const double patch = gen_kit::periodicFractal(x, y, 40, 3, kW, kH, s.seed + 5);
  return scale(c, 0.9 + 0.2 * patch);
}

Rgb groundColour(const TileStyle& s, int x, int y) {
  const double fx = x + 0.5;
  const double fy = y + 0.5;
  const Parcel parcel = parcelAt(s, fx, fy);
  Rgb c = fieldColour(s, parcel, x, y);
  if (parcel.edgeDistance < 2.2) c = rgb(0x3A5E2C);  // hedge
  if (woodsAt(s, fx, fy) > s.woodsThreshold) c = mix(rgb(0x2C4622), rgb(0x3A5A2A), gen_kit::periodicNoise(fx, fy, 8, kW, kH, s.seed + 3));
  if (farmDistance(s, fx, fy) < 22.0) c = rgb(0x9A8A62);  // farmyard
  const double track = trackDistance(s, fx, fy);
  if (track < 3.0) c = track < 2.0 ? rgb(0xB59E72) : rgb(0x8A7550);
  const double lane = laneDistance(s, fx, fy);
  if (lane < 4.5) c = lane < 3.2 ? (std::abs(lane - 1.6) < 0.5 ? rgb(0xA38C62) : rgb(0xBBA478)) : rgb(0x8A7550);
  const double river = riverDistance(s, fx, fy);
  if (river < 3.5) {
    if (river < 0.0) {
      const double depth = std::clamp(-river / riverHalfWidthAt(s, fy), 0.0, 1.0);
      c = mix(rgb(0x5A96AE), rgb(0x2A5676), depth);
      const double ripple = std::sin(kTau * (3.0 * fx / kW + 60.0 * fy / kH) + 3.0 * gen_kit::periodicNoise(fx, fy, 20, kW, kH, s.seed + 9));
      if (ripple > 0.93) c = mix(c, rgb(0xCFE6EE), 0.5);
      if (track < 3.0) c = track < 2.2 ? rgb(0x8E7A5E) : rgb(0x4A3A2A);  // bridge deck and rails
    } else {
      c = river < 1.5 ? rgb(0xC8B684) : rgb(0x7E6E48);  // sand, then mud
    }
  }
  return scale(c, grain(x, y, s.seed));
}

bool treeAllowed(const TileStyle& s, double x, double y) {
  return laneDistance(s, x, y) > 6.0 && riverDistance(s, x, y) > 2.0 && trackDistance(s, x, y) > 5.0 &&
         farmDistance(s, x, y) > 26.0;
}

constexpr auto kLeaves = std::to_array<std::uint32_t>({0x3F6E2A, 0x4C7C2E, 0x588A34, 0x4A7430, 0x6E8A32});
static_assert(kLeaves.size() == 5);

std::vector<Tree> placeTrees(const TileStyle& s) {
  constexpr int kCell = 8;
  std::vector<Tree> trees;
  gen_kit::SplitMix64 r(s.seed * 31 + 7);
  for (int cy = 0; cy < kH / kCell; ++cy) {
    for (int cx = 0; cx < kW / kCell; ++cx) {
      const double x = cx * kCell + r.between(0.0, kCell);
      const double y = cy * kCell + r.between(0.0, kCell);
      const double pick = r.unit();
      const double size = r.unit();
      const Rgb leaves = rgb(kLeaves[static_cast<std::size_t>(r.below(static_cast<int>(kLeaves.size())))]);
      const std::uint64_t seed = r.next();
      if (!treeAllowed(s, x, y)) continue;
      const bool woods = woodsAt(s, x, y) > s.woodsThreshold;
      const Parcel parcel = parcelAt(s, x, y);
      const Field field = lookOf(s, parcel).field;
      double chance = 0.004;
      double radius = 5.0 + 3.0 * size;
      if (woods) {
        chance = 0.92;
        radius = 5.0 + 3.5 * size;
      } else if (parcel.edgeDistance < 3.0) {
        chance = 0.4;
        radius = 3.5 + 2.5 * size;
      } else if (field == Field::Meadow || field == Field::Pasture) {
        chance = 0.02;
        radius = 6.0 + 2.5 * size;
      }
      if (pick < chance) trees.push_back({x, y, radius, leaves, seed});
    }
  }
  return trees;
}

// A farm building: its shadow, then a ridged roof lit on one side.
void drawBuilding(WrapCanvas& canvas, const Building& b) {
  for (int y = b.y + 3; y < b.y + b.height + 3; ++y) {
    for (int x = b.x + 3; x < b.x + b.width + 3; ++x) canvas.set(x, y, scale(canvas.get(x, y), 0.5));
  }
  const bool ridgeAcross = b.width >= b.height;
  for (int y = b.y; y < b.y + b.height; ++y) {
    for (int x = b.x; x < b.x + b.width; ++x) {
      const bool litHalf = ridgeAcross ? (y - b.y) * 2 < b.height : (x - b.x) * 2 < b.width;
      const bool ridge = ridgeAcross ? (y - b.y) * 2 == b.height - 1 || (y - b.y) * 2 == b.height
                                     : (x - b.x) * 2 == b.width - 1 || (x - b.x) * 2 == b.width;
      const bool edge = x == b.x || y == b.y || x == b.x + b.width - 1 || y == b.y + b.height - 1;
      Rgb c = scale(rgb(b.roof), litHalf ? 1.12 : 0.78);
      if (ridge) c = scale(rgb(b.roof), 1.3);
      if (edge) c = scale(rgb(b.roof), 0.5);
      if (((ridgeAcross ? x : y) % 3) == 0 && !edge && !ridge) c = scale(c, 0.92);  // tiles
      canvas.set(x, y, c);
    }
  }
}

platform::Image makeTile(const TileStyle& s) {
  platform::Image image = platform::createImage(kW, kH, kKey);
  WrapCanvas canvas(image);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) canvas.set(x, y, groundColour(s, x, y));
  }
  for (int i = 0; i < s.farmCount; ++i) drawBuilding(canvas, s.farms[static_cast<std::size_t>(i)]);
  drawTrees(canvas, placeTrees(s));
  return image;
}

}  // namespace

platform::Image fieldsTile() { return makeTile(kFields); }
platform::Image riverTile() { return makeTile(kRiver); }

}  // namespace demo_gen
