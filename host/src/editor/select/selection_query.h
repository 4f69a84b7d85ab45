// Finding entities of a document for selection: by window and crossing
// window, by a point and the pick box, by handle, the last entity, everything
// selectable, and the whole drawing. Window and pick queries go through a
// spatial index of model space, built on first use and again when the
// drawing changed.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "db_core.h"
#include "db_extents.h"
#include "editor/select/spatial_index.h"
#include "ge_geometry.h"

class AcDbDatabase;

namespace zek {

class Document;

// The spatial index of one database's model space and what tells whether it
// still holds: the handle seed (a new object) and the number of finished undo
// steps (a command that changed something, or an undo), looked at when a
// command starts and when a query comes. Changes made outside commands, or
// inside the command that selects, need noteChanged().
class ModelSpaceIndex {
public:
  // The index, rebuilt first when it may be stale.
  const SpatialIndex& fresh(AcDbDatabase& db);
  // Looks at the drawing's change marks (at every command start).
  void observe(const AcDbDatabase& db);
  // The drawing changed in a way the marks do not show.
  void noteChanged() { stale_ = true; }
  // How many times the index was built (tests and the benchmark).
  int builds() const { return builds_; }

private:
  struct Marks {
    std::uint64_t handseed = 0;
    std::size_t finishedSteps = 0;
    std::size_t entities = 0;
    bool operator==(const Marks&) const = default;
  };
  static Marks marksOf(const AcDbDatabase& db);
  void build(AcDbDatabase& db);

  SpatialIndex index_;
  Marks seen_;
  bool stale_ = true;
  int builds_ = 0;
};

// Builds the index of a database's model space: every entity with extents,
// erased ones included (undo may bring them back), in drawing order.
void buildModelSpaceIndex(AcDbDatabase& db, SpatialIndex& index);

// The selection queries of one document's model space.
class SelectionScope {
public:
  explicit SelectionScope(Document& document);

  // Entities whose shown geometry meets the window (world xy), in drawing order.
  std::vector<AcDbObjectId> crossing(const AcDbExtents& window);
  // Entities lying wholly inside the window, in drawing order.
  std::vector<AcDbObjectId> inside(const AcDbExtents& window);
  // The topmost (last drawn) entity the pick box around the point meets, or
  // the null id; all of them from the topmost down with `everything`.
  std::vector<AcDbObjectId> picked(const AcGePoint3d& worldPoint, bool everything);
  // Every selectable entity of model space, in drawing order.
  std::vector<AcDbObjectId> all();
  // The last selectable entity made, or the null id.
  AcDbObjectId last();
  // The selectable entity of a handle (hex text, "#" left off), or the null id.
  AcDbObjectId byHandle(std::string_view hex);
  // Every entity of model space and the paper-space layouts that is not
  // erased, whatever its layer: the "X" mode.
  std::vector<AcDbObjectId> wholeDrawing();

  // Whether the drafter can select the entity: in model space, not erased,
  // visible, on a layer that is on and thawed.
  bool isSelectable(AcDbObjectId id) const;
  // Half the side of the pick box in drawing units (PICKBOX pixels).
  double pickBoxHalfSize() const;

private:
  std::vector<AcDbObjectId> windowQuery(const AcDbExtents& window, bool crossing);

  Document& document_;
  AcDbDatabase& db_;
};

// The PICKBOX system variable in pixels (3 when it cannot be read).
int pickBoxPixels();
// A window from two world corners in any order, unbounded in z.
AcDbExtents windowOf(const AcGePoint3d& a, const AcGePoint3d& b);
// The index of the document's drawing.
ModelSpaceIndex& modelSpaceIndexOf(Document& document);

}  // namespace zek
