// One line of text painted into its box: the laid-out run mapped by one
// affine transformation onto the box's parallelogram, or a hairline when the
// text is too small on the device to read.
#include "text_painter.h"

#include <algorithm>
#include <cmath>

#include "db/annotations/utf8.h"
#include "text_layout_cache.h"

namespace zek::render {

namespace {

// Underline and overline: bands this far outside the box, this thick
// (fractions of the text's height).
constexpr double kDecorationOffset = 0.1;
constexpr double kDecorationThickness = 0.05;

// Glyphs whose em is larger than this on the device are filled as outlines
// (the font rasteriser fails at some tens of thousands of pixels); texts
// more than a million pixels high are not painted: the device's fixed-point
// coordinates would wrap, and the view shows a sliver of one stroke.
constexpr double kOutlineEmPixels = 4096.0;
constexpr double kLargestTextPixels = 1e6;

bool isBlank(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    Utf8Char ch = decodeUtf8(text, i);
    if (ch.code != U' ' && ch.code != 0xA0 && ch.code != 0x3000)
      return false;
    i += ch.length;
  }
  return true;
}

struct DeviceVector {
  double x;
  double y;
};

DeviceVector deviceDistance(cairo_t* cr, const AcGeVector3d& v) {
  DeviceVector d{v.x, v.y};
  cairo_user_to_device_distance(cr, &d.x, &d.y);
  return d;
}

// The box's height across its baseline on the device, in pixels: the
// parallelogram's area over its base, so shear and anisotropic scales count.
double deviceHeight(cairo_t* cr, const TextBox& box) {
  DeviceVector along = deviceDistance(cr, box[1] - box[0]);
  DeviceVector up = deviceDistance(cr, box[3] - box[0]);
  double base = std::hypot(along.x, along.y);
  if (!(base > 0.0))
    return std::hypot(up.x, up.y);
  return std::abs(along.x * up.y - along.y * up.x) / base;
}

// Whether the box, grown by its height on every side (descenders, bands),
// lies wholly outside the clip: nothing of it could show.
bool isOutsideClip(cairo_t* cr, const TextBox& box) {
  double clipX1 = 0.0, clipY1 = 0.0, clipX2 = 0.0, clipY2 = 0.0;
  cairo_clip_extents(cr, &clipX1, &clipY1, &clipX2, &clipY2);
  if (!(clipX2 > clipX1 && clipY2 > clipY1))
    return false;  // an unbounded or odd clip: paint and let cairo clip
  double minX = box[0].x, maxX = box[0].x, minY = box[0].y, maxY = box[0].y;
  for (const AcGePoint3d& corner : box) {
    minX = std::min(minX, corner.x);
    maxX = std::max(maxX, corner.x);
    minY = std::min(minY, corner.y);
    maxY = std::max(maxY, corner.y);
  }
  double margin = (box[3] - box[0]).length();
  return maxX + margin < clipX1 || minX - margin > clipX2 || maxY + margin < clipY1 ||
         minY - margin > clipY2;
}

// A line along the baseline, as thick as the text is high (at most a pixel):
// filled as a quadrilateral in device space, so the caller's dashes and
// caps do not apply and no stroker runs for each of 100,000 tiny texts.
void paintHairline(cairo_t* cr, const TextBox& box, double heightPixels) {
  double x0 = box[0].x, y0 = box[0].y, x1 = box[1].x, y1 = box[1].y;
  cairo_user_to_device(cr, &x0, &y0);
  cairo_user_to_device(cr, &x1, &y1);
  double length = std::hypot(x1 - x0, y1 - y0);
  double halfWidth = std::min(1.0, heightPixels) / 2.0;
  if (!(length > 0.0))
    return;
  double nx = -(y1 - y0) / length * halfWidth;  // across the line
  double ny = (x1 - x0) / length * halfWidth;
  cairo_matrix_t userToDevice;
  cairo_get_matrix(cr, &userToDevice);
  cairo_identity_matrix(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x0 + nx, y0 + ny);
  cairo_line_to(cr, x1 + nx, y1 + ny);
  cairo_line_to(cr, x1 - nx, y1 - ny);
  cairo_line_to(cr, x0 - nx, y0 - ny);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_set_matrix(cr, &userToDevice);
}

// Glyph proportions are kept to steps of 2 % (1 % at most from the exact
// ones): texts of one height and look then share their scaled fonts and
// glyph caches whatever their strings' natural widths, and the glyph
// positions take up the rest, so the run still spans its box exactly.
constexpr double kProportionStep = 0.02;

// The run's frame onto the box: x along the baseline from the logical box's
// left side, y down from the baseline (layout pixels), glyph x positions
// times xStretch.
struct RunPlacement {
  cairo_matrix_t matrix{};
  double xStretch = 1.0;
};

// False for a box no run can fill (degenerate, infinite, not a number).
bool placeRun(const TextBox& box, double width, double top, RunPlacement& placement) {
  AcGeVector3d along = box[1] - box[0];
  AcGeVector3d up = box[3] - box[0];
  double proportion = (std::hypot(along.x, along.y) / width) / (std::hypot(up.x, up.y) / top);
  if (!(proportion > 0.0) || !std::isfinite(proportion))
    return false;
  double kept = std::exp(std::round(std::log(proportion) / kProportionStep) * kProportionStep);
  double shapeWidth = width * proportion / kept;
  placement.xStretch = shapeWidth / width;
  cairo_matrix_t& m = placement.matrix;
  cairo_matrix_init(&m, along.x / shapeWidth, along.y / shapeWidth, -up.x / top, -up.y / top,
                    box[0].x, box[0].y);
  bool finite = std::isfinite(m.xx) && std::isfinite(m.yx) && std::isfinite(m.xy) &&
                std::isfinite(m.yy) && std::isfinite(m.x0) && std::isfinite(m.y0);
  cairo_matrix_t inverse = m;
  return finite && cairo_matrix_invert(&inverse) == CAIRO_STATUS_SUCCESS;
}

// The largest device size of the layout's em under the current matrix: the
// font size the rasteriser would be asked for, stretched or not.
double emPixels(cairo_t* cr) {
  double xx = 1.0, xy = 0.0, yx = 0.0, yy = 1.0;
  cairo_user_to_device_distance(cr, &xx, &xy);
  cairo_user_to_device_distance(cr, &yx, &yy);
  return kLayoutPixels * std::max(std::hypot(xx, xy), std::hypot(yx, yy));
}

// Underline and overline bands over their stretches, in the run's frame.
// Rare enough to lay the run out again for the characters' positions.
void paintDecorations(cairo_t* cr, PangoLayout* layout, const PrintableRun& run, double width,
                      double top, double xStretch) {
  pango_layout_set_text(layout, run.text.data(), int(run.text.size()));
  PangoRectangle logical{};
  pango_layout_get_extents(layout, nullptr, &logical);
  auto xOf = [&](std::size_t index) {
    if (index >= run.text.size())
      return width * xStretch;
    PangoRectangle at{};
    pango_layout_index_to_pos(layout, int(index), &at);
    return double(at.x - logical.x) / PANGO_SCALE * xStretch;
  };
  double band = kDecorationThickness * top;
  auto addBands = [&](const std::vector<ByteRange>& ranges, double centreY) {
    for (const ByteRange& range : ranges) {
      double x0 = xOf(range.begin), x1 = xOf(range.end);
      cairo_rectangle(cr, std::min(x0, x1), centreY - band / 2.0, std::abs(x1 - x0), band);
    }
  };
  cairo_new_path(cr);
  addBands(run.underlined, kDecorationOffset * top);
  addBands(run.overlined, -(1.0 + kDecorationOffset) * top);
  cairo_fill(cr);
}

}  // namespace

