// A grid for tests: records its notifications and lets a test refuse moves
// or edits. Used without a window (sizes given with SetLayoutSize) or on
// an offscreen window (ShowInParent).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/UGCtrl.h"
#include "grid/UGDropListType.h"

namespace grid_test {

class RecordingGrid : public CUGCtrl {
 public:
  std::vector<std::string> log;
  BOOL allowMoveCell = TRUE;
  BOOL allowMoveView = TRUE;
  BOOL acceptEdit = TRUE;
  BOOL allowContinue = TRUE;
  bool cancelOnEmpty = false;  // OnEditFinish cancels an empty text (as the tag browser)
  CWnd* editWindow = nullptr;  // replaces the edit window when set
  int canMoveViewCalls = 0;
  int rowsNeededCalls = 0;
  int lastSelection[5] = {0, 0, 0, 0, 0};

  // A window-less grid of the size, with painting on.
  void SetUp(int cols, long rows, int width = 400, int height = 300) {
    SetLayoutSize(CSize(width, height));
    EnableRedraw(TRUE);
    SetColCount(cols);
    SetRowCount(rows);
    log.clear();
  }

  void Log(const std::string& entry) { log.push_back(entry); }

  BOOL CanMoveCell(int oldCol, long oldRow, int newCol, long newRow) override {
    Log("CanMoveCell " + std::to_string(oldCol) + "," + std::to_string(oldRow) + "->" +
        std::to_string(newCol) + "," + std::to_string(newRow));
    return allowMoveCell;
  }
  BOOL CanMoveView(int, long, int, long) override {
    ++canMoveViewCalls;
    return allowMoveView;
  }
  void OnRowsNeeded(long, long, long) override { ++rowsNeededCalls; }
  void OnCurrentColChanged(int oldCol, int newCol) override {
    Log("ColChanged " + std::to_string(oldCol) + "->" + std::to_string(newCol));
  }
  void OnCurrentRowChanged(long oldRow, long newRow) override {
    Log("RowChanged " + std::to_string(oldRow) + "->" + std::to_string(newRow));
  }
  void OnCurrentCellChanged(int, int, long, long) override { Log("CellChanged"); }
  void OnLeftColChanged(int, int newCol) override { Log("LeftCol " + std::to_string(newCol)); }
  void OnTopRowChanged(long, long newRow) override { Log("TopRow " + std::to_string(newRow)); }
  void OnSelectionChanged(int c1, long r1, int c2, long r2, int blocks) override {
    lastSelection[0] = c1;
    lastSelection[1] = static_cast<int>(r1);
    lastSelection[2] = c2;
    lastSelection[3] = static_cast<int>(r2);
    lastSelection[4] = blocks;
  }
  void OnCellSet(int col, long row, CUGCell*) override {
    Log("CellSet " + std::to_string(col) + "," + std::to_string(row));
  }
  BOOL OnEditStart(int, long, CWnd** edit) override {
    if (editWindow != nullptr) *edit = editWindow;
    Log("EditStart");
    return TRUE;
  }
  BOOL OnEditFinish(int, long, CWnd*, const std::string& text, BOOL cancelled) override {
    Log("EditFinish " + text + (cancelled ? " cancelled" : ""));
    if (cancelOnEmpty && text.empty()) {
      CancelEdit();
      return TRUE;
    }
    return acceptEdit;
  }
  BOOL OnEditContinue(int, long, int*, long*) override { return allowContinue; }
  void OnTabSelected(int tabId) override { Log("Tab " + std::to_string(tabId)); }
};

// A data source that counts the grid's questions and may add rows.
class CountingSource : public CUGMem {
 public:
  int canMoveCalls = 0;
  int appendCalls = 0;
  long rowsToAdd = 0;
  RecordingGrid* grid = nullptr;
  int CanMove(int, long, int, long) override {
    ++canMoveCalls;
    return 1;
  }
  int AppendRows(long rowCount, long, long* rowsAdded) override {
    ++appendCalls;
    *rowsAdded = rowsToAdd;
    if (rowsToAdd > 0 && grid != nullptr) grid->SetRowCount(rowCount + rowsToAdd);
    return 0;
  }
};

// Records the width a column was sized to and every column move.
class SizingGrid : public RecordingGrid {
 public:
  int sizedCol = -1;
  int sizedWidth = -1;
  void OnColumnSized(int col, int* width) override {
    sizedCol = col;
    sizedWidth = *width;
  }
  void OnColumnMoved(int from, int to) override { Log("Moved " + std::to_string(from) + "->" + std::to_string(to)); }
};

// A grid of a test's own class with cols x rows, at rect (340 by 220 unless
// given) in a shown 500 by 400 parent window. Call it inside
// ASSERT_NO_FATAL_FAILURE: a window that cannot be made ends the test.
inline void ShowInParent(CWnd* parent, CUGCtrl* grid, int cols, long rows, const CRect& rect = CRect(0, 0, 340, 220)) {
  ASSERT_TRUE(parent->Create("parent", 0, CRect(0, 0, 500, 400), nullptr, 0));
  ASSERT_TRUE(grid->CreateGrid(WS_VISIBLE, rect, parent, 1000));
  parent->ShowWindow(SW_SHOW);
  grid->SetColCount(cols);
  grid->SetRowCount(rows);
}

// Makes the cell a drop list offering the choices (one a line) and, when
// given, showing text; the grid's drop-list cell type, which opens it.
inline CUGDropListType* MakeDropListCell(CUGCtrl* grid, int col, long row, const std::string& choices,
                                         const char* text = nullptr) {
  grid->QuickSetCellType(col, row, UGCT_DROPLIST);
  CUGCell cell;
  grid->GetCell(col, row, &cell);
  cell.SetLabel(choices);
  if (text != nullptr) cell.SetText(text);
  grid->SetCell(col, row, &cell);
  return static_cast<CUGDropListType*>(grid->GetCellType(UGCT_DROPLIST));
}

// Rests the mouse on (x, y) of the window, presses the left button there and
// moves to (toX, toY) with the button held; no release.
inline void PressAndMove(CWnd* wnd, int x, int y, int toX, int toY) {
  wnd->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  wnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  wnd->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
}

}  // namespace grid_test
