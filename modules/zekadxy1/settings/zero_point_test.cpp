// Zero points: every mode of a plate's bounds worked out by hand, the
// nearest of the eight edge points with its ties, and the two point
// requests with their snaps, Esc, and a moved user coordinate system.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aced_output.h"
#include "aced_vars.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "editor/vars/sysvars.h"
#include "ge_matrix.h"
#include "settings/ordinate_settings.h"
#include "settings/zero_point.h"

namespace zek::adxy1 {
namespace {

struct ModeCase {
  int mode;
  AcGePoint2d zero;
};

TEST(ZeroPointOfMode, EveryModeOfAPlate100By60) {
  // A plate from (10, 20) to (110, 80): middle (60, 50).
  const PlateBounds plate{10.0, 20.0, 110.0, 80.0};
  const AcGePoint2d stored(3.0, -4.0);
  const ModeCase cases[] = {
      {0, {3.0, -4.0}},    // "固定位置": the stored base point
      {1, {10.0, 80.0}},   // "左上角"
      {2, {60.0, 80.0}},   // "上边中间"
      {3, {110.0, 80.0}},  // "右上角"
      {4, {110.0, 50.0}},  // "右边中间"
      {5, {110.0, 20.0}},  // "右下角"
      {6, {60.0, 20.0}},   // "下边中间"
      {7, {10.0, 20.0}},   // "左下角"
      {8, {10.0, 50.0}},   // "左边中间"
      {9, {60.0, 50.0}},   // "模板中间"
      {10, {3.0, -4.0}},   // "依最近点" asks; without an answer the stored point
      {-1, {3.0, -4.0}},   // no mode: the stored point rather than a made-up one
      {11, {3.0, -4.0}},
  };
  for (const ModeCase& c : cases) {
    const AcGePoint2d zero = zeroPointOfMode(c.mode, plate, stored);
    EXPECT_EQ(zero.x, c.zero.x) << "mode " << c.mode;
    EXPECT_EQ(zero.y, c.zero.y) << "mode " << c.mode;
  }
}

struct NearestCase {
  const char* row;
  PlateBounds plate;
  AcGePoint3d picked;
  AcGePoint2d nearest;
};

TEST(NearestZeroCandidate, NearestOfTheEightAndTheEarlierOnATie) {
  const PlateBounds square{0.0, 0.0, 100.0, 100.0};
  const PlateBounds wide{0.0, 0.0, 200.0, 100.0};
  const NearestCase cases[] = {
      {"near the top left corner", square, {5, 93, 0}, {0, 100}},
      {"near the bottom right corner", square, {99, -8, 0}, {100, 0}},
      {"near the middle of the right edge", square, {130, 55, 0}, {100, 50}},
      {"near the middle of the bottom edge", square, {47, 10, 0}, {50, 0}},
      {"far outside to the left, a little low", square, {-500, 40, 0}, {0, 50}},
      {"a square's centre: four edge middles at 50, the top first", square, {50, 50, 0}, {50, 100}},
      {"between top left (1) and left middle (8): top left", square, {0, 75, 0}, {0, 100}},
      {"between bottom left (7) and left middle (8): bottom left", square, {0, 25, 0}, {0, 0}},
      {"between bottom right (5) and bottom middle (6): the corner", square, {75, 0, 0}, {100, 0}},
      {"between top middle (2) and top right (3): top middle", square, {75, 100, 0}, {50, 100}},
      {"a wide plate's centre: top and bottom middle at 50: top", wide, {100, 50, 0}, {100, 100}},
      {"a point above the plane: z counts alike for all eight", wide, {190, 10, 40}, {200, 0}},
  };
  for (const NearestCase& c : cases) {
    const AcGePoint2d nearest = nearestZeroCandidate(c.plate, c.picked);
    EXPECT_EQ(nearest.x, c.nearest.x) << c.row;
    EXPECT_EQ(nearest.y, c.nearest.y) << c.row;
  }
}

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

// Answer lines that note OSMODE each time a line is asked for.
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
  std::string whereLastLine() const override { return "zero point test:" + std::to_string(next_); }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::vector<short>& osmodes_;
};

AcGeMatrix3d ucsMovedBy(double x, double y) {
  AcGeMatrix3d moved;
  moved.setTranslation(AcGeVector3d(x, y, 0));
  return moved;
}

// A drawing with the drafter's own snaps (OSMODE 33) and a stored base
// point (1, 2) in mode 7.
class ZeroPointRequest : public ::testing::Test {
protected:
  void SetUp() override {
    resetSessionSysvars();
    setShortVariable("OSMODE", 33);
    ordinateSettings() = OrdinateSettings{};
    ordinateSettings().basePoint = AcGePoint2d(1.0, 2.0);
    ordinateSettings().zeroMode = kBottomLeft;
  }
  void TearDown() override {
    ordinateSettings() = OrdinateSettings{};
    resetSessionSysvars();
  }
  void answer(std::vector<std::string> lines) {
    osmodes_.clear();
    (void)session_.take();
    currentInput().popTo(1);
    currentInput().push(std::make_unique<WatchingSource>(std::move(lines), osmodes_));
    acutPrintf("Command: ZEKXYS");  // so the transcript shows the leading line breaks
  }

