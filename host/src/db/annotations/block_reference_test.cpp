// AcDbBlockReference: block transform and extents (rotation, scale, block
// origin, MINSERT grids, nested and self-containing blocks), attributes
// read, appended and written in order, the MINSERT marker, missing blocks,
// transformation and the binary round trip.
#include "db_blockref.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "db/annotations/annotation_test_support.h"
#include "db/memory_filer.h"
#include "db_leader.h"
#include "db_text.h"

namespace zek {
namespace {

constexpr double kTol = 1e-9;

void expectExtents(const AcDbExtents& e, AcGePoint3d min, AcGePoint3d max, const char* name) {
  EXPECT_NEAR(e.minPoint().x, min.x, kTol) << name << " min x";
  EXPECT_NEAR(e.minPoint().y, min.y, kTol) << name << " min y";
  EXPECT_NEAR(e.maxPoint().x, max.x, kTol) << name << " max x";
  EXPECT_NEAR(e.maxPoint().y, max.y, kTol) << name << " max y";
}

void expectScale(const AcGeScale3d& s, const AcGeScale3d& expected, const char* name) {
  EXPECT_NEAR(s.sx, expected.sx, kTol) << name << " x";
  EXPECT_NEAR(s.sy, expected.sy, kTol) << name << " y";
  EXPECT_NEAR(s.sz, expected.sz, kTol) << name << " z";
}

// A leader as R12-style groups: exact extents under any transformation.
std::string leader(double x1, double y1, double x2, double y2) {
  auto n = [](double v) { return std::to_string(v); };
  return "0\nLEADER\n8\n0\n76\n2\n10\n" + n(x1) + "\n20\n" + n(y1) + "\n30\n0\n10\n" + n(x2) +
         "\n20\n" + n(y2) + "\n30\n0\n";
}

std::string block(const std::string& name, const std::string& entities, double baseX = 0,
                  double baseY = 0) {
  return "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n0\n10\n" + std::to_string(baseX) + "\n20\n" +
         std::to_string(baseY) + "\n30\n0\n3\n" + name + "\n" + entities + "0\nENDBLK\n8\n0\n";
}

std::string insert(const std::string& name, const std::string& more) {
  return "0\nINSERT\n8\n0\n2\n" + name + "\n" + more;
}

std::string drawing(const std::string& blocks, const std::string& entities) {
  return "0\nSECTION\n2\nBLOCKS\n" + blocks + "0\nENDSEC\n" + test::entitiesDxf(entities);
}

struct ExtentsCase {
  const char* name;
  std::string blocks;
  std::string reference;
  AcGePoint3d min, max;
};

TEST(BlockReferenceExtents, HandFigures) {
  const ExtentsCase cases[] = {
      // The diagonal (0,0)-(10,10) at (100,50), scale 2, turned 90°:
      // (10,10) → (20,20) → (-20,20) → (80,70).
      {"rotated 90 and scaled 2", block("DIAG", leader(0, 0, 10, 10)),
       insert("DIAG", "10\n100\n20\n50\n30\n0\n41\n2\n42\n2\n43\n2\n50\n90\n"), {80, 50, 0},
       {100, 70, 0}},
      // Turned 45°, the diagonal stands upright: (20,20) → (0, 20√2). Its
      // transformed box would be 20√2 wide; the exact extents are a line.
      {"45 degrees: exact, not the turned box", block("DIAG", leader(0, 0, 10, 10)),
       insert("DIAG", "10\n0\n20\n0\n30\n0\n41\n2\n42\n2\n43\n2\n50\n45\n"), {0, 0, 0},
       {0, 20 * std::sqrt(2.0), 0}},
      // Mirrored in X (scale -1, 1): (10,10) → (-10,10).
      {"negative X scale", block("DIAG", leader(0, 0, 10, 10)),
       insert("DIAG", "10\n0\n20\n0\n30\n0\n41\n-1\n"), {-10, 0, 0}, {0, 10, 0}},
      // Base point (10,10): the leader (10,10)-(20,10) starts at the insertion point.
      {"block origin", block("BASE", leader(10, 10, 20, 10), 10, 10),
       insert("BASE", "10\n5\n20\n5\n30\n0\n"), {5, 5, 0}, {15, 5, 0}},
      // 3 columns 10 apart, 2 rows 20 apart of (0,0)-(1,1): up to (21,21).
      {"MINSERT grid", block("DOT", leader(0, 0, 1, 1)),
       insert("DOT", "10\n0\n20\n0\n30\n0\n70\n3\n71\n2\n44\n10\n45\n20\n"), {0, 0, 0}, {21, 21, 0}},
      // A nested reference: OUTER holds DOT at (5,5); OUTER placed at (100,0).
      {"nested block", block("DOT", leader(0, 0, 1, 1)) +
                           block("OUTER", leader(0, 0, 2, 0) + insert("DOT", "10\n5\n20\n5\n30\n0\n")),
       insert("OUTER", "10\n100\n20\n0\n30\n0\n"), {100, 0, 0}, {106, 6, 0}},
      // LOOP holds a reference to itself: the second visit adds nothing.
      {"block holding itself", block("LOOP", leader(0, 0, 1, 1) + insert("LOOP", "10\n5\n20\n5\n30\n0\n")),
       insert("LOOP", "10\n0\n20\n0\n30\n0\n"), {0, 0, 0}, {1, 1, 0}},
  };
  for (const ExtentsCase& c : cases) {
    auto db = test::readDrawing(drawing(c.blocks, c.reference));
    ASSERT_TRUE(db) << c.name;
    auto ids = test::modelSpaceIds(*db);
    ASSERT_EQ(ids.size(), 1u) << c.name;
    test::Opened<AcDbBlockReference> reference(ids[0]);
    ASSERT_TRUE(reference) << c.name;
    AcDbExtents extents;
    ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk) << c.name;
    expectExtents(extents, c.min, c.max, c.name);
    EXPECT_TRUE(db->openObjects().size() == 1) << c.name << ": only the reference is open";
  }
}

TEST(BlockReferenceTransform, BlockTransformMapsTheBlockOrigin) {
  auto db = test::readDrawing(drawing(block("BASE", leader(10, 10, 20, 10), 10, 10),
                                      insert("BASE", "10\n5\n20\n5\n30\n0\n50\n90\n")));
  ASSERT_TRUE(db);
  test::Opened<AcDbBlockReference> reference(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(reference);
  // (20,10) is 10 right of the origin (10,10); turned 90° it lies 10 above (5,5).
  AcGePoint3d mapped = reference->blockTransform() * AcGePoint3d(20, 10, 0);
  EXPECT_TRUE(mapped.isEqualTo(AcGePoint3d(5, 15, 0))) << mapped.x << ", " << mapped.y;
  EXPECT_EQ(reference->blockName(), "BASE");
}

// An R2000 INSERT with two ATTRIBs and a SEQEND.
const char* kInsertWithAttributes =
    "0\nINSERT\n5\n30\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n66\n1\n2\nTAGS\n"
    "10\n0\n20\n0\n30\n0\n"
    "0\nATTRIB\n5\n31\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n50\n20\n0\n30\n0\n40\n2\n1\nAB\n"
    "100\nAcDbAttribute\n2\nFIRST\n70\n0\n"
    "0\nATTRIB\n5\n32\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n0\n20\n-10\n30\n0\n40\n2\n1\nHIDDEN\n"
    "100\nAcDbAttribute\n2\nSECOND\n70\n1\n"
    "0\nSEQEND\n5\n33\n100\nAcDbEntity\n8\n0\n";

std::string tagsDrawing() {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n" +
         drawing(block("TAGS", leader(0, 0, 10, 10)), kInsertWithAttributes);
}

TEST(BlockReferenceAttributes, ReadIntoOneReferenceAndWriteBackInOrder) {
  auto db = test::readDrawing(tagsDrawing());
  ASSERT_TRUE(db);
  auto ids = test::modelSpaceIds(*db);
  ASSERT_EQ(ids.size(), 1u) << "the attributes are not model space entities";
  {
    test::Opened<AcDbBlockReference> reference(ids[0]);
    ASSERT_TRUE(reference);
    ASSERT_EQ(reference->attributeIds().size(), 2u);
    const char* tags[] = {"FIRST", "SECOND"};
    for (int i = 0; i < 2; ++i) {
      test::Opened<AcDbAttribute> attribute(reference->attributeIds()[i]);
      ASSERT_TRUE(attribute) << tags[i];
      EXPECT_STREQ(attribute->tagConst(), tags[i]);
      EXPECT_EQ(attribute->ownerId(), ids[0]) << tags[i] << " is owned by the reference";
    }
    EXPECT_FALSE(reference->sequenceEndId().isNull());
    // Extents: the block (0,0)-(10,10) and the visible "AB" at (50,0), 3.2 × 2;
    // the invisible SECOND at (0,-10) adds nothing.
    AcDbExtents extents;
    ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk);
    expectExtents(extents, {0, 0, 0}, {53.2, 10, 0}, "with attributes");
  }
  std::string out = test::writeDrawing(*db, DxfVersion::R2000);
  std::size_t insertAt = out.find("\nINSERT\n");
  std::size_t first = out.find("\nFIRST\n");
  std::size_t second = out.find("\nSECOND\n");
  std::size_t end = out.find("\nSEQEND\n");
  ASSERT_NE(insertAt, std::string::npos);
  EXPECT_LT(insertAt, first);
  EXPECT_LT(first, second) << "attributes in their order";
  EXPECT_LT(second, end) << "SEQEND after the attributes";
  test::Groups head = test::entityGroups(out, "INSERT");
  EXPECT_EQ(test::valuesOf(head, 66), std::vector<std::string>{"1"});
}

TEST(BlockReferenceAttributes, AppendedAttributesAreOwnedAndFiled) {
  auto db = test::readDrawing(drawing(block("TAGS", leader(0, 0, 10, 10)), ""));
  ASSERT_TRUE(db);
  AcDbObjectId blockId;
  {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db->getBlockTable(table, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(table->getAt("TAGS", blockId), Acad::eOk);
    table->close();
  }
  AcDbObjectId refId;
  {
    test::Opened<AcDbBlockTableRecord> space(db->modelSpaceId(), AcDb::kForWrite);
    ASSERT_TRUE(space);
    auto reference = std::make_unique<AcDbBlockReference>(AcGePoint3d(1, 2, 0), blockId);
    ASSERT_EQ(space->appendAcDbEntity(refId, reference.get()), Acad::eOk);
    for (const char* tag : {"ONE", "TWO"}) {
      auto attribute = std::make_unique<AcDbAttribute>(AcGePoint3d(1, 2, 0), "v", tag);
      attribute->setHeight(1.0);
      AcDbObjectId attId;
      ASSERT_EQ(reference->appendAttribute(attId, attribute.get()), Acad::eOk) << tag;
      EXPECT_FALSE(attId.isNull()) << tag;
      attribute.release()->close();
    }
    EXPECT_EQ(reference->attributeIds().size(), 2u);
    reference.release()->close();
  }
  EXPECT_TRUE(db->openObjects().empty()) << "appended attributes close like entities";
  auto outside = std::make_unique<AcDbBlockReference>();
  AcDbAttribute loose;
  AcDbObjectId ignored;
  EXPECT_EQ(outside->appendAttribute(ignored, &loose), Acad::eNoDatabase)
      << "a reference outside a drawing cannot take attributes";

  std::string out = test::writeDrawing(*db, DxfVersion::R2000);
  auto again = test::readDrawing(out);
  ASSERT_TRUE(again);
  test::Opened<AcDbBlockReference> read(test::modelSpaceIds(*again).at(0));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->attributeIds().size(), 2u) << out;
  test::Opened<AcDbAttribute> second(read->attributeIds()[1]);
  ASSERT_TRUE(second);
  EXPECT_STREQ(second->tagConst(), "TWO");
}

TEST(BlockReferenceDxf, MInsertMarkerIsKept) {
  struct Case { const char* name; const char* marker; const char* groups; };
  const Case cases[] = {
      {"multiple insert", "AcDbMInsertBlock", "70\n2\n71\n3\n44\n5.0\n45\n6.0\n"},
      {"plain insert", "AcDbBlockReference", ""},
  };
  for (const Case& c : cases) {
    std::string entity = std::string("0\nINSERT\n5\n30\n100\nAcDbEntity\n8\n0\n100\n") + c.marker +
                         "\n2\nDOT\n10\n0\n20\n0\n30\n0\n" + c.groups;
    auto db = test::readDrawing(drawing(block("DOT", leader(0, 0, 1, 1)), entity));
    ASSERT_TRUE(db) << c.name;
    test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "INSERT");
    std::vector<std::string> markers = test::valuesOf(groups, 100);
    ASSERT_EQ(markers.size(), 2u) << c.name;
    EXPECT_EQ(markers[1], c.marker) << c.name;
  }
  auto db = test::readDrawing(drawing(block("DOT", leader(0, 0, 1, 1)),
                                      insert("DOT", "10\n0\n20\n0\n30\n0\n70\n2\n71\n3\n44\n5\n45\n6\n")));
  ASSERT_TRUE(db);
  test::Opened<AcDbBlockReference> reference(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(reference);
  EXPECT_EQ(reference->columns(), 2);
  EXPECT_EQ(reference->rows(), 3);
  EXPECT_EQ(reference->columnSpacing(), 5.0);
  EXPECT_EQ(reference->rowSpacing(), 6.0);
}

TEST(BlockReferenceDxf, AMissingBlockKeepsItsName) {
  auto db = test::readDrawing(test::entitiesDxf(insert("NOWHERE", "10\n1\n20\n2\n30\n0\n")));
  ASSERT_TRUE(db);
  {
    test::Opened<AcDbBlockReference> reference(test::modelSpaceIds(*db).at(0));
    ASSERT_TRUE(reference);
    EXPECT_TRUE(reference->blockTableRecord().isNull());
    EXPECT_EQ(reference->blockName(), "NOWHERE");
    AcDbExtents extents;
    EXPECT_EQ(reference->getGeomExtents(extents), Acad::eInvalidExtents) << "nothing to show";
  }
  test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "INSERT");
  EXPECT_EQ(test::valuesOf(groups, 2), std::vector<std::string>{"NOWHERE"});
}

