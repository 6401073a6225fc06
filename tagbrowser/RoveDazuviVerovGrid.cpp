#include "tagbrowser/RoveDazuviVerovGrid.h"

#include <algorithm>

#include "controls/BalloonHelp.h"
#include "core/DCTag.h"
#include "core/DataCenterBase.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "grid/UGCellType.h"
#include "grid/UGGrid.h"
#include "links/VarTypeNames.h"
#include "platform/Seams.h"
#include "platform/ui/DC.h"
#include "res/TagBrowserResources.h"

namespace {

constexpr const char* kBalloonTitle = "DCTag Info";
constexpr UINT kBalloonMs = 3000;

CDCTag* TagOf(const CUGCell& cell) { return reinterpret_cast<CDCTag*>(cell.GetParam()); }

// A cell read for changing: only what the store holds.
CUGCell EmptyCell() {
  CUGCell cell;
  cell.SetPropertyFlags(0);
  return cell;
}

}  // namespace

CRoveDazuviVerovGrid::CRoveDazuviVerovGrid(CDataCenterBase* pDataCenter) : m_pDataCenter(pDataCenter) {}

CRoveDazuviVerovGrid::~CRoveDazuviVerovGrid() = default;

// ---- Set-up --------------------------------------------------------------------------

void CRoveDazuviVerovGrid::OnGridSetup() {
  if (m_pDataCenter == nullptr) m_pDataCenter = CVekEngineBase::GetEngineDataCenter();
  m_bmpFalse.LoadBitmap(IDB_RDV_BOOL_FALSE);
  m_bmpTrue.LoadBitmap(IDB_RDV_BOOL_TRUE);
  const int tagCount = m_pDataCenter != nullptr ? m_pDataCenter->GetTagCount() : 0;
  SetRowCount(tagCount);
  SetColCount(rdv::eColCount);
  EnableCellOverflow(FALSE);
  SetVScrollThumbTrack(TRUE);
  SetHScrollThumbTrack(TRUE);
  EnablePopupMenu(TRUE);
  m_nSliderIndex = AddCellType(&m_sliderType);
  m_nAutoFontIndex = AddCellType(&m_autoFontType);
  SetDefaultColWidth(10);
  for (int col = 0; col < rdv::eColCount; ++col) QuickSetText(col, -1, rdv::kColumns[col].heading);
  // The table's widths; a column whose bold heading would lose letters at
  // both ends (the heading is centred) is widened to the heading.
  CDC measure;
  measure.CreateCompatibleDC(nullptr);
  for (int col = 0; col < rdv::eColCount; ++col) {
    CUGCell heading;
    GetCellIndirect(col, -1, &heading);
    CSize needed;
    GetCellType(UGCT_NORMAL)->GetBestSize(&measure, &needed, &heading);
    SetColWidth(col, std::max(rdv::kColumns[col].width, static_cast<int>(needed.cx) + 2));
  }
  EnableGrid(TRUE);
  SetSideHeadingWidth(0);
  for (int index = 0; index < tagCount; ++index) FillRow(index, m_pDataCenter->GetTagAt(index));
  SetTimer(rdv::kRefreshTimer, rdv::kRefreshMs);
  m_bSetupDone = true;
}

void CRoveDazuviVerovGrid::FillRow(long row, CDCTag* tag) {
  if (tag == nullptr) return;
  CodeChange change(this);
  const VARTYPE type = tag->GetDataType();
  const rdv::Modifier modifier = rdv::ModifierOf(type, rdv::IsRangeSet(*tag->GetMinTag(), *tag->GetMaxTag()));
  for (int col = 0; col < rdv::eColCount; ++col) {
    CUGCell cell = EmptyCell();
    GetCell(col, row, &cell);
    cell.SetParam(reinterpret_cast<INT_PTR>(tag));
    cell.SetCellTypeEx(rdv::kTagCellTypeEx);
    switch (col) {
      case rdv::eColId:
        cell.SetNumber(tag->GetTagIndex());
        cell.SetTextColor(rdv::kIdTextColor);
        break;
      case rdv::eColName: cell.SetText(tag->GetTagName()); break;
      case rdv::eColHWType: cell.SetText(CDCTag::GetHWTypeName(tag->GetHWType())); break;
      case rdv::eColAccessPath: cell.SetText(tag->GetAccessPath()); break;
      case rdv::eColIOType: cell.SetText(CDCTag::GetIOTypeName(tag->GetIOType())); break;
      case rdv::eColDataType: cell.SetText(VarTypeToName(type)); break;
      case rdv::eColModifier:
        cell.SetCellTypeIndex(ModifierTypeIndex(modifier));
        if (modifier == rdv::Modifier::DropList) {
          const bool value = VariantToBool(*tag->GetTagData());
          cell.SetLabel(rdv::kBoolChoices);
          cell.SetText(value ? "True" : "False");
          cell.SetBitmap(value ? &m_bmpTrue : &m_bmpFalse);
        } else if (modifier == rdv::Modifier::Slider) {
          cell.SetText("0");
        }
        break;
      default: break;
    }
    SetCell(col, row, &cell);
  }
  RefreshRow(row);
}

