// CVekEngineApp: what the plant does when a data source starts: the fixed
// start values, and in Demo the plant put into automatic control with its
// drives running.
#include "attrib/AttribTypes.h"
#include "plant/DeviceAttribs.h"
#include "plant/PlantRules.h"
#include "plant/VekEngineApp.h"

namespace {

// A start value: device, attribute, value.
struct StartValue {
  const char* device;
  const char* attrib;
  float value;
};

constexpr StartValue kStartValues[] = {
    {"SpryDryr1", "InletTemperature", 310.0f},
    {"SpryDryr1", "OutletTemperature", 92.0f},
    {"SpryDryr1", "SlurryPressure", 30.0f},
    {"SpryDryr1", "OutletVacuum", 7.8f},
    {"SpryDryr1", "SlurryMoisture", 30.0f},
    {"SpryDryr1", "SlurryTemperature", 89.0f},
    {"SpryDryr1", "SlurryFlowrate", 13000.0f},
    {"SpryDryr1", "PowderDensity", 330.0f},
    {"SpryDryr1", "PowderMoisture", 2.0f},
    {"SpryDryr1", "TowerSafetyTemperat1_Phy", 181.0f},
    {"SpryDryr1", "TowerSafetyTemperat2_Phy", 182.0f},
    {"SpryDryr1", "TowerSafetyTemperat3_Phy", 183.0f},
    {"SpryDryr1", "TowerSafetyTemperat4_Phy", 184.0f},
    {"HighPressure1", "Flow", 9001.0f},
    {"HighPressure2", "Flow", 9001.0f},
    {"MeasuringBelt", "Load", 18.0f},
    {"MeasuringBelt", "Flow", 13000.0f},
    {"SuctionFan", "Speed", 90.0f},
    {"DilutionFan", "Speed", 90.0f},
    {"CombustionFan", "Speed", 80.0f},
    {"AirLiftFan", "Speed", 80.0f},
};

// The Demo start of a class of drives: three flags, then the named value
// at its maximum times a factor. The flags are set in this order.
struct DemoDriveStart {
  int controlType;
  const char* flagsFalse;  // null: none
  const char* flagsTrue[3];
  const char* value;
  const char* maxValue;
  double factor;
};

constexpr DemoDriveStart kDemoDriveStarts[] = {
    {CT_CNTR_FGL_PUMP, "LocalCntrlSpeed", {"AutoCntrlSpeed", "DoOnOffSpeed", nullptr}, "Speed", "MaxVluSpeed", 0.5},
    {CT_RTRY_WHL, "LocalCntrlSpeed", {"AutoCntrlSpeed", "DoOnOffSpeed", nullptr}, "Speed", "MaxVluSpeed", 0.5},
    {CT_BELT, "LocalCntrlSpeed", {"AutoCntrlSpeed", "DoOnOffSpeed", nullptr}, "Speed", "MaxVluSpeed", 0.5},
    {CT_HEAT_ZONE, nullptr, {"AutoCntrlTemperature", "DoOnOffPressure", "DiOnOffFuel"}, "Temperature",
     "MaxVluTemperature", 0.5},
    {CT_VALVE, nullptr, {"AutoCntrlPosition", "DoOnOffPosition", nullptr}, nullptr, nullptr, 0.0},
    {CT_DBF_VALVE, nullptr, {"AutoCntrlPosition", "DoOnOffPosition", nullptr}, nullptr, nullptr, 0.0},
};

}  // namespace

bool CVekEngineApp::InitProcessValues() {
  if (!CVekEngineBase::InitProcessValues()) return false;
  for (const StartValue& start : kStartValues) {
    DeviceAttribs(m_plant, m_plant.FindDevice(start.device)).SetFloat(start.attrib, start.value);
  }
  return true;
}

bool CVekEngineApp::StartDemoSource() {
  if (!CVekEngineBase::StartDemoSource()) return false;
  // The single-precision 0.2 of the vessels' start level.
  constexpr float kVesselStartLevel = 0.2f;
  for (C_BaseShape* device : m_plant.Devices(CT_VESSEL)) {
    DeviceAttribs vessel(m_plant, device);
    vessel.SetFloat("Level", DeviceAttribs::Scaled(vessel.Float("MaxVluLevel"), kVesselStartLevel));
  }
  for (C_BaseShape* device : m_plant.Devices(CT_DOSE_PUMP)) {
    DeviceAttribs pump(m_plant, device);
    pump.SetBool("LocalCntrlSpeed", false);
    pump.SetBool("AutoCntrlStroke", true);
    pump.SetBool("DoOnOffSpeed", true);
    pump.SetFloat("Stroke", pump.Float("MaxVluStroke"));
    pump.SetFloat("Speed", DemoRunningValue(true, pump.Float("MaxVluSpeed")));
    pump.SetFloat("Flow", DemoRunningValue(true, pump.Float("MaxVluFlow")));
  }
  for (const DemoDriveStart& start : kDemoDriveStarts) {
    for (C_BaseShape* device : m_plant.Devices(start.controlType)) {
      DeviceAttribs drive(m_plant, device);
      if (start.flagsFalse) drive.SetBool(start.flagsFalse, false);
      for (const char* flag : start.flagsTrue)
        if (flag) drive.SetBool(flag, true);
      if (start.value) drive.SetFloat(start.value, DeviceAttribs::Scaled(drive.Float(start.maxValue), start.factor));
    }
  }
  DeviceAttribs(m_plant, m_plant.Device(CT_SPRAY_DRYER, 0)).SetBool("AutoCntrlInletTemperature", true);

  SetPrcGeneralBool(PG_VI_bPowerExist, true);
  SetPrcGeneralBool(PG_VI_bNoEmergencyStop, true);
  SetPrcGeneralBool(PG_VI_bInputInterluck, true);
  SetPrcGeneralBool(PG_HotAir2Tower, true);
  SetPrcGeneralBool(PG_VI_bIsOpenReturnVlv, false);
  for (int i = 0; i < kLoopCount; ++i) {
    if (C_ProcessDataLoop* loop = m_plant.Loop(i)) {
      loop->SetAttribBoolIfChanged(PL_InPlcCtrl, true);
      loop->SetAttribBoolIfChanged(PL_InAutomat, false);
    }
  }
  if (C_ProcessDataLoop* moisture = m_plant.Loop(LOOP_MOISTURE)) moisture->SetAttribBoolIfChanged(PL_InPlcCtrl, false);
  return true;
}
