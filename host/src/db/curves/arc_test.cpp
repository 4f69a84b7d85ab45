// Tests of AcDbArc: angle normalisation on setting and reading, parameters
// across 0°, extents across 0°, mirroring, grips, the crossing test, DXF and
// binary filing.
#include "db_curves.h"

#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

constexpr double kDegree = kPi / 180.0;

Groups arcGroups(const char* start, const char* end) {
  return {{0, "ARC"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbCircle"}, {10, "0"}, {20, "0"},
          {30, "0"}, {40, "2"}, {100, "AcDbArc"}, {50, start}, {51, end}};
}

TEST(ArcAngles, AreNormalisedOnReading) {
  auto db = readEntities(arcGroups("-90", "370"), "AC1015");
  ASSERT_TRUE(db);
  Opened<AcDbArc> arc(modelSpaceIds(*db).at(0));
  ASSERT_EQ(arc.status(), Acad::eOk);
  EXPECT_NEAR(arc->startAngle(), 270.0 * kDegree, 1e-15) << "a start of −90° reads as 270°";
  EXPECT_NEAR(arc->endAngle(), 10.0 * kDegree, 1e-15) << "an end of 370° reads as 10°";
  // From 270° counter-clockwise to 10°: 100°.
  EXPECT_NEAR(arc->totalAngle(), 100.0 * kDegree, 1e-14);
}

TEST(ArcAngles, AreWrittenBackInDegrees) {
  auto db = readEntities(arcGroups("-90", "370"), "AC1015");
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2000), "ARC");
  EXPECT_EQ(valuesOf(written, 50), std::vector<std::string>{"270.0"});
  EXPECT_EQ(valuesOf(written, 51), std::vector<std::string>{"10.0"});
}

TEST(ArcAngles, AreNormalisedOnSetting) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, -kHalfPi, 2.5 * kPi);
  EXPECT_NEAR(arc.startAngle(), 1.5 * kPi, 1e-15);
  EXPECT_NEAR(arc.endAngle(), kHalfPi, 1e-15);
  ASSERT_EQ(arc.setEndAngle(-kPi), Acad::eOk);
  EXPECT_NEAR(arc.endAngle(), kPi, 1e-15);
}

// The arc of radius 2 about the origin from 350° to 10°.
AcDbArc arcAcrossZero() { return AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 350.0 * kDegree, 10.0 * kDegree); }

TEST(ArcCurve, ParametersRunPastTheWholeTurn) {
  const AcDbArc arc = arcAcrossZero();
  double start = 0.0, end = 0.0;
  ASSERT_EQ(arc.getStartParam(start), Acad::eOk);
  ASSERT_EQ(arc.getEndParam(end), Acad::eOk);
  EXPECT_NEAR(start, 350.0 * kDegree, 1e-14);
  EXPECT_NEAR(end, 370.0 * kDegree, 1e-14) << "the end angle plus 2π, as it is smaller";
  double param = 0.0;
  ASSERT_EQ(arc.getParamAtPoint(AcGePoint3d(2, 0, 0), param), Acad::eOk);
  EXPECT_NEAR(param, kTwoPi, 1e-14) << "0° lies 10° into the arc";
  double dist = 0.0;
  ASSERT_EQ(arc.getDistAtParam(end, dist), Acad::eOk);
  EXPECT_NEAR(dist, 2.0 * 20.0 * kDegree, 1e-14);  // 0.698131700797732
  EXPECT_NEAR(arc.length(), 0.6981317007977318, 1e-14);
  AcGePoint3d p;
  EXPECT_EQ(arc.getPointAtParam(kPi, p), Acad::eInvalidInput) << "180° is off the arc";
  EXPECT_EQ(arc.getParamAtPoint(AcGePoint3d(-2, 0, 0), param), Acad::eInvalidInput);
}

