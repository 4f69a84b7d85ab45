// Dimensions: the class chooser, measurements, extents from the *D block
// or the definition points, the R12 and R2000 forms of a linear dimension,
// the ordinate X/Y flag, kept kinds filed back unchanged, binary filing.
#include "db_dimension.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "db/annotations/annotation_test_support.h"
#include "db/memory_filer.h"

namespace zek {
namespace {

constexpr double kTol = 1e-9;

TEST(DimensionForType, ChoosesTheClassFromTheLowBits) {
  struct Case { int dimtype; const AcRxClass* cls; int kind; const char* name; };
  const Case cases[] = {
      {0, AcDbRotatedDimension::desc(), 0, "linear"},
      {32, AcDbRotatedDimension::desc(), 0, "linear with its own block"},
      {6, AcDbOrdinateDimension::desc(), 6, "ordinate"},
      {102, AcDbOrdinateDimension::desc(), 6, "ordinate X with flags 32 and 64"},
      {33, AcDbAlignedDimension::desc(), 1, "aligned"},
      {163, AcDbDiametricDimension::desc(), 3, "diameter with flags 32 and 128"},
      {36, AcDbRadialDimension::desc(), 4, "radius"},
      {34, KeptDimension::desc(), 2, "angular"},
      {5, KeptDimension::desc(), 5, "three-point angular"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<AcDbDimension> made(newDimensionForType(c.dimtype));
    ASSERT_TRUE(made) << c.name;
    EXPECT_EQ(made->isA(), c.cls) << c.name;
    EXPECT_EQ(made->dimensionKind(), c.kind) << c.name;
    EXPECT_STREQ(made->dxfTypeName(), "DIMENSION") << c.name;
  }
}

TEST(DimensionMeasurement, HandFigures) {
  // (0,0) to (10,10) measured along 30°: 10 cos 30° + 10 sin 30° = 13.6603.
  AcDbRotatedDimension linear(std::numbers::pi / 6, {0, 0, 0}, {10, 10, 0}, {0, 5, 0});
  double value = 0;
  ASSERT_EQ(linear.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 5.0 * std::sqrt(3.0) + 5.0, kTol) << "linear at 30 degrees";

  // Feature (35,60) from origin (10,10): X 25, Y 50.
  AcDbOrdinateDimension ordinate(true, {35, 60, 0}, {35, 80, 0});
  ASSERT_EQ(ordinate.setOrigin({10, 10, 0}), Acad::eOk);
  ASSERT_EQ(ordinate.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 25.0, kTol) << "ordinate X";
  ASSERT_EQ(ordinate.useYAxis(), Acad::eOk);
  ASSERT_EQ(ordinate.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 50.0, kTol) << "ordinate Y";
  // A feature left of the origin still reads unsigned: X of (4,10) is 6.
  ordinate.useXAxis();
  ordinate.setDefiningPoint({4, 10, 0});
  ASSERT_EQ(ordinate.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 6.0, kTol) << "ordinate left of the origin";
}

// A linear dimension at 30° as R2000 files it (three sections) and as R12
// files it (one list), its text placed by the user (flag 128). The *D1
// block is missing: the writer draws it (see db/dimblocks).
const char* kLinearR2000 =
    "0\nDIMENSION\n5\n50\n100\nAcDbEntity\n8\n0\n100\nAcDbDimension\n2\n*D1\n"
    "10\n30\n20\n40\n30\n0\n11\n15\n21\n42\n31\n0\n70\n160\n71\n5\n1\n<> H7\n3\nStandard\n"
    "100\nAcDbAlignedDimension\n13\n0\n23\n0\n33\n0\n14\n10\n24\n10\n34\n0\n50\n30\n"
    "100\nAcDbRotatedDimension\n";
const char* kLinearR12 =
    "0\nDIMENSION\n5\n50\n8\n0\n2\n*D1\n10\n30\n20\n40\n30\n0\n11\n15\n21\n42\n31\n0\n70\n160\n"
    "1\n<> H7\n3\nStandard\n13\n0\n23\n0\n33\n0\n14\n10\n24\n10\n34\n0\n50\n30\n";

void expectTheLinear(const AcDbRotatedDimension& d, const char* form) {
  EXPECT_TRUE(d.dimLinePoint().isEqualTo({30, 40, 0})) << form;
  EXPECT_TRUE(d.textPosition().isEqualTo({15, 42, 0})) << form;
  EXPECT_TRUE(d.xLine1Point().isEqualTo({0, 0, 0})) << form;
  EXPECT_TRUE(d.xLine2Point().isEqualTo({10, 10, 0})) << form;
  EXPECT_NEAR(d.rotation(), std::numbers::pi / 6, 1e-15) << form;
  EXPECT_STREQ(d.dimensionTextConst(), "<> H7") << form;
  EXPECT_TRUE(d.isBlockReferencedOnlyHere()) << form << ": flag 32";
  EXPECT_EQ(d.dimBlockName(), "*D1") << form;
  EXPECT_EQ(d.dimensionStyle(), d.database()->core().standardDimStyle) << form << ": Standard";
}

TEST(RotatedDimensionDxf, R12FormReadsLikeR2000) {
  struct Form { const char* name; const char* dxf; };
  for (const Form& f : {Form{"R2000", kLinearR2000}, Form{"R12", kLinearR12}}) {
    auto db = test::readDrawing(test::entitiesDxf(f.dxf));
    ASSERT_TRUE(db) << f.name;
    test::Opened<AcDbRotatedDimension> d(test::modelSpaceIds(*db).at(0));
    ASSERT_TRUE(d) << f.name;
    expectTheLinear(*d.get(), f.name);
  }
}

TEST(RotatedDimensionDxf, WritesItsSectionsAndReadsBack) {
  auto db = test::readDrawing(test::entitiesDxf(kLinearR12));
  ASSERT_TRUE(db);
  std::string out = test::writeDrawing(*db, DxfVersion::R2000);
  test::Groups groups = test::entityGroups(out, "DIMENSION");
  EXPECT_EQ(test::valuesOf(groups, 100),
            (std::vector<std::string>{"AcDbEntity", "AcDbDimension", "AcDbAlignedDimension",
                                      "AcDbRotatedDimension"}));
  EXPECT_EQ(test::valuesOf(groups, 70), std::vector<std::string>{"160"});
  EXPECT_EQ(test::valuesOf(groups, 2), std::vector<std::string>{"*D1"}) << "drawn under that name";
  // The measurement written for R2000: 13.660254037844386 (10 cos 30° + 10 sin 30°).
  ASSERT_EQ(test::valuesOf(groups, 42).size(), 1u);
  EXPECT_NEAR(std::stod(test::valuesOf(groups, 42)[0]), 5.0 * std::sqrt(3.0) + 5.0, 1e-12);
  auto again = test::readDrawing(out);
  ASSERT_TRUE(again);
  test::Opened<AcDbRotatedDimension> d(test::modelSpaceIds(*again).at(0));
  ASSERT_TRUE(d);
  expectTheLinear(*d.get(), "written as R2000 and read again");
}

std::string ordinate(int flags) {
  return "0\nDIMENSION\n5\n60\n100\nAcDbEntity\n8\n0\n100\nAcDbDimension\n10\n0\n20\n0\n30\n0\n"
         "11\n25\n21\n50\n31\n0\n70\n" + std::to_string(flags) +
         "\n100\nAcDbOrdinateDimension\n13\n24\n23\n30\n33\n0\n14\n25\n24\n48\n34\n0\n";
}

TEST(OrdinateDimensionDxf, XAndYFlagRoundTrip) {
  struct Case { const char* name; int flags; bool x; int rewrittenAfterFlip; };
  const Case cases[] = {
      {"Y ordinate (32 + 6)", 38, false, 102},
      {"X ordinate (64 + 32 + 6)", 102, true, 38},
      {"X ordinate with a user text position (128 + 64 + 32 + 6)", 230, true, 166},
  };
  for (const Case& c : cases) {
    auto db = test::readDrawing(test::entitiesDxf(ordinate(c.flags)));
    ASSERT_TRUE(db) << c.name;
    AcDbObjectId id = test::modelSpaceIds(*db).at(0);
    {
      test::Opened<AcDbOrdinateDimension> d(id);
      ASSERT_TRUE(d) << c.name;
      EXPECT_EQ(d->isUsingXAxis(), c.x) << c.name;
      EXPECT_TRUE(d->definingPoint().isEqualTo({24, 30, 0})) << c.name;
      EXPECT_TRUE(d->leaderEndPoint().isEqualTo({25, 48, 0})) << c.name;
    }
    test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "DIMENSION");
    EXPECT_EQ(test::valuesOf(groups, 70), std::vector<std::string>{std::to_string(c.flags)})
        << c.name << ": written as read";
    {
      test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
      ASSERT_TRUE(d) << c.name;
      ASSERT_EQ(d->setUsingXAxis(!c.x), Acad::eOk);
    }
    groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "DIMENSION");
    EXPECT_EQ(test::valuesOf(groups, 70), std::vector<std::string>{std::to_string(c.rewrittenAfterFlip)})
        << c.name << ": flipped";
  }
}

TEST(DimensionExtents, FromTheBlockOrTheDefinitionPoints) {
  // With its block: the block's leader (2,3)-(8,9) at the origin.
  std::string blocks =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\n*D7\n70\n1\n10\n0\n20\n0\n30\n0\n3\n*D7\n"
      "0\nLEADER\n8\n0\n76\n2\n10\n2\n20\n3\n30\n0\n10\n8\n20\n9\n30\n0\n0\nENDBLK\n8\n0\n0\nENDSEC\n";
  std::string withBlock = ordinate(38);
  withBlock.insert(withBlock.find("10\n0\n20\n0"), "2\n*D7\n");
  auto db = test::readDrawing(blocks + test::entitiesDxf(withBlock));
  ASSERT_TRUE(db);
  {
    test::Opened<AcDbDimension> d(test::modelSpaceIds(*db).at(0));
    ASSERT_TRUE(d);
    AcDbExtents extents;
    ASSERT_EQ(d->getGeomExtents(extents), Acad::eOk);
    EXPECT_TRUE(extents.minPoint().isEqualTo({2, 3, 0})) << "the block's geometry";
    EXPECT_TRUE(extents.maxPoint().isEqualTo({8, 9, 0}));
  }
  // Without: origin (0,0), text (25,50), feature (24,30), leader end (25,48).
  auto bare = test::readDrawing(test::entitiesDxf(ordinate(38)));
  ASSERT_TRUE(bare);
  test::Opened<AcDbDimension> d(test::modelSpaceIds(*bare).at(0));
  ASSERT_TRUE(d);
  AcDbExtents extents;
  ASSERT_EQ(d->getGeomExtents(extents), Acad::eOk);
  EXPECT_TRUE(extents.minPoint().isEqualTo({0, 0, 0}));
  EXPECT_TRUE(extents.maxPoint().isEqualTo({25, 50, 0}));
}

TEST(KeptDimensionDxf, TheKindsOwnSectionComesBackUnchanged) {
  const std::string angular =
      "0\nDIMENSION\n5\n70\n100\nAcDbEntity\n8\n0\n100\nAcDbDimension\n10\n5\n20\n6\n30\n0\n"
      "11\n3\n21\n4\n31\n0\n70\n34\n100\nAcDb2LineAngularDimension\n13\n1.25\n23\n2.5\n33\n0.0\n"
      "14\n7.75\n24\n8.0\n34\n0.0\n";
  auto db = test::readDrawing(test::entitiesDxf(angular));
  ASSERT_TRUE(db);
  AcDbObjectId id = test::modelSpaceIds(*db).at(0);
  {
    test::Opened<AcDbDimension> d(id);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->isA(), KeptDimension::desc());
    EXPECT_EQ(d->dimensionKind(), 2);
    EXPECT_TRUE(d->textPosition().isEqualTo({3, 4, 0})) << "the shared part is read";
  }
  test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "DIMENSION");
  int marker = test::indexOf(groups, 100, "AcDb2LineAngularDimension");
  ASSERT_GE(marker, 0);
  test::Groups section(groups.begin() + marker, groups.end());
  test::Groups expected = {{100, "AcDb2LineAngularDimension"}, {13, "1.25"}, {23, "2.5"},
                           {33, "0.0"}, {14, "7.75"}, {24, "8.0"}, {34, "0.0"}};
  EXPECT_EQ(section, expected);
  EXPECT_EQ(test::valuesOf(groups, 70), std::vector<std::string>{"34"});
  EXPECT_TRUE(test::valuesOf(groups, 2).empty()) << "no block is drawn for a kind kept as read";
  test::Opened<AcDbDimension> d(id, AcDb::kForWrite);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eNotApplicable)
      << "its own points are not known, so it does not move";
}

