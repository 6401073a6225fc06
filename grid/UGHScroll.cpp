#include "grid/UGHScroll.h"

#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "grid/UGHint.h"

CUGHScroll::CUGHScroll(CUGCtrl* ctrl) : CUGScrollBar(ctrl, UG_HSCROLL) {}

void CUGHScroll::Update() {
  if (!CanUpdate()) return;
  ApplyScrollInfo(UGHScrollInfo(m_GI->m_leftCol, m_GI->m_maxLeftCol, m_GI->m_numLockCols,
                                m_GI->m_gridWidth, m_GI->m_lockColWidth, m_GI->m_defColWidth),
                  m_GI->m_leftCol);
}

void CUGHScroll::HScroll(UINT code, UINT pos) {
  if (m_GI == nullptr) return;
  BeginScrollAction();
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
        HideHint();
        m_ctrl->SetLeftCol(col);
        break;
      }
      if (m_GI->m_hScrollMode == 1) m_ctrl->SetLeftCol(col);
      std::string text;
      if (m_GI->m_enableHScrollHints && m_ctrl->GetHScrollHintText(col, &text))
        ShowThumbHint(text, UG_HINT_ALIGNCENTER | UG_HINT_ALIGNBOTTOM, true,
                      m_GI->m_hScrollRect.top - 1, 20);
      break;
    }
    case SB_ENDSCROLL:
      HideHint();
      break;
    default:
      break;
  }
}
