// The drawing interface an entity's worldDraw receives: the geometry it may
// draw (polylines, polygons, circles, arcs, text) and the traits (colour,
// layer, linetype, lineweight, fill) of what it draws next. The renderer
// implements it; a custom entity of a module draws itself through it.
#pragma once

#include "adesk.h"
#include "db_core.h"
#include "ge_geometry.h"

// How a circular arc is closed: not at all, through its centre, or by its chord.
enum AcGiArcType { kAcGiArcSimple = 0, kAcGiArcSector = 1, kAcGiArcChord = 2 };

// Whether polygons (and closed arcs) are filled or drawn as outlines.
enum AcGiFillType { kAcGiFillAlways = 1, kAcGiFillNever = 2 };

// The properties of the primitives drawn next. They start as the entity's
// own; a change holds until the entity's worldDraw returns.
class AcGiSubEntityTraits {
public:
  virtual ~AcGiSubEntityTraits() = default;

  // An ACI index: 1..255, 0 BYBLOCK, 256 BYLAYER.
  virtual void setColor(const Adesk::UInt16 color) = 0;
  virtual void setLayer(const AcDbObjectId layerId) = 0;
  virtual void setLineType(const AcDbObjectId linetypeId) = 0;
  virtual void setLineTypeScale(double scale = 1.0) = 0;
  virtual void setLineWeight(const AcDb::LineWeight lineWeight) = 0;
  virtual void setFillType(const AcGiFillType fillType) = 0;
  // Names the primitives that follow for picking; drawing ignores it.
  virtual void setSelectionMarker(const Adesk::IntPtr markerId) = 0;

  virtual Adesk::UInt16 color() const = 0;
  virtual AcDbObjectId layerId() const = 0;
  virtual AcDbObjectId lineTypeId() const = 0;
  virtual double lineTypeScale() const = 0;
  virtual AcDb::LineWeight lineWeight() const = 0;
  virtual AcGiFillType fillType() const = 0;
};

// Geometry in world coordinates (the entity's own when it lies in a block:
// the block's transformation applies). Each call answers kTrue when the
// drawing should stop (the classic "aborted" answer), kFalse otherwise.
class AcGiGeometry {
public:
  virtual ~AcGiGeometry() = default;

  virtual Adesk::Boolean circle(const AcGePoint3d& center, const double radius,
                                const AcGeVector3d& normal) const = 0;
  // The circle through three points (nothing for points on one line).
  virtual Adesk::Boolean circle(const AcGePoint3d& first, const AcGePoint3d& second,
                                const AcGePoint3d& third) const = 0;
  // From center + startVector (its length is ignored, the radius counts),
  // turning sweepAngle radians counter-clockwise about the normal.
  virtual Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius,
                                     const AcGeVector3d& normal,
                                     const AcGeVector3d& startVector, const double sweepAngle,
                                     const AcGiArcType arcType = kAcGiArcSimple) const = 0;
  // The arc from start through point to end.
  virtual Adesk::Boolean circularArc(const AcGePoint3d& start, const AcGePoint3d& point,
                                     const AcGePoint3d& end,
                                     const AcGiArcType arcType = kAcGiArcSimple) const = 0;
  // Open line segments through the points in order.
  virtual Adesk::Boolean polyline(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList,
                                  const AcGeVector3d* pNormal = nullptr,
                                  Adesk::IntPtr lBaseSubEntMarker = -1) const = 0;
  // A closed area: filled with kAcGiFillAlways, else its outline.
  virtual Adesk::Boolean polygon(const Adesk::UInt32 nbPoints,
                                 const AcGePoint3d* pVertexList) const = 0;
  // One line of text (UTF-8, control codes such as %%C as in TEXT) starting
  // at position along direction in the plane of normal; width is the width
  // factor, oblique the slant from the vertical in radians.
  virtual Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal,
                              const AcGeVector3d& direction, const double height,
                              const double width, const double oblique,
                              const char* pMsg) const = 0;
};

class AcGiWorldGeometry : public AcGiGeometry {};

// What every drawing context offers.
class AcGiCommonDraw {
public:
  virtual ~AcGiCommonDraw() = default;
  virtual AcGiSubEntityTraits& subEntityTraits() const = 0;
  // True when the drawing should stop early; the renderer never asks to.
  virtual Adesk::Boolean regenAbort() const = 0;
  // True while the entity is drawn as a jig drags it.
  virtual Adesk::Boolean isDragging() const = 0;
};

// The context of AcDbEntity::worldDraw.
class AcGiWorldDraw : public AcGiCommonDraw {
public:
  virtual AcGiWorldGeometry& geometry() const = 0;
};
