// CUGScrollBar: what the grid's horizontal and vertical scroll bars share:
// the control and sheet they serve, range/page/position from the sheet, the
// notice when the first scrolled column or row moved, the hint beside a
// dragged thumb and the right-button menu. User-interface thread only.
#pragma once

#include <string>

#include "platform/ui/ScrollBar.h"

class CUGCtrl;
struct CUGGridInfo;
struct UGScrollInfo;

class CUGScrollBar : public CScrollBar {
 public:
  void SetSheet(CUGGridInfo* sheet) { m_GI = sheet; }

 protected:
  // section: UG_HSCROLL or UG_VSCROLL, passed to the menu and scroll notices.
  CUGScrollBar(CUGCtrl* ctrl, int section);
  ~CUGScrollBar() override;

  // False when there is no sheet to paint or no window yet.
  bool CanUpdate() const;
  // Sets range, page and position, then tells OnViewScrolled when `first`
  // (the left column or top row) changed since the last update.
  void ApplyScrollInfo(const UGScrollInfo& info, long first);
  // Focus to the cell area; the moves that follow count as scrolling.
  void BeginScrollAction();
  // Shows text in the control's hint at the mouse's x (followMouseX) or y;
  // `fixed` is the other coordinate.
  void ShowThumbHint(const std::string& text, int anchor, bool followMouseX, int fixed, int offset);
  void HideHint();

  void OnRButtonDown(UINT flags, CPoint point) override;

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;

 private:
  int m_section;
  long m_lastFirst = -1;
};
