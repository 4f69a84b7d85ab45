// zektestcmds.arx, a test module (not shipped): commands of every kind the
// frame registers (a local name, a pick-first command, a dialog command with
// the module's resources, a command that loads another module and calls it,
// one that throws) and two AutoLISP functions. It registers as an extension
// library does, with its own resources current.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "aced_arx.h"
#include "acui_dialog.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "aced_input.h"
#include "db_curves.h"
#include "frame/module_frame.h"
#include "guards/model_space.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "guards/sys_var_guard.h"
#include "layers/ensure_layer.h"

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

// Draws on a layer of its own (made current), then stops half-way on an
// exception with model space still open: the guard closes it as the
// exception passes, and UNDO takes the layer, the lines and CLAYER back.
void addThenThrow() {
  AcDbDatabase* db = acdbCurDwg();
  const AcDbObjectId layer = zek::ensureLayer(*db, "ZEKT-HALF", 3, "CONTINUOUS", AcDb::kLnWtByLayer);
  if (layer.isNull() || db->setClayer(layer) != Acad::eOk) {
    acutPrintf("\nThe layer ZEKT-HALF cannot be made current.");
    return;
  }
  zek::ModelSpaceForWrite space(*db);
  for (double y : {0.0, 10.0}) {
    auto* line = new AcDbLine(AcGePoint3d(0, y, 0), AcGePoint3d(40, y, 0));
    line->setDatabaseDefaults(db);
    if (space.append(line) != Acad::eOk)
      acutPrintf("\nA line was refused.");
  }
  throw std::runtime_error("the second plate is missing");
}

// Draws a hole, asks for the next one and then fails (its block is missing),
// answering with an error message and the first hole kept.
void addThenFail() {
  AcDbDatabase* db = acdbCurDwg();
  {
    zek::ModelSpaceForWrite space(*db);
    auto* hole = new AcDbCircle(AcGePoint3d(20, 5, 0), AcGeVector3d::kZAxis, 2.5);
    hole->setDatabaseDefaults(db);
    if (space.append(hole) != Acad::eOk) {
      acutPrintf("\nThe hole was refused.");
      return;
    }
  }
  ads_point next;
  if (acedGetPoint(nullptr, "\nCentre of the next hole: ", next) != RTNORM)
    return;
  acutPrintf("\n; error: no block ZEKT-MISSING, the next hole is not drawn");
}

constexpr int kDialogId = 100;

void showCurrentDialog() {
  const ZekDialogResource* dialog = zekFindDialogResource(AfxGetResourceHandle(), kDialogId);
  acutPrintf("\n%s", dialog ? dialog->title : "No dialog resources are current.");
}

// A module dialog: a hole name and a count, with a button that doubles the
// count, read back in OnOK.
class HoleNameDialog : public CAcUiDialog {
public:
  HoleNameDialog() : CAcUiDialog(kDialogId, CWnd::FromHandle(adsw_acadMainWnd())) {}
  std::string name;
  int count = 0;

protected:
  bool OnInitDialog() override {
    CAcUiDialog::OnInitDialog();
    SetDlgItemText(1001, "钻孔");
    SetDlgItemInt(1002, 4);
    return true;
  }
  void OnOK() override {
    char text[64] = "";
    GetDlgItemText(1001, text, sizeof text);
    name = text;
    count = static_cast<int>(GetDlgItemInt(1002));
    CAcUiDialog::OnOK();
  }
  afx_msg void OnDouble() { SetDlgItemInt(1002, 2 * GetDlgItemInt(1002)); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HoleNameDialog, CAcUiDialog)
  ON_BN_CLICKED(1003, OnDouble)
END_MESSAGE_MAP()

void askHoleName() {
  HoleNameDialog dialog;
  const int result = dialog.DoModal();
  if (result == IDOK)
    acutPrintf("\nHole %s, %d of them.", dialog.name.c_str(), dialog.count);
  else
    acutPrintf("\nNo hole named (%d).", result);
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
    zek::command<addThenThrow>("ZEKTADDTHROW"),
    zek::command<addThenFail>("ZEKTADDFAIL"),
    zek::command<showCurrentDialog>("ZEKTDIALOG").withModuleResources(),
    zek::command<showCurrentDialog>("ZEKTNODIALOG"),
    zek::command<askHoleName>("ZEKTHOLENAME").withModuleResources(),
    zek::command<askHoleName>("ZEKTHOLENAMEBARE"),
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
    {1000, ZekControlKind::StaticText, "孔名", 6, 8, 30, 10, 0},
    {1001, ZekControlKind::EditBox, "", 40, 6, 70, 12, 0},
    {1002, ZekControlKind::EditBox, "", 40, 22, 30, 12, 0},
    {1003, ZekControlKind::Button, "加倍", 76, 22, 34, 12, 0},
    {1, ZekControlKind::DefaultButton, "确定", 6, 40, 50, 14, 0},
    {2, ZekControlKind::Button, "取消", 60, 40, 50, 14, 0},
};
const ZekDialogResource kDialogs[] = {
    {kDialogId, "Test module dialog", 120, 60, "", 9, kControls,
     static_cast<int>(sizeof kControls / sizeof kControls[0])},
};

}  // namespace

ZEK_MODULE_RESOURCES(kDialogs)
ZEK_MODULE_ENTRY_POINT(kModule)
