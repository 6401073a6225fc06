#include "grid/UGMem.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "grid/UGCtrl.h"

namespace {

std::string ToUpper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void CUGMem::CellDeleter::operator()(CUGCell* cell) const {
  cell->ClearOwnedExtras();
  delete cell;
}

CUGMem::CUGMem() = default;

CUGMem::~CUGMem() { DeleteAll(); }

// ---- Rows and places ----------------------------------------------------------

CUGMem::Row* CUGMem::RowAt(long row) {
  if (row < m_firstRow || row > LastRow()) return nullptr;
  return m_rows[static_cast<size_t>(row - m_firstRow)].get();
}

CUGMem::CellPtr* CUGMem::PlaceAt(int col, long row) {
  Row* r = RowAt(row);
  if (r == nullptr || !r->HasPlace(col)) return nullptr;
  return &r->Place(col);
}

CUGMem::Row& CUGMem::RowCreating(long row) {
  if (m_rows.empty()) {
    // An empty store starts with row 0 and grows from there.
    m_firstRow = 0;
    m_rows.push_back(std::make_unique<Row>());
  }
  if (row < m_firstRow) {
    const size_t add = static_cast<size_t>(m_firstRow - row);
    for (size_t i = 0; i < add; ++i) m_rows.push_back(std::make_unique<Row>());
    std::rotate(m_rows.begin(), m_rows.end() - static_cast<std::ptrdiff_t>(add), m_rows.end());
    m_firstRow = row;
  }
  while (row > LastRow()) m_rows.push_back(std::make_unique<Row>());
  return *m_rows[static_cast<size_t>(row - m_firstRow)];
}

CUGMem::CellPtr& CUGMem::PlaceCreating(Row& row, int col) {
  if (row.cells.empty()) {
    row.firstCol = 0;
    row.cells.resize(1);
  }
  if (col < row.firstCol) {
    const size_t add = static_cast<size_t>(row.firstCol - col);
    row.cells.resize(row.cells.size() + add);
    std::rotate(row.cells.begin(), row.cells.end() - static_cast<std::ptrdiff_t>(add), row.cells.end());
    row.firstCol = col;
  }
  const int last = row.firstCol + static_cast<int>(row.cells.size()) - 1;
  if (col > last) row.cells.resize(row.cells.size() + static_cast<size_t>(col - last));
  return row.Place(col);
}

// ---- Rows, columns and cells -------------------------------------------------

long CUGMem::GetRowCount() { return m_rows.empty() ? 0 : LastRow(); }

int CUGMem::AddRow(long row) {
  if (RowAt(row) == nullptr) return UG_ERROR;
  // The new row takes the index; the rows from there on move down by one.
  m_rows.insert(m_rows.begin() + (row - m_firstRow), std::make_unique<Row>());
  return UG_SUCCESS;
}

int CUGMem::InsertColumn(int col) {
  if (m_rows.empty()) return UG_SUCCESS;
  int position = col;
  if (m_ctrl != nullptr) {
    const std::vector<UGColInfo>& cols = m_ctrl->m_GI->m_colInfo;
    for (size_t i = 0; i < cols.size(); ++i) {
      if (cols[i].dataSourceCol == col) {
        position = static_cast<int>(i);
        break;
      }
    }
  }
  for (auto& row : m_rows) {
    if (!row->HasPlace(position)) continue;
    row->cells.insert(row->cells.begin() + (position - row->firstCol), CellPtr());
    // Before column 0 the new place pushes the places before it outwards;
    // from column 0 on it pushes those after it.
    if (position < 0) --row->firstCol;
  }
  if (m_ctrl != nullptr) {
    for (UGColInfo& info : m_ctrl->m_GI->m_colInfo) {
      if (info.dataSourceCol >= position) ++info.dataSourceCol;
    }
  }
  return UG_SUCCESS;
}

int CUGMem::DeleteRow(long row) {
  if (RowAt(row) == nullptr) return UG_SUCCESS;
  // The rows after it move up by one (the next row takes the index).
  m_rows.erase(m_rows.begin() + (row - m_firstRow));
  if (m_rows.empty()) m_firstRow = 0;
  return UG_SUCCESS;
}

int CUGMem::DeleteColumn(int col) {
  for (auto& row : m_rows) {
    if (!row->HasPlace(col)) continue;
    const size_t at = static_cast<size_t>(col - row->firstCol);
    if (at + 1 == row->cells.size()) {
      // The last place of the row keeps its place; only its cell goes.
      row->cells[at].reset();
      continue;
    }
    row->cells.erase(row->cells.begin() + static_cast<std::ptrdiff_t>(at));
    // A place before column 0 gone: the places before it move inwards.
    if (col < 0) ++row->firstCol;
  }
  if (m_ctrl != nullptr) {
    for (UGColInfo& info : m_ctrl->m_GI->m_colInfo) {
      if (info.dataSourceCol > col) --info.dataSourceCol;
    }
  }
  return UG_SUCCESS;
}

int CUGMem::DeleteCell(int col, long row) {
  CellPtr* place = PlaceAt(col, row);
  if (place == nullptr || !*place) return UG_ERROR;
  place->reset();
  return UG_SUCCESS;
}

int CUGMem::DeleteAll() {
  m_rows.clear();
  m_firstRow = 0;
  return UG_SUCCESS;
}

int CUGMem::GetCell(int col, long row, CUGCell* cell) {
  CellPtr* place = PlaceAt(col, row);
  if (place == nullptr || !*place) return UG_ERROR;
  CUGCell::CopyOver(place->get(), cell);
  return UG_SUCCESS;
}

int CUGMem::SetCell(int col, long row, CUGCell* cell) {
  if (cell == nullptr) return UG_ERROR;
  CellPtr& place = PlaceCreating(RowCreating(row), col);
  if (!place) place.reset(new CUGCell);
  place->CopyFrom(cell);
  return UG_SUCCESS;
}

// ---- Find -------------------------------------------------------------------------

void CUGMem::LimitsForFind(long* rowCount, int* colCount) {
  if (m_ctrl != nullptr) {
    *rowCount = m_ctrl->GetRowCount();
    *colCount = m_ctrl->GetColCount();
    return;
  }
  *rowCount = m_rows.empty() ? 0 : GetRowCount() + 1;
  int widest = 0;
  for (const auto& row : m_rows) widest = std::max(widest, static_cast<int>(row->cells.size()) + std::min(row->firstCol, 0));
  *colCount = widest;
}

int CUGMem::FindInRange(const std::string& text, int* col, long* row, int flags) {
  if (col == nullptr || row == nullptr) return UG_ERROR;
  long rowCount = 0;
  int colCount = 0;
  LimitsForFind(&rowCount, &colCount);
  if (rowCount <= 0 || colCount <= 0 || text.empty()) return UG_ERROR;
  const bool partial = (flags & UG_FIND_PARTIAL) != 0;
  const bool noCase = (flags & UG_FIND_CASEINSENSITIVE) != 0;
  const bool backwards = (flags & UG_FIND_UP) != 0;
  const bool allColumns = (flags & UG_FIND_ALLCOLUMNS) != 0;
  const std::string search = noCase ? ToUpper(text) : text;

  int c = *col;
  long r = *row;
  long rowSteps = 0;
  auto stepRow = [&](long delta) {
    r += delta;
    if (r >= rowCount) r = 0;
    if (r < 0) r = rowCount - 1;
    ++rowSteps;
  };
  while (true) {
    if (allColumns) {
      c += backwards ? -1 : 1;
      if (c >= colCount) {
        c = 0;
        stepRow(1);
      } else if (c < 0) {
        c = colCount - 1;
        stepRow(-1);
      }
    } else {
      stepRow(backwards ? -1 : 1);
    }
    if (rowSteps > rowCount + 1) break;
    const CellPtr* place = PlaceAt(c, r);
    if (place == nullptr || !*place) continue;
    const std::string& cellText = (*place)->GetText();
    if (cellText.empty()) continue;
    bool match;
    if (partial) {
      match = (noCase ? ToUpper(cellText) : cellText).find(search) != std::string::npos;
    } else {
      match = noCase ? ToUpper(cellText) == search : cellText == text;
    }
    if (match) {
      *col = c;
      *row = r;
      m_findCol = c;
      m_findRow = r;
      return UG_SUCCESS;
    }
  }
  m_findCol = c;
  m_findRow = r;
  return UG_ERROR;
}

int CUGMem::FindNext(const std::string& text, int* col, long* row, int flags) {
  if (col == nullptr || row == nullptr) return UG_ERROR;
  if (flags & UG_FIND_ALLCOLUMNS) {
    *col = -1;
    *row = 0;
  } else {
    *row = -1;
  }
  return FindInRange(text, col, row, flags);
}

int CUGMem::FindTextToLeft(int* col, long row) {
  if (col == nullptr) return UG_ERROR;
  Row* r = RowAt(row);
  if (r == nullptr || !r->HasPlace(*col)) return UG_ERROR;
  // Only columns from 0 on count; the places of a row are contiguous and
  // include column 0, so every column between exists.
  for (int c = *col - 1; c >= 0; --c) {
    const CellPtr& place = r->Place(c);
    if (place && place->GetTextLength() > 0) {
      *col = c;
      return UG_SUCCESS;
    }
  }
  return UG_ERROR;
}

// ---- Sort ----------------------------------------------------------------------------

int CUGMem::CompareCells(CUGCell* a, CUGCell* b, int flags) {
  static CUGCell emptyCell;  // a missing key compares as an empty cell
  if (a == nullptr) a = &emptyCell;
  if (b == nullptr) b = &emptyCell;
  return m_ctrl != nullptr ? m_ctrl->CompareCells(a, b, flags) : CUGCtrl::DefaultCompareCells(a, b, flags);
}

int CUGMem::SortRows(const int* cols, int colCount, int flags) {
  if (cols == nullptr || colCount <= 0 || RowAt(0) == nullptr) return UG_ERROR;
  // Rows 0 to the last are sorted; the heading rows stay where they are.
  const size_t base = static_cast<size_t>(-m_firstRow);
  const size_t count = m_rows.size() - base;
  const size_t width = static_cast<size_t>(colCount);

  // Each row's entry carries a copy of its first key, so the merges stream
  // through the entries instead of reaching into cells spread over the
  // whole store; further keys (asked for only on ties) stay where they are.
  struct Entry {
    // Empty when the row has no cell there; mutable as the comparison takes
    // cells it may read through non-const pointers.
    mutable CUGCell first;
    size_t row;     // index among the sorted rows before the sort
  };
  std::vector<Entry> entries;
  entries.reserve(count);
  std::vector<CUGCell*> moreKeys(count * (width - 1), nullptr);
  for (size_t i = 0; i < count; ++i) {
    const Row& row = *m_rows[base + i];
    Entry& entry = entries.emplace_back();
    entry.row = i;
    if (row.HasPlace(cols[0])) {
      if (const CUGCell* key = row.cells[static_cast<size_t>(cols[0] - row.firstCol)].get()) entry.first.CopyFrom(key);
    }
    for (size_t k = 1; k < width; ++k) {
      if (row.HasPlace(cols[k])) moreKeys[i * (width - 1) + k - 1] = row.cells[static_cast<size_t>(cols[k] - row.firstCol)].get();
    }
  }

  // A stable merge: a later row goes before an earlier one only when it
  // compares less on the first key that differs, so equal rows keep their
  // order.
  std::stable_sort(entries.begin(), entries.end(), [&](const Entry& later, const Entry& earlier) {
    int result = CompareCells(&later.first, &earlier.first, flags);
    for (size_t k = 1; result == 0 && k < width; ++k) {
      result = CompareCells(moreKeys[later.row * (width - 1) + k - 1],
                            moreKeys[earlier.row * (width - 1) + k - 1], flags);
    }
    return result < 0;
  });

  std::vector<std::unique_ptr<Row>> sorted(count);
  for (size_t i = 0; i < count; ++i) sorted[i] = std::move(m_rows[base + entries[i].row]);
  std::move(sorted.begin(), sorted.end(), m_rows.begin() + static_cast<std::ptrdiff_t>(base));
  return UG_SUCCESS;
}

int CUGMem::SortByColumn(int col, int flags) { return SortRows(&col, 1, flags); }
