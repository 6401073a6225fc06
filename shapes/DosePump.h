// C_DosePump: the high-pressure piston pumps of the mimic ("HighPressure1"
// .. "HighPressure3"). Three analog groups, Stroke, Speed and Flow; Flow
// follows Stroke times Speed while the pump has a speed. The Speed drive
// has speed-up and speed-down commands (never both), a running feedback, a
// run command and a drive fault. It draws a cylinder whose piston moves in
// and out at the pump's speed over the pump's stroke while the running
// feedback is on, and the caption or the alarm being shown beside it.
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/DosePumpGeometry.h"

enum eDosePumpAttrib : int {
  DP_ReserveFloat1 = 27,
  DP_Stroke = 28,  // the Stroke group: 28-35
  DP_MinVluStroke = 29,
  DP_MaxVluStroke = 30,
  DP_StrokePort = 33,
  DP_Speed = 36,  // the Speed group: 36-43
  DP_MinVluSpeed = 37,
  DP_MaxVluSpeed = 38,
  DP_SpeedPort = 41,
  DP_Flow = 44,  // the Flow group: 44-51
  DP_MinVluFlow = 45,
  DP_MaxVluFlow = 46,
  DP_FlowPort = 49,
  DP_InputPressure = 52,
  DP_ReserveBool1 = 53,
  DP_LlaFlgStroke = 54,  // 54-59: LlaFlg, HlaFlg, LocalCntrl, AutoCntrl, DoIncrease, DoDecrease of Stroke
  DP_AutoCntrlStroke = 57,
  DP_LlaFlgSpeed = 60,  // 60-68: the nine companions of Speed
  DP_HlaFlgSpeed = 61,
  DP_LocalCntrlSpeed = 62,
  DP_AutoCntrlSpeed = 63,
  DP_DoIncreaseSpeed = 64,
  DP_DoDecreaseSpeed = 65,
  DP_DiOnOffSpeed = 66,   // running feedback
  DP_DiOnAlarmSpeed = 67, // drive fault
  DP_DoOnOffSpeed = 68,   // run command
  DP_LlaFlgFlow = 69,     // 69-72: LlaFlg, HlaFlg, LocalCntrl, AutoCntrl of Flow
  DP_ReserveInt1 = 73,
  DP_ReserveStr1 = 74,
  DP_COUNT = 75,
};

class C_DosePump : public C_BaseShape {
 public:
  // The second option word places the caption (DosePumpLayoutFor); bits
  // 20-23 of the style word mark a two-speed drive (menu texts High/Low).
  explicit C_DosePump(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // A new Stroke or Speed sets Flow to Stroke * Speed * 60 while Speed > 0.
  void OnAttribChanged(CVAttrib* attrib, int code) override;
  // Each paint of a running pump moves the piston one step.
  void DrawShape(CDC* dc) override;
  // "&Action": C_DosePumpAction, modally.
  void ShowActionDialog() override;

  const DosePumpLayout& GetLayout() const { return m_layout; }
  const PistonState& GetPiston() const { return m_piston; }

 protected:
  void LayoutShape(const CRect& client) override;

 private:
  DosePumpLayout m_layout;  // laid out at creation
  PistonState m_piston;
};
