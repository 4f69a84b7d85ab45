// The island sweep: a head moving along the islands sorted by their left
// edges, the candidates a box overlaps in x, and the box placed among the
// candidates' y-ranges. The candidates are kept in an index ordered by y,
// so a box costs log n however many islands stand above each other; boxes
// of no height (which the index cannot order) take a scan of the list.
#include "island_sweep.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <queue>
#include <utility>

namespace zek {

namespace {

// Where a y value lies among the candidates' y-ranges, taken in candidate
// order: 2i is the gap before candidate i (2k after the last of k), 2i + 1
// inside candidate i.
std::size_t locateAmong(const std::vector<Island>& islands, const std::vector<std::size_t>& candidates,
                        double y) {
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const Island& candidate = islands[candidates[i]];
    if (y < candidate.minY)
      return 2 * i;
    if (y < candidate.maxY)
      return 2 * i + 1;
  }
  return 2 * candidates.size();
}

Island islandOf(const Box& box, std::size_t position, bool keepMembers) {
  Island island{box.minX, box.maxX, box.minY, box.maxY, {}};
  if (keepMembers)
    island.members.push_back(position);
  return island;
}

void extendBy(Island& island, double minX, double maxX, double minY, double maxY) {
  island.minX = std::min(island.minX, minX);
  island.maxX = std::max(island.maxX, maxX);
  island.minY = std::min(island.minY, minY);
  island.maxY = std::max(island.maxY, maxY);
}

// The candidates of a box: the head island, then each later island reaching
// past the box's left edge, up to the first that starts right of the box.
void candidatesOf(const std::vector<Island>& islands, std::size_t head, const Box& box,
                  std::vector<std::size_t>& candidates) {
  candidates.clear();
  candidates.push_back(head);
  for (std::size_t p = head + 1; p < islands.size(); ++p) {
    if (islands[p].minX > box.maxX)
      break;
    if (islands[p].maxX > box.minX)
      candidates.push_back(p);
  }
}

// Extends candidate `first` by the box and by the candidates after it up to
// `last`, whose members it takes over, and removes those from the list.
void mergeCandidates(std::vector<Island>& islands, const std::vector<std::size_t>& candidates,
                     std::size_t first, std::size_t last, const Box& box, std::size_t position,
                     bool keepMembers) {
  Island& target = islands[candidates[first]];
  extendBy(target, box.minX, box.maxX, box.minY, box.maxY);
  if (keepMembers)
    target.members.push_back(position);
  if (first == last)
    return;
  for (std::size_t j = first + 1; j <= last; ++j) {
    Island& merged = islands[candidates[j]];
    extendBy(target, merged.minX, merged.maxX, merged.minY, merged.maxY);
    if (keepMembers)
      target.members.insert(target.members.end(), merged.members.begin(), merged.members.end());
  }
  // One pass closes the gaps the merged islands leave.
  std::size_t write = candidates[first + 1];
  std::size_t nextRemoved = first + 1;
  for (std::size_t read = write; read < islands.size(); ++read) {
    if (nextRemoved <= last && read == candidates[nextRemoved]) {
      ++nextRemoved;
      continue;
    }
    if (write != read)
      islands[write] = std::move(islands[read]);
    ++write;
  }
  islands.resize(write);
}

// Places one box among the islands of the list scan (the head already moved
// past the islands that end left of it and at least one island left from the
// head on).
void placeBox(std::vector<Island>& islands, std::size_t head, const Box& box, std::size_t position,
              bool keepMembers, std::vector<std::size_t>& candidates) {
  candidatesOf(islands, head, box, candidates);
  const std::size_t low = locateAmong(islands, candidates, box.minY);
  const std::size_t high = locateAmong(islands, candidates, box.maxY);
  if (low == high && low % 2 == 0) {
    // Wholly in one gap: a new island there, before the candidate after the
    // gap (after the last candidate: before the island that follows it). At
    // the head's place it becomes the head, as the head keeps its position.
    const std::size_t gap = low / 2;
    const std::size_t at = gap < candidates.size() ? candidates[gap] : candidates.back() + 1;
    islands.insert(islands.begin() + static_cast<std::ptrdiff_t>(at), islandOf(box, position, keepMembers));
    return;
  }
  // The first candidate the box touches takes the box and every further
  // candidate up to the one where its top lies (that one when the top lies
  // inside it, else the one before the gap).
  mergeCandidates(islands, candidates, low / 2, (high - 1) / 2, box, position, keepMembers);
}

// The list scan over boxes in left-edge order (positions into `boxes`): every
// island from the head on is looked at for each box. Taken for boxes of no
// height or running backwards in x, where the index's order does not hold.
std::vector<Island> scanIslands(std::span<const Box> boxes, const std::vector<std::size_t>& order,
                                bool keepMembers) {
  std::vector<Island> islands;
  std::vector<std::size_t> candidates;
  std::size_t head = 0;
  for (const std::size_t position : order) {
    const Box& box = boxes[position];
    // Islands that end left of this box end left of every later one: final.
    while (head < islands.size() && islands[head].maxX < box.minX)
      ++head;
    if (head == islands.size()) {
      islands.push_back(islandOf(box, position, keepMembers));
      continue;
    }
    placeBox(islands, head, box, position, keepMembers, candidates);
  }
  return islands;
}

// The same sweep with the candidates of a box kept in an index by their
// bottoms. The islands form a linked list in the order the scan's list has;
// the candidates are the head and every island after it reaching past the
// box's left edge. Among them the y-ranges follow list order without
// overlapping (each range below the next, touching at most): a box placed in
// a gap keeps them so, and a box merging candidates spans exactly the ones it
// takes. An island leaving the candidates never comes back, as its right
// edge stays left of every later box. So the candidates sorted by bottom are
// the candidates in list order, and a y value is located by one search.
class IndexedSweep {
public:
  IndexedSweep(std::span<const Box> boxes, bool keepMembers) : boxes_(boxes), keepMembers_(keepMembers) {}

