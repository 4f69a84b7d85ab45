// The display geometry of linear dimensions (rotated and aligned):
// extension lines, the dimension line with its arrow heads, and the text
// inside or outside the extension lines by the fit rules; and where the
// dimension line goes when a user moves the text.
#pragma once

#include <optional>
#include <string_view>

#include "db/dimblocks/dim_geometry.h"

namespace zek {

// A linear dimension in its plane.
struct LinearInput {
  AcGePoint2d xLine1;        // group 13
  AcGePoint2d xLine2;        // group 14
  AcGePoint2d dimLinePoint;  // group 10: a point of the dimension line
  double rotation = 0.0;     // the direction measured along (radians)
  double oblique = 0.0;      // direction of the extension lines; 0: square to the line
  std::optional<AcGePoint2d> userText;  // set when the text was placed by the user
  double textRotation = 0.0;            // group 53; 0: along the line, made readable
};

[[nodiscard]] DimGeometry linearGeometry(const LinearInput& input, const DimVars& vars,
                                         std::string_view shown);
// The dimension line point (group 10) moved along the extension lines so
// that the line passes where text placed at `text` needs it (DIMTMOVE 0):
// the text then sits where DIMTAD puts it beside the line.
[[nodiscard]] AcGePoint2d linearDimLinePointForText(const LinearInput& input,
                                                    const AcGePoint2d& text,
                                                    const DimVars& vars, std::string_view shown);

}  // namespace zek
