// The island sweep: a head moving along the islands sorted by their left
// edges, the candidates a box overlaps in x, and the box placed among the
// candidates' y-ranges.
#include "island_sweep.h"

#include <algorithm>

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

// Places one box among the islands (the head already moved past the islands
// that end left of it and at least one island left from the head on).
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
  std::vector<LeftEdge> order(boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i)
    order[i] = LeftEdge{boxes[i].minX, i};
  std::stable_sort(order.begin(), order.end(),
                   [](const LeftEdge& a, const LeftEdge& b) { return a.minX < b.minX; });

  std::vector<Island> islands;
  std::vector<std::size_t> candidates;
  std::size_t head = 0;
  for (const LeftEdge& edge : order) {
    const std::size_t position = edge.position;
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
