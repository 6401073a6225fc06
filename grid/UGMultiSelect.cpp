#include "grid/UGMultiSelect.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "platform/Seams.h"

CUGMultiSelect::CUGMultiSelect(CUGCtrl* ctrl, CUGGridInfo* sheet) : m_ctrl(ctrl), m_GI(sheet) {}

CUGMultiSelect::~CUGMultiSelect() { m_blocks.clear(); }

void CUGMultiSelect::ClearAll() {
  m_blocks.clear();
  m_selecting = false;
  m_newBlock = false;
  m_lastCol = -1;
  m_lastRow = -1;
  m_enumerating = false;
}

void CUGMultiSelect::NormaliseBounds(Block& block) const {
  block.left = std::min(block.anchorCol, block.dragCol);
  block.right = std::max(block.anchorCol, block.dragCol);
  block.top = std::min(block.anchorRow, block.dragRow);
  block.bottom = std::max(block.anchorRow, block.dragRow);
  if (m_mode & UG_MULTISELECT_ROW) {
    // Whole rows: from the first to the last column.
    block.left = 0;
    block.right = std::max(m_GI->m_numberCols - 1, 0);
  }
}

void CUGMultiSelect::RedrawBlock(int left, long top, int right, long bottom) const {
  if (left > right || top > bottom) return;
  if (CUGRedrawList* list = m_ctrl->GetGridRedrawList()) list->AddRange(left, top, right, bottom);
}

void CUGMultiSelect::RedrawSelection() const {
  for (const Block& block : m_blocks) RedrawBlock(block.left, block.top, block.right, block.bottom);
}

void CUGMultiSelect::TellSelectionChanged(const Block& block) const {
  m_ctrl->OnSelectionChanged(block.right, block.top, block.left, block.bottom,
                             static_cast<int>(m_blocks.size()));
}

int CUGMultiSelect::StartBlock(int col, long row) {
  m_startCol = col;
  m_startRow = row;
  m_selecting = true;
  Block block{col, row, col, row, col, row, col, row, 1};
  NormaliseBounds(block);
  m_blocks.push_back(block);
  m_newBlock = true;
  RedrawBlock(block.left, block.top, block.right, block.bottom);
  TellSelectionChanged(m_blocks.back());
  return UG_SUCCESS;
}

int CUGMultiSelect::ExtendBlock(int col, long row) {
  if (!m_selecting || m_blocks.empty()) return UG_ERROR;
  Block& block = m_blocks.back();
  const Block old = block;
  block.dragCol = col;
  block.dragRow = row;
  NormaliseBounds(block);
  block.state = 1;
  m_newBlock = false;
  TellSelectionChanged(block);
  // Repaint the strips of rows and columns that entered or left the block.
  int unionLeft = std::min(old.left, block.left);
  int unionRight = std::max(old.right, block.right);
  long unionTop = std::min(old.top, block.top);
  long unionBottom = std::max(old.bottom, block.bottom);
  if (old.top != block.top) {
    RedrawBlock(unionLeft, std::min(old.top, block.top), unionRight, std::max(old.top, block.top) - 1);
  }
  if (old.bottom != block.bottom) {
    RedrawBlock(unionLeft, std::min(old.bottom, block.bottom) + 1, unionRight,
                std::max(old.bottom, block.bottom));
  }
  if (old.left != block.left) {
    RedrawBlock(std::min(old.left, block.left), unionTop, std::max(old.left, block.left) - 1, unionBottom);
  }
  if (old.right != block.right) {
    RedrawBlock(std::min(old.right, block.right) + 1, unionTop, std::max(old.right, block.right),
                unionBottom);
  }
  return UG_SUCCESS;
}

