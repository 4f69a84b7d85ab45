// The walk: from the first node that still counts usable ends, along the
// newest usable segment at every node, first forwards and then, for an open
// chain, backwards from the start with the points going in at the front.
#include "chains/end_node_map.h"

namespace zek::inline foundation {

Adjacency* EndNodeMap::firstUsable(const EndNode& node) {
  for (std::uint32_t at = node.firstAdjacency; at != kNoAdjacency; at = adjacency_[at].next) {
    if (adjacency_[at].usable)
      return &adjacency_[at];
  }
  return nullptr;
}

// The way back is the first entry of the segment just walked, whether or not
// it is still usable: a segment with both ends in one node leaves its
// second entry usable, and the walk takes that one next.
void EndNodeMap::clearWayBack(const EndNode& node, AcDbObjectId segment) {
  for (std::uint32_t at = node.firstAdjacency; at != kNoAdjacency; at = adjacency_[at].next) {
    if (adjacency_[at].id == segment) {
      adjacency_[at].usable = false;
      return;
    }
  }
}

// From `node`, reached over `segment`: while the node offers a usable
// segment, take it, count both ends off the node and append the node's point
// with the segment that leaves it. Answers the node where the walk stopped
// (its point not appended); `segment` is then the one that ends there.
EndNode* EndNodeMap::walkForward(EndNode* node, AcDbObjectId& segment, Chain& chain) {
  for (;;) {
    clearWayBack(*node, segment);
    Adjacency* next = firstUsable(*node);
    if (next == nullptr) {
      node->degree -= 1;
      return node;
    }
    next->usable = false;
    segment = next->id;
    node->degree -= 2;
    chain.points.push_back({segment, node->x, node->y});
    node = next->other;
  }
}

// The same walk on the other side of the start. Every node reached, the last
// one included, is noted with the segment it was reached over, which is the
// one running from it towards the start: in chain order that segment leaves
// the point.
void EndNodeMap::walkBackward(EndNode* node, AcDbObjectId segment) {
  for (;;) {
    clearWayBack(*node, segment);
    backwardHalf_.push_back({segment, node->x, node->y});
    Adjacency* next = firstUsable(*node);
    if (next == nullptr) {
      node->degree -= 1;
      return;
    }
    next->usable = false;
    segment = next->id;
    node->degree -= 2;
    node = next->other;
  }
}

bool EndNodeMap::walkNextChain(Chain& chain) {
  if (!walking_) {
    walking_ = true;
    cursor_ = map_.begin();
  }
  while (cursor_ != map_.end() && cursor_->second.degree <= 0)
    ++cursor_;
  if (cursor_ == map_.end())
    return false;
  EndNode& start = cursor_->second;

  Adjacency* first = firstUsable(start);
  if (first == nullptr)
    return false;
  first->usable = false;
  AcDbObjectId segment = first->id;
  start.degree -= 1;
  chain.points.push_back({segment, start.x, start.y});

  EndNode* last = walkForward(first->other, segment, chain);
  if (isWithinTolerance(last->x, last->y, start.x, start.y, tolerance_)) {
    chain.closed = 1;  // the start point is not repeated at the end
    return true;
  }
  chain.points.push_back({segment, last->x, last->y});

  if (Adjacency* back = firstUsable(start)) {
    back->usable = false;
    start.degree -= 1;
    backwardHalf_.clear();
    walkBackward(back->other, back->id);
    // Inserting each point at the front in turn leaves them farthest first.
    chain.points.insert(chain.points.begin(), backwardHalf_.rbegin(), backwardHalf_.rend());
  }
  chain.closed = 0;
  return true;
}

void EndNodeMap::collectChains(ChainList& list) {
  Chain chain;
  while (walkNextChain(chain)) {
    if (chain.points.size() < 2) {
      chain.points.clear();  // a lone point: reuse the record for the next walk
      continue;
    }
    list.push_back(std::move(chain));
    chain = Chain();
  }
}

}  // namespace zek::inline foundation
