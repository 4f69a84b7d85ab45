// AcDbArc: a circular arc running counter-clockwise (about its normal) from
// its start angle to its end angle, parameterised by the angle.
#include "db_curves.h"

#include <cmath>

#include "db/curves/circle_data.h"
#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbArc, AcDbCurve, "ARC", []() -> AcRxObject* { return new AcDbArc; })

using namespace zek::curve;

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : AcDbArc(center, AcGeVector3d::kZAxis, radius, startAngle, endAngle) {}

AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius,
                 double startAngle, double endAngle)
    : startAngle_(zek::normalizeAngle(startAngle)), endAngle_(zek::normalizeAngle(endAngle)) {
  AcGeVector3d unit;
  data_.normal = unitNormal(normal, unit) ? unit : AcGeVector3d::kZAxis;
  data_.radius = std::fabs(radius);
  setCentreWcs(data_, center);
}

AcGePoint3d AcDbArc::center() const { assertReadEnabled(); return centreWcs(data_); }
double AcDbArc::radius() const { assertReadEnabled(); return data_.radius; }
double AcDbArc::startAngle() const { assertReadEnabled(); return startAngle_; }
double AcDbArc::endAngle() const { assertReadEnabled(); return endAngle_; }
double AcDbArc::totalAngle() const {
  assertReadEnabled();
  return zek::arcSweep(startAngle_, endAngle_);
}
AcGeVector3d AcDbArc::normal() const { assertReadEnabled(); return data_.normal; }
double AcDbArc::thickness() const { assertReadEnabled(); return data_.thickness; }

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& center) {
  assertWriteEnabled();
  setCentreWcs(data_, center);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setRadius(double radius) {
  assertWriteEnabled();
  if (!(radius >= 0.0) || !std::isfinite(radius))
    return Acad::eInvalidInput;
  data_.radius = radius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle))
    return Acad::eInvalidInput;
  startAngle_ = zek::normalizeAngle(angle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle))
    return Acad::eInvalidInput;
  endAngle_ = zek::normalizeAngle(angle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  return setNormalKeepingCentre(data_, normal);
}

Acad::ErrorStatus AcDbArc::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness))
    return Acad::eInvalidInput;
  data_.thickness = thickness;
  return Acad::eOk;
}

// ---- Curve queries ----------------------------------------------------------

