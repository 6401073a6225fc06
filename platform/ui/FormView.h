// A view made from a dialog template: its controls are the template's, the
// view scrolls when its frame is smaller than the template, and data
// exchange works as in a dialog (UpdateData / DoDataExchange; the first
// OnInitialUpdate loads the controls).
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/DataExchange.h"
#include "platform/ui/ScrollView.h"

class CFont;

class CFormView : public CScrollView {
 public:
  explicit CFormView(UINT templateId);
  ~CFormView() override;

  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  void OnInitialUpdate() override;
  UINT GetTemplateId() const { return m_nIDTemplate; }
  CFont* GetDialogFont() const { return m_pFont.get(); }

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  int OnCreate() override;
  void OnDraw(CDC* dc) override;

 private:
  UINT m_nIDTemplate;
  std::unique_ptr<CFont> m_pFont;
  std::vector<std::unique_ptr<CWnd>> m_templateControls;
};
