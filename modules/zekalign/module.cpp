// zekalign.arx: no commands; the AutoLISP functions ZEKALIGN (code 1),
// ZEKALIGN1 (2), ZEKALIGN2 (3) and ZEKALIGN3 (4), defined in every drawing.
#include "frame/module_frame.h"
#include "zekalign.h"

namespace {

constexpr zek::LispFunctionRow kFunctions[] = {
    {"ZEKALIGN", zek::alignGroups},
    {"ZEKALIGN1", zek::alignToStation},
    {"ZEKALIGN2", zek::alignLinesWithoutDimensions},
    {"ZEKALIGN3", zek::placeBesideWithGap},
};

constexpr zek::ModuleTable kModule{.functions = kFunctions};

}  // namespace

ZEK_MODULE_ENTRY_POINT(kModule)