TEST(DimensionBinaryFiler, RoundTripGivesEqualFields) {
  AcDbOrdinateDimension source(true, {24, 30, 0}, {25, 48, 0}, "X<>");
  source.setOrigin({1, 2, 0});
  source.setTextPosition({25, 50, 0});
  source.setTextRotation(0.5);
  source.setTextAttachment(AcDbMText::kBottomCenter);
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  ASSERT_EQ(source.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  AcDbOrdinateDimension copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_TRUE(copy.isUsingXAxis());
  EXPECT_EQ(copy.origin(), source.origin());
  EXPECT_EQ(copy.definingPoint(), source.definingPoint());
  EXPECT_EQ(copy.leaderEndPoint(), source.leaderEndPoint());
  EXPECT_EQ(copy.textPosition(), source.textPosition());
  EXPECT_FALSE(copy.isUsingDefaultTextPosition()) << "set text position: flag 128";
  EXPECT_EQ(copy.textRotation(), 0.5);
  EXPECT_EQ(copy.textAttachment(), AcDbMText::kBottomCenter);
  EXPECT_STREQ(copy.dimensionTextConst(), "X<>");
  EXPECT_EQ(copy.dimensionTypeFlags(), source.dimensionTypeFlags());
}

TEST(DimensionTransform, PointsAndRotationFollow) {
  AcDbRotatedDimension d(0.0, {0, 0, 0}, {10, 0, 0}, {0, 5, 0});
  // The line follows its text: 0.625 + 1.25 below it (DIMTAD 1, metric).
  d.setTextPosition({5, 6.875, 0});
  ASSERT_EQ(d.transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis)),
            Acad::eOk);
  EXPECT_TRUE(d.xLine2Point().isEqualTo({0, 10, 0}));
  EXPECT_TRUE(d.dimLinePoint().isEqualTo({-5, 0, 0}));
  EXPECT_TRUE(d.textPosition().isEqualTo({-6.875, 5, 0}));
  EXPECT_NEAR(d.rotation(), std::numbers::pi / 2, kTol);
  double value = 0;
  ASSERT_EQ(d.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 10.0, kTol) << "a turn keeps the length";
}

