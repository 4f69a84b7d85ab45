// ZEKALIGN, ZEKALIGN1, ZEKALIGN2 and ZEKALIGN3: the groups chosen, their
// boxes measured, the move computed (align_box.h) and applied.
#include "zekalign.h"

#include "aced_output.h"
#include "align_arguments.h"
#include "align_group.h"
#include "align_state.h"
#include "guards/sys_var_guard.h"

namespace zek {

AlignState& alignState() {
  static AlignState state;
  return state;
}

namespace {

constexpr const char* kMovingPrompt = "\nSelect objects to be moving:";
constexpr const char* kFixedPrompt = "\nSelect objects that keep fixed:";

// The offsets of a call, in widths and heights of the remembered box when
// ratio mode is on.
AlignPoint offsetsOf(const AlignArguments& args) {
  if (args.ratio)
    return ratioOffsets(args.dx, args.dy, alignState().rememberedBox);
  return {args.dx, args.dy};
}

// The fixed group's box, which becomes the remembered box; the remembered
// box itself when the drafter gives none.
AlignBox fixedBox(const ChosenGroup& fixed, bool ignoreDimensionLayers) {
  if (fixed.answer == GroupAnswer::Chosen) {
    if (const std::optional<AlignBox> box = boxOfGroup(fixed.ids, ignoreDimensionLayers))
      alignState().rememberedBox = *box;
  }
  return alignState().rememberedBox;
}

// Takes the moving group as ZEKALIGN and ZEKALIGN2 do: an empty selection
// switches window mode and ends the call (nothing answered).
std::optional<ChosenGroup> takeMovingGroup() {
  AlignState& state = alignState();
  ChosenGroup moving = chooseGroup(kMovingPrompt, state.windowMode);
  if (moving.answer == GroupAnswer::Nothing)
    state.windowMode = !state.windowMode;
  if (moving.answer != GroupAnswer::Chosen)
    return std::nullopt;
  return moving;
}

// The shared flow of ZEKALIGN and ZEKALIGN2.
int alignByBoxes(const AlignArguments& args, bool ignoreDimensionLayers) {
  SysVarGuard noSnap("OSMODE", 0);  // corners and picks must not snap
  const std::optional<ChosenGroup> moving = takeMovingGroup();
  if (!moving)
    return RTNORM;
  const std::optional<AlignBox> movingBox = boxOfGroup(moving->ids, ignoreDimensionLayers);
  if (!movingBox)
    return RTNORM;  // nothing in the group has extents to align
  const ChosenGroup fixed = chooseGroup(kFixedPrompt, alignState().windowMode);
  if (fixed.answer == GroupAnswer::Cancelled && !alignState().windowMode)
    return RTERROR;  // Esc at the ordinary selection ends the call unmoved
  const AlignBox target = fixedBox(fixed, ignoreDimensionLayers);
  const AlignPoint offsets = offsetsOf(args);
  moveGroup(moving->ids, alignDisplacement(*movingBox, args.fromCode, target, args.toCode,
                                           offsets.x, offsets.y));
  return RTNORM;
}

}  // namespace

int alignGroups(const resbuf* args) {
  const std::optional<AlignArguments> read = readAlignArguments(args, true, false);
  if (!read)
    return RTERROR;
  return alignByBoxes(*read, false);
}

int alignLinesWithoutDimensions(const resbuf* args) {
  const std::optional<AlignArguments> read = readAlignArguments(args, false, true);
  if (!read)
    return RTERROR;
  return alignByBoxes(*read, true);
}

int alignToStation(const resbuf* args) {
  const std::optional<AlignArguments> read = readAlignArguments(args, true, false);
  if (!read)
    return RTERROR;
  SysVarGuard noSnap("OSMODE", 0);
  AlignState& state = alignState();
  const ChosenGroup moving = chooseGroup(kMovingPrompt, false);
  if (moving.answer == GroupAnswer::Cancelled)
    return RTERROR;
  const std::optional<AlignBox> movingBox =
      moving.answer == GroupAnswer::Chosen ? boxOfGroup(moving.ids) : std::nullopt;
  if (!movingBox) {
    const ChosenGroup station = chooseGroup("\nSet up first station:", false);
    const std::optional<AlignBox> stationBox =
        station.answer == GroupAnswer::Chosen ? boxOfGroup(station.ids) : std::nullopt;
    if (!stationBox)
      return RTERROR;
    state.rememberedBox = *stationBox;
    return RTNORM;
  }
  const AlignPoint offsets = offsetsOf(*read);
  const AlignPoint move = alignDisplacement(*movingBox, read->fromCode, state.rememberedBox,
                                            read->toCode, offsets.x, offsets.y);
  moveGroup(moving.ids, move);
  // The next group stacks against this one.
  state.rememberedBox = movingBox->shifted(move.x, move.y);
  return RTNORM;
}

int placeBesideWithGap(const resbuf* args) {
  const std::optional<double> gap = readGapArgument(args);
  if (!gap)
    return RTERROR;
  const ChosenGroup moving = chooseGroup(kMovingPrompt, false);
  const std::optional<AlignBox> movingBox =
      moving.answer == GroupAnswer::Chosen ? boxOfGroup(moving.ids) : std::nullopt;
  if (!movingBox)
    return RTERROR;
  drawBoxOutline(*movingBox);
  const ChosenGroup fixed = chooseGroup(kFixedPrompt, false);
  const std::optional<AlignBox> fixedBox =
      fixed.answer == GroupAnswer::Chosen ? boxOfGroup(fixed.ids) : std::nullopt;
  if (!fixedBox)
    return RTNORM;  // the outline stays until the next redraw
  const BesidePlacement placement = placeBeside(*movingBox, *fixedBox, *gap);
  if (!placement.move) {
    acutPrintf("\nCase is %d, exit now.", placement.arrangement);
    return RTNORM;
  }
  moveGroup(moving.ids, *placement.move);
  acedRedraw(nullptr, 0);
  return RTNORM;
}

}  // namespace zek
