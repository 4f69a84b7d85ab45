// Tests of the colour index palette: the named colours and greys as a
// drafter knows them, and the hue wheel against its rule — hue 15° per ten
// indexes from red, five brightness levels, full and half saturation —
// computed here from the rule, not read from the table.
#include "palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zek::render {
namespace {

Rgb hex(unsigned value) {
  return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value)};
}

std::string describe(const Rgb& c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

struct Anchor {
  int index;
  unsigned rgb;
  const char* what;
};

constexpr Anchor kAnchors[] = {
    {1, 0xFF0000, "red"},
    {2, 0xFFFF00, "yellow"},
    {3, 0x00FF00, "green"},
    {4, 0x00FFFF, "cyan"},
    {5, 0x0000FF, "blue"},
    {6, 0xFF00FF, "magenta"},
    {7, 0xFFFFFF, "white"},
    {8, 0x808080, "dark grey"},
    {9, 0xC0C0C0, "light grey"},
    {10, 0xFF0000, "the wheel starts at red"},
    {20, 0xFF3F00, "hue 15: a quarter of the way to yellow"},
    {30, 0xFF7F00, "hue 30: orange"},
    {40, 0xFFBF00, "hue 45: three quarters of the way to yellow"},
    {50, 0xFFFF00, "hue 60: yellow"},
    {130, 0x00FFFF, "hue 180: cyan"},
    {134, 0x007F7F, "cyan at half brightness"},
    {136, 0x004C4C, "cyan at 30 % brightness"},
    {140, 0x00BFFF, "hue 195: a quarter of the way from cyan to blue"},
    {250, 0x333333, "darkest grey"},
    {251, 0x505050, "grey"},
    {252, 0x696969, "grey"},
    {253, 0x828282, "grey"},
    {254, 0xBEBEBE, "grey"},
    {255, 0xFFFFFF, "lightest grey: white"},
    {0, 0xFFFFFF, "BYBLOCK answers white"},
    {256, 0xFFFFFF, "BYLAYER answers white"},
    {-3, 0xFFFFFF, "below the table"},
    {1000, 0xFFFFFF, "above the table"},
};

TEST(AciPalette, KnownColoursAndGreys) {
  for (const Anchor& a : kAnchors)
    EXPECT_EQ(describe(aciColour(a.index)), describe(hex(a.rgb))) << "index " << a.index << ": " << a.what;
}

// The wheel's rule: hue (index / 10 - 1) × 15°, brightness by the last digit
// (0-1 100 %, 2-3 65 %, 4-5 50 %, 6-7 30 %, 8-9 15 % of 255), an odd last
// digit half saturated (its weakest channel half the strongest).
struct RuleColour {
  double r, g, b;
};

RuleColour wheelRule(int index) {
  const double kBrightness[] = {255.0, 165.0, 127.0, 76.0, 38.0};
  double hue = (index / 10 - 1) * 15.0;
  int digit = index % 10;
  double high = kBrightness[digit / 2];
  double low = digit % 2 == 1 ? high / 2.0 : 0.0;
  // A channel is full within 60° of its own hue and fades to `low` over the
  // next 60°.
  auto channel = [&](double ownHue) {
    double away = std::fabs(std::remainder(hue - ownHue, 360.0));
    double share = std::clamp((120.0 - away) / 60.0, 0.0, 1.0);
    return low + (high - low) * share;
  };
  return RuleColour{channel(0.0), channel(120.0), channel(240.0)};
}

TEST(AciPalette, HueWheelFollowsTheRule) {
  for (int index = 10; index <= 249; ++index) {
    RuleColour want = wheelRule(index);
    Rgb got = aciColour(index);
    // The table rounds some shares down and some to nearest: one step either way.
    EXPECT_LE(std::fabs(got.r - want.r), 1.0) << "index " << index << " red " << describe(got);
    EXPECT_LE(std::fabs(got.g - want.g), 1.0) << "index " << index << " green " << describe(got);
    EXPECT_LE(std::fabs(got.b - want.b), 1.0) << "index " << index << " blue " << describe(got);
  }
}

TEST(AciPalette, FiveBrightnessStepsWithinEachHue) {
  const int kLevels[] = {255, 165, 127, 76, 38};
  for (int hueStart = 10; hueStart <= 240; hueStart += 10)
    for (int step = 0; step < 5; ++step) {
      Rgb full = aciColour(hueStart + 2 * step);
      Rgb half = aciColour(hueStart + 2 * step + 1);
      int fullHigh = std::max({full.r, full.g, full.b});
      int fullLow = std::min({full.r, full.g, full.b});
      int halfHigh = std::max({half.r, half.g, half.b});
      int halfLow = std::min({half.r, half.g, half.b});
      EXPECT_EQ(fullHigh, kLevels[step]) << "index " << hueStart + 2 * step;
      EXPECT_EQ(fullLow, 0) << "index " << hueStart + 2 * step << " is fully saturated";
      EXPECT_EQ(halfHigh, kLevels[step]) << "index " << hueStart + 2 * step + 1;
      EXPECT_LE(std::abs(2 * halfLow - halfHigh), 1)
          << "index " << hueStart + 2 * step + 1 << " is half saturated: " << describe(half);
    }
}

TEST(AciPalette, GreysRunFromDarkToLight) {
  for (int index = 250; index <= 255; ++index) {
    Rgb c = aciColour(index);
    EXPECT_TRUE(c.r == c.g && c.g == c.b) << "index " << index << " is a grey: " << describe(c);
    if (index > 250) {
      EXPECT_GT(c.r, aciColour(index - 1).r) << "index " << index << " is lighter than the one before";
    }
  }
}

}  // namespace
}  // namespace zek::render
