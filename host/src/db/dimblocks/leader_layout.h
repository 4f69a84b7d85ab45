// Leaders: what a LEADER shows (its segments and the arrow head at its
// first vertex, DIMASZ × DIMSCALE, the head DIMLDRBLK names) for the
// renderer, and where a LEADER command puts its MTEXT annotation: beside
// the last vertex, DIMGAP clear of the hook line, left or right as the
// leader comes in, above the hook (DIMTAD not 0) or centred on it.
#pragma once

#include <vector>

#include "db/dimblocks/dim_geometry.h"
#include "db_text.h"

class AcDbLeader;

namespace zek {

// A straight leader in its plane. A splined leader is drawn through its
// vertices as straight segments.
struct LeaderInput {
  std::vector<AcGePoint2d> vertices;
  bool hasArrow = true;
};

// Segments (DIMCLRD) and the arrow head pointing at the first vertex; the
// first segment starts at the head's base when the head is a closed one.
[[nodiscard]] DimGeometry leaderGeometry(const LeaderInput& input, const DimVars& vars);
// The same for a leader entity, with its dimension style's variables (its
// own overrides are not applied); world coordinates are those of its plane.
[[nodiscard]] DimGeometry leaderGeometry(const AcDbLeader& leader);

// Where an MTEXT annotation of a new leader goes.
struct LeaderPlacement {
  // The leader's vertices: those given, and a hook line of one arrow size
  // (DIMASZ × DIMSCALE) along X when the last segment is not horizontal.
  std::vector<AcGePoint3d> vertices;
  bool hasHookLine = false;
  // As CAD hosts file group 74 for such a leader: false for a hook line
  // running towards +X, true towards -X.
  bool hookLineOnXDirection = false;
  AcGePoint3d textLocation;
  AcDbMText::AttachmentPoint attachment = AcDbMText::kBottomLeft;
};

// Places the annotation of a leader through `vertices` (world, in the XY
// plane; at least two) for MTEXT of `textHeight`. The text starts DIMGAP
// × DIMSCALE beyond the last vertex, on the side the last segment points
// to; with DIMTAD 0 its first line is centred on the hook line (attached at
// its top, half a text height above), with DIMTAD 4 it hangs DIMGAP below
// it (attached at its top), otherwise it stands DIMGAP above it (attached
// at its bottom). Fewer than two vertices: the placement at the only (or
// no) vertex, attached bottom left.
[[nodiscard]] LeaderPlacement placeLeaderAnnotation(const std::vector<AcGePoint3d>& vertices,
                                                    double textHeight, const DimVars& vars);

}  // namespace zek
