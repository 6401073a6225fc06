// The templates of the three login dialogs (log in, change password, users
// editor) and of the engine's wait window, and the ids of their controls. RegisterLoginDialogTemplates adds
// them to the resource table; it may be called any number of times.
// User-interface thread.
#pragma once

#include "platform/WinTypes.h"

namespace login_res {

constexpr UINT IDD_LOGIN = 3501;
constexpr UINT IDD_LOGIN_CHANGE_PASS = 3502;
constexpr UINT IDD_LOGIN_EDITOR = 3503;
// The engine's wait window (what it waits for, in one line).
constexpr UINT IDD_ENGINE_WAIT = 3504;
constexpr UINT IDC_ENGINE_WAIT_TEXT = 3505;

// Log in.
constexpr UINT IDC_LOGIN_PURPOSE = 3511;
constexpr UINT IDC_LOGIN_NAME = 3512;
constexpr UINT IDC_LOGIN_PASSWORD = 3513;

// Change password.
constexpr UINT IDC_PASS_USER = 3521;
constexpr UINT IDC_PASS_OLD = 3522;
constexpr UINT IDC_PASS_NEW = 3523;
constexpr UINT IDC_PASS_CONFIRM = 3524;
constexpr UINT IDC_PASS_OLD_LABEL = 3525;

// Users editor.
constexpr UINT IDC_EDITOR_LIST = 3531;
constexpr UINT IDC_EDITOR_NAME = 3532;
constexpr UINT IDC_EDITOR_PASSWORD = 3533;
constexpr UINT IDC_EDITOR_CONFIRM = 3534;
constexpr UINT IDC_EDITOR_ADD = 3535;
constexpr UINT IDC_EDITOR_REMOVE = 3536;
constexpr UINT IDC_EDITOR_SET_GROUPS = 3537;
constexpr UINT IDC_EDITOR_CHANGE_PASS = 3538;
// One check box per group, in the order of the group table (Operator ...
// Vek-Admin).
constexpr UINT IDC_EDITOR_GROUP_FIRST = 3541;
constexpr int kEditorGroupCount = 6;

}  // namespace login_res

void RegisterLoginDialogTemplates();
