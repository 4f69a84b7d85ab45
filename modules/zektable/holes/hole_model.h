// The hole model of one table run: hole groups keyed by radius, shape, layer
// key and colour, the holes of each group, and the short texts that label
// them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "db_core.h"
#include "ge_point.h"

namespace zek::table {

enum HoleShape : int { kCircleHole = 1, kArcHole = 2 };

enum HoleRole : int {
  kRoleNew = 0,
  kRoleSingle = 1,
  kRoleChainMember = 2,
  kRoleChainHead = 3,
  kRolePairOuter = 4,
  kRoleExcluded = 100,
};

struct HoleGroupKey {
  double radius = 0;
  int shape = kCircleHole;
  int layerKey = 0;
  int colour = 256;  // the entity's own colour number, 256 for BYLAYER
};

// Radius first (radii within 0.01 are equal and the next field decides),
// then shape, layer key and colour.
struct HoleGroupKeyLess {
  bool operator()(const HoleGroupKey& a, const HoleGroupKey& b) const {
    if (a.radius + 0.01 < b.radius)
      return true;
    if (b.radius + 0.01 < a.radius)
      return false;
    if (a.shape != b.shape)
      return a.shape < b.shape;
    if (a.layerKey != b.layerKey)
      return a.layerKey < b.layerKey;
    return a.colour < b.colour;
  }
};

struct HoleGroup;

struct HoleRecord {
  AcDbObjectId id;
  AcGePoint3d centre;  // world
  double radius = 0;
  int role = kRoleNew;
  int pairingValue = 0;
  int concentricCount = 1;
  HoleRecord* next = nullptr;      // the next larger hole at this centre
  HoleRecord* previous = nullptr;  // the next smaller one
  const HoleGroupKey* groupKey = nullptr;
  HoleGroup* group = nullptr;  // the group that holds it
  int matchCounter = 0;

  bool isExcluded() const { return role == kRoleExcluded; }
};

struct HoleGroup {
  std::string layerName;  // of its first hole
  std::vector<HoleRecord> holes;  // in insertion order
  bool hidden = false;            // every hole excluded
};

using HoleGroups = std::map<HoleGroupKey, HoleGroup, HoleGroupKeyLess>;

struct HoleLabel {
  AcDbObjectId id;
  std::string text;      // at most 4 characters
  AcGePoint3d position;  // insertion point, world
  int height1000 = 0;    // height × 1000, truncated
  std::string layer;     // the text's layer (the table is drawn on the first label's)
  std::string prefix;    // leading non-digit characters, at most 5
  int number = -1;       // the integer after the prefix, -1 when there is none

  double height() const { return height1000 * 0.001; }
};

using HoleLabels = std::vector<HoleLabel>;

}  // namespace zek::table
