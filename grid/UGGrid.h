// CUGGrid: the cell area of the grid control. It paints the shown cells
// through their cell types, keeps the repaint after a move small by
// scrolling the pixels already drawn, and turns mouse, keyboard and wheel
// input into moves and notifications of its control.
// User-interface thread only.
#pragma once

#include "grid/UGCell.h"
#include "grid/UGRedrawList.h"
#include "grid/UGTipTracker.h"
#include "platform/Wnd.h"

class CUGCtrl;
struct CUGGridInfo;
enum class UGClick;

class CUGGrid : public CWnd {
 public:
  explicit CUGGrid(CUGCtrl* ctrl);
  ~CUGGrid() override;

  void SetSheet(CUGGridInfo* sheet) {
    m_GI = sheet;
    m_shownSheet = nullptr;  // the pixels show another sheet (or none yet)
  }
  // Adds to the redraw list and paints now.
  void RedrawCell(int col, long row);
  void RedrawRange(int startCol, long startRow, int endCol, long endRow);
  // Invalidates the rectangle without erasing and paints the listed cells.
  void RedrawRect(const CRect& rect);
  // The repaint after a move: scrolls what it can and paints the rest.
  void ScrollAndRedraw();
  // Paints the cells of the redraw list.
  void PaintCells(CDC* dc);
  // Adds every cell (and the current one) for the next paint.
  void AddAllCells();

  CUGRedrawList m_redrawList;
  BOOL m_hasFocus = FALSE;
  BOOL m_cellTypeHandledPress = FALSE;
  BOOL m_noFocusRect = FALSE;  // suppresses the focus rectangle for one paint
  int m_keyRepeatCount = 0;
  int m_wheelRemainder = 0;  // wheel units not yet worth a row (UGWheelRows)

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int OnCreate() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
  void OnKeyUp(UINT key, UINT repeatCount, UINT flags) override;
  void OnChar(UINT character, UINT repeatCount, UINT flags) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnCancelMode() override;
  BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar) override;
  void OnTimer(UINT_PTR id) override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override;

 private:
  void AddCurrentCell(int col, long row);
  // Hit-tests point (moving the current cell there when gotoCell) and tells
  // the cell under it of the click; col and row are -1 when none is there.
  BOOL ClickAt(UGClick click, int down, bool gotoCell, CPoint* point, int* col, long* row, CRect* rect);
  // Moves by an arrow key: to the join origin through GotoCell, else by column or row.
  void MoveByKey(int col, long row, bool byColumn);
  // Cell tips: shown after the mouse rests 200 ms on one cell.
  void TrackTip(CPoint point);
  void HideTip() { m_tips.Hide(); }

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;
  CUGCell m_cell;  // scratch cell of the paint pass
  bool m_lButtonDown = false;
  int m_pressCol = -1;  // the cell the left button went down on
  long m_pressRow = -1;
  UGTipTracker m_tips;
  // The view (sheet, top row, left column) the window's pixels show; a
  // repaint after a move scrolls from it, so a repaint asked for by a move
  // notification and the move's own one do not scroll the pixels twice.
  const CUGGridInfo* m_shownSheet = nullptr;
  long m_shownTopRow = -1;
  int m_shownLeftCol = -1;
  void RememberShownView();
};