  test::EditorSession session_;
  std::vector<short> osmodes_;
};

struct RequestCase {
  const char* row;
  std::vector<std::string> lines;
  AcGeMatrix3d ucs;
  AcGePoint2d zero;
  const char* transcript;
};

TEST_F(ZeroPointRequest, NearestPointAsksWithoutSnapsAndFallsBackToTheStoredPoint) {
  const PlateBounds square{0.0, 0.0, 100.0, 100.0};
  const AcGeMatrix3d world;
  const RequestCase cases[] = {
      {"a point near the bottom right", {"98,3"}, world, {100, 0}, "Base point:98,3\n"},
      {"Esc: the stored base point", {"^C"}, world, {1, 2}, "Base point:*Cancel*\n"},
      {"Enter: the stored base point", {""}, world, {1, 2}, "Base point:\n"},
      {"a UCS moved to 50,50: 48,-47 is world 98,3", {"48,-47"}, ucsMovedBy(50, 50), {100, 0},
       "Base point:48,-47\n"},
      {"a UCS moved to 50,50: 0,0 is the centre, whose first nearest is the top middle", {"0,0"},
       ucsMovedBy(50, 50), {50, 100}, "Base point:0,0\n"},
  };
  for (const RequestCase& c : cases) {
    session_.document().setUcs(c.ucs);
    answer(c.lines);
    const AcGePoint2d zero = askNearestZeroPoint(square);
    EXPECT_EQ(zero.x, c.zero.x) << c.row;
    EXPECT_EQ(zero.y, c.zero.y) << c.row;
    EXPECT_EQ(session_.take(), std::string("Command: ZEKXYS\n") + c.transcript) << c.row;
    ASSERT_FALSE(osmodes_.empty()) << c.row;
    EXPECT_EQ(osmodes_.front(), 0) << c.row << ": no snaps while the point is asked for";
    EXPECT_EQ(shortVariable("OSMODE"), 33) << c.row << ": the drafter's snaps back";
    EXPECT_EQ(ordinateSettings().basePoint.x, 1.0) << c.row << ": the stored point is not changed";
    EXPECT_EQ(ordinateSettings().zeroMode, kBottomLeft) << c.row;
  }
}

TEST_F(ZeroPointRequest, SetBasePointStoresAWorldPointAndTurnsToTheFixedMode) {
  answer({"10.5,20.25"});
  EXPECT_TRUE(setBasePointInteractively());
  EXPECT_EQ(ordinateSettings().basePoint.x, 10.5);
  EXPECT_EQ(ordinateSettings().basePoint.y, 20.25);
  EXPECT_EQ(ordinateSettings().zeroMode, kFixedPoint);
  EXPECT_EQ(session_.take(),
            "Command: ZEKXYS\nbase point, now X= 1.000, Y= 2.000\n10.5,20.25\n"
            "base point, new X= 10.500, Y= 20.250");
  ASSERT_FALSE(osmodes_.empty());
  EXPECT_EQ(osmodes_.front(), 35) << "endpoint, centre and intersection snaps while asked";
  EXPECT_EQ(shortVariable("OSMODE"), 33);
}

TEST_F(ZeroPointRequest, SetBasePointTakesThePointFromTheUcsToTheWorld) {
  session_.document().setUcs(ucsMovedBy(100, -20));
  answer({"5,5"});
  EXPECT_TRUE(setBasePointInteractively());
  EXPECT_EQ(ordinateSettings().basePoint.x, 105.0);
  EXPECT_EQ(ordinateSettings().basePoint.y, -15.0);
  EXPECT_EQ(session_.take(),
            "Command: ZEKXYS\nbase point, now X= 1.000, Y= 2.000\n5,5\n"
            "base point, new X= 105.000, Y= -15.000");
}

TEST_F(ZeroPointRequest, SetBasePointWithoutAPointChangesNothing) {
  for (const char* line : {"^C", ""}) {
    answer({line});
    EXPECT_FALSE(setBasePointInteractively()) << line;
    EXPECT_EQ(ordinateSettings().basePoint.x, 1.0) << line;
    EXPECT_EQ(ordinateSettings().basePoint.y, 2.0) << line;
    EXPECT_EQ(ordinateSettings().zeroMode, kBottomLeft) << line << ": the mode stays too";
    const std::string shown = std::string(line) == "^C" ? "*Cancel*" : "";
    EXPECT_EQ(session_.take(), "Command: ZEKXYS\nbase point, now X= 1.000, Y= 2.000\n" + shown +
                                   "\nNothing been changed")
        << line;
    EXPECT_EQ(shortVariable("OSMODE"), 33) << line << ": snaps back after Esc";
  }
}

}  // namespace
}  // namespace zek::adxy1