TEST(ArcCurve, ClosestPointFallsBackToTheNearerEnd) {
  const AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, 0.0, kHalfPi);
  AcGePoint3d closest;
  ASSERT_EQ(arc.getClosestPointTo(AcGePoint3d(3, 3, 0), closest), Acad::eOk);
  EXPECT_TRUE(pointsNear(closest, AcGePoint3d(std::sqrt(0.5), std::sqrt(0.5), 0)));
  ASSERT_EQ(arc.getClosestPointTo(AcGePoint3d(1, -5, 0), closest), Acad::eOk);
  EXPECT_TRUE(pointsNear(closest, AcGePoint3d(1, 0, 0))) << "beyond the start";
  ASSERT_EQ(arc.getClosestPointTo(AcGePoint3d(1, -5, 0), closest, true), Acad::eOk);
  // On the full circle: direction (1, −5)/√26.
  EXPECT_TRUE(pointsNear(closest, AcGePoint3d(1 / std::sqrt(26.0), -5 / std::sqrt(26.0), 0)));
}

TEST(ArcCurve, AreaIsTheSegmentUnderTheChord) {
  const AcDbArc quarter(AcGePoint3d(5, 5, 0), 2.0, 0.0, kHalfPi);
  double area = 0.0;
  ASSERT_EQ(quarter.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 1.1415926535897931, 1e-14);  // r²/2·(θ − sin θ) = 2·(π/2 − 1)
}

struct ExtentsCase {
  const char* name;
  double start, end;  // degrees
  AcGePoint3d min, max;
};
// Radius 2 about the origin. 2·cos 10° = 1.969615506024416, 2·sin 10° =
// 0.347296355333861, 2·√2/2 = 1.414213562373095.
const ExtentsCase kExtentsCases[] = {
    {"across 0 degrees", 350, 10, {1.969615506024416, -0.347296355333861, 0},
     {2, 0.347296355333861, 0}},
    {"first to second quadrant", 45, 135, {-1.414213562373095, 1.414213562373095, 0},
     {1.414213562373095, 2, 0}},
    {"all but the first quadrant", 90, 0, {-2, -2, 0}, {2, 2, 0}},
    {"within one quadrant", 10, 80, {0.347296355333861, 0.347296355333861, 0},
     {1.969615506024416, 1.969615506024416, 0}},
};

TEST(ArcEntity, ExtentsFollowTheQuadrantsPassed) {
  for (const ExtentsCase& c : kExtentsCases) {
    const AcDbArc arc(AcGePoint3d(0, 0, 0), 2.0, c.start * kDegree, c.end * kDegree);
    AcDbExtents box;
    ASSERT_EQ(arc.getGeomExtents(box), Acad::eOk) << c.name;
    EXPECT_TRUE(pointsNear(box.minPoint(), c.min, 1e-14)) << c.name;
    EXPECT_TRUE(pointsNear(box.maxPoint(), c.max, 1e-14)) << c.name;
  }
}

TEST(ArcEntity, MirroringReversesTheArc) {
  // 0°..90° mirrored in the Y axis: its ends point to 180° and 90°, and it
  // now runs counter-clockwise from 90° to 180°.
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, 0.0, kHalfPi);
  ASSERT_EQ(arc.transformBy(AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))),
            Acad::eOk);
  EXPECT_NEAR(arc.startAngle(), kHalfPi, 1e-15);
  EXPECT_NEAR(arc.endAngle(), kPi, 1e-15);
  EXPECT_EQ(arc.normal(), AcGeVector3d::kZAxis);
}

TEST(ArcEntity, RotationTurnsTheAngles) {
  AcDbArc arc(AcGePoint3d(1, 0, 0), 1.0, 0.0, kHalfPi);
  ASSERT_EQ(arc.transformBy(AcGeMatrix3d::rotation(kHalfPi, AcGeVector3d::kZAxis)), Acad::eOk);
  EXPECT_TRUE(pointsNear(arc.center(), AcGePoint3d(0, 1, 0), 1e-15));
  EXPECT_NEAR(arc.startAngle(), kHalfPi, 1e-15);
  EXPECT_NEAR(arc.endAngle(), kPi, 1e-15);
}

TEST(ArcEntity, CrossesOnlyWhereTheCurveIs) {
  const AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, 0.0, kHalfPi);
  // Between the chord and the arc's extents corner: no point of the arc.
  EXPECT_FALSE(arc.crossesBox(AcDbExtents(AcGePoint3d(0.4, 0.4, 0), AcGePoint3d(0.6, 0.6, 0))));
  EXPECT_TRUE(arc.crossesBox(AcDbExtents(AcGePoint3d(0.6, 0.6, 0), AcGePoint3d(0.8, 0.8, 0))));
  EXPECT_FALSE(arc.crossesBox(AcDbExtents(AcGePoint3d(-1.1, -0.1, 0), AcGePoint3d(-0.9, 0.1, 0))))
      << "on the circle, off the arc";
}

