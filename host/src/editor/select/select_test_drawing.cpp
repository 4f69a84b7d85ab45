// The selection tests' plate drawing.
#include "editor/select/select_test_drawing.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "db/testing/db_test_support.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "db_symtab.h"
#include "db_text.h"

namespace zek::test {

namespace {

AcDbObjectId onLayer(AcDbDatabase& db, AcDbEntity* entity, const char* layer) {
  EXPECT_EQ(entity->setLayer(layer), Acad::eOk) << layer;
  return appendToModelSpace(db, entity);
}

void setLayerState(AcDbObjectId layerId, bool frozen, bool off) {
  Opened<AcDbLayerTableRecord> layer(layerId, AcDb::kForWrite);
  ASSERT_TRUE(layer) << "layer opens for write";
  EXPECT_EQ(layer->setIsFrozen(frozen), Acad::eOk);
  layer->setIsOff(off);
}

// Block PIN: a circle of radius 2 round its origin and a line from the
// circle's right quadrant 6 to the right.
AcDbObjectId makePinBlock(AcDbDatabase& db) {
  AcDbObjectId id = addBlock(db, "PIN");
  appendToBlock(db, id, new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2.0));
  appendToBlock(db, id, new AcDbLine(AcGePoint3d(2, 0, 0), AcGePoint3d(8, 0, 0)));
  return id;
}

}  // namespace

std::map<std::string, AcDbObjectId> buildSelectionPlate(AcDbDatabase& db) {
  std::map<std::string, AcDbObjectId> ids;
  addLayer(db, "HOLES");
  addLayer(db, "TEXT");
  setLayerState(addLayer(db, "FROZEN"), true, false);
  setLayerState(addLayer(db, "OFF"), false, true);
  addLayer(db, "LOCKED", true);

  ids["bottom"] = appendToModelSpace(db, new AcDbLine({0, 0, 0}, {100, 0, 0}));
  ids["right"] = appendToModelSpace(db, new AcDbLine({100, 0, 0}, {100, 50, 0}));
  ids["hole1"] = onLayer(db, new AcDbCircle({20, 20, 0}, AcGeVector3d::kZAxis, 5.0), "HOLES");
  auto* red = new AcDbCircle({50, 25, 0}, AcGeVector3d::kZAxis, 10.0);
  EXPECT_EQ(red->setColorIndex(1), Acad::eOk);
  ids["hole2"] = onLayer(db, red, "HOLES");
  // The upper half of a circle of radius 8 round (80, 25): from (88, 25) over
  // (80, 33) to (72, 25).
  ids["arc"] = appendToModelSpace(db, new AcDbArc({80, 25, 0}, 8.0, 0.0, std::numbers::pi));
  auto* label = new AcDbText({10, 40, 0}, "A1");
  EXPECT_EQ(label->setHeight(2.5), Acad::eOk);
  ids["label"] = onLayer(db, label, "TEXT");
  ids["frozen"] = onLayer(db, new AcDbCircle({20, 45, 0}, AcGeVector3d::kZAxis, 3.0), "FROZEN");
  ids["off"] = onLayer(db, new AcDbCircle({30, 45, 0}, AcGeVector3d::kZAxis, 3.0), "OFF");
  ids["locked"] = onLayer(db, new AcDbLine({0, 60, 0}, {50, 60, 0}), "LOCKED");
  // A slot from x 55 to 75, y 30 to 40: (60, 40) to (70, 40), a half circle
  // out to (75, 35) and down to (70, 30), back to (60, 30), a half circle out
  // to (55, 35) and up again (bulge -1: half a circle turning clockwise).
  auto* slot = new AcDbPolyline(4);
  EXPECT_EQ(slot->addVertexAt(0, AcGePoint2d(60, 40)), Acad::eOk);
  EXPECT_EQ(slot->addVertexAt(1, AcGePoint2d(70, 40), -1.0), Acad::eOk);
  EXPECT_EQ(slot->addVertexAt(2, AcGePoint2d(70, 30)), Acad::eOk);
  EXPECT_EQ(slot->addVertexAt(3, AcGePoint2d(60, 30), -1.0), Acad::eOk);
  slot->setClosed(true);
  ids["slot"] = appendToModelSpace(db, slot);
  AcDbObjectId pin = makePinBlock(db);
  ids["pin"] = appendToModelSpace(db, new AcDbBlockReference({90, 45, 0}, pin));

  AcDbBlockTableRecord* paper = nullptr;
  EXPECT_EQ(acdbOpenObject(paper, db.paperSpaceId(), AcDb::kForWrite), Acad::eOk);
  if (paper != nullptr) {
    auto line = std::make_unique<AcDbLine>(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    line->setDatabaseDefaults(&db);
    AcDbObjectId id;
    EXPECT_EQ(paper->appendAcDbEntity(id, line.get()), Acad::eOk);
    (void)line.release()->close();
    (void)paper->close();
    ids["paper"] = id;
  }
  return ids;
}

AcDbObjectId addBlock(AcDbDatabase& db, const char* name) {
  AcDbBlockTable* table = nullptr;
  EXPECT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  if (table == nullptr)
    return {};
  auto record = std::make_unique<AcDbBlockTableRecord>();
  AcDbObjectId id;
  EXPECT_EQ(record->setName(name), Acad::eOk);
  EXPECT_EQ(table->add(id, record.get()), Acad::eOk) << name;
  (void)table->close();
  (void)record.release()->close();
  return id;
}

void appendToBlock(AcDbDatabase& db, AcDbObjectId block, AcDbEntity* entity) {
  std::unique_ptr<AcDbEntity> owned(entity);
  Opened<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
  ASSERT_TRUE(record) << "the block opens for write";
  if (owned->layerId().isNull())
    owned->setDatabaseDefaults(&db);
  ASSERT_EQ(record->appendAcDbEntity(owned.get()), Acad::eOk);
  (void)owned.release()->close();
}

AcDbObjectId blockOf(AcDbObjectId reference) {
  Opened<AcDbBlockReference> ref(reference);
  return ref ? ref->blockTableRecord() : AcDbObjectId();
}

std::string describeEntity(AcDbObjectId id) {
  const char* type = id.stub() && id.stub()->object ? id.stub()->object->dxfTypeName() : "?";
  return std::string(type) + " " + id.handle().ascii();
}

}  // namespace zek::test
