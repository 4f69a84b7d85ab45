// The view helpers against a real document: the visible window of views and
// user coordinate systems worked out by hand, the three ways of
// selectOrAllVisible with a filter, and object snaps off while asking and
// back afterwards, Esc included.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "aced_select.h"
#include "aced_vars.h"
#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "editor/vars/sysvars.h"
#include "ge_matrix.h"
#include "guards/resbuf_list.h"
#include "view/osnap_guard.h"
#include "view/select_visible.h"
#include "view/visible_window.h"

namespace zek {
namespace {

short shortVariable(const char* name) {
  resbuf value{};
  return acedGetVar(name, &value) == RTNORM && value.restype == RTSHORT ? value.resval.rint : -1;
}

void setShortVariable(const char* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << name << " " << value;
}

AcGeMatrix3d movedBy(double x, double y) {
  AcGeMatrix3d moved;
  moved.setTranslation(AcGeVector3d(x, y, 0));
  return moved;
}

AcGeMatrix3d turnedQuarter() {
  // UCS x along world y, UCS y along world -x: world (wx, wy) is UCS (wy, -wx).
  AcGeMatrix3d turned;
  turned.setCoordSystem(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0),
                        AcGeVector3d(0, 0, 1));
  return turned;
}

struct WindowCase {
  const char* row;
  AcGePoint3d centre;  // world
  double height;
  int screenWidth;
  int screenHeight;
  AcGeMatrix3d ucs;
  AcGePoint3d lowerLeft;  // UCS, by hand
  AcGePoint3d upperRight;
};

TEST(ViewVisibleWindow, CornersOfTheViewInTheUcs) {
  const WindowCase cases[] = {
      {"a view twice as wide as high, VIEWSIZE 100: 200 x 100 round the centre",
       {50, 30, 0}, 100, 2000, 1000, AcGeMatrix3d(), {-50, -20, 0}, {150, 80, 0}},
      {"the template's 1600 x 1000 pixels, 297 high: 475.2 wide", {0, 0, 0}, 297, 1600, 1000,
       AcGeMatrix3d(), {-237.6, -148.5, 0}, {237.6, 148.5, 0}},
      {"a view higher than wide", {10, 10, 0}, 40, 500, 1000, AcGeMatrix3d(), {0, -10, 0},
       {20, 30, 0}},
      {"a UCS moved to 10,10: the same window, 10 less each way", {50, 30, 0}, 100, 2000, 1000,
       movedBy(10, 10), {-60, -30, 0}, {140, 70, 0}},
      {"a UCS turned a quarter: the display corners seen in it", {50, 30, 0}, 100, 2000, 1000,
       turnedQuarter(), {-20, 50, 0}, {80, -150, 0}},
  };
  for (const WindowCase& c : cases) {
    test::EditorSession session;
    Document& doc = session.document();
    doc.view().centre = c.centre;
    doc.view().height = c.height;
    doc.view().screenWidth = c.screenWidth;
    doc.view().screenHeight = c.screenHeight;
    doc.setUcs(c.ucs);
    const std::optional<ViewWindow> window = visibleWindow();
    ASSERT_TRUE(window.has_value()) << c.row;
    EXPECT_NEAR(window->lowerLeft.x, c.lowerLeft.x, 1e-9) << c.row;
    EXPECT_NEAR(window->lowerLeft.y, c.lowerLeft.y, 1e-9) << c.row;
    EXPECT_NEAR(window->lowerLeft.z, 0.0, 1e-9) << c.row;
    EXPECT_NEAR(window->upperRight.x, c.upperRight.x, 1e-9) << c.row;
    EXPECT_NEAR(window->upperRight.y, c.upperRight.y, 1e-9) << c.row;
    EXPECT_NEAR(window->upperRight.z, 0.0, 1e-9) << c.row;
  }
}

TEST(ViewVisibleWindow, NoWindowWithoutADrawing) {
  // No document is current outside a session: the variables do not read.
  EXPECT_FALSE(visibleWindow().has_value());
}

// Answer lines that note OSMODE and ORTHOMODE each time a line is asked for.
class WatchingSource : public InputSource {
public:
  WatchingSource(std::vector<std::string> lines, std::vector<short>& osmodes)
      : lines_(std::move(lines)), osmodes_(osmodes) {}
  std::optional<std::string> nextLine() override {
    osmodes_.push_back(shortVariable("OSMODE"));
    if (next_ >= lines_.size())
      return std::nullopt;
    return lines_[next_++];
  }
  std::string whereLastLine() const override { return "view test:" + std::to_string(next_); }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::vector<short>& osmodes_;
};

// A sheet seen through a 200 x 100 view from -50,-20 to 150,80: circles in
// view at 0,0 and 100,50, a line in view, a circle at 300,30 out of view.
class SelectVisible : public ::testing::Test {
protected:
  void SetUp() override {
    resetSessionSysvars();
    Document& doc = session_.document();
    doc.view().centre = AcGePoint3d(50, 30, 0);
    doc.view().height = 100;
    doc.view().screenWidth = 2000;
    doc.view().screenHeight = 1000;
    AcDbDatabase& db = session_.db();
    nearCircle_ = test::appendToModelSpace(db, new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5));
    farCircle_ = test::appendToModelSpace(db, new AcDbCircle(AcGePoint3d(100, 50, 0), AcGeVector3d::kZAxis, 5));
    line_ = test::appendToModelSpace(db, new AcDbLine(AcGePoint3d(10, 10, 0), AcGePoint3d(20, 10, 0)));
    outOfView_ = test::appendToModelSpace(db, new AcDbCircle(AcGePoint3d(300, 30, 0), AcGeVector3d::kZAxis, 5));
    setShortVariable("OSMODE", 33);
  }
  void TearDown() override { resetSessionSysvars(); }

