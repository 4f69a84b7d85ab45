// A library with the handshake but no entry point: not a module.
#include "rx_entry.h"

extern "C" ZEK_EXPORT int acrxGetApiVersion() { return kZekAcrxApiVersion; }
