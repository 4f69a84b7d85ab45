// Helpers of the text painting tests: what a paint leaves on a recording
// surface (its painted bounds) and in an SVG file (its text).
#pragma once

#include <cairo-svg.h>
#include <cairo.h>

#include <functional>
#include <string>

namespace zek::render::test {

// The painted bounds in user units; empty when nothing was painted.
struct InkBounds {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
  bool empty = true;
};

using PaintFunction = std::function<void(cairo_t*)>;

// Paints onto an unbounded recording surface whose device has
// `pixelsPerUnit` pixels to a user unit, y up as in a drawing, after
// `userToPlane` (identity: user space is the drawing's plane). Answers the
// ink extents read back in the plane's units. cairo reports ink extents in
// whole device pixels, so the bounds are good to 1 / pixelsPerUnit.
inline InkBounds recordInk(double pixelsPerUnit, const cairo_matrix_t& userToPlane,
                           const PaintFunction& paint) {
  cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, pixelsPerUnit, -pixelsPerUnit);
  cairo_transform(cr, &userToPlane);
  paint(cr);
  cairo_destroy(cr);
  double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
  cairo_recording_surface_ink_extents(surface, &x, &y, &width, &height);
  cairo_surface_destroy(surface);
  InkBounds bounds;
  bounds.empty = !(width > 0.0 && height > 0.0);
  bounds.minX = x / pixelsPerUnit;
  bounds.maxX = (x + width) / pixelsPerUnit;
  bounds.minY = -(y + height) / pixelsPerUnit;
  bounds.maxY = -y / pixelsPerUnit;
  return bounds;
}

inline InkBounds recordInk(double pixelsPerUnit, const PaintFunction& paint) {
  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  return recordInk(pixelsPerUnit, identity, paint);
}

inline cairo_status_t appendToString(void* closure, const unsigned char* data,
                                     unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The SVG text of a picture `size` points square, user space scaled by
// `pixelsPerUnit` with y up and the origin at the picture's bottom left.
inline std::string paintToSvg(double size, double pixelsPerUnit, const PaintFunction& paint) {
  std::string svg;
  cairo_surface_t* surface = cairo_svg_surface_create_for_stream(appendToString, &svg, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, 0.0, size);
  cairo_scale(cr, pixelsPerUnit, -pixelsPerUnit);
  paint(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return svg;
}

// How often `needle` occurs in `text`.
inline int occurrences(const std::string& text, const std::string& needle) {
  int count = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos;
       at = text.find(needle, at + needle.size()))
    ++count;
  return count;
}

}  // namespace zek::render::test
