// The set calls: names, membership, adding and removing, freeing, sets of
// one document only, the pick-first set and the report of unfreed sets.
#include "editor/select/selection_sets.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "aced_select.h"
#include "db/testing/db_test_support.h"
#include "db_entity.h"
#include "editor/document.h"
#include "editor/select/select_test_drawing.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

class SelectionSetsTest : public ::testing::Test {
protected:
  void SetUp() override { ids_ = test::buildSelectionPlate(session_.db()); }
  void nameOf(const char* entity, ads_name name) { ASSERT_TRUE(writeEntityName(ids_.at(entity), name)); }
  static ads_int32 lengthOf(const ads_name ss) {
    ads_int32 length = -1;
    EXPECT_EQ(acedSSLength(ss, &length), RTNORM);
    return length;
  }

  test::EditorSession session_;
  std::map<std::string, AcDbObjectId> ids_;
};

TEST_F(SelectionSetsTest, SetNamesAreNoEntityNames) {
  ads_name hole, ss;
  nameOf("hole1", hole);
  ASSERT_EQ(acedSSAdd(hole, nullptr, ss), RTNORM);
  EXPECT_EQ(ss[0], 1) << "the document's first set";
  EXPECT_EQ(ss[1], 0) << "set names carry 0 where entity names carry their drawing";
  EXPECT_NE(hole[1], 0);
  AcDbObjectId id;
  EXPECT_NE(acdbGetObjectId(id, ss), Acad::eOk) << "a set's name names no object";
  EXPECT_EQ(acedSSAdd(ss, nullptr, ss), RTERROR) << "a set is no entity to add";
  EXPECT_EQ(acedSSFree(ss), RTNORM);
}

TEST_F(SelectionSetsTest, AddDeleteMembershipAndNames) {
  ads_name ss, hole1, hole2, arc, result;
  nameOf("hole1", hole1);
  nameOf("hole2", hole2);
  nameOf("arc", arc);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM) << "null names make a new empty set";
  EXPECT_EQ(lengthOf(ss), 0);
  ASSERT_EQ(acedSSAdd(hole1, ss, result), RTNORM);
  EXPECT_EQ(result[0], ss[0]) << "result names the set added to";
  ASSERT_EQ(acedSSAdd(hole2, ss, result), RTNORM);
  ASSERT_EQ(acedSSAdd(hole1, ss, result), RTNORM) << "adding a member again is no error";
  EXPECT_EQ(lengthOf(ss), 2) << "...and adds nothing";
  EXPECT_EQ(acedSSMemb(hole2, ss), RTNORM);
  EXPECT_EQ(acedSSMemb(arc, ss), RTERROR);

  ads_name second;
  ASSERT_EQ(acedSSName(ss, 1, second), RTNORM);
  EXPECT_EQ(second[0], hole2[0]) << "members keep the order they were added in";
  EXPECT_EQ(acedSSName(ss, 2, second), RTERROR) << "past the end";
  EXPECT_EQ(acedSSName(ss, -1, second), RTERROR);

  EXPECT_EQ(acedSSDel(hole1, ss), RTNORM);
  EXPECT_EQ(acedSSDel(hole1, ss), RTERROR) << "no member any more";
  ASSERT_EQ(acedSSName(ss, 0, second), RTNORM);
  EXPECT_EQ(second[0], hole2[0]) << "the rest moves up";
  EXPECT_EQ(lengthOf(ss), 1);

  EXPECT_EQ(acedSSFree(ss), RTNORM);
  ads_int32 length = 0;
  EXPECT_EQ(acedSSLength(ss, &length), RTERROR) << "a freed set is gone";
  EXPECT_EQ(acedSSFree(ss), RTERROR) << "freed twice";
}

TEST_F(SelectionSetsTest, NamesOfObjectsThatAreNoEntitiesAreRefused) {
  ads_name layer, ss;
  ASSERT_EQ(acdbGetAdsName(layer, session_.db().layerZero()), Acad::eOk);
  EXPECT_EQ(acedSSAdd(layer, nullptr, ss), RTERROR);
  ads_name nothing = {0x7FFFFF, layer[1]};
  EXPECT_EQ(acedSSAdd(nothing, nullptr, ss), RTERROR) << "no object of that handle";
}

