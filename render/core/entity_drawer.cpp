// The entity drawing: which way each kind goes, and the curves.
#include "core/entity_drawer.h"

#include <algorithm>
#include <cmath>

#include "core/flattening.h"
#include "db/kept_object.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_dimension.h"
#include "db_leader.h"
#include "db_polyline.h"
#include "db_text.h"

namespace zek::render {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

DevicePoint middleOf(const DeviceBox& box) {
  return {(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0};
}

bool isWithinPixel(const DeviceBox& box) { return box.width() < 1.0 && box.height() < 1.0; }

}  // namespace

DeviceBox deviceBoxOf(const AcDbExtents& extents, const DeviceTransform& device) {
  const AcGePoint3d& lo = extents.minPoint();
  const AcGePoint3d& hi = extents.maxPoint();
  DeviceBox box = DeviceBox::around(device.point(lo));
  for (int corner = 1; corner < 8; ++corner)
    box.add(device.point(corner & 1 ? hi.x : lo.x, corner & 2 ? hi.y : lo.y,
                         corner & 4 ? hi.z : lo.z));
  return box;
}

void planeAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis) {
  if (normal.x == 0.0 && normal.y == 0.0 && normal.z > 0.0) {
    xAxis = AcGeVector3d::kXAxis;
    yAxis = AcGeVector3d::kYAxis;
    return;
  }
  AcGePoint3d origin;
  AcGeVector3d zAxis;
  AcGeMatrix3d::planeToWorld(normal).getCoordSystem(origin, xAxis, yAxis, zAxis);
}

EntityDrawer::EntityDrawer(const AcDbDatabase& db, Canvas& canvas, EntityStyles& styles,
                           const PictureFrame& frame)
    : db_(db),
      canvas_(canvas),
      styles_(styles),
      frame_(frame),
      lineClass_(AcDbLine::desc()),
      circleClass_(AcDbCircle::desc()),
      arcClass_(AcDbArc::desc()),
      polylineClass_(AcDbPolyline::desc()),
      textClass_(AcDbText::desc()),
      mtextClass_(AcDbMText::desc()) {}

DrawContext EntityDrawer::topContext() const {
  DrawContext context;
  context.device = DeviceTransform(frame_);
  context.inherited = Inherited::topLevel();
  return context;
}

bool EntityDrawer::draw(AcDbEntity& entity, const DrawContext& context) {
  if (entity.visibility() != AcDb::kVisible)
    return false;
  const EntityLook look = styles_.look(entity, context.inherited);
  // A reference on an off layer still shows what its block holds on other
  // layers; a frozen layer hides all of it.
  if (look.hidden() && (look.layerFrozen || AcDbBlockReference::cast(&entity) == nullptr))
    return false;
  return drawKind(entity, look, context);
}

bool EntityDrawer::drawKind(AcDbEntity& entity, const EntityLook& look,
                            const DrawContext& context) {
  // The kinds of a plate drawing first, by their exact class.
  const AcRxClass* cls = entity.isA();
  if (cls == lineClass_)
    return drawLine(static_cast<const AcDbLine&>(entity), look, context);
  if (cls == circleClass_)
    return drawCircle(static_cast<const AcDbCircle&>(entity), look, context);
  if (cls == arcClass_)
    return drawArc(static_cast<const AcDbArc&>(entity), look, context);
  if (cls == polylineClass_)
    return drawPolyline(static_cast<const AcDbPolyline&>(entity), look, context);
  if (cls == textClass_)
    return drawText(static_cast<const AcDbText&>(entity), look, context);
  if (cls == mtextClass_)
    return drawMText(static_cast<const AcDbMText&>(entity), look, context);
  // Then by kind, for the other classes and classes derived from them.
  if (auto* reference = AcDbBlockReference::cast(&entity))
    return drawReference(*reference, look, context);
  if (auto* dimension = AcDbDimension::cast(&entity))
    return drawDimension(*dimension, look, context);
  if (auto* text = AcDbText::cast(&entity))
    return drawText(*text, look, context);
  if (auto* mtext = AcDbMText::cast(&entity))
    return drawMText(*mtext, look, context);
  if (auto* line = AcDbLine::cast(&entity))
    return drawLine(*line, look, context);
  if (auto* arc = AcDbArc::cast(&entity))
    return drawArc(*arc, look, context);
  if (auto* circle = AcDbCircle::cast(&entity))
    return drawCircle(*circle, look, context);
  if (auto* polyline = AcDbPolyline::cast(&entity))
    return drawPolyline(*polyline, look, context);
  if (auto* polyline = AcDb2dPolyline::cast(&entity))
    return draw2dPolyline(*polyline, look, context);
  if (auto* ellipse = AcDbEllipse::cast(&entity))
    return drawEllipse(*ellipse, look, context);
  if (auto* spline = AcDbSpline::cast(&entity))
    return drawSpline(*spline, look, context);
  if (auto* point = AcDbPoint::cast(&entity))
    return drawPoint(*point, look, context);
  if (auto* leader = AcDbLeader::cast(&entity))
    return drawLeader(*leader, look, context);
  if (auto* kept = KeptEntity::cast(&entity))
    return drawKept(*kept, look, context);
  return drawCustom(entity, context);
}

void EntityDrawer::useStroke(const EntityLook& look, const DrawContext& context) {
  canvas_.useStroke(styles_.stroke(look, context.device.lengthScale()));
}

