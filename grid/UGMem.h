// CUGMem: the in-memory data source every sheet owns. Cells are kept in a
// two-level doubly linked structure (rows, each a list of cells) reached
// through a cursor, so access near the previous one is cheap and rows and
// cells before row 0 and column 0 (the headings, at negative indexes) can
// be stored too. Offers find and a stable sort of whole rows.
// User-interface thread only, like the grid that owns it.
#pragma once

#include <string>
#include <vector>

#include "grid/UGDataSource.h"

class CUGMem : public CUGDataSource {
 public:
  CUGMem();
  ~CUGMem() override;

  long GetRowCount() override;
  int ReservedSlot13() override { return 0; }
  int AddRow(long row) override;
  int ReservedSlot15() override { return 0; }
  int InsertColumn(int col) override;
  int DeleteRow(long row) override;
  int DeleteColumn(int col) override;
  int DeleteCell(int col, long row) override;
  int DeleteAll() override;
  int GetCell(int col, long row, CUGCell* cell) override;
  int SetCell(int col, long row, CUGCell* cell) override;
  int FindNext(const std::string& text, int* col, long* row, int flags) override;
  int FindInRange(const std::string& text, int* col, long* row, int flags) override;
  int SortRows(const int* cols, int colCount, int flags) override;
  int SortByColumn(int col, int flags) override;
  int FindTextToLeft(int* col, long row) override;

  // Where the last find stopped.
  int GetLastFindCol() const { return m_findCol; }
  long GetLastFindRow() const { return m_findRow; }

 private:
  struct CellNode {
    CUGCell* cell = nullptr;  // owned; absent in a node that only keeps a place
    CellNode* next = nullptr;
    CellNode* prev = nullptr;
  };
  struct RowNode {
    CellNode* firstCell = nullptr;  // the cell at column 0 of the row
    RowNode* next = nullptr;
    RowNode* prev = nullptr;
  };

  // Cursor moves; 1 when the list ends first (the cursor stays at the end).
  int GotoRow(long row);
  int GotoCol(int col);
  // As GotoRow/GotoCol, adding empty nodes where the lists end.
  void GotoRowCreating(long row);
  void GotoColCreating(int col);
  RowNode* FirstRowNode();
  // The node at col of a row (relative to its column-0 cell); null when none.
  static CellNode* CellAt(RowNode* row, int col);
  static void DeleteCellNode(CellNode* node);
  static void DeleteRowCells(RowNode* row);
  void LimitsForFind(long* rowCount, int* colCount);
  int CompareRows(const std::vector<CUGCell*>& a, const std::vector<CUGCell*>& b, int flags);

  long m_currentRow = 0;
  RowNode* m_rowNode = nullptr;  // null: the store is empty
  int m_currentCol = 0;
  CellNode* m_colNode = nullptr;
  int m_findCol = -1;
  long m_findRow = -1;
};