int CUGMultiSelect::OnClick(int col, long row, UINT keyFlags) {
  m_lastCol = col;
  m_lastRow = row;
  if (keyFlags & MK_CONTROL) return StartBlock(col, row);
  if (keyFlags & MK_SHIFT) return ExtendBlock(col, row);
  RedrawSelection();
  ClearAll();
  m_lastCol = col;
  m_lastRow = row;
  return StartBlock(col, row);
}

int CUGMultiSelect::OnRightClick(int col, long row, UINT /*keyFlags*/) {
  if (IsSelected(col, row)) return UG_SUCCESS;
  return OnClick(col, row, 0);
}

int CUGMultiSelect::OnKeyMove(int col, long row) {
  if (col == m_lastCol && row == m_lastRow) return UG_SUCCESS;
  m_lastCol = col;
  m_lastRow = row;
  if (GetKeyState(VK_SHIFT) & 0x8000) return ExtendBlock(col, row);
  if (GetKeyState(VK_CONTROL) & 0x8000) return StartBlock(col, row);
  RedrawSelection();
  ClearAll();
  m_lastCol = col;
  m_lastRow = row;
  return StartBlock(col, row);
}

int CUGMultiSelect::OnDragMove(int col, long row, UINT /*keyFlags*/) {
  if (col == m_lastCol && row == m_lastRow) return UG_SUCCESS;
  m_lastCol = col;
  m_lastRow = row;
  return ExtendBlock(col, row);
}

int CUGMultiSelect::ToggleCell(int col, long row) {
  for (auto it = m_blocks.rbegin(); it != m_blocks.rend(); ++it) {
    if (it->left == col && it->right == col && it->top == row && it->bottom == row &&
        !(m_mode & UG_MULTISELECT_ROW)) {
      it->state = it->state ? 0 : 1;
      RedrawBlock(col, row, col, row);
      return UG_SUCCESS;
    }
  }
  int present = IsSelected(col, row);
  StartBlock(col, row);
  m_blocks.back().state = present ? 0 : 1;
  return UG_SUCCESS;
}

int CUGMultiSelect::GetOrigin(int* col, long* row) const {
  if (m_blocks.empty()) return UG_ERROR;
  if (col) *col = m_startCol;
  if (row) *row = m_startRow;
  return UG_SUCCESS;
}

int CUGMultiSelect::GetCurrentBlock(int* left, long* top, int* right, long* bottom) const {
  if (m_blocks.empty()) return UG_ERROR;
  const Block& block = m_blocks.back();
  if (left) *left = block.left;
  if (top) *top = block.top;
  if (right) *right = block.right;
  if (bottom) *bottom = block.bottom;
  return UG_SUCCESS;
}

int CUGMultiSelect::GetTotalRange(int* left, long* top, int* right, long* bottom) const {
  if (m_blocks.empty()) return UG_ERROR;
  int l = m_blocks.front().left, r = m_blocks.front().right;
  long t = m_blocks.front().top, b = m_blocks.front().bottom;
  for (const Block& block : m_blocks) {
    l = std::min(l, block.left);
    r = std::max(r, block.right);
    t = std::min(t, block.top);
    b = std::max(b, block.bottom);
  }
  if (left) *left = l;
  if (top) *top = t;
  if (right) *right = r;
  if (bottom) *bottom = b;
  return UG_SUCCESS;
}

int CUGMultiSelect::DecidingState(bool (*covers)(const Block&, int, long), int col, long row,
                                  int* index) const {
  if (index) *index = -1;
  if (m_blocks.empty()) return 0;
  if (m_mode & UG_MULTISELECT_NODUPS) {
    for (size_t i = 0; i < m_blocks.size(); ++i) {
      if (covers(m_blocks[i], col, row)) {
        if (index) *index = static_cast<int>(i);
        return m_blocks[i].state;
      }
    }
    return 0;
  }
  for (size_t i = m_blocks.size(); i-- > 0;) {
    if (covers(m_blocks[i], col, row)) {
      if (index) *index = static_cast<int>(i);
      return m_blocks[i].state;
    }
  }
  return 0;
}

