// C_ValveAction: the action dialog of the on/off valve (template 3029):
// "&Off" (lit while the valve is not open; closes it), "&Low Speed" and
// "&High Speed" (lit by the flow outputs; each opens with its flow). The
// valve's actuator type rules out the speed it does not have: a button it
// disables stays disabled while the dialog is open. C_RtryWhlAction shares
// this behaviour with the wheel's attributes.
// User-interface thread only.
#pragma once

#include "shapes/actions/BaseActionDlg.h"

class C_Valve;

class C_ValveAction : public C_BaseActionDlg {
 public:
  explicit C_ValveAction(C_Valve* valve);

  // Disables the speed button the actuator type rules out.
  void UpdateButtons() override;

  static const ActionDlgDef& Def();
  C_Valve* GetValve() const { return m_pValve; }

 protected:
  C_ValveAction(UINT templateId, C_BaseShape* shape, const ActionDlgDef& def);

 private:
  C_Valve* m_pValve = nullptr;  // weak; null in the wheel's dialog
};
