// The loaded zekislands.arx met through acedInvoke, as other modules call
// it: the selection set of ZEKISLANDS1 and its release, the closed switch,
// what the screen shows, the UCS shift and the filter read at load.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "aced_lisp.h"
#include "aced_select.h"
#include "aced_vars.h"
#include "db/support_path.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"
#include "db_object.h"
#include "db_text.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "editor/vars/sysvars.h"
#include "ge_matrix.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

// What showed each time an answer line was asked for.
struct Seen {
  std::vector<TemporaryVector> vectors;
  short osmode = -1;
};

short osmode() {
  resbuf value{};
  return acedGetVar("OSMODE", &value) == RTNORM ? value.resval.rint : -1;
}

void setOsmode(short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(acedSetVar("OSMODE", &rb), RTNORM);
}

class WatchingSource : public InputSource {
public:
  WatchingSource(std::vector<std::string> lines, std::vector<Seen>& seen)
      : lines_(std::move(lines)), seen_(seen) {}
  std::optional<std::string> nextLine() override {
    seen_.push_back(Seen{displayStateOf(*currentDocument()).vectors, osmode()});
    if (next_ >= lines_.size())
      return std::nullopt;
    return lines_[next_++];
  }
  std::string whereLastLine() const override { return "islands test:" + std::to_string(next_); }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::vector<Seen>& seen_;
};

// Plates of 80 x 50 (four edges, two holes of radius 5) at x 0 and 100, one
// at x 300 out of the template's view (x -237.6 to 237.6), and the text
// "PLATE 1" above the first plate (x 40 to 68, y 60 to 65).
class IslandsModule : public ::testing::Test {
protected:
  void SetUp() override {
    resetSessionSysvars();
    setSupportFolders({});
    plates_ = {drawPlate(0), drawPlate(100), drawPlate(300)};
    title_ = test::appendToModelSpace(session_.db(), new AcDbText(AcGePoint3d(40, 60, 0), "PLATE 1", AcDbObjectId::kNull, 5.0));
    load();
  }
  void TearDown() override {
    unloadAllModules();
    setSupportFolders({});
    resetSessionSysvars();
  }

  void load() {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekislands", true), RTNORM) << session_.transcript();
  }

