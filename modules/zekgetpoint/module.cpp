// zekgetpoint.arx: no commands; one AutoLISP function, ZEKGETPOINT (code 1),
// defined in every drawing.
#include "frame/module_frame.h"
#include "zekgetpoint.h"

namespace {

constexpr zek::LispFunctionRow kFunctions[] = {
    {"ZEKGETPOINT", zek::pickBoxPoint},
};

constexpr zek::ModuleTable kModule{.functions = kFunctions};

}  // namespace

ZEK_MODULE_ENTRY_POINT(kModule)