// The aligned, radial and diametric kinds as R2000 files them (their own
// section) and as R12 files them (one list): the same points read back.
struct KindCase {
  const char* name;
  const char* r2000;
  const char* r12;
};

const KindCase kKindCases[] = {
    {"aligned",
     "70\n33\n100\nAcDbAlignedDimension\n13\n0\n23\n0\n33\n0\n14\n30\n24\n40\n34\n0\n",
     "70\n33\n13\n0\n23\n0\n33\n0\n14\n30\n24\n40\n34\n0\n"},
    {"radius", "70\n36\n100\nAcDbRadialDimension\n15\n30\n25\n40\n35\n0\n40\n2.5\n",
     "70\n36\n15\n30\n25\n40\n35\n0\n40\n2.5\n"},
    {"diameter", "70\n35\n100\nAcDbDiametricDimension\n15\n30\n25\n40\n35\n0\n40\n2.5\n",
     "70\n35\n15\n30\n25\n40\n35\n0\n40\n2.5\n"},
};

std::string kindDimension(const char* tail, bool markers) {
  std::string head = markers ? "0\nDIMENSION\n5\n80\n100\nAcDbEntity\n8\n0\n100\nAcDbDimension\n"
                             : "0\nDIMENSION\n5\n80\n8\n0\n";
  return head + "10\n0\n20\n0\n30\n0\n11\n15\n21\n20\n31\n0\n" + tail;
}