  std::vector<AcDbObjectId> drawPlate(double x) {
    AcDbDatabase& db = session_.db();
    return {
        test::appendToModelSpace(db, new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x + 80, 0, 0))),
        test::appendToModelSpace(db, new AcDbLine(AcGePoint3d(x + 80, 0, 0), AcGePoint3d(x + 80, 50, 0))),
        test::appendToModelSpace(db, new AcDbLine(AcGePoint3d(x + 80, 50, 0), AcGePoint3d(x, 50, 0))),
        test::appendToModelSpace(db, new AcDbLine(AcGePoint3d(x, 50, 0), AcGePoint3d(x, 0, 0))),
        test::appendToModelSpace(db, new AcDbCircle(AcGePoint3d(x + 20, 25, 0), AcGeVector3d::kZAxis, 5)),
        test::appendToModelSpace(db, new AcDbCircle(AcGePoint3d(x + 60, 25, 0), AcGeVector3d::kZAxis, 5)),
    };
  }

  // Calls the function with an optional short argument, answering the lines.
  int invoke(const char* name, std::vector<std::string> lines, resbuf** result,
             std::optional<short> argument = std::nullopt) {
    currentInput().push(std::make_unique<WatchingSource>(std::move(lines), seen_));
    resbuf* args = argument ? acutBuildList(RTSTR, name, RTSHORT, static_cast<int>(*argument), RTNONE)
                            : acutBuildList(RTSTR, name, RTNONE);
    const int code = acedInvoke(args, result);
    acutRelRb(args);
    currentInput().popTo(1);
    return code;
  }

  static std::vector<AcDbObjectId> membersOf(const ads_name set) {
    std::vector<AcDbObjectId> ids;
    ads_int32 length = 0;
    if (acedSSLength(set, &length) != RTNORM)
      return ids;
    for (ads_int32 i = 0; i < length; ++i) {
      ads_name entity{0, 0};
      AcDbObjectId id;
      if (acedSSName(set, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk)
        ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  std::vector<AcDbObjectId> platesMembers(std::initializer_list<int> plates) const {
    std::vector<AcDbObjectId> ids;
    for (int plate : plates)
      ids.insert(ids.end(), plates_[plate].begin(), plates_[plate].end());
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  test::EditorSession session_;
  std::vector<std::vector<AcDbObjectId>> plates_;
  AcDbObjectId title_;
  std::vector<Seen> seen_;
};

TEST_F(IslandsModule, Islands1HandsBackTheObjectsOfThePlatesPicked) {
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS1", {"40,25", "140,25"}, &result, 2), RTNORM);
  ASSERT_NE(result, nullptr);
  ASSERT_EQ(result->restype, RTPICKS);
  ads_name set{result->resval.rlname[0], result->resval.rlname[1]};
  EXPECT_EQ(membersOf(set), platesMembers({0, 1}))
      << "both plates' edges and holes; not the title, not the plate out of view";
  acutRelRb(result);

  // The next call releases the set handed out before.
  result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS1", {""}, &result), RTNORM);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->restype, RTNIL) << "Enter at the first point: no island hit";
  acutRelRb(result);
  ads_int32 length = 0;
  EXPECT_EQ(acedSSLength(set, &length), RTERROR) << "the earlier set was freed";
}

TEST_F(IslandsModule, Islands1AsksUpToNPointsAndTakesAnIslandOnce) {
  setOsmode(33);
  resbuf* result = nullptr;
  // A miss goes on asking; the same plate twice adds its objects once; the
  // third point is the last of n = 3, so "200,200" is never read.
  ASSERT_EQ(invoke("ZEKISLANDS1", {"90,25", "40,25", "41,26", "200,200"}, &result, 3), RTNORM);
  ASSERT_NE(result, nullptr);
  ASSERT_EQ(result->restype, RTPICKS);
  ads_name set{result->resval.rlname[0], result->resval.rlname[1]};
  ads_int32 length = 0;
  ASSERT_EQ(acedSSLength(set, &length), RTNORM);
  EXPECT_EQ(length, 6) << "one plate's six objects, once each";
  EXPECT_EQ(membersOf(set), platesMembers({0}));
  acedSSFree(set);  // the caller's set
  acutRelRb(result);
  const std::string transcript = session_.take();
  EXPECT_NE(transcript.find("pick nothing"), std::string::npos) << transcript;
  EXPECT_EQ(transcript.find("200,200"), std::string::npos) << transcript;
  ASSERT_EQ(seen_.size(), 3u);
  for (const Seen& seen : seen_)
    EXPECT_EQ(seen.osmode, 0) << "no snap while the points are asked";
  EXPECT_EQ(osmode(), 33) << "OSMODE back afterwards";
  EXPECT_TRUE(displayStateOf(session_.document()).vectors.empty()) << "the screen redrawn at the end";
}

TEST_F(IslandsModule, Islands1WithZeroLeavesTheIslandsDrawnAndAsksNothing) {
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS1", {"40,25"}, &result, 0), RTNORM);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->restype, RTNIL);
  acutRelRb(result);
  EXPECT_TRUE(seen_.empty());
  EXPECT_EQ(displayStateOf(session_.document()).vectors.size(), 8u) << "two islands outlined";
}

TEST_F(IslandsModule, ClosedIslandsAnswerNilWithoutAskingAndReleaseTheHeldSet) {
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS1", {"40,25"}, &result, 1), RTNORM);
  ASSERT_NE(result, nullptr);
  ads_name set{result->resval.rlname[0], result->resval.rlname[1]};
  acutRelRb(result);
  (void)session_.take();

  result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDSSET", {}, &result), RTNORM);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->restype, RTVOID);
  acutRelRb(result);
  ads_int32 length = 0;
  EXPECT_EQ(acedSSLength(set, &length), RTERROR) << "closing releases the held set";

  for (const char* function : {"ZEKISLANDS", "ZEKISLANDS1", "ZEKISLANDS2"}) {
    seen_.clear();
    result = nullptr;
    ASSERT_EQ(invoke(function, {"40,25"}, &result), RTNORM) << function;
    ASSERT_NE(result, nullptr) << function;
    EXPECT_EQ(result->restype, RTNIL) << function;
    acutRelRb(result);
    EXPECT_TRUE(seen_.empty()) << function << " asked for a point while closed";
  }
  EXPECT_EQ(session_.take(), "islands closed");

  result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDSSET", {}, &result), RTNORM);
  acutRelRb(result);
  EXPECT_EQ(session_.take(), "islands opened");
}

// World rectangles of the plates, widened: x -0.01 to 80.01 (100 on for the
// second), y -0.01 to 50.01.
void expectRectangle(const resbuf* result, double minX, double minY, double maxX, double maxY,
                     const char* row) {
  ASSERT_NE(result, nullptr) << row;
  ASSERT_EQ(result->restype, RT3DPOINT) << row;
  ASSERT_NE(result->rbnext, nullptr) << row;
  ASSERT_EQ(result->rbnext->restype, RT3DPOINT) << row;
  EXPECT_EQ(result->rbnext->rbnext, nullptr) << row;
  const double* low = result->resval.rpoint;
  const double* high = result->rbnext->resval.rpoint;
  EXPECT_NEAR(low[0], minX, 1e-9) << row;
  EXPECT_NEAR(low[1], minY, 1e-9) << row;
  EXPECT_EQ(low[2], 0.0) << row;
  EXPECT_NEAR(high[0], maxX, 1e-9) << row;
  EXPECT_NEAR(high[1], maxY, 1e-9) << row;
  EXPECT_EQ(high[2], 0.0) << row;
}

// A moved UCS is in golden/ucs.scr.
TEST_F(IslandsModule, TheRectangleDoesNotFollowATurnedUcs) {
  // UCS x along world y: the rectangles keep their world numbers, so the UCS
  // point 40,25 (world -25,40, outside everything) hits the first plate.
  AcGeMatrix3d turned;
  turned.setCoordSystem(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0),
                        AcGeVector3d(0, 0, 1));
  session_.document().setUcs(turned);
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS2", {"40,25"}, &result), RTNORM);
  expectRectangle(result, -0.01, -0.01, 80.01, 50.01, "UCS turned a quarter");
  acutRelRb(result);
}

TEST_F(IslandsModule, TheScreenShowsEveryIslandThenThePickedOne) {
  setOsmode(33);
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS", {"140,25"}, &result), RTNORM);
  expectRectangle(result, 99.99, -0.01, 180.01, 50.01, "the second plate");
  acutRelRb(result);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].osmode, 0) << "no snap while the point is asked";
  EXPECT_EQ(osmode(), 33) << "OSMODE back afterwards";
  const std::vector<TemporaryVector>& asking = seen_[0].vectors;
  ASSERT_EQ(asking.size(), 8u) << "two islands in view, four sides each";
  for (const TemporaryVector& side : asking) {
    EXPECT_EQ(side.colour, 30);
    EXPECT_TRUE(side.highlighted);
  }
  EXPECT_NEAR(asking[0].from.x, -0.01, 1e-9);
  EXPECT_NEAR(asking[0].to.x, 80.01, 1e-9);
  EXPECT_NEAR(asking[4].from.x, 99.99, 1e-9);
  const std::vector<TemporaryVector>& after = displayStateOf(session_.document()).vectors;
  ASSERT_EQ(after.size(), 4u) << "the others cleared, the picked one drawn";
  const double corners[4][2] = {{99.99, -0.01}, {180.01, -0.01}, {180.01, 50.01}, {99.99, 50.01}};
  for (int side = 0; side < 4; ++side) {
    EXPECT_EQ(after[side].colour, 10);
    EXPECT_TRUE(after[side].highlighted);
    EXPECT_NEAR(after[side].from.x, corners[side][0], 1e-9) << "side " << side;
    EXPECT_NEAR(after[side].from.y, corners[side][1], 1e-9) << "side " << side;
    EXPECT_NEAR(after[side].to.x, corners[(side + 1) % 4][0], 1e-9) << "side " << side;
    EXPECT_NEAR(after[side].to.y, corners[(side + 1) % 4][1], 1e-9) << "side " << side;
  }
}

