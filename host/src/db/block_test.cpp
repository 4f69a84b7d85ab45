// Tests of walking a block's entities and a table's records with their
// iterators, forwards and backwards, past erased ones.
#include "db_block.h"

#include <gtest/gtest.h>

#include "db/testing/db_test_support.h"
#include "db_curves.h"

namespace zek::test {
namespace {

// Five lines in model space, numbered by their start x; `erased` lists the
// ones erased afterwards.
std::vector<AcDbObjectId> fiveLines(AcDbDatabase& db, std::initializer_list<int> erased) {
  std::vector<AcDbObjectId> ids;
  for (int i = 0; i < 5; ++i)
    ids.push_back(appendToModelSpace(db, new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0))));
  for (int i : erased) {
    Opened<AcDbLine> line(ids[static_cast<std::size_t>(i)], AcDb::kForWrite);
    EXPECT_EQ(line->erase(), Acad::eOk);
  }
  return ids;
}

// The start x of each entity the iterator visits (at most 10, so a walk that
// does not move ends the test instead of hanging it).
std::vector<int> walk(AcDbBlockTableRecordIterator& it, bool forward, bool skipErased) {
  std::vector<int> visited;
  for (it.start(forward, skipErased); !it.done() && visited.size() < 10; it.step(forward, skipErased)) {
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(it.getEntity(entity, AcDb::kForRead, true), Acad::eOk);
    if (entity == nullptr)
      break;
    visited.push_back(static_cast<int>(AcDbLine::cast(entity)->startPoint().x));
    EXPECT_EQ(entity->close(), Acad::eOk);
  }
  return visited;
}

struct WalkCase {
  const char* name;
  std::initializer_list<int> erased;
  bool forward;
  bool skipErased;
  std::vector<int> expected;
};

TEST(BlockIterator, VisitsEntitiesInOrderPastErasedOnes) {
  const WalkCase cases[] = {
      {"forwards", {}, true, true, {0, 1, 2, 3, 4}},
      {"forwards past erased ones", {0, 2, 4}, true, true, {1, 3}},
      {"forwards with the erased ones", {0, 2, 4}, true, false, {0, 1, 2, 3, 4}},
      {"backwards", {}, false, true, {4, 3, 2, 1, 0}},
      {"backwards past one in the middle", {2}, false, true, {4, 3, 1, 0}},
      {"backwards from an erased last one", {4, 3}, false, true, {2, 1, 0}},
      {"backwards to an erased first one", {0}, false, true, {4, 3, 2, 1}},
  };
  for (const WalkCase& c : cases) {
    AcDbDatabase db;
    fiveLines(db, c.erased);
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId());
    AcDbBlockTableRecordIterator* made = nullptr;
    ASSERT_EQ(space->newIterator(made, c.forward, c.skipErased), Acad::eOk) << c.name;
    std::unique_ptr<AcDbBlockTableRecordIterator> it(made);
    EXPECT_EQ(walk(*it, c.forward, c.skipErased), c.expected) << c.name;
  }
}

TEST(SymbolTableIterator, WalksBackwardsPastErasedRecords) {
  AcDbDatabase db;
  std::vector<AcDbObjectId> layers;
  for (const char* name : {"A", "B", "C"})
    layers.push_back(addLayer(db, name));
  {
    Opened<AcDbLayerTableRecord> b(layers[1], AcDb::kForWrite);
    ASSERT_EQ(b->erase(), Acad::eOk);
  }
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbSymbolTableIterator* made = nullptr;
  ASSERT_EQ(table->newIterator(made, false), Acad::eOk);
  std::unique_ptr<AcDbSymbolTableIterator> it(made);
  std::vector<std::string> names;
  for (; !it->done() && names.size() < 10; it->step(false)) {
    AcDbLayerTableRecord* layer = nullptr;
    ASSERT_EQ(it->getRecord(layer, AcDb::kForRead), Acad::eOk);
    names.push_back(layer->name());
    EXPECT_EQ(layer->close(), Acad::eOk);
  }
  // Layer 0 of the new drawing comes first in the table.
  EXPECT_EQ(names, (std::vector<std::string>{"C", "A", "0"}));
}

}  // namespace
}  // namespace zek::test
