// Tests of deep cloning: copies get new ids and the same fields, belong to
// the target block, go into the id map with their sources, and what a copy
// owns (a heavy polyline's vertices, a reference's attributes) is copied
// along and belongs to the copy, not to the original.
#include <gtest/gtest.h>

#include "db/testing/db_test_support.h"
#include "db/undo_recorder.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "db_text.h"

namespace zek::test {
namespace {

// Clones the objects into the block and answers the map (the test fails
// when cloning fails).
void cloneInto(AcDbDatabase& db, std::vector<AcDbObjectId> sources, AcDbObjectId owner,
               AcDbIdMapping& map) {
  AcDbObjectIdArray ids;
  for (AcDbObjectId id : sources)
    ids.append(id);
  ASSERT_EQ(db.deepCloneObjects(ids, owner, map), Acad::eOk);
  EXPECT_TRUE(db.openObjects().empty()) << "cloning leaves nothing open";
}

AcDbObjectId copyOf(const AcDbIdMapping& map, AcDbObjectId source) {
  AcDbIdPair pair(source, AcDbObjectId(), false);
  return map.compute(pair) ? pair.value() : AcDbObjectId();
}

AcDbObjectId addBlock(AcDbDatabase& db, const char* name) {
  Opened<AcDbBlockTable> table(db.blockTableId(), AcDb::kForWrite);
  auto block = std::make_unique<AcDbBlockTableRecord>();
  EXPECT_EQ(block->setName(name), Acad::eOk);
  AcDbObjectId id;
  if (table->add(id, block.get()) != Acad::eOk)
    return {};
  (void)block.release()->close();
  return id;
}

TEST(DeepClone, LineCopyHasANewIdTheSameFieldsAndTheTargetOwner) {
  AcDbDatabase db;
  AcDbObjectId layer = addLayer(db, "HOLES");
  auto* line = new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(7, 5, 0));
  line->setDatabaseDefaults(&db);
  ASSERT_EQ(line->setLayer(layer), Acad::eOk);
  ASSERT_EQ(line->setColorIndex(3), Acad::eOk);
  AcDbObjectId source = appendToModelSpace(db, line);
  AcDbObjectId plate = addBlock(db, "PLATE");
  ASSERT_FALSE(plate.isNull());

  AcDbIdMapping map;
  cloneInto(db, {source}, plate, map);
  ASSERT_EQ(map.numPairs(), 1);
  const AcDbIdPair& pair = map.pairAt(0);
  EXPECT_EQ(pair.key(), source);
  EXPECT_TRUE(pair.isCloned());
  EXPECT_TRUE(pair.isPrimary());
  EXPECT_EQ(map.destDb(), &db);
  AcDbObjectId copy = pair.value();
  ASSERT_FALSE(copy.isNull());
  EXPECT_NE(copy, source);
  EXPECT_NE(copy.handle(), source.handle());

  Opened<AcDbLine> cloned(copy);
  ASSERT_TRUE(cloned);
  EXPECT_EQ(cloned->ownerId(), plate);
  EXPECT_EQ(cloned->startPoint(), AcGePoint3d(1, 2, 0));
  EXPECT_EQ(cloned->endPoint(), AcGePoint3d(7, 5, 0));
  EXPECT_EQ(cloned->layerId(), layer) << "a reference to something not cloned stays";
  EXPECT_EQ(cloned->colorIndex(), 3);
  Opened<AcDbBlockTableRecord> block(plate);
  EXPECT_EQ(block->entityIds(), std::vector<AcDbObjectId>{copy});
  EXPECT_EQ(modelSpaceIds(db), std::vector<AcDbObjectId>{source}) << "the original stays put";
}

TEST(DeepClone, HeavyPolylineVerticesBelongToTheCopy) {
  AcDbDatabase db;
  AcGePoint3dArray points{AcGePoint3d(0, 0, 0), AcGePoint3d(20, 0, 0), AcGePoint3d(20, 8, 0)};
  AcDbObjectId source =
      appendToModelSpace(db, new AcDb2dPolyline(AcDb::k2dSimplePoly, points, 0.0, true));
  ASSERT_FALSE(source.isNull());
  std::vector<AcDbObjectId> originals;
  {
    Opened<AcDb2dPolyline> polyline(source);
    originals = polyline->vertexIds();
  }
  ASSERT_EQ(originals.size(), 3u);

  AcDbIdMapping map;
  cloneInto(db, {source}, db.modelSpaceId(), map);
  AcDbObjectId copy = copyOf(map, source);
  ASSERT_FALSE(copy.isNull());
  EXPECT_EQ(map.numPairs(), 5) << "the head, three vertices and the SEQEND";
  int primaries = 0;
  for (int i = 0; i < map.numPairs(); ++i)
    primaries += map.pairAt(i).isPrimary();
  EXPECT_EQ(primaries, 1) << "only the polyline was asked for";

  Opened<AcDb2dPolyline> cloned(copy);
  ASSERT_TRUE(cloned);
  EXPECT_TRUE(cloned->isClosed());
  const std::vector<AcDbObjectId>& vertices = cloned->vertexIds();
  ASSERT_EQ(vertices.size(), 3u);
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    EXPECT_NE(vertices[i], originals[i]) << "vertex " << i;
    EXPECT_EQ(vertices[i], copyOf(map, originals[i])) << "vertex " << i;
    Opened<AcDb2dVertex> vertex(vertices[i]);
    ASSERT_TRUE(vertex) << "vertex " << i;
    EXPECT_EQ(vertex->ownerId(), copy) << "vertex " << i;
    EXPECT_EQ(cloned->vertexPosition(*vertex.get()), points[static_cast<int>(i)]) << "vertex " << i;
    Opened<AcDb2dVertex> original(originals[i]);
    EXPECT_EQ(original->ownerId(), source) << "vertex " << i << " of the original";
  }
  EXPECT_EQ(cloned->ownerId(), db.modelSpaceId());
  EXPECT_EQ(modelSpaceIds(db), (std::vector<AcDbObjectId>{source, copy}))
      << "the vertices are not model-space entities of their own";
}

