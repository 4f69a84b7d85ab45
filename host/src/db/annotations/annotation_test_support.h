// Helpers of the annotation tests: drawings from DXF text, the entities of
// model space, opened entities that close themselves, and the groups of one
// entity in written DXF text.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db_block.h"
#include "db/database_core.h"
#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::test {

// A DXF file holding only an ENTITIES section with `entities` (groups as
// "code\nvalue\n" lines).
inline std::string entitiesDxf(const std::string& entities) {
  return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

// An R2000 file: header with $ACADVER AC1015, then the ENTITIES section.
inline std::string r2000Dxf(const std::string& entities) {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n" + entitiesDxf(entities);
}

inline std::unique_ptr<AcDbDatabase> readDrawing(const std::string& text) {
  auto read = readDxfString(text, "test.dxf");
  if (!read.ok()) {
    ADD_FAILURE() << "the drawing did not read: " << read.failure().describe();
    return nullptr;
  }
  return std::move(read.value());
}

inline std::string writeDrawing(AcDbDatabase& db, DxfVersion version) {
  DxfWriteOptions options;
  options.version = version;
  auto written = writeDxfString(db, options);
  if (!written.ok()) {
    ADD_FAILURE() << "the drawing did not write: " << written.failure().describe();
    return {};
  }
  return written.value();
}

inline std::vector<AcDbObjectId> modelSpaceIds(const AcDbDatabase& db) {
  auto* space = peekObject<AcDbBlockTableRecord>(db.modelSpaceId());
  return space ? space->entityIds() : std::vector<AcDbObjectId>{};
}

// An entity opened for read (or write) that is closed when the holder goes.
template <typename T>
class Opened {
public:
  Opened(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead) {
    status_ = acdbOpenObject(object_, id, mode);
  }
  ~Opened() {
    if (object_)
      object_->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  T* operator->() const { return object_; }
  T* get() const { return object_; }
  Acad::ErrorStatus status() const { return status_; }
  explicit operator bool() const { return object_ != nullptr; }

private:
  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eOk;
};

using Groups = std::vector<std::pair<int, std::string>>;

// The groups of the `nth` entity of `type` in DXF text (its 0 group left
// out), values trimmed of surrounding spaces and carriage returns.
inline Groups entityGroups(const std::string& dxf, const std::string& type, int nth = 0) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < dxf.size()) {
    std::size_t end = dxf.find('\n', start);
    if (end == std::string::npos)
      end = dxf.size();
    std::string line = dxf.substr(start, end - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
      line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  auto trimmed = [](std::string s) {
    std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
  };
  Groups groups;
  int seen = -1;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    int code = std::stoi(lines[i]);
    if (code == 0) {
      if (seen == nth)
        break;
      if (trimmed(lines[i + 1]) == type)
        ++seen;
      continue;
    }
    if (seen == nth)
      groups.emplace_back(code, trimmed(lines[i + 1]));
  }
  return groups;
}

// The values of one group code within an entity's groups, in order.
inline std::vector<std::string> valuesOf(const Groups& groups, int code) {
  std::vector<std::string> values;
  for (const auto& [c, v] : groups)
    if (c == code)
      values.push_back(v);
  return values;
}

// The position of the first group with this code and value, or -1.
inline int indexOf(const Groups& groups, int code, const std::string& value) {
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i].first == code && groups[i].second == value)
      return static_cast<int>(i);
  return -1;
}

}  // namespace zek::test
