// The walk of the end-node map, row by row: which ends share a node, where a
// walk starts, which segment it takes at a junction, when it closes, and
// the second half of an open chain put in front. Every expected chain was
// worked out by hand from the order the segments went in.
#include <gtest/gtest.h>

#include <vector>

#include "chains/chain_test_support.h"
#include "chains/end_node_map.h"

namespace zek {
namespace {

struct Segment {
  int id;
  double x1, y1, x2, y2;
};

struct WalkCase {
  const char* row;
  std::vector<Segment> segments;  // in the order they are entered
  const char* chains;             // the collected chains, in list order
  double tolerance = kChainTolerance;
};

std::string walkAll(const WalkCase& c, test::NumberedIds& ids) {
  EndNodeMap nodes(c.tolerance);
  for (const Segment& s : c.segments)
    nodes.addSegment(AcGePoint3d(s.x1, s.y1, 7.0), AcGePoint3d(s.x2, s.y2, -3.0), ids(s.id));
  nodes.disableJunctionBridges();
  ChainList list;
  nodes.collectChains(list);
  for (const Chain& chain : list)
    EXPECT_EQ(chain.kind, ChainKind::Joined) << c.row;
  return test::describeChains(list);
}

TEST(ChainWalk, JoinsWalksAndClosesAsEntered) {
  const WalkCase cases[] = {
      {"a single line: two points, open", {{1, 0, 0, 10, 0}}, "open (0,0)#1 (10,0)#1"},
      {"ends 0.04 apart share the node of the first end (10,0)",
       {{1, 0, 0, 10, 0}, {2, 10.04, 0, 20, 0}}, "open (0,0)#1 (10,0)#2 (20,0)#2"},
      {"ends 0.06 apart are two nodes: two chains",
       {{1, 0, 0, 10, 0}, {2, 10.06, 0, 20, 0}},
       "open (0,0)#1 (10,0)#1 | open (10.06,0)#2 (20,0)#2"},
      {"0.04 apart in x and 0.06 in y: two nodes", {{1, 0, 0, 10, 0}, {2, 10.04, 0.06, 20, 0}},
       "open (0,0)#1 (10,0)#1 | open (10.04,0.06)#2 (20,0)#2"},
      {"a rectangle: 4 points, closed, along the side entered last at the start",
       {{1, 0, 0, 10, 0}, {2, 10, 0, 10, 5}, {3, 10, 5, 0, 5}, {4, 0, 5, 0, 0}},
       "closed (0,0)#4 (0,5)#3 (10,5)#2 (10,0)#1"},
      {"a triangle back to within 0.04 of its start closes",
       {{1, 0, 0, 10, 0}, {2, 10, 0, 5, 8}, {3, 5, 8, 0.04, 0.04}},
       "closed (0,0)#3 (5,8)#2 (10,0)#1"},
      {"a triangle back to 0.06 of its start stays open, its last end a point of its own",
       {{1, 0, 0, 10, 0}, {2, 10, 0, 5, 8}, {3, 5, 8, 0.06, 0.06}},
       "open (0,0)#1 (10,0)#2 (5,8)#3 (0.06,0.06)#3"},
      {"a T: at the junction the walk takes the branch entered last; the rest is a chain",
       {{1, 0, 0, 10, 0}, {2, 10, 0, 20, 0}, {3, 10, 0, 10, 10}},
       "open (0,0)#1 (10,0)#3 (10,10)#3 | open (10,0)#2 (20,0)#2"},
      {"the same T with the stem entered first: the walk goes straight on",
       {{1, 10, 0, 10, 10}, {2, 0, 0, 10, 0}, {3, 10, 0, 20, 0}},
       "open (0,0)#2 (10,0)#3 (20,0)#3 | open (10,0)#1 (10,10)#1"},
      {"two squares tied by a line between two junctions: the line is in no chain",
       {{1, 0, 0, 10, 0}, {2, 10, 0, 10, 10}, {3, 10, 10, 0, 10}, {4, 0, 10, 0, 0},
        {5, 10, 0, 20, 0},
        {6, 20, 0, 30, 0}, {7, 30, 0, 30, 10}, {8, 30, 10, 20, 10}, {9, 20, 10, 20, 0}},
       "closed (0,0)#4 (0,10)#3 (10,10)#2 (10,0)#1 | closed (20,0)#9 (20,10)#8 (30,10)#7 (30,0)#6"},
      {"a junction with two bridges loses both, though its count is 2 after the first",
       {{1, 0, 0, 10, 0}, {2, 10, 0, 20, 5}, {3, 10, 0, 20, -5},
        {4, 20, 5, 30, 10}, {5, 20, 5, 30, 5}, {6, 20, -5, 30, -5}, {7, 20, -5, 30, -10}},
       "open (0,0)#1 (10,0)#1 | open (30,-5)#6 (20,-5)#7 (30,-10)#7"
       " | open (30,10)#4 (20,5)#5 (30,5)#5"},
      {"an open path started in its middle: the second half, reversed, goes in front",
       {{1, 20, 10, 10, 5}, {2, 10, 5, 0, 0}, {3, 0, 0, 10, -5}, {4, 10, -5, 20, -10}},
       "open (20,10)#1 (10,5)#2 (0,0)#3 (10,-5)#4 (20,-10)#4"},
      {"the same path with the lower half entered first: the walk runs the other way",
       {{1, 20, 10, 10, 5}, {3, 0, 0, 10, -5}, {2, 10, 5, 0, 0}, {4, 10, -5, 20, -10}},
       "open (20,-10)#4 (10,-5)#3 (0,0)#2 (10,5)#1 (20,10)#1"},
      {"a zero-length line: both its entries walked, two points of one node, closed",
       {{1, 5, 5, 5, 5}}, "closed (5,5)#1 (5,5)#1"},
      {"the polyline join's gap 0.005: ends 0.004 apart join", {{1, 0, 0, 10, 0}, {2, 10.004, 0, 20, 0}},
       "open (0,0)#1 (10,0)#2 (20,0)#2", 0.005},
      {"the polyline join's gap 0.005: ends 0.006 apart do not",
       {{1, 0, 0, 10, 0}, {2, 10.006, 0, 20, 0}},
       "open (0,0)#1 (10,0)#1 | open (10.006,0)#2 (20,0)#2", 0.005},
  };
  test::NumberedIds ids;
  for (const WalkCase& c : cases)
    EXPECT_EQ(walkAll(c, ids), c.chains) << c.row;
}

// Nodes X (0,0) and W (-0.06,1) are in the map, W first in map order. A
// lookup of P (-0.03,0) lands on W, which P is less than, so P gets a node
// of its own although X lies within 0.03 of it. A walk from P that ends at
// X still closes, the closure test being on the points themselves.
TEST(ChainWalk, AnEndBesideANodeTheLookupMissesStillClosesTheChain) {
  test::NumberedIds ids;
  struct Case {
    const char* row;
    double lastX;
    const char* chains;
  };
  const Case cases[] = {
      {"0.03 left of the first end: closed", -0.03, "closed (-0.03,0)#3 (-0.06,1)#2 (10,0)#1"},
      {"0.07 left of it: open", -0.07, "open (-0.07,0)#3 (-0.06,1)#2 (10,0)#1 (0,0)#1"},
  };
  for (const Case& c : cases) {
    EndNodeMap nodes;
    nodes.addSegment(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), ids(1));
    nodes.addSegment(AcGePoint3d(10, 0, 0), AcGePoint3d(-0.06, 1, 0), ids(2));
    nodes.addSegment(AcGePoint3d(-0.06, 1, 0), AcGePoint3d(c.lastX, 0, 0), ids(3));
    EXPECT_EQ(nodes.nodes().size(), 4u) << c.row;
    const EndNode* found = nodes.findNode(c.lastX, 0);
    ASSERT_NE(found, nullptr) << c.row;
    EXPECT_EQ(found->x, c.lastX) << c.row << ": the last end has its own node";
    nodes.disableJunctionBridges();
    ChainList list;
    nodes.collectChains(list);
    EXPECT_EQ(test::describeChains(list), c.chains) << c.row;
  }
}

TEST(ChainWalk, NodesKeepTheFirstEndAndCountTheirEnds) {
  test::NumberedIds ids;
  EndNodeMap nodes;
  nodes.addSegment(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), ids(1));
  nodes.addSegment(AcGePoint3d(10.03, 0.02, 0), AcGePoint3d(20, 0, 0), ids(2));
  nodes.addSegment(AcGePoint3d(9.98, -0.04, 0), AcGePoint3d(10, 10, 0), ids(3));
  const EndNode* junction = nodes.findNode(10.04, 0.04);
  ASSERT_NE(junction, nullptr);
  EXPECT_EQ(junction->x, 10.0);
  EXPECT_EQ(junction->y, 0.0);
  EXPECT_EQ(junction->degree, 3);
  std::vector<std::uint64_t> order;
  for (const Adjacency& entry : nodes.adjacencyOf(*junction)) {
    order.push_back(entry.id.handle().value());
    EXPECT_TRUE(entry.usable);
  }
  EXPECT_EQ(order, (std::vector<std::uint64_t>{3, 2, 1})) << "newest first";
  EXPECT_EQ(nodes.findNode(10.06, 0), nullptr) << "0.06 away is no node yet";

