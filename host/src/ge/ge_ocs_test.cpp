// Tests of the object coordinate systems (the arbitrary-axis rule) and of
// convertToLocal, the 2D transformation a matrix performs in an entity's
// plane.
#include <gtest/gtest.h>

#include <numbers>

#include "ge_expect.h"
#include "ge_matrix.h"

namespace {

using zek::test::nearEntries;
using zek::test::nearXyz;
constexpr double kPi = std::numbers::pi;

AcGeVector3d column(const AcGeMatrix3d& m, int c) {
  return {m.entry[0][c], m.entry[1][c], m.entry[2][c]};
}

// Expected axes worked by hand from Ax = (Wy or Wz) × N, Ay = N × Ax.
struct OcsCase {
  const char* name;
  AcGeVector3d normal;
  AcGeVector3d ax, ay, az;
};
const OcsCase kOcsCases[] = {
    {"+Z: the world axes", {0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    // Wy × (0,0,−1) = (−1,0,0); N × Ax = (0,1,0).
    {"-Z: X turns over, Y stays", {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, {0, 0, -1}},
    // Wz × (1,0,0) = (0,1,0); N × Ax = (0,0,1).
    {"+X", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
    // Wz × (0,1,0) = (−1,0,0); N × Ax = (0,0,1).
    {"+Y", {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    // |Nx| = 0.01 < 1/64: Wy × N = (Nz, 0, −Nx); Wz × N would give (0,1,0).
    {"within 1/64 of Z: Wy is used", {0.01, 0, 0.99994999874993749}, {0.99994999874993749, 0, -0.01},
     {0, 1, 0}, {0.01, 0, 0.99994999874993749}},
    // |Nx| = 0.02 > 1/64: Wz × N = (0, 0.02, 0) normalised.
    {"beyond 1/64 of Z: Wz is used", {0.02, 0, 0.99979997999599840}, {0, 1, 0},
     {-0.99979997999599840, 0, 0.02}, {0.02, 0, 0.99979997999599840}},
    {"an unnormalised normal", {0, 0, 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {"a zero normal reads as Z", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
};

TEST(Ocs, PlaneToWorldFollowsArbitraryAxisRule) {
  for (const auto& c : kOcsCases) {
    const AcGeMatrix3d m = AcGeMatrix3d::planeToWorld(c.normal);
    EXPECT_TRUE(nearXyz(column(m, 0), c.ax)) << c.name << ": X axis";
    EXPECT_TRUE(nearXyz(column(m, 1), c.ay)) << c.name << ": Y axis";
    EXPECT_TRUE(nearXyz(column(m, 2), c.az)) << c.name << ": Z axis";
    EXPECT_TRUE(nearXyz(column(m, 3), AcGeVector3d(0, 0, 0))) << c.name << ": no translation";
  }
}

TEST(Ocs, WorldToPlaneIsTheInverse) {
  // In the OCS of +X: x = Ax·p = p.y, y = Ay·p = p.z, z = N·p = p.x.
  EXPECT_TRUE(nearXyz(AcGeMatrix3d::worldToPlane({1, 0, 0}) * AcGePoint3d(1, 2, 3),
                      AcGePoint3d(2, 3, 1)));
  // In the OCS of −Z: x = −p.x, y = p.y, z = −p.z.
  EXPECT_TRUE(nearXyz(AcGeMatrix3d::worldToPlane({0, 0, -1}) * AcGePoint3d(1, 2, 3),
                      AcGePoint3d(-1, 2, -3)));
}

AcGeMatrix3d diagonal(double x, double y, double z) {
  AcGeMatrix3d m;
  m.entry[0][0] = x;
  m.entry[1][1] = y;
  m.entry[2][2] = z;
  return m;
}

struct LocalCase {
  const char* name;
  AcGeMatrix3d m;
  AcGeVector3d normalIn;
  double elevIn;
  double expected[3][3];
  AcGeVector3d normalOut;
  double elevOut;
};

TEST(Ocs, ConvertToLocal) {
  const AcGeMatrix3d quarterAbout10 =
      AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis, {10, 0, 0});
  AcGeMatrix3d shearXByZ;
  shearXByZ.entry[0][2] = 1.0;
  const LocalCase cases[] = {
      // t = c − R·c = (10,0) − (0,10).
      {"quarter turn about Z at (10,0)", quarterAbout10, {0, 0, 1}, 5.0,
       {{0, -1, 10}, {1, 0, -10}, {0, 0, 1}}, {0, 0, 1}, 5.0},
      {"...then lifted by 2", AcGeMatrix3d::translation({0, 0, 2}) * quarterAbout10, {0, 0, 1},
       5.0, {{0, -1, 10}, {1, 0, -10}, {0, 0, 1}}, {0, 0, 1}, 7.0},
      // A mirrored plan-view entity keeps normal +Z; its xy mirror.
      {"mirror in y = x", AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)),
       {0, 0, 1}, 3.0, {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}, {0, 0, 1}, 3.0},
      {"mirror in x = 5", AcGeMatrix3d::mirroring(AcGePoint3d(5, 0, 0), AcGePoint3d(5, 1, 0)),
       {0, 0, 1}, 0.0, {{-1, 0, 10}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 1}, 0.0},
      // z → −z turns the normal to −Z, whose OCS X is world −X: a world
      // point (5,0,3) lands at (5,0,−3), OCS (−5,0) at elevation 3.
      {"mirror through the XY plane", diagonal(1, 1, -1), {0, 0, 1}, 3.0,
       {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 0, -1}, 3.0},
      {"scaling 2 about the origin", AcGeMatrix3d::scaling(2.0), {0, 0, 1}, 3.0,
       {{2, 0, 0}, {0, 2, 0}, {0, 0, 1}}, {0, 0, 1}, 6.0},
      // OCS (u,v,e) of +X is world (e,u,v); turned: (−u,e,v); in the OCS of
      // +Y (Ax = −X, Ay = Z) that is (u, v) at elevation e.
      {"a +X plane turned about Z becomes a +Y plane",
       AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis), {1, 0, 0}, 4.0,
       {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 1, 0}, 4.0},
      // x' = x + z: an entity at elevation 3 moves 3 along x in its plane.
      {"shear of x by z", shearXByZ, {0, 0, 1}, 3.0, {{1, 0, 3}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 1},
       3.0},
      // OCS z of a +X plane is world x: moving along X changes its elevation.
      {"a +X plane moved along X", AcGeMatrix3d::translation({5, 0, 0}), {1, 0, 0}, 4.0,
       {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {1, 0, 0}, 9.0},
      // Z → −Y under a quarter turn about X: the OCS of −Y has Ax = X,
      // Ay = Z, so OCS (u,v) stays (u,v) at the same elevation.
      {"a plan-view plane turned about X", AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kXAxis),
       {0, 0, 1}, 2.0, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, -1, 0}, 2.0},
      // Flattening keeps the plan-view plane, not the collapsed z.
      {"flattening onto XY", diagonal(1, 1, 0), {0, 0, 1}, 3.0,
       {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 1}, 0.0},
  };
  for (const auto& c : cases) {
    AcGeVector3d normal = c.normalIn;
    double elev = c.elevIn;
    const AcGeMatrix2d local = c.m.convertToLocal(normal, elev);
    EXPECT_TRUE(nearEntries(local, c.expected)) << c.name;
    EXPECT_TRUE(nearXyz(normal, c.normalOut)) << c.name << ": normal";
    EXPECT_NEAR(elev, c.elevOut, 1e-12) << c.name << ": elevation";
  }
}

}  // namespace
