// The scroll bars of a window with WS_HSCROLL / WS_VSCROLL.
#include <QChildEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>
#include <memory>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/ScrollBarAdapter.h"
#include "platform/ui/SysColors.h"

#include "platform/ui/WndScrollBars.h"

using platform_detail::ScrollBarAdapter;
using platform_detail::WndScrollBars;

namespace {

// The square where a window's two scroll bars meet. It belongs to the
// window's frame, as the bars do: painted in the face colour, above the
// window's children, and a press there reaches neither a child nor the
// client area. The window's children share one toolkit parent with the bars,
// so a child made later or brought to the top would cover the bars and this
// square; it keeps the three above every child of the window.
class ScrollCorner : public QWidget {
 public:
  ScrollCorner(QWidget* window, QScrollBar* horz, QScrollBar* vert) : QWidget(window), m_horz(horz), m_vert(vert) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    hide();
    for (QObject* child : window->children()) Watch(child);
    window->installEventFilter(this);
  }

  void KeepOnTop() {
    if (m_horz) m_horz->raise();
    if (m_vert) m_vert->raise();
    raise();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::ChildAdded && watched == parent()) {
      QObject* child = static_cast<QChildEvent*>(e)->child();
      if (Watch(child)) KeepOnTop();
    } else if (e->type() == QEvent::ZOrderChange && watched != parent()) {
      KeepOnTop();
    }
    return false;
  }
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), platform_detail::ToQColor(GetSysColor(COLOR_BTNFACE))); }
  // The square takes the mouse for itself; the wheel goes on to the window.
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }
  void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }

 private:
  // A child window of the window: its restacking is watched. False for the
  // bars, this square and what is not a widget.
  bool Watch(QObject* child) {
    if (!child->isWidgetType() || child == this || child == m_horz || child == m_vert) return false;
    child->installEventFilter(this);
    return true;
  }

  QPointer<QScrollBar> m_horz;
  QPointer<QScrollBar> m_vert;
};

}  // namespace

platform_detail::WndScrollBars* CWnd::EnsureScrollBars() {
  if (!m_widget) return nullptr;
  if (!m_scrollBars) {
    m_scrollBars = std::make_unique<WndScrollBars>();
    for (int bar = SB_HORZ; bar <= SB_VERT; ++bar) {
      auto* qbar = new QScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, m_widget);
      qbar->hide();
      HWND self = m_hWnd;
      const UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
      m_scrollBars->bars[bar] = std::make_unique<ScrollBarAdapter>(qbar, [self, message](UINT code, int pos) {
        SendMessage(self, message, MAKEWPARAM(static_cast<int>(code), pos), 0);
      });
    }
    m_scrollBars->corner =
        new ScrollCorner(m_widget, m_scrollBars->bars[SB_HORZ]->Bar(), m_scrollBars->bars[SB_VERT]->Bar());
    LayoutScrollBars();
  }
  return m_scrollBars.get();
}

CSize CWnd::ScrollBarExtents() const {
  if (!m_scrollBars) return CSize();
  const int w = GetSystemMetrics(SM_CXVSCROLL);
  const int h = GetSystemMetrics(SM_CYHSCROLL);
  return CSize(m_scrollBars->shown[SB_VERT] ? w : 0, m_scrollBars->shown[SB_HORZ] ? h : 0);
}

