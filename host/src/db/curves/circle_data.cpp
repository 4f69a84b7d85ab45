// The AcDbCircle section and the plane geometry circles and arcs share.
#include "db/curves/circle_data.h"

#include <cmath>

#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

namespace zek::curve {

Acad::ErrorStatus readCircleSection(AcDbDxfFiler* filer, CircleData& data) {
  if (!filer->atSubclassData("AcDbCircle"))
    return filer->filerStatus();
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        data.centreOcs.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        break;
      case 40:
        data.radius = std::fabs(rb.resval.rreal);
        break;
      case 39:
        data.thickness = rb.resval.rreal;
        break;
      case 210:
        data.normal.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        if (data.normal.isZeroLength())
          data.normal = AcGeVector3d::kZAxis;  // a zero extrusion means the default
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

void writeCircleSection(AcDbDxfFiler* filer, const CircleData& data) {
  filer->writeString(AcDb::kDxfSubclass, "AcDbCircle");
  if (data.thickness != 0.0)
    filer->writeDouble(AcDb::kDxfThickness, data.thickness);
  filer->writePoint3d(10, data.centreOcs);
  filer->writeDouble(40, data.radius);
  if (!isWorldZ(data.normal))
    filer->writeVector3d(AcDb::kDxfNormalX, data.normal);
}

void fileCircleData(AcDbDwgFiler* filer, const CircleData& data) {
  filer->writePoint3d(data.centreOcs);
  filer->writeDouble(data.radius);
  filer->writeVector3d(data.normal);
  filer->writeDouble(data.thickness);
}

void unfileCircleData(AcDbDwgFiler* filer, CircleData& data) {
  filer->readPoint3d(&data.centreOcs);
  filer->readDouble(&data.radius);
  filer->readVector3d(&data.normal);
  filer->readDouble(&data.thickness);
}

AcGePoint3d centreWcs(const CircleData& data) { return ocsToWcs(data.centreOcs, data.normal); }

void setCentreWcs(CircleData& data, const AcGePoint3d& centre) {
  data.centreOcs = wcsToOcs(centre, data.normal);
}

Acad::ErrorStatus setNormalKeepingCentre(CircleData& data, const AcGeVector3d& normal) {
  AcGeVector3d unit;
  if (!unitNormal(normal, unit))
    return Acad::eInvalidInput;
  const AcGePoint3d centre = centreWcs(data);
  data.normal = unit;
  setCentreWcs(data, centre);
  return Acad::eOk;
}

void radiusAxes(const CircleData& data, AcGeVector3d& xAxis, AcGeVector3d& yAxis) {
  xAxis = ocsToWcs(AcGeVector3d(data.radius, 0.0, 0.0), data.normal);
  yAxis = ocsToWcs(AcGeVector3d(0.0, data.radius, 0.0), data.normal);
}

AcGePoint3d pointAtAngle(const CircleData& data, double angle) {
  const AcGePoint3d ocs = data.centreOcs + AcGeVector3d(data.radius * std::cos(angle),
                                                        data.radius * std::sin(angle), 0.0);
  return ocsToWcs(ocs, data.normal);
}

double angleOfPoint(const CircleData& data, const AcGePoint3d& point) {
  const AcGePoint3d ocs = wcsToOcs(point, data.normal);
  return AcGeVector2d(ocs.x - data.centreOcs.x, ocs.y - data.centreOcs.y).angle();
}

double distanceFromCircle(const CircleData& data, const AcGePoint3d& point) {
  const AcGePoint3d ocs = wcsToOcs(point, data.normal);
  const double inPlane = std::hypot(ocs.x - data.centreOcs.x, ocs.y - data.centreOcs.y);
  return std::hypot(inPlane - data.radius, ocs.z - data.centreOcs.z);
}

Acad::ErrorStatus transformCircle(CircleData& data, const AcGeMatrix3d& xform,
                                  AcGeMatrix2d& local) {
  if (!xform.isUniScaledOrtho())
    return Acad::eNotApplicable;  // the circle would become an ellipse
  AcGeVector3d normal = data.normal;
  double elevation = data.centreOcs.z;
  local = xform.convertToLocal(normal, elevation);
  AcGePoint2d centre(data.centreOcs.x, data.centreOcs.y);
  centre.transformBy(local);
  const double scale = xform.scale();
  data.centreOcs.set(centre.x, centre.y, elevation);
  data.normal = normal;
  data.radius *= scale;
  data.thickness *= scale;
  return Acad::eOk;
}

AcDbExtents arcBox(const CircleData& data, double t0, double sweep) {
  AcGeVector3d xAxis, yAxis;
  radiusAxes(data, xAxis, yAxis);
  AcDbExtents box;
  addEllipticArcExtents(box, centreWcs(data), xAxis, yAxis, t0, sweep);
  AcGeVector3d unit;
  if (data.thickness != 0.0 && unitNormal(data.normal, unit))
    addExtrusion(box, unit * data.thickness);
  return box;
}

bool arcCrossesBox(const CircleData& data, double t0, double sweep, const AcDbExtents& box) {
  AcGeVector3d xAxis, yAxis;
  radiusAxes(data, xAxis, yAxis);
  const AcGePoint3d c = centreWcs(data);
  return ellipticArcCrossesRect(c.convert2d(), AcGeVector2d(xAxis.x, xAxis.y),
                                AcGeVector2d(yAxis.x, yAxis.y), t0, sweep, rectOf(box));
}

}  // namespace zek::curve