bool EntityDrawer::strokeRun(const EntityLook& look, const DrawContext& context,
                             const std::vector<DevicePoint>& points, bool closed) {
  if (points.empty())
    return false;
  DeviceBox box = DeviceBox::around(points[0]);
  for (const DevicePoint& p : points)
    box.add(p);
  if (!canvas_.meetsPicture(box))
    return false;
  useStroke(look, context);
  if (isWithinPixel(box))
    canvas_.dot(middleOf(box));
  else
    canvas_.polyline(points.data(), points.size(), closed);
  return true;
}

bool EntityDrawer::fillRun(const EntityLook& look, const std::vector<DevicePoint>& points) {
  if (points.size() < 3)
    return false;
  canvas_.useFill(styles_.rgbOf(look.colour));
  canvas_.fillLoop(points.data(), points.size());
  return true;
}

bool EntityDrawer::drawLine(const AcDbLine& line, const EntityLook& look,
                            const DrawContext& context) {
  const DevicePoint a = context.device.point(line.startPoint());
  const DevicePoint b = context.device.point(line.endPoint());
  DeviceBox box = DeviceBox::around(a);
  box.add(b);
  if (!canvas_.meetsPicture(box))
    return false;
  useStroke(look, context);
  if (isWithinPixel(box)) {
    canvas_.dot(middleOf(box));
  } else {
    canvas_.moveTo(a);
    canvas_.lineTo(b);
  }
  return true;
}

bool EntityDrawer::drawEllipticArc(const EntityLook& look, const DrawContext& context,
                                   const DevicePoint& centre, const DevicePoint& u,
                                   const DevicePoint& v, double t0, double t1, bool closed) {
  const DeviceBox box = ellipseBox(centre, u, v);
  if (!canvas_.meetsPicture(box))
    return false;
  if (ellipseRadius(u, v) < kChordTolerance) {
    useStroke(look, context);
    canvas_.dot(centre);
    return true;
  }
  std::vector<DevicePoint>& points = scratch();
  appendEllipticArc(points, centre, u, v, t0, t1);
  if (closed)
    points.pop_back();  // the last point is the first again: close the run instead
  useStroke(look, context);
  canvas_.polyline(points.data(), points.size(), closed);
  return true;
}

bool EntityDrawer::drawCircle(const AcDbCircle& circle, const EntityLook& look,
                              const DrawContext& context) {
  AcGeVector3d xAxis, yAxis;
  planeAxes(circle.normal(), xAxis, yAxis);
  const double r = circle.radius();
  return drawEllipticArc(look, context, context.device.point(circle.center()),
                         context.device.vector(xAxis * r), context.device.vector(yAxis * r), 0.0,
                         kTwoPi, true);
}

bool EntityDrawer::drawArc(const AcDbArc& arc, const EntityLook& look,
                           const DrawContext& context) {
  const double sweep = arc.totalAngle();
  if (!(sweep > 0.0))
    return false;  // equal angles: an arc of nothing
  AcGeVector3d xAxis, yAxis;
  planeAxes(arc.normal(), xAxis, yAxis);
  const double r = arc.radius();
  const double start = arc.startAngle();
  return drawEllipticArc(look, context, context.device.point(arc.center()),
                         context.device.vector(xAxis * r), context.device.vector(yAxis * r),
                         start, start + sweep, false);
}

bool EntityDrawer::drawEllipse(const AcDbEllipse& ellipse, const EntityLook& look,
                               const DrawContext& context) {
  double t0 = ellipse.startParam(), t1 = ellipse.endParam();
  const bool closed = ellipse.isClosed();
  if (closed) {
    t0 = 0.0;
    t1 = kTwoPi;
  } else if (t1 <= t0) {
    t1 += kTwoPi;
  }
  return drawEllipticArc(look, context, context.device.point(ellipse.center()),
                         context.device.vector(ellipse.majorAxis()),
                         context.device.vector(ellipse.minorAxis()), t0, t1, closed);
}

bool EntityDrawer::drawSpline(const AcDbSpline& spline, const EntityLook& look,
                              const DrawContext& context) {
  double t0 = 0.0, t1 = 0.0;
  if (spline.getStartParam(t0) != Acad::eOk || spline.getEndParam(t1) != Acad::eOk ||
      !(t1 > t0))
    return false;
  // A NURBS lies inside the hull of its control points: their box culls it
  // cheaply. A spline of fit points only may swing past them: its extents.
  DeviceBox box;
  const int controls = spline.numControlPoints();
  if (controls > 0) {
    for (int i = 0; i < controls; ++i) {
      AcGePoint3d p;
      if (spline.getControlPointAt(i, p) != Acad::eOk)
        continue;
      const DevicePoint d = context.device.point(p);
      if (i == 0)
        box = DeviceBox::around(d);
      else
        box.add(d);
    }
  } else {
    AcDbExtents extents;
    if (spline.getGeomExtents(extents) != Acad::eOk)
      return false;
    box = deviceBoxOf(extents, context.device);
  }
  if (!canvas_.meetsPicture(box))
    return false;
  if (isWithinPixel(box)) {
    useStroke(look, context);
    canvas_.dot(middleOf(box));
    return true;
  }
  const int pieces = std::clamp(4 * std::max(controls, spline.numFitPoints()), 8, 1024);
  std::vector<DevicePoint>& points = scratch();
  appendCurve(points, spline, t0, t1, context.device, pieces);
  return strokeRun(look, context, points, false);
}

bool EntityDrawer::drawPoint(const AcDbPoint& point, const EntityLook& look,
                             const DrawContext& context) {
  const DevicePoint p = context.device.point(point.position());
  const DeviceBox box = DeviceBox::around(p);
  if (!canvas_.meetsPicture(box))
    return false;
  useStroke(look, context);
  canvas_.dot(p);
  return true;
}

}  // namespace zek::render
