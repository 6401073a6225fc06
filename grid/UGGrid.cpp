#include "grid/UGGrid.h"

#include <algorithm>
#include <cstdlib>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "grid/UGHint.h"
#include "grid/UGSideHdg.h"
#include "platform/Seams.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"

namespace {
bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Where the line that sets the locked columns (rows) apart falls in a cell
// spanning [start, end): the far edge of the last locked one, the near edge
// of the first scrolled one after the lock; -1 for any other.
int LockLinePos(long index, long numLock, long firstScrolled, bool inLocked, int start, int end) {
  if (numLock <= 0) return -1;
  if (index == numLock - 1) return end - 1;
  if (!inLocked && index == std::max(firstScrolled, numLock)) return start;
  return -1;
}

void DrawLine(CDC* dc, CPen* pen, int x1, int y1, int x2, int y2) {
  CPen* old = dc->SelectObject(pen);
  dc->MoveTo(x1, y1);
  dc->LineTo(x2, y2);
  dc->SelectObject(old);
}
}  // namespace

CUGGrid::CUGGrid(CUGCtrl* ctrl) : m_ctrl(ctrl), m_tips(this, ctrl, UG_GRID) { m_cell.SetPropertyFlags(0); }

CUGGrid::~CUGGrid() = default;

int CUGGrid::OnCreate() {
  if (m_GI != nullptr && !m_GI->m_enableFlag) EnableWindow(FALSE);
  return CWnd::OnCreate();
}

LRESULT CUGGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CUGGrid::OnEraseBkgnd(CDC*) { return FALSE; }

void CUGGrid::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
  m_ctrl->SendMessage(WM_HSCROLL, MAKEWPARAM(static_cast<int>(code), static_cast<int>(pos)),
                      reinterpret_cast<LPARAM>(bar));
}

void CUGGrid::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  m_ctrl->SendMessage(WM_VSCROLL, MAKEWPARAM(static_cast<int>(code), static_cast<int>(pos)),
                      reinterpret_cast<LPARAM>(bar));
}

// ---- Repainting -------------------------------------------------------------------

void CUGGrid::AddAllCells() {
  m_redrawList.AddRange(0, 0, std::max(m_GI->m_numberCols - 1, 0), std::max(m_GI->m_numberRows - 1, 0L));
}

void CUGGrid::AddCurrentCell(int col, long row) {
  if (col < 0 || row < 0) return;
  if (m_GI->m_highlightRowFlag) {
    m_redrawList.AddRange(0, row, std::max(m_GI->m_numberCols - 1, 0), row);
  } else {
    m_redrawList.AddCell(col, row);
  }
}

void CUGGrid::RedrawCell(int col, long row) {
  m_redrawList.AddCell(col, row);
  ScrollAndRedraw();
}

void CUGGrid::RedrawRange(int startCol, long startRow, int endCol, long endRow) {
  m_redrawList.AddRange(startCol, startRow, endCol, endRow);
  ScrollAndRedraw();
}

void CUGGrid::RedrawRect(const CRect& rect) {
  InvalidateRect(&rect, FALSE);
  UpdateWindow();
}

