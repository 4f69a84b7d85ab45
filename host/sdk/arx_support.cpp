// The host's support library, compiled into every module library: the
// version handshake and the module's own resource instance, which the host
// hands over right after it opens the library and before kInitAppMsg.
#include "rx_entry.h"
#include "ui_resources.h"

extern "C" {

HINSTANCE _hdllInstance = nullptr;

ZEK_EXPORT int acrxGetApiVersion() { return kZekAcrxApiVersion; }

ZEK_EXPORT void zekModuleAttached(HINSTANCE instance) { _hdllInstance = instance; }

}  // extern "C"
