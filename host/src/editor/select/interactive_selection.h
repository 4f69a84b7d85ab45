// Selecting objects at the command line: "Select objects: " asked until an
// empty line, each answer one selection mode of the input grammar (a point,
// "W x,y x,y", "C x,y x,y", ALL, L, P, R, A, "#HANDLE"), with the counts a
// CAD host prints after each ("2 found (1 duplicate), 3 total").
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "db_core.h"
#include "ge_geometry.h"

namespace zek {

class Document;
class SelectionFilter;

// A point answer ("x,y", "x,y,z", "@dx,dy", "d<a", "*x,y" as the prompts
// read them) in world coordinates, or nothing when the text is no point.
std::optional<AcGePoint3d> worldPointOfAnswer(const Document& document, std::string_view text);

struct InteractiveOptions {
  bool single = false;      // ":S": done after the first answer that selects
  bool everything = false;  // ":E": a point takes all the pick box meets
};

enum class InteractiveOutcome {
  Selected,   // Enter with something selected
  Nothing,    // Enter with nothing selected
  Cancelled,  // "^C", or the input ended
};

// Asks until the drafter ends the selection; `selected` holds what the
// filter let through, in the order it was selected.
InteractiveOutcome selectInteractively(Document& document, const SelectionFilter& filter,
                                       const InteractiveOptions& options,
                                       std::vector<AcDbObjectId>& selected);

}  // namespace zek
