// The chain records: a point of a chain, a chain, the list of chains a
// command builds, and the tolerances the chain builder works with.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "db_core.h"

namespace zek::inline foundation {

// End points of segments closer than this in x and in y are one node, and a
// walk that comes back this close to its start closes its chain (the
// polyline join replaces it by its gap setting).
inline constexpr double kChainTolerance = 0.05;
// Consecutive points of a chain closer than this in x and in y are one point.
inline constexpr double kOverlappedPointTolerance = 0.005;

// One point of a chain in world coordinates (z is not kept). In a joined
// chain `id` is the segment that runs from this point to the next one (for
// the last point of a closed chain, back to the first); the last point of
// an open chain carries the segment that ends there. In circle and polyline
// chains every point carries the circle's or the polyline's id.
struct ChainPoint {
  AcDbObjectId id;
  double x = 0.0;
  double y = 0.0;
};

// Where a chain came from.
enum class ChainKind : std::int32_t {
  Joined = 1,    // lines, arcs (and splines) joined end to end
  Circle = 2,    // the 36 points of a circle
  Polyline = 3,  // the vertices of a lightweight polyline
};

// An ordered run of points. `closed` is 1 when the chain returns to its first
// point (which is then not repeated at the end), else 0. The bounds hold
// their starting values until updateBounds sets them.
struct Chain {
  std::vector<ChainPoint> points;
  std::int32_t closed = 0;
  ChainKind kind = ChainKind::Joined;
  double minX = 1.0e10;
  double minY = 1.0e10;
  double maxX = -1.0e10;
  double maxY = -1.0e10;
};

// The chains of one command in the order they were appended: circle and
// polyline chains as the selection was collected, then the joined chains.
// The list owns its chains; removing one from the middle keeps the others
// where they are.
using ChainList = std::list<Chain>;

}  // namespace zek::inline foundation
