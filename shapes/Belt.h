// C_Belt: the weighing belt conveyor of the mimic ("MeasuringBelt"). Three
// analog groups, Speed, Load and Flow; the Speed drive has speed-up and
// speed-down commands (never both), a running feedback, a run command and a
// drive fault. It draws two pulleys joined by the belt's strands, a band of
// patterned material whose height follows the load, spokes that turn with
// the speed while the belt runs, a value label and the caption.
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/BeltGeometry.h"

enum eBeltAttrib : int {
  BE_ReserveFloat1 = 27,
  BE_Speed = 28,  // the Speed group: 28-35
  BE_MinVluSpeed = 29,
  BE_MaxVluSpeed = 30,
  BE_SpeedPort = 33,
  BE_Load = 36,  // the Load group: 36-43
  BE_MinVluLoad = 37,
  BE_MaxVluLoad = 38,
  BE_LoadPort = 41,
  BE_Flow = 44,  // the Flow group: 44-51
  BE_MaxVluFlow = 46,
  BE_FlowPort = 49,
  BE_ReserveBool1 = 52,
  BE_LlaFlgSpeed = 53,  // 53-61: the nine companions of Speed
  BE_HlaFlgSpeed = 54,
  BE_LocalCntrlSpeed = 55,
  BE_AutoCntrlSpeed = 56,
  BE_DoIncreaseSpeed = 57,
  BE_DoDecreaseSpeed = 58,
  BE_DiOnOffSpeed = 59,   // running feedback
  BE_DiOnAlarmSpeed = 60, // drive fault
  BE_DoOnOffSpeed = 61,   // run command
  BE_LlaFlgLoad = 62,     // 62-65: LlaFlg, HlaFlg, LocalCntrl, AutoCntrl of Load
  BE_LlaFlgFlow = 66,     // 66-69: the same of Flow
  BE_ReserveInt1 = 70,
  BE_ReserveStr1 = 71,
  BE_COUNT = 72,
};

class C_Belt : public C_BaseShape {
 public:
  // The second option word must be 0 or 1 (1 draws spokes); the first
  // gives the spokes per pulley; the style word the pulleys' direction, the
  // value label and a two-speed drive (BeltGeometry.h).
  explicit C_Belt(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // Each paint of a running belt turns the spokes a step further.
  void DrawShape(CDC* dc) override;
  // "&Action": C_BeltAction, modally.
  void ShowActionDialog() override;
  const BeltLayout& GetLayout() const { return m_layout; }
  double GetPulleyAngle() const { return m_dAngle; }

 protected:
  // An orientation other than 0 or 1 is a fault of the program's device
  // table: "Error at select mode type" is shown and the program quits (5).
  void LayoutShape(const CRect& client) override;

 private:
  void DrawPulleys(CDC* dc, COLORREF background);
  void DrawTexts(CDC* dc);

  BeltLayout m_layout;    // laid out at creation
  double m_dAngle = 0.0;  // the pulleys' angle (radians), never reset
};
