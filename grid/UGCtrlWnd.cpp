// The windows of the grid control: creating and laying out its children,
// its own window messages, fonts and bitmaps, repainting, column fitting
// by measure and the focus rectangle.
#include <algorithm>
#include <memory>

#include "grid/UGCellType.h"
#include "grid/UGCnrBtn.h"
#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"
#include "grid/UGHint.h"
#include "grid/UGSideHdg.h"
#include "grid/UGTab.h"
#include "grid/UGTopHdg.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"

namespace {
constexpr UINT kWmSysColorChange = 0x0015;
constexpr LRESULT kDlgcWantArrows = 0x0001;
constexpr LRESULT kDlgcWantAllKeys = 0x0004;
}  // namespace

// ---- Child objects ---------------------------------------------------------------

void CUGCtrl::CreateChildObjects() {
  m_CUGGrid = new CUGGrid(this);
  m_CUGTopHdg = new CUGTopHdg(this);
  m_CUGSideHdg = new CUGSideHdg(this);
  m_CUGCnrBtn = new CUGCnrBtn(this);
  m_CUGTab = new CUGTab(this);
  m_CUGHint = new CUGHint;
  CreateScrollAndEditObjects();
  CreatePens();
}

void CUGCtrl::DestroyChildObjects() {
  DestroyScrollAndEditObjects();
  delete m_CUGHint;
  delete m_CUGTab;
  delete m_CUGCnrBtn;
  delete m_CUGSideHdg;
  delete m_CUGTopHdg;
  delete m_CUGGrid;
  m_CUGHint = nullptr;
  m_CUGTab = nullptr;
  m_CUGCnrBtn = nullptr;
  m_CUGSideHdg = nullptr;
  m_CUGTopHdg = nullptr;
  m_CUGGrid = nullptr;
  delete m_threeDLightPen;
  delete m_threeDDarkPen;
  delete m_gridLinePen;
  m_threeDLightPen = m_threeDDarkPen = m_gridLinePen = nullptr;
  for (CFont* font : m_ownedFonts) delete font;
  m_ownedFonts.clear();
}

void CUGCtrl::CreatePens() {
  delete m_threeDLightPen;
  delete m_threeDDarkPen;
  delete m_gridLinePen;
  m_threeDLightPen = new CPen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  m_threeDDarkPen = new CPen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  m_gridLinePen = new CPen(PS_SOLID, 1, m_GI != nullptr ? m_GI->m_gridLineColor : RGB(0xDC, 0xDC, 0xDC));
}

void CUGCtrl::SyncChildSheets() {
  if (m_CUGGrid) m_CUGGrid->SetSheet(m_GI);
  if (m_CUGTopHdg) m_CUGTopHdg->SetSheet(m_GI);
  if (m_CUGSideHdg) m_CUGSideHdg->SetSheet(m_GI);
  if (m_CUGCnrBtn) m_CUGCnrBtn->SetSheet(m_GI);
  if (m_CUGTab) m_CUGTab->SetSheet(m_GI);
  SyncScrollSheets();
}

bool CUGCtrl::WindowsExist() const {
  return IsWindowCreated() && m_CUGGrid != nullptr && m_CUGGrid->IsWindowCreated();
}

CUGRedrawList* CUGCtrl::GetGridRedrawList() { return m_CUGGrid ? &m_CUGGrid->m_redrawList : nullptr; }

// ---- Creation ------------------------------------------------------------------------

BOOL CUGCtrl::CreateGrid(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!Create("", style | WS_CHILD | WS_CLIPCHILDREN, rect, parent, id)) return FALSE;
  SetupFonts(parent);
  AfterSetup();
  return TRUE;
}

int CUGCtrl::AttachGrid(CWnd* parent, UINT controlId) {
  if (parent == nullptr || parent->GetDlgItem(static_cast<int>(controlId)) == nullptr) return UG_ERROR;
  // The grid takes the place, size, style, id and tab position of the item.
  if (!SubclassDlgItem(controlId, parent)) return UG_ERROR;
  ModifyStyle(0, WS_CLIPCHILDREN | WS_TABSTOP);
  SetupFonts(parent);
  AfterSetup();
  return UG_SUCCESS;
}

