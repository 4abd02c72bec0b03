// A small flat-shaded polygon renderer for the aircraft pictures: models
// are built from lofted bodies, flat plates (wings, tailplanes) and fins,
// seen from above, rolled about their length for the banking frames, lit
// from the upper left, and given a dark outline like hand-drawn sprites.
#pragma once

#include <span>
#include <vector>

#include "platform/image.h"
#include "demos/generator/colour.h"

namespace demo_gen {

struct Vec3 {
  double x = 0.0;  // right
  double y = 0.0;  // forward, towards the nose
  double z = 0.0;  // up, towards the viewer
};

struct Point2 {
  double a = 0.0;
  double b = 0.0;
};

// Paints a point of a surface, given in model coordinates (markings).
using PaintFunction = Rgb (*)(const Vec3& point, const Rgb& base);

struct Material {
  Rgb base;
  double shine = 0.0;  // strength of the specular highlight
  int part = 0;        // parts meeting at a depth step get a line between them
  PaintFunction paint = nullptr;
};

struct Triangle {
  Vec3 a;
  Vec3 b;
  Vec3 c;
  int material = 0;
};

struct Model {
  std::vector<Material> materials;
  std::vector<Triangle> triangles;

  int addMaterial(const Material& material);
  void addTriangle(const Vec3& a, const Vec3& b, const Vec3& c, int material);
};

// One ring of a lofted body: an ellipse (halfWidth x halfHeight) centred at
// (0, y, z), y falling from nose to tail.
struct LoftStation {
  double y;
  double halfWidth;
  double halfHeight;
  double z;
};

// A closed body through the stations, `sides` points round each ring;
// `squareness` above 2 flattens the ellipses towards rounded boxes.
void addLoft(Model& model, std::span<const LoftStation> stations, int sides, double squareness, int material,
             double offsetX = 0.0);
// A flat plate of outline (x, y) between zBottom and zTop; with `mirrored`
// the same plate is added again on the other side (x negated).
void addPlate(Model& model, std::span<const Point2> outline, double zTop, double zBottom, int material,
              bool mirrored);
// An upright fin of outline (y, z) at x, `halfThickness` either side.
void addFin(Model& model, std::span<const Point2> outline, double x, double halfThickness, int material);

struct Pose {
  double roll = 0.0;     // radians; positive dips the right wing
  double heading = 0.0;  // radians; 0 points the nose up the picture, pi down
  double scale = 1.0;    // pixels per model unit
  double cameraDistance = 70.0;  // model units above the model's centre
  double originX = 0.0;  // where the model's origin lands in the picture
  double originY = 0.0;
};

// Where a model point lands in the picture.
Point2 projectPoint(const Vec3& point, const Pose& pose);

// Renders the model into a width x height picture on the key colour, with
// a one-pixel outline of `outline` round the silhouette.
platform::Image renderModel(const Model& model, const Pose& pose, int width, int height, const Rgb& outline);

}  // namespace demo_gen