TEST(BlockReferenceDxf, BlockNamesIgnoreCase) {
  auto db = test::readDrawing(drawing(block("Dot", leader(0, 0, 1, 1)), insert("DOT", "10\n0\n20\n0\n30\n0\n")));
  ASSERT_TRUE(db);
  test::Opened<AcDbBlockReference> reference(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(reference);
  EXPECT_FALSE(reference->blockTableRecord().isNull());
  EXPECT_EQ(reference->blockName(), "Dot") << "the record's own spelling";
}

TEST(BlockReferenceTransform, MirrorTurnAndAttributesAlong) {
  auto db = test::readDrawing(tagsDrawing());
  ASSERT_TRUE(db);
  AcDbObjectId refId = test::modelSpaceIds(*db).at(0);
  AcDbObjectId firstId;
  {
    test::Opened<AcDbBlockReference> reference(refId, AcDb::kForWrite);
    ASSERT_TRUE(reference);
    firstId = reference->attributeIds()[0];
    // Mirror about the Y axis: a negative X scale, no turn.
    ASSERT_EQ(reference->transformBy(AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))),
              Acad::eOk);
    expectScale(reference->scaleFactors(), AcGeScale3d(-1, 1, 1), "mirrored");
    EXPECT_NEAR(reference->rotation(), 0.0, kTol);
    // Then a quarter turn and scale 3 about (0,0), moved by (5,0).
    AcGeMatrix3d xform = AcGeMatrix3d::translation(AcGeVector3d(5, 0, 0)) *
                         AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis) *
                         AcGeMatrix3d::scaling(3.0);
    ASSERT_EQ(reference->transformBy(xform), Acad::eOk);
    EXPECT_NEAR(reference->rotation(), std::numbers::pi / 2, kTol);
    expectScale(reference->scaleFactors(), AcGeScale3d(-3, 3, 3), "mirrored, scaled and turned");
    EXPECT_TRUE(reference->position().isEqualTo(AcGePoint3d(5, 0, 0)));
    // A shear cannot be held.
    AcGeMatrix3d shear;
    shear.entry[0][1] = 0.5;
    EXPECT_EQ(reference->transformBy(shear), Acad::eNotApplicable);
  }
  test::Opened<AcDbAttribute> first(firstId);
  ASSERT_TRUE(first);
  // (50,0) mirrored → (-50,0), × 3 → (-150,0), turned → (0,-150), moved → (5,-150).
  EXPECT_TRUE(first->position().isEqualTo(AcGePoint3d(5, -150, 0)))
      << first->position().x << ", " << first->position().y;
}

