// The layout on plain scenes: runs and their one dimension, centre lines,
// texts in free room, the zero-line unit, jogs and the outside rule.
#include <gtest/gtest.h>

#include <cmath>

#include "placement/ordinate_layout.h"
#include "placement/outline_features.h"

namespace zek::adxy1 {
namespace {

struct Hole {
  double x, y, r;
};

// A rectangular plate with holes, entered as the intake enters a drawing.
struct Scene {
  explicit Scene(double width, double height, std::vector<Hole> holes,
                 LayoutSizes sizes = LayoutSizes::of(2.5, 1.0, 0, 0.625, 2.5))
      : index(sizes.textHeight) {
    const double corners[][2] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
    std::vector<FeaturePoint> features;
    for (int i = 0; i < 4; ++i) {
      const double* a = corners[i];
      const double* b = corners[(i + 1) % 4];
      index.addSegment(a[0], a[1], b[0], b[1]);
      addStraightEdgeFeatures(a[0], a[1], b[0], b[1], features);
    }
    for (const FeaturePoint& f : features)
      (f.axis == Axis::X ? c.outlineX : c.outlineY).add(f.value, f.perp, f.radius, 2);
    for (const Hole& h : holes) {
      c.holesX.add(h.x, h.y, h.r, 2);
      c.holesY.add(h.y, h.x, h.r, 2);
      index.addCircle(h.x, h.y, h.r);
    }
    inputs.sizes = sizes;
    inputs.bounds = index.drawnBounds();
    this->holes = std::move(holes);
  }

  void addZeroLines() {
    const PlateBounds& b = inputs.bounds;
    const AcGePoint2d& z = inputs.zero;
    if (std::fabs(z.x - b.minX) > 0.001 && std::fabs(z.x - b.maxX) > 0.001) {
      c.holesX.add(z.x, b.minY, kZeroLineRadius, 2);
      c.holesX.add(z.x, b.maxY, kZeroLineRadius, 2);
    }
    if (std::fabs(z.y - b.minY) > 0.001 && std::fabs(z.y - b.maxY) > 0.001) {
      c.holesY.add(z.y, b.minX, kZeroLineRadius, 2);
      c.holesY.add(z.y, b.maxX, kZeroLineRadius, 2);
    }
  }

  void layOut() {
    for (OrdinateCollection* col : {&c.holesX, &c.holesY, &c.outlineX, &c.outlineY})
      col->finish();
    lines = layOutOrdinates(c, index, inputs);
  }

  std::vector<const OrdinateTarget*> carriers(const OrdinateCollection& col, double value) const {
    std::vector<const OrdinateTarget*> found;
    for (const OrdinateGroup& g : col.groups)
      if (std::fabs(g.value - value) < 1e-9)
        for (const OrdinateTarget& t : g.targets)
          if (!t.suppressed)
            found.push_back(&t);
    return found;
  }

  RunCollections c;
  GeometryIndex index;
  LayoutInputs inputs;
  std::vector<Hole> holes;
  std::vector<CentreLineRun> lines;
};

struct Box {
  double x0, y0, x1, y1;
};

// The text box of a carrier as the layout places it (centred texts).
Box textBoxOf(const OrdinateCollection& col, const OrdinateGroup& g, const OrdinateTarget& t,
              double h, double gap) {
  const int dir = t.leaderEnd >= t.perp ? 1 : -1;
  const double a = t.leaderEnd + dir * gap;
  const double b = t.leaderEnd + dir * (gap + g.width * 0.9);
  if (col.axis == Axis::X)
    return {t.value - h / 2, std::min(a, b), t.value + h / 2, std::max(a, b)};
  return {std::min(a, b), t.value - h / 2, std::max(a, b), t.value + h / 2};
}

bool overlaps(const Box& a, const Box& b) {
  const double e = 1e-6;
  return a.x0 < b.x1 - e && b.x0 < a.x1 - e && a.y0 < b.y1 - e && b.y0 < a.y1 - e;
}

bool crossesCircle(const Box& box, const Hole& h) {
  const double nx = std::clamp(h.x, box.x0, box.x1);
  const double ny = std::clamp(h.y, box.y0, box.y1);
  const bool inside = h.x > box.x0 && h.x < box.x1 && h.y > box.y0 && h.y < box.y1;
  const double far = std::max(std::hypot(h.x - box.x0, h.y - box.y0),
                              std::max(std::hypot(h.x - box.x1, h.y - box.y0),
                                       std::max(std::hypot(h.x - box.x0, h.y - box.y1),
                                                std::hypot(h.x - box.x1, h.y - box.y1))));
  return (std::hypot(h.x - nx, h.y - ny) < h.r - 1e-6 || inside) && far > h.r + 1e-6;
}

// No two texts overlap, none crosses a hole or the plate's edge.
void expectTextsInFreeRoom(const Scene& s, double width, double height) {
  std::vector<Box> boxes;
  const double h = s.inputs.sizes.textHeight;
  for (const OrdinateCollection* col : {&s.c.holesX, &s.c.holesY, &s.c.outlineX, &s.c.outlineY})
    for (const OrdinateGroup& g : col->groups)
      for (const OrdinateTarget& t : g.targets)
        if (!t.suppressed)
          boxes.push_back(textBoxOf(*col, g, t, h, s.inputs.sizes.dimGap));
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t k = i + 1; k < boxes.size(); ++k)
      EXPECT_FALSE(overlaps(boxes[i], boxes[k])) << "texts " << i << " and " << k;
    for (const Hole& hole : s.holes)
      EXPECT_FALSE(crossesCircle(boxes[i], hole)) << "text " << i << " on hole " << hole.x << ","
                                                  << hole.y;
    const Box& b = boxes[i];
    const bool crossesEdge = (b.x0 < 0 && b.x1 > 0 && b.y1 > 0 && b.y0 < height) ||
                             (b.x0 < width && b.x1 > width && b.y1 > 0 && b.y0 < height) ||
                             (b.y0 < 0 && b.y1 > 0 && b.x1 > 0 && b.x0 < width) ||
                             (b.y0 < height && b.y1 > height && b.x1 > 0 && b.x0 < width);
    EXPECT_FALSE(crossesEdge) << "text " << i << " on the plate's edge";
  }
}

