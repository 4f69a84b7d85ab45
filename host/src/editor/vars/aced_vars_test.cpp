// The interface calls over a drawing: -1 takes the drawing's units, DIMZIN
// shapes acdbRToS, the caller's buffer is never overrun, DIM* variables pass
// through to the dimension variables.
#include "aced_vars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

constexpr double kPi = 3.14159265358979323846;

void setShort(const char* name, int value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(value);
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << name << " " << value;
}

std::string rtos(double value, int unit, int prec) {
  char text[kZekRealTextSize];
  if (acdbRToS(value, unit, prec, text) != RTNORM)
    return "<error>";
  return text;
}

TEST(RealToText, HonoursTheDrawingsDimzin) {
  test::EditorSession session;
  EXPECT_EQ(rtos(12.5, 2, 4), "12.5000") << "the template's DIMZIN is 0";
  setShort("DIMZIN", 8);
  EXPECT_EQ(rtos(12.5, 2, 4), "12.5") << "DIMZIN 8";
  EXPECT_EQ(rtos(12.0, 2, 2), "12");
  setShort("DIMZIN", 12);
  EXPECT_EQ(rtos(0.25, 2, 4), ".25");
  setShort("DIMZIN", 0);  // what a module wanting trailing zeros does first
  EXPECT_EQ(rtos(12.5, 2, 4), "12.5000");
}

TEST(RealToText, MinusOneTakesTheDrawingsUnits) {
  test::EditorSession session;
  EXPECT_EQ(rtos(15.5, -1, -1), "15.5000") << "LUNITS 2, LUPREC 4";
  setShort("LUNITS", 4);
  setShort("LUPREC", 3);
  EXPECT_EQ(rtos(15.5, -1, -1), "1'-3 1/2\"");
  EXPECT_EQ(rtos(15.5, 2, -1), "15.500");
  ads_real value = 0;
  ASSERT_EQ(acdbDisToF("1'-3 1/2\"", -1, &value), RTNORM);
  EXPECT_EQ(value, 15.5);
  EXPECT_EQ(acdbDisToF("1'-3 1/2\"", 2, &value), RTERROR);
  char text[kZekRealTextSize];
  EXPECT_EQ(acdbAngToS(kPi / 4, -1, -1, text), RTNORM);
  EXPECT_STREQ(text, "45") << "AUNITS 0, AUPREC 0";
  setShort("AUNITS", 1);
  setShort("AUPREC", 4);
  EXPECT_EQ(acdbAngToS(kPi / 4, -1, -1, text), RTNORM);
  EXPECT_STREQ(text, "45d0'0\"");
  ASSERT_EQ(acdbAngToF("45d30'", -1, &value), RTNORM);
  EXPECT_NEAR(value, 45.5 * kPi / 180, 1e-15);
}

TEST(RealToText, NeverOverrunsTheBuffer) {
  test::EditorSession session;
  char text[kZekRealTextSize + 8];
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(acdbRToS(1e70, 2, 8, text), RTERROR) << "71 digits and 8 decimals";
  EXPECT_STREQ(text, "");
  EXPECT_EQ(text[kZekRealTextSize], 'x') << "nothing written past the buffer";
  EXPECT_EQ(acdbRToS(1e70, 1, 8, text), RTNORM);
  EXPECT_STREQ(text, "1.00000000E+70");
  EXPECT_EQ(acdbRToS(1.0, 6, 2, text), RTERROR);
  EXPECT_EQ(acdbRToS(1.0, 2, 2, nullptr), RTERROR);
  ads_real value = 0;
  EXPECT_EQ(acdbDisToF("garbage", 2, &value), RTERROR);
  EXPECT_EQ(acdbDisToF(nullptr, 2, &value), RTERROR);
}

TEST(DimensionVariables, PassThroughToTheDimensionVariableTable) {
  test::EditorSession session;
  resbuf rb{};
  ASSERT_EQ(acedGetVar("dimzin", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTSHORT);
  EXPECT_EQ(rb.resval.rint, 0) << "the template's DIMZIN";
  ASSERT_EQ(acedGetVar("DIMTXT", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTREAL);
  EXPECT_EQ(rb.resval.rreal, 2.5);
  resbuf dec{};
  dec.restype = RTSHORT;
  dec.resval.rint = 9;
  EXPECT_EQ(acedSetVar("DIMDEC", &dec), RTERROR) << "DIMDEC 0..8";
  dec.resval.rint = 3;
  EXPECT_EQ(acedSetVar("DIMDEC", &dec), RTNORM);
  ASSERT_EQ(acedGetVar("DIMDEC", &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 3);
  EXPECT_EQ(acedGetVar("DIMNOSUCH", &rb), RTERROR);
  EXPECT_EQ(acedSetVar("DIMNOSUCH", &dec), RTERROR);
  ASSERT_EQ(acedGetVar("DIMSTYLE", &rb), RTNORM);
  ASSERT_EQ(rb.restype, RTSTR);
  EXPECT_STREQ(rb.resval.rstring, "Standard");
  acutDelString(rb.resval.rstring);
}

}  // namespace
}  // namespace zek
