// The attribute ids of the process-data objects that the plant's code reads
// and writes by number (the full name tables are in ProcessData.cpp). Each
// class numbers its own attributes from 27 (BA_COUNT).
// Constants only; usable from any thread.
#pragma once

// C_ProcessDataGen (57 attributes).
enum ePrcGeneralAttrib : int {
  PG_TotalSlurryPressure = 28,
  PG_HotAir2Tower = 32,
  PG_VI_bPowerExist = 33,
  PG_VI_bNoEmergencyStop = 34,
  PG_VI_bResetProcess = 35,
  PG_VI_bRecipeIsDownloading = 37,
  PG_VI_bInputInterluck = 38,
  PG_VI_bIsOpenReturnVlv = 40,
  PG_VI_bIsSpraying = 42,
  PG_VI_boGeneralAudioAlarm = 48,
  PG_VI_boGeneralVisualAlarm = 49,
  PG_VI_boTwrSafetyAudioAlarm = 50,
  PG_VI_boTwrSafetyVisualAlarm = 51,
  PG_COUNT = 57,
};

// C_ProcessDataShift (36 attributes).
enum ePrcShiftAttrib : int {
  PS_TotalProduced = 28,
  PS_RecordId = 31,
  PS_TotalTime = 32,
  PS_UsefulTime = 33,
  PS_TotalSlurry = 34,
  PS_COUNT = 36,
};

// C_ProcessDataRecipeGen (49 attributes). The seventeen recipe items are
// the floats PR_LI01_PowderMoisture .. PR_LI17 (item n is id 27 + n).
enum ePrcRecipeAttrib : int {
  PR_LI01_PowderMoisture = 28,
  PR_LI16_SPT_SafeProcessTemperature = 43,
  PR_LI17_AIT_AutoIgnitionTemperature = 44,
  PR_ActiveRecipeNumber = 47,
  PR_COUNT = 49,
};

// C_ProcessDataLoop (62 attributes).
enum ePrcLoopAttrib : int {
  PL_LoopRecipeStp = 28,
  PL_LoopCalcStp = 29,
  PL_DeadBand = 32,
  PL_Gain = 33,
  PL_InPlcCtrl = 36,
  PL_InCtrlHold = 37,
  PL_InAutomat = 38,
  PL_PerTm = 53,
  PL_PbTm = 54,
  PL_Ti = 55,
  PL_Td = 56,
  PL_TmLag = 57,
  PL_COUNT = 62,
};

// C_ProcessDataAlarm (61 attributes).
enum ePrcAlarmAttrib : int {
  PA_VI_bAlarmWarning = 29,
  PA_VI_bAlarmError = 30,
  PA_VI_bAlarmAck = 31,
  PA_VI_bAlarmMsg = 32,
  PA_COUNT = 61,
};
