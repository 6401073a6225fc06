#include "controls/XPGroupBox.h"

#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"

CXPGroupBox::CXPGroupBox() {
  m_lf.lfFaceName = "MS Shell Dlg";
  m_lf.lfHeight = -11;
  m_lf.lfWeight = FW_NORMAL;
  m_font.CreateFontIndirect(&m_lf);
}

CXPGroupBox::~CXPGroupBox() = default;

int CXPGroupBox::OnCreate() {
  m_strCaption = CWnd::GetWindowText();
  // The box lies under the controls it frames.
  if (CWnd* parent = GetParent()) {
    if (parent->GetFont()) {
      LOGFONT lf;
      if (parent->GetFont()->GetLogFont(&lf)) {
        lf.lfWeight = m_lf.lfWeight;
        m_lf = lf;
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&m_lf);
      }
    }
  }
  return CWnd::OnCreate();
}

void CXPGroupBox::Changed() {
  if (IsWindowCreated()) Invalidate(FALSE);
}

void CXPGroupBox::SetBoxStyle(int nStyle) {
  m_nBoxStyle = nStyle == 1 ? 1 : 0;
  Changed();
}

void CXPGroupBox::SetBorderColor(COLORREF color) {
  m_crBorder = color;
  Changed();
}

void CXPGroupBox::SetBackgroundColor(COLORREF color) {
  m_crBack = color;
  Changed();
}

void CXPGroupBox::SetCaptionTextColor(COLORREF color) {
  m_crCaptionText = color;
  Changed();
}

void CXPGroupBox::SetFontBold(BOOL bBold) {
  m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
  m_font.DeleteObject();
  m_font.CreateFontIndirect(&m_lf);
  Changed();
}

void CXPGroupBox::SetAlignment(int nAlign) {
  m_align = nAlign == 1 ? controls::CaptionAlign::Center
                        : (nAlign == 2 ? controls::CaptionAlign::Right : controls::CaptionAlign::Left);
  Changed();
}

void CXPGroupBox::SetWindowText(const std::string& text) {
  m_strCaption = text;
  CWnd::SetWindowText(text);
  Changed();
}

BOOL CXPGroupBox::OnEraseBkgnd(CDC*) { return TRUE; }

void CXPGroupBox::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  DrawBox(&dc, rc);
}

void CXPGroupBox::DrawBox(CDC* pDC, const CRect& rc) {
  const int saved = pDC->SaveDC();
  pDC->SelectObject(&m_font);
  const std::string& caption = m_strCaption;
  const CSize textSize = caption.empty() ? CSize(0, pDC->GetTextExtent("X").cy) : pDC->GetTextExtent(caption);
  const controls::GroupBoxLayout l = controls::LayoutGroupBox(rc, textSize, m_nBoxStyle, m_align);
  UINT align = DT_LEFT;
  if (m_align == controls::CaptionAlign::Center) align = DT_CENTER;
  if (m_align == controls::CaptionAlign::Right) align = DT_RIGHT;

  pDC->FillSolidRect(rc, m_crBack);
  CPen pen(PS_SOLID, 1, m_crBorder);
  pDC->SelectObject(&pen);
  pDC->SelectStockObject(NULL_BRUSH);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(m_crCaptionText);
  if (m_nBoxStyle == 1) {
    pDC->RoundRect(l.frame, CPoint(6, 6));
    CRect band(l.frame.left + 1, l.frame.top + 1, l.frame.right - 1, l.caption.bottom);
    pDC->FillSolidRect(band, m_crBorder);
    CRect text = l.caption;
    pDC->DrawText(caption, &text, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  } else {
    pDC->RoundRect(l.frame, CPoint(6, 6));
    if (!caption.empty()) {
      pDC->FillSolidRect(l.caption, m_crBack);
      CRect text = l.caption;
      pDC->DrawText(caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
  }
  pDC->RestoreDC(saved);
}

void SetupGroupBox(CXPGroupBox* pBox) {
  if (!pBox) return;
  pBox->SetBoxStyle(1);
  pBox->SetBorderColor(RGB(201, 201, 151));
  pBox->SetBackgroundColor(RGB(50, 50, 50));
  pBox->SetFontBold(TRUE);
  pBox->SetAlignment(1);
}
