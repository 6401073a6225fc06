// CUGHScroll: the grid's horizontal scroll bar. Its range follows the
// sheet's largest left column, and its actions move the left column; with
// the scroll hint on a dragged thumb shows the column it stands for.
// User-interface thread only.
#pragma once

#include "platform/ui/ScrollBar.h"

class CUGCtrl;
struct CUGGridInfo;

class CUGHScroll : public CScrollBar {
 public:
  explicit CUGHScroll(CUGCtrl* ctrl);
  ~CUGHScroll() override;

  void SetSheet(CUGGridInfo* sheet) { m_GI = sheet; }
  void Update();
  // The control's WM_HSCROLL.
  void HScroll(UINT code, UINT pos);

 protected:
  void OnRButtonDown(UINT flags, CPoint point) override;

 private:
  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;
  int m_lastLeftCol = -1;
};