int CUGMultiSelect::IsSelected(int col, long row, int* block) const {
  return DecidingState(
      [](const Block& b, int c, long r) { return c >= b.left && c <= b.right && r >= b.top && r <= b.bottom; },
      col, row, block);
}

int CUGMultiSelect::IsColSelected(int col) const {
  // In row mode every block spans every column: column 1 stands for all
  // (column 0 in a grid of one column, whose blocks end there).
  if (m_mode & UG_MULTISELECT_ROW) col = std::min(1, std::max(m_GI->m_numberCols - 1, 0));
  return DecidingState([](const Block& b, int c, long) { return c >= b.left && c <= b.right; }, col, 0,
                       nullptr);
}

int CUGMultiSelect::IsRowSelected(long row) const {
  return DecidingState([](const Block& b, int, long r) { return r >= b.top && r <= b.bottom; }, 0, row,
                       nullptr);
}

int CUGMultiSelect::SetMode(int mode) {
  ClearAll();
  m_mode = mode;
  return UG_SUCCESS;
}

int CUGMultiSelect::EnumFirstSelected(int* col, long* row) {
  m_enumerating = true;
  if (m_blocks.empty()) {
    m_enumCurrentOnly = true;
    if (col) *col = m_ctrl->GetCurrentCol();
    if (row) *row = m_ctrl->GetCurrentRow();
    return UG_SUCCESS;
  }
  m_enumCurrentOnly = false;
  GetTotalRange(&m_enumLeft, &m_enumTop, &m_enumRight, &m_enumBottom);
  int currentCol = m_ctrl->GetCurrentCol();
  long currentRow = m_ctrl->GetCurrentRow();
  if (currentCol >= 0 && currentRow >= 0) {
    m_enumLeft = std::min(m_enumLeft, currentCol);
    m_enumRight = std::max(m_enumRight, currentCol);
    m_enumTop = std::min(m_enumTop, currentRow);
    m_enumBottom = std::max(m_enumBottom, currentRow);
  }
  m_enumCol = m_enumLeft;
  m_enumRow = m_enumTop;
  return EnumNextSelected(col, row);
}

int CUGMultiSelect::EnumNextSelected(int* col, long* row) {
  if (!m_enumerating || m_enumCurrentOnly) {
    m_enumerating = false;
    return UG_ERROR;
  }
  if (m_mode == UG_MULTISELECT_ROW) {
    // One cell per selected row.
    for (; m_enumRow <= m_enumBottom; ++m_enumRow) {
      if (IsSelected(m_enumLeft, m_enumRow)) {
        if (col) *col = m_enumLeft;
        if (row) *row = m_enumRow;
        ++m_enumRow;
        return UG_SUCCESS;
      }
    }
    m_enumerating = false;
    return UG_ERROR;
  }
  while (m_enumRow <= m_enumBottom) {
    for (; m_enumCol <= m_enumRight; ++m_enumCol) {
      if (IsSelected(m_enumCol, m_enumRow)) {
        if (col) *col = m_enumCol;
        if (row) *row = m_enumRow;
        ++m_enumCol;
        return UG_SUCCESS;
      }
    }
    m_enumCol = m_enumLeft;
    ++m_enumRow;
  }
  m_enumerating = false;
  return UG_ERROR;
}

int CUGMultiSelect::EnumFirstBlock(int* left, long* top, int* right, long* bottom) {
  m_enumBlock = 0;
  return EnumNextBlock(left, top, right, bottom);
}

int CUGMultiSelect::EnumNextBlock(int* left, long* top, int* right, long* bottom) {
  if (m_enumBlock >= m_blocks.size()) return UG_ERROR;
  const Block& block = m_blocks[m_enumBlock++];
  if (left) *left = block.left;
  if (top) *top = block.top;
  if (right) *right = block.right;
  if (bottom) *bottom = block.bottom;
  return UG_SUCCESS;
}
