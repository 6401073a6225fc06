// Mouse cursors: the standard shapes (IDC_ARROW, IDC_SIZEWE, ...) and the
// program's own cursors from the resource tables, set while a window
// handles WM_SETCURSOR (or at any time for the window under the mouse).
// Threads: user-interface thread.
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/GdiTypes.h"

class QWidget;

constexpr UINT IDC_ARROW = 32512;
constexpr UINT IDC_IBEAM = 32513;
constexpr UINT IDC_WAIT = 32514;
constexpr UINT IDC_CROSS = 32515;
constexpr UINT IDC_UPARROW = 32516;
constexpr UINT IDC_SIZENWSE = 32642;
constexpr UINT IDC_SIZENESW = 32643;
constexpr UINT IDC_SIZEWE = 32644;
constexpr UINT IDC_SIZENS = 32645;
constexpr UINT IDC_SIZEALL = 32646;
constexpr UINT IDC_NO = 32648;
constexpr UINT IDC_HAND = 32649;
constexpr UINT IDC_APPSTARTING = 32650;

// A standard shape (IDC_*) or a cursor of the resource tables; null when
// the id is neither. Cursors live for the program's life.
HCURSOR LoadCursor(UINT id);
HCURSOR LoadStandardCursor(UINT idc);
// Sets the cursor of the window choosing it now (in OnSetCursor), else of
// the window holding the capture, else of the window under the mouse.
// Returns the previous cursor set this way.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
BOOL GetCursorPos(CPoint* point);

namespace platform_detail {
// While it lives, SetCursor applies to the widget (the bridge's WM_SETCURSOR).
class CursorTargetScope {
 public:
  explicit CursorTargetScope(QWidget* widget);
  ~CursorTargetScope();

 private:
  QWidget* m_previous;
};
}  // namespace platform_detail
