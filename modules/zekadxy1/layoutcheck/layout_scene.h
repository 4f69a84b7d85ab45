// What the layout check reads from model space: the ordinate dimensions
// with their text boxes and leaders as the host shows them, every other
// entity's drawn geometry as segments, arcs and text boxes, and the holes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db_core.h"
#include "layoutcheck/layout_geometry.h"
#include "layoutcheck/ordinate_layout_check.h"

class AcDbDatabase;

namespace zek::adxy1 {

struct SceneDimension {
  AcDbHandle handle;
  bool usesXAxis = true;
  AcGePoint2d feature;   // the defining point, world x and y
  bool marked = false;   // carries the placement's colour for crowded texts
  bool hasText = false;  // a blank override shows none
  TextRect box;          // the text's box, world coordinates
  double textHeight = 0.0;
};

// An entity of model space that drawn geometry belongs to (a block
// reference stands for all of its block's parts).
struct SceneOwner {
  AcDbHandle handle;
  std::string type;  // DXF type
};

struct SceneSegment {
  AcGePoint2d a;
  AcGePoint2d b;
  std::uint32_t owner = 0;  // a SceneOwner; for leaders a SceneDimension
};

struct SceneArc {
  ArcPiece arc;
  std::uint32_t owner = 0;
};

struct SceneText {
  TextRect box;
  std::uint32_t owner = 0;
};

struct SceneHole {
  AcDbHandle handle;
  AcGePoint2d centre;
};

struct LayoutScene {
  std::vector<SceneDimension> dimensions;
  std::vector<SceneOwner> owners;
  std::vector<SceneSegment> segments;
  std::vector<SceneArc> arcs;
  std::vector<SceneText> texts;       // TEXT, MTEXT, attributes, other dimensions' texts
  std::vector<SceneSegment> leaders;  // the ordinate dimensions' own lines
  std::vector<SceneHole> holes;
};

// Reads model space (entities that do not open are passed over):
// - AcDbOrdinateDimension: its display geometry (the variables it shows
//   with, the shown text): the text box and the leader lines;
// - LINE, ARC, CIRCLE, LWPOLYLINE (bulges as arcs): exactly; ELLIPSE,
//   SPLINE, heavy polylines and other curves as chords of their curve;
// - TEXT, ATTRIB, MTEXT: their boxes by the text metrics model; other
//   dimensions: their lines and their text's box; LEADER: its lines;
// - INSERT: the parts of its block (nested blocks too) placed by the
//   reference, and its visible attributes;
// - POINT: nothing; anything else: the edges of its extents box;
// - holes: every circle, and with options.holeBlocks the hole blocks.
[[nodiscard]] LayoutScene readLayoutScene(AcDbDatabase& db, const LayoutCheckOptions& options);

}  // namespace zek::adxy1
