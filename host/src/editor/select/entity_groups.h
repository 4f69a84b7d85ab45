// The DXF groups of one entity as selection filters see them: type, layer,
// colour, linetype and space straight from the entity, every other group
// from the entity filing itself (as DXF would hold it, angles in radians),
// with the defaults a file leaves out (colour 256 BYLAYER, linetype BYLAYER,
// model space, thickness 0 ...).
#pragma once

#include <string>
#include <vector>

#include "ge_geometry.h"

class AcDbEntity;

namespace zek {

// One group value. Numbers kept as text (groups the host keeps as the file
// wrote them) are read as numbers too.
struct GroupValue {
  int code = 0;
  std::string text;      // text groups; handles in hex
  double number = 0.0;   // numeric groups
  AcGePoint3d point;     // point groups
  bool isNumber = false;
  bool isPoint = false;
};

class EntityGroups {
public:
  // The entity must stay open for read while its groups are asked for.
  explicit EntityGroups(const AcDbEntity& entity);

  // The entity's values of a group code (none when it has no such group and
  // no default).
  std::vector<const GroupValue*> valuesOf(int code);
  // The application names of the entity's extended data (its 1001 groups).
  std::vector<std::string> xdataApplications() const;

private:
  void directOnce();
  void fileOnce();
  static bool isDirectCode(int code);

  const AcDbEntity& entity_;
  std::vector<GroupValue> direct_;
  std::vector<GroupValue> filed_;
  bool directDone_ = false;
  bool filedDone_ = false;
};

// The value of a group given as text, read as the group code holds it:
// numbers parsed (nothing parsed leaves isNumber false), text kept.
GroupValue groupValueFromText(int code, const std::string& text);

}  // namespace zek
