#include "shapes/actions/ValveAction.h"

#include "res/PageResources.h"
#include "shapes/Valve.h"

using namespace page_res;

namespace {

ActionDlgDef MakeValveDef() {
  ActionDlgDef def;
  ActionButtonDef off = LampButton(IDC_SPEED_OFF, VA_DiOnOffPosition, ActionClick::Set, VA_DoOnOffPosition, false);
  off.showInverted = true;  // lit while the valve is not open
  def.buttons = {off, LampButton(IDC_SPEED_LOW, VA_DoLowFlow, ActionClick::Set, VA_DoLowFlow, true),
                 LampButton(IDC_SPEED_HIGH, VA_DoHighFlow, ActionClick::Set, VA_DoHighFlow, true)};
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
