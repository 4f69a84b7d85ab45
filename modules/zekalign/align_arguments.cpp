// Argument checks of ZEKALIGN, ZEKALIGN1, ZEKALIGN2 and ZEKALIGN3, in the
// order the functions report them.
#include "align_arguments.h"

#include "aced_output.h"
#include "align_box.h"
#include "frame/lisp_args.h"

namespace zek {

namespace {

std::optional<int> shortArgument(const resbuf* arg) {
  if (arg == nullptr || arg->restype != RTSHORT)
    return std::nullopt;
  return arg->resval.rint;
}

bool isValidCode(int code, bool lineCodesOnly) {
  return lineCodesOnly ? isLineCode(code) : classOfCode(code).has_value();
}

std::nullopt_t refuse(const char* message) {
  acutPrintf("%s", message);
  return std::nullopt;
}

}  // namespace

std::optional<AlignArguments> readAlignArguments(const resbuf* args, bool withOffsets,
                                                 bool lineCodesOnly) {
  const resbuf* first = argumentAt(args, 0);
  if (first == nullptr)
    return refuse(argmsg::kFourRequired);
  const std::optional<int> from = shortArgument(first);
  if (!from)
    return refuse("First should be an int");
  const resbuf* second = argumentAt(args, 1);
  if (second == nullptr)
    return refuse(argmsg::kFourRequired);
  const std::optional<int> to = shortArgument(second);
  if (!to)
    return refuse("Second should be an int");
  if (!isValidCode(*from, lineCodesOnly))
    return refuse("\nFirst one is invalid");
  if (!isValidCode(*to, lineCodesOnly))
    return refuse("\nSecond one is invalid");
  if (classOfCode(*from) != classOfCode(*to))
    return refuse("\nCombination is invalid");

  AlignArguments read{*from, *to, 0.0, 0.0, false};
  if (!withOffsets)
    return read;
  const resbuf* third = argumentAt(args, 2);
  if (third == nullptr)
    return refuse(argmsg::kFourRequired);
  const std::optional<double> dx = realArgument(third);
  if (!dx)
    return refuse("Third should be an real");
  const resbuf* fourth = argumentAt(args, 3);
  if (fourth == nullptr)
    return refuse(argmsg::kFourRequired);
  const std::optional<double> dy = realArgument(fourth);
  if (!dy)
    return refuse("Fourth should be an real");
  read.dx = *dx;
  read.dy = *dy;
  read.ratio = shortArgument(argumentAt(args, 4)) == 1;
  return read;
}

std::optional<double> readGapArgument(const resbuf* args) {
  const resbuf* first = argumentAt(args, 0);
  if (first == nullptr)
    return refuse(argmsg::kOneRequired);
  const std::optional<double> gap = realArgument(first);
  if (!gap)
    return refuse("\nvalue should be a double");
  return gap;
}

}  // namespace zek
