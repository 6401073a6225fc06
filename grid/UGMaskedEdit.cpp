#include "grid/UGMaskedEdit.h"

#include <algorithm>

#include "grid/UGCtrl.h"

CUGMaskedEdit::CUGMaskedEdit() = default;

CUGMaskedEdit::~CUGMaskedEdit() = default;

void CUGMaskedEdit::SetMask(const std::string& mask) {
  m_rules.SetMask(mask);
  if (!m_rules.IsOn()) {
    SetLimitText(0);
    return;
  }
  SetLimitText(static_cast<UINT>(m_rules.Length()));
  int start = 0, end = 0;
  GetSel(start, end);
  m_reentry = true;
  SetWindowText(UGMaskRules::ToUtf8(m_rules.Reformat(UGMaskRules::ToU32(GetWindowText()))));
  m_reentry = false;
  SetSel(start, end);
}

void CUGMaskedEdit::OnSetFocus(CWnd* oldWnd) {
  if (m_ctrl != nullptr) SetMask(m_ctrl->GetEditCell().GetMask());
  CUGEditBase::OnSetFocus(oldWnd);
}

void CUGMaskedEdit::OnKillFocus(CWnd* newWnd) {
  SetLimitText(0);
  CUGEditBase::OnKillFocus(newWnd);
}

void CUGMaskedEdit::InsertChar(UINT character) {
  if (!m_rules.IsOn() || m_reentry) {
    CUGEditBase::InsertChar(character);
    return;
  }
  int start = 0, end = 0;
  GetSel(start, end);
  std::u32string text = UGMaskRules::ToU32(GetWindowText());
  // The typed character replaces the selection (all of the text when the
  // edit has just taken the focus); a refused character leaves it alone.
  size_t from = std::min(static_cast<size_t>(std::max(std::min(start, end), 0)), text.size());
  size_t to = std::min(static_cast<size_t>(std::max(std::max(start, end), 0)), text.size());
  text.erase(from, to - from);
  size_t caret = from;
  if (!m_rules.TypeChar(&text, &caret, static_cast<char32_t>(character))) return;
  m_reentry = true;
  SetWindowText(UGMaskRules::ToUtf8(text));
  SetSel(static_cast<int>(caret), static_cast<int>(caret));
  m_reentry = false;
}
