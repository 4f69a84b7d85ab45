// AcDbPolyline as a curve: parameters, lengths, points, extents, the
// transformation in its plane, grips, explosion and the crossing test, on
// the path its vertices and bulges make (bulge_path.h).
#include "db_polyline.h"

#include <cmath>

#include "db/curves/bulge_path.h"
#include "db/curves/curve_math.h"

using namespace zek::curve;

namespace {
BulgePath pathOf(const AcDbPolyline& polyline) {
  return BulgePath{polyline.vertices(), polyline.isClosed(), polyline.normal(),
                   polyline.elevation()};
}
}  // namespace

Acad::ErrorStatus AcDbPolyline::getStartParam(double& param) const {
  if (numVerts() == 0)
    return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndParam(double& param) const {
  if (numVerts() == 0)
    return Acad::eDegenerateGeometry;
  param = pathOf(*this).endParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartPoint(AcGePoint3d& point) const {
  return AcDbCurve::getStartPoint(point);
}

Acad::ErrorStatus AcDbPolyline::getEndPoint(AcGePoint3d& point) const {
  return AcDbCurve::getEndPoint(point);
}

Acad::ErrorStatus AcDbPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (numVerts() == 0)
    return Acad::eDegenerateGeometry;
  return pathOf(*this).pointAt(param, point) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbPolyline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  return pathOf(*this).paramAtPoint(point, param) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbPolyline::getDistAtParam(double param, double& dist) const {
  const BulgePath path = pathOf(*this);
  AcGePoint3d unused;
  if (!path.pointAt(param, unused))
    return Acad::eInvalidInput;
  dist = path.lengthTo(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getParamAtDist(double dist, double& param) const {
  const BulgePath path = pathOf(*this);
  const double length = path.length();
  const double tol = onCurveTolerance(length);
  if (numVerts() == 0 || !(dist >= -tol && dist <= length + tol))
    return Acad::eInvalidInput;
  param = path.paramAtLength(dist);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return AcDbCurve::getDistAtPoint(point, dist);
}

Acad::ErrorStatus AcDbPolyline::getPointAtDist(double dist, AcGePoint3d& point) const {
  return AcDbCurve::getPointAtDist(dist, point);
}

Acad::ErrorStatus AcDbPolyline::getClosestPointTo(const AcGePoint3d& givenPoint,
                                                  AcGePoint3d& pointOnCurve, bool) const {
  if (numVerts() == 0)
    return Acad::eDegenerateGeometry;
  pointOnCurve = pathOf(*this).closestPoint(givenPoint);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArea(double& area) const {
  area = pathOf(*this).area();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getGeomExtents(AcDbExtents& extents) const {
  if (numVerts() == 0)
    return Acad::eInvalidExtents;
  extents = pathOf(*this).extents(thickness());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  if (!xform.isUniScaledOrtho() && hasBulges())
    return Acad::eNotApplicable;  // arcs would become elliptic
  AcGeVector3d normal = normal_;
  double elevation = elevation_;
  const AcGeMatrix2d local = xform.convertToLocal(normal, elevation);
  // A mirroring within the plane reverses the turning of every arc.
  const bool mirrored = local.det() < 0.0;
  for (zek::PolylineVertex& v : vertices_) {
    v.point.transformBy(local);
    if (mirrored)
      v.bulge = -v.bulge;
  }
  const double scale = xform.scale();
  for (zek::SegmentWidths& w : widths_) {
    w.start *= scale;
    w.end *= scale;
  }
  constantWidth_ *= scale;
  thickness_ *= scale;
  normal_ = normal;
  elevation_ = elevation;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                              AcDbIntArray&) const {
  const BulgePath path = pathOf(*this);
  for (const zek::PolylineVertex& v : path.vertices)
    gripPoints.append(path.toWorld(v.point));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::moveGripPointsAt(const AcDbIntArray& indices,
                                                 const AcGeVector3d& offset) {
  assertWriteEnabled();
  const BulgePath path = pathOf(*this);
  std::vector<AcGePoint2d> moved;
  for (int index : indices) {
    if (index < 0 || !hasVertex(static_cast<unsigned int>(index)))
      return Acad::eInvalidIndex;
    moved.push_back(
        wcsToOcs(path.toWorld(vertices_[index].point) + offset, normal_).convert2d());
  }
  for (std::size_t i = 0; i < moved.size(); ++i)
    vertices_[indices[static_cast<int>(i)]].point = moved[i];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  pathOf(*this).explode(*this, thickness(), entitySet);
  return Acad::eOk;
}

bool AcDbPolyline::crossesBox(const AcDbExtents& box) const {
  return pathOf(*this).crossesBox(box);
}

Acad::ErrorStatus AcDbPolyline::convertTo(AcDb2dPolyline*& polyline, bool transferId) const {
  assertReadEnabled();
  polyline = nullptr;
  if (transferId)
    return Acad::eNotImplementedYet;  // handing this polyline's id over is not offered
  auto heavy = std::make_unique<AcDb2dPolyline>();
  Acad::ErrorStatus es = heavy->setPropertiesFrom(this);
  if (es == Acad::eOk)
    es = heavy->setNormal(normal_);
  if (es == Acad::eOk)
    es = heavy->setElevation(elevation_);
  if (es == Acad::eOk)
    es = heavy->setThickness(thickness_);
  if (es == Acad::eOk && isClosed())
    es = heavy->makeClosed();
  if (es == Acad::eOk && hasPlinegen())
    es = heavy->setLinetypeGenerationOn();
  if (es == Acad::eOk && widths_.empty() && constantWidth_ != 0.0) {
    es = heavy->setDefaultStartWidth(constantWidth_);
    if (es == Acad::eOk)
      es = heavy->setDefaultEndWidth(constantWidth_);
  }
  for (std::size_t i = 0; es == Acad::eOk && i < vertices_.size(); ++i) {
    const zek::PolylineVertex& v = vertices_[i];
    const zek::SegmentWidths w =
        widths_.empty() ? zek::SegmentWidths{constantWidth_, constantWidth_} : widths_[i];
    auto vertex = std::make_unique<AcDb2dVertex>(AcGePoint3d(v.point.x, v.point.y, 0.0), v.bulge,
                                                 w.start, w.end, 0.0,
                                                 vertexIds_.empty() ? 0 : vertexIds_[i]);
    es = vertex->setPropertiesFrom(this);
    if (es == Acad::eOk)
      es = heavy->appendVertex(vertex.get());
    if (es == Acad::eOk)
      vertex.release();  // the polyline holds it now
  }
  if (es != Acad::eOk)
    return es;
  polyline = heavy.release();
  return Acad::eOk;
}
