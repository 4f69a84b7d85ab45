// Selection sets: the per-document table, the set calls of the plug-in
// interface, the pick-first set and the report of unfreed sets.
#include "editor/select/selection_sets.h"

#include <string>

#include "aced_output.h"
#include "aced_select.h"
#include "db/database_core.h"
#include "db_entity.h"
#include "editor/document.h"

namespace zek {

void SelectionSet::index() const {
  if (indexed_)
    return;
  members_.reserve(ids_.size());
  members_.insert(ids_.begin(), ids_.end());
  indexed_ = true;
}

bool SelectionSet::contains(AcDbObjectId id) const {
  index();
  return members_.count(id) != 0;
}

bool SelectionSet::add(AcDbObjectId id) {
  index();
  if (!members_.insert(id).second)
    return false;
  ids_.push_back(id);
  return true;
}

bool SelectionSet::remove(AcDbObjectId id) {
  index();
  if (members_.erase(id) == 0)
    return false;
  std::erase(ids_, id);
  return true;
}

SelectionSet& SelectionSetTable::create(std::vector<AcDbObjectId> ids, ads_name name) {
  std::int64_t number = nextNumber_++;
  name[0] = number;
  name[1] = 0;
  return sets_.emplace(number, SelectionSet(std::move(ids))).first->second;
}

SelectionSet* SelectionSetTable::find(const ads_name name) {
  if (!isSelectionSetName(name))
    return nullptr;
  auto it = sets_.find(name[0]);
  return it == sets_.end() ? nullptr : &it->second;
}

bool SelectionSetTable::free(const ads_name name) {
  if (!isSelectionSetName(name))
    return false;
  return sets_.erase(name[0]) != 0;
}

std::vector<std::int64_t> SelectionSetTable::ownedNumbers() const {
  std::vector<std::int64_t> numbers;
  for (const auto& [number, set] : sets_)
    if (!set.handedOver)
      numbers.push_back(number);
  return numbers;
}

SelectionSetTable* currentSelectionSets() {
  Document* document = currentDocument();
  return document ? &document->state<SelectionSetTable>() : nullptr;
}

bool releaseSelectionSetOwnership(const ads_name name) {
  SelectionSetTable* table = currentSelectionSets();
  SelectionSet* set = table ? table->find(name) : nullptr;
  if (set == nullptr)
    return false;
  set->handedOver = true;
  return true;
}

int reportUnfreedSelectionSets(std::string_view commandName) {
  SelectionSetTable* table = currentSelectionSets();
  if (table == nullptr)
    return 0;
  std::vector<std::int64_t> numbers = table->ownedNumbers();
  if (numbers.empty())
    return 0;
  std::string names;
  for (std::int64_t number : numbers) {
    if (!names.empty())
      names += ", ";
    names += "<Selection set: " + std::to_string(number) + ">";
    table->freeNumber(number);
  }
  std::string who = commandName.empty() ? std::string("the run") : std::string(commandName);
  const bool one = numbers.size() == 1;
  acutPrintf("\n; warning: %s left %zu selection set%s unfreed (%s); the host freed %s", who.c_str(),
             numbers.size(), one ? "" : "s", names.c_str(), one ? "it" : "them");
  return static_cast<int>(numbers.size());
}

bool writeEntityName(AcDbObjectId id, std::int64_t* name) {
  ads_name made = {0, 0};
  if (name == nullptr || acdbGetAdsName(made, id) != Acad::eOk)
    return false;
  name[0] = made[0];
  name[1] = made[1];
  return true;
}

// The entity an entity name names, or the null id (no such object, or no entity).
static AcDbObjectId entityOfName(const ads_name name) {
  AcDbObjectId id;
  if (name == nullptr || isSelectionSetName(name) || acdbGetObjectId(id, name) != Acad::eOk)
    return AcDbObjectId();
  if (id.stub() == nullptr || AcDbEntity::cast(id.stub()->object) == nullptr)
    return AcDbObjectId();
  return id;
}

}  // namespace zek

using zek::currentSelectionSets;
using zek::SelectionSet;
using zek::SelectionSetTable;

int acedSSLength(const ads_name ss, ads_int32* len) {
  SelectionSetTable* table = currentSelectionSets();
  SelectionSet* set = table ? table->find(ss) : nullptr;
  if (set == nullptr || len == nullptr)
    return RTERROR;
  *len = static_cast<ads_int32>(set->size());
  return RTNORM;
}

int acedSSName(const ads_name ss, ads_int32 i, ads_name entres) {
  zek::SelectionSetTable* table = currentSelectionSets();
  SelectionSet* set = table ? table->find(ss) : nullptr;
  if (set == nullptr || entres == nullptr || i < 0 || static_cast<std::size_t>(i) >= set->size())
    return RTERROR;
  return zek::writeEntityName(set->ids()[static_cast<std::size_t>(i)], entres) ? RTNORM : RTERROR;
}

int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result) {
  zek::SelectionSetTable* table = currentSelectionSets();
  if (table == nullptr || result == nullptr)
    return RTERROR;
  AcDbObjectId id;
  if (ename != nullptr) {
    id = zek::entityOfName(ename);
    if (id.isNull())
      return RTERROR;
  }
  if (ss == nullptr) {
    std::vector<AcDbObjectId> ids;
    if (!id.isNull())
      ids.push_back(id);
    table->create(std::move(ids), result);
    return RTNORM;
  }
  SelectionSet* set = table->find(ss);
  if (set == nullptr)
    return RTERROR;
  if (!id.isNull())
    set->add(id);
  result[0] = ss[0];
  result[1] = ss[1];
  return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  zek::SelectionSetTable* table = currentSelectionSets();
  SelectionSet* set = table ? table->find(ss) : nullptr;
  AcDbObjectId id = zek::entityOfName(ename);
  if (set == nullptr || id.isNull())
    return RTERROR;
  return set->remove(id) ? RTNORM : RTERROR;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  zek::SelectionSetTable* table = currentSelectionSets();
  SelectionSet* set = table ? table->find(ss) : nullptr;
  AcDbObjectId id = zek::entityOfName(ename);
  if (set == nullptr || id.isNull())
    return RTERROR;
  return set->contains(id) ? RTNORM : RTERROR;
}

int acedSSFree(const ads_name sname) {
  zek::SelectionSetTable* table = currentSelectionSets();
  return table != nullptr && table->free(sname) ? RTNORM : RTERROR;
}

int acedSSSetFirst(const ads_name pset, const ads_name) {
  zek::SelectionSetTable* table = currentSelectionSets();
  if (table == nullptr)
    return RTERROR;
  if (pset == nullptr) {
    table->pickfirst.clear();
    return RTNORM;
  }
  SelectionSet* set = table->find(pset);
  if (set == nullptr)
    return RTERROR;
  table->pickfirst = set->ids();
  return RTNORM;
}

int acedSSGetFirst(resbuf** gset, resbuf** pset) {
  zek::SelectionSetTable* table = currentSelectionSets();
  if (table == nullptr)
    return RTERROR;
  std::erase_if(table->pickfirst, [](AcDbObjectId id) { return id.isErased(); });
  if (gset != nullptr)
    *gset = acutNewRb(RTNONE);
  if (pset != nullptr) {
    if (table->pickfirst.empty()) {
      *pset = acutNewRb(RTNONE);
    } else {
      *pset = acutNewRb(RTPICKS);
      table->create(table->pickfirst, (*pset)->resval.rlname);
    }
  }
  return RTNORM;
}
