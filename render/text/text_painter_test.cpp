// Painting one line of text: the tiny-text rule, what paints nothing, the
// glyphs an SVG file receives, underline and overline bands, the context
// left as found, the cache, and which string each text entity shows.
#include "text_painter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>
#include <set>

#include "db_text.h"
#include "text_layout_cache.h"
#include "text_test_support.h"

namespace zek::render {
namespace {

using test::InkBounds;
using test::occurrences;
using test::paintToSvg;
using test::recordInk;

// A Left/Base box of `text` at `height` from (x, y), as the model places it.
TextBox leftBox(std::string_view text, double height, double x = 0.0, double y = 0.0) {
  TextBoxFields fields;
  fields.text = text;
  fields.position = AcGePoint3d(x, y, 0.0);
  fields.height = height;
  return textBoxCorners(fields);
}

enum class Painted { Nothing, Hairline, Glyphs };

struct SizeCase {
  const char* name;
  double height;         // world units
  double pixelsPerUnit;  // device pixels per world unit
  double rotationDegrees;
  Painted painted;
};

// "M10 THRU" of the given height from the origin, in an SVG picture.
std::string svgOfSizeCase(const SizeCase& c) {
  TextBoxFields fields;
  fields.text = "M10 THRU";
  fields.height = c.height;
  fields.rotation = c.rotationDegrees * std::acos(-1.0) / 180.0;
  TextBox box = textBoxCorners(fields);
  return paintToSvg(400.0, c.pixelsPerUnit, [&](cairo_t* cr) {
    double dash = 1.0;
    cairo_set_dash(cr, &dash, 1, 0.0);  // the caller's linetype must not dash the hairline
    paintTextLine(cr, fields.text, box);
  });
}

TEST(TextPainter, SmallTextBecomesAHairlineThenNothing) {
  const SizeCase cases[] = {
      {"0.1 px high: nothing", 10.0, 0.01, 0.0, Painted::Nothing},
      {"0.19 px high: nothing", 10.0, 0.019, 0.0, Painted::Nothing},
      {"just over 0.2 px high: a hairline", 10.0, 0.0201, 0.0, Painted::Hairline},
      {"1 px high: a hairline", 10.0, 0.1, 0.0, Painted::Hairline},
      {"1.49 px high: a hairline", 10.0, 0.149, 0.0, Painted::Hairline},
      {"just over 1.5 px high: glyphs", 10.0, 0.1501, 0.0, Painted::Glyphs},
      {"3 px high: glyphs", 10.0, 0.3, 0.0, Painted::Glyphs},
      {"a micro-unit text at a huge scale", 1e-6, 3e6, 0.0, Painted::Glyphs},
      {"a million-unit text at a tiny scale", 1e6, 3e-6, 0.0, Painted::Glyphs},
      {"a micro-unit text, 1 px high", 1e-6, 1e6, 0.0, Painted::Hairline},
      {"turned upright, 1 px high", 10.0, 0.1, 90.0, Painted::Hairline},
      {"turned upright, 3 px high", 10.0, 0.3, 90.0, Painted::Glyphs},
      {"1,000 px high: glyphs", 10.0, 100.0, 0.0, Painted::Glyphs},
      {"10,000,000 px high: nothing", 10.0, 1e6, 0.0, Painted::Nothing},
  };
  for (const SizeCase& c : cases) {
    std::string svg = svgOfSizeCase(c);
    int glyphs = occurrences(svg, "<use");
    int paths = occurrences(svg, "<path");
    switch (c.painted) {
      case Painted::Nothing:
        EXPECT_EQ(glyphs, 0) << c.name;
        EXPECT_EQ(paths, 0) << c.name;
        break;
      case Painted::Hairline:
        EXPECT_EQ(glyphs, 0) << c.name;
        EXPECT_EQ(paths, 1) << c.name;
        EXPECT_EQ(occurrences(svg, "stroke-dasharray"), 0) << c.name << ": dashed";
        break;
      case Painted::Glyphs:
        EXPECT_EQ(glyphs, 8) << c.name << ": one use per character, the space's included";
        break;

    }
  }
}

// Zoomed deep into a text: the glyphs that show are filled as outlines
// (an em past 4,096 px; the font rasteriser fails at some tens of
// thousands) and the context stays usable for the entities drawn after it.
TEST(TextPainter, HugeTextLeavesTheContextWorking) {
  struct Case { const char* name; double pixelsPerUnit; bool inked; };
  const Case cases[] = {
      {"5,000 px high", 5e2, true},
      {"100,000 px high", 1e4, true},
      {"1,000,000 px high", 1e5, true},
      {"10,000,000 px high: not painted", 1e6, false},
  };
  TextBox box = leftBox("M10 THRU", 10.0);
  // A 40 px picture centred on (1.4, 5): inside the left stem of the M.
  auto centreOnTheStem = [](cairo_t* cr, double pixelsPerUnit) {
    cairo_translate(cr, 20.0, 20.0);
    cairo_scale(cr, pixelsPerUnit, -pixelsPerUnit);
    cairo_translate(cr, -1.4, -5.0);
  };
  for (const Case& c : cases) {
    std::string svg;
    cairo_surface_t* vector =
        cairo_svg_surface_create_for_stream(test::appendToString, &svg, 40.0, 40.0);
    cairo_t* vectorCr = cairo_create(vector);
    centreOnTheStem(vectorCr, c.pixelsPerUnit);
    paintTextLine(vectorCr, "M10 THRU", box);
    cairo_destroy(vectorCr);
    cairo_surface_destroy(vector);
    EXPECT_EQ(occurrences(svg, "<use"), 0) << c.name << ": no glyphs at this size";
    EXPECT_EQ(occurrences(svg, "<path"), c.inked ? 1 : 0) << c.name << ": one fill of outlines";

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
    cairo_t* cr = cairo_create(surface);
    centreOnTheStem(cr, c.pixelsPerUnit);
    paintTextLine(cr, "M10 THRU", box);
    EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS)
        << c.name << ": " << cairo_status_to_string(cairo_status(cr));
    cairo_surface_flush(surface);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    EXPECT_EQ(pixels[20 * stride + 20 * 4 + 3] == 255, c.inked) << c.name << ": the centre";
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
}

// The hairline lies along the baseline from its start to its end.
TEST(TextPainter, HairlineRunsAlongTheBaseline) {
  // 15 characters × 0.8 × 100/12 = 100 long; at 0.1 px a unit 10 px by 0.83 px.
  TextBox box = leftBox("MOULD PLATE 4-M", 100.0 / 12.0, 20.0, 30.0);
  double length = 100.0;
  InkBounds ink = recordInk(0.1, [&](cairo_t* cr) { paintTextLine(cr, "MOULD PLATE 4-M", box); });
  ASSERT_FALSE(ink.empty);
  // Whole device pixels: a unit of 10 world units either side.
  EXPECT_NEAR(ink.minX, 20.0, 10.0);
  EXPECT_NEAR(ink.maxX, 20.0 + length, 10.0);
  EXPECT_LE(ink.maxY - ink.minY, 20.0) << "at most two pixels across";
  EXPECT_LE(ink.minY, 30.0);
  EXPECT_GE(ink.maxY, 30.0);
}

TEST(TextPainter, EmptyAndBlankTextPaintNothing) {
  struct Case { const char* raw; bool paints; const char* why; };
  const Case cases[] = {
      {"", false, "empty"},
      {"   ", false, "spaces"},
      {"\u3000", false, "an ideographic space"},
      {"%%U", false, "only a toggle"},
      {"%%O%%o", false, "toggles on and off"},
      {"%%009", false, "a control character, shown as a space"},
      {"%%U   ", true, "underlined spaces: the line shows"},
      {".", true, "a full stop is text"},
  };
  for (const Case& c : cases) {
    InkBounds ink = recordInk(100.0, [&](cairo_t* cr) {
      paintTextLine(cr, c.raw, leftBox(c.raw, 10.0));
    });
    EXPECT_EQ(!ink.empty, c.paints) << c.why;
  }
}

// Boxes no text can fill: nothing is painted and the context stays usable
// (a singular matrix would put it in an error state for good).
TEST(TextPainter, DegenerateBoxesPaintNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  AcGePoint3d o(0, 0, 0);
  struct Case { const char* name; TextBox box; };
  const Case cases[] = {
      {"a point", {o, o, o, o}},
      {"no height", {o, AcGePoint3d(10, 0, 0), AcGePoint3d(10, 0, 0), o}},
      {"no width", {o, o, AcGePoint3d(0, 10, 0), AcGePoint3d(0, 10, 0)}},
      {"not a number", {AcGePoint3d(nan, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(10, 5, 0),
                        AcGePoint3d(0, 5, 0)}},
      {"infinite", {o, AcGePoint3d(inf, 0, 0), AcGePoint3d(inf, 5, 0), AcGePoint3d(0, 5, 0)}},
  };
  for (const Case& c : cases) {
    cairo_status_t status = CAIRO_STATUS_SUCCESS;
    InkBounds ink = recordInk(10.0, [&](cairo_t* cr) {
      paintTextLine(cr, "M10", c.box);
      status = cairo_status(cr);
    });
    EXPECT_TRUE(ink.empty) << c.name;
    EXPECT_EQ(status, CAIRO_STATUS_SUCCESS) << c.name << ": " << cairo_status_to_string(status);
  }
}

TEST(TextPainter, LeavesTheCallersStateAsItFoundIt) {
  recordInk(10.0, [](cairo_t* cr) {
    double dashes[] = {2.0, 1.0};
    cairo_set_dash(cr, dashes, 2, 0.0);
    cairo_set_line_width(cr, 0.35);
    cairo_matrix_t before;
    cairo_get_matrix(cr, &before);
    paintTextLine(cr, "M10 %%UTHRU", leftBox("M10 %%UTHRU", 5.0));  // glyphs and a band
    paintTextLine(cr, "M10", leftBox("M10", 0.1));                  // a hairline
    cairo_matrix_t after;
    cairo_get_matrix(cr, &after);
    EXPECT_EQ(after.xx, before.xx);
    EXPECT_EQ(after.yy, before.yy);
    EXPECT_EQ(after.x0, before.x0);
    EXPECT_EQ(after.y0, before.y0);
    EXPECT_EQ(cairo_get_line_width(cr), 0.35);
    EXPECT_EQ(cairo_get_dash_count(cr), 2);
    EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS);
  });
}

struct SvgCase {
  const char* raw;
  int glyphs;          // one <use> per character, spaces included
  int distinctGlyphs;  // the glyph symbols they refer to
};

int distinctReferences(const std::string& svg) {
  std::set<std::string> ids;
  std::regex use("<use xlink:href=\"#([^\"]+)\"");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), use); it != std::sregex_iterator();
       ++it)
    ids.insert((*it)[1].str());
  return int(ids.size());
}