// Measured by hand: (0,0) to (30,40) is 50.
void expectTheKind(AcDbDimension& d, const char* name, const char* form) {
  double value = 0;
  ASSERT_EQ(d.measurement(value), Acad::eOk) << name << " " << form;
  EXPECT_NEAR(value, 50.0, kTol) << name << " " << form;
  if (auto* aligned = AcDbAlignedDimension::cast(&d)) {
    EXPECT_TRUE(aligned->xLine2Point().isEqualTo({30, 40, 0})) << form;
  } else if (auto* radius = AcDbRadialDimension::cast(&d)) {
    EXPECT_TRUE(radius->chordPoint().isEqualTo({30, 40, 0})) << form;
    EXPECT_TRUE(radius->center().isEqualTo({0, 0, 0})) << form;
    EXPECT_EQ(radius->leaderLength(), 2.5) << form;
  } else if (auto* diameter = AcDbDiametricDimension::cast(&d)) {
    EXPECT_TRUE(diameter->chordPoint().isEqualTo({30, 40, 0})) << form;
    EXPECT_TRUE(diameter->farChordPoint().isEqualTo({0, 0, 0})) << form;
    EXPECT_EQ(diameter->leaderLength(), 2.5) << form;
  } else {
    ADD_FAILURE() << name << " " << form << ": read as " << d.isA()->name();
  }
}

