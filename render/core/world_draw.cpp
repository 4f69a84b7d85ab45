// The drawing interface over the renderer, and the drawing of entities the
// renderer has no way of its own for.
#include "core/world_draw.h"

#include <cmath>

#include "core/flattening.h"

namespace zek::render {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

// The centre of the circle through three points and the normal that makes
// first → second → third run counter-clockwise; false on one line.
bool circleThrough(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3,
                   AcGePoint3d& centre, AcGeVector3d& normal) {
  const AcGeVector3d a = p1 - p3, b = p2 - p3;
  const AcGeVector3d axb = a.crossProduct(b);
  const double denominator = 2.0 * axb.dotProduct(axb);
  if (!(denominator > 1e-300))
    return false;
  const AcGeVector3d toCentre =
      (b * a.dotProduct(a) - a * b.dotProduct(b)).crossProduct(axb) / denominator;
  centre = p3 + toCentre;
  normal = (p2 - p1).crossProduct(p3 - p2).normal();
  return true;
}

}  // namespace

void WorldDrawTraits::setColor(const Adesk::UInt16 color) {
  (void)properties_.colour.setColorIndex(color);
}

bool WorldDrawGeometry::currentLook(EntityLook& look) const {
  look = drawer_.styles().look(traits_.properties(), context_.inherited);
  return !look.hidden();
}

Adesk::Boolean WorldDrawGeometry::polyline(const Adesk::UInt32 nbPoints,
                                           const AcGePoint3d* pVertexList, const AcGeVector3d*,
                                           Adesk::IntPtr) const {
  EntityLook look;
  if (nbPoints == 0 || pVertexList == nullptr || !currentLook(look))
    return Adesk::kFalse;
  std::vector<DevicePoint>& points = drawer_.scratch();
  for (Adesk::UInt32 i = 0; i < nbPoints; ++i)
    points.push_back(context_.device.point(pVertexList[i]));
  drawn_ = drawer_.strokeRun(look, context_, points, false) || drawn_;
  return Adesk::kFalse;
}

Adesk::Boolean WorldDrawGeometry::polygon(const Adesk::UInt32 nbPoints,
                                          const AcGePoint3d* pVertexList) const {
  EntityLook look;
  if (nbPoints == 0 || pVertexList == nullptr || !currentLook(look))
    return Adesk::kFalse;
  std::vector<DevicePoint>& points = drawer_.scratch();
  DeviceBox box;
  for (Adesk::UInt32 i = 0; i < nbPoints; ++i) {
    points.push_back(context_.device.point(pVertexList[i]));
    if (i == 0)
      box = DeviceBox::around(points.back());
    else
      box.add(points.back());
  }
  if (traits_.fillType() == kAcGiFillAlways && nbPoints >= 3) {
    if (drawer_.canvas().meetsPicture(box))
      drawn_ = drawer_.fillRun(look, points) || drawn_;
  } else {
    drawn_ = drawer_.strokeRun(look, context_, points, true) || drawn_;
  }
  return Adesk::kFalse;
}

Adesk::Boolean WorldDrawGeometry::arc(const AcGePoint3d& centre, double radius,
                                      const AcGeVector3d& normal, double from, double sweep,
                                      AcGiArcType type) const {
  EntityLook look;
  if (!(radius > 0.0) || !std::isfinite(radius) || !currentLook(look))
    return Adesk::kFalse;
  AcGeVector3d xAxis, yAxis;
  planeAxes(normal, xAxis, yAxis);
  const DevicePoint c = context_.device.point(centre);
  const DevicePoint u = context_.device.vector(xAxis * radius);
  const DevicePoint v = context_.device.vector(yAxis * radius);
  if (!drawer_.canvas().meetsPicture(ellipseBox(c, u, v)))
    return Adesk::kFalse;
  std::vector<DevicePoint>& points = drawer_.scratch();
  const bool full = std::fabs(sweep) >= kTwoPi;
  appendEllipticArc(points, c, u, v, from, from + sweep);
  if (full)
    points.pop_back();
  else if (type == kAcGiArcSector)
    points.push_back(c);
  const bool closed = full || type != kAcGiArcSimple;
  if (closed && traits_.fillType() == kAcGiFillAlways && points.size() >= 3)
    drawn_ = drawer_.fillRun(look, points) || drawn_;
  else
    drawn_ = drawer_.strokeRun(look, context_, points, closed) || drawn_;
  return Adesk::kFalse;
}

Adesk::Boolean WorldDrawGeometry::circle(const AcGePoint3d& center, const double radius,
                                         const AcGeVector3d& normal) const {
  return arc(center, radius, normal, 0.0, kTwoPi, kAcGiArcSimple);
}

Adesk::Boolean WorldDrawGeometry::circle(const AcGePoint3d& first, const AcGePoint3d& second,
                                         const AcGePoint3d& third) const {
  AcGePoint3d centre;
  AcGeVector3d normal;
  if (!circleThrough(first, second, third, centre, normal))
    return Adesk::kFalse;
  return arc(centre, centre.distanceTo(first), normal, 0.0, kTwoPi, kAcGiArcSimple);
}

Adesk::Boolean WorldDrawGeometry::circularArc(const AcGePoint3d& center, const double radius,
                                              const AcGeVector3d& normal,
                                              const AcGeVector3d& startVector,
                                              const double sweepAngle,
                                              const AcGiArcType arcType) const {
  AcGeVector3d xAxis, yAxis;
  planeAxes(normal, xAxis, yAxis);
  const double from = std::atan2(startVector.dotProduct(yAxis), startVector.dotProduct(xAxis));
  return arc(center, radius, normal, from, sweepAngle, arcType);
}

Adesk::Boolean WorldDrawGeometry::circularArc(const AcGePoint3d& start, const AcGePoint3d& point,
                                              const AcGePoint3d& end,
                                              const AcGiArcType arcType) const {
  AcGePoint3d centre;
  AcGeVector3d normal;
  if (!circleThrough(start, point, end, centre, normal))
    return Adesk::kFalse;
  AcGeVector3d xAxis, yAxis;
  planeAxes(normal, xAxis, yAxis);
  auto angleOf = [&](const AcGePoint3d& p) {
    const AcGeVector3d d = p - centre;
    return std::atan2(d.dotProduct(yAxis), d.dotProduct(xAxis));
  };
  const double from = angleOf(start);
  double sweep = angleOf(end) - from;
  while (sweep <= 0.0)
    sweep += kTwoPi;
  return arc(centre, centre.distanceTo(start), normal, from, sweep, arcType);
}

Adesk::Boolean WorldDrawGeometry::text(const AcGePoint3d& position, const AcGeVector3d& normal,
                                       const AcGeVector3d& direction, const double height,
                                       const double width, const double oblique,
                                       const char* pMsg) const {
  EntityLook look;
  if (pMsg == nullptr || !(height > 0.0) || !currentLook(look))
    return Adesk::kFalse;
  const TextBox box = textBoxAlong(position, normal, direction, height, width, oblique, pMsg);
  drawn_ = drawer_.drawTextBox(look, context_, pMsg, box) || drawn_;
  return Adesk::kFalse;
}

bool EntityDrawer::drawCustom(AcDbEntity& entity, const DrawContext& context) {
  AcDbExtents extents;
  if (entity.getGeomExtents(extents) == Acad::eOk && extents.isValid() &&
      !canvas_.meetsPicture(deviceBoxOf(extents, context.device)))
    return false;
  WorldDraw mode(*this, context, EntityProperties::of(entity), dragging_);
  (void)entity.worldDraw(&mode);
  return mode.drewAnything();
}

}  // namespace zek::render
