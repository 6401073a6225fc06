// A memory store's cells written and read back by their text, for the
// store's tests. The test's thread only.
#pragma once

#include <string>

#include "grid/UGMem.h"

namespace grid_test {

// Writes a cell of the text at the column and row.
inline void Put(CUGMem& mem, int col, long row, const std::string& text) {
  CUGCell cell;
  cell.SetText(text);
  mem.SetCell(col, row, &cell);
}

// The text of the stored cell; "<none>" when the store has no cell there.
inline std::string Text(CUGMem& mem, int col, long row) {
  CUGCell cell;
  cell.SetPropertyFlags(0);
  if (mem.GetCell(col, row, &cell) != UG_SUCCESS) return "<none>";
  return cell.GetText();
}

}  // namespace grid_test
