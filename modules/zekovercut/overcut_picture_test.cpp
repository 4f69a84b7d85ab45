// The picture of dialog 101 shows the construction ZEKGQ makes: its first
// strokes are the plan of the picture's own example, and every stroke lies
// inside the picture control.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "overcut_construction.h"
#include "overcut_dialog_resource.h"

namespace zek {
namespace {

constexpr double kPictureTolerance = 1e-3;  // the strokes are written to 3 decimals

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// How far apart two directions in degrees are, the turn ignored (0 and 360
// are the same direction).
double turnBetween(double a, double b) {
  return std::abs(std::fmod(a - b + 540.0, 360.0) - 180.0);
}

// World to picture: the corner at kPictureCorner, y downwards.
double pictureX(double x) { return kPictureCornerX + x; }
double pictureY(double y) { return kPictureCornerY - y; }

void expectLine(const ZekPictureStroke& stroke, const Line2& line, const std::string& row) {
  ASSERT_EQ(stroke.kind, ZekPictureStrokeKind::Line) << row;
  EXPECT_NEAR(stroke.x1, pictureX(line.start.x), kPictureTolerance) << row;
  EXPECT_NEAR(stroke.y1, pictureY(line.start.y), kPictureTolerance) << row;
  EXPECT_NEAR(stroke.x2, pictureX(line.end.x), kPictureTolerance) << row;
  EXPECT_NEAR(stroke.y2, pictureY(line.end.y), kPictureTolerance) << row;
}

// Angles seen on the screen are the drawing's: the flip of y turns the
// picture upright again.
void expectArc(const ZekPictureStroke& stroke, const OvercutArc& arc, const std::string& row) {
  ASSERT_EQ(stroke.kind, ZekPictureStrokeKind::Arc) << row;
  EXPECT_NEAR(stroke.x1, pictureX(arc.centre.x), kPictureTolerance) << row;
  EXPECT_NEAR(stroke.y1, pictureY(arc.centre.y), kPictureTolerance) << row;
  EXPECT_NEAR(stroke.radius, arc.radius, kPictureTolerance) << row;
  EXPECT_LT(turnBetween(stroke.startAngle, degrees(arc.startAngle)), kPictureTolerance) << row;
  EXPECT_LT(turnBetween(stroke.endAngle, degrees(arc.endAngle)), kPictureTolerance) << row;
}

TEST(OvercutPicture, ShowsTheConstructionOfItsExample) {
  const OvercutSettings example{kPictureR1, kPictureR2, kPictureR3, kPictureW, kPictureS};
  const OvercutOutcome outcome =
      planOvercut({{65, 0}, {0, 0}}, {{0, -30}, {0, 65}}, {30, 30}, example);
  ASSERT_EQ(outcome.refusal, nullptr);
  const OvercutPlan& plan = outcome.plan;
  ASSERT_TRUE(plan.filletArc);
  ASSERT_TRUE(plan.step);
  ASSERT_GE(kOvercutPicture.strokeCount, kOvercutPictureConstructionStrokes);
  const ZekPictureStroke* strokes = kOvercutPicture.strokes;
  expectLine(strokes[0], plan.firstLine, "line 1");
  expectLine(strokes[1], plan.secondLine, "line 2");
  expectLine(strokes[2], plan.step->alongSecond, "the step along line 2");
  expectLine(strokes[3], plan.step->alongFirst, "the step's W line");
  expectArc(strokes[4], plan.overcutArc, "R1");
  expectArc(strokes[5], *plan.filletArc, "R2");
  expectArc(strokes[6], plan.step->fillet, "R3");
}

TEST(OvercutPicture, StaysInsideItsControl) {
  const ZekDialogResource& dialog = kOvercutDialogs[0];
  const ZekControlResource* picture = nullptr;
  for (int i = 0; i < dialog.controlCount; ++i)
    if (dialog.controls[i].kind == ZekControlKind::Picture)
      picture = &dialog.controls[i];
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->picture, &kOvercutPicture);
  const double width = picture->width;
  const double height = picture->height;
  auto inside = [&](double x, double y) { return x >= 0 && x <= width && y >= 0 && y <= height; };
  for (int i = 0; i < kOvercutPicture.strokeCount; ++i) {
    const ZekPictureStroke& s = kOvercutPicture.strokes[i];
    const std::string row = "stroke " + std::to_string(i);
    if (s.kind == ZekPictureStrokeKind::Arc) {
      EXPECT_TRUE(inside(s.x1 - s.radius, s.y1 - s.radius) && inside(s.x1 + s.radius, s.y1 + s.radius))
          << row << ": the arc's whole circle";
    } else {
      EXPECT_TRUE(inside(s.x1, s.y1)) << row;
      if (s.kind == ZekPictureStrokeKind::Line) {
        EXPECT_TRUE(inside(s.x2, s.y2)) << row;
      }
    }
  }
}

}  // namespace
}  // namespace zek