// Writes zekislands.dat into a folder of the support path and reloads.
class IslandsFilterFile : public IslandsModule {
protected:
  void useFilterFile(const std::string& text) {
    // A folder of each test's own: ctest runs the tests of this suite side by side.
    folder_ = std::filesystem::path(::testing::TempDir()) /
              (std::string("zekislands-support-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "zekislands.dat") << text;
    setSupportFolders({folder_.string()});
    (void)session_.take();
    load();
  }
  void TearDown() override {
    IslandsModule::TearDown();
    std::filesystem::remove_all(folder_);
  }
  std::filesystem::path folder_;
};

TEST_F(IslandsFilterFile, AnInvalidFileLeavesNoFilterSoTextsMakeIslandsToo) {
  std::string sixtyPairs;
  for (int i = 0; i < 60; ++i)
    sixtyPairs += "0 LINE\n";
  useFilterFile(sixtyPairs);
  EXPECT_EQ(session_.take(), "Some item is invalid");
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS", {"50,62"}, &result), RTNORM);
  // "PLATE 1": 7 characters of 0.8 x 5 = 28 wide, 5 high, widened by 0.01.
  expectRectangle(result, 39.99, 59.99, 68.01, 65.01, "the title is an island");
  acutRelRb(result);
}

TEST_F(IslandsFilterFile, TheFilterDecidesWhatMakesIslands) {
  useFilterFile(";only ;holes\n0 CIRCLE\n");
  EXPECT_EQ(session_.take(), "") << "a good file loads without a message";
  resbuf* result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS", {"40,25"}, &result), RTNORM);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->restype, RTNIL) << "between the holes: the edges are filtered out";
  acutRelRb(result);
  EXPECT_EQ(session_.take(), "40,25\npick nothing") << "the point prompt has no text";
  result = nullptr;
  ASSERT_EQ(invoke("ZEKISLANDS", {"20,25"}, &result), RTNORM);
  expectRectangle(result, 14.99, 19.99, 25.01, 30.01, "a hole is an island of its own");
  acutRelRb(result);
}

}  // namespace
}  // namespace zek
