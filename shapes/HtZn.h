// C_HtZn: the hot-air heat zone of the mimic ("HotAirHeatZone"), the
// furnace that heats the drying air. Four analog groups, Temperature,
// Pressure, Fuel and Air, each with its nine digital companions and its
// own drive interlocks. It draws the chamber's outline filled from the
// bottom up to the temperature, the caption or the alarm being shown
// across it and, when the style word asks for them, burner flames whose
// flicker follows the pressure while the fuel is on.
// Threads: user-interface thread, like every shape.
#pragma once

#include <vector>

#include "shapes/BaseShape.h"
#include "shapes/HeatZoneGeometry.h"

// Each group's nine companions are LlaFlg, HlaFlg, LocalCntrl, AutoCntrl,
// DoIncrease, DoDecrease, DiOnOff, DiOnAlarm, DoOnOff + group, from its
// first id (61, 70, 79, 88).
enum eHtZnAttrib : int {
  HZ_ReserveFloat1 = 27,
  HZ_Temperature = 28,  // the Temperature group: 28-35
  HZ_MinVluTemperature = 29,
  HZ_MaxVluTemperature = 30,
  HZ_TemperaturePort = 33,
  HZ_Pressure = 36,  // the Pressure group: 36-43
  HZ_MaxVluPressure = 38,
  HZ_Fuel = 44,  // the Fuel group: 44-51
  HZ_Air = 52,   // the Air group: 52-59
  HZ_ReserveBool1 = 60,
  HZ_LlaFlgTemperature = 61,
  HZ_AutoCntrlTemperature = 64,
  HZ_LlaFlgPressure = 70,
  HZ_DiOnOffPressure = 76,
  HZ_DoOnOffPressure = 78,
  HZ_LlaFlgFuel = 79,
  HZ_DoIncreaseFuel = 83,
  HZ_DoDecreaseFuel = 84,
  HZ_DiOnOffFuel = 85,  // the burner burns
  HZ_DiOnAlarmFuel = 86,
  HZ_DoOnOffFuel = 87,  // the menu's on/off command
  HZ_LlaFlgAir = 88,
  HZ_ReserveInt1 = 97,
  HZ_ReserveStr1 = 98,
  HZ_COUNT = 99,
};

// The first id of a group's nine companions (group 0-3: Temperature,
// Pressure, Fuel, Air), and the offsets within them.
constexpr int HtZnCompanionId(int group, int offset) { return HZ_LlaFlgTemperature + 9 * group + offset; }

class C_HtZn : public C_BaseShape {
 public:
  // The second option word chooses the outline (HeatZoneOutlineKindOf),
  // the first shapes the silhouette; flames are drawn while the style
  // word is positive.
  explicit C_HtZn(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // Each paint while the fuel is on moves the flames on.
  void DrawShape(CDC* dc) override;
  const std::vector<CPoint>& GetOutline() const { return m_outline; }
  const FlameState& GetFlames() const { return m_flames; }

 protected:
  void LayoutShape(const CRect& client) override;

 private:
  std::vector<CPoint> m_outline;  // computed at creation; empty: nothing drawn
  int m_nFlameRoom = 0;
  FlameState m_flames;
};
