// Tests of a class registered at run time (ZekTestBox, standing in for a
// module's custom entity): its CLASSES record, DXF and binary round trips,
// and entities the class refuses (a group out of place, another version),
// which the host keeps as read so nothing of them is lost.
#include <gtest/gtest.h>

#include <algorithm>

#include "db/kept_object.h"
#include "db/memory_filer.h"
#include "db/testing/db_test_support.h"
#include "db/testing/test_box.h"

namespace zek::test {
namespace {

class CustomClass : public ::testing::Test {
protected:
  void SetUp() override {
    ZekTestBox::rxInit();
    acrxBuildClassHierarchy();
  }
  void TearDown() override { unregister(); }
  // Drawings holding boxes must be gone before the class is.
  static void unregister() {
    if (findRxClass("ZekTestBox") != nullptr)
      deleteAcRxClass(ZekTestBox::desc());
    ZekTestBox::gpDesc = nullptr;
  }

  // A drawing with one box on layer HOLES; its DXF text in `dxf`.
  static std::unique_ptr<AcDbDatabase> drawingWithBox(std::string& dxf) {
    auto db = std::make_unique<AcDbDatabase>();
    AcDbObjectId layer = addLayer(*db, "HOLES");
    auto* box = new ZekTestBox(AcGePoint2d(12.5, -3.25), 40.0, 0.1 + 0.2);
    box->setDatabaseDefaults(db.get());
    EXPECT_EQ(box->setLayer(layer), Acad::eOk);
    EXPECT_FALSE(appendToModelSpace(*db, box).isNull());
    dxf = writeDxf(*db);
    return db;
  }
};

// The groups of the first entity of that type in the text and where they start.
struct Located {
  std::size_t begin = 0;  // index of the 0 group
  std::size_t end = 0;    // index of the next 0 group
};
Located locate(const Groups& groups, const std::string& type) {
  Located at;
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i] == Group{0, type}) {
      at.begin = i;
      at.end = i + 1;
      while (at.end < groups.size() && groups[at.end].first != 0)
        ++at.end;
      break;
    }
  return at;
}

TEST_F(CustomClass, RegistrationLinksTheClassUnderItsParent) {
  AcRxClass* cls = ZekTestBox::desc();
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->myParent(), AcDbEntity::desc());
  EXPECT_EQ(findRxClassByDxfName("ZEKTESTBOX"), cls);
  ZekTestBox box;
  EXPECT_TRUE(box.isKindOf(AcDbEntity::desc()));
  EXPECT_EQ(AcDbEntity::cast(&box), &box);
  EXPECT_STREQ(box.dxfTypeName(), "ZEKTESTBOX");
  EXPECT_EQ(ZekTestBox::cast(static_cast<AcRxObject*>(nullptr)), nullptr);
  unregister();
  EXPECT_EQ(findRxClass("ZekTestBox"), nullptr);
  EXPECT_EQ(findRxClassByDxfName("ZEKTESTBOX"), nullptr);
}

TEST_F(CustomClass, DxfRoundTripKeepsTheClassRecordAndTheFields) {
  std::string dxf;
  auto db = drawingWithBox(dxf);
  Groups record;
  for (const DxfObject& object : dxfObjects(dxf))
    if (object.section == "CLASSES" && object.type == "CLASS" &&
        valuesOf(object.groups, 1) == std::vector<std::string>{"ZEKTESTBOX"})
      record = object.groups;
  EXPECT_EQ(record, (Groups{{1, "ZEKTESTBOX"}, {2, "ZekTestBox"}, {3, "\"ZEKTEST_1.0\""},
                            {90, "1023"}, {91, "1"}, {280, "0"}, {281, "1"}}))
      << "the CLASSES record of the class:\n" << dxf;

  std::vector<Failure> warnings;
  auto reread = readDxf(dxf, &warnings);
  ASSERT_TRUE(reread);
  EXPECT_TRUE(warnings.empty()) << describeAll(warnings);
  std::vector<AcDbObjectId> ids = modelSpaceIds(*reread);
  ASSERT_EQ(ids.size(), 1u);
  {
    Opened<ZekTestBox> box(ids[0]);
    ASSERT_EQ(box.status(), Acad::eOk) << "the entity reads back as the class";
    EXPECT_EQ(box->centre(), AcGePoint2d(12.5, -3.25));
    EXPECT_EQ(box->length(), 40.0);
    EXPECT_EQ(box->height(), 0.1 + 0.2) << "the very same double";
    EXPECT_EQ(box->layer(), "HOLES");
  }
  EXPECT_EQ(objectGroups(writeDxf(*reread), "ENTITIES", "ZEKTESTBOX"),
            objectGroups(dxf, "ENTITIES", "ZEKTESTBOX"))
      << "written again, the entity has the same groups";
}

