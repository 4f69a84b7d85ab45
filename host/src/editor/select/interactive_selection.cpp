// The "Select objects: " prompt: one selection mode per answer, the running
// set with add and remove modes, and the counts printed after each answer.
#include "editor/select/interactive_selection.h"

#include <string>
#include <unordered_set>

#include "aced_output.h"
#include "db_entity.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/select/read_scope.h"
#include "editor/select/selection_filter.h"
#include "editor/select/selection_query.h"
#include "editor/select/selection_sets.h"

namespace zek {

std::optional<AcGePoint3d> worldPointOfAnswer(const Document& document, std::string_view text) {
  auto typed = parsePointAnswer(text);
  if (!typed)
    return std::nullopt;
  AcGePoint3d lastUcs = document.worldToUcs() * document.lastPoint();
  AcGePoint3d ucs = placeTypedPoint(*typed, lastUcs, document.worldToUcs());
  return document.ucsToWorld() * ucs;
}

namespace {

constexpr const char* kSelectPrompt = "Select objects: ";
constexpr const char* kRemovePrompt = "Remove objects: ";

// What one answer did.
enum class Step { Found, ModeChanged, Invalid, Cancelled };

class ObjectPrompt {
public:
  ObjectPrompt(Document& document, const SelectionFilter& filter, const InteractiveOptions& options)
      : document_(document), scope_(document), filter_(filter), options_(options) {}

  InteractiveOutcome run(std::vector<AcDbObjectId>& selected);

private:
  Step answer(std::string_view line, std::vector<AcDbObjectId>& found);
  // A window typed as "W" alone: its corners are asked for.
  Step askCorners(bool crossing, std::vector<AcDbObjectId>& found);
  void take(const std::vector<AcDbObjectId>& found);
  bool passesFilter(AcDbObjectId id) const;

  Document& document_;
  SelectionScope scope_;
  const SelectionFilter& filter_;
  InteractiveOptions options_;
  std::vector<AcDbObjectId> set_;
  std::unordered_set<AcDbObjectId> members_;
  bool removing_ = false;
};

InteractiveOutcome ObjectPrompt::run(std::vector<AcDbObjectId>& selected) {
  while (true) {
    Answer reply = promptForLine(removing_ ? kRemovePrompt : kSelectPrompt);
    if (reply.kind != Answer::Kind::Text)
      return InteractiveOutcome::Cancelled;
    std::string_view line = trimmedAnswer(reply.text);
    if (line.empty())
      break;
    std::vector<AcDbObjectId> found;
    std::size_t before = set_.size();
    Step step = answer(line, found);
    if (step == Step::Cancelled)
      return InteractiveOutcome::Cancelled;
    if (step == Step::Invalid) {
      acutPrintf("\n*Invalid selection*");
      acutPrintf("\nExpects a point or Window/Last/Crossing/ALL/Previous/Add/Remove");
      continue;
    }
    if (step == Step::Found)
      take(found);
    if (options_.single && set_.size() > before)
      break;
  }
  selected = set_;
  return set_.empty() ? InteractiveOutcome::Nothing : InteractiveOutcome::Selected;
}

Step ObjectPrompt::answer(std::string_view line, std::vector<AcDbObjectId>& found) {
  std::vector<std::string> words = splitWords(line);
  std::string word = upperCased(words.front());
  if (word.size() > 1 && word.front() == '_')
    word.erase(word.begin());
  if (words.size() == 1 && word.size() > 1 && word.front() == '#') {
    AcDbObjectId id = scope_.byHandle(std::string_view(word).substr(1));
    if (!id.isNull())
      found.push_back(id);
    return Step::Found;
  }
  if (word == "W" || word == "C") {
    if (words.size() == 1)
      return askCorners(word == "C", found);
    if (words.size() != 3)
      return Step::Invalid;
    auto a = worldPointOfAnswer(document_, words[1]);
    auto b = worldPointOfAnswer(document_, words[2]);
    if (!a || !b)
      return Step::Invalid;
    found = word == "C" ? scope_.crossing(windowOf(*a, *b)) : scope_.inside(windowOf(*a, *b));
    return Step::Found;
  }
  if (words.size() != 1)
    return Step::Invalid;
  if (word == "ALL") {
    found = scope_.all();
    return Step::Found;
  }
  if (word == "L") {
    AcDbObjectId id = scope_.last();
    if (!id.isNull())
      found.push_back(id);
    return Step::Found;
  }
  if (word == "P") {
    if (SelectionSetTable* table = currentSelectionSets())
      for (AcDbObjectId id : table->previous)
        if (scope_.isSelectable(id))
          found.push_back(id);
    return Step::Found;
  }
  if (word == "R" || word == "A") {
    removing_ = word == "R";
    return Step::ModeChanged;
  }
  auto point = worldPointOfAnswer(document_, line);
  if (!point)
    return Step::Invalid;
  found = scope_.picked(*point, options_.everything);
  return Step::Found;
}

Step ObjectPrompt::askCorners(bool crossing, std::vector<AcDbObjectId>& found) {
  std::optional<AcGePoint3d> corners[2];
  const char* prompts[2] = {"Specify first corner: ", "Specify opposite corner: "};
  for (int i = 0; i < 2; ++i) {
    while (!corners[i]) {
      Answer reply = promptForLine(prompts[i]);
      if (reply.kind != Answer::Kind::Text)
        return Step::Cancelled;
      corners[i] = worldPointOfAnswer(document_, trimmedAnswer(reply.text));
      if (!corners[i])
        acutPrintf("\nPoint or option keyword required.");
    }
  }
  AcDbExtents window = windowOf(*corners[0], *corners[1]);
  found = crossing ? scope_.crossing(window) : scope_.inside(window);
  return Step::Found;
}

bool ObjectPrompt::passesFilter(AcDbObjectId id) const {
  if (filter_.takesEverything())
    return true;
  ReadScope<AcDbEntity> entity(id);
  return entity.get() != nullptr && filter_.matches(*entity.get());
}

void ObjectPrompt::take(const std::vector<AcDbObjectId>& found) {
  if (found.empty()) {
    acutPrintf("\n0 found");
    return;
  }
  const bool hadSome = !set_.empty();
  std::size_t filteredOut = 0, duplicates = 0, removed = 0;
  for (AcDbObjectId id : found) {
    if (!passesFilter(id)) {
      ++filteredOut;
      continue;
    }
    if (removing_) {
      if (members_.erase(id) != 0) {
        std::erase(set_, id);
        ++removed;
      }
    } else if (members_.insert(id).second) {
      set_.push_back(id);
    } else {
      ++duplicates;
    }
  }
  std::string line = std::to_string(found.size()) + " found";
  if (removing_)
    line += ", " + std::to_string(removed) + " removed, " + std::to_string(set_.size()) + " total";
  else {
    if (duplicates > 0)
      line += " (" + std::to_string(duplicates) + " duplicate)";
    if (hadSome)
      line += ", " + std::to_string(set_.size()) + " total";
  }
  acutPrintf("\n%s", line.c_str());
  if (filteredOut > 0)
    acutPrintf("\n%zu %s filtered out.", filteredOut, filteredOut == 1 ? "was" : "were");
}

}  // namespace

InteractiveOutcome selectInteractively(Document& document, const SelectionFilter& filter,
                                       const InteractiveOptions& options,
                                       std::vector<AcDbObjectId>& selected) {
  ObjectPrompt prompt(document, filter, options);
  return prompt.run(selected);
}

}  // namespace zek
