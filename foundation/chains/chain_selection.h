// Feeding a selection into the chain builder: each entity opened for read in
// selection order, lines and arcs as segments, and circles, polylines and
// splines as the command chooses.
#pragma once

#include <functional>
#include <vector>

#include "chains/chain_records.h"
#include "chains/end_node_map.h"
#include "db_core.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"

namespace zek::inline foundation {

// Which entities a command feeds in besides lines and arcs (which always go
// in as segments by their start and end points), and what it does with the
// rest.
struct ChainInputs {
  bool circles = false;    // circles as closed 36-point chains
  bool polylines = true;   // lightweight polylines as chains of their vertices
  bool splines = false;    // splines as segments by their start and end points
  // An entity the builder does not take, while it is still open for read (the
  // command may upgrade it to write, erase it, ...). None: it is skipped.
  std::function<void(AcDbObjectId, OpenedEntity&)> other;
  // An entity that could not be opened for read, or whose end points did not
  // read, with the host's answer. None: it is skipped without a word.
  std::function<void(AcDbObjectId, Acad::ErrorStatus)> failed;
};

// What became of the entities of one selection.
struct ChainIntake {
  int segments = 0;  // lines, arcs and splines entered with addSegment
  int chains = 0;    // circle and polyline chains appended to the list
  int others = 0;    // entities handed to `other` (or skipped)
  int failed = 0;    // entities handed to `failed` (or skipped)
};

// Opens each entity for read in the order given, enters it into `nodes` or
// `list` as `inputs` says, and closes it before the next one opens.
ChainIntake collectEntities(const std::vector<AcDbObjectId>& ids, const ChainInputs& inputs,
                            EndNodeMap& nodes, ChainList& list);

// The same over a selection set's entities in selection order.
ChainIntake collectSelection(const SelectionSet& set, const ChainInputs& inputs,
                             EndNodeMap& nodes, ChainList& list);

}  // namespace zek::inline foundation
