// The guard that ends the mouse capture where the operator no longer looks.
// While a window holds the capture the toolkit gives it every press,
// wherever the pointer is, and the display server sends every press to the
// holder's top-level window: a hot-tracking button whose click opened a
// window would take the operator's next press on that window, or hand it to
// whatever lies under that point behind the new window. The guard watches
// the application's events: a top-level window shown or activated away
// from the holder ends the capture, and a press goes to the top-level
// window it landed on.
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/WndBridge.h"

namespace {

bool g_cancelling = false;  // a cancel-mode notice is being delivered

// A window that takes the mouse from a holder in another window: an
// ordinary window, a dialog or a popup menu; not a tip, a tool window or
// the splash screen, which show without taking the input.
bool TakesTheMouse(const QWidget* window) {
  const Qt::WindowType type = window->windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Popup;
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
};

bool CaptureGuard::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate: {
      if (!watched->isWidgetType()) return false;
      auto* shown = static_cast<QWidget*>(watched);
      const QWidget* grabber = QWidget::mouseGrabber();
      if (grabber != nullptr && shown->isWindow() && TakesTheMouse(shown) && grabber->window() != shown)
        platform_detail::CancelCaptureMode();
      return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (!watched->isWindowType()) return false;
      return OnPress(static_cast<QWindow*>(watched), static_cast<QMouseEvent*>(e));
    default: return false;
  }
}

bool CaptureGuard::OnPress(QWindow* window, QMouseEvent* e) {
  if (QApplication::activePopupWidget() != nullptr) return false;  // an open menu takes every press
  QWidget* receiver = TopLevelOf(window);
  if (receiver == nullptr) return false;
  // Where the press landed: the display server gives a press to the
  // grabbing window (also one that has just let go) wherever it falls.
  QWidget* landing = QApplication::topLevelAt(e->globalPosition().toPoint());
  if (landing == nullptr || !landing->isVisible() || !TakesTheMouse(landing)) landing = receiver;
  const QWidget* grabber = QWidget::mouseGrabber();
  if (grabber != nullptr && grabber->window() != landing) platform_detail::CancelCaptureMode();
  if (landing == receiver) return false;
  // A window that a modal window blocks takes no press.
  if (BlockedByModal(landing) || !landing->isEnabled()) return true;
  QWindow* target = landing->windowHandle();
  if (target == nullptr) return true;
  const QPointF local = landing->mapFromGlobal(e->globalPosition());
  QMouseEvent passed(e->type(), local, local, e->globalPosition(), e->button(), e->buttons(), e->modifiers(),
                     e->pointingDevice());
  passed.setTimestamp(e->timestamp());
  QCoreApplication::sendEvent(target, &passed);
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