TEST(ModelledKindsDxf, BothFormsReadAndWriteBack) {
  for (const KindCase& c : kKindCases) {
    for (bool markers : {true, false}) {
      const char* form = markers ? "R2000" : "R12";
      auto db = test::readDrawing(test::entitiesDxf(kindDimension(markers ? c.r2000 : c.r12, markers)));
      ASSERT_TRUE(db) << c.name << " " << form;
      AcDbObjectId id = test::modelSpaceIds(*db).at(0);
      {
        test::Opened<AcDbDimension> d(id);
        ASSERT_TRUE(d) << c.name;
        expectTheKind(*d.get(), c.name, form);
      }
      auto again = test::readDrawing(test::writeDrawing(*db, DxfVersion::R2000));
      ASSERT_TRUE(again);
      test::Opened<AcDbDimension> d(test::modelSpaceIds(*again).at(0));
      ASSERT_TRUE(d);
      expectTheKind(*d.get(), c.name, "written and read again");
    }
  }
}

TEST(ModelledKindsTransform, PointsFollow) {
  AcGeMatrix3d twice = AcGeMatrix3d::scaling(2.0);
  AcDbAlignedDimension aligned({0, 0, 0}, {30, 40, 0}, {-8, 6, 0});
  ASSERT_EQ(aligned.transformBy(twice), Acad::eOk);
  EXPECT_TRUE(aligned.xLine2Point().isEqualTo({60, 80, 0}));
  EXPECT_TRUE(aligned.dimLinePoint().isEqualTo({-16, 12, 0}));
  AcDbRadialDimension radius({0, 0, 0}, {30, 40, 0}, 2.5);
  ASSERT_EQ(radius.transformBy(AcGeMatrix3d::translation({1, 2, 0})), Acad::eOk);
  EXPECT_TRUE(radius.center().isEqualTo({1, 2, 0}));
  EXPECT_TRUE(radius.chordPoint().isEqualTo({31, 42, 0}));
  double value = 0;
  ASSERT_EQ(radius.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 50.0, kTol);
}

}  // namespace
}  // namespace zek
