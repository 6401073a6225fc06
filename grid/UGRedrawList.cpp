#include "grid/UGRedrawList.h"

#include <algorithm>

#include "grid/UGDefs.h"

int CUGRedrawList::AddRange(int left, long top, int right, long bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // A range inside the last one adds nothing new (painting adds cell by cell).
  if (!m_ranges.empty()) {
    const Range& last = m_ranges.back();
    if (left >= last.left && right <= last.right && top >= last.top && bottom <= last.bottom) {
      return UG_SUCCESS;
    }
  }
  if (m_ranges.empty()) {
    m_bounds = {left, top, right, bottom};
  } else {
    m_bounds.left = std::min(m_bounds.left, left);
    m_bounds.top = std::min(m_bounds.top, top);
    m_bounds.right = std::max(m_bounds.right, right);
    m_bounds.bottom = std::max(m_bounds.bottom, bottom);
  }
  m_ranges.push_back({left, top, right, bottom});
  return UG_SUCCESS;
}

int CUGRedrawList::AddCellToList(int col, long row) {
  m_cells.push_back({col, row});
  return UG_SUCCESS;
}

bool CUGRedrawList::IsCellInRange(int col, long row) const {
  if (m_ranges.empty()) return false;
  if (col < m_bounds.left || col > m_bounds.right || row < m_bounds.top || row > m_bounds.bottom) {
    return false;
  }
  for (const Range& r : m_ranges) {
    if (col >= r.left && col <= r.right && row >= r.top && row <= r.bottom) return true;
  }
  return false;
}

bool CUGRedrawList::IsCellInList(int col, long row) const {
  for (const Cell& c : m_cells) {
    if (c.col == col && c.row == row) return true;
  }
  return false;
}

void CUGRedrawList::ClearAll() {
  m_ranges.clear();
  m_cells.clear();
  m_bounds = {0, 0, -1, -1};
}
