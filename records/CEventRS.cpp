#include "records/CEventRS.h"

void CEventFields::Exchange(CFieldExchange& fx) {
  fx.Date("RecordDateTime", m_dtRecordDateTime);
  fx.Text("RecordDateTimeShamsi", m_strRecordDateTimeShamsi);
  fx.Text("DataSourceType", m_strDataSourceType);
  fx.Text("OperatorName", m_strOperatorName);
  fx.Int("ActiveRecipeID", m_nActiveRecipeID);
  fx.Text("ActiveRecipeName", m_strActiveRecipeName);

  fx.Float("SlurryMoisturePrcntg", m_fSlurryMoisturePrcntg);
  fx.Float("SlurryTemperature", m_fSlurryTemperature);
  fx.Float("SlurryPressure", m_fSlurryPressure);
  fx.Float("HPPump1InputPressure", m_fHPPump1InputPressure);
  fx.Float("HPPump2InputPressure", m_fHPPump2InputPressure);
  fx.Float("HPPump3InputPressure", m_fHPPump3InputPressure);
  fx.Float("HPPump1Speed", m_fHPPump1Speed);
  fx.Float("HPPump2Speed", m_fHPPump2Speed);
  fx.Float("HPPump3Speed", m_fHPPump3Speed);
  fx.Float("CombustionFanSpeed", m_fCombustionFanSpeed);
  fx.Float("DilutionFanSpeed", m_fDilutionFanSpeed);
  fx.Float("SuctionFanSpeed", m_fSuctionFanSpeed);
  fx.Float("AirLiftFanSpeed", m_fAirLiftFanSpeed);
  fx.Float("Vacuum", m_fVacuum);
  fx.Float("HotAirOutLetTemperature", m_fHotAirOutLetTemperature);
  fx.Float("InLetAirTemperature", m_fInLetAirTemperature);
  fx.Float("OutLetAirTemperature", m_fOutLetAirTemperature);
  fx.Float("BeltPowderFlowRate", m_fBeltPowderFlowRate);
  fx.Float("BeltPowderDensity", m_fBeltPowderDensity);
  fx.Float("BeltPowderMoisture", m_fBeltPowderMoisture);

  fx.Bool("HPPump1IsOn", m_bHPPump1IsOn);
  fx.Bool("HPPump2IsOn", m_bHPPump2IsOn);
  fx.Bool("HPPump3IsOn", m_bHPPump3IsOn);
  fx.Bool("HPPump1IsInPlcCtrl", m_bHPPump1IsInPlcCtrl);
  fx.Bool("HPPump2IsInPlcCtrl", m_bHPPump2IsInPlcCtrl);
  fx.Bool("HPPump3IsInPlcCtrl", m_bHPPump3IsInPlcCtrl);
  fx.Bool("Filter1IsOn", m_bFilter1IsOn);
  fx.Bool("Filter2IsOn", m_bFilter2IsOn);
  fx.Bool("Filter3IsOn", m_bFilter3IsOn);
  fx.Bool("Filter4IsOn", m_bFilter4IsOn);
  fx.Bool("HemojenPump1IsOn", m_bHemojenPump1IsOn);
  fx.Bool("HemojenPump2IsOn", m_bHemojenPump2IsOn);
  fx.Bool("HemojenPump3IsOn", m_bHemojenPump3IsOn);
  fx.Bool("HemojenPump4IsOn", m_bHemojenPump4IsOn);
  fx.Bool("AirLiftFanIsOn", m_bAirLiftFanIsOn);
  fx.Bool("SuctionFanIsOn", m_bSuctionFanIsOn);
  fx.Bool("DilutionFanIsOn", m_bDilutionFanIsOn);
  fx.Bool("CombustionFanIsOn", m_bCombustionFanIsOn);
  fx.Bool("SuctionFanIsInPlcCtrl", m_bSuctionFanIsInPlcCtrl);
  fx.Bool("DilutionFanIsInPlcCtrl", m_bDilutionFanIsInPlcCtrl);
  fx.Bool("CombustionFanIsInPlcCtrl", m_bCombustionFanIsInPlcCtrl);
  fx.Bool("DensityBeltIsOn", m_bDensityBeltIsOn);
  fx.Bool("DensityBeltIsInPlcCtrl", m_bDensityBeltIsInPlcCtrl);
  fx.Bool("HighLevelSilo1IsOn", m_bHighLevelSilo1IsOn);
  fx.Bool("HighLevelSilo2IsOn", m_bHighLevelSilo2IsOn);
  fx.Bool("HotAirGasSystemIsOn", m_bHotAirGasSystemIsOn);
  fx.Bool("HotAirTemperatureIsHigh", m_bHotAirTemperatureIsHigh);
  fx.Bool("SlurryPressureIsInAutomat", m_bSlurryPressureIsInAutomat);
  fx.Bool("SlurryDilutionFanRatioIsInAutomat", m_bSlurryDilutionFanRatioIsInAutomat);
  fx.Bool("VacuumIsInAutomat", m_bVacuumIsInAutomat);
  fx.Bool("InletTemperatureIsInAutomat", m_bInletTemperatureIsInAutomat);
  fx.Bool("DensityIsInAutomat", m_bDensityIsInAutomat);
  fx.Bool("MoistureIsInAutomat", m_bMoistureIsInAutomat);
  fx.Bool("ReturnValveIsClose", m_bReturnValveIsClose);

  fx.Float("TotalSpraySlurryFlowRate", m_fTotalSpraySlurryFlowRate);
  fx.Float("SlurryPressureSetpoint", m_fSlurryPressureSetpoint);
  fx.Float("SlurryDilutionFanRatioSetpoint", m_fSlurryDilutionFanRatioSetpoint);
  fx.Float("VacuumSetpoint", m_fVacuumSetpoint);
  fx.Float("InletTemperatureSetpoint", m_fInletTemperatureSetpoint);
  fx.Float("OutletTemperatureSetpoint", m_fOutletTemperatureSetpoint);
  fx.Float("DensitySetpoint", m_fDensitySetpoint);
  fx.Float("MoistureSetpoint", m_fMoistureSetpoint);
  fx.Float("SPT", m_fSPT);
  fx.Float("AIT", m_fAIT);
  fx.Float("TowerSafetyTemperat1", m_fTowerSafetyTemperat1);
  fx.Float("TowerSafetyTemperat2", m_fTowerSafetyTemperat2);
  fx.Float("TowerSafetyTemperat3", m_fTowerSafetyTemperat3);
  fx.Float("TowerSafetyTemperat4", m_fTowerSafetyTemperat4);
}

