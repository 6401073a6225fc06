#include "grid/UGCellType.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/Pen.h"

namespace {

const CUGPtrList::Id kNormalTypeId = {0x5e, 0x1a, 0x30, 0x71, 0x9c, 0x42, 0x4d, 0x11,
                                      0x8a, 0x0b, 0x52, 0x6e, 0xd1, 0x07, 0x33, 0x01};

constexpr COLORREF kDisabledText = 0x8C8C8C;

// One side of a border: its width in pixels and its pen.
struct Side {
  int width = 0;
  CPen* pen = nullptr;
};

int WidthOfBits(short border, short thin, short medium, short thick) {
  if (border & thick) return 3;
  if (border & medium) return 2;
  if (border & thin) return 1;
  return 0;
}

}  // namespace

CUGCellType::CUGCellType() = default;

CUGCellType::~CUGCellType() = default;

bool CUGCellType::CellMayOverflow(CUGCell* cell) const {
  return cell->GetCellTypeEx() == 0 && !cell->IsPropertySet(UGCELL_JOIN_SET) &&
         cell->IsPropertySet(UGCELL_ALIGNMENT_SET) && (cell->GetAlignment() & UG_ALIGNLEFT) != 0 &&
         m_canOverflow;
}

std::string CUGCellType::GetTypeName() const { return "Normal Cell Type (default)"; }

const CUGPtrList::Id* CUGCellType::GetTypeId() const { return &kNormalTypeId; }

int CUGCellType::AdjustEditRect(CRect*) { return 0; }

BOOL CUGCellType::OnLClicked(int, long, int, CRect*, CPoint*) { return FALSE; }
BOOL CUGCellType::OnRClicked(int, long, int, CRect*, CPoint*) { return FALSE; }
BOOL CUGCellType::OnDClicked(int, long, CRect*, CPoint*) { return FALSE; }
BOOL CUGCellType::OnKeyDown(int, long, UINT*) { return FALSE; }
BOOL CUGCellType::OnKeyUp(int, long, UINT*) { return FALSE; }
BOOL CUGCellType::OnCharDown(int, long, UINT*) { return FALSE; }
BOOL CUGCellType::OnMouseMove(int, long, CPoint*, UINT) { return FALSE; }
void CUGCellType::OnSetFocus(int, long, CUGCell*) {}
void CUGCellType::OnKillFocus(int, long, CUGCell*) {}
void CUGCellType::OnCurrentMoved(int, long, CUGCell*) {}
void CUGCellType::OnChangingCellWidth(int, long, int*) {}
void CUGCellType::OnChangedCellWidth(int, long, int*) {}
void CUGCellType::OnSystemChange() {}

BOOL CUGCellType::NotifyGrid(int typeIndex, int col, long row, long message, LPARAM param) {
  if (m_ctrl == nullptr) return TRUE;
  return m_ctrl->OnCellTypeNotify(typeIndex, col, row, message, param);
}

// ---- Drawing -------------------------------------------------------------------

void CUGCellType::OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                         int current) {
  if (dc->IsPrinting()) {
    OnPrint(dc, rect, col, row, cell, selected, current);
    return;
  }
  CUGGridInfo* gi = m_ctrl->m_GI;
  if (gi->m_enableCellOverFlow && CellMayOverflow(cell) && col >= 0 && row >= 0) {
    CUGRedrawList* list = m_ctrl->GetGridRedrawList();
    if (cell->GetTextLength() == 0) {
      int startCol = col;
      int offset = GetOverflowStart(dc, col, row, &startCol, cell);
      if (offset != 0) {
        CRect inner;
        DrawBorder(dc, rect, &inner, cell);
        // The text that runs in is drawn by the cell it belongs to, as that
        // cell is composed; its bitmap stays in its own cell (the text keeps
        // its place after it).
        CUGCell source;
        m_ctrl->GetCellIndirect(startCol, row, &source);
        CUGCellType* sourceType = m_ctrl->GetCellType(source.GetCellTypeIndex());
        sourceType->DrawText(dc, &inner, offset, startCol, row, &source, selected, current);
        if (list != nullptr && col + 1 < gi->m_numberCols) list->AddCell(col + 1, row);
        return;
      }
    } else if (list != nullptr && col + 1 < gi->m_numberCols) {
      list->AddCell(col + 1, row);
    }
  }
  CRect inner;
  DrawBorder(dc, rect, &inner, cell);
  DrawText(dc, &inner, 0, col, row, cell, selected, current);
}

