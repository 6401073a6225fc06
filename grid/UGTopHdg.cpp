#include "grid/UGTopHdg.h"

#include <algorithm>
#include <cstdlib>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGCursors.h"
#include "grid/UGGeometry.h"
#include "grid/UGGrid.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"

namespace {
constexpr UINT_PTR kDragScrollTimer = 1;
constexpr UINT kDragScrollMs = 60;
}  // namespace

CUGTopHdg::CUGTopHdg(CUGCtrl* ctrl) : CUGHeadingWnd(ctrl, UG_TOPHEADING) {}

CUGTopHdg::~CUGTopHdg() = default;

void CUGTopHdg::ScrollAndRedraw() {
  if (m_GI != nullptr && m_GI->m_leftCol != m_GI->m_lastLeftCol) Repaint();
}

int CUGTopHdg::HitTest(CPoint point, int* col, long* row, CRect* rect) {
  CUGGridInfo* gi = m_GI;
  int foundRow = 0;
  int y = 0;
  for (int r = -gi->m_numberTopHdgRows; r < 0; ++r) {
    int h = m_ctrl->GetRowHeight(r);
    if (point.y >= y && point.y < y + h) {
      foundRow = r;
      break;
    }
    y += h;
  }
  if (foundRow == 0) return UG_ERROR;
  int x = 0;
  for (int c : m_ctrl->ShownColumns()) {
    int w = m_ctrl->GetColWidth(c);
    if (point.x >= x && point.x < x + w) {
      if (col) *col = c;
      if (row) *row = foundRow;
      if (rect) *rect = CRect(x, y, x + w, y + m_ctrl->GetRowHeight(foundRow));
      return UG_SUCCESS;
    }
    x += w;
  }
  return UG_ERROR;
}

int CUGTopHdg::GetCellRect(int col, long row, CRect* rect) { return m_ctrl->GetCellRect(col, row, rect); }

void CUGTopHdg::OnPaint() {
  CPaintDC dc(this);
  CUGGridInfo* gi = m_GI;
  if (gi == nullptr || !gi->m_paintMode) return;
  CFont* oldFont = nullptr;
  bool fontSelected = false;
  if (gi->m_defFont != nullptr) {
    oldFont = dc.SelectObject(gi->m_defFont);
    fontSelected = true;
  }
  CRect client;
  GetClientRect(&client);
  CUGRedrawList painted;
  int lastRight = 0;
  int y = 0;
  for (int r = -gi->m_numberTopHdgRows; r < 0; ++r) {
    int h = m_ctrl->GetRowHeight(r);
    if (h <= 0) continue;
    int x = 0;
    for (int c : m_ctrl->ShownColumns()) {
      int w = m_ctrl->GetColWidth(c);
      if (w <= 0) continue;
      PaintCell(&dc, c, r, CRect(x, y, x + w, y + h), &painted);
      x += w;
      lastRight = std::max(lastRight, x);
      if (x > client.Width()) break;
    }
    y += h;
  }
  if (lastRight < client.right) {
    dc.FillSolidRect(CRect(lastRight, 0, client.right, client.bottom), m_ctrl->GetDefaultBackColor(UG_TOPHEADING));
  }
  if (y < client.bottom) {
    dc.FillSolidRect(CRect(0, y, client.right, client.bottom), m_ctrl->GetDefaultBackColor(UG_TOPHEADING));
  }
  if (fontSelected) dc.SelectObject(oldFont);
}

// ---- Sizing lines and drop marker (inverted, so a second drawing erases) ------

void CUGTopHdg::DrawSizingLine(int x) { InvertGridLine(&m_lineX, x, true); }

void CUGTopHdg::DrawDropMarker(int x) { InvertGridLine(&m_markerX, x, true); }

void CUGTopHdg::UpdateDrop(CPoint point) {
  CUGGridInfo* gi = m_GI;
  if (point.x < 0 || point.x >= gi->m_gridWidth) {
    DrawDropMarker(-1);
    int direction = point.x < 0 ? -1 : 1;
    if (direction != m_scrollDirection) {
      m_scrollDirection = direction;
      SetTimer(kDragScrollTimer, kDragScrollMs);
    }
    return;
  }
  if (m_scrollDirection != 0) {
    m_scrollDirection = 0;
    KillTimer(kDragScrollTimer);
  }
  int x = 0;
  for (int c : m_ctrl->ShownColumns()) {
    int w = m_ctrl->GetColWidth(c);
    if (point.x >= x && point.x < x + w) {
      bool rightHalf = point.x >= x + w / 2;
      m_dropPos = std::min(rightHalf ? c + 1 : c, gi->m_numberCols);
      DrawDropMarker(std::max(rightHalf ? x + w - 2 : x, 0));
      return;
    }
    x += w;
  }
}

