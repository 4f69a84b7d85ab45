// Edge ends and arc extremes of outlines and profiles.
#include "placement/outline_features.h"

#include <cmath>
#include <numbers>

namespace zek::adxy1 {

namespace {

constexpr double kAxisParallel = 0.01;
constexpr double kStraightBulge = 0.0001;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double normalisedAngle(double angle) {
  angle = std::fmod(angle, kTwoPi);
  return angle < 0.0 ? angle + kTwoPi : angle;
}

}  // namespace

void addStraightEdgeFeatures(double x0, double y0, double x1, double y1,
                             std::vector<FeaturePoint>& out) {
  if (std::fabs(x0 - x1) <= kAxisParallel) {
    out.push_back({Axis::X, x0, y0, kEdgeEndRadius});
    out.push_back({Axis::X, x1, y1, kEdgeEndRadius});
  } else if (std::fabs(y0 - y1) <= kAxisParallel) {
    out.push_back({Axis::Y, y0, x0, kEdgeEndRadius});
    out.push_back({Axis::Y, y1, x1, kEdgeEndRadius});
  }
}

void addArcExtremeFeatures(double cx, double cy, double radius, double start, double end,
                           std::vector<FeaturePoint>& out) {
  start = normalisedAngle(start);
  if (std::fabs(start - kTwoPi) < 0.001)
    start = 0.0;
  end = normalisedAngle(end);
  if (end < start)
    end += kTwoPi;
  const FeaturePoint top{Axis::Y, cy + radius, cx, kArcExtremeRadius};
  const FeaturePoint left{Axis::X, cx - radius, cy, kArcExtremeRadius};
  const FeaturePoint bottom{Axis::Y, cy - radius, cx, kArcExtremeRadius};
  const FeaturePoint right{Axis::X, cx + radius, cy, kArcExtremeRadius};
  // Each test passes an extreme point; the first the arc does not reach ends
  // the walk. The first three are only taken when the arc starts before them.
  struct Pass {
    double endBeyond;
    double startBelow;  // 100: taken whatever the start
    const FeaturePoint* point;
  };
  const Pass passes[] = {
      {1.59, 1.55, &top},   {3.16, 3.12, &left},   {4.73, 4.69, &bottom}, {6.3, 100.0, &right},
      {7.87, 100.0, &top},  {9.44, 100.0, &left},  {11.01, 100.0, &bottom},
  };
  for (const Pass& pass : passes) {
    if (!(end > pass.endBeyond))
      return;
    if (start < pass.startBelow)
      out.push_back(*pass.point);
  }
}

BulgeArc arcOfBulge(double px, double py, double qx, double qy, double bulge) {
  const double dx = qx - px;
  const double dy = qy - py;
  const double chord = std::hypot(dx, dy);
  const double offset = chord / 4.0 * (1.0 / bulge - bulge);  // from the chord's middle, leftwards
  const double cx = (px + qx) / 2.0 - dy / chord * offset;
  const double cy = (py + qy) / 2.0 + dx / chord * offset;
  const double radius = chord * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
  const double fromP = std::atan2(py - cy, px - cx);
  const double fromQ = std::atan2(qy - cy, qx - cx);
  if (bulge > 0.0)
    return {cx, cy, radius, fromP, fromQ};
  return {cx, cy, radius, fromQ, fromP};  // clockwise from p: counter-clockwise from q
}

void addBulgeSegmentFeatures(double px, double py, double qx, double qy, double bulge,
                             std::vector<FeaturePoint>& out) {
  if (std::fabs(bulge) < kStraightBulge || (px == qx && py == qy)) {
    addStraightEdgeFeatures(px, py, qx, qy, out);
    return;
  }
  const BulgeArc arc = arcOfBulge(px, py, qx, qy, bulge);
  addArcExtremeFeatures(arc.cx, arc.cy, arc.radius, arc.start, arc.end, out);
}

void addPolylineFeatures(std::span<const PolylineVertex> vertices, std::vector<FeaturePoint>& out) {
  const std::size_t n = vertices.size();
  if (n < 2)
    return;
  for (std::size_t i = 0; i < n; ++i) {
    const PolylineVertex& p = vertices[i];
    const PolylineVertex& q = vertices[(i + 1) % n];
    addBulgeSegmentFeatures(p.x, p.y, q.x, q.y, p.bulge, out);
  }
}

}  // namespace zek::adxy1
