// CLoginChangePassDlg: the modal change-password dialog for pUser. Given an
// admin (pAdmin) other than the user, it resets the password without asking
// for the old one; otherwise the old password is checked. A refused change
// says why and the dialog stays open.
// Threads: user-interface thread.
#pragma once

#include "core/VekAccessControl.h"
#include "platform/ui/Dialog.h"

class CLoginChangePassDlg : public CDialog {
 public:
  CLoginChangePassDlg(CVekAccessUser* pUser, CVekAccessUser* pAdmin, CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CVekAccessUser* m_pUser;
  CVekAccessUser* m_pAdmin;
};
