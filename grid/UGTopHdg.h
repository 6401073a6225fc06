// CUGTopHdg: the column heading of the grid control. It paints the heading
// rows through the cell types, reports clicks, and is where columns are
// resized (by their borders), fitted (double-click on a border) and
// dragged to a new place. User-interface thread only.
#pragma once

#include "grid/UGHeadingWnd.h"
#include "grid/UGRedrawList.h"

class CUGTopHdg : public CUGHeadingWnd {
 public:
  explicit CUGTopHdg(CUGCtrl* ctrl);
  ~CUGTopHdg() override;

  // Heading cell under a point (col, heading row); 1 when none.
  int HitTest(CPoint point, int* col, long* row, CRect* rect) override;
  int GetCellRect(int col, long row, CRect* rect);
  void ScrollAndRedraw();

  bool IsSizing() const { return m_sizing; }
  int GetDropPosition() const { return m_dropPos; }

  CUGRedrawList m_redrawList;

 protected:
  void OnPaint() override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnTimer(UINT_PTR id) override;
  void OnCancelMode() override;

 private:
  enum class Sizing { None, Column, Height };
  void DrawSizingLine(int x);
  void DrawDropMarker(int x);
  void UpdateDrop(CPoint point);
  void EndColumnDrag();
  // A sizing drag ends: the cell types and the control are told of the
  // size reached and the control is laid out.
  void EndSizing();

  // Sizing: armed while the mouse is on a border, sizing while dragging it.
  Sizing m_armed = Sizing::None;
  bool m_sizing = false;
  int m_sizeIndex = -1;  // the column, or the heading row (negative)
  int m_startSize = 0;
  int m_startPos = 0;
  int m_startTotal = 0;
  int m_lineX = -1;  // the XOR sizing line shown in the cell area
  // Column drag.
  int m_dragColumn = -1;
  int m_dropPos = -1;
  int m_markerX = -1;
  int m_scrollDirection = 0;  // -1 left, 1 right while the mouse is outside
  bool m_buttonDown = false;
};
