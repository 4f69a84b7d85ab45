// Helpers the database and DXF tests share: opening objects for a test's
// scope, building small drawings, and DXF text as a list of groups.
#pragma once

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "db_database.h"
#include "zek/dxf_io.h"
#include "zek/result.h"

namespace zek::test {

// An object of a database opened for read (or write) for the test's scope.
template <typename T>
class Opened {
public:
  explicit Opened(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead, bool openErased = false) {
    status_ = acdbOpenObject(object_, id, mode, openErased);
  }
  ~Opened() { close(); }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;

  // Closes early (the destructor then has nothing left to do).
  void close() {
    if (object_ != nullptr)
      (void)object_->close();
    object_ = nullptr;
  }
  [[nodiscard]] Acad::ErrorStatus status() const { return status_; }
  T* operator->() const { return object_; }
  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

private:
  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eOk;
};

// Adds a layer to the drawing and closes it; the null id when it could not be added.
AcDbObjectId addLayer(AcDbDatabase& db, const char* name, bool locked = false);
// Appends an entity to model space and closes it; the null id when it could not be
// appended (the entity is then deleted).
AcDbObjectId appendToModelSpace(AcDbDatabase& db, AcDbEntity* entity);
// The model-space entities that are not erased, in drawing order.
std::vector<AcDbObjectId> modelSpaceIds(AcDbDatabase& db);

// A DXF group as text: its code and its value with surrounding spaces trimmed.
using Group = std::pair<int, std::string>;
using Groups = std::vector<Group>;

// The groups of DXF text (the test fails on a line that is not a group code).
Groups parseGroups(const std::string& dxf);
// DXF text of the groups ("code\nvalue\n" each).
std::string dxfText(const Groups& groups);
// The groups of one object, from its 0 group to the next 0 group.
struct DxfObject {
  std::string type;
  std::string section;
  Groups groups;  // without the 0 group
};
// Every object of the text in file order (SECTION, ENDSEC and EOF left out).
std::vector<DxfObject> dxfObjects(const std::string& dxf);
// The groups (without the 0 group) of the `index`-th object of that type in a
// section; empty when there is none.
Groups objectGroups(const std::string& dxf, const std::string& section, const std::string& type,
                    int index = 0);
// The values of a group code among groups.
std::vector<std::string> valuesOf(const Groups& groups, int code);

// A drawing read from DXF text; the test fails when it cannot be read.
std::unique_ptr<AcDbDatabase> readDxf(const std::string& dxf, std::vector<Failure>* warnings = nullptr);
// The drawing written as DXF (in its own generation without `version`); the
// test fails when it cannot be written.
std::string writeDxf(AcDbDatabase& db, std::optional<DxfVersion> version = std::nullopt);

// The warnings as printed, one a line, for failure messages.
std::string describeAll(const std::vector<Failure>& warnings);

// Points the shipped data folder (searched after the support folders) at
// another folder for the test's scope, so that only the files a test gives
// are found; the program's own shipped folder comes back afterwards.
class ShippedDataElsewhere {
public:
  explicit ShippedDataElsewhere(const std::string& folder) {
    ::setenv("ZEK_DATA", folder.c_str(), 1);
  }
  ~ShippedDataElsewhere() { ::unsetenv("ZEK_DATA"); }
  ShippedDataElsewhere(const ShippedDataElsewhere&) = delete;
  ShippedDataElsewhere& operator=(const ShippedDataElsewhere&) = delete;
};

}  // namespace zek::test
