#include "controls/ChildDlgCtrl.h"

#include "platform/ui/ResourceTable.h"

BOOL CChildDlgCtrl::CreateChild(CWnd* pParent, CPoint pos, UINT nChildId, CPoint offset) {
  if (!pParent || !pParent->IsWindowCreated() || IsWindowCreated()) return FALSE;
  m_nChildId = nChildId;
  m_pChildParent = pParent;
  if (!CDialog::Create(GetDialogTemplateId(), pParent)) return FALSE;
  SetDlgCtrlID(nChildId);
  SetWindowPos(nullptr, pos.x + offset.x, pos.y + offset.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(SW_SHOW);
  return TRUE;
}

BOOL CChildDlgCtrl::CreateDialogWindow(CWnd* parent, bool modal) {
  const DialogTemplate* found = ResourceTable::Instance().FindDialog(GetDialogTemplateId());
  if (!found) return FALSE;
  DialogTemplate child = *found;
  child.style = (child.style & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU)) | WS_CHILD;
  return CreateFromTemplate(child, parent, modal);
}
