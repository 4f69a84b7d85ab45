// The one-pixel band of a segment, column by column along its longer axis.
#include "core/pixel_lines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zek::render {

namespace {

// Blends the colour over the pixel by `share` (0..1) of its area.
inline void blend(PixelImage& image, int x, int y, const Rgb& colour, double share) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height)
    return;
  const int weight = std::min(256, static_cast<int>(share * 256.0 + 0.5));
  if (weight <= 0)
    return;
  std::uint32_t& pixel = image.data[std::size_t(y) * std::size_t(image.stride) + std::size_t(x)];
  const int r = int(pixel >> 16 & 0xFF), g = int(pixel >> 8 & 0xFF), b = int(pixel & 0xFF);
  const int nr = r + (((int(colour.r) - r) * weight) >> 8);
  const int ng = g + (((int(colour.g) - g) * weight) >> 8);
  const int nb = b + (((int(colour.b) - b) * weight) >> 8);
  pixel = (pixel & 0xFF000000u) | (std::uint32_t(nr) << 16) | (std::uint32_t(ng) << 8) |
          std::uint32_t(nb);
}

}  // namespace

void drawPixelLine(PixelImage& image, const DevicePoint& a, const DevicePoint& b, const Rgb& colour) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
    return;
  // u runs along the longer axis, v across it.
  const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
  double u0 = steep ? a.y : a.x, v0 = steep ? a.x : a.y;
  double u1 = steep ? b.y : b.x, v1 = steep ? b.x : b.y;
  if (u0 > u1) {
    std::swap(u0, u1);
    std::swap(v0, v1);
  }
  const double length = u1 - u0;
  if (!(length > 0.0))
    return;  // butt ends: a segment of no length covers nothing
  const double slope = (v1 - v0) / length;
  // Across a slanted band one pixel wide the column cuts 1/cos of it.
  const double half = 0.5 * std::sqrt(1.0 + slope * slope);
  const int uSize = steep ? image.height : image.width;
  const int vSize = steep ? image.width : image.height;
  const double firstColumn = std::clamp(std::floor(u0), -1.0, double(uSize));
  const double lastColumn = std::clamp(std::ceil(u1) - 1.0, -1.0, double(uSize));
  for (int c = int(firstColumn); c <= int(lastColumn); ++c) {
    if (c < 0 || c >= uSize)
      continue;
    const double lo = std::max(u0, double(c)), hi = std::min(u1, double(c) + 1.0);
    const double along = hi - lo;
    if (!(along > 0.0))
      continue;
    const double v = v0 + slope * ((lo + hi) / 2.0 - u0);
    const double top = v - half, bottom = v + half;
    const double firstRow = std::clamp(std::floor(top), -1.0, double(vSize));
    const double lastRow = std::clamp(std::floor(bottom), -1.0, double(vSize));
    for (int r = int(firstRow); r <= int(lastRow); ++r) {
      const double across = std::min(bottom, double(r) + 1.0) - std::max(top, double(r));
      if (across > 0.0) {
        if (steep)
          blend(image, r, c, colour, along * across);
        else
          blend(image, c, r, colour, along * across);
      }
    }
  }
}

}  // namespace zek::render
