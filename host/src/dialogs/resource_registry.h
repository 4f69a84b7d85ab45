// The resource tables of the loaded modules by resource instance, and the
// instance current now. The plug-in loader registers a module's table when
// it loads the library and forgets it when it unloads it; dialogs look their
// resources up here (zekFindDialogResource, AfxGetResourceHandle).
#pragma once

#include "ui_resources.h"

namespace zek {

// Registers (or replaces) the table of a resource instance; a null instance
// or table is ignored.
void registerModuleResources(HINSTANCE instance, const ZekResourceTable* table);
// Forgets an instance's table; when it is the current instance, the host's
// own (null) becomes current.
void forgetModuleResources(HINSTANCE instance);

}  // namespace zek
