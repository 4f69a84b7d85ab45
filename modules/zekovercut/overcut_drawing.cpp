// The overcut written into the drawing: trims through the open-and-close
// protocol, new entities appended to *Model_Space.
#include "overcut_drawing.h"

#include <memory>

#include "aced_output.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "guards/opened_entity.h"

namespace zek {
namespace {

AcGePoint3d inPlane(Point2 p) {
  return {p.x, p.y, 0.0};
}

// Makes the line run from the plan's kept end to its new end; false when it
// cannot be written (its layer locked, above all).
bool trimLine(AcDbObjectId id, const Line2& trimmed) {
  OpenedEntity opened(id, AcDb::kForWrite);
  auto* line = opened.as<AcDbLine>();
  if (opened.status() != Acad::eOk || line == nullptr)
    return false;
  return line->setStartPoint(inPlane(trimmed.start)) == Acad::eOk &&
         line->setEndPoint(inPlane(trimmed.end)) == Acad::eOk;
}

// The model space block open for write, closed (with its block table) when
// it goes out of scope.
class ModelSpaceWriter {
public:
  ModelSpaceWriter() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    AcDbBlockTable* blocks = nullptr;
    if (db == nullptr || db->getBlockTable(blocks, AcDb::kForRead) != Acad::eOk)
      return;
    if (blocks->getAt(ACDB_MODEL_SPACE, space_, AcDb::kForWrite) != Acad::eOk)
      space_ = nullptr;
    (void)blocks->close();
  }
  ~ModelSpaceWriter() {
    if (space_ != nullptr)
      (void)space_->close();
  }
  ModelSpaceWriter(const ModelSpaceWriter&) = delete;
  ModelSpaceWriter& operator=(const ModelSpaceWriter&) = delete;

  bool isOpen() const { return space_ != nullptr; }

  // Appends the entity with the drawing's current layer and properties and
  // closes it; an entity the block refuses is deleted here.
  void append(std::unique_ptr<AcDbEntity> entity) {
    AcDbObjectId id;
    if (space_ == nullptr || space_->appendAcDbEntity(id, entity.get()) != Acad::eOk)
      return;
    (void)entity.release()->close();
  }

private:
  AcDbBlockTableRecord* space_ = nullptr;
};

std::unique_ptr<AcDbEntity> newArc(const OvercutArc& arc) {
  return std::make_unique<AcDbArc>(inPlane(arc.centre), arc.radius, arc.startAngle, arc.endAngle);
}

std::unique_ptr<AcDbEntity> newLine(const Line2& line) {
  return std::make_unique<AcDbLine>(inPlane(line.start), inPlane(line.end));
}

}  // namespace

void drawOvercutPlan(AcDbObjectId firstLine, AcDbObjectId secondLine, const OvercutPlan& plan) {
  // Model space first: when it cannot take the arcs, the lines stay whole.
  ModelSpaceWriter space;
  if (!space.isOpen()) {
    acutPrintf("\nmodel space cannot be opened for write: nothing drawn");
    return;
  }
  if (!trimLine(firstLine, plan.firstLine))
    acutPrintf("\nfirst line is not trimed, maybe its layer is locked");
  if (!trimLine(secondLine, plan.secondLine))
    acutPrintf("\nsecond line is not trimed, maybe its layer is locked");
  space.append(newArc(plan.overcutArc));
  if (plan.filletArc)
    space.append(newArc(*plan.filletArc));
  if (plan.step) {
    space.append(newLine(plan.step->alongSecond));
    space.append(newLine(plan.step->alongFirst));
    space.append(newArc(plan.step->fillet));
  }
}

}  // namespace zek
