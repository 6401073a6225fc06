// CUGCellType: how a cell is drawn and how it answers the mouse and keys.
// The normal type ("Normal Cell Type (default)", index 0 of every grid) is
// this class itself; every further type derives from it and overrides a
// few operations. A cell names its type by its registered index.
// Drawing is plain painting (no visual styles). User-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "grid/UGCell.h"
#include "grid/UGPtrList.h"
#include "platform/WinTypes.h"

class CDC;
class CUGCtrl;

// The kinds of mouse click a cell type is told of.
enum class UGClick { Left, Right, Double };

// Where a cell's bitmap of the natural size goes in the cell rectangle: at
// natural size 2 pixels in, vertically centred, when it fits the height
// less 4; else scaled to that height keeping its aspect ratio. The width is
// capped at the cell width less 4. used is the room taken (2 margins and
// the width), 0 when nothing is drawn.
struct UGBitmapPlace {
  CRect target;
  bool stretched = false;
  int used = 0;
};
UGBitmapPlace UGPlaceCellBitmap(CSize natural, const CRect& rect);
// UGPlaceCellBitmap(natural, rect).used.
int UGCellBitmapWidth(CSize natural, const CRect& rect);

class CUGCellType {
 public:
  CUGCellType();
  virtual ~CUGCellType();
  CUGCellType(const CUGCellType&) = delete;
  CUGCellType& operator=(const CUGCellType&) = delete;

  // Set by CUGCtrl::AddCellType.
  void SetOwner(CUGCtrl* ctrl) { m_ctrl = ctrl; }
  CUGCtrl* GetOwner() const { return m_ctrl; }
  void SetID(int id) { m_ID = id; }
  int GetID() const { return m_ID; }
  bool CanOverflow() const { return m_canOverflow; }
  // False for types whose cells are not edited as text.
  virtual BOOL CanTextEdit() const { return TRUE; }
  // A cell of this type may run its text into empty cells to its right.
  bool CellMayOverflow(CUGCell* cell) const;

  // ---- Operations in slot order ----------------------------------------
  // Draws the bitmap at the left of rect; the width used.
  virtual int DrawCellBitmap(CDC* dc, CBitmap* bitmap, CRect* rect, COLORREF backColor);
  // Draws the border; rectOut is what lies inside it.
  virtual void DrawBorder(CDC* dc, CRect* rect, CRect* rectOut, CUGCell* cell);
  // Background, bitmap and text; offset shifts left-aligned text (overflow).
  virtual void DrawText(CDC* dc, CRect* rect, int offset, int col, long row, CUGCell* cell,
                        int selected, int current);
  virtual void DrawCellBackground(CDC* dc, CRect* rect, COLORREF backColor, int col, long row,
                                  CUGCell* cell, int selected, int current);
  // For an empty cell: the cell to the left whose text runs into it
  // (startCol) and the negative pixel offset; 0 when none.
  virtual int GetOverflowStart(CDC* dc, int col, long row, int* startCol, CUGCell* cell);
  virtual std::string GetTypeName() const;
  virtual const CUGPtrList::Id* GetTypeId() const;
  virtual int AdjustEditRect(CRect* rect);
  // WM_USER + 100 sent to the control with this type's index.
  virtual int OnCellTypeMessage(long, long) { return -1; }
  virtual int ReservedQuery2(long, long) { return -1; }
  virtual BOOL OnLClicked(int col, long row, int down, CRect* rect, CPoint* point);
  virtual BOOL OnRClicked(int col, long row, int down, CRect* rect, CPoint* point);
  virtual BOOL OnDClicked(int col, long row, CRect* rect, CPoint* point);
  virtual BOOL OnKeyDown(int col, long row, UINT* key);
  virtual BOOL OnKeyUp(int col, long row, UINT* key);
  virtual BOOL OnCharDown(int col, long row, UINT* key);
  virtual BOOL OnMouseMove(int col, long row, CPoint* point, UINT flags);
  virtual void OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                      int current);
  virtual BOOL ReservedHook(long, long, long, long) { return FALSE; }
  virtual void OnPrint(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
                       int current);
  virtual void OnPrintCell(CDC* dc, CRect* rect, int col, long row, CUGCell* cell);
  // Notifications from the grid.
  virtual void OnSetFocus(int col, long row, CUGCell* cell);
  virtual void OnKillFocus(int col, long row, CUGCell* cell);
  virtual void OnCurrentMoved(int col, long row, CUGCell* cell);
  virtual void OnChangingCellWidth(int col, long row, int* width);
  virtual void OnChangedCellWidth(int col, long row, int* width);
  virtual void OnSystemChange();
  // The width and height the cell's text and bitmap need.
  virtual void GetBestSize(CDC* dc, CSize* size, CUGCell* cell);
  virtual void ReservedNotify(long, long, long) {}
  // Draws the current cell's focus; 0 declines (the grid draws it).
  virtual int DrawFocus(CDC*, CRect*, int, long) { return 0; }
  virtual int ReservedQuery4() { return 0; }
  // Routes a click to OnLClicked, OnRClicked or OnDClicked (which has no down).
  BOOL OnClick(UGClick click, int col, long row, int down, CRect* rect, CPoint* point);
  // Passes a user change to the grid's OnCellTypeNotify.
  virtual BOOL NotifyGrid(int typeIndex, int col, long row, long message, LPARAM param);

  // Printing sets the scale of printed fonts and lines.
  void SetPrintScale(double scale) { m_drawScale = scale; }

 protected:
  // Text colour and back colour a cell is drawn in.
  void ChooseColors(CUGCell* cell, int selected, int current, COLORREF* text, COLORREF* back) const;
  // Border and plain background of a drawn-by-hand cell; the rectangle
  // inside the border, where the type draws its own picture. textColor,
  // when given, receives the colour the picture is drawn in.
  CRect DrawFrameAndBackground(CDC* dc, CRect* rect, int col, long row, CUGCell* cell,
                               int selected, int current, COLORREF* textColor = nullptr);
  // A user's change stored into the cell's own properties, then redrawn.
  void StoreNumber(int col, long row, double number);
  void StoreText(int col, long row, const std::string& text);
  void StoreChange(int col, long row, const std::function<void(CUGCell&)>& change);

  bool m_useLabelText = false;
  bool m_canOverflow = true;
  double m_drawScale = 1.0;
  CUGCtrl* m_ctrl = nullptr;
  int m_ID = -1;
};
