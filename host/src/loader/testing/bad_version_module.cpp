// A library built for another interface version: the host must refuse it
// before sending any message.
#include "aced_output.h"
#include "rx_entry.h"

extern "C" ZEK_EXPORT int acrxGetApiVersion() { return kZekAcrxApiVersion - 1; }

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode, void*) {
  acutPrintf("\nmessage sent to a refused library");
  return AcRx::kRetOK;
}
