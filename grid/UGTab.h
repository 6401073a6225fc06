// CUGTab: the sheet tabs beside the grid's horizontal scroll bar. Each tab
// has a label, a width, an identifier and two colours; a click selects a
// tab and tells the control (OnTabSelected); the strip scrolls and its
// right edge can be dragged to share the room with the scroll bar.
// The grid adds no tabs itself. User-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "platform/Wnd.h"

class CUGCtrl;
struct CUGGridInfo;
class CFont;
class CScrollBar;

class CUGTab : public CWnd {
 public:
  static constexpr int kMaxTabs = 64;
  static constexpr int kDefaultWidth = 150;

  explicit CUGTab(CUGCtrl* ctrl);
  ~CUGTab() override;

  void SetSheet(CUGGridInfo* sheet) { m_GI = sheet; }
  // 0 done; 1 when the strip is full or the id is taken.
  int AddTab(const std::string& label, long id);
  int DeleteTab(long id);
  int SetTabLabel(long id, const std::string& label);
  int SetTabTextColor(long id, COLORREF color);
  int SetTabBackColor(long id, COLORREF color);
  int SetCurrentTab(long id);
  long GetCurrentTabId() const;
  int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
  // Index of the tab under x (client coordinates); -1 when none.
  int HitTest(int x) const;
  // Scrolls the strip by a number of pixels (the arrows move 5).
  void ScrollStrip(int dx);
  int GetScrollOffset() const { return m_offset; }
  void Repaint();

 protected:
  int OnCreate() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnCancelMode() override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar) override;

 private:
  struct Tab {
    std::string label;
    int width;
    long id;
    COLORREF textColor;
    COLORREF backColor;
  };
  int IndexOf(long id) const;
  int TotalWidth() const;
  int StripWidth() const;  // the client width less the arrows
  void UpdateMaxOffset();
  void PlaceArrows();
  int MeasureLabel(const std::string& label) const;

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI = nullptr;
  std::vector<Tab> m_tabs;
  int m_offset = 0;
  int m_maxOffset = 0;
  int m_selected = -1;
  int m_arrowWidth;
  CScrollBar* m_arrows = nullptr;  // the strip's scroll arrows (id 100)
  CFont* m_font;
  bool m_onResizeEdge = false;
  bool m_resizing = false;
};
