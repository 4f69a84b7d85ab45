// The renderer: pictures of a document's model space as SVG, PNG or PDF,
// drawn through cairo. Plotting conventions: a light background on which
// white (colour 7) entities are drawn black, or the dark theme of the screen.
#pragma once

#include <optional>
#include <string>

#include "ge_geometry.h"

namespace zek {
class Document;
}

namespace zek::render {

enum class ImageFormat { Svg, Png, Pdf };

// The format a file name asks for by its extension (case ignored), or
// nothing for any other extension.
std::optional<ImageFormat> imageFormatOf(const std::string& path);

// A rectangle of the world XY plane.
struct WorldWindow {
  AcGePoint2d min;
  AcGePoint2d max;
};

struct RenderOptions {
  // The part of the drawing to show. Unset: the drawing's extents with a
  // 5 % margin on every side (or the current view when useCurrentView).
  std::optional<WorldWindow> window;
  bool useCurrentView = false;
  // Picture size in pixels (PNG); SVG and PDF take the same size in points.
  int width = 1600;
  int height = 1200;
  // Draw the document's temporary graphics (vectors, highlights, the dragged
  // entity) over the drawing.
  bool temporaryGraphics = false;
  // Dark background, colour 7 drawn white, as on the screen.
  bool darkTheme = false;
};

struct RenderResult {
  bool ok = false;
  std::string error;  // why nothing (or a damaged file) was written
  int entitiesDrawn = 0;
};

// Draws the document's model space into `path` in `format`. The file is
// written whole or not at all (a temporary file renamed into place).
RenderResult renderDocument(const Document& document, const std::string& path,
                            ImageFormat format, const RenderOptions& options);
// The same in the format the file name's extension asks for; an error
// naming the file for any other extension.
RenderResult renderDocument(const Document& document, const std::string& path,
                            const RenderOptions& options);

}  // namespace zek::render
