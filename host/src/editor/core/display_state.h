// What a document shows beyond its drawing: temporary vectors (acedGrDraw,
// acedGrVecs), the rubber band of a waiting point prompt, the entity a jig
// drags, entities undrawn or highlighted, and the cursor. Recorded per
// document so that the renderer and tests can see them; acedRedraw with no
// entity clears the temporary part.
#pragma once

#include <optional>
#include <unordered_set>
#include <vector>

#include "db_core.h"
#include "ge_geometry.h"

class AcDbEntity;

namespace zek {

class Document;

// One temporary vector, world coordinates. A negative colour (as acedGrDraw
// takes it) is drawn in XOR ink: recorded as its absolute value with xorInk.
struct TemporaryVector {
  AcGePoint3d from;
  AcGePoint3d to;
  int colour = 7;
  bool highlighted = false;
  bool xorInk = false;
};

// The rubber band a point prompt with a base point shows while it waits:
// a line from the base, or a rectangle for a corner.
struct RubberBand {
  AcGePoint3d base;  // world
  bool rectangle = false;
  bool dashed = false;
};

// The special cursor of the drag class (AcEdJig::CursorType values).
constexpr int kDefaultCursor = -1;

struct DisplayState {
  std::vector<TemporaryVector> vectors;
  std::optional<RubberBand> rubberBand;
  // The entity a jig drags, drawn at its latest update (null when no drag runs).
  const AcDbEntity* dragEntity = nullptr;
  // How many samples the running drag has drawn.
  int dragSamples = 0;
  int cursor = kDefaultCursor;
  // Entities acedRedraw(ent, 2) undrew, until redrawn (mode 1) or a full redraw.
  std::unordered_set<AcDbObjectId> undrawn;
  // acedUpdateDisplay calls and redraws: a renderer that draws on demand
  // redraws when this changes.
  int generation = 0;
};

// The display record of a document.
DisplayState& displayStateOf(Document& document);
// The highlighted entities of a document's drawing (AcDbEntity::highlight
// and acedRedraw modes 3 and 4 share them), in no particular order.
std::vector<AcDbObjectId> highlightedEntities(const Document& document);
// Forgets the temporary vectors, undrawn entities and highlights, as a redraw
// of the whole view does (acedRedraw with a null entity, REDRAW, ZOOM).
void clearTemporaryGraphics(Document& document);

}  // namespace zek