int CUGCellType::GetOverflowStart(CDC* dc, int col, long row, int* startCol, CUGCell* /*cell*/) {
  CUGGridInfo* gi = m_ctrl->m_GI;
  if (!gi->m_enableCellOverFlow || col <= 0) return 0;
  int dsCol = m_ctrl->DataSourceColOf(col);
  if (m_ctrl->DataSourceOf(col)->FindTextToLeft(&dsCol, row) != UG_SUCCESS) return 0;
  // The grid column showing that data-source column.
  int left = dsCol;
  for (int c = col - 1; c >= 0; --c) {
    if (m_ctrl->DataSourceColOf(c) == dsCol) {
      left = c;
      break;
    }
  }
  if (left < 0 || left >= col) return 0;
  CUGCell source;
  m_ctrl->GetCellIndirect(left, row, &source);
  CUGCellType* type = m_ctrl->GetCellType(source.GetCellTypeIndex());
  CSize size;
  type->GetBestSize(dc, &size, &source);
  if (size.cx <= m_ctrl->GetColWidth(left)) return 0;
  if (!type->CellMayOverflow(&source)) return 0;
  int sum = 0;
  for (int c = left; c < gi->m_numberCols; ++c) {
    if (c == col) {
      *startCol = left;
      return -static_cast<int>(sum * m_drawScale);
    }
    sum += m_ctrl->GetColWidth(c);
    if (sum > size.cx) return 0;
  }
  return 0;
}

void CUGCellType::DrawBorder(CDC* dc, CRect* rect, CRect* rectOut, CUGCell* cell) {
  *rectOut = *rect;
  CUGGridInfo* gi = m_ctrl->m_GI;
  bool hasBorder = cell->IsPropertySet(UGCELL_BORDERSTYLE_SET) && cell->GetBorder() != 0;
  if (!hasBorder && !gi->m_defaultLines) return;
  short border = hasBorder ? cell->GetBorder() : 0;
  CPen* pen = cell->GetBorderPen() ? cell->GetBorderPen() : m_ctrl->m_gridLinePen;
  Side left, top, right, bottom;
  if (border & (UG_BDR_RAISED | UG_BDR_RECESSED)) {
    bool raised = (border & UG_BDR_RAISED) != 0;
    CPen* light = raised ? m_ctrl->m_threeDLightPen : m_ctrl->m_threeDDarkPen;
    CPen* dark = raised ? m_ctrl->m_threeDDarkPen : m_ctrl->m_threeDLightPen;
    int w = std::max(gi->m_threeDWidth, 0);
    left = {w, light};
    top = {w, light};
    right = {w, dark};
    bottom = {w, dark};
  } else {
    left = {WidthOfBits(border, UG_BDR_LTHIN, UG_BDR_LMEDIUM, UG_BDR_LTHICK), pen};
    top = {WidthOfBits(border, UG_BDR_TTHIN, UG_BDR_TMEDIUM, UG_BDR_TTHICK), pen};
    right = {WidthOfBits(border, UG_BDR_RTHIN, UG_BDR_RMEDIUM, UG_BDR_RTHICK), pen};
    bottom = {WidthOfBits(border, UG_BDR_BTHIN, UG_BDR_BMEDIUM, UG_BDR_BTHICK), pen};
    if (gi->m_defaultLines) {
      // The grid lines: the right and bottom edges in the default pen.
      if (right.width == 0) right = {1, m_ctrl->m_gridLinePen};
      if (bottom.width == 0) bottom = {1, m_ctrl->m_gridLinePen};
    }
  }
  CRect r = *rect;
  auto line = [dc](CPen* p, int x1, int y1, int x2, int y2) {
    if (p == nullptr) return;
    CPen* old = dc->SelectObject(p);
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    dc->SelectObject(old);
  };
  for (int i = 0; i < left.width; ++i) line(left.pen, r.left + i, r.top, r.left + i, r.bottom);
  for (int i = 0; i < top.width; ++i) line(top.pen, r.left, r.top + i, r.right, r.top + i);
  for (int i = 0; i < right.width; ++i) line(right.pen, r.right - 1 - i, r.top, r.right - 1 - i, r.bottom);
  for (int i = 0; i < bottom.width; ++i) line(bottom.pen, r.left, r.bottom - 1 - i, r.right, r.bottom - 1 - i);
  rectOut->left += left.width;
  rectOut->top += top.width;
  rectOut->right -= right.width;
  rectOut->bottom -= bottom.width;
}

