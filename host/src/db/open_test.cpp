// Tests of the open/close protocol: one writer or many readers, upgrading a
// reader, locked layers, erased objects, the list of objects left open, and
// appending entities to model space.
#include "db_object.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "db/database_core.h"
#include "db/header_variables.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"

namespace zek::test {
namespace {

AcDbObjectId appendLine(AcDbDatabase& db, AcDbObjectId layer = AcDbObjectId()) {
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  line->setDatabaseDefaults(&db);
  if (!layer.isNull()) {
    EXPECT_EQ(line->setLayer(layer), Acad::eOk);
  }
  return appendToModelSpace(db, line);
}

bool isListedOpen(const AcDbDatabase& db, AcDbObjectId id) {
  std::vector<AcDbObjectId> open = db.openObjects();
  return std::find(open.begin(), open.end(), id) != open.end();
}

struct OpenPairCase {
  const char* name;
  AcDb::OpenMode first;
  AcDb::OpenMode second;
  Acad::ErrorStatus expected;
};
constexpr OpenPairCase kOpenPairs[] = {
    {"a second reader joins the first", AcDb::kForRead, AcDb::kForRead, Acad::eOk},
    {"a writer waits for the reader", AcDb::kForRead, AcDb::kForWrite, Acad::eWasOpenedForRead},
    {"a reader waits for the writer", AcDb::kForWrite, AcDb::kForRead, Acad::eWasOpenedForWrite},
    {"a second writer waits for the first", AcDb::kForWrite, AcDb::kForWrite,
     Acad::eWasOpenedForWrite},
};

// The host reads a layer's name or an entity's layer while a command holds
// them open for write (the layer table look-ups, the locked-layer check): the
// command's write-open must survive those reads.
TEST(OpenProtocol, HostReadsLeaveAWriterOpen) {
  AcDbDatabase db;
  AcDbObjectId layerId = addLayer(db, "HOLES");
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  line->setDatabaseDefaults(&db);
  AcDbObjectId lineId = appendToModelSpace(db, line);
  Opened<AcDbLayerTableRecord> layer(layerId, AcDb::kForWrite);
  Opened<AcDbLine> held(lineId, AcDb::kForWrite);
  ASSERT_TRUE(layer);
  ASSERT_TRUE(held);
  EXPECT_EQ(zek::recordNameOf(layerId), "HOLES");
  EXPECT_FALSE(zek::isOnLockedLayer(held.get()));
  EXPECT_TRUE(layer->isWriteEnabled()) << "reading the name kept the layer's writer";
  EXPECT_TRUE(held->isWriteEnabled()) << "the locked-layer check kept the line's writer";
  EXPECT_EQ(layer->readerCount(), 0);
}

TEST(OpenProtocol, OneWriterOrManyReaders) {
  for (const OpenPairCase& c : kOpenPairs) {
    AcDbDatabase db;
    AcDbObjectId id = appendLine(db);
    ASSERT_FALSE(id.isNull());
    AcDbObject* first = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(first, id, c.first), Acad::eOk) << c.name;
    AcDbObject* second = nullptr;
    EXPECT_EQ(acdbOpenAcDbObject(second, id, c.second), c.expected) << c.name;
    if (c.expected == Acad::eOk) {
      EXPECT_EQ(first->readerCount(), 2) << c.name;
      EXPECT_EQ(second->close(), Acad::eOk) << c.name;
    } else {
      EXPECT_EQ(second, nullptr) << c.name << ": a refused open hands out no object";
    }
    EXPECT_TRUE(isListedOpen(db, id)) << c.name;
    EXPECT_EQ(first->close(), Acad::eOk) << c.name;
    EXPECT_TRUE(db.openObjects().empty()) << c.name << ": everything was closed";
    EXPECT_FALSE(first->isOpen()) << c.name;
  }
}

TEST(OpenProtocol, OnlyTheOnlyReaderUpgrades) {
  AcDbDatabase db;
  AcDbObjectId id = appendLine(db);
  {
    Opened<AcDbLine> line(id);
    ASSERT_TRUE(line);
    ASSERT_EQ(line->upgradeOpen(), Acad::eOk);
    EXPECT_TRUE(line->isWriteEnabled());
    EXPECT_EQ(line->readerCount(), 0);
    ASSERT_EQ(line->setEndPoint(AcGePoint3d(20, 0, 0)), Acad::eOk);
    AcDbObject* other = nullptr;
    EXPECT_EQ(acdbOpenAcDbObject(other, id, AcDb::kForRead), Acad::eWasOpenedForWrite)
        << "after the upgrade the object has a writer";
  }
  EXPECT_TRUE(db.openObjects().empty()) << "one close ends an upgraded opening";
  {
    Opened<AcDbLine> one(id);
    Opened<AcDbLine> two(id);
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->upgradeOpen(), Acad::eHadMultipleReaders);
    EXPECT_EQ(one->readerCount(), 2) << "a refused upgrade keeps both readers";
    EXPECT_FALSE(one->isOpenForWrite());
    EXPECT_EQ(one->endPoint().x, 20.0) << "the upgraded writer's change was kept";
  }
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(OpenProtocol, DowngradedWriterLetsReadersIn) {
  AcDbDatabase db;
  AcDbObjectId id = appendLine(db);
  Opened<AcDbLine> line(id, AcDb::kForWrite);
  ASSERT_TRUE(line);
  ASSERT_EQ(line->downgradeOpen(), Acad::eOk);
  Opened<AcDbLine> reader(id);
  EXPECT_EQ(reader.status(), Acad::eOk);
  EXPECT_EQ(line->downgradeOpen(), Acad::eNotOpenForWrite) << "a reader has nothing to downgrade";
}

TEST(OpenProtocol, LockedLayerRefusesWritersButNotReadersOrAppends) {
  AcDbDatabase db;
  AcDbObjectId locked = addLayer(db, "LOCKED", true);
  ASSERT_FALSE(locked.isNull());
  // Appending to a locked layer is allowed: the new entity is open for write.
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto line = std::make_unique<AcDbLine>(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0));
  ASSERT_EQ(line->setLayer(locked), Acad::eOk);
  AcDbObjectId id;
  EXPECT_EQ(space->appendAcDbEntity(id, line.get()), Acad::eOk);
  EXPECT_EQ(space->close(), Acad::eOk);
  ASSERT_FALSE(id.isNull());
  EXPECT_TRUE(line->isWriteEnabled()) << "the appended entity stays open for write";
  EXPECT_EQ(line->setStartPoint(AcGePoint3d(1, 1, 0)), Acad::eOk);
  EXPECT_EQ(line.release()->close(), Acad::eOk);

