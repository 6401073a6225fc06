// CVekEngineApp: the process-information records. Every sample interval one
// value of each of 35 process values goes into its sample stack; every
// record interval the stacks' averages and the current state of the main
// drives, valves and loops are written as one row of the Event table.
#include "attrib/AttribTypes.h"
#include "plant/DeviceAttribs.h"
#include "plant/VekEngineApp.h"

namespace {

// Where a recorded value comes from: a device's float or flag by name, a
// loop's attribute, a process-data object's attribute, or the constant -1.
enum class SourceKind { Device, Loop, General, Recipe, Constant };

struct ValueSource {
  SourceKind kind;
  const char* device;  // Device: the device name
  const char* attrib;  // Device: the attribute name
  int index;           // Loop: the loop index
  int id;              // Loop, General, Recipe: the attribute id
};

constexpr ValueSource Dev(const char* device, const char* attrib) {
  return {SourceKind::Device, device, attrib, 0, 0};
}
constexpr ValueSource LoopValue(int loop, int id) { return {SourceKind::Loop, nullptr, nullptr, loop, id}; }
constexpr ValueSource Constant() { return {SourceKind::Constant, nullptr, nullptr, 0, 0}; }

// Stack k: its source and the Event column that receives its average.
struct StackColumn {
  ValueSource source;
  float CEventFields::*column;
};

constexpr StackColumn kStackColumns[CVekEngineApp::kProcessInfoStackCount] = {
    {Dev("SpryDryr1", "SlurryMoisture"), &CEventFields::m_fSlurryMoisturePrcntg},
    {Dev("SpryDryr1", "SlurryTemperature"), &CEventFields::m_fSlurryTemperature},
    {Dev("SpryDryr1", "SlurryPressure"), &CEventFields::m_fSlurryPressure},
    {Dev("SpryDryr1", "InletTemperature"), &CEventFields::m_fInLetAirTemperature},
    {Dev("SpryDryr1", "OutletTemperature"), &CEventFields::m_fOutLetAirTemperature},
    {Dev("SpryDryr1", "OutletVacuum"), &CEventFields::m_fVacuum},
    {Dev("HighPressure1", "InputPressure"), &CEventFields::m_fHPPump1InputPressure},
    {Dev("HighPressure2", "InputPressure"), &CEventFields::m_fHPPump2InputPressure},
    {Dev("HighPressure3", "InputPressure"), &CEventFields::m_fHPPump3InputPressure},
    {Dev("HighPressure1", "Speed"), &CEventFields::m_fHPPump1Speed},
    {Dev("HighPressure2", "Speed"), &CEventFields::m_fHPPump2Speed},
    {Dev("HighPressure3", "Speed"), &CEventFields::m_fHPPump3Speed},
    {Dev("CombustionFan", "Speed"), &CEventFields::m_fCombustionFanSpeed},
    {Dev("DilutionFan", "Speed"), &CEventFields::m_fDilutionFanSpeed},
    {Dev("SuctionFan", "Speed"), &CEventFields::m_fSuctionFanSpeed},
    {Dev("AirLiftFan", "Speed"), &CEventFields::m_fAirLiftFanSpeed},
    {Dev("HotAirHeatZone", "Temperature"), &CEventFields::m_fHotAirOutLetTemperature},
    {Dev("MeasuringBelt", "Flow"), &CEventFields::m_fBeltPowderFlowRate},
    {Dev("SpryDryr1", "PowderDensity"), &CEventFields::m_fBeltPowderDensity},
    {Dev("SpryDryr1", "PowderMoisture"), &CEventFields::m_fBeltPowderMoisture},
    {LoopValue(LOOP_SLURRY_PRESSURE, PL_LoopCalcStp), &CEventFields::m_fSlurryPressureSetpoint},
    {LoopValue(LOOP_SLURRY_DILUTION_FAN_RATIO, PL_LoopCalcStp), &CEventFields::m_fSlurryDilutionFanRatioSetpoint},
    {LoopValue(LOOP_VACUUM, PL_LoopCalcStp), &CEventFields::m_fVacuumSetpoint},
    {LoopValue(LOOP_INLET_AIR_TEMPERATURE, PL_LoopCalcStp), &CEventFields::m_fInletTemperatureSetpoint},
    {Constant(), &CEventFields::m_fOutletTemperatureSetpoint},
    {LoopValue(LOOP_DENSITY, PL_LoopCalcStp), &CEventFields::m_fDensitySetpoint},
    {LoopValue(LOOP_MOISTURE, PL_LoopCalcStp), &CEventFields::m_fMoistureSetpoint},
    {Dev("SpryDryr1", "TowerSafetyTemperat1_Phy"), &CEventFields::m_fTowerSafetyTemperat1},
    {Dev("SpryDryr1", "TowerSafetyTemperat2_Phy"), &CEventFields::m_fTowerSafetyTemperat2},
    {Dev("SpryDryr1", "TowerSafetyTemperat3_Phy"), &CEventFields::m_fTowerSafetyTemperat3},
    {Dev("SpryDryr1", "TowerSafetyTemperat4_Phy"), &CEventFields::m_fTowerSafetyTemperat4},
    {Constant(), &CEventFields::m_fReserve1},
    {Constant(), &CEventFields::m_fReserve2},
    {Constant(), &CEventFields::m_fReserve3},
    {Constant(), &CEventFields::m_fReserve4},
};

// The order in which the stacks receive their samples (the loops in their
// index order, the constant stack last).
constexpr int kPushOrder[CVekEngineApp::kProcessInfoStackCount] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
    18, 19, 22, 20, 21, 23, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 24,
};