  // Runs selectOrAllVisible with circles only, answering the lines given.
  int select(std::vector<std::string> lines, SelectionSet& set) {
    currentInput().push(std::make_unique<WatchingSource>(std::move(lines), osmodes_));
    ResbufList circles(acutBuildList(RTDXF0, "CIRCLE", RTNONE));
    return selectOrAllVisible(set, "\nSkip to select all visible:", "\nSkip to select some:",
                              circles.get());
  }

  test::EditorSession session_;
  std::vector<short> osmodes_;
  AcDbObjectId nearCircle_, farCircle_, line_, outOfView_;
};

std::vector<AcDbObjectId> sorted(std::vector<AcDbObjectId> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

TEST_F(SelectVisible, EachWayOfAnsweringSelectsWhatItShould) {
  struct Case {
    const char* row;
    std::vector<std::string> lines;
    int code;
    std::vector<AcDbObjectId> members;
    std::size_t asked;  // lines asked for while OSMODE was 0
    const char* transcript;
  };
  const Case cases[] = {
      {"Enter: the circles in view, not the one outside it, not the line", {""}, RTNORM,
       {nearCircle_, farCircle_}, 1, "Skip to select all visible:\n"},
      {"Esc at the first prompt: the same as Enter", {"^C"}, RTNORM, {nearCircle_, farCircle_}, 1,
       "Skip to select all visible:*Cancel*\n"},
      {"a window: a crossing window between the corners, filtered", {"-10,-10", "12,15"}, RTNORM,
       {nearCircle_}, 2, "Skip to select all visible:-10,-10\nSkip to select some:12,15\n"},
      {"a window that meets only the line: nothing passes the filter", {"8,8", "22,12"}, RTERROR, {},
       2, "Skip to select all visible:8,8\nSkip to select some:22,12\n"},
      {"a point and Enter: the ordinary selection, which also reaches out of view",
       {"1,1", "", "ALL", ""}, RTNORM, {nearCircle_, farCircle_, outOfView_}, 4,
       "Skip to select all visible:1,1\nSkip to select some:\nSelect objects: ALL\n4 found\n"
       "1 was filtered out.\nSelect objects:\n"},
      {"Esc during the ordinary selection", {"1,1", "", "^C"}, RTCAN, {}, 3,
       "Skip to select all visible:1,1\nSkip to select some:\nSelect objects: *Cancel*\n"},
  };
  for (const Case& c : cases) {
    osmodes_.clear();
    (void)session_.take();
    SelectionSet set;
    EXPECT_EQ(select(c.lines, set), c.code) << c.row;
    EXPECT_EQ(sorted(set.objectIds()), sorted(c.members)) << c.row;
    EXPECT_EQ(session_.take(), c.transcript) << c.row;
    ASSERT_GE(osmodes_.size(), c.asked) << c.row;
    for (std::size_t i = 0; i < c.asked; ++i)
      EXPECT_EQ(osmodes_[i], 0) << c.row << ": OSMODE while line " << i + 1 << " was asked";
    EXPECT_EQ(shortVariable("OSMODE"), 33) << c.row << ": OSMODE back afterwards";
    currentInput().popTo(1);
  }
}

TEST_F(SelectVisible, AllVisibleWithoutAskingTakesTheFilterToo) {
  SelectionSet set;
  ResbufList lines(acutBuildList(RTDXF0, "LINE", RTNONE));
  ASSERT_EQ(selectAllVisible(set, lines.get()), RTNORM);
  EXPECT_EQ(set.objectIds(), std::vector<AcDbObjectId>{line_});
  EXPECT_EQ(session_.take(), "") << "nothing is asked";
}

TEST(ViewOsnapGuard, SetsAndRestoresOnEveryWayOut) {
  test::EditorSession session;
  resetSessionSysvars();
  setShortVariable("OSMODE", 33);
  setShortVariable("ORTHOMODE", 1);
  {
    OsnapGuard noSnap;
    EXPECT_TRUE(noSnap.saved());
    EXPECT_EQ(shortVariable("OSMODE"), 0);
    EXPECT_EQ(shortVariable("ORTHOMODE"), 1) << "ortho left alone unless asked";
  }
  EXPECT_EQ(shortVariable("OSMODE"), 33);
  {
    OsnapGuard intersection(32, OrthoMode::Off);
    EXPECT_EQ(shortVariable("OSMODE"), 32);
    EXPECT_EQ(shortVariable("ORTHOMODE"), 0);
  }
  EXPECT_EQ(shortVariable("OSMODE"), 33);
  EXPECT_EQ(shortVariable("ORTHOMODE"), 1);
  try {
    OsnapGuard noSnap(0, OrthoMode::Off);
    throw std::runtime_error("a step failed half way");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(shortVariable("OSMODE"), 33) << "back after an exception";
  EXPECT_EQ(shortVariable("ORTHOMODE"), 1);
  resetSessionSysvars();
}

}  // namespace
}  // namespace zek
