#include "plant/PlantAttribNames.h"

#include "attrib/AttribTypes.h"

const std::vector<PlantAttribNames>& PlantAttribNameTable() {
  static const std::vector<PlantAttribNames> table = {
      {CT_SPRAY_DRYER,
       {"InletTemperature", "AutoCntrlInletTemperature", "OutletTemperature", "OutletVacuum",
        "SlurryPressure", "SlurryMoisture", "SlurryTemperature", "SlurryFlowrate", "PowderDensity",
        "PowderMoisture", "TowerSafetyTemperat1_Phy", "TowerSafetyTemperat2_Phy", "TowerSafetyTemperat3_Phy",
        "TowerSafetyTemperat4_Phy", "VI_bFireDetected", "VI_bFireFighting", "VI_bStopBurner", "VI_bReduceBurner",
        "VI_iTowerSafetyCriticalFireTemper", "VI_iTowerSafetyCriticalTopTowerTemper",
        "VI_iTowerSafetyCriticalDeltaT_PerMin"}},
      {CT_VESSEL, {"Level", "MaxVluLevel", "HlaFlgLevel", "AutoCntrlLevel", "DoOnOffSpeed", "DiOnOffSpeed"}},
      {CT_BELT,
       {"Speed", "MaxVluSpeed", "Load", "Flow", "MaxVluFlow", "LocalCntrlSpeed", "AutoCntrlSpeed", "DoOnOffSpeed",
        "DiOnOffSpeed", "DiOnAlarmSpeed"}},
      {CT_HEAT_ZONE,
       {"Temperature", "MaxVluTemperature", "HlaFlgTemperature", "AutoCntrlTemperature", "DoOnOffPressure",
        "DiOnOffPressure", "DiOnOffFuel"}},
      {CT_DBF_VALVE,
       {"Position", "MinVluPosition", "MaxVluPosition", "LlaFlgPosition", "HlaFlgPosition", "AutoCntrlPosition",
        "DoOnOffPosition", "DiOnOffPosition"}},
      {CT_VALVE, {"AutoCntrlPosition", "DoOnOffPosition", "DiOnOffPosition"}},
      {CT_RTRY_WHL, {"Speed", "MaxVluSpeed", "LocalCntrlSpeed", "AutoCntrlSpeed", "DoOnOffSpeed", "DiOnOffSpeed"}},
      {CT_DOSE_PUMP,
       {"Stroke", "MaxVluStroke", "Speed", "MaxVluSpeed", "Flow", "MaxVluFlow", "InputPressure", "LocalCntrlSpeed",
        "AutoCntrlStroke", "DoOnOffSpeed", "DiOnOffSpeed", "DiOnAlarmSpeed"}},
      {CT_CNTR_FGL_PUMP,
       {"Speed", "MaxVluSpeed", "LocalCntrlSpeed", "AutoCntrlSpeed", "DoOnOffSpeed", "DiOnOffSpeed",
        "DiOnAlarmSpeed"}},
      {CT_PRC_GENERAL, {"TotalSlurryPressure"}},
  };
  return table;
}
