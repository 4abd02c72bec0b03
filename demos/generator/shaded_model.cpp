#include "demos/generator/shaded_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace demo_gen {

namespace {

constexpr int kSamples = 4;  // per pixel along each axis
constexpr double kInnerLineDepth = 1.2;
constexpr double kInnerLineShade = 0.72;

Vec3 sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 cross(const Vec3& a, const Vec3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalised(const Vec3& v) {
  const double length = std::sqrt(dot(v, v));
  return length > 0.0 ? Vec3{v.x / length, v.y / length, v.z / length} : Vec3{0.0, 0.0, 1.0};
}

// Model to view space: roll about the length, then turn in the picture plane.
Vec3 toView(const Vec3& p, const Pose& pose) {
  const double cr = std::cos(pose.roll);
  const double sr = std::sin(pose.roll);
  const Vec3 rolled{p.x * cr + p.z * sr, p.y, -p.x * sr + p.z * cr};
  const double ch = std::cos(pose.heading);
  const double sh = std::sin(pose.heading);
  return {rolled.x * ch - rolled.y * sh, rolled.x * sh + rolled.y * ch, rolled.z};
}

struct Sample {
  double depth = -std::numeric_limits<double>::infinity();
  Rgb colour;
  int part = -1;
};

struct Projected {
  double x;
  double y;
  double depth;
};

Projected project(const Vec3& view, const Pose& pose) {
  const double perspective = pose.cameraDistance / (pose.cameraDistance - view.z);
  return {pose.originX + pose.scale * view.x * perspective, pose.originY - pose.scale * view.y * perspective, view.z};
}

Rgb shade(const Material& material, const Vec3& modelPoint, const Vec3& normal) {
  static const Vec3 light = normalised({-0.45, 0.55, 0.85});
  static const Vec3 halfway = normalised({light.x, light.y, light.z + 1.0});
  const double diffuse = std::max(0.0, dot(normal, light));
  const double specular = material.shine * std::pow(std::max(0.0, dot(normal, halfway)), 24.0);
  const Rgb base = material.paint != nullptr ? material.paint(modelPoint, material.base) : material.base;
  const Rgb lit = scale(base, 0.38 + 0.72 * diffuse);
  return {lit.r + 255.0 * specular, lit.g + 255.0 * specular, lit.b + 255.0 * specular};
}

void rasterise(const Triangle& t, const Material& material, const Pose& pose, int sampleWidth, int sampleHeight,
               std::vector<Sample>& samples) {
  const Vec3 va = toView(t.a, pose);
  const Vec3 vb = toView(t.b, pose);
  const Vec3 vc = toView(t.c, pose);
  Vec3 normal = normalised(cross(sub(vb, va), sub(vc, va)));
  if (normal.z < 0.0) normal = {-normal.x, -normal.y, -normal.z};  // every surface is seen from its upper side
  const Projected pa = project(va, pose);
  const Projected pb = project(vb, pose);
  const Projected pc = project(vc, pose);
  const double area = (pb.x - pa.x) * (pc.y - pa.y) - (pb.y - pa.y) * (pc.x - pa.x);
  if (std::abs(area) < 1e-9) return;
  const double s = kSamples;
  const int x0 = std::max(0, static_cast<int>(std::floor(std::min({pa.x, pb.x, pc.x}) * s)));
  const int x1 = std::min(sampleWidth - 1, static_cast<int>(std::ceil(std::max({pa.x, pb.x, pc.x}) * s)));
  const int y0 = std::max(0, static_cast<int>(std::floor(std::min({pa.y, pb.y, pc.y}) * s)));
  const int y1 = std::min(sampleHeight - 1, static_cast<int>(std::ceil(std::max({pa.y, pb.y, pc.y}) * s)));
  for (int sy = y0; sy <= y1; ++sy) {
    const double py = (sy + 0.5) / s;
    for (int sx = x0; sx <= x1; ++sx) {
      const double px = (sx + 0.5) / s;
      const double w0 = ((pb.x - px) * (pc.y - py) - (pb.y - py) * (pc.x - px)) / area;
      const double w1 = ((pc.x - px) * (pa.y - py) - (pc.y - py) * (pa.x - px)) / area;
      const double w2 = 1.0 - w0 - w1;
      if (w0 < 0.0 || w1 < 0.0 || w2 < 0.0) continue;
      const double depth = w0 * pa.depth + w1 * pb.depth + w2 * pc.depth;
      Sample& sample = samples[static_cast<std::size_t>(sy) * static_cast<std::size_t>(sampleWidth) +
                               static_cast<std::size_t>(sx)];
      if (depth <= sample.depth) continue;
      const Vec3 modelPoint{w0 * t.a.x + w1 * t.b.x + w2 * t.c.x, w0 * t.a.y + w1 * t.b.y + w2 * t.c.y,
                            w0 * t.a.z + w1 * t.b.z + w2 * t.c.z};
      sample.depth = depth;
      sample.colour = shade(material, modelPoint, normal);
      sample.part = material.part;
    }
  }
}

}  // namespace

int Model::addMaterial(const Material& material) {
  materials.push_back(material);
  return static_cast<int>(materials.size()) - 1;
}

void Model::addTriangle(const Vec3& a, const Vec3& b, const Vec3& c, int material) {
  triangles.push_back({a, b, c, material});
}

void addLoft(Model& model, std::span<const LoftStation> stations, int sides, double squareness, int material,
             double offsetX) {
  const auto ring = [&](const LoftStation& s, int i) {
    const double angle = 2.0 * std::numbers::pi * i / sides;
    const double c = std::cos(angle);
    const double n = std::sin(angle);
    const double e = 2.0 / squareness;
    const double ex = std::copysign(std::pow(std::abs(c), e), c);
    const double ez = std::copysign(std::pow(std::abs(n), e), n);
    return Vec3{offsetX + s.halfWidth * ex, s.y, s.z + s.halfHeight * ez};
  };
  for (std::size_t k = 0; k + 1 < stations.size(); ++k) {
    for (int i = 0; i < sides; ++i) {
      const Vec3 a = ring(stations[k], i);
      const Vec3 b = ring(stations[k], (i + 1) % sides);
      const Vec3 c = ring(stations[k + 1], (i + 1) % sides);
      const Vec3 d = ring(stations[k + 1], i);
      model.addTriangle(a, b, c, material);
      model.addTriangle(a, c, d, material);
    }
  }
  // Caps close both ends.
  for (const LoftStation* end : {&stations.front(), &stations.back()}) {
    const Vec3 centre{offsetX, end->y, end->z};
    for (int i = 0; i < sides; ++i) model.addTriangle(centre, ring(*end, i), ring(*end, (i + 1) % sides), material);
  }
}

void addPlate(Model& model, std::span<const Point2> outline, double zTop, double zBottom, int material,
              bool mirrored) {
  for (const double side : {1.0, -1.0}) {
    if (side < 0.0 && !mirrored) break;
    const auto at = [&](std::size_t i, double z) { return Vec3{side * outline[i].a, outline[i].b, z}; };
    for (std::size_t i = 1; i + 1 < outline.size(); ++i) {
      model.addTriangle(at(0, zTop), at(i, zTop), at(i + 1, zTop), material);
      model.addTriangle(at(0, zBottom), at(i, zBottom), at(i + 1, zBottom), material);
    }
    for (std::size_t i = 0; i < outline.size(); ++i) {
      const std::size_t j = (i + 1) % outline.size();
      model.addTriangle(at(i, zTop), at(j, zTop), at(j, zBottom), material);
      model.addTriangle(at(i, zTop), at(j, zBottom), at(i, zBottom), material);
    }
  }
}

void addFin(Model& model, std::span<const Point2> outline, double x, double halfThickness, int material) {
  const auto at = [&](std::size_t i, double dx) { return Vec3{x + dx, outline[i].a, outline[i].b}; };
  for (const double dx : {halfThickness, -halfThickness}) {
    for (std::size_t i = 1; i + 1 < outline.size(); ++i) model.addTriangle(at(0, dx), at(i, dx), at(i + 1, dx), material);
  }
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const std::size_t j = (i + 1) % outline.size();
    model.addTriangle(at(i, halfThickness), at(j, halfThickness), at(j, -halfThickness), material);
    model.addTriangle(at(i, halfThickness), at(j, -halfThickness), at(i, -halfThickness), material);
  }
}