CRect CUGCellType::DrawFrameAndBackground(CDC* dc, CRect* rect, int col, long row, CUGCell* cell,
                                          int selected, int current, COLORREF* textColor) {
  CRect inner;
  DrawBorder(dc, rect, &inner, cell);
  COLORREF text, back;
  ChooseColors(cell, selected, current, &text, &back);
  DrawCellBackground(dc, &inner, back, col, row, cell, selected, current);
  if (textColor != nullptr) *textColor = text;
  return inner;
}

void CUGCellType::StoreChange(int col, long row, const std::function<void(CUGCell&)>& change) {
  CUGCell stored;
  stored.SetPropertyFlags(0);
  m_ctrl->GetCell(col, row, &stored);
  change(stored);
  m_ctrl->SetCell(col, row, &stored);
  m_ctrl->RedrawCell(col, row);
}

void CUGCellType::StoreNumber(int col, long row, double number) {
  StoreChange(col, row, [number](CUGCell& cell) { cell.SetNumber(number); });
}

void CUGCellType::StoreText(int col, long row, const std::string& text) {
  StoreChange(col, row, [&text](CUGCell& cell) { cell.SetText(text); });
}

BOOL CUGCellType::OnClick(UGClick click, int col, long row, int down, CRect* rect, CPoint* point) {
  switch (click) {
    case UGClick::Left: return OnLClicked(col, row, down, rect, point);
    case UGClick::Right: return OnRClicked(col, row, down, rect, point);
    case UGClick::Double: return OnDClicked(col, row, rect, point);
  }
  return FALSE;
}

void CUGCellType::ChooseColors(CUGCell* cell, int selected, int current, COLORREF* text,
                               COLORREF* back) const {
  *text = cell->GetTextColor();
  *back = cell->GetBackColor();
  if (cell->IsPropertySet(UGCELL_CELLTYPEEX_SET) && (cell->GetCellTypeEx() & UGCT_DISABLED)) {
    *text = kDisabledText;
    return;
  }
  bool highlight = selected != 0 || (current != 0 && (m_ctrl->m_GI->m_highlightMode & 2) != 0);
  if (highlight) {
    *text = cell->GetHighlightTextColor();
    *back = cell->GetHighlightBackColor();
  }
}

void CUGCellType::DrawCellBackground(CDC* dc, CRect* rect, COLORREF backColor, int, long, CUGCell*,
                                     int, int) {
  dc->FillSolidRect(*rect, backColor);
}

UGBitmapPlace UGPlaceCellBitmap(CSize natural, const CRect& rect) {
  constexpr int kMargin = 2;
  UGBitmapPlace place;
  if (natural.cx <= 0 || natural.cy <= 0) return place;
  const int cellHeight = rect.Height();
  const int height = cellHeight - 2 * kMargin;
  if (height <= 0) return place;
  int width;
  if (natural.cy <= height) {
    // Natural size, centred vertically.
    width = std::min(static_cast<int>(natural.cx), rect.Width() - 2 * kMargin);
    place.target = CRect(rect.left + kMargin, rect.top + (cellHeight - natural.cy) / 2, 0, 0);
    place.target.bottom = place.target.top + natural.cy;
    place.stretched = false;
  } else {
    // Scaled to the cell's height, keeping the aspect ratio.
    width = std::min(static_cast<int>(natural.cx * height / natural.cy), rect.Width() - 2 * kMargin);
    place.target = CRect(rect.left + kMargin, rect.top + kMargin, 0, rect.top + kMargin + height);
    place.stretched = true;
  }
  if (width <= 0) return UGBitmapPlace{};
  place.target.right = place.target.left + width;
  place.used = 2 * kMargin + width;
  return place;
}

int UGCellBitmapWidth(CSize natural, const CRect& rect) { return UGPlaceCellBitmap(natural, rect).used; }

