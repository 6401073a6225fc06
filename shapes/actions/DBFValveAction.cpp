#include "shapes/actions/DBFValveAction.h"

#include "res/PageResources.h"
#include "shapes/DBFValve.h"

ActionDlgDef MakeDriveActionDef(int increase, int decrease, int run) {
  using namespace page_res;
  const auto button = [](UINT control, int attrib, const char* on, const char* off) {
    ActionButtonDef b;
    b.control = control;
    b.showAttrib = attrib;
    b.textOn = on;
    b.textOff = off;
    b.click = ActionClick::Toggle;
    b.clickAttrib = attrib;
    b.refreshAfterClick = false;  // the text follows at the next tick
    return b;
  };
  ActionDlgDef def;
  def.buttons = {button(IDC_DRIVE_INCREASE, increase, "Turn Off Inc", "Turn On Inc"),
                 button(IDC_DRIVE_DECREASE, decrease, "Turn Off Dec", "Turn On Dec"),
                 button(IDC_DRIVE_ON, run, "Turn Off", "Turn On")};
  return def;
}

const ActionDlgDef& C_DBFValveAction::Def() {
  static const ActionDlgDef def = MakeDriveActionDef(DV_DoIncreasePosition, DV_DoDecreasePosition, DV_DoOnOffPosition);
  return def;
}

C_DBFValveAction::C_DBFValveAction(C_DBFValve* valve)
    : C_CntrFglPmpAction(page_res::IDD_DBFVALVE_ACTION, valve, Def()), m_pValve(valve) {}