void CUGTopHdg::OnTimer(UINT_PTR id) {
  if (m_tips.OnTimer(id)) return;
  if (id != kDragScrollTimer) {
    CWnd::OnTimer(id);
    return;
  }
  if (m_dragColumn < 0 || m_scrollDirection == 0) {
    KillTimer(kDragScrollTimer);
    return;
  }
  m_ctrl->SetMoveType(UG_MOVE_SCROLL, 0);
  m_ctrl->MoveLeftCol(m_scrollDirection < 0 ? 0 : 1);
}

void CUGTopHdg::EndColumnDrag() {
  DrawDropMarker(-1);
  if (m_scrollDirection != 0) KillTimer(kDragScrollTimer);
  m_scrollDirection = 0;
  m_dragColumn = -1;
  m_dropPos = -1;
}

// ---- Mouse ------------------------------------------------------------------------------

void CUGTopHdg::OnMouseMove(UINT flags, CPoint point) {
  CUGGridInfo* gi = m_GI;
  if (m_sizing) {
    int delta = (m_armed == Sizing::Column ? point.x : point.y) - m_startPos;
    if (m_armed == Sizing::Column) {
      int col = m_sizeIndex;
      int width = std::max(m_startSize + delta, 0);
      CUGCell cell;
      for (long r : m_ctrl->ShownRows()) {
        m_ctrl->GetCellIndirect(col, r, &cell);
        m_ctrl->GetCellType(cell.GetCellTypeIndex())->OnChangingCellWidth(col, r, &width);
      }
      m_ctrl->OnColumnSizing(col, &width);
      width = std::max(width, 0);
      if (gi->m_userSizingMode == 1) {
        // A line follows the mouse; the cells are laid out when the drag ends.
        gi->m_colInfo[static_cast<size_t>(col)].width = width;
        Repaint();
        DrawSizingLine(std::max(m_ctrl->ColLeft(col) + width - 1, 0));
      } else {
        m_ctrl->SetColWidth(col, width);
        m_ctrl->RedrawAll();
      }
    } else {
      size_t index = static_cast<size_t>(-m_sizeIndex - 1);
      int height = std::max(m_startSize + delta, 0);
      int total = std::max(m_startTotal + delta, 0);
      if (m_ctrl->OnTopHeadingSizing(&total) == 1) {
        gi->m_topHdgHeight = SizeHeadingPart(&gi->m_topHdgHeights, index, height, total);
        m_ctrl->AdjustComponentSizes();
      }
    }
    return;
  }
  if (m_dragColumn >= 0 && (flags & MK_LBUTTON)) {
    UpdateDrop(point);
    return;
  }
  if ((flags & MK_LBUTTON) || gi->m_userSizingMode == 0) return;
  std::vector<int> shown = m_ctrl->ShownColumns();
  std::vector<long> indexes(shown.begin(), shown.end());
  long col = UGSizingCandidate(point.x, indexes, 0, gi->m_numberCols,
                               [this](long c) { return m_ctrl->GetColWidth(static_cast<int>(c)); });
  if (col >= 0 && m_ctrl->CanSizeColumn(static_cast<int>(col))) {
    m_armed = Sizing::Column;
    m_sizeIndex = static_cast<int>(col);
    m_startSize = m_ctrl->GetColWidth(m_sizeIndex);
    m_startPos = point.x;
    UGSetCursor(this, UGCursor::SizeWE);
    return;
  }
  int edge = gi->m_topHdgHeight;
  for (int r = -1; r >= -gi->m_numberTopHdgRows; --r) {
    if (std::abs(point.y - edge) < 3) {
      if (m_ctrl->CanSizeTopHeading()) {
        m_armed = Sizing::Height;
        m_sizeIndex = r;
        m_startSize = m_ctrl->GetRowHeight(r);
        m_startPos = point.y;
        m_startTotal = gi->m_topHdgHeight;
        UGSetCursor(this, UGCursor::SizeNS);
        return;
      }
      break;
    }
    edge -= m_ctrl->GetRowHeight(r);
  }
  m_armed = Sizing::None;
  UGSetCursor(this, UGCursor::Arrow);
  int tipCol = -1;
  long tipRow = -1;
  CRect tipRect;
  bool valid = HitTest(point, &tipCol, &tipRow, &tipRect) == UG_SUCCESS;
  m_tips.Track(valid, tipCol, tipRow, tipRect);
}