void CUGGrid::OnPaint() {
  CPaintDC dc(this);
  if (m_GI == nullptr || !m_GI->m_paintMode) return;
  CRect update = dc.m_ps.rcPaint;
  if (update.IsRectEmpty()) {
    AddAllCells();
  } else {
    int startCol = 0, endCol = m_GI->m_numberCols;
    long startRow = 0, endRow = m_GI->m_numberRows;
    int col;
    long row;
    if (m_ctrl->HitTest(update.left, update.top, &col, &row, nullptr) == UG_SUCCESS) {
      startCol = col;
      startRow = row;
    }
    int x = std::min(update.right - 1, m_GI->m_gridWidth - 1);
    int y = std::min(update.bottom - 1, m_GI->m_gridHeight - 1);
    if (m_ctrl->HitTest(x, y, &col, &row, nullptr) == UG_SUCCESS) {
      endCol = col;
      endRow = row;
      int sc = col, ec = col;
      long sr = row, er = row;
      if (m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS) {
        endCol = std::max(endCol, ec);
        endRow = std::max(endRow, er);
      }
    }
    // Locked cells sit left of and above the scrolled ones.
    if (m_GI->m_numLockCols > 0) startCol = std::min(startCol, 0);
    if (m_GI->m_numLockRows > 0) startRow = std::min(startRow, 0L);
    m_redrawList.AddRange(startCol, startRow, endCol, endRow);
    int cc = m_GI->m_currentCol;
    long cr = m_GI->m_currentRow;
    if (cc < startCol || cc > endCol || cr < startRow || cr > endRow) AddCurrentCell(cc, cr);
  }
  PaintCells(&dc);
  m_redrawList.ClearAll();
  bool whole = update.IsRectEmpty() ||
               (update.left <= 0 && update.top <= 0 && update.right >= m_GI->m_gridWidth &&
                update.bottom >= m_GI->m_gridHeight);
  if (whole) {
    RememberShownView();
  } else if (m_shownSheet != m_GI || m_shownTopRow != m_GI->m_topRow || m_shownLeftCol != m_GI->m_leftCol) {
    m_shownSheet = nullptr;  // part painted at another view: no longer one view
  }
}

void CUGGrid::RememberShownView() {
  m_shownSheet = m_GI;
  m_shownTopRow = m_GI->m_topRow;
  m_shownLeftCol = m_GI->m_leftCol;
}

