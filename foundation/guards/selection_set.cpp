// SelectionSet: acedSSGet, the set's members as object ids, acedSSFree.
#include "guards/selection_set.h"

#include "db_object.h"

namespace zek::inline foundation {

int SelectionSet::select(const char* mode, const resbuf* filter) {
  return select(mode, nullptr, nullptr, filter);
}

int SelectionSet::select(const char* mode, const ads_point pt1, const ads_point pt2,
                         const resbuf* filter) {
  free();
  const int status = acedSSGet(mode, pt1, pt2, filter, name_);
  held_ = status == RTNORM;
  return status;
}

ads_int32 SelectionSet::length() const {
  ads_int32 count = 0;
  if (!held_ || acedSSLength(name_, &count) != RTNORM)
    return 0;
  return count;
}

std::vector<AcDbObjectId> SelectionSet::objectIds() const {
  std::vector<AcDbObjectId> ids;
  const ads_int32 count = length();
  ids.reserve(static_cast<std::size_t>(count));
  for (ads_int32 i = 0; i < count; ++i) {
    ads_name entity{0, 0};
    AcDbObjectId id;
    if (acedSSName(name_, i, entity) != RTNORM || acdbGetObjectId(id, entity) != Acad::eOk)
      continue;
    ids.push_back(id);
  }
  return ids;
}

void SelectionSet::free() {
  if (!held_)
    return;
  held_ = false;
  acedSSFree(name_);
}

}  // namespace zek::inline foundation
