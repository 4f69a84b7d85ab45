// The radius a ZEKDIAMETER answer asks for.
#include <gtest/gtest.h>

#include "radius_answer.h"

namespace zek {
namespace {

struct AnswerCase {
  const char* answer;
  double radius;
  const char* why;
};

const AnswerCase kAnswerCases[] = {
    {"R4", 4.0, "R marks a radius"},
    {"r4", 4.0, "so does r"},
    {"10", 5.0, "a plain number is a diameter, halved"},
    {"0", 0.0, "zero, which leaves the circle as it is"},
    {"R2.5", 2.5, "a radius with decimals"},
    {"7.5", 3.75, "a diameter with decimals"},
    {".5", 0.25, "no digit before the point"},
    {"1e1", 5.0, "exponent notation"},
    {"12mm", 6.0, "what follows the number is not read"},
    {"R3x", 3.0, "...after R too"},
    {" 8", 4.0, "blanks before the number"},
    {"+8", 4.0, "a plus sign"},
    {"-10", -5.0, "a negative diameter stays negative (the command leaves it)"},
    {"R-4", -4.0, "a negative radius likewise"},
    {"", 0.0, "an empty answer"},
    {"R", 0.0, "R without a number"},
    {"abc", 0.0, "no number at all"},
    {"D10", 0.0, "D is no mark: not a number"},
    {"RR4", 0.0, "only one R is a mark"},
    {"--4", 0.0, "two signs are no number"},
    {"+-4", 0.0, "nor are two different ones"},
    {"inf", 0.0, "no finite number"},
    {"nan", 0.0, "no number"},
    {"1e999", 0.0, "beyond the range of a double"},
};

TEST(RadiusAnswer, RadiusOrHalvedDiameter) {
  for (const AnswerCase& c : kAnswerCases)
    EXPECT_DOUBLE_EQ(radiusFromAnswer(c.answer), c.radius) << '"' << c.answer << "\": " << c.why;
}

}  // namespace
}  // namespace zek