void CUGGrid::PaintCells(CDC* dc) {
  CUGGridInfo* gi = m_GI;
  CFont* oldFont = nullptr;
  bool fontSelected = false;
  if (gi->m_defFont != nullptr) {
    oldFont = dc->SelectObject(gi->m_defFont);
    fontSelected = true;
  }
  m_ctrl->OnPaintDCSetup(dc, nullptr, UG_GRID);
  gi->m_rightCol = gi->m_numberCols;
  gi->m_bottomRow = gi->m_numberRows;
  CPen black(PS_SOLID, 1, RGB(0, 0, 0));

  CRect focusRect;
  bool haveFocusRect = false;
  int lastDrawnRight = 0;
  bool allColumnsDrawn = true;
  bool allRowsDrawn = true;
  int y = 0;
  long r = 0;
  bool inLockedRows = gi->m_numLockRows > 0;
  if (!inLockedRows) r = gi->m_topRow;
  while (r < gi->m_numberRows) {
    int height = m_ctrl->GetRowHeight(r);
    if (height > 0) {
      int x = 0;
      int c = gi->m_numLockCols > 0 ? 0 : gi->m_leftCol;
      bool inLockedCols = gi->m_numLockCols > 0;
      while (c < gi->m_numberCols) {
        int width = m_ctrl->GetColWidth(c);
        if (width > 0) {
          CRect cellRect(x, y, x + width, y + height);
          if (m_redrawList.IsCellInRange(c, r)) {
            int drawCol = c;
            long drawRow = r;
            CRect drawRect = cellRect;
            bool skip = false;
            int sc = c, ec = c;
            long sr = r, er = r;
            if (gi->m_enableJoins && m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS) {
              if (m_redrawList.IsCellInList(sc, sr)) {
                skip = true;
              } else {
                m_redrawList.AddCellToList(sc, sr);
                drawCol = sc;
                drawRow = sr;
                drawRect = CRect(m_ctrl->ColLeft(sc), static_cast<int>(m_ctrl->RowTop(sr)),
                                 m_ctrl->ColLeft(ec) + m_ctrl->GetColWidth(ec),
                                 static_cast<int>(m_ctrl->RowTop(er) + m_ctrl->GetRowHeight(er)));
              }
            }
            if (!skip) {
              m_ctrl->GetCellIndirect(drawCol, drawRow, &m_cell);
              CUGCellType* type = m_ctrl->GetCellType(m_cell.GetCellTypeIndex());
              bool current = (drawCol == gi->m_currentCol && drawRow == gi->m_currentRow) ||
                             (gi->m_highlightRowFlag && drawRow == gi->m_currentRow);
              int selected = 0;
              if (!current && gi->m_multiSelectFlag != 0) {
                int block = -1;
                if (gi->m_multiSelect->IsSelected(drawCol, drawRow, &block)) selected = block + 1;
              }
              int saved = dc->SaveDC();
              type->OnDraw(dc, &drawRect, drawCol, drawRow, &m_cell, selected, current ? 1 : 0);
              dc->RestoreDC(saved);
            }
            // The lines that set the locked part apart.
            int lineX = LockLinePos(c, gi->m_numLockCols, gi->m_leftCol, inLockedCols,
                                    cellRect.left, cellRect.right);
            if (lineX >= 0) DrawLine(dc, &black, lineX, cellRect.top, lineX, cellRect.bottom);
            int lineY = LockLinePos(r, gi->m_numLockRows, gi->m_topRow, inLockedRows,
                                    cellRect.top, cellRect.bottom);
            if (lineY >= 0) DrawLine(dc, &black, cellRect.left, lineY, cellRect.right, lineY);
          }
          if (c == gi->m_currentCol && r == gi->m_currentRow) {
            focusRect = cellRect;
            int sc = c, ec = c;
            long sr = r, er = r;
            if (m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS) {
              focusRect = CRect(m_ctrl->ColLeft(sc), static_cast<int>(m_ctrl->RowTop(sr)),
                                m_ctrl->ColLeft(ec) + m_ctrl->GetColWidth(ec),
                                static_cast<int>(m_ctrl->RowTop(er) + m_ctrl->GetRowHeight(er)));
            }
            haveFocusRect = true;
          }
          x += width;
          lastDrawnRight = std::max(lastDrawnRight, x);
          if (x > gi->m_gridWidth) {
            gi->m_rightCol = c;
            allColumnsDrawn = false;
            break;
          }
        }
        ++c;
        if (inLockedCols && c >= gi->m_numLockCols) {
          inLockedCols = false;
          c = std::max(gi->m_leftCol, gi->m_numLockCols);
        }
      }
      if (gi->m_highlightRowFlag && r == gi->m_currentRow) {
        focusRect = CRect(0, y, lastDrawnRight, y + height);
        haveFocusRect = true;
      }
      y += height;
      if (y > gi->m_gridHeight) {
        gi->m_bottomRow = r;
        allRowsDrawn = false;
        break;
      }
    }
    if (r == gi->m_numberRows - 1) {
      // Past the last row: a data source may add rows on demand.
      long before = gi->m_numberRows;
      int check = UG_SUCCESS;
      m_ctrl->CheckRow(r + 1, &check);
      if (gi->m_numberRows > before) {
        m_redrawList.AddRange(0, before, std::max(gi->m_numberCols - 1, 0), gi->m_numberRows - 1);
      }
    }
    ++r;
    if (inLockedRows && r >= gi->m_numLockRows) {
      inLockedRows = false;
      r = std::max(gi->m_topRow, gi->m_numLockRows);
    }
  }
  COLORREF background = m_ctrl->GetDefaultBackColor(UG_GRID);
  if (allColumnsDrawn && lastDrawnRight < gi->m_gridWidth) {
    dc->FillSolidRect(CRect(lastDrawnRight, 0, gi->m_gridWidth, gi->m_gridHeight), background);
  }
  if (allRowsDrawn && y < gi->m_gridHeight) {
    dc->FillSolidRect(CRect(0, y, gi->m_gridWidth, gi->m_gridHeight), background);
  }
  if (!m_noFocusRect && m_hasFocus && !m_ctrl->IsEditing() && haveFocusRect) {
    m_ctrl->DrawCurrentCellFocus(dc, &focusRect);
  }
  m_noFocusRect = FALSE;
  if (fontSelected) dc->SelectObject(oldFont);
}

