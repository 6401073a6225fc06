// CUGCnrBtn: the corner button where the two headings meet. It paints one
// heading-style cell, reports clicks, and sizes the row-heading width (at
// its right edge) and the column-heading height (at its lower edge).
// User-interface thread only.
#pragma once

#include "grid/UGHeadingWnd.h"

class CUGCnrBtn : public CUGHeadingWnd {
 public:
  explicit CUGCnrBtn(CUGCtrl* ctrl);
  ~CUGCnrBtn() override;

 protected:
  void OnPaint() override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnCancelMode() override;

 private:
  // A sizing drag ends: the control is told of the size reached and laid out.
  void EndSizing();
  enum class Sizing { None, SideWidth, TopHeight };

  Sizing m_armed = Sizing::None;
  bool m_sizing = false;
  int m_startSize = 0;
  int m_startPos = 0;
  bool m_buttonDown = false;
};
