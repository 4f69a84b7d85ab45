// The placement run on the shipped sample plates, checked by the layout check:
// every hole centre has its X and Y ordinate, and no dimension text lies on
// another, on drawn geometry or on another text (texts left crowded on
// purpose, in colour 30, are counted apart).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "aced_lisp.h"
#include "db_extents.h"
#include "editor/testing/editor_test_support.h"
#include "layoutcheck/ordinate_layout_check.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct PlateCase {
  const char* name;
  const char* drawing;  // in the shipped samples folder
  std::vector<std::string> script;
  AcDbExtents holes;  // the plate the run dimensioned
};

void PrintTo(const PlateCase& c, std::ostream* out) { *out << c.name; }

class SamplePlateLayout : public ::testing::TestWithParam<PlateCase> {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
  }
  void TearDown() override { unloadAllModules(); }
};

TEST_P(SamplePlateLayout, EveryHoleIsDimensionedWithItsTextInFreeRoom) {
  const PlateCase& c = GetParam();
  test::EditorSession session(readFile(std::string(ZEK_DATA_FOLDER) + "/samples/" + c.drawing));
  ASSERT_EQ(loadModule("zekislands", true), RTNORM);
  ASSERT_EQ(loadModule("zekadxy1", true), RTNORM);
  std::vector<std::string> lines = {"ZOOM", "E"};
  lines.insert(lines.end(), c.script.begin(), c.script.end());
  session.feed(lines);
  session.run();
  adxy1::LayoutCheckOptions options;
  options.holeWindow = c.holes;
  const adxy1::OrdinateLayoutReport report = adxy1::checkOrdinateLayout(session.db(), options);
  EXPECT_GT(report.dimensions, 40) << session.transcript();
  EXPECT_GT(report.holes, 20);
  EXPECT_TRUE(report.passed()) << report.summary();
  if (std::getenv("ZEK_LAYOUT_SUMMARY") != nullptr)
    std::printf("%s: %s\n", c.name, report.summary().c_str());
  if (report.markedDimensions > 0)
    std::printf("%s: %d dimensions left crowded on purpose (colour 30), %d of their overlaps\n",
                c.name, report.markedDimensions, report.markedOverlaps());
}

INSTANTIATE_TEST_SUITE_P(
    Plates, SamplePlateLayout,
    ::testing::Values(
        PlateCase{"die_plate_from_lower_left", "plate.dxf", {"ZEKXY", "120,150"},
                  AcDbExtents({-1, -1, 0}, {401, 301, 0})},
        PlateCase{"die_plate_from_centre", "plate.dxf", {"ZEKXYY", "120,150"},
                  AcDbExtents({-1, -1, 0}, {401, 301, 0})},
        PlateCase{"pair_die_plate", "plates-pair.dxf", {"ZEKXY", "120,150"},
                  AcDbExtents({-1, -1, 0}, {401, 301, 0})},
        PlateCase{"pair_stripper_plate_from_centre", "plates-pair.dxf", {"ZEKXYY", "560,150"},
                  AcDbExtents({429, 49, 0}, {751, 251, 0})}),
    [](const ::testing::TestParamInfo<PlateCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zek