void CUGGrid::ScrollAndRedraw() {
  if (!IsWindowCreated() || m_GI == nullptr || !m_GI->m_paintMode) {
    m_redrawList.ClearAll();
    return;
  }
  CUGGridInfo* gi = m_GI;
  CRect pending;
  if (GetUpdateRect(&pending) || gi->m_enableVScrollHints || gi->m_enableHScrollHints) {
    AddAllCells();
    Invalidate(FALSE);
    UpdateWindow();
    m_redrawList.ClearAll();
    return;
  }
  // Scroll from the view the pixels show; without one, from the previous view.
  long fromTop = gi->m_lastTopRow;
  int fromLeft = gi->m_lastLeftCol;
  if (m_shownSheet == gi) {
    fromTop = m_shownTopRow;
    fromLeft = m_shownLeftCol;
  }
  long dx = 0;
  for (int c = fromLeft; c < gi->m_leftCol; ++c) dx += m_ctrl->GetColWidth(c);
  for (int c = gi->m_leftCol; c < fromLeft; ++c) dx -= m_ctrl->GetColWidth(c);
  long dy = 0;
  if (fromTop >= 0) {
    if (gi->m_uniformRowHeightFlag) {
      dy = (gi->m_topRow - fromTop) * static_cast<long>(gi->m_defRowHeight);
    } else {
      for (long r = fromTop; r < gi->m_topRow; ++r) dy += m_ctrl->GetRowHeight(r);
      for (long r = gi->m_topRow; r < fromTop; ++r) dy -= m_ctrl->GetRowHeight(r);
    }
  }
  if (fromLeft < 0) dx = gi->m_gridWidth;
  CClientDC dc(this);
  if (std::labs(dx) >= gi->m_gridWidth || std::labs(dy) >= gi->m_gridHeight) {
    AddAllCells();
  } else if (dx != 0 || dy != 0) {
    // One direction leaves the locked strip across it in place; both at
    // once scroll the whole area (the locked strips are painted again below).
    CRect scroll(0, 0, gi->m_gridWidth, gi->m_gridHeight);
    if (dx == 0) scroll.top = gi->m_lockRowHeight;
    if (dy == 0) scroll.left = gi->m_lockColWidth;
    CRect uncovered;
    dc.ScrollDC(static_cast<int>(-dx), static_cast<int>(-dy), &scroll, &scroll, &uncovered);
    // The cells whose pixels were uncovered (new view coordinates).
    std::vector<int> cols = m_ctrl->ShownColumns();
    std::vector<long> rows = m_ctrl->ShownRows();
    long x = 0;
    for (int c : cols) {
      int w = m_ctrl->GetColWidth(c);
      bool locked = c < gi->m_numLockCols;
      if (!locked && ((dx > 0 && x + w > gi->m_gridWidth - dx) || (dx < 0 && x < gi->m_lockColWidth - dx))) {
        m_redrawList.AddRange(c, 0, c, std::max(gi->m_numberRows - 1, 0L));
      }
      x += w;
    }
    long y = 0;
    for (long r : rows) {
      int h = m_ctrl->GetRowHeight(r);
      bool locked = r < gi->m_numLockRows;
      if (!locked && ((dy > 0 && y + h > gi->m_gridHeight - dy) || (dy < 0 && y < gi->m_lockRowHeight - dy))) {
        m_redrawList.AddRange(0, r, std::max(gi->m_numberCols - 1, 0), r);
      }
      y += h;
    }
    // The black line that sets the locked part apart runs along the first
    // scrolled column (row): it moved away with the old first one's pixels,
    // and the pixels moved in do not hold it. Both are painted again.
    if (dx != 0 && gi->m_numLockCols > 0) {
      for (int first : {std::max(gi->m_leftCol, gi->m_numLockCols), std::max(fromLeft, gi->m_numLockCols)}) {
        m_redrawList.AddRange(first, 0, first, std::max(gi->m_numberRows - 1, 0L));
      }
    }
    if (dy != 0 && gi->m_numLockRows > 0) {
      for (long first : {std::max(gi->m_topRow, gi->m_numLockRows), std::max(fromTop, gi->m_numLockRows)}) {
        m_redrawList.AddRange(0, first, std::max(gi->m_numberCols - 1, 0), first);
      }
    }
    // Both directions at once move the locked strips too: paint them again.
    if (dx != 0 && dy != 0) {
      if (gi->m_numLockRows > 0) m_redrawList.AddRange(0, 0, std::max(gi->m_numberCols - 1, 0), gi->m_numLockRows - 1);
      if (gi->m_numLockCols > 0) m_redrawList.AddRange(0, 0, gi->m_numLockCols - 1, std::max(gi->m_numberRows - 1, 0L));
    }
  }
  AddCurrentCell(gi->m_lastCol, gi->m_lastRow);
  AddCurrentCell(gi->m_currentCol, gi->m_currentRow);
  PaintCells(&dc);
  m_redrawList.ClearAll();
  RememberShownView();
}

