// The one-pixel band of thin PNG lines: the share of each pixel it covers,
// the butt ends that make a dot of a one-pixel segment, blending, clipping.
#include "core/pixel_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zek::render {
namespace {

// A white 20 × 20 picture.
struct Picture {
  std::vector<std::uint32_t> words = std::vector<std::uint32_t>(20 * 20, 0x00FFFFFF);
  PixelImage image{words.data(), 20, 20, 20};
  int red(int x, int y) const { return int(words[y * 20 + x] >> 16 & 0xFF); }
  int blue(int x, int y) const { return int(words[y * 20 + x] & 0xFF); }
  // How much of the pixel is ink: 0 white, 1 black.
  double ink(int x, int y) const { return 1.0 - blue(x, y) / 255.0; }
  double totalInk() const {
    double sum = 0.0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        sum += ink(x, y);
    return sum;
  }
};

constexpr Rgb kInk{0, 0, 0};
// 8-bit blending rounds: a share is right to within this.
constexpr double kShareSlack = 0.01;

TEST(PixelLines, ALineAlongARowsMiddleFillsThatRowOnly) {
  Picture p;
  drawPixelLine(p.image, {2, 5.5}, {12, 5.5}, kInk);
  for (int x = 0; x < 20; ++x) {
    EXPECT_NEAR(p.ink(x, 5), x >= 2 && x < 12 ? 1.0 : 0.0, kShareSlack) << "column " << x;
    EXPECT_EQ(p.ink(x, 4), 0.0) << "column " << x;
    EXPECT_EQ(p.ink(x, 6), 0.0) << "column " << x;
  }
}

TEST(PixelLines, ALineOnARowBoundarySharesTwoRowsHalfAndHalf) {
  Picture p;
  drawPixelLine(p.image, {5, 2}, {5, 12}, kInk);  // down the boundary of columns 4 and 5
  for (int y = 2; y < 12; ++y) {
    EXPECT_NEAR(p.ink(4, y), 0.5, kShareSlack) << "row " << y;
    EXPECT_NEAR(p.ink(5, y), 0.5, kShareSlack) << "row " << y;
  }
  EXPECT_NEAR(p.totalInk(), 10.0, 0.1) << "ten pixels' worth of ink";
}

TEST(PixelLines, AOnePixelSegmentIsADot) {
  Picture centred;
  drawPixelLine(centred.image, {5.0, 5.5}, {6.0, 5.5}, kInk);
  EXPECT_NEAR(centred.ink(5, 5), 1.0, kShareSlack);
  EXPECT_NEAR(centred.totalInk(), 1.0, kShareSlack);

  Picture corner;  // on the corner of four pixels: a quarter each
  drawPixelLine(corner.image, {4.5, 5.0}, {5.5, 5.0}, kInk);
  for (int x : {4, 5})
    for (int y : {4, 5})
      EXPECT_NEAR(corner.ink(x, y), 0.25, kShareSlack) << x << "," << y;
  EXPECT_NEAR(corner.totalInk(), 1.0, 2 * kShareSlack);

  Picture none;
  drawPixelLine(none.image, {5, 5}, {5, 5}, kInk);
  EXPECT_EQ(none.totalInk(), 0.0) << "butt ends: a segment of no length draws nothing";
}

TEST(PixelLines, ASlantedLineLaysInkForItsLength) {
  Picture p;
  drawPixelLine(p.image, {2, 2}, {14, 11}, kInk);  // 15 long
  EXPECT_NEAR(p.totalInk(), 15.0, 15.0 * 0.03);
  Picture steep;
  drawPixelLine(steep.image, {3, 1}, {8, 13}, kInk);  // 13 long
  EXPECT_NEAR(steep.totalInk(), 13.0, 13.0 * 0.03);
}

TEST(PixelLines, ColourBlendsOverWhatIsThereByTheShare) {
  Picture p;
  drawPixelLine(p.image, {2, 5}, {12, 5}, Rgb{255, 0, 0});  // half of rows 4 and 5
  EXPECT_EQ(p.red(6, 5), 255);
  EXPECT_NEAR(p.blue(6, 5), 128, 1);
  drawPixelLine(p.image, {2, 5}, {12, 5}, Rgb{255, 0, 0});  // again: half of what was left
  EXPECT_NEAR(p.blue(6, 5), 64, 1);
}

TEST(PixelLines, WhatFallsOutsideIsLeftOut) {
  Picture p;
  drawPixelLine(p.image, {-50, 5.5}, {70, 5.5}, kInk);
  EXPECT_NEAR(p.totalInk(), 20.0, 0.1) << "the row across the picture, no more";
  Picture far;
  drawPixelLine(far.image, {-1e12, 3}, {1e12, 9}, kInk);
  drawPixelLine(far.image, {30, 30}, {40, 45}, kInk);
  drawPixelLine(far.image, {std::nan(""), 1}, {5, 5}, kInk);
  EXPECT_LT(far.totalInk(), 25.0) << "no wild writes, nothing but the one long line";
}

}  // namespace
}  // namespace zek::render
