// The layout check on small drawings built here: ordinate dimensions made
// with the host's constructor, and one piece of drawing beside them. Text
// boxes worked by hand from the STANDARD style (DIMTXT 2.5, DIMGAP 0.625,
// DIMDEC 2): "50.00" is 10 wide and 2.5 high, and lies DIMGAP + 5 beyond the
// leader end along the leader and, for DIMTAD 1, DIMGAP + 1.25 to its up side.
//
//   X ordinate of (50, 10), leader end (50, 30), the text upright:
//     DIMTAD 1: x 46.875 .. 49.375, y 30.625 .. 40.625
//     DIMTAD 0: x 48.75  .. 51.25,  y 30.625 .. 40.625
//   Y ordinate of (10, 50), leader end (30, 50):
//     DIMTAD 1: x 30.625 .. 40.625, y 50.625 .. 53.125
//     DIMTAD 0: x 30.625 .. 40.625, y 48.75  .. 51.25
// The check shrinks each box by 1 % of 2.5 = 0.025 on every side.
#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "db/testing/db_test_support.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_dimension.h"
#include "db_polyline.h"
#include "db_text.h"
#include "layoutcheck/ordinate_layout_check.h"

namespace zek::adxy1 {
namespace {

constexpr double kPi = std::numbers::pi;

// An ordinate dimension from the origin, with DIMTAD set on it when asked
// (-1: the style's 1) and a colour.
AcDbObjectId addOrdinate(AcDbDatabase& db, bool xAxis, AcGePoint3d feature, AcGePoint3d leaderEnd,
                         int dimtad = -1, int colour = 256) {
  AcDbObjectId id =
      test::appendToModelSpace(db, new AcDbOrdinateDimension(xAxis, feature, leaderEnd));
  test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
  EXPECT_TRUE(d);
  if (d && dimtad >= 0) {
    EXPECT_EQ(d->setDimtad(dimtad), Acad::eOk);
  }
  if (d && colour != 256) {
    EXPECT_EQ(d->setColorIndex(static_cast<Adesk::UInt16>(colour)), Acad::eOk);
  }
  return id;
}

AcDbObjectId addLine(AcDbDatabase& db, AcGePoint3d a, AcGePoint3d b) {
  return test::appendToModelSpace(db, new AcDbLine(a, b));
}

AcDbObjectId addCircle(AcDbDatabase& db, AcGePoint3d centre, double radius) {
  return test::appendToModelSpace(db, new AcDbCircle(centre, AcGeVector3d::kZAxis, radius));
}

// A block "PART" holding one line from (0, 0) to (20, 0).
AcDbObjectId addPartBlock(AcDbDatabase& db, const char* name = "PART") {
  test::Opened<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
  EXPECT_TRUE(blocks);
  auto* record = new AcDbBlockTableRecord;
  EXPECT_EQ(record->setName(name), Acad::eOk);
  AcDbObjectId recordId;
  EXPECT_EQ(blocks->add(recordId, record), Acad::eOk);
  auto* line = new AcDbLine({0, 0, 0}, {20, 0, 0});
  EXPECT_EQ(record->appendAcDbEntity(line), Acad::eOk);
  (void)line->close();
  (void)record->close();
  return recordId;
}

AcDbObjectId addReference(AcDbDatabase& db, AcDbObjectId block, AcGePoint3d at,
                          double rotation = 0) {
  auto* reference = new AcDbBlockReference(at, block);
  EXPECT_EQ(reference->setRotation(rotation), Acad::eOk);
  return test::appendToModelSpace(db, reference);
}

// What one case puts beside the dimension.
enum class Piece { Line, Circle, Arc, Bulge, Text, MText, Ellipse, Block };

struct PieceCase {
  const char* name;
  bool xAxis;
  int dimtad;
  Piece piece;
  double a, b, c, d,
      e;  // Line a,b-c,d; Circle/Arc centre a,b radius c (arc c from d to e degrees);
          // Bulge a,b-c,d bulge e; Text/MText at a,b; Block at a,b turned c degrees
  OverlapKind kind;
  int overlaps;
};

constexpr PieceCase kPieceCases[] = {
    // X ordinate, DIMTAD 1: x 46.875..49.375, y 30.625..40.625.
    {"a line across the text", true, 1, Piece::Line, 40, 35, 60, 35, 0, OverlapKind::TextGeometry,
     1},
    {"a line 0.1 clear of its left edge", true, 1, Piece::Line, 46.775, 0, 46.775, 60, 0,
     OverlapKind::TextGeometry, 0},
    {"a line 0.02 inside its left edge (within the tolerance)", true, 1, Piece::Line, 46.895, 0,
     46.895, 60, 0, OverlapKind::TextGeometry, 0},
    {"a line 0.05 inside its left edge", true, 1, Piece::Line, 46.925, 0, 46.925, 60, 0,
     OverlapKind::TextGeometry, 1},
    {"a line at y 39 meets the upright text", true, 1, Piece::Line, 40, 39, 60, 39, 0,
     OverlapKind::TextGeometry, 1},
    {"a line at y 41 passes above it", true, 1, Piece::Line, 40, 41, 60, 41, 0,
     OverlapKind::TextGeometry, 0},
    {"the line x 49.7 passes beside a text above its leader", true, 1, Piece::Line, 49.7, 0, 49.7,
     60, 0, OverlapKind::TextGeometry, 0},
    {"a line ending short of the text", true, 1, Piece::Line, 30, 35, 46.8, 35, 0,
     OverlapKind::TextGeometry, 0},
    // X ordinate, DIMTAD 0: x 48.75..51.25.
    {"the line x 49.7 crosses a centred text", true, 0, Piece::Line, 49.7, 0, 49.7, 60, 0,
     OverlapKind::TextGeometry, 1},
    {"the line x 47.5 passes beside a centred text", true, 0, Piece::Line, 47.5, 0, 47.5, 60, 0,
     OverlapKind::TextGeometry, 0},
    // Y ordinate, DIMTAD 1: y 50.625..53.125; DIMTAD 0: y 48.75..51.25.
    {"the line y 52 crosses a Y text above its leader", false, 1, Piece::Line, 20, 52, 50, 52, 0,
     OverlapKind::TextGeometry, 1},
    {"the line y 50.3 passes under a Y text above its leader", false, 1, Piece::Line, 20, 50.3, 50,
     50.3, 0, OverlapKind::TextGeometry, 0},
    {"the line y 50.3 crosses a centred Y text", false, 0, Piece::Line, 20, 50.3, 50, 50.3, 0,
     OverlapKind::TextGeometry, 1},
    {"the line y 52 passes over a centred Y text", false, 0, Piece::Line, 20, 52, 50, 52, 0,
     OverlapKind::TextGeometry, 0},
    // Circles and arcs against the X text of DIMTAD 1.
    {"a circle whose bottom dips into the text", true, 1, Piece::Circle, 48, 45, 5, 0, 0,
     OverlapKind::TextGeometry, 1},
    {"a circle round the whole text", true, 1, Piece::Circle, 48, 35.6, 20, 0, 0,
     OverlapKind::TextGeometry, 0},
    {"a small circle inside the text", true, 1, Piece::Circle, 48, 35, 0.5, 0, 0,
     OverlapKind::TextGeometry, 1},
    {"a circle beside the text", true, 1, Piece::Circle, 40, 35, 5, 0, 0, OverlapKind::TextGeometry,
     0},
    {"the upper half of that dipping circle", true, 1, Piece::Arc, 48, 45, 5, 0, 180,
     OverlapKind::TextGeometry, 0},
    {"its lower half", true, 1, Piece::Arc, 48, 45, 5, 180, 360, OverlapKind::TextGeometry, 1},
    {"an arc across the zero angle", true, 1, Piece::Arc, 40, 35, 8, 330, 30,
     OverlapKind::TextGeometry, 1},
    // A polyline segment whose chord (y 42) misses the text.
    {"a bulge that sags into the text", true, 1, Piece::Bulge, 40, 42, 56, 42, 0.5,
     OverlapKind::TextGeometry, 1},
    {"the same segment straight", true, 1, Piece::Bulge, 40, 42, 56, 42, 0,
     OverlapKind::TextGeometry, 0},
    {"the same segment bulging away", true, 1, Piece::Bulge, 40, 42, 56, 42, -0.5,
     OverlapKind::TextGeometry, 0},
    {"a flat ellipse through the text", true, 1, Piece::Ellipse, 48, 35, 10, 0.2, 0,
     OverlapKind::TextGeometry, 1},
    // Other texts: "AB" at 2.5 is 4 wide.
    {"a TEXT over the dimension text", true, 1, Piece::Text, 45, 34, 0, 0, 0,
     OverlapKind::TextOtherText, 1},
    {"a TEXT beside it", true, 1, Piece::Text, 40, 34, 0, 0, 0, OverlapKind::TextOtherText, 0},
    {"an MTEXT hanging into it", true, 1, Piece::MText, 47, 38, 0, 0, 0, OverlapKind::TextOtherText,
     1},
    // A block of one line (0,0)-(20,0).
    {"a block placing its line across the text", true, 1, Piece::Block, 40, 35, 0, 0, 0,
     OverlapKind::TextGeometry, 1},
    {"a block turned to run its line up through the text", true, 1, Piece::Block, 48, 20, 90, 0, 0,
     OverlapKind::TextGeometry, 1},
    {"a block placed clear of the text", true, 1, Piece::Block, 40, 45, 0, 0, 0,
     OverlapKind::TextGeometry, 0},
};

AcDbObjectId addPiece(AcDbDatabase& db, const PieceCase& c) {
  switch (c.piece) {
    case Piece::Line:
      return addLine(db, {c.a, c.b, 0}, {c.c, c.d, 0});
    case Piece::Circle:
      return addCircle(db, {c.a, c.b, 0}, c.c);
    case Piece::Arc:
      return test::appendToModelSpace(
          db, new AcDbArc({c.a, c.b, 0}, c.c, c.d * kPi / 180, c.e * kPi / 180));
    case Piece::Bulge: {
      auto* polyline = new AcDbPolyline;
      EXPECT_EQ(polyline->addVertexAt(0, {c.a, c.b}, c.e), Acad::eOk);
      EXPECT_EQ(polyline->addVertexAt(1, {c.c, c.d}), Acad::eOk);
      return test::appendToModelSpace(db, polyline);
    }
    case Piece::Text:
      return test::appendToModelSpace(db,
                                      new AcDbText({c.a, c.b, 0}, "AB", AcDbObjectId::kNull, 2.5));
    case Piece::MText: {
      auto* mtext = new AcDbMText;
      EXPECT_EQ(mtext->setLocation({c.a, c.b, 0}), Acad::eOk);
      EXPECT_EQ(mtext->setTextHeight(2.5), Acad::eOk);
      EXPECT_EQ(mtext->setContents("X"), Acad::eOk);  // top left: x 47..49, y 35.5..38
      return test::appendToModelSpace(db, mtext);
    }
    case Piece::Ellipse:
      return test::appendToModelSpace(
          db, new AcDbEllipse({c.a, c.b, 0}, AcGeVector3d::kZAxis, {c.c, 0, 0}, c.d));
    case Piece::Block:
      return addReference(db, addPartBlock(db), {c.a, c.b, 0}, c.c * kPi / 180);
  }
  return {};
}

TEST(OrdinateLayoutCheck, FindsWhatReachesIntoOneText) {
  for (const PieceCase& c : kPieceCases) {
    AcDbDatabase db;
    const AcDbObjectId dimension = c.xAxis
                                       ? addOrdinate(db, true, {50, 10, 0}, {50, 30, 0}, c.dimtad)
                                       : addOrdinate(db, false, {10, 50, 0}, {30, 50, 0}, c.dimtad);
    const AcDbObjectId piece = addPiece(db, c);
    ASSERT_FALSE(piece.isNull()) << c.name;
    const OrdinateLayoutReport report = checkOrdinateLayout(db);
    EXPECT_EQ(report.dimensions, 1) << c.name;
    ASSERT_EQ(static_cast<int>(report.overlaps.size()), c.overlaps) << c.name << "\n"
                                                                    << report.summary();
    EXPECT_EQ(report.count(c.kind, false), c.overlaps) << c.name;
    if (c.piece == Piece::Circle) {
      EXPECT_EQ(report.missing.size(), 1u) << c.name << ": a circle is a hole without ordinates";
    } else {
      EXPECT_EQ(report.passed(), c.overlaps == 0) << c.name;
    }
    if (c.overlaps == 1) {
      EXPECT_EQ(report.overlaps[0].dimension, dimension.handle()) << c.name;
      EXPECT_EQ(report.overlaps[0].other, piece.handle()) << c.name;
    }
    EXPECT_TRUE(db.openObjects().empty()) << c.name << ": the check left something open";
  }
}

TEST(OrdinateLayoutCheck, NamesTheTypeOfWhatItMeets) {
  AcDbDatabase db;
  addOrdinate(db, true, {50, 10, 0}, {50, 30, 0});
  addReference(db, addPartBlock(db), {40, 35, 0});
  addLine(db, {40, 36, 0}, {60, 36, 0});
  const OrdinateLayoutReport report = checkOrdinateLayout(db);
  ASSERT_EQ(report.overlaps.size(), 2u) << report.summary();
  EXPECT_EQ(report.overlaps[0].otherType, "INSERT");
  EXPECT_EQ(report.overlaps[1].otherType, "LINE");
}

// Two dimensions: the first an X ordinate of (50, 10) with its leader end at
// y 30, the second as the row gives it.
struct PairCase {
  const char* name;
  bool xAxis;
  double fx, fy, lx, ly;
  int firstColour, secondColour;
  int unmarked, marked;
};

constexpr PairCase kPairCases[] = {
    // x 47.875..50.375 against 46.875..49.375.
    {"X texts one apart overlap", true, 51, 10, 51, 30, 256, 256, 1, 0},
    // x 50.375..52.875: 1.5 G (3.28125) apart leaves them clear.
    {"X texts 3.5 apart are clear", true, 53.5, 10, 53.5, 30, 256, 256, 0, 0},
    // "35.00" at (45.625, 36.875): x 40.625..50.625, y 35.625..38.125.
    {"a Y text across an X text", false, 10, 35, 40, 35, 256, 256, 1, 0},
    {"the later text marked: counted apart", true, 51, 10, 51, 30, 256, 30, 0, 1},
    {"the earlier text marked: counted apart", true, 51, 10, 51, 30, 30, 256, 0, 1},
    {"another colour is no mark", true, 51, 10, 51, 30, 256, 31, 1, 0},
};

TEST(OrdinateLayoutCheck, TextsAgainstTexts) {
  for (const PairCase& c : kPairCases) {
    AcDbDatabase db;
    const AcDbObjectId first = addOrdinate(db, true, {50, 10, 0}, {50, 30, 0}, -1, c.firstColour);
    const AcDbObjectId second =
        addOrdinate(db, c.xAxis, {c.fx, c.fy, 0}, {c.lx, c.ly, 0}, -1, c.secondColour);
    const OrdinateLayoutReport report = checkOrdinateLayout(db);
    EXPECT_EQ(report.unmarkedOverlaps(), c.unmarked) << c.name << "\n" << report.summary();
    EXPECT_EQ(report.markedOverlaps(), c.marked) << c.name;
    EXPECT_EQ(report.count(OverlapKind::TextText, c.marked > 0), c.unmarked + c.marked) << c.name;
    EXPECT_EQ(report.passed(), c.unmarked == 0) << c.name;
    EXPECT_EQ(report.markedDimensions, (c.firstColour == 30) + (c.secondColour == 30)) << c.name;
    if (!report.overlaps.empty()) {
      EXPECT_EQ(report.overlaps[0].dimension, first.handle()) << c.name;
      EXPECT_EQ(report.overlaps[0].other, second.handle()) << c.name;
      EXPECT_EQ(report.overlaps[0].otherType, "DIMENSION") << c.name;
    }
  }
}

TEST(OrdinateLayoutCheck, MarkedTextOnGeometryIsCountedApart) {
  AcDbDatabase db;
  addOrdinate(db, true, {50, 10, 0}, {50, 30, 0}, -1, 30);
  addLine(db, {40, 35, 0}, {60, 35, 0});
  const OrdinateLayoutReport report = checkOrdinateLayout(db);
  EXPECT_EQ(report.count(OverlapKind::TextGeometry, true), 1) << report.summary();
  EXPECT_EQ(report.unmarkedOverlaps(), 0);
  EXPECT_TRUE(report.passed());
}

// Holes at x 50 and y as given, the dimensions' features as given.
struct HoleCase {
  const char* name;
  std::vector<AcGePoint3d> holes;
  std::vector<AcGePoint3d> xFeatures;  // X ordinates, leader ends 100 above
  std::vector<AcGePoint3d> yFeatures;  // Y ordinates, leader ends 30 left
  int missingX, missingY;
};

TEST(OrdinateLayoutCheck, EveryHoleHasItsOrdinates) {
  const HoleCase cases[] = {
      {"a hole with both", {{50, 100, 0}}, {{50, 100, 0}}, {{50, 100, 0}}, 0, 0},
      {"a hole without Y", {{50, 100, 0}}, {{50, 100, 0}}, {}, 0, 1},
      {"a hole without X", {{50, 100, 0}}, {}, {{50, 100, 0}}, 1, 0},
      {"a run of three holes, one X dimension on the top one",
       {{50, 100, 0}, {50, 130, 0}, {50, 160, 0}},
       {{50, 160, 0}},
       {{50, 100, 0}, {50, 130, 0}, {50, 160, 0}},
       0,
       0},
      {"a feature 0.00005 off still covers",
       {{50, 100, 0}},
       {{50.00005, 100, 0}},
       {{50, 100.00005, 0}},
       0,
       0},
      {"a feature 0.0002 off does not",
       {{50, 100, 0}},
       {{50.0002, 100, 0}},
       {{50, 99.9998, 0}},
       1,
       1},
      {"an X ordinate at the hole's y is no Y ordinate",
       {{50, 100, 0}},
       {{50, 100, 0}, {100, 100, 0}},
       {},
       0,
       1},
  };
  for (const HoleCase& c : cases) {
    AcDbDatabase db;
    for (const AcGePoint3d& hole : c.holes)
      addCircle(db, hole, 3.0);
    for (const AcGePoint3d& f : c.xFeatures)
      addOrdinate(db, true, f, {f.x, f.y + 100, 0});
    for (const AcGePoint3d& f : c.yFeatures)
      addOrdinate(db, false, f, {f.x - 30, f.y, 0});
    const OrdinateLayoutReport report = checkOrdinateLayout(db);
    EXPECT_EQ(report.holes, static_cast<int>(c.holes.size())) << c.name;
    int missingX = 0, missingY = 0;
    for (const MissingOrdinate& m : report.missing) {
      missingX += m.missingX;
      missingY += m.missingY;
    }
    EXPECT_EQ(missingX, c.missingX) << c.name << "\n" << report.summary();
    EXPECT_EQ(missingY, c.missingY) << c.name;
    EXPECT_EQ(report.passed(), c.missingX + c.missingY == 0 && report.unmarkedOverlaps() == 0)
        << c.name;
  }
}

// A counterbore's two circles (and a third a rounding step off) are one hole
// centre, reported once, by its first circle.
TEST(OrdinateLayoutCheck, ConcentricCirclesAreOneHole) {
  AcDbDatabase db;
  const AcDbObjectId bore = addCircle(db, {50, 100, 0}, 4.5);
  addCircle(db, {50, 100, 0}, 7.0);
  addCircle(db, {50.00005, 99.99995, 0}, 7.0);
  addCircle(db, {50, 100.001, 0}, 2.0);  // another centre
  const OrdinateLayoutReport report = checkOrdinateLayout(db);
  EXPECT_EQ(report.holes, 2);
  ASSERT_EQ(report.missing.size(), 2u);
  EXPECT_EQ(report.missing[0].hole, bore.handle());
}

TEST(OrdinateLayoutCheck, HoleBlocksAndTheHoleWindow) {
  AcDbDatabase db;
  addReference(db, addPartBlock(db, "ZEKH1"), {200, 200, 0});
  addReference(db, addPartBlock(db, "ZEK"), {300, 300, 0});  // three characters: no hole block
  addCircle(db, {500, 500, 0}, 3.0);
  EXPECT_EQ(checkOrdinateLayout(db).holes, 1) << "circles only by default";

  LayoutCheckOptions blocks;
  blocks.holeBlocks = true;
  const OrdinateLayoutReport report = checkOrdinateLayout(db, blocks);
  ASSERT_EQ(report.holes, 2);
  ASSERT_EQ(report.missing.size(), 2u);
  EXPECT_DOUBLE_EQ(report.missing[0].centre.x, 200.0) << "the insertion point of ZEKH1";

  LayoutCheckOptions window;
  window.holeWindow = AcDbExtents({400, 400, 0}, {600, 600, 0});
  EXPECT_EQ(checkOrdinateLayout(db, window).holes, 1);
  window.holeWindow = AcDbExtents({0, 0, 0}, {100, 100, 0});
  EXPECT_EQ(checkOrdinateLayout(db, window).holes, 0);
}

// A Y ordinate of (20, 35) whose leader runs along y 35 to x 70, through the
// X text; its own text lies beyond x 70.
TEST(OrdinateLayoutCheck, LeadersCountOnlyWhenAskedFor) {
  AcDbDatabase db;
  const AcDbObjectId x = addOrdinate(db, true, {50, 10, 0}, {50, 30, 0});
  const AcDbObjectId y = addOrdinate(db, false, {20, 35, 0}, {70, 35, 0});
  EXPECT_TRUE(checkOrdinateLayout(db).passed());

  LayoutCheckOptions leaders;
  leaders.leadersAreGeometry = true;
  const OrdinateLayoutReport report = checkOrdinateLayout(db, leaders);
  ASSERT_EQ(report.overlaps.size(), 1u) << report.summary();
  EXPECT_EQ(report.overlaps[0].kind, OverlapKind::TextLeader);
  EXPECT_EQ(report.overlaps[0].dimension, x.handle());
  EXPECT_EQ(report.overlaps[0].other, y.handle());
  EXPECT_FALSE(report.passed());
}

TEST(OrdinateLayoutCheck, ABlankOverrideShowsNoText) {
  AcDbDatabase db;
  const AcDbObjectId id = addOrdinate(db, true, {50, 10, 0}, {50, 30, 0});
  {
    test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
    ASSERT_EQ(d->setDimensionText(" "), Acad::eOk);
  }
  addLine(db, {40, 35, 0}, {60, 35, 0});
  addCircle(db, {50, 10, 0}, 3.0);
  const OrdinateLayoutReport report = checkOrdinateLayout(db);
  EXPECT_TRUE(report.overlaps.empty()) << report.summary();
  ASSERT_EQ(report.missing.size(), 1u) << "the blank dimension still covers X";
  EXPECT_FALSE(report.missing[0].missingX);
  EXPECT_TRUE(report.missing[0].missingY);
}

TEST(OrdinateLayoutCheck, SummaryNamesCountsAndTheFirstFaults) {
  AcDbDatabase db;
  const AcDbObjectId x = addOrdinate(db, true, {50, 10, 0}, {50, 30, 0});
  addOrdinate(db, false, {10, 50, 0}, {30, 50, 0}, -1, 30);
  const AcDbObjectId line = addLine(db, {40, 35, 0}, {60, 35, 0});
  const AcDbObjectId hole = addCircle(db, {50, 10, 0}, 3.0);
  const OrdinateLayoutReport report = checkOrdinateLayout(db);
  const std::string expected =
      "layout check: 2 ordinate dimensions (1 X, 1 Y, 1 marked); hole centres: 1\n"
      "overlaps: 1 (0 text-text, 1 text-geometry, 0 text-other text)\n"
      "crowded, marked: 0 (0 text-text, 0 text-geometry, 0 text-other text)\n"
      "holes missing an ordinate: 1 (0 without X, 1 without Y)\n"
      "  #" +
      x.handle().ascii() + " text-geometry LINE #" + line.handle().ascii() +
      "\n"
      "  hole #" +
      hole.handle().ascii() +
      " at 50,10: no Y\n"
      "FAILED\n";
  EXPECT_EQ(report.summary(), expected);
}

// Y texts in a column 2 apart, each 2.5 high: every neighbour overlaps
// once, and the line x -25 runs through them all ("100.00" to "2098.00",
// 12 to 14 wide, from x -20.625 leftwards). With a thousand texts the grid
// must find every pair and none twice.
TEST(OrdinateLayoutCheck, ManyTextsEachPairOnce) {
  AcDbDatabase db;
  constexpr int kTexts = 1000;
  for (int i = 0; i < kTexts; ++i)
    addOrdinate(db, false, {0, 100.0 + 2.0 * i, 0}, {-20, 100.0 + 2.0 * i, 0});
  addLine(db, {-25, 0, 0}, {-25, 4000, 0});
  const OrdinateLayoutReport report = checkOrdinateLayout(db);
  EXPECT_EQ(report.count(OverlapKind::TextText, false), kTexts - 1);
  EXPECT_EQ(report.count(OverlapKind::TextGeometry, false), kTexts);
}

}  // namespace
}  // namespace zek::adxy1
