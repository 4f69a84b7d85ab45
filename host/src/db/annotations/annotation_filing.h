// Small shared steps of the annotation entities: values out of DXF result
// buffers, record look-ups by name, plane (OCS) conversions and angles
// carried through a transformation.
#pragma once

#include <string>

#include "ads.h"
#include "db_core.h"
#include "db_filer.h"
#include "ge_geometry.h"

class AcDbDatabase;

namespace zek {

// An integer group whatever width the filer gave it (16, 32 or 64 bits, or
// a real from a careless writer).
[[nodiscard]] long long groupInteger(const resbuf& rb);
// A string group; "" for a missing string.
[[nodiscard]] std::string groupText(const resbuf& rb);
[[nodiscard]] inline AcGePoint3d groupPoint(const resbuf& rb) {
  return {rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]};
}
[[nodiscard]] inline AcGeVector3d groupVector(const resbuf& rb) {
  return {rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]};
}
// Angle groups (50..58) hold degrees; the entities keep radians. Every reader
// of an angle group converts through radiansFromDegrees, so that the filer
// can write the degrees that read back as the very same radians.
[[nodiscard]] double radiansFromDegrees(double degrees);
[[nodiscard]] double groupAngle(const resbuf& rb);

// The record of a symbol table by name, case ignored; a name the drawing
// lacks becomes an implicit record. Null without a database or name.
[[nodiscard]] AcDbObjectId recordByName(AcDbDatabase* db, AcDbObjectId tableId,
                                        const std::string& name);
// A block record by name (case ignored), or null when the drawing has none
// of that name (yet: R12 files define blocks after they are used).
[[nodiscard]] AcDbObjectId blockByName(AcDbDatabase* db, const std::string& name);

// The drawing's STANDARD text style when `style` is null.
[[nodiscard]] AcDbObjectId textStyleOrStandard(AcDbObjectId style, const AcDbDatabase* db);
// Writes group 7 for a text style other than STANDARD.
void writeTextStyle(AcDbDxfFiler* filer, AcDbObjectId style);

[[nodiscard]] bool isZAxis(const AcGeVector3d& normal);
// A point of the plane with this normal (OCS) in world coordinates, and back.
// The Z axis maps exactly, so plain drawings keep their digits.
[[nodiscard]] AcGePoint3d ocsToWorld(const AcGeVector3d& normal, const AcGePoint3d& point);
[[nodiscard]] AcGePoint3d worldToOcs(const AcGeVector3d& normal, const AcGePoint3d& point);
// The normal a transformation gives a plane: the transformed normal,
// normalised (the Z axis when it degenerates).
[[nodiscard]] AcGeVector3d transformedNormal(const AcGeMatrix3d& xform, const AcGeVector3d& normal);

// A direction of the plane with normal `before`, given as an angle from its
// OCS X axis, carried through `xform` into the plane with normal `after`:
// its new angle there and the factor its length changes by.
struct PlaneDirection {
  double angle = 0.0;
  double scale = 1.0;
};
[[nodiscard]] PlaneDirection transformedDirection(const AcGeMatrix3d& xform,
                                                  const AcGeVector3d& before,
                                                  const AcGeVector3d& after, double angle);

// Writes group 210 when the normal is not the Z axis.
void writeNormal(AcDbDxfFiler* filer, const AcGeVector3d& normal);

}  // namespace zek
