// How entities look: colours through BYLAYER and BYBLOCK (nested blocks
// included), true colours, white on paper; dash patterns and their scale;
// lineweights in pixels; layers off and frozen, inside blocks too.
#include "core/entity_style.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/render_test_support.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "editor/testing/editor_test_support.h"

namespace zek::render::test {
namespace {

// An entity colour: an index (0 BYBLOCK, 256 BYLAYER) or a true colour.
struct Colour {
  int index = 256;
  std::optional<Rgb> rgb;
};
Colour byIndex(int index) { return Colour{index, std::nullopt}; }
Colour trueColour(Rgb rgb) { return Colour{256, rgb}; }

void paint(AcDbEntity& entity, const Colour& colour) {
  if (colour.rgb) {
    AcCmColor c;
    (void)c.setRGB(colour.rgb->r, colour.rgb->g, colour.rgb->b);
    (void)entity.setColor(c);
  } else {
    (void)entity.setColorIndex(static_cast<Adesk::UInt16>(colour.index));
  }
}

// A line, or a reference, with its colour and layer.
template <typename T>
T* placed(T* entity, AcDbDatabase& db, const Colour& colour, const char* layer) {
  entity->setDatabaseDefaults(&db);
  paint(*entity, colour);
  EXPECT_EQ(entity->setLayer(layer), Acad::eOk) << layer;
  return entity;
}

// depth 0: the line in model space; 1: in a block placed in model space;
// 2: in a block placed in a block placed in model space.
struct ColourRow {
  const char* what;
  Colour line;
  const char* lineLayer;
  int depth;
  Colour innerReference;
  const char* innerReferenceLayer;
  Colour outerReference;
  const char* outerReferenceLayer;
  Rgb expected;
};

const ColourRow kColourRows[] = {
    {"an index", byIndex(1), "0", 0, {}, "0", {}, "0", kRed},
    {"BYLAYER on a red layer", byIndex(256), "RED", 0, {}, "0", {}, "0", kRed},
    {"BYLAYER on layer 0 (white): black on paper", byIndex(256), "0", 0, {}, "0", {}, "0", kBlack},
    {"colour 7: black on paper", byIndex(7), "GREEN", 0, {}, "0", {}, "0", kBlack},
    {"true white: black on paper", trueColour(kWhite), "0", 0, {}, "0", {}, "0", kBlack},
    {"a true colour", trueColour({10, 20, 30}), "RED", 0, {}, "0", {}, "0", Rgb{10, 20, 30}},
    {"BYBLOCK in model space: white, so black", byIndex(0), "RED", 0, {}, "0", {}, "0", kBlack},
    {"BYBLOCK takes the reference's index", byIndex(0), "0", 1, byIndex(5), "RED", {}, "0", kBlue},
    {"BYBLOCK takes the reference's layer colour", byIndex(0), "0", 1, byIndex(256), "RED", {},
     "0", kRed},
    {"BYBLOCK takes the reference's true colour", byIndex(0), "0", 1, trueColour({1, 2, 3}), "0",
     {}, "0", Rgb{1, 2, 3}},
    {"BYBLOCK through two BYBLOCK levels", byIndex(0), "0", 2, byIndex(0), "0", byIndex(3), "RED",
     kGreen},
    {"layer 0 follows the references' layer through two levels", byIndex(256), "0", 2,
     byIndex(256), "0", byIndex(256), "RED", kRed},
    {"a layer of its own in a block keeps its colour", byIndex(256), "GREEN", 1, byIndex(5), "RED",
     {}, "0", kGreen},
    {"an index in a block keeps its colour", byIndex(6), "0", 1, byIndex(5), "RED", {}, "0",
     kMagenta},
    {"the inner reference's own index wins over the outer", byIndex(0), "0", 2, byIndex(4), "0",
     byIndex(1), "0", kCyan},
};

TEST(EntityColour, ResolvesByLayerByBlockAndTrueColours) {
  for (const ColourRow& row : kColourRows) {
    zek::test::EditorSession session;
    AcDbDatabase& db = session.db();
    addLayer(db, {"RED", 1});
    addLayer(db, {"GREEN", 3});
    auto* line = placed(new AcDbLine({10, 10, 0}, {50, 50, 0}), db, row.line, row.lineLayer);
    if (row.depth == 0) {
      addEntity(db, line);
    } else {
      const AcDbObjectId inner = addBlock(db, "INNER");
      addToBlock(db, inner, line);
      auto* innerReference = placed(new AcDbBlockReference({0, 0, 0}, inner), db,
                                    row.innerReference, row.innerReferenceLayer);
      if (row.depth == 1) {
        addEntity(db, innerReference);
      } else {
        const AcDbObjectId outer = addBlock(db, "OUTER");
        addToBlock(db, outer, innerReference);
        addEntity(db, placed(new AcDbBlockReference({0, 0, 0}, outer), db, row.outerReference,
                             row.outerReferenceLayer));
      }
    }
    const SvgPicture picture = renderSvg(session.document()).picture;
    ASSERT_EQ(picture.strokes().size(), 1u) << row.what;
    ASSERT_TRUE(picture.strokes()[0]->stroke.has_value());
    EXPECT_EQ(*picture.strokes()[0]->stroke, row.expected) << row.what;
  }
}

struct DashCase {
  const char* what;
  std::vector<double> pattern;
  double pixelsPerUnit;
  std::vector<double> dashes;
  double offset;
};

const DashCase kDashCases[] = {
    {"dash and gap", {10, -5}, 1.0, {10, 5}, 0.0},
    {"a leading gap starts one gap before the end", {-5, 10}, 1.0, {10, 5}, 10.0},
    {"a dot is one pixel long", {10, -5, 0, -5}, 2.0, {20, 10, 1, 10}, 0.0},
    {"dashes at both ends join", {5, -2, 3}, 1.0, {8, 2}, 3.0},
    {"too dense to show: continuous", {1, -1}, 0.5, {}, 0.0},
    {"dashes only: continuous", {10, 10}, 1.0, {}, 0.0},
    {"no pattern: continuous", {}, 1.0, {}, 0.0},
};

TEST(LinePattern, BecomesCairoDashesInPixels) {
  for (const DashCase& c : kDashCases) {
    LinePattern pattern;
    for (double length : c.pattern) {
      pattern.lengths.push_back(length);
      pattern.total += length < 0 ? -length : length;
    }
    StrokeStyle style;
    setDashes(pattern, c.pixelsPerUnit, style);
    ASSERT_EQ(style.dashCount, static_cast<int>(c.dashes.size())) << c.what;
    for (std::size_t i = 0; i < c.dashes.size(); ++i)
      EXPECT_DOUBLE_EQ(style.dashes[i], c.dashes[i]) << c.what << " #" << i;
    EXPECT_DOUBLE_EQ(style.dashOffset, c.offset) << c.what;
  }
}

TEST(LinePattern, ScalesByLtscaleTheEntityAndThePicture) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  ASSERT_EQ(db.setLtscale(2.0), Acad::eOk);
  const AcDbObjectId dashed = addLinetype(db, "DASHED2", {10, -5});
  addLayer(db, {"HIDDEN", 1, false, false, dashed});
  // BYLAYER linetype, entity scale 0.5: 10 × 2 × 0.5 × 2 pixels a unit.
  auto* hidden = new AcDbLine({0, 10, 0}, {100, 10, 0});
  hidden->setDatabaseDefaults(&db);
  ASSERT_EQ(hidden->setLayer("HIDDEN"), Acad::eOk);
  ASSERT_EQ(hidden->setLinetypeScale(0.5), Acad::eOk);
  addEntity(db, hidden);
  // A continuous line on the same layer colour stays without dashes.
  auto* plain = coloured(new AcDbLine({0, 20, 0}, {100, 20, 0}), 1);
  ASSERT_EQ(plain->setLinetype(db.continuousLinetype()), Acad::eOk);
  addEntity(db, plain);

