// The window that owns a top-level dialog, property sheet or colour dialog
// (platform only). User-interface thread.
#pragma once

class CWnd;
class QWidget;

namespace platform_detail {

// The parent's top-level window; without a parent the active window, or
// the main window when none is active, but never the dialog itself nor the
// splash screen: the splash closes on its own, and an owned dialog would go
// with it. The desktop as the parent (CWnd::GetDesktopWindow) gives no
// owner.
QWidget* DialogOwnerWindow(const CWnd* parent, const QWidget* dialog);

}  // namespace platform_detail