void CUGCtrl::SetupFonts(CWnd* parent) {
  LOGFONT lf;
  CFont* parentFont = parent != nullptr ? parent->GetFont() : nullptr;
  if (parentFont == nullptr || parentFont->GetLogFont(&lf) == 0) {
    lf = LOGFONT();
    lf.lfHeight = -12;
    lf.lfFaceName = "MS Shell Dlg";
  }
  int normal = AddFont(lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight,
                       lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                       lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
  SetDefaultFont(normal);
  LONG weight = (lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight) + 200;
  int bold = AddFont(lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, weight, lf.lfItalic,
                     lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                     lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
  if (CFont* font = GetFont(bold)) m_GI->m_hdgDefault.SetFont(font);
}

int CUGCtrl::CreateChildWindows() {
  const DWORD child = WS_CHILD | WS_VISIBLE;
  CRect zero(0, 0, 0, 0);
  m_CUGGrid->Create("", child | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, zero, this, UG_GRID_ID);
  m_CUGTopHdg->Create("", child | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, zero, this, UG_TOPHDG_ID);
  m_CUGSideHdg->Create("", child, zero, this, UG_SIDEHDG_ID);
  m_CUGCnrBtn->Create("", child, zero, this, UG_CNRBTN_ID);
  m_CUGTab->Create("", child | WS_CLIPCHILDREN, zero, this, UG_TAB_ID);
  CreateScrollAndEditWindows();
  m_CUGHint->Create(this);
  SyncChildSheets();
  return UG_SUCCESS;
}

int CUGCtrl::OnCreate() {
  ModifyStyle(0, WS_CLIPCHILDREN);
  CreateChildWindows();
  return CWnd::OnCreate();
}

void CUGCtrl::OnDestroy() {
  if (m_CUGHint != nullptr && m_CUGHint->IsWindowCreated()) m_CUGHint->DestroyWindow();
  CWnd::OnDestroy();
}

void CUGCtrl::MoveChildWindows(bool tabsOnly) {
  if (!WindowsExist()) return;
  CUGGridInfo* gi = m_GI;
  auto place = [](CWnd* wnd, CRect rect) {
    if (wnd == nullptr || !wnd->IsWindowCreated()) return;
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    wnd->MoveWindow(rect, TRUE);
  };
  if (!tabsOnly) {
    place(m_CUGGrid, gi->m_gridRect);
    place(m_CUGTopHdg, gi->m_topHdgRect);
    place(m_CUGSideHdg, gi->m_sideHdgRect);
    place(m_CUGCnrBtn, gi->m_cnrBtnRect);
    MoveVScroll(gi->m_vScrollRect);
    place(m_CUGTab, gi->m_tabRect);
    MoveHScroll(gi->m_hScrollRect);
    return;
  }
  // Only the tabs and the horizontal scroll bar share the bottom strip anew.
  CRect tabs = gi->m_tabRect;
  tabs.right = std::min(gi->m_tabWidth, gi->m_hScrollRect.right);
  CRect bar = gi->m_hScrollRect;
  bar.left = tabs.right;
  gi->m_tabRect = tabs;
  gi->m_hScrollRect = bar;
  place(m_CUGTab, tabs);
  MoveHScroll(bar);
}

// ---- Window messages -------------------------------------------------------------------

LRESULT CUGCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return kDlgcWantArrows | kDlgcWantAllKeys;
    case kWmSysColorChange: {
      for (int i = 0; i < m_cellTypeList.GetMaxCount(); ++i) {
        if (auto* type = static_cast<CUGCellType*>(m_cellTypeList.GetPointer(i))) type->OnSystemChange();
      }
      for (auto& sheet : m_GIList) sheet->m_hdgDefault.SetBackColor(GetSysColor(COLOR_3DFACE));
      CreatePens();
      RedrawAll();
      return 0;
    }
    case UGM_CELLTYPE_MESSAGE: {
      CUGCellType* type = GetCellType(static_cast<int>(wParam));
      return type->OnCellTypeMessage(static_cast<long>(lParam), 0);
    }
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

void CUGCtrl::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  BOOL oldUpdate = m_enableUpdate;
  m_enableUpdate = FALSE;
  Invalidate(FALSE);
  AdjustComponentSizes();
  m_enableUpdate = oldUpdate;
}

void CUGCtrl::OnPaint() {
  CPaintDC dc(this);
  if (!m_GI->m_paintMode) return;
  // The small square between the two scroll bars, then the layout (it
  // moves and repaints only the children, never this window).
  CRect square(m_GI->m_vScrollRect.left, m_GI->m_hScrollRect.top, m_GI->m_vScrollRect.right,
               m_GI->m_hScrollRect.bottom);
  if (!square.IsRectEmpty()) dc.FillSolidRect(square, GetSysColor(COLOR_3DFACE));
  AdjustComponentSizes();
}

void CUGCtrl::OnSetFocus(CWnd* oldWnd) {
  CWnd::OnSetFocus(oldWnd);
  if (m_CUGGrid != nullptr && m_CUGGrid->IsWindowCreated()) m_CUGGrid->SetFocus();
}

BOOL CUGCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam);
  if (id >= UG_MENU_FIRST_ID) {
    OnMenuCommand(m_menuCol, m_menuRow, m_menuSection, id);
    return TRUE;
  }
  return CWnd::OnCommand(wParam, lParam);
}

