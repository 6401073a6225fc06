// The attribute ids of the two valve classes (C_Valve and C_DBFValve). Both
// hold 48 attributes: the Position group and its companions 27-40 and the
// reserves 46-47 are the same; 41-45 differ (the valve's flow outputs, the
// diverter's flap drive).
// Constants only; usable from any thread.
#pragma once

enum eValveAttrib : int {
  VA_ReserveFloat1 = 27,
  VA_Position = 28,  // the Position group: 28-35
  VA_MinVluPosition = 29,
  VA_MaxVluPosition = 30,
  VA_LlaVluPosition = 31,
  VA_HlaVluPosition = 32,
  VA_PositionPort = 33,
  VA_MinVluPositionPort = 34,
  VA_MaxVluPositionPort = 35,
  VA_ReserveBool1 = 36,
  VA_LlaFlgPosition = 37,
  VA_HlaFlgPosition = 38,
  VA_LocalCntrlPosition = 39,
  VA_AutoCntrlPosition = 40,
  // C_Valve
  VA_DoOnOffPosition = 41,    // the open command
  VA_DiOnOffPosition = 42,    // the open feedback
  VA_DoLowFlow = 43,          // partly open
  VA_DoHighFlow = 44,         // fully open
  VA_DiOnAlarmPosition = 45,  // actuator fault
  // C_DBFValve
  DV_DoIncreasePosition = 41,
  DV_DoDecreasePosition = 42,
  DV_DiOnOffPosition = 43,    // the open feedback
  DV_DiOnAlarmPosition = 44,  // actuator fault
  DV_DoOnOffPosition = 45,    // the open command
  // both
  VA_ReserveInt1 = 46,
  VA_ReserveStr1 = 47,
  VA_COUNT = 48,
};
