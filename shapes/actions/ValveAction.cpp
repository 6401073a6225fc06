#include "shapes/actions/ValveAction.h"

#include "res/PageResources.h"
#include "shapes/Valve.h"

using namespace page_res;

namespace {

ActionDlgDef MakeValveDef() {
  ActionDlgDef def;
  ActionButtonDef off;
  off.control = IDC_SPEED_OFF;
  off.showAttrib = VA_DiOnOffPosition;
  off.showInverted = true;
  off.click = ActionClick::Set;
  off.clickAttrib = VA_DoOnOffPosition;
  off.setValue = false;
  ActionButtonDef low;
  low.control = IDC_SPEED_LOW;
  low.showAttrib = VA_DoLowFlow;
  low.click = ActionClick::Set;
  low.clickAttrib = VA_DoLowFlow;
  low.setValue = true;
  ActionButtonDef high = low;
  high.control = IDC_SPEED_HIGH;
  high.showAttrib = VA_DoHighFlow;
  high.clickAttrib = VA_DoHighFlow;
  def.buttons = {off, low, high};
  def.offButton = IDC_SPEED_OFF;
  def.lowButton = IDC_SPEED_LOW;
  def.highButton = IDC_SPEED_HIGH;
  return def;
}

}  // namespace

const ActionDlgDef& C_ValveAction::Def() {
  static const ActionDlgDef def = MakeValveDef();
  return def;
}

C_ValveAction::C_ValveAction(C_Valve* valve) : C_BaseActionDlg(IDD_VALVE_ACTION, valve, Def()), m_pValve(valve) {}

C_ValveAction::C_ValveAction(UINT templateId, C_BaseShape* shape, const ActionDlgDef& def)
    : C_BaseActionDlg(templateId, shape, def) {}

void C_ValveAction::UpdateButtons() {
  if (!m_pShape) return;
  const SpeedButtonsOff off = SpeedButtonsRuledOut(m_pShape->GetAttribInt(BA_ActuatorControlType));
  // Only ever disabled: a button once ruled out stays so while the dialog is open.
  if (off.low) {
    if (CWnd* low = GetDlgItem(static_cast<int>(m_def.lowButton))) low->EnableWindow(FALSE);
  }
  if (off.high) {
    if (CWnd* high = GetDlgItem(static_cast<int>(m_def.highButton))) high->EnableWindow(FALSE);
  }
}