// ---- Fonts and bitmaps ----------------------------------------------------------------------

int CUGCtrl::AddFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                     BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                     BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const std::string& face) {
  // A face name too long for a font falls back to the default face.
  auto font = std::make_unique<CFont>();
  if (!font->CreateFont(height, width, escapement, orientation, weight, italic, underline,
                        strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                        face.size() >= static_cast<size_t>(LF_FACESIZE) ? std::string() : face))
    return -1;
  LOGFONT lf;
  font->GetLogFont(&lf);
  // An equal font is shared: its use count goes up.
  for (int i = 0; i < m_fontList.GetMaxCount(); ++i) {
    auto* listed = static_cast<CFont*>(m_fontList.GetPointer(i));
    LOGFONT other;
    if (listed == nullptr || listed->GetLogFont(&other) == 0) continue;
    if (other.lfHeight == lf.lfHeight && other.lfWidth == lf.lfWidth &&
        other.lfEscapement == lf.lfEscapement && other.lfOrientation == lf.lfOrientation &&
        other.lfWeight == lf.lfWeight && other.lfItalic == lf.lfItalic &&
        other.lfUnderline == lf.lfUnderline && other.lfStrikeOut == lf.lfStrikeOut &&
        other.lfCharSet == lf.lfCharSet && other.lfOutPrecision == lf.lfOutPrecision &&
        other.lfClipPrecision == lf.lfClipPrecision && other.lfQuality == lf.lfQuality &&
        other.lfPitchAndFamily == lf.lfPitchAndFamily && other.lfFaceName == lf.lfFaceName) {
      m_fontList.UpdateParam(i, m_fontList.GetParam(i) + 1);
      return i;
    }
  }
  int index = m_fontList.AddPointer(font.get(), 1);
  if (index < 0) return -1;
  m_ownedFonts.push_back(font.release());
  return index;
}

CFont* CUGCtrl::GetFont(int index) const { return static_cast<CFont*>(m_fontList.GetPointer(index)); }

