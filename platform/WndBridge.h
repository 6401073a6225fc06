// Internal: the toolkit object behind a CWnd. It receives the window's
// posted messages and timers and translates the widget's events into the
// window's messages.
#pragma once

#include <QObject>
#include <functional>

#include "platform/Wnd.h"

class QEvent;
class QTimerEvent;

namespace platform_detail {

class WndBridge : public QObject {
  Q_OBJECT
 public:
  explicit WndBridge(CWnd* owner) : m_owner(owner) {}
  CWnd* Owner() const { return m_owner; }
  // The window ends: the bridge lets go of it at once, and is deleted once
  // no delivery through it is on the stack. A handler may destroy its
  // window deep inside a nested loop it runs (a menu, a dialog, a box, a
  // drag); the loop then returns into this bridge's delivery.
  void Release();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void timerEvent(QTimerEvent* e) override;

 private:
  // Held for the length of every delivery through the bridge: the guard
  // taken before the handler runs, which keeps the bridge alive until the
  // handler has returned.
  class Protector {
   public:
    explicit Protector(WndBridge* bridge) : m_bridge(bridge) { ++bridge->m_deliveries; }
    ~Protector();
    Protector(const Protector&) = delete;
    Protector& operator=(const Protector&) = delete;

   private:
    WndBridge* m_bridge;
  };

  // Translates one event of the window's widget into its message.
  bool Translate(QEvent* e);
  // Sends the message through the window's WindowProc; true when the
  // window handled it itself (did not fall back to the toolkit's default).
  // The window may be gone afterwards (m_owner is null then).
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  CWnd* m_owner;         // null once the window has ended
  int m_deliveries = 0;  // deliveries through the bridge on the stack
  bool m_released = false;
};

// A nested loop that a handler runs (a popup menu, a modal dialog, a
// message box), registered for the length of its run (user-interface
// thread). A window destroyed or asked to close while an event of its own,
// or of one of its children, is being delivered ends every loop started
// inside that event, innermost first, so the handler returns: end quits
// the loop (close the menu, end the dialog with IDCANCEL, answer the box
// as its close box does) and must be safe to call more than once.
class NestedLoopScope {
 public:
  explicit NestedLoopScope(std::function<void()> end);
  ~NestedLoopScope();
  NestedLoopScope(const NestedLoopScope&) = delete;
  NestedLoopScope& operator=(const NestedLoopScope&) = delete;
};

// A close request (the window manager's, or a posted WM_CLOSE) for a
// window while a handler of that window, or of a window its closing takes
// along (its children and owned windows; every window for the main
// window), is running and so is inside a loop of its own: that handler's
// loops are ended (and a capture in that window cancelled), and the close
// is posted again once the handler's event has returned. True when the
// request was put off so; false when it may be handled now. closeEventOnTop:
// the request is the toolkit's close event, whose own delivery is the
// innermost on the stack. User-interface thread.
bool DeferCloseRequest(CWnd* wnd, bool closeEventOnTop);

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
// to the window it landed on; the release and double-click of a press go
// where the press went (platform/WndCapture.cpp has the rest). Installed
// by the first window made. User-interface thread.
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