int CUGCellType::DrawCellBitmap(CDC* dc, CBitmap* bitmap, CRect* rect, COLORREF /*backColor*/) {
  if (bitmap == nullptr) return 0;
  const CSize natural = bitmap->GetBitmapDimension();
  const UGBitmapPlace place = UGPlaceCellBitmap(natural, *rect);
  if (place.used == 0) return 0;
  CDC memory;
  memory.CreateCompatibleDC(dc);
  memory.SelectObject(bitmap);
  const CRect& t = place.target;
  if (place.stretched) {
    dc->StretchBlt(t.left, t.top, t.Width(), t.Height(), &memory, 0, 0, natural.cx, natural.cy, SRCCOPY);
  } else {
    dc->BitBlt(t.left, t.top, t.Width(), t.Height(), &memory, 0, 0, SRCCOPY);
  }
  return place.used;
}

void CUGCellType::DrawText(CDC* dc, CRect* rect, int offset, int col, long row, CUGCell* cell,
                           int selected, int current) {
  long ex = cell->GetCellTypeEx();
  std::string text;
  if (m_useLabelText || (ex & UGCT_NORMALLABELTEXT)) {
    text = cell->GetLabel();
  } else if (cell->IsPropertySet(UGCELL_TEXT_SET)) {
    text = cell->GetText();
  }
  short alignment = cell->IsPropertySet(UGCELL_ALIGNMENT_SET) ? cell->GetAlignment() : 0;
  CFont* oldFont = nullptr;
  bool fontSelected = false;
  if (CFont* font = cell->GetFont()) {
    oldFont = dc->SelectObject(font);
    fontSelected = true;
  }
  COLORREF textColor, backColor;
  ChooseColors(cell, selected, current, &textColor, &backColor);
  DrawCellBackground(dc, rect, backColor, col, row, cell, selected, current);

  CRect area = *rect;     // where text may show
  int textLeft = rect->left;  // where left-aligned text starts
  if (CBitmap* bitmap = cell->GetBitmap()) {
    if (offset < 0) {
      // Text running into a neighbour: the bitmap stays in its own cell,
      // the text keeps the place it has after it there.
      textLeft += UGCellBitmapWidth(bitmap->GetBitmapDimension(), *rect);
    } else {
      area.left += DrawCellBitmap(dc, bitmap, rect, backColor);
      textLeft = area.left;
    }
  }

  if (!text.empty() && !area.IsRectEmpty()) {
    const int margin = m_ctrl->m_GI->m_margin;
    dc->SetTextColor(textColor);
    dc->SetBkMode(TRANSPARENT);
    if (ex & UGCT_NORMALMULTILINE) {
      UINT format = DT_NOPREFIX | DT_WORDBREAK;
      if (alignment & UG_ALIGNCENTER) format |= DT_CENTER;
      else if (alignment & UG_ALIGNRIGHT) format |= DT_RIGHT;
      CRect textRect = area;
      textRect.left = textLeft + margin + offset;
      textRect.right -= margin;
      textRect.top += 1;
      dc->DrawText(text, &textRect, format);
    } else if (ex & UGCT_NORMALELLIPSIS) {
      // One line from the top left, cut with an ellipsis; the alignment
      // bits do not apply to this mode.
      const UINT format = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE;
      CRect textRect = area;
      textRect.left = textLeft + 3;
      dc->DrawText(text, &textRect, format);
    } else {
      // Measured only when the alignment places the text by its size.
      const bool byWidth = (alignment & (UG_ALIGNCENTER | UG_ALIGNRIGHT)) != 0;
      const bool byHeight = (alignment & (UG_ALIGNVCENTER | UG_ALIGNBOTTOM)) != 0;
      CSize extent;
      if (byWidth) {
        extent = dc->GetTextExtent(text);
      } else if (byHeight) {
        TEXTMETRIC tm;
        dc->GetTextMetrics(&tm);
        extent.cy = tm.tmHeight;
      }
      int x;
      if (alignment & UG_ALIGNCENTER) {
        x = area.left + (area.Width() - extent.cx) / 2;
      } else if (alignment & UG_ALIGNRIGHT) {
        x = area.right - margin - extent.cx;
      } else {
        x = textLeft + margin + offset;
      }
      int y;
      if (alignment & UG_ALIGNVCENTER) {
        y = area.top + (area.Height() - extent.cy) / 2;
      } else if (alignment & UG_ALIGNBOTTOM) {
        y = area.bottom - extent.cy - 1;
      } else {
        y = area.top + 1;
      }
      UINT oldAlign = dc->SetTextAlign(TA_LEFT | TA_TOP);
      dc->ExtTextOut(x, y, ETO_CLIPPED, &area, text);
      dc->SetTextAlign(oldAlign);
    }
  }
  if (fontSelected) dc->SelectObject(oldFont);
}

