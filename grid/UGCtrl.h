// CUGCtrl: the grid control, a spreadsheet-like table of cells that a
// dialog or view embeds and a derived class specialises by overriding its
// notification operations (the On..., Can... and Get... virtuals below,
// whose defaults do nothing or allow). It owns the sheets, the child
// windows (cell area, headings, corner, scroll bars, tabs, hint), the
// registered cell types, fonts and data sources, the popup menu and the
// two in-cell edits; it keeps the current cell, top row and left column.
// Results: 0 success, 1 out of range or nothing done, 2 refused, 3 a third
// check (UG_SUCCESS, UG_ERROR, UG_REFUSED, UG_THIRDCHECK).
// All operations run on the user-interface thread that owns the window.
//
// Every operation works on a control whose window does not exist yet;
// windows are then simply not touched.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/UGCell.h"
#include "grid/UGDataSource.h"
#include "grid/UGDefs.h"
#include "grid/UGGridInfo.h"
#include "grid/UGMem.h"
#include "grid/UGMultiSelect.h"
#include "grid/UGPtrList.h"
#include "grid/UGRedrawList.h"
#include "platform/Wnd.h"

class CDC;
class CFont;
class CBitmap;
class CPen;
class CUGCellType;
class CUGDropListType;
class CUGCheckBoxType;
class CUGArrowType;
class CUGGrid;
class CUGTopHdg;
class CUGSideHdg;
class CUGCnrBtn;
class CUGVScroll;
class CUGHScroll;
class CUGTab;
class CUGHint;
class CUGEdit;
class CUGMaskedEdit;

// WM_USER + 100: wParam a cell-type index, lParam a value for that type.
constexpr UINT UGM_CELLTYPE_MESSAGE = WM_USER + 100;
// Popup menu commands at or above this id reach OnMenuCommand.
constexpr UINT UG_MENU_FIRST_ID = 1000;

class CUGCtrl : public CWnd {
 public:
  CUGCtrl();
  ~CUGCtrl() override;

  // ---- Set-up and sheets ---------------------------------------------------
  // Takes the dialog item id of parent (its place, size and font), creates
  // the child windows, runs OnGridSetup and OnSheetSetup(0). 1 when the item
  // does not exist.
  int AttachGrid(CWnd* parent, UINT controlId);
  // Creates the control as a child window (the children come with WM_CREATE),
  // then runs OnGridSetup and OnSheetSetup(0) as AttachGrid does.
  BOOL CreateGrid(DWORD style, const CRect& rect, CWnd* parent, UINT id);
  int CreateChildWindows();
  int SetSheetCount(int count);
  int GetSheetCount() const { return static_cast<int>(m_GIList.size()); }
  int SetCurrentSheet(int index, BOOL redraw = TRUE);
  int GetCurrentSheet() const { return m_currentSheet; }

