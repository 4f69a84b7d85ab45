// AcDbCurve: the queries every curve answers. Point and distance queries
// that follow from the parameter ones are answered through them; the rest
// answer eNotImplementedYet until a curve overrides them.
#include "db_curves.h"

#include "db_polyline.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbCurve, AcDbEntity, "", nullptr)

bool AcDbCurve::isClosed() const { return false; }
bool AcDbCurve::isPeriodic() const { return false; }

Acad::ErrorStatus AcDbCurve::getStartParam(double&) const { return Acad::eNotImplementedYet; }
Acad::ErrorStatus AcDbCurve::getEndParam(double&) const { return Acad::eNotImplementedYet; }

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getStartParam(param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getEndParam(param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getParamAtDist(double, double&) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getDistAtParam(param, dist) : es;
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d&, AcGePoint3d&, bool) const {
  return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getArea(double&) const { return Acad::eNotImplementedYet; }

void zek::registerCurveClasses() {
  AcDbCurve::rxInit();
  AcDbLine::rxInit();
  AcDbCircle::rxInit();
  AcDbArc::rxInit();
  AcDbEllipse::rxInit();
  AcDbSpline::rxInit();
  AcDbPoint::rxInit();
  AcDbPolyline::rxInit();
  AcDbVertex::rxInit();
  AcDb2dVertex::rxInit();
  AcDb2dPolyline::rxInit();
}

namespace {
// The classes register when the library loads, so that a drawing read before
// anything asked for them still finds CIRCLE, LWPOLYLINE and the rest.
[[maybe_unused]] const bool kCurveClassesRegistered = (zek::registerCurveClasses(), true);
}  // namespace