  const SvgRender rendered = renderSvg(session.document());
  const SvgPicture& picture = rendered.picture;
  const auto red = picture.strokedIn(kRed);
  ASSERT_EQ(red.size(), 2u) << "a dashed and a continuous stroke";
  EXPECT_EQ(red[0]->dashes, (std::vector<double>{20, 10}));
  EXPECT_TRUE(red[1]->dashes.empty());
}

TEST(LinePattern, ByBlockTakesTheReferencesLinetype) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId dashed = addLinetype(db, "DASHED2", {4, -2});
  const AcDbObjectId block = addBlock(db, "B");
  auto* line = new AcDbLine({0, 0, 0}, {50, 0, 0});
  line->setDatabaseDefaults(&db);
  ASSERT_EQ(line->setLinetype(db.byBlockLinetype()), Acad::eOk);
  addToBlock(db, block, line);
  auto* reference = new AcDbBlockReference({10, 10, 0}, block);
  reference->setDatabaseDefaults(&db);
  ASSERT_EQ(reference->setLinetype(dashed), Acad::eOk);
  addEntity(db, reference);
  // The same line in model space: BYBLOCK there is continuous.
  auto* top = new AcDbLine({0, 50, 0}, {50, 50, 0});
  top->setDatabaseDefaults(&db);
  ASSERT_EQ(top->setLinetype(db.byBlockLinetype()), Acad::eOk);
  addEntity(db, top);

  const SvgPicture picture = renderSvg(session.document()).picture;
  const auto strokes = picture.strokes();
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0]->dashes, (std::vector<double>{8, 4})) << "the reference's dashes";
  EXPECT_TRUE(strokes[1]->dashes.empty()) << "BYBLOCK at the top";
}

struct WidthCase {
  AcDb::LineWeight weight;
  double minimum;
  double pixels;
};

