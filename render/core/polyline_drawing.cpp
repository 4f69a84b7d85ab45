// Lightweight and heavy polylines: bulges as arcs, and widths as filled
// bands (constant or tapered, arcs included) with mitred corners.
#include <algorithm>
#include <cmath>

#include "core/entity_drawer.h"
#include "core/flattening.h"
#include "core/host_read.h"
#include "db_polyline.h"
#include "zek/arc_math.h"

namespace zek::render {

namespace {

// Bulges smaller than this are straight to any picture.
constexpr double kStraightBulge = 1e-9;
// A mitre longer than this many half widths is cut off (bevelled).
constexpr double kMitreLimit = 4.0;

AcGeMatrix3d planeOf(const AcGeVector3d& normal, double elevation) {
  AcGeMatrix3d lift = AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, elevation));
  if (normal.x == 0.0 && normal.y == 0.0 && normal.z > 0.0)
    return lift;
  return AcGeMatrix3d::planeToWorld(normal) * lift;
}

AcGeVector2d unit(const AcGeVector2d& v) {
  const double length = v.length();
  return length > 0.0 ? v / length : AcGeVector2d(1.0, 0.0);
}

double cross(const AcGeVector2d& a, const AcGeVector2d& b) { return a.x * b.y - a.y * b.x; }

// The unit tangents of a segment at its start and its end.
void tangentsOf(const PolylineSegment& s, const AcGePoint2d& end, AcGeVector2d& atStart,
                AcGeVector2d& atEnd) {
  if (std::fabs(s.bulge) <= kStraightBulge) {
    atStart = atEnd = unit(end - s.start);
    return;
  }
  const BulgeArc arc = arcFromBulge(s.start, end, s.bulge);
  const double sign = arc.sweep > 0.0 ? 1.0 : -1.0;
  const AcGeVector2d fromCentreStart = unit(s.start - arc.centre);
  const AcGeVector2d fromCentreEnd = unit(end - arc.centre);
  atStart = AcGeVector2d(-fromCentreStart.y, fromCentreStart.x) * sign;
  atEnd = AcGeVector2d(-fromCentreEnd.y, fromCentreEnd.x) * sign;
}

// Appends the chords of a bulged segment after its start point.
void appendBulgeArc(std::vector<DevicePoint>& out, const AcGePoint2d& start,
                    const AcGePoint2d& end, double bulge, const DeviceTransform& device) {
  const BulgeArc arc = arcFromBulge(start, end, bulge);
  const double from = std::atan2(start.y - arc.centre.y, start.x - arc.centre.x);
  const DevicePoint u = device.vector(AcGeVector3d::kXAxis * arc.radius);
  const DevicePoint v = device.vector(AcGeVector3d::kYAxis * arc.radius);
  appendEllipticArc(out, device.point(arc.centre.x, arc.centre.y), u, v, from, from + arc.sweep,
                    false);
}

}  // namespace

bool EntityDrawer::drawPolyline(const AcDbPolyline& polyline, const EntityLook& look,
                                const DrawContext& context) {
  const std::vector<PolylineVertex>& vertices = polyline.vertices();
  if (vertices.empty())
    return false;
  segments_.clear();
  const bool ownWidths = polyline.hasWidths();
  const double constant = polyline.constantWidth();
  for (unsigned int i = 0; i < vertices.size(); ++i) {
    PolylineSegment segment{vertices[i].point, vertices[i].bulge, constant, constant};
    if (ownWidths && polyline.getWidthsAt(i, segment.startWidth, segment.endWidth) != Acad::eOk)
      segment.startWidth = segment.endWidth = 0.0;
    segments_.push_back(segment);
  }
  DrawContext plane = context;
  plane.device = context.device.after(planeOf(polyline.normal(), polyline.elevation()));
  return drawSegments(polyline.isClosed(), look, plane);
}

