// The display part of AcDbDimension: noting changes, the shown text, and
// making the *D block again from the kind's geometry — into the
// dimension's own block when it has one, else into a new *D block.
#include "db_dimension.h"

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimblocks/dim_block_writer.h"
#include "db/dimblocks/dim_geometry.h"
#include "db_block.h"
#include "db_database.h"
#include "zek/dim_vars.h"

namespace {

// The plane of a dimension: its normal, at the height of its definition point.
zek::DimPlane planeOf(const AcGeVector3d& normal, const AcGePoint3d& definitionPoint) {
  return {normal, zek::worldToOcs(normal, definitionPoint).z};
}

// A block the dimension may fill again: anonymous, there, and its own.
bool isOwnBlock(AcDbObjectId block, bool referencedOnlyHere) {
  auto* record = zek::peekObject<AcDbBlockTableRecord>(block);
  if (record == nullptr || block.isErased() || !referencedOnlyHere)
    return false;
  std::string name = zek::recordNameOf(block);
  AcDbDatabase* db = block.database();
  return !name.empty() && name[0] == '*' && db != nullptr && block != db->modelSpaceId() &&
         block != db->paperSpaceId();
}

}  // namespace

void AcDbDimension::noteDisplayChanged() { displayStale_ = true; }

bool AcDbDimension::displayGeometry(const zek::DimVars&, std::string_view,
                                    zek::DimGeometry&) const {
  return false;
}

void AcDbDimension::textPositionSet(const zek::DimVars&) {}

std::string AcDbDimension::displayText(const zek::DimVars& vars) const {
  double value = 0.0;
  if (measurement(value) != Acad::eOk)
    value = 0.0;
  std::string shown = zek::dimensionDisplayText(text_, value, vars);
  // The measured text of a diameter and of a radius carries its sign; an
  // override says all it wants to say itself.
  if (text_.empty() && !shown.empty()) {
    if (dimensionKind() == 3)
      shown = "\u2205" + shown;
    else if (dimensionKind() == 4)
      shown = "R" + shown;
  }
  return shown;
}

bool AcDbDimension::placedTextPosition(AcGePoint3d& position) const {
  zek::DimVars vars = zek::dimVarsOf(*this);
  zek::DimGeometry geometry;
  if (!displayGeometry(vars, displayText(vars), geometry) || !geometry.text)
    return false;
  position = zek::planeToWorld(planeOf(normal_, definitionPoint_), geometry.textAnchor);
  return true;
}

Acad::ErrorStatus AcDbDimension::recomputeDimBlock(bool forceUpdate) {
  assertWriteEnabled();
  AcDbDatabase* db = database();
  if (db == nullptr)
    return Acad::eNoDatabase;
  AcDbObjectId block = dimBlockId();
  bool own = isOwnBlock(block, (flags_ & 32) != 0) && !needsOwnBlock_;
  if (!forceUpdate && !displayStale_ && own)
    return Acad::eOk;
  zek::DimVars vars = zek::dimVarsOf(*this);
  std::string shown = displayText(vars);
  zek::DimGeometry geometry;
  if (!displayGeometry(vars, shown, geometry))
    return Acad::eNotApplicable;
  AcGePoint2d placed = geometry.textAnchor;
  if (shown.empty())
    geometry.text.reset();  // a blank override: no text at all
  if (!own)
    block = zek::newDimBlock(*db);
  if (block.isNull())
    return Acad::eOutOfMemory;
  zek::DimPlane plane = planeOf(normal_, definitionPoint_);
  Acad::ErrorStatus es = zek::fillDimBlock(*db, block, geometry, plane, vars);
  if (es != Acad::eOk)
    return es;
  block_ = block;
  blockName_.clear();
  setTypeFlag(32, true);
  if ((flags_ & 128) == 0)
    textPosition_ = AcGePoint3d(placed.x, placed.y, plane.elevation);
  displayStale_ = false;
  needsOwnBlock_ = false;
  return Acad::eOk;
}
