// The drawing interface (acgi.h) over the renderer: what a custom entity's
// worldDraw draws goes through the same canvas, styles and batches as the
// host's own entities.
#pragma once

#include "acgi.h"
#include "core/entity_drawer.h"

namespace zek::render {

class WorldDrawTraits : public AcGiSubEntityTraits {
public:
  explicit WorldDrawTraits(const EntityProperties& properties) : properties_(properties) {}

  void setColor(const Adesk::UInt16 color) override;
  void setLayer(const AcDbObjectId layerId) override { properties_.layer = layerId; }
  void setLineType(const AcDbObjectId linetypeId) override { properties_.linetype = linetypeId; }
  void setLineTypeScale(double scale) override { properties_.linetypeScale = scale; }
  void setLineWeight(const AcDb::LineWeight lineWeight) override {
    properties_.lineWeight = lineWeight;
  }
  void setFillType(const AcGiFillType fillType) override { fill_ = fillType; }
  void setSelectionMarker(const Adesk::IntPtr) override {}

  Adesk::UInt16 color() const override { return properties_.colour.colorIndex(); }
  AcDbObjectId layerId() const override { return properties_.layer; }
  AcDbObjectId lineTypeId() const override { return properties_.linetype; }
  double lineTypeScale() const override { return properties_.linetypeScale; }
  AcDb::LineWeight lineWeight() const override { return properties_.lineWeight; }
  AcGiFillType fillType() const override { return fill_; }

  const EntityProperties& properties() const { return properties_; }

private:
  EntityProperties properties_;
  AcGiFillType fill_ = kAcGiFillNever;
};

class WorldDrawGeometry : public AcGiWorldGeometry {
public:
  WorldDrawGeometry(EntityDrawer& drawer, const DrawContext& context,
                    const WorldDrawTraits& traits)
      : drawer_(drawer), context_(context), traits_(traits) {}

  Adesk::Boolean circle(const AcGePoint3d& center, const double radius,
                        const AcGeVector3d& normal) const override;
  Adesk::Boolean circle(const AcGePoint3d& first, const AcGePoint3d& second,
                        const AcGePoint3d& third) const override;
  Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius,
                             const AcGeVector3d& normal, const AcGeVector3d& startVector,
                             const double sweepAngle,
                             const AcGiArcType arcType = kAcGiArcSimple) const override;
  Adesk::Boolean circularArc(const AcGePoint3d& start, const AcGePoint3d& point,
                             const AcGePoint3d& end,
                             const AcGiArcType arcType = kAcGiArcSimple) const override;
  Adesk::Boolean polyline(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList,
                          const AcGeVector3d* pNormal = nullptr,
                          Adesk::IntPtr lBaseSubEntMarker = -1) const override;
  Adesk::Boolean polygon(const Adesk::UInt32 nbPoints,
                         const AcGePoint3d* pVertexList) const override;
  Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal,
                      const AcGeVector3d& direction, const double height, const double width,
                      const double oblique, const char* pMsg) const override;

  // Whether any primitive showed on the picture.
  bool drewAnything() const { return drawn_; }

private:
  // The look of the next primitive; false when its layer hides it.
  bool currentLook(EntityLook& look) const;
  // An arc of the circle (centre, radius, plane axes) from angle `from`.
  Adesk::Boolean arc(const AcGePoint3d& centre, double radius, const AcGeVector3d& normal,
                     double from, double sweep, AcGiArcType type) const;

  EntityDrawer& drawer_;
  const DrawContext& context_;
  const WorldDrawTraits& traits_;
  mutable bool drawn_ = false;
};

class WorldDraw : public AcGiWorldDraw {
public:
  WorldDraw(EntityDrawer& drawer, const DrawContext& context, const EntityProperties& properties,
            bool dragging)
      : traits_(properties), geometry_(drawer, context, traits_), dragging_(dragging) {}

  AcGiWorldGeometry& geometry() const override { return geometry_; }
  AcGiSubEntityTraits& subEntityTraits() const override { return traits_; }
  Adesk::Boolean regenAbort() const override { return Adesk::kFalse; }
  Adesk::Boolean isDragging() const override { return dragging_; }

  bool drewAnything() const { return geometry_.drewAnything(); }

private:
  mutable WorldDrawTraits traits_;
  mutable WorldDrawGeometry geometry_;
  bool dragging_;
};

}  // namespace zek::render
