// CNewShiftDlg: asks for the operator of a new shift (template 106). OK
// refuses an empty or over-long name with a message and stays open;
// otherwise the trimmed name is kept for the caller. Modal.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CNewShiftDlg : public CDialog {
 public:
  // strOperatorName: the name the box starts with.
  explicit CNewShiftDlg(const std::string& strOperatorName = std::string(), CWnd* pParent = nullptr);

  const std::string& GetOperatorName() const { return m_strOperatorName; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;

 private:
  std::string m_strOperatorName;
};
