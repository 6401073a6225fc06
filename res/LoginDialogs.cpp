#include "res/LoginDialogs.h"

#include "platform/Messages.h"
#include "platform/Seams.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/ResourceTemplates.h"

using namespace login_res;

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPasswordEdit = ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER;
constexpr DWORD kTextEdit = ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER;

DialogTemplate LoginTemplate() {
  return dlg::Dialog(IDD_LOGIN, "Login", 220, 96, kDialogStyle, {
      dlg::LText(IDC_LOGIN_PURPOSE, "", 7, 7, 206, 18),
      dlg::LText(0, "User name:", 7, 30, 55, 8),
      dlg::Edit(IDC_LOGIN_NAME, 65, 28, 148, 12, kTextEdit),
      dlg::LText(0, "Password:", 7, 48, 55, 8),
      dlg::Edit(IDC_LOGIN_PASSWORD, 65, 46, 148, 12, kPasswordEdit),
      dlg::DefPushButton(IDOK, "OK", 108, 74, 50, 14),
      dlg::PushButton(IDCANCEL, "Cancel", 163, 74, 50, 14),
  });
}

DialogTemplate ChangePassTemplate() {
  return dlg::Dialog(IDD_LOGIN_CHANGE_PASS, "Change Password", 220, 104, kDialogStyle, {
      dlg::LText(0, "User:", 7, 9, 70, 8),
      dlg::LText(IDC_PASS_USER, "", 80, 9, 133, 8),
      dlg::LText(IDC_PASS_OLD_LABEL, "Old password:", 7, 26, 70, 8),
      dlg::Edit(IDC_PASS_OLD, 80, 24, 133, 12, kPasswordEdit),
      dlg::LText(0, "New password:", 7, 44, 70, 8),
      dlg::Edit(IDC_PASS_NEW, 80, 42, 133, 12, kPasswordEdit),
      dlg::LText(0, "Confirm:", 7, 62, 70, 8),
      dlg::Edit(IDC_PASS_CONFIRM, 80, 60, 133, 12, kPasswordEdit),
      dlg::DefPushButton(IDOK, "OK", 108, 83, 50, 14),
      dlg::PushButton(IDCANCEL, "Cancel", 163, 83, 50, 14),
  });
}

DialogTemplate EditorTemplate() {
  DialogTemplate t = dlg::Dialog(IDD_LOGIN_EDITOR, "Users", 300, 170, kDialogStyle, {
      dlg::List(IDC_EDITOR_LIST, 7, 7, 120, 156, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
      dlg::LText(0, "Name:", 135, 9, 55, 8),
      dlg::Edit(IDC_EDITOR_NAME, 193, 7, 100, 12, kTextEdit),
      dlg::LText(0, "Password:", 135, 25, 55, 8),
      dlg::Edit(IDC_EDITOR_PASSWORD, 193, 23, 100, 12, kPasswordEdit),
      dlg::LText(0, "Confirm:", 135, 41, 55, 8),
      dlg::Edit(IDC_EDITOR_CONFIRM, 193, 39, 100, 12, kPasswordEdit),
      dlg::GroupBox(0, "Groups", 135, 56, 158, 56),
  });
  const char* groups[kEditorGroupCount] = {"Operator", "Shift", "Technical", "Production", "Plant-Admin", "Vek-Admin"};
  for (int i = 0; i < kEditorGroupCount; ++i)
    t.items.push_back(dlg::CheckBox(IDC_EDITOR_GROUP_FIRST + static_cast<UINT>(i), groups[i], 141 + (i % 2) * 76,
                                    67 + (i / 2) * 14, 72, 10, WS_TABSTOP));
  t.items.push_back(dlg::PushButton(IDC_EDITOR_ADD, "Add", 135, 118, 50, 14));
  t.items.push_back(dlg::PushButton(IDC_EDITOR_SET_GROUPS, "Set Groups", 189, 118, 50, 14));
  t.items.push_back(dlg::PushButton(IDC_EDITOR_REMOVE, "Remove", 243, 118, 50, 14));
  t.items.push_back(dlg::PushButton(IDC_EDITOR_CHANGE_PASS, "Password...", 135, 149, 60, 14));
  t.items.push_back(dlg::DefPushButton(IDCANCEL, "Close", 243, 149, 50, 14));
  return t;
}

DialogTemplate WaitTemplate() {
  return dlg::Dialog(IDD_ENGINE_WAIT, "VekFrame", 220, 34, WS_POPUP | WS_CAPTION,
                     {dlg::CText(IDC_ENGINE_WAIT_TEXT, "", 7, 12, 206, 10)});
}

}  // namespace

void RegisterLoginDialogTemplates() {
  ResourceTable& table = ResourceTable::Instance();
  if (!table.FindDialog(IDD_LOGIN)) table.AddDialog(LoginTemplate());
  if (!table.FindDialog(IDD_LOGIN_CHANGE_PASS)) table.AddDialog(ChangePassTemplate());
  if (!table.FindDialog(IDD_LOGIN_EDITOR)) table.AddDialog(EditorTemplate());
  if (!table.FindDialog(IDD_ENGINE_WAIT)) table.AddDialog(WaitTemplate());
}
