// A small reader of the SVG cairo writes, for tests: the drawn paths with
// their stroke, fill, width and dashes and their points (curve control
// points included), the glyphs used, nothing else. Tests check a picture's
// structure with it, never its pixels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shapes/palette.h"

namespace zek::render::test {

struct SvgPoint {
  double x = 0.0;
  double y = 0.0;
};

struct SvgBounds {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  bool valid = false;
  void add(const SvgPoint& p);
  void add(const SvgBounds& b);
  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
};

struct SvgPath {
  std::optional<Rgb> stroke;  // none: not stroked
  std::optional<Rgb> fill;    // none: not filled
  double strokeWidth = 1.0;
  std::vector<double> dashes;
  bool evenOdd = false;
  // Each sub-path's points in picture coordinates, transform applied.
  std::vector<std::vector<SvgPoint>> subpaths;

  SvgBounds bounds() const;
  std::size_t pointCount() const;
};

struct SvgPicture {
  double width = 0.0;
  double height = 0.0;
  // Paths drawn (not glyph outlines defined for later use), in order.
  std::vector<SvgPath> paths;
  // Glyphs placed (<use> of a glyph symbol), with the fill they take.
  int glyphUses = 0;
  std::vector<Rgb> glyphFills;
  // Where the placed glyphs' origins lie.
  SvgBounds glyphOrigins;
  // The background rectangle's fill, when one was painted.
  std::optional<Rgb> background;

  std::vector<const SvgPath*> strokes() const;
  std::vector<const SvgPath*> fills() const;
  // Paths stroked (or filled) in that colour.
  std::vector<const SvgPath*> strokedIn(const Rgb& colour) const;
  std::vector<const SvgPath*> filledIn(const Rgb& colour) const;
};

// Reads the picture; a problem is reported in `error` (empty when none).
SvgPicture readSvg(const std::string& text, std::string* error = nullptr);

}  // namespace zek::render::test