// ---- Keyboard -------------------------------------------------------------------------

void CUGGrid::MoveByKey(int col, long row, bool byColumn) {
  int sc = col, ec = col;
  long sr = row, er = row;
  bool inRange = col >= 0 && col < m_GI->m_numberCols && row >= 0 && row < m_GI->m_numberRows;
  if (inRange && m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS) {
    m_ctrl->GotoCell(sc, sr);
  } else if (byColumn) {
    m_ctrl->GotoCol(col);
  } else {
    m_ctrl->GotoRow(row);
  }
}

void CUGGrid::OnKeyDown(UINT key, UINT, UINT) {
  CUGGridInfo* gi = m_GI;
  m_ctrl->SetMoveType(UG_MOVE_KEYBOARD, 0);
  int step = 1;
  if (gi->m_ballisticKeyMode > 0) {
    ++m_keyRepeatCount;
    step = UGBallisticStep(m_keyRepeatCount, gi->m_ballisticKeyMode);
    if (m_keyRepeatCount / gi->m_ballisticKeyMode == 0 && gi->m_ballisticKeyDelay > 0) {
      Sleep(static_cast<DWORD>(gi->m_ballisticKeyDelay));
    }
  }
  int col = gi->m_currentCol;
  long row = gi->m_currentRow;
  BOOL processed = FALSE;
  if (col >= 0 && row >= 0) {
    m_ctrl->GetCellIndirect(col, row, &m_cell);
    processed = m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnKeyDown(col, row, &key);
  }
  m_ctrl->OnKeyDown(&key, processed);
  if (processed) return;
  int sc = gi->m_dragCol, ec = gi->m_dragCol;
  long sr = gi->m_dragRow, er = gi->m_dragRow;
  bool joined = gi->m_dragCol >= 0 && gi->m_dragRow >= 0 &&
                m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS;
  switch (key) {
    case VK_LEFT:
      MoveByKey(gi->m_dragCol - step, gi->m_dragRow, true);
      break;
    case VK_RIGHT:
      MoveByKey((joined ? ec : gi->m_dragCol) + step, gi->m_dragRow, true);
      break;
    case VK_UP:
      MoveByKey(gi->m_dragCol, gi->m_dragRow - step, false);
      break;
    case VK_DOWN:
      MoveByKey(gi->m_dragCol, (joined ? er : gi->m_dragRow) + step, false);
      break;
    case VK_PRIOR:
      m_ctrl->MoveCurrentRow(2);
      break;
    case VK_NEXT:
      m_ctrl->MoveCurrentRow(3);
      break;
    case VK_HOME:
      if (KeyHeld(VK_CONTROL)) {
        m_ctrl->MoveCurrentRow(4);
      } else {
        m_ctrl->MoveCurrentCol(4);
      }
      break;
    case VK_END:
      if (KeyHeld(VK_CONTROL)) {
        m_ctrl->MoveCurrentRow(5);
      } else {
        m_ctrl->MoveCurrentCol(5);
      }
      break;
    default:
      break;
  }
}

