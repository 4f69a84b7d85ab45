// Chords of arcs, ellipses, bulges and NURBS curves. Arcs and ellipses take
// equal parameter steps sized by the sagitta of their largest radius; NURBS
// spans are halved until the chord meets the curve's midpoint within the
// tolerance.
#include "curve_flattening.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zek::render {
namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2.0;
// A span of a NURBS is halved at least this often (a span whose midpoint
// lies on its chord may still bend) and at most this often.
constexpr int kMinSpanDepth = 2;
constexpr int kMaxSpanDepth = 12;
// The most points one NURBS curve gives.
constexpr std::size_t kMaxNurbsPoints = 16 * kMaxChordsPerCurve;

AcGePoint2d flat(const AcGePoint3d& p) { return AcGePoint2d(p.x, p.y); }

double distanceToChord(const AcGePoint2d& p, const AcGePoint2d& a, const AcGePoint2d& b) {
  AcGeVector2d chord = b - a;
  double lengthSquared = chord.lengthSqrd();
  if (lengthSquared == 0.0)
    return p.distanceTo(a);
  double t = std::clamp((p - a).dotProduct(chord) / lengthSquared, 0.0, 1.0);
  return p.distanceTo(a + chord * t);
}

struct SpanSampler {
  const curve::Nurbs& nurbs;
  double tolerance;
  Outline& outline;

  // Appends the points of (u0, u1], p0 and p1 being the curve at its ends.
  void sample(double u0, const AcGePoint2d& p0, double u1, const AcGePoint2d& p1, int depth) {
    double um = 0.5 * (u0 + u1);
    AcGePoint2d pm = flat(nurbs.pointAt(um));
    bool bends = !(tolerance > 0.0) || distanceToChord(pm, p0, p1) > tolerance;
    if (depth < kMaxSpanDepth && outline.size() < kMaxNurbsPoints &&
        (depth < kMinSpanDepth || bends)) {
      sample(u0, p0, um, pm, depth + 1);
      sample(um, pm, u1, p1, depth + 1);
      return;
    }
    appendPoint(outline, p1);
  }
};

}  // namespace

int chordCount(double radius, double sweep, double tolerance) {
  double turn = std::fabs(sweep);
  if (!std::isfinite(turn) || !std::isfinite(radius) || radius <= 0.0)
    return 1;
  double step = kQuarterTurn;
  if (!(tolerance > 0.0) || !std::isfinite(tolerance))
    step = 0.0;
  else if (tolerance < radius)
    step = std::min(step, 2.0 * std::acos(1.0 - tolerance / radius));
  if (step <= 0.0)
    return kMaxChordsPerCurve;
  double count = std::ceil(turn / step);
  return static_cast<int>(std::clamp(count, 1.0, static_cast<double>(kMaxChordsPerCurve)));
}

void appendPoint(Outline& outline, const AcGePoint2d& point) {
  if (!outline.empty()) {
    const AcGePoint2d& last = outline.back();
    double scale = std::max({1.0, std::fabs(point.x), std::fabs(point.y)});
    if (last.distanceTo(point) <= 1e-12 * scale)
      return;
  }
  outline.push_back(point);
}

void appendArc(Outline& outline, const AcGePoint2d& centre, double radius, double startAngle,
               double sweep, double tolerance) {
  int count = chordCount(radius, sweep, tolerance);
  for (int i = 0; i <= count; ++i) {
    double angle = startAngle + sweep * i / count;
    appendPoint(outline, centre + AcGeVector2d(std::cos(angle), std::sin(angle)) * radius);
  }
}

void appendEllipseArc(Outline& outline, const AcGePoint2d& centre, const AcGeVector2d& majorAxis,
                      double ratio, double startParam, double sweep, double tolerance) {
  // The ellipse is a circle of the major radius squeezed along the minor
  // axis: the squeeze never moves a chord farther from its arc.
  AcGeVector2d minorAxis = AcGeVector2d(-majorAxis.y, majorAxis.x) * ratio;
  double largest = std::max(majorAxis.length(), minorAxis.length());
  int count = chordCount(largest, sweep, tolerance);
  for (int i = 0; i <= count; ++i) {
    double t = startParam + sweep * i / count;
    appendPoint(outline, centre + majorAxis * std::cos(t) + minorAxis * std::sin(t));
  }
}

void appendBulgeSegment(Outline& outline, const AcGePoint2d& from, const AcGePoint2d& to,
                        double bulge, double tolerance) {
  AcGeVector2d chord = to - from;
  if (std::fabs(bulge) < 1e-12 || chord.length() == 0.0 || !std::isfinite(bulge)) {
    appendPoint(outline, to);
    return;
  }
  // The centre lies off the chord's midpoint, to the left for a positive
  // bulge below a half circle: (1 - b²) / 4b of the chord, turned a quarter.
  AcGePoint2d centre =
      from + chord * 0.5 + AcGeVector2d(-chord.y, chord.x) * ((1.0 - bulge * bulge) / (4.0 * bulge));
  AcGeVector2d fromCentre = from - centre;
  double sweep = 4.0 * std::atan(bulge);
  Outline arc;
  appendArc(arc, centre, fromCentre.length(), std::atan2(fromCentre.y, fromCentre.x), sweep, tolerance);
  for (std::size_t i = 1; i + 1 < arc.size(); ++i)
    appendPoint(outline, arc[i]);
  appendPoint(outline, to);  // the vertex itself, not its rounded copy
}

bool appendNurbs(Outline& outline, const curve::Nurbs& nurbs, double tolerance) {
  if (!nurbs.isValid())
    return false;
  std::vector<double> breaks = nurbs.breakpoints();
  if (breaks.size() < 2)
    return false;
  Outline points;
  SpanSampler sampler{nurbs, tolerance, points};
  AcGePoint2d start = flat(nurbs.pointAt(breaks.front()));
  points.push_back(start);
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
    AcGePoint2d end = flat(nurbs.pointAt(breaks[i + 1]));
    sampler.sample(breaks[i], start, breaks[i + 1], end, 0);
    start = end;
  }
  for (const AcGePoint2d& p : points)
    appendPoint(outline, p);
  return true;
}

}  // namespace zek::render
