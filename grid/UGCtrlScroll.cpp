// The scroll bars, in-cell edits and popup menu of the grid control.
#include "grid/UGCtrl.h"
#include "grid/UGEdit.h"
#include "grid/UGGrid.h"
#include "grid/UGHScroll.h"
#include "grid/UGMaskedEdit.h"
#include "grid/UGTab.h"
#include "grid/UGVScroll.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Menu.h"

void CUGCtrl::CreateScrollAndEditObjects() {
  m_CUGVScroll = new CUGVScroll(this);
  m_CUGHScroll = new CUGHScroll(this);
  m_editCtrlDefault = new CUGEdit;
  m_maskedEditDefault = new CUGMaskedEdit;
  m_editCtrlDefault->SetOwner(this);
  m_maskedEditDefault->SetOwner(this);
}

void CUGCtrl::DestroyScrollAndEditObjects() {
  delete m_CUGVScroll;
  delete m_CUGHScroll;
  delete m_editCtrlDefault;
  delete m_maskedEditDefault;
  m_CUGVScroll = nullptr;
  m_CUGHScroll = nullptr;
  m_editCtrlDefault = nullptr;
  m_maskedEditDefault = nullptr;
}

void CUGCtrl::CreateScrollAndEditWindows() {
  CRect zero(0, 0, 0, 0);
  m_CUGVScroll->Create("", WS_CHILD | WS_VISIBLE | SBS_VERT, zero, this, UG_VSCROLL_ID);
  m_CUGHScroll->Create("", WS_CHILD | WS_VISIBLE | SBS_HORZ, zero, this, UG_HSCROLL_ID);
  m_editCtrlDefault->Create("", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, zero, this, UG_EDIT_ID);
  m_maskedEditDefault->Create("", WS_CHILD | ES_AUTOHSCROLL, zero, this, UG_MASKEDIT_ID);
  if (m_rightToLeft) ApplyLayoutDirection();
}

void CUGCtrl::SyncScrollSheets() {
  if (m_CUGVScroll) m_CUGVScroll->SetSheet(m_GI);
  if (m_CUGHScroll) m_CUGHScroll->SetSheet(m_GI);
}

void CUGCtrl::InitSheetWindows(CUGGridInfo* sheet) {
  sheet->m_editCtrl = m_editCtrlDefault;
  sheet->m_maskedEditCtrl = m_maskedEditDefault;
}

void CUGCtrl::MoveVScroll(const CRect& rect) {
  if (m_CUGVScroll == nullptr || !m_CUGVScroll->IsWindowCreated()) return;
  CRect r = rect;
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  m_CUGVScroll->MoveWindow(r, TRUE);
  m_CUGVScroll->ShowWindow(r.IsRectEmpty() ? SW_HIDE : SW_SHOW);
}

void CUGCtrl::MoveHScroll(const CRect& rect) {
  if (m_CUGHScroll == nullptr || !m_CUGHScroll->IsWindowCreated()) return;
  CRect r = rect;
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  m_CUGHScroll->MoveWindow(r, TRUE);
  m_CUGHScroll->ShowWindow(r.IsRectEmpty() ? SW_HIDE : SW_SHOW);
}

void CUGCtrl::RefreshScrollBars() {
  if (m_CUGVScroll != nullptr) m_CUGVScroll->Update();
  if (m_CUGHScroll != nullptr) m_CUGHScroll->Update();
}

void CUGCtrl::ApplyLayoutDirection() {
  // The platform draws every window left to right: the flag is kept for
  // the owner, and the grid repaints.
}

void CUGCtrl::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (m_CUGHScroll != nullptr && (bar == nullptr || bar == m_CUGHScroll)) {
    m_CUGHScroll->HScroll(code, pos);
    return;
  }
  CWnd::OnHScroll(code, pos, bar);
}

void CUGCtrl::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (m_CUGVScroll != nullptr && (bar == nullptr || bar == m_CUGVScroll)) {
    m_CUGVScroll->VScroll(code, pos);
    return;
  }
  CWnd::OnVScroll(code, pos, bar);
}

int CUGCtrl::StartPopupMenu(int col, long row, CPoint screenPoint, int section) {
  if (!m_GI->m_menuEnabled) return UG_ERROR;
  if (section != UG_TAB) GetJoinStartCell(&col, &row);
  if (!OnMenuStart(col, row, section)) return UG_REFUSED;
  m_menuCol = col;
  m_menuRow = row;
  m_menuSection = section;
  CMenu menu;
  if (!menu.CreatePopupMenu()) return UG_THIRDCHECK;
  for (const auto& [id, text] : m_menuItems) {
    if (id == 0) {
      menu.AppendMenu(MF_SEPARATOR, static_cast<UINT_PTR>(0), std::string());
    } else {
      menu.AppendMenu(MF_STRING, id, text);
    }
  }
  // The chosen item comes back as WM_COMMAND (OnCommand, then OnMenuCommand).
  if (!menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, this)) {
    return UG_THIRDCHECK;
  }
  return UG_SUCCESS;
}
