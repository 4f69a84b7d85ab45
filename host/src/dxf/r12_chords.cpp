// Chords of ellipses and curves for their R12 forms.
#include "dxf/r12_chords.h"

#include <algorithm>
#include <cmath>

namespace zek::dxf {
namespace {

// Every interval between breaks starts as this many steps; halving stops
// at this depth below them.
constexpr int kStepsPerBreak = 4;
constexpr int kRefineDepth = 12;

double distanceToChord(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b) {
  const AcGeVector3d chord = b - a;
  const double lengthSqrd = chord.lengthSqrd();
  if (lengthSqrd == 0.0)
    return p.distanceTo(a);
  const double s = std::clamp((p - a).dotProduct(chord) / lengthSqrd, 0.0, 1.0);
  return p.distanceTo(a + chord * s);
}

// Adds the points after `a` up to `b` (parameters ta, tb), halving the
// interval while one of its quarter points strays from the chord.
bool refineSpan(const AcDbCurve& curve, double ta, const AcGePoint3d& a, double tb,
                const AcGePoint3d& b, double tolerance, int depth,
                std::vector<AcGePoint3d>& points) {
  AcGePoint3d inner[3];
  bool straight = true;
  for (int k = 0; k < 3; ++k) {
    if (curve.getPointAtParam(ta + (tb - ta) * (k + 1) / 4.0, inner[k]) != Acad::eOk)
      return false;
    straight = straight && distanceToChord(inner[k], a, b) <= tolerance;
  }
  if (straight || depth == 0 || points.size() >= kMaxCurvePoints) {
    points.push_back(b);
    return true;
  }
  const double tm = (ta + tb) / 2.0;
  return refineSpan(curve, ta, a, tm, inner[1], tolerance, depth - 1, points) &&
         refineSpan(curve, tm, inner[1], tb, b, tolerance, depth - 1, points);
}

}  // namespace

double chordTolerance(double size) {
  // A curve of no size (a spline whose points coincide) still needs a
  // tolerance above zero for the halving to end.
  return std::max(std::min(kChordShare * size, kMaxChordError), 1e-9);
}

// The ellipse is its major circle squeezed towards the major axis, which
// brings no two points farther apart; so a step whose sagitta on the major
// circle, a (1 − cos(Δt/2)), keeps within the chord error keeps it on the
// ellipse too.
bool ellipseChordPoints(const AcDbEllipse& ellipse, std::vector<AcGePoint3d>& points) {
  points.clear();
  const double major = ellipse.majorAxis().length();
  double t0 = 0.0, t1 = 0.0;
  if (major <= 0.0 || ellipse.getStartParam(t0) != Acad::eOk ||
      ellipse.getEndParam(t1) != Acad::eOk || t1 <= t0)
    return false;
  const double maxStep = 2.0 * std::acos(1.0 - chordTolerance(major) / major);
  const int chords =
      std::clamp(static_cast<int>(std::ceil((t1 - t0) / maxStep)), 1, kMaxEllipseChords);
  const int last = ellipse.isClosed() ? chords - 1 : chords;
  for (int i = 0; i <= last; ++i) {
    const double t = i == chords ? t1 : t0 + (t1 - t0) * i / chords;
    AcGePoint3d p;
    if (ellipse.getPointAtParam(t, p) != Acad::eOk)
      return false;
    points.push_back(p);
  }
  return true;
}

bool curveChordPoints(const AcDbCurve& curve, const std::vector<double>& breaks, double size,
                      std::vector<AcGePoint3d>& points) {
  points.assign(1, AcGePoint3d());
  if (breaks.size() < 2 || curve.getPointAtParam(breaks.front(), points[0]) != Acad::eOk)
    return false;
  const double tolerance = chordTolerance(size);
  for (std::size_t i = 1; i < breaks.size(); ++i) {
    const double from = breaks[i - 1], to = breaks[i];
    if (to <= from)
      return false;
    for (int step = 1; step <= kStepsPerBreak; ++step) {
      const double ta = from + (to - from) * (step - 1) / kStepsPerBreak;
      const double tb = step == kStepsPerBreak ? to : from + (to - from) * step / kStepsPerBreak;
      AcGePoint3d b;
      const AcGePoint3d a = points.back();
      if (curve.getPointAtParam(tb, b) != Acad::eOk ||
          !refineSpan(curve, ta, a, tb, b, tolerance, kRefineDepth, points))
        return false;
    }
  }
  if (curve.isClosed() && points.size() > 2)
    points.pop_back();  // the closing chord returns to the first point
  return true;
}

std::vector<double> splineBreaks(const AcDbSpline& spline) {
  double t0 = 0.0, t1 = 0.0;
  if (spline.getStartParam(t0) != Acad::eOk || spline.getEndParam(t1) != Acad::eOk || t1 <= t0)
    return {};
  std::vector<double> breaks = {t0};
  auto add = [&](double t) {
    if (t > breaks.back() && t < t1)
      breaks.push_back(t);
  };
  if (spline.numControlPoints() > 0) {
    for (int i = 0; i < spline.numKnots(); ++i)
      add(spline.knotAt(i));
  } else {
    double along = t0;
    AcGePoint3d previous, next;
    for (int i = 0; i < spline.numFitPoints() && spline.getFitPointAt(i, next) == Acad::eOk; ++i) {
      if (i > 0)
        add(along += next.distanceTo(previous));
      previous = next;
    }
  }
  breaks.push_back(t1);
  while (breaks.size() - 1 < kMinSplineSpans) {
    std::vector<double> halved;
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
      halved.push_back(breaks[i]);
      halved.push_back((breaks[i] + breaks[i + 1]) / 2.0);
    }
    halved.push_back(breaks.back());
    breaks = std::move(halved);
  }
  return breaks;
}

}  // namespace zek::dxf
