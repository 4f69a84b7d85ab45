// Reading a HATCH record in the order the format writes it: the head (plane,
// pattern name, fill), the path count, each path (type flags, then polyline
// vertices or edges, then its source handles), and nothing after the paths.
#include "hatch_boundary.h"

#include "group_reader.h"

namespace zek::render {
namespace {

// The largest degree of a boundary spline worth evaluating.
constexpr long long kMaxSplineDegree = 25;

// A count fits when every counted item can still have `groupsEach` groups.
bool countFits(long long count, const GroupReader& groups, std::size_t groupsEach) {
  return count >= 0 && static_cast<unsigned long long>(count) * groupsEach <= groups.remaining();
}

void readHead(GroupReader& groups, HatchBoundary& hatch) {
  bool haveElevation = false;
  while (!groups.atEnd() && !groups.at(91)) {
    AcGeVector3d triple;
    long long fill = 0;
    if (!haveElevation && groups.at(10) && groups.takeTriple(10, triple)) {
      hatch.elevation = triple.z;  // the elevation point is (0, 0, elevation)
      haveElevation = true;
    } else if (groups.at(210) && groups.takeTriple(210, triple)) {
      hatch.normal = triple;
    } else if (groups.at(2)) {
      hatch.patternName = groups.text();
      groups.skip();
    } else if (groups.takeInteger(70, fill)) {
      hatch.solidFill = (fill & 1) != 0;
    } else {
      groups.skip();
    }
  }
}

bool readPolylinePath(GroupReader& groups, BoundaryPath& path) {
  long long hasBulge = 0, closed = 1, count = 0;
  (void)groups.takeInteger(72, hasBulge);
  (void)groups.takeInteger(73, closed);
  if (!groups.takeInteger(93, count) || !countFits(count, groups, 2))
    return false;
  path.closed = closed != 0;
  path.vertices.reserve(static_cast<std::size_t>(count));
  for (long long i = 0; i < count; ++i) {
    PolylineVertex vertex;
    if (!groups.takePoint(10, vertex.point))
      return false;
    if (groups.at(42) && !groups.takeReal(42, vertex.bulge))
      return false;
    path.vertices.push_back(vertex);
  }
  return true;
}

// A 97 right after a spline's control data is its fit point count when fit
// data follow, or when more edges follow (the path's source count comes only
// after its last edge); otherwise it is the source count.
bool startsFitData(const GroupReader& groups, bool lastEdge) {
  if (!groups.at(97))
    return false;
  int after = groups.codeAhead(1);
  return after == 11 || after == 12 || after == 13 || after == 97 || !lastEdge;
}

bool readFitData(GroupReader& groups, SplineEdge& spline) {
  long long count = 0;
  if (!groups.takeInteger(97, count) || !countFits(count, groups, 2))
    return false;
  for (long long i = 0; i < count; ++i) {
    AcGePoint2d fit;
    if (!groups.takePoint(11, fit))
      return false;
    spline.fitPoints.push_back(fit);
  }
  AcGePoint2d tangent;
  if (groups.at(12) && groups.takePoint(12, tangent))
    spline.startTangent = tangent - AcGePoint2d::kOrigin;
  if (groups.at(13) && groups.takePoint(13, tangent))
    spline.endTangent = tangent - AcGePoint2d::kOrigin;
  return true;
}

bool readSplineEdge(GroupReader& groups, SplineEdge& spline, bool lastEdge) {
  long long degree = 0, rational = 0, periodic = 0, knotCount = 0, controlCount = 0;
  if (!groups.takeInteger(94, degree) || !groups.takeInteger(73, rational) ||
      !groups.takeInteger(74, periodic) || !groups.takeInteger(95, knotCount) ||
      !groups.takeInteger(96, controlCount))
    return false;
  if (degree < 1 || degree > kMaxSplineDegree || !countFits(knotCount, groups, 1) ||
      !countFits(controlCount, groups, 2) ||
      !countFits(knotCount + 2 * controlCount, groups, 1))
    return false;
  spline.degree = static_cast<int>(degree);
  spline.rational = rational != 0;
  spline.periodic = periodic != 0;
  for (long long i = 0; i < knotCount; ++i) {
    double knot = 0.0;
    if (!groups.takeReal(40, knot))
      return false;
    spline.knots.push_back(knot);
  }
  // Weights follow each control point or come all together after them.
  for (long long i = 0; i < controlCount; ++i) {
    AcGePoint2d point;
    if (!groups.takePoint(10, point))
      return false;
    spline.controlPoints.push_back(point);
    double weight = 1.0;
    if (groups.at(42) && groups.takeReal(42, weight))
      spline.weights.push_back(weight);
  }
  double weight = 1.0;
  while (spline.weights.size() < spline.controlPoints.size() && groups.takeReal(42, weight))
    spline.weights.push_back(weight);
  if (startsFitData(groups, lastEdge) && !readFitData(groups, spline))
    return false;
  return true;
}

bool readArcEdge(GroupReader& groups, ArcEdge& arc) {
  long long ccw = 1;
  if (!groups.takePoint(10, arc.centre) || !groups.takeReal(40, arc.radius) ||
      !groups.takeReal(50, arc.startAngle) || !groups.takeReal(51, arc.endAngle) ||
      !groups.takeInteger(73, ccw))
    return false;
  arc.counterClockwise = ccw != 0;
  return arc.radius > 0.0;
}

bool readEllipseEdge(GroupReader& groups, EllipseEdge& ellipse) {
  long long ccw = 1;
  AcGePoint2d axisEnd;
  if (!groups.takePoint(10, ellipse.centre) || !groups.takePoint(11, axisEnd) ||
      !groups.takeReal(40, ellipse.ratio) || !groups.takeReal(50, ellipse.startAngle) ||
      !groups.takeReal(51, ellipse.endAngle) || !groups.takeInteger(73, ccw))
    return false;
  ellipse.majorAxis = axisEnd - AcGePoint2d::kOrigin;
  ellipse.counterClockwise = ccw != 0;
  return ellipse.ratio > 0.0 && !ellipse.majorAxis.isZeroLength();
}

bool readEdge(GroupReader& groups, BoundaryPath& path, bool lastEdge) {
  long long type = 0;
  if (!groups.takeInteger(72, type))
    return false;
  switch (type) {
    case 1: {
      LineEdge line;
      if (!groups.takePoint(10, line.start) || !groups.takePoint(11, line.end))
        return false;
      path.edges.emplace_back(line);
      return true;
    }
    case 2: {
      ArcEdge arc;
      if (!readArcEdge(groups, arc))
        return false;
      path.edges.emplace_back(arc);
      return true;
    }
    case 3: {
      EllipseEdge ellipse;
      if (!readEllipseEdge(groups, ellipse))
        return false;
      path.edges.emplace_back(ellipse);
      return true;
    }
    case 4: {
      SplineEdge spline;
      if (!readSplineEdge(groups, spline, lastEdge))
        return false;
      path.edges.emplace_back(std::move(spline));
      return true;
    }
    default:
      return false;  // no such edge type: the groups after it mean nothing known
  }
}

bool readEdgePath(GroupReader& groups, BoundaryPath& path) {
  long long count = 0;
  if (!groups.takeInteger(93, count) || !countFits(count, groups, 3))
    return false;
  for (long long i = 0; i < count; ++i)
    if (!readEdge(groups, path, i + 1 == count))
      return false;
  return true;
}

// The handles of the objects the path was made from: not geometry, skipped.
void skipSourceHandles(GroupReader& groups) {
  long long count = 0;
  if (!groups.takeInteger(97, count))
    return;
  for (long long i = 0; i < count && groups.at(330); ++i)
    groups.skip();
}

bool readPath(GroupReader& groups, BoundaryPath& path) {
  if (!groups.takeInteger(92, path.flags))
    return false;
  if (!(path.isPolyline() ? readPolylinePath(groups, path) : readEdgePath(groups, path)))
    return false;
  skipSourceHandles(groups);
  return true;
}

}  // namespace

bool readHatchBoundary(GroupReader& groups, HatchBoundary& hatch) {
  readHead(groups, hatch);
  long long count = 0;
  if (!groups.takeInteger(91, count) || count < 0)
    return false;
  for (long long i = 0; i < count; ++i) {
    BoundaryPath path;
    if (!readPath(groups, path)) {
      hatch.damaged = true;
      break;  // every path read is at least two groups: this ends on damaged counts too
    }
    hatch.paths.push_back(std::move(path));
  }
  return true;
}

}  // namespace zek::render
