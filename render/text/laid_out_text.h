// A run of text laid out once by pango and kept as plain cairo glyphs, so
// that a text repeated over a plate is shaped once and each paint only
// places its glyphs.
#pragma once

#include <pango/pangocairo.h>

#include <string>
#include <string_view>
#include <vector>

namespace zek::render {

// The glyphs of one font: positions in layout pixels from the start of the
// run's logical box (x) and from the baseline (y, down).
struct GlyphRun {
  cairo_font_face_t* face = nullptr;  // a reference of ours
  cairo_matrix_t fontMatrix{};
  std::size_t textBegin = 0;  // the bytes of the printable text it shows
  std::size_t textLength = 0;
  std::vector<cairo_glyph_t> glyphs;
};

struct LaidOutText {
  std::vector<GlyphRun> runs;
  double width = 0.0;     // the logical width, layout pixels
  bool hasWide = false;   // an ideograph, kana or hangul: the box top is theirs
};

// Lays `printable` out with `layout` (its text is replaced). Glyphs the
// fonts lack are left out (their advance kept); spaces are kept, as a
// picture of the run has them.
LaidOutText layOutText(PangoLayout* layout, std::string_view printable);

// Gives back the font faces a laid-out text holds.
void releaseLaidOutText(LaidOutText& text);

// Draws the runs with x positions times `xStretch`, the glyph shapes as
// the current matrix and font options make them; the text mapping goes to
// surfaces that keep it (PDF), so the picture's words can be searched.
void showLaidOutText(cairo_t* cr, const LaidOutText& text, std::string_view printable,
                     double xStretch);

// The same glyphs filled as outlines taken at the layout's own size and
// then transformed: for glyphs too large for the font rasteriser, which
// fails (and leaves the context in an error state for good) at sizes of
// tens of thousands of pixels. Glyphs more than two ems (`emPixels` on the
// device) outside the clip are left out. Clears the current path.
void fillLaidOutTextOutlines(cairo_t* cr, const LaidOutText& text, double xStretch,
                             double emPixels);

}  // namespace zek::render
