// The player's jet: a single-seat delta-wing fighter in a grey-blue scheme
// with red fin tips and wing roundels, wing-tip missiles and a two-stage
// afterburner flame.
#include <array>
#include <cmath>
#include <numbers>

#include "demos/generator/aircraft_art.h"
#include "demos/generator/shaded_model.h"

namespace demo_gen {

namespace {

// Model units: x right, y towards the nose, z up; about one pixel each.
constexpr auto kFuselage = std::to_array<LoftStation>({
    {30.0, 0.3, 0.3, 0.0},
    {27.0, 1.6, 1.5, 0.0},
    {22.0, 3.0, 2.6, 0.2},
    {15.0, 4.2, 3.3, 0.4},
    {6.0, 4.8, 3.6, 0.5},
    {-4.0, 5.6, 3.5, 0.4},
    {-14.0, 5.6, 3.2, 0.3},
    {-22.0, 4.9, 2.8, 0.2},
    {-26.0, 4.3, 2.5, 0.2},
    {-27.5, 3.6, 2.0, 0.2},
});
static_assert(kFuselage.size() == 10);

constexpr auto kCanopy = std::to_array<LoftStation>({
    {21.0, 0.4, 0.3, 3.0},
    {18.5, 1.9, 1.6, 3.2},
    {15.0, 2.5, 2.2, 3.3},
    {11.0, 2.4, 2.0, 3.2},
    {8.0, 1.8, 1.2, 3.1},
    {6.0, 0.5, 0.3, 3.0},
});
static_assert(kCanopy.size() == 6);

// Right wing outline (x, y), mirrored for the left.
constexpr auto kWing = std::to_array<Point2>({
    {4.5, 9.0},
    {25.5, -11.0},
    {25.5, -16.0},
    {12.0, -18.0},
    {4.5, -18.0},
});
static_assert(kWing.size() == 5);

constexpr auto kTailplane = std::to_array<Point2>({
    {4.5, -19.0},
    {13.5, -25.0},
    {13.5, -28.0},
    {4.5, -27.5},
});
static_assert(kTailplane.size() == 4);

// Fin outline (y, z) on the centre line.
constexpr auto kFin = std::to_array<Point2>({
    {-13.0, 3.0},
    {-24.0, 11.5},
    {-27.0, 11.5},
    {-27.5, 2.4},
});
static_assert(kFin.size() == 4);

constexpr auto kWingTipMissile = std::to_array<LoftStation>({
    {-3.0, 0.2, 0.2, 0.2},
    {-5.0, 1.0, 1.0, 0.2},
    {-16.0, 1.0, 1.0, 0.2},
    {-19.0, 0.9, 0.9, 0.2},
    {-19.5, 0.2, 0.2, 0.2},
});
static_assert(kWingTipMissile.size() == 5);

constexpr double kMissileX = 26.6;

Rgb paintWing(const Vec3& p, const Rgb& base) {
  // A roundel on each wing: blue ring, white, red centre.
  const double d = std::hypot(std::abs(p.x) - 16.0, p.y + 10.5);
  if (d < 1.4) return rgb(0xC8322E);
  if (d < 2.6) return rgb(0xEDEDED);
  if (d < 3.6) return rgb(0x2C4C9C);
  // Darker leading-edge band.
  return p.y > -4.0 - (std::abs(p.x) - 4.5) * 0.95 ? scale(base, 0.9) : base;
}

Rgb paintFuselage(const Vec3& p, const Rgb& base) {
  if (p.y > 24.0) return rgb(0x4A5160);                   // dark nose cone
  if (p.y < -25.5) return rgb(0x3A3A40);                  // exhaust nozzle
  if (p.z > 2.4 && p.y < 6.0 && p.y > -12.0) return scale(base, 1.06);  // spine
  return base;
}

Rgb paintFin(const Vec3& p, const Rgb& base) { return p.z > 8.5 ? rgb(0xC8322E) : base; }

Rgb paintMissile(const Vec3& p, const Rgb& base) { return p.y > -5.2 ? rgb(0xC8322E) : base; }

Model jetModel() {
  Model m;
  const int body = m.addMaterial({rgb(0x98A4B4), 0.15, 0, paintFuselage});
  const int glass = m.addMaterial({rgb(0x2A4A7E), 0.9, 1, nullptr});
  const int wing = m.addMaterial({rgb(0xA7B1BF), 0.1, 2, paintWing});
  const int tail = m.addMaterial({rgb(0x9AA5B5), 0.1, 3, nullptr});
  const int fin = m.addMaterial({rgb(0x8C97A8), 0.1, 4, paintFin});
  const int missile = m.addMaterial({rgb(0xE4E4E0), 0.4, 5, paintMissile});
  addLoft(m, kFuselage, 12, 2.4, body);
  addLoft(m, kCanopy, 10, 2.0, glass);
  addPlate(m, kWing, 0.7, -0.3, wing, true);
  addPlate(m, kTailplane, 0.6, -0.2, tail, true);
  addFin(m, kFin, 0.0, 0.5, fin);
  addLoft(m, kWingTipMissile, 8, 2.0, missile, kMissileX);
  addLoft(m, kWingTipMissile, 8, 2.0, missile, -kMissileX);
  return m;
}

constexpr Rgb kOutline = rgb(0x161A24);

// The afterburner: a pale core in an orange plume below the nozzle.
void drawFlame(platform::Image& image, const Pose& pose, Flame flame) {
  const Point2 nozzle = projectPoint({0.0, -28.0, 0.2}, pose);
  const double length = flame == Flame::Long ? 9.0 : 5.5;
  const double halfWidth = 2.6 * std::cos(pose.roll) + 0.6;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const double dy = (y + 0.5 - nozzle.b) / length;
      if (dy < 0.0 || dy > 1.0) continue;
      const double dx = (x + 0.5 - nozzle.a) / (halfWidth * (1.0 - 0.7 * dy));
      const double r = dx * dx;
      if (r > 1.0) continue;
      if (!platform::isMagenta(image.row(y)[x])) continue;
      Rgb c = r < 0.3 && dy < 0.55 ? rgb(0xFFF6C8) : (dy < 0.6 ? rgb(0xFFB030) : rgb(0xE85A1C));
      image.row(y)[x] = pixel(c);
    }
  }
}

}  // namespace

platform::Image jetPicture(double bankDegrees, Flame flame) {
  static const Model model = jetModel();
  Pose pose;
  pose.roll = bankDegrees * std::numbers::pi / 180.0;
  pose.scale = 0.98;
  pose.cameraDistance = 60.0;
  pose.originX = kJetWidth / 2.0;
  pose.originY = 33.0;
  platform::Image image = renderModel(model, pose, kJetWidth, kJetHeight, kOutline);
  drawFlame(image, pose, flame);
  return image;
}

}  // namespace demo_gen
