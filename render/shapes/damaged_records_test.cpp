// Damaged HATCH records give what can be read and no more: a table of
// damaged counts, values and paths, then sweeps over spoiled copies of a
// hatch record that holds every kind of boundary (polyline with bulges;
// lines, a clockwise arc, an elliptic arc, a rational spline with fit data)
// and of a SOLID: every cut, every group dropped, every value spoiled.
// Whatever the groups, the answer comes back, and what it holds is
// drawable: loops of two or more finite points.
#include "area_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "db/kept_object.h"
#include "db/testing/db_test_support.h"
#include "hatch_text.h"
#include "shapes_test_support.h"

namespace zek::render {
namespace {

struct DamagedCase {
  const char* name;
  long long count;
  std::string paths;
  std::size_t loops;  // 0: no shape at all
};

std::vector<DamagedCase> damagedCases() {
  std::string good = test::polylinePath({{0, 0}, {10, 0}, {10, 10}});
  std::string line = test::lineEdge(0, 0, 1, 0);
  return {
      {"more paths promised than there are", 3, good, 1},
      {"a path count beyond any file", 9999999999LL, good, 1},
      {"a negative path count", -1, good, 0},
      {"no paths", 0, "", 0},
      {"more vertices promised than there are", 1,
       "92 2\n72 0\n73 1\n93 1000\n10 0\n20 0\n10 1\n20 0\n10 1\n20 1\n97 0\n", 0},
      {"more edges promised than there are", 1, "92 1\n93 1000000000\n" + line + "97 0\n", 0},
      {"an edge type that does not exist after a good path", 2, good + "92 1\n93 1\n72 7\n10 0\n20 0\n97 0\n", 1},
      {"a good path after a damaged one is not trusted", 2,
       "92 2\n72 0\n73 1\n93 3\n10 0\n20 nan\n10 1\n20 0\n10 1\n20 1\n97 0\n" + good, 0},
      {"a vertex that is not a number", 1, "92 2\n72 0\n73 1\n93 3\n10 0\n20 0\n10 x\n20 0\n10 1\n20 1\n97 0\n", 0},
      {"more knots promised than there are", 1,
       "92 1\n93 1\n72 4\n94 3\n73 0\n74 0\n95 1000000000\n96 4\n40 0\n40 0\n97 0\n", 0},
      {"a spline of degree 0", 1,
       "92 1\n93 1\n72 4\n94 0\n73 0\n74 0\n95 2\n96 2\n40 0\n40 1\n10 0\n20 0\n10 1\n20 1\n97 0\n", 0},
      {"an arc of radius 0", 1, test::edgePath({test::arcEdge(0, 0, 0, 0, 360, true)}), 0},
      {"an ellipse of ratio 0", 1, test::edgePath({test::ellipseEdge(0, 0, 1, 0, 0, 0, 360, true)}), 0},
      {"an ellipse with no major axis", 1, test::edgePath({test::ellipseEdge(0, 0, 0, 0, 0.5, 0, 360, true)}), 0},
      {"a path of one vertex encloses nothing", 1, test::polylinePath({{1, 1}}), 0},
      {"a path of one vertex beside a good one", 2, test::polylinePath({{1, 1}}) + good, 1},
      {"a path without its type flags", 1, "93 3\n10 0\n20 0\n10 1\n20 0\n10 1\n20 1\n97 0\n", 0},
      {"a spline whose knots never rise", 1,
       "92 1\n93 1\n72 4\n94 1\n73 0\n74 0\n95 4\n96 2\n40 0\n40 0\n40 0\n40 0\n10 0\n20 0\n10 1\n20 1\n97 0\n",
       0},
  };
}

TEST(DamagedRecords, HatchesGiveWhatCanBeRead) {
  for (const DamagedCase& c : damagedCases()) {
    std::optional<AreaShape> shape = test::shapeOfGroups(test::hatchEntity(test::HatchText{}, c.count, c.paths), 0.01);
    if (c.loops == 0) {
      EXPECT_FALSE(shape.has_value()) << c.name;
      continue;
    }
    ASSERT_TRUE(shape) << c.name;
    EXPECT_EQ(shape->loops.size(), c.loops) << c.name;
    EXPECT_TRUE(shape->damaged) << c.name;
  }
}

TEST(DamagedRecords, HatchWithoutPathCountHasNoShape) {
  EXPECT_FALSE(test::shapeOfGroups("0 HATCH\n8 0\n10 0\n20 0\n30 0\n2 SOLID\n70 1\n", 0.01));
}

std::string richHatch() {
  std::string w = test::number(std::sqrt(0.5));
  std::string spline = "72 4\n94 2\n73 1\n74 0\n95 6\n96 3\n40 0\n40 0\n40 0\n40 1\n40 1\n40 1\n"
                       "10 10\n20 10\n42 1\n10 20\n20 10\n42 " + w + "\n10 20\n20 20\n42 1\n"
                       "97 2\n11 10\n21 10\n11 20\n21 20\n12 1\n22 0\n13 0\n23 1\n";
  std::string edges = test::edgePath(
      {test::lineEdge(0, 0, 10, 0), test::arcEdge(10, 5, 5, 90, 270, false),
       test::ellipseEdge(5, 10, 5, 0, 0.5, 0, 180, true), spline, test::lineEdge(20, 20, 0, 0)},
      "97 1\n330 1F\n");
  std::string polyline = test::polylinePath({{2, 2, 0.5}, {4, 2}, {4, 4, -1}, {2, 4}});
  test::HatchText head;
  head.pattern = "ANSI31";
  head.solidFlag = 0;
  head.normal[2] = -1.0;
  return test::hatchEntity(head, 2, edges + polyline);
}

// The kept groups of the one entity of the text, as the host's reader keeps them.
std::vector<KeptGroup> keptGroups(const std::string& groupLines) {
  std::vector<KeptGroup> groups;
  std::unique_ptr<AcDbDatabase> db = zek::test::readDxf(test::entitiesDxf(groupLines));
  if (!db)
    return groups;
  std::vector<AcDbObjectId> ids = zek::test::modelSpaceIds(*db);
  if (ids.size() != 1)
    return groups;
  zek::test::Opened<AcDbEntity> entity(ids[0]);
  if (entity && entity->extras() != nullptr)
    for (const KeptSection& section : entity->extras()->kept)
      groups.insert(groups.end(), section.groups.begin(), section.groups.end());
  return groups;
}

std::optional<AreaShape> shapeOf(const char* type, const std::vector<KeptGroup>& groups) {
  std::unique_ptr<KeptEntity> entity(new KeptEntity(type));
  entity->extrasForWrite().kept.push_back(KeptSection{"AcDbEntity", 0, groups});
  return areaShapeOf(*entity, 0.01);
}

// What a renderer needs of any answer: loops and runs of two or more finite points.
void expectDrawable(const std::optional<AreaShape>& shape, const std::string& what) {
  if (!shape)
    return;
  EXPECT_FALSE(shape->loops.empty() && shape->open.empty()) << what << ": a shape of nothing";
  for (const auto* lists : {&shape->loops, &shape->open})
    for (const std::vector<AcGePoint3d>& points : *lists) {
      EXPECT_GE(points.size(), 2u) << what;
      for (const AcGePoint3d& p : points)
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) << what;
    }
}

void sweep(const char* type, const std::vector<KeptGroup>& intact) {
  const char* spoilers[] = {"nan", "1.7e308", "-1.7e308", "-1", "0", "2147483648", "x"};
  for (std::size_t cut = 0; cut < intact.size(); ++cut) {
    std::vector<KeptGroup> groups(intact.begin(), intact.begin() + static_cast<long>(cut));
    expectDrawable(shapeOf(type, groups), std::string(type) + " cut after " + std::to_string(cut) + " groups");
  }
  for (std::size_t at = 0; at < intact.size(); ++at) {
    std::vector<KeptGroup> dropped = intact;
    dropped.erase(dropped.begin() + static_cast<long>(at));
    std::string where = std::string(type) + " group " + std::to_string(at) + " (code " +
                        std::to_string(intact[at].code) + ")";
    expectDrawable(shapeOf(type, dropped), where + " dropped");
    for (const char* spoiler : spoilers) {
      std::vector<KeptGroup> spoiled = intact;
      spoiled[at].text = spoiler;
      expectDrawable(shapeOf(type, spoiled), where + " reading " + spoiler);
    }
  }
}

TEST(DamagedRecords, HatchOfEveryBoundaryKindSurvivesEverySpoiling) {
  std::vector<KeptGroup> intact = keptGroups(richHatch());
  std::optional<AreaShape> whole = shapeOf("HATCH", intact);
  ASSERT_TRUE(whole) << "the intact record has its shape";
  EXPECT_EQ(whole->loops.size(), 2u);
  EXPECT_FALSE(whole->damaged);
  sweep("HATCH", intact);
}

TEST(DamagedRecords, SolidSurvivesEverySpoiling) {
  std::vector<KeptGroup> intact = keptGroups(
      "0 SOLID\n8 0\n10 0\n20 0\n30 1\n11 4\n21 0\n31 1\n12 0\n22 3\n32 1\n13 4\n23 3\n33 1\n"
      "210 0\n220 0.6\n230 0.8\n");
  std::optional<AreaShape> whole = shapeOf("SOLID", intact);
  ASSERT_TRUE(whole) << "the intact record has its shape";
  EXPECT_EQ(whole->loops.at(0).size(), 4u);
  sweep("SOLID", intact);
  sweep("3DFACE", intact);
}

}  // namespace
}  // namespace zek::render