TEST(TextPainter, SvgHoldsTheGlyphsInTheSourceColour) {
  const SvgCase cases[] = {
      {"ABC", 3, 3},
      {"AB A", 4, 3},
      {"\u6C89\u5934\u5B54 %%C9 THRU", 11, 10},
      {"%%C%%C%%C", 3, 1},
      {"50%%%", 3, 3},
  };
  for (const SvgCase& c : cases) {
    std::string svg = paintToSvg(400.0, 1.0, [&](cairo_t* cr) {
      cairo_set_source_rgb(cr, 1.0, 0.0, 0.0);
      paintTextLine(cr, c.raw, leftBox(c.raw, 20.0, 10.0, 10.0));
    });
    EXPECT_EQ(occurrences(svg, "<use"), c.glyphs) << c.raw;
    EXPECT_EQ(distinctReferences(svg), c.distinctGlyphs) << c.raw;
    EXPECT_NE(svg.find("fill:rgb(100%,0%,0%)"), std::string::npos) << c.raw << ": not red";
  }
}

// Underline: a band 0.1 height below the baseline, 0.05 thick; overline the
// same above the box. Texts 10 high: the band's outer edge at 1.25 outside;
// the letters are flat at the baseline and at the capital height.
TEST(TextPainter, UnderlineAndOverlineBandsLieOutsideTheBox) {
  struct Case { const char* raw; double minY; double maxY; const char* why; };
  const Case cases[] = {
      {"%%UH7M%%U", -1.25, 10.0, "underlined"},
      {"%%OH7M", 0.0, 11.25, "overlined"},
      {"%%U%%OH7M", -1.25, 11.25, "both"},
  };
  for (const Case& c : cases) {
    InkBounds ink = recordInk(100.0, [&](cairo_t* cr) {
      paintTextLine(cr, c.raw, leftBox(c.raw, 10.0));
    });
    EXPECT_NEAR(ink.minY, c.minY, 0.1) << c.why;
    EXPECT_NEAR(ink.maxY, c.maxY, 0.1) << c.why;
  }
}

