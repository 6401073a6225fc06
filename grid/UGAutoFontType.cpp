#include "grid/UGAutoFontType.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"

namespace {
const CUGPtrList::Id kAutoFontId = {0x5e, 0x1a, 0x30, 0x71, 0x9c, 0x42, 0x4d, 0x11,
                                    0x8a, 0x0b, 0x52, 0x6e, 0xd1, 0x07, 0x33, 0x06};
}

int UGAutoFontHeight(int cellWidth, int cellHeight, int textLength,
                     const std::function<CSize(int height)>& measure) {
  if (textLength <= 0 || cellWidth <= 0) return std::max(std::min(cellHeight, 500), 1);
  int h = std::max(cellWidth / textLength, 1);
  CSize size = measure(h + h / 2);
  if (size.cx > 0) h = std::max(static_cast<int>(static_cast<double>(size.cy) / size.cx * cellWidth), 1);
  size = measure(h);
  while (cellWidth > size.cx && h < 500) size = measure(++h);
  h = std::max(h - 1, 1);
  size = measure(h);
  while (cellWidth < size.cx && h > 2) size = measure(--h);
  h = std::max(h - 1, 1);
  if (h > cellHeight) h = std::max(cellHeight, 2);
  return h;
}

CUGAutoFontType::CUGAutoFontType() { m_canOverflow = false; }

CUGAutoFontType::~CUGAutoFontType() = default;

std::string CUGAutoFontType::GetTypeName() const { return "Auto Font"; }

const CUGPtrList::Id* CUGAutoFontType::GetTypeId() const { return &kAutoFontId; }

void CUGAutoFontType::OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                             int current) {
  CRect inner;
  DrawBorder(dc, rect, &inner, cell);
  std::string text = cell->IsPropertySet(UGCELL_TEXT_SET) ? cell->GetText() : std::string();
  if (text.empty()) {
    DrawText(dc, &inner, 0, col, row, cell, selected, current);
    return;
  }
  LOGFONT base;
  if (CFont* dcFont = dc->GetCurrentFont()) dcFont->GetLogFont(&base);
  base.lfWeight = FW_SEMIBOLD;
  auto makeFont = [&base](CFont* font, int height) {
    LOGFONT lf = base;
    lf.lfHeight = -height;
    font->CreateFontIndirect(&lf);
  };
  auto measure = [&](int height) {
    CFont font;
    makeFont(&font, height);
    CFont* old = dc->SelectObject(&font);
    CSize size = dc->GetTextExtent(text);
    dc->SelectObject(old);
    return size;
  };
  int height = UGAutoFontHeight(inner.Width(), inner.Height(), static_cast<int>(text.size()), measure);
  CFont font;
  makeFont(&font, height);
  CUGCell copy(*cell);
  copy.SetFont(&font);
  DrawText(dc, &inner, 0, col, row, &copy, selected, current);
}
