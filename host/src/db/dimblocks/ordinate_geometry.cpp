// Ordinate dimension geometry: the leader with its jog, the text beyond the
// leader end, and the inverse rule that moves the leader end with the text.
#include "db/dimblocks/ordinate_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zek {

namespace {

// The leader's axis in the plane (X ordinates run along Y), and the text's
// rotation and up side there: X values read upwards with their top towards
// -X, Y values read along X with their top towards +Y, whichever way the
// leader points.
struct LeaderFrame {
  AcGeVector2d axis;
  AcGeVector2d across;
  double rotation;
  AcGeVector2d up;
};

LeaderFrame frameOf(bool usesXAxis) {
  if (usesXAxis)
    return {{0.0, 1.0}, {1.0, 0.0}, std::numbers::pi / 2.0, {-1.0, 0.0}};
  return {{1.0, 0.0}, {0.0, 1.0}, 0.0, {0.0, 1.0}};
}

double signAlong(const AcGeVector2d& v, const AcGeVector2d& axis) {
  double along = v.dotProduct(axis);
  return along > 0.0 ? 1.0 : along < 0.0 ? -1.0 : 0.0;
}

// A jog smaller than this is no jog (a leader end a rounding step off the
// feature's axis).
double jogTolerance(const AcGePoint2d& p) {
  return 1e-8 * (1.0 + std::max(std::fabs(p.x), std::fabs(p.y)));
}

double textRotationOf(const OrdinateInput& input, const LeaderFrame& frame) {
  return input.textRotation != 0.0 ? input.textRotation : frame.rotation;
}

}  // namespace

DimGeometry ordinateGeometry(const OrdinateInput& input, const DimVars& vars,
                             std::string_view shown) {
  DimSizes sizes = dimSizesOf(vars);
  LeaderFrame frame = frameOf(input.usesXAxis);
  double sign = signAlong(input.leaderEnd - input.feature, frame.axis);
  if (sign == 0.0 && input.userText)
    sign = signAlong(*input.userText - input.feature, frame.axis);
  if (sign == 0.0)
    sign = 1.0;
  AcGeVector2d d = frame.axis * sign;

  DimGeometry g;
  DimText text = makeDimText(shown, vars, sizes, input.leaderEnd, textRotationOf(input, frame));
  int side = textSide(vars);
  text.position = input.userText
                      ? *input.userText
                      : input.leaderEnd + d * (sizes.gap + text.width / 2.0) +
                            frame.up * (side * (sizes.gap + text.boxHeight / 2.0));

  // Text beside the leader: the leader runs on under it to its far edge.
  // Centred text: the leader stops at its end, the text a gap beyond.
  AcGePoint2d end = input.leaderEnd;
  bool endAtText = false;
  if (side != 0) {
    double far = (text.position - input.leaderEnd).dotProduct(d) + text.width / 2.0;
    if (far > 0.0) {
      end = input.leaderEnd + d * far;
      endAtText = true;
    }
  }

  int colour = vars.dimclre;
  double along = std::max(0.0, (input.leaderEnd - input.feature).dotProduct(d));
  double across = (input.leaderEnd - input.feature).dotProduct(frame.across);
  AcGePoint2d start = input.feature + d * std::min(sizes.exo, along);
  if (std::fabs(across) > jogTolerance(input.feature)) {
    // The jog: it leaves the feature's axis 4 arrow sizes before the leader
    // end and reaches the leader end's axis 2 arrow sizes before it.
    double jogStart = std::clamp(along - 4.0 * sizes.arrow, std::min(sizes.exo, along), along);
    double jogEnd = std::clamp(along - 2.0 * sizes.arrow, jogStart, along);
    AcGePoint2d bend1 = input.feature + d * jogStart;
    AcGePoint2d bend2 = input.leaderEnd - d * (along - jogEnd);
    addLine(g, DimLine{start, bend1, colour, false, false, true});
    addLine(g, DimLine{bend1, bend2, colour, false, false, true});
    addLine(g, DimLine{bend2, end, colour, false, endAtText, true});
  } else {
    addLine(g, DimLine{start, end, colour, false, endAtText, true});
  }
  if (sizes.boxedText)
    addTextBox(g, text, sizes.gap);
  g.textAnchor = text.position;
  g.text = std::move(text);
  g.definitionPoints = {input.feature, input.leaderEnd, input.origin};
  return g;
}

AcGePoint2d ordinateLeaderEndForText(const OrdinateInput& input, const AcGePoint2d& text,
                                     const DimVars& vars, std::string_view shown) {
  DimSizes sizes = dimSizesOf(vars);
  LeaderFrame frame = frameOf(input.usesXAxis);
  double sign = signAlong(text - input.feature, frame.axis);
  if (sign == 0.0)
    sign = signAlong(input.leaderEnd - input.feature, frame.axis);
  if (sign == 0.0)
    sign = 1.0;
  AcGeVector2d d = frame.axis * sign;
  std::string contents = dimTextContents(shown, vars);
  double width = dimTextWidth(contents, sizes.text);
  double height = dimTextBoxHeight(contents, sizes.text);
  int side = textSide(vars);
  return text - d * (sizes.gap + width / 2.0) - frame.up * (side * (sizes.gap + height / 2.0));
}

}  // namespace zek
