// Helpers of the R12 form tests: drawings from DXF text, their R12 copies
// read back, opened entities and the entities of written DXF text.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "db_block.h"
#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::dxf::test {

constexpr double kPi = 3.141592653589793;

using Group = std::pair<int, std::string>;
using Groups = std::vector<Group>;

inline std::string dxfText(const Groups& groups) {
  std::string text;
  for (const auto& [code, value] : groups)
    text += std::to_string(code) + "\n" + value + "\n";
  return text;
}

// An R2000 drawing whose ENTITIES section holds these groups.
inline std::unique_ptr<AcDbDatabase> readDrawing(const Groups& entities) {
  Groups file = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"}, {0, "ENDSEC"},
                 {0, "SECTION"}, {2, "ENTITIES"}};
  file.insert(file.end(), entities.begin(), entities.end());
  file.insert(file.end(), {{0, "ENDSEC"}, {0, "EOF"}});
  auto read = readDxfString(dxfText(file), "plate.dxf");
  if (!read.ok()) {
    ADD_FAILURE() << read.failure().describe();
    return nullptr;
  }
  return std::move(read).value();
}

struct R12Copy {
  std::string text;
  std::vector<std::string> notes;
  std::unique_ptr<AcDbDatabase> reread;
};

// The drawing written as R12 and read back.
inline R12Copy writeR12(AcDbDatabase& db) {
  R12Copy copy;
  DxfWriteOptions options;
  options.version = DxfVersion::R12;
  options.notes = &copy.notes;
  auto written = writeDxfString(db, options);
  if (!written.ok()) {
    ADD_FAILURE() << written.failure().describe();
    return copy;
  }
  copy.text = written.value();
  auto reread = readDxfString(copy.text, "plate-r12.dxf");
  if (!reread.ok())
    ADD_FAILURE() << reread.failure().describe();
  else
    copy.reread = std::move(reread).value();
  return copy;
}

inline std::vector<AcDbObjectId> modelSpace(AcDbDatabase& db) {
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead) != Acad::eOk)
    return {};
  std::vector<AcDbObjectId> ids = space->entityIds();
  space->close();
  return ids;
}

// An object opened for read for the test's scope.
template <typename T>
class Opened {
public:
  explicit Opened(AcDbObjectId id) { status_ = acdbOpenObject(object_, id, AcDb::kForRead); }
  ~Opened() {
    if (object_)
      object_->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

private:
  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eOk;
};

// The entities of the ENTITIES section of DXF text: type and groups.
struct FiledEntity {
  std::string type;
  Groups groups;
  std::vector<std::string> values(int code) const {
    std::vector<std::string> found;
    for (const auto& [c, v] : groups)
      if (c == code)
        found.push_back(v);
    return found;
  }
};

inline std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  const auto last = text.find_last_not_of(" \t\r");
  return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

inline std::vector<FiledEntity> filedEntities(const std::string& dxf, const std::string& section = "ENTITIES") {
  std::istringstream in(dxf);
  std::string code, value, lastSection;
  std::vector<FiledEntity> entities;
  bool inside = false, sectionName = false;
  while (std::getline(in, code) && std::getline(in, value)) {
    const int c = std::stoi(trimmed(code));
    const std::string v = trimmed(value);
    if (sectionName && c == 2) {
      inside = v == section;
      sectionName = false;
      continue;
    }
    if (c == 0) {
      sectionName = v == "SECTION";
      if (v == "ENDSEC")
        inside = false;
      if (inside)
        entities.push_back({v, {}});
      continue;
    }
    if (inside && !entities.empty())
      entities.back().groups.emplace_back(c, v);
  }
  return entities;
}

// Points within 1e-9 of each other, both in the failure message.
inline ::testing::AssertionResult near(const AcGePoint3d& actual, const AcGePoint3d& expected,
                                       double tolerance = 1e-9) {
  if (actual.distanceTo(expected) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.z
                                       << ") instead of (" << expected.x << ", " << expected.y
                                       << ", " << expected.z << ")";
}

}  // namespace zek::dxf::test
