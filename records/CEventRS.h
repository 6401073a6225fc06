// The Event table: the periodic snapshot of the plant that the plant engine
// writes every record interval (averages of the process values, the state
// of drives, valves and loops, the operator and the active recipe).
// Floats are 32-bit; a float column that holds no value reads as -1 after
// a reset. User-interface thread only.
#pragma once

#include <string>

#include "records/CBaseTableRS.h"

struct CEventFields : CRecordFields {
  DATE m_dtRecordDateTime = 0;
  std::string m_strRecordDateTimeShamsi;
  std::string m_strDataSourceType;
  std::string m_strOperatorName;
  int m_nActiveRecipeID = -1;
  std::string m_strActiveRecipeName;

  float m_fSlurryMoisturePrcntg = -1;
  float m_fSlurryTemperature = -1;
  float m_fSlurryPressure = -1;
  float m_fHPPump1InputPressure = -1;
  float m_fHPPump2InputPressure = -1;
  float m_fHPPump3InputPressure = -1;
  float m_fHPPump1Speed = -1;
  float m_fHPPump2Speed = -1;
  float m_fHPPump3Speed = -1;
  float m_fCombustionFanSpeed = -1;
  float m_fDilutionFanSpeed = -1;
  float m_fSuctionFanSpeed = -1;
  float m_fAirLiftFanSpeed = -1;
  float m_fVacuum = -1;
  float m_fHotAirOutLetTemperature = -1;
  float m_fInLetAirTemperature = -1;
  float m_fOutLetAirTemperature = -1;
  float m_fBeltPowderFlowRate = -1;
  float m_fBeltPowderDensity = -1;
  float m_fBeltPowderMoisture = -1;

  bool m_bHPPump1IsOn = false;
  bool m_bHPPump2IsOn = false;
  bool m_bHPPump3IsOn = false;
  bool m_bHPPump1IsInPlcCtrl = false;
  bool m_bHPPump2IsInPlcCtrl = false;
  bool m_bHPPump3IsInPlcCtrl = false;
  bool m_bFilter1IsOn = false;
  bool m_bFilter2IsOn = false;
  bool m_bFilter3IsOn = false;
  bool m_bFilter4IsOn = false;
  bool m_bHemojenPump1IsOn = false;
  bool m_bHemojenPump2IsOn = false;
  bool m_bHemojenPump3IsOn = false;
  bool m_bHemojenPump4IsOn = false;
  bool m_bAirLiftFanIsOn = false;
  bool m_bSuctionFanIsOn = false;
  bool m_bDilutionFanIsOn = false;
  bool m_bCombustionFanIsOn = false;
  bool m_bSuctionFanIsInPlcCtrl = false;
  bool m_bDilutionFanIsInPlcCtrl = false;
  bool m_bCombustionFanIsInPlcCtrl = false;
  bool m_bDensityBeltIsOn = false;
  bool m_bDensityBeltIsInPlcCtrl = false;
  bool m_bHighLevelSilo1IsOn = false;
  bool m_bHighLevelSilo2IsOn = false;
  bool m_bHotAirGasSystemIsOn = false;
  bool m_bHotAirTemperatureIsHigh = false;
  bool m_bSlurryPressureIsInAutomat = false;
  bool m_bSlurryDilutionFanRatioIsInAutomat = false;
  bool m_bVacuumIsInAutomat = false;
  bool m_bInletTemperatureIsInAutomat = false;
  bool m_bDensityIsInAutomat = false;
  bool m_bMoistureIsInAutomat = false;
  bool m_bReturnValveIsClose = false;

  float m_fTotalSpraySlurryFlowRate = -1;
  float m_fSlurryPressureSetpoint = -1;
  float m_fSlurryDilutionFanRatioSetpoint = -1;
  float m_fVacuumSetpoint = -1;
  float m_fInletTemperatureSetpoint = -1;
  float m_fOutletTemperatureSetpoint = -1;
  float m_fDensitySetpoint = -1;
  float m_fMoistureSetpoint = -1;
  float m_fSPT = -1;
  float m_fAIT = -1;
  float m_fTowerSafetyTemperat1 = -1;
  float m_fTowerSafetyTemperat2 = -1;
  float m_fTowerSafetyTemperat3 = -1;
  float m_fTowerSafetyTemperat4 = -1;
  // Reserve members for four more averages; they have no column.
  float m_fReserve1 = -1;
  float m_fReserve2 = -1;
  float m_fReserve3 = -1;
  float m_fReserve4 = -1;

  CEventFields() { CEventFields::Reset(); }
  void Exchange(CFieldExchange& fx) override;
  // Every float -1, every boolean false, texts empty, date 0, recipe id -1.
  void Reset() override;
};

class CEventRS : public CTableRS<CEventFields> {
 public:
  static constexpr const char* kTableName = "Event";

  // The reset of a new record: every float -1 and every boolean 0, then the
  // date and time now, its Shamsi text (with the time), the data-source
  // text, the operator and the active recipe's id and name.
  void ResetNewFields() override;
};