void CUGCellType::GetBestSize(CDC* dc, CSize* size, CUGCell* cell) {
  long ex = cell->GetCellTypeEx();
  std::string text = (m_useLabelText || (ex & UGCT_NORMALLABELTEXT)) ? cell->GetLabel()
                     : cell->IsPropertySet(UGCELL_TEXT_SET)       ? cell->GetText()
                                                                  : std::string();
  CFont* oldFont = nullptr;
  bool fontSelected = false;
  if (CFont* font = cell->GetFont()) {
    oldFont = dc->SelectObject(font);
    fontSelected = true;
  } else if (m_ctrl != nullptr && m_ctrl->m_GI->m_defFont != nullptr) {
    oldFont = dc->SelectObject(m_ctrl->m_GI->m_defFont);
    fontSelected = true;
  }
  UINT format = DT_CALCRECT | DT_NOPREFIX;
  format |= (ex & UGCT_NORMALMULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  if (ex & UGCT_NORMALELLIPSIS) format |= DT_END_ELLIPSIS;
  CRect rect(0, 0, (ex & UGCT_NORMALMULTILINE) ? std::max(size->cx, 1) : 32000, 0);
  int margin = m_ctrl != nullptr ? m_ctrl->m_GI->m_margin : 4;
  if (!text.empty()) {
    dc->DrawText(text, &rect, format);
    size->cx = rect.Width() + 2 * margin;
    size->cy = rect.Height();
  } else {
    size->cx = 0;
    size->cy = 0;
  }
  if (CBitmap* bitmap = cell->GetBitmap()) {
    CSize natural = bitmap->GetBitmapDimension();
    size->cx += natural.cx + 4;
    size->cy = std::max(size->cy, static_cast<int>(natural.cy) + 4);
  }
  if (fontSelected) dc->SelectObject(oldFont);
}

// ---- Printing ---------------------------------------------------------------------

void CUGCellType::OnPrint(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int, int) {
  OnPrintCell(dc, rect, col, row, cell);
}

void CUGCellType::OnPrintCell(CDC* dc, CRect* rect, int col, long row, CUGCell* cell) {
  // The printed row is taller than the one on screen: scale fonts and lines.
  int screenHeight = 0;
  int sc = col, ec = col;
  long sr = row, er = row;
  if (col < 0 && row < 0) {
    screenHeight = m_ctrl->m_GI->m_topHdgHeight;
  } else if (m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS) {
    for (long r = sr; r <= er; ++r) screenHeight += m_ctrl->GetRowHeight(r);
  } else {
    screenHeight = m_ctrl->GetRowHeight(row);
  }
  m_drawScale = screenHeight > 0 ? static_cast<double>(rect->Height()) / screenHeight : 1.0;
  CFont* source = cell->GetFont() ? cell->GetFont() : m_ctrl->m_GI->m_defFont;
  CFont scaled;
  CFont* old = nullptr;
  bool selected = false;
  if (source != nullptr) {
    LOGFONT lf;
    if (source->GetLogFont(&lf)) {
      lf.lfHeight = static_cast<LONG>(lf.lfHeight * m_drawScale);
      if (scaled.CreateFontIndirect(&lf)) {
        old = dc->SelectObject(&scaled);
        selected = true;
      }
    }
  }
  CUGCell copy(*cell);
  copy.SetPropertyFlags(copy.GetPropertyFlags() & ~UGCELL_FONT_SET);
  CRect inner;
  DrawBorder(dc, rect, &inner, &copy);
  DrawText(dc, &inner, 0, col, row, &copy, 0, 0);
  if (selected) dc->SelectObject(old);
  m_drawScale = 1.0;
}
