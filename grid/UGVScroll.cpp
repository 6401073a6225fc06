#include "grid/UGVScroll.h"

#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "grid/UGHint.h"
#include "grid/UGSideHdg.h"

CUGVScroll::CUGVScroll(CUGCtrl* ctrl) : CUGScrollBar(ctrl, UG_VSCROLL) {}

void CUGVScroll::Update() {
  if (!CanUpdate()) return;
  ApplyScrollInfo(UGVScrollInfo(m_GI->m_topRow, m_GI->m_maxTopRow, m_GI->m_numLockRows,
                                m_GI->m_gridHeight, m_GI->m_defRowHeight, m_GI->m_vScrollMode),
                  m_GI->m_topRow);
}

void CUGVScroll::VScroll(UINT code, UINT pos) {
  if (m_GI == nullptr) return;
  BeginScrollAction();
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
        HideHint();
        m_ctrl->SetTopRow(row);
        break;
      }
      if (mode == 1) m_ctrl->SetTopRow(row);
      std::string text;
      if (m_GI->m_enableVScrollHints && m_ctrl->GetVScrollHintText(row, &text))
        ShowThumbHint(text, UG_HINT_ALIGNRIGHT | UG_HINT_ALIGNVCENTER, false,
                      m_GI->m_vScrollRect.left - 1, 40);
      break;
    }
    case SB_ENDSCROLL:
      HideHint();
      break;
    default:
      break;
  }
  if (m_ctrl->m_CUGSideHdg != nullptr) m_ctrl->m_CUGSideHdg->Repaint();
}
