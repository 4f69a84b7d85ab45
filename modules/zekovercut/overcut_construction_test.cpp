// The overcut construction: the value checks, the 30° rule, the refusals in
// their order, which ends are kept and when a step is drawn, figures of the
// plain L worked out by hand, and the tangencies of every arc over corners
// of many angles, turns, senses and mirrorings.
#include "overcut_construction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace zek {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTight = 1e-9;

double radians(double degrees) { return degrees * kPi / 180.0; }
Point2 polar(Point2 from, double degrees, double length) {
  return {from.x + length * std::cos(radians(degrees)), from.y + length * std::sin(radians(degrees))};
}
std::string text(const char* message) { return message ? message : "(none)"; }

OvercutSettings values(double r1, double r2, double r3, double w, double s) {
  return {r1, r2, r3, w, s};
}

struct SettingsCase {
  const char* row;
  OvercutSettings settings;
  const char* refusal;
};

TEST(OvercutSettingsCheck, FirstFailureWins) {
  const SettingsCase cases[] = {
      {"the initial values", {}, nullptr},
      {"R1 below 0.05", values(0.049, 0.4, 0.4, 0.8, 0.05), "\nRadius1 invalid"},
      {"R1 of 0.05 is enough", values(0.05, 0.4, 0.4, 0.8, 0.05), nullptr},
      {"S past R1 + 0.1", values(0.4, 0.4, 0.4, 0.8, 0.51), "\nRadius1 invalid"},
      {"S of R1 + 0.05", values(0.4, 0.4, 0.4, 0.8, 0.45), nullptr},
      {"R3 below 0.05", values(0.4, 0.4, 0.04, 0.8, 0.05), "\nRadius3 invalid"},
      {"W below 0.05", values(0.4, 0.4, 0.4, 0.04, 0.05), "\nW-value invalid"},
      {"S below 0.009", values(0.4, 0.4, 0.4, 0.8, 0.0089), "\nS-value invalid"},
      {"S of 0.009", values(0.4, 0.4, 0.4, 0.8, 0.009), nullptr},
      {"R2 of 0 only drops the fillet", values(0.4, 0, 0.4, 0.8, 0.05), nullptr},
      {"R1 before R3", values(0.01, 0.4, 0.01, 0.8, 0.05), "\nRadius1 invalid"},
      {"R3 before W", values(0.4, 0.4, 0.01, 0.01, 0.05), "\nRadius3 invalid"},
      {"W before S", values(0.4, 0.4, 0.4, 0.01, 0.001), "\nW-value invalid"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text(settingsRefusal(c.settings)), text(c.refusal)) << c.row;
}

struct AngleCase {
  const char* row;
  double firstDegrees;
  double secondDegrees;
  bool accepted;
};

TEST(OvercutAngleRule, LinesMustMeetAtThirtyDegrees) {
  const AngleCase cases[] = {
      {"perpendicular", 0, 90, true},
      {"30 degrees", 0, 30, true},
      {"30 degrees turned", 47, 77, true},
      {"29.8 degrees", 0, 29.8, false},
      {"a thousandth short of 30 is still 30", 0, 29.9995, true},
      {"two thousandths short", 0, 29.998, false},
      {"drawn the other way: 210 is 30", 0, 210, true},
      {"150 degrees meet at 30", 0, 150, true},
      {"175 and 5 degrees meet at 10", 5, 175, false},
      {"170 and 10 degrees meet at 20", 170, 10, false},
      {"antiparallel", 0, 180, false},
      {"parallel", 33, 33, false},
  };
  for (const auto& c : cases) {
    const Line2 first{{1, 1}, polar({1, 1}, c.firstDegrees, 10)};
    const Line2 second{{1, 1}, polar({1, 1}, c.secondDegrees, 10)};
    EXPECT_EQ(meetAtEnoughAngle(first, second), c.accepted) << c.row;
  }
}

struct RefusalCase {
  const char* row;
  Line2 first;
  Line2 second;
  Point2 pick;
  OvercutSettings settings;
  const char* refusal;
};

TEST(OvercutConstruction, RefusalsBeforeAnythingIsDrawn) {
  const double c30 = std::cos(radians(30));
  const double s30 = std::sin(radians(30));
  const RefusalCase cases[] = {
      {"parallel lines", {{0, 0}, {10, 0}}, {{0, 1}, {10, 1}}, {3, 3}, {},
       "\nthe angle must greater than 30 degree"},
      {"a pick on line 1", {{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {5, 0}, {},
       "\nthe point is on a line: pick at inner area"},
      {"a pick on line 2 beyond its end", {{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {0, 30}, {},
       "\nthe point is on a line: pick at inner area"},
      // both ends of line 1 lie right of line 2, the pick left of it
      {"line 1 wholly on the far side", {{1, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {-3, 3}, {},
       "\nfirst line is at wrong side"},
      // the corner end is kept (farther from T1), 0 from line 2
      {"line 1 of 0.3", {{0, 0}, {0.3, 0}}, {{0, 0}, {0, 10}}, {3, 3}, {},
       "\nfirst line is not long enough"},
      // line 1 crosses line 2; its kept end (0.866, 0.5) is 0.5 from line 2,
      // but T1 lies 1.39 along it from the corner
      {"line 1 would be stretched to T1", {{-0.5 * c30, -0.5 * s30}, {c30, s30}},
       {{0, 0}, {10, 0}}, polar({0, 0}, 15, 3), {}, "\nfirst line is not long enough"},
      // R1 − S = -0.07: the centre 0.07 beyond line 2, more than R1 from it
      {"an arc that never gets back to line 2", {{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {3, 3},
       values(0.05, 0, 0.4, 0.8, 0.12), "\nno intersection point"},
      {"line 2 wholly on the far side", {{0, 0}, {10, 0}}, {{0, 1}, {0, 10}}, {3, -3}, {},
       "\nsecond line is at wrong side"},
      {"line 2 of 0.15", {{0, 0}, {10, 0}}, {{0, 0}, {0, 0.15}}, {3, 3}, {},
       "\nsecond line is not long enough"},
      // kept end (0, 0.5) is 0.5 from line 1, T2 lies at 0.678
      {"line 2 would be stretched to T2", {{0, 0}, {10, 0}}, {{0, -1}, {0, 0.5}}, {3, 3}, {},
       "\nsecond line is not long enough"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text(planOvercut(c.first, c.second, c.pick, c.settings).refusal), text(c.refusal))
        << c.row;
}

void expectPoint(Point2 actual, Point2 expected, const std::string& row) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9) << row;
  EXPECT_NEAR(actual.y, expected.y, 1e-9) << row;
}

Point2 arcPoint(const OvercutArc& arc, double angle) {
  return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
}

// The plain L with the initial values, worked out by hand: C1 = (0.35, 0.4),
// T1 = (0.35, 0); the fillet centre on x = -0.4 at 0.8 from C1, so
// y = 0.4 + √(0.64 − 0.75²) = 0.4 + √0.0775.
TEST(OvercutConstruction, PlainCornerByHand) {
  const double rise = std::sqrt(0.0775);
  for (bool firstReversed : {false, true}) {
    const Line2 first = firstReversed ? Line2{{10, 0}, {0, 0}} : Line2{{0, 0}, {10, 0}};
    const OvercutOutcome outcome = planOvercut(first, {{0, 0}, {0, 10}}, {3, 3}, {});
    const std::string row = firstReversed ? "line 1 drawn to the corner" : "line 1 from the corner";
    ASSERT_EQ(outcome.refusal, nullptr) << outcome.refusal;
    const OvercutPlan& plan = outcome.plan;
    expectPoint(plan.firstLine.start, {10, 0}, row);
    expectPoint(plan.firstLine.end, {0.35, 0}, row);
    expectPoint(plan.overcutArc.centre, {0.35, 0.4}, row);
    EXPECT_NEAR(plan.overcutArc.startAngle, std::atan2(rise, -0.75), kTight) << row;
    EXPECT_NEAR(plan.overcutArc.endAngle, 1.5 * kPi, kTight) << row;
    ASSERT_TRUE(plan.filletArc) << row;
    expectPoint(plan.filletArc->centre, {-0.4, 0.4 + rise}, row);
    EXPECT_NEAR(plan.filletArc->startAngle, 2 * kPi - std::atan2(rise, 0.75), kTight) << row;
    EXPECT_NEAR(plan.filletArc->endAngle, 0, kTight) << row;
    expectPoint(plan.secondLine.start, {0, 10}, row);
    expectPoint(plan.secondLine.end, {0, 0.4 + rise}, row);
    EXPECT_FALSE(plan.step) << row;
  }
}

// R2 of 0: the arc ends on line 2 at y = 0.4 + √(0.16 − 0.35²), the end
// farther from the corner.
TEST(OvercutConstruction, WithoutFilletTheArcEndsOnLine2) {
  const OvercutOutcome outcome =
      planOvercut({{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {3, 3}, values(0.4, 0, 0.4, 0.8, 0.05));
  ASSERT_EQ(outcome.refusal, nullptr);
  const double rise = std::sqrt(0.0375);
  EXPECT_FALSE(outcome.plan.filletArc);
  EXPECT_NEAR(outcome.plan.overcutArc.startAngle, std::atan2(rise, -0.35), kTight);
  expectPoint(outcome.plan.secondLine.end, {0, 0.4 + rise}, "T2 = E");
  expectPoint(arcPoint(outcome.plan.overcutArc, outcome.plan.overcutArc.startAngle),
              {0, 0.4 + rise}, "the arc's end");
}

// Line 2 from (0, -5) to (0, 10) crossing line 1: the step W = 0.8 into the
// inner area with R3 = 0.4 at C3 = (0.4, 0.4).
TEST(OvercutConstruction, StepWhereLine2RunsOnByHand) {
  const OvercutOutcome outcome = planOvercut({{0, 0}, {10, 0}}, {{0, -5}, {0, 10}}, {3, 3}, {});
  ASSERT_EQ(outcome.refusal, nullptr);
  const OvercutPlan& plan = outcome.plan;
  expectPoint(plan.secondLine.start, {0, 10}, "line 2 keeps its end in the inner area");
  ASSERT_TRUE(plan.step);
  expectPoint(plan.step->alongSecond.start, {0, 0.4}, "F2");
  expectPoint(plan.step->alongSecond.end, {0, -5}, "D");
  expectPoint(plan.step->alongFirst.start, {0.4, 0.8}, "F1");
  expectPoint(plan.step->alongFirst.end, {10, 0.8}, "beside line 1's kept end");
  expectPoint(plan.step->fillet.centre, {0.4, 0.4}, "C3");
  EXPECT_NEAR(plan.step->fillet.startAngle, kPi / 2, kTight);
  EXPECT_NEAR(plan.step->fillet.endAngle, kPi, kTight);
}

struct KeptEndCase {
  const char* row;
  Line2 first;
  Line2 second;
  Point2 firstKept;
  Point2 secondKept;
  bool step;
};

// Which ends stay, and the 3 × R3 rule (measured from T2 at y = 0.678).
TEST(OvercutConstruction, KeptEndsAndSteps) {
  const KeptEndCase cases[] = {
      {"an L", {{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {10, 0}, {0, 10}, false},
      {"line 2 drawn down to the corner", {{0, 0}, {10, 0}}, {{0, 10}, {0, 0}}, {10, 0}, {0, 10},
       false},
      {"line 1 crossing line 2 loses its far part", {{-4, 0}, {10, 0}}, {{0, 0}, {0, 10}},
       {10, 0}, {0, 10}, false},
      {"line 2 on 0.5 past line 1: D 1.178 from T2", {{0, 0}, {10, 0}}, {{0, -0.5}, {0, 10}},
       {10, 0}, {0, 10}, false},
      {"line 2 on 0.55 past line 1: D 1.228 from T2", {{0, 0}, {10, 0}}, {{0, -0.55}, {0, 10}},
       {10, 0}, {0, 10}, true},
      {"both lines crossing", {{10, 0}, {-4, 0}}, {{0, 10}, {0, -4}}, {10, 0}, {0, 10}, true},
  };
  for (const auto& c : cases) {
    const OvercutOutcome outcome = planOvercut(c.first, c.second, {3, 3}, {});
    ASSERT_EQ(outcome.refusal, nullptr) << c.row << ": " << outcome.refusal;
    expectPoint(outcome.plan.firstLine.start, c.firstKept, c.row);
    expectPoint(outcome.plan.secondLine.start, c.secondKept, c.row);
    EXPECT_EQ(outcome.plan.step.has_value(), c.step) << c.row;
  }
}

// ---- Tangencies over many corners ------------------------------------------

struct Corner {
  Point2 corner;
  Point2 firstFar;   // line 1's end away from the corner
  Point2 secondFar;  // line 2's end in the inner area
  Point2 secondBack;  // line 2's other end (past line 1 when it runs on)
  Point2 inwardOfFirst;   // unit normal of line 1 towards the pick
  Point2 inwardOfSecond;  // unit normal of line 2 towards the pick
};

double dot(Point2 a, Point2 b) { return a.x * b.x + a.y * b.y; }
Point2 minus(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }
Point2 towards(Point2 from, Point2 to, double length) {
  const double d = distanceBetween(from, to);
  return {from.x + (to.x - from.x) * length / d, from.y + (to.y - from.y) * length / d};
}
// Depth of a point from a line through `corner` along its inward normal.
double depth(const Corner& c, Point2 inward, Point2 p) { return dot(minus(p, c.corner), inward); }

// Whether the arc, counter-clockwise from its start, sweeps over the angle.
bool sweeps(const OvercutArc& arc, double angle) {
  auto turn = [](double a) { return std::fmod(std::fmod(a, 2 * kPi) + 2 * kPi, 2 * kPi); };
  return turn(angle - arc.startAngle) <= turn(arc.endAngle - arc.startAngle) + 1e-9;
}
double sweepOf(const OvercutArc& arc) {
  return std::fmod(std::fmod(arc.endAngle - arc.startAngle, 2 * kPi) + 2 * kPi, 2 * kPi);
}

// The arc's two ends are the two points, in either order.
void expectEnds(const OvercutArc& arc, Point2 a, Point2 b, const std::string& row) {
  const Point2 start = arcPoint(arc, arc.startAngle);
  const Point2 end = arcPoint(arc, arc.endAngle);
  const bool inOrder = distanceBetween(start, a) < 1e-7 && distanceBetween(end, b) < 1e-7;
  const bool reversed = distanceBetween(start, b) < 1e-7 && distanceBetween(end, a) < 1e-7;
  EXPECT_TRUE(inOrder || reversed) << row;
}

void checkTangencies(const Corner& c, const OvercutPlan& plan, const OvercutSettings& v,
                     bool runsOn, const std::string& row) {
  const Point2& n1 = c.inwardOfFirst;
  const Point2& n2 = c.inwardOfSecond;
  const OvercutArc& arc = plan.overcutArc;
  // R1 touches line 1 at T1 and its centre lies R1 − S inside line 2
  EXPECT_NEAR(arc.radius, v.r1, kTight) << row;
  EXPECT_NEAR(depth(c, n1, arc.centre), v.r1, 1e-9) << row;
  EXPECT_NEAR(depth(c, n2, arc.centre), v.r1 - v.s, 1e-9) << row;
  const Point2 t1 = plan.firstLine.end;
  EXPECT_NEAR(depth(c, n1, t1), 0, 1e-9) << row << ": T1 on line 1";
  EXPECT_NEAR(distanceBetween(t1, arc.centre), v.r1, 1e-9) << row;
  expectPoint(plan.firstLine.start, c.firstFar, row + ": line 1 keeps its far end");
  // ... and sweeps over its deepest point, S beyond line 2
  EXPECT_TRUE(sweeps(arc, directionAngle({0, 0}, {-n2.x, -n2.y}))) << row << ": the overcut";

  const Point2 t2 = plan.secondLine.end;
  EXPECT_NEAR(depth(c, n2, t2), 0, 1e-9) << row << ": T2 on line 2";
  expectPoint(plan.secondLine.start, c.secondFar, row + ": line 2 keeps its inner end");
  if (v.r2 >= kMinFilletRadius) {
    ASSERT_TRUE(plan.filletArc) << row;
    const OvercutArc& fillet = *plan.filletArc;
    // R2 touches the R1 arc from outside and line 2 from beyond it
    EXPECT_NEAR(distanceBetween(fillet.centre, arc.centre), v.r1 + v.r2, 1e-9) << row;
    EXPECT_NEAR(depth(c, n2, fillet.centre), -v.r2, 1e-9) << row;
    EXPECT_NEAR(distanceBetween(fillet.centre, t2), v.r2, 1e-9) << row;
    const Point2 joint = towards(arc.centre, fillet.centre, v.r1);
    expectEnds(arc, t1, joint, row + ": R1 from T1 to the fillet");
    expectEnds(fillet, joint, t2, row + ": R2 from the R1 arc to T2");
    EXPECT_LT(sweepOf(fillet), kPi) << row << ": the fillet is the short way round";
  } else {
    EXPECT_FALSE(plan.filletArc) << row;
    expectEnds(arc, t1, t2, row + ": R1 from T1 to line 2");
  }

  ASSERT_EQ(plan.step.has_value(), runsOn) << row;
  if (!runsOn)
    return;
  const OvercutStep& step = *plan.step;
  EXPECT_NEAR(depth(c, n1, step.alongFirst.start), v.w, 1e-9) << row << ": W from line 1";
  EXPECT_NEAR(depth(c, n1, step.alongFirst.end), v.w, 1e-9) << row;
  expectPoint(step.alongFirst.end, {c.firstFar.x + v.w * n1.x, c.firstFar.y + v.w * n1.y},
              row + ": the W line ends beside line 1's end");
  EXPECT_NEAR(depth(c, n2, step.alongSecond.start), 0, 1e-9) << row << ": F2 on line 2";
  expectPoint(step.alongSecond.end, c.secondBack, row + ": D");
  EXPECT_NEAR(depth(c, n1, step.fillet.centre), v.w - v.r3, 1e-9) << row;
  EXPECT_NEAR(depth(c, n2, step.fillet.centre), v.r3, 1e-9) << row;
  expectEnds(step.fillet, step.alongFirst.start, step.alongSecond.start, row + ": R3");
  EXPECT_LT(sweepOf(step.fillet), kPi) << row << ": the R3 fillet is the short way round";
}

struct CornerShape {
  double innerDegrees;
  double turnDegrees;
  bool mirrored;
  bool firstReversed;
  bool secondReversed;
  bool runsOn;
};

std::string describe(const CornerShape& s, const char* values) {
  return std::string(values) + ", inner " + std::to_string(s.innerDegrees) + "°, turned " +
         std::to_string(s.turnDegrees) + (s.mirrored ? ", mirrored" : "") +
         (s.firstReversed ? ", line 1 towards the corner" : "") +
         (s.secondReversed ? ", line 2 towards the corner" : "") + (s.runsOn ? ", runs on" : "");
}

TEST(OvercutConstruction, ArcsTouchTheirLinesInEveryCorner) {
  struct Named {
    const char* name;
    OvercutSettings settings;
  };
  const Named valueSets[] = {
      {"initial values", {}},
      {"no fillet", values(0.4, 0, 0.4, 0.8, 0.05)},
      {"deep cut, S past R1", values(0.4, 0.3, 0.2, 1.0, 0.45)},
      {"large values", values(2, 1, 0.5, 3, 0.5)},
  };
  int checked = 0;
  for (const Named& named : valueSets)
    for (double inner : {30.0, 60.0, 90.0, 135.0, 150.0})
      for (double turn : {0.0, 37.0, 200.0})
        for (int flags = 0; flags < 16; ++flags) {
          const CornerShape shape{inner, turn, (flags & 1) != 0, (flags & 2) != 0,
                                  (flags & 4) != 0, (flags & 8) != 0};
          const std::string row = describe(shape, named.name);
          const double sense = shape.mirrored ? -1.0 : 1.0;
          Corner c;
          c.corner = {10, 20};
          c.firstFar = polar(c.corner, turn, 20);
          c.secondFar = polar(c.corner, turn + sense * inner, 20);
          c.secondBack = shape.runsOn ? polar(c.corner, turn + sense * inner, -8) : c.corner;
          c.inwardOfFirst = polar({0, 0}, turn + sense * 90, 1);
          c.inwardOfSecond = polar({0, 0}, turn + sense * (inner - 90), 1);
          const Line2 first = shape.firstReversed ? Line2{c.firstFar, c.corner}
                                                  : Line2{c.corner, c.firstFar};
          const Line2 second = shape.secondReversed ? Line2{c.secondFar, c.secondBack}
                                                    : Line2{c.secondBack, c.secondFar};
          const Point2 pick = polar(c.corner, turn + sense * inner / 2, 5);
          const OvercutOutcome outcome = planOvercut(first, second, pick, named.settings);
          ASSERT_EQ(outcome.refusal, nullptr) << row << ": " << outcome.refusal;
          checkTangencies(c, outcome.plan, named.settings, shape.runsOn, row);
          ++checked;
        }
  EXPECT_EQ(checked, 4 * 5 * 3 * 16);
}

}  // namespace
}  // namespace zek
