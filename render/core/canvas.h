// The cairo context seen by the entity drawing: primitives in pixels, kept
// in one path while they share a stroke style (or a fill colour) and
// stroked or filled once when the style changes, so that runs of entities
// of one layer cost one cairo stroke. Drawing order is kept: a batch holds
// only consecutive primitives. In a PNG, thin continuous lines skip cairo
// and go straight into the pixels, as they come (pixel_lines.h).
#pragma once

#include <cairo.h>

#include <array>
#include <cstddef>

#include "core/device_transform.h"
#include "core/pixel_lines.h"
#include "shapes/palette.h"

namespace zek::render {

// How lines are stroked, in pixels.
struct StrokeStyle {
  static constexpr int kMaxDashes = 16;
  Rgb colour;
  double width = 1.0;
  // On and off lengths in pixels (on first); no dashes: a continuous line.
  std::array<double, kMaxDashes> dashes{};
  int dashCount = 0;
  double dashOffset = 0.0;

  bool operator==(const StrokeStyle& other) const;
};

// A box in pixels.
struct DeviceBox {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  void add(const DevicePoint& p);
  static DeviceBox around(const DevicePoint& p);
  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
};

class Canvas {
public:
  Canvas(cairo_t* cr, int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Thin continuous lines (a pixel wide at most, no dashes) are drawn into
  // the pixels of this image surface (cairo's own target) instead of
  // through cairo.
  void drawThinLinesIntoPixels(cairo_surface_t* image);

  // Whether anything inside the box can show on the picture (a margin of a
  // few pixels takes in line widths).
  bool meetsPicture(const DeviceBox& box) const {
    return box.maxX >= -kCullMargin && box.minX <= width_ + kCullMargin &&
           box.maxY >= -kCullMargin && box.minY <= height_ + kCullMargin;
  }

  // Strokes: the following primitives take this style.
  void useStroke(const StrokeStyle& style);
  void moveTo(const DevicePoint& p);
  void lineTo(const DevicePoint& p);
  // A square dot of the stroke's width (at least a pixel) at p.
  void dot(const DevicePoint& p);
  // An open or closed run of points as one sub-path.
  void polyline(const DevicePoint* points, std::size_t count, bool closed);

  // Fills: loops of the following primitives fill in this colour; every
  // loop is turned the same way round, so that overlapping loops of one
  // batch add up (non-zero rule) instead of cancelling.
  void useFill(const Rgb& colour);
  void fillLoop(const DevicePoint* points, std::size_t count);
  // Loops filled together by the even-odd rule (islands stay open), at once.
  void fillEvenOdd(const Rgb& colour, const DevicePoint* const* loops, const std::size_t* counts,
                   std::size_t loopCount);

  // Draws what is batched.
  void flush();
  // The context, batches drawn, for painting that does not batch (texts).
  cairo_t* context();

  // Strokes and fills handed to cairo, lines drawn into pixels (the
  // measure of batching).
  long strokeCount() const { return strokes_; }
  long fillCount() const { return fills_; }
  long pixelLineCount() const { return pixelLines_; }

  static constexpr double kCullMargin = 8.0;

private:
  enum class Batch { None, Stroke, Fill, Pixels };
  void applyStroke();
  // cairo and the pixel writes take turns on one surface.
  void beforeCairoDraws();
  void beforePixelsAreWritten();

  cairo_t* cr_;
  double width_;
  double height_;
  Batch batch_ = Batch::None;
  StrokeStyle stroke_;
  Rgb fill_;
  std::size_t pending_ = 0;  // primitives in the path
  // The pixel path: the surface, its pixels, where the pen is.
  cairo_surface_t* image_ = nullptr;
  PixelImage pixels_;
  DevicePoint pen_;
  bool pixelsChanged_ = false;
  bool cairoDrew_ = false;
  // What cairo was last told, to leave unchanged settings alone.
  double appliedWidth_ = -1.0;
  bool appliedHeavy_ = false;
  bool appliedDashed_ = false;
  long strokes_ = 0;
  long fills_ = 0;
  long pixelLines_ = 0;
};

}  // namespace zek::render
