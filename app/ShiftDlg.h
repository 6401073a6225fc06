// CShiftDlg: the shift window (template 105), modal. It shows the active
// shift of the Shift table (operator, start, totals, times) and starts a
// new one: after a Shift, Production or Plant-Admin user passed the rights
// check, CNewShiftDlg asks for the operator (the logged-in user's name is
// offered), and the new shift becomes the only active one in one
// transaction; its operator is on the Event rows from then on.
// Threads: user-interface thread.
#pragma once

#include "app/BaseTableDlg.h"

class CShiftRS;

class CShiftDlg : public CBaseTableDlg {
 public:
  // The Shift record set is bound (SetRecordset) before DoModal; without
  // one the window shows no shift and starts none.
  CShiftDlg();

  BOOL OnInitDialog() override;
  // The active shift into the window.
  void ShowActiveShift();
  // The rights check, the operator's name, the new shift; true when started.
  bool StartNewShift();
  CShiftRS* GetShiftRS() const;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
