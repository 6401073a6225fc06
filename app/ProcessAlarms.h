// The operator messages of the twenty-five process alarms: each alarm's
// title and Persian lines, some with a value of the plant in them, and the
// title and text the supervise view shows (balloon, alarm record, box).
// Pure functions over one table; any thread.
#pragma once

#include <array>
#include <string>

// The plant's values that alarm lines carry.
struct ProcessAlarmValues {
  float fSpt = 0.0f;                     // recipe object LI16 (SPT)
  float fAit = 0.0f;                     // recipe object LI17 (AIT)
  int nCriticalFireTemper = 0;           // tower VI_iTowerSafetyCriticalFireTemper
  int nCriticalTopTowerTemper = 0;       // tower VI_iTowerSafetyCriticalTopTowerTemper
  int nCriticalDeltaTPerMin = 0;         // tower VI_iTowerSafetyCriticalDeltaT_PerMin
  std::array<float, 3> fPumpInputPressure{};  // dosing pumps 0-2 InputPressure
};

// Alarm codes are index + 1.
constexpr int kProcessAlarmCount = 25;

// "AlarmCode: <code>, <title>"; empty for an index outside 0-24.
std::string ProcessAlarmTitle(int nAlarm);
// "آلارم شماره <code>", then each line of the alarm after "\r\n" (a pump
// line of alarm 14 only for a pump whose input pressure is below 2 bar);
// empty for an index outside 0-24.
std::string ProcessAlarmText(int nAlarm, const ProcessAlarmValues& values);
