// Turning display geometry into the entities of an anonymous *D block:
// lines, arrow solids, arrow block references and the MTEXT on layer "0",
// colour BYBLOCK unless a DIMCLR* says otherwise, definition points on the
// not-plotted Defpoints layer.
#pragma once

#include "db/dimblocks/dim_geometry.h"
#include "db_core.h"
#include "ge_geometry.h"

class AcDbBlockTableRecord;
class AcDbDatabase;

namespace zek {

// The plane the geometry lies in: its normal and its elevation (the OCS Z).
struct DimPlane {
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double elevation = 0.0;
};

// The world point of a point of the plane, and the plane point of a world point.
[[nodiscard]] AcGePoint3d planeToWorld(const DimPlane& plane, const AcGePoint2d& point);
[[nodiscard]] AcGePoint2d worldToPlane(const DimPlane& plane, const AcGePoint3d& point);

// A new anonymous block record "*D<n>" (the first n above every *D name of
// the drawing) with its BLOCK and ENDBLK; null when it could not be added.
[[nodiscard]] AcDbObjectId newDimBlock(AcDbDatabase& db);
// Replaces what the block holds with entities for the geometry. Arrow
// blocks the geometry names are found, or made when they are standard
// arrow heads the drawing lacks. eOk, or the first failure.
[[nodiscard]] Acad::ErrorStatus fillDimBlock(AcDbDatabase& db, AcDbObjectId block,
                                             const DimGeometry& geometry, const DimPlane& plane,
                                             const DimVars& vars);
// Gives a block record made by the host its BLOCK and ENDBLK entities.
void ensureBlockEnds(AcDbDatabase& db, AcDbBlockTableRecord& block);
// The Defpoints layer, made (not plotted) when the drawing lacks it.
[[nodiscard]] AcDbObjectId defpointsLayer(AcDbDatabase& db);

}  // namespace zek
