// CUGEdit: the grid's plain in-cell edit (control id 123, multi-line with
// automatic vertical scrolling). It shows the I-beam, catches Esc before a
// dialog would, and grows over the following columns and downward while
// the text needs room, when the edited cell may overflow.
// User-interface thread only.
#pragma once

#include "grid/UGEditBase.h"

class CUGEdit : public CUGEditBase {
 public:
  CUGEdit();
  ~CUGEdit() override;

 protected:
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
  void OnTextTyped() override;
};