void paintTextLine(cairo_t* cr, std::string_view raw, const TextBox& box) {
  if (raw.empty())
    return;
  double heightPixels = deviceHeight(cr, box);
  if (!(heightPixels >= kTextInvisiblePixels) || heightPixels > kLargestTextPixels ||
      isOutsideClip(cr, box))
    return;  // NaN heights too
  PrintableRun run = printableRun(raw);
  bool decorated = !run.underlined.empty() || !run.overlined.empty();
  if (run.text.empty() || (isBlank(run.text) && !decorated))
    return;
  if (heightPixels < kTextHairlinePixels) {
    paintHairline(cr, box, heightPixels);
    return;
  }

  TextLayoutCache* cache = textLayoutCacheOf(cr);
  if (!cache)
    return;
  const LaidOutText& text = laidOutTextOf(*cache, run.text);
  double top = text.hasWide ? cache->ideographTop : cache->capitalTop;
  RunPlacement placement;
  if (!(text.width > 0.0) || !placeRun(box, text.width, top, placement))
    return;

  cairo_save(cr);
  cairo_transform(cr, &placement.matrix);
  cairo_set_font_options(cr, cache->drawingOptions);
  double em = emPixels(cr);
  if (em > kOutlineEmPixels)
    fillLaidOutTextOutlines(cr, text, placement.xStretch, em);
  else
    showLaidOutText(cr, text, run.text, placement.xStretch);
  if (decorated)
    paintDecorations(cr, cache->layout, run, text.width, top, placement.xStretch);
  cairo_restore(cr);
}

}  // namespace zek::render
