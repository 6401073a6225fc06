#include "grid/UGCheckBoxType.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"

namespace {
const CUGPtrList::Id kCheckBoxId = {0x5e, 0x1a, 0x30, 0x71, 0x9c, 0x42, 0x4d, 0x11,
                                    0x8a, 0x0b, 0x52, 0x6e, 0xd1, 0x07, 0x33, 0x03};

bool IsDisabled(CUGCell* cell) {
  return cell->IsPropertySet(UGCELL_CELLTYPEEX_SET) && (cell->GetCellTypeEx() & UGCT_DISABLED);
}

// The 8 x 8 dither of the indeterminate and disabled looks.
void DitherFill(CDC* dc, const CRect& rect) {
  static const WORD bits[8] = {0xAA00, 0x5500, 0xAA00, 0x5500, 0xAA00, 0x5500, 0xAA00, 0x5500};
  CBitmap pattern;
  pattern.CreateBitmap(8, 8, 1, 1, bits);
  CBrush brush;
  brush.CreatePatternBrush(&pattern);
  COLORREF oldText = dc->SetTextColor(GetSysColor(COLOR_BTNFACE));
  COLORREF oldBack = dc->SetBkColor(GetSysColor(COLOR_3DHILIGHT));
  dc->FillRect(rect, &brush);
  dc->SetTextColor(oldText);
  dc->SetBkColor(oldBack);
}
}  // namespace

CUGCheckBoxType::CUGCheckBoxType() { m_canOverflow = false; }

CUGCheckBoxType::~CUGCheckBoxType() = default;

std::string CUGCheckBoxType::GetTypeName() const { return "CheckBox"; }

const CUGPtrList::Id* CUGCheckBoxType::GetTypeId() const { return &kCheckBoxId; }

CRect CUGCheckBoxType::BoxRect(const CRect& cell, long extension, short alignment) {
  int size = std::max(std::min(cell.Height() - 6, 12), 0);
  int width = size + ((extension & UGCT_CHECKBOX3DRECESS) ? 1 : 0);
  int x = cell.left + 3;
  int y = cell.top + (cell.Height() - size) / 2;
  if (extension & UGCT_CHECKBOXUSEALIGN) {
    if (alignment & UG_ALIGNCENTER) {
      x = cell.left + (cell.Width() - width) / 2;
    } else if (alignment & UG_ALIGNRIGHT) {
      x = cell.right - size - 6;
    }
    if (alignment & UG_ALIGNVCENTER) {
      y = cell.top + (cell.Height() - size) / 2;
    } else if (alignment & UG_ALIGNBOTTOM) {
      y = cell.bottom - size - 6;
    } else {
      y = cell.top + 3;
    }
  }
  return CRect(x, y, x + width, y + size);
}

int CUGCheckBoxType::Toggle(int col, long row) {
  CUGCell cell;
  m_ctrl->GetCellIndirect(col, row, &cell);
  if (cell.GetReadOnly() || IsDisabled(&cell)) return UG_ERROR;
  int states = (cell.GetCellTypeEx() & UGCT_CHECKBOX3STATE) ? 3 : 2;
  int state = (static_cast<int>(cell.GetNumber()) % states + 1) % states;
  StoreNumber(col, row, state);
  NotifyGrid(m_ID, col, row, UGCT_CHECKBOXCHANGED, state);
  return UG_SUCCESS;
}

BOOL CUGCheckBoxType::OnLClicked(int col, long row, int down, CRect* rect, CPoint* point) {
  if (!down) return FALSE;
  CUGCell cell;
  m_ctrl->GetCellIndirect(col, row, &cell);
  CRect inner = *rect;
  if (m_ctrl->m_GI->m_defaultLines) {
    inner.right -= 1;
    inner.bottom -= 1;
  }
  CRect box = BoxRect(inner, cell.GetCellTypeEx(), cell.GetAlignment());
  if (!box.PtInRect(*point)) return FALSE;
  Toggle(col, row);
  return TRUE;
}

BOOL CUGCheckBoxType::OnDClicked(int col, long row, CRect* rect, CPoint* point) {
  return OnLClicked(col, row, 1, rect, point);
}

BOOL CUGCheckBoxType::OnCharDown(int col, long row, UINT* key) {
  if (key == nullptr || *key != ' ') return FALSE;
  Toggle(col, row);
  return TRUE;
}

void CUGCheckBoxType::OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                             int current) {
  CRect inner = DrawFrameAndBackground(dc, rect, col, row, cell, selected, current);
  long ex = cell->GetCellTypeEx();
  CRect box = BoxRect(inner, ex, cell->GetAlignment());
  if (box.Width() < 4 || box.Height() < 4) return;
  int state = static_cast<int>(cell->GetNumber());
  bool disabled = IsDisabled(cell);
  // The frame: white inside, shadowed outline (sunken or flat).
  if (disabled) {
    DitherFill(dc, box);
  } else {
    dc->FillSolidRect(box, RGB(255, 255, 255));
  }
  if (ex & UGCT_CHECKBOXFLAT) {
    dc->Draw3dRect(box, RGB(0, 0, 0), RGB(0, 0, 0));
  } else {
    dc->Draw3dRect(box, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DHILIGHT));
  }
  CRect mark = box;
  mark.DeflateRect(3, 3);
  if (state == 2) {
    DitherFill(dc, mark);
    return;
  }
  if (state != 1 || mark.IsRectEmpty()) return;
  COLORREF color = disabled ? GetSysColor(COLOR_BTNSHADOW) : RGB(0, 0, 0);
  CPen pen(PS_SOLID, 2, color);
  CPen* old = dc->SelectObject(&pen);
  if (ex & UGCT_CHECKBOXROUND) {
    CBrush brush(color);
    CBrush* oldBrush = dc->SelectObject(&brush);
    dc->Ellipse(mark);
    dc->SelectObject(oldBrush);
  } else if (ex & UGCT_CHECKBOXCROSS) {
    dc->MoveTo(mark.left, mark.top);
    dc->LineTo(mark.right, mark.bottom);
    dc->MoveTo(mark.right - 1, mark.top);
    dc->LineTo(mark.left - 1, mark.bottom);
  } else {
    int midY = mark.top + mark.Height() / 2;
    dc->MoveTo(mark.left, midY);
    dc->LineTo(mark.left + mark.Width() / 3, mark.bottom - 1);
    dc->LineTo(mark.right, mark.top);
  }
  dc->SelectObject(old);
}

void CUGCheckBoxType::GetBestSize(CDC*, CSize* size, CUGCell*) {
  size->cx = 12 + 6;
  size->cy = 12 + 6;
}
