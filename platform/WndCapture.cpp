// The guard that ends the mouse capture where the operator no longer looks.
// While a window holds the capture the toolkit gives it every press,
// wherever the pointer is, and the display server sends every press to the
// holder's top-level window: a hot-tracking button whose click opened a
// window would take the operator's next press on that window, or hand it to
// whatever lies under that point behind the new window. The guard watches
// the application's events: a top-level window shown or activated away
// from the holder, or a balloon or tip shown over the holder, ends the
// capture; a press goes to the top-level window it landed on, a balloon
// or tip included, and the double-click of that press follows it, so that
// nothing of a press on a balloon that closed at once reaches the control
// under it. (The toolkit itself drops a release that falls in a window
// that had neither the press nor the capture.)
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/WndBridge.h"

namespace {

bool g_cancelling = false;  // a cancel-mode notice is being delivered

// The last press: the top-level window that took it (null when it was
// dropped, or once that window has gone). The toolkit delivers a
// double-click right after its press, to the window the press was
// delivered to; it goes where the press went, or nowhere.
struct LastPress {
  bool seen = false;
  QPointer<QWidget> taker;
};
LastPress g_press;

// A balloon or tip that takes a press on its body (one made transparent
// for the mouse lets presses through to what lies under it).
bool IsTipWithBody(const QWidget* window) {
  return window->windowType() == Qt::ToolTip && !window->testAttribute(Qt::WA_TransparentForMouseEvents) &&
         !window->windowFlags().testFlag(Qt::WindowTransparentForInput);
}

// A window that takes the mouse from a holder in another window: an
// ordinary window, a dialog, a popup menu, or a balloon or tip with a
// body; not a tool window or the splash screen, which show without taking
// the input.
bool TakesTheMouse(const QWidget* window) {
  const Qt::WindowType type = window->windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Popup || IsTipWithBody(window);
}

// True when a window just shown hides the holder's look or input: any
// window that takes the mouse, and a balloon or tip only where it lies
// over the holder (one elsewhere on the screen leaves a press or drag
// alone).
bool ShownOverHolder(const QWidget* shown, const QWidget* grabber) {
  if (grabber->window() == shown || !TakesTheMouse(shown)) return false;
  if (shown->windowType() != Qt::ToolTip) return true;
  const QRect holder(grabber->mapToGlobal(QPoint(0, 0)), grabber->size());
  return shown->geometry().intersects(holder);
}

// The top-level widget shown in the toolkit window (looked up by its
// native handle, not by a walk over every widget at each press); null for
// the window of a native child widget or of no widget.
QWidget* TopLevelOf(QWindow* window) {
  QWidget* widget = QWidget::find(window->winId());
  return widget != nullptr && widget->isWindow() && widget->windowHandle() == window ? widget : nullptr;
}

// True when a modal window other than this one takes the input.
bool BlockedByModal(const QWidget* window) {
  const QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && modal->window() != window;
}

class CaptureGuard final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // A press delivered to a top-level toolkit window; true when it was
  // passed on to another window (or dropped) instead.
  static bool OnPress(QWindow* window, QMouseEvent* e);
  // A double-click: it goes where its press went; true when it was passed
  // there (or dropped) instead.
  static bool OnDoubleClick(QWindow* window, QMouseEvent* e);
};

// Sends a copy of the mouse event to the top-level window at the same
// screen point.
void PassTo(QWidget* window, QMouseEvent* e) {
  QWindow* target = window->windowHandle();
  if (target == nullptr) return;
  const QPointF local = window->mapFromGlobal(e->globalPosition());
  QMouseEvent passed(e->type(), local, local, e->globalPosition(), e->button(), e->buttons(), e->modifiers(),
                     e->pointingDevice());
  passed.setTimestamp(e->timestamp());
  QCoreApplication::sendEvent(target, &passed);
}

bool CaptureGuard::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate: {
      if (!watched->isWidgetType()) return false;
      auto* shown = static_cast<QWidget*>(watched);
      const QWidget* grabber = QWidget::mouseGrabber();
      if (grabber != nullptr && shown->isWindow() && ShownOverHolder(shown, grabber))
        platform_detail::CancelCaptureMode();
      return false;
    }
    case QEvent::MouseButtonPress:
      if (!watched->isWindowType()) return false;
      return OnPress(static_cast<QWindow*>(watched), static_cast<QMouseEvent*>(e));
    case QEvent::MouseButtonDblClick:
      if (!watched->isWindowType()) return false;
      return OnDoubleClick(static_cast<QWindow*>(watched), static_cast<QMouseEvent*>(e));
    default: return false;
  }
}

bool CaptureGuard::OnPress(QWindow* window, QMouseEvent* e) {
  g_press = LastPress();
  if (QApplication::activePopupWidget() != nullptr) return false;  // an open menu takes every press
  QWidget* receiver = TopLevelOf(window);
  if (receiver == nullptr) return false;
  g_press.seen = true;
  // Where the press landed: the display server gives a press to the
  // grabbing window (also one that has just let go) wherever it falls.
  QWidget* landing = QApplication::topLevelAt(e->globalPosition().toPoint());
  if (landing == nullptr || !landing->isVisible() || !TakesTheMouse(landing)) landing = receiver;
  const QWidget* grabber = QWidget::mouseGrabber();
  if (grabber != nullptr && grabber->window() != landing) platform_detail::CancelCaptureMode();
  if (landing == receiver) {
    g_press.taker = receiver;
    return false;
  }
  // A window that a modal window blocks takes no press.
  if (BlockedByModal(landing) || !landing->isEnabled()) return true;
  g_press.taker = landing;
  PassTo(landing, e);
  return true;
}

bool CaptureGuard::OnDoubleClick(QWindow* window, QMouseEvent* e) {
  if (!g_press.seen || QApplication::activePopupWidget() != nullptr) return false;
  QWidget* receiver = TopLevelOf(window);
  const QPointer<QWidget> taker = g_press.taker;
  if (receiver == nullptr || receiver == taker) return false;
  // The window that took the press has closed (a balloon closes on its
  // press) or can take nothing now: the double-click goes nowhere, rather
  // than to whatever lies under the point.
  if (taker == nullptr || !taker->isVisible() || BlockedByModal(taker) || !taker->isEnabled()) return true;
  PassTo(taker, e);
  return true;
}

}  // namespace

void platform_detail::InstallCaptureGuard() {
  static QPointer<QObject> guard;  // a child of the application object
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || guard) return;
  guard = new CaptureGuard(app);
  app->installEventFilter(guard);
}

void platform_detail::CancelCaptureMode() {
  QWidget* grabber = QWidget::mouseGrabber();
  if (grabber == nullptr || g_cancelling) return;
  g_cancelling = true;
  const QPointer<QWidget> held(grabber);
  // The holder ends its press or drag first; the capture ends in any case.
  if (CWnd* holder = CWnd::FromWidget(grabber)) CWnd::SendMessage(holder->GetSafeHwnd(), WM_CANCELMODE);
  if (held && QWidget::mouseGrabber() == held) held->releaseMouse();
  g_cancelling = false;
}
