// C_CntrFglPmpAction: the action dialog of the centrifugal pump (template
// 3010): three plain buttons whose texts tell what a click does, "Turn
// On/Off Inc" (the increase command), "Turn On/Off Dec" (the decrease
// command) and "Turn On/Off" (the run command); a click toggles the
// command and the text follows at the next tick. The pump's interlocks
// keep increase and decrease exclusive. C_DBFValveAction shares every
// handler (the diverter's flap drive has the same ids).
// User-interface thread only.
#pragma once

#include "shapes/actions/BaseActionDlg.h"

class C_CntrFglPmp;

class C_CntrFglPmpAction : public C_BaseActionDlg {
 public:
  explicit C_CntrFglPmpAction(C_CntrFglPmp* pump);

  static const ActionDlgDef& Def();
  C_CntrFglPmp* GetPump() const { return m_pPump; }

 protected:
  C_CntrFglPmpAction(UINT templateId, C_BaseShape* shape, const ActionDlgDef& def)
      : C_BaseActionDlg(templateId, shape, def) {}

 private:
  C_CntrFglPmp* m_pPump = nullptr;  // weak; null in the diverter's dialog
};

// The buttons of a drive dialog for the ids of its increase, decrease and
// run commands.
ActionDlgDef MakeDriveActionDef(int increase, int decrease, int run);