void CUGGrid::OnKeyUp(UINT key, UINT, UINT) {
  m_keyRepeatCount = 0;
  int col = m_GI->m_currentCol;
  long row = m_GI->m_currentRow;
  BOOL processed = FALSE;
  if (col >= 0 && row >= 0) {
    m_ctrl->GetCellIndirect(col, row, &m_cell);
    processed = m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnKeyUp(col, row, &key);
  }
  m_ctrl->OnKeyUp(&key, processed);
}

void CUGGrid::OnChar(UINT character, UINT, UINT) {
  int col = m_GI->m_currentCol;
  long row = m_GI->m_currentRow;
  BOOL processed = FALSE;
  if (col >= 0 && row >= 0) {
    m_ctrl->GetCellIndirect(col, row, &m_cell);
    processed = m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnCharDown(col, row, &character);
  }
  m_ctrl->OnCellKey(&character, processed);
}

// ---- Mouse -----------------------------------------------------------------------------

BOOL CUGGrid::ClickAt(UGClick click, int down, bool gotoCell, CPoint* point, int* col, long* row,
                      CRect* rect) {
  if (m_ctrl->HitTest(point->x, point->y, col, row, rect) != UG_SUCCESS) {
    *col = -1;
    *row = -1;
    return FALSE;
  }
  if (gotoCell) m_ctrl->GotoCell(*col, *row);
  m_ctrl->GetCellIndirect(*col, *row, &m_cell);
  return m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnClick(click, *col, *row, down, rect, point);
}

void CUGGrid::OnLButtonDown(UINT flags, CPoint point) {
  HideTip();
  if (!m_hasFocus) SetFocus();
  if (m_ctrl->IsEditing()) return;
  SetCapture();
  m_lButtonDown = true;
  m_ctrl->SetMoveType(UG_MOVE_LBUTTON, flags);
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Left, 1, true, &point, &col, &row, &rect);
  m_cellTypeHandledPress = processed;
  m_pressCol = col;
  m_pressRow = row;
  m_ctrl->OnCellLeftClick(col, row, 1, &rect, &point, processed);
}

void CUGGrid::OnLButtonUp(UINT flags, CPoint point) {
  (void)flags;
  if (!m_lButtonDown) return;
  m_lButtonDown = false;
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Left, 0, false, &point, &col, &row, &rect);
  m_ctrl->OnCellLeftClick(col, row, 0, &rect, &point, processed);
  ReleaseCapture();
  m_GI->m_dragCol = m_GI->m_currentCol;
  m_GI->m_dragRow = m_GI->m_currentRow;
  m_pressCol = -1;
  m_pressRow = -1;
}

void CUGGrid::OnCancelMode() {
  // No button-up will come: the press ends without a click, and a drag
  // (selection, slider) stops where it is.
  if (m_lButtonDown) {
    m_lButtonDown = false;
    m_GI->m_dragCol = m_GI->m_currentCol;
    m_GI->m_dragRow = m_GI->m_currentRow;
    m_pressCol = -1;
    m_pressRow = -1;
  }
  CWnd::OnCancelMode();
}

void CUGGrid::OnLButtonDblClk(UINT, CPoint point) {
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Double, 0, false, &point, &col, &row, &rect);
  m_ctrl->OnCellDoubleClick(col, row, &rect, &point, processed);
}

