// The attribute tables of the five process-data classes, in id order from 27.
#include "plant/ProcessData.h"

#include "attrib/AttribTypes.h"

namespace {

ShapeClassDef MakeGeneral() {
  return C_ProcessDataBase::MakeClassDef(
      CT_PRC_GENERAL,
      {{"ReserveFloat2", "TotalSlurryPressure", "DensityDeadBand", "MoistureDeadBand"},
       {"ReserveBool2", "HotAir2Tower", "VI_bPowerExist", "VI_bNoEmergencyStop", "VI_bResetProcess",
        "VI_bDiverseValve2Tower", "VI_bRecipeIsDownloading", "VI_bInputInterluck", "VI_bNozzleBlocking",
        "VI_bIsOpenReturnVlv", "VI_bShiftIsDownloading", "VI_bIsSpraying", "VI_biAirPressureExist",
        "VI_biGeneralAlarmAck", "VI_biFireAlarmAck", "VI_biReturnValveClosed", "VI_boSDIsReady",
        "VI_boGeneralAudioAlarm", "VI_boGeneralVisualAlarm", "VI_boTwrSafetyAudioAlarm",
        "VI_boTwrSafetyVisualAlarm", "VI_boNozzlBlockAlarm", "VI_bTotalInputInterlock", "VI_bIsReadyMeasureBelt"},
       {"ReserveInt2"},
       "ReserveStr2"});
}

ShapeClassDef MakeShift() {
  return C_ProcessDataBase::MakeClassDef(
      CT_PRC_SHIFT, {{"ReserveFloat2", "TotalProduced"},
                     {"ReserveBool2"},
                     {"ReserveInt2", "RecordId", "TotalTime", "UsefulTime", "TotalSlurry"},
                     "ReserveStr2"});
}

ShapeClassDef MakeRecipe() {
  return C_ProcessDataBase::MakeClassDef(
      CT_PRC_RECIPE_GEN,
      {{"ReserveFloat2", "LI01_PowderMoisture", "LI02_PowderDencity", "LI03_SlurryPressure", "LI04_Vacuum",
        "LI05_InletTemperature", "LI06_PressureAdjForDensity", "LI07_VacuumAdjForMoisture",
        "LI08_InletTemperAdjForMoisture", "LI09_SlurryPrssurNozzlBlocking", "LI10_MinTotalSlurryToTower",
        "LI11_MinInletFan", "LI12_NormalTotalSlurryToTower", "LI13_NormalInletFan", "LI14_MaxTotalSlurryToTower",
        "LI15_MaxInletFan", "LI16_SPT_SafeProcessTemperature", "LI17_AIT_AutoIgnitionTemperature"},
       {"ReserveBool2"},
       {"ReserveInt2", "ActiveRecipeNumber"},
       "ReserveStr2"});
}

ShapeClassDef MakeLoop() {
  return C_ProcessDataBase::MakeClassDef(
      CT_PRC_LOOP,
      {{"ReserveFloat2", "LoopRecipeStp", "LoopCalcStp", "LoopStpVrtion", "Freserve18", "DeadBand", "Gain", "Lmn"},
       {"ReserveBool2", "InPlcCtrl", "InCtrlHold", "InAutomat", "ManInc", "ManDec", "Rsrv05", "Rsrv06", "ComRst",
        "Rsrv10", "I_ITL_On", "D_Sel", "I_Sel", "LoopDlyFlg", "LoopMsg4Pcf", "Rsrv16", "Rsrv17"},
       {"ReserveInt2", "PerTm", "PbTm", "Ti", "Td", "TmLag", "LoopDelayTime", "LoopMsg4PcID", "Res8"},
       "ReserveStr2"});
}

ShapeClassDef MakeAlarm() {
  return C_ProcessDataBase::MakeClassDef(
      CT_PRC_ALARM,
      {{"ReserveFloat2"},
       {"ReserveBool2", "VI_bAlarmWarning", "VI_bAlarmError", "VI_bAlarmAck", "VI_bAlarmMsg", "VI_bAlarmActionDone",
        "VI_bTakeOnAudioGen", "VI_bTakeOnVisualGen", "VI_bTakeOnAudioTwrSfty", "VI_bTakeOnVisualTwrSfty",
        "VI_bRunAct00_NoAudioGen", "VI_bRunAct01_NoVisualGen", "VI_bRunAct02_NoAudioTwrSfty",
        "VI_bRunAct03_NoVisualTwSfty", "VI_bRunAct04_NoMessage", "VI_bRunAct05", "VI_bRunAct06", "VI_bRunAct07",
        "VI_bRunAct10", "VI_bRunAct11", "VI_bRunAct12", "VI_bRunAct13", "VI_bRunAct14", "VI_bRunAct15",
        "VI_bRunAct16", "VI_bRunAct17"},
       {"ReserveInt2", "VI_iActionExecuteOneFC", "VI_iErrorDeleyTimer", "VI_iErrorDeleySetPoint",
        "VI_iAudioDeleyTimer", "VI_iAudioDeleySetpoint"},
       "ReserveStr2"});
}

}  // namespace

const ShapeClassDef& C_ProcessDataGen::ClassDef() {
  static const ShapeClassDef def = MakeGeneral();
  return def;
}
const ShapeClassDef& C_ProcessDataShift::ClassDef() {
  static const ShapeClassDef def = MakeShift();
  return def;
}
const ShapeClassDef& C_ProcessDataRecipeGen::ClassDef() {
  static const ShapeClassDef def = MakeRecipe();
  return def;
}
const ShapeClassDef& C_ProcessDataLoop::ClassDef() {
  static const ShapeClassDef def = MakeLoop();
  return def;
}
const ShapeClassDef& C_ProcessDataAlarm::ClassDef() {
  static const ShapeClassDef def = MakeAlarm();
  return def;
}

C_ProcessDataGen::C_ProcessDataGen(int iniIndex) : C_ProcessDataBase(iniIndex, "PrcGeneral", ClassDef()) {}
C_ProcessDataShift::C_ProcessDataShift(int iniIndex) : C_ProcessDataBase(iniIndex, "PrcShift", ClassDef()) {}
C_ProcessDataRecipeGen::C_ProcessDataRecipeGen(int iniIndex)
    : C_ProcessDataBase(iniIndex, "PrcRecipeGen", ClassDef()) {}
C_ProcessDataLoop::C_ProcessDataLoop(int iniIndex, const std::string& name)
    : C_ProcessDataBase(iniIndex, name, ClassDef()) {}
C_ProcessDataAlarm::C_ProcessDataAlarm(int iniIndex, const std::string& name)
    : C_ProcessDataBase(iniIndex, name, ClassDef()) {}
