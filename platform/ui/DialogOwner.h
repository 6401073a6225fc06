// The window that owns a top-level dialog, property sheet, colour dialog or
// message box (platform only). User-interface thread.
#pragma once

class CWnd;
class QWidget;

namespace platform_detail {

// The parent's top-level window; without a parent the active window, or
// the shown main window when none is active (null when neither is there).
// A menu, tip or tool window stands for the window under it; never the
// dialog itself nor the splash screen: the splash closes on its own, and an
// owned dialog would go with it. The desktop as the parent
// (CWnd::GetDesktopWindow) gives no owner.
QWidget* DialogOwnerWindow(const CWnd* parent, const QWidget* dialog);

}  // namespace platform_detail
