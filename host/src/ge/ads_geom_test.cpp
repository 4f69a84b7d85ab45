// Tests of acutAngle, acutDistance and acutPolar in every quadrant, and of
// the ads_point conversions.
#include "ads_geom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct AngleCase {
  const char* name;
  ads_point to;
  double angle;
};
// From (1,1,0).
constexpr AngleCase kAngleCases[] = {
    {"east", {2, 1, 0}, 0.0},
    {"north-east", {2, 2, 0}, kPi / 4},
    {"north", {1, 2, 0}, kPi / 2},
    {"north-west", {0, 2, 0}, 3 * kPi / 4},
    {"west", {0, 1, 0}, kPi},
    {"south-west", {0, 0, 0}, 5 * kPi / 4},
    {"south", {1, 0, 0}, 3 * kPi / 2},
    {"south-east", {2, 0, 0}, 7 * kPi / 4},
    {"z is ignored", {1, 2, 100}, kPi / 2},
    {"the same point", {1, 1, 0}, 0.0},
    {"straight up: no direction in XY", {1, 1, 5}, 0.0},
};

TEST(AdsGeom, AcutAngleInEveryQuadrant) {
  const ads_point from = {1, 1, 0};
  for (const auto& c : kAngleCases) {
    const double a = acutAngle(from, c.to);
    EXPECT_NEAR(a, c.angle, 1e-12) << c.name;
    EXPECT_GE(a, 0.0) << c.name;
    EXPECT_LT(a, 2 * kPi) << c.name;
  }
}

struct PolarCase {
  const char* name;
  double angle, dist;
  ads_point expected;
};
// From (1,2,3): z is kept.
const PolarCase kPolarCases[] = {
    {"east", 0.0, 2.0, {3, 2, 3}},
    {"north", kPi / 2, 2.0, {1, 4, 3}},
    {"west", kPi, 2.0, {-1, 2, 3}},
    {"south", 3 * kPi / 2, 2.0, {1, 0, 3}},
    {"north-east, sqrt 2", kPi / 4, std::sqrt(2.0), {2, 3, 3}},
    {"south-west by a negative angle", -3 * kPi / 4, std::sqrt(2.0), {0, 1, 3}},
    {"a negative distance goes backwards", 0.0, -1.0, {0, 2, 3}},
};

TEST(AdsGeom, AcutPolarInEveryQuadrant) {
  const ads_point from = {1, 2, 3};
  for (const auto& c : kPolarCases) {
    ads_point result = {99, 99, 99};
    acutPolar(from, c.angle, c.dist, result);
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(result[i], c.expected[i], 1e-12) << c.name << " [" << i << "]";
  }
}

TEST(AdsGeom, AcutPolarIntoItsOwnPoint) {
  ads_point p = {1, 2, 3};
  acutPolar(p, kPi / 2, 5.0, p);
  EXPECT_NEAR(p[0], 1.0, 1e-12);
  EXPECT_NEAR(p[1], 7.0, 1e-12);
  EXPECT_EQ(p[2], 3.0);
}

TEST(AdsGeom, DistanceIsInSpace) {
  const ads_point a = {0, 0, 0};
  const ads_point b = {1, 2, 2};
  EXPECT_DOUBLE_EQ(acutDistance(a, b), 3.0) << "z counts";
}

TEST(AdsGeom, ConversionsShareTheLayout) {
  const ads_point p = {1, 2, 3};
  EXPECT_EQ(asPoint3d(p), AcGePoint3d(1, 2, 3));
  EXPECT_EQ(asVec3d(p), AcGeVector3d(1, 2, 3));
  AcGePoint3d q(4, 5, 6);
  double* raw = asDblArray(q);
  raw[2] = -1.0;
  EXPECT_EQ(q, AcGePoint3d(4, 5, -1)) << "asDblArray writes through to the point";
  const ads_point from = {0, 0, 0};
  EXPECT_DOUBLE_EQ(acutDistance(from, asDblArray(q)), std::sqrt(16.0 + 25.0 + 1.0));
}

}  // namespace