bool EntityDrawer::draw2dPolyline(const AcDb2dPolyline& polyline, const EntityLook& look,
                                  const DrawContext& context) {
  segments_.clear();
  const double defaultStart = polyline.defaultStartWidth();
  const double defaultEnd = polyline.defaultEndWidth();
  auto take = [&](const AcDb2dVertex& vertex) {
    if ((vertex.vertexFlags() & 16) != 0)
      return;  // a spline frame's control point is not on the curve
    PolylineSegment segment{vertex.position().convert2d(), vertex.bulge(), vertex.startWidth(),
                            vertex.endWidth()};
    // A vertex without widths of its own takes the polyline's defaults.
    if (segment.startWidth == 0.0 && segment.endWidth == 0.0) {
      segment.startWidth = defaultStart;
      segment.endWidth = defaultEnd;
    }
    segments_.push_back(segment);
  };
  if (!polyline.vertexIds().empty()) {
    for (AcDbObjectId id : polyline.vertexIds()) {
      if (id.isErased())
        continue;
      if (HostRead<AcDb2dVertex> vertex(id); vertex)
        take(*vertex.get());
    }
  } else {
    for (const auto& vertex : polyline.pendingVertices())
      take(*vertex);
  }
  if (segments_.empty())
    return false;
  DrawContext plane = context;
  plane.device = context.device.after(planeOf(polyline.normal(), polyline.elevation()));
  return drawSegments(polyline.isClosed(), look, plane);
}

bool EntityDrawer::drawSegments(bool closed, const EntityLook& look, const DrawContext& context) {
  const std::size_t n = segments_.size();
  const std::size_t count = closed ? n : n - 1;
  // The box of the vertices, grown by what a bulge or a width can add.
  double minX = segments_[0].start.x, maxX = minX, minY = segments_[0].start.y, maxY = minY;
  double grow = 0.0, widest = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const PolylineSegment& s = segments_[i];
    minX = std::min(minX, s.start.x);
    maxX = std::max(maxX, s.start.x);
    minY = std::min(minY, s.start.y);
    maxY = std::max(maxY, s.start.y);
    widest = std::max({widest, s.startWidth, s.endWidth});
    if (i < count && std::fabs(s.bulge) > kStraightBulge)
      grow = std::max(grow, segments_[(i + 1) % n].start.distanceTo(s.start) * std::fabs(s.bulge));
  }
  grow += widest / 2.0;
  const DeviceTransform& device = context.device;
  DeviceBox box = DeviceBox::around(device.point(minX - grow, minY - grow));
  box.add(device.point(maxX + grow, minY - grow));
  box.add(device.point(minX - grow, maxY + grow));
  box.add(device.point(maxX + grow, maxY + grow));
  if (!canvas_.meetsPicture(box))
    return false;
  if (count == 0 || (box.width() < 1.0 && box.height() < 1.0)) {
    useStroke(look, context);
    canvas_.dot({(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0});
    return true;
  }
  // A width thinner than a pixel on the picture is drawn as the line itself.
  if (widest * device.lengthScale() >= 1.0)
    return fillBands(closed, look, device);
  appendCentreLine(closed, device);
  if (closed && points_.size() > 1)
    points_.pop_back();
  useStroke(look, context);
  canvas_.polyline(points_.data(), points_.size(), closed);
  return true;
}

void EntityDrawer::appendCentreLine(bool closed, const DeviceTransform& device) {
  points_.clear();
  const std::size_t n = segments_.size();
  const std::size_t count = closed ? n : n - 1;
  points_.push_back(device.point(segments_[0].start.x, segments_[0].start.y));
  for (std::size_t i = 0; i < count; ++i) {
    const PolylineSegment& s = segments_[i];
    const AcGePoint2d& end = segments_[(i + 1) % n].start;
    if (std::fabs(s.bulge) <= kStraightBulge) {
      points_.push_back(device.point(end.x, end.y));
      continue;
    }
    appendBulgeArc(points_, s.start, end, s.bulge, device);
  }
}

void EntityDrawer::strokeSegment(const PolylineSegment& s, const AcGePoint2d& end,
                                 const EntityLook& look, const DeviceTransform& device) {
  points_.clear();
  points_.push_back(device.point(s.start.x, s.start.y));
  if (std::fabs(s.bulge) <= kStraightBulge) {
    points_.push_back(device.point(end.x, end.y));
  } else {
    appendBulgeArc(points_, s.start, end, s.bulge, device);
  }
  canvas_.useStroke(styles_.stroke(look, device.lengthScale()));
  canvas_.polyline(points_.data(), points_.size(), false);
}

