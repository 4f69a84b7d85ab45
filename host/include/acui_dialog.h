// Modal dialogs of the host's dialog classes. A module derives its dialog
// from CAcUiDialog, names the dialog resource by id, fills the controls in
// OnInitDialog, reads them in OnOK and routes the other buttons through a
// message map (acui_window.h). The host shows the dialog through its dialog
// driver: a script or the drafter answers it line by line ("set 1003 25",
// "check 1012 1", "select 1009 4", "dblclick 1009 4", "click 1013", Enter for
// the default button, Esc to cancel), and it prints a picture of itself.
#pragma once

#include <string>

#include "acui_controls.h"
#include "acui_window.h"
#include "ui_resources.h"

// What DoDataExchange is asked to do: attach member controls (and, with
// m_bSaveAndValidate, read them back).
class CDataExchange {
public:
  CDataExchange(CWnd* dialog, bool saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CWnd* m_pDlgWnd;
  bool m_bSaveAndValidate;
};

// Attaches a member control object to the dialog's control of that id
// (once; later calls leave it attached).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

// A modal dialog of a dialog resource.
class CDialog : public CWnd {
public:
  // idd: the dialog resource; parent: its owner (null: the host's main
  // window); instance: the resource instance holding it (null: the one
  // current when DoModal runs, AfxGetResourceHandle()).
  explicit CDialog(unsigned idd, CWnd* parent = nullptr, HINSTANCE instance = nullptr);
  ~CDialog() override;

  // Shows the dialog and returns when it ends: IDOK, IDCANCEL or the value
  // given to EndDialog. -1 (with a message on the command line) when the
  // resource is not found or the dialog is already open.
  [[nodiscard]] virtual int DoModal();
  // Ends the running dialog with a result once the current handler returns.
  void EndDialog(int result);

  // Called once the controls exist, before the dialog is shown: fill them
  // here. The base attaches member controls (DoDataExchange) and answers true.
  virtual bool OnInitDialog();
  // Runs DoDataExchange in the given direction; answers whether it succeeded.
  bool UpdateData(bool saveAndValidate = true);

protected:
  virtual void DoDataExchange(CDataExchange* exchange);
  // The default button and Enter (control IDOK): UpdateData, EndDialog(IDOK).
  virtual void OnOK();
  // Esc and control IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();

  unsigned templateId() const { return templateId_; }

private:
  unsigned templateId_;
  CWnd* parent_;
  HINSTANCE instance_;

  DECLARE_MESSAGE_MAP()
};

// The dialog base of the host's user-interface classes.
class CAdUiBaseDialog : public CDialog {
public:
  explicit CAdUiBaseDialog(unsigned idd, CWnd* parent = nullptr, HINSTANCE instance = nullptr)
      : CDialog(idd, parent, instance) {}
  // The name the dialog's position would be saved under. Kept and answered;
  // this host has no screen positions to save.
  bool SetDialogName(const char* name);
  const std::string& GetDialogName() const { return dialogName_; }

private:
  std::string dialogName_;
};

// The dialog class modules derive their dialogs from.
class CAcUiDialog : public CAdUiBaseDialog {
public:
  explicit CAcUiDialog(unsigned idd, CWnd* parent = nullptr, HINSTANCE instance = nullptr)
      : CAdUiBaseDialog(idd, parent, instance) {}
};
