#include "app/ChildVekFrame.h"

#include "platform/Seams.h"
#include "platform/ui/Document.h"
#include "platform/ui/View.h"

void CChildVekFrame::ActivateFrame(int) { CMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED); }

BOOL CChildVekFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CMDIChildWnd::PreCreateWindow(cs)) return FALSE;
  cs.style = kStyle;
  return TRUE;
}

void CChildVekFrame::OnClose() {
  // A further window on the same document ("New Window") closes; the
  // document's own window stays.
  const CDocument* pDoc = GetActiveDocument();
  const CView* pView = GetActiveView();
  if (pDoc && pView && pDoc->GetViews().size() > 1 && pDoc->GetViews().front() != pView) {
    CMDIChildWnd::OnClose();
    return;
  }
  AfxMessageBox(kNotClosableText, MB_OK | MB_ICONSTOP);
}
