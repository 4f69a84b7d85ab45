// ZEKBDY2: the picked outlines offset by the offset setting, each drawn as a
// new closed polyline; Enter instead of a selection sets the offset value.
#include <array>
#include <cmath>
#include <iterator>
#include <optional>

#include "aced_input.h"
#include "aced_output.h"
#include "boundary_settings.h"
#include "guards/selection_set.h"
#include "outline_geometry.h"
#include "outline_offset.h"
#include "outline_source.h"
#include "outline_writer.h"
#include "zekboundary.h"

namespace zek {

namespace {

// Why an outline got no offset, in the order the notices are printed.
enum class Refusal { NotClosed, NoArea, CrossesItself, SegmentVanishes, ResultCrossesItself,
                     NotAdded, Count };

// The notice for one outline, and for several of a kind.
struct RefusalNotice {
  const char* one;
  const char* several;
};
constexpr RefusalNotice kNotices[] = {
    {"\nThe outline is not closed", "\n%d outlines are not closed"},
    {"\nThe outline encloses no area", "\n%d outlines enclose no area"},
    {"\nThe outline crosses itself", "\n%d outlines cross themselves"},
    {"\nThe offset makes a segment vanish", "\n%d offsets make a segment vanish"},
    {"\nThe offset outline crosses itself", "\n%d offset outlines cross themselves"},
    {"\nThe offset outline could not be added to the drawing",
     "\n%d offset outlines could not be added to the drawing"},
};
static_assert(std::size(kNotices) == static_cast<std::size_t>(Refusal::Count));

Refusal refusalOf(OffsetFailure failure) {
  switch (failure) {
    case OffsetFailure::NoArea: return Refusal::NoArea;
    case OffsetFailure::SourceCrossesItself: return Refusal::CrossesItself;
    case OffsetFailure::SegmentVanishes: return Refusal::SegmentVanishes;
    case OffsetFailure::ResultCrossesItself:
    case OffsetFailure::None: break;
  }
  return Refusal::ResultCrossesItself;
}

// Draws the offset of one outline; otherwise answers why there is none.
std::optional<Refusal> offsetOne(const PickedOutline& picked, double offset) {
  if (!picked.closed)
    return Refusal::NotClosed;
  const OffsetResult result = offsetOutline(picked.outline, offset);
  if (result.failure != OffsetFailure::None)
    return refusalOf(result.failure);
  if (appendOutline(result.outline, picked.placement) != Acad::eOk)
    return Refusal::NotAdded;
  return std::nullopt;
}

void offsetPicked(const SelectionSet& picked, double offset) {
  if (std::fabs(offset) <= kLengthTolerance) {
    acutPrintf("\nThe offset value is 0: nothing to offset");
    return;
  }
  const std::vector<PickedOutline> outlines = outlinesOf(picked);
  if (outlines.empty()) {
    acutPrintf("\nNo outline selected");
    return;
  }
  std::array<int, static_cast<std::size_t>(Refusal::Count)> refused{};
  for (const PickedOutline& outline : outlines)
    if (const std::optional<Refusal> refusal = offsetOne(outline, offset))
      ++refused[static_cast<std::size_t>(*refusal)];
  // One notice per kind, so that a window over a whole plate reads short.
  for (std::size_t kind = 0; kind < refused.size(); ++kind) {
    if (refused[kind] == 1)
      acutPrintf("%s", kNotices[kind].one);
    else if (refused[kind] > 1)
      acutPrintf(kNotices[kind].several, refused[kind]);
  }
}

// Asks for a new offset value until one in range is given; false for Enter
// (the value stays) or Esc.
bool askOffsetValue(BoundarySettings& settings) {
  for (;;) {
    acutPrintf("\nOffset value = %.3f", settings.offset);
    ads_real value = 0.0;
    if (acedGetReal("\nOffset value = ", &value) != RTNORM)
      return false;
    if (isOutlineOffset(value)) {
      settings.offset = value;
      return true;
    }
    acutPrintf("\nThe offset value must lie between -100000 and 100000");
  }
}

}  // namespace

void offsetSelectedOutlines() {
  BoundarySettings& settings = boundarySettings();
  for (;;) {
    acutPrintf("\nOFFSET= %.3f\nSkip selection to set offset value:", settings.offset);
    SelectionSet picked;
    const int selected = picked.select(nullptr);
    if (selected == RTNORM) {
      offsetPicked(picked, settings.offset);
      return;
    }
    if (selected == RTCAN || !askOffsetValue(settings))
      return;
  }
}

}  // namespace zek