bool EntityDrawer::fillBands(bool closed, const EntityLook& look, const DeviceTransform& device) {
  const std::size_t n = segments_.size();
  const std::size_t count = closed ? n : n - 1;
  const double scale = device.lengthScale();
  const Rgb colour = styles_.rgbOf(look.colour);
  auto emit = [&](std::vector<AcGePoint2d>& loop) {
    points_.clear();
    for (const AcGePoint2d& p : loop)
      points_.push_back(device.point(p.x, p.y));
    canvas_.useFill(colour);
    canvas_.fillLoop(points_.data(), points_.size());
    loop.clear();
  };
  std::vector<AcGePoint2d>& loop = bandLoop_;
  loop.clear();
  for (std::size_t i = 0; i < count; ++i) {
    const PolylineSegment& s = segments_[i];
    const AcGePoint2d& end = segments_[(i + 1) % n].start;
    const double h1 = s.startWidth / 2.0, h2 = s.endWidth / 2.0;
    if (end.distanceTo(s.start) == 0.0)
      continue;
    if (h1 <= 0.0 && h2 <= 0.0) {
      // A segment without width among wide ones is a plain line.
      strokeSegment(s, end, look, device);
      continue;
    }
    if (std::fabs(s.bulge) <= kStraightBulge) {
      const AcGeVector2d d = unit(end - s.start);
      const AcGeVector2d left(-d.y, d.x);
      loop = {s.start + left * h1, end + left * h2, end - left * h2, s.start - left * h1};
    } else {
      const BulgeArc arc = arcFromBulge(s.start, end, s.bulge);
      const double from = std::atan2(s.start.y - arc.centre.y, s.start.x - arc.centre.x);
      const int chords = chordCountFor((arc.radius + std::max(h1, h2)) * scale, arc.sweep);
      for (int side = 0; side < 2; ++side) {
        for (int k = 0; k <= chords; ++k) {
          const int j = side == 0 ? k : chords - k;
          const double t = double(j) / chords;
          const double a = from + arc.sweep * t;
          const double h = (h1 + (h2 - h1) * t) * (side == 0 ? 1.0 : -1.0);
          const double r = std::max(0.0, arc.radius + h);
          loop.emplace_back(arc.centre.x + r * std::cos(a), arc.centre.y + r * std::sin(a));
        }
      }
    }
    emit(loop);
    // The corner to the next segment: the outside gap closed up to the mitre.
    if (i + 1 >= count && !closed)
      continue;
    const PolylineSegment& next = segments_[(i + 1) % n];
    const AcGePoint2d& nextEnd = segments_[(i + 2) % n].start;
    if (nextEnd.distanceTo(next.start) == 0.0)
      continue;
    AcGeVector2d unused, dA, dB, unusedEnd;
    tangentsOf(s, end, unused, dA);
    tangentsOf(next, nextEnd, dB, unusedEnd);
    const double turn = cross(dA, dB);
    const double hA = h2, hB = next.startWidth / 2.0;
    if (std::fabs(turn) < 1e-9 || (hA <= 0.0 && hB <= 0.0))
      continue;
    const double side = turn > 0.0 ? -1.0 : 1.0;  // the outside of the turn
    const AcGePoint2d cornerA = end + AcGeVector2d(-dA.y, dA.x) * (hA * side);
    const AcGePoint2d cornerB = end + AcGeVector2d(-dB.y, dB.x) * (hB * side);
    const double along = cross(cornerB - cornerA, dB) / turn;
    const AcGePoint2d mitre = cornerA + dA * along;
    if (mitre.distanceTo(end) <= kMitreLimit * std::max(hA, hB))
      loop = {end, cornerA, mitre, cornerB};
    else
      loop = {end, cornerA, cornerB};
    emit(loop);
  }
  return true;
}

}  // namespace zek::render
