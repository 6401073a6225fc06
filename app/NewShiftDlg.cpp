#include "app/NewShiftDlg.h"

#include "app/ShiftRules.h"
#include "core/VekUtils.h"
#include "res/RecordWindowResources.h"

CNewShiftDlg::CNewShiftDlg(const std::string& strOperatorName, CWnd* pParent)
    : CDialog(record_res::IDD_NEW_SHIFT, pParent), m_strOperatorName(strOperatorName) {}

void CNewShiftDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, record_res::IDC_NEW_SHIFT_OPERATOR, m_strOperatorName);
}

void CNewShiftDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  const std::string refusal = shift_rules::CheckOperatorName(m_strOperatorName);
  if (!refusal.empty()) {
    AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
    if (CWnd* edit = GetDlgItem(record_res::IDC_NEW_SHIFT_OPERATOR)) GotoDlgCtrl(edit);
    return;
  }
  m_strOperatorName = TrimText(m_strOperatorName);
  EndDialog(IDOK);
}