TEST(LineWeight, DefaultIsOnePixelHeavierInProportion) {
  const WidthCase cases[] = {
      {AcDb::kLnWtByLwDefault, 1.0, 1.0}, {AcDb::kLnWt025, 1.0, 1.0},
      {AcDb::kLnWt050, 1.0, 2.0},         {AcDb::kLnWt211, 1.0, 8.44},
      {AcDb::kLnWt013, 1.0, 1.0},  // PNG: never under a pixel
      {AcDb::kLnWt013, 0.5, 0.52}, {AcDb::kLnWt000, 0.5, 0.5},
  };
  for (const WidthCase& c : cases)
    EXPECT_NEAR(lineWidthPixels(c.weight, c.minimum), c.pixels, 1e-12)
        << "lineweight " << c.weight << " minimum " << c.minimum;
}

TEST(LineWeight, FollowsTheLayerAndTheReference) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  addLayer(db, {"HEAVY", 1, false, false, {}, AcDb::kLnWt070});
  auto* own = coloured(new AcDbLine({0, 10, 0}, {50, 10, 0}), 2);
  ASSERT_EQ(own->setLineWeight(AcDb::kLnWt050), Acad::eOk);
  addEntity(db, own);
  auto* byLayer = new AcDbLine({0, 20, 0}, {50, 20, 0});
  byLayer->setDatabaseDefaults(&db);
  ASSERT_EQ(byLayer->setLayer("HEAVY"), Acad::eOk);
  addEntity(db, byLayer);
  const AcDbObjectId block = addBlock(db, "B");
  auto* inBlock = coloured(new AcDbLine({0, 0, 0}, {50, 0, 0}), 3);
  ASSERT_EQ(inBlock->setLineWeight(AcDb::kLnWtByBlock), Acad::eOk);
  addToBlock(db, block, inBlock);
  auto* reference = new AcDbBlockReference({0, 30, 0}, block);
  reference->setDatabaseDefaults(&db);
  ASSERT_EQ(reference->setLineWeight(AcDb::kLnWt100), Acad::eOk);
  addEntity(db, reference);

  const SvgPicture picture = renderSvg(session.document()).picture;
  ASSERT_EQ(picture.strokedIn(kYellow).size(), 1u);
  EXPECT_DOUBLE_EQ(picture.strokedIn(kYellow)[0]->strokeWidth, 2.0) << "0.50 mm";
  ASSERT_EQ(picture.strokedIn(kRed).size(), 1u);
  EXPECT_DOUBLE_EQ(picture.strokedIn(kRed)[0]->strokeWidth, 2.8) << "the layer's 0.70 mm";
  ASSERT_EQ(picture.strokedIn(kGreen).size(), 1u);
  EXPECT_DOUBLE_EQ(picture.strokedIn(kGreen)[0]->strokeWidth, 4.0) << "the reference's 1.00 mm";
}

// Where the line goes: model space, or a block whose reference lies on a layer.
struct LayerRow {
  const char* what;
  bool lineOff, lineFrozen;  // the line's own layer "L"
  bool inBlock;
  bool lineOnLayerZero;       // in the block, on layer 0 (following the reference)
  bool referenceOff, referenceFrozen;  // the reference's layer "R"
  bool invisible;
  bool shown;
};

const LayerRow kLayerRows[] = {
    {"on a layer that is on", false, false, false, false, false, false, false, true},
    {"on an off layer", true, false, false, false, false, false, false, false},
    {"on a frozen layer", false, true, false, false, false, false, false, false},
    {"invisible", false, false, false, false, false, false, true, false},
    {"in a block, layer 0, reference on an off layer", false, false, true, true, true, false,
     false, false},
    {"in a block, own layer, reference on an off layer", false, false, true, false, true, false,
     false, true},
    {"in a block, own layer, reference on a frozen layer", false, false, true, false, false, true,
     false, false},
    {"in a block, own layer off, reference on", true, false, true, false, false, false, false,
     false},
    {"in a block, layer 0, reference on", false, false, true, true, false, false, false, true},
};

TEST(Layers, OffAndFrozenLayersHideWhatTheyGovern) {
  for (const LayerRow& row : kLayerRows) {
    zek::test::EditorSession session;
    AcDbDatabase& db = session.db();
    addLayer(db, {"L", 1, row.lineOff, row.lineFrozen});
    addLayer(db, {"R", 5, row.referenceOff, row.referenceFrozen});
    auto* line = new AcDbLine({10, 10, 0}, {60, 40, 0});
    line->setDatabaseDefaults(&db);
    ASSERT_EQ(line->setLayer(row.lineOnLayerZero ? "0" : "L"), Acad::eOk);
    if (row.invisible) {
      ASSERT_EQ(line->setVisibility(AcDb::kInvisible), Acad::eOk);
    }
    if (!row.inBlock) {
      addEntity(db, line);
    } else {
      const AcDbObjectId block = addBlock(db, "B");
      addToBlock(db, block, line);
      auto* reference = new AcDbBlockReference({0, 0, 0}, block);
      reference->setDatabaseDefaults(&db);
      ASSERT_EQ(reference->setLayer("R"), Acad::eOk);
      addEntity(db, reference);
    }
    const SvgPicture picture = renderSvg(session.document()).picture;
    EXPECT_EQ(picture.strokes().size(), row.shown ? 1u : 0u) << row.what;
  }
}

}  // namespace
}  // namespace zek::render::test
