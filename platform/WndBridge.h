// Internal: the toolkit object behind a CWnd. It receives the window's
// posted messages and timers and translates the widget's events into the
// window's messages.
#pragma once

#include <QObject>

#include "platform/Wnd.h"

class QEvent;
class QTimerEvent;

namespace platform_detail {

class WndBridge : public QObject {
  Q_OBJECT
 public:
  explicit WndBridge(CWnd* owner) : m_owner(owner) {}
  CWnd* Owner() const { return m_owner; }
  void Detach() { m_owner = nullptr; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void timerEvent(QTimerEvent* e) override;

 private:
  // Sends the message through the window's WindowProc; true when the
  // window handled it itself (did not fall back to the toolkit's default).
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  CWnd* m_owner;
};

// Marks a window's event as being delivered (user-interface thread). A
// window destroyed while an event of its own, or of one of its children,
// is on the stack is hidden and detached at once and its toolkit window is
// deleted when the outermost such event returns: the toolkit goes on using
// the widget (passing a key on to the parent, finishing a click) after the
// handler that destroyed it.
class EventScope {
 public:
  explicit EventScope(const QObject* receiver);
  ~EventScope();
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;
};

// A top-level window that is hidden or ends while it has the keyboard
// (or while no window is active) hands the activation to its owner, else
// to the program's shown window. Call it before the window is hidden; a
// modal window, whose owner takes no activation while it is up, once it
// is hidden. User-interface thread.
void HandOverActivation(QWidget* window);

// Installs, once per application object, the guard that ends the mouse
// capture where the operator no longer looks (platform/WndCapture.cpp):
// a top-level window shown or activated while a window of another
// top-level window holds the capture, or a press that lands in another
// top-level window than the one the toolkit delivered it to, sends
// WM_CANCELMODE to the holder and ends the capture; the press then goes
// to the window it landed on. User-interface thread.
void InstallCaptureGuard();
// Sends WM_CANCELMODE to the capture holder and makes sure the capture
// has ended. Nothing when no window holds it.
void CancelCaptureMode();

// The point packed in a mouse message's lParam.
inline CPoint PointFromParam(LPARAM l) {
  return CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(l))),
                static_cast<short>(HIWORD(static_cast<std::uintptr_t>(l))));
}

}  // namespace platform_detail
