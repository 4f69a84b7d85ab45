// The corner overcut worked out from two lines, the picked inner point and
// the five values: the trimmed lines, the R1 arc that touches line 1 and
// cuts S past line 2, the R2 fillet back to line 2 and the W step with its
// R3 fillet. Plain functions: the command draws what they answer.
#pragma once

#include <optional>

#include "overcut_geometry.h"
#include "overcut_settings.h"

namespace zek {

// The messages of the refusals, as ZEKGQ prints them.
namespace overcutmsg {
inline constexpr const char* kAngle = "\nthe angle must greater than 30 degree";
inline constexpr const char* kPickOnLine = "\nthe point is on a line: pick at inner area";
inline constexpr const char* kFirstWrongSide = "\nfirst line is at wrong side";
inline constexpr const char* kFirstTooShort = "\nfirst line is not long enough";
inline constexpr const char* kNoIntersection = "\nno intersection point";
inline constexpr const char* kSecondWrongSide = "\nsecond line is at wrong side";
inline constexpr const char* kSecondTooShort = "\nsecond line is not long enough";
}  // namespace overcutmsg

// An arc as the host draws it: counter-clockwise from startAngle to
// endAngle (radians).
struct OvercutArc {
  Point2 centre;
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
};

// The step drawn where line 2 runs on past line 1: line 2's far part again
// (from F2 to its end D), a line W from line 1 towards the inner area (from
// F1 to the end beside line 1's kept end) and the R3 fillet between them.
struct OvercutStep {
  Line2 alongSecond;
  Line2 alongFirst;
  OvercutArc fillet;
};

struct OvercutPlan {
  Line2 firstLine;   // from its kept end to T1, where the R1 arc touches it
  Line2 secondLine;  // from its kept end to T2, where the arcs meet it
  OvercutArc overcutArc;
  std::optional<OvercutArc> filletArc;  // R2, when R2 ≥ kMinFilletRadius
  std::optional<OvercutStep> step;
};

// What the construction came to: a refusal (one of the overcutmsg texts), or
// the plan.
struct OvercutOutcome {
  const char* refusal = nullptr;
  OvercutPlan plan;
};

// The 30° rule: whether two lines meet at 30 degrees or more (directions
// taken without their sense, a thousandth of a degree allowed for rounded
// coordinates).
bool meetAtEnoughAngle(const Line2& first, const Line2& second);

// The overcut in the corner of the two lines on the side of the picked
// point. Refuses, with the first message that applies and before anything is
// drawn, a pick on either line, a line wholly on the wrong side or too short
// to reach its new end, and an arc that finds no way back to line 2.
OvercutOutcome planOvercut(const Line2& first, const Line2& second, Point2 pick,
                           const OvercutSettings& settings);

}  // namespace zek
