// Tests of the shared curve geometry: DXF angles, exact elliptic-arc boxes,
// quadrature, length inversion and the crossing tests of selection boxes.
#include "db/curves/curve_math.h"

#include <cmath>

#include <gtest/gtest.h>

namespace zek::curve {
namespace {

struct DegreesCase {
  const char* name;
  double degrees;
  double expectedRadians;
};
// Expected radians by hand: d · π / 180 after whole turns come off.
const DegreesCase kDegreesCases[] = {
    {"370 degrees read as 10", 370.0, 0.17453292519943295},
    {"-90 degrees read as 270", -90.0, 4.71238898038469},
    {"a whole turn reads as 0", 360.0, 0.0},
    {"two turns and a half degree", 720.5, 0.008726646259971648},
    {"a right angle", 90.0, 1.5707963267948966},
};

TEST(DxfDegrees, ReadIntoOneTurn) {
  for (const DegreesCase& c : kDegreesCases)
    EXPECT_NEAR(radiansFromDxfDegrees(c.degrees), c.expectedRadians, 1e-15) << c.name;
}

TEST(DxfDegrees, WholeTurnsComeOffExactly) {
  // 370° and 10° must be the same double, not merely close: both are written
  // back as "10".
  EXPECT_EQ(radiansFromDxfDegrees(370.0), radiansFromDxfDegrees(10.0));
  EXPECT_EQ(radiansFromDxfDegrees(-90.0), radiansFromDxfDegrees(270.0));
}

TEST(DxfDegrees, WrittenAsTheDecimalTheFileHad) {
  for (double degrees : {0.0, 10.0, 45.0, 90.0, 123.456, 359.9999, 0.1})
    EXPECT_EQ(dxfDegreesFromRadians(radiansFromDxfDegrees(degrees)), degrees) << degrees;
}

TEST(DxfDegrees, RadiansSurviveTheWayThroughDegrees) {
  for (double radians : {1.0, 0.3, 2.0 * std::acos(-1.0) - 1e-9, 1e-7})
    EXPECT_EQ(radiansFromDxfDegrees(dxfDegreesFromRadians(radians)), radians) << radians;
}

struct BoxCase {
  const char* name;
  AcGePoint3d centre;
  AcGeVector3d major, minor;
  double t0, sweep;
  AcGePoint3d min, max;
};
// cos 10° = 0.984807753012208, sin 10° = 0.173648177666930.
const BoxCase kBoxCases[] = {
    {"circle r2 at (1,1)", {1, 1, 0}, {2, 0, 0}, {0, 2, 0}, 0.0, kTwoPi, {-1, -1, 0}, {3, 3, 0}},
    {"arc 350..10 degrees crosses 0", {0, 0, 0}, {1, 0, 0}, {0, 1, 0},
     350.0 * kPi / 180.0, 20.0 * kPi / 180.0,
     {0.984807753012208, -0.173648177666930, 0}, {1, 0.173648177666930, 0}},
    {"upper half circle", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0.0, kPi, {-1, 0, 0}, {1, 1, 0}},
    {"ellipse 2 by 1", {0, 0, 5}, {2, 0, 0}, {0, 1, 0}, 0.0, kTwoPi, {-2, -1, 5}, {2, 1, 5}},
    {"circle in the YZ plane", {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, 0.0, kTwoPi, {0, -1, -1}, {0, 1, 1}},
    // Perpendicular axes (3, 4) and (−2, 1.5): along x the curve reaches
    // √(3² + 2²) = √13 = 3.605551275463989, along y √(4² + 1.5²) = √18.25
    // = 4.272001872658765.
    {"rotated ellipse", {0, 0, 0}, {3, 4, 0}, {-2, 1.5, 0}, 0.0, kTwoPi,
     {-3.605551275463989, -4.272001872658765, 0}, {3.605551275463989, 4.272001872658765, 0}},
};

TEST(EllipticArcExtents, AreExact) {
  for (const BoxCase& c : kBoxCases) {
    AcDbExtents box;
    addEllipticArcExtents(box, c.centre, c.major, c.minor, c.t0, c.sweep);
    for (unsigned k = 0; k < 3; ++k) {
      EXPECT_NEAR(box.minPoint()[k], c.min[k], 1e-12) << c.name << " min axis " << k;
      EXPECT_NEAR(box.maxPoint()[k], c.max[k], 1e-12) << c.name << " max axis " << k;
    }
  }
}

TEST(Extrusion, AddsTheMovedBox) {
  AcDbExtents box(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  addExtrusion(box, AcGeVector3d(0, 0, -2));
  EXPECT_EQ(box.minPoint(), AcGePoint3d(0, 0, -2));
  EXPECT_EQ(box.maxPoint(), AcGePoint3d(1, 1, 0));
}

TEST(Integrate, MatchesKnownIntegrals) {
  struct Case {
    const char* name;
    double (*f)(double);
    double a, b, expected;
  };
  const Case cases[] = {
      {"sin over [0, pi] is 2", [](double x) { return std::sin(x); }, 0.0, kPi, 2.0},
      {"x^5 over [0, 1] is 1/6", [](double x) { return std::pow(x, 5); }, 0.0, 1.0, 1.0 / 6.0},
      // The derivative is unbounded at 0: only subdivision gets this right.
      {"sqrt over [0, 1] is 2/3", [](double x) { return std::sqrt(x); }, 0.0, 1.0, 2.0 / 3.0},
      {"an empty range is 0", [](double x) { return x; }, 2.0, 2.0, 0.0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(integrate(c.f, c.a, c.b), c.expected, 1e-12) << c.name;
}

TEST(InvertLength, FindsTheParameterOfALength) {
  // Length u² from 0 (speed 2u): length 1 is reached at u = 1, 2.25 at 1.5.
  const auto length = [](double u) { return u * u; };
  const auto speed = [](double u) { return 2.0 * u; };
  EXPECT_NEAR(invertLength(length, speed, 0.0, 2.0, 1.0), 1.0, 1e-13);
  EXPECT_NEAR(invertLength(length, speed, 0.0, 2.0, 2.25), 1.5, 1e-13);
  EXPECT_EQ(invertLength(length, speed, 0.0, 2.0, 9.0), 2.0) << "past the end stays at the end";
}

TEST(GoldenMinimum, FindsTheLowestPoint) {
  EXPECT_NEAR(goldenMinimum([](double x) { return (x - 0.3) * (x - 0.3); }, 0.0, 1.0), 0.3, 1e-8);
}

struct CrossCase {
  const char* name;
  AcGePoint2d p, q;
  bool crosses;
};
// The box is [0, 1] × [0, 1].
const CrossCase kSegmentCases[] = {
    // Its extents [0.5, 2]² overlap the box, but x + y = 2.5 never reaches it.
    {"diagonal beside the corner", {0.5, 2.0}, {2.0, 0.5}, false},
    {"straight through", {-1.0, 0.5}, {2.0, 0.5}, true},
    {"wholly inside", {0.2, 0.2}, {0.3, 0.3}, true},
    {"touching the corner", {1.0, 1.0}, {2.0, 2.0}, true},
    {"parallel above", {-1.0, 1.5}, {2.0, 1.5}, false},
    {"degenerate outside", {3.0, 3.0}, {3.0, 3.0}, false},
};

TEST(SegmentCrossesRect, AnswersTheSegmentNotItsExtents) {
  const Rect2d rect{0.0, 0.0, 1.0, 1.0};
  for (const CrossCase& c : kSegmentCases)
    EXPECT_EQ(segmentCrossesRect(c.p, c.q, rect), c.crosses) << c.name;
}

struct ArcCrossCase {
  const char* name;
  double t0, sweep;
  Rect2d rect;
  bool crosses;
};
// The unit circle about the origin.
const ArcCrossCase kArcCases[] = {
    {"box inside the circle", 0.0, kTwoPi, {-0.5, -0.5, 0.5, 0.5}, false},
    {"box on the curve", 0.0, kTwoPi, {0.9, -0.1, 1.1, 0.1}, true},
    {"box around everything", 0.0, kTwoPi, {-2, -2, 2, 2}, true},
    {"box beyond the arc's end", 10 * kPi / 180, 70 * kPi / 180, {-1.1, -0.1, -0.9, 0.1}, false},
    {"box at the arc's middle", 10 * kPi / 180, 70 * kPi / 180, {0.6, 0.6, 0.8, 0.8}, true},
    // The box holds the chord's middle but no point of the arc.
    {"box under the arc", 0.0, kPi / 2, {0.4, 0.4, 0.6, 0.6}, false},
};

TEST(EllipticArcCrossesRect, AnswersTheCurveNotItsExtents) {
  for (const ArcCrossCase& c : kArcCases)
    EXPECT_EQ(ellipticArcCrossesRect(AcGePoint2d(0, 0), AcGeVector2d(1, 0), AcGeVector2d(0, 1),
                                     c.t0, c.sweep, c.rect),
              c.crosses)
        << c.name;
}

}  // namespace
}  // namespace zek::curve