  // Places the box at `position`; boxes come in left-edge order.
  void place(std::size_t position) {
    const Box& box = boxes_[position];
    passEndedIslands(box.minX);
    if (head_ == kNone) {
      head_ = append(position);
      return;
    }
    const Spot low = locate(box.minY);
    const Spot high = locate(box.maxY);
    if (low.at == high.at && !low.inside && !high.inside) {
      placeInGap(low.at, position);
      return;
    }
    // The first candidate the box touches takes the box and every further
    // candidate up to the one where its top lies (that one when the top lies
    // inside it, else the one before the gap).
    const Index::iterator last = high.inside ? high.at : std::prev(high.at);
    merge(low.at, last, position);
  }

  // The islands in list order, moved out.
  std::vector<Island> islands() {
    std::vector<Island> result;
    for (std::size_t id = first_; id != kNone; id = nodes_[id].next)
      result.push_back(std::move(nodes_[id].island));
    return result;
  }

private:
  static constexpr std::size_t kNone = SIZE_MAX;

  struct Node {
    Island island;
    std::size_t previous = kNone;
    std::size_t next = kNone;
    bool isCandidate = false;
  };
  // The candidates by their bottoms: unique, as every island has height.
  using Index = std::map<double, std::size_t>;
  // Where a y value lies: inside the candidate `at`, or in the gap before it
  // (before none: above the last candidate).
  struct Spot {
    Index::iterator at;
    bool inside = false;
  };
  // A candidate's right edge when it was set; stale once the island grew.
  using RightEdge = std::pair<double, std::size_t>;

  // Moves the head past the islands ending left of `left` (final, as in the
  // scan) and takes out of the candidates every other island ending at or
  // before it. The head stays a candidate when it ends exactly there.
  void passEndedIslands(double left) {
    while (head_ != kNone && nodes_[head_].island.maxX < left) {
      leaveCandidates(head_);
      head_ = nodes_[head_].next;
    }
    while (!rightEdges_.empty() && rightEdges_.top().first <= left) {
      const std::size_t id = rightEdges_.top().second;
      rightEdges_.pop();
      if (id != head_ && nodes_[id].island.maxX <= left)
        leaveCandidates(id);
    }
  }

  Spot locate(double y) {
    const Index::iterator above = byBottom_.upper_bound(y);
    if (above != byBottom_.begin()) {
      const Index::iterator below = std::prev(above);
      if (y < nodes_[below->second].island.maxY)
        return Spot{below, true};
    }
    return Spot{above, false};
  }

  // A new island in the gap before candidate `at` (before none: after the
  // last candidate, before the island that follows it in the list). Before
  // the head it becomes the head, and the old head stops being a candidate
  // when it ends at the box's left edge.
  void placeInGap(Index::iterator at, std::size_t position) {
    const std::size_t id = newNode(position);
    if (at == byBottom_.end()) {
      linkAfter(std::prev(at)->second, id);
    } else {
      const std::size_t after = at->second;
      linkBefore(after, id);
      if (after == head_) {
        head_ = id;
        if (nodes_[after].island.maxX <= boxes_[position].minX)
          leaveCandidates(after);
      }
    }
    enterCandidates(id);
  }

  // Candidate `first` takes the box and the candidates after it up to
  // `last` (their members after the box), which leave the list.
  void merge(Index::iterator first, Index::iterator last, std::size_t position) {
    const std::size_t targetId = first->second;
    Island& target = nodes_[targetId].island;
    const double oldBottom = target.minY;
    const double oldRight = target.maxX;
    const Box& box = boxes_[position];
    extendBy(target, box.minX, box.maxX, box.minY, box.maxY);
    if (keepMembers_)
      target.members.push_back(position);
    const Index::iterator end = std::next(last);
    for (Index::iterator it = std::next(first); it != end; ++it) {
      Node& merged = nodes_[it->second];
      extendBy(target, merged.island.minX, merged.island.maxX, merged.island.minY, merged.island.maxY);
      if (keepMembers_)
        target.members.insert(target.members.end(), merged.island.members.begin(),
                              merged.island.members.end());
      merged.isCandidate = false;
      unlink(it->second);
    }
    byBottom_.erase(std::next(first), end);
    if (target.minY != oldBottom) {
      // Lowered by the box alone: the merged candidates lie above the target.
      Index::node_type entry = byBottom_.extract(first);
      entry.key() = target.minY;
      byBottom_.insert(std::move(entry));
    }
    if (target.maxX != oldRight)
      rightEdges_.emplace(target.maxX, targetId);
  }