  AcDbObject* object = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite), Acad::eOnLockedLayer);
  EXPECT_EQ(object, nullptr);
  {
    Opened<AcDbLine> reader(id);
    ASSERT_EQ(reader.status(), Acad::eOk) << "a locked layer can still be read";
    EXPECT_EQ(reader->upgradeOpen(), Acad::eOnLockedLayer);
    EXPECT_FALSE(reader->isOpenForWrite());
  }
  {
    Opened<AcDbLayerTableRecord> layer(locked, AcDb::kForWrite);
    ASSERT_EQ(layer.status(), Acad::eOk) << "the locked layer itself opens to be unlocked";
    layer->setIsLocked(false);
  }
  Opened<AcDbLine> writer(id, AcDb::kForWrite);
  EXPECT_EQ(writer.status(), Acad::eOk) << "unlocked again";
}

TEST(OpenProtocol, ErasedObjectsOpenOnlyWhenAskedFor) {
  AcDbDatabase db;
  AcDbObjectId id = appendLine(db);
  {
    Opened<AcDbLine> line(id);
    EXPECT_EQ(line->erase(), Acad::eNotOpenForWrite) << "erasing needs a writer";
  }
  {
    Opened<AcDbLine> line(id, AcDb::kForWrite);
    ASSERT_EQ(line->erase(), Acad::eOk);
    EXPECT_EQ(line->erase(), Acad::eWasErased);
  }
  EXPECT_TRUE(id.isErased());
  AcDbObject* object = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForRead), Acad::eWasErased);
  EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite), Acad::eWasErased);
  {
    Opened<AcDbLine> line(id, AcDb::kForWrite, true);
    ASSERT_EQ(line.status(), Acad::eOk);
    EXPECT_TRUE(line->isErased());
    EXPECT_EQ(line->erase(false), Acad::eOk) << "unerasing";
  }
  EXPECT_FALSE(id.isErased());
  Opened<AcDbLine> line(id);
  EXPECT_EQ(line.status(), Acad::eOk);
}

