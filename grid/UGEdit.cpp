#include "grid/UGEdit.h"

#include <algorithm>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"

CUGEdit::CUGEdit() = default;

CUGEdit::~CUGEdit() = default;

BOOL CUGEdit::OnSetCursor(CWnd*, UINT, UINT) {
  SetCursor(LoadStandardCursor(IDC_IBEAM));
  return TRUE;
}

void CUGEdit::OnTextTyped() {
  if (m_ctrl == nullptr || !m_ctrl->m_GI->m_enableCellOverFlow) return;
  CUGCell cell = m_ctrl->GetEditCell();
  if (!m_ctrl->GetCellType(cell.GetCellTypeIndex())->CellMayOverflow(&cell)) return;
  CUGGridInfo* gi = m_ctrl->m_GI;
  CRect rect;
  GetWindowRect(&rect);
  m_ctrl->ScreenToClient(&rect);
  const CRect area = gi->m_gridRect;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CFont* font = GetFont() != nullptr ? GetFont() : gi->m_defFont;
  if (font != nullptr) dc.SelectObject(font);
  std::string text = GetWindowText() + " X X";
  CRect single(0, 0, 32000, 0);
  dc.DrawText(text, &single, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  // Widen over the following columns as far as the text needs.
  int right = rect.right;
  int col = m_ctrl->GetEditCol() + 1;
  while (right - rect.left < single.Width() && right < area.right && col < gi->m_numberCols) {
    right += m_ctrl->GetColWidth(col++);
  }
  right = std::min(right, area.right);
  // Then grow downward for the lines that do not fit the width.
  CRect wrapped(0, 0, right - rect.left, 0);
  dc.DrawText(text, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  int bottom = std::min(std::max(rect.bottom, rect.top + wrapped.Height() + 4), area.bottom);
  if (right != rect.right || bottom != rect.bottom) MoveWindow(CRect(rect.left, rect.top, right, bottom), TRUE);
}