// Event columns taken from current values when the row is written.
struct FlagColumn {
  ValueSource source;
  bool inverted;
  bool CEventFields::*column;
};

constexpr FlagColumn kFlagColumns[] = {
    {Dev("HighPressure1", "DiOnOffSpeed"), false, &CEventFields::m_bHPPump1IsOn},
    {Dev("HighPressure2", "DiOnOffSpeed"), false, &CEventFields::m_bHPPump2IsOn},
    {Dev("HighPressure3", "DiOnOffSpeed"), false, &CEventFields::m_bHPPump3IsOn},
    {Dev("HighPressure1", "LocalCntrlSpeed"), false, &CEventFields::m_bHPPump1IsInPlcCtrl},
    {Dev("HighPressure2", "LocalCntrlSpeed"), false, &CEventFields::m_bHPPump2IsInPlcCtrl},
    {Dev("HighPressure3", "LocalCntrlSpeed"), false, &CEventFields::m_bHPPump3IsInPlcCtrl},
    {Dev("RotaryFilter1", "DiOnOffSpeed"), false, &CEventFields::m_bFilter1IsOn},
    {Dev("RotaryFilter2", "DiOnOffSpeed"), false, &CEventFields::m_bFilter2IsOn},
    {Dev("RotaryFilter3", "DiOnOffSpeed"), false, &CEventFields::m_bFilter3IsOn},
    {Dev("RotaryFilter4", "DiOnOffSpeed"), false, &CEventFields::m_bFilter4IsOn},
    {Dev("FeedingPump1", "DiOnOffSpeed"), false, &CEventFields::m_bHemojenPump1IsOn},
    {Dev("FeedingPump2", "DiOnOffSpeed"), false, &CEventFields::m_bHemojenPump2IsOn},
    {Dev("FeedingPump3", "DiOnOffSpeed"), false, &CEventFields::m_bHemojenPump3IsOn},
    {Dev("FeedingPump4", "DiOnOffSpeed"), false, &CEventFields::m_bHemojenPump4IsOn},
    {Dev("AirLiftFan", "DiOnOffSpeed"), false, &CEventFields::m_bAirLiftFanIsOn},
    {Dev("SuctionFan", "DiOnOffSpeed"), false, &CEventFields::m_bSuctionFanIsOn},
    {Dev("DilutionFan", "DiOnOffSpeed"), false, &CEventFields::m_bDilutionFanIsOn},
    {Dev("CombustionFan", "DiOnOffSpeed"), false, &CEventFields::m_bCombustionFanIsOn},
    {Dev("SuctionFan", "LocalCntrlSpeed"), false, &CEventFields::m_bSuctionFanIsInPlcCtrl},
    {Dev("DilutionFan", "LocalCntrlSpeed"), false, &CEventFields::m_bDilutionFanIsInPlcCtrl},
    {Dev("CombustionFan", "LocalCntrlSpeed"), false, &CEventFields::m_bCombustionFanIsInPlcCtrl},
    {Dev("MeasuringBelt", "DiOnOffSpeed"), false, &CEventFields::m_bDensityBeltIsOn},
    {Dev("MeasuringBelt", "LocalCntrlSpeed"), false, &CEventFields::m_bDensityBeltIsInPlcCtrl},
    {Dev("Silo1", "HlaFlgLevel"), false, &CEventFields::m_bHighLevelSilo1IsOn},
    {Dev("Silo2", "HlaFlgLevel"), false, &CEventFields::m_bHighLevelSilo2IsOn},
    {Dev("HotAirHeatZone", "DiOnOffFuel"), false, &CEventFields::m_bHotAirGasSystemIsOn},
    {Dev("HotAirHeatZone", "HlaFlgTemperature"), false, &CEventFields::m_bHotAirTemperatureIsHigh},
    {LoopValue(LOOP_SLURRY_PRESSURE, PL_InAutomat), false, &CEventFields::m_bSlurryPressureIsInAutomat},
    {LoopValue(LOOP_SLURRY_DILUTION_FAN_RATIO, PL_InAutomat), false,
     &CEventFields::m_bSlurryDilutionFanRatioIsInAutomat},
    {LoopValue(LOOP_VACUUM, PL_InAutomat), false, &CEventFields::m_bVacuumIsInAutomat},
    {LoopValue(LOOP_INLET_AIR_TEMPERATURE, PL_InAutomat), false, &CEventFields::m_bInletTemperatureIsInAutomat},
    {LoopValue(LOOP_DENSITY, PL_InAutomat), false, &CEventFields::m_bDensityIsInAutomat},
    {LoopValue(LOOP_MOISTURE, PL_InAutomat), false, &CEventFields::m_bMoistureIsInAutomat},
    {Dev("ReturnValve", "DiOnOffPosition"), true, &CEventFields::m_bReturnValveIsClose},
};

