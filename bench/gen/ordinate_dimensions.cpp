// Ordinate dimensions from a plate's datum corner to its hole centres.
#include "ordinate_dimensions.h"

#include <cmath>
#include <cstdio>

namespace zek::benchgen {

namespace {

using plategen::FeatureKind;
using plategen::Point2;

constexpr double kLeaderOut = 3.0;     // from the plate edge to the leader's end
constexpr double kExtensionGap = 0.625; // DIMEXO of the Standard style: leader to feature
constexpr double kTextHeight = 2.5;    // DIMTXT
constexpr double kTextGap = 0.625;     // DIMGAP
constexpr double kCharWidth = 0.7 * kTextHeight;

bool isHole(FeatureKind kind) {
  switch (kind) {
    case FeatureKind::Drill: case FeatureKind::CodedHole: case FeatureKind::Counterbore:
    case FeatureKind::Tap: case FeatureKind::Dowel: case FeatureKind::Guide:
    case FeatureKind::Ejector: case FeatureKind::Water:
      return true;
    default:
      return false;
  }
}

OrdinateDimension dimensionTo(Point2 feature, bool xType) {
  OrdinateDimension d;
  d.xType = xType;
  d.feature = feature;
  d.measurement = xType ? feature.x : feature.y;
  d.text = measurementText(d.measurement);
  double halfText = kTextGap + kCharWidth * static_cast<double>(d.text.size()) / 2;
  if (xType) {
    d.leaderEnd = {feature.x, -kLeaderOut};
    d.textMiddle = {feature.x, -kLeaderOut - halfText};
  } else {
    d.leaderEnd = {-kLeaderOut, feature.y};
    d.textMiddle = {-kLeaderOut - halfText, feature.y};
  }
  return d;
}

}  // namespace

std::uint32_t dimensionsFor(std::uint32_t budget) { return budget < 20 ? 0 : 2 + budget / 60; }

std::string measurementText(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string out(text);
  while (out.back() == '0')
    out.pop_back();
  if (out.back() == '.')
    out.pop_back();
  if (out == "-0")
    out = "0";
  return out;
}

std::vector<OrdinateDimension> plateDimensions(const plategen::PlateContent& content,
                                               std::uint32_t count) {
  std::vector<std::size_t> holes;
  for (std::size_t i = 0; i < content.features.size(); ++i)
    if (isHole(content.features[i].kind))
      holes.push_back(i);
  std::vector<OrdinateDimension> out;
  std::uint32_t pairs = (count + 1) / 2;
  for (std::uint32_t j = 0; j < count; ++j) {
    std::uint32_t pair = j / 2;
    bool xType = j % 2 == 0;
    Point2 feature;
    if (pair < holes.size()) {
      // Holes spread through the plate's feature list, not its first few.
      std::size_t pick = holes.size() * pair / pairs;
      feature = plategen::featureCentre(content, holes[pick]);
    } else {
      feature = {content.width, content.height};  // the corner opposite the datum
    }
    out.push_back(dimensionTo(feature, xType));
  }
  return out;
}

void writeDimensionEntity(plategen::EntityWriter& out, std::string_view layer,
                          std::string_view blockName, const OrdinateDimension& d,
                          double plateDegrees) {
  bool modern = out.dialect() == plategen::EntityDialect::Modern;
  plategen::DxfTextWriter& w = out.stream();
  out.beginOther("DIMENSION", layer);
  if (modern)
    w.text(100, "AcDbDimension");
  w.text(2, blockName);
  out.placedPoint(10, 0.0, 0.0);  // the datum: the origin the ordinates count from
  out.placedPoint(11, d.textMiddle.x, d.textMiddle.y);
  // Ordinate (6); 64 marks an x ordinate; 32, the block belongs to this
  // dimension alone, is always set from R13 on. The text sits where the
  // style puts it, so 128 stays clear.
  int type = 6 | (d.xType ? 64 : 0) | (modern ? 32 : 0);
  w.integer(70, type);
  if (modern) {
    w.integer(71, 5);  // text attached at its middle
    w.real(42, d.measurement);
  }
  if (plateDegrees != 0)
    w.real(51, -plateDegrees);  // the plate's x axis, as the negative of its turn
  w.text(3, "Standard");
  if (modern)
    w.text(100, "AcDbOrdinateDimension");
  out.placedPoint(13, d.feature.x, d.feature.y);
  out.placedPoint(14, d.leaderEnd.x, d.leaderEnd.y);
}

void writeDimensionGeometry(plategen::EntityWriter& out, std::string_view layer,
                            const OrdinateDimension& d) {
  if (d.xType)
    out.line(layer, d.feature.x, d.feature.y - kExtensionGap, d.leaderEnd.x, d.leaderEnd.y);
  else
    out.line(layer, d.feature.x - kExtensionGap, d.feature.y, d.leaderEnd.x, d.leaderEnd.y);
  // An x ordinate's text reads along its vertical leader.
  out.text(layer, d.textMiddle.x, d.textMiddle.y, kTextHeight, d.text,
           plategen::TextAlign::MiddleCentre, d.xType ? 90.0 : 0.0);
}

}  // namespace zek::benchgen