int CRoveDazuviVerovGrid::ModifierTypeIndex(rdv::Modifier modifier) const {
  switch (modifier) {
    case rdv::Modifier::Slider: return m_nSliderIndex;
    case rdv::Modifier::DropList: return UGCT_DROPLIST;
    default: return UGCT_NORMAL;
  }
}

// ---- Refresh ----------------------------------------------------------------------------

void CRoveDazuviVerovGrid::OnTimer(UINT_PTR id) {
  if (id == rdv::kRefreshTimer) {
    RefreshShownRows();
    return;
  }
  CUGCtrl::OnTimer(id);
}

void CRoveDazuviVerovGrid::RefreshShownRows() {
  if (!m_bSetupDone || !IsWindowCreated()) return;
  CodeChange change(this);
  // The cells that change are gathered and painted in one pass at the end;
  // nothing else of the grid is laid out or painted again.
  ++m_nDeferRedraws;
  const long last = std::min(GetBottomRow(), GetRowCount() - 1);
  for (long row = GetTopRow(); row <= last && IsWindowCreated(); ++row) RefreshRow(row);
  --m_nDeferRedraws;
  // One paint of the area the changed cells cover (only that area is
  // painted and shown anew).
  if (IsWindowCreated() && m_GI->m_paintMode && !m_gathered.IsRectEmpty()) {
    m_CUGGrid->InvalidateRect(&m_gathered, FALSE);
    m_CUGGrid->UpdateWindow();
  }
  m_gathered.SetRectEmpty();
}

void CRoveDazuviVerovGrid::Redraw(int col, long row) {
  if (m_nDeferRedraws == 0 || m_CUGGrid == nullptr) {
    RedrawCell(col, row);
    return;
  }
  CRect rect;
  if (GetCellRect(col, row, &rect) != UG_SUCCESS) return;
  if (m_gathered.IsRectEmpty()) m_gathered = rect;
  else m_gathered.UnionRect(CRect(m_gathered), rect);
}

void CRoveDazuviVerovGrid::RefreshRow(long row) {
  CodeChange change(this);
  CUGCell valueCell = EmptyCell();
  GetCell(rdv::eColValue, row, &valueCell);
  CDCTag* tag = TagOf(valueCell);
  if (tag == nullptr) return;
  const VARIANT value = *tag->GetTagData();
  const VARIANT min = *tag->GetMinTag();
  const VARIANT max = *tag->GetMaxTag();
  const rdv::Modifier modifier = rdv::ModifierOf(tag->GetDataType(), rdv::IsRangeSet(min, max));

  // A cell is set (and painted) again only when its text changes.
  const std::string valueText = rdv::ValueText(value);
  if (valueCell.GetText() != valueText) {
    valueCell.SetText(valueText);
    SetCell(rdv::eColValue, row, &valueCell);
    Redraw(rdv::eColValue, row);
  }

  // The modifier follows the tag: a range that comes gives a slider, one
  // that goes takes it away; then the text (which moves a slider's thumb).
  CUGCell modifierCell = EmptyCell();
  GetCell(rdv::eColModifier, row, &modifierCell);
  const int typeIndex = ModifierTypeIndex(modifier);
  const bool typeChanged = modifierCell.GetCellTypeIndex() != typeIndex;
  if (typeChanged) {
    if (modifier == rdv::Modifier::DropList) {
      modifierCell.SetLabel(rdv::kBoolChoices);
      SetCell(rdv::eColModifier, row, &modifierCell);
    }
    QuickSetCellType(rdv::eColModifier, row, typeIndex);
  }
  const std::string modifierText = rdv::ModifierText(value, min, max, modifier);
  if (typeChanged || modifierCell.GetText() != modifierText) {
    QuickSetText(rdv::eColModifier, row, modifierText);
    Redraw(rdv::eColModifier, row);
  }
  // The new value stands beside a slider only. The write path keeps it in
  // step too, but it is not active yet during the set-up's own refresh.
  SetNewValueText(row, modifier == rdv::Modifier::Slider ? rdv::NewValueText(modifierText) : std::string());

  const bool match = rdv::NameMatchesFilter(tag->GetTagName(), m_strHighlightFilter);
  SetNameBackColor(row, match ? rdv::kHighlightBack : valueCell.GetBackColor());
}

