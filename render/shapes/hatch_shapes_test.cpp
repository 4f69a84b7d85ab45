// Tests of HATCH outlines read from DXF text: polyline paths with bulges,
// edge paths of lines, arcs (clockwise ones filed with mirrored angles),
// elliptic arcs and splines, islands, pattern and solid fills, the hatch's
// plane, and the chord counts any tolerance gives.
#include "area_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "curve_flattening.h"
#include "hatch_text.h"
#include "shapes_test_support.h"

namespace zek::render {
namespace {

using test::edgePath;
using test::hatchEntity;
using test::HatchText;
using test::polylinePath;
using test::Vertex;
using Points = std::vector<AcGePoint3d>;

constexpr double kTolerance = 0.01;

test::PlaneCurve circle(AcGePoint2d centre, double radius) {
  return {[=](double t) { return centre + AcGeVector2d(std::cos(t), std::sin(t)) * radius; },
          [=](const AcGePoint2d& p) { return std::atan2(p.y - centre.y, p.x - centre.x); }};
}

test::PlaneCurve ellipse(AcGePoint2d centre, AcGeVector2d major, double ratio) {
  AcGeVector2d minor = AcGeVector2d(-major.y, major.x) * ratio;
  return {[=](double t) { return centre + major * std::cos(t) + minor * std::sin(t); },
          [=](const AcGePoint2d& p) {
            AcGeVector2d d = p - centre;
            return std::atan2(d.dotProduct(minor) / minor.lengthSqrd(), d.dotProduct(major) / major.lengthSqrd());
          }};
}

// The points of a loop from the first one within 1e-9 of `from` to the
// first one after it within 1e-9 of `to`, both included; empty when either
// is missing.
Points runBetween(const Points& loop, AcGePoint2d from, AcGePoint2d to) {
  auto near = [](const AcGePoint3d& p, AcGePoint2d q) { return std::hypot(p.x - q.x, p.y - q.y) < 1e-9; };
  auto start = std::find_if(loop.begin(), loop.end(), [&](const AcGePoint3d& p) { return near(p, from); });
  if (start == loop.end())
    return {};
  auto end = std::find_if(start + 1, loop.end(), [&](const AcGePoint3d& p) { return near(p, to); });
  if (end == loop.end())
    return {};
  return Points(start, end + 1);
}

std::optional<AreaShape> hatchShape(const HatchText& head, long long count, const std::string& paths,
                                    double tolerance = kTolerance) {
  return test::shapeOfGroups(hatchEntity(head, count, paths), tolerance);
}

// How much finer than the tolerance the largest chord gap may come out:
// equal steps sized for the tolerance stay above half of it; halving a span
// quarters its gap.
constexpr double kEqualStepsFinest = 0.5;
constexpr double kHalvedSpansFinest = 0.25;

// A curved run of a loop checked against its true curve: vertices on it, no
// chord farther than the tolerance, and no needlessly fine chords.
void expectFollows(const Points& run, const test::PlaneCurve& curve, const char* name,
                   double finest = kEqualStepsFinest) {
  ASSERT_GE(run.size(), 3u) << name << ": the curve is there, in more than one chord";
  test::CurveFit fit = test::fitToCurve(run, curve);
  EXPECT_LT(fit.farthestOff, 1e-9) << name << ": vertices lie on the curve";
  EXPECT_LE(fit.largestChordGap, kTolerance * (1 + 1e-9)) << name << ": chords within tolerance";
  EXPECT_GE(fit.largestChordGap, kTolerance * finest) << name << ": chords no finer than needed";
}

struct BulgeCase {
  const char* name;
  double bulge;
  AcGePoint2d centre;
  double radius;
  AcGePoint2d farthest;  // the arc's point farthest from its chord
};

// A 10 × 10 square whose side from (10,0) to (10,10) carries the bulge.
constexpr BulgeCase kBulgeCases[] = {
    {"bulge 1: a half circle out to x 15", 1.0, {10, 5}, 5.0, {15, 5}},
    {"bulge -1: a half circle in to x 5", -1.0, {10, 5}, 5.0, {5, 5}},
    {"bulge tan 22.5°: a quarter circle about (5,5)", std::tan(std::numbers::pi / 8), {5, 5},
     std::sqrt(50.0), {5 + std::sqrt(50.0), 5}},
};

TEST(HatchShapes, PolylinePathBulgesStayWithinTolerance) {
  for (const BulgeCase& c : kBulgeCases) {
    std::optional<AreaShape> shape = hatchShape(
        HatchText{}, 1, polylinePath({{0, 0}, {10, 0, c.bulge}, {10, 10}, {0, 10}}));
    ASSERT_TRUE(shape) << c.name;
    EXPECT_TRUE(shape->filled) << c.name;
    ASSERT_EQ(shape->loops.size(), 1u) << c.name;
    const Points& loop = shape->loops[0];
    EXPECT_EQ(loop.front(), AcGePoint3d(0, 0, 0)) << c.name << ": the loop starts at the first vertex";
    EXPECT_EQ(loop.back(), AcGePoint3d(0, 10, 0)) << c.name << ": and does not repeat it at the end";
    Points arc = runBetween(loop, {10, 0}, {10, 10});
    expectFollows(arc, circle(c.centre, c.radius), c.name);
    double closest = 1e9;
    for (const AcGePoint3d& p : arc)
      closest = std::min(closest, std::hypot(p.x - c.farthest.x, p.y - c.farthest.y));
    EXPECT_LE(closest, 2 * c.radius * std::sin(0.5 * std::acos(1 - kTolerance / c.radius)))
        << c.name << ": the arc bulges to the right side";
  }
}

TEST(HatchShapes, OpenPolylinePathClosesStraight) {
  std::vector<Vertex> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10, 1.0}};
  std::optional<AreaShape> open = hatchShape(HatchText{}, 1, polylinePath(square, false));
  ASSERT_TRUE(open);
  ASSERT_EQ(open->loops.size(), 1u);
  EXPECT_EQ(open->loops[0].size(), 4u) << "the last vertex's bulge has no segment to bend";

