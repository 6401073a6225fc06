#include "shapes/actions/CntrFglPmpAction.h"

#include "res/PageResources.h"
#include "shapes/CntrFglPmp.h"

ActionDlgDef MakeDriveActionDef(int increase, int decrease, int run) {
  using namespace page_res;
  ActionDlgDef def;
  def.buttons = {TextButton(IDC_DRIVE_INCREASE, increase, "Turn Off Inc", "Turn On Inc"),
                 TextButton(IDC_DRIVE_DECREASE, decrease, "Turn Off Dec", "Turn On Dec"),
                 TextButton(IDC_DRIVE_ON, run, "Turn Off", "Turn On")};
  return def;
}

const ActionDlgDef& C_CntrFglPmpAction::Def() {
  static const ActionDlgDef def = MakeDriveActionDef(CP_DoIncreaseSpeed, CP_DoDecreaseSpeed, CP_DoOnOffSpeed);
  return def;
}

C_CntrFglPmpAction::C_CntrFglPmpAction(C_CntrFglPmp* pump)
    : C_BaseActionDlg(page_res::IDD_CNTRFGLPMP_ACTION, pump, Def()), m_pPump(pump) {}
