// Colours, linetypes and lineweights of entities on a picture.
#include "core/entity_style.h"

#include <algorithm>
#include <cmath>

#include "core/host_read.h"
#include "db_database.h"
#include "db_symtab.h"

namespace zek::render {

namespace {

constexpr double kDefaultLineWeightMm = 0.25;
// A run of on and off lengths, in pixels, while the pattern is built.
struct DashRun {
  bool on;
  double length;
};

bool isWhite(const Rgb& c) { return c.r == 255 && c.g == 255 && c.b == 255; }

}  // namespace

Inherited Inherited::topLevel() {
  Inherited top;
  (void)top.colour.setColorIndex(7);
  return top;
}

void setDashes(const LinePattern& pattern, double pixelsPerUnit, StrokeStyle& style) {
  style.dashCount = 0;
  style.dashOffset = 0.0;
  if (pattern.lengths.empty() || !(pattern.total * pixelsPerUnit >= kMinPatternPixels))
    return;
  std::vector<DashRun> runs;
  for (double length : pattern.lengths) {
    const bool on = length >= 0.0;
    // A dot shows as a one-pixel dash: a dash of no length draws nothing.
    const double pixels = on ? std::max(length * pixelsPerUnit, 1.0) : -length * pixelsPerUnit;
    if (!runs.empty() && runs.back().on == on)
      runs.back().length += pixels;
    else
      runs.push_back({on, pixels});
  }
  if (runs.size() < 2)
    return;  // all dashes (or all gaps): continuous
  double offset = 0.0, total = 0.0;
  for (const DashRun& run : runs)
    total += run.length;
  if (!runs.front().on) {
    // cairo's pattern starts with a dash: begin one gap before the end.
    const DashRun gap = runs.front();
    runs.erase(runs.begin());
    if (!runs.back().on)
      runs.back().length += gap.length;
    else
      runs.push_back(gap);
    offset = total - gap.length;
  } else if (runs.back().on) {
    // On at both ends: the last dash joins the first, started that far in.
    offset = runs.back().length;
    runs.front().length += runs.back().length;
    runs.pop_back();
  }
  if (runs.size() > std::size_t(StrokeStyle::kMaxDashes) || runs.size() % 2 != 0)
    return;
  for (std::size_t i = 0; i < runs.size(); ++i)
    style.dashes[i] = runs[i].length;
  style.dashCount = static_cast<int>(runs.size());
  style.dashOffset = offset;
}

double lineWidthPixels(AcDb::LineWeight weight, double minimumWidth) {
  const double mm = weight >= 0 ? static_cast<int>(weight) / 100.0 : kDefaultLineWeightMm;
  return std::max(minimumWidth, mm / kDefaultLineWeightMm);
}

EntityStyles::EntityStyles(const AcDbDatabase& db, bool darkTheme, double minimumWidth)
    : darkTheme_(darkTheme), minimumWidth_(minimumWidth) {
  auto& database = const_cast<AcDbDatabase&>(db);
  ltscale_ = database.ltscale() > 0.0 ? database.ltscale() : 1.0;
  layerZero_ = database.layerZero();
  byLayer_ = database.byLayerLinetype();
  byBlock_ = database.byBlockLinetype();
}

const LayerLook& EntityStyles::layer(AcDbObjectId id) {
  const void* key = id.stub();
  if (key == lastLayerKey_ && lastLayer_ != nullptr)
    return *lastLayer_;
  auto found = layers_.find(key);
  if (found == layers_.end()) {
    LayerLook look;
    (void)look.colour.setColorIndex(7);
    if (HostRead<AcDbLayerTableRecord> record(id); record) {
      look.colour = record->color();
      // A layer cannot be BYLAYER or BYBLOCK itself: read such a colour as white.
      if (!look.colour.isByColor() &&
          (look.colour.colorIndex() == 0 || look.colour.colorIndex() > 255))
        (void)look.colour.setColorIndex(7);
      look.linetype = record->linetypeObjectId();
      look.lineWeight = record->lineWeight();
      look.off = record->isOff();
      look.frozen = record->isFrozen();
      look.plotted = record->isPlottable();
    }
    found = layers_.emplace(key, look).first;
  }
  lastLayerKey_ = key;
  lastLayer_ = &found->second;
  return found->second;
}

EntityProperties EntityProperties::of(const AcDbEntity& entity) {
  return EntityProperties{entity.layerId(), entity.color(), entity.linetypeId(),
                          entity.linetypeScale(), entity.lineWeight()};
}

EntityLook EntityStyles::look(const EntityProperties& properties, const Inherited& from) {
  EntityLook look;
  look.layer = properties.layer;
  if (!from.layer.isNull() && (look.layer == layerZero_ || look.layer.isNull()))
    look.layer = from.layer;
  const LayerLook& layer = this->layer(look.layer);
  look.layerOff = layer.off;
  look.layerFrozen = layer.frozen;
  look.layerUnplotted = !layer.plotted && !darkTheme_;

  const AcCmColor& colour = properties.colour;
  if (colour.isByLayer())
    look.colour = layer.colour;
  else if (colour.isByBlock())
    look.colour = from.colour;
  else
    look.colour = colour;

  const AcDbObjectId linetype = properties.linetype;
  if (linetype.isNull() || linetype == byLayer_)
    look.linetype = layer.linetype == byLayer_ || layer.linetype == byBlock_
                        ? AcDbObjectId()
                        : layer.linetype;
  else if (linetype == byBlock_)
    look.linetype = from.linetype;
  else
    look.linetype = linetype;
  look.linetypeScale = properties.linetypeScale > 0.0 ? properties.linetypeScale : 1.0;

  const AcDb::LineWeight weight = properties.lineWeight;
  if (weight == AcDb::kLnWtByLayer)
    look.lineWeight = layer.lineWeight == AcDb::kLnWtByLayer || layer.lineWeight == AcDb::kLnWtByBlock
                          ? AcDb::kLnWtByLwDefault
                          : layer.lineWeight;
  else if (weight == AcDb::kLnWtByBlock)
    look.lineWeight = from.lineWeight;
  else
    look.lineWeight = weight;
  return look;
}

Inherited EntityStyles::inheritedFrom(const EntityLook& look) {
  Inherited inherited;
  inherited.colour = look.colour;
  inherited.linetype = look.linetype;
  inherited.lineWeight = look.lineWeight;
  inherited.layer = look.layer;
  return inherited;
}

Rgb EntityStyles::rgbOfIndex(int index) const {
  const Rgb c = aciColour(index);
  if (!darkTheme_ && isWhite(c))
    return Rgb{0, 0, 0};
  return c;
}

Rgb EntityStyles::rgbOf(const AcCmColor& colour) const {
  if (!colour.isByColor())
    return rgbOfIndex(colour.colorIndex());
  const Rgb c{colour.red(), colour.green(), colour.blue()};
  if (!darkTheme_ && isWhite(c))
    return Rgb{0, 0, 0};
  return c;
}

const LinePattern* EntityStyles::pattern(AcDbObjectId linetype) {
  if (linetype.isNull())
    return nullptr;
  auto found = patterns_.find(linetype.stub());
  if (found == patterns_.end()) {
    LinePattern pattern;
    if (HostRead<AcDbLinetypeTableRecord> record(linetype); record) {
      for (const auto& dash : record->dashes()) {
        if (!std::isfinite(dash.length))
          continue;
        pattern.lengths.push_back(dash.length);
        pattern.total += std::fabs(dash.length);
      }
    }
    found = patterns_.emplace(linetype.stub(), std::move(pattern)).first;
  }
  return found->second.lengths.empty() ? nullptr : &found->second;
}

StrokeStyle EntityStyles::stroke(const EntityLook& look, double lengthScale) {
  StrokeStyle style;
  style.colour = rgbOf(look.colour);
  style.width = lineWidthPixels(look.lineWeight, minimumWidth_);
  if (highlighting_) {
    style.dashes[0] = kHighlightDash;
    style.dashes[1] = kHighlightGap;
    style.dashCount = 2;
    return style;
  }
  if (const LinePattern* dashes = pattern(look.linetype))
    setDashes(*dashes, ltscale_ * look.linetypeScale * lengthScale, style);
  return style;
}

}  // namespace zek::render
