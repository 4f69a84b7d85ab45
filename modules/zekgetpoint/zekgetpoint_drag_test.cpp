// ZEKGETPOINT through the loaded module, watching what the drafter sees
// between answer lines: the dragged box, how often it was redrawn, and
// OSMODE and ORTHOMODE while it drags.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aced_vars.h"
#include "db_polyline.h"
#include "db/testing/db_test_support.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

// What showed when one answer line was asked for.
struct Seen {
  bool dragging = false;
  bool closed = false;
  std::vector<AcGePoint2d> corners;
  int samples = 0;
  short osmode = -1;
  short orthomode = -1;
};

short shortVariable(const char* name) {
  resbuf value{};
  return acedGetVar(name, &value) == RTNORM ? value.resval.rint : -1;
}

// Answer lines that note what the display showed each time a line was
// asked for, the ask that finds the end included.
class WatchingSource : public InputSource {
public:
  WatchingSource(std::vector<std::string> lines, std::vector<Seen>& seen)
      : lines_(std::move(lines)), seen_(seen) {}
  std::optional<std::string> nextLine() override {
    seen_.push_back(look());
    if (next_ >= lines_.size())
      return std::nullopt;
    return lines_[next_++];
  }
  std::string whereLastLine() const override { return "drag test:" + std::to_string(next_); }

private:
  static Seen look() {
    Seen seen;
    const DisplayState& display = displayStateOf(*currentDocument());
    seen.samples = display.dragSamples;
    seen.osmode = shortVariable("OSMODE");
    seen.orthomode = shortVariable("ORTHOMODE");
    const auto* box = AcDbPolyline::cast(display.dragEntity);
    if (box == nullptr)
      return seen;
    seen.dragging = true;
    seen.closed = box->isClosed();
    for (unsigned int i = 0; i < box->numVerts(); ++i) {
      AcGePoint2d corner;
      if (box->getPointAt(i, corner) == Acad::eOk)
        seen.corners.push_back(corner);
    }
    return seen;
  }

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::vector<Seen>& seen_;
};

class PickBoxDrag : public ::testing::Test {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekgetpoint", true), RTNORM) << session_.transcript();
    (void)session_.take();
  }
  void TearDown() override { unloadAllModules(); }

  std::string run(std::vector<std::string> lines) {
    currentInput().push(std::make_unique<WatchingSource>(std::move(lines), seen_));
    (void)session_.run();
    return session_.take();
  }

  static void setShort(const char* name, short value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    ASSERT_EQ(acedSetVar(name, &rb), RTNORM);
  }

  test::EditorSession session_;
  std::vector<Seen> seen_;
};

void expectCorners(const Seen& seen, std::vector<AcGePoint2d> expected, const char* when) {
  EXPECT_TRUE(seen.dragging) << when;
  EXPECT_TRUE(seen.closed) << when;
  ASSERT_EQ(seen.corners.size(), expected.size()) << when;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(seen.corners[i].x, expected[i].x, 1e-9) << when << ", corner " << i;
    EXPECT_NEAR(seen.corners[i].y, expected[i].y, 1e-9) << when << ", corner " << i;
  }
}

TEST_F(PickBoxDrag, TheLowerLeftCornerFollowsTheCursor) {
  setShort("OSMODE", 33);
  setShort("ORTHOMODE", 1);
  const std::string transcript =
      run({"(ZEKGETPOINT 20 10)", "move 30,40", "move 30.005,40", "move 31,41", "31,41"});
  EXPECT_EQ(transcript,
            "Command: (ZEKGETPOINT 20 10)\nPick point:31,41\n(31.0 41.0 0.0)\nCommand:\n");
  ASSERT_EQ(seen_.size(), 6u);  // five lines and the command prompt after them
  EXPECT_FALSE(seen_[0].dragging) << "at the command prompt";
  expectCorners(seen_[1], {{0, 0}, {0, 0}, {0, 0}, {0, 0}}, "before the first sample");
  EXPECT_EQ(seen_[1].osmode, 0);
  EXPECT_EQ(seen_[1].orthomode, 0);
  expectCorners(seen_[2], {{30, 40}, {50, 40}, {50, 50}, {30, 50}}, "after move 30,40");
  EXPECT_EQ(seen_[2].samples, 1);
  expectCorners(seen_[3], {{30, 40}, {50, 40}, {50, 50}, {30, 50}}, "after a move of 0.005");
  EXPECT_EQ(seen_[3].samples, 1) << "a move of 0.01 or less does not redraw the box";
  expectCorners(seen_[4], {{31, 41}, {51, 41}, {51, 51}, {31, 51}}, "after move 31,41");
  EXPECT_EQ(seen_[4].samples, 2);
  EXPECT_FALSE(seen_[5].dragging) << "the box is gone after the drag";
  EXPECT_EQ(seen_[5].osmode, 33);
  EXPECT_EQ(seen_[5].orthomode, 1);
  EXPECT_TRUE(test::modelSpaceIds(session_.db()).empty()) << "the box never enters the drawing";
}

TEST_F(PickBoxDrag, AThirdArgumentCentresTheBox) {
  const std::string transcript = run({"(ZEKGETPOINT 20 10 nil)", "move 30,40", "^C"});
  EXPECT_EQ(transcript, "Command: (ZEKGETPOINT 20 10 nil)\nPick point:*Cancel*\nnil\nCommand:\n");
  ASSERT_GE(seen_.size(), 3u);
  expectCorners(seen_[2], {{20, 35}, {40, 35}, {40, 45}, {20, 45}}, "centred on 30,40");
}

TEST_F(PickBoxDrag, InARotatedUcsTheBoxIsDrawnFromWorldPoints) {
  AcGeMatrix3d quarterTurn;  // UCS x along world y, UCS y along world -x
  quarterTurn.setCoordSystem(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0),
                             AcGeVector3d(0, 0, 1));
  currentDocument()->setUcs(quarterTurn);
  const std::string transcript = run({"(ZEKGETPOINT 20 10)", "move 10,0", "10,0"});
  EXPECT_EQ(transcript,
            "Command: (ZEKGETPOINT 20 10)\nPick point:10,0\n(10.0 0.0 0.0)\nCommand:\n");
  ASSERT_GE(seen_.size(), 3u);
  // UCS 10,0 is world 0,10; the box runs along the world axes from there.
  expectCorners(seen_[2], {{0, 10}, {20, 10}, {20, 20}, {0, 20}}, "after move 10,0 (UCS)");
}

}  // namespace
}  // namespace zek