  std::optional<AreaShape> closed = hatchShape(HatchText{}, 1, polylinePath(square, true));
  ASSERT_TRUE(closed);
  ASSERT_EQ(closed->loops.size(), 1u);
  Points loop = closed->loops[0];
  loop.push_back(loop.front());  // the implied closing point, to measure the last arc
  expectFollows(runBetween(loop, {0, 10}, {0, 0}), circle({0, 5}, 5), "closing bulge");
}

struct ArcPathCase {
  const char* name;
  std::string arc;  // from (10,0) to (10,10), centre (10,5), radius 5
  double extremeX;  // where the arc turns: 5 inward, 15 outward
};

TEST(HatchShapes, EdgePathArcsFollowTheirDirection) {
  const ArcPathCase cases[] = {
      {"a clockwise arc files its angles mirrored: -90 to -270 through 180",
       test::arcEdge(10, 5, 5, 90, 270, false), 5.0},
      {"a counter-clockwise arc from 270 to 90 through 0", test::arcEdge(10, 5, 5, 270, 90, true), 15.0},
  };
  for (const ArcPathCase& c : cases) {
    std::string path = edgePath({test::lineEdge(0, 0, 10, 0), c.arc, test::lineEdge(10, 10, 0, 10),
                                 test::lineEdge(0, 10, 0, 0)});
    std::optional<AreaShape> shape = hatchShape(HatchText{}, 1, path);
    ASSERT_TRUE(shape) << c.name;
    ASSERT_EQ(shape->loops.size(), 1u) << c.name;
    const Points& loop = shape->loops[0];
    EXPECT_EQ(loop.front(), AcGePoint3d(0, 0, 0)) << c.name;
    Points arc = runBetween(loop, {10, 0}, {10, 10});
    expectFollows(arc, circle({10, 5}, 5), c.name);
    auto [lowest, highest] = std::minmax_element(
        arc.begin(), arc.end(), [](const AcGePoint3d& a, const AcGePoint3d& b) { return a.x < b.x; });
    bool inward = c.extremeX < 10;
    EXPECT_NEAR(inward ? lowest->x : highest->x, c.extremeX, kTolerance) << c.name;
    EXPECT_EQ(inward ? highest->x : lowest->x, 10.0) << c.name << ": nothing on the other side";
  }
}