TEST_F(CustomClass, BinaryFilerRoundTrip) {
  ZekTestBox box(AcGePoint2d(-7.0, 1e-9), 25.4, 12.7);
  ASSERT_EQ(box.setColorIndex(5), Acad::eOk);
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  ASSERT_EQ(box.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  ZekTestBox copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd()) << "the copy read all the source wrote";
  EXPECT_EQ(copy.centre(), AcGePoint2d(-7.0, 1e-9));
  EXPECT_EQ(copy.length(), 25.4);
  EXPECT_EQ(copy.height(), 12.7);
  EXPECT_EQ(copy.colorIndex(), 5);

  // A later version of the class filed this: not ours to read.
  MemoryDwgFiler later(AcDb::kCopyFiler, nullptr);
  AcDbEntity entityPart;
  ASSERT_EQ(entityPart.dwgOutFields(&later), Acad::eOk);
  later.writeInt16(2);
  later.writePoint2d(AcGePoint2d(1, 1));
  later.writeDouble(1.0);
  later.writeDouble(1.0);
  later.rewind();
  ZekTestBox refused;
  EXPECT_EQ(refused.dwgInFields(&later), Acad::eMakeMeProxy);
}

// Damaged or foreign box entities: each edit of the written groups makes the
// class refuse the entity, and the host keeps it as read.
struct RefusedCase {
  const char* name;
  void (*edit)(Groups& groups, const Located& at);
  const char* warning;
  int lineGroup;  // the code of the group the warning names (0: the entity's type)
};

void dropCentre(Groups& groups, const Located& at) {
  auto first = groups.begin() + static_cast<long>(at.begin);
  auto last = groups.begin() + static_cast<long>(at.end);
  auto marker = std::find(first, last, Group{100, "ZEKTESTBOX"});
  groups.erase(std::remove_if(marker, last, [](const Group& g) { return g.first == 10 || g.first == 20; }),
               last);
}

void laterVersion(Groups& groups, const Located& at) {
  for (std::size_t i = at.begin; i < at.end; ++i)
    if (groups[i].first == 70)
      groups[i].second = "2";
}

const RefusedCase kRefused[] = {
    {"a length where the centre belongs", &dropCentre,
     "ZEKTESTBOX kept as read: Error: expected group code 10", 40},
    {"a later version of the class", &laterVersion, "ZEKTESTBOX kept as read", 0},
};

TEST_F(CustomClass, RefusedEntitiesAreKeptAsRead) {
  for (const RefusedCase& c : kRefused) {
    std::string dxf;
    auto original = drawingWithBox(dxf);
    Groups groups = parseGroups(dxf);
    c.edit(groups, locate(groups, "ZEKTESTBOX"));
    const Located at = locate(groups, "ZEKTESTBOX");
    long expectedLine = 2 * static_cast<long>(at.begin) + 2;  // the value line of the 0 group
    if (c.lineGroup != 0)
      for (std::size_t i = at.end; i-- > at.begin;)
        if (groups[i].first == c.lineGroup)
          expectedLine = 2 * static_cast<long>(i) + 2;
    const std::string edited = dxfText(groups);

    std::vector<Failure> warnings;
    auto db = readDxf(edited, &warnings);
    ASSERT_TRUE(db) << c.name;
    ASSERT_EQ(warnings.size(), 1u) << c.name << "\n" << describeAll(warnings);
    EXPECT_NE(warnings[0].message.find(c.warning), std::string::npos)
        << c.name << ": " << warnings[0].describe();
    EXPECT_EQ(warnings[0].line, expectedLine) << c.name << ": " << warnings[0].describe();
    std::vector<AcDbObjectId> ids = modelSpaceIds(*db);
    ASSERT_EQ(ids.size(), 1u) << c.name;
    {
      Opened<AcDbEntity> entity(ids[0]);
      ASSERT_TRUE(entity) << c.name;
      EXPECT_EQ(ZekTestBox::cast(entity.get()), nullptr) << c.name;
      EXPECT_NE(KeptEntity::cast(entity.get()), nullptr) << c.name;
      EXPECT_STREQ(entity->dxfTypeName(), "ZEKTESTBOX") << c.name;
      EXPECT_EQ(entity->layer(), "HOLES") << c.name;
    }
    EXPECT_EQ(objectGroups(writeDxf(*db), "ENTITIES", "ZEKTESTBOX"),
              objectGroups(edited, "ENTITIES", "ZEKTESTBOX"))
        << c.name << ": nothing of the entity is lost";
  }
}

TEST_F(CustomClass, WithoutTheClassItsEntitiesAndRecordSurvive) {
  std::string dxf;
  drawingWithBox(dxf).reset();
  unregister();
  std::vector<Failure> warnings;
  auto db = readDxf(dxf, &warnings);
  ASSERT_TRUE(db);
  std::string written = writeDxf(*db);
  EXPECT_EQ(objectGroups(written, "ENTITIES", "ZEKTESTBOX"), objectGroups(dxf, "ENTITIES", "ZEKTESTBOX"));
  EXPECT_EQ(objectGroups(written, "CLASSES", "CLASS"), objectGroups(dxf, "CLASSES", "CLASS"))
      << "the class record is written back as read";
}

}  // namespace
}  // namespace zek::test
