#include "platform/ui/ScrollBar.h"

#include <QScrollBar>

#include "platform/ui/ScrollBarAdapter.h"

CScrollBar::CScrollBar() = default;
CScrollBar::~CScrollBar() = default;

QWidget* CScrollBar::CreateNativeWidget(QWidget* parent) {
  auto* bar = new QScrollBar((m_dwStyle & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
  m_adapter = new platform_detail::ScrollBarAdapter(bar, [this](UINT code, int pos) { ActAsUser(code, pos); });
  return bar;
}

void CScrollBar::ActAsUser(UINT code, int pos) {
  CWnd* parent = GetParent();
  if (!parent) return;
  const UINT message = (m_dwStyle & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  parent->SendMessage(message, MAKEWPARAM(static_cast<int>(code), pos), reinterpret_cast<LPARAM>(this));
}

BOOL CScrollBar::SetScrollInfo(const SCROLLINFO* info, BOOL) {
  if (!m_adapter || !info || !GetWidget()) return FALSE;
  m_adapter->SetInfo(*info);
  return TRUE;
}

BOOL CScrollBar::GetScrollInfo(SCROLLINFO* info, UINT) const {
  if (!m_adapter || !info || !GetWidget()) return FALSE;
  *info = m_adapter->GetInfo();
  return TRUE;
}

int CScrollBar::SetScrollPos(int pos, BOOL) {
  if (!m_adapter || !GetWidget()) return 0;
  const int old = m_adapter->GetPos();
  m_adapter->SetPos(pos);
  return old;
}

int CScrollBar::GetScrollPos() const { return m_adapter && GetWidget() ? m_adapter->GetPos() : 0; }

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL redraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = minPos;
  info.nMax = maxPos;
  SetScrollInfo(&info, redraw);
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const {
  SCROLLINFO info;
  GetScrollInfo(&info);
  if (minPos) *minPos = info.nMin;
  if (maxPos) *maxPos = info.nMax;
}

int CScrollBar::GetScrollLimit() const {
  SCROLLINFO info;
  if (!GetScrollInfo(&info)) return 0;
  return std::max(info.nMin, info.nPage > 0 ? info.nMax - static_cast<int>(info.nPage) + 1 : info.nMax);
}

BOOL CScrollBar::EnableScrollBar(UINT arrowFlags) {
  if (!GetWidget()) return FALSE;
  GetWidget()->setEnabled(arrowFlags != ESB_DISABLE_BOTH);
  return TRUE;
}

void CScrollBar::ShowScrollBar(BOOL show) { ShowWindow(show ? SW_SHOW : SW_HIDE); }
