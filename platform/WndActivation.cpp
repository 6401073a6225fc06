// The guard that keeps the keyboard and a modal window where the operator
// can reach them (platform/WndActivation.h has what it does and why).
#include "platform/WndActivation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// An ordinary top-level window or dialog: not a menu, tip, tool window or
// the splash screen, which neither block nor take the keyboard.
bool IsOrdinaryWindow(const QWidget* widget) {
  if (widget == nullptr || !widget->isWindow()) return false;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog;
}

// True when the window is owner, or owner's owner, of the other one.
bool Owns(const QWidget* owner, const QWidget* window) {
  for (const QWidget* w = window->parentWidget(); w != nullptr; w = w->parentWidget())
    if (w->window() == owner) return true;
  return false;
}

// The modal window that blocks this top-level window; null when none does.
QWidget* ModalWindowBlocking(const QWidget* window) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || window == nullptr || modal == window || Owns(modal, window)) return nullptr;
  // A window-modal dialog blocks only the windows that own it.
  if (modal->windowModality() == Qt::WindowModal && !Owns(window, modal)) return nullptr;
  return modal;
}

bool IsModal(const QWidget* window) { return window->isWindow() && window->windowModality() != Qt::NonModal; }

// Shows a modal window again over the windows it blocks and gives it the
// keyboard. Its minimised state alone is taken off: maximised stays.
void BringModalBack(QWidget* modal) {
  if (modal->isMinimized()) modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
  modal->show();
  modal->raise();
  modal->activateWindow();
}

// Queued: the toolkit is still taking the window manager's change in.
void BringModalBackSoon(QWidget* modal) {
  QTimer::singleShot(0, modal, [window = QPointer<QWidget>(modal)] {
    if (window && window->isVisible() && IsModal(window)) BringModalBack(window);
  });
}

// The top-level widget shown in a toolkit window; null for none.
QWidget* TopLevelOf(const QWindow* window) {
  if (window == nullptr) return nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->windowHandle() == window) return top;
  return nullptr;
}

// The window that the window system activated while a menu was open: the
// toolkit does not take the report in then, and gives the keyboard to the
// menu itself. Null when none was.
QPointer<QWidget> g_activatedUnderMenu;

// Alt with a key that has a printable text: on the system the program's
// windows follow it is a menu key (a mnemonic), never a character. Ctrl+Alt
// is left alone (some keyboards type with it).
bool IsAltCharacter(const QKeyEvent* key) {
  const Qt::KeyboardModifiers mods = key->modifiers();
  if (!(mods & Qt::AltModifier) || (mods & (Qt::ControlModifier | Qt::MetaModifier))) return false;
  const QString text = key->text();
  return !text.isEmpty() && text.at(0).isPrint();
}

class WindowGuard final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (e->type()) {
      case QEvent::WindowStateChange:
        if (IsModal(widget) && widget->isVisible() && widget->isMinimized()) BringModalBackSoon(widget);
        return false;
      case QEvent::WindowActivate:
        if (IsOrdinaryWindow(widget))
          if (QWidget* modal = ModalWindowBlocking(widget)) BringModalBackSoon(modal);
        return false;
      case QEvent::Hide:
        if (widget->windowType() == Qt::Popup && QApplication::activePopupWidget() == nullptr) AlignActiveWindow();
        return false;
      case QEvent::KeyPress:
        // Within an open menu a letter chooses an item.
        return IsAltCharacter(static_cast<QKeyEvent*>(e)) && widget->window()->windowType() != Qt::Popup;
      default: return false;
    }
  }

 private:
  // The last menu has closed: the window the window system activated while
  // it was open becomes the toolkit's active window too.
  static void AlignActiveWindow() {
    QWidget* activated = g_activatedUnderMenu;
    g_activatedUnderMenu = nullptr;
    if (activated == nullptr || !activated->isVisible() || activated == QApplication::activeWindow()) return;
    if (ModalWindowBlocking(activated) != nullptr) return;
    QApplication::setActiveWindow(activated);
  }
};

}  // namespace

void platform_detail::InstallWindowGuard() {
  static QPointer<QObject> guard;  // a child of the application object
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (app == nullptr || guard) return;
  guard = new WindowGuard(app);
  app->installEventFilter(guard);
  QObject::connect(app, &QGuiApplication::focusWindowChanged, guard, [](QWindow* window) {
    QWidget* top = TopLevelOf(window);
    if (QApplication::activePopupWidget() == nullptr) g_activatedUnderMenu = nullptr;
    else if (IsOrdinaryWindow(top)) g_activatedUnderMenu = top;
  });
}
