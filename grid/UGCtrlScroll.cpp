// The scroll bars, in-cell edits and popup menu of the grid control.
#include "grid/UGCtrl.h"

void CUGCtrl::CreateScrollAndEditObjects() {}

void CUGCtrl::DestroyScrollAndEditObjects() {}

void CUGCtrl::CreateScrollAndEditWindows() {}

void CUGCtrl::SyncScrollSheets() {}

void CUGCtrl::InitSheetWindows(CUGGridInfo*) {}

void CUGCtrl::MoveVScroll(const CRect&) {}

void CUGCtrl::MoveHScroll(const CRect&) {}

void CUGCtrl::RefreshScrollBars() {}

void CUGCtrl::ApplyLayoutDirection() {}

void CUGCtrl::OnHScroll(UINT code, UINT pos, CScrollBar* bar) { CWnd::OnHScroll(code, pos, bar); }

void CUGCtrl::OnVScroll(UINT code, UINT pos, CScrollBar* bar) { CWnd::OnVScroll(code, pos, bar); }

int CUGCtrl::StartPopupMenu(int col, long row, CPoint, int section) {
  if (!m_GI->m_menuEnabled) return UG_ERROR;
  if (section != UG_TAB) GetJoinStartCell(&col, &row);
  if (!OnMenuStart(col, row, section)) return UG_REFUSED;
  m_menuCol = col;
  m_menuRow = row;
  m_menuSection = section;
  return UG_THIRDCHECK;
}
