#include "shapes/actions/RtryWhlAction.h"

#include "res/PageResources.h"
#include "shapes/RtryWhl.h"

using namespace page_res;

namespace {

// The valve dialog's buttons on the wheel's drive: Off stops it, Low and
// High set one speed and clear the other.
ActionDlgDef MakeWheelDef() {
  ActionDlgDef def = C_ValveAction::Def();
  for (ActionButtonDef& b : def.buttons) {
    if (b.control == IDC_SPEED_OFF) {
      b.showAttrib = CP_DoOnOffSpeed;
      b.clickAttrib = CP_DoOnOffSpeed;
    } else {
      const bool low = b.control == IDC_SPEED_LOW;
      b.showAttrib = low ? CP_DoDecreaseSpeed : CP_DoIncreaseSpeed;
      b.clickAttrib = b.showAttrib;
      b.clearAttrib = low ? CP_DoIncreaseSpeed : CP_DoDecreaseSpeed;
    }
  }
  return def;
}

}  // namespace

const ActionDlgDef& C_RtryWhlAction::Def() {
  static const ActionDlgDef def = MakeWheelDef();
  return def;
}

C_RtryWhlAction::C_RtryWhlAction(C_RtryWhl* wheel)
    : C_ValveAction(IDD_RTRYWHL_ACTION, wheel, Def()), m_pWheel(wheel) {}
