// One page of a property sheet: a child dialog made from its template when
// the sheet first shows it. The tab shows m_strCaption, or the template's
// caption when that is empty. OnSetActive runs as the page is shown;
// OnKillActive as it is left (the default validates with UpdateData(TRUE),
// and FALSE keeps the page); OnApply for Apply and OK (the default calls
// OnOK); SetModified enables the sheet's Apply button.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);
  ~CPropertyPage() override;

  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  void OnOK() override;
  void OnCancel() override;
  void SetModified(BOOL changed = TRUE);
  void CancelToClose();
  // The tab's text.
  std::string GetCaption() const;

  std::string m_strCaption;

  // ---- Platform only -------------------------------------------------------------
  BOOL CreatePage(CPropertySheet* sheet, const CRect& area);
  CPropertySheet* GetSheet() const { return m_pSheet; }

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  friend class CPropertySheet;
  CPropertySheet* m_pSheet = nullptr;
};
