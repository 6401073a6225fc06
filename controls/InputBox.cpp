#include "controls/InputBox.h"

#include "controls/ControlGeometry.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Icons.h"
#include "platform/ui/Static.h"
#include "res/ControlsResources.h"

CInputBox::CInputBox() : CDialog(IDD_INPUT_BOX, nullptr) { RegisterControlsDialogs(); }

INT_PTR CInputBox::AskValue(std::string& value, const std::string& title, const std::string& header,
                            const std::string& note, const std::string& initialValue, int nInputMode,
                            UINT nHeaderIconId, int /*nBrowseMode*/) {
  CInputBox box;
  box.m_strTitle = title;
  box.m_strHeader = header;
  box.m_strNote = note;
  box.m_strValue = initialValue;
  box.m_nInputMode = nInputMode;
  box.m_nHeaderIconId = nHeaderIconId;
  const INT_PTR result = box.DoModal();
  if (result == IDOK) value = box.m_strValue;
  return result;
}

BOOL CInputBox::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_strTitle);
  SetDlgItemText(IDC_INPUT_HEADER, m_strHeader);
  SetDlgItemText(IDC_INPUT_NOTE, m_strNote);
  if (CWnd* browse = GetDlgItem(IDC_INPUT_BROWSE)) browse->ShowWindow(SW_HIDE);
  auto* icon = dynamic_cast<CStatic*>(GetDlgItem(IDC_INPUT_HEADER_ICON));
  HICON loaded = m_nHeaderIconId ? LoadIcon(m_nHeaderIconId) : nullptr;
  if (icon) {
    if (loaded)
      icon->SetIcon(loaded);
    else
      icon->ShowWindow(SW_HIDE);
  }
  if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(IDC_INPUT_VALUE))) {
    // Digits only: a non-digit is refused as it is typed; OK checks again
    // for text that came from elsewhere.
    if (m_nInputMode == INPUT_DIGITS) edit->ModifyStyle(0, ES_NUMBER);
    GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
    return FALSE;  // the focus is set
  }
  return TRUE;
}

void CInputBox::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, IDC_INPUT_VALUE, m_strValue);
  if (dx->m_bSaveAndValidate && !controls::IsAcceptedInput(m_strValue, m_nInputMode)) {
    AfxMessageBox("Please enter digits only (0-9).", MB_OK | MB_ICONEXCLAMATION);
    dx->PrepareEditCtrl(IDC_INPUT_VALUE);
    dx->Fail();
  }
}
