#include "grid/UGDropListType.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"
#include "platform/Seams.h"
#include "platform/ui/DC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"

namespace {
const CUGPtrList::Id kDropListId = {0x5e, 0x1a, 0x30, 0x71, 0x9c, 0x42, 0x4d, 0x11,
                                    0x8a, 0x0b, 0x52, 0x6e, 0xd1, 0x07, 0x33, 0x02};
}  // namespace

std::vector<std::string> UGSplitChoices(const std::string& label) {
  std::vector<std::string> choices;
  size_t start = 0;
  for (size_t pos = label.find('\n'); pos != std::string::npos; pos = label.find('\n', start)) {
    choices.push_back(label.substr(start, pos - start));
    start = pos + 1;
  }
  return choices;
}

CUGDropListType::CUGDropListType() : m_btnWidth(GetSystemMetrics(SM_CXVSCROLL)) { m_canOverflow = false; }

CUGDropListType::~CUGDropListType() { OnCloseList(); }

std::string CUGDropListType::GetTypeName() const { return "DropList"; }

const CUGPtrList::Id* CUGDropListType::GetTypeId() const { return &kDropListId; }

int CUGDropListType::AdjustEditRect(CRect* rect) {
  rect->right -= m_btnWidth + 1;
  return 0;
}

bool CUGDropListType::PointInButton(CRect* rect, CPoint* point) const {
  CRect button(rect->right - m_btnWidth, rect->top, rect->right, rect->bottom);
  return button.PtInRect(*point);
}

BOOL CUGDropListType::OnLClicked(int col, long row, int down, CRect* rect, CPoint* point) {
  if (!down) {
    if (m_btnDown) {
      m_btnDown = false;
      m_ctrl->RedrawCell(col, row);
    }
    return FALSE;
  }
  // In multi-select mode a press with Shift or Ctrl is the grid's.
  if (m_ctrl->m_GI->m_multiSelectFlag != 0 &&
      ((GetKeyState(VK_SHIFT) & 0x8000) || (GetKeyState(VK_CONTROL) & 0x8000))) {
    return FALSE;
  }
  if (!PointInButton(rect, point)) return FALSE;
  if (IsListOpen() && m_openCol == col && m_openRow == row) {
    OnCloseList();
    return TRUE;
  }
  m_btnDown = true;
  m_btnRect = CRect(rect->right - m_btnWidth, rect->top, rect->right, rect->bottom);
  StartDropList(col, row);
  return TRUE;
}

BOOL CUGDropListType::OnDClicked(int col, long row, CRect* rect, CPoint* point) {
  if (!PointInButton(rect, point)) return FALSE;
  StartDropList(col, row);
  return TRUE;
}

BOOL CUGDropListType::OnKeyDown(int col, long row, UINT* key) {
  bool ctrlDown = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  if (*key == VK_RETURN || (*key == VK_DOWN && ctrlDown)) {
    StartDropList(col, row);
    return TRUE;
  }
  return FALSE;
}

BOOL CUGDropListType::OnCharDown(int, long, UINT* key) {
  // Enter and Down are the list's: the grid must not act on them.
  return *key == VK_RETURN || *key == VK_DOWN ? TRUE : FALSE;
}

BOOL CUGDropListType::OnMouseMove(int col, long row, CPoint* point, UINT flags) {
  if (!(flags & MK_LBUTTON) || !m_btnDown) return FALSE;
  bool hot = m_btnRect.PtInRect(*point);
  if (hot != m_btnHot) {
    m_btnHot = hot;
    m_ctrl->RedrawCell(col, row);
  }
  return FALSE;
}

void CUGDropListType::OnKillFocus(int, long, CUGCell*) { OnCloseList(); }