  std::size_t newNode(std::size_t position) {
    nodes_.push_back(Node{islandOf(boxes_[position], position, keepMembers_)});
    return nodes_.size() - 1;
  }

  std::size_t append(std::size_t position) {
    const std::size_t id = newNode(position);
    if (last_ == kNone)
      first_ = id;
    else
      linkAfter(last_, id);
    last_ = id;
    enterCandidates(id);
    return id;
  }

  void enterCandidates(std::size_t id) {
    Node& node = nodes_[id];
    node.isCandidate = true;
    byBottom_.emplace(node.island.minY, id);
    rightEdges_.emplace(node.island.maxX, id);
  }

  void leaveCandidates(std::size_t id) {
    Node& node = nodes_[id];
    if (!node.isCandidate)
      return;
    node.isCandidate = false;
    byBottom_.erase(node.island.minY);
  }

  void linkAfter(std::size_t before, std::size_t id) {
    const std::size_t after = nodes_[before].next;
    nodes_[id].previous = before;
    nodes_[id].next = after;
    nodes_[before].next = id;
    if (after == kNone)
      last_ = id;
    else
      nodes_[after].previous = id;
  }

  void linkBefore(std::size_t after, std::size_t id) {
    const std::size_t before = nodes_[after].previous;
    nodes_[id].previous = before;
    nodes_[id].next = after;
    nodes_[after].previous = id;
    if (before == kNone)
      first_ = id;
    else
      nodes_[before].next = id;
  }

  void unlink(std::size_t id) {
    const Node& node = nodes_[id];
    if (node.previous == kNone)
      first_ = node.next;
    else
      nodes_[node.previous].next = node.next;
    if (node.next == kNone)
      last_ = node.previous;
    else
      nodes_[node.next].previous = node.previous;
  }

  std::span<const Box> boxes_;
  bool keepMembers_;
  std::vector<Node> nodes_;  // every island made, merged ones too
  std::size_t first_ = kNone;
  std::size_t last_ = kNone;
  std::size_t head_ = kNone;
  Index byBottom_;
  std::priority_queue<RightEdge, std::vector<RightEdge>, std::greater<>> rightEdges_;
};

// Boxes the sweep cannot place: a coordinate that is no number, or a bottom
// above the top.
bool isUnplaceable(const Box& box) {
  return std::isnan(box.minX) || std::isnan(box.maxX) || std::isnan(box.minY) || std::isnan(box.maxY) ||
         box.minY > box.maxY;
}

// Whether the index holds for the box: height, and a left edge not right of
// the right edge.
bool suitsIndex(const Box& box) { return box.minY < box.maxY && box.minX <= box.maxX; }

}  // namespace

Box widenedBox(double minX, double minY, double maxX, double maxY) {
  return Box{minX - kBoxMargin, maxX + kBoxMargin, minY - kBoxMargin, maxY + kBoxMargin};
}

std::vector<Island> sweepIslands(std::span<const Box> boxes, bool keepMembers) {
  // The left edge travels with the position, so sorting reads no box.
  struct LeftEdge {
    double minX;
    std::size_t position;
  };
  std::vector<LeftEdge> edges;
  edges.reserve(boxes.size());
  bool indexed = true;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (isUnplaceable(boxes[i]))
      continue;  // left out, as the search leaves out extents that are no numbers
    indexed = indexed && suitsIndex(boxes[i]);
    edges.push_back(LeftEdge{boxes[i].minX, i});
  }
  std::stable_sort(edges.begin(), edges.end(),
                   [](const LeftEdge& a, const LeftEdge& b) { return a.minX < b.minX; });

  std::vector<Island> islands;
  if (indexed) {
    IndexedSweep sweep(boxes, keepMembers);
    for (const LeftEdge& edge : edges)
      sweep.place(edge.position);
    islands = sweep.islands();
  } else {
    std::vector<std::size_t> order(edges.size());
    std::transform(edges.begin(), edges.end(), order.begin(), [](const LeftEdge& e) { return e.position; });
    islands = scanIslands(boxes, order, keepMembers);
  }

  std::erase_if(islands, [](const Island& island) {
    return island.maxX - island.minX < kMinIslandSize || island.maxY - island.minY < kMinIslandSize;
  });
  return islands;
}

const Island* islandAt(std::span<const Island> islands, double x, double y) {
  for (const Island& island : islands) {
    if (island.minX < x && x < island.maxX && island.minY < y && y < island.maxY)
      return &island;
  }
  return nullptr;
}

}  // namespace zek
