// Chords of ellipses and splines: their R12 polylines read back lie on the
// curve, start and end where it does and stray from it by no more than the
// chord rule; circular ellipses come back as circles and arcs.
#include "dxf/r12_chords.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "db_curves.h"
#include "db_polyline.h"
#include "dxf/r12_test_support.h"

namespace zek::dxf {
namespace {

using namespace test;

// The world points of the only polyline of a drawing's model space.
struct ReadPolyline {
  std::vector<AcGePoint3d> points;
  bool closed = false;
};

ReadPolyline onlyPolyline(AcDbDatabase& db) {
  ReadPolyline result;
  const auto ids = modelSpace(db);
  EXPECT_EQ(ids.size(), 1u);
  if (ids.empty())
    return result;
  Opened<AcDb2dPolyline> polyline(ids[0]);
  EXPECT_TRUE(polyline) << "a 2D polyline";
  if (!polyline)
    return result;
  result.closed = polyline->isClosed();
  for (AcDbObjectId id : polyline->vertexIds()) {
    Opened<AcDb2dVertex> vertex(id);
    if (vertex)
      result.points.push_back(polyline->vertexPosition(*vertex.operator->()));
  }
  return result;
}

double distanceToSegment(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b) {
  const AcGeVector3d ab = b - a;
  const double s = std::clamp((p - a).dotProduct(ab) / ab.lengthSqrd(), 0.0, 1.0);
  return p.distanceTo(a + ab * s);
}

// ---- ELLIPSE --------------------------------------------------------------

struct EllipseCase {
  const char* name;
  Groups groups;  // after "0 ELLIPSE"
  AcGePoint3d centre;
  AcGeVector3d majorUnit, minorUnit;  // minor = normal × major
  double major, minor;
  double tolerance;  // 0.01 % of the major radius, at most 0.01
  bool closed;
  AcGePoint3d first, last;
};

const EllipseCase kEllipseCases[] = {
    {"a whole ellipse of major radius 10: 0.001 units",
     {{10, "5"}, {20, "5"}, {30, "0"}, {11, "10"}, {21, "0"}, {31, "0"}, {40, "0.5"}, {41, "0"},
      {42, "6.283185307179586"}},
     {5, 5, 0}, {1, 0, 0}, {0, 1, 0}, 10, 5, 0.001, true, {15, 5, 0}, {}},
    {"a quarter: first and last at its ends",
     {{10, "0"}, {20, "0"}, {30, "0"}, {11, "10"}, {21, "0"}, {31, "0"}, {40, "0.5"}, {41, "0"},
      {42, "1.5707963267948966"}},
     {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 10, 5, 0.001, false, {10, 0, 0}, {0, 5, 0}},
    {"major radius 500: 0.01 units, less than 0.01 %",
     {{10, "0"}, {20, "0"}, {30, "0"}, {11, "500"}, {21, "0"}, {31, "0"}, {40, "0.2"}, {41, "0"},
      {42, "6.283185307179586"}},
     {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 500, 100, 0.01, true, {500, 0, 0}, {}},
    {"a small upright half: 0.00005 units",
     {{10, "1"}, {20, "2"}, {30, "0"}, {11, "0"}, {21, "0.5"}, {31, "0"}, {40, "0.3"},
      {41, "1.5707963267948966"}, {42, "4.71238898038469"}},
     {1, 2, 0}, {0, 1, 0}, {-1, 0, 0}, 0.5, 0.15, 0.00005, false, {0.85, 2, 0}, {1.15, 2, 0}},
    {"drawn from below at z 2: the minor axis points to -Y",
     {{10, "0"}, {20, "0"}, {30, "2"}, {11, "10"}, {21, "0"}, {31, "0"}, {210, "0"}, {220, "0"},
      {230, "-1"}, {40, "0.5"}, {41, "0"}, {42, "1.5707963267948966"}},
     {0, 0, 2}, {1, 0, 0}, {0, -1, 0}, 10, 5, 0.001, false, {10, 0, 2}, {0, -5, 2}},
};

// The ellipse's point at parameter t.
AcGePoint3d ellipsePoint(const EllipseCase& c, double t) {
  return c.centre + c.majorUnit * (c.major * std::cos(t)) + c.minorUnit * (c.minor * std::sin(t));
}

// How far the chord strays from the ellipse between two of its points:
// the farthest of 200 ellipse points between them from the chord.
double chordError(const EllipseCase& c, const AcGePoint3d& a, const AcGePoint3d& b) {
  auto parameterOf = [&](const AcGePoint3d& p) {
    const AcGeVector3d v = p - c.centre;
    return std::atan2(v.dotProduct(c.minorUnit) / c.minor, v.dotProduct(c.majorUnit) / c.major);
  };
  const double ta = parameterOf(a);
  double tb = parameterOf(b);
  if (tb < ta)
    tb += 2.0 * kPi;
  double worst = 0.0;
  for (int k = 1; k < 200; ++k)
    worst = std::max(worst, distanceToSegment(ellipsePoint(c, ta + (tb - ta) * k / 200.0), a, b));
  return worst;
}

TEST(R12Ellipse, ChordsLieOnTheEllipseWithinTheChordRule) {
  for (const EllipseCase& c : kEllipseCases) {
    Groups groups = {{0, "ELLIPSE"}, {8, "0"}};
    groups.insert(groups.end(), c.groups.begin(), c.groups.end());
    auto db = readDrawing(groups);
    ASSERT_TRUE(db) << c.name;
    R12Copy copy = writeR12(*db);
    ASSERT_TRUE(copy.reread) << c.name;
    const ReadPolyline polyline = onlyPolyline(*copy.reread);
    ASSERT_GE(polyline.points.size(), 2u) << c.name;
    EXPECT_LE(polyline.points.size(), 721u) << c.name;
    EXPECT_EQ(polyline.closed, c.closed) << c.name;
    EXPECT_TRUE(near(polyline.points.front(), c.first)) << c.name << ": first point";
    if (!c.closed) {
      EXPECT_TRUE(near(polyline.points.back(), c.last)) << c.name << ": last point";
    }
    double worst = 0.0;
    for (std::size_t i = 0; i < polyline.points.size(); ++i) {
      const AcGeVector3d v = polyline.points[i] - c.centre;
      const double u = v.dotProduct(c.majorUnit) / c.major, w = v.dotProduct(c.minorUnit) / c.minor;
      EXPECT_NEAR(u * u + w * w, 1.0, 1e-9) << c.name << ": vertex " << i << " on the ellipse";
      EXPECT_NEAR(v.dotProduct(c.majorUnit.crossProduct(c.minorUnit)), 0.0, 1e-9)
          << c.name << ": vertex " << i << " in its plane";
      const std::size_t next = i + 1 < polyline.points.size() ? i + 1 : 0;
      if (next != 0 || c.closed)
        worst = std::max(worst, chordError(c, polyline.points[i], polyline.points[next]));
    }
    EXPECT_LE(worst, c.tolerance) << c.name;
    EXPECT_GT(worst, c.tolerance / 4.0) << c.name << ": no more chords than the rule needs";
  }
}

TEST(R12Ellipse, CircularEllipsesBecomeCirclesAndArcs) {
  {
    auto db = readDrawing({{0, "ELLIPSE"}, {8, "0"}, {10, "5"}, {20, "5"}, {30, "0"}, {11, "3"},
                           {21, "0"}, {31, "0"}, {40, "1.0"}, {41, "0"}, {42, "6.283185307179586"}});
    ASSERT_TRUE(db);
    R12Copy copy = writeR12(*db);
    ASSERT_TRUE(copy.reread);
    const auto ids = modelSpace(*copy.reread);
    ASSERT_EQ(ids.size(), 1u);
    Opened<AcDbCircle> circle(ids[0]);
    ASSERT_TRUE(circle) << "a whole circular ellipse is a CIRCLE";
    EXPECT_TRUE(near(circle->center(), {5, 5, 0}));
    EXPECT_EQ(circle->radius(), 3.0);
  }
  struct ArcCase {
    const char* name;
    Groups groups;
    AcGePoint3d start, end;
  };
  const ArcCase arcs[] = {
      {"a quarter from the top round to the left",
       {{10, "0"}, {20, "0"}, {30, "0"}, {11, "0"}, {21, "3"}, {31, "0"}, {40, "1.0"}, {41, "0"},
        {42, "1.5707963267948966"}},
       {0, 3, 0}, {-3, 0, 0}},
      {"drawn from below: the arc turns clockwise as seen from above",
       {{10, "0"}, {20, "0"}, {30, "0"}, {11, "3"}, {21, "0"}, {31, "0"}, {210, "0"}, {220, "0"},
        {230, "-1"}, {40, "1.0"}, {41, "0"}, {42, "1.5707963267948966"}},
       {3, 0, 0}, {0, -3, 0}},
  };
  for (const ArcCase& c : arcs) {
    Groups groups = {{0, "ELLIPSE"}, {8, "0"}};
    groups.insert(groups.end(), c.groups.begin(), c.groups.end());
    auto db = readDrawing(groups);
    ASSERT_TRUE(db) << c.name;
    R12Copy copy = writeR12(*db);
    ASSERT_TRUE(copy.reread) << c.name;
    const auto ids = modelSpace(*copy.reread);
    ASSERT_EQ(ids.size(), 1u) << c.name;
    Opened<AcDbArc> arc(ids[0]);
    ASSERT_TRUE(arc) << c.name;
    AcGePoint3d start, end;
    ASSERT_EQ(arc->getStartPoint(start), Acad::eOk);
    ASSERT_EQ(arc->getEndPoint(end), Acad::eOk);
    EXPECT_TRUE(near(start, c.start)) << c.name;
    EXPECT_TRUE(near(end, c.end)) << c.name;
    EXPECT_NEAR(arc->endAngle() - arc->startAngle(), kPi / 2.0, 1e-12) << c.name;
  }
}

// ---- SPLINE ---------------------------------------------------------------

TEST(R12Spline, RationalQuarterCircleStaysOnItsCircle) {
  const double w = std::sqrt(0.5);
  auto db = readDrawing({{0, "SPLINE"}, {8, "0"}, {210, "0"}, {220, "0"}, {230, "1"},
                         {70, "12"}, {71, "2"}, {72, "6"}, {73, "3"}, {74, "0"}, {40, "0"},
                         {40, "0"}, {40, "0"}, {40, "1"}, {40, "1"}, {40, "1"}, {10, "10"},
                         {20, "0"}, {30, "0"}, {41, "1"}, {10, "10"}, {20, "10"}, {30, "0"},
                         {41, std::to_string(w)}, {10, "0"}, {20, "10"}, {30, "0"}, {41, "1"}});
  ASSERT_TRUE(db);
  R12Copy copy = writeR12(*db);
  EXPECT_EQ(copy.notes, std::vector<std::string>{"1 SPLINE written as POLYLINE for R12"});
  ASSERT_TRUE(copy.reread);
  const ReadPolyline polyline = onlyPolyline(*copy.reread);
  ASSERT_GE(polyline.points.size(), 2u);
  EXPECT_FALSE(polyline.closed);
  EXPECT_TRUE(near(polyline.points.front(), {10, 0, 0}));
  EXPECT_TRUE(near(polyline.points.back(), {0, 10, 0}));
  // Extents 10 × 10: half the diagonal is 7.07, 0.01 % of it 0.000707.
  const double tolerance = 0.0007071;
  for (std::size_t i = 0; i < polyline.points.size(); ++i) {
    EXPECT_NEAR(polyline.points[i].distanceTo(AcGePoint3d::kOrigin), 10.0, 1e-6) << i;
    if (i == 0)
      continue;
    // A chord of length c in a circle of radius r strays r - √(r² - c²/4).
    const double c = polyline.points[i].distanceTo(polyline.points[i - 1]);
    EXPECT_LE(10.0 - std::sqrt(100.0 - c * c / 4.0), tolerance) << "chord " << i;
  }
}

TEST(R12Spline, ClosedSplineKeepsItsCornersAndClosesWithoutRepeating) {
  // A closed triangle of degree 1: corners at the knots 1 and 2.
  auto db = readDrawing({{0, "SPLINE"}, {8, "0"}, {70, "9"}, {71, "1"}, {72, "6"}, {73, "4"},
                         {74, "0"}, {40, "0"}, {40, "0"}, {40, "1"}, {40, "2"}, {40, "3"},
                         {40, "3"}, {10, "0"}, {20, "0"}, {30, "0"}, {10, "10"}, {20, "0"},
                         {30, "0"}, {10, "10"}, {20, "10"}, {30, "0"}, {10, "0"}, {20, "0"},
                         {30, "0"}});
  ASSERT_TRUE(db);
  R12Copy copy = writeR12(*db);
  ASSERT_TRUE(copy.reread);
  const ReadPolyline polyline = onlyPolyline(*copy.reread);
  EXPECT_TRUE(polyline.closed);
  const AcGePoint3d corners[] = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
  for (const AcGePoint3d& corner : corners)
    EXPECT_TRUE(std::any_of(polyline.points.begin(), polyline.points.end(),
                            [&](const AcGePoint3d& p) { return p.distanceTo(corner) <= 1e-12; }))
        << "corner (" << corner.x << ", " << corner.y << ") is a vertex";
  ASSERT_FALSE(polyline.points.empty());
  EXPECT_GT(polyline.points.back().distanceTo(polyline.points.front()), 0.1)
      << "the start is not repeated at the end";
}

TEST(R12Spline, SplineOutOfPlaneBecomesA3dPolyline) {
  // A cubic Bézier from (0,0,0) by (10,0,5) and (10,10,10) to (0,10,15):
  // z = 15t, x = 30t(1 − t), y = 30t² − 20t³.
  auto db = readDrawing({{0, "SPLINE"}, {8, "0"}, {70, "0"}, {71, "3"}, {72, "8"}, {73, "4"},
                         {74, "0"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "1"},
                         {40, "1"}, {40, "1"}, {40, "1"}, {10, "0"}, {20, "0"}, {30, "0"},
                         {10, "10"}, {20, "0"}, {30, "5"}, {10, "10"}, {20, "10"}, {30, "10"},
                         {10, "0"}, {20, "10"}, {30, "15"}});
  ASSERT_TRUE(db);
  R12Copy copy = writeR12(*db);
  const auto filed = filedEntities(copy.text);
  ASSERT_GE(filed.size(), 4u);
  EXPECT_EQ(filed.front().type, "POLYLINE");
  EXPECT_EQ(filed.front().values(70), std::vector<std::string>{"8"}) << "a 3D polyline";
  EXPECT_EQ(filed.back().type, "SEQEND");
  for (std::size_t i = 1; i + 1 < filed.size(); ++i) {
    const FiledEntity& vertex = filed[i];
    ASSERT_EQ(vertex.type, "VERTEX");
    EXPECT_EQ(vertex.values(70), std::vector<std::string>{"32"}) << i;
    const double x = std::stod(vertex.values(10).at(0)), y = std::stod(vertex.values(20).at(0)),
                 z = std::stod(vertex.values(30).at(0));
    const double t = z / 15.0;
    EXPECT_NEAR(x, 30.0 * t * (1.0 - t), 1e-9) << "vertex " << i;
    EXPECT_NEAR(y, 30.0 * t * t - 20.0 * t * t * t, 1e-9) << "vertex " << i;
  }
  EXPECT_EQ(filed[1].values(30), std::vector<std::string>{"0.0"}) << "starts at z 0";
  EXPECT_EQ(filed[filed.size() - 2].values(30), std::vector<std::string>{"15.0"}) << "ends at z 15";
}

// ---- Any curve ------------------------------------------------------------

TEST(CurveChords, CircleOfRadius100StaysWithinAHundredthAndClosesWithoutRepeating) {
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 100.0);
  circle.markOpened(AcDb::kForRead);
  std::vector<AcGePoint3d> points;
  const bool done = curveChordPoints(circle, {0.0, kPi, 2.0 * kPi}, 100.0, points);
  circle.markClosed();
  ASSERT_TRUE(done);
  ASSERT_GE(points.size(), 3u);
  EXPECT_TRUE(near(points.front(), {100, 0, 0}));
  EXPECT_TRUE(std::any_of(points.begin(), points.end(),
                          [](const AcGePoint3d& p) { return p.distanceTo({-100, 0, 0}) < 1e-9; }))
      << "the break at π is a vertex";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double c = points[i].distanceTo(points[(i + 1) % points.size()]);
    EXPECT_GT(c, 1e-9) << "no point twice: " << i;
    // Sagitta of a chord c in a circle of radius 100; 0.01 % of 100 is 0.01.
    EXPECT_LE(100.0 - std::sqrt(10000.0 - c * c / 4.0), 0.01 + 1e-12) << "chord " << i;
  }
}

struct BreaksCase {
  const char* name;
  std::vector<double> knots;  // degree 1, so as many control points as knots − 2
  std::vector<double> breaks;
};
const BreaksCase kBreaksCases[] = {
    {"eight spans: each knot once", {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    {"a repeated knot is one break", {0, 0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 8},
     {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    {"one span is halved three times", {0, 0, 4, 4}, {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4}},
};

TEST(CurveChords, SplineBreaksAreItsKnotsHalvedToEightSpans) {
  for (const BreaksCase& c : kBreaksCases) {
    AcGePoint3dArray controls;
    for (std::size_t i = 0; i + 2 < c.knots.size(); ++i)
      controls.append(AcGePoint3d(static_cast<double>(i), static_cast<double>(i % 2), 0.0));
    AcGeDoubleArray knots;
    for (double k : c.knots)
      knots.append(k);
    AcDbSpline spline;
    ASSERT_EQ(spline.setNurbsData(1, false, false, false, controls, knots, AcGeDoubleArray()),
              Acad::eOk)
        << c.name;
    spline.markOpened(AcDb::kForRead);
    EXPECT_EQ(splineBreaks(spline), c.breaks) << c.name;
    spline.markClosed();
  }
}

}  // namespace
}  // namespace zek::dxf
