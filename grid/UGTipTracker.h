// The cell tips of the grid's windows: a tip shows the owner's hint text
// (GetHintText) once the mouse has rested 200 ms on one cell, and goes when
// the mouse moves to another cell, a button is pressed or 32767 ms pass.
// Each window that shows tips keeps one tracker. User-interface thread only.
#pragma once

#include "platform/WinTypes.h"

class CWnd;
class CUGCtrl;

class UGTipTracker {
 public:
  static constexpr UINT_PTR kShowTimer = 77;
  static constexpr UINT_PTR kHideTimer = 78;

  UGTipTracker(CWnd* wnd, CUGCtrl* ctrl, int section) : m_wnd(wnd), m_ctrl(ctrl), m_section(section) {}

  // The mouse is over the cell (col, row) of the window, whose rectangle
  // there is cellRect; valid false when it is over no cell.
  void Track(bool valid, int col, long row, const CRect& cellRect);
  // The window's timer; true when it was one of the tip's.
  bool OnTimer(UINT_PTR id);
  void Hide();

 private:
  CWnd* m_wnd;
  CUGCtrl* m_ctrl;
  int m_section;
  bool m_valid = false;
  int m_col = -1;
  long m_row = -1;
  CRect m_cellRect;
  bool m_shown = false;
};