  int AddFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
              BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
              BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const std::string& face);
  CFont* GetFont(int index) const;
  int SetDefaultFont(int index);
  int AddBitmap(CBitmap* bitmap);
  CBitmap* GetBitmap(int index) const;

  int AddCellType(CUGCellType* cellType);
  CUGCellType* GetCellType(int index) const;
  int AddDataSource(CUGDataSource* source);
  CUGDataSource* GetDataSource(int index) const;
  // Serves a column from a registered data source (0: the sheet's store).
  int SetColDataSource(int col, int dataSourceIndex);
  int SetColDataSourceCol(int col, int dataSourceCol);

  // ---- Size and layout -----------------------------------------------------------
  int SetColCount(int count, BOOL redraw = TRUE);
  int GetColCount() const { return m_GI->m_numberCols; }
  int SetRowCount(long count, BOOL redraw = TRUE);
  long GetRowCount() const { return m_GI->m_numberRows; }
  // A negative column is a row-heading column, a negative row a
  // column-heading row (sizes up to 1024).
  int SetColWidth(int col, int width);
  int GetColWidth(int col) const;
  int SetRowHeight(long row, int height);
  int GetRowHeight(long row) const;
  int SetDefaultColWidth(int width);
  int SetDefaultRowHeight(int height);
  // Rows share one height (the default) or keep their own.
  int SetUniformRowHeight(BOOL flag);
  int SetSideHeadingWidth(int width);
  int GetSideHeadingWidth() const { return m_GI->m_sideHdgWidth; }
  int SetTopHeadingHeight(int height);
  int GetTopHeadingHeight() const { return m_GI->m_topHdgHeight; }
  int SetTopHeadingRowCount(int count);
  int SetSideHeadingColCount(int count);
  int SetLockedColCount(int count);
  int SetLockedRowCount(long count);
  int GetLockedColCount() const { return m_GI->m_numLockCols; }
  long GetLockedRowCount() const { return m_GI->m_numLockRows; }
  int MoveColumn(int fromCol, int toCol, BOOL before = TRUE);
  void AdjustComponentSizes();
  int EnableRedraw(BOOL flag);
  int EnableUpdate(BOOL flag);
  int SetRightToLeft(BOOL flag);
  BOOL IsRightToLeft() const { return m_rightToLeft; }

  // ---- Settings (defaults in UGGridInfo.h) ---------------------------------------
  int SetMultiSelectMode(int mode);
  int GetMultiSelectMode() const { return m_GI->m_multiSelectFlag; }
  int SetHighlightRow(BOOL flag);
  int SetHighlightMode(int mode);
  int EnableJoins(BOOL flag);
  int EnableColSwapping(BOOL flag);
  int EnableGridLines(BOOL flag);
  int SetTextMargin(int margin);
  int Set3DWidth(int width);
  int SetUserSizingMode(int mode);
  int EnableFitOnDoubleClick(BOOL flag);
  int SetVScrollMode(int mode);
  int SetHScrollMode(int mode);
  int EnableScrollHints(BOOL vertical, BOOL horizontal);
  int SetBallisticMode(int divisor, int delayMs);
  int SetTabWidth(int width);

  // ---- Cells ------------------------------------------------------------------------
  int GetCell(int col, long row, CUGCell* cell);
  int GetCellIndirect(int col, long row, CUGCell* cell);
  int SetCell(int col, long row, CUGCell* cell);
  int DeleteCell(int col, long row);
  int GetHeadingDefault(CUGCell* cell) const;
  int SetHeadingDefault(const CUGCell* cell);
  int GetColDefault(int col, CUGCell* cell) const;
  int SetColDefault(int col, const CUGCell* cell);
  int GetGridDefault(CUGCell* cell) const;
  int SetGridDefault(const CUGCell* cell);
  int QuickSetText(int col, long row, const std::string& text);
  int QuickSetNumber(int col, long row, double number);
  int QuickSetTextColor(int col, long row, COLORREF color);
  int QuickSetBackColor(int col, long row, COLORREF color);
  int QuickSetCellType(int col, long row, int index);
  std::string QuickGetText(int col, long row);
  int FindInColumn(const std::string& text, int col, long* row, int flags);
  // Joins the block of cells (the origin at its top-left).
  int JoinCells(int startCol, long startRow, int endCol, long endRow);
  int UnJoinCells(int col, long row);

  // ---- Redrawing ------------------------------------------------------------------------
  int RedrawAll();
  int RedrawCell(int col, long row);
  int RedrawRange(int startCol, long startRow, int endCol, long endRow);

  // ---- Menus and switches -------------------------------------------------------------
  int ClearPopupMenu();
  int AddPopupMenuItem(UINT id, const std::string& text);
  int StartPopupMenu(int col, long row, CPoint screenPoint, int section);
  int EnablePopupMenu(BOOL flag);
  int EnableCellOverflow(BOOL flag);
  int EnableGrid(BOOL flag);
  int SetVScrollThumbTrack(BOOL flag);
  int SetHScrollThumbTrack(BOOL flag);
  int ClearSelection();
  int GetVScrollWidth() const { return m_GI->m_vScrollWidth; }
  int GetHScrollHeight() const { return m_GI->m_hScrollHeight; }
  const std::vector<std::pair<UINT, std::string>>& GetPopupMenuItems() const { return m_menuItems; }

  // ---- Position and movement -------------------------------------------------------
  int GotoCell(int col, long row);
  int GotoCol(int col);
  int GotoRow(long row);
  int SetLeftCol(int col);
  int SetTopRow(long row);
  int MoveCurrentCol(int code);
  int MoveCurrentRow(int code);
  int MoveLeftCol(int code);
  int MoveTopRow(int code);
  int GetCurrentCol() const { return m_GI->m_currentCol; }
  long GetCurrentRow() const { return m_GI->m_currentRow; }
  int GetLeftCol() const { return m_GI->m_leftCol; }
  int GetRightCol() const { return m_GI->m_rightCol; }
  long GetTopRow() const { return m_GI->m_topRow; }
  long GetBottomRow() const { return m_GI->m_bottomRow; }
  // Point in cell-area coordinates; 1 when no cell is there.
  int HitTest(int x, int y, int* col, long* row, CRect* rect);
  int GetCellRect(int col, long row, CRect* rect);
  int GetRangeRect(int startCol, long startRow, int endCol, long endRow, CRect* rect);
  int GetJoinStartCell(int* col, long* row);
  int GetJoinRange(int* col, long* row, int* endCol, long* endRow);

  // ---- Editing ----------------------------------------------------------------------------
  int StartEdit(int col, long row, int key);
  int StartEditCurrent() { return StartEdit(m_GI->m_currentCol, m_GI->m_currentRow, 0); }
  int StartEdit(int key = 0) { return StartEdit(m_GI->m_currentCol, m_GI->m_currentRow, key); }
  // Called by the edits: 0 keeps the edit open (the text was refused), 1 closed.
  int EndEdit(const std::string& text, BOOL cancelled, BOOL continueEditing, int nextCol,
              long nextRow);
  int CancelEdit();
  BOOL IsEditing() const { return m_editInProgress; }
  int GetEditCol() const { return m_editCol; }
  long GetEditRow() const { return m_editRow; }
  CWnd* GetEditWindow() const { return m_editCtrl; }
  const CUGCell& GetEditCell() const { return m_editCell; }

  // ---- Notifications (slot order; defaults do nothing or allow) -------------------
  virtual void OnFocusGained(int section);
  virtual int FitColumnsToWindow(int firstCol, int lastCol);
  virtual int BestFitColumns(int firstCol, int lastCol, long rowsToScan, int flags);
  virtual void OnGridSetup();
  virtual void ReservedHook1();
  virtual void OnSheetSetup(int sheet);
  virtual BOOL CanMoveCell(int oldCol, long oldRow, int newCol, long newRow);
  virtual BOOL CanMoveView(int oldLeftCol, long oldTopRow, int newLeftCol, long newTopRow);
  virtual void OnRowsNeeded(long rowCount, long rowsWanted, long rowsAdded);
  virtual void ReservedHook2(long a, long b);
  virtual BOOL CanSizeColumn(int col);
  virtual void OnColumnSizing(int col, int* width);
  virtual void OnColumnSized(int col, int* width);
  virtual BOOL CanSizeRow(long row);
  virtual void OnRowSizing(long row, int* height);
  virtual void OnRowSized(long row, int* height);
  virtual BOOL CanSizeTopHeading();
  virtual BOOL CanSizeSideHeading();
  virtual BOOL OnTopHeadingSizing(int* height);
  virtual BOOL OnSideHeadingSizing(int* width);
  virtual BOOL OnTopHeadingSized(int* height);
  virtual BOOL OnSideHeadingSized(int* width);
  virtual void OnCurrentColChanged(int oldCol, int newCol);
  virtual void OnCurrentRowChanged(long oldRow, long newRow);
  virtual void OnCurrentCellChanged(int oldCol, int newCol, long oldRow, long newRow);
  virtual void OnLeftColChanged(int oldCol, int newCol);
  virtual void OnTopRowChanged(long oldRow, long newRow);
  virtual void OnViewScrolled(int section, long oldPos, long newPos);
  virtual void OnSelectionChanged(int startCol, long startRow, int endCol, long endRow,
                                  int blockCount);
  virtual void OnCellLeftClick(int col, long row, int down, CRect* rect, CPoint* point,
                               BOOL processed);
  virtual void OnCellRightClick(int col, long row, int down, CRect* rect, CPoint* point,
                                BOOL processed);
  virtual void OnCellDoubleClick(int col, long row, CRect* rect, CPoint* point, BOOL processed);
  virtual void ReservedHook3(long a, long b, long c, long d, long e);
  virtual void OnTopHeadingLeftClick(int col, long row, int down, CRect* rect, CPoint* point,
                                     BOOL processed);
  virtual void OnTopHeadingRightClick(int col, long row, int down, CRect* rect, CPoint* point,
                                      BOOL processed);
  virtual void OnTopHeadingDoubleClick(int col, long row, CRect* rect, CPoint* point,
                                       BOOL processed);
  virtual void OnSideHeadingLeftClick(int col, long row, int down, CRect* rect, CPoint* point,
                                      BOOL processed);
  virtual void OnSideHeadingRightClick(int col, long row, int down, CRect* rect, CPoint* point,
                                       BOOL processed);
  virtual void OnSideHeadingDoubleClick(int col, long row, CRect* rect, CPoint* point,
                                        BOOL processed);
  virtual void OnCornerLeftClick(int down, CRect* rect, CPoint* point, BOOL processed);
  virtual void OnCornerRightClick(int down, CRect* rect, CPoint* point, BOOL processed);
  virtual void OnCornerDoubleClick(CRect* rect, CPoint* point, BOOL processed);
  virtual void OnKeyDown(UINT* key, BOOL processed);
  virtual void OnKeyUp(UINT* key, BOOL processed);
  virtual void OnCellKey(UINT* key, BOOL processed);
  virtual void OnCellGet(int col, long row, CUGCell* cell);
  virtual void OnCellSet(int col, long row, CUGCell* cell);
  virtual void ReservedHook4(long a, long b, long c);
  virtual BOOL OnCellTypeNotify(long id, int col, long row, long message, LPARAM param);
  virtual BOOL OnEditStart(int col, long row, CWnd** edit);
  virtual BOOL OnEditVerify(int col, long row, CWnd* edit, UINT* key);
  virtual BOOL OnEditFinish(int col, long row, CWnd* edit, const std::string& text,
                            BOOL cancelled);
  virtual BOOL OnEditContinue(int oldCol, long oldRow, int* newCol, long* newRow);
  virtual BOOL ReservedHook5(long a, long b, long c, long d);
  virtual BOOL ReservedHook6(long a, long b, long c, long d);
  virtual void OnMenuCommand(int col, long row, int section, UINT item);
  virtual BOOL OnMenuStart(int col, long row, int section);
  virtual int GetHelpContext(int col, long row, int section);
  virtual BOOL GetHintText(int col, long row, int section, std::string* text);
  virtual BOOL GetVScrollHintText(long row, std::string* text);
  virtual BOOL GetHScrollHintText(int col, std::string* text);
  virtual int CompareCells(CUGCell* cell1, CUGCell* cell2, int flags);
  virtual void OnPaintDCSetup(CDC* dc, CDC* memoryDC, int section);
  virtual void OnAdjustComponentRects(CRect* grid, CRect* topHdg, CRect* sideHdg, CRect* corner,
                                      CRect* vScroll, CRect* hScroll, CRect* tabs);
  virtual void OnTabSelected(int tabId);
  virtual COLORREF GetDefaultBackColor(int section);
  virtual void DrawCurrentCellFocus(CDC* dc, CRect* rect);
  virtual void OnFocusLost(int section, CWnd* newWindow);
  virtual void OnFocusLostSection(int section);
  virtual BOOL CanStartColumnDrag(int col);
  virtual BOOL CanDropColumn(int fromCol, int toCol);
  virtual void OnColumnMoved(int fromCol, int toCol);
  virtual void ReservedHook7(CWnd* window, CRect* newRect);

  // The default sort comparison (also used by a store without an owner).
  static int DefaultCompareCells(CUGCell* cell1, CUGCell* cell2, int flags);

  // ---- Internals shared with the child windows, cell types and edits ---------------
  // Makes the target cell current and tells everyone (after every move).
  void CompleteMove();
  // The row check of moves and paints: may ask the data source for rows.
  // Returns the row to use; refused (UG_ERROR in *result) at the last row.
  long CheckRow(long row, int* result);
  // Marks how the next move is started (UG_MOVE_...).
  void SetMoveType(int type, UINT keyFlags) {
    m_GI->m_moveType = type;
    m_GI->m_moveFlags = keyFlags;
  }
  // The data source serving a column (the sheet's store for headings).
  CUGDataSource* DataSourceOf(int col) const;
  int DataSourceColOf(int col) const;
  // Recomputes the largest top row and left column (may lay out again).
  void CalcMaxTopRowAndLeftCol();
  // The bottom row and right column as the last paint leaves them: the
  // first one reaching past the cell area, or the count when all fit.
  void CalcBottomRowAndRightCol();
  void CalcLockedSizes();
  // The store column of a heading cell.
  int HeadingStoreCol(int col) const;
  // Moves the child windows to the sheet's rectangles (only the tabs and
  // the horizontal scroll bar while the tab area is resized).
  void MoveChildWindows(bool tabsOnly);
  // Width of the columns shown from the left (locked, then from leftCol).
  std::vector<int> ShownColumns() const;
  std::vector<long> ShownRows() const;
  // Repaints the cell area, headings and scroll bars after a move.
  void RefreshAfterMove(int oldLeftCol, long oldTopRow, int oldCol, long oldRow);
  CUGRedrawList* GetGridRedrawList();
  // Cell-area x of a column's left edge (row-heading x for a negative
  // column) and y of a row's top edge (column-heading y for a negative row).
  int ColLeft(int col) const;
  long RowTop(long row) const;
  // The client size used by the layout (the window's, or the size last
  // given for a control without a window).
  CSize GetLayoutSize() const;
  void SetLayoutSize(CSize size) { m_layoutSize = size; }
  // The last computed rectangles are in m_GI.

  CUGGridInfo* m_GI = nullptr;  // the current sheet
  CUGGrid* m_CUGGrid = nullptr;
  CUGTopHdg* m_CUGTopHdg = nullptr;
  CUGSideHdg* m_CUGSideHdg = nullptr;
  CUGCnrBtn* m_CUGCnrBtn = nullptr;
  CUGVScroll* m_CUGVScroll = nullptr;
  CUGHScroll* m_CUGHScroll = nullptr;
  CUGTab* m_CUGTab = nullptr;
  CUGHint* m_CUGHint = nullptr;
  CUGEdit* m_editCtrlDefault = nullptr;       // id 123
  CUGMaskedEdit* m_maskedEditDefault = nullptr;  // id 124
  CPen* m_threeDLightPen = nullptr;  // COLOR_BTNHIGHLIGHT
  CPen* m_threeDDarkPen = nullptr;   // COLOR_BTNSHADOW
  CPen* m_gridLinePen = nullptr;     // the default border pen (grid lines)

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int OnCreate() override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint() override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar) override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateChildObjects();
  void InitSheetWindows(CUGGridInfo* sheet);
  void SetupFonts(CWnd* parent);
  // The scroll bars and the in-cell edits.
  void CreateScrollAndEditObjects();
  void DestroyScrollAndEditObjects();
  void CreateScrollAndEditWindows();
  void SyncScrollSheets();
  void MoveVScroll(const CRect& rect);
  void MoveHScroll(const CRect& rect);
  void ApplyLayoutDirection();
  void DestroyChildObjects();
  void CreatePens();
  void AfterSetup();
  void MakeNewSheet(size_t index);
  bool WindowsExist() const;
  void RepaintAll();
  void SetColInfoCount(int count);
  int AdjustedColWidth(int col, int width);
  void SyncChildSheets();
  void MakeRowVisible(long row);
  void MakeColVisible(int col);
  int GotoRowInternal(long row);
  int GotoColInternal(int col);
  long ApplyJoinToRowTarget(int col, long fromRow, long toRow);
  int ApplyJoinToColTarget(long row, int fromCol, int toCol);
  // A quick accessor's change: the stored cell read into a cell of its own
  // (so that an OnCellSet that uses the quick accessors itself changes no
  // other call's cell), changed, and stored back.
  template <class Change>
  int QuickChange(int col, long row, Change change);
  void NotifyCellTypesOfMove(int oldCol, long oldRow, bool rowChanged);
  void TellMultiSelectCurrentCell();
  // The join block of a cell; false when it is not joined (or joins are off).
  bool GetJoinBlock(int col, long row, int* startCol, long* startRow, int* endCol, long* endRow);
  void RefreshScrollBars();

  std::vector<std::unique_ptr<CUGGridInfo>> m_GIList;
  int m_currentSheet = 0;

  std::unique_ptr<CUGCellType> m_normalCellType;
  std::unique_ptr<CUGDropListType> m_dropListType;
  std::unique_ptr<CUGCheckBoxType> m_checkBoxType;
  std::unique_ptr<CUGArrowType> m_arrowType;

  CUGPtrList m_fontList;
  CUGPtrList m_bitmapList;
  CUGPtrList m_cellTypeList;
  std::vector<CFont*> m_ownedFonts;
  std::vector<CUGDataSource*> m_dataSrcList;  // index 0 never given out

  std::vector<std::pair<UINT, std::string>> m_menuItems;
  int m_menuCol = -1;
  long m_menuRow = -1;
  int m_menuSection = 0;

  BOOL m_editInProgress = FALSE;
  bool m_endEditInProgress = false;
  int m_editCol = -1;
  long m_editRow = -1;
  CWnd* m_editCtrl = nullptr;
  CWnd* m_editParent = nullptr;
  CUGCell m_editCell;

  BOOL m_enableUpdate = TRUE;
  BOOL m_rightToLeft = FALSE;
  bool m_setupDone = false;
  CSize m_layoutSize;
};