namespace {

// Sets every float member to -1 and every boolean member to false through
// the same member list that names the columns.
class EventResetter : public CFieldExchange {
 protected:
  void Exchange(const char*, FieldKind kind, void* value) override {
    if (kind == FieldKind::Float32) *static_cast<float*>(value) = -1.0f;
    if (kind == FieldKind::Bool) *static_cast<bool*>(value) = false;
  }
};

}  // namespace

void CEventFields::Reset() {
  EventResetter resetter;
  Exchange(resetter);
  m_dtRecordDateTime = 0;
  m_strRecordDateTimeShamsi.clear();
  m_strDataSourceType.clear();
  m_strOperatorName.clear();
  m_nActiveRecipeID = -1;
  m_strActiveRecipeName.clear();
  m_fReserve1 = m_fReserve2 = m_fReserve3 = m_fReserve4 = -1.0f;
}

void CEventRS::ResetNewFields() {
  IRecordContext* context = GetRecordContext();
  m_NewFields.Reset();
  m_NewFields.m_dtRecordDateTime = RecordContextNow(context);
  m_NewFields.m_strRecordDateTimeShamsi =
      RecordContextShamsi(context, m_NewFields.m_dtRecordDateTime, true);
  m_NewFields.m_strDataSourceType = RecordContextDataSource(context);
  m_NewFields.m_strOperatorName = RecordContextOperator(context);
  m_NewFields.m_nActiveRecipeID = RecordContextRecipeId(context);
  m_NewFields.m_strActiveRecipeName = RecordContextRecipeName(context);
}
