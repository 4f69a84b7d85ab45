// The pango layout every text of one cairo context is laid out with: one
// font description, one layout, the font's reference heights and the runs
// already laid out, made on the first text and freed with the context.
#pragma once

#include <pango/pangocairo.h>

#include <string>
#include <unordered_map>

#include "laid_out_text.h"

namespace zek::render {

// The size texts are laid out at, in layout pixels; the affine mapping onto
// the text's box scales the run from there, so the size only sets precision.
inline constexpr double kLayoutPixels = 100.0;

// The font: the shipped CJK font, fontconfig substituting when it is missing.
inline constexpr const char* kTextFontFamily = "WenQuanYi Micro Hei";

// How many distinct strings stay laid out; past it the store starts afresh
// (a plate repeats its hole labels, so a few thousand hold them all).
inline constexpr std::size_t kLaidOutTextsKept = 4096;

struct TextLayoutCache {
  PangoContext* context = nullptr;
  PangoLayout* layout = nullptr;
  PangoFontDescription* font = nullptr;
  // Unhinted outlines: the runs are laid out once and drawn at every size.
  cairo_font_options_t* drawingOptions = nullptr;
  // Baseline to the top of a capital (H) and of an ideograph (中), layout
  // pixels: the heights a run's box height stands for.
  double capitalTop = 0.0;
  double ideographTop = 0.0;
  std::unordered_map<std::string, LaidOutText> laidOut;
};

// The cache of `cr`, made on first use and released when `cr` is destroyed;
// null when cairo cannot keep it (out of memory): the text is not painted.
TextLayoutCache* textLayoutCacheOf(cairo_t* cr);

// The printable text laid out, from the store or laid out now.
const LaidOutText& laidOutTextOf(TextLayoutCache& cache, const std::string& printable);

}  // namespace zek::render
