// Tests of the shapes of SOLID, TRACE and 3DFACE read from DXF text: the
// corner order of solids (0, 1, 3, 2), three-cornered ones, their plane
// (extrusion), and the visible edges of faces.
#include "area_shapes.h"

#include <gtest/gtest.h>

#include <sstream>

#include "shapes_test_support.h"

namespace zek::render {
namespace {

using Points = std::vector<AcGePoint3d>;

std::string describe(const std::vector<Points>& lists) {
  std::ostringstream out;
  for (const Points& list : lists) {
    out << "[";
    for (const AcGePoint3d& p : list)
      out << " (" << p.x << "," << p.y << "," << p.z << ")";
    out << " ]";
  }
  return out.str();
}

bool samePoints(const std::vector<Points>& got, const std::vector<Points>& want) {
  if (got.size() != want.size())
    return false;
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (got[i].size() != want[i].size())
      return false;
    for (std::size_t k = 0; k < got[i].size(); ++k)
      if (got[i][k].distanceTo(want[i][k]) > 1e-12)
        return false;
  }
  return true;
}

// "0 SOLID" with the corners given as x y z triples, then `more` groups.
std::string cornerEntity(const char* type, const std::vector<AcGePoint3d>& corners,
                         const std::string& more = "") {
  std::ostringstream out;
  out << "0 " << type << "\n8 0\n";
  for (std::size_t i = 0; i < corners.size(); ++i)
    out << 10 + i << " " << corners[i].x << "\n" << 20 + i << " " << corners[i].y << "\n"
        << 30 + i << " " << corners[i].z << "\n";
  out << more;
  return out.str();
}

struct CornerCase {
  const char* name;
  std::string groups;
  bool shaped;  // false: no shape at all
  std::vector<Points> loops;
  std::vector<Points> open;
  bool filled;
};

const AcGePoint3d kA(0, 0, 0), kB(10, 0, 0), kC(0, 5, 0), kD(10, 5, 0);

std::vector<CornerCase> cornerCases() {
  return {
      {"a SOLID's four corners go round as 0, 1, 3, 2",
       cornerEntity("SOLID", {kA, kB, kC, kD}), true, {{kA, kB, kD, kC}}, {}, true},
      {"a SOLID whose fourth corner repeats the third is a triangle",
       cornerEntity("SOLID", {kA, kB, {5, 8, 0}, {5, 8, 0}}), true, {{kA, kB, {5, 8, 0}}}, {}, true},
      {"a SOLID without a fourth corner is a triangle",
       cornerEntity("SOLID", {kA, kB, {5, 8, 0}}), true, {{kA, kB, {5, 8, 0}}}, {}, true},
      {"a TRACE keeps its elevation",
       cornerEntity("TRACE", {{0, 0, 2}, {4, 0, 2}, {0, 1, 2}, {4, 1, 2}}), true,
       {{{0, 0, 2}, {4, 0, 2}, {4, 1, 2}, {0, 1, 2}}}, {}, true},
      {"a SOLID seen from below (extrusion 0,0,-1) mirrors x and z",
       cornerEntity("SOLID", {{1, 0, 3}, {3, 0, 3}, {1, 2, 3}, {3, 2, 3}},
                    "210 0\n220 0\n230 -1\n"),
       true, {{{-1, 0, -3}, {-3, 0, -3}, {-3, 2, -3}, {-1, 2, -3}}}, {}, true},
      {"a 3DFACE goes round in its own order, stroked",
       cornerEntity("3DFACE", {{0, 0, 1}, {4, 0, 1}, {4, 3, 2}, {0, 3, 2}}), true,
       {{{0, 0, 1}, {4, 0, 1}, {4, 3, 2}, {0, 3, 2}}}, {}, false},
      {"a 3DFACE with its second edge hidden is one open run from corner 2",
       cornerEntity("3DFACE", {kA, kB, kD, kC}, "70 2\n"), true, {}, {{kD, kC, kA, kB}}, false},
      {"a 3DFACE with its first and third edges hidden is two runs",
       cornerEntity("3DFACE", {kA, kB, kD, kC}, "70 5\n"), true, {}, {{kB, kD}, {kC, kA}}, false},
      {"a three-cornered 3DFACE hiding only its edge of no length is whole",
       cornerEntity("3DFACE", {kA, kB, kD, kD}, "70 4\n"), true, {{kA, kB, kD}}, {}, false},
      {"a three-cornered 3DFACE hiding its closing edge",
       cornerEntity("3DFACE", {kA, kB, kD, kD}, "70 8\n"), true, {}, {{kA, kB, kD}}, false},
      {"a 3DFACE with every edge hidden draws nothing",
       cornerEntity("3DFACE", {kA, kB, kD, kC}, "70 15\n"), false, {}, {}, false},
      {"a SOLID with a corner that is not a number draws nothing",
       "0 SOLID\n8 0\n10 nan\n20 0\n11 1\n21 0\n12 0\n22 1\n", false, {}, {}, false},
      {"a SOLID without its third corner draws nothing",
       "0 SOLID\n8 0\n10 0\n20 0\n11 1\n21 0\n", false, {}, {}, false},
      {"a SOLID with half a fourth corner draws nothing",
       "0 SOLID\n8 0\n10 0\n20 0\n11 1\n21 0\n12 0\n22 1\n13 1\n", false, {}, {}, false},
      {"a SOLID whose corners all coincide draws nothing",
       cornerEntity("SOLID", {kB, kB, kB, kB}), false, {}, {}, false},
  };
}

TEST(CornerShapes, SolidsTracesAndFaces) {
  for (const CornerCase& c : cornerCases()) {
    std::optional<AreaShape> shape = test::shapeOfGroups(c.groups, 0.01);
    ASSERT_EQ(shape.has_value(), c.shaped) << c.name;
    if (!shape)
      continue;
    EXPECT_TRUE(samePoints(shape->loops, c.loops))
        << c.name << "\n  loops " << describe(shape->loops) << "\n  want  " << describe(c.loops);
    EXPECT_TRUE(samePoints(shape->open, c.open))
        << c.name << "\n  open " << describe(shape->open) << "\n  want " << describe(c.open);
    EXPECT_EQ(shape->filled, c.filled) << c.name;
    EXPECT_FALSE(shape->damaged) << c.name;
  }
}

TEST(CornerShapes, OtherKeptTypesHaveNoArea) {
  // A kept entity of another type with corner-like groups is no area.
  EXPECT_FALSE(test::shapeOfGroups(cornerEntity("WIPEOUT", {kA, kB, kC, kD}), 0.01).has_value());
}

}  // namespace
}  // namespace zek::render
