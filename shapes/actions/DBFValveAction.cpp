#include "shapes/actions/DBFValveAction.h"

#include "res/PageResources.h"
#include "shapes/DBFValve.h"

const ActionDlgDef& C_DBFValveAction::Def() {
  static const ActionDlgDef def = MakeDriveActionDef(DV_DoIncreasePosition, DV_DoDecreasePosition, DV_DoOnOffPosition);
  return def;
}

C_DBFValveAction::C_DBFValveAction(C_DBFValve* valve)
    : C_CntrFglPmpAction(page_res::IDD_DBFVALVE_ACTION, valve, Def()), m_pValve(valve) {}
