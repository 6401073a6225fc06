// C_RtryWhlAction: the action dialog of the rotary wheel (template 3022):
// "&Off" (lit while the wheel's run command is off; stops it), "&Low Speed"
// (the decrease command) and "&High Speed" (the increase command). The two
// speeds clear each other. Buttons are enabled as on the valve's dialog.
// User-interface thread only.
#pragma once

#include "shapes/actions/ValveAction.h"

class C_RtryWhl;

class C_RtryWhlAction : public C_ValveAction {
 public:
  explicit C_RtryWhlAction(C_RtryWhl* wheel);

  static const ActionDlgDef& Def();
  C_RtryWhl* GetWheel() const { return m_pWheel; }

 private:
  C_RtryWhl* m_pWheel;  // weak
};
