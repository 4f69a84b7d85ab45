// Drawing entities onto the canvas: each kind the host models in its own
// way (curves and polylines as chords, texts through the text painter,
// block references, dimensions and leaders through their blocks and
// display geometry, kept areas through their outlines), and every other
// entity through its own worldDraw.
#pragma once

#include <unordered_map>
#include <vector>

#include "core/canvas.h"
#include "core/device_transform.h"
#include "core/entity_style.h"
#include "db_extents.h"
#include "zek/text_metrics.h"

class AcDbDatabase;
class AcDbEntity;
class AcDbLine;
class AcDbCircle;
class AcDbArc;
class AcDbEllipse;
class AcDbSpline;
class AcDbPoint;
class AcDbPolyline;
class AcDb2dPolyline;
class AcDbText;
class AcDbMText;
class AcDbBlockReference;
class AcDbDimension;
class AcDbLeader;
class AcRxClass;

namespace zek {
class KeptEntity;
}

namespace zek::render {

// Where an entity is drawn: the map from its coordinates to pixels, what
// BYBLOCK stands for, and how deep in blocks it lies.
struct DrawContext {
  DeviceTransform device;
  Inherited inherited;
  int depth = 0;
};

// Blocks nested deeper than this are not drawn (a damaged drawing).
constexpr int kMaxBlockDepth = 32;
// A MINSERT grid of more cells is drawn as its corner cells and outline.
constexpr long long kMaxDrawnCells = 65536;

// One segment of a planar polyline in its own plane: where it starts, its
// bulge and its widths at both ends.
struct PolylineSegment {
  AcGePoint2d start;
  double bulge = 0.0;
  double startWidth = 0.0;
  double endWidth = 0.0;
};

class EntityDrawer {
public:
  EntityDrawer(const AcDbDatabase& db, Canvas& canvas, EntityStyles& styles,
               const PictureFrame& frame);

  // Model space: world coordinates, BYBLOCK as the top level has it.
  DrawContext topContext() const;
  // Draws an entity (read-enabled) unless it is invisible, on a hidden
  // layer or off the picture; answers whether anything was drawn.
  bool draw(AcDbEntity& entity, const DrawContext& context);
  // Custom entities ask whether a jig drags them.
  void setDragging(bool dragging) { dragging_ = dragging; }

  Canvas& canvas() { return canvas_; }
  EntityStyles& styles() { return styles_; }

  // Strokes through the look; shared with the drawing interface.
  void useStroke(const EntityLook& look, const DrawContext& context);
  // Draws the points as one run (a dot when they all lie within a pixel).
  bool strokeRun(const EntityLook& look, const DrawContext& context,
                 const std::vector<DevicePoint>& points, bool closed);
  // Fills the loop in the look's colour.
  bool fillRun(const EntityLook& look, const std::vector<DevicePoint>& points);
  // A line of text (raw value) in its box, entity coordinates.
  bool drawTextBox(const EntityLook& look, const DrawContext& context, const char* raw,
                   const TextBox& box);
  // Scratch points for one primitive, emptied (no allocation once grown).
  std::vector<DevicePoint>& scratch() {
    points_.clear();
    return points_;
  }

private:
  bool drawKind(AcDbEntity& entity, const EntityLook& look, const DrawContext& context);
  bool drawLine(const AcDbLine& line, const EntityLook& look, const DrawContext& context);
  bool drawCircle(const AcDbCircle& circle, const EntityLook& look, const DrawContext& context);
  bool drawArc(const AcDbArc& arc, const EntityLook& look, const DrawContext& context);
  bool drawEllipse(const AcDbEllipse& ellipse, const EntityLook& look,
                   const DrawContext& context);
  bool drawSpline(const AcDbSpline& spline, const EntityLook& look, const DrawContext& context);
  bool drawPoint(const AcDbPoint& point, const EntityLook& look, const DrawContext& context);
  // An elliptic arc from its device centre and axes (t from t0 to t1).
  bool drawEllipticArc(const EntityLook& look, const DrawContext& context,
                       const DevicePoint& centre, const DevicePoint& u, const DevicePoint& v,
                       double t0, double t1, bool closed);

