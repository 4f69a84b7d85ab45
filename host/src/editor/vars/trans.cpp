// acedTrans, acdbUcs2Wcs, acdbWcs2Ucs and acdbUcsMatrix: world, user,
// display and entity coordinate systems.
#include "aced_vars.h"

#include "db/database_core.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_dimension.h"
#include "db_object.h"
#include "db_polyline.h"
#include "db_text.h"
#include "editor/document.h"

namespace {

// The normal of an entity whose coordinates are in its own plane's system;
// false for the entities whose coordinates are world ones (lines, points,
// splines, ellipses, leaders, MTEXT ...).
bool planeNormalOf(const AcDbObject& object, AcGeVector3d& normal) {
  if (auto* circle = AcDbCircle::cast(&object)) normal = circle->normal();
  else if (auto* arc = AcDbArc::cast(&object)) normal = arc->normal();
  else if (auto* polyline = AcDbPolyline::cast(&object)) normal = polyline->normal();
  else if (auto* old = AcDb2dPolyline::cast(&object)) normal = old->normal();
  else if (auto* text = AcDbText::cast(&object)) normal = text->normal();
  else if (auto* insert = AcDbBlockReference::cast(&object)) normal = insert->normal();
  else if (auto* dimension = AcDbDimension::cast(&object)) normal = dimension->normal();
  else return false;
  return true;
}

// The matrix from an entity's coordinate system to the world. The entity is
// read without an open of its own (a module may hold it open already).
bool entityToWorld(const ads_name name, AcGeMatrix3d& matrix) {
  AcDbObjectId id;
  if (acdbGetObjectId(id, name) != Acad::eOk || id.isNull() || id.isErased())
    return false;
  AcDbEntity* object = zek::peekObject<AcDbEntity>(id);
  if (object == nullptr)
    return false;
  const bool readHere = !object->isReadEnabled();
  if (readHere)
    object->markOpened(AcDb::kForRead);
  AcGeVector3d normal;
  const bool hasPlane = planeNormalOf(*object, normal);
  if (readHere)
    object->markClosed();
  matrix = hasPlane ? AcGeMatrix3d::planeToWorld(normal) : AcGeMatrix3d::kIdentity;
  return true;
}

// The matrix that maps coordinates of a system given as acedTrans takes it
// to world coordinates.
bool systemToWorld(const resbuf* system, AcGeMatrix3d& matrix) {
  if (system == nullptr)
    return false;
  switch (system->restype) {
    case RTSHORT: {
      const zek::Document* doc = zek::currentDocument();
      switch (system->resval.rint) {
        case 0:
          matrix = AcGeMatrix3d::kIdentity;
          return true;
        case 1:
          if (doc == nullptr)
            return false;
          matrix = doc->ucsToWorld();
          return true;
        case 2:
          // The view looks straight down on the world XY plane with no
          // twist, its target at the world origin: display coordinates are
          // world coordinates.
          matrix = AcGeMatrix3d::kIdentity;
          return doc != nullptr;
        default:
          return false;
      }
    }
    case RTENAME:
      return entityToWorld(system->resval.rlname, matrix);
    case RT3DPOINT: {
      AcGeVector3d normal(system->resval.rpoint[0], system->resval.rpoint[1],
                          system->resval.rpoint[2]);
      if (normal.isZeroLength())
        return false;
      matrix = AcGeMatrix3d::planeToWorld(normal);
      return true;
    }
    default:
      return false;
  }
}

void apply(const AcGeMatrix3d& matrix, const ads_point p, ads_point q, bool vector) {
  if (vector) {
    AcGeVector3d v = matrix * asVec3d(p);
    q[0] = v.x, q[1] = v.y, q[2] = v.z;
  } else {
    AcGePoint3d point = matrix * asPnt3d(p);
    q[0] = point.x, q[1] = point.y, q[2] = point.z;
  }
}

}  // namespace

int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp,
              ads_point result) {
  AcGeMatrix3d fromToWorld, toToWorld;
  if (pt == nullptr || result == nullptr || !systemToWorld(from, fromToWorld) ||
      !systemToWorld(to, toToWorld))
    return RTERROR;
  apply(toToWorld.inverse() * fromToWorld, pt, result, disp != 0);
  return RTNORM;
}

bool acdbUcs2Wcs(const ads_point p, ads_point q, bool vec) {
  const zek::Document* doc = zek::currentDocument();
  if (doc == nullptr || p == nullptr || q == nullptr)
    return false;
  apply(doc->ucsToWorld(), p, q, vec);
  return true;
}

bool acdbWcs2Ucs(const ads_point p, ads_point q, bool vec) {
  const zek::Document* doc = zek::currentDocument();
  if (doc == nullptr || p == nullptr || q == nullptr)
    return false;
  apply(doc->worldToUcs(), p, q, vec);
  return true;
}

bool acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* db) {
  const zek::Document* doc = zek::currentDocument();
  if (doc == nullptr || (db != nullptr && db != doc->database()))
    return false;
  mat = doc->ucsToWorld();
  return true;
}
