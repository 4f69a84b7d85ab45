// The window a picture shows and its fit into the picture.
#include "core/picture_frame.h"

#include <algorithm>
#include <cmath>

#include "editor/document.h"

namespace zek::render {

namespace {

// Half the size a degenerate side of a window grows to.
double halfSideFor(double otherSide) { return otherSide > 0.0 ? otherSide / 2000.0 : 0.5; }

}  // namespace

WorldWindow normalizedWindow(const WorldWindow& window) {
  WorldWindow w{AcGePoint2d(std::min(window.min.x, window.max.x),
                            std::min(window.min.y, window.max.y)),
                AcGePoint2d(std::max(window.min.x, window.max.x),
                            std::max(window.min.y, window.max.y))};
  const double width = w.max.x - w.min.x, height = w.max.y - w.min.y;
  if (!(width > 0.0)) {
    const double half = halfSideFor(height);
    w.min.x -= half;
    w.max.x += half;
  }
  if (!(height > 0.0)) {
    const double half = halfSideFor(width);
    w.min.y -= half;
    w.max.y += half;
  }
  return w;
}

WorldWindow windowAroundExtents(const AcDbExtents& extents) {
  if (!extents.isValid())
    return kDefaultWindow;
  WorldWindow tight = normalizedWindow(
      WorldWindow{extents.minPoint().convert2d(), extents.maxPoint().convert2d()});
  const double dx = (tight.max.x - tight.min.x) * kExtentsMargin;
  const double dy = (tight.max.y - tight.min.y) * kExtentsMargin;
  return WorldWindow{AcGePoint2d(tight.min.x - dx, tight.min.y - dy),
                     AcGePoint2d(tight.max.x + dx, tight.max.y + dy)};
}

WorldWindow windowOfView(const View& view) {
  const double halfHeight = view.height / 2.0;
  const double aspect = view.screenHeight > 0 && view.screenWidth > 0
                            ? double(view.screenWidth) / view.screenHeight
                            : 1.0;
  const double halfWidth = halfHeight * aspect;
  return normalizedWindow(
      WorldWindow{AcGePoint2d(view.centre.x - halfWidth, view.centre.y - halfHeight),
                  AcGePoint2d(view.centre.x + halfWidth, view.centre.y + halfHeight)});
}

PictureFrame fitWindow(const WorldWindow& window, int width, int height) {
  const WorldWindow w = normalizedWindow(window);
  const double worldWidth = w.max.x - w.min.x, worldHeight = w.max.y - w.min.y;
  PictureFrame frame;
  frame.width = width;
  frame.height = height;
  frame.scale = std::min(width / worldWidth, height / worldHeight);
  // The window's centre goes to the picture's centre.
  const double centreX = (w.min.x + w.max.x) / 2.0, centreY = (w.min.y + w.max.y) / 2.0;
  frame.originX = width / 2.0 - frame.scale * centreX;
  frame.originY = height / 2.0 + frame.scale * centreY;
  return frame;
}

}  // namespace zek::render
