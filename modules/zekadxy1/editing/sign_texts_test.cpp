// ZEKXY7's sign strings and the texts of re-based dimensions.
#include "editing/sign_texts.h"

#include <gtest/gtest.h>

namespace zek::adxy1 {
namespace {

struct StoredCase {
  const char* typed;
  const char* stored;
};

TEST(SignStrings, KeepTheFirstTwoCharacters) {
  const StoredCase cases[] = {
      {"+", "+"},
      {"+-*", "+-"},          // three characters typed, two kept
      {"ab", "ab"},
      {"\xC2\xB1\xC2\xB1\xC2\xB1", "\xC2\xB1\xC2\xB1"},  // "±±±": two whole characters
      {"\xC2\xB1+-", "\xC2\xB1+"},                        // a wide and a narrow one
      {"\xE6\xAD\xA3\xE5\x8F\xB7\xE5\x8F\xB7", "\xE6\xAD\xA3\xE5\x8F\xB7"},  // "正号号"
      {"", ""},
  };
  for (const StoredCase& c : cases)
    EXPECT_EQ(storedSign(c.typed), c.stored) << "typed \"" << c.typed << "\"";
}

TEST(SignStrings, AFullStopFirstMeansNoSign) {
  EXPECT_TRUE(isNoSign("."));
  EXPECT_TRUE(isNoSign(".+")) << "the first character decides";
  EXPECT_FALSE(isNoSign("+."));
  EXPECT_FALSE(isNoSign("-"));
  EXPECT_EQ(signedText("+"), "+<>");
  EXPECT_EQ(signedText("-"), "-<>");
  EXPECT_EQ(signedText("."), "<>");
  EXPECT_EQ(signedText(".+"), "<>");
  EXPECT_EQ(signedText("\xC2\xB1"), "\xC2\xB1<>");
}

TEST(SignStrings, TheDefaultsGiveTheValueAndMinus) {
  const SignedTexts texts = signedTexts(SignStrings{});
  EXPECT_EQ(texts.plus, "<>") << "the plus sign starts as \".\"";
  EXPECT_EQ(texts.minus, "-<>");
}

struct RebaseCase {
  const char* name;
  bool addSigns;
  const char* plus;
  bool measuresX;
  AcGePoint2d basePoint;
  AcGePoint3d definingPoint;
  const char* text;
};

TEST(RebasedText, PlusFromTheZeroOnwardsMinusBefore) {
  const RebaseCase cases[] = {
      {"x 30 from zero 10: plus", true, "+", true, {10, 0}, {30, 5, 0}, "+<>"},
      {"x 5 from zero 10: minus", true, "+", true, {10, 0}, {5, 5, 0}, "-<>"},
      {"on the zero itself: plus", true, "+", true, {10, 0}, {10, 50, 0}, "+<>"},
      {"plus sign \".\": only the value", true, ".", true, {10, 0}, {30, 5, 0}, "<>"},
      {"Y ordinates compare y: y 20 below zero 50", true, "+", false, {10, 50}, {100, 20, 0}, "-<>"},
      {"Y ordinates compare y: y 70 above zero 50", true, "+", false, {100, 50}, {0, 70, 0}, "+<>"},
      {"signs off: the measured value", false, "+", true, {10, 0}, {5, 5, 0}, "<>"},
  };
  for (const RebaseCase& c : cases) {
    const SignedTexts texts = signedTexts(SignStrings{c.plus, "-"});
    EXPECT_EQ(rebasedText(c.addSigns, texts, c.measuresX, c.basePoint, c.definingPoint), c.text)
        << c.name;
  }
}

}  // namespace
}  // namespace zek::adxy1
