// CDialog and the host's dialog bases: the resource found, the dialog model
// built, OnInitDialog, the modal loop, and the default OK and Cancel.
#include "acui_dialog.h"

#include "aced_arx.h"
#include "aced_output.h"
#include "dialogs/modal_loop.h"
#include "dialogs/window_state.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_BN_CLICKED(IDOK, OnOK)
  ON_BN_CLICKED(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
  if (exchange == nullptr || control.m_hWnd != nullptr)
    return;  // attached already: an UpdateData after OnInitDialog
  (void)control.SubclassDlgItem(id, exchange->m_pDlgWnd);
}

CDialog::CDialog(unsigned idd, CWnd* parent, HINSTANCE instance)
    : templateId_(idd), parent_(parent), instance_(instance) {}

CDialog::~CDialog() = default;

// The dialog resource: in the instance the dialog was made with, else in the
// one current now. An instance that lacks it is not left for another one:
// every module numbers its dialogs from the same ids.
static const ZekDialogResource* findResource(HINSTANCE given, unsigned id) {
  const HINSTANCE instance = given != nullptr ? given : AfxGetResourceHandle();
  const ZekDialogResource* resource =
      instance != nullptr ? zekFindDialogResource(instance, static_cast<int>(id)) : nullptr;
  if (resource == nullptr && instance == nullptr)
    acutPrintf("\nDialog %u not found: no module resources are current.", id);
  else if (resource == nullptr)
    acutPrintf("\nDialog %u not found in the module's resources.", id);
  return resource;
}

int CDialog::DoModal() {
  if (m_hWnd != nullptr) {
    acutPrintf("\nDialog %u is open already.", templateId_);
    return -1;
  }
  const ZekDialogResource* resource = findResource(instance_, templateId_);
  if (resource == nullptr)
    return -1;
  CWnd* owner = parent_ != nullptr ? parent_ : CWnd::FromHandle(adsw_acadMainWnd());
  zek::DialogState dialog(*resource, this, owner);  // closes every control on every way out
  (void)OnInitDialog();
  return zek::runModalDialog(dialog);
}

void CDialog::EndDialog(int result) {
  if (zek::DialogState* dialog = zek::dialogStateOf(this))
    dialog->end(result);
}

bool CDialog::OnInitDialog() { return UpdateData(false); }

bool CDialog::UpdateData(bool saveAndValidate) {
  if (m_hWnd == nullptr)
    return false;
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  if (!UpdateData(true))
    return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CAdUiBaseDialog::SetDialogName(const char* name) {
  dialogName_ = name != nullptr ? name : "";
  return true;
}
