// Offsetting outlines: every point of the offset lies at the offset distance
// from the source, the vertices and join bulges of hand-worked shapes, the
// areas they enclose, and each failure.
#include "outline_offset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "outline_geometry.h"

namespace zek {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kQuarter = 0.41421356237309503;  // tan(π/8): a quarter circle

const Outline kRectangle{{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}};
const Outline kRoundedRectangle{{1, 0, 0}, {9, 0, kQuarter}, {10, 1, 0}, {10, 3, kQuarter},
                                {9, 4, 0}, {1, 4, kQuarter}, {0, 3, 0}, {0, 1, kQuarter}};
// Rounded corners R2 and R1, a chamfer and a bottom side bowed outwards
// (meeting the corner arcs at a slight kink).
const Outline kPlateWithArcs{{2, 0, 0.1}, {18, 0, kQuarter}, {20, 2, 0}, {20, 9, kQuarter},
                             {19, 10, 0}, {1, 10, 0}, {0, 9, 0}, {0, 2, kQuarter}};
// 10 x 6 with the top side an arc bowed into the plate.
const Outline kConcaveTop{{0, 0, 0}, {10, 0, 0}, {10, 6, -0.2}, {0, 6, 0}};
const Outline kLShape{{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {4, 4, 0}, {4, 8, 0}, {0, 8, 0}};
// The L with an inside fillet R2 about (6,6) at its inner corner.
const Outline kFilletedL{{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {6, 4, -kQuarter}, {4, 6, 0},
                         {4, 8, 0}, {0, 8, 0}};
const Outline kCircle{{5, 0, 1.0}, {-5, 0, 1.0}};
const Outline kSlot{{0, 0, 0}, {10, 0, 1.0}, {10, 2, 0}, {0, 2, 1.0}};
const Outline kClockwiseRectangle{{0, 0, 0}, {0, 4, 0}, {10, 4, 0}, {10, 0, 0}};

struct DistanceCase {
  const char* name;
  Outline source;
  double offset;
};
const DistanceCase kDistanceCases[] = {
    {"rectangle outwards", kRectangle, 2.0},
    {"rectangle inwards", kRectangle, -1.5},
    {"rounded rectangle outwards", kRoundedRectangle, 2.0},
    {"rounded rectangle inwards to a sharp corner", kRoundedRectangle, -1.0},
    {"rounded rectangle inwards", kRoundedRectangle, -0.5},
    {"plate with arcs and a chamfer outwards", kPlateWithArcs, 3.0},
    {"plate with arcs and a chamfer inwards", kPlateWithArcs, -0.75},
    {"concave arc side outwards", kConcaveTop, 1.0},
    {"concave arc side inwards", kConcaveTop, -1.0},
    {"L outwards", kLShape, 1.0},
    {"L inwards", kLShape, -0.5},
    {"filleted L outwards, the fillet shrinking", kFilletedL, 1.0},
    {"filleted L outwards past the fillet's radius", kFilletedL, 3.0},
    {"filleted L inwards, the fillet growing", kFilletedL, -1.5},
    {"circle outwards", kCircle, 2.0},
    {"circle inwards", kCircle, -2.0},
    {"slot outwards", kSlot, 0.5},
    {"slot inwards", kSlot, -0.5},
    {"clockwise rectangle outwards", kClockwiseRectangle, 2.0},
    {"clockwise plate inwards", reversed(kPlateWithArcs), -0.75},
};

std::string describe(const Outline& outline) {
  std::string text;
  for (const OutlineVertex& v : outline)
    text += "(" + std::to_string(v.x) + ", " + std::to_string(v.y) + ", " +
            std::to_string(v.bulge) + ") ";
  return text;
}

TEST(OffsetOutline, EveryPointLiesAtTheOffsetFromTheSource) {
  for (const DistanceCase& c : kDistanceCases) {
    const OffsetResult result = offsetOutline(c.source, c.offset);
    ASSERT_EQ(result.failure, OffsetFailure::None) << c.name;
    // Outwards encloses more, inwards less, and the direction is kept.
    const double before = signedArea(c.source);
    const double after = signedArea(result.outline);
    EXPECT_GT(after * before, 0.0) << c.name;
    EXPECT_EQ(std::fabs(after) > std::fabs(before), c.offset > 0.0) << c.name;
    for (const Segment& segment : segmentsOf(result.outline))
      for (const double t : {0.0, 0.25, 0.5, 0.75})
        EXPECT_NEAR(distanceToOutline(segment.pointAt(t), c.source), std::fabs(c.offset), 1e-9)
            << c.name << ": at " << t << " of the segment from (" << segment.start.x << ", "
            << segment.start.y << ")\n" << describe(result.outline);
  }
}

struct VertexCase {
  const char* name;
  Outline source;
  double offset;
  Outline expected;
};
const VertexCase kVertexCases[] = {
    // Round joins of a quarter circle at the four outside corners.
    {"rectangle outwards by 2", kRectangle, 2.0,
     {{0, -2, 0}, {10, -2, kQuarter}, {12, 0, 0}, {12, 4, kQuarter}, {10, 6, 0}, {0, 6, kQuarter},
      {-2, 4, 0}, {-2, 0, kQuarter}}},
    // Inside corners are trimmed where the moved sides meet.
    {"rectangle inwards by 1", kRectangle, -1.0, {{1, 1, 0}, {9, 1, 0}, {9, 3, 0}, {1, 3, 0}}},
    // The corner arcs grow from R1 to R3 about the same centres.
    {"rounded rectangle outwards by 2", kRoundedRectangle, 2.0,
     {{1, -2, 0}, {9, -2, kQuarter}, {12, 1, 0}, {12, 3, kQuarter}, {9, 6, 0}, {1, 6, kQuarter},
      {-2, 3, 0}, {-2, 1, kQuarter}}},
    // The inside corner of the L is trimmed outwards and rounded inwards,
    // there turning right.
    {"L outwards by 1", kLShape, 1.0,
     {{0, -1, 0}, {10, -1, kQuarter}, {11, 0, 0}, {11, 4, kQuarter}, {10, 5, 0}, {5, 5, 0},
      {5, 8, kQuarter}, {4, 9, 0}, {0, 9, kQuarter}, {-1, 8, 0}, {-1, 0, kQuarter}}},
    {"L inwards by 0.5", kLShape, -0.5,
     {{0.5, 0.5, 0}, {9.5, 0.5, 0}, {9.5, 3.5, 0}, {4, 3.5, -kQuarter}, {3.5, 4, 0},
      {3.5, 7.5, 0}, {0.5, 7.5, 0}}},
    // The fillet R2 shrinks to R1 about the same centre.
    {"filleted L outwards by 1", kFilletedL, 1.0,
     {{0, -1, 0}, {10, -1, kQuarter}, {11, 0, 0}, {11, 4, kQuarter}, {10, 5, 0}, {6, 5, -kQuarter},
      {5, 6, 0}, {5, 8, kQuarter}, {4, 9, 0}, {0, 9, kQuarter}, {-1, 8, 0}, {-1, 0, kQuarter}}},
    // Past its radius the fillet gives way: the moved sides meet at (7,7).
    {"filleted L outwards by 3", kFilletedL, 3.0,
     {{0, -3, 0}, {10, -3, kQuarter}, {13, 0, 0}, {13, 4, kQuarter}, {10, 7, 0}, {7, 7, 0},
      {7, 8, kQuarter}, {4, 11, 0}, {0, 11, kQuarter}, {-3, 8, 0}, {-3, 0, kQuarter}}},
    {"circle outwards by 2", kCircle, 2.0, {{7, 0, 1.0}, {-7, 0, 1.0}}},
    {"clockwise rectangle outwards by 2 runs clockwise", kClockwiseRectangle, 2.0,
     {{0, -2, -kQuarter}, {-2, 0, 0}, {-2, 4, -kQuarter}, {0, 6, 0}, {10, 6, -kQuarter},
      {12, 4, 0}, {12, 0, -kQuarter}, {10, -2, 0}}},
};

TEST(OffsetOutline, VerticesAndJoinBulges) {
  for (const VertexCase& c : kVertexCases) {
    const OffsetResult result = offsetOutline(c.source, c.offset);
    ASSERT_EQ(result.failure, OffsetFailure::None) << c.name;
    ASSERT_EQ(result.outline.size(), c.expected.size()) << c.name << ": " << describe(result.outline);
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_NEAR(result.outline[i].x, c.expected[i].x, 1e-12) << c.name << " vertex " << i;
      EXPECT_NEAR(result.outline[i].y, c.expected[i].y, 1e-12) << c.name << " vertex " << i;
      EXPECT_NEAR(result.outline[i].bulge, c.expected[i].bulge, 1e-12) << c.name << " vertex " << i;
    }
  }
}

struct AreaCase {
  const char* name;
  Outline source;
  double offset;
  double area;
};
const AreaCase kAreaCases[] = {
    // A convex outline offset outwards by d gains perimeter × d + π d².
    {"rectangle outwards by 2: 40 + 28·2 + 4π", kRectangle, 2.0, 96.0 + 4.0 * kPi},
    {"rounded rectangle outwards by 2: 14 x 8 with R3", kRoundedRectangle, 2.0, 76.0 + 9.0 * kPi},
    {"rounded rectangle inwards by 0.5: 9 x 3 with R0.5", kRoundedRectangle, -0.5,
     26.0 + kPi / 4.0},
    {"rounded rectangle inwards by 1: 8 x 2 sharp", kRoundedRectangle, -1.0, 16.0},
    {"slot inwards by 0.5: 10 x 1 with half-circle ends", kSlot, -0.5, 10.0 + kPi / 4.0},
    {"circle inwards by 2", kCircle, -2.0, 9.0 * kPi},
};

TEST(OffsetOutline, EnclosesTheAreaWorkedOutByHand) {
  for (const AreaCase& c : kAreaCases) {
    const OffsetResult result = offsetOutline(c.source, c.offset);
    ASSERT_EQ(result.failure, OffsetFailure::None) << c.name;
    EXPECT_NEAR(signedArea(result.outline), c.area, 1e-9) << c.name;
  }
}

struct FailureCase {
  const char* name;
  Outline source;
  double offset;
  OffsetFailure failure;
};
const FailureCase kFailureCases[] = {
    {"rectangle inwards by half its height", kRectangle, -2.0, OffsetFailure::SegmentVanishes},
    {"rectangle inwards past half its height", kRectangle, -3.0, OffsetFailure::SegmentVanishes},
    {"corner arcs of R1 inwards by 1.5", kRoundedRectangle, -1.5, OffsetFailure::SegmentVanishes},
    {"circle inwards by its radius", kCircle, -5.0, OffsetFailure::SegmentVanishes},
    {"a bow tie", {{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 10, 0}}, 1.0,
     OffsetFailure::SourceCrossesItself},
    {"one vertex", {{0, 0, 0}}, 1.0, OffsetFailure::NoArea},
    {"one vertex twice", {{0, 0, 0}, {0, 0, 0}}, 1.0, OffsetFailure::NoArea},
    // Back along the line it came: it runs over itself.
    {"three points on a line", {{0, 0, 0}, {5, 0, 0}, {10, 0, 0}}, 1.0,
     OffsetFailure::SourceCrossesItself},
    {"a half circle and its chord", {{0, 0, 1.0}, {2, 0, 0}}, -1.0, OffsetFailure::SegmentVanishes},
    // The walls of a 2 wide slot into a U move into its 2 thick bottom.
    {"U inwards past its bottom",
     {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {6, 10, 0}, {6, 2, 0}, {4, 2, 0}, {4, 10, 0}, {0, 10, 0}},
     -1.5, OffsetFailure::ResultCrossesItself},
    // Outwards, the bottom of the slot turns round.
    {"U outwards across its slot",
     {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {6, 10, 0}, {6, 2, 0}, {4, 2, 0}, {4, 10, 0}, {0, 10, 0}},
     1.5, OffsetFailure::SegmentVanishes},
};

TEST(OffsetOutline, SaysWhyThereIsNoOffset) {
  for (const FailureCase& c : kFailureCases) {
    const OffsetResult result = offsetOutline(c.source, c.offset);
    EXPECT_EQ(result.failure, c.failure) << c.name << ": " << describe(result.outline);
    EXPECT_TRUE(result.outline.empty()) << c.name;
  }
}

}  // namespace
}  // namespace zek
