// The pick box's layout and sampling rule as plain functions, expected
// values worked out by hand.
#include <gtest/gtest.h>

#include "pick_box.h"

namespace zek {
namespace {

struct LayoutCase {
  const char* what;
  double width, height;
  bool centred;
  AcGePoint3d cursor;
  AcGePoint2d corners[4];
};

const LayoutCase kLayoutCases[] = {
    {"20 x 10 by its lower-left corner", 20, 10, false, {30, 40, 0},
     {{30, 40}, {50, 40}, {50, 50}, {30, 50}}},
    {"20 x 10 centred: half extents 10 and 5", 20, 10, true, {30, 40, 0},
     {{20, 35}, {40, 35}, {40, 45}, {20, 45}}},
    {"odd size centred: 7 x 3 reaches 3.5 and 1.5", 7, 3, true, {0, 0, 0},
     {{-3.5, -1.5}, {3.5, -1.5}, {3.5, 1.5}, {-3.5, 1.5}}},
    {"the cursor's z is dropped", 4, 2, false, {1, 1, 9}, {{1, 1}, {5, 1}, {5, 3}, {1, 3}}},
    {"a negative width reaches left of the cursor", -20, 10, false, {0, 0, 0},
     {{0, 0}, {-20, 0}, {-20, 10}, {0, 10}}},
    {"a zero size collapses onto the cursor", 0, 0, true, {2, 3, 0},
     {{2, 3}, {2, 3}, {2, 3}, {2, 3}}},
};

TEST(PickBoxLayout, CornersInOrderAroundTheCursor) {
  for (const LayoutCase& c : kLayoutCases) {
    const PickBoxExtents extents = pickBoxExtents(c.width, c.height, c.centred);
    const auto corners = pickBoxCorners(c.cursor, extents, c.centred);
    for (int i = 0; i < 4; ++i) {
      EXPECT_DOUBLE_EQ(corners[i].x, c.corners[i].x) << c.what << ", corner " << i;
      EXPECT_DOUBLE_EQ(corners[i].y, c.corners[i].y) << c.what << ", corner " << i;
    }
  }
}

TEST(PickBoxLayout, ExtentsAreTheSizeOrHalfOfIt) {
  EXPECT_DOUBLE_EQ(pickBoxExtents(20, 10, false).x, 20);
  EXPECT_DOUBLE_EQ(pickBoxExtents(20, 10, false).y, 10);
  EXPECT_DOUBLE_EQ(pickBoxExtents(20, 10, true).x, 10);
  EXPECT_DOUBLE_EQ(pickBoxExtents(20, 10, true).y, 5);
}

struct SampleCase {
  const char* what;
  AcGePoint3d last;
  AcGePoint3d acquired;
  AcEdJig::DragStatus acquireStatus;
  bool accepted;
  AcEdJig::DragStatus status;
};

const SampleCase kSampleCases[] = {
    {"a move of exactly 0.01 redraws nothing", {0, 0, 0}, {0.01, 0, 0}, AcEdJig::kNormal, false,
     AcEdJig::kNoChange},
    {"a move just over 0.01 is taken", {0, 0, 0}, {0.0101, 0, 0}, AcEdJig::kNormal, true,
     AcEdJig::kNormal},
    {"0.005 along x from 30,40 is no move", {30, 40, 0}, {30.005, 40, 0}, AcEdJig::kNormal, false,
     AcEdJig::kNoChange},
    {"the distance counts both axes: 0.008 and 0.008 is 0.0113", {0, 0, 0}, {0.008, 0.008, 0},
     AcEdJig::kNormal, true, AcEdJig::kNormal},
    {"a move in z alone counts", {0, 0, 0}, {0, 0, 0.02}, AcEdJig::kNormal, true, AcEdJig::kNormal},
    {"the same point", {5, 5, 0}, {5, 5, 0}, AcEdJig::kNormal, false, AcEdJig::kNoChange},
    {"a failed acquisition on the spot reports its status", {5, 5, 0}, {5, 5, 0},
     AcEdJig::kCancel, false, AcEdJig::kCancel},
    {"Enter on the spot is passed on, not turned into no change", {5, 5, 0}, {5, 5, 0},
     AcEdJig::kNull, false, AcEdJig::kNull},
    {"a distant point reports the acquisition's status", {0, 0, 0}, {9, 9, 0}, AcEdJig::kOther,
     true, AcEdJig::kOther},
};

TEST(PickBoxSampling, MovesOfMoreThanAHundredthRedraw) {
  for (const SampleCase& c : kSampleCases) {
    const SampleOutcome outcome = judgeSample(c.acquired, c.acquireStatus, c.last);
    EXPECT_EQ(outcome.accepted, c.accepted) << c.what;
    EXPECT_EQ(outcome.status, c.status) << c.what;
  }
}

// Small steps add up: each is measured from the last accepted point, not from
// the last sample, so a slow cursor still moves the box every other step.
TEST(PickBoxSampling, CreepingStepsAreMeasuredFromTheLastAcceptedPoint) {
  const double xs[] = {0.006, 0.012, 0.018, 0.024, 0.030};
  const bool expected[] = {false, true, false, true, false};
  AcGePoint3d last(0, 0, 0);
  for (int i = 0; i < 5; ++i) {
    const AcGePoint3d sample(xs[i], 0, 0);
    const SampleOutcome outcome = judgeSample(sample, AcEdJig::kNormal, last);
    EXPECT_EQ(outcome.accepted, expected[i]) << "step to x = " << xs[i];
    if (outcome.accepted)
      last = sample;
  }
  EXPECT_DOUBLE_EQ(last.x, 0.024);
}

}  // namespace
}  // namespace zek
