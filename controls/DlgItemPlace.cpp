#include "controls/DlgItemPlace.h"

#include "platform/ui/DC.h"
#include "platform/ui/ResourceTemplates.h"

BOOL TakeDlgItemPlace(CWnd* pControl, UINT nID, CWnd* pParent, DWORD extraStyle) {
  if (!pControl || !pParent) return FALSE;
  CWnd* item = pParent->GetDlgItem(static_cast<int>(nID));
  if (!item || item == pControl) return FALSE;
  CRect rect;
  item->GetWindowRect(&rect);
  pParent->ScreenToClient(&rect);
  const std::string text = item->GetWindowText();
  const DWORD style = item->GetStyle() | extraStyle | WS_CHILD;
  const bool visible = item->IsWindowVisible() != FALSE;
  const bool enabled = item->IsWindowEnabled() != FALSE;
  if (!pControl->Create(text, style & ~WS_VISIBLE, rect, pParent, nID)) return FALSE;
  item->ShowWindow(SW_HIDE);
  item->EnableWindow(FALSE);
  item->SetDlgCtrlID(0);
  pControl->EnableWindow(enabled ? TRUE : FALSE);
  if (visible) pControl->ShowWindow(SW_SHOW);
  return TRUE;
}

void DrawImageTemplate(CDC* pDC, const ImageTemplate& image, CPoint at) {
  if (!pDC) return;
  if (image.draw) {
    const int saved = pDC->SaveDC();
    pDC->OffsetViewportOrg(at.x, at.y);
    pDC->IntersectClipRect(0, 0, image.width, image.height);
    image.draw(*pDC);
    pDC->RestoreDC(saved);
    return;
  }
  for (size_t row = 0; row < image.rows.size(); ++row) {
    const std::string& line = image.rows[row];
    for (size_t col = 0; col < line.size(); ++col) {
      for (const auto& [ch, color] : image.palette) {
        if (ch == line[col]) {
          pDC->SetPixel(at.x + static_cast<int>(col), at.y + static_cast<int>(row), color);
          break;
        }
      }
    }
  }
}
