#include "grid/UGEditBase.h"

#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"
#include "grid/UGMask.h"
#include "platform/Seams.h"

namespace {
// Posted to itself: take the focus back after a refused text.
constexpr UINT kRefocusMessage = WM_USER + 301;

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Keys whose own handling the edit keeps (caret moves, deleting, shortcuts).
bool IsEditingKey(UINT key) {
  switch (key) {
    case VK_BACK:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_INSERT:
    case VK_SHIFT:
    case VK_CONTROL:
      return true;
    default:
      return false;
  }
}
}  // namespace

CUGEditBase::CUGEditBase() = default;

CUGEditBase::~CUGEditBase() = default;

void CUGEditBase::Finish(int nextCol, long nextRow, bool continueEditing, bool cancel) {
  m_continueCol = nextCol;
  m_continueRow = nextRow;
  m_continueFlag = continueEditing ? TRUE : FALSE;
  m_cancel = cancel ? TRUE : FALSE;
  if (m_ctrl != nullptr && m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) {
    m_ctrl->m_CUGGrid->SetFocus();
  }
}

void CUGEditBase::OnKeyDown(UINT key, UINT repeatCount, UINT flags) {
  m_lastKey = key;
  if (m_ctrl == nullptr) {
    CEdit::OnKeyDown(key, repeatCount, flags);
    return;
  }
  const int col = m_ctrl->GetEditCol();
  const long row = m_ctrl->GetEditRow();
  int start = 0, end = 0;
  GetSel(start, end);
  const int length = static_cast<int>(UGMaskRules::ToU32(GetWindowText()).size());
  switch (key) {
    case VK_TAB:
      Finish(KeyHeld(VK_SHIFT) ? col - 1 : col + 1, row, true, false);
      return;
    case VK_RETURN:
      if (KeyHeld(VK_CONTROL) && (m_ctrl->GetEditCell().GetCellTypeEx() & UGCT_NORMALMULTILINE)) {
        ReplaceSel("\n");
        OnTextTyped();
        return;
      }
      Finish(col, row + 1, true, false);
      return;
    case VK_DOWN:
      Finish(col, row + 1, true, false);
      return;
    case VK_UP:
      Finish(col, row - 1, true, false);
      return;
    case VK_LEFT:
      if (start == 0 && end == 0) {
        Finish(col - 1, row, true, false);
        return;
      }
      break;
    case VK_RIGHT:
      if ((start == end && end == length) || (start == 0 && end == length)) {
        Finish(col + 1, row, true, false);
        return;
      }
      break;
    case VK_ESCAPE:
      Finish(col, row, false, true);
      return;
    default:
      break;
  }
  // Printable keys come back as characters, which the edit types itself.
  if (IsEditingKey(key) || KeyHeld(VK_CONTROL) || (key >= VK_F1 && key <= VK_F12)) {
    CEdit::OnKeyDown(key, repeatCount, flags);
  }
}

void CUGEditBase::OnChar(UINT character, UINT repeatCount, UINT flags) {
  if (character == '\t' || character == '\r' || character == 0x1B) return;
  if (character == '\b' || character < 0x20) {
    CEdit::OnChar(character, repeatCount, flags);
    return;
  }
  if (m_ctrl != nullptr) {
    UINT key = character;
    if (!m_ctrl->OnEditVerify(m_ctrl->GetEditCol(), m_ctrl->GetEditRow(), this, &key)) return;
    character = key;
  }
  InsertChar(character);
}

void CUGEditBase::InsertChar(UINT character) {
  ReplaceSel(UGMaskRules::ToUtf8(std::u32string(1, static_cast<char32_t>(character))));
  OnTextTyped();
}

void CUGEditBase::OnSetFocus(CWnd* oldWnd) {
  CEdit::OnSetFocus(oldWnd);
  m_cancel = FALSE;
  m_continueFlag = FALSE;
  SetSel(0, -1);
  if (m_ctrl != nullptr && m_ctrl->GetEditCell().GetReadOnly()) SetReadOnly(TRUE);
}

void CUGEditBase::OnKillFocus(CWnd* newWnd) {
  CEdit::OnKillFocus(newWnd);
  SetReadOnly(FALSE);
  if (m_ctrl == nullptr || !m_ctrl->IsEditing()) return;
  std::string text = GetWindowText();
  int result = m_ctrl->EndEdit(text, m_cancel, m_continueFlag, m_continueCol, m_continueRow);
  if (result != 0) return;
  // Refused: back to the edited cell, unless the focus went to another
  // top-level window (another program window or dialog keeps it).
  CWnd* focus = CWnd::GetFocus();
  if (focus == nullptr || focus->GetTopLevelParent() != GetTopLevelParent()) return;
  PostMessage(kRefocusMessage);
}

LRESULT CUGEditBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRefocusMessage) {
    if (m_ctrl != nullptr && m_ctrl->IsEditing()) {
      m_ctrl->GotoCell(m_ctrl->GetEditCol(), m_ctrl->GetEditRow());
      SetFocus();
    }
    return 0;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}