void CUGDropListType::OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                             int current) {
  long ex = cell->GetCellTypeEx();
  bool showButton = !(ex & UGCT_DROPLISTHIDEBUTTON) || current;
  if (!showButton || rect->Width() <= m_btnWidth) {
    CUGCellType::OnDraw(dc, rect, col, row, cell, selected, current);
    return;
  }
  CRect textRect = *rect;
  textRect.right -= m_btnWidth;
  CRect inner;
  DrawBorder(dc, &textRect, &inner, cell);
  DrawText(dc, &inner, 0, col, row, cell, selected, current);

  CRect button(rect->right - m_btnWidth, rect->top, rect->right, rect->bottom);
  dc->FillSolidRect(button, GetSysColor(COLOR_BTNFACE));
  bool pressed = m_btnDown && m_btnHot && m_openCol == col && m_openRow == row;
  CUGCell face;
  face.SetBorder(pressed ? UG_BDR_RECESSED : UG_BDR_RAISED);
  CRect faceInner;
  DrawBorder(dc, &button, &faceInner, &face);
  CPen line(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  CPen* old = dc->SelectObject(&line);
  dc->MoveTo(button.left, button.top);
  dc->LineTo(button.left, button.bottom);
  // The arrow: three lines of 5, 3 and 1 pixels.
  CPen arrow(PS_SOLID, 1, cell->GetReadOnly() ? RGB(0x80, 0x80, 0x80) : RGB(0, 0, 0));
  dc->SelectObject(&arrow);
  int cx = button.left + button.Width() / 2 + (pressed ? 1 : 0);
  int cy = button.top + button.Height() / 2 - 1 + (pressed ? 1 : 0);
  for (int i = 0; i < 3; ++i) {
    dc->MoveTo(cx - 2 + i, cy + i);
    dc->LineTo(cx + 3 - i, cy + i);
  }
  dc->SelectObject(old);
}

void CUGDropListType::GetBestSize(CDC* dc, CSize* size, CUGCell* cell) {
  CUGCellType::GetBestSize(dc, size, cell);
  if (!(cell->GetCellTypeEx() & UGCT_DROPLISTHIDEBUTTON)) size->cx += m_btnWidth;
}

int CUGDropListType::StartDropList(int col, long row) {
  if (IsListOpen()) return UG_ERROR;
  CUGCell cell;
  m_ctrl->GetCellIndirect(col, row, &cell);
  if (cell.GetReadOnly()) return UG_ERROR;
  std::string choices = cell.GetLabel();
  // The owner may change the choices or cancel the opening.
  if (!NotifyGrid(m_ID, col, row, UGCT_DROPLISTSTART, reinterpret_cast<LPARAM>(&choices))) {
    return UG_ERROR;
  }
  m_openCol = col;
  m_openRow = row;
  if (!OpenListWindow(col, row, cell, UGSplitChoices(choices))) {
    m_openCol = -1;
    m_openRow = -1;
    return UG_ERROR;
  }
  m_ctrl->RedrawCell(col, row);
  return UG_SUCCESS;
}

void CUGDropListType::CommitChoice(int index, const std::string& text) {
  int col = m_openCol;
  long row = m_openRow;
  if (col < 0) return;
  m_choiceMade = true;
  CUGCell cell;
  m_ctrl->GetCellIndirect(col, row, &cell);
  if (!cell.GetReadOnly() && index >= 0) {
    NotifyGrid(m_ID, col, row, UGCT_DROPLISTSELECTEX, index);
    std::string chosen = text;
    if (NotifyGrid(m_ID, col, row, UGCT_DROPLISTSELECT, reinterpret_cast<LPARAM>(&chosen))) {
      StoreText(col, row, chosen);
      NotifyGrid(m_ID, col, row, UGCT_DROPLISTPOSTSELECT, reinterpret_cast<LPARAM>(&chosen));
    }
  }
  m_openCol = -1;
  m_openRow = -1;
  m_btnDown = false;
  CloseListWindow();
  if (m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) m_ctrl->m_CUGGrid->SetFocus();
}

void CUGDropListType::OnListGone(bool choiceMade) {
  if (!choiceMade) {
    m_openCol = -1;
    m_openRow = -1;
  }
  m_btnDown = false;
  m_listBox = nullptr;
  if (m_ctrl != nullptr && m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) {
    m_ctrl->m_CUGGrid->Invalidate(FALSE);
  }
}

void CUGDropListType::OnCloseList() {
  m_openCol = -1;
  m_openRow = -1;
  m_btnDown = false;
  CloseListWindow();
}
