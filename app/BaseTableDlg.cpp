#include "app/BaseTableDlg.h"

#include "core/VekAccessControl.h"
#include "platform/Seams.h"

CBaseTableDlg::CBaseTableDlg(UINT nTemplateId, const ChangeRights& rights, CWnd* pParent)
    : CResizableDialog(nTemplateId, pParent), m_rights(rights) {}

bool CBaseTableDlg::CheckChangeAccess() {
  return CheckAccess(&m_pCaptionUser, m_rights.purpose, m_rights.groups[0], m_rights.groups[1], m_rights.groups[2]);
}

void CBaseTableDlg::ShowRefusal(const std::string& text) const {
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
