// LEADER: the leader and its MTEXT as the drawing holds them, and the
// dimension variables recorded on the leader where they differ from its style.
#include <gtest/gtest.h>

#include "db_leader.h"
#include "db_text.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"
#include "zek/dim_vars.h"

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

TEST(LeaderCommand, MakesALeaderWithItsMTextAndRecordsChangedVariables) {
  test::EditorSession session;
  resbuf scale{};
  scale.restype = RTREAL;
  scale.resval.rreal = 2.0;
  ASSERT_EQ(setDimSysvar(session.db(), "DIMSCALE", scale), RTNORM);
  session.feed({"LEADER", "0,0", "-10,5", "", "NOTE", "SECOND LINE", ""});
  session.run();
  auto ids = test::modelSpaceIds(session.db());
  ASSERT_EQ(ids.size(), 2u) << session.transcript();
  test::Opened<AcDbMText> text(ids[0]);
  test::Opened<AcDbLeader> leader(ids[1]);
  ASSERT_TRUE(text && leader);
  EXPECT_STREQ(text->contentsConst(), "NOTE\\PSECOND LINE");
  EXPECT_DOUBLE_EQ(text->textHeight(), 5.0) << "DIMTXT 2.5 × DIMSCALE 2";
  EXPECT_EQ(leader->annotationObjId(), ids[0]);
  EXPECT_EQ(leader->annoType(), AcDbLeader::kMText);
  // The last segment is not horizontal: a hook line of one arrow size (2.5 ×
  // 2) towards -X, and the text DIMGAP × DIMSCALE = 1.25 beyond it.
  ASSERT_EQ(leader->numVertices(), 3);
  EXPECT_TRUE(leader->vertexAt(2).isEqualTo({-15, 5, 0}));
  EXPECT_TRUE(leader->hasHookLine());
  EXPECT_NEAR(text->location().x, -16.25, 1e-9);
  EXPECT_EQ(overridesOf(*leader.get()), std::vector<std::string>{"40=2.000000"})
      << "only DIMSCALE differs from the style";
}

TEST(LeaderCommand, NoAnnotationAndNoOverridesWhenNothingDiffers) {
  test::EditorSession session;
  session.feed({"LEADER", "0,0", "10,10", "20,10", "", ""});
  session.run();
  auto ids = test::modelSpaceIds(session.db());
  ASSERT_EQ(ids.size(), 1u) << session.transcript();
  test::Opened<AcDbLeader> leader(ids[0]);
  EXPECT_EQ(leader->numVertices(), 3);
  EXPECT_TRUE(leader->annotationObjId().isNull());
  EXPECT_TRUE(overridesOf(*leader.get()).empty());
}

TEST(LeaderCommand, EscLeavesTheDrawingAsItWas) {
  test::EditorSession session;
  session.feed({"LEADER", "0,0", "10,10", "", "TEXT", "^C"});
  session.run();
  EXPECT_TRUE(test::modelSpaceIds(session.db()).empty());
}

}  // namespace
}  // namespace zek
