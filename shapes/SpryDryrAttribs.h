// The attribute ids of the spray-dryer tower (C_SpryDryr): 239 attributes,
// the base ids 0-26 and its own 27-238. Fifteen analog groups of eight
// consecutive members (value, MinVlu, MaxVlu, LlaVlu, HlaVlu, port,
// MinVluPort, MaxVluPort) start at the value ids below; add an
// eAnalogRole to a value id for the other members.
// Constants only; usable from any thread.
#pragma once

enum eSpryDryrAttrib : int {
  SD_ReserveFloat1 = 27,
  // The tower's analog groups (value ids).
  SD_InletTemperature = 28,
  SD_SlurryFlowrate = 36,
  SD_SlurryPressure = 44,
  SD_SlurryTemperature = 52,
  SD_SlurryMoisture = 60,
  SD_CalorieDemand = 68,
  SD_NozzelFlowrate = 76,
  SD_OutletTemperature = 84,
  SD_OutletVacuum = 92,
  SD_PowderDensity = 100,
  SD_PowderMoisture = 108,
  SD_TowerSafetyTemperat1_Phy = 116,
  SD_TowerSafetyTemperat2_Phy = 124,
  SD_TowerSafetyTemperat3_Phy = 132,
  SD_TowerSafetyTemperat4_Phy = 140,
  // Tower safety figures, computed outside the program.
  SD_VI_fTowerSafetyCurMaxTowerTemperatur = 148,
  SD_VI_fTowerSafetyTemperSlope1 = 149,  // .. Slope8 = 156
  SD_ReserveBool1 = 157,
  // The groups' digital companions.
  SD_LlaFlgInletTemperature = 158,
  SD_HlaFlgInletTemperature = 159,
  SD_LocalCntrlInletTemperature = 160,
  SD_AutoCntrlInletTemperature = 161,
  SD_LlaFlgSlurryFlowrate = 162,
  SD_HlaFlgSlurryFlowrate = 163,
  SD_LlaFlgSlurryPressure = 164,
  SD_HlaFlgSlurryPressure = 165,
  SD_LocalCntrlSlurryPressure = 166,
  SD_AutoCntrlSlurryPressure = 167,
  SD_LlaFlgSlurryTemperature = 168,
  SD_HlaFlgSlurryTemperature = 169,
  SD_LlaFlgSlurryMoisture = 170,
  SD_HlaFlgSlurryMoisture = 171,
  SD_LocalCntrlSlurryMoisture = 172,
  SD_AutoCntrlSlurryMoisture = 173,
  SD_LlaFlgCalorieDemand = 174,
  SD_HlaFlgCalorieDemand = 175,
  SD_LocalCntrlCalorieDemand = 176,
  SD_AutoCntrlCalorieDemand = 177,
  SD_LlaFlgNozzelFlowrate = 178,
  SD_HlaFlgNozzelFlowrate = 179,
  SD_LlaFlgOutletTemperature = 180,
  SD_HlaFlgOutletTemperature = 181,
  SD_LocalCntrlOutletTemperature = 182,
  SD_AutoCntrlOutletTemperature = 183,
  SD_LlaFlgOutletVacuum = 184,
  SD_HlaFlgOutletVacuum = 185,
  SD_LocalCntrlOutletVacuum = 186,
  SD_AutoCntrlOutletVacuum = 187,
  SD_LlaFlgPowderDensity = 188,
  SD_HlaFlgPowderDensity = 189,
  SD_LocalCntrlPowderDensity = 190,
  SD_AutoCntrlPowderDensity = 191,
  SD_LlaFlgPowderMoisture = 192,
  SD_HlaFlgPowderMoisture = 193,
  SD_LocalCntrlPowderMoisture = 194,
  SD_AutoCntrlPowderMoisture = 195,
  // Tower safety and burner.
  SD_VI_bShowTowerSafetyTemperat1 = 196,  // .. 4 = 199; default shown
  SD_VI_bFireDetected = 200,
  SD_VI_bFireFighting = 201,
  SD_VI_bStopBurner = 202,
  SD_VI_bReduceBurner = 203,
  // Hammers (wall knockers).
  SD_VI_bLetHammerAutoService = 204,   // the command
  SD_VI_bHammerIsInAutoService = 205,  // its feedback
  SD_VI_bTakeOnHammer1 = 206,          // .. Hammer8 = 213
  SD_ReserveInt1 = 214,
  SD_VI_iHammerOperationMode = 215,  // 0 parallel, 1 serial
  SD_VI_iHammerCyclePeriod = 216,
  SD_VI_iHammerCycleTimer = 217,
  SD_VI_iOnDelayHammer1 = 218,      // .. Hammer8 = 225
  SD_VI_iOnStateTimeHammer1 = 226,  // .. Hammer8 = 233
  // Tower safety settings.
  SD_VI_iTowerSafetyCriticalDeltaT_PerMin = 234,
  SD_VI_iTowerSafetySlopeCalcPeriod = 235,
  SD_VI_iTowerSafetyCriticalTopTowerTemper = 236,
  SD_VI_iTowerSafetyCriticalFireTemper = 237,
  SD_ReserveStr1 = 238,
  SD_COUNT = 239,
};
