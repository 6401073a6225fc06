// CUGHScroll: the grid's horizontal scroll bar. Its range follows the
// sheet's largest left column, and its actions move the left column; with
// the scroll hint on a dragged thumb shows the column it stands for.
// User-interface thread only.
#pragma once

#include "grid/UGScrollBar.h"

class CUGHScroll : public CUGScrollBar {
 public:
  explicit CUGHScroll(CUGCtrl* ctrl);

  void Update();
  // The control's WM_HSCROLL.
  void HScroll(UINT code, UINT pos);
};
