// Set-up, sheets, registries, sizes, layout and settings of the grid
// control. Cells and the default notifications are in UGCtrlCells.cpp, moves
// in UGCtrlNav.cpp, editing in UGCtrlEdit.cpp, the windows in UGCtrlWnd.cpp.
#include "grid/UGCtrl.h"

#include <algorithm>

#include "grid/UGCellType.h"
#include "grid/UGArrowType.h"
#include "grid/UGCheckBoxType.h"
#include "grid/UGDropListType.h"
#include "grid/UGColors.h"
#include "grid/UGGeometry.h"

// ---- Sheet record ------------------------------------------------------------

CUGGridInfo::CUGGridInfo(CUGCtrl* ctrl) {
  m_hdgDefault.SetBackColor(UGSysColor(UG_COLOR_3DFACE));
  m_hdgDefault.SetBorder(UG_BDR_RECESSED);
  m_hdgDefault.SetAlignment(UG_ALIGNCENTER | UG_ALIGNVCENTER);
  m_hdgDefault.SetStyleWord(UG_STYLE_HEADING);
  m_defDataSource = std::make_unique<CUGMem>();
  m_defDataSource->SetOwner(ctrl);
  m_defDataSource->SetID(0);
  m_multiSelect = std::make_unique<CUGMultiSelect>(ctrl, this);
}

CUGGridInfo::~CUGGridInfo() = default;

// ---- Construction --------------------------------------------------------------

CUGCtrl::CUGCtrl() {
  m_dataSrcList.assign(16, nullptr);
  CreateChildObjects();
  MakeNewSheet(0);
  m_currentSheet = 0;
  m_GI = m_GIList[0].get();

  m_normalCellType = std::make_unique<CUGCellType>();
  m_dropListType = std::make_unique<CUGDropListType>();
  m_checkBoxType = std::make_unique<CUGCheckBoxType>();
  m_arrowType = std::make_unique<CUGArrowType>();
  AddCellType(m_normalCellType.get());
  AddCellType(m_dropListType.get());
  AddCellType(m_checkBoxType.get());
  AddCellType(m_arrowType.get());
}

CUGCtrl::~CUGCtrl() {
  if (IsWindowCreated()) DestroyWindow();
  DestroyChildObjects();
  m_GI = nullptr;
  m_GIList.clear();
}

void CUGCtrl::MakeNewSheet(size_t index) {
  auto sheet = std::make_unique<CUGGridInfo>(this);
  InitSheetWindows(sheet.get());
  if (m_GI != nullptr) {
    // New sheets start with the fonts of the sheet in use.
    sheet->m_defFont = m_GI->m_defFont;
    if (m_GI->m_hdgDefault.IsPropertySet(UGCELL_FONT_SET)) {
      sheet->m_hdgDefault.SetFont(m_GI->m_hdgDefault.GetFont());
    }
    sheet->m_vScrollWidth = m_GI->m_vScrollWidth;
    sheet->m_hScrollHeight = m_GI->m_hScrollHeight;
  } else {
    sheet->m_vScrollWidth = UGScrollBarSize(true);
    sheet->m_hScrollHeight = UGScrollBarSize(false);
  }
  if (index >= m_GIList.size()) m_GIList.resize(index + 1);
  m_GIList[index] = std::move(sheet);
}