namespace {
double arcTolerance(const zek::CircleData& data) {
  return onCurveTolerance(data.radius + data.centreOcs.asVector().length());
}
}  // namespace

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const {
  param = startAngle();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndParam(double& param) const {
  param = startAngle() + totalAngle();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getStartPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  point = pointAtAngle(data_, startAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  point = pointAtAngle(data_, endAngle_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  const double sweep = totalAngle();
  const double tol = 1e-12 * (1.0 + std::fabs(param));
  if (!(param >= startAngle_ - tol && param <= startAngle_ + sweep + tol))
    return Acad::eInvalidInput;
  point = pointAtAngle(data_, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  const double tol = arcTolerance(data_);
  if (distanceFromCircle(data_, point) > tol)
    return Acad::eInvalidInput;
  const double sweep = totalAngle();
  // The end points first: a point a hair before the start angle is the start.
  if (point.distanceTo(pointAtAngle(data_, startAngle_)) <= tol) {
    param = startAngle_;
    return Acad::eOk;
  }
  if (point.distanceTo(pointAtAngle(data_, endAngle_)) <= tol) {
    param = startAngle_ + sweep;
    return Acad::eOk;
  }
  const double along = zek::normalizeAngle(angleOfPoint(data_, point) - startAngle_);
  if (along > sweep)
    return Acad::eInvalidInput;
  param = startAngle_ + along;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const {
  AcGePoint3d unused;
  Acad::ErrorStatus es = getPointAtParam(param, unused);
  if (es != Acad::eOk)
    return es;
  dist = data_.radius * std::fmax(param - startAngle_, 0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  const double length = data_.radius * totalAngle();
  const double tol = arcTolerance(data_);
  if (!(dist >= -tol && dist <= length + tol) || data_.radius == 0.0)
    return Acad::eInvalidInput;
  param = startAngle_ + std::fmin(std::fmax(dist, 0.0), length) / data_.radius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return AcDbCurve::getDistAtPoint(point, dist);
}

Acad::ErrorStatus AcDbArc::getPointAtDist(double dist, AcGePoint3d& point) const {
  return AcDbCurve::getPointAtDist(dist, point);
}

Acad::ErrorStatus AcDbArc::getClosestPointTo(const AcGePoint3d& givenPoint,
                                             AcGePoint3d& pointOnCurve, bool extend) const {
  assertReadEnabled();
  const double angle = angleOfPoint(data_, givenPoint);
  if (extend || zek::angleOnArc(angle, startAngle_, endAngle_)) {
    pointOnCurve = pointAtAngle(data_, angle);
    return Acad::eOk;
  }
  const AcGePoint3d start = pointAtAngle(data_, startAngle_);
  const AcGePoint3d end = pointAtAngle(data_, endAngle_);
  pointOnCurve = givenPoint.distanceTo(start) <= givenPoint.distanceTo(end) ? start : end;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getArea(double& area) const {
  // The segment between the arc and its chord: r²/2 · (θ − sin θ).
  const double sweep = totalAngle();
  area = 0.5 * data_.radius * data_.radius * (sweep - std::sin(sweep));
  return Acad::eOk;
}

// ---- Entity geometry ----------------------------------------------------------

Acad::ErrorStatus AcDbArc::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = arcBox(data_, startAngle_, totalAngle());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeMatrix2d local;
  Acad::ErrorStatus es = transformCircle(data_, xform, local);
  if (es != Acad::eOk)
    return es;
  // The end directions turn with the plane; a mirroring reverses the arc,
  // so that it still runs counter-clockwise from start to end.
  const auto turned = [&](double angle) {
    AcGeVector2d direction(std::cos(angle), std::sin(angle));
    direction.transformBy(local);
    return direction.angle();
  };
  const double start = turned(startAngle_), end = turned(endAngle_);
  const bool mirrored = local.det() < 0.0;
  startAngle_ = mirrored ? end : start;
  endAngle_ = mirrored ? start : end;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                         AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(pointAtAngle(data_, startAngle_));
  gripPoints.append(pointAtAngle(data_, startAngle_ + 0.5 * totalAngle()));
  gripPoints.append(pointAtAngle(data_, endAngle_));
  gripPoints.append(centreWcs(data_));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::moveGripPointsAt(const AcDbIntArray& indices,
                                            const AcGeVector3d& offset) {
  assertWriteEnabled();
  if (indices.contains(3)) {
    setCentreWcs(data_, centreWcs(data_) + offset);
    return Acad::eOk;
  }
  // Start, middle and end in the plane, the moved ones moved; the arc
  // through the three.
  AcGePoint2d p[3];
  const double angles[3] = {startAngle_, startAngle_ + 0.5 * totalAngle(), endAngle_};
  bool moved = false;
  for (int i = 0; i < 3; ++i) {
    AcGePoint3d point = pointAtAngle(data_, angles[i]);
    if (indices.contains(i)) {
      point += offset;
      moved = true;
    }
    p[i] = wcsToOcs(point, data_.normal).convert2d();
  }
  if (!moved)
    return Acad::eOk;
  // The centre is where the perpendicular bisectors of p0p1 and p1p2 meet.
  const AcGeVector2d a = p[1] - p[0], b = p[2] - p[1];
  const double cross = a.crossProduct(b);
  if (std::fabs(cross) <= 1e-12 * a.length() * b.length())
    return Acad::eInvalidInput;  // the three points lie on a line
  // The circumcentre relative to p0, with a = p1 − p0 and c = p2 − p0:
  // (c.y·|a|² − a.y·|c|², a.x·|c|² − c.x·|a|²) / (2·(a × c)).
  const AcGeVector2d c = p[2] - p[0];
  const double a2 = a.lengthSqrd(), c2 = c.lengthSqrd();
  const double d = 2.0 * a.crossProduct(c);
  const AcGePoint2d centre(p[0].x + (c.y * a2 - a.y * c2) / d, p[0].y + (a.x * c2 - c.x * a2) / d);
  data_.centreOcs.set(centre.x, centre.y, data_.centreOcs.z);
  data_.radius = centre.distanceTo(p[0]);
  const double s = (p[0] - centre).angle(), e = (p[2] - centre).angle();
  // Counter-clockwise through the middle point when it turns left, else the
  // other way round.
  startAngle_ = cross > 0.0 ? s : e;
  endAngle_ = cross > 0.0 ? e : s;
  return Acad::eOk;
}

bool AcDbArc::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  return arcCrossesBox(data_, startAngle_, totalAngle(), box);
}

// ---- Filing -----------------------------------------------------------------

Acad::ErrorStatus AcDbArc::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  fileCircleData(filer, data_);
  filer->writeDouble(startAngle_);
  filer->writeDouble(endAngle_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  unfileCircleData(filer, data_);
  filer->readDouble(&startAngle_);
  filer->readDouble(&endAngle_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  es = readCircleSection(filer, data_);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbArc"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 50:
        startAngle_ = radiansFromDxfDegrees(rb.resval.rreal);
        break;
      case 51:
        endAngle_ = radiansFromDxfDegrees(rb.resval.rreal);
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbArc::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  writeCircleSection(filer, data_);
  filer->writeString(AcDb::kDxfSubclass, "AcDbArc");
  filer->writeDouble(50, dxfDegreesFromRadians(startAngle_));
  filer->writeDouble(51, dxfDegreesFromRadians(endAngle_));
  return filer->filerStatus();
}
