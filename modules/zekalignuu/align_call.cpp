// The call of ZEKALIGN through the host's function invocation, with the
// module loaded on demand.
#include "align_call.h"

#include <strings.h>

#include "aced_arx.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "align_choice.h"
#include "guards/resbuf_list.h"

namespace zek {

namespace {

constexpr const char* kAlignModule = "zekalign.arx";

int invokeAlign(const AlignChoice& choice) {
  ResbufList call(acutBuildList(RTSTR, "ZEKALIGN", RTSHORT, choice.fromCode, RTSHORT,
                                choice.toCode, RTREAL, choice.dx, RTREAL, choice.dy, RTNONE));
  if (call.get() == nullptr)
    return RTERROR;
  ResbufList result;
  return acedInvoke(call.get(), result.out());
}

bool isAlignModuleLoaded() {
  ResbufList loaded(acedArxLoaded());
  for (const resbuf* item = loaded.get(); item != nullptr; item = item->rbnext) {
    if (item->restype == RTSTR && strcasecmp(item->resval.rstring, kAlignModule) == 0)
      return true;
  }
  return false;
}

}  // namespace

void callAlignWithChoice() {
  const AlignChoice& choice = alignChoice();
  if (invokeAlign(choice) == RTNORM)
    return;
  // A loaded zekalign that refused the call (Esc, an empty station) has said
  // why itself; loading it again would only fail.
  if (isAlignModuleLoaded())
    return;
  acutPrintf("\nload zekalign.arx");
  if (acedArxLoad(kAlignModule) != RTNORM) {
    acutPrintf("\nzekalign.arx not loaded");
    return;
  }
  (void)invokeAlign(choice);
}

}  // namespace zek
