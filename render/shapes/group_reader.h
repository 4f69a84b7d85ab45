// Reading a kept entity's groups in file order: the groups of every kept
// section joined, subclass markers left out. Numbers are taken only when
// the next group has the expected code and holds a finite number, so a
// record read step by step stops at the first group out of place.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ge_geometry.h"

namespace zek {
class KeptEntity;
struct KeptGroup;
}  // namespace zek

namespace zek::render {

class GroupReader {
public:
  // The kept groups of the entity (none when it keeps nothing); the entity
  // must outlive the reader.
  explicit GroupReader(const KeptEntity& entity);

  bool atEnd() const { return next_ >= groups_.size(); }
  std::size_t remaining() const { return groups_.size() - next_; }
  // The code of the next group; -1 at the end.
  int code() const;
  // The code `ahead` groups after the next one; -1 past the end.
  int codeAhead(std::size_t ahead) const;
  bool at(int groupCode) const { return code() == groupCode; }
  // The text of the next group (empty at the end).
  const std::string& text() const;
  void skip() {
    if (!atEnd())
      ++next_;
  }

  // Each take answers false and takes nothing unless the next group has
  // `groupCode` and a value of the kind asked for.
  [[nodiscard]] bool takeReal(int groupCode, double& value);
  [[nodiscard]] bool takeInteger(int groupCode, long long& value);
  // An x group then its y group (code + 10): both or nothing.
  [[nodiscard]] bool takePoint(int xCode, AcGePoint2d& point);
  // An x, y, z triple (codes c, c + 10, c + 20): both or nothing.
  [[nodiscard]] bool takeTriple(int xCode, AcGeVector3d& value);

private:
  std::vector<const KeptGroup*> groups_;
  std::size_t next_ = 0;
};

// The value of a group text as a finite real; false for anything else.
[[nodiscard]] bool readReal(const std::string& text, double& value);

}  // namespace zek::render
