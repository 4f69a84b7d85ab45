// Helpers the curve tests share: drawings from DXF text, the groups of an
// entity in written DXF, opening entities for a test's scope, and binary
// filer round trips.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "db/memory_filer.h"
#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::test {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = kPi / 2.0;
constexpr double kTwoPi = 2.0 * kPi;

using Group = std::pair<int, std::string>;
using Groups = std::vector<Group>;

// DXF text of the groups ("code\nvalue\n" each).
std::string dxfText(const Groups& groups);

// A drawing whose ENTITIES section holds `entities` (the groups of one or
// more entities, each starting with its 0 group). With an $ACADVER the file
// starts with a HEADER giving it ("AC1009" for R12, "AC1015" for R2000).
std::unique_ptr<AcDbDatabase> readEntities(const Groups& entities, const char* acadver = nullptr);

// The model-space entities of a drawing in drawing order.
std::vector<AcDbObjectId> modelSpaceIds(AcDbDatabase& db);

// The drawing written as DXF of that generation (the test fails if it cannot be).
std::string writeDxf(AcDbDatabase& db, DxfVersion version);

// The groups of the `index`-th entity of that type in the ENTITIES section of
// DXF text, without its 0 group; empty when there is none.
Groups entityGroups(const std::string& dxf, const std::string& type, int index = 0);
// The values of a group code among groups.
std::vector<std::string> valuesOf(const Groups& groups, int code);
// The position of the first group with that code and value, or -1.
int positionOf(const Groups& groups, int code, const std::string& value);

// An entity of a database opened for read (or write) for the test's scope.
template <typename T>
class Opened {
public:
  Opened(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead) {
    status_ = acdbOpenObject(object_, id, mode);
  }
  ~Opened() {
    if (object_ != nullptr)
      object_->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  Acad::ErrorStatus status() const { return status_; }
  T* operator->() const { return object_; }
  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

private:
  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eOk;
};

// A copy of an object through the binary filer: dwgOutFields of the source,
// dwgInFields into a fresh object of the same class.
template <typename T>
std::unique_ptr<T> dwgCopy(const T& source) {
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  EXPECT_EQ(source.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  auto copy = std::make_unique<T>();
  EXPECT_EQ(copy->dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd()) << "the copy read less than the source wrote";
  return copy;
}

// Points compared within a tolerance, with the points in the failure message.
::testing::AssertionResult pointsNear(const AcGePoint3d& actual, const AcGePoint3d& expected,
                                      double tol = 1e-9);

}  // namespace zek::test
