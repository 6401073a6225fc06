// CUGSideHdg: the row heading of the grid control. It paints the heading
// columns of the shown rows through the cell types, reports clicks, and is
// where rows and its own width are resized. User-interface thread only.
#pragma once

#include "grid/UGHeadingWnd.h"
#include "grid/UGRedrawList.h"

class CUGSideHdg : public CUGHeadingWnd {
 public:
  explicit CUGSideHdg(CUGCtrl* ctrl);
  ~CUGSideHdg() override;

  // Heading cell under a point (heading col, row); 1 when none.
  int HitTest(CPoint point, int* col, long* row, CRect* rect) override;
  int GetCellRect(int col, long row, CRect* rect);
  // The repaint after a move: the pixels scroll with the top row (the
  // locked rows stay), the uncovered strip and the headings of the old and
  // the new current row are painted.
  void ScrollAndRedraw();
  bool IsSizing() const { return m_sizing; }

  CUGRedrawList m_redrawList;

 protected:
  void OnPaint() override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnCancelMode() override;

 private:
  enum class Sizing { None, Row, Width };
  void DrawSizingLine(int y);
  // A sizing drag ends: the control is told of the size reached and laid out.
  void EndSizing();
  // The client rectangle of a shown row's headings; false when not shown.
  bool RowRectInView(long row, CRect* rect) const;

  Sizing m_armed = Sizing::None;
  bool m_sizing = false;
  long m_sizeIndex = -1;  // the row, or the heading column (negative)
  int m_startSize = 0;
  int m_startPos = 0;
  int m_startTotal = 0;
  int m_lineY = -1;
  // The sheet and top row the pixels show (null: unknown, paint whole).
  const CUGGridInfo* m_shownSheet = nullptr;
  long m_shownTopRow = -1;
};
