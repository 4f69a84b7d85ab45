// The display geometry of an ordinate dimension: the leader from the
// feature to the leader end and on under the text, with a jog where the
// leader end is off the feature's axis, and the measured value along it;
// and the leader end that puts the text where a user moved it.
#pragma once

#include <optional>
#include <string_view>

#include "db/dimblocks/dim_geometry.h"

namespace zek {

// An ordinate dimension in its plane.
struct OrdinateInput {
  AcGePoint2d origin;
  AcGePoint2d feature;    // group 13
  AcGePoint2d leaderEnd;  // group 14
  bool usesXAxis = true;  // measuring X: the leader runs along Y
  std::optional<AcGePoint2d> userText;  // set when the text was placed by the user
  double textRotation = 0.0;            // group 53; 0: along the leader
};

// Lines (extension colour), the text and the definition points.
[[nodiscard]] DimGeometry ordinateGeometry(const OrdinateInput& input, const DimVars& vars,
                                           std::string_view shown);
// Where the leader must end for the text to sit at `text`: DIMGAP and half
// the text's width before it along the leader, and for text above the
// leader (DIMTAD not 0) DIMGAP and half its height beside it. The leader
// points from the feature towards the text.
[[nodiscard]] AcGePoint2d ordinateLeaderEndForText(const OrdinateInput& input,
                                                   const AcGePoint2d& text, const DimVars& vars,
                                                   std::string_view shown);

}  // namespace zek
