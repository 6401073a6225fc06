// C_DosePumpAction: the action dialog of the dosing (high-pressure) pump
// (template 3015): "Is &On" toggles the run command but is lit by the
// running feedback (it follows at the next tick); "&Increase" and
// "&Decrease" are lit by and toggle the speed commands.
// User-interface thread only.
#pragma once

#include "shapes/actions/BaseActionDlg.h"

class C_DosePump;

class C_DosePumpAction : public C_BaseActionDlg {
 public:
  explicit C_DosePumpAction(C_DosePump* pump);

  static const ActionDlgDef& Def();
  C_DosePump* GetPump() const { return m_pPump; }

 private:
  C_DosePump* m_pPump;  // weak
};
