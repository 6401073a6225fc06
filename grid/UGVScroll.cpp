#include "grid/UGVScroll.h"

#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "grid/UGGrid.h"
#include "grid/UGHint.h"
#include "grid/UGSideHdg.h"
#include "platform/ui/Cursors.h"

CUGVScroll::CUGVScroll(CUGCtrl* ctrl) : m_ctrl(ctrl) {}

CUGVScroll::~CUGVScroll() = default;

void CUGVScroll::Update() {
  if (m_GI == nullptr || !m_GI->m_paintMode || !IsWindowCreated()) return;
  UGScrollInfo info = UGVScrollInfo(m_GI->m_topRow, m_GI->m_maxTopRow, m_GI->m_numLockRows,
                                    m_GI->m_gridHeight, m_GI->m_defRowHeight, m_GI->m_vScrollMode);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = info.min;
  si.nMax = info.max;
  si.nPage = static_cast<UINT>(info.page);
  si.nPos = info.pos;
  SetScrollInfo(&si, TRUE);
  if (m_GI->m_topRow != m_lastTopRow) {
    long previous = m_lastTopRow;
    m_lastTopRow = m_GI->m_topRow;
    m_ctrl->OnViewScrolled(UG_VSCROLL, previous, m_GI->m_topRow);
  }
}

void CUGVScroll::VScroll(UINT code, UINT pos) {
  if (m_GI == nullptr) return;
  if (m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) m_ctrl->m_CUGGrid->SetFocus();
  m_ctrl->SetMoveType(UG_MOVE_SCROLL, 0);
  const int mode = m_GI->m_vScrollMode;
  const int position = static_cast<int>(pos);
  switch (code) {
    case SB_LINEUP: m_ctrl->MoveTopRow(0); break;
    case SB_LINEDOWN: m_ctrl->MoveTopRow(1); break;
    case SB_PAGEUP: m_ctrl->MoveTopRow(2); break;
    case SB_PAGEDOWN: m_ctrl->MoveTopRow(3); break;
    case SB_TOP: m_ctrl->MoveTopRow(4); break;
    case SB_BOTTOM: m_ctrl->MoveTopRow(5); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      if (mode == 2) {
        // The three-position bar: either end moves one row, the thumb returns.
        if (position == 0) m_ctrl->MoveTopRow(0);
        if (position == 2) m_ctrl->MoveTopRow(1);
        SetScrollPos(1, TRUE);
        break;
      }
      long row = UGVScrollPosToRow(position, m_GI->m_maxTopRow, m_GI->m_numLockRows, mode);
      if (code == SB_THUMBPOSITION) {
        if (m_ctrl->m_CUGHint != nullptr) m_ctrl->m_CUGHint->Hide();
        m_ctrl->SetTopRow(row);
        break;
      }
      if (mode == 1) m_ctrl->SetTopRow(row);
      std::string text;
      if (m_GI->m_enableVScrollHints && m_ctrl->GetVScrollHintText(row, &text) && m_ctrl->m_CUGHint != nullptr) {
        CPoint mouse;
        GetCursorPos(&mouse);
        m_ctrl->ScreenToClient(&mouse);
        CUGHint* hint = m_ctrl->m_CUGHint;
        hint->SetAnchor(UG_HINT_ALIGNRIGHT | UG_HINT_ALIGNVCENTER);
        hint->SetText(text, FALSE);
        hint->MoveTo(m_GI->m_vScrollRect.left - 1, mouse.y, 40);
        hint->Show();
      }
      break;
    }
    case SB_ENDSCROLL:
      if (m_ctrl->m_CUGHint != nullptr) m_ctrl->m_CUGHint->Hide();
      break;
    default:
      break;
  }
  if (m_ctrl->m_CUGSideHdg != nullptr) m_ctrl->m_CUGSideHdg->Repaint();
}

void CUGVScroll::OnRButtonDown(UINT, CPoint point) {
  if (m_GI == nullptr || !m_GI->m_menuEnabled) return;
  CPoint screen = point;
  ClientToScreen(&screen);
  m_ctrl->StartPopupMenu(-1, -1, screen, UG_VSCROLL);
}
