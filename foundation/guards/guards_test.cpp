// The scope guards: each puts back what it took on every way out of a scope,
// an exception included, and leaves alone what it could not take.
#include <gtest/gtest.h>

#include <stdexcept>

#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "guards/sys_var_guard.h"

namespace zek {
namespace {

short shortVariable(const char* name) {
  resbuf value{};
  EXPECT_EQ(acedGetVar(name, &value), RTNORM) << name;
  EXPECT_EQ(value.restype, RTSHORT) << name;
  return value.resval.rint;
}

void setShortVariable(const char* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << name << " " << value;
}

TEST(GuardsSysVar, SetsForTheScopeAndRestoresAfter) {
  test::EditorSession session;
  setShortVariable("OSMODE", 33);
  {
    SysVarGuard noSnap("OSMODE", 0);
    EXPECT_TRUE(noSnap.saved());
    EXPECT_EQ(noSnap.oldValue(), 33);
    EXPECT_EQ(shortVariable("OSMODE"), 0);
  }
  EXPECT_EQ(shortVariable("OSMODE"), 33);
}

TEST(GuardsSysVar, RestoresWhenAnExceptionUnwinds) {
  test::EditorSession session;
  setShortVariable("ORTHOMODE", 1);
  try {
    SysVarGuard noOrtho("ORTHOMODE", 0);
    EXPECT_EQ(shortVariable("ORTHOMODE"), 0);
    throw std::runtime_error("command failed half way");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(shortVariable("ORTHOMODE"), 1);
}

TEST(GuardsSysVar, NestedGuardsOfOneVariableUnwindInOrder) {
  test::EditorSession session;
  setShortVariable("OSMODE", 5);
  {
    SysVarGuard outer("OSMODE", 0);
    {
      SysVarGuard inner("OSMODE", 512);
      EXPECT_EQ(shortVariable("OSMODE"), 512);
    }
    EXPECT_EQ(shortVariable("OSMODE"), 0);
  }
  EXPECT_EQ(shortVariable("OSMODE"), 5);
}

TEST(GuardsSysVar, AVariableThatDoesNotReadIsLeftAlone) {
  test::EditorSession session;
  SysVarGuard unknown("ZEKNOSUCHVARIABLE", 1);
  EXPECT_FALSE(unknown.saved());
  // A text variable does not read as an integer: never set, never restored.
  resbuf before{};
  ASSERT_EQ(acedGetVar("CLAYER", &before), RTNORM);
  ASSERT_EQ(before.restype, RTSTR);
  const std::string layer = before.resval.rstring;
  acutDelString(before.resval.rstring);
  {
    SysVarGuard notAnInteger("CLAYER", 1);
    EXPECT_FALSE(notAnInteger.saved());
  }
  resbuf after{};
  ASSERT_EQ(acedGetVar("CLAYER", &after), RTNORM);
  EXPECT_EQ(std::string(after.resval.rstring), layer);
  acutDelString(after.resval.rstring);
}

TEST(GuardsSysVar, ARefusedValueLeavesTheOldOneInPlace) {
  test::EditorSession session;
  setShortVariable("ORTHOMODE", 1);
  {
    SysVarGuard outOfRange("ORTHOMODE", 2);  // ORTHOMODE takes 0 or 1 only
    EXPECT_EQ(shortVariable("ORTHOMODE"), 1);
  }
  EXPECT_EQ(shortVariable("ORTHOMODE"), 1);
}

TEST(GuardsResbufList, ReleasesOnEveryWayOut) {
  const std::int64_t live = liveResbufCount();
  {
    ResbufList list(acutBuildList(RTSTR, "ZEKGETPOINT", RTREAL, 20.0, RTSHORT, 10, RTNONE));
    EXPECT_EQ(liveResbufCount(), live + 3);
    EXPECT_EQ(list.get()->restype, RTSTR);
  }
  EXPECT_EQ(liveResbufCount(), live);
  try {
    ResbufList list(acutBuildList(RTSHORT, 1, RTNONE));
    throw std::runtime_error("unwinding");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(liveResbufCount(), live);
}

TEST(GuardsResbufList, ResetOutMoveAndRelease) {
  const std::int64_t live = liveResbufCount();
  ResbufList list(acutBuildList(RTSHORT, 1, RTNONE));
  list.reset(acutBuildList(RTSHORT, 2, RTSHORT, 3, RTNONE));  // the first list goes
  EXPECT_EQ(liveResbufCount(), live + 2);
  resbuf** slot = list.out();  // a host call's result slot: the held list goes first
  EXPECT_EQ(liveResbufCount(), live);
  EXPECT_FALSE(list);
  *slot = acutBuildList(RTREAL, 1.5, RTNONE);
  ResbufList moved(std::move(list));
  EXPECT_FALSE(list);
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved.get()->resval.rreal, 1.5);
  moved = ResbufList(acutBuildList(RTSHORT, 4, RTNONE));  // assigning releases the old
  EXPECT_EQ(liveResbufCount(), live + 1);
  resbuf* kept = moved.release();
  EXPECT_FALSE(moved);
  EXPECT_EQ(liveResbufCount(), live + 1);
  acutRelRb(kept);
  EXPECT_EQ(liveResbufCount(), live);
}

// Two lines along the x axis, far apart: (0,0)-(10,0) and (100,0)-(110,0).
std::vector<AcDbObjectId> drawTwoLines(AcDbDatabase& db) {
  return {test::appendToModelSpace(db, new AcDbLine({0, 0, 0}, {10, 0, 0})),
          test::appendToModelSpace(db, new AcDbLine({100, 0, 0}, {110, 0, 0}))};
}

bool isLiveSet(const ads_name name) {
  ads_int32 length = 0;
  return acedSSLength(name, &length) == RTNORM;
}

TEST(GuardsSelectionSet, HoldsTheSelectionAndFreesItAtTheEnd) {
  test::EditorSession session;
  const std::vector<AcDbObjectId> lines = drawTwoLines(session.db());
  ads_name name{0, 0};
  {
    SelectionSet all;
    ASSERT_EQ(all.select("X"), RTNORM);
    EXPECT_TRUE(all.isHeld());
    EXPECT_EQ(all.length(), 2);
    EXPECT_EQ(all.objectIds(), lines);
    name[0] = all.name()[0];
    name[1] = all.name()[1];
    EXPECT_TRUE(isLiveSet(name));
  }
  EXPECT_FALSE(isLiveSet(name));
}

TEST(GuardsSelectionSet, SelectingAgainFreesTheSetHeldBefore) {
  test::EditorSession session;
  const std::vector<AcDbObjectId> lines = drawTwoLines(session.db());
  SelectionSet picked;
  ASSERT_EQ(picked.select("X"), RTNORM);
  ads_name first{picked.name()[0], picked.name()[1]};
  const ads_point from{-1, -1, 0};
  const ads_point to{11, 1, 0};
  ASSERT_EQ(picked.select("W", from, to, nullptr), RTNORM);
  EXPECT_FALSE(isLiveSet(first));
  EXPECT_EQ(picked.objectIds(), std::vector<AcDbObjectId>{lines[0]});
  // A window that finds nothing holds no set, and the one before is gone.
  ads_name second{picked.name()[0], picked.name()[1]};
  const ads_point emptyFrom{40, 40, 0};
  const ads_point emptyTo{50, 50, 0};
  EXPECT_EQ(picked.select("W", emptyFrom, emptyTo, nullptr), RTERROR);
  EXPECT_FALSE(picked.isHeld());
  EXPECT_FALSE(isLiveSet(second));
  EXPECT_EQ(picked.length(), 0);
  EXPECT_TRUE(picked.objectIds().empty());
}

TEST(GuardsSelectionSet, AFilterAppliesAndAReleasedSetStaysLive) {
  test::EditorSession session;
  drawTwoLines(session.db());
  (void)test::appendToModelSpace(session.db(), new AcDbCircle({0, 0, 0}, {0, 0, 1}, 5));
  ResbufList circlesOnly(acutBuildList(RTDXF0, "CIRCLE", RTNONE));
  ads_name handed{0, 0};
  {
    SelectionSet circles;
    ASSERT_EQ(circles.select("X", circlesOnly.get()), RTNORM);
    EXPECT_EQ(circles.length(), 1);
    handed[0] = circles.name()[0];
    circles.release();  // handed over: the new owner frees it
  }
  EXPECT_TRUE(isLiveSet(handed));
  acedSSFree(handed);
}

TEST(GuardsOpenedEntity, ClosesWhatItOpened) {
  test::EditorSession session;
  const AcDbObjectId line = drawTwoLines(session.db())[0];
  {
    OpenedEntity entity(line, AcDb::kForWrite);
    ASSERT_EQ(entity.status(), Acad::eOk);
    EXPECT_TRUE(entity->isWriteEnabled());
    ASSERT_NE(entity.as<AcDbLine>(), nullptr);
    EXPECT_EQ(entity.as<AcDbCircle>(), nullptr);
    EXPECT_EQ(entity.as<AcDbLine>()->setEndPoint({20, 0, 0}), Acad::eOk);
  }
  // Closed: another writer may open it, and the write was committed.
  test::Opened<AcDbLine> again(line, AcDb::kForWrite);
  ASSERT_EQ(again.status(), Acad::eOk);
  EXPECT_EQ(again->endPoint(), AcGePoint3d(20, 0, 0));
}

TEST(GuardsOpenedEntity, ReaderUpgradesAndClosesEarly) {
  test::EditorSession session;
  const AcDbObjectId line = drawTwoLines(session.db())[0];
  OpenedEntity entity(line, AcDb::kForRead);
  ASSERT_EQ(entity.status(), Acad::eOk);
  EXPECT_FALSE(entity->isWriteEnabled());
  EXPECT_EQ(entity.upgradeOpen(), Acad::eOk);
  EXPECT_TRUE(entity->isWriteEnabled());
  entity.close();
  EXPECT_EQ(entity.get(), nullptr);
  EXPECT_EQ(entity.upgradeOpen(), Acad::eNotOpenForRead);
  test::Opened<AcDbLine> writer(line, AcDb::kForWrite);
  EXPECT_EQ(writer.status(), Acad::eOk);
}

TEST(GuardsOpenedEntity, FailedOpensHoldNothing) {
  test::EditorSession session;
  AcDbDatabase& db = session.db();
  ASSERT_FALSE(test::addLayer(db, "LOCKED", true).isNull());
  auto* onLocked = new AcDbLine({0, 0, 0}, {1, 1, 0});
  ASSERT_EQ(onLocked->setLayer("LOCKED"), Acad::eOk);
  const AcDbObjectId locked = test::appendToModelSpace(db, onLocked);
  {
    OpenedEntity entity(locked, AcDb::kForWrite);
    EXPECT_EQ(entity.status(), Acad::eOnLockedLayer);
    EXPECT_EQ(entity.get(), nullptr);
  }
  {
    // Model space is an object but no entity: it is opened, found to be of
    // another class and closed again.
    OpenedEntity notAnEntity(db.modelSpaceId(), AcDb::kForWrite);
    EXPECT_EQ(notAnEntity.status(), Acad::eNotThatKindOfClass);
    EXPECT_EQ(notAnEntity.get(), nullptr);
  }
  test::Opened<AcDbObject> space(db.modelSpaceId(), AcDb::kForWrite);
  EXPECT_EQ(space.status(), Acad::eOk);
}

}  // namespace
}  // namespace zek
