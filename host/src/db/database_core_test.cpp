// Tests of the handle index of the database core: the highest handle a stub
// holds, handles beyond it naming nothing, the erased flag beside the handle,
// and handles met out of order inside the room made for a file's handles.
#include "db/database_core.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "db_curves.h"
#include "db_object.h"

namespace zek::test {
namespace {

constexpr std::uint64_t kTop = (std::uint64_t(1) << 63) - 1;  // the highest handle a stub holds

struct HandleCase {
  const char* name;
  std::uint64_t handle;
  bool named;  // whether the handle gets an id
};
constexpr HandleCase kHandleCases[] = {
    {"a usual small handle", 0x4F, true},
    {"the highest handle a stub holds keeps every bit", kTop, true},
    {"one past it names nothing (it would read back as handle 0)", kTop + 1, false},
    {"a handle with the top bit set never aliases a small one", kTop + 1 + 0x4F, false},
    {"the largest handle names nothing", ~std::uint64_t(0), false},
};

TEST(HandleIndex, HandlesAtOrAboveTheStubLimitNameNothing) {
  for (const HandleCase& c : kHandleCases) {
    AcDbDatabase db;
    AcDbObjectId id;
    const Acad::ErrorStatus es = db.getAcDbObjectId(id, true, AcDbHandle(c.handle));
    if (c.named) {
      EXPECT_EQ(es, Acad::eOk) << c.name;
      EXPECT_EQ(id.handle().value(), c.handle) << c.name;
      EXPECT_EQ(db.core().stubForHandle(c.handle, false), id.stub()) << c.name;
    } else {
      EXPECT_EQ(es, Acad::eUnknownHandle) << c.name;
      EXPECT_TRUE(id.isNull()) << c.name;
      EXPECT_EQ(db.core().stubForHandle(c.handle & kTop, false), nullptr)
          << c.name << ": no stub under the handle's low bits";
    }
  }
}

TEST(HandleIndex, AddingAnObjectBeyondTheStubLimitLeavesItTheCallers) {
  AcDbDatabase db;
  auto line = std::make_unique<AcDbLine>(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbObjectId id;
  EXPECT_EQ(db.core().addObject(line.get(), AcDbObjectId(), id, kTop + 1), Acad::eInvalidInput);
  EXPECT_TRUE(id.isNull());
  EXPECT_EQ(line->stub(), nullptr) << "the object was not attached to the database";
}

TEST(HandleIndex, ErasingKeepsTheHandleAndTheHandleKeepsTheErasedState) {
  AcDbDatabase db;
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbObjectId id;
  ASSERT_EQ(db.core().addObject(line, AcDbObjectId(), id, kTop), Acad::eOk);
  AcDbObject* opened = nullptr;
  ASSERT_EQ(acdbOpenAcDbObject(opened, id, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(opened->erase(), Acad::eOk);
  EXPECT_EQ(opened->close(), Acad::eOk);
  EXPECT_TRUE(id.isErased());
  EXPECT_EQ(id.handle().value(), kTop) << "the erased flag must not spill into the handle";
  ASSERT_EQ(acdbOpenAcDbObject(opened, id, AcDb::kForWrite, true), Acad::eOk);
  EXPECT_EQ(opened->erase(false), Acad::eOk);
  EXPECT_EQ(opened->close(), Acad::eOk);
  EXPECT_FALSE(id.isErased());
  EXPECT_EQ(id.handle().value(), kTop);
}

TEST(HandleIndex, HandlesMetFromTheTopDownInsideTheExpectedRoomAreAllFound) {
  // A file's blocks often carry its highest handles and come before the
  // objects with the low ones.
  AcDbDatabase db;
  DatabaseCore& core = db.core();
  const std::uint64_t first = core.nextHandle() + 100000;
  core.expectHandles(first + 1);
  for (std::uint64_t h = first; h > first - 5000; --h)
    ASSERT_NE(core.stubForHandle(h, true), nullptr) << "handle " << h;
  for (std::uint64_t h = first; h > first - 5000; --h) {
    ObjectStub* stub = core.stubForHandle(h, false);
    ASSERT_NE(stub, nullptr) << "handle " << h;
    EXPECT_EQ(std::uint64_t{stub->handle}, h);
  }
  EXPECT_EQ(core.stubForHandle(first - 5000, false), nullptr) << "a handle never met";
}

}  // namespace
}  // namespace zek::test
