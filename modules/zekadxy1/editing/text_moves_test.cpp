// Moves of ordinate texts: the side factor, the mirrored distance from the
// leader end, the alignment with the feature, and the text-above offset and
// step of a dimension's variables. Figures worked by hand.
#include "editing/text_moves.h"

#include <gtest/gtest.h>

namespace zek::adxy1 {
namespace {

// An X ordinate of the feature (30, 20) whose leader ends at (30, 60), its
// text 5.625 beyond the leader end and 1.875 to the −X side (DIMTAD 1,
// DIMTXT 2.5, DIMGAP 0.625).
constexpr OrdinatePoints kXUp{{30, 20, 0}, {30, 60, 0}, {28.125, 65.625, 0}, true};
// A Y ordinate of the feature (30, 20) whose leader runs left to (−20, 20).
constexpr OrdinatePoints kYLeft{{30, 20, 0}, {-20, 20, 0}, {-25.625, 21.875, 0}, false};
// An X ordinate jogged off its feature's axis, text at x 33.
constexpr OrdinatePoints kXJogged{{30, 20, 0}, {34.875, 60, 0}, {33, 65.625, 0}, true};

struct MoveCase {
  const char* name;
  OrdinatePoints dimension;
  AcGePoint3d target;
  double offset;
  AcrossLeader across;
  int side;
  AcGePoint3d expected;
};

const MoveCase kMoveCases[] = {
    {"X, same side: keeps its 5.625 beyond the point, on the feature's axis", kXUp,
     {50, 80, 0}, 1.875, AcrossLeader::AlignWithFeature, 1, {28.125, 85.625, 0}},
    {"X, below the feature: mirrored to 5.625 below the point", kXUp, {50, -10, 0}, 1.875,
     AcrossLeader::AlignWithFeature, -1, {28.125, -15.625, 0}},
    {"X, DIMTAD 0: no offset, the text on the feature's axis", kXUp, {50, 80, 0}, 0.0,
     AcrossLeader::AlignWithFeature, 1, {30, 85.625, 0}},
    {"X jogged, aligned: the jog goes, x back to 30 - 1.875", kXJogged, {10, 40, 0}, 1.875,
     AcrossLeader::AlignWithFeature, 1, {28.125, 45.625, 0}},
    {"X jogged, kept across: x stays 33", kXJogged, {10, 40, 0}, 1.875, AcrossLeader::Keep, 1,
     {33, 45.625, 0}},
    {"X jogged, kept across, far side: mirrored, x stays", kXJogged, {10, 0, 0}, 1.875,
     AcrossLeader::Keep, -1, {33, -5.625, 0}},
    {"X, a point level with the feature counts as the same side", kXUp, {70, 20, 0}, 1.875,
     AcrossLeader::AlignWithFeature, 1, {28.125, 25.625, 0}},
    {"Y, same side: x 5.625 left of the point, y above the feature by the offset", kYLeft,
     {-40, 50, 0}, 1.875, AcrossLeader::AlignWithFeature, 1, {-45.625, 21.875, 0}},
    {"Y, right of the feature: mirrored to 5.625 right of the point", kYLeft, {100, 0, 0}, 1.875,
     AcrossLeader::AlignWithFeature, -1, {105.625, 21.875, 0}},
    {"Y, kept across: y stays 21.875 whatever the point's y", kYLeft, {100, -70, 0}, 0.0,
     AcrossLeader::Keep, -1, {105.625, 21.875, 0}},
    {"z of the point and of the text is dropped", {{30, 20, 5}, {30, 60, 5}, {28.125, 65.625, 5}, true},
     {50, 80, 9}, 1.875, AcrossLeader::AlignWithFeature, 1, {28.125, 85.625, 0}},
};

TEST(OrdinateTextMove, FollowsTheSideAndTheAlignment) {
  for (const MoveCase& c : kMoveCases) {
    EXPECT_EQ(sideFactor(c.dimension, c.target), c.side) << c.name;
    const AcGePoint3d moved = movedTextPosition(c.dimension, c.target, c.offset, c.across);
    EXPECT_DOUBLE_EQ(moved.x, c.expected.x) << c.name;
    EXPECT_DOUBLE_EQ(moved.y, c.expected.y) << c.name;
    EXPECT_EQ(moved.z, 0.0) << c.name;
  }
}

TEST(OrdinateTextMove, ASecondMoveStartsFromTheMovedText) {
  // Moved below the feature, the leader end follows the text (5.625 above
  // it); a move back above then mirrors again and restores the first figure.
  OrdinatePoints below = kXUp;
  below.textPosition = movedTextPosition(kXUp, {50, -10, 0}, 1.875, AcrossLeader::AlignWithFeature);
  below.leaderEnd = {30, below.textPosition.y + 5.625, 0};
  const AcGePoint3d back = movedTextPosition(below, {0, 80, 0}, 1.875, AcrossLeader::AlignWithFeature);
  EXPECT_DOUBLE_EQ(back.y, 85.625);
  EXPECT_DOUBLE_EQ(back.x, 28.125);
}

TEST(OrdinateTextMove, FeatureMoveCarriesTheTextAcrossOnly) {
  const AcGePoint3d x = textFollowingFeature(kXUp, {45, 12, 0});
  EXPECT_DOUBLE_EQ(x.x, 45.0) << "an X text takes the new feature's x";
  EXPECT_DOUBLE_EQ(x.y, 65.625) << "and keeps its height";
  const AcGePoint3d y = textFollowingFeature(kYLeft, {45, 12, 0});
  EXPECT_DOUBLE_EQ(y.x, -25.625) << "a Y text keeps its x";
  EXPECT_DOUBLE_EQ(y.y, 12.0) << "and takes the new feature's y";
  EXPECT_EQ(textFollowingFeature({{1, 2, 3}, {1, 9, 3}, {1, 12, 3}, true}, {4, 5, 0}).z, 0.0);
}

struct VarsCase {
  const char* name;
  OrdinateTextVars vars;
  double offset;
  double step;
};

const VarsCase kVarsCases[] = {
    {"DIMTAD 0: on the leader, step one text height", {0, 2.5, 0.625, 1.0}, 0.0, 2.5},
    {"DIMTAD 1, metric: half a height and a gap", {1, 2.5, 0.625, 1.0}, 1.875, 3.125},
    {"DIMTAD 1 at DIMSCALE 2", {1, 2.5, 0.625, 2.0}, 3.75, 6.25},
    {"DIMTAD 0 at DIMSCALE 2", {0, 3.5, 1.0, 2.0}, 0.0, 7.0},
    {"DIMTAD 3 counts as above", {3, 2.0, 0.5, 1.0}, 1.5, 2.5},
    {"DIMSCALE 0 counts as 1, as the host draws it", {1, 2.5, 0.625, 0.0}, 1.875, 3.125},
};

TEST(OrdinateTextVars, OffsetAndStep) {
  for (const VarsCase& c : kVarsCases) {
    EXPECT_DOUBLE_EQ(textAboveOffset(c.vars), c.offset) << c.name;
    EXPECT_DOUBLE_EQ(textStep(c.vars), c.step) << c.name;
  }
}

}  // namespace
}  // namespace zek::adxy1
