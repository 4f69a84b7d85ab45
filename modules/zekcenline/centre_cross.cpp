// Centre-line crosses: the end points of both lines, turned when asked.
#include "centre_cross.h"

#include <cmath>

namespace zek {
namespace {

// A point of the cross turned counter-clockwise about the centre (in plan).
AcGePoint3d turnedAbout(const AcGePoint3d& point, double cx, double cy, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double dx = point.x - cx;
  const double dy = point.y - cy;
  return AcGePoint3d(cx + dx * c - dy * s, cy + dx * s + dy * c, point.z);
}

}  // namespace

std::array<CentreLine, 2> centreCross(const CentreRecord& record, double extension,
                                      double turnAngle) {
  const double cx = record.centre.x;
  const double cy = record.centre.y;
  const double reach = record.radius + extension;
  std::array<CentreLine, 2> lines{{
      {AcGePoint3d(cx + reach, cy, 0.0), AcGePoint3d(cx - reach, cy, 0.0)},
      {AcGePoint3d(cx, cy + reach, 0.0), AcGePoint3d(cx, cy - reach, 0.0)},
  }};
  if (turnAngle > kLeastTurn) {
    for (CentreLine& line : lines) {
      line.start = turnedAbout(line.start, cx, cy, turnAngle);
      line.end = turnedAbout(line.end, cx, cy, turnAngle);
    }
  }
  return lines;
}

}  // namespace zek
