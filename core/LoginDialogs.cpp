// The three login dialogs.
#include "core/LoginChangePassDlg.h"
#include "core/LoginDlg.h"
#include "core/LoginEditorDlg.h"
#include "core/LoginRules.h"
#include "core/VekEngineBase.h"
#include "platform/Seams.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "res/LoginDialogs.h"

using namespace login_res;

namespace {

std::string ItemText(const CWnd& dlg, UINT id) {
  const CWnd* item = dlg.GetDlgItem(static_cast<int>(id));
  return item ? item->GetWindowText() : std::string();
}

void SetItemText(CWnd& dlg, UINT id, const std::string& text) {
  if (CWnd* item = dlg.GetDlgItem(static_cast<int>(id))) item->SetWindowText(text);
}

void ShowRefusal(const std::string& text) { AfxMessageBox(text, MB_OK | MB_ICONHAND); }

}  // namespace

// ---- Log in ---------------------------------------------------------------------------

CLoginDlg::CLoginDlg(CVekAccessControl* pAccess, const std::string& strPurpose, CWnd* pParent)
    : CDialog((RegisterLoginDialogTemplates(), IDD_LOGIN), pParent), m_pAccess(pAccess), m_strPurpose(strPurpose) {}

BOOL CLoginDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  SetItemText(*this, IDC_LOGIN_PURPOSE, m_strPurpose);
  if (CWnd* name = GetDlgItem(IDC_LOGIN_NAME)) GotoDlgCtrl(name);
  return result;
}

void CLoginDlg::OnOK() {
  std::string message;
  CLoginRules rules(m_pAccess);
  m_pUser = rules.TryLogin(ItemText(*this, IDC_LOGIN_NAME), ItemText(*this, IDC_LOGIN_PASSWORD), m_strPurpose,
                           &message);
  if (!m_pUser) {
    ShowRefusal(message);
    SetItemText(*this, IDC_LOGIN_PASSWORD, "");
    if (CWnd* password = GetDlgItem(IDC_LOGIN_PASSWORD)) GotoDlgCtrl(password);
    return;  // stays open for another try
  }
  EndDialog(IDOK);
}

CVekAccessUser* CLoginDlg::AskUser(const std::string& strPurpose) {
  CVekAccessControl* access = CVekEngineBase::GetEngineAccessControl();
  if (!access) return nullptr;
  CLoginDlg dlg(access, strPurpose);
  return dlg.DoModal() == IDOK ? dlg.GetUser() : nullptr;
}

// ---- Change password --------------------------------------------------------------------

CLoginChangePassDlg::CLoginChangePassDlg(CVekAccessUser* pUser, CVekAccessUser* pAdmin, CWnd* pParent)
    : CDialog((RegisterLoginDialogTemplates(), IDD_LOGIN_CHANGE_PASS), pParent), m_pUser(pUser), m_pAdmin(pAdmin) {}

BOOL CLoginChangePassDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  SetItemText(*this, IDC_PASS_USER, m_pUser ? m_pUser->GetName() : std::string());
  const CChangePasswordRules rules(CVekEngineBase::GetEngineAccessControl(), m_pUser, m_pAdmin);
  if (!rules.NeedsOldPassword()) {
    if (CWnd* old = GetDlgItem(IDC_PASS_OLD)) old->EnableWindow(FALSE);
    if (CWnd* label = GetDlgItem(IDC_PASS_OLD_LABEL)) label->EnableWindow(FALSE);
    if (CWnd* next = GetDlgItem(IDC_PASS_NEW)) GotoDlgCtrl(next);
  } else if (CWnd* old = GetDlgItem(IDC_PASS_OLD)) {
    GotoDlgCtrl(old);
  }
  return result;
}

void CLoginChangePassDlg::OnOK() {
  CChangePasswordRules rules(CVekEngineBase::GetEngineAccessControl(), m_pUser, m_pAdmin);
  const std::string refusal =
      rules.Apply(ItemText(*this, IDC_PASS_OLD), ItemText(*this, IDC_PASS_NEW), ItemText(*this, IDC_PASS_CONFIRM));
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return;
  }
  EndDialog(IDOK);
}

// ---- Users editor ---------------------------------------------------------------------------

CLoginEditorDlg::CLoginEditorDlg(CVekAccessUser* pUser, CWnd* pParent)
    : CDialog((RegisterLoginDialogTemplates(), IDD_LOGIN_EDITOR), pParent), m_pUser(pUser) {}

std::string CLoginEditorDlg::MakeListText(const CVekAccessUser* pUser) {
  return pUser->GetName() + "  [" + CVekAccessControl::GetGroupsText(pUser->GetGroups(), ", ") + "]";
}

BOOL CLoginEditorDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  const CUserEditorRules rules(CVekEngineBase::GetEngineAccessControl(), m_pUser);
  const int grantable = rules.GetGrantableGroups();
  const auto& groups = CVekAccessControl::GetGroupTable();
  for (int i = 0; i < kEditorGroupCount && i < static_cast<int>(groups.size()); ++i) {
    if (CWnd* check = GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + i))
      check->EnableWindow((grantable & groups[static_cast<size_t>(i)].nFlag) != 0);
  }
  FillList(m_pUser);
  return result;
}

