#include "platform/WndBridge.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>

#include "platform/ui/Cursors.h"

namespace {

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  UINT flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (mods & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

LPARAM PointParam(const QPoint& p) { return MAKELPARAM(p.x(), p.y()); }


// The virtual key of a toolkit key; 0 when it has none.
UINT VirtualKeyOf(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<UINT>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<UINT>('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    default: return 0;
  }
}

}  // namespace

namespace platform_detail {

WndBridge::Protector::~Protector() {
  if (--m_bridge->m_deliveries == 0 && m_bridge->m_released) m_bridge->deleteLater();
}

void WndBridge::Release() {
  m_owner = nullptr;
  m_released = true;
  if (m_deliveries == 0) deleteLater();
}

bool WndBridge::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* owner = m_owner;
  if (!owner) return false;
  bool saved = owner->m_defaultReached;
  owner->m_defaultReached = false;
  owner->WindowProc(message, wParam, lParam);
  // A window destroyed by its own handler has used the event up.
  if (m_owner != owner) return true;
  const bool handled = !owner->m_defaultReached;
  owner->m_defaultReached = saved;
  return handled;
}

void WndBridge::timerEvent(QTimerEvent* e) {
  if (!m_owner) return;
  const Protector protector(this);
  EventScope scope(m_owner->m_widget);
  for (const auto& [id, qtId] : m_owner->m_timers) {
    if (qtId == e->timerId()) {
      m_owner->WindowProc(WM_TIMER, id, 0);
      return;
    }
  }
}

bool WndBridge::eventFilter(QObject* watched, QEvent* e) {
  if (!m_owner || watched != m_owner->m_widget) return false;
  const Protector protector(this);
  return Translate(e);
}

bool WndBridge::Translate(QEvent* e) {
  switch (e->type()) {
    case QEvent::Paint:
      if (m_owner->UsesSurface()) {
        m_owner->PaintFromSurface(static_cast<QPaintEvent*>(e));
        return true;
      }
      return Dispatch(WM_PAINT, 0, 0);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      auto* me = static_cast<QMouseEvent*>(e);
      // The flags tell the buttons held after the event, as on Windows.
      UINT flags = MouseFlags(me->buttons(), me->modifiers());
      LPARAM point = PointParam(me->position().toPoint());
      bool press = e->type() == QEvent::MouseButtonPress;
      bool dbl = e->type() == QEvent::MouseButtonDblClick;
      UINT msg = 0;
      if (me->button() == Qt::LeftButton)
        msg = dbl ? WM_LBUTTONDBLCLK : (press ? WM_LBUTTONDOWN : WM_LBUTTONUP);
      else if (me->button() == Qt::RightButton)
        msg = dbl ? WM_RBUTTONDBLCLK : (press ? WM_RBUTTONDOWN : WM_RBUTTONUP);
      else if (me->button() == Qt::MiddleButton)
        msg = press || dbl ? WM_MBUTTONDOWN : WM_MBUTTONUP;
      if (!msg) return false;
      return Dispatch(msg, flags, point);
    }
    case QEvent::MouseMove: {
      auto* me = static_cast<QMouseEvent*>(e);
      // The window under the mouse (or holding the capture) chooses the cursor first.
      {
        platform_detail::CursorTargetScope scope(m_owner->m_widget);
        if (!Dispatch(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_owner->m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) &&
            m_owner && m_owner->m_widget)
          m_owner->m_widget->unsetCursor();
      }
      if (!m_owner) return true;
      return Dispatch(WM_MOUSEMOVE, MouseFlags(me->buttons(), me->modifiers()), PointParam(me->position().toPoint()));
    }
    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(e);
      int delta = we->angleDelta().y();
      if (delta == 0) return false;
      UINT flags = MouseFlags(we->buttons(), we->modifiers());
      return Dispatch(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(flags), delta),
                      PointParam(we->globalPosition().toPoint()));
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* ke = static_cast<QKeyEvent*>(e);
      UINT vk = VirtualKeyOf(ke->key());
      bool press = e->type() == QEvent::KeyPress;
      bool handled = false;
      if (vk) handled = Dispatch(press ? WM_KEYDOWN : WM_KEYUP, vk, 1);
      if (press && m_owner && !ke->text().isEmpty()) {
        char32_t ch = ke->text().toUcs4().value(0);
        if (ch >= 0x20 || ch == '\r' || ch == '\b' || ch == 0x1B || ch == '\t')
          handled = Dispatch(WM_CHAR, ch, 1) && (handled || !vk);
      }
      return handled;
    }
    case QEvent::FocusIn:
      Dispatch(WM_SETFOCUS, 0, 0);
      return false;
    case QEvent::FocusOut:
      Dispatch(WM_KILLFOCUS, 0, 0);
      return false;
    case QEvent::Resize: {
      auto* re = static_cast<QResizeEvent*>(e);
      m_owner->ResizeSurface();
      m_owner->LayoutScrollBars();
      QWidget* w = m_owner->m_widget;
      UINT type = w->isMaximized() ? SIZE_MAXIMIZED : (w->isMinimized() ? SIZE_MINIMIZED : SIZE_RESTORED);
      Dispatch(WM_SIZE, type, MAKELPARAM(re->size().width(), re->size().height()));
      return false;
    }
    case QEvent::Move: {
      auto* mv = static_cast<QMoveEvent*>(e);
      Dispatch(WM_MOVE, 0, PointParam(mv->pos()));
      return false;
    }
    case QEvent::Show:
      m_owner->m_visible = true;
      Dispatch(WM_SHOWWINDOW, TRUE, 0);
      return false;
    case QEvent::Hide:
      m_owner->m_visible = false;
      Dispatch(WM_SHOWWINDOW, FALSE, 0);
      return false;
    case QEvent::Close: {
      // The window decides: the default closes (destroys) it. A window
      // whose handler is still running decides once that handler returns.
      e->ignore();
      if (!DeferCloseRequest(m_owner, true)) Dispatch(WM_CLOSE, 0, 0);
      return true;
    }
    case QEvent::ContextMenu: {
      auto* ce = static_cast<QContextMenuEvent*>(e);
      return Dispatch(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_owner->m_hWnd), PointParam(ce->globalPos()));
    }
    default:
      return false;
  }
}

}  // namespace platform_detail
