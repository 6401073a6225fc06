// CUGMem: the in-memory data source every sheet owns. Rows live in a table
// indexed by row, each row a run of cell places indexed by column, so any
// cell is reached in constant time, whatever was read before. Rows and
// columns before 0 (the headings, at negative indexes) are stored too.
// Offers find and a stable sort of whole rows.
// User-interface thread only, like the grid that owns it.
//
// Indexes behave as they do in a list walked from a cursor: row n is the
// n-th row after the one the store calls row 0, and a row's column n the
// n-th place after its column 0. So inserting a row at r moves the rows
// from r on down by one; deleting row r moves the rows after it up (and
// deleting a heading row moves row 0 to -1); a row's places always include
// column 0, and inserting or deleting a place before column 0 moves the
// places before it, not those after.
#pragma once

#include <memory>
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
  // A stored cell is deleted with what it owns (attached object, extras).
  struct CellDeleter {
    void operator()(CUGCell* cell) const;
  };
  using CellPtr = std::unique_ptr<CUGCell, CellDeleter>;

  // One row: its cell places from column firstCol on. A row either has no
  // places or has one at column 0 (so firstCol <= 0 < firstCol + size);
  // a place may hold no cell, keeping the columns after it where they are.
  struct Row {
    int firstCol = 0;
    std::vector<CellPtr> cells;
    bool HasPlace(int col) const {
      return !cells.empty() && col >= firstCol && col - firstCol < static_cast<int>(cells.size());
    }
    CellPtr& Place(int col) { return cells[static_cast<size_t>(col - firstCol)]; }
  };

  // The row at an index; null when there is none.
  Row* RowAt(long row);
  // The place (col, row); null when the row or the place does not exist.
  CellPtr* PlaceAt(int col, long row);
  // The row at an index, adding empty rows up to it where the table ends.
  Row& RowCreating(long row);
  // The place at col of a row, adding empty places up to it at either end.
  static CellPtr& PlaceCreating(Row& row, int col);
  long LastRow() const { return m_firstRow + static_cast<long>(m_rows.size()) - 1; }
  void LimitsForFind(long* rowCount, int* colCount);
  // The owner's comparison of two sort keys (the default one without an owner).
  int CompareCells(CUGCell* a, CUGCell* b, int flags);

  std::vector<std::unique_ptr<Row>> m_rows;  // m_rows[i] is row m_firstRow + i
  long m_firstRow = 0;
  int m_findCol = -1;
  long m_findRow = -1;
};
