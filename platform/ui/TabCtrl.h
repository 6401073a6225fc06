// A tab control: a row of tabs over a framed display area (with
// TCS_MULTILINE, rows of tabs when they do not fit in one; the selected
// tab's row lies next to the area). A click on a tab first sends WM_NOTIFY
// TCN_SELCHANGING (a non-zero answer keeps the current tab), then selects it
// and sends TCN_SELCHANGE; SetCurSel from code sends nothing.
// Threads: user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

class CTabCtrl : public CWnd {
 public:
  CTabCtrl();
  ~CTabCtrl() override;

  int InsertItem(int index, const std::string& text);  // the index, or -1
  BOOL DeleteItem(int index);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);  // the previous selection, or -1
  std::string GetItemText(int index) const;
  BOOL SetItemText(int index, const std::string& text);
  BOOL GetItemRect(int index, CRect* rect) const;
  // FALSE: the display area inside a window rectangle; TRUE: the window
  // rectangle around a display area.
  void AdjustRect(BOOL larger, CRect* rect) const;
  int HitTest(CPoint point) const;

  // Clicks a tab as the user would (both notifications).
  void ClickTab(int index);

  // The tabs (by their widths, in order) stacked in rows of the width: each
  // row the indices of its tabs, a new row where the next tab would not fit.
  static std::vector<std::vector<int>> StackTabRows(const std::vector<int>& widths, int rowWidth);

  // ---- Platform only ----------------------------------------------------------
  bool UserClicked(int index);  // false when the parent refused the change
  int TabRowHeight() const;            // the height of all tab rows at the present width
  int TabAreaHeight(int width) const;  // the same at another width

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;

 private:
  bool m_bFromCode = false;
};
