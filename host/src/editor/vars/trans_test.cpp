// Coordinate systems: acedTrans between world, a moved and turned UCS, the
// display, entity and extrusion systems; acdbUcs2Wcs/acdbWcs2Ucs; the UCS math.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "aced_vars.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"
#include "editor/testing/editor_test_support.h"
#include "editor/vars/ucs_math.h"

namespace zek {
namespace {

constexpr double kPi = 3.14159265358979323846;

resbuf code(int c) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(c);
  return rb;
}

resbuf extrusion(double x, double y, double z) {
  resbuf rb{};
  rb.restype = RT3DPOINT;
  rb.resval.rpoint[0] = x;
  rb.resval.rpoint[1] = y;
  rb.resval.rpoint[2] = z;
  return rb;
}

resbuf entity(AcDbObjectId id) {
  resbuf rb{};
  rb.restype = RTENAME;
  EXPECT_EQ(acdbGetAdsName(rb.resval.rlname, id), Acad::eOk);
  return rb;
}

// A UCS at (10,20,0) turned 90° about Z: its X axis is the world Y axis,
// its Y axis the world −X axis.
AcGeMatrix3d turnedUcs() {
  AcGeMatrix3d ucs;
  ucs.setCoordSystem(AcGePoint3d(10, 20, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0),
                     AcGeVector3d(0, 0, 1));
  return ucs;
}

#define EXPECT_POINT(p, ex, ey, ez, why)   \
  do {                                     \
    EXPECT_NEAR((p)[0], ex, 1e-9) << why;  \
    EXPECT_NEAR((p)[1], ey, 1e-9) << why;  \
    EXPECT_NEAR((p)[2], ez, 1e-9) << why;  \
  } while (0)

struct TransCase {
  const char* row;
  resbuf from;
  resbuf to;
  int disp;
  double in[3];
  double out[3];
};

TEST(AcedTrans, MapsBetweenWorldUserDisplayAndExtrusionSystems) {
  test::EditorSession session;
  session.document().setUcs(turnedUcs());
  // Hand values: UCS (1,2,3) is (10,20,0) + 1·(0,1,0) + 2·(−1,0,0) + 3·(0,0,1).
  // The extrusion (0,0,−1) has OCS axes X = Wy × N = (−1,0,0), Y = N × X = (0,1,0).
  const TransCase cases[] = {
      {"UCS point to world", code(1), code(0), 0, {1, 2, 3}, {8, 21, 3}},
      {"world point to UCS", code(0), code(1), 0, {8, 21, 3}, {1, 2, 3}},
      {"UCS displacement to world", code(1), code(0), 1, {1, 2, 3}, {-2, 1, 3}},
      {"world displacement to UCS", code(0), code(1), 1, {0, 1, 0}, {1, 0, 0}},
      {"display is the world plan view", code(1), code(2), 0, {1, 2, 3}, {8, 21, 3}},
      {"display to UCS", code(2), code(1), 0, {10, 20, 0}, {0, 0, 0}},
      {"UCS to itself", code(1), code(1), 0, {4, 5, 6}, {4, 5, 6}},
      {"extrusion to world", extrusion(0, 0, -1), code(0), 0, {1, 2, 3}, {-1, 2, -3}},
      {"world to extrusion", code(0), extrusion(0, 0, -1), 0, {5, 6, 7}, {-5, 6, -7}},
      {"unit-less extrusion", extrusion(0, 0, 5), code(0), 0, {1, 2, 3}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    ads_point result;
    ASSERT_EQ(acedTrans(c.in, &c.from, &c.to, c.disp, result), RTNORM) << c.row;
    EXPECT_POINT(result, c.out[0], c.out[1], c.out[2], c.row);
  }
}

// The visible window as the modules compute it: VIEWCTR to display
// coordinates, ± half the height and width, back to the UCS.
TEST(AcedTrans, VisibleWindowOfAViewTwiceAsWideAsHigh) {
  test::EditorSession session;
  Document& doc = session.document();
  doc.view().centre = AcGePoint3d(50, 30, 0);
  doc.view().height = 100;
  doc.view().screenWidth = 2000;
  doc.view().screenHeight = 1000;
  AcGeMatrix3d moved;
  moved.setTranslation(AcGeVector3d(10, 10, 0));
  doc.setUcs(moved);
  resbuf size{}, screen{}, centre{};
  ASSERT_EQ(acedGetVar("VIEWSIZE", &size), RTNORM);
  ASSERT_EQ(acedGetVar("SCREENSIZE", &screen), RTNORM);
  ASSERT_EQ(acedGetVar("VIEWCTR", &centre), RTNORM);
  EXPECT_POINT(centre.resval.rpoint, 40, 20, 0, "VIEWCTR in the moved UCS");
  const resbuf ucs = code(1), display = code(2);
  ads_point c;
  ASSERT_EQ(acedTrans(centre.resval.rpoint, &ucs, &display, 0, c), RTNORM);
  const double h = size.resval.rreal * 0.5;
  const double w = screen.resval.rpoint[0] / screen.resval.rpoint[1] * size.resval.rreal * 0.5;
  const ads_point lowerLeft = {c[0] - w, c[1] - h, 0}, upperRight = {c[0] + w, c[1] + h, 0};
  ads_point ll, ur;
  ASSERT_EQ(acedTrans(lowerLeft, &display, &ucs, 0, ll), RTNORM);
  ASSERT_EQ(acedTrans(upperRight, &display, &ucs, 0, ur), RTNORM);
  EXPECT_POINT(ll, -60, -30, 0, "world (−50,−20), 200 × 100 around (50,30)");
  EXPECT_POINT(ur, 140, 70, 0, "world (150,80)");
}

TEST(AcedTrans, EntityNamesGiveTheEntitysOwnSystem) {
  test::EditorSession session;
  auto* circle = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, -1), 5.0);
  AcDbObjectId circleId = test::appendToModelSpace(session.db(), circle);
  AcDbObjectId lineId =
      test::appendToModelSpace(session.db(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  ASSERT_FALSE(circleId.isNull());
  ASSERT_FALSE(lineId.isNull());
  const resbuf world = code(0);
  const resbuf ofCircle = entity(circleId);
  const resbuf ofLine = entity(lineId);
  const ads_point p = {1, 2, 3};
  ads_point result;
  ASSERT_EQ(acedTrans(p, &ofCircle, &world, 0, result), RTNORM);
  EXPECT_POINT(result, -1, 2, -3, "a circle drawn upside down");
  ASSERT_EQ(acedTrans(p, &ofLine, &world, 0, result), RTNORM);
  EXPECT_POINT(result, 1, 2, 3, "a line's coordinates are world ones");
  // Also while the module holds the circle open for write.
  {
    test::Opened<AcDbCircle> open(circleId, AcDb::kForWrite);
    ASSERT_EQ(acedTrans(p, &world, &ofCircle, 0, result), RTNORM);
    EXPECT_POINT(result, -1, 2, -3, "world to the open circle's system");
  }
  EXPECT_TRUE(session.db().openObjects().empty());
}

TEST(AcedTrans, RefusesWhatNamesNoSystem) {
  test::EditorSession session;
  const ads_point p = {1, 2, 3};
  ads_point result;
  resbuf world = code(0), paper = code(3), negative = code(-1), zero = extrusion(0, 0, 0);
  resbuf text{};
  text.restype = RTSTR;
  resbuf nowhere{};
  nowhere.restype = RTENAME;  // names no entity
  EXPECT_EQ(acedTrans(p, &paper, &world, 0, result), RTERROR) << "paper-space display";
  EXPECT_EQ(acedTrans(p, &world, &negative, 0, result), RTERROR);
  EXPECT_EQ(acedTrans(p, &zero, &world, 0, result), RTERROR) << "zero extrusion";
  EXPECT_EQ(acedTrans(p, &text, &world, 0, result), RTERROR);
  EXPECT_EQ(acedTrans(p, &nowhere, &world, 0, result), RTERROR);
  EXPECT_EQ(acedTrans(p, nullptr, &world, 0, result), RTERROR);
}

TEST(AcedTrans, ResultMayBeThePoint) {
  test::EditorSession session;
  session.document().setUcs(turnedUcs());
  resbuf ucs = code(1), world = code(0);
  ads_point p = {1, 2, 3};
  ASSERT_EQ(acedTrans(p, &ucs, &world, 0, p), RTNORM);
  EXPECT_POINT(p, 8, 21, 3, "in place");
}

TEST(UcsCalls, Ucs2WcsAndBackForPointsAndVectors) {
  test::EditorSession session;
  session.document().setUcs(turnedUcs());
  ads_point p = {1, 2, 3};
  ads_point q;
  ASSERT_TRUE(acdbUcs2Wcs(p, q, false));
  EXPECT_POINT(q, 8, 21, 3, "point to world");
  ASSERT_TRUE(acdbUcs2Wcs(p, q, true));
  EXPECT_POINT(q, -2, 1, 3, "vector to world");
  const ads_point w = {8, 21, 3};
  ASSERT_TRUE(acdbWcs2Ucs(w, q, false));
  EXPECT_POINT(q, 1, 2, 3, "point to UCS");
  ASSERT_TRUE(acdbWcs2Ucs(w, q, true));
  EXPECT_POINT(q, 21, -8, 3, "vector to UCS");
  AcGeMatrix3d m;
  ASSERT_TRUE(acdbUcsMatrix(m));
  EXPECT_TRUE(m.isEqualTo(turnedUcs()));
  DocumentManager::instance().closeAll();
  EXPECT_FALSE(acdbUcs2Wcs(p, q, false)) << "no drawing, no UCS";
}

// The origin and axes of a UCS matrix, for comparisons.
void expectUcs(const AcGeMatrix3d& ucs, AcGePoint3d origin, AcGeVector3d x, AcGeVector3d y,
               AcGeVector3d z, const char* why) {
  AcGePoint3d o;
  AcGeVector3d ax, ay, az;
  ucs.getCoordSystem(o, ax, ay, az);
  EXPECT_TRUE(o.isEqualTo(origin)) << why << ": origin " << o.x << "," << o.y << "," << o.z;
  EXPECT_TRUE(ax.isEqualTo(x)) << why << ": X " << ax.x << "," << ax.y << "," << ax.z;
  EXPECT_TRUE(ay.isEqualTo(y)) << why << ": Y " << ay.x << "," << ay.y << "," << ay.z;
  EXPECT_TRUE(az.isEqualTo(z)) << why << ": Z " << az.x << "," << az.y << "," << az.z;
}

TEST(UcsMath, OriginRotationsAndThreePoints) {
  const AcGeMatrix3d turned = turnedUcs();
  expectUcs(ucsWorld(), {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, "world");
  expectUcs(ucsFromOrigin(turned, {1, 2, 0}), {8, 21, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1},
            "origin given in the turned UCS");
  expectUcs(ucsRotatedZ(ucsWorld(), kPi / 2), {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1},
            "Z 90");
  expectUcs(ucsRotatedZ(turned, kPi / 2), {10, 20, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, 1},
            "Z 90 about the UCS origin, after 90 already");
  expectUcs(ucsRotatedX(ucsWorld(), kPi / 2), {0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}, "X 90");
  expectUcs(ucsRotatedY(ucsWorld(), kPi / 2), {0, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}, "Y 90");
  auto plan = ucsFrom3Points(ucsWorld(), {5, 5, 0}, {5, 10, 0}, {0, 5, 0});
  ASSERT_TRUE(plan);
  expectUcs(*plan, {5, 5, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, "3 points in plan");
  auto front = ucsFrom3Points(ucsWorld(), {0, 0, 0}, {1, 0, 0}, {0, 0, 1});
  ASSERT_TRUE(front);
  expectUcs(*front, {0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}, "3 points standing up");
  auto skewY = ucsFrom3Points(ucsWorld(), {0, 0, 0}, {2, 0, 0}, {7, 3, 0});
  ASSERT_TRUE(skewY);
  expectUcs(*skewY, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, "Y point off the Y axis");
  auto inTurned = ucsFrom3Points(turned, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  ASSERT_TRUE(inTurned);
  expectUcs(*inTurned, {10, 20, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, "points in the turned UCS");
  EXPECT_FALSE(ucsFrom3Points(ucsWorld(), {1, 1, 0}, {1, 1, 0}, {0, 5, 0})) << "X on the origin";
  EXPECT_FALSE(ucsFrom3Points(ucsWorld(), {0, 0, 0}, {1, 1, 0}, {3, 3, 0})) << "collinear";
  auto down = ucsFromZAxis(ucsWorld(), {1, 1, 1}, {1, 1, 0});
  ASSERT_TRUE(down);
  expectUcs(*down, {1, 1, 1}, {-1, 0, 0}, {0, 1, 0}, {0, 0, -1}, "Z axis pointing down");
  EXPECT_FALSE(ucsFromZAxis(ucsWorld(), {1, 1, 1}, {1, 1, 1}));
}

}  // namespace
}  // namespace zek
