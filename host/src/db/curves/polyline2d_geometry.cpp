// AcDb2dPolyline as a curve: every query reads the vertices (opening each
// for read and closing it again, or the held ones outside a database) into
// a polyline path (bulge_path.h). Transformations and grip moves open the
// vertices for write.
#include "db_polyline.h"

#include <cmath>

#include "db/curves/bulge_path.h"
#include "db/curves/curve_math.h"

using namespace zek::curve;

namespace {

constexpr Adesk::Int16 kSplineControlVertex = 16;

// The vertex objects of a polyline opened for write, closed on every way out.
class WriteOpenedVertices {
public:
  ~WriteOpenedVertices() {
    for (AcDb2dVertex* vertex : opened_)
      vertex->close();
  }
  Acad::ErrorStatus open(const std::vector<AcDbObjectId>& ids) {
    for (AcDbObjectId id : ids) {
      AcDb2dVertex* vertex = nullptr;
      Acad::ErrorStatus es = acdbOpenObject(vertex, id, AcDb::kForWrite);
      if (es == Acad::eWasErased)
        continue;
      if (es != Acad::eOk)
        return es;
      opened_.push_back(vertex);
      all_.push_back(vertex);
    }
    return Acad::eOk;
  }
  void addHeld(const std::vector<std::unique_ptr<AcDb2dVertex>>& held) {
    for (const std::unique_ptr<AcDb2dVertex>& vertex : held)
      all_.push_back(vertex.get());
  }
  const std::vector<AcDb2dVertex*>& all() const { return all_; }

private:
  std::vector<AcDb2dVertex*> opened_;
  std::vector<AcDb2dVertex*> all_;
};

}  // namespace

Acad::ErrorStatus AcDb2dPolyline::collectVertices(std::vector<zek::PolylineVertex>& path) const {
  assertReadEnabled();
  path.clear();
  std::vector<zek::PolylineVertex> frame;  // spline frame points, used when nothing else is there
  const auto take = [&](const AcDb2dVertex& vertex) {
    const AcGePoint3d p = vertex.position();
    const zek::PolylineVertex v{AcGePoint2d(p.x, p.y), vertex.bulge()};
    (vertex.vertexFlags() & kSplineControlVertex ? frame : path).push_back(v);
  };
  for (AcDbObjectId id : vertices_) {
    AcDb2dVertex* vertex = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(vertex, id, AcDb::kForRead);
    if (es == Acad::eWasErased)
      continue;  // an erased vertex is no longer part of the polyline
    if (es != Acad::eOk)
      return es;
    take(*vertex);
    vertex->close();
  }
  for (const std::unique_ptr<AcDb2dVertex>& vertex : pending_)
    take(*vertex);
  if (path.empty())
    path = std::move(frame);
  return Acad::eOk;
}

template <typename Query>
Acad::ErrorStatus AcDb2dPolyline::withPath(Query&& query) const {
  std::vector<zek::PolylineVertex> vertices;
  Acad::ErrorStatus es = collectVertices(vertices);
  if (es != Acad::eOk)
    return es;
  const BulgePath path{vertices, isClosed(), normal(), elevation()};
  return query(path);
}