TEST(OrdinateLayout, ACentreGapJoinsOrSplitsAColumnOfHoles) {
  struct Case {
    double centreGap;
    std::size_t xDimensions;
    std::size_t centreLines;
  };
  for (const Case& c : {Case{50.0, 1, 1}, Case{25.0, 3, 0}}) {
    SCOPED_TRACE(c.centreGap);
    Scene s(120, 120, {{60, 30, 3}, {60, 60, 3}, {60, 90, 3}});
    s.inputs.zero = {0, 0};
    s.inputs.centreGap = c.centreGap;
    s.layOut();
    EXPECT_EQ(s.carriers(s.c.holesX, 60).size(), c.xDimensions);
    std::size_t xLines = 0;
    for (const CentreLineRun& line : s.lines) {
      if (line.axis != Axis::X)
        continue;
      ++xLines;
      EXPECT_DOUBLE_EQ(line.value, 60);
      EXPECT_DOUBLE_EQ(line.from, 27);  // the lower edge of the lowest hole
      EXPECT_DOUBLE_EQ(line.to, 93);    // the upper edge of the highest
    }
    EXPECT_EQ(xLines, c.centreLines);
    expectTextsInFreeRoom(s, 120, 120);
  }
}

TEST(OrdinateLayout, TheRunAboveTheMiddleIsDimensionedAtItsTop) {
  Scene s(120, 120, {{40, 70, 3}, {40, 90, 3}, {80, 20, 3}, {80, 40, 3}});
  s.inputs.zero = {0, 0};
  s.layOut();
  const auto upper = s.carriers(s.c.holesX, 40);
  ASSERT_EQ(upper.size(), 1u);
  EXPECT_DOUBLE_EQ(upper[0]->perp, 90);
  EXPECT_GT(upper[0]->leaderEnd, 120);  // near the top edge: lined up outside it
  const auto lower = s.carriers(s.c.holesX, 80);
  ASSERT_EQ(lower.size(), 1u);
  EXPECT_DOUBLE_EQ(lower[0]->perp, 20);
  EXPECT_LT(lower[0]->leaderEnd, 0);
  expectTextsInFreeRoom(s, 120, 120);
}

TEST(OrdinateLayout, AZeroPointInsideThePlateAddsItsZeroLines) {
  Scene s(200, 100, {{30, 30, 4}, {170, 70, 4}});
  s.inputs.zero = {100, 50};
  s.addZeroLines();
  s.layOut();
  // The zero x is one unit spanning the plate's height (100 ≥ 70.1): its
  // first target, at the bottom edge, carries the dimension.
  const auto zeroX = s.carriers(s.c.holesX, 100);
  ASSERT_EQ(zeroX.size(), 1u);
  EXPECT_DOUBLE_EQ(zeroX[0]->perp, 0);
  EXPECT_LT(zeroX[0]->leaderEnd, 0);
  // Centre lines through the zero point across the plate.
  bool vertical = false, horizontal = false;
  for (const CentreLineRun& line : s.lines) {
    vertical |= line.axis == Axis::X && line.value == 100 && line.from == 0 && line.to == 100;
    horizontal |= line.axis == Axis::Y && line.value == 50 && line.from == 0 && line.to == 200;
  }
  EXPECT_TRUE(vertical);
  EXPECT_TRUE(horizontal);
  expectTextsInFreeRoom(s, 200, 100);
}

