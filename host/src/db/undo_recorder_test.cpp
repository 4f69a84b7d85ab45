// Tests of undo steps: a step puts back the state objects had before their
// first write open in it (a circle's radius, a layer's lock, an erased
// entity with what it owns, a renamed layer's look-up), erases what it added,
// and a step that changed nothing is not a step.
#include "db/undo_recorder.h"

#include <gtest/gtest.h>

#include "db/database_core.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"
#include "db_polyline.h"

namespace zek::test {
namespace {

AcDbObjectId appendCircle(AcDbDatabase& db, double radius) {
  auto* circle = new AcDbCircle(AcGePoint3d(10, 20, 0), AcGeVector3d::kZAxis, radius);
  circle->setDatabaseDefaults(&db);
  return appendToModelSpace(db, circle);
}

void setRadius(AcDbObjectId id, double radius) {
  Opened<AcDbCircle> circle(id, AcDb::kForWrite);
  ASSERT_TRUE(circle);
  ASSERT_EQ(circle->setRadius(radius), Acad::eOk);
}

double radiusOf(AcDbObjectId id) {
  Opened<AcDbCircle> circle(id, AcDb::kForRead, true);
  return circle ? circle->radius() : -1.0;
}

TEST(UndoStep, PutsBackTheRadiusBeforeTheFirstChange) {
  AcDbDatabase db;
  AcDbObjectId id = appendCircle(db, 5.0);
  UndoRecorder& undo = db.undo();
  undo.beginStep();
  setRadius(id, 6.0);
  setRadius(id, 7.0);  // a second write open in the same step takes no snapshot
  undo.endStep();
  EXPECT_EQ(radiusOf(id), 7.0);
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(radiusOf(id), 5.0) << "the state before the step's first change, not after it";
  EXPECT_FALSE(undo.undoLastStep()) << "nothing left to undo";
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(UndoStep, StepsComeBackOneAtATime) {
  AcDbDatabase db;
  AcDbObjectId id = appendCircle(db, 5.0);
  UndoRecorder& undo = db.undo();
  const std::size_t before = undo.stepCount();
  for (double r : {6.0, 7.0, 8.0}) {
    undo.beginStep();
    setRadius(id, r);
    undo.endStep();
  }
  EXPECT_EQ(undo.stepCount(), before + 3);
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(radiusOf(id), 7.0);
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(radiusOf(id), 6.0);
}

TEST(UndoStep, PutsBackALayersLock) {
  AcDbDatabase db;
  AcDbObjectId layer = addLayer(db, "PLATE");
  db.undo().beginStep();
  {
    Opened<AcDbLayerTableRecord> record(layer, AcDb::kForWrite);
    ASSERT_TRUE(record);
    record->setIsLocked(true);
  }
  db.undo().endStep();
  ASSERT_TRUE(db.undo().undoLastStep());
  Opened<AcDbLayerTableRecord> record(layer);
  EXPECT_FALSE(record->isLocked());
}

TEST(UndoStep, BringsAnErasedEntityBack) {
  AcDbDatabase db;
  AcDbObjectId id = appendCircle(db, 5.0);
  db.undo().beginStep();
  {
    Opened<AcDbCircle> circle(id, AcDb::kForWrite);
    ASSERT_EQ(circle->erase(), Acad::eOk);
  }
  db.undo().endStep();
  EXPECT_TRUE(modelSpaceIds(db).empty());
  ASSERT_TRUE(db.undo().undoLastStep());
  EXPECT_FALSE(id.isErased());
  EXPECT_EQ(modelSpaceIds(db), std::vector<AcDbObjectId>{id});
  EXPECT_EQ(radiusOf(id), 5.0);
}

TEST(UndoStep, ErasesWhatTheStepAppended) {
  AcDbDatabase db;
  AcDbObjectId kept = appendCircle(db, 5.0);
  db.undo().beginStep();
  AcDbObjectId added = appendCircle(db, 2.0);
  db.undo().endStep();
  ASSERT_EQ(modelSpaceIds(db).size(), 2u);
  ASSERT_TRUE(db.undo().undoLastStep());
  EXPECT_TRUE(added.isErased());
  EXPECT_EQ(modelSpaceIds(db), std::vector<AcDbObjectId>{kept});
  std::string written = writeDxf(db);
  EXPECT_TRUE(objectGroups(written, "ENTITIES", "CIRCLE", 1).empty())
      << "the undone circle is not written";
}

TEST(UndoStep, AStepThatChangedNothingIsNotAStep) {
  AcDbDatabase db;
  AcDbObjectId id = appendCircle(db, 5.0);
  UndoRecorder& undo = db.undo();
  undo.beginStep();
  setRadius(id, 6.0);
  undo.endStep();
  const std::size_t steps = undo.stepCount();
  undo.beginStep();
  { Opened<AcDbCircle> reader(id); }  // reading changes nothing
  undo.endStep();
  undo.beginStep();
  undo.endStep();
  EXPECT_EQ(undo.stepCount(), steps);
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(radiusOf(id), 5.0) << "the undo reached the step that changed the radius";
}

TEST(UndoStep, NothingIsRecordedOutsideAStep) {
  AcDbDatabase db;
  AcDbObjectId id = appendCircle(db, 5.0);
  const std::size_t steps = db.undo().stepCount();
  setRadius(id, 9.0);
  EXPECT_EQ(db.undo().stepCount(), steps);
  EXPECT_FALSE(db.undo().isRecording());
}

TEST(UndoStep, BringsBackTheVerticesOfAnErasedPolyline) {
  AcDbDatabase db;
  AcGePoint3dArray points{AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(10, 5, 0)};
  AcDbObjectId id = appendToModelSpace(db, new AcDb2dPolyline(AcDb::k2dSimplePoly, points));
  ASSERT_FALSE(id.isNull());
  std::vector<AcDbObjectId> vertices;
  {
    Opened<AcDb2dPolyline> polyline(id);
    vertices = polyline->vertexIds();
  }
  ASSERT_EQ(vertices.size(), 3u);
  db.undo().beginStep();
  {
    Opened<AcDb2dPolyline> polyline(id, AcDb::kForWrite);
    ASSERT_EQ(polyline->erase(), Acad::eOk);
  }
  db.undo().endStep();
  for (AcDbObjectId vertex : vertices)
    EXPECT_TRUE(vertex.isErased()) << "erasing the polyline erases its vertices";
  ASSERT_TRUE(db.undo().undoLastStep());
  EXPECT_FALSE(id.isErased());
  for (AcDbObjectId vertex : vertices)
    EXPECT_FALSE(vertex.isErased()) << "undo brings the vertices back with their polyline";
  std::string written = writeDxf(db);
  EXPECT_FALSE(objectGroups(written, "ENTITIES", "VERTEX", 2).empty())
      << "the polyline is written with its three vertices:\n" << written;
}

TEST(UndoStep, RenamedLayerIsFoundByItsOldNameAgain) {
  AcDbDatabase db;
  AcDbObjectId id = addLayer(db, "HOLES");
  ASSERT_EQ(db.setClayer(id), Acad::eOk);
  db.undo().beginStep();
  {
    Opened<AcDbLayerTableRecord> layer(id, AcDb::kForWrite);
    ASSERT_EQ(layer->setName("BORES"), Acad::eOk);
  }
  db.undo().endStep();
  ASSERT_TRUE(db.undo().undoLastStep());
  EXPECT_EQ(db.clayer(), id) << "the current layer is still the current layer";
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbObjectId found;
  EXPECT_EQ(table->getAt("HOLES", found), Acad::eOk);
  EXPECT_EQ(found, id);
  EXPECT_EQ(table->getAt("BORES", found), Acad::eKeyNotFound) << "the undone name is free";
}

TEST(UndoStep, AnUndoneLayerCanBeMadeAgain) {
  AcDbDatabase db;
  db.undo().beginStep();
  AcDbObjectId first = addLayer(db, "HOLES");
  db.undo().endStep();
  ASSERT_FALSE(first.isNull());
  ASSERT_TRUE(db.undo().undoLastStep());
  EXPECT_TRUE(first.isErased());
  AcDbObjectId again = addLayer(db, "HOLES");
  EXPECT_FALSE(again.isNull()) << "the layer the undo took away can be made again";
}

// Redo: what an undo put back is made again (a change, an appended entity),
// and a new change ends the chance to redo.
TEST(RedoStep, MakesTheUndoneChangeAndAppendAgain) {
  AcDbDatabase db;
  AcDbObjectId circle = appendCircle(db, 5.0);
  UndoRecorder& undo = db.undo();
  undo.beginStep();
  setRadius(circle, 9.0);
  AcDbObjectId added = appendCircle(db, 1.0);
  undo.endStep();
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(radiusOf(circle), 5.0);
  EXPECT_TRUE(added.isErased());
  ASSERT_TRUE(undo.redoLastUndo());
  EXPECT_EQ(radiusOf(circle), 9.0) << "the radius as the step left it";
  EXPECT_FALSE(added.isErased()) << "the appended circle is back";
  EXPECT_FALSE(undo.redoLastUndo()) << "one undo, one redo";
  ASSERT_TRUE(undo.undoLastStep()) << "a redone step can be undone again";
  EXPECT_EQ(radiusOf(circle), 5.0);
  EXPECT_TRUE(added.isErased());
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(RedoStep, ANewChangeEndsTheRedo) {
  AcDbDatabase db;
  AcDbObjectId circle = appendCircle(db, 5.0);
  UndoRecorder& undo = db.undo();
  undo.beginStep();
  setRadius(circle, 6.0);
  undo.endStep();
  ASSERT_TRUE(undo.undoLastStep());
  undo.beginStep();
  undo.endStep();  // a command that changed nothing keeps the redo
  EXPECT_EQ(undo.redoCount(), 1u);
  undo.beginStep();
  setRadius(circle, 7.0);
  undo.endStep();
  EXPECT_FALSE(undo.redoLastUndo()) << "redoing now would throw the new change away";
  EXPECT_EQ(radiusOf(circle), 7.0);
}

TEST(UndoStep, GivesBackTheHandleSeedAndTheHandlesOfWhatItAdded) {
  AcDbDatabase db;
  UndoRecorder& undo = db.undo();
  const std::uint64_t seed = db.core().nextHandle();
  undo.beginStep();
  const AcDbObjectId first = appendCircle(db, 5.0);
  undo.endStep();
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(db.core().nextHandle(), seed) << "$HANDSEED as before the step";
  undo.beginStep();
  const AcDbObjectId second = appendCircle(db, 6.0);
  undo.endStep();
  EXPECT_EQ(second.handle().value(), first.handle().value())
      << "the next object takes the handle the undone one had";
  EXPECT_EQ(db.core().stubForHandle(second.handle().value(), false), second.stub());
  EXPECT_TRUE(first.isErased());
}

TEST(UndoStep, PassesOverHandlesTakenOutsideTheStep) {
  AcDbDatabase db;
  UndoRecorder& undo = db.undo();
  undo.beginStep();
  (void)appendCircle(db, 5.0);
  undo.endStep();
  const AcDbObjectId outside = appendCircle(db, 6.0);  // no step records it
  ASSERT_TRUE(undo.undoLastStep());
  const AcDbObjectId next = appendCircle(db, 7.0);
  EXPECT_FALSE(next.isNull()) << "a handle still in use is not handed out again";
  EXPECT_NE(next.handle().value(), outside.handle().value());
  EXPECT_EQ(radiusOf(outside), 6.0);
}

TEST(UndoStep, PutsBackTheHeaderVariablesAndAHeaderChangeIsAStep) {
  AcDbDatabase db;
  UndoRecorder& undo = db.undo();
  db.header().setReal("$DIMSCALE", 40, 1.0);
  undo.beginStep();
  db.header().setReal("$DIMSCALE", 40, 2.0);
  undo.endStep();
  ASSERT_EQ(undo.stepCount(), 1u) << "a step that only set a variable is a step";
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(db.header().real("$DIMSCALE"), 1.0);
  ASSERT_TRUE(undo.redoLastUndo());
  EXPECT_EQ(db.header().real("$DIMSCALE"), 2.0);
}

TEST(RedoStep, AnObjectTheStepErasedAgainStaysErased) {
  AcDbDatabase db;
  UndoRecorder& undo = db.undo();
  undo.beginStep();
  const AcDbObjectId kept = appendCircle(db, 5.0);
  const AcDbObjectId dropped = appendCircle(db, 6.0);  // a segment taken back with "Undo"
  {
    Opened<AcDbCircle> circle(dropped, AcDb::kForWrite);
    ASSERT_TRUE(circle);
    ASSERT_EQ(circle->erase(), Acad::eOk);
  }
  undo.endStep();
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_TRUE(kept.isErased());
  ASSERT_TRUE(undo.redoLastUndo());
  EXPECT_FALSE(kept.isErased());
  EXPECT_TRUE(dropped.isErased()) << "redo makes the step's end state, not each object it made";
}

}  // namespace
}  // namespace zek::test