Acad::ErrorStatus AcDb2dPolyline::getStartParam(double& param) const {
  return withPath([&](const BulgePath& path) {
    if (path.vertices.empty())
      return Acad::eDegenerateGeometry;
    param = 0.0;
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getEndParam(double& param) const {
  return withPath([&](const BulgePath& path) {
    if (path.vertices.empty())
      return Acad::eDegenerateGeometry;
    param = path.endParam();
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getStartPoint(AcGePoint3d& point) const {
  return getPointAtParam(0.0, point);
}

Acad::ErrorStatus AcDb2dPolyline::getEndPoint(AcGePoint3d& point) const {
  return withPath([&](const BulgePath& path) {
    if (path.vertices.empty())
      return Acad::eDegenerateGeometry;
    return path.pointAt(path.endParam(), point) ? Acad::eOk : Acad::eInvalidInput;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  return withPath([&](const BulgePath& path) {
    if (path.vertices.empty())
      return Acad::eDegenerateGeometry;
    return path.pointAt(param, point) ? Acad::eOk : Acad::eInvalidInput;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  return withPath([&](const BulgePath& path) {
    return path.paramAtPoint(point, param) ? Acad::eOk : Acad::eInvalidInput;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getDistAtParam(double param, double& dist) const {
  return withPath([&](const BulgePath& path) {
    AcGePoint3d unused;
    if (!path.pointAt(param, unused))
      return Acad::eInvalidInput;
    dist = path.lengthTo(param);
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getParamAtDist(double dist, double& param) const {
  return withPath([&](const BulgePath& path) {
    const double total = path.length();
    const double tol = onCurveTolerance(total);
    if (path.vertices.empty() || !(dist >= -tol && dist <= total + tol))
      return Acad::eInvalidInput;
    param = path.paramAtLength(dist);
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return AcDbCurve::getDistAtPoint(point, dist);
}

Acad::ErrorStatus AcDb2dPolyline::getPointAtDist(double dist, AcGePoint3d& point) const {
  return AcDbCurve::getPointAtDist(dist, point);
}

Acad::ErrorStatus AcDb2dPolyline::getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve, bool) const {
  return withPath([&](const BulgePath& path) {
    if (path.vertices.empty())
      return Acad::eDegenerateGeometry;
    pointOnCurve = path.closestPoint(givenPoint);
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getArea(double& area) const {
  return withPath([&](const BulgePath& path) {
    area = path.area();
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::length(double& length) const {
  return withPath([&](const BulgePath& path) {
    length = path.length();
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::getGeomExtents(AcDbExtents& extents) const {
  return withPath([&](const BulgePath& path) {
    if (path.vertices.empty())
      return Acad::eInvalidExtents;
    extents = path.extents(thickness());
    return Acad::eOk;
  });
}

Acad::ErrorStatus AcDb2dPolyline::explode(AcDbVoidPtrArray& entitySet) const {
  return withPath([&](const BulgePath& path) {
    path.explode(*this, thickness(), entitySet);
    return Acad::eOk;
  });
}

bool AcDb2dPolyline::crossesBox(const AcDbExtents& box) const {
  bool crosses = false;
  const Acad::ErrorStatus es = withPath([&](const BulgePath& path) {
    crosses = path.crossesBox(box);
    return Acad::eOk;
  });
  return es == Acad::eOk && crosses;
}

Acad::ErrorStatus AcDb2dPolyline::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                                AcDbIntArray&) const {
  assertReadEnabled();
  for (AcDbObjectId id : vertices_) {
    AcDb2dVertex* vertex = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(vertex, id, AcDb::kForRead);
    if (es == Acad::eWasErased)
      continue;
    if (es != Acad::eOk)
      return es;
    gripPoints.append(vertexPosition(*vertex));
    vertex->close();
  }
  for (const std::unique_ptr<AcDb2dVertex>& vertex : pending_)
    gripPoints.append(vertexPosition(*vertex));
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) {
  assertWriteEnabled();
  WriteOpenedVertices vertices;
  Acad::ErrorStatus es = vertices.open(vertices_);
  if (es != Acad::eOk)
    return es;
  vertices.addHeld(pending_);
  for (int index : indices) {
    if (index < 0 || index >= static_cast<int>(vertices.all().size()))
      return Acad::eInvalidIndex;
    AcDb2dVertex* vertex = vertices.all()[index];
    const AcGePoint3d moved = wcsToOcs(vertexPosition(*vertex) + offset, normal_);
    es = vertex->setPosition(AcGePoint3d(moved.x, moved.y, vertex->position().z));
    if (es != Acad::eOk)
      return es;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  WriteOpenedVertices vertices;
  Acad::ErrorStatus es = vertices.open(vertices_);
  if (es != Acad::eOk)
    return es;
  vertices.addHeld(pending_);
  bool bulged = false;
  for (const AcDb2dVertex* vertex : vertices.all())
    bulged = bulged || vertex->bulge() != 0.0;
  if (!xform.isUniScaledOrtho() && bulged)
    return Acad::eNotApplicable;  // arcs would become elliptic
  AcGeVector3d normal = normal_;
  double elevation = elevation_;
  const AcGeMatrix2d local = xform.convertToLocal(normal, elevation);
  const bool mirrored = local.det() < 0.0;
  const double scale = xform.scale();
  for (AcDb2dVertex* vertex : vertices.all()) {
    const AcGePoint3d p = vertex->position();
    AcGePoint2d moved(p.x, p.y);
    moved.transformBy(local);
    es = vertex->setPosition(AcGePoint3d(moved.x, moved.y, p.z));
    if (es == Acad::eOk && mirrored)
      es = vertex->setBulge(-vertex->bulge());
    if (es == Acad::eOk && vertex->startWidth() != 0.0)
      es = vertex->setStartWidth(vertex->startWidth() * scale);
    if (es == Acad::eOk && vertex->endWidth() != 0.0)
      es = vertex->setEndWidth(vertex->endWidth() * scale);
    if (es == Acad::eOk && vertex->isTangentUsed()) {
      AcGeVector2d direction(std::cos(vertex->tangent()), std::sin(vertex->tangent()));
      direction.transformBy(local);
      es = vertex->setTangent(direction.angle());
    }
    if (es != Acad::eOk)
      return es;
  }
  normal_ = normal;
  elevation_ = elevation;
  thickness_ *= scale;
  defaultStartWidth_ *= scale;
  defaultEndWidth_ *= scale;
  return Acad::eOk;
}
