// EndNodeMap: the end points of the segments a command enters, each with the
// segments that meet there, and the walk that turns them into chains.
#pragma once

#include <cstdint>
#include <map>
#include <memory_resource>
#include <vector>

#include "chains/chain_records.h"
#include "chains/point_key.h"
#include "db_core.h"
#include "ge_point.h"

namespace zek::inline foundation {

struct EndNode;

// Marks the end of a node's adjacency list.
inline constexpr std::uint32_t kNoAdjacency = 0xFFFFFFFFu;

// One segment end at a node: the segment, the node at its other end and
// whether the walk may still take it. Entries of a node form a singly linked
// list, newest first, so the segment entered last is tried first.
struct Adjacency {
  AcDbObjectId id;
  EndNode* other = nullptr;
  bool usable = true;
  std::uint32_t next = kNoAdjacency;  // the entry after this one in its node's list
};

// A node: the point of the first segment end that made it, how many usable
// segment ends are still counted here, and its adjacency list.
struct EndNode {
  double x = 0.0;
  double y = 0.0;
  std::int32_t degree = 0;
  std::uint32_t firstAdjacency = kNoAdjacency;
};

// The end nodes of one command under PointKeyLess. Enter every segment with
// addSegment, call disableJunctionBridges once, then collectChains (or
// walkNextChain until it answers false). Nodes and adjacency lists live as
// long as the map; the map is neither copied nor moved, since nodes point at
// one another. Nodes come from a pool the map owns and frees as a whole.
class EndNodeMap {
public:
  using Map = std::pmr::map<AcGePoint2d, EndNode, PointKeyLess>;

  // `tolerance` is the distance in x and in y within which end points are one
  // node and a walk closes its chain.
  explicit EndNodeMap(double tolerance = kChainTolerance);
  EndNodeMap(const EndNodeMap&) = delete;
  EndNodeMap& operator=(const EndNodeMap&) = delete;

  double tolerance() const { return tolerance_; }

  // Enters a line, an arc or a spline by its start and end point (world
  // coordinates, z dropped): both nodes are found or made, each counts one
  // more end and gets an entry for the segment at the front of its list. A
  // segment whose two ends fall into one node adds two entries there.
  void addSegment(const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId id);

  // Takes the segments that join two junctions (nodes of more than two ends)
  // out of the walk: their entries at every junction become unusable and
  // the junction counts one end less for each.
  void disableJunctionBridges();

  // Walks the next chain into `chain` (which should be empty) from the first
  // node, in map order from where the last walk started, that still counts
  // usable ends. Answers false when no such node is left (or it has no
  // usable entry), true with the chain (possibly of one point) otherwise.
  bool walkNextChain(Chain& chain);

  // Walks every chain and appends each of two or more points to the end of
  // `list` as a joined chain.
  void collectChains(ChainList& list);

  // Inspection. The nodes in map order.
  const Map& nodes() const { return map_; }
  // The node a lookup of this point meets, or null when it would make one.
  const EndNode* findNode(double x, double y) const;
  // A node's entries, front first.
  std::vector<Adjacency> adjacencyOf(const EndNode& node) const;

private:
  EndNode& nodeAt(const AcGePoint3d& point);
  void pushAdjacency(EndNode& node, AcDbObjectId id, EndNode& other);
  Adjacency* firstUsable(const EndNode& node);
  void clearWayBack(const EndNode& node, AcDbObjectId segment);
  EndNode* walkForward(EndNode* node, AcDbObjectId& segment, Chain& chain);
  void walkBackward(EndNode* node, AcDbObjectId segment);

  double tolerance_;
  std::pmr::monotonic_buffer_resource pool_;  // before map_: the nodes live in it
  Map map_;
  std::vector<EndNode*> junctions_;  // nodes that came to count three ends, as they did
  std::vector<Adjacency> adjacency_;
  Map::iterator cursor_;
  bool walking_ = false;
  std::vector<ChainPoint> backwardHalf_;  // the second half of a walk, nearest the start first
};

}  // namespace zek::inline foundation