struct FloatColumn {
  ValueSource source;
  float CEventFields::*column;
};

constexpr FloatColumn kFloatColumns[] = {
    {{SourceKind::Recipe, nullptr, nullptr, 0, PR_LI16_SPT_SafeProcessTemperature}, &CEventFields::m_fSPT},
    {{SourceKind::Recipe, nullptr, nullptr, 0, PR_LI17_AIT_AutoIgnitionTemperature}, &CEventFields::m_fAIT},
    {{SourceKind::General, nullptr, nullptr, 0, PG_TotalSlurryPressure}, &CEventFields::m_fTotalSpraySlurryFlowRate},
};

// The process-data object of a source; null for a device or a constant.
C_ProcessDataBase* SourceObject(CPlant& plant, const ValueSource& source) {
  switch (source.kind) {
    case SourceKind::Loop: return plant.Loop(source.index);
    case SourceKind::General: return plant.General();
    case SourceKind::Recipe: return plant.Recipe();
    default: return nullptr;
  }
}

float ReadFloat(CPlant& plant, const ValueSource& source) {
  if (source.kind == SourceKind::Constant) return -1.0f;
  if (source.kind == SourceKind::Device)
    return DeviceAttribs(plant, plant.FindDevice(source.device)).Float(source.attrib);
  C_ProcessDataBase* object = SourceObject(plant, source);
  return object ? object->GetAttribFloat(source.id) : 0.0f;
}

bool ReadBool(CPlant& plant, const ValueSource& source) {
  if (source.kind == SourceKind::Device)
    return DeviceAttribs(plant, plant.FindDevice(source.device)).Bool(source.attrib);
  C_ProcessDataBase* object = SourceObject(plant, source);
  return object && object->GetAttribBool(source.id);
}

}  // namespace

void CVekEngineApp::AddProcessInfoToStacks() {
  for (int k : kPushOrder) {
    const VARIANT sample = VariantFromFloat(ReadFloat(m_plant, kStackColumns[k].source));
    m_ProcessInfoStacks[static_cast<size_t>(k)].Push(&sample);
  }
}

void CVekEngineApp::RecordProcessInformation() {
  CEventRS* events = m_plant.Tables().pEvent.get();
  if (!events) return;
  events->ResetNewFields();
  CEventFields& row = events->GetNewFields();
  for (int k = 0; k < kProcessInfoStackCount; ++k) {
    const VARIANT average = m_ProcessInfoStacks[static_cast<size_t>(k)].GetAverage();
    row.*kStackColumns[k].column = average.vt == VT_EMPTY ? 0.0f : VariantToFloat(average);
  }
  for (const FlagColumn& flag : kFlagColumns) row.*flag.column = ReadBool(m_plant, flag.source) != flag.inverted;
  for (const FloatColumn& value : kFloatColumns) row.*value.column = ReadFloat(m_plant, value.source);
  events->AddRecord();
}
