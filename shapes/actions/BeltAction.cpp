#include "shapes/actions/BeltAction.h"

#include "res/PageResources.h"
#include "shapes/Belt.h"

using namespace page_res;

namespace {

ActionDlgDef MakeBeltDef() {
  ActionDlgDef def;
  ActionButtonDef increase = LampButton(IDC_BELT_INCREASE, BE_DoIncreaseSpeed, ActionClick::Toggle, BE_DoIncreaseSpeed);
  ActionButtonDef decrease = LampButton(IDC_BELT_DECREASE, BE_DoDecreaseSpeed, ActionClick::Toggle, BE_DoDecreaseSpeed);
  increase.startsPulse = decrease.startsPulse = true;
  def.buttons = {LampButton(IDC_BELT_RUN, BE_DoOnOffSpeed, ActionClick::Toggle, BE_DoOnOffSpeed),
                 LampButton(IDC_BELT_IS_ON, BE_DiOnOffSpeed, ActionClick::None, -1), increase, decrease};
  def.pulseAttribs = {BE_DoIncreaseSpeed, BE_DoDecreaseSpeed};
  return def;
}

}  // namespace

const ActionDlgDef& C_BeltAction::Def() {
  static const ActionDlgDef def = MakeBeltDef();
  return def;
}

C_BeltAction::C_BeltAction(C_Belt* belt) : C_BaseActionDlg(IDD_BELT_ACTION, belt, Def()), m_pBelt(belt) {}

void C_BeltAction::EndMomentaryCommands() {
  if (!m_pShape) return;
  for (int id : m_def.pulseAttribs) m_pShape->SetAttribBool(id, false);
}

void C_BeltAction::Refresh() {
  EndMomentaryCommands();
  C_BaseActionDlg::Refresh();
}

void C_BeltAction::OnDestroy() {
  if (IsPulseRunning()) {
    EndMomentaryCommands();
    m_stopwatch.Stop();
  }
  C_BaseActionDlg::OnDestroy();
}
