// The guard that ends the mouse capture where the operator no longer looks.
// While a window holds the capture the toolkit gives it every press,
// wherever the pointer is, and the display server sends every press to the
// holder's top-level window: a hot-tracking button whose click opened a
// window would take the operator's next press on that window, or hand it to
// whatever lies under that point behind the new window. The guard watches
// the application's events: a top-level window shown or activated away
// from the holder, or a balloon or tip shown over the holder, ends the
// capture; a press goes to the top-level window it landed on, a balloon
// or tip included; and the release of a press, and the double-click that
// comes with it, go where the press went, or nowhere once that window has
// gone. So nothing of a click or double-click on a balloon, which closes
// on its press, reaches the control under it.
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/WndBridge.h"

namespace {

bool g_cancelling = false;  // a cancel-mode notice is being delivered

// A press the guard saw: the top-level window that took it (null when it
// was dropped, or once that window has gone), and whether a button is
// still held since.
struct Press {
  bool seen = false;
  bool held = false;
  QPointer<QWidget> taker;
};
Press g_press;          // the last press
Press g_previousPress;  // the one before it: a double-click's first click
const QEvent* g_passed = nullptr;  // the event being passed on by the guard

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
// the window of a native child widget or of no widget. On an X display
// the toolkit gives a tip's window another native handle than its
// widget's: a tip alone is looked up among the top-level widgets.
QWidget* TopLevelOf(QWindow* window) {
  QWidget* widget = QWidget::find(window->winId());
  if (widget != nullptr && widget->isWindow() && widget->windowHandle() == window) return widget;
  if (window->type() != Qt::ToolTip) return nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->windowHandle() == window) return top;
  return nullptr;
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
  // A double-click or a release: it goes where its press went; true when
  // it was passed there (or dropped) instead.
  static bool OnDoubleClick(QWindow* window, QMouseEvent* e);
  static bool OnRelease(QWindow* window, QMouseEvent* e);
  static bool FollowPress(QWindow* window, QMouseEvent* e);
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
  const QEvent* outer = g_passed;
  g_passed = &passed;
  QCoreApplication::sendEvent(target, &passed);
  g_passed = outer;
}

// A window that is there to take an event.
bool IsShownAndFree(const QWidget* window) {
  return window != nullptr && window->isVisible() && window->isEnabled() && !BlockedByModal(window);
}

bool CaptureGuard::eventFilter(QObject* watched, QEvent* e) {
  if (e == g_passed) return false;
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
    case QEvent::MouseButtonRelease:
      if (!watched->isWindowType()) return false;
      return OnRelease(static_cast<QWindow*>(watched), static_cast<QMouseEvent*>(e));
    default: return false;
  }
}

bool CaptureGuard::OnPress(QWindow* window, QMouseEvent* e) {
  g_previousPress = g_press;
  g_press = Press();
  if (QApplication::activePopupWidget() != nullptr) return false;  // an open menu takes every press
  QWidget* receiver = TopLevelOf(window);
  if (receiver == nullptr) return false;
  g_press.seen = g_press.held = true;
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
  // The first click went to a window that has gone since (a balloon that
  // closed on it) or can take nothing now (a box came over it): the
  // second click ends that one, and goes nowhere.
  if (g_previousPress.seen && !IsShownAndFree(g_previousPress.taker)) g_press.taker = nullptr;
  return FollowPress(window, e);
}

bool CaptureGuard::OnRelease(QWindow* window, QMouseEvent* e) {
  const bool passed = FollowPress(window, e);
  if (e->buttons() == Qt::NoButton) g_press.held = false;
  return passed;
}

bool CaptureGuard::FollowPress(QWindow* window, QMouseEvent* e) {
  if (!g_press.held || QApplication::activePopupWidget() != nullptr) return false;
  QWidget* receiver = TopLevelOf(window);
  QWidget* taker = g_press.taker;
  if (receiver == nullptr || receiver == taker) return false;
  // A window that took the capture since the press holds the mouse.
  if (const QWidget* grabber = QWidget::mouseGrabber(); grabber != nullptr && grabber->window() == receiver)
    return false;
  // The window that took the press has closed or can take nothing now: the
  // event goes nowhere, rather than to whatever lies under the point.
  if (IsShownAndFree(taker)) PassTo(taker, e);
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
