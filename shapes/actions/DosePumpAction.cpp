#include "shapes/actions/DosePumpAction.h"

#include "res/PageResources.h"
#include "shapes/DosePump.h"

using namespace page_res;

namespace {

ActionDlgDef MakeDosePumpDef() {
  // "Is On" commands the run but shows the running feedback, at the next tick.
  ActionButtonDef run = LampButton(IDC_DOSE_IS_ON, DP_DiOnOffSpeed, ActionClick::Toggle, DP_DoOnOffSpeed);
  run.refreshAfterClick = false;
  ActionDlgDef def;
  def.buttons = {run, LampButton(IDC_DOSE_INCREASE, DP_DoIncreaseSpeed, ActionClick::Toggle, DP_DoIncreaseSpeed),
                 LampButton(IDC_DOSE_DECREASE, DP_DoDecreaseSpeed, ActionClick::Toggle, DP_DoDecreaseSpeed)};
  return def;
}

}  // namespace

const ActionDlgDef& C_DosePumpAction::Def() {
  static const ActionDlgDef def = MakeDosePumpDef();
  return def;
}

C_DosePumpAction::C_DosePumpAction(C_DosePump* pump)
    : C_BaseActionDlg(IDD_DOSEPUMP_ACTION, pump, Def()), m_pPump(pump) {}
