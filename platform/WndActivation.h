// Internal: the guard that keeps the keyboard and a modal window where the
// operator can reach them, whatever the window manager does (or where none
// runs). One application-wide event filter, installed once per application
// object by the first window made and by the first message box:
//
// - A modal window (a dialog, a property sheet, a message box, the toolkit's
//   own dialogs) that is minimised, by the program or by a window manager
//   (its title bar, a taskbar, a minimise request), is shown again at once:
//   the windows it blocks could otherwise stay on screen, active and dead.
// - A window that a modal window blocks and that is activated anyway (a
//   click on it through a window manager, a window manager's focus rule,
//   the program's own request) hands the activation to the modal window,
//   which is brought back and raised.
// - The toolkit does not take in the window system's activation of a window
//   while a menu is open (the press on another window's menu bar that
//   opened the menu activated that window): when the last menu closes, the
//   window activated meanwhile becomes the toolkit's active window.
// - Alt held with a printable key never types: the key is a mnemonic (the
//   toolkit's shortcuts have taken it before any window sees it) or nothing.
//   This covers every edit, a combo box's edit, painted windows that take
//   characters (the grid and its cell edits) and the input box, in one place.
//
// User-interface thread.
#pragma once

namespace platform_detail {

// Installs the guard on the running application object (once; nothing
// without one).
void InstallWindowGuard();

}  // namespace platform_detail
