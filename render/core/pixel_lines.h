// Thin lines straight into a PNG's pixels: a band one pixel wide along the
// segment, each pixel taking the colour by the share of it the band
// covers, over what is there. Hundreds of thousands of tiny lines and dots
// (a sheet of plates seen whole) cost far less this way than as as many
// cairo strokes, and they are drawn in their drawing order as they come.
#pragma once

#include <cstdint>

#include "core/device_transform.h"
#include "shapes/palette.h"

namespace zek::render {

// The pixels of a cairo image surface (RGB24 or ARGB32, 0x00RRGGBB words).
struct PixelImage {
  std::uint32_t* data = nullptr;
  int stride = 0;  // words per row
  int width = 0;
  int height = 0;
};

// Blends the segment's one-pixel band into the image. Its ends are cut
// square (butt), so a segment of one pixel's length is a one-pixel dot.
// Whatever falls outside the image is left out.
void drawPixelLine(PixelImage& image, const DevicePoint& a, const DevicePoint& b, const Rgb& colour);

}  // namespace zek::render