int CUGCtrl::SetSheetCount(int count) {
  if (count < 1 || count > UG_MAX_SHEETS) return UG_ERROR;
  size_t oldCount = m_GIList.size();
  int current = m_currentSheet;
  if (static_cast<size_t>(count) < oldCount) {
    if (current >= count) {
      current = count - 1;
      m_GI = m_GIList[static_cast<size_t>(current)].get();
      m_currentSheet = current;
    }
    m_GIList.resize(static_cast<size_t>(count));
  }
  for (size_t i = oldCount; i < static_cast<size_t>(count); ++i) {
    MakeNewSheet(i);
    m_GI = m_GIList[i].get();
    m_currentSheet = static_cast<int>(i);
    SyncChildSheets();
    OnSheetSetup(static_cast<int>(i));
    m_GIList[i]->m_paintMode = TRUE;
  }
  m_currentSheet = current;
  m_GI = m_GIList[static_cast<size_t>(current)].get();
  SyncChildSheets();
  if (WindowsExist()) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetCurrentSheet(int index, BOOL redraw) {
  if (index < 0 || index >= GetSheetCount()) return UG_ERROR;
  int tabWidth = m_GI->m_tabWidth;
  m_currentSheet = index;
  m_GI = m_GIList[static_cast<size_t>(index)].get();
  m_GI->m_tabWidth = tabWidth;
  m_GI->m_lastTopRow = -1;
  m_GI->m_lastLeftCol = -1;
  SyncChildSheets();
  // The children always take the new sheet's rectangles; redraw only
  // decides whether the layout repaints them now.
  const BOOL oldUpdate = m_enableUpdate;
  if (!redraw) m_enableUpdate = FALSE;
  AdjustComponentSizes();
  m_enableUpdate = oldUpdate;
  return UG_SUCCESS;
}

void CUGCtrl::AfterSetup() {
  m_setupDone = true;
  OnGridSetup();
  OnSheetSetup(0);
  m_GI->m_paintMode = TRUE;
  AdjustComponentSizes();
}

// ---- Registries ---------------------------------------------------------------------

int CUGCtrl::AddCellType(CUGCellType* cellType) {
  if (cellType == nullptr) return -1;
  int index = m_cellTypeList.AddPointer(cellType);
  if (index < 0) return -1;
  cellType->SetOwner(this);
  cellType->SetID(index);
  return index;
}

CUGCellType* CUGCtrl::GetCellType(int index) const {
  if (index < 1) return m_normalCellType.get();
  auto* type = static_cast<CUGCellType*>(m_cellTypeList.GetPointer(index));
  return type != nullptr ? type : m_normalCellType.get();
}

int CUGCtrl::AddDataSource(CUGDataSource* source) {
  if (source == nullptr) return -1;
  for (size_t i = 1; i < m_dataSrcList.size(); ++i) {
    if (m_dataSrcList[i] == nullptr) {
      m_dataSrcList[i] = source;
      source->SetOwner(this);
      source->SetID(static_cast<int>(i));
      return static_cast<int>(i);
    }
  }
  if (m_dataSrcList.size() >= static_cast<size_t>(UG_MAX_DATASOURCES)) return -1;
  size_t index = m_dataSrcList.size();
  m_dataSrcList.resize(m_dataSrcList.size() + 16, nullptr);
  m_dataSrcList[index] = source;
  source->SetOwner(this);
  source->SetID(static_cast<int>(index));
  return static_cast<int>(index);
}

CUGDataSource* CUGCtrl::GetDataSource(int index) const {
  if (index == 0) return m_GI->m_defDataSource.get();
  if (index < 0 || static_cast<size_t>(index) >= m_dataSrcList.size()) return nullptr;
  return m_dataSrcList[static_cast<size_t>(index)];
}

int CUGCtrl::SetColDataSource(int col, int dataSourceIndex) {
  if (col < 0 || col >= m_GI->m_numberCols) return UG_ERROR;
  CUGDataSource* source = GetDataSource(dataSourceIndex);
  if (source == nullptr) return UG_ERROR;
  m_GI->m_colInfo[static_cast<size_t>(col)].dataSource = source;
  return UG_SUCCESS;
}

int CUGCtrl::SetColDataSourceCol(int col, int dataSourceCol) {
  if (col < 0 || col >= m_GI->m_numberCols) return UG_ERROR;
  m_GI->m_colInfo[static_cast<size_t>(col)].dataSourceCol = dataSourceCol;
  return UG_SUCCESS;
}

CUGDataSource* CUGCtrl::DataSourceOf(int col) const {
  if (col >= 0 && col < m_GI->m_numberCols) {
    CUGDataSource* source = m_GI->m_colInfo[static_cast<size_t>(col)].dataSource;
    if (source != nullptr) return source;
  }
  return m_GI->m_defDataSource.get();
}

int CUGCtrl::DataSourceColOf(int col) const {
  if (col >= 0 && col < m_GI->m_numberCols) return m_GI->m_colInfo[static_cast<size_t>(col)].dataSourceCol;
  return col;
}

// ---- Columns and rows ------------------------------------------------------------------

void CUGCtrl::SetColInfoCount(int count) {
  std::vector<UGColInfo>& cols = m_GI->m_colInfo;
  size_t old = cols.size();
  cols.resize(static_cast<size_t>(count));
  for (size_t i = old; i < cols.size(); ++i) {
    cols[i].width = m_GI->m_defColWidth;
    cols[i].dataSource = m_GI->m_defDataSource.get();
    cols[i].colDefault = std::make_unique<CUGCell>(m_GI->m_colDefault);
    cols[i].dataSourceCol = static_cast<int>(i);
  }
}

int CUGCtrl::SetColCount(int count, BOOL redraw) {
  if (count < 0 || count > UG_MAX_COLS) return UG_ERROR;
  CUGGridInfo* gi = m_GI;
  if (count <= gi->m_numLockCols) gi->m_numLockCols = std::max(count - 1, 0);
  SetColInfoCount(count);
  gi->m_numberCols = count;
  gi->m_currentCol = std::min(gi->m_currentCol, count - 1);
  gi->m_lastCol = std::min(gi->m_lastCol, count - 1);
  gi->m_dragCol = std::min(gi->m_dragCol, count - 1);
  CalcLockedSizes();
  int oldLeft = gi->m_leftCol;
  CalcMaxTopRowAndLeftCol();
  if (gi->m_leftCol != oldLeft) CompleteMove();
  if (gi->m_currentCol < 0 && count >= 1) GotoCol(0);
  if (redraw && gi->m_paintMode) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetRowCount(long count, BOOL redraw) {
  if (count < 0) return UG_ERROR;
  CUGGridInfo* gi = m_GI;
  if (count <= gi->m_numLockRows) gi->m_numLockRows = std::max(count - 1, 0L);
  if (count >= UG_UNIFORM_ROWS_LIMIT && !gi->m_uniformRowHeightFlag) {
    gi->m_uniformRowHeightFlag = TRUE;
    gi->m_rowHeights.clear();
  }
  if (!gi->m_uniformRowHeightFlag) {
    gi->m_rowHeights.resize(static_cast<size_t>(count), gi->m_defRowHeight);
  }
  gi->m_numberRows = count;
  gi->m_currentRow = std::min(gi->m_currentRow, count - 1);
  gi->m_lastRow = std::min(gi->m_lastRow, count - 1);
  gi->m_dragRow = std::min(gi->m_dragRow, count - 1);
  CalcLockedSizes();
  long oldTop = gi->m_topRow;
  CalcMaxTopRowAndLeftCol();
  if (gi->m_topRow != oldTop) CompleteMove();
  if (gi->m_currentRow < 0 && count >= 1) GotoRow(0);
  if (redraw && gi->m_paintMode) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetColWidth(int col, int width) {
  if (col < 0) {
    size_t index = static_cast<size_t>(-col - 1);
    if (index >= m_GI->m_sideHdgWidths.size()) return UG_ERROR;
    if (width > UG_MAX_HEADING_SIZE) return UG_REFUSED;
    m_GI->m_sideHdgWidths[index] = std::max(width, 0);
    int total = 0;
    for (int w : m_GI->m_sideHdgWidths) total += w;
    m_GI->m_sideHdgWidth = total;
    AdjustComponentSizes();
    return UG_SUCCESS;
  }
  if (col >= m_GI->m_numberCols) return UG_ERROR;
  width = std::max(width, 0);
  if (m_GI->m_paintMode && IsWindowCreated() && IsWindowVisible()) OnColumnSized(col, &width);
  m_GI->m_colInfo[static_cast<size_t>(col)].width = std::max(width, 0);
  CalcLockedSizes();
  if (m_GI->m_paintMode) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::GetColWidth(int col) const {
  if (col < 0) {
    size_t index = static_cast<size_t>(-col - 1);
    return index < m_GI->m_sideHdgWidths.size() ? m_GI->m_sideHdgWidths[index] : 0;
  }
  if (col >= m_GI->m_numberCols) return 0;
  return m_GI->m_colInfo[static_cast<size_t>(col)].width;
}

int CUGCtrl::SetRowHeight(long row, int height) {
  if (row < 0) {
    size_t index = static_cast<size_t>(-row - 1);
    if (index >= m_GI->m_topHdgHeights.size()) return UG_ERROR;
    if (height > UG_MAX_HEADING_SIZE) return UG_REFUSED;
    m_GI->m_topHdgHeights[index] = std::max(height, 0);
    int total = 0;
    for (int h : m_GI->m_topHdgHeights) total += h;
    m_GI->m_topHdgHeight = total;
    AdjustComponentSizes();
    return UG_SUCCESS;
  }
  if (row >= m_GI->m_numberRows) return UG_ERROR;
  height = std::max(height, 0);
  if (m_GI->m_paintMode && IsWindowCreated() && IsWindowVisible()) OnRowSized(row, &height);
  height = std::max(height, 0);
  if (m_GI->m_uniformRowHeightFlag) {
    m_GI->m_defRowHeight = height;
  } else {
    m_GI->m_rowHeights[static_cast<size_t>(row)] = height;
  }
  CalcLockedSizes();
  if (m_GI->m_paintMode) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::GetRowHeight(long row) const {
  if (row < 0) {
    size_t index = static_cast<size_t>(-row - 1);
    return index < m_GI->m_topHdgHeights.size() ? m_GI->m_topHdgHeights[index] : 0;
  }
  if (m_GI->m_uniformRowHeightFlag || row >= static_cast<long>(m_GI->m_rowHeights.size())) {
    return m_GI->m_defRowHeight;
  }
  return m_GI->m_rowHeights[static_cast<size_t>(row)];
}

int CUGCtrl::SetDefaultColWidth(int width) {
  if (width < 0) return UG_ERROR;
  m_GI->m_defColWidth = width;
  return UG_SUCCESS;
}

int CUGCtrl::SetDefaultRowHeight(int height) {
  if (height < 0) return UG_ERROR;
  m_GI->m_defRowHeight = height;
  CalcLockedSizes();
  if (m_GI->m_paintMode) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetUniformRowHeight(BOOL flag) {
  CUGGridInfo* gi = m_GI;
  if (flag) {
    gi->m_uniformRowHeightFlag = TRUE;
    gi->m_rowHeights.clear();
  } else {
    if (gi->m_numberRows >= UG_UNIFORM_ROWS_LIMIT) return UG_ERROR;
    if (gi->m_uniformRowHeightFlag) {
      gi->m_rowHeights.assign(static_cast<size_t>(gi->m_numberRows), gi->m_defRowHeight);
    }
    gi->m_uniformRowHeightFlag = FALSE;
  }
  CalcLockedSizes();
  if (gi->m_paintMode) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetSideHeadingWidth(int width) {
  if (width < 0 || width > UG_MAX_HEADING_SIZE) return UG_ERROR;
  m_GI->m_sideHdgWidths = UGScaleWidths(m_GI->m_sideHdgWidths, width);
  int total = 0;
  for (int w : m_GI->m_sideHdgWidths) total += w;
  m_GI->m_sideHdgWidth = total;
  AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetTopHeadingHeight(int height) {
  if (height < 0 || height > UG_MAX_HEADING_SIZE) return UG_ERROR;
  m_GI->m_topHdgHeights = UGScaleWidths(m_GI->m_topHdgHeights, height);
  int total = 0;
  for (int h : m_GI->m_topHdgHeights) total += h;
  m_GI->m_topHdgHeight = total;
  AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetTopHeadingRowCount(int count) {
  if (count < 0 || count > 64) return UG_ERROR;
  m_GI->m_numberTopHdgRows = count;
  m_GI->m_topHdgHeights.resize(static_cast<size_t>(count), m_GI->m_defRowHeight);
  int total = 0;
  for (int h : m_GI->m_topHdgHeights) total += h;
  m_GI->m_topHdgHeight = total;
  AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetSideHeadingColCount(int count) {
  if (count < 0 || count > 64) return UG_ERROR;
  m_GI->m_numberSideHdgCols = count;
  m_GI->m_sideHdgWidths.resize(static_cast<size_t>(count), m_GI->m_defColWidth);
  int total = 0;
  for (int w : m_GI->m_sideHdgWidths) total += w;
  m_GI->m_sideHdgWidth = total;
  AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetLockedColCount(int count) {
  if (count < 0 || count > m_GI->m_numberCols) return UG_ERROR;
  m_GI->m_numLockCols = count;
  CalcLockedSizes();
  if (m_GI->m_leftCol < count) m_GI->m_leftCol = count;
  CalcMaxTopRowAndLeftCol();
  AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::SetLockedRowCount(long count) {
  if (count < 0 || count > m_GI->m_numberRows) return UG_ERROR;
  m_GI->m_numLockRows = count;
  CalcLockedSizes();
  if (m_GI->m_topRow < count) m_GI->m_topRow = count;
  CalcMaxTopRowAndLeftCol();
  AdjustComponentSizes();
  return UG_SUCCESS;
}

void CUGCtrl::CalcLockedSizes() {
  int width = 0;
  for (int c = 0; c < m_GI->m_numLockCols && c < m_GI->m_numberCols; ++c) width += GetColWidth(c);
  m_GI->m_lockColWidth = width;
  int height = 0;
  for (long r = 0; r < m_GI->m_numLockRows && r < m_GI->m_numberRows; ++r) height += GetRowHeight(r);
  m_GI->m_lockRowHeight = height;
}

int CUGCtrl::MoveColumn(int fromCol, int toCol, BOOL before) {
  int count = m_GI->m_numberCols;
  if (fromCol < 0 || fromCol >= count || toCol < 0 || toCol >= count) return UG_ERROR;
  std::vector<UGColInfo>& cols = m_GI->m_colInfo;
  // `toCol` counts the columns without the moved one.
  int insertAt = std::min(before ? toCol : toCol + 1, count - 1);
  if (insertAt == fromCol) return UG_SUCCESS;
  UGColInfo moved = std::move(cols[static_cast<size_t>(fromCol)]);
  cols.erase(cols.begin() + fromCol);
  cols.insert(cols.begin() + insertAt, std::move(moved));
  CalcLockedSizes();
  RedrawAll();
  return UG_SUCCESS;
}

// ---- Layout -------------------------------------------------------------------------------

CSize CUGCtrl::GetLayoutSize() const {
  if (IsWindowCreated()) {
    CRect rect;
    GetClientRect(&rect);
    return rect.Size();
  }
  return m_layoutSize;
}

void CUGCtrl::AdjustComponentSizes() {
  static thread_local int depth = 0;
  if (depth > 2) return;
  ++depth;
  CUGGridInfo* gi = m_GI;
  CSize size = GetLayoutSize();
  UGLayoutInput in;
  in.width = size.cx;
  in.height = size.cy;
  in.sideHdgWidth = gi->m_sideHdgWidth;
  in.topHdgHeight = gi->m_topHdgHeight;
  in.vScrollWidth = gi->m_vScrollWidth;
  in.hScrollHeight = gi->m_hScrollHeight;
  in.tabWidth = gi->m_tabWidth;
  in.colCount = gi->m_numberCols;
  in.colWidth = [this](long c) { return GetColWidth(static_cast<int>(c)); };
  in.rowCount = gi->m_numberRows;
  in.rowHeight = [this](long r) { return GetRowHeight(r); };
  UGLayout layout = UGComputeLayout(in);
  gi->m_gridRect = layout.grid;
  gi->m_topHdgRect = layout.topHdg;
  gi->m_sideHdgRect = layout.sideHdg;
  gi->m_cnrBtnRect = layout.corner;
  gi->m_vScrollRect = layout.vScroll;
  gi->m_hScrollRect = layout.hScroll;
  gi->m_tabRect = layout.tab;
  OnAdjustComponentRects(&gi->m_gridRect, &gi->m_topHdgRect, &gi->m_sideHdgRect, &gi->m_cnrBtnRect,
                         &gi->m_vScrollRect, &gi->m_hScrollRect, &gi->m_tabRect);
  gi->m_gridWidth = gi->m_gridRect.Width();
  gi->m_gridHeight = gi->m_gridRect.Height();
  if (gi->m_paintMode) {
    MoveChildWindows(false);
    CalcMaxTopRowAndLeftCol();
    CalcBottomRowAndRightCol();
    RepaintAll();
  }
  gi->m_lastTopRow = gi->m_topRow;
  gi->m_lastLeftCol = gi->m_leftCol;
  --depth;
}

void CUGCtrl::CalcMaxTopRowAndLeftCol() {
  CUGGridInfo* gi = m_GI;
  long oldMaxTop = gi->m_maxTopRow;
  int oldMaxLeft = gi->m_maxLeftCol;
  gi->m_maxTopRow = UGComputeMaxTopIndex(gi->m_numberRows, gi->m_numLockRows, gi->m_gridHeight,
                                         gi->m_lockRowHeight, [this](long r) { return GetRowHeight(r); });
  gi->m_maxLeftCol = static_cast<int>(UGComputeMaxTopIndex(
      gi->m_numberCols, gi->m_numLockCols, gi->m_gridWidth, gi->m_lockColWidth,
      [this](long c) { return GetColWidth(static_cast<int>(c)); }));
  gi->m_topRow = std::clamp(gi->m_topRow, gi->m_numLockRows, std::max(gi->m_maxTopRow, gi->m_numLockRows));
  gi->m_leftCol = std::clamp(gi->m_leftCol, gi->m_numLockCols, std::max(gi->m_maxLeftCol, gi->m_numLockCols));
  bool topChanged = (oldMaxTop == 0) != (gi->m_maxTopRow == 0);
  bool leftChanged = (oldMaxLeft == 0) != (gi->m_maxLeftCol == 0);
  if ((topChanged || leftChanged) && gi->m_paintMode) AdjustComponentSizes();
}

void CUGCtrl::CalcBottomRowAndRightCol() {
  CUGGridInfo* gi = m_GI;
  // The last row drawn: the one whose bottom passes the cell area, or the count.
  long bottom = gi->m_numberRows;
  long y = 0;
  for (long r : ShownRows()) {
    y += GetRowHeight(r);
    if (y > gi->m_gridHeight) {
      bottom = r;
      break;
    }
  }
  gi->m_bottomRow = bottom;
  int right = gi->m_numberCols;
  long x = 0;
  for (int c : ShownColumns()) {
    x += GetColWidth(c);
    if (x > gi->m_gridWidth) {
      right = c;
      break;
    }
  }
  gi->m_rightCol = right;
}

std::vector<int> CUGCtrl::ShownColumns() const {
  std::vector<int> cols;
  long x = 0;
  for (int c = 0; c < m_GI->m_numLockCols && c < m_GI->m_numberCols; ++c) {
    cols.push_back(c);
    x += GetColWidth(c);
  }
  for (int c = m_GI->m_leftCol; c < m_GI->m_numberCols; ++c) {
    if (x > m_GI->m_gridWidth) break;
    cols.push_back(c);
    x += GetColWidth(c);
  }
  return cols;
}

std::vector<long> CUGCtrl::ShownRows() const {
  std::vector<long> rows;
  long y = 0;
  for (long r = 0; r < m_GI->m_numLockRows && r < m_GI->m_numberRows; ++r) {
    rows.push_back(r);
    y += GetRowHeight(r);
  }
  for (long r = m_GI->m_topRow; r < m_GI->m_numberRows; ++r) {
    if (y > m_GI->m_gridHeight) break;
    rows.push_back(r);
    y += GetRowHeight(r);
  }
  return rows;
}

int CUGCtrl::EnableRedraw(BOOL flag) {
  m_GI->m_paintMode = flag ? TRUE : FALSE;
  if (flag) AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::EnableUpdate(BOOL flag) {
  m_enableUpdate = flag ? TRUE : FALSE;
  return UG_SUCCESS;
}

int CUGCtrl::FitColumnsToWindow(int firstCol, int lastCol) {
  if (firstCol < 0 || firstCol > lastCol || lastCol >= m_GI->m_numberCols) return UG_ERROR;
  BOOL oldPaint = m_GI->m_paintMode;
  if (!oldPaint) EnableRedraw(TRUE);
  std::vector<int> widths;
  for (int c = firstCol; c <= lastCol; ++c) widths.push_back(GetColWidth(c));
  std::vector<int> fitted = UGFitWidths(widths, m_GI->m_gridWidth);
  if (fitted.empty()) {
    m_GI->m_paintMode = oldPaint;
    return UG_REFUSED;  // the widths add up to 0: nothing to share by
  }
  for (int c = firstCol; c <= lastCol; ++c) {
    m_GI->m_colInfo[static_cast<size_t>(c)].width = std::max(fitted[static_cast<size_t>(c - firstCol)], 0);
  }
  CalcLockedSizes();
  AdjustComponentSizes();
  m_GI->m_paintMode = oldPaint;
  RedrawAll();
  return UG_SUCCESS;
}

// ---- Settings ----------------------------------------------------------------------------------

int CUGCtrl::SetMultiSelectMode(int mode) {
  m_GI->m_multiSelectFlag = mode;
  m_GI->m_multiSelect->SetMode(mode);
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::SetHighlightRow(BOOL flag) {
  m_GI->m_highlightRowFlag = flag ? TRUE : FALSE;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::SetHighlightMode(int mode) {
  m_GI->m_highlightMode = mode;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::EnableJoins(BOOL flag) {
  m_GI->m_enableJoins = flag ? TRUE : FALSE;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::EnableColSwapping(BOOL flag) {
  m_GI->m_enableColSwapping = flag ? TRUE : FALSE;
  return UG_SUCCESS;
}

int CUGCtrl::EnableGridLines(BOOL flag) {
  m_GI->m_defaultLines = flag ? TRUE : FALSE;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::SetTextMargin(int margin) {
  if (margin < 0) return UG_ERROR;
  m_GI->m_margin = margin;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::Set3DWidth(int width) {
  if (width < 0) return UG_ERROR;
  m_GI->m_threeDWidth = width;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::SetUserSizingMode(int mode) {
  if (mode < 0) return UG_ERROR;
  m_GI->m_userSizingMode = mode;
  return UG_SUCCESS;
}

int CUGCtrl::EnableFitOnDoubleClick(BOOL flag) {
  m_GI->m_fitOnDblClick = flag ? TRUE : FALSE;
  return UG_SUCCESS;
}

int CUGCtrl::SetVScrollMode(int mode) {
  if (mode < 0 || mode > 2) return UG_ERROR;
  m_GI->m_vScrollMode = mode;
  RefreshScrollBars();
  return UG_SUCCESS;
}

int CUGCtrl::SetHScrollMode(int mode) {
  if (mode < 0 || mode > 2) return UG_ERROR;
  m_GI->m_hScrollMode = mode;
  RefreshScrollBars();
  return UG_SUCCESS;
}

int CUGCtrl::SetVScrollThumbTrack(BOOL flag) { return SetVScrollMode(flag ? 1 : 0); }

int CUGCtrl::SetHScrollThumbTrack(BOOL flag) { return SetHScrollMode(flag ? 1 : 0); }

int CUGCtrl::EnableScrollHints(BOOL vertical, BOOL horizontal) {
  m_GI->m_enableVScrollHints = vertical ? TRUE : FALSE;
  m_GI->m_enableHScrollHints = horizontal ? TRUE : FALSE;
  return UG_SUCCESS;
}

int CUGCtrl::SetBallisticMode(int divisor, int delayMs) {
  if (divisor < 0 || delayMs < 0) return UG_ERROR;
  m_GI->m_ballisticKeyMode = divisor;
  m_GI->m_ballisticKeyDelay = delayMs;
  return UG_SUCCESS;
}

int CUGCtrl::SetTabWidth(int width) {
  if (width < 0) return UG_ERROR;
  m_GI->m_tabWidth = width;
  AdjustComponentSizes();
  return UG_SUCCESS;
}

int CUGCtrl::EnablePopupMenu(BOOL flag) {
  m_GI->m_menuEnabled = flag ? TRUE : FALSE;
  return UG_SUCCESS;
}

int CUGCtrl::EnableCellOverflow(BOOL flag) {
  m_GI->m_enableCellOverFlow = flag ? TRUE : FALSE;
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::ClearSelection() {
  m_GI->m_multiSelect->ClearAll();
  m_GI->m_dragCol = m_GI->m_currentCol;
  m_GI->m_dragRow = m_GI->m_currentRow;
  RedrawAll();
  return UG_SUCCESS;
}
