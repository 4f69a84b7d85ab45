// Overlapped points, short chains, the count and the bounds.
#include "chains/chain_purge.h"

#include <cmath>

#include "aced_output.h"

namespace zek::inline foundation {

int removeOverlappedPoints(Chain& chain) {
  std::vector<ChainPoint>& points = chain.points;
  if (points.size() < 2)
    return 0;
  std::size_t kept = 0;  // the last point kept
  for (std::size_t i = 1; i < points.size(); ++i) {
    const ChainPoint point = points[i];
    if (std::fabs(point.x - points[kept].x) < kOverlappedPointTolerance &&
        std::fabs(point.y - points[kept].y) < kOverlappedPointTolerance) {
      acutPrintf("\nRemove overlaped point X = %f, Y = %f", point.x, point.y);
      continue;
    }
    points[++kept] = point;
  }
  const int removed = static_cast<int>(points.size() - (kept + 1));
  points.resize(kept + 1);
  return removed;
}

void purgeChains(ChainList& list) {
  for (auto chain = list.begin(); chain != list.end();) {
    removeOverlappedPoints(*chain);
    if (chain->points.size() < 2)
      chain = list.erase(chain);
    else
      ++chain;
  }
}

void printChainsFound(const ChainList& list) {
  acutPrintf("\nchains found %d", static_cast<int>(list.size()));
}

void updateBounds(Chain& chain) {
  if (chain.points.empty())
    return;
  const ChainPoint& first = chain.points.front();
  chain.minX = chain.maxX = first.x;
  chain.minY = chain.maxY = first.y;
  for (std::size_t i = 1; i < chain.points.size(); ++i) {
    const ChainPoint& point = chain.points[i];
    if (point.x < chain.minX)
      chain.minX = point.x;
    else if (point.x > chain.maxX)
      chain.maxX = point.x;
    if (point.y < chain.minY)
      chain.minY = point.y;
    else if (point.y > chain.maxY)
      chain.maxY = point.y;
  }
}

}  // namespace zek::inline foundation