void CWnd::LayoutScrollBars() {
  if (!m_scrollBars || !m_widget) return;
  WndScrollBars& s = *m_scrollBars;
  const bool styleBar[2] = {(m_dwStyle & WS_HSCROLL) != 0, (m_dwStyle & WS_VSCROLL) != 0};
  for (int bar = SB_HORZ; bar <= SB_VERT; ++bar) {
    ScrollBarAdapter& a = *s.bars[bar];
    const bool disableWhenIdle = (a.GetInfo().fMask & SIF_DISABLENOSCROLL) != 0;
    s.shown[bar] = styleBar[bar] && !s.userHidden[bar] && (s.forced[bar] || !a.NothingToScroll() || disableWhenIdle);
    a.Bar()->setEnabled(!a.NothingToScroll());
  }
  const int w = m_widget->width();
  const int h = m_widget->height();
  const CSize ext = ScrollBarExtents();
  if (s.shown[SB_VERT]) {
    s.bars[SB_VERT]->Bar()->setGeometry(w - ext.cx, 0, ext.cx, h - ext.cy);
    s.bars[SB_VERT]->Bar()->show();
  } else {
    s.bars[SB_VERT]->Bar()->hide();
  }
  if (s.shown[SB_HORZ]) {
    s.bars[SB_HORZ]->Bar()->setGeometry(0, h - ext.cy, w - ext.cx, ext.cy);
    s.bars[SB_HORZ]->Bar()->show();
  } else {
    s.bars[SB_HORZ]->Bar()->hide();
  }
  if (s.shown[SB_HORZ] && s.shown[SB_VERT]) {
    s.corner->setGeometry(w - ext.cx, h - ext.cy, ext.cx, ext.cy);
    s.corner->show();
  } else {
    s.corner->hide();
  }
  static_cast<ScrollCorner*>(s.corner)->KeepOnTop();
}

BOOL CWnd::SetScrollInfo(int bar, const SCROLLINFO* info, BOOL) {
  if (info == nullptr || (bar != SB_HORZ && bar != SB_VERT) || !EnsureScrollBars()) return FALSE;
  m_dwStyle |= bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
  m_scrollBars->bars[bar]->SetInfo(*info);
  m_scrollBars->forced[bar] = false;
  LayoutScrollBars();
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT) const {
  if (info == nullptr || (bar != SB_HORZ && bar != SB_VERT) || !m_scrollBars) return FALSE;
  *info = m_scrollBars->bars[bar]->GetInfo();
  return TRUE;
}

int CWnd::SetScrollPos(int bar, int pos, BOOL) {
  if ((bar != SB_HORZ && bar != SB_VERT) || !EnsureScrollBars()) return 0;
  const int old = m_scrollBars->bars[bar]->GetPos();
  m_scrollBars->bars[bar]->SetPos(pos);
  return old;
}

int CWnd::GetScrollPos(int bar) const {
  if ((bar != SB_HORZ && bar != SB_VERT) || !m_scrollBars) return 0;
  return m_scrollBars->bars[bar]->GetPos();
}

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = minPos;
  info.nMax = maxPos;
  SetScrollInfo(bar, &info, redraw);
}

void CWnd::GetScrollRange(int bar, int* minPos, int* maxPos) const {
  SCROLLINFO info;
  GetScrollInfo(bar, &info);
  if (minPos) *minPos = info.nMin;
  if (maxPos) *maxPos = info.nMax;
}

int CWnd::GetScrollLimit(int bar) const {
  SCROLLINFO info;
  if (!GetScrollInfo(bar, &info)) return 0;
  return std::max(info.nMin, info.nPage > 0 ? info.nMax - static_cast<int>(info.nPage) + 1 : info.nMax);
}

void CWnd::ShowScrollBar(int bar, BOOL show) {
  if (!EnsureScrollBars()) return;
  for (int b = SB_HORZ; b <= SB_VERT; ++b) {
    if (bar == b || bar == SB_BOTH) {
      m_scrollBars->userHidden[b] = !show;
      m_scrollBars->forced[b] = show != FALSE;
      if (show) m_dwStyle |= b == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    }
  }
  LayoutScrollBars();
}

void CWnd::EnableScrollBarCtrl(int bar, BOOL enable) {
  if (!EnsureScrollBars()) return;
  for (int b = SB_HORZ; b <= SB_VERT; ++b)
    if (bar == b || bar == SB_BOTH) m_scrollBars->bars[b]->Bar()->setEnabled(enable != FALSE);
}
