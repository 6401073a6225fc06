// A view that scrolls a larger drawing or form: SetScrollSizes gives the
// total size; the window's scroll bars, the arrow and page actions and the
// wheel move the view (its pixels and its child windows), and OnPrepareDC
// sets the origin so drawing uses document coordinates.
// Threads: user-interface thread.
#pragma once

#include "platform/ui/View.h"

class CScrollView : public CView {
 public:
  CScrollView();
  ~CScrollView() override;

  // MM_TEXT only; page and line default to a tenth and a hundredth of the total.
  void SetScrollSizes(int mapMode, CSize total, CSize page = CSize(), CSize line = CSize());
  CSize GetTotalSize() const { return m_totalSize; }
  CPoint GetScrollPosition() const;
  void ScrollToPosition(CPoint position);
  // Resizes the parent frame so the view shows the whole size (or only
  // shrinks it).
  void ResizeParentToFit(BOOL shrinkOnly = TRUE);

 protected:
  void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar) override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override;
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
  int OnCreate() override;

 private:
  void UpdateBars();
  void ScrollBy(int bar, int target);
  CSize m_totalSize;
  CSize m_pageSize;
  CSize m_lineSize;
};
