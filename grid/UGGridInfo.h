// CUGGridInfo: everything that belongs to one sheet of a grid control: its
// columns and rows with their sizes, the current, target, top and left
// cells, the headings, the computed rectangles of the child windows, its
// flags and settings, its in-memory data store and its multi-selection.
// The control keeps one per sheet; every child window reads the current
// one. User-interface thread only.
//
// Settings the control uses beyond the ones it sets itself, with their
// defaults: grid lines on (m_defaultLines), text margin 4 pixels, 3-D
// border width 1, highlight mode 0 (the current cell keeps its normal
// colours; bit 2 draws it in its highlight colours), column and row
// sizing mode 1 (a line follows the mouse; 0 none, 2 live), fit on
// double-click on, thumb modes 0 (1 tracking, 2 three-position bar).
#pragma once

#include <memory>
#include <vector>

#include "grid/UGCell.h"
#include "grid/UGDefs.h"
#include "grid/UGPtrList.h"
#include "platform/WinTypes.h"

class CUGCtrl;
class CUGDataSource;
class CUGMem;
class CUGMultiSelect;
class CFont;
class CWnd;

// One column of a sheet.
struct UGColInfo {
  int width = 75;
  CUGDataSource* dataSource = nullptr;  // the sheet's store unless given another
  std::unique_ptr<CUGCell> colDefault;  // copied from the sheet's column default
  int dataSourceCol = 0;                 // the column the data source is asked for
};

struct CUGGridInfo {
  explicit CUGGridInfo(CUGCtrl* ctrl);
  ~CUGGridInfo();
  CUGGridInfo(const CUGGridInfo&) = delete;
  CUGGridInfo& operator=(const CUGGridInfo&) = delete;

  // ---- Columns -----------------------------------------------------------
  int m_numberCols = 0;
  int m_currentCol = -1;
  int m_lastCol = -1;        // the previous current column
  int m_leftCol = 0;         // first column shown after the locked ones
  int m_lastLeftCol = 0;     // the previous left column
  int m_maxLeftCol = 0;      // largest left column that still fills the window
  int m_defColWidth = 75;
  int m_rightCol = 0;        // last column drawn in the last paint
  int m_dragCol = -1;        // target column of the pending move
  std::vector<UGColInfo> m_colInfo;

  // ---- Rows ----------------------------------------------------------------
  long m_numberRows = 0;
  long m_currentRow = -1;
  long m_lastRow = -1;
  long m_topRow = 0;
  long m_lastTopRow = 0;
  long m_maxTopRow = 0;
  std::vector<int> m_rowHeights;  // empty while all rows share m_defRowHeight
  int m_defRowHeight = 20;
  BOOL m_uniformRowHeightFlag = TRUE;
  long m_bottomRow = 0;
  long m_dragRow = -1;

  // ---- Headings ----------------------------------------------------------------
  int m_numberTopHdgRows = 1;
  std::vector<int> m_topHdgHeights{20};
  int m_topHdgHeight = 20;
  int m_numberSideHdgCols = 1;
  std::vector<int> m_sideHdgWidths{40};
  int m_sideHdgWidth = 40;  // the sum of m_sideHdgWidths

  CUGCell m_colDefault;  // default cell of new columns
  CUGCell m_hdgDefault;  // default cell of every heading cell

  // ---- Child window sizes and rectangles (control client coordinates) ----------
  int m_vScrollWidth = 0;
  int m_hScrollHeight = 0;
  int m_tabWidth = 0;  // 0: no sheet tabs
  CRect m_gridRect;
  CRect m_topHdgRect;
  CRect m_sideHdgRect;
  CRect m_cnrBtnRect;
  CRect m_tabRect;
  CRect m_vScrollRect;
  CRect m_hScrollRect;
  int m_gridWidth = 0;
  int m_gridHeight = 0;

  // ---- Locked columns and rows -----------------------------------------------------
  int m_numLockCols = 0;
  long m_numLockRows = 0;
  int m_lockColWidth = 0;
  int m_lockRowHeight = 0;

  // ---- Flags ---------------------------------------------------------------------------
  BOOL m_paintMode = FALSE;  // painting enabled
  BOOL m_enableFlag = TRUE;
  BOOL m_menuEnabled = FALSE;
  BOOL m_highlightRowFlag = FALSE;
  int m_multiSelectFlag = 0;
  BOOL m_enableJoins = TRUE;
  BOOL m_enableCellOverFlow = TRUE;
  BOOL m_enableColSwapping = FALSE;
  int m_vScrollMode = 0;  // 0 normal, 1 thumb tracking, 2 three-position
  int m_hScrollMode = 0;
  BOOL m_enableVScrollHints = FALSE;
  BOOL m_enableHScrollHints = FALSE;
  int m_ballisticKeyMode = 0;   // key-acceleration divisor; 0 off
  int m_ballisticKeyDelay = 0;  // milliseconds

  // ---- Settings the control does not set itself (see the header comment) -----------
  BOOL m_defaultLines = TRUE;
  int m_margin = 4;
  int m_threeDWidth = 1;
  int m_highlightMode = 0;
  int m_userSizingMode = 1;
  BOOL m_fitOnDblClick = TRUE;

  // ---- Resources -----------------------------------------------------------------------------
  CFont* m_defFont = nullptr;
  CWnd* m_editCtrl = nullptr;        // the plain edit to use
  CWnd* m_maskedEditCtrl = nullptr;  // the masked edit to use
  std::unique_ptr<CUGMem> m_defDataSource;
  std::unique_ptr<CUGMultiSelect> m_multiSelect;
  COLORREF m_gridLineColor = RGB(0xDC, 0xDC, 0xDC);
  CUGPtrList m_CUGList;

  // ---- How the last move started ------------------------------------------------------------
  int m_moveType = UG_MOVE_KEYBOARD;
  UINT m_moveFlags = 0;
};
