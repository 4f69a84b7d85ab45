// The plate boundary rectangle: rounding to half units, the box it makes
// round a selection, the corner check and the outline's vertices, each row
// worked out by hand.
#include "boundary_rectangle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek {
namespace {

constexpr double kB = 0.41421356237309503;  // tan(π/8): a quarter circle

struct RoundingCase {
  double value;
  double rounded;
};
constexpr RoundingCase kRoundingCases[] = {
    {100.56, 101.0},   // fraction 0.56: up to the next unit
    {100.54, 100.5},   // fraction 0.54: the half
    {100.04, 100.0},   // fraction below 0.05: down
    {102.2, 102.5},    // the width of a 96.2 box with the margin of 3 on each side
    {53.0, 53.0},      // no fraction
    {100.5, 100.5},
    {100.049, 100.0},
    {100.051, 100.5},
    {100.549, 100.5},
    {100.551, 101.0},
    {99.99, 100.0},
    {0.3, 0.5},
};

TEST(RoundToHalfUnit, FollowsTheFraction) {
  for (const RoundingCase& c : kRoundingCases)
    EXPECT_DOUBLE_EQ(roundToHalfUnit(c.value), c.rounded) << c.value;
}

TEST(PlateRectangle, RoundsTheBoxOfA96By47SelectionTo102AndAHalfBy53) {
  const Box rectangle = plateRectangle({10.0, 20.0, 106.2, 67.0}, 3.0);
  EXPECT_DOUBLE_EQ(rectangle.maxX - rectangle.minX, 102.5);
  EXPECT_DOUBLE_EQ(rectangle.maxY - rectangle.minY, 53.0);
  // Centred on the box: (58.1, 43.5).
  EXPECT_NEAR(rectangle.minX, 6.85, 1e-12);
  EXPECT_NEAR(rectangle.maxX, 109.35, 1e-12);
  EXPECT_DOUBLE_EQ(rectangle.minY, 17.0);
  EXPECT_DOUBLE_EQ(rectangle.maxY, 70.0);
}

struct FitCase {
  const char* name;
  Box rectangle;
  CornerValues corners;
  bool fits;
};
const FitCase kFitCases[] = {
    {"R1 R1 R2 R1 on 10 x 4", {0, 0, 10, 4}, {1, 1, 2, 1}, true},
    {"5 and 5 on the bottom side of 10", {0, 0, 10, 20}, {5, 5, 1, 1}, false},
    {"5 and 5 on the top side of 10", {0, 0, 10, 20}, {1, 1, 5, 5}, false},
    {"5 and 5 on the left side of 10", {0, 0, 20, 10}, {5, 1, 1, 5}, false},
    {"5 and 5 on the right side of 10", {0, 0, 20, 10}, {1, 5, 5, 1}, false},
    {"chamfers count by their size", {0, 0, 10, 20}, {-5, 5, 1, 1}, false},
    {"5 and 5 on a side of 10.1 leave 0.1", {0, 0, 10.1, 20}, {5, 5, 1, 1}, true},
    {"sharp corners on a side of 0.05", {0, 0, 0.05, 20}, {0, 0, 0, 0}, false},
};

TEST(CornersFit, EverySideKeepsATenthBesideItsCorners) {
  for (const FitCase& c : kFitCases)
    EXPECT_EQ(cornersFit(c.rectangle, c.corners), c.fits) << c.name;
}

struct OutlineCase {
  const char* name;
  Box rectangle;
  CornerValues corners;
  Outline vertices;
};
const OutlineCase kOutlineCases[] = {
    {"the first settings R1 R1 R2 R1",
     {0, 0, 10, 4},
     {1, 1, 2, 1},
     {{1, 0, 0}, {9, 0, kB}, {10, 1, 0}, {10, 2, kB}, {8, 4, 0}, {1, 4, kB}, {0, 3, 0},
      {0, 1, kB}}},
    {"sharp everywhere", {0, 0, 10, 4}, {0, 0, 0, 0}, {{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}}},
    {"R1 C1 R3 and a sharp top left",
     {0, 0, 20, 10},
     {1, -1, 3, 0},
     {{1, 0, 0}, {19, 0, 0}, {20, 1, 0}, {20, 7, kB}, {17, 10, 0}, {0, 10, 0}, {0, 1, kB}}},
    {"a sharp first corner stays first",
     {0, 0, 10, 4},
     {0, -1, -1, -1},
     {{0, 0, 0}, {9, 0, 0}, {10, 1, 0}, {10, 3, 0}, {9, 4, 0}, {1, 4, 0}, {0, 3, 0}}},
    {"a chamfered first corner closes through the point before it",
     {0, 0, 10, 4},
     {-0.5, 0, 0, 0},
     {{0.5, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}, {0, 0.5, 0}}},
    {"values within 0.001 of 0 are sharp",
     {0, 0, 10, 4},
     {0.0009, -0.0009, 0.001, -0.001},
     {{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}}},
};

std::string describe(const Outline& outline) {
  std::string text;
  for (const OutlineVertex& v : outline)
    text += "(" + std::to_string(v.x) + ", " + std::to_string(v.y) + ", " +
            std::to_string(v.bulge) + ") ";
  return text;
}

TEST(BoundaryOutline, VisitsTheCornersCounterClockwiseFromTheBottomLeft) {
  for (const OutlineCase& c : kOutlineCases) {
    const Outline outline = boundaryOutline(c.rectangle, c.corners);
    ASSERT_EQ(outline.size(), c.vertices.size()) << c.name << ": " << describe(outline);
    for (std::size_t i = 0; i < outline.size(); ++i) {
      EXPECT_NEAR(outline[i].x, c.vertices[i].x, 1e-12) << c.name << " vertex " << i;
      EXPECT_NEAR(outline[i].y, c.vertices[i].y, 1e-12) << c.name << " vertex " << i;
      EXPECT_EQ(outline[i].bulge, c.vertices[i].bulge) << c.name << " vertex " << i;
    }
  }
}

TEST(PlateBoundary, RefusesCornersTooBigAndDrawsTheRest) {
  BoundarySettings settings;  // offset 3, R1 R1 R2 R1
  const std::optional<Outline> drawn = plateBoundary({10.0, 20.0, 106.2, 67.0}, settings);
  ASSERT_TRUE(drawn.has_value());
  ASSERT_EQ(drawn->size(), 8u);
  EXPECT_NEAR(drawn->front().x, 7.85, 1e-12);  // 1 after the bottom-left corner
  EXPECT_DOUBLE_EQ(drawn->front().y, 17.0);

  // A 4 x 4 box with no margin: the right side of 4 cannot hold 2 and 2.
  settings.offset = 0.0;
  settings.corners = {1.0, 2.0, -2.0, 1.0};
  EXPECT_FALSE(plateBoundary({0.0, 0.0, 4.0, 4.0}, settings).has_value());
}

}  // namespace
}  // namespace zek
