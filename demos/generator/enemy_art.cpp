// The enemy plane: a twin-engine attack jet with straight wings and twin
// fins in an olive and sand camouflage with yellow wing bands, flying nose
// down towards the player.
#include <array>
#include <cmath>
#include <numbers>

#include "demos/generator/aircraft_art.h"
#include "gen_kit/random.h"
#include "demos/generator/shaded_model.h"

namespace demo_gen {

namespace {

constexpr auto kFuselage = std::to_array<LoftStation>({
    {26.0, 0.4, 0.4, 0.0},
    {23.0, 2.2, 2.0, 0.0},
    {16.0, 3.6, 3.0, 0.3},
    {6.0, 4.2, 3.4, 0.5},
    {-6.0, 4.0, 3.2, 0.4},
    {-16.0, 3.0, 2.6, 0.3},
    {-24.0, 2.0, 2.0, 0.6},
    {-25.0, 0.6, 0.6, 0.6},
});
static_assert(kFuselage.size() == 8);

constexpr auto kCanopy = std::to_array<LoftStation>({
    {19.0, 0.4, 0.3, 2.8},
    {16.5, 2.0, 1.7, 3.0},
    {12.0, 2.3, 1.9, 3.1},
    {8.5, 1.7, 1.3, 3.0},
    {7.0, 0.5, 0.3, 2.9},
});
static_assert(kCanopy.size() == 5);

constexpr auto kNacelle = std::to_array<LoftStation>({
    {9.0, 1.6, 1.6, 1.0},
    {7.0, 3.0, 2.8, 1.0},
    {-4.0, 3.2, 3.0, 1.0},
    {-12.0, 2.8, 2.6, 1.0},
    {-15.0, 2.2, 2.0, 1.0},
    {-15.6, 1.4, 1.4, 1.0},
});
static_assert(kNacelle.size() == 6);
constexpr double kNacelleX = 10.5;

constexpr auto kWing = std::to_array<Point2>({
    {3.5, 4.0},
    {32.0, 1.0},
    {32.0, -5.0},
    {3.5, -7.0},
});
static_assert(kWing.size() == 4);

constexpr auto kTailplane = std::to_array<Point2>({
    {1.5, -17.0},
    {15.0, -19.0},
    {15.0, -23.5},
    {1.5, -24.0},
});
static_assert(kTailplane.size() == 4);

constexpr auto kFin = std::to_array<Point2>({
    {-15.0, 2.0},
    {-20.0, 8.5},
    {-23.5, 8.5},
    {-23.5, 1.5},
});
static_assert(kFin.size() == 4);

Rgb camouflage(const Vec3& p, const Rgb& base) {
  const double n = gen_kit::periodicFractal(p.x * 3.0 + 400.0, p.y * 3.0 + 400.0, 32, 2, 1024, 1024, 77);
  if (n < 0.42) return rgb(0x4E4A30);
  if (n > 0.58) return rgb(0xA39760);
  return base;
}

Rgb paintWing(const Vec3& p, const Rgb& base) {
  const double x = std::abs(p.x);
  if (x > 22.0 && x < 25.0) return rgb(0xE8C02A);  // yellow band
  if (x > 30.5) return rgb(0x3A3828);              // dark tips
  return camouflage(p, base);
}

Rgb paintBody(const Vec3& p, const Rgb& base) {
  if (p.y > 22.0) return rgb(0x3A3828);
  return camouflage(p, base);
}

Rgb paintNacelle(const Vec3& p, const Rgb& base) {
  if (p.y > 7.5) return rgb(0x2A2A2E);   // intake
  if (p.y < -14.5) return rgb(0x2E2E32);  // nozzle
  return camouflage(p, base);
}

Rgb paintFin(const Vec3& p, const Rgb& base) { return p.z > 6.5 ? rgb(0xE8C02A) : camouflage(p, base); }

Model enemyModel() {
  Model m;
  const int body = m.addMaterial({rgb(0x6E7444), 0.12, 0, paintBody});
  const int glass = m.addMaterial({rgb(0x6A3A22), 0.9, 1, nullptr});
  const int wing = m.addMaterial({rgb(0x747A48), 0.08, 2, paintWing});
  const int nacelle = m.addMaterial({rgb(0x6A7042), 0.12, 3, paintNacelle});
  const int tail = m.addMaterial({rgb(0x707646), 0.08, 4, camouflage});
  const int fin = m.addMaterial({rgb(0x666C40), 0.08, 5, paintFin});
  addLoft(m, kFuselage, 12, 2.2, body);
  addLoft(m, kCanopy, 10, 2.0, glass);
  addPlate(m, kWing, 0.8, -0.4, wing, true);
  addLoft(m, kNacelle, 12, 2.0, nacelle, kNacelleX);
  addLoft(m, kNacelle, 12, 2.0, nacelle, -kNacelleX);
  addPlate(m, kTailplane, 0.7, -0.2, tail, true);
  addFin(m, kFin, kNacelleX, 0.5, fin);
  addFin(m, kFin, -kNacelleX, 0.5, fin);
  return m;
}

}  // namespace

platform::Image enemyPicture() {
  static const Model model = enemyModel();
  Pose pose;
  pose.heading = std::numbers::pi;
  pose.scale = 0.98;
  pose.cameraDistance = 60.0;
  pose.originX = kEnemyWidth / 2.0;
  pose.originY = 29.0;
  return renderModel(model, pose, kEnemyWidth, kEnemyHeight, rgb(0x1A1A14));
}

}  // namespace demo_gen
