#include "grid/UGMem.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "grid/UGCtrl.h"
#include "grid/UGMergeSort.h"
#include "platform/LargeMemory.h"

namespace {

std::string ToUpper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Starts fetching a whole cell. Always inline: a function that only
// prefetches counts as doing nothing to the compiler, which drops its calls.
[[gnu::always_inline]] inline void PrefetchCell(const CUGCell* cell) {
  const char* start = reinterpret_cast<const char*>(cell);
  for (size_t at = 0; at < sizeof(CUGCell); at += 64) __builtin_prefetch(start + at);
  __builtin_prefetch(start + sizeof(CUGCell) - 1);
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

  // Copies of the first keys lie together in row order, so the early
  // merges, of rows near each other, find them in the cache, and only row
  // indexes move (UGMergeSort.h); the later merges read them from all over,
  // so they lie in large pages where the system has them (LargeMemory.h).
  // Each copy starts a cache line: the part a comparison reads (flags,
  // type, text) is one line to fetch. A copy is empty where the row has no
  // cell; further keys, asked for only on ties, stay where they are.
  struct alignas(64) Key {
    CUGCell cell;
  };
  std::vector<Key, LargeAllocator<Key>> keys(count);
  std::vector<CUGCell*> moreKeys(count * (width - 1), nullptr);

  // Rows, places and cells lie spread over the store in any order once rows
  // have been sorted or inserted, each reached through the one before.
  // They are read in the order they lie in memory (by blocks of 64 KB), so
  // the processor's address translations stay useful, and each is asked
  // for some rows before it is needed, so the memory fetches many at once.
  std::vector<size_t> visit(count);
  {
    auto address = [&](size_t i) { return reinterpret_cast<uintptr_t>(m_rows[base + i].get()); };
    uintptr_t low = UINTPTR_MAX, high = 0;
    for (size_t i = 0; i < count; ++i) {
      low = std::min(low, address(i));
      high = std::max(high, address(i));
    }
    const size_t blocks = std::min<size_t>(count, (high - low) / 65536 + 1);
    const uintptr_t blockSize = (high - low) / blocks + 1;
    std::vector<size_t> next(blocks + 1, 0);
    for (size_t i = 0; i < count; ++i) ++next[(address(i) - low) / blockSize + 1];
    for (size_t b = 1; b <= blocks; ++b) next[b] += next[b - 1];
    for (size_t i = 0; i < count; ++i) visit[next[(address(i) - low) / blockSize]++] = i;
  }
  constexpr size_t kAhead = 4;
  auto rowAt = [&](size_t v) -> const Row& { return *m_rows[base + visit[v]]; };
  auto placeAt = [](const Row& row, int col) -> const CellPtr* {
    return row.HasPlace(col) ? &row.cells[static_cast<size_t>(col - row.firstCol)] : nullptr;
  };
  for (size_t v = 0; v < count; ++v) {
    if (v + 3 * kAhead < count) __builtin_prefetch(m_rows[base + visit[v + 3 * kAhead]].get());
    if (v + 2 * kAhead < count) {
      if (const CellPtr* place = placeAt(rowAt(v + 2 * kAhead), cols[0])) __builtin_prefetch(place);
    }
    if (v + kAhead < count) {
      const CellPtr* place = placeAt(rowAt(v + kAhead), cols[0]);
      if (place != nullptr && *place) PrefetchCell(place->get());
    }
    const size_t i = visit[v];
    const Row& row = rowAt(v);
    const CellPtr* place = placeAt(row, cols[0]);
    if (place != nullptr && *place) keys[i].cell.CopyFrom(place->get());
    for (size_t k = 1; k < width; ++k) {
      if (const CellPtr* more = placeAt(row, cols[k])) moreKeys[i * (width - 1) + k - 1] = more->get();
    }
  }
  visit = {};

  std::vector<size_t> order(count);
  for (size_t i = 0; i < count; ++i) order[i] = i;
  ug_sort::StableSort(
      order,
      [&](size_t later, size_t earlier) {
        // A later row goes before an earlier one only when it compares less
        // on the first key that differs.
        int result = CompareCells(&keys[later].cell, &keys[earlier].cell, flags);
        for (size_t k = 1; result == 0 && k < width; ++k) {
          result = CompareCells(moreKeys[later * (width - 1) + k - 1], moreKeys[earlier * (width - 1) + k - 1], flags);
        }
        return result < 0;
      },
      [&](size_t row) -> const void* { return &keys[row]; });

  std::vector<std::unique_ptr<Row>> sorted(count);
  for (size_t i = 0; i < count; ++i) sorted[i] = std::move(m_rows[base + order[i]]);
  std::move(sorted.begin(), sorted.end(), m_rows.begin() + static_cast<std::ptrdiff_t>(base));
  return UG_SUCCESS;
}

int CUGMem::SortByColumn(int col, int flags) { return SortRows(&col, 1, flags); }
