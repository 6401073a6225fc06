// CLoginEditorDlg: the modal users editor, run by the admin pUser: the list
// of users with their groups; add a user, remove one, set the groups of
// one, or reset one's password (CLoginChangePassDlg). The last Vek-Admin
// cannot be removed; every refusal says why. Typing a name other than the
// selected user's begins a new user: the selection and the group ticks
// are cleared, so a new user starts in no group.
// Threads: user-interface thread.
#pragma once

#include "core/VekAccessControl.h"
#include "platform/ui/Dialog.h"

class CLoginEditorDlg : public CDialog {
 public:
  CLoginEditorDlg(CVekAccessUser* pUser, CWnd* pParent = nullptr);

  // The list line of a user: "name  [groups]".
  static std::string MakeListText(const CVekAccessUser* pUser);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void FillList(const CVekAccessUser* pSelect);
  CVekAccessUser* GetSelectedUser() const;
  void ShowSelectedUser();
  int GetCheckedGroups() const;
  void OnNameEdited();
  void OnAdd();
  void OnRemove();
  void OnSetGroups();
  void OnChangePassword();

  CVekAccessUser* m_pUser;
};
