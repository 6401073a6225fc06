// An edit control: single-line (ES_AUTOHSCROLL, ES_PASSWORD, ES_NUMBER
// digits only, ES_READONLY, alignment) or multi-line (ES_MULTILINE).
// ES_NUMBER refuses a typed or pasted change that adds a non-digit to the
// text, also when added with ModifyStyle after creation; text set from
// code (SetWindowText, ReplaceSel) is not checked, and the user may erase
// its non-digits. Only
// the user's typing sends EN_UPDATE and EN_CHANGE; SetWindowText from code
// sends nothing, so a periodic refresh does not look like an edit. Focus
// changes send EN_SETFOCUS and EN_KILLFOCUS. Colours come from the
// parent's WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only).
// Positions are characters (UTF-16 units of the text).
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

class CEdit : public CWnd {
 public:
  CEdit();
  ~CEdit() override;

  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;

  void SetLimitText(UINT maxChars);  // 0: the largest limit
  void LimitText(UINT maxChars = 0) { SetLimitText(maxChars); }
  UINT GetLimitText() const { return m_nLimit; }
  // Selects from start to end (end -1: to the end; start -1: nothing).
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  DWORD GetSel() const;
  void ReplaceSel(const std::string& text, BOOL canUndo = FALSE);
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  void SetPasswordChar(char ch);
  BOOL GetModify() const { return m_bModified; }
  void SetModify(BOOL modified = TRUE) { m_bModified = modified != FALSE; }
  int GetLineCount() const;
  void Clear();
  void Copy();
  void Cut();
  void Paste();
  BOOL Undo();
  BOOL CanUndo() const;

  // Types the text as the user would (replacing the selection): sends
  // EN_UPDATE and EN_CHANGE. For tests and on-screen keyboards.
  void TypeText(const std::string& text);

  // ---- Platform only --------------------------------------------------------------
  void ApplyCtlColors();  // asks the parent for the colours before a paint
  void UserEdited();      // the toolkit reported the user's change

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  void OnWidgetCreated() override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;

 private:
  bool IsMultiLine() const { return (m_dwStyle & ES_MULTILINE) != 0; }
  UINT m_nLimit = 0;
  bool m_bModified = false;
};