TEST(BlockReferenceDeepClone, CopiesTheAttributesWithTheReference) {
  auto db = test::readDrawing(tagsDrawing());
  ASSERT_TRUE(db);
  AcDbObjectId source = test::modelSpaceIds(*db).at(0);
  AcDbObjectIdArray ids{source};
  AcDbObjectId space = db->modelSpaceId();
  AcDbIdMapping map;
  ASSERT_EQ(db->deepCloneObjects(ids, space, map), Acad::eOk);
  AcDbIdPair pair(source, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  test::Opened<AcDbBlockReference> original(source);
  test::Opened<AcDbBlockReference> copy(pair.value());
  ASSERT_TRUE(original);
  ASSERT_TRUE(copy);
  ASSERT_EQ(copy->attributeIds().size(), 2u);
  for (int i = 0; i < 2; ++i) {
    AcDbObjectId copied = copy->attributeIds()[i];
    EXPECT_NE(copied, original->attributeIds()[i]) << "attribute " << i << " is a copy";
    test::Opened<AcDbAttribute> attribute(copied);
    ASSERT_TRUE(attribute) << i;
    EXPECT_EQ(attribute->ownerId(), pair.value()) << "owned by the copy";
  }
  EXPECT_NE(copy->sequenceEndId(), original->sequenceEndId());
  EXPECT_FALSE(copy->sequenceEndId().isNull());
}

TEST(BlockReferenceBinaryFiler, RoundTripGivesEqualFields) {
  auto db = test::readDrawing(tagsDrawing());
  ASSERT_TRUE(db);
  test::Opened<AcDbBlockReference> source(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(source);
  MemoryDwgFiler filer(AcDb::kUndoFiler, db.get());
  ASSERT_EQ(source->dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  AcDbBlockReference copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_EQ(copy.blockTableRecord(), source->blockTableRecord());
  EXPECT_EQ(copy.position(), source->position());
  EXPECT_EQ(copy.scaleFactors(), source->scaleFactors());
  EXPECT_EQ(copy.rotation(), source->rotation());
  EXPECT_EQ(copy.attributeIds(), source->attributeIds()) << "an undo snapshot keeps the attributes";
  EXPECT_EQ(copy.sequenceEndId(), source->sequenceEndId());

  // A plain copy is a reference of its own: the attributes stay behind.
  MemoryDwgFiler copier(AcDb::kCopyFiler, db.get());
  ASSERT_EQ(source->dwgOutFields(&copier), Acad::eOk);
  copier.rewind();
  AcDbBlockReference plain;
  ASSERT_EQ(plain.dwgInFields(&copier), Acad::eOk);
  EXPECT_TRUE(plain.attributeIds().empty());
  EXPECT_TRUE(plain.sequenceEndId().isNull());
}

}  // namespace
}  // namespace zek
