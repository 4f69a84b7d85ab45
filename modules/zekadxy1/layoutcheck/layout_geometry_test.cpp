// The plane geometry of the layout check, with figures worked by hand, and
// the grid against looking at every box.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "layoutcheck/layout_geometry.h"
#include "layoutcheck/layout_grid.h"

namespace zek::adxy1 {
namespace {

constexpr double kPi = std::numbers::pi;

// A box 10 wide and 2 high about the origin, read along X.
constexpr TextRect kFlat{{0, 0}, {1, 0}, 5, 1};
// The same box turned 30 degrees about (100, 100).
const TextRect kTurned{{100, 100}, {std::cos(kPi / 6), std::sin(kPi / 6)}, 5, 1};

AcGePoint2d onTurned(double along, double across) {
  return kTurned.centre + kTurned.along * along + kTurned.along.perpVector() * across;
}

struct SegmentCase {
  const char* name;
  AcGePoint2d a, b;
  bool enters;
};

TEST(LayoutGeometry, SegmentsAgainstABox) {
  const SegmentCase flat[] = {
      {"across the middle", {-10, 0}, {10, 0}, true},
      {"wholly inside", {-1, 0.5}, {1, -0.5}, true},
      {"along the top edge", {-10, 1}, {10, 1}, false},
      {"just under the top edge", {-10, 0.999}, {10, 0.999}, true},
      {"ending at the left edge", {-10, 0}, {-5, 0}, false},
      {"ending just inside the left edge", {-10, 0}, {-4.99, 0}, true},
      {"through a corner only", {-6, 0}, {-4, 2}, false},
      {"cutting a corner", {-6, 0}, {-4, 1.5}, true},
      {"beside the box", {6, -10}, {6, 10}, false},
      {"a point inside", {1, 0}, {1, 0}, true},
      {"a point on the edge", {5, 0}, {5, 0}, false},
  };
  for (const SegmentCase& c : flat) {
    EXPECT_EQ(segmentEntersRect(c.a, c.b, kFlat), c.enters) << c.name;
    EXPECT_EQ(segmentEntersRect(c.b, c.a, kFlat), c.enters) << c.name << " (reversed)";
  }
  // In the turned box's own terms: 0.9 across is inside, 1.1 is not.
  EXPECT_TRUE(segmentEntersRect(onTurned(-8, 0.9), onTurned(8, 0.9), kTurned));
  EXPECT_FALSE(segmentEntersRect(onTurned(-8, 1.1), onTurned(8, 1.1), kTurned));
  EXPECT_FALSE(segmentEntersRect(onTurned(5.1, -3), onTurned(5.1, 3), kTurned));
  // The turned box's right corner reaches x 100 + 5 cos 30 + sin 30 =
  // 104.83: the world-vertical line x 104 passes through (at y 101.5 it is
  // 4.21 along and -0.70 across), x 104.9 passes by.
  EXPECT_TRUE(segmentEntersRect({104, 0}, {104, 200}, kTurned));
  EXPECT_FALSE(segmentEntersRect({104.9, 0}, {104.9, 200}, kTurned));
}

struct ArcCase {
  const char* name;
  ArcPiece arc;
  bool enters;
};

TEST(LayoutGeometry, ArcsAgainstABox) {
  const ArcCase cases[] = {
      {"a circle through the box", {{0, 3}, 2.5, 0, 2 * kPi}, true},
      {"a circle touching the top edge", {{0, 3}, 2, 0, 2 * kPi}, false},
      {"a circle round the box", {{0, 0}, 5.2, 0, 2 * kPi}, false},
      {"a circle round the box's middle only", {{0, 0}, 4, 0, 2 * kPi}, true},
      {"a circle inside the box", {{2, 0}, 0.5, 0, 2 * kPi}, true},
      {"the upper half of a circle below", {{0, -3}, 2.5, 0, kPi}, true},
      {"the lower half of that circle", {{0, -3}, 2.5, kPi, kPi}, false},
      {"an arc whose ends lie outside, its middle inside",
       {{0, 4}, 3.5, kPi + 0.5, kPi - 1.0},
       true},
      {"an arc across angle 0 reaching in from the left",
       {{-8, 0}, 3.5, 11 * kPi / 6, kPi / 3},
       true},
      {"the rest of that circle", {{-8, 0}, 3.5, kPi / 6, 5 * kPi / 3}, false},
      {"an arc stopping short of the box", {{0, 4}, 3.5, 0, 1.0}, false},
      {"a circle round a corner", {{5, 1}, 0.5, 0, 2 * kPi}, true},
      {"a circle just off a corner", {{5.5, 1.5}, 0.7, 0, 2 * kPi}, false},
  };
  for (const ArcCase& c : cases)
    EXPECT_EQ(arcEntersRect(c.arc, kFlat), c.enters) << c.name;
  // The same circles about the turned box.
  const ArcPiece through{onTurned(0, 3), 2.5, 0, 2 * kPi};
  const ArcPiece touching{onTurned(0, 3), 1.99, 0, 2 * kPi};
  EXPECT_TRUE(arcEntersRect(through, kTurned));
  EXPECT_FALSE(arcEntersRect(touching, kTurned));
}

TEST(LayoutGeometry, BoxesAgainstBoxes) {
  const TextRect beside{{10.5, 0}, {1, 0}, 5, 1};
  const TextRect touching{{10, 0}, {1, 0}, 5, 1};
  const TextRect overlapping{{9.9, 0}, {1, 0}, 5, 1};
  const TextRect upright{{0, 0}, {0, 1}, 5, 1};  // a cross with kFlat
  const double r = std::sqrt(0.5);               // 45 degrees
  EXPECT_FALSE(rectsOverlap(kFlat, beside));
  EXPECT_FALSE(rectsOverlap(kFlat, touching)) << "boxes sharing an edge do not overlap";
  EXPECT_TRUE(rectsOverlap(kFlat, overlapping));
  EXPECT_TRUE(rectsOverlap(kFlat, upright));
  EXPECT_TRUE(rectsOverlap(upright, kFlat));
  // A square turned 45 degrees off the box's upper right corner (5, 1): its
  // bounds overlap the box's, its edge x + y = 6.2 + 2.2 - 1.414 passes
  // outside the corner; moved to (5.5, 1.5) its edge x + y = 5.586 takes the
  // corner in.
  const TextRect diamond{{6.2, 2.2}, {r, r}, 1, 1};
  EXPECT_TRUE(boundsOf(diamond).meets(boundsOf(kFlat)));
  EXPECT_FALSE(rectsOverlap(kFlat, diamond));
  const TextRect nearer{{5.5, 1.5}, {r, r}, 1, 1};
  EXPECT_TRUE(rectsOverlap(kFlat, nearer));
}

TEST(LayoutGeometry, BoxesFromTextCorners) {
  // An upright text (rotation 90°), 10 long and 2.5 high, baseline from
  // (50, 30) up to (50, 40): its box lies left of the baseline.
  const TextRect up = rectFromCorners(
      {AcGePoint2d(50, 30), AcGePoint2d(50, 40), AcGePoint2d(47.5, 40), AcGePoint2d(47.5, 30)});
  EXPECT_NEAR(up.centre.x, 48.75, 1e-12);
  EXPECT_NEAR(up.centre.y, 35, 1e-12);
  EXPECT_NEAR(up.halfWidth, 5, 1e-12);
  EXPECT_NEAR(up.halfHeight, 1.25, 1e-12);
  const Bounds2d b = boundsOf(up);
  EXPECT_NEAR(b.minX, 47.5, 1e-12);
  EXPECT_NEAR(b.maxY, 40, 1e-12);
  // Leaning 1 to the right over its height of 2: the rectangle along the
  // baseline holding the parallelogram is 11 long.
  const TextRect leaning = rectFromCorners(
      {AcGePoint2d(0, 0), AcGePoint2d(10, 0), AcGePoint2d(11, 2), AcGePoint2d(1, 2)});
  EXPECT_NEAR(leaning.halfWidth, 5.5, 1e-12);
  EXPECT_NEAR(leaning.centre.x, 5.5, 1e-12);
  EXPECT_NEAR(leaning.halfHeight, 1, 1e-12);
  // An empty text: a box with no interior.
  EXPECT_TRUE(
      rectFromCorners({AcGePoint2d(3, 3), AcGePoint2d(3, 3), AcGePoint2d(3, 3), AcGePoint2d(3, 3)})
          .isEmpty());
  EXPECT_TRUE(shrunk(TextRect{{0, 0}, {1, 0}, 5, 0.02}, 0.025).isEmpty());
}

TEST(LayoutGeometry, ArcsOfBulges) {
  // Bulge 1 from (0,0) to (2,0): a half circle about (1,0) below the chord
  // (counter-clockwise from the start).
  const ArcPiece below = arcOfBulge({0, 0}, {2, 0}, 1.0);
  EXPECT_NEAR(below.centre.x, 1, 1e-12);
  EXPECT_NEAR(below.centre.y, 0, 1e-12);
  EXPECT_NEAR(below.radius, 1, 1e-12);
  EXPECT_NEAR(below.sweep, kPi, 1e-12);
  const AcGePoint2d low = pointOnArc(below, below.start + below.sweep / 2);
  EXPECT_NEAR(low.y, -1, 1e-12);
  // Bulge -1: the half circle above.
  const ArcPiece above = arcOfBulge({0, 0}, {2, 0}, -1.0);
  EXPECT_NEAR(pointOnArc(above, above.start + above.sweep / 2).y, 1, 1e-12);
  // tan(22.5°): a quarter circle of radius 3 from (3,0) to (0,3) about the origin.
  const ArcPiece quarter = arcOfBulge({3, 0}, {0, 3}, std::tan(kPi / 8));
  EXPECT_NEAR(quarter.radius, 3, 1e-12);
  EXPECT_NEAR(quarter.centre.x, 0, 1e-12);
  EXPECT_NEAR(quarter.centre.y, 0, 1e-12);
  EXPECT_NEAR(quarter.start, 0, 1e-12);
  EXPECT_NEAR(quarter.sweep, kPi / 2, 1e-12);
  const Bounds2d b = boundsOf(below);
  EXPECT_NEAR(b.minY, -1, 1e-12);
  EXPECT_NEAR(b.maxY, 0, 1e-12);
  EXPECT_EQ(arcOfBulge({0, 0}, {2, 0}, 0.0).radius, 0.0) << "no bulge, no arc";
}

// A small deterministic sequence for the grid's boxes.
double next(unsigned& state) {
  state = state * 1103515245u + 12345u;
  return static_cast<double>((state >> 8) & 0xFFFF) / 65536.0;
}

TEST(LayoutGrid, FindsEveryBoxMeetingAQueryOnce) {
  unsigned state = 7;
  std::vector<Bounds2d> boxes;
  for (int i = 0; i < 2000; ++i) {
    const double x = 1000 * next(state), y = 300 * next(state);
    boxes.push_back({x, y, x + 12 * next(state), y + 2.5 + 10 * next(state)});
  }
  boxes.push_back({90000, 90000, 90010, 90002});  // far away: the cells grow
  for (double cell : {2.0, 12.0, 0.0}) {
    BoxGrid grid(boxes, cell);
    for (int q = 0; q < 300; ++q) {
      const double x = -50 + 1100 * next(state), y = -50 + 400 * next(state);
      const Bounds2d query{x, y, x + 40 * next(state), y + 40 * next(state)};
      std::multiset<std::size_t> found;
      grid.forEachMeeting(query, [&](std::size_t i) { found.insert(i); });
      std::multiset<std::size_t> expected;
      for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].meets(query))
          expected.insert(i);
      ASSERT_EQ(found, expected) << "cell " << cell << " query " << q;
    }
  }
  BoxGrid empty(std::vector<Bounds2d>{}, 1.0);
  int visits = 0;
  empty.forEachMeeting({0, 0, 1, 1}, [&](std::size_t) { ++visits; });
  EXPECT_EQ(visits, 0);
}

}  // namespace
}  // namespace zek::adxy1
