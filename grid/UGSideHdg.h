// CUGSideHdg: the row heading of the grid control. It paints the heading
// columns of the shown rows through the cell types, reports clicks, and is
// where rows and its own width are resized. User-interface thread only.
#pragma once

#include "grid/UGCell.h"
#include "grid/UGTipTracker.h"
#include "grid/UGRedrawList.h"
#include "platform/Wnd.h"

class CUGCtrl;
struct CUGGridInfo;

class CUGSideHdg : public CWnd {
 public:
  explicit CUGSideHdg(CUGCtrl* ctrl);
  ~CUGSideHdg() override;

  void SetSheet(CUGGridInfo* sheet) { m_GI = sheet; }
  // Heading cell under a point (heading col, row); 1 when none.
  int HitTest(CPoint point, int* col, long* row, CRect* rect);
  int GetCellRect(int col, long row, CRect* rect);
  void ScrollAndRedraw();
  void Repaint();
  bool IsSizing() const { return m_sizing; }

  CUGRedrawList m_redrawList;

 protected:
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnTimer(UINT_PTR id) override;

 private:
  enum class Sizing { None, Row, Width };
  void DrawSizingLine(int y);

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;
  CUGCell m_cell;
  UGTipTracker m_tips;
  Sizing m_armed = Sizing::None;
  bool m_sizing = false;
  long m_sizeIndex = -1;  // the row, or the heading column (negative)
  int m_startSize = 0;
  int m_startPos = 0;
  int m_startTotal = 0;
  int m_lineY = -1;
};
