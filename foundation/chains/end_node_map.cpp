// EndNodeMap: finding and making nodes, entering segments, and taking the
// segments between junctions out of the walk.
#include "chains/end_node_map.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace zek::inline foundation {

EndNodeMap::EndNodeMap(double tolerance)
    : tolerance_(tolerance), map_(PointKeyLess{tolerance}, &pool_), cursor_(map_.end()) {}

// One rule for every lookup: the first node in map order that is not less
// than the point, taken when the point is not less than it either; else a
// new node goes in just before that one. The same rule answers findNode.
EndNode& EndNodeMap::nodeAt(const AcGePoint3d& point) {
  const AcGePoint2d key(point.x, point.y);
  auto found = map_.lower_bound(key);
  if (found != map_.end() && !map_.key_comp()(key, found->first))
    return found->second;
  EndNode node;
  node.x = point.x;
  node.y = point.y;
  auto made = map_.emplace_hint(found, key, node);
  assert(made->second.firstAdjacency == kNoAdjacency && "the hint places a new node, never an old one");
  return made->second;
}

const EndNode* EndNodeMap::findNode(double x, double y) const {
  const AcGePoint2d key(x, y);
  auto found = map_.lower_bound(key);
  if (found != map_.end() && !map_.key_comp()(key, found->first))
    return &found->second;
  return nullptr;
}

void EndNodeMap::pushAdjacency(EndNode& node, AcDbObjectId id, EndNode& other) {
  assert(adjacency_.size() < kNoAdjacency && "adjacency entries are counted in 32 bits");
  Adjacency entry;
  entry.id = id;
  entry.other = &other;
  entry.next = node.firstAdjacency;
  node.firstAdjacency = static_cast<std::uint32_t>(adjacency_.size());
  adjacency_.push_back(entry);
  if (++node.degree == 3)
    junctions_.push_back(&node);
}

void EndNodeMap::addSegment(const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId id) {
  assert(!walking_ && "every segment goes in before the first walk");
  EndNode& startNode = nodeAt(start);
  EndNode& endNode = nodeAt(end);
  pushAdjacency(startNode, id, endNode);
  pushAdjacency(endNode, id, startNode);
}

std::vector<Adjacency> EndNodeMap::adjacencyOf(const EndNode& node) const {
  std::vector<Adjacency> entries;
  for (std::uint32_t at = node.firstAdjacency; at != kNoAdjacency; at = adjacency_[at].next)
    entries.push_back(adjacency_[at]);
  return entries;
}

// A segment seen twice among the entries of the junctions has a junction at
// both ends (or both its ends in one junction): a bridge. Such segments would
// tie the outlines on either side into one walk, so no walk takes them. Each
// node's outcome depends on its own count and entries alone, so the
// junctions are swept in the order they arose rather than in map order, and
// ids are told apart by identity: neither order changes what is disabled.
void EndNodeMap::disableJunctionBridges() {
  std::vector<const void*> seen;
  for (const EndNode* node : junctions_) {
    for (std::uint32_t at = node->firstAdjacency; at != kNoAdjacency; at = adjacency_[at].next)
      seen.push_back(adjacency_[at].id.stub());
  }
  std::sort(seen.begin(), seen.end(), std::less<const void*>());
  std::vector<const void*> bridges;
  for (std::size_t i = 1; i < seen.size(); ++i) {
    if (seen[i] == seen[i - 1] && (bridges.empty() || bridges.back() != seen[i]))
      bridges.push_back(seen[i]);
  }
  if (bridges.empty())
    return;
  for (EndNode* node : junctions_) {
    if (node->degree <= 2)  // the count as the node is reached, not as its entries go
      continue;
    for (std::uint32_t at = node->firstAdjacency; at != kNoAdjacency; at = adjacency_[at].next) {
      if (!std::binary_search(bridges.begin(), bridges.end(), adjacency_[at].id.stub(),
                              std::less<const void*>()))
        continue;
      adjacency_[at].usable = false;
      --node->degree;
    }
  }
}

}  // namespace zek::inline foundation
