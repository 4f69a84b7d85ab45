// ZEKDCC's leaders as the drawing holds them: the points, the note, and the
// arrow size and text placement they were drawn with (DIMASZ halved, DIMTAD
// 1), recorded on the leader where they differ from its style.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "aced_lisp.h"
#include "db/testing/db_test_support.h"
#include "db_leader.h"
#include "db_text.h"
#include "editor/testing/editor_test_support.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

// The (code, value) pairs of the leader's DSTYLE data, as "code=value".
std::vector<std::string> overridesOf(const AcDbLeader& leader) {
  std::vector<std::string> pairs;
  resbuf* data = leader.xData("ACAD");
  for (resbuf* rb = data; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 1070 && rb->rbnext != nullptr) {
      resbuf* value = rb->rbnext;
      std::string text = value->restype == 1040 ? std::to_string(value->resval.rreal)
                                                : std::to_string(value->resval.rint);
      pairs.push_back(std::to_string(rb->resval.rint) + "=" + text);
      rb = value;
    }
  }
  acutRelRb(data);
  return pairs;
}

class ZekdccLeader : public ::testing::Test {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekleaderdcc", true), RTNORM);
  }
  void TearDown() override { unloadAllModules(); }
};

TEST_F(ZekdccLeader, DrawnWithHalfTheArrowAndTextAbove) {
  test::EditorSession session;
  // DIMASZ 3 and DIMTAD 0 in the drawing; the leader is drawn with 1.5 and 1.
  // The second line makes the box (0,0)-(100,60), so the chamfer lies to its
  // lower left.
  session.feed({"DIMASZ", "3", "DIMTAD", "0", "DIMSCALE", "2", "LINE", "0,2", "2,0", "", "LINE", "90,60", "100,60", "",
                "ZEKDCC", "ALL", ""});
  session.run();
  const auto ids = test::modelSpaceIds(session.db());
  ASSERT_EQ(ids.size(), 4u) << session.transcript();
  test::Opened<AcDbMText> text(ids[2]);
  test::Opened<AcDbLeader> leader(ids[3]);
  ASSERT_TRUE(text && leader) << session.transcript();
  EXPECT_STREQ(text->contentsConst(), "C2.0");
  // Run 2.5 × DIMSCALE 2 × 2 × 1.414213 = 14.14213: 10 across and 10 down
  // from the mid point (1,1), along 3.927 rad.
  ASSERT_GE(leader->numVertices(), 2);
  EXPECT_NEAR(leader->vertexAt(0).x, 1.0, 1e-9);
  EXPECT_NEAR(leader->vertexAt(0).y, 1.0, 1e-9);
  EXPECT_NEAR(leader->vertexAt(1).x, -9.0, 1e-3);
  EXPECT_NEAR(leader->vertexAt(1).y, -9.0, 1e-3);
  const std::vector<std::string> overrides = overridesOf(*leader.get());
  std::string recorded;
  for (const std::string& pair : overrides)
    recorded += pair + " ";
  EXPECT_NE(std::find(overrides.begin(), overrides.end(), "41=1.500000"), overrides.end())
      << "DIMASZ halved while the leader was drawn; recorded: " << recorded;
  EXPECT_EQ(std::find(overrides.begin(), overrides.end(), "77=0"), overrides.end())
      << "DIMTAD was 1, not the drawing's 0, while the leader was drawn; recorded: " << recorded;
}

}  // namespace
}  // namespace zek