struct EllipseCase {
  const char* name;
  std::vector<std::string> edges;
  AcGePoint2d centre;
  AcGeVector2d major;
  double ratio;
  AcGePoint2d arcStart, arcEnd;  // the ends of the elliptic run in the loop
};

TEST(HatchShapes, EllipseEdgesUseTrueAngles) {
  const double r = std::sqrt(20.0);  // the ellipse 10 × 5 meets y = ±x at x = √20
  const EllipseCase cases[] = {
      {"a whole ellipse", {test::ellipseEdge(0, 0, 10, 0, 0.5, 0, 360, true)}, {0, 0}, {10, 0}, 0.5,
       {10, 0}, {10, 0}},
      {"an arc to 45°, as seen from the centre",
       {test::ellipseEdge(0, 0, 10, 0, 0.5, 0, 45, true), test::lineEdge(r, r, 0, 0),
        test::lineEdge(0, 0, 10, 0)},
       {0, 0}, {10, 0}, 0.5, {10, 0}, {r, r}},
      {"a clockwise arc files 0 to 45 for 0 to -45",
       {test::ellipseEdge(0, 0, 10, 0, 0.5, 0, 45, false), test::lineEdge(r, -r, 0, 0),
        test::lineEdge(0, 0, 10, 0)},
       {0, 0}, {10, 0}, 0.5, {10, 0}, {r, -r}},
      {"an upright ellipse off the origin",
       {test::ellipseEdge(1, 2, 0, 10, 0.5, 0, 360, true)}, {1, 2}, {0, 10}, 0.5, {1, 12}, {1, 12}},
  };
  for (const EllipseCase& c : cases) {
    std::optional<AreaShape> shape = hatchShape(HatchText{}, 1, edgePath(c.edges));
    ASSERT_TRUE(shape) << c.name;
    ASSERT_EQ(shape->loops.size(), 1u) << c.name;
    Points loop = shape->loops[0];
    if (c.arcStart == c.arcEnd)
      loop.push_back(loop.front());  // a whole ellipse: its closing point is implied
    Points run = runBetween(loop, c.arcStart, c.arcEnd);
    ASSERT_FALSE(run.empty()) << c.name << ": the arc ends where the next edge starts";
    expectFollows(run, ellipse(c.centre, c.major, c.ratio), c.name);
  }
}

// A quadratic Bézier (0,0) (5,10) (10,0), the parabola y = 2x - x²/5,
// closed by a line; the spline's data filed in the forms writers use.
std::string parabolaSpline(const std::string& afterControls) {
  return "72 4\n94 2\n73 0\n74 0\n95 6\n96 3\n40 0\n40 0\n40 0\n40 1\n40 1\n40 1\n"
         "10 0\n20 0\n10 5\n20 10\n10 10\n20 0\n" +
         afterControls;
}

// A quarter of the circle of radius 10 about the origin as a rational
// quadratic: weights 1, √½, 1.
std::string quarterCircleSpline(bool weightsAfterPoints) {
  std::string w = test::number(std::sqrt(0.5));
  std::string head = "72 4\n94 2\n73 1\n74 0\n95 6\n96 3\n40 0\n40 0\n40 0\n40 1\n40 1\n40 1\n";
  if (weightsAfterPoints)
    return head + "10 10\n20 0\n10 10\n20 10\n10 0\n20 10\n42 1\n42 " + w + "\n42 1\n";
  return head + "10 10\n20 0\n42 1\n10 10\n20 10\n42 " + w + "\n10 0\n20 10\n42 1\n";
}

struct SplineCase {
  const char* name;
  std::vector<std::string> edges;
  std::string sources;
  test::PlaneCurve curve;
  AcGePoint2d start, end;
};

