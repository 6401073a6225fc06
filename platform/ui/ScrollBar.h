// A scroll-bar control (SBS_HORZ / SBS_VERT). Like a window's scroll bar it
// does not move by itself: the user's actions reach the parent as
// WM_HSCROLL / WM_VSCROLL with SB_* codes and this bar as the argument, and
// the handler sets the new position.
// Threads: user-interface thread.
#pragma once

#include <memory>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

namespace platform_detail {
class ScrollBarAdapter;
}

class CScrollBar : public CWnd {
 public:
  CScrollBar();
  ~CScrollBar() override;

  BOOL SetScrollInfo(const SCROLLINFO* info, BOOL redraw = TRUE);
  BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
  int SetScrollPos(int pos, BOOL redraw = TRUE);
  int GetScrollPos() const;
  void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
  void GetScrollRange(int* minPos, int* maxPos) const;
  int GetScrollLimit() const;
  BOOL EnableScrollBar(UINT arrowFlags = ESB_ENABLE_BOTH);
  void ShowScrollBar(BOOL show = TRUE);

  // The user's action as a notification to the parent (tests).
  void ActAsUser(UINT code, int pos = 0);

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;

 private:
  platform_detail::ScrollBarAdapter* m_adapter = nullptr;  // owned by the widget
};
