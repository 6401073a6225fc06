// CPropertyPageBase: the base of every page of a shape's property sheet
// (C_BaseShapePropSheet). A page binds itself to the sheet's shape when its
// window is made, refreshes what it shows every 500 ms (timer 6633), and
// obeys the sheet's "Auto Refresh": while it is on, the controls follow the
// live values; while it is off, the periodic load leaves the operator's
// edits alone and only saving moves values (m_bExchange, set by this
// class's DoDataExchange, which every derived exchange calls first and then
// moves its values only while m_bExchange is non-zero). Edit boxes are
// coloured (focused light green, others light yellow), and double clicking
// a control with the right button held (or Ctrl and Shift) offers to show
// or hide the control's attribute.
// A page only works inside a C_BaseShapePropSheet; elsewhere it has no shape
// and its operations that need one do nothing.
// User-interface thread only.
#pragma once

#include <span>
#include <string>

#include "platform/ui/PropertyPage.h"
#include "shapes/pages/EditColors.h"

class C_BaseShape;
class C_BaseShapePropSheet;
class CVekAccessUser;

// The refresh timer of the pages.
constexpr UINT_PTR TIMER_PROP_PAGE = 6633;
constexpr UINT TIMER_PROP_PAGE_MS = 500;

// A value control of a page, its label and the attribute it edits.
struct PageAttribControl {
  UINT control;
  UINT label;
  int attrib;
};

class CPropertyPageBase : public CPropertyPage {
 public:
  explicit CPropertyPageBase(UINT nTemplateId);
  ~CPropertyPageBase() override;

  // The caption a shape gives its calibration pages ("Analog Calibration [2]");
  // also the tab's text.
  void SetTitle(const std::string& title);
  const std::string& GetTitle() const { return m_strTitle; }

  C_BaseShapePropSheet* GetShapeSheet() const { return m_pSheet; }
  C_BaseShape* GetShape() const { return m_pShape; }
  // Whether the user has been shown this page (it has been the sheet's
  // active page once).
  bool WasShownToUser() const { return m_bShownToUser; }

  // The sheet's check box; false without a sheet.
  virtual bool IsAutoRefresh() const;
  // UpdatePage.
  virtual void RefreshPage();
  // UpdateData(FALSE), then UpdateControls.
  virtual void UpdatePage();
  // UpdateControlVisibility.
  virtual void UpdateControls();
  // Shows or hides the controls by their attributes' visibility.
  virtual void UpdateControlVisibility() {}
  // The attribute a control edits (for the show/hide gesture); -1: none.
  virtual int GetAttribIdOfControl(UINT nCtrlId) const;
  // The sheet is the parent window; the shape is the sheet's.
  virtual void BindShape();

  // The rights check of a command of this page (the sheet's user slot):
  // true when a user of one of the groups is logged in.
  bool CheckRights(const std::string& purpose, int group1, int group2 = 0, int group3 = 0) const;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  // Leaving a page checks nothing: each page stores its values with its own
  // Apply, which validates them; a value out of range (a default the page's
  // ranges refuse) must not lock the user on the page.
  BOOL OnKillActive() override { return TRUE; }
  void DoDataExchange(CDataExchange* dx) override;
  void OnTimer(UINT_PTR id) override;
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;

  // ---- Helpers of the derived pages -----------------------------------------------------------
  // Each control and its label show while its attribute is visible; the
  // page's group box and its Apply button while any of them does.
  void ShowByAttribVisibility(std::span<const PageAttribControl> controls);
  // Each control is editable exactly while auto refresh is off.
  void EnableWhileEditable(std::span<const PageAttribControl> controls);
  // The attribute of a control of the table; -1 for another control.
  static int AttribOfControl(std::span<const PageAttribControl> controls, UINT nCtrlId);
  void ShowControl(UINT id, bool show);
  void EnableControl(UINT id, bool enable);
  // The attribute of the shape is visible; false without a shape.
  bool IsAttribShown(int id) const;
  // Whether the current exchange may move values (1) or not (0).
  BOOL m_bExchange = 1;
  // Whether a load (the 500 ms refresh) may move values into the controls
  // now. A page's UpdatePage asks this rather than m_bExchange, which keeps
  // what the last exchange left: after an Apply that was refused that is
  // the saving direction, and the refresh would overwrite the edits.
  bool LoadMovesValues() const;

 private:
  C_BaseShapePropSheet* m_pSheet = nullptr;  // weak: the parent window
  C_BaseShape* m_pShape = nullptr;           // weak
  std::string m_strTitle;
  CPageEditColors m_editColors;
  bool m_bShownToUser = false;
};
