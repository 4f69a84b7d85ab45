// Pango's line of glyph items turned into cairo glyph runs, and drawn.
#include "laid_out_text.h"

#include <vector>

#include "db/annotations/utf8.h"
#include "zek/text_metrics.h"

namespace zek::render {

namespace {

bool hasWideCharacter(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    Utf8Char ch = decodeUtf8(text, i);
    if (isWideCharacter(ch.code))
      return true;
    i += ch.length;
  }
  return false;
}

double layoutPixels(int pangoUnits) { return double(pangoUnits) / PANGO_SCALE; }

// The glyphs of one pango item at pen position `x` (layout pixels), which
// it advances by the item's width.
GlyphRun glyphRunOf(const PangoGlyphItem& item, double& x) {
  GlyphRun run;
  cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(
      reinterpret_cast<PangoCairoFont*>(item.item->analysis.font));
  if (scaled && cairo_scaled_font_status(scaled) == CAIRO_STATUS_SUCCESS) {
    run.face = cairo_font_face_reference(cairo_scaled_font_get_font_face(scaled));
    cairo_scaled_font_get_font_matrix(scaled, &run.fontMatrix);
  }
  run.textBegin = std::size_t(item.item->offset);
  run.textLength = std::size_t(item.item->length);
  const PangoGlyphString& glyphs = *item.glyphs;
  run.glyphs.reserve(std::size_t(glyphs.num_glyphs));
  for (int i = 0; i < glyphs.num_glyphs; ++i) {
    const PangoGlyphInfo& info = glyphs.glyphs[i];
    bool drawable = (info.glyph & PANGO_GLYPH_UNKNOWN_FLAG) == 0 && info.glyph != PANGO_GLYPH_EMPTY;
    if (drawable && run.face) {
      run.glyphs.push_back({info.glyph, x + layoutPixels(info.geometry.x_offset),
                            layoutPixels(info.geometry.y_offset)});
    }
    x += layoutPixels(info.geometry.width);
  }
  return run;
}

// The run's glyphs with their x positions stretched.
void stretchedGlyphs(const GlyphRun& run, double xStretch,
                     std::vector<cairo_glyph_t>& placed) {
  placed.assign(run.glyphs.begin(), run.glyphs.end());
  for (cairo_glyph_t& glyph : placed)
    glyph.x *= xStretch;
}

// Drops the glyphs that lie wholly outside the device clip (a glyph's ink
// stays within `reach` device pixels of its origin), so that only glyphs
// near the view reach the device's fixed-point coordinates.
void keepVisibleGlyphs(cairo_t* cr, const cairo_matrix_t& toDevice, double reach,
                       std::vector<cairo_glyph_t>& glyphs) {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);  // device coordinates: identity matrix
  if (!(x2 > x1 && y2 > y1))
    return;
  std::erase_if(glyphs, [&](const cairo_glyph_t& glyph) {
    double x = glyph.x, y = glyph.y;
    cairo_matrix_transform_point(&toDevice, &x, &y);
    return x + reach < x1 || x - reach > x2 || y + reach < y1 || y - reach > y2;
  });
}

}  // namespace

LaidOutText layOutText(PangoLayout* layout, std::string_view printable) {
  LaidOutText text;
  text.hasWide = hasWideCharacter(printable);
  pango_layout_set_text(layout, printable.data(), int(printable.size()));
  PangoRectangle logical{};
  pango_layout_get_extents(layout, nullptr, &logical);
  text.width = layoutPixels(logical.width);
  PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
  if (!line)
    return text;
  double x = 0.0;  // the single line starts at the logical box's left side
  for (GSList* item = line->runs; item; item = item->next) {
    GlyphRun run = glyphRunOf(*static_cast<PangoGlyphItem*>(item->data), x);
    if (run.glyphs.empty())
      cairo_font_face_destroy(run.face);  // null-safe
    else
      text.runs.push_back(std::move(run));
  }
  return text;
}

void releaseLaidOutText(LaidOutText& text) {
  for (GlyphRun& run : text.runs)
    cairo_font_face_destroy(run.face);
  text.runs.clear();
}

void fillLaidOutTextOutlines(cairo_t* cr, const LaidOutText& text, double xStretch,
                             double emPixels) {
  cairo_matrix_t placement;
  cairo_get_matrix(cr, &placement);
  cairo_identity_matrix(cr);  // the outlines at the layout's size, in layout pixels
  cairo_new_path(cr);
  std::vector<cairo_glyph_t> placed;
  for (const GlyphRun& run : text.runs) {
    stretchedGlyphs(run, xStretch, placed);
    keepVisibleGlyphs(cr, placement, 2.0 * emPixels, placed);
    cairo_set_font_face(cr, run.face);
    cairo_set_font_matrix(cr, &run.fontMatrix);
    cairo_glyph_path(cr, placed.data(), int(placed.size()));
  }
  cairo_path_t* outlines = cairo_copy_path(cr);
  cairo_set_matrix(cr, &placement);
  cairo_new_path(cr);
  if (outlines->status == CAIRO_STATUS_SUCCESS) {
    cairo_append_path(cr, outlines);  // read as user coordinates: placed on the box
    cairo_fill(cr);
  }
  cairo_path_destroy(outlines);
}

void showLaidOutText(cairo_t* cr, const LaidOutText& text, std::string_view printable,
                     double xStretch) {
  bool keepsText = cairo_surface_has_show_text_glyphs(cairo_get_target(cr));
  std::vector<cairo_glyph_t> placed;
  for (const GlyphRun& run : text.runs) {
    stretchedGlyphs(run, xStretch, placed);
    cairo_set_font_face(cr, run.face);
    cairo_set_font_matrix(cr, &run.fontMatrix);
    if (keepsText && run.textBegin + run.textLength <= printable.size()) {
      // One cluster: the run's characters are its glyphs, as a search reads them.
      cairo_text_cluster_t cluster{int(run.textLength), int(placed.size())};
      cairo_show_text_glyphs(cr, printable.data() + run.textBegin, int(run.textLength),
                             placed.data(), int(placed.size()), &cluster, 1,
                             cairo_text_cluster_flags_t(0));
    } else {
      cairo_show_glyphs(cr, placed.data(), int(placed.size()));
    }
  }
}

}  // namespace zek::render
