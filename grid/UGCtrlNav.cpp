// Moves of the current cell, the top row and the left column, hit testing
// and cell rectangles of the grid control.
#include <algorithm>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "platform/Seams.h"

namespace {

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

// ---- Joins --------------------------------------------------------------------

bool CUGCtrl::GetJoinBlock(int col, long row, int* startCol, long* startRow, int* endCol,
                           long* endRow) {
  if (!m_GI->m_enableJoins || col < 0 || row < 0 || col >= m_GI->m_numberCols ||
      row >= m_GI->m_numberRows) {
    return false;
  }
  CUGCell cell;
  GetCellIndirect(col, row, &cell);
  BOOL origin = FALSE;
  int colOffset = 0;
  long rowOffset = 0;
  if (cell.GetJoinInfo(&origin, &colOffset, &rowOffset) != UG_SUCCESS) return false;
  if (origin) {
    *startCol = col;
    *startRow = row;
    *endCol = col + std::max(colOffset, 0);
    *endRow = row + std::max(rowOffset, 0L);
    return true;
  }
  int sc = col + colOffset;
  long sr = row + rowOffset;
  if (sc < 0 || sr < 0 || sc >= m_GI->m_numberCols || sr >= m_GI->m_numberRows) return false;
  GetCellIndirect(sc, sr, &cell);
  if (cell.GetJoinInfo(&origin, &colOffset, &rowOffset) != UG_SUCCESS || !origin) return false;
  *startCol = sc;
  *startRow = sr;
  *endCol = sc + std::max(colOffset, 0);
  *endRow = sr + std::max(rowOffset, 0L);
  return true;
}

int CUGCtrl::GetJoinStartCell(int* col, long* row) {
  if (col == nullptr || row == nullptr) return UG_ERROR;
  int sc, ec;
  long sr, er;
  if (!GetJoinBlock(*col, *row, &sc, &sr, &ec, &er)) return UG_ERROR;
  *col = sc;
  *row = sr;
  return UG_SUCCESS;
}

int CUGCtrl::GetJoinRange(int* col, long* row, int* endCol, long* endRow) {
  if (col == nullptr || row == nullptr || endCol == nullptr || endRow == nullptr) return UG_ERROR;
  int sc, ec;
  long sr, er;
  if (!GetJoinBlock(*col, *row, &sc, &sr, &ec, &er)) return UG_ERROR;
  *col = sc;
  *row = sr;
  *endCol = ec;
  *endRow = er;
  return UG_SUCCESS;
}

long CUGCtrl::ApplyJoinToRowTarget(int col, long fromRow, long toRow) {
  int sc, ec;
  long sr, er;
  if (!GetJoinBlock(col, toRow, &sc, &sr, &ec, &er)) return toRow;
  if (toRow > fromRow) {
    if (fromRow < sr) return sr;
    if (fromRow <= er) return er + 1 < m_GI->m_numberRows ? er + 1 : fromRow;
  } else if (toRow < fromRow && fromRow <= er) {
    return sr - 1 >= 0 ? sr - 1 : fromRow;
  }
  return toRow;
}

int CUGCtrl::ApplyJoinToColTarget(long row, int fromCol, int toCol) {
  int sc, ec;
  long sr, er;
  if (!GetJoinBlock(toCol, row, &sc, &sr, &ec, &er)) return toCol;
  if (toCol > fromCol) {
    if (fromCol < sc) return sc;
    if (fromCol <= ec) return ec + 1 < m_GI->m_numberCols ? ec + 1 : fromCol;
  } else if (toCol < fromCol && fromCol <= ec) {
    return sc - 1 >= 0 ? sc - 1 : fromCol;
  }
  return toCol;
}

// ---- Row check and visibility --------------------------------------------------

long CUGCtrl::CheckRow(long row, int* result) {
  CUGGridInfo* gi = m_GI;
  *result = UG_SUCCESS;
  if (row >= gi->m_numberRows) {
    long count = gi->m_numberRows;
    long wanted = row - count + 1;
    long added = 0;
    gi->m_defDataSource->AppendRows(count, wanted, &added);
    OnRowsNeeded(count, wanted, added);
    if (row >= m_GI->m_numberRows) {
      if (m_GI->m_dragRow == m_GI->m_numberRows - 1) {
        *result = UG_ERROR;
        return m_GI->m_dragRow;
      }
      row = m_GI->m_numberRows - 1;
    }
  }
  if (row < 0) row = 0;
  return row;
}

void CUGCtrl::MakeRowVisible(long row) {
  CUGGridInfo* gi = m_GI;
  if (row < gi->m_numLockRows) return;
  if (row < gi->m_topRow) {
    gi->m_topRow = row;
  } else if (row >= gi->m_bottomRow) {
    gi->m_topRow = UGTopIndexToShowAtEnd(row, gi->m_gridHeight - gi->m_lockRowHeight,
                                         gi->m_uniformRowHeightFlag != FALSE, gi->m_defRowHeight,
                                         [this](long r) { return GetRowHeight(r); });
  }
  gi->m_topRow = std::max(gi->m_topRow, gi->m_numLockRows);
  CalcBottomRowAndRightCol();
}

void CUGCtrl::MakeColVisible(int col) {
  CUGGridInfo* gi = m_GI;
  if (col < gi->m_numLockCols) return;
  if (col < gi->m_leftCol) {
    gi->m_leftCol = col;
  } else if (col >= gi->m_rightCol) {
    gi->m_leftCol = static_cast<int>(UGTopIndexToShowAtEnd(
        col, gi->m_gridWidth - gi->m_lockColWidth, false, 0,
        [this](long c) { return GetColWidth(static_cast<int>(c)); }));
    gi->m_leftCol = std::min(gi->m_leftCol, std::max(gi->m_maxLeftCol, gi->m_numLockCols));
  }
  gi->m_leftCol = std::max(gi->m_leftCol, gi->m_numLockCols);
  CalcBottomRowAndRightCol();
}

// ---- Moves ---------------------------------------------------------------------------

void CUGCtrl::TellMultiSelectCurrentCell() {
  CUGGridInfo* gi = m_GI;
  if (gi->m_multiSelectFlag == 0 || m_editInProgress) return;
  if (gi->m_moveType != UG_MOVE_KEYBOARD) return;
  if (KeyHeld(VK_SHIFT) || KeyHeld(VK_CONTROL)) return;
  gi->m_multiSelect->OnKeyMove(gi->m_currentCol, gi->m_currentRow);
}

int CUGCtrl::GotoRow(long row) {
  CUGGridInfo* gi = m_GI;
  TellMultiSelectCurrentCell();
  if (row == gi->m_dragRow) return UG_SUCCESS;
  int check = UG_SUCCESS;
  row = CheckRow(row, &check);
  if (check != UG_SUCCESS) return UG_ERROR;
  row = ApplyJoinToRowTarget(gi->m_dragCol, gi->m_dragRow, row);
  if (row == gi->m_dragRow) return UG_SUCCESS;
  if (!CanMoveCell(gi->m_dragCol, gi->m_dragRow, gi->m_dragCol, row)) return UG_REFUSED;
  bool shown = row < gi->m_numLockRows || (row >= gi->m_topRow && row < gi->m_bottomRow);
  if (!shown && !CanMoveView(gi->m_leftCol, gi->m_topRow, gi->m_leftCol, row)) return UG_REFUSED;
  gi->m_dragRow = row;
  MakeRowVisible(row);
  CompleteMove();
  return UG_SUCCESS;
}

int CUGCtrl::GotoCol(int col) {
  CUGGridInfo* gi = m_GI;
  TellMultiSelectCurrentCell();
  if (col == gi->m_dragCol) return UG_SUCCESS;
  if (col >= gi->m_numberCols) {
    if (gi->m_dragCol == gi->m_numberCols - 1) return UG_ERROR;
    col = gi->m_numberCols - 1;
  }
  if (col < 0) col = 0;
  if (gi->m_numberCols == 0) return UG_ERROR;
  col = ApplyJoinToColTarget(gi->m_dragRow, gi->m_dragCol, col);
  if (col == gi->m_dragCol) return UG_SUCCESS;
  if (gi->m_defDataSource->CanMove(gi->m_dragCol, gi->m_dragRow, col, gi->m_dragRow) != 1) {
    return UG_REFUSED;
  }
  if (!CanMoveCell(gi->m_dragCol, gi->m_dragRow, col, gi->m_dragRow)) return UG_REFUSED;
  bool shown = col < gi->m_numLockCols || (col >= gi->m_leftCol && col < gi->m_rightCol);
  if (!shown && !CanMoveView(gi->m_leftCol, gi->m_topRow, col, gi->m_topRow)) return UG_REFUSED;
  gi->m_dragCol = col;
  MakeColVisible(col);
  CompleteMove();
  return UG_SUCCESS;
}

int CUGCtrl::GotoCell(int col, long row) {
  CUGGridInfo* gi = m_GI;
  if (col == gi->m_dragCol && row == gi->m_dragRow && gi->m_multiSelectFlag != 0 &&
      KeyHeld(VK_SHIFT)) {
    gi->m_multiSelect->ExtendBlock(col, row);
    RedrawAll();
    return UG_SUCCESS;
  }
  if (col < 0 || col >= gi->m_numberCols || row < 0) return UG_ERROR;
  if (row >= gi->m_numberRows) {
    int check = UG_SUCCESS;
    row = CheckRow(row, &check);
    if (check != UG_SUCCESS) return UG_ERROR;
  }
  GetJoinStartCell(&col, &row);
  if (gi->m_defDataSource->CanMove(gi->m_dragCol, gi->m_dragRow, col, row) != 1) return UG_REFUSED;
  if (!CanMoveCell(gi->m_dragCol, gi->m_dragRow, col, row)) return UG_REFUSED;
  bool rowShown = row < gi->m_numLockRows || (row >= gi->m_topRow && row < gi->m_bottomRow);
  bool colShown = col < gi->m_numLockCols || (col >= gi->m_leftCol && col < gi->m_rightCol);
  if (!(rowShown && colShown) && !CanMoveView(gi->m_leftCol, gi->m_topRow, col, row)) {
    return UG_REFUSED;
  }
  gi->m_dragCol = col;
  gi->m_dragRow = row;
  MakeColVisible(col);
  MakeRowVisible(row);
  CompleteMove();
  return UG_SUCCESS;
}

int CUGCtrl::SetTopRow(long row) {
  CUGGridInfo* gi = m_GI;
  row = std::clamp(row, gi->m_numLockRows, std::max(gi->m_maxTopRow, gi->m_numLockRows));
  if (row == gi->m_topRow) return UG_SUCCESS;
  if (!CanMoveView(gi->m_leftCol, gi->m_topRow, gi->m_leftCol, row)) return UG_REFUSED;
  gi->m_topRow = row;
  CalcBottomRowAndRightCol();
  CompleteMove();
  return UG_SUCCESS;
}

int CUGCtrl::SetLeftCol(int col) {
  CUGGridInfo* gi = m_GI;
  col = std::clamp(col, gi->m_numLockCols, std::max(gi->m_maxLeftCol, gi->m_numLockCols));
  if (col == gi->m_leftCol) return UG_SUCCESS;
  if (!CanMoveView(gi->m_leftCol, gi->m_topRow, col, gi->m_topRow)) return UG_REFUSED;
  gi->m_leftCol = col;
  CalcBottomRowAndRightCol();
  CompleteMove();
  return UG_SUCCESS;
}

int CUGCtrl::MoveCurrentRow(int code) {
  CUGGridInfo* gi = m_GI;
  int page = gi->m_gridHeight - gi->m_lockRowHeight;
  auto height = [this](long r) {
    return r < 0 || r >= m_GI->m_numberRows ? m_GI->m_defRowHeight : GetRowHeight(r);
  };
  switch (code) {
    case 0: return GotoRow(gi->m_dragRow - 1);
    case 1: return GotoRow(gi->m_dragRow + 1);
    case 2: return GotoRow(UGPageTarget(gi->m_dragRow, false, page, height));
    case 3: return GotoRow(UGPageTarget(gi->m_dragRow, true, page, height));
    case 4: return GotoRow(0);
    case 5: return GotoRow(gi->m_numberRows - 1);
    default: return UG_SUCCESS;
  }
}

int CUGCtrl::MoveCurrentCol(int code) {
  CUGGridInfo* gi = m_GI;
  int page = gi->m_gridWidth - gi->m_lockColWidth;
  auto width = [this](long c) {
    return c < 0 || c >= m_GI->m_numberCols ? m_GI->m_defColWidth : GetColWidth(static_cast<int>(c));
  };
  switch (code) {
    case 0: return GotoCol(gi->m_dragCol - 1);
    case 1: return GotoCol(gi->m_dragCol + 1);
    case 2: return GotoCol(static_cast<int>(UGPageTarget(gi->m_dragCol, false, page, width)));
    case 3: return GotoCol(static_cast<int>(UGPageTarget(gi->m_dragCol, true, page, width)));
    case 4: return GotoCol(0);
    case 5: return GotoCol(gi->m_numberCols - 1);
    default: return UG_SUCCESS;
  }
}

int CUGCtrl::MoveTopRow(int code) {
  CUGGridInfo* gi = m_GI;
  if (gi->m_numberRows <= 0) return UG_ERROR;
  int page = gi->m_gridHeight - gi->m_lockRowHeight;
  auto height = [this](long r) {
    return r < 0 || r >= m_GI->m_numberRows ? m_GI->m_defRowHeight : GetRowHeight(r);
  };
  long row = gi->m_topRow;
  switch (code) {
    case 0:
      do { --row; } while (row > gi->m_numLockRows && GetRowHeight(row) == 0);
      return SetTopRow(row);
    case 1:
      do { ++row; } while (row < gi->m_maxTopRow && GetRowHeight(row) == 0);
      return SetTopRow(row);
    case 2: return SetTopRow(UGPageTarget(row, false, page, height));
    case 3: return SetTopRow(UGPageTarget(row, true, page, height));
    case 4: return SetTopRow(0);
    case 5: return SetTopRow(gi->m_maxTopRow);
    default: return UG_SUCCESS;
  }
}

int CUGCtrl::MoveLeftCol(int code) {
  CUGGridInfo* gi = m_GI;
  if (gi->m_numberCols <= 0) return UG_ERROR;
  int page = gi->m_gridWidth - gi->m_lockColWidth;
  auto width = [this](long c) {
    return c < 0 || c >= m_GI->m_numberCols ? m_GI->m_defColWidth : GetColWidth(static_cast<int>(c));
  };
  int col = gi->m_leftCol;
  switch (code) {
    case 0:
      do { --col; } while (col > gi->m_numLockCols && GetColWidth(col) == 0);
      return SetLeftCol(col);
    case 1:
      do { ++col; } while (col < gi->m_maxLeftCol && GetColWidth(col) == 0);
      return SetLeftCol(col);
    case 2: return SetLeftCol(static_cast<int>(UGPageTarget(col, false, page, width)));
    case 3: return SetLeftCol(static_cast<int>(UGPageTarget(col, true, page, width)));
    case 4: return SetLeftCol(0);
    case 5: return SetLeftCol(gi->m_maxLeftCol);
    default: return UG_SUCCESS;
  }
}

void CUGCtrl::CompleteMove() {
  CUGGridInfo* gi = m_GI;
  if (gi->m_multiSelectFlag != 0 && !m_editInProgress) {
    CUGMultiSelect* select = gi->m_multiSelect.get();
    switch (gi->m_moveType) {
      case UG_MOVE_KEYBOARD: select->OnKeyMove(gi->m_dragCol, gi->m_dragRow); break;
      case UG_MOVE_LBUTTON: select->OnClick(gi->m_dragCol, gi->m_dragRow, gi->m_moveFlags); break;
      case UG_MOVE_RBUTTON: select->OnRightClick(gi->m_dragCol, gi->m_dragRow, gi->m_moveFlags); break;
      case UG_MOVE_DRAG: select->OnDragMove(gi->m_dragCol, gi->m_dragRow, gi->m_moveFlags); break;
      default: break;
    }
  }
  gi->m_currentCol = gi->m_dragCol;
  gi->m_currentRow = gi->m_dragRow;

  const int oldCol = gi->m_lastCol;
  const long oldRow = gi->m_lastRow;
  const int oldLeft = gi->m_lastLeftCol;
  const long oldTop = gi->m_lastTopRow;
  const bool colChanged = gi->m_currentCol != oldCol;
  const bool rowChanged = gi->m_currentRow != oldRow;
  if (colChanged) {
    gi->m_defDataSource->OnColChanged(oldCol, gi->m_currentCol);
    OnCurrentColChanged(oldCol, gi->m_currentCol);
  }
  if (rowChanged) {
    gi->m_defDataSource->OnRowChanged(oldRow, gi->m_currentRow);
    OnCurrentRowChanged(oldRow, gi->m_currentRow);
  }
  if (colChanged || rowChanged) {
    OnCurrentCellChanged(oldCol, gi->m_currentCol, oldRow, gi->m_currentRow);
  }
  if (gi->m_leftCol != oldLeft) OnLeftColChanged(oldLeft, gi->m_leftCol);
  if (gi->m_topRow != oldTop) OnTopRowChanged(oldTop, gi->m_topRow);

  if (colChanged || rowChanged) {
    CUGCell cell;
    if (oldCol >= 0 && oldRow >= 0 && oldCol < gi->m_numberCols && oldRow < gi->m_numberRows) {
      GetCellIndirect(oldCol, oldRow, &cell);
      GetCellType(cell.GetCellTypeIndex())->OnKillFocus(oldCol, oldRow, &cell);
    }
    if (gi->m_currentCol >= 0 && gi->m_currentRow >= 0) {
      GetCellIndirect(gi->m_currentCol, gi->m_currentRow, &cell);
      GetCellType(cell.GetCellTypeIndex())->OnSetFocus(gi->m_currentCol, gi->m_currentRow, &cell);
    }
  }
  if (gi->m_paintMode) {
    RefreshAfterMove(oldLeft, oldTop, oldCol, oldRow);
    RefreshScrollBars();
  }
  gi->m_lastTopRow = gi->m_topRow;
  gi->m_lastRow = gi->m_currentRow;
  gi->m_lastLeftCol = gi->m_leftCol;
  gi->m_lastCol = gi->m_currentCol;
  gi->m_moveType = UG_MOVE_KEYBOARD;
  gi->m_moveFlags = 0;
  if (colChanged || rowChanged) NotifyCellTypesOfMove(oldCol, oldRow, rowChanged);
}

void CUGCtrl::NotifyCellTypesOfMove(int oldCol, long oldRow, bool rowChanged) {
  CUGGridInfo* gi = m_GI;
  CUGCell cell;
  auto tell = [&](int col, long row) {
    if (col < 0 || row < 0 || col >= gi->m_numberCols || row >= gi->m_numberRows) return;
    GetCellIndirect(col, row, &cell);
    GetCellType(cell.GetCellTypeIndex())->OnCurrentMoved(col, row, &cell);
  };
  if (rowChanged) {
    for (int col : ShownColumns()) {
      tell(col, oldRow);
      tell(col, gi->m_currentRow);
    }
  } else {
    for (long row : ShownRows()) {
      tell(oldCol, row);
      tell(gi->m_currentCol, row);
    }
  }
  tell(gi->m_currentCol, gi->m_currentRow);
}

// ---- Hit test and rectangles -------------------------------------------------------------

int CUGCtrl::ColLeft(int col) const {
  CUGGridInfo* gi = m_GI;
  if (col < 0) {
    int x = 0;
    for (int c = -gi->m_numberSideHdgCols; c < col; ++c) x += GetColWidth(c);
    return x;
  }
  if (col < gi->m_numLockCols) {
    int x = 0;
    for (int c = 0; c < col; ++c) x += GetColWidth(c);
    return x;
  }
  int x = gi->m_lockColWidth;
  for (int c = gi->m_leftCol; c < col; ++c) x += GetColWidth(c);
  for (int c = col; c < gi->m_leftCol; ++c) x -= GetColWidth(c);
  return x;
}

long CUGCtrl::RowTop(long row) const {
  CUGGridInfo* gi = m_GI;
  if (row < 0) {
    long y = 0;
    for (long r = -gi->m_numberTopHdgRows; r < row; ++r) y += GetRowHeight(r);
    return y;
  }
  if (row < gi->m_numLockRows) {
    long y = 0;
    for (long r = 0; r < row; ++r) y += GetRowHeight(r);
    return y;
  }
  if (gi->m_uniformRowHeightFlag) {
    return gi->m_lockRowHeight + (row - gi->m_topRow) * static_cast<long>(gi->m_defRowHeight);
  }
  long y = gi->m_lockRowHeight;
  for (long r = gi->m_topRow; r < row; ++r) y += GetRowHeight(r);
  for (long r = row; r < gi->m_topRow; ++r) y -= GetRowHeight(r);
  return y;
}

int CUGCtrl::HitTest(int x, int y, int* col, long* row, CRect* rect) {
  CUGGridInfo* gi = m_GI;
  if (x < 0 || y < 0 || x >= gi->m_gridWidth || y >= gi->m_gridHeight) return UG_ERROR;
  int foundCol = -1;
  int left = 0, right = 0;
  int sum = 0;
  auto tryCol = [&](int c) {
    int w = GetColWidth(c);
    if (sum + w > x) {
      foundCol = c;
      left = sum;
      right = sum + w;
      return true;
    }
    sum += w;
    return false;
  };
  for (int c = 0; c < gi->m_numLockCols && c < gi->m_numberCols && foundCol < 0; ++c) tryCol(c);
  for (int c = std::max(gi->m_leftCol, gi->m_numLockCols); c < gi->m_numberCols && foundCol < 0 && sum <= x; ++c) {
    tryCol(c);
  }
  long foundRow = -1;
  long top = 0, bottom = 0;
  long ysum = 0;
  auto tryRow = [&](long r) {
    int h = GetRowHeight(r);
    if (ysum + h > y) {
      foundRow = r;
      top = ysum;
      bottom = ysum + h;
      return true;
    }
    ysum += h;
    return false;
  };
  for (long r = 0; r < gi->m_numLockRows && r < gi->m_numberRows && foundRow < 0; ++r) tryRow(r);
  for (long r = std::max(gi->m_topRow, gi->m_numLockRows); r < gi->m_numberRows && foundRow < 0 && ysum <= y; ++r) {
    tryRow(r);
  }
  if (foundCol < 0 || foundRow < 0) return UG_ERROR;
  if (col) *col = foundCol;
  if (row) *row = foundRow;
  if (rect) *rect = CRect(left, static_cast<int>(top), right, static_cast<int>(bottom));
  int sc, ec;
  long sr, er;
  if (GetJoinBlock(foundCol, foundRow, &sc, &sr, &ec, &er)) {
    if (col) *col = sc;
    if (row) *row = sr;
    if (rect) {
      *rect = CRect(ColLeft(sc), static_cast<int>(RowTop(sr)), ColLeft(ec) + GetColWidth(ec),
                    static_cast<int>(RowTop(er) + GetRowHeight(er)));
    }
  }
  return UG_SUCCESS;
}

int CUGCtrl::GetCellRect(int col, long row, CRect* rect) {
  if (rect == nullptr) return UG_ERROR;
  int sc = col, ec = col;
  long sr = row, er = row;
  if (col >= 0 && row >= 0) GetJoinBlock(col, row, &sc, &sr, &ec, &er);
  rect->left = ColLeft(sc);
  rect->right = ColLeft(ec) + GetColWidth(ec);
  rect->top = static_cast<int>(RowTop(sr));
  rect->bottom = static_cast<int>(RowTop(er) + GetRowHeight(er));
  return UG_SUCCESS;
}

int CUGCtrl::GetRangeRect(int startCol, long startRow, int endCol, long endRow, CRect* rect) {
  if (rect == nullptr) return UG_ERROR;
  CUGGridInfo* gi = m_GI;
  *rect = CRect(-10, -10, gi->m_gridWidth + 10, gi->m_gridHeight + 10);
  auto colOnScreen = [gi](int c) { return c < gi->m_numLockCols || c >= gi->m_leftCol; };
  auto rowOnScreen = [gi](long r) { return r < gi->m_numLockRows || r >= gi->m_topRow; };
  if (colOnScreen(startCol)) {
    int x = ColLeft(startCol);
    if (x >= 0 && x <= gi->m_gridWidth) rect->left = x;
  }
  if (colOnScreen(endCol)) {
    int x = ColLeft(endCol) + GetColWidth(endCol);
    if (x >= 0 && x <= gi->m_gridWidth) rect->right = x;
  }
  if (rowOnScreen(startRow)) {
    long y = RowTop(startRow);
    if (y >= 0 && y <= gi->m_gridHeight) rect->top = static_cast<int>(y);
  }
  if (rowOnScreen(endRow)) {
    long y = RowTop(endRow) + GetRowHeight(endRow);
    if (y >= 0 && y <= gi->m_gridHeight) rect->bottom = static_cast<int>(y);
  }
  return UG_SUCCESS;
}