TEST(OrdinateLayout, AZeroPointOnTheEdgeAddsNoZeroLines) {
  Scene s(200, 100, {{30, 30, 4}});
  s.inputs.zero = {0, 50};
  s.addZeroLines();
  s.layOut();
  EXPECT_TRUE(s.carriers(s.c.holesX, 0).empty());
  EXPECT_EQ(s.carriers(s.c.holesY, 50).size(), 1u);
}

TEST(OrdinateLayout, CrowdedRowsOfHolesKeepEveryTextInFreeRoom) {
  // A row of holes 6 apart, closer than a text is long: the texts must go to
  // different heights or be jogged, never overlap.
  std::vector<Hole> row;
  for (int i = 0; i < 12; ++i)
    row.push_back({20.0 + 6.0 * i, 40.0 + (i % 3) * 7.0, 1.5});
  Scene s(120, 100, row);
  s.inputs.zero = {0, 0};
  s.layOut();
  for (const Hole& h : row) {
    EXPECT_EQ(s.carriers(s.c.holesX, h.x).size(), 1u) << h.x;
  }
  expectTextsInFreeRoom(s, 120, 100);
}

TEST(OrdinateLayout, HolesCloserThanATextIsHighGetStaggeredTexts) {
  // Ten holes 1.8 apart in x (less than the text height 2.5) on two rows:
  // their X texts cannot stand side by side.
  std::vector<Hole> cluster;
  for (int i = 0; i < 10; ++i)
    cluster.push_back({50.0 + 1.8 * i, i % 2 == 0 ? 60.0 : 64.0, 0.6});
  Scene s(140, 100, cluster);
  s.inputs.zero = {0, 0};
  s.layOut();
  expectTextsInFreeRoom(s, 140, 100);
}

TEST(OrdinateLayout, ThreeTextsInARowAreSpreadOrMarked) {
  // Three holes 2.6 apart near the top edge: their X texts line up outside
  // it, 2.6 apart where the pitch is 1.5 × G = 3.75. The first is moved back
  // (there is room before it), the second cannot move, and the third stays
  // within 3 × G of the first: it is marked for colour 30.
  Scene s(100, 100, {{50, 95, 0.5}, {52.6, 95, 0.5}, {55.2, 95, 0.5}});
  s.inputs.zero = {0, 0};
  s.inputs.centreLines = false;
  s.layOut();
  const auto a = s.carriers(s.c.holesX, 50);
  const auto b = s.carriers(s.c.holesX, 52.6);
  const auto c = s.carriers(s.c.holesX, 55.2);
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(b.size(), 1u);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_GT(a[0]->leaderEnd, 100);  // outside the top edge
  EXPECT_DOUBLE_EQ(a[0]->leaderEnd, c[0]->leaderEnd);
  EXPECT_NEAR(a[0]->value, 52.6 - 3.75, 1e-9);  // jogged back to the pitch
  EXPECT_DOUBLE_EQ(b[0]->value, 52.6);
  EXPECT_FALSE(a[0]->marked);
  EXPECT_FALSE(b[0]->marked);
  EXPECT_TRUE(c[0]->marked);
  expectTextsInFreeRoom(s, 100, 100);
}

TEST(OrdinateLayout, OutlineEdgesCarryOneDimensionEach) {
  Scene s(150, 80, {{75, 40, 5}});
  s.inputs.zero = {0, 0};
  s.layOut();
  EXPECT_EQ(s.carriers(s.c.outlineX, 0).size(), 1u);
  EXPECT_EQ(s.carriers(s.c.outlineX, 150).size(), 1u);
  EXPECT_EQ(s.carriers(s.c.outlineY, 0).size(), 1u);
  EXPECT_EQ(s.carriers(s.c.outlineY, 80).size(), 1u);
  expectTextsInFreeRoom(s, 150, 80);
}

TEST(OrdinateLayout, TextWidthsGrowWithTheDigits) {
  struct Case {
    double value;
    int decimals;
    double expected;
  };
  const Case cases[] = {{99.99, 2, 10.0}, {-99.99, 2, 10.0}, {100, 2, 12.0},
                        {9999, 0, 10.0},  {10000, 3, 18.0},  {5, 0, 6.0}};
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(estimatedTextWidth(c.value, 0.0, c.decimals, 2.5), c.expected) << c.value;
}

}  // namespace
}  // namespace zek::adxy1
