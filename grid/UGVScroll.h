// CUGVScroll: the grid's vertical scroll bar. Its range follows the sheet
// (scaled to 0..1000 when the largest top row passes 1000), and its line,
// page, end and thumb actions move the top row; with the scroll hint on a
// dragged thumb shows the row it stands for. User-interface thread only.
#pragma once

#include "grid/UGScrollBar.h"

class CUGVScroll : public CUGScrollBar {
 public:
  explicit CUGVScroll(CUGCtrl* ctrl);

  // Range, page and position from the sheet; tells OnViewScrolled when the
  // top row changed since the last update.
  void Update();
  // The control's WM_VSCROLL.
  void VScroll(UINT code, UINT pos);
};
