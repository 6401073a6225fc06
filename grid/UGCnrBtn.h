// CUGCnrBtn: the corner button where the two headings meet. It paints one
// heading-style cell, reports clicks, and sizes the row-heading width (at
// its right edge) and the column-heading height (at its lower edge).
// User-interface thread only.
#pragma once

#include "grid/UGCell.h"
#include "grid/UGTipTracker.h"
#include "platform/Wnd.h"

class CUGCtrl;
struct CUGGridInfo;

class CUGCnrBtn : public CWnd {
 public:
  explicit CUGCnrBtn(CUGCtrl* ctrl);
  ~CUGCnrBtn() override;

  void SetSheet(CUGGridInfo* sheet) { m_GI = sheet; }

 protected:
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnTimer(UINT_PTR id) override;

 private:
  enum class Sizing { None, SideWidth, TopHeight };

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;
  CUGCell m_cell;
  UGTipTracker m_tips;
  Sizing m_armed = Sizing::None;
  bool m_sizing = false;
  int m_startSize = 0;
  int m_startPos = 0;
  bool m_buttonDown = false;
};
