#include "grid/UGArrowType.h"

#include <vector>

#include "grid/UGCtrl.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Pen.h"

namespace {
const CUGPtrList::Id kArrowId = {0x5e, 0x1a, 0x30, 0x71, 0x9c, 0x42, 0x4d, 0x11,
                                 0x8a, 0x0b, 0x52, 0x6e, 0xd1, 0x07, 0x33, 0x04};

// One arrow head of width 4 and height 7 pointing right (or left) with its
// tip at x, centred on y.
std::vector<CPoint> ArrowHead(int x, int y, bool right) {
  int back = right ? x - 4 : x + 4;
  return {{back, y - 4}, {x, y}, {back, y + 4}};
}
}  // namespace

CUGArrowType::CUGArrowType() = default;

CUGArrowType::~CUGArrowType() = default;

std::string CUGArrowType::GetTypeName() const { return "Side Arrows"; }

const CUGPtrList::Id* CUGArrowType::GetTypeId() const { return &kArrowId; }

void CUGArrowType::OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                          int current) {
  COLORREF text;
  CRect inner = DrawFrameAndBackground(dc, rect, col, row, cell, selected, current, &text);
  if (inner.Width() < 4) return;
  long ex = cell->GetCellTypeEx();
  bool right = !(ex & (UGCT_ARROWLEFT | UGCT_ARROWDLEFT));
  bool twin = (ex & (UGCT_ARROWDRIGHT | UGCT_ARROWDLEFT)) != 0;
  int y = inner.top + inner.Height() / 2;
  int x = inner.left + inner.Width() / 2 + (right ? 2 : -2) + (twin ? (right ? 2 : -2) : 0);
  CPen pen(PS_SOLID, 1, text);
  CBrush brush(text);
  CPen* oldPen = dc->SelectObject(&pen);
  CBrush* oldBrush = dc->SelectObject(&brush);
  std::vector<CPoint> head = ArrowHead(x, y, right);
  dc->Polygon(head.data(), static_cast<int>(head.size()));
  if (twin) {
    head = ArrowHead(right ? x - 4 : x + 4, y, right);
    dc->Polygon(head.data(), static_cast<int>(head.size()));
  }
  dc->SelectObject(oldPen);
  dc->SelectObject(oldBrush);
}

void CUGArrowType::GetBestSize(CDC*, CSize* size, CUGCell* cell) {
  long ex = cell->GetCellTypeEx();
  size->cx = (ex & (UGCT_ARROWDRIGHT | UGCT_ARROWDLEFT)) ? 14 : 10;
  size->cy = 10;
}
