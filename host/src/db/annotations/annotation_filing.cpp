// Shared steps of the annotation entities: result buffer values, record
// look-ups by name, plane conversions and transformed directions.
#include "db/annotations/annotation_filing.h"

#include <cmath>
#include <numbers>

#include "db/database_core.h"
#include "db_block.h"
#include "db_database.h"

namespace zek {

long long groupInteger(const resbuf& rb) {
  switch (rb.restype) {
    case RTSHORT: return rb.resval.rint;
    case RTLONG: return rb.resval.rlong;
    case RTINT64: return rb.resval.mnInt64;
    case RTREAL: return static_cast<long long>(std::llround(rb.resval.rreal));
    default: break;
  }
  // Group codes stand for their value type in DXF filers (70 → a short).
  switch (resbufTypeOfGroupCode(rb.restype)) {
    case RTSHORT: return rb.resval.rint;
    case RTLONG: return rb.resval.rlong;
    case RTINT64: return rb.resval.mnInt64;
    case RTREAL: return static_cast<long long>(std::llround(rb.resval.rreal));
    default: return 0;
  }
}

std::string groupText(const resbuf& rb) {
  return rb.resval.rstring ? std::string(rb.resval.rstring) : std::string();
}

double radiansFromDegrees(double degrees) { return degrees * std::numbers::pi / 180.0; }
double groupAngle(const resbuf& rb) { return radiansFromDegrees(rb.resval.rreal); }

AcDbObjectId recordByName(AcDbDatabase* db, AcDbObjectId tableId, const std::string& name) {
  if (db == nullptr || tableId.isNull() || name.empty())
    return AcDbObjectId();
  return implicitRecordId(db, tableId, name);
}

AcDbObjectId blockByName(AcDbDatabase* db, const std::string& name) {
  if (db == nullptr || name.empty())
    return AcDbObjectId();
  auto* table = peekObject<AcDbBlockTable>(db->blockTableId());
  AcDbObjectId id;
  if (table == nullptr || table->getAt(name.c_str(), id) != Acad::eOk)
    return AcDbObjectId();
  return id;
}

AcDbObjectId textStyleOrStandard(AcDbObjectId style, const AcDbDatabase* db) {
  if (!style.isNull() || db == nullptr)
    return style;
  return db->core().standardTextStyle;
}

void writeTextStyle(AcDbDxfFiler* filer, AcDbObjectId style) {
  if (style.isNull())
    return;
  AcDbDatabase* db = filer->database();
  if (db != nullptr && style == db->core().standardTextStyle)
    return;  // readers take STANDARD when group 7 is absent
  std::string name = recordNameOf(style);
  if (!name.empty())
    filer->writeString(AcDb::kDxfTextStyleName, name);
}

bool isZAxis(const AcGeVector3d& normal) {
  return normal.x == 0.0 && normal.y == 0.0 && normal.z == 1.0;
}

AcGePoint3d ocsToWorld(const AcGeVector3d& normal, const AcGePoint3d& point) {
  return isZAxis(normal) ? point : AcGeMatrix3d::planeToWorld(normal) * point;
}

AcGePoint3d worldToOcs(const AcGeVector3d& normal, const AcGePoint3d& point) {
  return isZAxis(normal) ? point : AcGeMatrix3d::worldToPlane(normal) * point;
}

AcGeVector3d transformedNormal(const AcGeMatrix3d& xform, const AcGeVector3d& normal) {
  AcGeVector3d moved = xform * normal;
  if (moved.isZeroLength())
    return AcGeVector3d::kZAxis;
  moved.normalize();
  // Keep the exact Z axis when the transformation leaves it there, so that
  // plain drawings stay in the plain plane.
  if (moved.isEqualTo(AcGeVector3d::kZAxis))
    return AcGeVector3d::kZAxis;
  return moved;
}

PlaneDirection transformedDirection(const AcGeMatrix3d& xform, const AcGeVector3d& before,
                                    const AcGeVector3d& after, double angle) {
  AcGeVector3d local(std::cos(angle), std::sin(angle), 0.0);
  AcGeVector3d world = AcGeMatrix3d::planeToWorld(before) * local;
  AcGeVector3d moved = xform * world;
  AcGeVector3d inPlane = AcGeMatrix3d::worldToPlane(after) * moved;
  PlaneDirection result;
  result.scale = std::hypot(inPlane.x, inPlane.y);
  result.angle = result.scale > 0.0 ? std::atan2(inPlane.y, inPlane.x) : angle;
  if (result.angle < 0.0)
    result.angle += 2.0 * std::numbers::pi;
  return result;
}

void writeNormal(AcDbDxfFiler* filer, const AcGeVector3d& normal) {
  if (!isZAxis(normal))
    filer->writeVector3d(AcDb::kDxfNormalX, normal);
}

}  // namespace zek