TEST(HatchShapes, SplineEdgesFollowTheirCurve) {
  test::PlaneCurve parabola{[](double t) { return AcGePoint2d(10 * t, 20 * t * (1 - t)); },
                            [](const AcGePoint2d& p) { return p.x / 10; }};
  const SplineCase cases[] = {
      {"the last spline's fit count 0, then the source count",
       {test::lineEdge(10, 0, 0, 0), parabolaSpline("97 0\n")}, "97 0\n", parabola, {0, 0}, {10, 0}},
      {"no fit data: the 97 after the last spline is the source count",
       {test::lineEdge(10, 0, 0, 0), parabolaSpline("")}, "97 1\n330 1F\n", parabola, {0, 0}, {10, 0}},
      {"a spline before other edges reads its fit count 0",
       {parabolaSpline("97 0\n"), test::lineEdge(10, 0, 0, 0)}, "97 1\n330 1F\n", parabola, {0, 0},
       {10, 0}},
      {"weights after each control point", {quarterCircleSpline(false), test::lineEdge(0, 10, 10, 0)},
       "97 0\n", circle({0, 0}, 10), {10, 0}, {0, 10}},
      {"weights after all control points", {quarterCircleSpline(true), test::lineEdge(0, 10, 10, 0)},
       "97 0\n", circle({0, 0}, 10), {10, 0}, {0, 10}},
  };
  for (const SplineCase& c : cases) {
    std::optional<AreaShape> shape = hatchShape(HatchText{}, 1, edgePath(c.edges, c.sources));
    ASSERT_TRUE(shape) << c.name;
    ASSERT_EQ(shape->loops.size(), 1u) << c.name;
    EXPECT_FALSE(shape->damaged) << c.name;
    Points loop = shape->loops[0];
    loop.push_back(loop.front());
    Points run = runBetween(loop, c.start, c.end);
    expectFollows(run, c.curve, c.name, kHalvedSpansFinest);
  }
}

TEST(HatchShapes, SplineThroughFitPointsOnly) {
  std::string spline =
      "72 4\n94 3\n73 0\n74 0\n95 0\n96 0\n97 3\n11 0\n21 0\n11 5\n21 4\n11 10\n21 0\n12 1\n22 1\n13 1\n23 -1\n";
  std::optional<AreaShape> shape =
      hatchShape(HatchText{}, 1, edgePath({spline, test::lineEdge(10, 0, 0, 0)}));
  ASSERT_TRUE(shape);
  ASSERT_EQ(shape->loops.size(), 1u);
  const Points& loop = shape->loops[0];
  EXPECT_GT(loop.size(), 4u) << "the curve is flattened, not three chords";
  for (AcGePoint2d fit : {AcGePoint2d(0, 0), AcGePoint2d(5, 4), AcGePoint2d(10, 0)}) {
    double nearest = 1e9;
    for (const AcGePoint3d& p : loop)
      nearest = std::min(nearest, std::hypot(p.x - fit.x, p.y - fit.y));
    EXPECT_LT(nearest, 1e-9) << "the outline passes through the fit point " << fit.x << "," << fit.y;
  }
}

struct LoopsCase {
  const char* name;
  HatchText head;
  long long count;
  std::string paths;
  std::vector<Points> loops;
  bool filled;
};

