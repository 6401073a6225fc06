// The placement of a top-level window as the classic framework keeps it:
// the normal (restored) rectangle and the show state apart, so a window
// closed while maximised or minimised is saved with the rectangle it
// returns to, and a saved placement is put back onto the screen's work
// area with the window manager's frame included.
//
// Rectangles here are, as GetWindowRect gives them, the window without the
// frame a window manager draws around it, in screen coordinates.
// User-interface thread only (FitWindowRect: any thread).
#pragma once

#include "platform/WinTypes.h"

class CWnd;

// WINDOWPLACEMENT::flags: a minimised window goes back to maximised when
// it is restored.
constexpr UINT WPF_RESTORETOMAXIMIZED = 0x0002;

struct WINDOWPLACEMENT {
  UINT flags = 0;
  UINT showCmd = 1;         // SW_SHOWNORMAL, SW_SHOWMAXIMIZED or SW_SHOWMINIMIZED
  CRect rcNormalPosition;   // the window's rectangle when it is neither maximised nor minimised
};

// The window's placement. FALSE for a window that is not made.
BOOL GetWindowPlacement(const CWnd* pWnd, WINDOWPLACEMENT* pPlacement);
// Gives the window its normal rectangle, fitted onto the work area with
// its frame (FitWindowRect), and the show state: maximised
// (SW_SHOWMAXIMIZED), or normal for anything else. A hidden window stays
// hidden and shows in that state. The placement is kept from then on
// (KeepWindowPlacement), so the window returns to the normal rectangle
// when it is restored. FALSE for a window that is not made.
BOOL SetWindowPlacement(CWnd* pWnd, const WINDOWPLACEMENT* pPlacement);

// From this call on the platform follows the window's normal rectangle
// itself, so a restore returns to it whatever a window manager remembers
// (or without one, where nothing else would), and whenever the window is
// shown it is brought onto the work area, frame included: at once with
// the frame known so far, and again once the window manager has framed it.
// Windows that save their placement call it once when made.
void KeepWindowPlacement(CWnd* pWnd);

// The work area of the screen that shows the window (the primary screen
// for none): the screen without the panels a window manager keeps.
CRect GetWorkArea(const CWnd* pWnd);
// The thickness of the frame around the top-level window on each side
// (left, top, right, bottom). A window not framed yet takes, side by
// side, the thickest frame of the program's shown windows; nothing for no
// frame at all (no window manager).
CRect GetWindowFrameMargins(const CWnd* pWnd);

// The rectangle made fit for the work area: at least minSize large (which
// wins over the work area), no larger than the work area less the frame
// (thicknesses as GetWindowFrameMargins gives them), and moved so that the
// window and its frame lie inside the work area. An empty work area
// changes only the size.
CRect FitWindowRect(const CRect& rect, const CRect& workArea, const CRect& frame, CSize minSize = CSize(0, 0));

class QWidget;
namespace platform_detail {
// Platform only (CWnd::ShowWindow): maximises a window; a window without a
// window manager is given the work area first. A kept window's normal
// rectangle stays what it was.
void ShowMaximized(QWidget* widget);
}  // namespace platform_detail
