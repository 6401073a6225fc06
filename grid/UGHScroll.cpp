#include "grid/UGHScroll.h"

#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "grid/UGGrid.h"
#include "grid/UGHint.h"
#include "grid/UGTopHdg.h"
#include "platform/ui/Cursors.h"

CUGHScroll::CUGHScroll(CUGCtrl* ctrl) : m_ctrl(ctrl) {}

CUGHScroll::~CUGHScroll() = default;

void CUGHScroll::Update() {
  if (m_GI == nullptr || !m_GI->m_paintMode || !IsWindowCreated()) return;
  UGScrollInfo info = UGHScrollInfo(m_GI->m_leftCol, m_GI->m_maxLeftCol, m_GI->m_numLockCols,
                                    m_GI->m_gridWidth, m_GI->m_lockColWidth, m_GI->m_defColWidth);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = info.min;
  si.nMax = info.max;
  si.nPage = static_cast<UINT>(info.page);
  si.nPos = info.pos;
  SetScrollInfo(&si, TRUE);
  if (m_GI->m_leftCol != m_lastLeftCol) {
    int previous = m_lastLeftCol;
    m_lastLeftCol = m_GI->m_leftCol;
    m_ctrl->OnViewScrolled(UG_HSCROLL, previous, m_GI->m_leftCol);
  }
}

void CUGHScroll::HScroll(UINT code, UINT pos) {
  if (m_GI == nullptr) return;
  if (m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) m_ctrl->m_CUGGrid->SetFocus();
  m_ctrl->SetMoveType(UG_MOVE_SCROLL, 0);
  const int position = static_cast<int>(pos);
  switch (code) {
    case SB_LINELEFT: m_ctrl->MoveLeftCol(0); break;
    case SB_LINERIGHT: m_ctrl->MoveLeftCol(1); break;
    case SB_PAGELEFT: m_ctrl->MoveLeftCol(2); break;
    case SB_PAGERIGHT: m_ctrl->MoveLeftCol(3); break;
    case SB_LEFT: m_ctrl->MoveLeftCol(4); break;
    case SB_RIGHT: m_ctrl->MoveLeftCol(5); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      int col = UGHScrollPosToCol(position, m_GI->m_numLockCols);
      if (code == SB_THUMBPOSITION) {
        if (m_ctrl->m_CUGHint != nullptr) m_ctrl->m_CUGHint->Hide();
        m_ctrl->SetLeftCol(col);
        break;
      }
      if (m_GI->m_hScrollMode == 1) m_ctrl->SetLeftCol(col);
      std::string text;
      if (m_GI->m_enableHScrollHints && m_ctrl->GetHScrollHintText(col, &text) && m_ctrl->m_CUGHint != nullptr) {
        CPoint mouse;
        GetCursorPos(&mouse);
        m_ctrl->ScreenToClient(&mouse);
        CUGHint* hint = m_ctrl->m_CUGHint;
        hint->SetAnchor(UG_HINT_ALIGNCENTER | UG_HINT_ALIGNBOTTOM);
        hint->SetText(text, FALSE);
        hint->MoveTo(mouse.x, m_GI->m_hScrollRect.top - 1, 20);
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
}

void CUGHScroll::OnRButtonDown(UINT, CPoint point) {
  if (m_GI == nullptr || !m_GI->m_menuEnabled) return;
  CPoint screen = point;
  ClientToScreen(&screen);
  m_ctrl->StartPopupMenu(-1, -1, screen, UG_HSCROLL);
}
