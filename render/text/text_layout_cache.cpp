// One unhinted pango layout per cairo context and the runs it laid out,
// kept as the context's user data: a picture of 100,000 texts shapes each
// distinct string once.
#include "text_layout_cache.h"

namespace zek::render {

namespace {

const cairo_user_data_key_t kCacheKey{};

void forgetLaidOutTexts(TextLayoutCache& cache) {
  for (auto& [printable, text] : cache.laidOut)
    releaseLaidOutText(text);
  cache.laidOut.clear();
}

void releaseCache(void* data) {
  auto* cache = static_cast<TextLayoutCache*>(data);
  forgetLaidOutTexts(*cache);
  if (cache->drawingOptions)
    cairo_font_options_destroy(cache->drawingOptions);
  if (cache->layout)
    g_object_unref(cache->layout);
  if (cache->context)
    g_object_unref(cache->context);
  if (cache->font)
    pango_font_description_free(cache->font);
  delete cache;
}

// The height of the ink of `sample` above the baseline, or `fallback` when
// the font has no glyph for it (a box or nothing would be measured).
double inkTop(PangoLayout* layout, const char* sample, double fallback) {
  pango_layout_set_text(layout, sample, -1);
  if (pango_layout_get_unknown_glyphs_count(layout) > 0)
    return fallback;
  PangoRectangle ink{};
  pango_layout_get_extents(layout, &ink, nullptr);
  double top = double(pango_layout_get_baseline(layout) - ink.y) / PANGO_SCALE;
  return top > 0.0 ? top : fallback;
}

// Glyph outlines and advances exactly as designed: the layout is made once
// and scaled to every size, so hinting for one size would be wrong at all others.
cairo_font_options_t* unhintedOptions() {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  return options;
}

PangoContext* unhintedContext(const cairo_font_options_t* options) {
  PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
  pango_cairo_context_set_font_options(context, options);
  pango_cairo_context_set_resolution(context, 72.0);  // a point is a layout pixel
  pango_context_set_round_glyph_positions(context, FALSE);
  return context;
}

TextLayoutCache* makeCache() {
  auto* cache = new TextLayoutCache;
  cache->drawingOptions = unhintedOptions();
  cache->context = unhintedContext(cache->drawingOptions);
  cache->layout = pango_layout_new(cache->context);
  cache->font = pango_font_description_new();
  pango_font_description_set_family_static(cache->font, kTextFontFamily);
  pango_font_description_set_absolute_size(cache->font, kLayoutPixels * PANGO_SCALE);
  pango_layout_set_font_description(cache->layout, cache->font);
  pango_layout_set_single_paragraph_mode(cache->layout, TRUE);

  PangoFontMetrics* metrics = pango_context_get_metrics(cache->context, cache->font, nullptr);
  double ascent = double(pango_font_metrics_get_ascent(metrics)) / PANGO_SCALE;
  pango_font_metrics_unref(metrics);
  if (!(ascent > 0.0))
    ascent = kLayoutPixels * 0.8;
  cache->capitalTop = inkTop(cache->layout, "H", ascent);
  cache->ideographTop = inkTop(cache->layout, "\u4E2D", cache->capitalTop);
  pango_layout_set_text(cache->layout, "", 0);
  return cache;
}

}  // namespace

TextLayoutCache* textLayoutCacheOf(cairo_t* cr) {
  auto* cache = static_cast<TextLayoutCache*>(cairo_get_user_data(cr, &kCacheKey));
  if (cache)
    return cache;
  cache = makeCache();
  if (cairo_set_user_data(cr, &kCacheKey, cache, releaseCache) != CAIRO_STATUS_SUCCESS) {
    releaseCache(cache);
    return nullptr;
  }
  return cache;
}

const LaidOutText& laidOutTextOf(TextLayoutCache& cache, const std::string& printable) {
  auto found = cache.laidOut.find(printable);
  if (found != cache.laidOut.end())
    return found->second;
  if (cache.laidOut.size() >= kLaidOutTextsKept)
    forgetLaidOutTexts(cache);
  return cache.laidOut.emplace(printable, layOutText(cache.layout, printable)).first->second;
}

}  // namespace zek::render

#if defined(__SANITIZE_ADDRESS__)
#define ZEK_LEAKS_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEK_LEAKS_CHECKED 1
#endif
#endif

#if defined(ZEK_LEAKS_CHECKED)
// fontconfig, which pango loads the font through, keeps process-wide
// allocations it never frees; the leak checker would fail every program and
// test that paints a text at its exit. Only stacks through fontconfig are let off.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// Nor is the list of what was let off printed at exit: the program's
// standard error is part of its interface (and of its golden runs).
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
