// C_BaseShapePropSheet: the property sheet of a device shape, opened
// modally by the shape's ShowPropertySheet. It carries the "Auto &Refresh"
// check box that decides whether the pages follow the live values (on, the
// start) or let the operator edit (off), paints a title beside the tabs,
// shows only a "Close" button, removes pages that have nothing visible,
// opens on the page that was active when the last sheet closed, and makes
// its shape blink while it is open. The pages belong to whoever added them
// (the shape deletes them after the sheet closed); the sheet never deletes
// a page, also not one it removed.
// The shape is the parent given to the constructor (kept as m_pParentWnd;
// the modal window's own parent is the main window). A sheet whose parent
// is not a shape works without one: nothing blinks, nothing is copied.
// User-interface thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Font.h"
#include "platform/ui/PropertySheet.h"

class C_BaseShape;
class CVekAccessUser;

class C_BaseShapePropSheet : public CPropertySheet {
 public:
  C_BaseShapePropSheet(const std::string& caption, CWnd* parentShape);
  ~C_BaseShapePropSheet() override;

  C_BaseShape* GetShape() const { return m_pShape; }

  // Every page whose window exists refreshes (RefreshPage); also when the
  // check box is clicked.
  virtual void RefreshPages();
  // The check box is ticked.
  virtual bool IsAutoRefresh() const;
  // Shows the sheet, makes each page's window in turn and removes every
  // page that shows no child window, then opens the remembered page.
  virtual void PrunePages();

  // The user slot of the rights checks made on this sheet's pages: the
  // first check asks for a login, later ones while the sheet is open reuse
  // the user (as a dialog's caption user).
  CVekAccessUser** GetUserSlot() { return &m_pUser; }

  // The page index a new sheet opens on (remembered when a sheet closes).
  static int GetRememberedPage();
  static void SetRememberedPage(int index);
  // The title painted beside the tabs.
  static const char* const kTitle;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
  void OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;

 private:
  // The check box beside the title, level with the (hidden) OK button.
  void PlaceAutoRefresh();

  CVekAccessUser* m_pUser = nullptr;  // not owned; the access control keeps users
  C_BaseShape* m_pShape = nullptr;    // weak; null when the parent is no shape
  CButton m_wndAutoRefresh;
  CFont m_fontTitle;
  CFont m_fontCheck;
  std::string m_strTitle;
};