TEST_F(SelectionSetsTest, SetsBelongToTheirDocument) {
  ads_name hole, ss;
  nameOf("hole1", hole);
  ASSERT_EQ(acedSSAdd(hole, nullptr, ss), RTNORM);
  Document* other = DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  ads_int32 length = 0;
  EXPECT_EQ(acedSSLength(ss, &length), RTERROR) << "another document knows no such set";
  ads_name fresh;
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, fresh), RTNORM);
  EXPECT_EQ(fresh[0], 1) << "each document counts its own sets";
  DocumentManager::instance().close(other);
  EXPECT_EQ(acedSSLength(ss, &length), RTNORM) << "the first document's set is still there";
  EXPECT_EQ(acedSSFree(ss), RTNORM);
}

TEST_F(SelectionSetsTest, UnfreedSetsAreReportedFreedAndCountedOnce) {
  ads_name a, b, c;
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, a), RTNORM);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, b), RTNORM);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, c), RTNORM);
  EXPECT_TRUE(releaseSelectionSetOwnership(b)) << "handed back to AutoLISP";
  EXPECT_EQ(reportUnfreedSelectionSets("ZEKXY"), 2);
  EXPECT_EQ(session_.take(),
            "; warning: ZEKXY left 2 selection sets unfreed (<Selection set: 1>, <Selection set: 3>); "
            "the host freed them");
  ads_int32 length = 0;
  EXPECT_EQ(acedSSLength(a, &length), RTERROR) << "the report frees what it reports";
  EXPECT_EQ(acedSSLength(b, &length), RTNORM) << "the handed-over set is the caller's";
  EXPECT_EQ(reportUnfreedSelectionSets("ZEKXY"), 0) << "nothing twice";
  EXPECT_EQ(session_.take(), "");
  ads_name unknown = {99, 0};
  EXPECT_FALSE(releaseSelectionSetOwnership(unknown));
  EXPECT_EQ(acedSSFree(b), RTNORM);
}

TEST_F(SelectionSetsTest, TheEndOfTheRunNamesNoCommand) {
  ads_name a;
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, a), RTNORM);
  EXPECT_EQ(reportUnfreedSelectionSets(""), 1);
  EXPECT_EQ(session_.take(),
            "; warning: the run left 1 selection set unfreed (<Selection set: 1>); the host freed it");
}

TEST_F(SelectionSetsTest, PickfirstSetIsCopiedInAndOut) {
  ads_name hole1, hole2, ss;
  nameOf("hole1", hole1);
  nameOf("hole2", hole2);
  ASSERT_EQ(acedSSAdd(hole1, nullptr, ss), RTNORM);
  ads_name result;
  ASSERT_EQ(acedSSAdd(hole2, ss, result), RTNORM);
  ASSERT_EQ(acedSSSetFirst(ss, nullptr), RTNORM);
  ASSERT_EQ(acedSSFree(ss), RTNORM) << "the pick-first set is a copy";

  {
    test::Opened<AcDbEntity> erased(ids_.at("hole1"), AcDb::kForWrite);
    ASSERT_EQ(erased->erase(), Acad::eOk);
  }
  resbuf* gripped = nullptr;
  resbuf* pickfirst = nullptr;
  ASSERT_EQ(acedSSGetFirst(&gripped, &pickfirst), RTNORM);
  ASSERT_NE(gripped, nullptr);
  EXPECT_EQ(gripped->restype, RTNONE);
  ASSERT_NE(pickfirst, nullptr);
  ASSERT_EQ(pickfirst->restype, RTPICKS);
  EXPECT_EQ(lengthOf(pickfirst->resval.rlname), 1) << "an erased member is left out";
  EXPECT_EQ(acedSSMemb(hole2, pickfirst->resval.rlname), RTNORM);
  EXPECT_EQ(acedSSFree(pickfirst->resval.rlname), RTNORM);
  acutRelRb(gripped);
  acutRelRb(pickfirst);

  ASSERT_EQ(acedSSSetFirst(nullptr, nullptr), RTNORM);
  ASSERT_EQ(acedSSGetFirst(nullptr, &pickfirst), RTNORM);
  EXPECT_EQ(pickfirst->restype, RTNONE) << "cleared";
  acutRelRb(pickfirst);
}

}  // namespace
}  // namespace zek
