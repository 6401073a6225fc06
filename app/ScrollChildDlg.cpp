#include "app/ScrollChildDlg.h"

#include <algorithm>

#include "core/VekUtils.h"
#include "platform/ui/Cursors.h"
#include "res/AppResources.h"

CScrollChildDlg::CScrollChildDlg(CWnd* pParent, UINT nPlaceholderId, UINT nTemplateId)
    : CDialog(nTemplateId, pParent) {
  CWnd* placeholder = pParent ? pParent->GetDlgItem(static_cast<int>(nPlaceholderId)) : nullptr;
  if (!placeholder || !Create(nTemplateId, pParent)) return;
  const CRect rect = GetWindowRectInParent(placeholder);
  placeholder->ShowWindow(SW_HIDE);
  SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
}

CScrollChildDlg::~CScrollChildDlg() = default;

void CScrollChildDlg::SetScrollArea(int nLeft, int nTop, int nRight, int nBottom) {
  m_rcArea.SetRect(nLeft, nTop, nRight, nBottom);
  if (IsWindowCreated()) ApplyArea();
}

trend_rules::ScrollSteps CScrollChildDlg::GetSteps() const {
  return trend_rules::ComputeScrollSteps(m_rcArea.Height(), m_nPage);
}

void CScrollChildDlg::ApplyArea() {
  ScrollTo(0);  // the children back where the area's top is
  CRect client;
  GetClientRect(&client);
  m_nPage = client.Height();
  SCROLLINFO info;
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = m_rcArea.Height();
  info.nPage = static_cast<UINT>(std::max(m_nPage, 0));
  info.nPos = 0;
  SetScrollInfo(SB_VERT, &info, TRUE);
  // The bar may have taken its width from the client area: the page is
  // what is left.
  GetClientRect(&client);
  m_nPage = client.Height();
  m_bFirstLayout = false;
}

void CScrollChildDlg::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  ApplyArea();
}

void CScrollChildDlg::ScrollTo(int nPosition) {
  const int target = std::clamp(nPosition, 0, std::max(GetSteps().nRange, 0));
  const int delta = target - m_nPosition;
  if (delta == 0) return;
  m_nPosition = target;
  if (!m_bFirstLayout) SetScrollPos(SB_VERT, m_nPosition, TRUE);
  ScrollWindow(0, -delta);
}

void CScrollChildDlg::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  (void)bar;
  ScrollTo(trend_rules::ScrollPositionAfter(code, static_cast<int>(pos), m_nPosition, GetSteps()));
}

BOOL CScrollChildDlg::OnMouseWheel(UINT flags, short delta, CPoint screenPoint) {
  (void)flags;
  (void)screenPoint;
  ScrollTo(trend_rules::WheelPositionAfter(delta, m_nPosition, GetSteps()));
  return TRUE;
}

void CScrollChildDlg::OnLButtonDown(UINT flags, CPoint point) {
  (void)flags;
  m_ptLastDrag = point;
  SetCapture();
  ::SetCursor(LoadCursor(app_res::IDC_SCROLL_DRAG));
}

void CScrollChildDlg::OnMouseMove(UINT flags, CPoint point) {
  (void)flags;
  if (!IsDragging()) return;
  // The area follows the mouse: dragging down shows what is above.
  ScrollTo(m_nPosition - (point.y - m_ptLastDrag.y));
  m_ptLastDrag = point;
}

void CScrollChildDlg::OnLButtonUp(UINT flags, CPoint point) {
  (void)flags;
  (void)point;
  if (IsDragging()) ReleaseCapture();
}

BOOL CScrollChildDlg::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  if (wnd != this) return CDialog::OnSetCursor(wnd, hitTest, message);
  ::SetCursor(LoadCursor(IsDragging() ? app_res::IDC_SCROLL_DRAG : app_res::IDC_SCROLL_GRAB));
  return TRUE;
}