// Only the underlined part is underlined: below the baseline, "M%%U10" has
// ink from the "1" to the end and none under the "M".
TEST(TextPainter, UnderlineCoversOnlyItsStretch) {
  TextBox box = leftBox("M%%U10", 10.0);  // 24 wide
  InkBounds band = recordInk(100.0, [&](cairo_t* cr) {
    cairo_rectangle(cr, -100.0, -100.0, 200.0, 99.5);  // below y = -0.5 only
    cairo_clip(cr);
    paintTextLine(cr, "M%%U10", box);
  });
  ASSERT_FALSE(band.empty);
  EXPECT_GT(band.minX, 24.0 / 4.0) << "the M is underlined";
  EXPECT_LT(band.minX, 24.0 / 2.0) << "the 1 is not underlined";
  EXPECT_NEAR(band.maxX, 24.0, 0.02);
}

TEST(TextPainter, OneLayoutPerContextInTheShippedFont) {
  cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* first = cairo_create(surface);
  cairo_t* second = cairo_create(surface);
  TextLayoutCache* cache = textLayoutCacheOf(first);
  ASSERT_NE(cache, nullptr);
  EXPECT_EQ(textLayoutCacheOf(first), cache) << "a context keeps its layout";
  EXPECT_NE(textLayoutCacheOf(second), cache) << "each context has its own";

  PangoFont* font = pango_context_load_font(cache->context, cache->font);
  ASSERT_NE(font, nullptr);
  PangoFontDescription* loaded = pango_font_describe(font);
  EXPECT_STREQ(pango_font_description_get_family(loaded), kTextFontFamily)
      << "fonts-wqy-microhei is a build dependency; another font changes every picture";
  pango_font_description_free(loaded);
  g_object_unref(font);
  // The font's capitals stand 0.71 em high, its ideographs 0.81 em.
  EXPECT_NEAR(cache->capitalTop / kLayoutPixels, 0.714, 0.01);
  EXPECT_NEAR(cache->ideographTop / kLayoutPixels, 0.8125, 0.01);
  cairo_destroy(second);
  cairo_destroy(first);
  cairo_surface_destroy(surface);
}

