#include "grid/UGMem.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "grid/UGCtrl.h"

namespace {

std::string ToUpper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

CUGMem::CUGMem() = default;

CUGMem::~CUGMem() { DeleteAll(); }

// ---- Cursor ----------------------------------------------------------------

int CUGMem::GotoRow(long row) {
  if (m_rowNode == nullptr) return UG_ERROR;
  if (row == m_currentRow) return UG_SUCCESS;
  while (m_currentRow < row) {
    if (m_rowNode->next == nullptr) {
      m_colNode = m_rowNode->firstCell;
      m_currentCol = 0;
      return UG_ERROR;
    }
    m_rowNode = m_rowNode->next;
    ++m_currentRow;
  }
  while (m_currentRow > row) {
    if (m_rowNode->prev == nullptr) {
      m_colNode = m_rowNode->firstCell;
      m_currentCol = 0;
      return UG_ERROR;
    }
    m_rowNode = m_rowNode->prev;
    --m_currentRow;
  }
  m_colNode = m_rowNode->firstCell;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::GotoCol(int col) {
  if (m_colNode == nullptr) return UG_ERROR;
  while (m_currentCol < col) {
    if (m_colNode->next == nullptr) return UG_ERROR;
    m_colNode = m_colNode->next;
    ++m_currentCol;
  }
  while (m_currentCol > col) {
    if (m_colNode->prev == nullptr) return UG_ERROR;
    m_colNode = m_colNode->prev;
    --m_currentCol;
  }
  return UG_SUCCESS;
}

void CUGMem::GotoRowCreating(long row) {
  if (m_rowNode == nullptr) {
    m_rowNode = new RowNode;
    m_currentRow = 0;
    m_colNode = nullptr;
    m_currentCol = 0;
  }
  if (GotoRow(row) == UG_SUCCESS) return;
  while (m_currentRow < row) {
    RowNode* node = new RowNode;
    node->prev = m_rowNode;
    m_rowNode->next = node;
    m_rowNode = node;
    ++m_currentRow;
  }
  while (m_currentRow > row) {
    RowNode* node = new RowNode;
    node->next = m_rowNode;
    m_rowNode->prev = node;
    m_rowNode = node;
    --m_currentRow;
  }
  m_colNode = m_rowNode->firstCell;
  m_currentCol = 0;
}

void CUGMem::GotoColCreating(int col) {
  if (m_rowNode->firstCell == nullptr) {
    m_rowNode->firstCell = new CellNode;
    m_colNode = m_rowNode->firstCell;
    m_currentCol = 0;
  }
  if (m_colNode == nullptr) {
    m_colNode = m_rowNode->firstCell;
    m_currentCol = 0;
  }
  if (GotoCol(col) == UG_SUCCESS) return;
  while (m_currentCol < col) {
    CellNode* node = new CellNode;
    node->prev = m_colNode;
    m_colNode->next = node;
    m_colNode = node;
    ++m_currentCol;
  }
  while (m_currentCol > col) {
    CellNode* node = new CellNode;
    node->next = m_colNode;
    m_colNode->prev = node;
    m_colNode = node;
    --m_currentCol;
  }
}

CUGMem::RowNode* CUGMem::FirstRowNode() {
  RowNode* node = m_rowNode;
  if (node == nullptr) return nullptr;
  while (node->prev != nullptr) node = node->prev;
  return node;
}

CUGMem::CellNode* CUGMem::CellAt(RowNode* row, int col) {
  CellNode* node = row->firstCell;
  for (int i = 0; node != nullptr && i < col; ++i) node = node->next;
  for (int i = 0; node != nullptr && i > col; --i) node = node->prev;
  return node;
}

void CUGMem::DeleteCellNode(CellNode* node) {
  if (node->cell != nullptr) {
    node->cell->ClearOwnedExtras();
    delete node->cell;
  }
  delete node;
}

void CUGMem::DeleteRowCells(RowNode* row) {
  if (row->firstCell == nullptr) return;
  CellNode* node = row->firstCell->prev;
  while (node != nullptr) {
    CellNode* prev = node->prev;
    DeleteCellNode(node);
    node = prev;
  }
  node = row->firstCell;
  while (node != nullptr) {
    CellNode* next = node->next;
    DeleteCellNode(node);
    node = next;
  }
  row->firstCell = nullptr;
}

// ---- Rows, columns and cells -------------------------------------------------

long CUGMem::GetRowCount() {
  if (m_rowNode == nullptr) return 0;
  GotoRow(LONG_MAX);
  return m_currentRow;
}

int CUGMem::AddRow(long row) {
  if (GotoRow(row) != UG_SUCCESS) return UG_ERROR;
  RowNode* node = new RowNode;
  node->next = m_rowNode;
  node->prev = m_rowNode->prev;
  if (m_rowNode->prev != nullptr) m_rowNode->prev->next = node;
  m_rowNode->prev = node;
  // The new node takes the index; the rows after it move down by one.
  m_rowNode = node;
  m_colNode = nullptr;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::InsertColumn(int col) {
  RowNode* row = FirstRowNode();
  if (row == nullptr) return UG_SUCCESS;
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
  for (; row != nullptr; row = row->next) {
    CellNode* at = CellAt(row, position);
    if (at == nullptr) continue;
    CellNode* node = new CellNode;
    node->next = at;
    node->prev = at->prev;
    if (at->prev != nullptr) at->prev->next = node;
    at->prev = node;
    // Inserted before column 0: the new node becomes column 0.
    if (row->firstCell == at) row->firstCell = node;
  }
  if (m_ctrl != nullptr) {
    for (UGColInfo& info : m_ctrl->m_GI->m_colInfo) {
      if (info.dataSourceCol >= position) ++info.dataSourceCol;
    }
  }
  m_colNode = m_rowNode ? m_rowNode->firstCell : nullptr;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::DeleteRow(long row) {
  if (GotoRow(row) != UG_SUCCESS) return UG_SUCCESS;
  RowNode* node = m_rowNode;
  DeleteRowCells(node);
  if (node->prev != nullptr) node->prev->next = node->next;
  if (node->next != nullptr) node->next->prev = node->prev;
  if (node->next != nullptr) {
    m_rowNode = node->next;  // the next row takes the index
  } else if (node->prev != nullptr) {
    m_rowNode = node->prev;
    --m_currentRow;
  } else {
    m_rowNode = nullptr;
    m_currentRow = 0;
  }
  delete node;
  m_colNode = m_rowNode ? m_rowNode->firstCell : nullptr;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::DeleteColumn(int col) {
  for (RowNode* row = FirstRowNode(); row != nullptr; row = row->next) {
    CellNode* node = CellAt(row, col);
    if (node == nullptr) continue;
    if (node->next == nullptr) {
      // The last node of the row keeps its place; only its cell goes.
      if (node->cell != nullptr) {
        node->cell->ClearOwnedExtras();
        delete node->cell;
        node->cell = nullptr;
      }
      continue;
    }
    if (row->firstCell == node) row->firstCell = node->next;
    if (node->prev != nullptr) node->prev->next = node->next;
    node->next->prev = node->prev;
    DeleteCellNode(node);
  }
  if (m_ctrl != nullptr) {
    for (UGColInfo& info : m_ctrl->m_GI->m_colInfo) {
      if (info.dataSourceCol > col) --info.dataSourceCol;
    }
  }
  m_colNode = m_rowNode ? m_rowNode->firstCell : nullptr;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::DeleteCell(int col, long row) {
  if (GotoRow(row) != UG_SUCCESS || GotoCol(col) != UG_SUCCESS) return UG_ERROR;
  if (m_colNode->cell == nullptr) return UG_ERROR;
  m_colNode->cell->ClearOwnedExtras();
  delete m_colNode->cell;
  m_colNode->cell = nullptr;
  return UG_SUCCESS;
}

int CUGMem::DeleteAll() {
  RowNode* row = FirstRowNode();
  while (row != nullptr) {
    RowNode* next = row->next;
    DeleteRowCells(row);
    delete row;
    row = next;
  }
  m_rowNode = nullptr;
  m_colNode = nullptr;
  m_currentRow = 0;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::GetCell(int col, long row, CUGCell* cell) {
  if (GotoRow(row) != UG_SUCCESS) return UG_ERROR;
  if (GotoCol(col) != UG_SUCCESS) return UG_ERROR;
  if (m_colNode->cell == nullptr) return UG_ERROR;
  CUGCell::CopyOver(m_colNode->cell, cell);
  return UG_SUCCESS;
}

int CUGMem::SetCell(int col, long row, CUGCell* cell) {
  if (cell == nullptr) return UG_ERROR;
  GotoRowCreating(row);
  GotoColCreating(col);
  if (m_colNode->cell == nullptr) m_colNode->cell = new CUGCell;
  m_colNode->cell->CopyFrom(cell);
  return UG_SUCCESS;
}

// ---- Find -------------------------------------------------------------------------

void CUGMem::LimitsForFind(long* rowCount, int* colCount) {
  if (m_ctrl != nullptr) {
    *rowCount = m_ctrl->GetRowCount();
    *colCount = m_ctrl->GetColCount();
    return;
  }
  *rowCount = m_rowNode == nullptr ? 0 : GetRowCount() + 1;
  int widest = 0;
  for (RowNode* row = FirstRowNode(); row != nullptr; row = row->next) {
    int count = 0;
    for (CellNode* node = row->firstCell; node != nullptr; node = node->next) ++count;
    widest = std::max(widest, count);
  }
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
    if (GotoRow(r) != UG_SUCCESS || GotoCol(c) != UG_SUCCESS) continue;
    const CUGCell* cell = m_colNode->cell;
    if (cell == nullptr) continue;
    const std::string& cellText = cell->GetText();
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
  if (col == nullptr || GotoRow(row) != UG_SUCCESS) return UG_ERROR;
  if (GotoCol(*col) != UG_SUCCESS) return UG_ERROR;
  for (CellNode* node = m_colNode->prev; node != nullptr; node = node->prev) {
    --m_currentCol;
    m_colNode = node;
    if (m_currentCol < 0) break;
    if (node->cell != nullptr && node->cell->GetTextLength() > 0) {
      *col = m_currentCol;
      return UG_SUCCESS;
    }
  }
  return UG_ERROR;
}

// ---- Sort ----------------------------------------------------------------------------

int CUGMem::CompareRows(const std::vector<CUGCell*>& a, const std::vector<CUGCell*>& b,
                        int flags) {
  static CUGCell emptyCell;
  for (size_t k = 0; k < a.size(); ++k) {
    CUGCell* left = a[k] ? a[k] : &emptyCell;
    CUGCell* right = b[k] ? b[k] : &emptyCell;
    int result = m_ctrl != nullptr ? m_ctrl->CompareCells(left, right, flags)
                                   : CUGCtrl::DefaultCompareCells(left, right, flags);
    if (result != 0) return result;
  }
  return 0;
}

int CUGMem::SortRows(const int* cols, int colCount, int flags) {
  if (m_rowNode == nullptr || cols == nullptr || colCount <= 0) return UG_ERROR;
  if (GotoRow(0) != UG_SUCCESS) return UG_ERROR;
  RowNode* before = m_rowNode->prev;  // the heading rows stay where they are

  struct Entry {
    RowNode* node;
    std::vector<CUGCell*> keys;
  };
  std::vector<Entry> rows;
  for (RowNode* node = m_rowNode; node != nullptr; node = node->next) {
    Entry entry{node, std::vector<CUGCell*>(static_cast<size_t>(colCount), nullptr)};
    for (int k = 0; k < colCount; ++k) {
      CellNode* cellNode = CellAt(node, cols[k]);
      entry.keys[static_cast<size_t>(k)] = cellNode ? cellNode->cell : nullptr;
    }
    rows.push_back(std::move(entry));
  }
  // A stable merge: a later row goes before an earlier one only when it
  // compares less, so equal rows keep their order.
  std::stable_sort(rows.begin(), rows.end(), [&](const Entry& later, const Entry& earlier) {
    return CompareRows(later.keys, earlier.keys, flags) < 0;
  });
  RowNode* prev = before;
  for (Entry& entry : rows) {
    entry.node->prev = prev;
    if (prev != nullptr) prev->next = entry.node;
    prev = entry.node;
  }
  prev->next = nullptr;
  m_rowNode = rows.front().node;
  m_currentRow = 0;
  m_colNode = m_rowNode->firstCell;
  m_currentCol = 0;
  return UG_SUCCESS;
}

int CUGMem::SortByColumn(int col, int flags) { return SortRows(&col, 1, flags); }
