// The display geometry of radii and diameters: one arrow head at the chord
// point, the text inside the circle on the radius or outside on a leader
// (along the radius, or with a landing to horizontal text).
#pragma once

#include <optional>
#include <string_view>

#include "db/dimblocks/dim_geometry.h"

namespace zek {

// A radius (centre and chord point) or a diameter (chord point and far
// chord point, the centre halfway) in its plane.
struct RadialInput {
  AcGePoint2d center;
  AcGePoint2d chordPoint;                    // group 15
  std::optional<AcGePoint2d> farChordPoint;  // group 10 of a diameter
  double leaderLength = 0.0;                 // group 40
  std::optional<AcGePoint2d> userText;
  double textRotation = 0.0;
};

[[nodiscard]] DimGeometry radialGeometry(const RadialInput& input, const DimVars& vars,
                                         std::string_view shown);

}  // namespace zek