void CRoveDazuviVerovGrid::SetNameBackColor(long row, COLORREF color) {
  CodeChange change(this);
  CUGCell cell = EmptyCell();
  GetCell(rdv::eColName, row, &cell);
  if (cell.GetBackColor() == color) return;
  cell.SetBackColor(color);
  SetCell(rdv::eColName, row, &cell);
  Redraw(rdv::eColName, row);
}

// ---- Highlight and go to ----------------------------------------------------------------

int CRoveDazuviVerovGrid::ApplyHighlightFilter() {
  CodeChange change(this);
  const BOOL painting = m_GI->m_paintMode;
  if (painting) EnableRedraw(FALSE);  // one repaint for all the rows
  int count = 0;
  long first = -1;
  for (long row = 0; row < GetRowCount(); ++row) {
    CUGCell valueCell = EmptyCell();
    GetCell(rdv::eColValue, row, &valueCell);
    COLORREF color = valueCell.GetBackColor();
    const CDCTag* tag = TagOf(valueCell);
    if (tag != nullptr && rdv::NameMatchesFilter(tag->GetTagName(), m_strHighlightFilter)) {
      color = rdv::kHighlightBack;
      if (count++ == 0) first = row;
    }
    SetNameBackColor(row, color);
  }
  if (painting) EnableRedraw(TRUE);
  if (count > 0) GoToLine(first);
  return count;
}

long CRoveDazuviVerovGrid::GoToLine(long line) {
  const long row = rdv::LineToRow(line, GetRowCount());
  if (row < 0) return -1;
  GotoRow(row);
  // Two rows of context around the line, as far as the grid allows.
  if (GetBottomRow() - row < 2) SetTopRow(GetTopRow() + 2);
  if (row - GetTopRow() < 2) SetTopRow(row - 2);
  return row;
}

// ---- Tags and texts ------------------------------------------------------------------------

CDCTag* CRoveDazuviVerovGrid::GetRowTag(long row) {
  if (row < 0 || row >= GetRowCount()) return nullptr;
  CUGCell cell = EmptyCell();
  GetCell(rdv::eColId, row, &cell);
  return TagOf(cell);
}

std::string CRoveDazuviVerovGrid::GetCellInfoText(int col, long row) {
  CUGCell cell = EmptyCell();
  if (col >= 0 && row >= 0) GetCell(col, row, &cell);
  return rdv::CellInfoText(TagOf(cell), col, row);
}

// ---- The write path ---------------------------------------------------------------------------

void CRoveDazuviVerovGrid::OnCellSet(int col, long row, CUGCell* cell) {
  if (!m_bSetupDone || col != rdv::eColModifier || row < 0) return;
  CDCTag* tag = GetRowTag(row);
  if (tag != nullptr) cell->SetParam(reinterpret_cast<INT_PTR>(tag));
  const int typeIndex = cell->GetCellTypeIndex();
  const bool slider = typeIndex == m_nSliderIndex;
  // Only a user's own action writes, while Ctrl is held; a slider only
  // while the cell area has the focus.
  const bool usersAction = m_nCodeChanges == 0;
  if (tag != nullptr && usersAction && IsCtrlKeyDown() && (!slider || CWnd::GetFocus() == m_CUGGrid)) {
    WriteToTag(tag, *cell);
  }
  const std::string text = cell->GetText();
  if (typeIndex == UGCT_DROPLIST) {
    if (text == "True") cell->SetBitmap(&m_bmpTrue);
    if (text == "False") cell->SetBitmap(&m_bmpFalse);
  } else if (slider) {
    SetNewValueText(row, rdv::NewValueText(text));
  }
}

void CRoveDazuviVerovGrid::SetNewValueText(long row, const std::string& text) {
  CodeChange change(this);
  CUGCell cell = EmptyCell();
  GetCell(rdv::eColNewValue, row, &cell);
  if (cell.GetText() == text) return;
  cell.SetText(text);
  SetCell(rdv::eColNewValue, row, &cell);
  Redraw(rdv::eColNewValue, row);
}

