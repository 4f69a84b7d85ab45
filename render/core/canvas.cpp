// Batched strokes and fills over a cairo context, and thin lines into pixels.
#include "core/canvas.h"

#include <algorithm>

namespace zek::render {

namespace {

// A path longer than this is drawn and a new one begun: cairo's stroker
// keeps the whole path, and memory should not grow with the drawing.
constexpr std::size_t kMaxPending = 1 << 16;

void setSource(cairo_t* cr, const Rgb& c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// Twice the signed area; its sign tells which way round the loop runs.
double signedArea2(const DevicePoint* p, std::size_t n) {
  double sum = 0.0;
  for (std::size_t i = 0, j = n - 1; i < n; j = i++)
    sum += (p[j].x - p[i].x) * (p[j].y + p[i].y);
  return sum;
}

}  // namespace

bool StrokeStyle::operator==(const StrokeStyle& other) const {
  if (!(colour == other.colour) || width != other.width || dashCount != other.dashCount ||
      dashOffset != other.dashOffset)
    return false;
  for (int i = 0; i < dashCount; ++i)
    if (dashes[i] != other.dashes[i])
      return false;
  return true;
}

void DeviceBox::add(const DevicePoint& p) {
  minX = std::min(minX, p.x);
  minY = std::min(minY, p.y);
  maxX = std::max(maxX, p.x);
  maxY = std::max(maxY, p.y);
}

DeviceBox DeviceBox::around(const DevicePoint& p) { return DeviceBox{p.x, p.y, p.x, p.y}; }

Canvas::Canvas(cairo_t* cr, int width, int height) : cr_(cr), width_(width), height_(height) {
  cairo_identity_matrix(cr_);
  cairo_new_path(cr_);
}

Canvas::~Canvas() { flush(); }

void Canvas::drawThinLinesIntoPixels(cairo_surface_t* image) {
  if (cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE)
    return;
  const cairo_format_t format = cairo_image_surface_get_format(image);
  if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32)
    return;
  flush();
  image_ = image;
  cairo_surface_flush(image_);
  pixels_.data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image_));
  pixels_.stride = cairo_image_surface_get_stride(image_) / 4;
  pixels_.width = cairo_image_surface_get_width(image_);
  pixels_.height = cairo_image_surface_get_height(image_);
  if (pixels_.data == nullptr)
    image_ = nullptr;
}

void Canvas::beforeCairoDraws() {
  if (pixelsChanged_) {
    cairo_surface_mark_dirty(image_);
    pixelsChanged_ = false;
  }
  cairoDrew_ = true;
}

void Canvas::beforePixelsAreWritten() {
  if (cairoDrew_) {
    cairo_surface_flush(image_);
    cairoDrew_ = false;
  }
}

void Canvas::applyStroke() {
  setSource(cr_, stroke_.colour);
  if (stroke_.width != appliedWidth_) {
    cairo_set_line_width(cr_, stroke_.width);
    appliedWidth_ = stroke_.width;
  }
  // Thin lines: butt ends and mitred corners are the cheapest to stroke and
  // look the same; heavy lines end and turn round, as plotted pens do.
  const bool heavy = stroke_.width >= 3.0;
  if (heavy != appliedHeavy_) {
    cairo_set_line_cap(cr_, heavy ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, heavy ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
    appliedHeavy_ = heavy;
  }
  if (stroke_.dashCount > 0 || appliedDashed_) {
    cairo_set_dash(cr_, stroke_.dashes.data(), stroke_.dashCount, stroke_.dashOffset);
    appliedDashed_ = stroke_.dashCount > 0;
  }
}

void Canvas::flush() {
  if (pending_ > 0 && (batch_ == Batch::Stroke || batch_ == Batch::Fill)) {
    beforeCairoDraws();
    if (batch_ == Batch::Stroke) {
      applyStroke();
      cairo_stroke(cr_);
      ++strokes_;
    } else {
      setSource(cr_, fill_);
      cairo_fill(cr_);
      ++fills_;
    }
  }
  // Whatever cairo does next (a text, writing the file) sees the pixels.
  if (pixelsChanged_)
    beforeCairoDraws();
  cairo_new_path(cr_);
  pending_ = 0;
  batch_ = Batch::None;
}

cairo_t* Canvas::context() {
  flush();
  cairoDrew_ = true;  // the caller paints through cairo
  return cr_;
}

void Canvas::useStroke(const StrokeStyle& style) {
  if (image_ != nullptr && style.dashCount == 0 && style.width <= 1.0) {
    if (batch_ != Batch::Pixels) {
      flush();
      beforePixelsAreWritten();
      batch_ = Batch::Pixels;
    }
    stroke_ = style;
    return;
  }
  if (batch_ == Batch::Stroke && stroke_ == style && pending_ < kMaxPending)
    return;
  flush();
  batch_ = Batch::Stroke;
  stroke_ = style;
}

void Canvas::moveTo(const DevicePoint& p) {
  if (batch_ == Batch::Pixels) {
    pen_ = p;
    return;
  }
  cairo_move_to(cr_, p.x, p.y);
  ++pending_;
}

void Canvas::lineTo(const DevicePoint& p) {
  if (batch_ == Batch::Pixels) {
    drawPixelLine(pixels_, pen_, p, stroke_.colour);
    pen_ = p;
    pixelsChanged_ = true;
    ++pixelLines_;
    return;
  }
  cairo_line_to(cr_, p.x, p.y);
}

void Canvas::dot(const DevicePoint& p) {
  const double half = std::max(stroke_.width, 1.0) / 2.0;
  moveTo({p.x - half, p.y});
  lineTo({p.x + half, p.y});
}

void Canvas::polyline(const DevicePoint* points, std::size_t count, bool closed) {
  if (count == 0)
    return;
  moveTo(points[0]);
  for (std::size_t i = 1; i < count; ++i)
    lineTo(points[i]);
  if (!closed)
    return;
  if (batch_ == Batch::Pixels)
    lineTo(points[0]);
  else
    cairo_close_path(cr_);
}

void Canvas::useFill(const Rgb& colour) {
  if (batch_ == Batch::Fill && fill_ == colour && pending_ < kMaxPending)
    return;
  flush();
  batch_ = Batch::Fill;
  fill_ = colour;
}

void Canvas::fillLoop(const DevicePoint* points, std::size_t count) {
  if (count < 3)
    return;
  const bool reversed = signedArea2(points, count) < 0.0;
  cairo_move_to(cr_, points[reversed ? count - 1 : 0].x, points[reversed ? count - 1 : 0].y);
  for (std::size_t k = 1; k < count; ++k) {
    const DevicePoint& p = points[reversed ? count - 1 - k : k];
    cairo_line_to(cr_, p.x, p.y);
  }
  cairo_close_path(cr_);
  ++pending_;
}

void Canvas::fillEvenOdd(const Rgb& colour, const DevicePoint* const* loops,
                         const std::size_t* counts, std::size_t loopCount) {
  flush();
  beforeCairoDraws();
  for (std::size_t l = 0; l < loopCount; ++l) {
    if (counts[l] < 3)
      continue;
    cairo_move_to(cr_, loops[l][0].x, loops[l][0].y);
    for (std::size_t i = 1; i < counts[l]; ++i)
      cairo_line_to(cr_, loops[l][i].x, loops[l][i].y);
    cairo_close_path(cr_);
  }
  setSource(cr_, colour);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  ++fills_;
}

}  // namespace zek::render