TEST(DeepClone, BlockReferenceAttributesBelongToTheCopy) {
  AcDbDatabase db;
  AcDbObjectId hole = addBlock(db, "HOLE");
  ASSERT_FALSE(hole.isNull());
  AcDbObjectId source = appendToModelSpace(db, new AcDbBlockReference(AcGePoint3d(50, 40, 0), hole));
  ASSERT_FALSE(source.isNull());
  AcDbObjectId attribute;
  {
    Opened<AcDbBlockReference> reference(source, AcDb::kForWrite);
    ASSERT_TRUE(reference);
    auto made = std::make_unique<AcDbAttribute>(AcGePoint3d(52, 40, 0), "M8", "SIZE");
    ASSERT_EQ(reference->appendAttribute(attribute, made.get()), Acad::eOk);
    ASSERT_EQ(made.release()->close(), Acad::eOk);
  }

  AcDbIdMapping map;
  cloneInto(db, {source}, db.modelSpaceId(), map);
  AcDbObjectId copy = copyOf(map, source);
  ASSERT_FALSE(copy.isNull());
  Opened<AcDbBlockReference> cloned(copy);
  ASSERT_TRUE(cloned);
  EXPECT_EQ(cloned->blockTableRecord(), hole) << "the block itself is not copied";
  EXPECT_EQ(cloned->position(), AcGePoint3d(50, 40, 0));
  ASSERT_EQ(cloned->attributeIds().size(), 1u);
  AcDbObjectId copiedAttribute = cloned->attributeIds()[0];
  EXPECT_NE(copiedAttribute, attribute);
  EXPECT_EQ(copiedAttribute, copyOf(map, attribute));
  Opened<AcDbAttribute> text(copiedAttribute);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->ownerId(), copy);
  EXPECT_STREQ(text->tagConst(), "SIZE");
  EXPECT_STREQ(text->textStringConst(), "M8");
  EXPECT_NE(cloned->sequenceEndId(), AcDbObjectId()) << "the copy ends its attributes";
  Opened<AcDbBlockReference> original(source);
  EXPECT_EQ(original->attributeIds(), std::vector<AcDbObjectId>{attribute});
  cloned.close();
  original.close();
  text.close();

  // Both references are written with their own ATTRIB.
  std::string written = writeDxf(db);
  Groups first = objectGroups(written, "ENTITIES", "ATTRIB", 0);
  Groups second = objectGroups(written, "ENTITIES", "ATTRIB", 1);
  ASSERT_FALSE(second.empty()) << written;
  EXPECT_EQ(valuesOf(first, 330).at(0), source.handle().ascii());
  EXPECT_EQ(valuesOf(second, 330).at(0), copy.handle().ascii());
}

TEST(DeepClone, UndoErasesTheCopiesWithWhatTheyOwn) {
  AcDbDatabase db;
  AcGePoint3dArray points{AcGePoint3d(0, 0, 0), AcGePoint3d(20, 0, 0)};
  AcDbObjectId source = appendToModelSpace(db, new AcDb2dPolyline(AcDb::k2dSimplePoly, points));
  db.undo().beginStep();
  AcDbIdMapping map;
  cloneInto(db, {source}, db.modelSpaceId(), map);
  db.undo().endStep();
  ASSERT_EQ(map.numPairs(), 4);
  ASSERT_TRUE(db.undo().undoLastStep());
  for (int i = 0; i < map.numPairs(); ++i) {
    EXPECT_TRUE(map.pairAt(i).value().isErased()) << "copy " << i;
    EXPECT_FALSE(map.pairAt(i).key().isErased()) << "source " << i;
  }
  EXPECT_EQ(modelSpaceIds(db), std::vector<AcDbObjectId>{source});
}

TEST(DeepClone, RefusesWhatItCannotCopyInto) {
  AcDbDatabase db;
  AcDbDatabase other;
  AcDbObjectId line = appendToModelSpace(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  AcDbObjectId foreign =
      appendToModelSpace(other, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  struct Case {
    const char* name;
    AcDbObjectId source;
    AcDbObjectId owner;
    Acad::ErrorStatus expected;
  };
  const Case cases[] = {
      {"the owner is no block", line, db.layerZero(), Acad::eWrongObjectType},
      {"the block is another drawing's", line, other.modelSpaceId(), Acad::eWrongObjectType},
      {"the source is another drawing's", foreign, db.modelSpaceId(), Acad::eWrongDatabase},
  };
  for (const Case& c : cases) {
    AcDbObjectIdArray ids{c.source};
    AcDbObjectId owner = c.owner;
    AcDbIdMapping map;
    EXPECT_EQ(db.deepCloneObjects(ids, owner, map), c.expected) << c.name;
    EXPECT_EQ(map.numPairs(), 0) << c.name;
  }
  EXPECT_EQ(modelSpaceIds(db).size(), 1u);
}

}  // namespace
}  // namespace zek::test
