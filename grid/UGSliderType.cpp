#include "grid/UGSliderType.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "platform/ui/DC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"

namespace {
const CUGPtrList::Id kSliderId = {0x5e, 0x1a, 0x30, 0x71, 0x9c, 0x42, 0x4d, 0x11,
                                  0x8a, 0x0b, 0x52, 0x6e, 0xd1, 0x07, 0x33, 0x05};
}

CUGSliderType::CUGSliderType() { m_canOverflow = false; }

CUGSliderType::~CUGSliderType() = default;

std::string CUGSliderType::GetTypeName() const { return "Slider Control"; }

const CUGPtrList::Id* CUGSliderType::GetTypeId() const { return &kSliderId; }

int CUGSliderType::PercentOf(CUGCell* cell) {
  const std::string& text = cell->GetText();
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
  long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= 1000) {
    value = value * 10 + (text[i++] - '0');
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp(value, 0L, 100L));
}

int CUGSliderType::ThumbX(const CRect& rect, int percent) {
  return rect.left + (rect.Width() - 6) * percent / 100;
}

int CUGSliderType::PercentAt(const CRect& rect, int x) {
  // A cell of 6 pixels or less has no room to slide: the nearer end wins.
  int span = rect.Width() - 6;
  if (span <= 0) return x - rect.left >= rect.Width() / 2 ? 100 : 0;
  return std::clamp((x - rect.left - 3) * 100 / span, 0, 100);
}

BOOL CUGSliderType::OnLClicked(int col, long row, int down, CRect* rect, CPoint* point) {
  if (!down) return FALSE;
  m_dragging = false;
  CUGCell cell;
  m_ctrl->GetCellIndirect(col, row, &cell);
  int thumb = ThumbX(*rect, PercentOf(&cell));
  if (point->x > thumb - 3 && point->x < thumb + 9) {
    m_dragging = true;
    return TRUE;
  }
  return FALSE;
}

BOOL CUGSliderType::OnMouseMove(int col, long row, CPoint* point, UINT flags) {
  if (!(flags & MK_LBUTTON) || !m_dragging) return FALSE;
  CRect rect;
  m_ctrl->GetCellRect(col, row, &rect);
  int percent = PercentAt(rect, point->x);
  CUGCell cell;
  m_ctrl->GetCellIndirect(col, row, &cell);
  if (cell.GetReadOnly() || PercentOf(&cell) == percent) return TRUE;
  StoreNumber(col, row, percent);
  NotifyGrid(m_ID, col, row, UGCT_SLIDERMOVED, percent);
  return TRUE;
}

void CUGSliderType::OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                           int current) {
  CRect inner = DrawFrameAndBackground(dc, rect, col, row, cell, selected, current);
  if (inner.Width() < 8 || inner.Height() < 6) return;
  int middle = inner.top + inner.Height() / 2;
  CPen black(PS_SOLID, 1, RGB(0, 0, 0));
  CPen groove(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  CPen white(PS_SOLID, 1, RGB(255, 255, 255));
  CPen* old = dc->SelectObject(&black);
  dc->MoveTo(inner.left + 1, middle - 1);
  dc->LineTo(inner.right, middle - 1);
  dc->MoveTo(inner.left + 1, middle + 1);
  dc->LineTo(inner.right, middle + 1);
  dc->SelectObject(&groove);
  dc->MoveTo(inner.left + 1, middle);
  dc->LineTo(inner.right, middle);
  int x = ThumbX(inner, PercentOf(cell));
  CRect thumb(x - 4, inner.top + 2, x + 4, inner.bottom - 2);
  dc->FillSolidRect(thumb, GetSysColor(COLOR_BTNFACE));
  dc->SelectObject(&white);
  dc->MoveTo(thumb.left, thumb.bottom - 1);
  dc->LineTo(thumb.left, thumb.top);
  dc->LineTo(thumb.right - 1, thumb.top);
  dc->SelectObject(&black);
  dc->LineTo(thumb.right - 1, thumb.bottom - 1);
  dc->LineTo(thumb.left - 1, thumb.bottom - 1);
  dc->SelectObject(old);
}
