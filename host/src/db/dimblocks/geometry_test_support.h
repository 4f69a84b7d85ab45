// Helpers of the display geometry tests: variables as the metric styles
// have them, and comparisons of lines and solids that ignore which end (or
// corner) comes first.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "db/dimblocks/dim_geometry.h"

namespace zek::test {

constexpr double kGeomTol = 1e-9;

// The metric variables of a new drawing's STANDARD style (DIMTAD 1).
inline DimVars metricVars() {
  DimVars v;
  v.dimasz = 2.5;
  v.dimexo = 0.625;
  v.dimexe = 1.25;
  v.dimgap = 0.625;
  v.dimtxt = 2.5;
  v.dimtad = 1;
  v.dimtofl = 1;
  v.dimscale = 1.0;
  return v;
}

struct Segment {
  double x1, y1, x2, y2;
};

inline std::string describe(const std::vector<DimLine>& lines) {
  std::ostringstream out;
  for (const DimLine& l : lines)
    out << " (" << l.start.x << "," << l.start.y << ")-(" << l.end.x << "," << l.end.y << ")";
  return out.str();
}

inline bool sameSegment(const DimLine& line, const Segment& s) {
  AcGePoint2d a(s.x1, s.y1), b(s.x2, s.y2);
  return (line.start.distanceTo(a) < 1e-7 && line.end.distanceTo(b) < 1e-7) ||
         (line.start.distanceTo(b) < 1e-7 && line.end.distanceTo(a) < 1e-7);
}

// The lines are exactly the expected segments, in any order and direction.
inline ::testing::AssertionResult hasLines(const std::vector<DimLine>& lines,
                                           const std::vector<Segment>& expected) {
  if (lines.size() != expected.size())
    return ::testing::AssertionFailure()
           << lines.size() << " lines, " << expected.size() << " expected:" << describe(lines);
  std::vector<bool> used(lines.size(), false);
  for (const Segment& s : expected) {
    bool found = false;
    for (std::size_t i = 0; i < lines.size() && !found; ++i)
      if (!used[i] && sameSegment(lines[i], s))
        used[i] = found = true;
    if (!found)
      return ::testing::AssertionFailure() << "no line (" << s.x1 << "," << s.y1 << ")-(" << s.x2
                                           << "," << s.y2 << ") among" << describe(lines);
  }
  return ::testing::AssertionSuccess();
}

// A solid with this tip whose base corners are these two, in either order.
inline ::testing::AssertionResult hasSolid(const std::vector<DimSolid>& solids, AcGePoint2d tip,
                                           AcGePoint2d baseA, AcGePoint2d baseB) {
  for (const DimSolid& s : solids) {
    if (s.corners[2].distanceTo(tip) > 1e-7 || s.corners[3].distanceTo(tip) > 1e-7)
      continue;
    bool direct = s.corners[0].distanceTo(baseA) < 1e-7 && s.corners[1].distanceTo(baseB) < 1e-7;
    bool swapped = s.corners[0].distanceTo(baseB) < 1e-7 && s.corners[1].distanceTo(baseA) < 1e-7;
    if (direct || swapped)
      return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "no solid with its tip at (" << tip.x << "," << tip.y
                                       << ") among " << solids.size();
}

}  // namespace zek::test