Point2 projectPoint(const Vec3& point, const Pose& pose) {
  const Projected p = project(toView(point, pose), pose);
  return {p.x, p.y};
}

platform::Image renderModel(const Model& model, const Pose& pose, int width, int height, const Rgb& outline) {
  const int sampleWidth = width * kSamples;
  const int sampleHeight = height * kSamples;
  std::vector<Sample> samples(static_cast<std::size_t>(sampleWidth) * static_cast<std::size_t>(sampleHeight));
  for (const Triangle& t : model.triangles) {
    rasterise(t, model.materials[static_cast<std::size_t>(t.material)], pose, sampleWidth, sampleHeight, samples);
  }

  // Each pixel is opaque when most of its samples are covered, and takes the
  // mean colour of the covered ones only, so no edge blends into the key.
  platform::Image image = platform::createImage(width, height, kKey);
  std::vector<double> depth(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0.0);
  std::vector<int> part(depth.size(), -1);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb sum;
      double depthSum = 0.0;
      int covered = 0;
      int partCount[16] = {};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Sample& s = samples[static_cast<std::size_t>(y * kSamples + sy) * static_cast<std::size_t>(sampleWidth) +
                                    static_cast<std::size_t>(x * kSamples + sx)];
          if (s.part < 0) continue;
          sum = {sum.r + s.colour.r, sum.g + s.colour.g, sum.b + s.colour.b};
          depthSum += s.depth;
          ++covered;
          ++partCount[std::clamp(s.part, 0, 15)];
        }
      }
      if (covered * 2 < kSamples * kSamples) continue;
      const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
      image.pixels[i] = pixel(scale(sum, 1.0 / covered));
      depth[i] = depthSum / covered;
      part[i] = static_cast<int>(std::max_element(std::begin(partCount), std::end(partCount)) - std::begin(partCount));
    }
  }

  // A darker line where a part meets a nearer one, then the outline round
  // the silhouette.
  platform::Image lined = image;
  const auto opaque = [&](int x, int y) { return image.contains(x, y) && !platform::isMagenta(image.row(y)[x]); };
  constexpr int kNeighbours[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
      if (opaque(x, y)) {
        for (const auto& n : kNeighbours) {
          const int nx = x + n[0];
          const int ny = y + n[1];
          if (!opaque(nx, ny)) continue;
          const std::size_t j =
              static_cast<std::size_t>(ny) * static_cast<std::size_t>(width) + static_cast<std::size_t>(nx);
          if (part[j] != part[i] && depth[j] > depth[i] + kInnerLineDepth) {
            lined.row(y)[x] = pixel(scale(fromPixel(image.row(y)[x]), kInnerLineShade));
            break;
          }
        }
      } else {
        for (const auto& n : kNeighbours) {
          if (opaque(x + n[0], y + n[1])) {
            lined.row(y)[x] = pixel(outline);
            break;
          }
        }
      }
    }
  }
  return lined;
}

}  // namespace demo_gen