void CUGGrid::OnRButtonDown(UINT flags, CPoint point) {
  HideTip();
  if (!m_hasFocus) SetFocus();
  if (m_ctrl->IsEditing()) return;
  m_ctrl->SetMoveType(UG_MOVE_RBUTTON, flags);
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Right, 1, true, &point, &col, &row, &rect);
  m_ctrl->OnCellRightClick(col, row, 1, &rect, &point, processed);
  if (m_GI->m_menuEnabled) {
    CPoint screen = point;
    ClientToScreen(&screen);
    m_ctrl->StartPopupMenu(col, row, screen, UG_GRID);
  }
}

void CUGGrid::OnRButtonUp(UINT, CPoint point) {
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Right, 0, false, &point, &col, &row, &rect);
  m_ctrl->OnCellRightClick(col, row, 0, &rect, &point, processed);
}

void CUGGrid::OnMouseMove(UINT flags, CPoint point) {
  if (m_lButtonDown && (flags & MK_LBUTTON)) {
    // The pressed cell's type follows the drag (a slider thumb).
    if (m_pressCol >= 0 && m_pressRow >= 0) {
      m_ctrl->GetCellIndirect(m_pressCol, m_pressRow, &m_cell);
      if (m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnMouseMove(m_pressCol, m_pressRow, &point, flags)) {
        return;
      }
    }
    if (m_GI->m_multiSelectFlag != 0 && !m_ctrl->IsEditing()) {
      int col;
      long row;
      if (m_ctrl->HitTest(point.x, point.y, &col, &row, nullptr) == UG_SUCCESS &&
          (col != m_GI->m_dragCol || row != m_GI->m_dragRow)) {
        m_ctrl->SetMoveType(UG_MOVE_DRAG, flags);
        m_ctrl->GotoCell(col, row);
      }
    }
    return;
  }
  int col;
  long row;
  if (m_ctrl->HitTest(point.x, point.y, &col, &row, nullptr) == UG_SUCCESS) {
    m_ctrl->GetCellIndirect(col, row, &m_cell);
    m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnMouseMove(col, row, &point, flags);
  }
  if (!(flags & (MK_LBUTTON | MK_RBUTTON))) TrackTip(point);
}

// ---- Cell tips ----------------------------------------------------------------------------

void CUGGrid::TrackTip(CPoint point) {
  int col = -1;
  long row = -1;
  CRect rect;
  bool valid = m_ctrl->HitTest(point.x, point.y, &col, &row, &rect) == UG_SUCCESS;
  m_tips.Track(valid, col, row, rect);
}

void CUGGrid::OnTimer(UINT_PTR id) {
  if (!m_tips.OnTimer(id)) CWnd::OnTimer(id);
}

BOOL CUGGrid::OnMouseWheel(UINT, short delta, CPoint) {
  if (m_ctrl->IsEditing()) return TRUE;
  m_ctrl->SetMoveType(UG_MOVE_SCROLL, 0);
  long rows = UGWheelRows(delta, &m_wheelRemainder);
  if (rows != 0) m_ctrl->SetTopRow(m_GI->m_topRow + rows);
  if (m_ctrl->m_CUGSideHdg != nullptr && m_ctrl->m_CUGSideHdg->IsWindowCreated()) {
    m_ctrl->m_CUGSideHdg->Invalidate(FALSE);
  }
  return TRUE;
}

// ---- Focus -------------------------------------------------------------------------------

void CUGGrid::OnSetFocus(CWnd*) {
  m_hasFocus = TRUE;
  m_cellTypeHandledPress = FALSE;
  m_keyRepeatCount = 0;
  m_ctrl->OnFocusGained(UG_GRID);
  AddCurrentCell(m_GI->m_currentCol, m_GI->m_currentRow);
  ScrollAndRedraw();
}

void CUGGrid::OnKillFocus(CWnd* newWnd) {
  m_hasFocus = FALSE;
  HideTip();
  if (newWnd == nullptr) newWnd = CWnd::GetFocus();
  m_ctrl->OnFocusLost(UG_GRID, newWnd);
  AddCurrentCell(m_GI->m_currentCol, m_GI->m_currentRow);
  ScrollAndRedraw();
}
