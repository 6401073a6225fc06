#include "controls/ColorButton.h"

#include <algorithm>

#include "platform/ui/Brush.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"

namespace {

CColorButton::ColorChooser& Chooser() {
  static CColorButton::ColorChooser chooser;
  return chooser;
}

bool ChooseWithDialog(COLORREF& color, CWnd* parent);

}  // namespace

CColorButton::ColorChooser CColorButton::SetColorChooser(ColorChooser chooser) {
  ColorChooser previous = Chooser();
  Chooser() = std::move(chooser);
  return previous;
}

void CColorButton::SetColor(COLORREF color) {
  if (m_color == color) return;
  m_color = color;
  if (IsWindowCreated()) Invalidate(FALSE);
}

void CColorButton::OnClicked() {
  COLORREF chosen = m_color;
  const bool confirmed = Chooser() ? Chooser()(chosen, GetParent()) : ChooseWithDialog(chosen, GetParent());
  if (!confirmed) return;
  SetColor(chosen);
  NotifyParentClicked();
}

void CColorButton::DrawContent(CDC* pDC, const CRect& inside, const controls::ButtonState& state) {
  // The swatch fills the right part; the text stands left of it.
  const int swatchWidth = std::max(16, inside.Width() / 3);
  CRect swatch(inside.right - swatchWidth - 2, inside.top + 2, inside.right - 2, inside.bottom - 2);
  if (swatch.left < inside.left + 2) swatch.left = inside.left + 2;
  pDC->FillSolidRect(swatch, m_color);
  pDC->Draw3dRect(swatch, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DHILIGHT));
  if (CFont* font = GetFont()) pDC->SelectObject(font);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(state.disabled ? GetSysColor(COLOR_GRAYTEXT)
                                   : GetColor(controls::ButtonBackgroundSlot(state) + 1));
  CRect text(inside.left + 4, inside.top, swatch.left - 2, inside.bottom);
  if (state.pressed) text.OffsetRect(1, 1);
  pDC->DrawText(GetWindowText(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

namespace {

bool ChooseWithDialog(COLORREF& color, CWnd* parent) {
  CColorDialog dialog(color, CC_RGBINIT | CC_FULLOPEN, parent);
  if (dialog.DoModal() != IDOK) return false;
  color = dialog.GetColor();
  return true;
}

}  // namespace
