// Tidying chains after the walk: overlapped points out, chains of fewer than
// two points out, the count reported, and the bounds of a chain.
#pragma once

#include "chains/chain_records.h"

namespace zek::inline foundation {

// Removes every point that lies within 0.005 in x and in y of the point kept
// before it, printing "\nRemove overlaped point X = %f, Y = %f" with the
// removed point's coordinates. The last point is not compared with the
// first. Answers how many points went.
int removeOverlappedPoints(Chain& chain);

// removeOverlappedPoints on every chain in order; a chain left with fewer
// than two points leaves the list.
void purgeChains(ChainList& list);

// Prints "\nchains found %d" with the number of chains in the list.
void printChainsFound(const ChainList& list);

// Sets the chain's bounds from its points (a chain without points keeps the
// bounds it has).
void updateBounds(Chain& chain);

}  // namespace zek::inline foundation
