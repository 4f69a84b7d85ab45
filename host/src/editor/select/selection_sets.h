// Selection sets of a document: numbered sets of entity ids that modules get
// from acedSSGet and acedSSAdd and give back with acedSSFree, the pick-first
// set, the previous selection, and the report of sets a command left unfreed.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "ads.h"
#include "db_core.h"

namespace zek {

class Document;

// One set: its entities in the order they were selected, with a membership
// index made on first use (a set of a whole drawing seldom needs one).
class SelectionSet {
public:
  SelectionSet() = default;
  explicit SelectionSet(std::vector<AcDbObjectId> ids) : ids_(std::move(ids)) {}

  const std::vector<AcDbObjectId>& ids() const { return ids_; }
  std::size_t size() const { return ids_.size(); }
  bool contains(AcDbObjectId id) const;
  // Adds the entity at the end; false when it is a member already.
  bool add(AcDbObjectId id);
  // Removes the entity; false when it was no member.
  bool remove(AcDbObjectId id);

  // A set handed back to AutoLISP is the caller's: no command left it unfreed.
  bool handedOver = false;

private:
  void index() const;

  std::vector<AcDbObjectId> ids_;
  mutable std::unordered_set<AcDbObjectId> members_;
  mutable bool indexed_ = false;
};

// The sets of one document and its pick-first and previous selections.
class SelectionSetTable {
public:
  // A new set holding the ids; its name is written to `name`.
  SelectionSet& create(std::vector<AcDbObjectId> ids, ads_name name);
  // The live set of that name, or null.
  SelectionSet* find(const ads_name name);
  bool free(const ads_name name);
  // The numbers of the live sets not handed over, lowest first.
  std::vector<std::int64_t> ownedNumbers() const;
  void freeNumber(std::int64_t number) { sets_.erase(number); }
  std::size_t liveCount() const { return sets_.size(); }

  std::vector<AcDbObjectId> pickfirst;
  std::vector<AcDbObjectId> previous;

private:
  std::map<std::int64_t, SelectionSet> sets_;
  std::int64_t nextNumber_ = 1;
};

// The sets of the current document (null without one).
SelectionSetTable* currentSelectionSets();

// Marks a set as handed over to AutoLISP (acedRetName with RTPICKS): it
// belongs to the caller from then on and is not reported as left unfreed.
// Answers false for a name that is no live set of the current document.
bool releaseSelectionSetOwnership(const ads_name name);

// Prints the sets still live and not handed over, as a warning on the
// transcript ("; warning: ZEKXY left 2 selection sets unfreed
// (<Selection set: 3>, <Selection set: 4>); the host freed them", or "...
// freed it" for one), frees
// them and answers how many there were. An empty command name stands for
// the end of the run.
int reportUnfreedSelectionSets(std::string_view commandName);

// Writes the entity name of an id into an ads_name parameter (which arrives
// as a pointer); false for a null id.
bool writeEntityName(AcDbObjectId id, std::int64_t* name);

// Whether an ads_name names a selection set (set names have name[1] == 0).
inline bool isSelectionSetName(const ads_name name) {
  return name != nullptr && name[1] == 0 && name[0] > 0;
}

}  // namespace zek