void CLoginEditorDlg::FillList(const CVekAccessUser* pSelect) {
  auto* list = static_cast<CListBox*>(GetDlgItem(IDC_EDITOR_LIST));
  CVekAccessControl* access = CVekEngineBase::GetEngineAccessControl();
  if (!list || !access) return;
  list->ResetContent();
  int select = -1;
  for (CVekAccessUser* user : access->GetUsers()) {
    const int index = list->AddString(MakeListText(user));
    list->SetItemData(index, reinterpret_cast<DWORD_PTR_T>(user));
    if (user == pSelect) select = index;
  }
  list->SetCurSel(select);
  ShowSelectedUser();
}

CVekAccessUser* CLoginEditorDlg::GetSelectedUser() const {
  const auto* list = static_cast<const CListBox*>(GetDlgItem(IDC_EDITOR_LIST));
  if (!list || list->GetCurSel() < 0) return nullptr;
  return reinterpret_cast<CVekAccessUser*>(list->GetItemData(list->GetCurSel()));
}

void CLoginEditorDlg::ShowSelectedUser() {
  const CVekAccessUser* user = GetSelectedUser();
  SetItemText(*this, IDC_EDITOR_NAME, user ? user->GetName() : std::string());
  SetItemText(*this, IDC_EDITOR_PASSWORD, "");
  SetItemText(*this, IDC_EDITOR_CONFIRM, "");
  const auto& groups = CVekAccessControl::GetGroupTable();
  for (int i = 0; i < kEditorGroupCount && i < static_cast<int>(groups.size()); ++i) {
    if (auto* check = static_cast<CButton*>(GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + i)))
      check->SetCheck(user && (user->GetGroups() & groups[static_cast<size_t>(i)].nFlag) ? BST_CHECKED : BST_UNCHECKED);
  }
}

int CLoginEditorDlg::GetCheckedGroups() const {
  int mask = 0;
  const auto& groups = CVekAccessControl::GetGroupTable();
  for (int i = 0; i < kEditorGroupCount && i < static_cast<int>(groups.size()); ++i) {
    const auto* check = static_cast<const CButton*>(GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + i));
    if (check && check->GetCheck() == BST_CHECKED) mask |= groups[static_cast<size_t>(i)].nFlag;
  }
  return mask;
}

BOOL CLoginEditorDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (id == IDC_EDITOR_LIST && code == LBN_SELCHANGE) {
    ShowSelectedUser();
    return TRUE;
  }
  if (id == IDC_EDITOR_NAME && code == EN_CHANGE) {
    OnNameEdited();
    return TRUE;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_EDITOR_ADD: OnAdd(); return TRUE;
      case IDC_EDITOR_REMOVE: OnRemove(); return TRUE;
      case IDC_EDITOR_SET_GROUPS: OnSetGroups(); return TRUE;
      case IDC_EDITOR_CHANGE_PASS: OnChangePassword(); return TRUE;
      default: break;
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

// A name typed that is not the selected user's begins a new user: the
// selection goes, and with it the selected user's groups, so a new user
// starts in no group instead of inheriting the ticks of the one before.
void CLoginEditorDlg::OnNameEdited() {
  const CVekAccessUser* selected = GetSelectedUser();
  CVekAccessControl* access = CVekEngineBase::GetEngineAccessControl();
  if (!selected || !access || access->FindUser(ItemText(*this, IDC_EDITOR_NAME)) == selected) return;
  if (auto* list = static_cast<CListBox*>(GetDlgItem(IDC_EDITOR_LIST))) list->SetCurSel(-1);
  const auto& groups = CVekAccessControl::GetGroupTable();
  for (int i = 0; i < kEditorGroupCount && i < static_cast<int>(groups.size()); ++i) {
    if (auto* check = static_cast<CButton*>(GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + i)))
      check->SetCheck(BST_UNCHECKED);
  }
}

void CLoginEditorDlg::OnAdd() {
  CUserEditorRules rules(CVekEngineBase::GetEngineAccessControl(), m_pUser);
  CVekAccessUser* added = nullptr;
  const std::string refusal = rules.AddUser(ItemText(*this, IDC_EDITOR_NAME), ItemText(*this, IDC_EDITOR_PASSWORD),
                                            ItemText(*this, IDC_EDITOR_CONFIRM), GetCheckedGroups(), &added);
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return;
  }
  FillList(added);
}

void CLoginEditorDlg::OnRemove() {
  CVekAccessUser* user = GetSelectedUser();
  if (!user) return;
  if (AfxMessageBox("Remove the user \"" + user->GetName() + "\"?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
      IDYES)
    return;
  CUserEditorRules rules(CVekEngineBase::GetEngineAccessControl(), m_pUser);
  const std::string refusal = rules.RemoveUser(user);
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return;
  }
  FillList(nullptr);
}

void CLoginEditorDlg::OnSetGroups() {
  CVekAccessUser* user = GetSelectedUser();
  if (!user) return;
  CUserEditorRules rules(CVekEngineBase::GetEngineAccessControl(), m_pUser);
  const std::string refusal = rules.SetGroups(user, GetCheckedGroups());
  if (!refusal.empty()) ShowRefusal(refusal);
  FillList(user);
}

void CLoginEditorDlg::OnChangePassword() {
  CVekAccessUser* user = GetSelectedUser();
  if (!user) return;
  CLoginChangePassDlg dlg(user, m_pUser, this);
  dlg.DoModal();
}
