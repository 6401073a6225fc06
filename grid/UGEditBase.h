// CUGEditBase: the key handling of the grid's in-cell edits and the hand-
// back of their text: Tab, Enter, the arrows at the text's ends and Esc
// end the edit (moving on, or cancelling), every typed character is first
// put to the grid's OnEditVerify, and losing the focus gives the text to
// the grid's EndEdit (a refused text takes the focus back).
// User-interface thread only.
#pragma once

#include <string>

#include "platform/ui/Edit.h"

class CUGCtrl;

class CUGEditBase : public CEdit {
 public:
  CUGEditBase();
  ~CUGEditBase() override;

  void SetOwner(CUGCtrl* ctrl) { m_ctrl = ctrl; }
  CUGCtrl* GetOwner() const { return m_ctrl; }
  UINT GetLastKey() const { return m_lastKey; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
  void OnChar(UINT character, UINT repeatCount, UINT flags) override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;
  // Types one verified character (the masked edit applies its mask).
  virtual void InsertChar(UINT character);
  // After a character went in (the plain edit grows to its text).
  virtual void OnTextTyped() {}
  // Ends the edit: the target cell and the flags, then the focus to the grid.
  void Finish(int nextCol, long nextRow, bool continueEditing, bool cancel);

  CUGCtrl* m_ctrl = nullptr;
  int m_continueCol = 0;
  long m_continueRow = 0;
  BOOL m_cancel = FALSE;
  BOOL m_continueFlag = FALSE;
  UINT m_lastKey = 0;
};
