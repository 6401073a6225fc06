// The print preview of a printout: its pages (drawn into images by an
// image print job, CPrintJob::StartImages) shown one at a time, scaled to
// the window, in a modal dialog with "&Print", "&Close" and the page
// buttons. DoModal answers IDOK when the user chose Print (the caller then
// prints), IDCANCEL for Close. CView::OnFilePrintPreview makes and shows it.
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Dialog.h"

class CBitmap;

class CPrintPreviewDlg : public CDialog {
 public:
  // The controls: Print (IDOK), Close (IDCANCEL), the page buttons, the
  // "Page n of m" text and the window showing the page.
  static constexpr UINT kPrevPage = 0xE901;
  static constexpr UINT kNextPage = 0xE902;
  static constexpr UINT kPageText = 0xE903;
  static constexpr UINT kPageView = 0xE904;

  CPrintPreviewDlg(std::vector<std::unique_ptr<CBitmap>> pages, const std::string& title, CWnd* parent = nullptr);
  ~CPrintPreviewDlg() override;

  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  // The page shown, from 0.
  int GetCurrentPage() const { return m_nPage; }
  const CBitmap* GetPage(int index) const;

 protected:
  BOOL CreateDialogWindow(CWnd* parent, bool modal) override;
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  class CPageView;
  void ShowPage(int index);

  std::vector<std::unique_ptr<CBitmap>> m_pages;
  std::string m_strTitle;
  int m_nPage = 0;
  std::unique_ptr<CPageView> m_pageView;
};
