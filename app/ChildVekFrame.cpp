#include "app/ChildVekFrame.h"

#include "platform/Seams.h"

void CChildVekFrame::ActivateFrame(int) { CMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED); }

BOOL CChildVekFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CMDIChildWnd::PreCreateWindow(cs)) return FALSE;
  cs.style = kStyle;
  return TRUE;
}

void CChildVekFrame::OnClose() { AfxMessageBox(kNotClosableText, MB_OK | MB_ICONSTOP); }
