// -LAYER answers: name lists, colours, lineweights and layer names.
#include "editor/commands/layer_options.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

struct ListCase {
  const char* layer;
  const char* list;
  bool in;
};
constexpr ListCase kListCases[] = {
    {"A", "A", true},        {"a", "A", true},         // case is ignored
    {"A", "~A", false},      {"0", "~A", true},        // "~": all but
    {"B", "A,B", true},      {"C", "A,B", false},
    {"HOLE-12", "HOLE*", true}, {"DIM", "HOLE*", false},
    {"X", "*", true},
};

TEST(LayerOptions, NameLists) {
  for (const auto& c : kListCases)
    EXPECT_EQ(layerInNameList(c.layer, c.list), c.in) << c.layer << " in " << c.list;
}

TEST(LayerOptions, Colours) {
  EXPECT_EQ(colourOfAnswer("1"), 1);
  EXPECT_EQ(colourOfAnswer("255"), 255);
  EXPECT_EQ(colourOfAnswer("Red"), 1);
  EXPECT_EQ(colourOfAnswer("magenta"), 6);
  EXPECT_FALSE(colourOfAnswer("0")) << "BYBLOCK is no layer colour";
  EXPECT_FALSE(colourOfAnswer("256"));
  EXPECT_FALSE(colourOfAnswer("pink"));
  EXPECT_EQ(colourText(1), "1 (red)");
  EXPECT_EQ(colourText(8), "8");
}

TEST(LayerOptions, LineweightsRoundToTheStandardWeights) {
  EXPECT_EQ(lineweightOfAnswer("0.3"), 30);
  EXPECT_EQ(lineweightOfAnswer("0.30mm"), 30);
  EXPECT_EQ(lineweightOfAnswer("0.31"), 30) << "the nearest standard weight";
  EXPECT_EQ(lineweightOfAnswer("0.52"), 53);
  EXPECT_EQ(lineweightOfAnswer("2.11"), 211);
  EXPECT_EQ(lineweightOfAnswer("0"), 0);
  EXPECT_FALSE(lineweightOfAnswer("2.5")) << "beyond 2.11 mm";
  EXPECT_FALSE(lineweightOfAnswer("-0.1"));
  EXPECT_FALSE(lineweightOfAnswer("thick"));
}

TEST(LayerOptions, LayerNames) {
  EXPECT_TRUE(isValidLayerName("HOLE-12"));
  EXPECT_TRUE(isValidLayerName("two words"));
  EXPECT_TRUE(isValidLayerName("孔"));
  EXPECT_FALSE(isValidLayerName(""));
  EXPECT_FALSE(isValidLayerName("A*"));
  EXPECT_FALSE(isValidLayerName("A,B"));
  EXPECT_FALSE(isValidLayerName("trailing "));
  EXPECT_FALSE(isValidLayerName(std::string(256, 'x')));
}

}  // namespace
}  // namespace zek
