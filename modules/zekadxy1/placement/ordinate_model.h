// The records of a placement run: the features that may carry an ordinate
// dimension, grouped by their ordinate value, and the run's layout sizes.
#pragma once

#include <map>
#include <vector>

namespace zek::adxy1 {

// Which coordinate a collection measures: X ordinates measure x (their
// leaders run along y), Y ordinates measure y.
enum class Axis { X, Y };

// The size recorded for a feature; it also tells the kinds apart (a hole is
// at least kHoleRadiusFloor).
inline constexpr double kHoleBlockRadius = 1.0;
inline constexpr double kArcExtremeRadius = 0.05;
inline constexpr double kOutlineCornerRadius = 0.05;
inline constexpr double kEdgeEndRadius = 0.03;
inline constexpr double kZeroLineRadius = 0.01;
inline constexpr double kHoleRadiusFloor = 0.02;
// Values and cross positions within this are one.
inline constexpr double kSameOrdinate = 0.0001;

// One feature that may carry a dimension.
struct OrdinateTarget {
  double perp = 0.0;       // across the measured axis (y of an X ordinate)
  double value = 0.0;      // along it; differs from the group's by a jog
  double leaderEnd = 0.0;  // across: where the text sits
  double radius = 0.0;
  bool marked = false;     // crowded on purpose: colour 30
  bool suppressed = false; // no dimension of its own
  int run = -1;
  int decimals = 0;
  int placement = -1;      // its leader and text in the free-room index
};

// Every target with one ordinate value, in ascending perp.
struct OrdinateGroup {
  double value = 0.0;
  double width = 2.5;  // estimated text width
  std::vector<OrdinateTarget> targets;
};

// The text sizes of a run, from the drawing's dimension variables.
struct LayoutSizes {
  double textHeight = 2.5;  // H = DIMTXT × DIMSCALE
  double textGap = 2.5;     // G
  bool textAbove = false;   // DIMTAD ≠ 0
  double arrowSize = 2.5;   // DIMASZ × DIMSCALE (the jog's reach)
  double dimGap = 0.625;    // DIMGAP × DIMSCALE (text from the leader end)

  // The text sizes of DIMTXT, DIMSCALE, DIMTAD, DIMGAP (DIMSCALE 0 counts 1).
  static LayoutSizes of(double dimtxt, double dimscale, int dimtad, double dimgap,
                        double dimasz);
  double longLeader() const { return 12.0 * textHeight; }
  double veryLongLeader() const { return 20.0 * textHeight; }
  double unconditionalJog() const { return 22.0 * textHeight; }
  double characterWidth() const { return 0.8 * textHeight; }
  double margin() const { return 1.2 * textHeight; }
  double textPitch() const { return 1.5 * textGap; }
  double crowdReach() const { return 10.0 * textHeight; }
};

// The groups of one axis in ascending value: filled with add, then laid
// out in `groups` once finish has been called.
struct OrdinateCollection {
  explicit OrdinateCollection(Axis measured = Axis::X) : axis(measured) {}

  Axis axis;
  std::vector<OrdinateGroup> groups;

  // Adds a target to the group of its value (made when none is within
  // kSameOrdinate).
  void add(double value, double perp, double radius, int decimals);
  // Moves the groups added into `groups`, in ascending value, each group's
  // targets in ascending perp and once per cross position: targets within
  // kSameOrdinate of each other are one, with the larger radius and the
  // larger decimals.
  void finish();
  std::size_t targetCount() const;

private:
  std::map<double, OrdinateGroup> adding_;
};

}  // namespace zek::adxy1