void CUGTopHdg::OnLButtonDown(UINT, CPoint point) {
  m_tips.Hide();
  m_buttonDown = true;
  if (m_armed != Sizing::None) {
    m_sizing = true;
    m_startPos = m_armed == Sizing::Column ? point.x : point.y;
    m_startSize = m_armed == Sizing::Column ? m_ctrl->GetColWidth(m_sizeIndex) : m_ctrl->GetRowHeight(m_sizeIndex);
    m_startTotal = m_GI->m_topHdgHeight;
    SetCapture();
    if (m_armed == Sizing::Column && m_GI->m_userSizingMode == 1) {
      DrawSizingLine(std::max(m_ctrl->ColLeft(m_sizeIndex) + m_startSize - 1, 0));
    }
    return;
  }
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = FALSE;
  if (HitTest(point, &col, &row, &rect) == UG_SUCCESS) {
    if (m_GI->m_enableColSwapping && m_ctrl->CanStartColumnDrag(col)) {
      m_dragColumn = col;
      m_dropPos = -1;
      SetCapture();
    }
    processed = TellCellType(UGClick::Left, 1, col, row, &rect, &point);
  } else {
    col = -1;
    row = -1;
  }
  m_ctrl->OnTopHeadingLeftClick(col, row, 1, &rect, &point, processed);
}

void CUGTopHdg::EndSizing() {
  m_sizing = false;
  if (m_armed == Sizing::Column) {
    DrawSizingLine(-1);
    int col = m_sizeIndex;
    int width = m_ctrl->GetColWidth(col);
    CUGCell cell;
    for (long r : m_ctrl->ShownRows()) {
      m_ctrl->GetCellIndirect(col, r, &cell);
      m_ctrl->GetCellType(cell.GetCellTypeIndex())->OnChangedCellWidth(col, r, &width);
    }
    // Storing through SetColWidth tells OnColumnSized, which may change it.
    m_ctrl->SetColWidth(col, width);
  } else {
    int total = m_GI->m_topHdgHeight;
    m_ctrl->OnTopHeadingSized(&total);
    if (total != m_GI->m_topHdgHeight) m_ctrl->SetTopHeadingHeight(std::max(total, 0));
  }
  FinishSizing();
  m_armed = Sizing::None;
}

void CUGTopHdg::OnCancelMode() {
  // No button-up will come: a sizing ends at the size reached, as at a
  // release; a column drag ends without moving the column.
  m_buttonDown = false;
  if (m_sizing) EndSizing();
  else if (m_dragColumn >= 0) EndColumnDrag();
  CUGHeadingWnd::OnCancelMode();
}

void CUGTopHdg::OnLButtonUp(UINT, CPoint point) {
  if (!m_buttonDown) return;
  m_buttonDown = false;
  if (m_sizing) {
    EndSizing();
    return;
  }
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Left, 0, &point, &col, &row, &rect);
  m_ctrl->OnTopHeadingLeftClick(col, row, 0, &rect, &point, processed);
  if (m_dragColumn >= 0 && m_dropPos >= 0) {
    int dragged = m_dragColumn;
    int position = m_dropPos;
    if (position > dragged) --position;
    DrawDropMarker(-1);
    if (m_ctrl->CanDropColumn(dragged, position)) {
      m_ctrl->MoveColumn(dragged, position, TRUE);
      m_ctrl->OnColumnMoved(dragged, position);
      m_ctrl->RedrawAll();
    }
  }
  if (m_dragColumn >= 0) ReleaseCapture();
  EndColumnDrag();
}

void CUGTopHdg::OnLButtonDblClk(UINT, CPoint point) {
  if (m_armed == Sizing::Column && m_GI->m_fitOnDblClick) {
    m_ctrl->BestFitColumns(m_sizeIndex, m_sizeIndex, 20, 1);
    return;
  }
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Double, 0, &point, &col, &row, &rect);
  m_ctrl->OnTopHeadingDoubleClick(col, row, &rect, &point, processed);
}

void CUGTopHdg::OnRButtonDown(UINT, CPoint point) {
  m_tips.Hide();
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Right, 1, &point, &col, &row, &rect);
  m_ctrl->OnTopHeadingRightClick(col, row, 1, &rect, &point, processed);
  if (m_GI->m_menuEnabled) {
    CPoint screen = point;
    ClientToScreen(&screen);
    m_ctrl->StartPopupMenu(col, row, screen, UG_TOPHEADING);
  }
}

void CUGTopHdg::OnRButtonUp(UINT, CPoint point) {
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Right, 0, &point, &col, &row, &rect);
  m_ctrl->OnTopHeadingRightClick(col, row, 0, &rect, &point, processed);
}