int CUGCtrl::SetDefaultFont(int index) {
  CFont* font = GetFont(index);
  if (font == nullptr) return UG_ERROR;
  m_GI->m_defFont = font;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::AddBitmap(CBitmap* bitmap) {
  if (bitmap == nullptr) return -1;
  return m_bitmapList.AddPointer(bitmap);
}

CBitmap* CUGCtrl::GetBitmap(int index) const { return static_cast<CBitmap*>(m_bitmapList.GetPointer(index)); }

// ---- Repainting --------------------------------------------------------------------------------

void CUGCtrl::RepaintAll() {
  if (!WindowsExist() || !m_enableUpdate) return;
  for (CWnd* wnd : std::initializer_list<CWnd*>{m_CUGGrid, m_CUGTopHdg, m_CUGSideHdg, m_CUGCnrBtn, m_CUGTab}) {
    if (wnd != nullptr && wnd->IsWindowCreated()) wnd->Invalidate(FALSE);
  }
  RefreshScrollBars();
}

int CUGCtrl::RedrawAll() {
  RepaintAll();
  return UG_SUCCESS;
}

int CUGCtrl::RedrawCell(int col, long row) {
  if (!WindowsExist() || !m_GI->m_paintMode) return UG_SUCCESS;
  if (col < 0) {
    m_CUGSideHdg->Repaint();
  } else if (row < 0) {
    m_CUGTopHdg->Repaint();
  } else if (m_enableUpdate) {
    m_CUGGrid->RedrawCell(col, row);
  }
  return UG_SUCCESS;
}

int CUGCtrl::RedrawRange(int startCol, long startRow, int endCol, long endRow) {
  if (!WindowsExist() || !m_GI->m_paintMode) return UG_SUCCESS;
  if (startCol < 0 || endCol < 0) m_CUGSideHdg->Repaint();
  if (startRow < 0 || endRow < 0) m_CUGTopHdg->Repaint();
  if (m_enableUpdate) {
    m_CUGGrid->RedrawRange(std::max(startCol, 0), std::max(startRow, 0L), std::max(endCol, 0),
                           std::max(endRow, 0L));
  }
  return UG_SUCCESS;
}

void CUGCtrl::RefreshAfterMove(int, long, int, long) {
  if (!WindowsExist() || !m_enableUpdate) return;
  m_CUGGrid->ScrollAndRedraw();
  m_CUGSideHdg->ScrollAndRedraw();
  m_CUGTopHdg->ScrollAndRedraw();
}

int CUGCtrl::SetRightToLeft(BOOL flag) {
  m_rightToLeft = flag ? TRUE : FALSE;
  ApplyLayoutDirection();
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::EnableGrid(BOOL flag) {
  m_GI->m_enableFlag = flag ? TRUE : FALSE;
  for (CWnd* wnd : std::initializer_list<CWnd*>{m_CUGGrid, m_CUGTopHdg, m_CUGSideHdg, m_CUGCnrBtn}) {
    if (wnd != nullptr && wnd->IsWindowCreated()) wnd->EnableWindow(flag);
  }
  return UG_SUCCESS;
}

// ---- Measuring ------------------------------------------------------------------------------------

int CUGCtrl::BestFitColumns(int firstCol, int lastCol, long rowsToScan, int flags) {
  CUGGridInfo* gi = m_GI;
  if (firstCol < -gi->m_numberSideHdgCols) return UG_ERROR;
  if (lastCol >= gi->m_numberCols) return UG_REFUSED;
  if (firstCol > lastCol) return UG_THIRDCHECK;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  if (gi->m_defFont != nullptr) dc.SelectObject(gi->m_defFont);
  std::vector<int> best(static_cast<size_t>(lastCol - firstCol + 1), 3);
  std::vector<long> rows;
  if (flags & 1) {
    for (long r = -gi->m_numberTopHdgRows; r < 0; ++r) rows.push_back(r);
  }
  for (long r = 0; r < gi->m_numLockRows && r < gi->m_numberRows; ++r) rows.push_back(r);
  for (long r = std::max(gi->m_topRow, gi->m_numLockRows); r < gi->m_numberRows; ++r) {
    if (static_cast<long>(rows.size()) >= rowsToScan) break;
    rows.push_back(r);
  }
  if (static_cast<long>(rows.size()) > rowsToScan) rows.resize(static_cast<size_t>(std::max(rowsToScan, 0L)));
  CUGCell cell;
  for (long r : rows) {
    for (int c = firstCol; c <= lastCol; ++c) {
      GetCellIndirect(c, r, &cell);
      if (cell.IsPropertySet(UGCELL_JOIN_SET)) continue;
      CFont* old = nullptr;
      bool selected = false;
      if (CFont* font = cell.GetFont()) {
        old = dc.SelectObject(font);
        selected = true;
      }
      CSize size;
      GetCellType(cell.GetCellTypeIndex())->GetBestSize(&dc, &size, &cell);
      if (selected) dc.SelectObject(old);
      int& width = best[static_cast<size_t>(c - firstCol)];
      width = std::max(width, size.cx);
    }
  }
  int limit = gi->m_gridWidth - gi->m_vScrollWidth;
  if (gi->m_gridWidth == 0) limit = 300;
  limit = std::max(limit, 1);
  int headingTotal = 0;
  bool headingChanged = false;
  for (int c = firstCol; c <= lastCol; ++c) {
    int width = best[static_cast<size_t>(c - firstCol)] + 2;
    if (best[static_cast<size_t>(c - firstCol)] > limit) width = limit;
    if (c < 0) {
      gi->m_sideHdgWidths[static_cast<size_t>(-c - 1)] = width;
      headingChanged = true;
      continue;
    }
    if (gi->m_paintMode && IsWindowCreated() && IsWindowVisible()) {
      for (long r : ShownRows()) {
        GetCellIndirect(c, r, &cell);
        GetCellType(cell.GetCellTypeIndex())->OnChangedCellWidth(c, r, &width);
      }
      OnColumnSized(c, &width);
    }
    gi->m_colInfo[static_cast<size_t>(c)].width = std::max(width, 0);
  }
  if (headingChanged) {
    for (int w : gi->m_sideHdgWidths) headingTotal += w;
    gi->m_sideHdgWidth = headingTotal;
  }
  CalcLockedSizes();
  AdjustComponentSizes();
  return UG_SUCCESS;
}

void CUGCtrl::DrawCurrentCellFocus(CDC* dc, CRect* rect) {
  CUGCell cell;
  if (m_GI->m_currentCol >= 0 && m_GI->m_currentRow >= 0) {
    GetCellIndirect(m_GI->m_currentCol, m_GI->m_currentRow, &cell);
    if (GetCellType(cell.GetCellTypeIndex())->DrawFocus(dc, rect, m_GI->m_currentCol, m_GI->m_currentRow)) {
      return;
    }
  }
  CRect focus = *rect;
  focus.right -= 1;
  focus.bottom -= 1;
  dc->DrawFocusRect(focus);
}
