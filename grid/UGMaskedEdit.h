// CUGMaskedEdit: the grid's in-cell edit with an input mask (control id
// 124, single line with automatic horizontal scrolling). On getting the
// focus it takes the edited cell's mask; typed characters follow the mask
// (UGMaskRules). User-interface thread only.
#pragma once

#include <string>

#include "grid/UGEditBase.h"
#include "grid/UGMask.h"

class CUGMaskedEdit : public CUGEditBase {
 public:
  CUGMaskedEdit();
  ~CUGMaskedEdit() override;

  // An empty mask switches masking off; the present text is put through it.
  void SetMask(const std::string& mask);
  const UGMaskRules& GetRules() const { return m_rules; }

 protected:
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;
  void InsertChar(UINT character) override;

 private:
  UGMaskRules m_rules;
  bool m_reentry = false;  // set while the edit itself rewrites its text
};
