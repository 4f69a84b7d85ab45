// A small module the program's tests load with --load and from the
// registry: one command that prompts, and one AutoLISP function per drawing,
// so a run shows the module's messages reaching every drawing it opens.
#include "aced_commands.h"
#include "aced_document.h"
#include "aced_input.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "rx_entry.h"

namespace {

constexpr int kDrawingTitleFunction = 1;

// ZEKCLIHELLO: asks for a name and greets it.
void greet() {
  char name[256] = "";
  if (acedGetString(1, "\nEnter a name: ", name, sizeof name) != RTNORM)
    return;
  acutPrintf("\nHello, %s.", name[0] != '\0' ? name : "nobody");
}

// (ZEKCLITITLE): the title of the drawing the call runs in.
int drawingTitle() {
  AcApDocument* document = curDoc();
  return acedRetStr(document != nullptr ? document->docTitle() : "");
}

}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      (void)acrxDynamicLinker->unlockApplication(appId);
      if (acedRegCmds->addCommand("ZEKCLITEST", "ZEKCLIHELLO", "ZEKCLIHELLO", ACRX_CMD_MODAL,
                                  greet) != Acad::eOk)
        return AcRx::kRetError;
      acutPrintf("\nzekclitest loaded.");
      break;
    case AcRx::kLoadDwgMsg:
      if (acedDefun("ZEKCLITITLE", kDrawingTitleFunction) != RTNORM)
        return AcRx::kRetError;
      break;
    case AcRx::kInvkSubrMsg:
      if (acedGetFunCode() == kDrawingTitleFunction)
        return static_cast<AcRx::AppRetCode>(drawingTitle());
      break;
    case AcRx::kUnloadAppMsg:
      (void)acedRegCmds->removeGroup("ZEKCLITEST");
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