void CRoveDazuviVerovGrid::WriteToTag(CDCTag* tag, const CUGCell& cell) {
  const VARIANT min = *tag->GetMinTag();
  const VARIANT max = *tag->GetMaxTag();
  const bool slider = cell.GetCellTypeIndex() == m_nSliderIndex && rdv::IsRangeSet(min, max);
  VARIANT value;
  if (!rdv::ValueFromModifierText(cell.GetText(), tag->GetDataType(), slider ? rdv::Modifier::Slider : rdv::Modifier::Edit,
                                  min, max, &value)) {
    return;  // not a value of the tag's type: nothing is written
  }
  tag->SetTagData(&value);
}

// ---- Mouse, keys, edits and menu --------------------------------------------------------------

void CRoveDazuviVerovGrid::OnCurrentRowChanged(long oldRow, long newRow) {
  CodeChange change(this);
  const long rows = GetRowCount();
  for (long row : {oldRow, newRow}) {
    if (row < 0 || row >= rows) continue;
    const COLORREF color = row == newRow ? rdv::kCurrentRowBack : GetDefaultBackColor(UG_GRID);
    for (int col = 0; col < GetColCount(); ++col) QuickSetBackColor(col, row, color);
    RedrawRange(0, row, GetColCount() - 1, row);
  }
}

void CRoveDazuviVerovGrid::OnCellLeftClick(int col, long row, int down, CRect*, CPoint*, BOOL) {
  if (!down || col != rdv::eColId || row < 0) return;
  CBalloonHelp::ShowBalloon(kBalloonTitle, GetCellInfoText(col, row), nullptr, IDI_INFORMATION,
                            CBalloonHelp::kDefaultOptions, kBalloonMs, this);
}

void CRoveDazuviVerovGrid::OnCellDoubleClick(int col, long row, CRect*, CPoint*, BOOL) {
  if (col != rdv::eColModifier || row < 0) return;
  CUGCell cell = EmptyCell();
  GetCell(col, row, &cell);
  if (cell.GetCellTypeIndex() == UGCT_NORMAL) StartEditCurrent();
}

void CRoveDazuviVerovGrid::OnCellKey(UINT* key, BOOL) {
  // A typed character on an edited modifier opens its edit (Esc and Tab
  // are not typing).
  if (key == nullptr || *key == VK_ESCAPE || *key == VK_TAB) return;
  if (GetCurrentCol() != rdv::eColModifier || GetCurrentRow() < 0) return;
  CUGCell cell = EmptyCell();
  GetCell(GetCurrentCol(), GetCurrentRow(), &cell);
  if (cell.GetCellTypeIndex() == UGCT_NORMAL) StartEditCurrent();
}

BOOL CRoveDazuviVerovGrid::OnCellTypeNotify(long, int, long, long, LPARAM) { return TRUE; }

BOOL CRoveDazuviVerovGrid::OnEditFinish(int, long, CWnd*, const std::string& text, BOOL) {
  if (text.empty()) CancelEdit();  // an empty text stores nothing
  return TRUE;
}

BOOL CRoveDazuviVerovGrid::OnEditContinue(int, long, int*, long*) { return FALSE; }

BOOL CRoveDazuviVerovGrid::OnMenuStart(int, long, int section) {
  // Offered over the cells only: elsewhere there is no cell to act on.
  if (section != UG_GRID) return FALSE;
  ClearPopupMenu();
  AddPopupMenuItem(rdv::kMenuCopy, "Copy");
  AddPopupMenuItem(rdv::kMenuShowInfo, "Show Info");
  return TRUE;
}

void CRoveDazuviVerovGrid::OnMenuCommand(int col, long row, int, UINT item) {
  if (item == rdv::kMenuCopy) {
    CopyTextToClipboard(QuickGetText(col, row));
  } else if (item == rdv::kMenuShowInfo) {
    AfxMessageBox(GetCellInfoText(col, row), MB_ICONINFORMATION);
  }
}

BOOL CRoveDazuviVerovGrid::GetHintText(int, long, int, std::string*) { return FALSE; }

COLORREF CRoveDazuviVerovGrid::GetDefaultBackColor(int) { return rdv::kDefaultBack; }

void CRoveDazuviVerovGrid::DrawCurrentCellFocus(CDC* dc, CRect* rect) {
  CRect focus = *rect;
  focus.right -= 1;
  focus.bottom -= 1;
  dc->DrawFocusRect(focus);
}

void CRoveDazuviVerovGrid::OnFocusLost(int, CWnd*) {}
