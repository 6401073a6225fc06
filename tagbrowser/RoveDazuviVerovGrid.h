// CRoveDazuviVerovGrid: the grid of the tag browser. One row per tag of the
// data center (row n is the tag at index n when it is set up), nine
// columns: index, name, hardware type, access path, IO type, data type,
// value, a modifier (an edit, a True/False drop list or a slider) and the
// slider's new value. Every cell of a row carries its tag as its parameter,
// so a row keeps its tag wherever a sort moves it.
//
// Timer 101 refreshes the value columns of the shown rows every 500 ms,
// setting and painting again only the cells whose text or colour changed. A
// user's action on one modifier cell (the end of an edit, a drop-list
// choice, a slider drag) writes the value to the row's tag, and only while
// Ctrl is held (a slider only while the cell area has the focus); nothing
// the grid sets itself (set-up, refresh, recolouring, highlighting) ever
// writes. Tag values are read on the user-interface thread, like
// everything here.
#pragma once

#include <string>

#include "grid/UGAutoFontType.h"
#include "grid/UGCtrl.h"
#include "grid/UGSliderType.h"
#include "platform/ui/Bitmap.h"
#include "tagbrowser/RoveDazuviVerovRules.h"

class CDataCenterBase;
class CDCTag;

class CRoveDazuviVerovGrid : public CUGCtrl {
 public:
  // The tags of the data center (null: the engine's, taken at set-up).
  explicit CRoveDazuviVerovGrid(CDataCenterBase* pDataCenter = nullptr);
  ~CRoveDazuviVerovGrid() override;

  // ---- What the dialog asks of the grid -----------------------------------
  // Keeps the filter text for the highlight; ApplyHighlightFilter colours
  // the names that contain it, goes to the first of them and returns how
  // many there are.
  void SetHighlightFilter(const std::string& filter) { m_strHighlightFilter = filter; }
  const std::string& GetHighlightFilter() const { return m_strHighlightFilter; }
  int ApplyHighlightFilter();
  // Goes to the line (clamped to the rows) and keeps two rows around it in
  // view; the row reached, -1 with no rows.
  long GoToLine(long line);
  // One refresh of the shown rows (timer 101).
  void RefreshShownRows();
  // The tag of a row (from its cells), null for none.
  CDCTag* GetRowTag(long row);
  // The information text of a cell: its tag's description and its place.
  std::string GetCellInfoText(int col, long row);
  bool IsSetupDone() const { return m_bSetupDone; }
  int GetSliderTypeIndex() const { return m_nSliderIndex; }

  // ---- Grid notifications -------------------------------------------------
  void OnGridSetup() override;
  void OnCurrentRowChanged(long oldRow, long newRow) override;
  void OnCellLeftClick(int col, long row, int down, CRect* rect, CPoint* point, BOOL processed) override;
  void OnCellDoubleClick(int col, long row, CRect* rect, CPoint* point, BOOL processed) override;
  void OnCellKey(UINT* key, BOOL processed) override;
  void OnCellSet(int col, long row, CUGCell* cell) override;
  BOOL OnCellTypeNotify(long id, int col, long row, long message, LPARAM param) override;
  BOOL OnEditFinish(int col, long row, CWnd* edit, const std::string& text, BOOL cancelled) override;
  BOOL OnEditContinue(int oldCol, long oldRow, int* newCol, long* newRow) override;
  BOOL OnMenuStart(int col, long row, int section) override;
  void OnMenuCommand(int col, long row, int section, UINT item) override;
  BOOL GetHintText(int col, long row, int section, std::string* text) override;
  COLORREF GetDefaultBackColor(int section) override;
  void DrawCurrentCellFocus(CDC* dc, CRect* rect) override;
  void OnFocusLost(int section, CWnd* newWindow) override;
  // The browser's own notification slot, after the grid's; unused.
  virtual void ReservedHook8(long, long) {}

 protected:
  void OnTimer(UINT_PTR id) override;

 private:
  // While alive, cells the grid sets itself never write to their tags.
  class CodeChange {
   public:
    explicit CodeChange(CRoveDazuviVerovGrid* grid) : m_grid(grid) { ++m_grid->m_nCodeChanges; }
    ~CodeChange() { --m_grid->m_nCodeChanges; }
    CodeChange(const CodeChange&) = delete;
    CodeChange& operator=(const CodeChange&) = delete;

   private:
    CRoveDazuviVerovGrid* m_grid;
  };

  void FillRow(long row, CDCTag* tag);
  void RefreshRow(long row);
  // Sets the name cell's background (the "New Value" text) when it differs.
  void SetNameBackColor(long row, COLORREF color);
  void SetNewValueText(long row, const std::string& text);
  // Writes the modifier text of a user's action to the row's tag.
  void WriteToTag(CDCTag* tag, const CUGCell& cell);
  // Repaints a cell now, or during a refresh adds it to the cells painted
  // at its end.
  void Redraw(int col, long row);
  int ModifierTypeIndex(rdv::Modifier modifier) const;

  CBitmap m_bmpFalse;  // 3001: beside a false boolean
  CBitmap m_bmpTrue;   // 3002: beside a true one
  CUGSliderType m_sliderType;
  int m_nSliderIndex = -1;
  CUGAutoFontType m_autoFontType;  // registered, used by no cell
  int m_nAutoFontIndex = -1;
  bool m_bSetupDone = false;  // false until OnGridSetup has filled the grid
  std::string m_strHighlightFilter;
  CDataCenterBase* m_pDataCenter;  // not owned
  int m_nCodeChanges = 0;          // open CodeChange scopes
  int m_nDeferRedraws = 0;         // > 0 while a refresh gathers its repaints
  CRect m_gathered;                // the cell area they cover (cell-area coordinates)
};
