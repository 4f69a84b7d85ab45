// acedSSGet and acedEntSel beyond the golden scripts: user coordinates,
// what Esc leaves behind, a drawing changed between selections, and the
// spatial index being reused while nothing changed.
#include <gtest/gtest.h>

#include <map>

#include "aced_select.h"
#include "db/testing/db_test_support.h"
#include "db/undo_recorder.h"
#include "db_curves.h"
#include "db_entity.h"
#include "editor/document.h"
#include "editor/editor_hooks.h"
#include "editor/select/select_test_drawing.h"
#include "editor/select/selection_query.h"
#include "editor/select/selection_sets.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

class SsgetTest : public ::testing::Test {
protected:
  void SetUp() override { ids_ = test::buildSelectionPlate(session_.db()); }

  // The names of the plate entities in a set, in set order ("" for none).
  std::string namesIn(const ads_name ss) {
    ads_int32 length = 0;
    if (acedSSLength(ss, &length) != RTNORM)
      return "no set";
    std::string names;
    for (ads_int32 i = 0; i < length; ++i) {
      ads_name entity;
      AcDbObjectId id;
      EXPECT_EQ(acedSSName(ss, i, entity), RTNORM);
      EXPECT_EQ(acdbGetObjectId(id, entity), Acad::eOk);
      for (const auto& [name, known] : ids_)
        if (known == id)
          names += (names.empty() ? "" : " ") + name;
    }
    return names;
  }

  // A window selection's entities, the set freed again; "RTERROR" when none.
  std::string window(const char* mode, const ads_point a, const ads_point b) {
    ads_name ss;
    int code = acedSSGet(mode, a, b, nullptr, ss);
    if (code != RTNORM)
      return code == RTERROR ? "RTERROR" : "another code";
    std::string names = namesIn(ss);
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    return names;
  }

  void moveEntity(const char* name, const AcGeVector3d& by) {
    test::Opened<AcDbEntity> entity(ids_.at(name), AcDb::kForWrite);
    ASSERT_TRUE(entity);
    ASSERT_EQ(entity->transformBy(AcGeMatrix3d::translation(by)), Acad::eOk);
  }

  test::EditorSession session_;
  std::map<std::string, AcDbObjectId> ids_;
};

TEST_F(SsgetTest, WindowCornersAreUserCoordinates) {
  // The UCS origin at world (100, 0): user (-70, 5) is world (30, 5).
  session_.document().setUcs(AcGeMatrix3d::translation(AcGeVector3d(100, 0, 0)));
  const ads_point a = {-70, 5, 0}, b = {-30, 45, 0};
  EXPECT_EQ(window("W", a, b), "hole2");
}

TEST_F(SsgetTest, BadArgumentsAnswerError) {
  ads_name ss;
  const ads_point a = {0, 0, 0};
  EXPECT_EQ(acedSSGet("W", a, nullptr, nullptr, ss), RTERROR) << "a window needs two corners";
  EXPECT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, nullptr), RTERROR) << "nowhere to put the set";
  EXPECT_EQ(acedSSGet(":Q", nullptr, nullptr, nullptr, ss), RTERROR) << "an unknown modifier";
  EXPECT_EQ(acedSSGet("WW", a, a, nullptr, ss), RTERROR) << "an unknown mode";
  EXPECT_EQ(currentSelectionSets()->liveCount(), 0u) << "no set made by a refused call";
}

TEST_F(SsgetTest, EscKeepsNoSetAndLeavesThePreviousSelection) {
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  EXPECT_EQ(window("W", a, b), "hole2");
  session_.feed({"ALL", "^C"});
  ads_name ss;
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
  EXPECT_EQ(currentSelectionSets()->liveCount(), 0u);
  ASSERT_EQ(acedSSGet("P", nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(namesIn(ss), "hole2") << "a cancelled selection is no previous selection";
  EXPECT_EQ(acedSSFree(ss), RTNORM);
}

TEST_F(SsgetTest, TheEndOfInputCancels) {
  ads_name ss;
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
  EXPECT_TRUE(inputEndState().ended);
  EXPECT_EQ(currentSelectionSets()->liveCount(), 0u);
}

TEST_F(SsgetTest, ErasedEntitiesAreNeverSelected) {
  {
    test::Opened<AcDbEntity> hole(ids_.at("hole2"), AcDb::kForWrite);
    ASSERT_EQ(hole->erase(), Acad::eOk);
  }
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  EXPECT_EQ(window("W", a, b), "RTERROR");
  ads_name ss;
  ASSERT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, ss), RTNORM);
  ads_name hole;
  ASSERT_TRUE(writeEntityName(ids_.at("hole2"), hole));
  EXPECT_EQ(acedSSMemb(hole, ss), RTERROR);
  ads_int32 length = 0;
  EXPECT_EQ(acedSSLength(ss, &length), RTNORM);
  EXPECT_EQ(length, 11) << "the whole drawing but the erased hole";
  EXPECT_EQ(acedSSFree(ss), RTNORM);
}