// A string is shaped once per context; the store of shaped strings is
// bounded, and a string forgotten is shaped again when it comes back.
TEST(TextPainter, ShapesEachStringOnceWithinABound) {
  recordInk(10.0, [](cairo_t* cr) {
    TextLayoutCache* cache = textLayoutCacheOf(cr);
    ASSERT_NE(cache, nullptr);
    paintTextLine(cr, "4-%%C9 THRU", leftBox("4-%%C9 THRU", 10.0));
    paintTextLine(cr, "4-%%C9 THRU", leftBox("4-%%C9 THRU", 5.0, 100.0, 0.0));
    paintTextLine(cr, "M10", leftBox("M10", 10.0));
    EXPECT_EQ(cache->laidOut.size(), 2u) << "the same printable string twice, then another";
    EXPECT_EQ(cache->laidOut.count("4-\u00D89 THRU"), 1u) << "keyed by the printable text";

    for (std::size_t i = 0; i <= kLaidOutTextsKept; ++i) {
      std::string label = "H" + std::to_string(i);
      paintTextLine(cr, label, leftBox(label, 10.0));
    }
    EXPECT_LE(cache->laidOut.size(), kLaidOutTextsKept);
    EXPECT_EQ(cache->laidOut.count("M10"), 0u) << "forgotten when the store started afresh";
    paintTextLine(cr, "M10", leftBox("M10", 10.0));
    EXPECT_EQ(cache->laidOut.count("M10"), 1u) << "shaped again";
  });
}

