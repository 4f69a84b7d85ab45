// Views for ZOOM.
#include "editor/commands/view_fitting.h"

#include <algorithm>
#include <cmath>

#include "editor/prompts/answer_parsing.h"

namespace zek {

View viewOfWindow(const View& current, const AcGePoint2d& corner1, const AcGePoint2d& corner2) {
  View view = current;
  const double width = std::fabs(corner2.x - corner1.x);
  const double height = std::fabs(corner2.y - corner1.y);
  view.centre = {(corner1.x + corner2.x) / 2.0, (corner1.y + corner2.y) / 2.0, current.centre.z};
  const double aspect = static_cast<double>(current.screenWidth) / current.screenHeight;
  const double needed = std::max(height, width / aspect);
  if (needed > 0.0)
    view.height = needed;
  return view;
}

View viewScaled(const View& current, double factor) {
  View view = current;
  if (factor > 0.0)
    view.height = current.height / factor;
  return view;
}

std::optional<ZoomScale> zoomScaleOfAnswer(std::string_view answer) {
  answer = trimmedAnswer(answer);
  ZoomScale scale;
  scale.relative = false;
  if (answer.size() > 2 && equalsNoCase(answer.substr(answer.size() - 2), "XP")) {
    answer.remove_suffix(2);
    scale.relative = true;
  } else if (answer.size() > 1 && (answer.back() == 'x' || answer.back() == 'X')) {
    answer.remove_suffix(1);
    scale.relative = true;
  }
  auto factor = parseRealAnswer(answer);
  if (!factor || *factor <= 0.0)
    return std::nullopt;
  scale.factor = *factor;
  return scale;
}

}  // namespace zek
