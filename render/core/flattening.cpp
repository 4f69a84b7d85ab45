// Chords of curves in pixels.
#include "core/flattening.h"

#include <algorithm>
#include <cmath>

#include "db_curves.h"

namespace zek::render {

namespace {

// Halvings of one step at most: 2^12 chords a step is far below a pixel.
constexpr int kMaxDepth = 12;

double distanceToMiddle(const DevicePoint& a, const DevicePoint& b, const DevicePoint& m) {
  return std::hypot(m.x - (a.x + b.x) / 2.0, m.y - (a.y + b.y) / 2.0);
}

struct CurveSampler {
  const AcDbCurve& curve;
  const DeviceTransform& transform;
  std::vector<DevicePoint>& out;

  bool at(double t, DevicePoint& p) const {
    AcGePoint3d world;
    if (curve.getPointAtParam(t, world) != Acad::eOk)
      return false;
    p = transform.point(world);
    return std::isfinite(p.x) && std::isfinite(p.y);
  }

  // Points after a (exclusive) up to b (inclusive).
  void subdivide(double a, const DevicePoint& pa, double b, const DevicePoint& pb, int depth) {
    const double m = (a + b) / 2.0;
    DevicePoint pm;
    if (depth < kMaxDepth && at(m, pm) && distanceToMiddle(pa, pb, pm) > kChordTolerance) {
      subdivide(a, pa, m, pm, depth + 1);
      subdivide(m, pm, b, pb, depth + 1);
      return;
    }
    out.push_back(pb);
  }
};

}  // namespace

int chordCountFor(double radius, double sweep) {
  const double turn = std::fabs(sweep);
  if (!(radius > kChordTolerance) || !(turn > 0.0))
    return 1;
  const double step = 2.0 * std::acos(1.0 - kChordTolerance / radius);
  const double count = std::ceil(turn / step);
  return static_cast<int>(std::clamp(count, 1.0, double(kMaxChords)));
}

double ellipseRadius(const DevicePoint& u, const DevicePoint& v) {
  // The larger singular value of the matrix [u v].
  const double s = u.x * u.x + u.y * u.y + v.x * v.x + v.y * v.y;
  const double det = u.x * v.y - u.y * v.x;
  return std::sqrt(s / 2.0 + std::sqrt(std::max(0.0, s * s / 4.0 - det * det)));
}

DeviceBox ellipseBox(const DevicePoint& centre, const DevicePoint& u, const DevicePoint& v) {
  const double dx = std::sqrt(u.x * u.x + v.x * v.x), dy = std::sqrt(u.y * u.y + v.y * v.y);
  return DeviceBox{centre.x - dx, centre.y - dy, centre.x + dx, centre.y + dy};
}

void appendEllipticArc(std::vector<DevicePoint>& out, const DevicePoint& centre,
                       const DevicePoint& u, const DevicePoint& v, double t0, double t1,
                       bool includeStart) {
  const int chords = chordCountFor(ellipseRadius(u, v), t1 - t0);
  const double step = (t1 - t0) / chords;
  const double cosStep = std::cos(step), sinStep = std::sin(step);
  double c = std::cos(t0), s = std::sin(t0);
  if (includeStart)
    out.push_back({centre.x + c * u.x + s * v.x, centre.y + c * u.y + s * v.y});
  for (int i = 1; i <= chords; ++i) {
    if (i == chords) {
      // The end exactly, not as the turns summed up.
      c = std::cos(t1);
      s = std::sin(t1);
    } else {
      const double nextC = c * cosStep - s * sinStep;
      s = s * cosStep + c * sinStep;
      c = nextC;
    }
    out.push_back({centre.x + c * u.x + s * v.x, centre.y + c * u.y + s * v.y});
  }
}

void appendCurve(std::vector<DevicePoint>& out, const AcDbCurve& curve, double t0, double t1,
                 const DeviceTransform& transform, int pieces) {
  CurveSampler sampler{curve, transform, out};
  pieces = std::max(1, pieces);
  DevicePoint previous;
  bool havePrevious = sampler.at(t0, previous);
  if (havePrevious)
    out.push_back(previous);
  double a = t0;
  for (int i = 1; i <= pieces; ++i) {
    const double b = i == pieces ? t1 : t0 + (t1 - t0) * i / pieces;
    DevicePoint next;
    if (!sampler.at(b, next)) {
      havePrevious = false;
      continue;
    }
    if (havePrevious)
      sampler.subdivide(a, previous, b, next, 0);
    else
      out.push_back(next);
    previous = next;
    havePrevious = true;
    a = b;
  }
}

}  // namespace zek::render
