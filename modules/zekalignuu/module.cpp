// zekalignuu.arx: the front end of the alignment functions, group
// ZEKALIGNUU: ZEKNU with its dialog and ZEKNUU. It registers as an extension
// library does, its own resources current.
#include "frame/module_frame.h"
#include "zeknu.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::chooseAndAlign>("ZEKNU").withModuleResources(),
    zek::command<zek::alignAgain>("ZEKNUU"),
};

constexpr zek::ModuleTable kModule{.group = "ZEKALIGNUU",
                                   .commands = kCommands,
                                   .ownResourcesWhileRegistering = true};

}  // namespace

ZEK_MODULE_ENTRY_POINT(kModule)
