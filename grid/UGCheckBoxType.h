// CUGCheckBoxType ("CheckBox", index 2 of every grid): a box that a click,
// a double-click or the space bar toggles; the state is the cell's number
// (0, 1, and 2 with the tri-state extension). User-interface thread only.
#pragma once

#include "grid/UGCellType.h"

// Extension bits.
constexpr long UGCT_CHECKBOXFLAT = 0x100;      // flat frame
constexpr long UGCT_CHECKBOXCROSS = 0x200;     // a cross instead of a tick
constexpr long UGCT_CHECKBOX3DRECESS = 0x400;  // sunken frame, one pixel wider
constexpr long UGCT_CHECKBOXUSEALIGN = 0x800;  // the box follows the cell's alignment
constexpr long UGCT_CHECKBOXROUND = 0x1000;    // a round mark
constexpr long UGCT_CHECKBOX3STATE = 0x2000;   // three states

constexpr long UGCT_CHECKBOXCHANGED = 53;  // notification: param the new state

class CUGCheckBoxType : public CUGCellType {
 public:
  CUGCheckBoxType();
  ~CUGCheckBoxType() override;

  BOOL CanTextEdit() const override { return FALSE; }
  std::string GetTypeName() const override;
  const CUGPtrList::Id* GetTypeId() const override;
  BOOL OnLClicked(int col, long row, int down, CRect* rect, CPoint* point) override;
  BOOL OnDClicked(int col, long row, CRect* rect, CPoint* point) override;
  BOOL OnCharDown(int col, long row, UINT* key) override;
  void OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
              int current) override;
  void GetBestSize(CDC* dc, CSize* size, CUGCell* cell) override;

  // The box of a cell's rectangle.
  static CRect BoxRect(const CRect& cell, long extension, short alignment);
  // Toggles the state of the cell; 0 done, 1 refused (read-only, disabled).
  int Toggle(int col, long row);
};
