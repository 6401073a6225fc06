// The attribute ids of the centrifugal machines (C_CntrFglPmp) and the
// rotary wheels (C_RtryWhl): one list for both, 48 attributes, with the
// Speed group (28-35) and its nine digital companions (37-45). The two
// classes differ in their defaults, unit text and port rule, which the
// table function takes.
// Constants and a table builder; usable from any thread.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "shapes/ShapeAttribTable.h"

enum eCntrFglPmpAttrib : int {
  CP_ReserveFloat1 = 27,
  CP_Speed = 28,  // the Speed group: 28-35
  CP_MinVluSpeed = 29,
  CP_MaxVluSpeed = 30,
  CP_LlaVluSpeed = 31,
  CP_HlaVluSpeed = 32,
  CP_SpeedPort = 33,
  CP_MinVluSpeedPort = 34,
  CP_MaxVluSpeedPort = 35,
  CP_ReserveBool1 = 36,
  CP_LlaFlgSpeed = 37,
  CP_HlaFlgSpeed = 38,
  CP_LocalCntrlSpeed = 39,  // local-control indication
  CP_AutoCntrlSpeed = 40,
  CP_DoIncreaseSpeed = 41,  // speed up (high speed on a two-speed drive)
  CP_DoDecreaseSpeed = 42,  // speed down (low speed)
  CP_DiOnOffSpeed = 43,     // running feedback
  CP_DiOnAlarmSpeed = 44,   // drive fault
  CP_DoOnOffSpeed = 45,     // run command
  CP_ReserveInt1 = 46,
  CP_ReserveStr1 = 47,
  CP_COUNT = 48,
};

// The table of the list with the class's colours (ColorBG, ColorFG,
// ColorBody), the Speed unit's text and the default of MaxVluSpeed and
// HlaVluSpeed.
ShapeAttribTable MakeCntrFglPmpAttribTable(PortRule portRule, COLORREF bg, COLORREF fg, COLORREF body,
                                           const std::string& unitText, double maxSpeed);
