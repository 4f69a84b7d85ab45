// ZEKDA3: select ordinate dimensions and spread their crowded texts along
// their rows to a minimum pitch, X and Y ordinates each on their own.
#include <optional>
#include <vector>

#include "aced_output.h"
#include "editing/crowd_spreading.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"

namespace zek::adxy1 {
namespace {

// The step of the first selected object, which must be an ordinate
// dimension open for write; nothing (after the message) otherwise.
std::optional<double> stepOfFirst(AcDbObjectId first) {
  OpenedEntity entity(first, AcDb::kForRead);
  if (!writable(entity))
    return std::nullopt;
  auto* dimension = entity.as<AcDbOrdinateDimension>();
  if (dimension == nullptr) {
    acutPrintf("\nThe first object is not an ordinate dimension");
    return std::nullopt;
  }
  return textStep(textVarsOf(*dimension));
}

struct AxisTexts {
  std::vector<CrowdText> x;
  std::vector<CrowdText> y;
};

// Every ordinate dimension of the selection, by the axis it measures; each
// text's source is its index in ids.
AxisTexts collectTexts(const std::vector<AcDbObjectId>& ids) {
  AxisTexts texts;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    OpenedEntity entity(ids[i], AcDb::kForRead);
    auto* dimension = entity.as<AcDbOrdinateDimension>();
    if (dimension == nullptr)
      continue;
    const OrdinatePoints points = ordinatePointsOf(*dimension);
    const bool x = points.measuresX;
    CrowdText text;
    text.source = i;
    text.featureValue = valueOf(points.definingPoint, x);
    text.featurePerp = perpOf(points.definingPoint, x);
    text.textValue = valueOf(points.textPosition, x);
    text.textPerp = perpOf(points.textPosition, x);
    (x ? texts.x : texts.y).push_back(text);
  }
  return texts;
}

void writeBack(const std::vector<AcDbObjectId>& ids, const std::vector<CrowdText>& texts,
               bool measuresX) {
  for (const CrowdText& text : texts) {
    OpenedEntity entity(ids[text.source], AcDb::kForRead);
    if (!writable(entity))
      continue;
    if (auto* dimension = entity.as<AcDbOrdinateDimension>())
      (void)dimension->setTextPosition(pointOf(text.textValue, text.textPerp, measuresX));
  }
}

}  // namespace

void spreadCrowdedTexts() {
  SelectionSet selected;
  if (selectDimensions(selected, "\nNothing been selected") != RTNORM)
    return;
  const std::vector<AcDbObjectId> ids = selected.objectIds();
  if (ids.empty())
    return;
  const std::optional<double> step = stepOfFirst(ids.front());
  if (!step)
    return;
  AxisTexts texts = collectTexts(ids);
  writeBack(ids, spreadAxisTexts(std::move(texts.x), *step), true);
  writeBack(ids, spreadAxisTexts(std::move(texts.y), *step), false);
}

}  // namespace zek::adxy1
