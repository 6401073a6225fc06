// A dialog made from a template of the resource tables: modal (DoModal,
// which returns IDOK, IDCANCEL or the value given to EndDialog) or
// modeless (Create). After its controls exist the dialog receives
// WM_INITDIALOG (OnInitDialog, which loads the controls with
// UpdateData(FALSE)). Controls notify it through WM_COMMAND / WM_NOTIFY
// (OnCommand / OnNotify); IDOK and IDCANCEL go to OnOK (which saves and
// validates with UpdateData(TRUE) and ends with IDOK) and OnCancel. Enter
// presses the default button, Escape means IDCANCEL, the close box too;
// in a dialog embedded as a child window both keys go on to its parent.
//
// Tests end modal dialogs from code: queue EndDialog (PostToUiThread) or
// install a modal driver, called inside every DoModal once the dialog is
// shown. The modal loop keeps processing events; it also ends (IDCANCEL)
// when the program quits, when the dialog is destroyed (with its owner),
// and when the window whose handler runs it is destroyed or asked to close.
// Threads: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Seams.h"
#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DataExchange.h"

class CFont;
class QEventLoop;
struct DialogTemplate;

class CDialog : public CWnd {
 public:
  CDialog();
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Shows the dialog modally and returns how it ended; -1 when the template
  // is missing or the window could not be made.
  virtual INT_PTR DoModal();
  // Makes the modeless dialog (shown when the template has WS_VISIBLE).
  using CWnd::Create;
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  // Ends a modal dialog with the result (the loop returns); hides a modeless one.
  void EndDialog(int result);
  bool IsModal() const { return m_bModal; }
  // A modeless dialog made as a child window: a form embedded in another
  // window, which Esc and Return do not end.
  bool IsEmbeddedForm() const { return !m_bModal && (GetStyle() & WS_CHILD) != 0; }

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // Moves values between the controls and the members (TRUE: from the
  // controls, validating). FALSE when a value was refused (the user was
  // told and the control has the focus).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  void GotoDlgCtrl(CWnd* control);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void SetDefID(UINT id) { m_nDefId = id; }
  DWORD GetDefID() const { return m_nDefId; }
  // Dialog units of this dialog's template to pixels.
  void MapDialogRect(CRect* rect) const;
  UINT GetTemplateId() const { return m_nIDTemplate; }
  CFont* GetDialogFont() const { return m_pDialogFont.get(); }

  // Test seam: called (queued) inside every DoModal once the dialog shows.
  using ModalDriver = std::function<void(CDialog&)>;
  static ModalDriver SetModalDriver(ModalDriver driver);

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnClose() override;
  // Makes the dialog window and its controls (and sends WM_INITDIALOG).
  // A sheet builds itself differently.
  virtual BOOL CreateDialogWindow(CWnd* parent, bool modal);
  // The template's window for a parent: a child for WS_CHILD templates.
  BOOL CreateFromTemplate(const DialogTemplate& dialog, CWnd* parent, bool modal);
  // Runs the modal loop on an existing window; returns the result.
  INT_PTR RunModalLoop();

  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 private:
  bool m_bModal = false;
  bool m_bEnded = false;
  int m_nResult = IDCANCEL;
  UINT m_nDefId = IDOK;
  QEventLoop* m_pLoop = nullptr;
  int m_nPointSize = 8;
  std::unique_ptr<CFont> m_pDialogFont;
  std::vector<std::unique_ptr<CWnd>> m_templateControls;  // controls made from the template
};
