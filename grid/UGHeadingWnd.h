// CUGHeadingWnd: what the grid's two headings and its corner button share:
// the control and sheet they serve, the cell read for painting and clicks,
// the tips over their cells, painting without erasing, passing a click on a
// heading cell to its cell type, and the inverted lines they draw across the
// cell area while sizing. User-interface thread only.
#pragma once

#include <cstddef>
#include <vector>

#include "grid/UGCell.h"
#include "grid/UGCellType.h"
#include "grid/UGRedrawList.h"
#include "grid/UGTipTracker.h"
#include "platform/Wnd.h"

class CDC;
class CUGCtrl;
struct CUGGridInfo;

class CUGHeadingWnd : public CWnd {
 public:
  void SetSheet(CUGGridInfo* sheet) { m_GI = sheet; }
  // Paints the window now, whole.
  void Repaint();
  // Heading cell under a point; UG_ERROR when none (the corner has no cells).
  virtual int HitTest(CPoint point, int* col, long* row, CRect* rect);

 protected:
  // section: UG_TOPHEADING, UG_SIDEHEADING or UG_CORNERBUTTON, for the tips.
  CUGHeadingWnd(CUGCtrl* ctrl, int section);
  ~CUGHeadingWnd() override;

  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnTimer(UINT_PTR id) override;

  // Passes a click on the heading cell (col, row) to its cell type; whether
  // the type processed it. down is 1 for a press, 0 for a release.
  BOOL TellCellType(UGClick click, int down, int col, long row, CRect* rect, CPoint* point);
  // Hit-tests point and tells the cell under it of the click; col and row
  // are -1 when no cell is there.
  BOOL ClickAt(UGClick click, int down, CPoint* point, int* col, long* row, CRect* rect);
  // Paints the heading cell (col, row) in rect through its cell type; a
  // joined block is painted once, over its whole rectangle (painted holds
  // the blocks done).
  void PaintCell(CDC* dc, int col, long row, CRect rect, CUGRedrawList* painted);
  // While a heading's whole extent is sized: part index (a heading row's
  // height or column's width) becomes size and part 0 takes what the others
  // leave of total. The new total, never negative.
  static int SizeHeadingPart(std::vector<int>* parts, size_t index, int size, int total);
  // A sizing drag ended: the capture goes, the cell area repaints and the
  // parts of the control are laid out again.
  void FinishSizing();
  // Inverts a 2-pixel line across the cell area at pos (a column line when
  // vertical, else a row line), first erasing the one at *shown; -1 draws
  // none. *shown becomes pos.
  void InvertGridLine(int* shown, int pos, bool vertical);

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;
  CUGCell m_cell;
  UGTipTracker m_tips;
};