std::vector<LoopsCase> loopsCases() {
  HatchText pattern;
  pattern.pattern = "ANSI31";
  pattern.solidFlag = 0;
  HatchText namedSolid;
  namedSolid.solidFlag = 0;
  HatchText below;
  below.normal[2] = -1.0;
  below.elevation = 2.0;
  HatchText upright;  // the plane of normal +Y: OCS x runs along -X, y along +Z
  upright.normal[1] = 1.0;
  upright.normal[2] = 0.0;
  upright.elevation = 2.0;
  std::vector<Vertex> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  std::vector<Vertex> island = {{3, 3}, {7, 3}, {7, 7}, {3, 7}};
  Points squareLoop = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};
  return {
      {"an outer path and an island: two loops, filled even-odd", HatchText{}, 2,
       polylinePath(square) + polylinePath(island, true, 16),
       {squareLoop, {{3, 3, 0}, {7, 3, 0}, {7, 7, 0}, {3, 7, 0}}}, true},
      {"a pattern hatch is stroked; its pattern and seed points are no boundary", pattern, 1,
       polylinePath(square), {squareLoop}, false},
      {"the pattern name SOLID fills without the fill flag", namedSolid, 1, polylinePath(square),
       {squareLoop}, true},
      {"seen from below (extrusion 0,0,-1) x is mirrored, z is minus the elevation", below, 1,
       polylinePath({{1, 1}, {4, 1}, {4, 3}}), {{{-1, 1, -2}, {-4, 1, -2}, {-4, 3, -2}}}, true},
      {"a hatch in an upright plane", upright, 1, polylinePath({{1, 3}, {4, 3}, {4, 5}}),
       {{{-1, 2, 3}, {-4, 2, 3}, {-4, 2, 5}}}, true},
      {"source handles after a path are skipped", HatchText{}, 2,
       edgePath({test::lineEdge(0, 0, 1, 0), test::lineEdge(1, 0, 0, 1), test::lineEdge(0, 1, 0, 0)},
                "97 2\n330 1F\n330 2A\n") +
           polylinePath(island),
       {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{3, 3, 0}, {7, 3, 0}, {7, 7, 0}, {3, 7, 0}}}, true},
  };
}

TEST(HatchShapes, LoopsFillsAndPlanes) {
  for (const LoopsCase& c : loopsCases()) {
    std::optional<AreaShape> shape = hatchShape(c.head, c.count, c.paths);
    ASSERT_TRUE(shape) << c.name;
    EXPECT_EQ(shape->filled, c.filled) << c.name;
    EXPECT_FALSE(shape->damaged) << c.name;
    ASSERT_EQ(shape->loops.size(), c.loops.size()) << c.name;
    for (std::size_t i = 0; i < c.loops.size(); ++i) {
      ASSERT_EQ(shape->loops[i].size(), c.loops[i].size()) << c.name << " loop " << i;
      for (std::size_t k = 0; k < c.loops[i].size(); ++k)
        EXPECT_LT(shape->loops[i][k].distanceTo(c.loops[i][k]), 1e-12)
            << c.name << " loop " << i << " point " << k << ": (" << shape->loops[i][k].x << ","
            << shape->loops[i][k].y << "," << shape->loops[i][k].z << ")";
    }
  }
}

struct ToleranceCase {
  const char* name;
  double tolerance;
  std::size_t fewest, most;  // points of a whole circle of radius 100
};

TEST(HatchShapes, ChordCountsStayBoundedWhateverTheTolerance) {
  const ToleranceCase cases[] = {
      {"zero asks for the finest chords allowed", 0.0, kMaxChordsPerCurve, kMaxChordsPerCurve},
      {"a negative tolerance likewise", -1.0, kMaxChordsPerCurve, kMaxChordsPerCurve},
      {"not a number likewise", std::numeric_limits<double>::quiet_NaN(), kMaxChordsPerCurve,
       kMaxChordsPerCurve},
      {"far finer than a circle needs stops at the cap", 1e-12, kMaxChordsPerCurve, kMaxChordsPerCurve},
      {"coarser than the circle: a quarter turn at most", 1e6, 4, 4},
      {"a hundredth: 223 chords", 0.01, 223, 223},
  };
  for (const ToleranceCase& c : cases) {
    std::optional<AreaShape> shape =
        hatchShape(HatchText{}, 1, edgePath({test::arcEdge(0, 0, 100, 0, 360, true)}), c.tolerance);
    ASSERT_TRUE(shape) << c.name;
    ASSERT_EQ(shape->loops.size(), 1u) << c.name;
    EXPECT_GE(shape->loops[0].size(), c.fewest) << c.name;
    EXPECT_LE(shape->loops[0].size(), c.most) << c.name;
  }
}

}  // namespace
}  // namespace zek::render
