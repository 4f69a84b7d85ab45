// Boundary paths as outlines. Arc and ellipse edges file their angles in
// degrees; a clockwise edge files them mirrored, its points lying at minus
// the filed angles, so it is flattened counter-clockwise and mirrored back.
#include "hatch_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "db/curves/spline_evaluator.h"

namespace zek::render {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The sweep from start to end counter-clockwise in degrees, in (0, 360]: an
// end equal to the start (0 to 360 as filed) is the full turn.
double sweepDegrees(double start, double end) {
  double sweep = std::fmod(end - start, 360.0);
  return sweep <= 0.0 ? sweep + 360.0 : sweep;
}

void appendLine(Outline& outline, const LineEdge& line) {
  appendPoint(outline, line.start);
  appendPoint(outline, line.end);
}

void appendArcEdge(Outline& outline, const ArcEdge& arc, double tolerance) {
  double start = arc.startAngle * kRadiansPerDegree;
  double sweep = sweepDegrees(arc.startAngle, arc.endAngle) * kRadiansPerDegree;
  if (arc.counterClockwise)
    appendArc(outline, arc.centre, arc.radius, start, sweep, tolerance);
  else
    appendArc(outline, arc.centre, arc.radius, -start, -sweep, tolerance);
}

void appendEllipseEdge(Outline& outline, const EllipseEdge& ellipse, double tolerance) {
  double start = ellipseParamOfAngle(ellipse.startAngle * kRadiansPerDegree, ellipse.ratio);
  double end = ellipseParamOfAngle(ellipse.endAngle * kRadiansPerDegree, ellipse.ratio);
  double sweep = sweepDegrees(start / kRadiansPerDegree, end / kRadiansPerDegree) * kRadiansPerDegree;
  if (std::fabs(sweepDegrees(ellipse.startAngle, ellipse.endAngle) - 360.0) < 1e-9)
    sweep = 2.0 * std::numbers::pi;  // a whole ellipse stays whole through the conversion
  double sign = ellipse.counterClockwise ? 1.0 : -1.0;
  appendEllipseArc(outline, ellipse.centre, ellipse.majorAxis, ellipse.ratio, sign * start,
                   sign * sweep, tolerance);
}

AcGePoint3d onPlane(const AcGePoint2d& p) { return AcGePoint3d(p.x, p.y, 0.0); }
AcGeVector3d onPlane(const AcGeVector2d& v) { return AcGeVector3d(v.x, v.y, 0.0); }

bool appendSplineEdge(Outline& outline, const SplineEdge& spline, double tolerance) {
  std::vector<AcGePoint3d> controls, fits;
  for (const AcGePoint2d& p : spline.controlPoints)
    controls.push_back(onPlane(p));
  for (const AcGePoint2d& p : spline.fitPoints)
    fits.push_back(onPlane(p));
  std::vector<double> weights;
  if (spline.rational)
    weights = spline.weights;
  curve::SplineCurve curve =
      curve::buildSplineCurve(spline.degree, spline.knots, weights, controls, fits,
                              onPlane(spline.startTangent), onPlane(spline.endTangent));
  return curve.valid && appendNurbs(outline, curve.nurbs, tolerance);
}

Outline polylineOutline(const BoundaryPath& path, double tolerance) {
  Outline outline;
  const std::vector<PolylineVertex>& vertices = path.vertices;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    appendPoint(outline, vertices[i].point);
    bool last = i + 1 == vertices.size();
    if (last && !path.closed)
      break;  // an open path closes with a straight chord
    const AcGePoint2d& next = vertices[last ? 0 : i + 1].point;
    appendBulgeSegment(outline, vertices[i].point, next, vertices[i].bulge, tolerance);
  }
  return outline;
}

Outline edgeOutline(const BoundaryPath& path, double tolerance) {
  Outline outline;
  for (const BoundaryEdge& edge : path.edges) {
    if (const auto* line = std::get_if<LineEdge>(&edge))
      appendLine(outline, *line);
    else if (const auto* arc = std::get_if<ArcEdge>(&edge))
      appendArcEdge(outline, *arc, tolerance);
    else if (const auto* ellipse = std::get_if<EllipseEdge>(&edge))
      appendEllipseEdge(outline, *ellipse, tolerance);
    else if (!appendSplineEdge(outline, std::get<SplineEdge>(edge), tolerance))
      return {};  // a spline that is no curve leaves a gap nobody can close
  }
  return outline;
}

}  // namespace

double ellipseParamOfAngle(double angle, double ratio) {
  // The point at parameter t is (a cos t, b sin t): tan(angle) = ratio tan t.
  double t = std::atan2(std::sin(angle), ratio * std::cos(angle));
  // Keep whole turns: 360° stays 2π, not 0.
  return t + std::round((angle - t) / (2.0 * std::numbers::pi)) * 2.0 * std::numbers::pi;
}

Outline pathOutline(const BoundaryPath& path, double tolerance) {
  Outline outline = path.isPolyline() ? polylineOutline(path, tolerance) : edgeOutline(path, tolerance);
  while (outline.size() > 1 && outline.back().distanceTo(outline.front()) <=
                                   1e-12 * std::max(1.0, std::fabs(outline.front().x) +
                                                             std::fabs(outline.front().y)))
    outline.pop_back();  // the closing chord is implied
  return outline;
}

}  // namespace zek::render