TEST_F(SsgetTest, TheIndexIsBuiltOnceWhileNothingChanges) {
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  ModelSpaceIndex& index = modelSpaceIndexOf(session_.document());
  EXPECT_EQ(window("W", a, b), "hole2");
  EXPECT_EQ(window("C", a, b), "hole2 slot");
  EXPECT_EQ(index.builds(), 1);
  if (editorHooks().commandStarting)
    editorHooks().commandStarting("ZOOM", false);  // a command that changes nothing
  EXPECT_EQ(window("W", a, b), "hole2");
  EXPECT_EQ(index.builds(), 1);
}

TEST_F(SsgetTest, ACommandThatMovedAnEntityIsSeen) {
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  EXPECT_EQ(window("W", a, b), "hole2");
  UndoRecorder& undo = session_.db().undo();
  undo.beginStep();
  moveEntity("hole1", AcGeVector3d(20, 0, 0));  // (20, 20) to (40, 20): inside now
  undo.endStep();
  EXPECT_EQ(window("W", a, b), "hole1 hole2");
  ASSERT_TRUE(undo.undoLastStep());
  EXPECT_EQ(window("W", a, b), "hole2") << "undo puts it back out";
}

TEST_F(SsgetTest, AnUndoFollowedByAnotherChangeIsSeen) {
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  UndoRecorder& undo = session_.db().undo();
  auto command = [&](const char* name, const AcGeVector3d& by) {
    editorHooks().commandStarting("MOVE", false);
    undo.beginStep();
    moveEntity(name, by);
    undo.endStep();
  };
  command("hole1", AcGeVector3d(20, 0, 0));
  EXPECT_EQ(window("W", a, b), "hole1 hole2");
  editorHooks().commandStarting("U", false);
  ASSERT_TRUE(undo.undoLastStep());
  command("label", AcGeVector3d(30, -20, 0));  // as many steps as before the undo
  EXPECT_EQ(window("W", a, b), "hole2 label");
}

TEST_F(SsgetTest, ChangesOutsideCommandsAreSeenWhenNoted) {
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  EXPECT_EQ(window("W", a, b), "hole2");
  moveEntity("hole1", AcGeVector3d(20, 0, 0));
  modelSpaceIndexOf(session_.document()).noteChanged();
  EXPECT_EQ(window("W", a, b), "hole1 hole2");
}

TEST_F(SsgetTest, NewEntitiesAreSeen) {
  const ads_point a = {30, 5, 0}, b = {70, 45, 0};
  EXPECT_EQ(window("W", a, b), "hole2");
  ids_["new"] = test::appendToModelSpace(session_.db(), new AcDbCircle({35, 10, 0}, AcGeVector3d::kZAxis, 1));
  EXPECT_EQ(window("W", a, b), "hole2 new");
}

TEST_F(SsgetTest, EntselAnswersThePickedPointInUserCoordinates) {
  session_.document().setUcs(AcGeMatrix3d::translation(AcGeVector3d(100, 0, 0)));
  session_.feed({"-75,20"});  // world (25, 20), on hole1
  ads_name entity;
  ads_point point;
  ASSERT_EQ(acedEntSel(nullptr, entity, point), RTNORM);
  AcDbObjectId id;
  ASSERT_EQ(acdbGetObjectId(id, entity), Acad::eOk);
  EXPECT_EQ(id, ids_.at("hole1"));
  EXPECT_DOUBLE_EQ(point[0], -75.0);
  EXPECT_DOUBLE_EQ(point[1], 20.0);
  session_.feed({"#25"});  // hole1 by handle: the point is its left quadrant
  ASSERT_EQ(acedEntSel("Pick a hole: ", entity, point), RTNORM);
  EXPECT_DOUBLE_EQ(point[0], 15.0 - 100.0);
  EXPECT_DOUBLE_EQ(point[1], 20.0);
  EXPECT_EQ(session_.take(), "Select object: -75,20\nPick a hole: #25\n");
}

}  // namespace
}  // namespace zek