TEST(OpenProtocol, OpenObjectsListsWhatIsStillOpen) {
  AcDbDatabase db;
  AcDbObjectId a = appendLine(db);
  AcDbObjectId b = appendLine(db);
  ASSERT_TRUE(db.openObjects().empty()) << "appending closed what it opened";
  AcDbObject* first = nullptr;
  AcDbObject* second = nullptr;
  AcDbObject* third = nullptr;
  ASSERT_EQ(acdbOpenAcDbObject(first, a, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(acdbOpenAcDbObject(second, a, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(acdbOpenAcDbObject(third, b, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(db.openObjects().size(), 2u);
  EXPECT_EQ(first->close(), Acad::eOk);
  EXPECT_TRUE(isListedOpen(db, a)) << "one of two readers is still there";
  EXPECT_EQ(second->close(), Acad::eOk);
  EXPECT_FALSE(isListedOpen(db, a));
  EXPECT_EQ(third->close(), Acad::eOk);
  EXPECT_TRUE(db.openObjects().empty());
  EXPECT_EQ(third->close(), Acad::eNotOpenForRead) << "a second close has nothing to end";
}

TEST(OpenProtocol, IdsThatNameNothingDoNotOpen) {
  AcDbDatabase db;
  AcDbObject* object = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(object, AcDbObjectId(), AcDb::kForRead), Acad::eNullObjectId);
  AcDbObjectId dangling;
  ASSERT_EQ(db.getAcDbObjectId(dangling, true, AcDbHandle(0x7777)), Acad::eOk);
  EXPECT_EQ(acdbOpenAcDbObject(object, dangling, AcDb::kForRead), Acad::eUnknownHandle)
      << "a handle named before its object exists";
  AcDbCircle* circle = nullptr;
  EXPECT_EQ(acdbOpenObject(circle, appendLine(db), AcDb::kForRead), Acad::eNotThatKindOfClass);
  EXPECT_TRUE(db.openObjects().empty()) << "the wrong class was closed again";
}

TEST(AppendEntity, ModelSpaceOwnsTheEntityInDrawingOrder) {
  AcDbDatabase db;
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  std::vector<AcDbObjectId> ids;
  for (int i = 0; i < 3; ++i) {
    auto line = std::make_unique<AcDbLine>(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0));
    EXPECT_TRUE(line->isNewObject());
    AcDbObjectId id;
    ASSERT_EQ(space->appendAcDbEntity(id, line.get()), Acad::eOk);
    EXPECT_FALSE(line->isNewObject());
    EXPECT_EQ(line->database(), &db);
    EXPECT_EQ(line->ownerId(), db.modelSpaceId());
    EXPECT_EQ(line->blockId(), db.modelSpaceId());
    EXPECT_EQ(space->appendAcDbEntity(line.get()), Acad::eAlreadyInDb);
    EXPECT_EQ(line.release()->close(), Acad::eOk);
    ids.push_back(id);
  }
  EXPECT_EQ(space->close(), Acad::eOk);
  EXPECT_EQ(modelSpaceIds(db), ids);
  EXPECT_NE(ids[0].handle(), ids[1].handle());
  EXPECT_NE(ids[1].handle(), ids[2].handle());
  EXPECT_FALSE(ids[0].handle().isNull());
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(AppendEntity, RefusedWithoutAWriterOnTheBlock) {
  AcDbDatabase db;
  Opened<AcDbBlockTableRecord> space(db.modelSpaceId());
  ASSERT_TRUE(space);
  auto line = std::make_unique<AcDbLine>();
  AcDbObjectId id;
  EXPECT_EQ(space->appendAcDbEntity(id, line.get()), Acad::eNotOpenForWrite);
  EXPECT_TRUE(line->isNewObject()) << "a refused entity stays the caller's";
  EXPECT_EQ(space->appendAcDbEntity(id, nullptr), Acad::eNullEntityPointer);
}

TEST(DatabaseDefaults, NewEntitiesTakeTheCurrentLayerAndByLayer) {
  AcDbDatabase db;
  AcDbObjectId holes = addLayer(db, "HOLES");
  ASSERT_FALSE(holes.isNull());
  EXPECT_EQ(db.clayer(), db.layerZero()) << "a new drawing draws on layer 0";
  ASSERT_EQ(db.setClayer(holes), Acad::eOk);
  EXPECT_EQ(db.clayer(), holes);
  EXPECT_EQ(db.header().text("$CLAYER").value_or(""), "HOLES") << "CLAYER is saved by name";

  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0);
  ASSERT_EQ(circle.setColorIndex(1), Acad::eOk);
  circle.setDatabaseDefaults(&db);
  EXPECT_EQ(circle.layerId(), holes);
  EXPECT_EQ(circle.layer(), "HOLES");
  EXPECT_TRUE(circle.color().isByLayer()) << "colour index " << circle.colorIndex();
  EXPECT_EQ(circle.linetypeId(), db.byLayerLinetype());
  EXPECT_EQ(circle.lineWeight(), AcDb::kLnWtByLayer);
  EXPECT_EQ(circle.linetypeScale(), 1.0);

  // Without a database the working database gives the defaults.
  zek::setWorkingDatabase(&db);
  AcDbLine line;
  line.setDatabaseDefaults();
  EXPECT_EQ(line.layerId(), holes);
  zek::setWorkingDatabase(nullptr);
}

TEST(DatabaseDefaults, AppendedEntityWithoutALayerTakesTheCurrentOne) {
  AcDbDatabase db;
  AcDbObjectId holes = addLayer(db, "HOLES");
  AcDbObjectId text = addLayer(db, "TEXT");
  ASSERT_EQ(db.setClayer(holes), Acad::eOk);
  struct Row { const char* what; AcDbObjectId given; AcDbObjectId expected; };
  const Row rows[] = {
      {"a line given no layer draws on CLAYER", AcDbObjectId(), holes},
      {"a line given its layer keeps it", text, text},
  };
  for (const Row& row : rows) {
    // No setDatabaseDefaults here: appending must do it for a line without a layer.
    auto* fresh = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    if (!row.given.isNull()) {
      EXPECT_EQ(fresh->setLayer(row.given), Acad::eOk);
    }
    AcDbObjectId id = appendToModelSpace(db, fresh);
    Opened<AcDbLine> line(id);
    EXPECT_EQ(line->layerId(), row.expected) << row.what;
    EXPECT_TRUE(line->color().isByLayer()) << row.what;
  }
}

TEST(DatabaseDefaults, ClayerTakesOnlyLiveLayers) {
  AcDbDatabase db;
  AcDbObjectId gone = addLayer(db, "GONE");
  {
    Opened<AcDbLayerTableRecord> layer(gone, AcDb::kForWrite);
    ASSERT_EQ(layer->erase(), Acad::eOk);
  }
  struct Case {
    const char* name;
    AcDbObjectId id;
  };
  const Case cases[] = {
      {"a linetype is no layer", db.continuousLinetype()},
      {"an erased layer", gone},
      {"the null id", AcDbObjectId()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(db.setClayer(c.id), Acad::eInvalidInput) << c.name;
    EXPECT_EQ(db.clayer(), db.layerZero()) << c.name << ": CLAYER unchanged";
  }
}

}  // namespace
}  // namespace zek::test
