// A property sheet: a tab per page over the page area, and the buttons
// OK (IDOK), Cancel (IDCANCEL), Apply (ID_APPLY_NOW, enabled by a page's
// SetModified) and a hidden Help (IDHELP), which the sheet's own code may
// hide, move or rename through GetDlgItem. Shown modally (DoModal) or
// modeless (Create). A page's window is made when the page is first shown.
// OK runs OnKillActive of the shown page, then OnApply of every made page,
// and ends with IDOK; Cancel runs every made page's OnCancel and ends with
// IDCANCEL. Pages may be removed (RemovePage) at any time; the others keep
// their order. OnInitDialog runs once the window, the tab control and the
// buttons exist; its default shows the start page.
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Dialog.h"

class CPropertyPage;
class CTabCtrl;
class CButton;

class CPropertySheet : public CDialog {
 public:
  CPropertySheet();
  explicit CPropertySheet(const std::string& caption, CWnd* parent = nullptr, UINT selectPage = 0);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* page);
  void RemovePage(CPropertyPage* page);
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(CPropertyPage* page) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const { return m_nActive; }
  // FALSE when the shown page refuses to be left or the page does not exist.
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page);
  CTabCtrl* GetTabControl() const { return m_pTab.get(); }
  void SetTitle(const std::string& title);
  std::string GetTitle() const { return m_strCaption; }
  // Presses a button: PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW.
  BOOL PressButton(int button);

  // Modeless.
  using CDialog::Create;
  BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1));

  BOOL OnInitDialog() override;

  // ---- Platform only ---------------------------------------------------------------
  void PageModified(CPropertyPage* page, BOOL changed);
  CRect GetPageArea() const { return m_rcPage; }

 protected:
  BOOL CreateDialogWindow(CWnd* parent, bool modal) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnOK() override;
  void OnCancel() override;

  std::string m_strCaption;
  UINT m_nStartPage = 0;

 private:
  BOOL Apply();
  // The page area below the tab rows, and the made pages moved into it.
  void PlacePages();
  std::vector<CPropertyPage*> m_pages;  // not owned, in tab order
  int m_nActive = -1;
  CRect m_rcPage;
  std::unique_ptr<CTabCtrl> m_pTab;
  std::vector<std::unique_ptr<CButton>> m_buttons;
};

constexpr int PSBTN_OK = 1;
constexpr int PSBTN_CANCEL = 2;
constexpr int PSBTN_APPLYNOW = 3;