  // polyline_drawing.cpp
  bool drawPolyline(const AcDbPolyline& polyline, const EntityLook& look,
                    const DrawContext& context);
  bool draw2dPolyline(const AcDb2dPolyline& polyline, const EntityLook& look,
                      const DrawContext& context);
  // The segments in `segments_` in the plane given by the context.
  bool drawSegments(bool closed, const EntityLook& look, const DrawContext& context);
  void appendCentreLine(bool closed, const DeviceTransform& device);
  bool fillBands(bool closed, const EntityLook& look, const DeviceTransform& device);
  void strokeSegment(const PolylineSegment& segment, const AcGePoint2d& end,
                     const EntityLook& look, const DeviceTransform& device);

  // text_drawing.cpp
  enum class TextFit { Hidden, Hairline, Paint };
  // Culls a text's box, draws it as a hairline when it is too small to
  // read, and answers whether the painter should paint it (in `colour`).
  TextFit fitText(const TextBox& box, const EntityLook& look, const DrawContext& context,
                  Rgb& colour);
  // `shown` in place of the text's own value when not null (a constant
  // attribute definition in a block shows its value).
  bool drawText(const AcDbText& text, const EntityLook& look, const DrawContext& context,
                const char* shown = nullptr);
  bool drawMText(const AcDbMText& mtext, const EntityLook& look, const DrawContext& context);

  // block_drawing.cpp
  bool drawReference(const AcDbBlockReference& reference, const EntityLook& look,
                     const DrawContext& context);
  // The block's entities under `blockToParent` (block coordinates to those
  // of the context), BYBLOCK taken from `owner`.
  bool drawBlock(AcDbObjectId block, const AcGeMatrix3d& blockToParent, const EntityLook& owner,
                 const DrawContext& context);
  bool drawDimension(const AcDbDimension& dimension, const EntityLook& look,
                     const DrawContext& context);
  bool drawLeader(const AcDbLeader& leader, const EntityLook& look, const DrawContext& context);
  const AcDbExtents& blockExtents(AcDbObjectId block);

  // area_drawing.cpp
  bool drawKept(const KeptEntity& kept, const EntityLook& look, const DrawContext& context);
  // custom_drawing.cpp
  bool drawCustom(AcDbEntity& entity, const DrawContext& context);

  const AcDbDatabase& db_;
  Canvas& canvas_;
  EntityStyles& styles_;
  PictureFrame frame_;
  bool dragging_ = false;
  std::vector<DevicePoint> points_;
  std::vector<PolylineSegment> segments_;
  std::vector<AcGePoint2d> bandLoop_;
  std::vector<std::vector<DevicePoint>> keptLoops_;
  std::vector<AcDbObjectId> blockStack_;
  std::unordered_map<const void*, AcDbExtents> blockExtents_;
  // The classes drawn in their own way, looked up once.
  const AcRxClass* lineClass_;
  const AcRxClass* circleClass_;
  const AcRxClass* arcClass_;
  const AcRxClass* polylineClass_;
  const AcRxClass* textClass_;
  const AcRxClass* mtextClass_;
};

// The box on the picture of a box of the context's coordinates.
DeviceBox deviceBoxOf(const AcDbExtents& extents, const DeviceTransform& device);
// The X and Y axes (world) of the plane of a normal, by the arbitrary-axis rule.
void planeAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis);

// The box of a TEXT, ATTRIB or ATTDEF showing `shown` (the tag for a
// definition) in its place.
TextBox textBoxOf(const AcDbText& text, const char* shown);
// The box of one line of text as the drawing interface gives it.
TextBox textBoxAlong(const AcGePoint3d& position, const AcGeVector3d& normal,
                     const AcGeVector3d& direction, double height, double widthFactor,
                     double oblique, const char* raw);

}  // namespace zek::render
