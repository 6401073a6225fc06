// The program's about box: product name, version and a line on what the
// program is, with an OK button. Shown modally. User-interface thread only.
#pragma once

#include "platform/ui/Dialog.h"

class CBaseAboutDlg : public CDialog {
 public:
  explicit CBaseAboutDlg(CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
};
