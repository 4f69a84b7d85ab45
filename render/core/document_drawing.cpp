// The picture of a document: window, background, model space, temporary graphics.
#include "core/document_drawing.h"

#include <cmath>
#include <unordered_set>

#include "core/canvas.h"
#include "core/entity_drawer.h"
#include "core/host_read.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "db_database.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "zek/arc_math.h"

namespace zek::render {

namespace {

// What the picture leaves out: entities a redraw undrew, while the
// temporary graphics are shown.
using Undrawn = std::unordered_set<AcDbObjectId>;

int drawModelSpace(const AcDbDatabase& db, EntityDrawer& drawer, const Undrawn* undrawn) {
  HostRead<AcDbBlockTableRecord> space(db.modelSpaceId());
  if (!space)
    return 0;
  const DrawContext top = drawer.topContext();
  int drawn = 0;
  for (AcDbObjectId id : space->entityIds()) {
    if (id.isErased() || (undrawn != nullptr && undrawn->count(id) != 0))
      continue;
    HostRead<AcDbEntity> entity(id);
    if (entity && drawer.draw(*entity.get(), top))
      ++drawn;
  }
  return drawn;
}

// An entity the document holds outside the usual opening (the jig's
// entity): marked read for the moment when it lives in the drawing.
void drawHeld(const AcDbEntity& held, EntityDrawer& drawer) {
  auto& entity = const_cast<AcDbEntity&>(held);
  const bool inDrawing = !entity.isNewObject();
  if (inDrawing)
    entity.markOpened(AcDb::kForRead);
  (void)drawer.draw(entity, drawer.topContext());
  if (inDrawing)
    entity.markClosed();
}

void drawTemporaryGraphics(const Document& document, const DisplayState& display,
                           EntityDrawer& drawer, const PictureFrame& frame) {
  const AcDbDatabase& db = *document.database();
  // Highlighted entities again, dashed, over their plain selves.
  drawer.styles().setHighlighting(true);
  for (AcDbObjectId id : highlightedEntities(document)) {
    if (id.isErased())
      continue;
    HostRead<AcDbEntity> entity(id);
    if (entity && entity->ownerId() == db.modelSpaceId())
      (void)drawer.draw(*entity.get(), drawer.topContext());
  }
  drawer.styles().setHighlighting(false);

  if (display.dragEntity != nullptr) {
    drawer.setDragging(true);
    drawHeld(*display.dragEntity, drawer);
    drawer.setDragging(false);
  }

  // The vectors last, on top of everything, in their index colours.
  const DeviceTransform device(frame);
  Canvas& canvas = drawer.canvas();
  for (const TemporaryVector& vector : display.vectors) {
    StrokeStyle style;
    style.colour = drawer.styles().rgbOfIndex(vector.colour);
    style.width = lineWidthPixels(AcDb::kLnWtByLwDefault, drawer.styles().minimumWidth());
    if (vector.highlighted) {
      style.dashes[0] = kHighlightDash;
      style.dashes[1] = kHighlightGap;
      style.dashCount = 2;
    }
    const DevicePoint a = device.point(vector.from), b = device.point(vector.to);
    DeviceBox box = DeviceBox::around(a);
    box.add(b);
    if (!canvas.meetsPicture(box))
      continue;
    canvas.useStroke(style);
    canvas.moveTo(a);
    canvas.lineTo(b);
  }
}

// Adds the box of a polyline in the XY plane: its vertices and, for each
// bulge, the points of the arc's circle at 0°, 90°, 180° and 270° that lie
// on the arc — those on the bulge's side of the chord — found without trigonometry.
void addPolylineExtents(const std::vector<PolylineVertex>& vertices, bool closed, double z,
                        AcDbExtents& box) {
  const std::size_t n = vertices.size();
  for (std::size_t i = 0; i < n; ++i) {
    const AcGePoint2d& p1 = vertices[i].point;
    box.addPoint(AcGePoint3d(p1.x, p1.y, z));
    const double b = vertices[i].bulge;
    if (b == 0.0 || (i + 1 == n && !closed))
      continue;
    const AcGePoint2d& p2 = vertices[(i + 1) % n].point;
    const AcGeVector2d d = p2 - p1;
    const double chord = d.length();
    if (!(chord > 0.0))
      continue;
    // The centre lies off the chord's middle along its left normal.
    const AcGeVector2d left(-d.y, d.x);
    const AcGePoint2d centre = p1 + d / 2.0 + left * ((1.0 - b * b) / (4.0 * b));
    const double r = chord * (1.0 + b * b) / (4.0 * std::fabs(b));
    const AcGeVector2d quadrants[4] = {{r, 0.0}, {0.0, r}, {-r, 0.0}, {0.0, -r}};
    for (const AcGeVector2d& q : quadrants) {
      const AcGePoint2d p = centre + q;
      if ((d.x * (p.y - p1.y) - d.y * (p.x - p1.x)) * b < 0.0)
        box.addPoint(AcGePoint3d(p.x, p.y, z));
    }
  }
}

// The box of the commonest kinds in the plane of the picture straight from
// their fields (a sheet of a million entities needs its extents fast);
// false for every other entity, which answers its own.
bool quickExtents(const AcDbEntity& entity, AcDbExtents& box) {
  const AcRxClass* cls = entity.isA();
  if (cls == AcDbLine::desc()) {
    const auto& line = static_cast<const AcDbLine&>(entity);
    box.addPoint(line.startPoint());
    box.addPoint(line.endPoint());
    return true;
  }
  if (cls == AcDbCircle::desc()) {
    const auto& circle = static_cast<const AcDbCircle&>(entity);
    if (circle.normal() != AcGeVector3d::kZAxis)
      return false;
    const AcGeVector3d r(circle.radius(), circle.radius(), 0.0);
    box.addPoint(circle.center() - r);
    box.addPoint(circle.center() + r);
    return true;
  }
  if (cls == AcDbPolyline::desc()) {
    const auto& polyline = static_cast<const AcDbPolyline&>(entity);
    if (polyline.normal() != AcGeVector3d::kZAxis || polyline.vertices().empty())
      return false;
    addPolylineExtents(polyline.vertices(), polyline.isClosed(), polyline.elevation(), box);
    return true;
  }
  if (cls == AcDbArc::desc()) {
    const auto& arc = static_cast<const AcDbArc&>(entity);
    if (arc.normal() != AcGeVector3d::kZAxis)
      return false;
    box = arcExtents(arc.center(), arc.radius(), arc.startAngle(), arc.endAngle());
    return true;
  }
  return false;
}

}  // namespace

AcDbExtents shownExtents(const AcDbDatabase& db, EntityStyles& styles) {
  AcDbExtents extents;
  HostRead<AcDbBlockTableRecord> space(db.modelSpaceId());
  if (!space)
    return extents;
  for (AcDbObjectId id : space->entityIds()) {
    if (id.isErased())
      continue;
    HostRead<AcDbEntity> entity(id);
    if (!entity || entity->visibility() != AcDb::kVisible)
      continue;
    const LayerLook& layer = styles.layer(entity->layerId());
    if (!styles.shows(layer) &&
        (layer.frozen || AcDbBlockReference::cast(entity.get()) == nullptr))
      continue;
    AcDbExtents own;
    if ((quickExtents(*entity.get(), own) || entity->getGeomExtents(own) == Acad::eOk) &&
        own.isValid())
      extents.addExt(own);
  }
  return extents;
}

WorldWindow pictureWindow(const Document& document, const RenderOptions& options,
                          EntityStyles& styles) {
  if (options.window)
    return normalizedWindow(*options.window);
  if (options.useCurrentView)
    return windowOfView(document.view());
  return windowAroundExtents(shownExtents(*document.database(), styles));
}

double minimumLineWidth(ImageFormat format) { return format == ImageFormat::Png ? 1.0 : 0.5; }

Rgb backgroundOf(bool darkTheme) { return darkTheme ? Rgb{0x1e, 0x1e, 0x1e} : Rgb{255, 255, 255}; }

int drawDocument(cairo_t* cr, const Document& document, const RenderOptions& options,
                 const PictureFrame& frame, EntityStyles& styles) {
  const Rgb background = backgroundOf(options.darkTheme);
  cairo_set_source_rgb(cr, background.r / 255.0, background.g / 255.0, background.b / 255.0);
  cairo_paint(cr);

  const AcDbDatabase* db = document.database();
  if (db == nullptr)
    return 0;
  Canvas canvas(cr, frame.width, frame.height);
  canvas.drawThinLinesIntoPixels(cairo_get_target(cr));  // PNG only: vector pictures keep paths
  EntityDrawer drawer(*db, canvas, styles, frame);
  // The display record is made on first use; reading it changes nothing drawn.
  auto& editable = const_cast<Document&>(document);
  const DisplayState* display = options.temporaryGraphics ? &displayStateOf(editable) : nullptr;
  const int drawn = drawModelSpace(*db, drawer, display != nullptr ? &display->undrawn : nullptr);
  if (display != nullptr)
    drawTemporaryGraphics(document, *display, drawer, frame);
  canvas.flush();
  return drawn;
}

}  // namespace zek::render
