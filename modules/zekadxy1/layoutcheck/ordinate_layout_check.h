// The layout check of an ordinate-dimensioned plate: no dimension text on
// another, on drawn geometry or on another text, and every hole centre
// carrying its X and its Y ordinate. Tests and benchmarks run it over model
// space after a placement run.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "db_core.h"
#include "db_extents.h"
#include "ge_point.h"

class AcDbDatabase;

namespace zek::adxy1 {

struct LayoutCheckOptions {
  // Each text box is shrunk by this part of its text height on every side
  // before anything is tested against it: geometry that only grazes a text
  // does not count.
  double shrinkFactor = 0.01;
  // A hole centre is covered when a dimension's feature lies this close in
  // the measured axis.
  double coverTolerance = 1e-4;
  // Hole blocks (a block name of at least four characters beginning with
  // "ZEK", case ignored) are holes at their insertion points, besides circles.
  bool holeBlocks = false;
  // Only holes whose centre lies in this window count (none: all of them).
  std::optional<AcDbExtents> holeWindow;
  // The leaders of the other ordinate dimensions count as drawn geometry
  // (text-leader); off, leaders may cross texts as the placement lets them.
  bool leadersAreGeometry = false;
  // The colour (ACI) the placement gives texts it leaves crowded.
  int markedColour = 30;
};

enum class OverlapKind {
  TextText,       // two ordinate dimension texts
  TextGeometry,   // a text and a line, arc, circle, polyline, ... (or a block's part)
  TextOtherText,  // a text and a TEXT, MTEXT, attribute or another dimension's text
  TextLeader,     // a text and another ordinate dimension's leader (when asked for)
};
inline constexpr std::size_t kOverlapKindCount = 4;
[[nodiscard]] const char* overlapKindName(OverlapKind kind);

struct LayoutOverlap {
  OverlapKind kind = OverlapKind::TextText;
  AcDbHandle dimension;   // the ordinate dimension whose text is met
  AcDbHandle other;       // the other dimension, or the entity (a block's reference)
  std::string otherType;  // its DXF type: "DIMENSION", "LINE", "INSERT", ...
  // The placement marked the text as left crowded (for two texts: either).
  bool marked = false;
};

struct MissingOrdinate {
  AcDbHandle hole;  // the circle or the hole block
  AcGePoint2d centre;
  bool missingX = false;
  bool missingY = false;
};

struct OrdinateLayoutReport {
  int dimensions = 0;   // ordinate dimensions in model space
  int xDimensions = 0;  // of them measuring X
  int markedDimensions = 0;
  int holes = 0;                         // hole centres looked at
  std::vector<LayoutOverlap> overlaps;   // by dimension, in drawing order
  std::vector<MissingOrdinate> missing;  // in drawing order
  bool leadersChecked = false;

  // Overlaps of one kind, of marked or of unmarked texts.
  [[nodiscard]] int count(OverlapKind kind, bool marked) const;
  [[nodiscard]] int unmarkedOverlaps() const;
  [[nodiscard]] int markedOverlaps() const;
  // No overlap but of marked texts, no hole without its ordinates.
  [[nodiscard]] bool passed() const;
  // A few lines: the counts, the first overlaps and holes, the verdict.
  [[nodiscard]] std::string summary() const;
};

// Checks the ordinate dimensions of model space: each text's box as the host
// shows it (its display geometry), against every other text, every other
// model-space entity and the holes. Entities that do not open are passed
// over.
[[nodiscard]] OrdinateLayoutReport checkOrdinateLayout(AcDbDatabase& db,
                                                       const LayoutCheckOptions& options = {});

}  // namespace zek::adxy1
