// acedSSGet: the selection modes, the filter over every mode, the pick-first
// set taken by an interactive selection, and the previous selection.
#include <cctype>
#include <optional>
#include <string>

#include "aced_select.h"
#include "db_entity.h"
#include "editor/document.h"
#include "editor/select/interactive_selection.h"
#include "editor/select/read_scope.h"
#include "editor/select/selection_filter.h"
#include "editor/select/selection_query.h"
#include "editor/select/selection_sets.h"

namespace zek {
namespace {

enum class Mode { Interactive, Crossing, Window, Everything, All, Previous, Last, Pickfirst };

struct ParsedMode {
  Mode mode = Mode::Interactive;
  InteractiveOptions options;
};

// Mode strings as CAD hosts take them, in any case, with an optional "_".
std::optional<ParsedMode> parseMode(const char* text) {
  ParsedMode parsed;
  if (text == nullptr)
    return parsed;
  std::string mode(text);
  for (char& c : mode)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (!mode.empty() && mode.front() == '_')
    mode.erase(mode.begin());
  if (mode.empty())
    return parsed;
  if (mode.front() == ':') {
    // ":S", ":E" and both together in either order.
    for (std::size_t i = 0; i < mode.size(); i += 2) {
      if (mode[i] != ':' || i + 1 >= mode.size())
        return std::nullopt;
      if (mode[i + 1] == 'S')
        parsed.options.single = true;
      else if (mode[i + 1] == 'E')
        parsed.options.everything = true;
      else
        return std::nullopt;
    }
    return parsed;
  }
  if (mode == "C") parsed.mode = Mode::Crossing;
  else if (mode == "W") parsed.mode = Mode::Window;
  else if (mode == "X") parsed.mode = Mode::Everything;
  else if (mode == "A") parsed.mode = Mode::All;
  else if (mode == "P") parsed.mode = Mode::Previous;
  else if (mode == "L") parsed.mode = Mode::Last;
  else if (mode == "I") parsed.mode = Mode::Pickfirst;
  else return std::nullopt;
  return parsed;
}

AcGePoint3d worldOfUcsPoint(const Document& document, const void* point) {
  const auto* p = static_cast<const double*>(point);
  return document.ucsToWorld() * AcGePoint3d(p[0], p[1], p[2]);
}

std::vector<AcDbObjectId> filtered(const std::vector<AcDbObjectId>& ids, const SelectionFilter& filter) {
  if (filter.takesEverything())
    return ids;
  std::vector<AcDbObjectId> kept;
  for (AcDbObjectId id : ids) {
    ReadScope<AcDbEntity> entity(id);
    if (entity.get() != nullptr && filter.matches(*entity.get()))
      kept.push_back(id);
  }
  return kept;
}

// The members of a kept selection that can still be selected.
std::vector<AcDbObjectId> stillThere(const std::vector<AcDbObjectId>& ids, SelectionScope& scope,
                                     bool anyLayer) {
  std::vector<AcDbObjectId> kept;
  for (AcDbObjectId id : ids)
    if (anyLayer ? !id.isErased() && id.stub() != nullptr && id.stub()->object != nullptr
                 : scope.isSelectable(id))
      kept.push_back(id);
  return kept;
}

}  // namespace
}  // namespace zek

int acedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss) {
  using namespace zek;
  Document* document = currentDocument();
  SelectionSetTable* table = currentSelectionSets();
  if (document == nullptr || table == nullptr || ss == nullptr)
    return RTERROR;
  auto compiled = SelectionFilter::compile(filter);
  auto mode = parseMode(str);
  if (!compiled || !mode)
    return RTERROR;
  SelectionScope scope(*document);
  std::vector<AcDbObjectId> ids;
  switch (mode->mode) {
    case Mode::Interactive: {
      // A pick-first set made before the command is the answer, without a
      // prompt (commands that do not use it found it cleared at their start).
      if (!mode->options.single && !table->pickfirst.empty()) {
        ids = filtered(stillThere(table->pickfirst, scope, true), *compiled);
        table->pickfirst.clear();
        if (!ids.empty())
          break;
      }
      InteractiveOutcome outcome = selectInteractively(*document, *compiled, mode->options, ids);
      if (outcome == InteractiveOutcome::Cancelled)
        return RTCAN;
      break;
    }
    case Mode::Crossing:
    case Mode::Window: {
      if (pt1 == nullptr || pt2 == nullptr)
        return RTERROR;
      AcDbExtents window = windowOf(worldOfUcsPoint(*document, pt1), worldOfUcsPoint(*document, pt2));
      ids = filtered(mode->mode == Mode::Crossing ? scope.crossing(window) : scope.inside(window), *compiled);
      break;
    }
    case Mode::Everything: ids = filtered(scope.wholeDrawing(), *compiled); break;
    case Mode::All: ids = filtered(scope.all(), *compiled); break;
    case Mode::Previous: ids = filtered(stillThere(table->previous, scope, false), *compiled); break;
    case Mode::Last: {
      AcDbObjectId last = scope.last();
      if (!last.isNull())
        ids = filtered({last}, *compiled);
      break;
    }
    case Mode::Pickfirst: ids = filtered(stillThere(table->pickfirst, scope, true), *compiled); break;
  }
  if (ids.empty())
    return RTERROR;
  table->previous = ids;
  table->create(std::move(ids), ss);
  return RTNORM;
}