TEST(ArcEntity, MovingTheStartGripFitsTheArcThroughThreePoints) {
  // Start (1, 0) moved to (2, 0), middle (0, 1) and end (−1, 0) stay: the
  // circle through them has centre (0.5, −0.5), radius √2.5; the arc runs
  // counter-clockwise from atan2(0.5, 1.5) to π − atan2(0.5, 1.5).
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, 0.0, kPi);
  ASSERT_EQ(arc.moveGripPointsAt(AcDbIntArray{0}, AcGeVector3d(1, 0, 0)), Acad::eOk);
  EXPECT_TRUE(pointsNear(arc.center(), AcGePoint3d(0.5, -0.5, 0), 1e-14));
  EXPECT_NEAR(arc.radius(), 1.5811388300841898, 1e-14);
  EXPECT_NEAR(arc.startAngle(), 0.3217505543966422, 1e-14);
  EXPECT_NEAR(arc.endAngle(), 2.819842099193151, 1e-14);
  ASSERT_EQ(arc.moveGripPointsAt(AcDbIntArray{3}, AcGeVector3d(0, 1, 0)), Acad::eOk);
  EXPECT_TRUE(pointsNear(arc.center(), AcGePoint3d(0.5, 0.5, 0), 1e-14));
}

TEST(ArcDxf, R12AndR2000FormsReadAlike) {
  const Groups r12 = {{0, "ARC"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "0"}, {40, "3"},
                      {50, "30"}, {51, "60"}, {210, "0"}, {220, "0"}, {230, "-1"}};
  const Groups r2000 = {{0, "ARC"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbCircle"},
                        {10, "1"}, {20, "2"}, {30, "0"}, {40, "3"}, {210, "0"}, {220, "0"},
                        {230, "-1"}, {100, "AcDbArc"}, {50, "30"}, {51, "60"}};
  for (const auto& [form, groups, version] :
       {std::tuple{"R12", r12, "AC1009"}, std::tuple{"R2000", r2000, "AC1015"}}) {
    auto db = readEntities(groups, version);
    ASSERT_TRUE(db) << form;
    Opened<AcDbArc> arc(modelSpaceIds(*db).at(0));
    ASSERT_EQ(arc.status(), Acad::eOk) << form;
    EXPECT_EQ(arc->center(), AcGePoint3d(-1, 2, 0)) << form << ": OCS (1, 2) under −Z";
    EXPECT_EQ(arc->radius(), 3.0) << form;
    EXPECT_NEAR(arc->startAngle(), 30 * kDegree, 1e-15) << form;
    EXPECT_NEAR(arc->endAngle(), 60 * kDegree, 1e-15) << form;
  }
}

TEST(ArcDxf, R12OutputHasNoMarkers) {
  auto db = readEntities(arcGroups("30", "60"), "AC1015");
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R12), "ARC");
  EXPECT_TRUE(valuesOf(written, 100).empty());
  EXPECT_EQ(valuesOf(written, 50), std::vector<std::string>{"30.0"});
  EXPECT_EQ(valuesOf(written, 40), std::vector<std::string>{"2.0"});
}

TEST(ArcFiling, BinaryCopyKeepsEveryField) {
  AcDbArc arc(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 1, 1), 2.5, 0.25, 4.0);
  ASSERT_EQ(arc.setThickness(1.5), Acad::eOk);
  const auto copy = dwgCopy(arc);
  EXPECT_EQ(copy->center(), arc.center());
  EXPECT_EQ(copy->normal(), arc.normal());
  EXPECT_EQ(copy->radius(), 2.5);
  EXPECT_EQ(copy->startAngle(), 0.25);
  EXPECT_EQ(copy->endAngle(), 4.0);
  EXPECT_EQ(copy->thickness(), 1.5);
}

}  // namespace
}  // namespace zek::test
