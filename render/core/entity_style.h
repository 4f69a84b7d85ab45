// How entities look on a picture: colour, linetype and lineweight after
// BYLAYER and BYBLOCK, layers that hide what lies on them, and the stroke
// in pixels that follows (white drawn black on the light background,
// dash patterns scaled by LTSCALE and the entity's linetype scale).
#pragma once

#include <unordered_map>
#include <vector>

#include "core/canvas.h"
#include "db_entity.h"

class AcDbDatabase;

namespace zek::render {

// What the entities of a block that say BYBLOCK take: the properties of
// the reference they are drawn through. At the top of model space BYBLOCK
// is white, continuous and the default lineweight.
struct Inherited {
  AcCmColor colour;        // an index 1..255 or a true colour
  AcDbObjectId linetype;   // null: continuous
  AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
  // Layer "0" entities of a block belong to this layer (null at the top).
  AcDbObjectId layer;

  static Inherited topLevel();
};

// An entity's properties with BYLAYER and BYBLOCK resolved.
struct EntityLook {
  AcDbObjectId layer;  // the layer that governs it (layer "0" in a block: the reference's)
  bool layerOff = false;
  bool layerFrozen = false;
  bool layerUnplotted = false;  // a layer that does not plot, on a plotted picture
  AcCmColor colour;       // an index 1..255 or a true colour
  AcDbObjectId linetype;  // null: continuous
  double linetypeScale = 1.0;
  AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;

  bool hidden() const { return layerOff || layerFrozen || layerUnplotted; }
};

// The properties an entity (or a primitive a custom entity draws) files.
struct EntityProperties {
  AcDbObjectId layer;
  AcCmColor colour;
  AcDbObjectId linetype;
  double linetypeScale = 1.0;
  AcDb::LineWeight lineWeight = AcDb::kLnWtByLayer;

  static EntityProperties of(const AcDbEntity& entity);
};

// A layer's own properties.
struct LayerLook {
  AcCmColor colour;
  AcDbObjectId linetype;
  AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
  bool off = false;
  bool frozen = false;
  bool plotted = true;
};

// A linetype's dash pattern in drawing units: dashes positive, gaps
// negative, dots zero.
struct LinePattern {
  std::vector<double> lengths;
  double total = 0.0;  // the sum of the magnitudes
};

// A pattern shorter than this on the picture is drawn continuous, as CAD
// hosts draw linetypes too dense to show.
constexpr double kMinPatternPixels = 2.0;
// The dashes of highlighted entities, in pixels.
constexpr double kHighlightDash = 6.0;
constexpr double kHighlightGap = 4.0;

// Sets the style's dashes from the pattern at `pixelsPerUnit` (LTSCALE,
// the entity's scale and the picture's scale together); leaves it
// continuous for a continuous, too dense or too long pattern.
void setDashes(const LinePattern& pattern, double pixelsPerUnit, StrokeStyle& style);

// The width in pixels of a lineweight: the default (0.25 mm) one pixel,
// heavier ones in proportion, never under `minimumWidth`.
double lineWidthPixels(AcDb::LineWeight weight, double minimumWidth);

class EntityStyles {
public:
  // `minimumWidth` in pixels: 1 for PNG, thinner for SVG and PDF. The
  // light background is a plot: layers that do not plot (Defpoints) are
  // left out; the dark theme is the screen, which shows them.
  EntityStyles(const AcDbDatabase& db, bool darkTheme, double minimumWidth);

  const LayerLook& layer(AcDbObjectId id);
  // Whether what the layer governs shows: on, thawed, and plotted unless
  // the picture is the screen's.
  bool shows(const LayerLook& layer) const {
    return !layer.off && !layer.frozen && (layer.plotted || darkTheme_);
  }
  EntityLook look(const EntityProperties& properties, const Inherited& from);
  EntityLook look(const AcDbEntity& entity, const Inherited& from) {
    return look(EntityProperties::of(entity), from);
  }
  // What a reference hands to its block's entities.
  static Inherited inheritedFrom(const EntityLook& look);

  // The colour shown for a resolved colour: white (7 or true white)
  // becomes black on the light background.
  Rgb rgbOf(const AcCmColor& colour) const;
  Rgb rgbOfIndex(int index) const;
  double minimumWidth() const { return minimumWidth_; }
  bool darkTheme() const { return darkTheme_; }

  // The stroke of a look for geometry whose lengths grow by lengthScale
  // pixels a drawing unit.
  StrokeStyle stroke(const EntityLook& look, double lengthScale);
  // Highlighted entities are stroked dashed whatever their linetype.
  void setHighlighting(bool on) { highlighting_ = on; }

  // The pattern of a linetype, null for a continuous one.
  const LinePattern* pattern(AcDbObjectId linetype);

private:
  bool darkTheme_;
  double minimumWidth_;
  bool highlighting_ = false;
  double ltscale_;
  AcDbObjectId layerZero_, byLayer_, byBlock_;
  std::unordered_map<const void*, LayerLook> layers_;
  std::unordered_map<const void*, LinePattern> patterns_;
  // The last layer asked for: entities come in runs on one layer.
  const void* lastLayerKey_ = nullptr;
  const LayerLook* lastLayer_ = nullptr;
};

}  // namespace zek::render
