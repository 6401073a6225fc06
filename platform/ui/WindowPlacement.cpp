#include "platform/ui/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "platform/Wnd.h"

namespace {

constexpr Qt::WindowStates kNotNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
CRect ToCRect(const QRect& r) { return CRect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height()); }

// The frame around a top-level window as the toolkit knows it, also for a
// window not shown yet (nothing while no window manager has framed it).
QMargins FrameOf(const QWidget* widget) {
  if (const QWindow* window = widget->windowHandle()) return window->frameMargins();
  const QRect frame = widget->frameGeometry();
  const QRect inner = widget->geometry();
  return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                  frame.bottom() - inner.bottom());
}

QMargins Thicker(const QMargins& a, const QMargins& b) {
  return QMargins(std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::max(a.right(), b.right()),
                  std::max(a.bottom(), b.bottom()));
}

// The thickest frame seen on a framed window in its normal state, side by
// side: a window not framed yet expects at least that much.
QMargins& FrameSeen() {
  static QMargins seen;
  return seen;
}

QRect WorkAreaOf(const QWidget* widget) {
  QScreen* screen = widget && widget->screen() ? widget->screen() : QApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QMargins ShownWindowsFrame() {
  QMargins thickest = FrameSeen();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = top->windowType();
    if (top->isVisible() && (type == Qt::Window || type == Qt::Dialog)) thickest = Thicker(thickest, FrameOf(top));
  }
  return thickest;
}

QMargins FrameMarginsOf(const QWidget* widget) {
  const QMargins own = FrameOf(widget);
  if (!(widget->windowState() & kNotNormal) && !own.isNull()) return own;
  return Thicker(own, ShownWindowsFrame());
}

// Whether something frames the program's windows, and so maximises and
// restores them too: a window manager (or the toolkit's own stand-in for
// one). Without it nothing but the program moves a window.
bool WindowsAreFramed(const QWidget* widget) { return !FrameOf(widget).isNull() || !ShownWindowsFrame().isNull(); }

QRect FittedGeometry(const QWidget* widget, const QRect& rect) {
  const QMargins m = FrameMarginsOf(widget);
  return ToQRect(FitWindowRect(ToCRect(rect), ToCRect(WorkAreaOf(widget)),
                               CRect(m.left(), m.top(), m.right(), m.bottom())));
}

// Follows one top-level window (a child object of its widget): the normal
// rectangle, taken from every move and size in the normal state and put
// back when the window leaves the maximised state, and the fitting onto
// the work area whenever the window is shown (again once its first paint
// shows that the window manager has framed it).
class PlacementKeeper : public QObject {
 public:
  explicit PlacementKeeper(QWidget* widget) : QObject(widget), m_widget(widget) {
    if (!(widget->windowState() & kNotNormal)) m_normal = widget->geometry();
    widget->installEventFilter(this);
  }

  static PlacementKeeper* Of(const QWidget* widget) {
    for (QObject* child : widget->children())
      if (auto* keeper = dynamic_cast<PlacementKeeper*>(child)) return keeper;
    return nullptr;
  }
  static PlacementKeeper* Install(QWidget* widget) {
    PlacementKeeper* keeper = Of(widget);
    return keeper ? keeper : new PlacementKeeper(widget);
  }

  QRect Normal() const { return m_normal; }
  void SetNormal(const QRect& rect) { m_normal = rect; }

  // Geometry and state changes made by the placement itself are not the
  // window's own moves.
  class Placing {
   public:
    explicit Placing(PlacementKeeper* keeper) : m_keeper(keeper) {
      if (m_keeper) ++m_keeper->m_placing;
    }
    ~Placing() {
      if (m_keeper) --m_keeper->m_placing;
    }
    Placing(const Placing&) = delete;
    Placing& operator=(const Placing&) = delete;

   private:
    PlacementKeeper* m_keeper;
  };

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != m_widget || m_placing > 0) return false;
    const bool normal = !(m_widget->windowState() & kNotNormal);
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
        if (normal) m_normal = m_widget->geometry();
        break;
      case QEvent::WindowStateChange: {
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if ((old & (Qt::WindowMaximized | Qt::WindowFullScreen)) && normal && m_normal.isValid()) {
          // Back from maximised: to the normal rectangle kept here, once the
          // window manager has done its own restore.
          m_fitOnPaint = true;
          const QRect normalRect = m_normal;  // later moves of the restore must not change it
          QTimer::singleShot(0, this, [this, normalRect] { Place(normalRect); });
        }
        break;
      }
      case QEvent::Show:
        if (normal) {
          Place(m_widget->geometry());
          m_fitOnPaint = true;
        }
        break;
      case QEvent::Paint:
        if (m_fitOnPaint) {
          m_fitOnPaint = false;
          if (normal) {
            FrameSeen() = Thicker(FrameSeen(), FrameOf(m_widget));
            QTimer::singleShot(0, this, [this] {
              if (!(m_widget->windowState() & kNotNormal)) Place(m_widget->geometry());
            });
          }
        }
        break;
      default: break;
    }
    return false;
  }

 private:
  void Place(const QRect& rect) {
    if (!rect.isValid()) return;
    const QRect fitted = FittedGeometry(m_widget, rect);
    if (fitted != m_widget->geometry()) m_widget->setGeometry(fitted);
    m_normal = fitted;
  }

  QWidget* m_widget;  // the parent, which outlives its children
  QRect m_normal;     // the normal rectangle; invalid until known
  int m_placing = 0;
  bool m_fitOnPaint = false;
};

