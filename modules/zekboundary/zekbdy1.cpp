// ZEKBDY1: the boundary settings from AutoLISP arguments, and the rectangle
// drawn when all five are given.
#include <algorithm>
#include <array>
#include <optional>

#include "aced_lisp.h"
#include "boundary_settings.h"
#include "frame/lisp_args.h"
#include "zekboundary.h"

namespace zek {

namespace {

constexpr int kSettingCount = 5;  // offset, then corners 1 to 4

// A real or an integer (short or long) as a real; nothing for anything else.
std::optional<double> numberArgument(const resbuf* arg) {
  if (arg != nullptr && arg->restype == RTLONG)
    return static_cast<double>(arg->resval.rlong);
  return realArgument(arg);
}

// Stores one setting by its position when it lies in its range.
void storeSetting(BoundarySettings& settings, int position, double value) {
  if (position == 0) {
    if (isLispOffset(value))
      settings.offset = value;
    return;
  }
  if (isCornerValue(value))
    settings.corners[static_cast<std::size_t>(position - 1)] = value;
}

int answerNothing() { return acedRetVoid() == RTNORM ? RTNORM : RTERROR; }

}  // namespace

int setBoundaryAndDraw(const resbuf* args) {
  BoundarySettings& settings = boundarySettings();
  const int given = std::min(argumentCount(args), kSettingCount);
  if (given == 0) {
    settings.offset = 0.0;
    settings.corners = {0.0, 0.0, 0.0, 0.0};
    return answerNothing();
  }
  // Every argument is checked before any is stored: a wrong one changes
  // nothing.
  std::array<double, kSettingCount> values{};
  for (int i = 0; i < given; ++i) {
    const std::optional<double> value = numberArgument(argumentAt(args, i));
    if (!value)
      return argumentError(argmsg::kRealExpectedLower);
    values[static_cast<std::size_t>(i)] = *value;
  }
  for (int i = 0; i < given; ++i)
    storeSetting(settings, i, values[static_cast<std::size_t>(i)]);
  if (given == kSettingCount)
    drawPlateBoundary();
  return answerNothing();
}

}  // namespace zek
