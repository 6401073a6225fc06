// A view: the window that shows a document inside a frame. Its paint pass
// calls OnPrepareDC and OnDraw; OnInitialUpdate runs once the frame is
// made; OnUpdate when the document changes. Printing (OnFilePrint) draws
// the pages through OnPrint, which calls OnDraw by default.
// Views made by a document template delete themselves when destroyed.
// Threads: user-interface thread.
#pragma once

#include "platform/Wnd.h"

class CDocument;
class CFrameWnd;
class CCmdUI;
class CDC;

struct CPrintInfo {
  UINT m_nCurPage = 1;
  UINT m_nMaxPage = 1;
  CRect m_rectDraw;  // the printable area of the page, in printer dots
  bool m_bPreview = false;
  void SetMaxPage(UINT pages) { m_nMaxPage = pages; }
  UINT GetMaxPage() const { return m_nMaxPage; }
};

class CView : public CWnd {
 public:
  CView();
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }
  CFrameWnd* GetParentFrame() const;
  virtual void OnInitialUpdate();
  virtual void OnUpdate(CView* sender, LPARAM hint, void* hintObject);
  virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);
  // A command or command update routed from the frame; TRUE when handled.
  virtual BOOL OnCmdMsg(UINT id) { (void)id; return FALSE; }
  // Whether OnCmdMsg or the view's WM_COMMAND handles the menu command: the
  // update pass greys the items that nothing handles.
  virtual BOOL IsCommandHandled(UINT id) const { (void)id; return FALSE; }
  virtual BOOL OnUpdateCmdUI(CCmdUI* cmdUI) { (void)cmdUI; return FALSE; }

  // Prints the view, one job named after the document, where the user
  // chooses in the print dialog (a printer, or a PDF file the user names;
  // only the file when no printer is installed). FALSE when cancelled or
  // when the job failed (a printer or file that fails is told in a box).
  BOOL OnFilePrint();
  // Prints the view without asking: to the default printer (or where
  // CPrintJob redirects). FALSE, after a box, when there is no printer or
  // the printer or file fails.
  BOOL OnFilePrintDirect();
  // Prints the view into a PDF file.
  BOOL PrintToPdf(const std::string& path);
  // Shows the printout's pages in a modal preview (CPrintPreviewDlg); its
  // "Print" prints them as OnFilePrint does. FALSE when nothing was
  // printed (closed, or no page could be drawn).
  BOOL OnFilePrintPreview();

  // ---- Platform only -----------------------------------------------------------------
  void SetDocument(CDocument* document) { m_pDocument = document; }
  void SetAutoDelete(bool autoDelete) { m_bAutoDelete = autoDelete; }

 protected:
  virtual void OnDraw(CDC* dc);
  virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
  virtual BOOL OnPreparePrinting(CPrintInfo* info);
  virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
  virtual void OnPrint(CDC* dc, CPrintInfo* info);
  virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
  void OnPaint() override;
  void PostNcDestroy() override;

  CDocument* m_pDocument = nullptr;

 private:
  BOOL PrintJobPages(class CPrintJob& job);
  bool m_bAutoDelete = false;
};
