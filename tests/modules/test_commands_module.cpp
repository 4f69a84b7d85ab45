// zektestcmds.arx, a test module (not shipped): commands of every kind the
// frame registers (a local name, a pick-first command, a dialog command with
// the module's resources, a command that loads another module and calls it,
// one that throws) and two AutoLISP functions. It registers as an extension
// library does, with its own resources current.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "aced_arx.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "frame/module_frame.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "guards/sys_var_guard.h"

namespace {

void sayHello() { acutPrintf("\nZEKTHELLO ran."); }
void sayGqs() { acutPrintf("\nZEKTGQS ran."); }

void countSelected() {
  zek::SelectionSet picked;
  if (picked.select(nullptr) != RTNORM) {
    acutPrintf("\nNothing selected.");
    return;
  }
  acutPrintf("\n%d object(s) taken.", static_cast<int>(picked.length()));
}

const char* codeName(int code) {
  switch (code) {
    case RTNORM: return "RTNORM";
    case RTERROR: return "RTERROR";
    case RTCAN: return "RTCAN";
    default: return "another code";
  }
}

// One value as the test prints it: texts quoted, shorts, or the type code.
std::string describe(const resbuf* value) {
  if (value == nullptr)
    return "nothing";
  if (value->restype == RTSTR)
    return std::string("\"") + value->resval.rstring + "\"";
  if (value->restype == RTSHORT)
    return std::to_string(value->resval.rint);
  return "type " + std::to_string(value->restype);
}

// Loads the AutoLISP test module from inside a command and calls it at once.
void loadAndCall() {
  const int loaded = acedArxLoad("zektestlisp.arx");
  acutPrintf("\nacedArxLoad answered %s.", codeName(loaded));
  zek::ResbufList call(acutBuildList(RTSTR, "ZEKTECHO", RTSTR, "from a command", RTNONE));
  zek::ResbufList result;
  const int answered = acedInvoke(call.get(), result.out());
  acutPrintf("\nacedInvoke answered %s: %s.", codeName(answered), describe(result.get()).c_str());
}

void throwHalfWay() {
  zek::SysVarGuard noSnap("OSMODE", 0);
  throw std::runtime_error("plate outline missing");
}

constexpr int kDialogId = 100;

void showCurrentDialog() {
  const ZekDialogResource* dialog = zekFindDialogResource(AfxGetResourceHandle(), kDialogId);
  acutPrintf("\n%s", dialog ? dialog->title : "No dialog resources are current.");
}

int answerT(const resbuf*) { return acedRetT(); }

// Defines ZEKTGHOST under a function code the module's table does not have.
int defineGhost(const resbuf*) {
  if (acedDefun("ZEKTGHOST", 9) != RTNORM)
    return RTERROR;
  return acedRetT();
}

constexpr zek::CommandRow kCommands[] = {
    zek::command<sayHello>("ZEKTHELLO"),
    zek::command<sayGqs>("ZEKTGQS").local("ZEKTQGS"),
    zek::command<countSelected>("ZEKTPICK").usePickSet(),
    zek::command<countSelected>("ZEKTMODAL"),
    zek::command<loadAndCall>("ZEKTLOADCALL"),
    zek::command<throwHalfWay>("ZEKTTHROW"),
    zek::command<showCurrentDialog>("ZEKTDIALOG").withModuleResources(),
    zek::command<showCurrentDialog>("ZEKTNODIALOG"),
};

constexpr zek::LispFunctionRow kFunctions[] = {
    {"ZEKTCMDFN", answerT},
    {"ZEKTDEFGHOST", defineGhost},
};

constexpr zek::ModuleTable kModule{.group = "ZEKTESTCMDS",
                                   .commands = kCommands,
                                   .functions = kFunctions,
                                   .ownResourcesWhileRegistering = true};

const ZekControlResource kControls[] = {
    {1, ZekControlKind::DefaultButton, "OK", 10, 10, 50, 14, 0},
};
const ZekDialogResource kDialogs[] = {
    {kDialogId, "Test module dialog", 120, 40, "", 9, kControls, 1},
};

}  // namespace

ZEK_MODULE_RESOURCES(kDialogs)
ZEK_MODULE_ENTRY_POINT(kModule)
