// CUGMultiSelect: the cells the user has selected, kept as rectangular
// blocks in the order made (a later block wins over an earlier one unless
// the mode says the first decides), with queries and enumeration. The grid
// owns one per sheet and forwards clicks and moves to it while its
// multi-select mode is on. User-interface thread only.
#pragma once

#include <vector>

#include "platform/WinTypes.h"

class CUGCtrl;
struct CUGGridInfo;

class CUGMultiSelect {
 public:
  CUGMultiSelect(CUGCtrl* ctrl, CUGGridInfo* sheet);
  virtual ~CUGMultiSelect();
  CUGMultiSelect(const CUGMultiSelect&) = delete;
  CUGMultiSelect& operator=(const CUGMultiSelect&) = delete;

  virtual void ClearAll();
  virtual int StartBlock(int col, long row);
  virtual int ExtendBlock(int col, long row);
  virtual int OnClick(int col, long row, UINT keyFlags);
  virtual int OnRightClick(int col, long row, UINT keyFlags);
  virtual int OnKeyMove(int col, long row);
  virtual int OnDragMove(int col, long row, UINT keyFlags);
  virtual int ToggleCell(int col, long row);
  // Results: 0 success, 1 when nothing is selected.
  virtual int GetOrigin(int* col, long* row) const;
  virtual int GetCurrentBlock(int* left, long* top, int* right, long* bottom) const;
  virtual int GetTotalRange(int* left, long* top, int* right, long* bottom) const;
  virtual int GetNumberBlocks() const { return static_cast<int>(m_blocks.size()); }
  // The state (1 selected, 0 not) of the deciding block that holds the
  // cell; its index into block when asked (-1 when none).
  virtual int IsSelected(int col, long row, int* block = nullptr) const;
  virtual int IsColSelected(int col) const;
  virtual int IsRowSelected(long row) const;
  virtual int SetMode(int mode);
  virtual int GetMode() const { return m_mode; }
  // Enumeration of the selected cells (0: a cell given, 1: done).
  virtual int EnumFirstSelected(int* col, long* row);
  virtual int EnumNextSelected(int* col, long* row);
  virtual int EnumFirstBlock(int* left, long* top, int* right, long* bottom);
  virtual int EnumNextBlock(int* left, long* top, int* right, long* bottom);

 private:
  struct Block {
    int anchorCol;
    long anchorRow;
    int dragCol;
    long dragRow;
    int left;
    long top;
    int right;
    long bottom;
    int state;  // 1 selects the cells, 0 deselects them
  };
  void NormaliseBounds(Block& block) const;
  void RedrawBlock(int left, long top, int right, long bottom) const;
  void RedrawSelection() const;
  void TellSelectionChanged(const Block& block) const;
  int DecidingState(bool (*covers)(const Block&, int, long), int col, long row, int* index) const;

  CUGCtrl* m_ctrl;
  CUGGridInfo* m_GI;
  std::vector<Block> m_blocks;
  int m_startCol = -1;  // first cell of the current selection
  long m_startRow = -1;
  bool m_selecting = false;
  bool m_newBlock = false;
  int m_mode = 0;
  int m_lastCol = -1;  // last cell handled
  long m_lastRow = -1;
  // Enumeration state.
  int m_enumLeft = 0;
  long m_enumTop = 0;
  int m_enumRight = -1;
  long m_enumBottom = -1;
  int m_enumCol = 0;
  long m_enumRow = 0;
  bool m_enumerating = false;
  bool m_enumCurrentOnly = false;
  size_t m_enumBlock = 0;
};
