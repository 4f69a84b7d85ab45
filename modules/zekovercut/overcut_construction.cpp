// The corner overcut worked out step by step: the corner and the R1 arc's
// centre, line 1's trim, the arc's end on line 2 (or the R2 fillet's
// centre), line 2's trim, then the arcs and the step.
#include "overcut_construction.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

namespace zek {
namespace {

using namespace overcutmsg;

// 30 degrees, less a thousandth of a degree, so that lines drawn at 30
// degrees from rounded coordinates still pass.
constexpr double kMinAngleBetweenLines = (30.0 - 0.001) * std::numbers::pi / 180.0;
// A kept end must lie at least this much farther into the inner area than
// the line's new end, or the trim would stretch the line past its end.
constexpr double kReachTolerance = 1e-6;

// The line's direction without its sense, in [0, π].
double undirectedAngle(const Line2& line) {
  const double angle = directionAngle(line.start, line.end);
  return angle > 3.1415926 ? angle - std::numbers::pi : angle;
}

// A point on the other line agrees with any side.
bool agrees(int side, int innerSide) {
  return side == 0 || side == innerSide;
}

// How far p lies from the line into the inner area (its side innerSide).
double depthInside(const Line2& line, int innerSide, Point2 p) {
  return innerSide * signedDistance(line, p);
}

Point2 fartherFrom(Point2 from, Point2 a, Point2 b) {
  return distanceBetween(from, b) > distanceBetween(from, a) ? b : a;
}

// The infinite line through p parallel to the drawn line (which has passed
// the 30° rule with the other line, so crossings with it are well found).
Line2 throughParallelTo(Point2 p, const Line2& drawn) {
  return {p, {p.x + drawn.end.x - drawn.start.x, p.y + drawn.end.y - drawn.start.y}};
}

// The line from `from` one unit towards `to` (which lies elsewhere), so that
// sides seen along it are sure however short the way is.
Line2 unitRayTowards(Point2 from, Point2 to) {
  const double length = distanceBetween(from, to);
  return {from, {from.x + (to.x - from.x) / length, from.y + (to.y - from.y) / length}};
}

// An arc between the directions to two points, ordered by the corner's
// orientation: for -1 from `first` to `second`, otherwise the reverse.
OvercutArc orderedArc(Point2 centre, double radius, Point2 first, Point2 second, int orientation) {
  const double toFirst = directionAngle(centre, first);
  const double toSecond = directionAngle(centre, second);
  if (orientation == -1)
    return {centre, radius, toFirst, toSecond};
  return {centre, radius, toSecond, toFirst};
}

// What the steps share.
struct Corner {
  Point2 corner;      // P, where the two lines cross
  int firstSide = 0;   // the pick's side of line 1
  int secondSide = 0;  // the pick's side of line 2
  Point2 arcCentre;    // C1
  Point2 firstTouch;   // T1
};

// Line 1 from its kept end to T1; null or the refusal.
const char* trimFirstLine(const Line2& first, const Line2& second, const Corner& corner,
                          double r1, Line2& trimmed) {
  const bool startAgrees = agrees(sideOf(second, first.start), corner.secondSide);
  const bool endAgrees = agrees(sideOf(second, first.end), corner.secondSide);
  if (!startAgrees && !endAgrees)
    return kFirstWrongSide;
  Point2 kept = first.start;
  if (!startAgrees)
    kept = first.end;
  else if (endAgrees)
    kept = fartherFrom(corner.firstTouch, first.start, first.end);
  if (std::abs(signedDistance(second, kept)) + 0.05 < r1)
    return kFirstTooShort;
  if (depthInside(second, corner.secondSide, kept) <
      depthInside(second, corner.secondSide, corner.firstTouch) + kReachTolerance)
    return kFirstTooShort;
  trimmed = {kept, corner.firstTouch};
  return nullptr;
}

// Where the R1 arc ends: on line 2 itself (no fillet), or at the R2
// fillet's centre, R2 beyond line 2 and R1 + R2 from C1.
struct ArcEnd {
  Point2 end;          // E
  Point2 secondTouch;  // T2
  std::optional<Point2> filletCentre;  // C2
};

bool findArcEnd(const Line2& second, const Corner& corner, const OvercutSettings& settings,
                ArcEnd& found) {
  if (settings.r2 < kMinFilletRadius) {
    const std::vector<Point2> hits = intersectCircleLine(corner.arcCentre, settings.r1, second);
    if (hits.size() < 2)
      return false;
    found.end = fartherFrom(corner.corner, hits[0], hits[1]);
    found.secondTouch = found.end;
    return true;
  }
  const Line2 centreLine = offsetLine(second, corner.secondSide * (settings.r1 - settings.s));
  const Line2 filletLine =
      offsetLine(centreLine, -corner.secondSide * (settings.r1 - settings.s + settings.r2));
  const std::vector<Point2> hits =
      intersectCircleLine(corner.arcCentre, settings.r1 + settings.r2, filletLine);
  if (hits.size() < 2)
    return false;
  found.end = fartherFrom(corner.corner, hits[0], hits[1]);
  found.filletCentre = found.end;
  found.secondTouch = footOnLine(second, found.end);
  return true;
}

// Line 2 from its kept end to T2, and the end D of its part beyond line 1
// when that part is long enough for a step; null or the refusal. Sides and
// distances are taken from line 1 as drawn, the infinite line the trimmed
// line 1 lies on, so that a short trimmed line still tells them.
const char* trimSecondLine(const Line2& second, const Line2& first, int innerSide,
                           Point2 secondTouch, const OvercutSettings& settings, Line2& trimmed,
                           std::optional<Point2>& stepEnd) {
  const bool startAgrees = agrees(sideOf(first, second.start), innerSide);
  const bool endAgrees = agrees(sideOf(first, second.end), innerSide);
  if (!startAgrees && !endAgrees)
    return kSecondWrongSide;
  const double stepLength = 3.0 * settings.r3;
  Point2 kept;
  if (startAgrees && !endAgrees) {
    kept = second.start;
    if (distanceBetween(second.end, secondTouch) > stepLength)
      stepEnd = second.end;
  } else if (!startAgrees) {
    kept = second.end;
    if (distanceBetween(second.start, secondTouch) > stepLength)
      stepEnd = second.start;
  } else {
    kept = fartherFrom(secondTouch, second.start, second.end);
  }
  if (std::abs(signedDistance(first, kept)) + 0.2 < settings.r1)
    return kSecondTooShort;
  if (depthInside(first, innerSide, kept) <
      depthInside(first, innerSide, secondTouch) + kReachTolerance)
    return kSecondTooShort;
  trimmed = {kept, secondTouch};
  return nullptr;
}

// The step: line 1 moved W into the inner area, line 2's far part from T2 to
// D, and the R3 fillet between them. The lines are taken through the drawn
// lines 1 and 2 (which cross), so that a trimmed line 1 of any length moves.
OvercutStep planStep(const Line2& first, const Line2& second, int firstSide, Point2 firstKept,
                     Point2 secondTouch, Point2 stepEnd, Point2 pick,
                     const OvercutSettings& settings, int orientation) {
  const Line2 widthLine = offsetLine(first, firstSide * settings.w);
  const Line2 centreRow = offsetLine(widthLine, -firstSide * settings.r3);
  const Line2 farPart{secondTouch, stepEnd};
  const Line2 centreColumn = offsetLine(farPart, sideOf(farPart, pick) * settings.r3);
  Point2 centre;
  const bool rowsMeet = intersectLines(centreRow, throughParallelTo(centreColumn.start, second),
                                       centre);
  assert(rowsMeet && "parallel to lines 1 and 2, which cross");
  (void)rowsMeet;
  const Point2 onSecond = footOnLine(throughParallelTo(farPart.start, second), centre);
  const Point2 onWidthLine = footOnLine(widthLine, centre);
  return {{onSecond, stepEnd},
          {onWidthLine, footOnLine(widthLine, firstKept)},
          orderedArc(centre, settings.r3, onWidthLine, onSecond, orientation)};
}

}  // namespace

bool meetAtEnoughAngle(const Line2& first, const Line2& second) {
  const double difference = std::abs(undirectedAngle(first) - undirectedAngle(second));
  // Directions 5° and 175° meet at 10°, not 170°.
  const double between = std::min(difference, std::numbers::pi - difference);
  return between >= kMinAngleBetweenLines;
}

OvercutOutcome planOvercut(const Line2& first, const Line2& second, Point2 pick,
                           const OvercutSettings& settings) {
  Corner corner;
  if (!intersectLines(first, second, corner.corner))
    return {kAngle, {}};
  corner.firstSide = sideOf(first, pick);
  corner.secondSide = sideOf(second, pick);
  if (corner.firstSide == 0 || corner.secondSide == 0)
    return {kPickOnLine, {}};
  // R1 from line 1 and R1 − S from line 2, both towards the pick.
  if (!intersectLines(offsetLine(first, corner.firstSide * settings.r1),
                      offsetLine(second, corner.secondSide * (settings.r1 - settings.s)),
                      corner.arcCentre))
    return {kAngle, {}};
  corner.firstTouch = footOnLine(first, corner.arcCentre);

  OvercutPlan plan;
  if (const char* refusal = trimFirstLine(first, second, corner, settings.r1, plan.firstLine))
    return {refusal, {}};
  ArcEnd arcEnd;
  if (!findArcEnd(second, corner, settings, arcEnd))
    return {kNoIntersection, {}};
  std::optional<Point2> stepEnd;
  if (const char* refusal = trimSecondLine(second, first, corner.firstSide, arcEnd.secondTouch,
                                           settings, plan.secondLine, stepEnd))
    return {refusal, {}};

  // The corner's orientation: the side of C1 seen from T1 looking along the
  // kept part of line 1, whichever way line 1 was drawn.
  const int orientation = sideOf(unitRayTowards(corner.firstTouch, plan.firstLine.start),
                                 corner.arcCentre);
  plan.overcutArc =
      orderedArc(corner.arcCentre, settings.r1, arcEnd.end, corner.firstTouch, orientation);
  if (arcEnd.filletCentre)
    plan.filletArc = orderedArc(*arcEnd.filletCentre, settings.r2, corner.arcCentre,
                                arcEnd.secondTouch, orientation);
  if (stepEnd)
    plan.step = planStep(first, second, corner.firstSide, plan.firstLine.start,
                         arcEnd.secondTouch, *stepEnd, pick, settings, orientation);
  return {nullptr, plan};
}

}  // namespace zek
