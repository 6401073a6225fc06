// CLoginDlg: the modal login dialog (user name and password, with the
// purpose of the login above them). A wrong name or password says so and
// the dialog stays open for another try; Cancel gives up. It is the
// program's login step of the rights checks (CheckAccessOrLogin).
// Threads: user-interface thread.
#pragma once

#include <string>

#include "core/VekAccessControl.h"
#include "platform/ui/Dialog.h"

class CLoginDlg : public CDialog {
 public:
  CLoginDlg(CVekAccessControl* pAccess, const std::string& strPurpose, CWnd* pParent = nullptr);

  // The user who logged in (null until then, or after Cancel).
  CVekAccessUser* GetUser() const { return m_pUser; }

  // The login step: shows the dialog with the engine's access control and
  // returns the user, or null when the user gave up.
  static CVekAccessUser* AskUser(const std::string& strPurpose);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CVekAccessControl* m_pAccess;
  std::string m_strPurpose;
  CVekAccessUser* m_pUser = nullptr;
};
