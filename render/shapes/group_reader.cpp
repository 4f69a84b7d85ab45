// Kept groups in file order for the area shapes, and their numbers read as
// the DXF reader reads them (decimal commas and spaces allowed).
#include "group_reader.h"

#include "db/kept_object.h"
#include "dxf/number_text.h"

namespace zek::render {
namespace {

constexpr int kSubclassMarker = 100;
const std::string kNoText;

}  // namespace

bool readReal(const std::string& text, double& value) {
  return dxf::parseDouble(text, value) != dxf::NumberParse::Bad;
}

GroupReader::GroupReader(const KeptEntity& entity) {
  const ObjectExtras* extras = entity.extras();
  if (extras == nullptr)
    return;
  for (const KeptSection& section : extras->kept)
    for (const KeptGroup& group : section.groups)
      if (group.code != kSubclassMarker)
        groups_.push_back(&group);
}

int GroupReader::code() const { return atEnd() ? -1 : groups_[next_]->code; }

int GroupReader::codeAhead(std::size_t ahead) const {
  std::size_t at = next_ + ahead;
  return at < groups_.size() ? groups_[at]->code : -1;
}

const std::string& GroupReader::text() const { return atEnd() ? kNoText : groups_[next_]->text; }

bool GroupReader::takeReal(int groupCode, double& value) {
  double read = 0.0;
  if (!at(groupCode) || !readReal(text(), read))
    return false;
  value = read;
  ++next_;
  return true;
}

bool GroupReader::takeInteger(int groupCode, long long& value) {
  long long read = 0;
  if (!at(groupCode) || !dxf::parseInteger(text(), read))
    return false;
  value = read;
  ++next_;
  return true;
}

bool GroupReader::takePoint(int xCode, AcGePoint2d& point) {
  double x = 0.0, y = 0.0;
  if (codeAhead(1) != xCode + 10 || !readReal(groups_[next_ + 1]->text, y) || !takeReal(xCode, x))
    return false;
  ++next_;
  point.set(x, y);
  return true;
}

bool GroupReader::takeTriple(int xCode, AcGeVector3d& value) {
  double z = 0.0;
  AcGePoint2d xy;
  if (codeAhead(2) != xCode + 20 || !readReal(groups_[next_ + 2]->text, z) || !takePoint(xCode, xy))
    return false;
  ++next_;
  value = AcGeVector3d(xy.x, xy.y, z);
  return true;
}

}  // namespace zek::render
