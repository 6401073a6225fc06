// CUGRedrawList: the cells a window is about to repaint, as rectangles of
// cells with their bounding box, plus a list of single cells (the join
// origins already painted in one pass). User-interface thread only.
#pragma once

#include <vector>

class CUGRedrawList {
 public:
  // A rectangle of cells, bounds inclusive.
  int AddRange(int left, long top, int right, long bottom);
  // One cell as a one-cell rectangle.
  int AddCell(int col, long row) { return AddRange(col, row, col, row); }
  // A cell into the separate cell list.
  int AddCellToList(int col, long row);
  // TRUE when the cell lies in any rectangle (the bounding box first).
  bool IsCellInRange(int col, long row) const;
  bool IsCellInList(int col, long row) const;
  bool IsEmpty() const { return m_ranges.empty(); }
  void ClearAll();

 private:
  struct Range {
    int left;
    long top;
    int right;
    long bottom;
  };
  struct Cell {
    int col;
    long row;
  };
  std::vector<Range> m_ranges;
  Range m_bounds{0, 0, -1, -1};
  std::vector<Cell> m_cells;
};
