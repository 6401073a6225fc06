// The notice that a record set posts to its notify window (the engine's
// main window): wParam is the record set (a CBaseTableRS*), lParam the code.
// Plain constants; any thread.
#pragma once

#include "platform/WinTypes.h"

constexpr UINT WM_TABLE_NOTICE = 0x1504;

// lParam of WM_TABLE_NOTICE.
constexpr LPARAM TABLE_NOTICE_NO_ACTIVE_RECORD = 3;  // the table holds no active record
constexpr LPARAM TABLE_NOTICE_ACTIVE_RECORD_SET = 5;  // the active field set was filled