  // Map order: x first, then y.
  std::vector<std::pair<double, double>> mapOrder;
  for (const auto& [key, node] : nodes.nodes())
    mapOrder.emplace_back(node.x, node.y);
  EXPECT_EQ(mapOrder, (std::vector<std::pair<double, double>>{{0, 0}, {10, 0}, {10, 10}, {20, 0}}));
}

TEST(ChainWalk, BridgesLoseTheirEntriesAtBothJunctions) {
  test::NumberedIds ids;
  EndNodeMap nodes;
  // Two T junctions at (10,0) and (20,0) tied by segment 5.
  nodes.addSegment(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), ids(1));
  nodes.addSegment(AcGePoint3d(10, 0, 0), AcGePoint3d(10, 10, 0), ids(2));
  nodes.addSegment(AcGePoint3d(10, 0, 0), AcGePoint3d(20, 0, 0), ids(5));
  nodes.addSegment(AcGePoint3d(20, 0, 0), AcGePoint3d(30, 0, 0), ids(6));
  nodes.addSegment(AcGePoint3d(20, 0, 0), AcGePoint3d(20, 10, 0), ids(7));
  nodes.disableJunctionBridges();
  for (double x : {10.0, 20.0}) {
    const EndNode* junction = nodes.findNode(x, 0);
    ASSERT_NE(junction, nullptr) << x;
    EXPECT_EQ(junction->degree, 2) << x;
    for (const Adjacency& entry : nodes.adjacencyOf(*junction))
      EXPECT_EQ(entry.usable, entry.id.handle().value() != 5) << x << " #" << entry.id.handle().value();
  }
  EXPECT_EQ(nodes.findNode(0, 0)->degree, 1) << "no junction: untouched";
}

TEST(ChainWalk, WalkNextChainAnswersFalseWhenEveryEndIsWalked) {
  test::NumberedIds ids;
  EndNodeMap nodes;
  nodes.addSegment(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), ids(1));
  nodes.disableJunctionBridges();
  Chain chain;
  ASSERT_TRUE(nodes.walkNextChain(chain));
  EXPECT_EQ(test::describeChain(chain), "open (0,0)#1 (10,0)#1");
  Chain next;
  EXPECT_FALSE(nodes.walkNextChain(next)) << "every end walked";
  EXPECT_TRUE(next.points.empty());
  EXPECT_EQ(nodes.findNode(0, 0)->degree, 0);
  EXPECT_EQ(nodes.findNode(10, 0)->degree, 0);

  EndNodeMap empty;
  EXPECT_FALSE(empty.walkNextChain(next)) << "no segment: nothing to walk";
  ChainList list;
  empty.collectChains(list);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace zek
