// Circle and polyline chains, the overlapped-point purge with its notice,
// the count after purging and the bounds: expected points by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chains/chain_purge.h"
#include "chains/chain_shapes.h"
#include "chains/chain_test_support.h"
#include "db_polyline.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

TEST(ChainShapes, ACircleIs36PointsFromAngleZero) {
  test::NumberedIds ids;
  ChainList list;
  addCircleChain(list, AcGePoint3d(100, 50, 3), 10, ids(7));
  ASSERT_EQ(list.size(), 1u);
  const Chain& circle = list.front();
  EXPECT_EQ(circle.kind, ChainKind::Circle);
  EXPECT_EQ(circle.closed, 1);
  ASSERT_EQ(circle.points.size(), 36u);
  struct Expected {
    std::size_t index;
    double x, y;
  };
  const Expected expected[] = {
      {0, 110, 50},                   // angle 0: centre x + radius
      {1, 109.84807753, 51.73648178},  // 10 degrees
      {3, 108.66025404, 55},           // 30 degrees: 10 cos 30, 10 sin 30
      {9, 100, 60},                    // a quarter turn, anticlockwise
      {18, 90, 50},
      {27, 100, 40},
      {35, 109.84807753, 48.26351822},  // 350 degrees: the last before angle 0
  };
  for (const Expected& e : expected) {
    EXPECT_NEAR(circle.points[e.index].x, e.x, 1e-8) << "point " << e.index;
    EXPECT_NEAR(circle.points[e.index].y, e.y, 1e-8) << "point " << e.index;
  }
  for (const ChainPoint& point : circle.points)
    EXPECT_EQ(point.id, ids(7));
}

TEST(ChainShapes, APolylineIsItsVerticesInWorldCoordinates) {
  test::NumberedIds ids;
  struct Case {
    const char* row;
    bool closed;
    AcGeVector3d normal;
    const char* chain;
  };
  const Case cases[] = {
      {"open, bulges ignored", false, AcGeVector3d::kZAxis, "open (0,0)#3 (10,0)#3 (10,5)#3"},
      {"closed: the first vertex is not repeated", true, AcGeVector3d::kZAxis,
       "closed (0,0)#3 (10,0)#3 (10,5)#3"},
      {"seen from below (normal -Z): world x is the negated OCS x", false,
       AcGeVector3d(0, 0, -1), "open (0,0)#3 (-10,0)#3 (-10,5)#3"},
  };
  for (const Case& c : cases) {
    AcDbPolyline polyline;
    ASSERT_EQ(polyline.setNormal(c.normal), Acad::eOk);
    ASSERT_EQ(polyline.addVertexAt(0, AcGePoint2d(0, 0)), Acad::eOk);
    ASSERT_EQ(polyline.addVertexAt(1, AcGePoint2d(10, 0), 1.0), Acad::eOk);  // a half circle
    ASSERT_EQ(polyline.addVertexAt(2, AcGePoint2d(10, 5)), Acad::eOk);
    polyline.setClosed(c.closed);
    polyline.setElevation(2.5);
    ChainList list;
    addPolylineChain(list, polyline, ids(3));
    ASSERT_EQ(list.size(), 1u) << c.row;
    EXPECT_EQ(list.front().kind, ChainKind::Polyline) << c.row;
    EXPECT_EQ(test::describeChain(list.front()), c.chain) << c.row;
  }
  const std::vector<AcGePoint2d> vertices = {{1, 2}, {3, 4}};
  ChainList list;
  addPolylineChain(list, vertices, true, ids(4));
  EXPECT_EQ(test::describeChains(list), "closed (1,2)#4 (3,4)#4");
}

Chain chainOf(test::NumberedIds& ids, const std::vector<std::pair<double, double>>& points) {
  Chain chain;
  int number = 1;
  for (const auto& [x, y] : points)
    chain.points.push_back({ids(number++), x, y});
  return chain;
}

TEST(ChainPurge, OverlappedPointsGoWithTheirNotice) {
  struct Case {
    const char* row;
    std::vector<std::pair<double, double>> points;
    const char* kept;
    const char* transcript;
  };
  const Case cases[] = {
      {"0.004 apart in x and y: the second goes, once, with its coordinates",
       {{0, 0}, {10, 0}, {10.004, 0.004}, {10, 5}}, "open (0,0)#1 (10,0)#2 (10,5)#4",
       "Remove overlaped point X = 10.004000, Y = 0.004000"},
      {"0.006 apart in x: both stay", {{10, 0}, {10.006, 0.004}}, "open (10,0)#1 (10.006,0.004)#2",
       ""},
      {"0.004 in x but 0.006 in y: both stay", {{10, 0}, {10.004, 0.006}},
       "open (10,0)#1 (10.004,0.006)#2", ""},
      {"each point is compared with the last one kept, not the one removed",
       {{0, 0}, {0.003, 0}, {0.006, 0}}, "open (0,0)#1 (0.006,0)#3",
       "Remove overlaped point X = 0.003000, Y = 0.000000"},
      {"the last point is not compared with the first", {{0, 0}, {10, 0}, {0.001, 0.001}},
       "open (0,0)#1 (10,0)#2 (0.001,0.001)#3", ""},
  };
  for (const Case& c : cases) {
    test::EditorSession session;
    test::NumberedIds ids;
    Chain chain = chainOf(ids, c.points);
    const int removed = removeOverlappedPoints(chain);
    EXPECT_EQ(test::describeChain(chain), c.kept) << c.row;
    EXPECT_EQ(removed, static_cast<int>(c.points.size() - chain.points.size())) << c.row;
    EXPECT_EQ(session.take(), c.transcript) << c.row;
  }
}

TEST(ChainPurge, ChainsLeftWithFewerThanTwoPointsLeaveAndTheCountFollows) {
  test::EditorSession session;
  test::NumberedIds ids;
  ChainList list;
  addCircleChain(list, AcGePoint3d(0, 0, 0), 5, ids(9));
  list.push_back(chainOf(ids, {{5, 5}, {5, 5}}));  // a zero-length line's chain
  list.push_back(chainOf(ids, {{0, 0}, {10, 0}, {10, 5}}));
  list.push_back(Chain());
  purgeChains(list);
  printChainsFound(list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.front().kind, ChainKind::Circle);
  EXPECT_EQ(test::describeChain(list.back()), "open (0,0)#1 (10,0)#2 (10,5)#3");
  EXPECT_EQ(session.take(), "Remove overlaped point X = 5.000000, Y = 5.000000\nchains found 2");

  ChainList none;
  purgeChains(none);
  printChainsFound(none);
  EXPECT_EQ(session.take(), "chains found 0");
}

TEST(ChainBounds, FromThePoints) {
  test::NumberedIds ids;
  Chain chain = chainOf(ids, {{5, 5}, {1, 7}, {9, 2}, {3, 3}, {6, 8}});
  EXPECT_EQ(chain.minX, 1.0e10) << "not set before updateBounds";
  updateBounds(chain);
  EXPECT_EQ(chain.minX, 1);
  EXPECT_EQ(chain.minY, 2);
  EXPECT_EQ(chain.maxX, 9);
  EXPECT_EQ(chain.maxY, 8);

  Chain empty;
  updateBounds(empty);
  EXPECT_EQ(empty.minX, 1.0e10);
  EXPECT_EQ(empty.maxY, -1.0e10);
}

}  // namespace
}  // namespace zek