// What each kind of text entity shows: measured by the painted width of
// texts 10 high, 8 units a character.
TEST(TextPainter, EachTextEntityShowsItsOwnString) {
  auto definition = std::make_unique<AcDbAttributeDefinition>(AcGePoint3d(0, 0, 0), "7",
                                                              "HOLE_TAG", "Tag?");
  ASSERT_EQ(definition->setHeight(10.0), Acad::eOk);
  auto hidden = std::make_unique<AcDbAttributeDefinition>(AcGePoint3d(0, 0, 0), "7", "HIDDEN",
                                                          "Tag?");
  ASSERT_EQ(hidden->setHeight(10.0), Acad::eOk);
  ASSERT_EQ(hidden->setInvisible(true), Acad::eOk);
  auto attribute = std::make_unique<AcDbAttribute>(AcGePoint3d(0, 0, 0), "M10", "HOLE_TAG");
  ASSERT_EQ(attribute->setHeight(10.0), Acad::eOk);
  auto invisible = std::make_unique<AcDbAttribute>(AcGePoint3d(0, 0, 0), "M10", "HOLE_TAG");
  ASSERT_EQ(invisible->setHeight(10.0), Acad::eOk);
  ASSERT_EQ(invisible->setInvisible(true), Acad::eOk);
  AcDbText plain(AcGePoint3d(0, 0, 0), "THRU", AcDbObjectId::kNull, 10.0);

  struct Case { const char* name; std::function<void(cairo_t*)> paint; double width; };
  const Case cases[] = {
      {"a definition shows its tag", [&](cairo_t* cr) { paintText(cr, *definition); }, 64.0},
      {"an invisible definition still shows its tag",
       [&](cairo_t* cr) { paintText(cr, *hidden); }, 48.0},
      {"an attribute shows its value", [&](cairo_t* cr) { paintText(cr, *attribute); }, 24.0},
      {"an invisible attribute shows nothing", [&](cairo_t* cr) { paintText(cr, *invisible); },
       0.0},
      {"a text shows its value", [&](cairo_t* cr) { paintText(cr, plain); }, 32.0},
      {"a definition shown with its value",
       [&](cairo_t* cr) { paintTextAs(cr, *definition, "7"); }, 8.0},
  };
  for (const Case& c : cases) {
    InkBounds ink = recordInk(100.0, c.paint);
    if (c.width == 0.0) {
      EXPECT_TRUE(ink.empty) << c.name;
      continue;
    }
    ASSERT_FALSE(ink.empty) << c.name;
    // Side bearings: up to 0.15 height in from each end.
    EXPECT_NEAR(ink.maxX - ink.minX, c.width, 3.0) << c.name;
  }
}

}  // namespace
}  // namespace zek::render
