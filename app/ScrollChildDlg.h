// CScrollChildDlg: the host that scrolls the trend panels up and down. It
// takes the place of a placeholder control of its parent (same rectangle)
// and scrolls a virtual area taller than itself with its vertical scroll
// bar, the mouse wheel, or by dragging its background with the mouse. The
// panels are its child windows; scrolling moves them (each panel sees the
// move and marks itself for a refresh).
// Threads: user-interface thread.
#pragma once

#include "app/TrendRules.h"
#include "platform/ui/Dialog.h"

class CScrollChildDlg : public CDialog {
 public:
  // Makes the host as a child of pParent from the template, on the
  // rectangle of pParent's control nPlaceholderId (which is hidden). No
  // window is made when the parent has no such control or the template is
  // missing (IsWindowCreated tells).
  CScrollChildDlg(CWnd* pParent, UINT nPlaceholderId, UINT nTemplateId);
  ~CScrollChildDlg() override;

  // The virtual area in host client pixels; applied at once (scroll bar
  // range and position back to the top) when the window exists.
  void SetScrollArea(int nLeft, int nTop, int nRight, int nBottom);
  void GetScrollArea(CRect& rect) const { rect = m_rcArea; }
  int GetScrollPosition() const { return m_nPosition; }
  int GetPageHeight() const { return m_nPage; }
  trend_rules::ScrollSteps GetSteps() const;

  // Scrolls to nPosition (kept inside 0..range): the children move by the
  // opposite amount.
  void ScrollTo(int nPosition);

 protected:
  void OnSize(UINT type, int cx, int cy) override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override;
  BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
  // Enter and Escape in the host close nothing.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  // Page = client height; range 0..area height, back at the top.
  void ApplyArea();
  // A drag of the background holds the mouse from the press to the
  // release; whatever ends the capture (a window shown over the host) ends
  // the drag.
  bool IsDragging() const { return GetCapture() == this; }

  CRect m_rcArea;             // the virtual area, host client pixels
  int m_nPage = 0;            // the client height
  int m_nPosition = 0;        // how far the area is scrolled up
  bool m_bFirstLayout = true;  // no size has been applied yet
  CPoint m_ptLastDrag;        // the mouse point of the last drag step
};
