// Polyline paths: straight and bulged segments in the plane of a normal.
#include "db/curves/bulge_path.h"

#include <algorithm>
#include <cmath>

#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

namespace zek::curve {

namespace {

// The signed area between a bulged segment's chord and its arc:
// r²/2 · (θ − sin θ), positive for a positive (counter-clockwise) bulge.
// Such an arc lies to the right of its chord, outside a counter-clockwise
// outline, so it adds to the outline's (positive) area.
double bulgeArea(const AcGePoint2d& p1, const AcGePoint2d& p2, double bulge) {
  const BulgeArc arc = arcFromBulge(p1, p2, bulge);
  if (arc.radius == 0.0)
    return 0.0;
  const double theta = std::fabs(arc.sweep);
  const double segment = 0.5 * arc.radius * arc.radius * (theta - std::sin(theta));
  return bulge > 0.0 ? segment : -segment;
}

}  // namespace

int BulgePath::segmentCount() const {
  const int n = static_cast<int>(vertices.size());
  if (n < 2)
    return 0;
  return closed ? n : n - 1;
}

AcGePoint3d BulgePath::toWorld(const AcGePoint2d& point) const {
  return ocsToWcs(AcGePoint3d(point.x, point.y, elevation), normal);
}

AcGePoint2d BulgePath::pointOnSegment(int segment, double fraction) const {
  const AcGePoint2d& p1 = from(segment);
  const AcGePoint2d& p2 = to(segment);
  if (fraction <= 0.0)
    return p1;
  if (fraction >= 1.0)
    return p2;
  const BulgeArc arc = arcFromBulge(p1, p2, bulge(segment));
  if (arc.radius == 0.0)
    return p1 + (p2 - p1) * fraction;
  const double angle = (p1 - arc.centre).angle() + fraction * arc.sweep;
  return arc.centre + AcGeVector2d(std::cos(angle), std::sin(angle)) * arc.radius;
}

bool BulgePath::pointAt(double param, AcGePoint3d& point) const {
  if (vertices.empty())
    return false;
  const double end = endParam();
  const double tol = 1e-12 * (1.0 + end);
  if (!(param >= -tol && param <= end + tol))
    return false;
  if (segmentCount() == 0) {
    point = toWorld(vertices.front().point);
    return true;
  }
  param = std::clamp(param, 0.0, end);
  const int segment = std::min(static_cast<int>(param), segmentCount() - 1);
  point = toWorld(pointOnSegment(segment, param - segment));
  return true;
}

double BulgePath::lengthTo(double param) const {
  const int count = segmentCount();
  param = std::clamp(param, 0.0, static_cast<double>(count));
  double total = 0.0;
  for (int i = 0; i < count && i < param; ++i) {
    const double piece = bulgeSegmentLength(from(i), to(i), bulge(i));
    // An arc's length grows with its angle, a line's with its chord: both
    // linearly in the fraction.
    total += piece * std::min(1.0, param - i);
  }
  return total;
}

double BulgePath::paramAtLength(double dist) const {
  const int count = segmentCount();
  double done = 0.0;
  for (int i = 0; i < count; ++i) {
    const double piece = bulgeSegmentLength(from(i), to(i), bulge(i));
    if (piece > 0.0 && done + piece >= dist)
      return i + std::clamp((dist - done) / piece, 0.0, 1.0);
    done += piece;
  }
  return count;
}

bool BulgePath::paramAtPoint(const AcGePoint3d& point, double& param) const {
  if (vertices.empty())
    return false;
  const AcGePoint3d ocs = wcsToOcs(point, normal);
  const AcGePoint2d p = ocs.convert2d();
  double size = std::fabs(elevation);
  for (const PolylineVertex& v : vertices)
    size = std::max(size, v.point.asVector().length());
  const double tol = onCurveTolerance(size);
  if (std::fabs(ocs.z - elevation) > tol)
    return false;
  if (segmentCount() == 0) {
    param = 0.0;
    return p.distanceTo(vertices.front().point) <= tol;
  }
  for (int i = 0; i < segmentCount(); ++i) {
    const AcGePoint2d& p1 = from(i);
    const AcGePoint2d& p2 = to(i);
    const BulgeArc arc = arcFromBulge(p1, p2, bulge(i));
    if (p.distanceTo(p1) <= tol) {
      param = i;
      return true;
    }
    if (p.distanceTo(p2) <= tol) {
      param = i + 1;
      return true;
    }
    if (arc.radius == 0.0) {
      const AcGePoint3d foot = closestOnSegment(AcGePoint3d(p1.x, p1.y, 0.0),
                                                AcGePoint3d(p2.x, p2.y, 0.0),
                                                AcGePoint3d(p.x, p.y, 0.0));
      if (foot.convert2d().distanceTo(p) <= tol) {
        param = i + p1.distanceTo(foot.convert2d()) / p1.distanceTo(p2);
        return true;
      }
      continue;
    }
    if (std::fabs(p.distanceTo(arc.centre) - arc.radius) > tol)
      continue;
    // The turn from p1 to the point, in the arc's direction.
    const double start = (p1 - arc.centre).angle();
    const double angle = (p - arc.centre).angle();
    const double turn = arc.sweep > 0.0 ? normalizeAngle(angle - start)
                                        : normalizeAngle(start - angle);
    if (turn <= std::fabs(arc.sweep)) {
      param = i + turn / std::fabs(arc.sweep);
      return true;
    }
  }
  return false;
}

AcGePoint3d BulgePath::closestPoint(const AcGePoint3d& point) const {
  if (segmentCount() == 0)
    return vertices.empty() ? point : toWorld(vertices.front().point);
  // In the plane: the offset along the normal is the same for every point.
  const AcGePoint2d p = wcsToOcs(point, normal).convert2d();
  AcGePoint2d best = vertices.front().point;
  for (int i = 0; i < segmentCount(); ++i) {
    const AcGePoint2d& p1 = from(i);
    const AcGePoint2d& p2 = to(i);
    const BulgeArc arc = arcFromBulge(p1, p2, bulge(i));
    AcGePoint2d candidate;
    if (arc.radius == 0.0) {
      candidate = closestOnSegment(AcGePoint3d(p1.x, p1.y, 0.0), AcGePoint3d(p2.x, p2.y, 0.0),
                                   AcGePoint3d(p.x, p.y, 0.0))
                      .convert2d();
    } else {
      const double angle = (p - arc.centre).angle();
      if (angleOnArc(angle, arc.startAngle, arc.endAngle) && p.distanceTo(arc.centre) > 0.0)
        candidate = arc.centre + AcGeVector2d(std::cos(angle), std::sin(angle)) * arc.radius;
      else
        candidate = p.distanceTo(p1) <= p.distanceTo(p2) ? p1 : p2;
    }
    if (p.distanceTo(candidate) < p.distanceTo(best))
      best = candidate;
  }
  return toWorld(best);
}

double BulgePath::area() const {
  const int n = static_cast<int>(vertices.size());
  if (n < 2)
    return 0.0;
  // The shoelace sum over every segment, the closing one always included,
  // and each bulge's segment between chord and arc.
  double twice = 0.0, arcs = 0.0;
  const int segments = closed ? n : n - 1;
  for (int i = 0; i < n; ++i) {
    const AcGePoint2d& p1 = vertices[i].point;
    const AcGePoint2d& p2 = vertices[(i + 1) % n].point;
    twice += p1.x * p2.y - p2.x * p1.y;
    if (i < segments)
      arcs += bulgeArea(p1, p2, vertices[i].bulge);
  }
  // Counter-clockwise outlines have a positive shoelace sum, and a positive
  // bulge adds to it (see bulgeArea); clockwise ones are negative throughout.
  return std::fabs(0.5 * twice + arcs);
}

AcDbExtents BulgePath::extents(double thickness) const {
  AcDbExtents box;
  for (const PolylineVertex& v : vertices)
    box.addPoint(toWorld(v.point));
  const AcGeVector3d xAxis = ocsToWcs(AcGeVector3d::kXAxis, normal);
  const AcGeVector3d yAxis = ocsToWcs(AcGeVector3d::kYAxis, normal);
  for (int i = 0; i < segmentCount(); ++i) {
    const BulgeArc arc = arcFromBulge(from(i), to(i), bulge(i));
    if (arc.radius == 0.0)
      continue;
    addEllipticArcExtents(box, toWorld(arc.centre), xAxis * arc.radius, yAxis * arc.radius,
                          arc.startAngle, std::fabs(arc.sweep));
  }
  AcGeVector3d unit;
  if (thickness != 0.0 && unitNormal(normal, unit))
    addExtrusion(box, unit * thickness);
  return box;
}

bool BulgePath::crossesBox(const AcDbExtents& box) const {
  const Rect2d rect = rectOf(box);
  if (vertices.empty())
    return false;
  if (segmentCount() == 0)
    return rect.contains(toWorld(vertices.front().point).convert2d());
  const AcGeVector3d xAxis = ocsToWcs(AcGeVector3d::kXAxis, normal);
  const AcGeVector3d yAxis = ocsToWcs(AcGeVector3d::kYAxis, normal);
  for (int i = 0; i < segmentCount(); ++i) {
    const BulgeArc arc = arcFromBulge(from(i), to(i), bulge(i));
    if (arc.radius == 0.0) {
      if (segmentCrossesRect(toWorld(from(i)).convert2d(), toWorld(to(i)).convert2d(), rect))
        return true;
      continue;
    }
    const AcGePoint3d centre = toWorld(arc.centre);
    if (ellipticArcCrossesRect(centre.convert2d(), AcGeVector2d(xAxis.x, xAxis.y) * arc.radius,
                               AcGeVector2d(yAxis.x, yAxis.y) * arc.radius, arc.startAngle,
                               std::fabs(arc.sweep), rect))
      return true;
  }
  return false;
}

void BulgePath::explode(const AcDbEntity& source, double thickness,
                        AcDbVoidPtrArray& entities) const {
  for (int i = 0; i < segmentCount(); ++i) {
    const AcGePoint2d& p1 = from(i);
    const AcGePoint2d& p2 = to(i);
    if (p1 == p2)
      continue;  // coincident vertices draw nothing
    const BulgeArc arc = arcFromBulge(p1, p2, bulge(i));
    AcDbEntity* piece = nullptr;
    Acad::ErrorStatus es = Acad::eOk;
    if (arc.radius == 0.0) {
      auto* line = new AcDbLine(toWorld(p1), toWorld(p2));
      es = line->setNormal(normal);
      if (es == Acad::eOk)
        es = line->setThickness(thickness);
      piece = line;
    } else {
      auto* arcEntity =
          new AcDbArc(toWorld(arc.centre), normal, arc.radius, arc.startAngle, arc.endAngle);
      es = arcEntity->setThickness(thickness);
      piece = arcEntity;
    }
    if (es == Acad::eOk)
      es = piece->setPropertiesFrom(&source);
    // A polyline's own normal and thickness always suit its pieces; should
    // one not, the piece is left out rather than handed out wrong.
    if (es != Acad::eOk) {
      delete piece;
      continue;
    }
    entities.append(piece);
  }
}

}  // namespace zek::curve