QWidget* TopLevelWidget(const CWnd* pWnd) {
  QWidget* widget = pWnd ? pWnd->GetWidget() : nullptr;
  return widget && widget->isWindow() ? widget : nullptr;
}

}  // namespace

CRect FitWindowRect(const CRect& rect, const CRect& workArea, const CRect& frame, CSize minSize) {
  int w = std::max(rect.Width(), minSize.cx);
  int h = std::max(rect.Height(), minSize.cy);
  if (workArea.IsRectEmpty()) return CRect(rect.left, rect.top, rect.left + w, rect.top + h);
  const CRect inner(workArea.left + frame.left, workArea.top + frame.top, workArea.right - frame.right,
                    workArea.bottom - frame.bottom);
  w = std::min(w, std::max(inner.Width(), minSize.cx));
  h = std::min(h, std::max(inner.Height(), minSize.cy));
  const int x = std::clamp(rect.left, inner.left, std::max(inner.left, inner.right - w));
  const int y = std::clamp(rect.top, inner.top, std::max(inner.top, inner.bottom - h));
  return CRect(x, y, x + w, y + h);
}

CRect GetWorkArea(const CWnd* pWnd) { return ToCRect(WorkAreaOf(pWnd ? pWnd->GetWidget() : nullptr)); }

CRect GetWindowFrameMargins(const CWnd* pWnd) {
  const QWidget* widget = TopLevelWidget(pWnd);
  if (!widget) return CRect();
  const QMargins m = FrameMarginsOf(widget);
  return CRect(m.left(), m.top(), m.right(), m.bottom());
}

void KeepWindowPlacement(CWnd* pWnd) {
  if (QWidget* widget = TopLevelWidget(pWnd)) PlacementKeeper::Install(widget);
}

BOOL GetWindowPlacement(const CWnd* pWnd, WINDOWPLACEMENT* pPlacement) {
  QWidget* widget = TopLevelWidget(pWnd);
  if (!widget || !pPlacement) return FALSE;
  const Qt::WindowStates state = widget->windowState();
  *pPlacement = WINDOWPLACEMENT();
  if (state & Qt::WindowMinimized) {
    pPlacement->showCmd = SW_SHOWMINIMIZED;
    if (state & Qt::WindowMaximized) pPlacement->flags = WPF_RESTORETOMAXIMIZED;
  } else if (state & Qt::WindowMaximized) {
    pPlacement->showCmd = SW_SHOWMAXIMIZED;
  } else {
    pPlacement->showCmd = SW_SHOWNORMAL;
  }
  QRect normal = widget->geometry();
  if (state & kNotNormal) {
    const PlacementKeeper* keeper = PlacementKeeper::Of(widget);
    normal = keeper && keeper->Normal().isValid() ? keeper->Normal() : widget->normalGeometry();
  }
  pPlacement->rcNormalPosition = ToCRect(normal);
  return TRUE;
}

BOOL SetWindowPlacement(CWnd* pWnd, const WINDOWPLACEMENT* pPlacement) {
  QWidget* widget = TopLevelWidget(pWnd);
  if (!widget || !pPlacement) return FALSE;
  PlacementKeeper* keeper = PlacementKeeper::Install(widget);
  const QRect normal = FittedGeometry(widget, ToQRect(pPlacement->rcNormalPosition));
  {
    PlacementKeeper::Placing placing(keeper);
    if (widget->windowState() & kNotNormal) widget->setWindowState(widget->windowState() & ~kNotNormal);
    widget->setGeometry(normal);
    keeper->SetNormal(normal);
  }
  if (pPlacement->showCmd == SW_SHOWMAXIMIZED) {
    if (widget->isVisible()) {
      platform_detail::ShowMaximized(widget);
    } else {
      // The window is made in its normal rectangle, so that a window
      // manager, which maximises it when it is shown, knows where a
      // restore returns to.
      // Without a window manager it is given the work area first (a window
      // given a rectangle after being maximised is no longer maximised).
      PlacementKeeper::Placing placing(keeper);
      if (!WindowsAreFramed(widget)) widget->setGeometry(WorkAreaOf(widget));
      widget->setWindowState(widget->windowState() | Qt::WindowMaximized);
    }
  }
  return TRUE;
}

namespace platform_detail {

void ShowMaximized(QWidget* widget) {
  PlacementKeeper::Placing placing(widget->isWindow() ? PlacementKeeper::Of(widget) : nullptr);
  // Without a window manager (a bare virtual display) a top-level window
  // is not maximised by the hint alone, so it is given the work area first.
  // A window manager is left to do it: a window moved first would be
  // restored to the work area.
  if (widget->isWindow() && !WindowsAreFramed(widget)) widget->setGeometry(WorkAreaOf(widget));
  widget->showMaximized();
}

}  // namespace platform_detail
