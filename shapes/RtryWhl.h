// C_RtryWhl: the rotary wheels of the mimic (the two transfer-belt wheels
// and the four rotary filters). The attribute list of the centrifugal
// machines with its own defaults; one alarm, "OVR". Its boolean setter only
// stores: the wheel reacts after a change instead (OnAttribChanged): the
// run command starts the wheel at the speed the actuator control type
// chooses, and the running feedback follows the command in Demo or while
// it has no tag. It draws a round body with blades that turn with the
// speed while the running feedback is on.
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/CntrFglPmpAttribs.h"

class C_RtryWhl : public C_BaseShape {
 public:
  // The wheel's overload alarm.
  static constexpr int kOverloadAlarmId = 0;

  // The first option word gives the blades and the turning direction
  // (WheelBladeCount, WheelDirection); the second option word 1 or 2 lays
  // the blades out (other values draw none).
  explicit C_RtryWhl(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  void OnAttribChanged(CVAttrib* attrib, int code) override;
  // Each paint of a running wheel turns the blades a step further.
  void DrawShape(CDC* dc) override;
  // "&Action": C_RtryWhlAction, modally.
  void ShowActionDialog() override;

  int GetBladeCount() const { return m_nBlades; }
  int GetDirection() const { return m_nDirection; }
  double GetBladeAngle() const { return m_dAngle; }

 private:
  // The run command switched on or off.
  void OnRunCommand(bool on);

  int m_nBlades = 1;
  int m_nDirection = 1;   // 1 forward, 2 backward, other: stands still
  double m_dAngle = 0.0;  // radians, never reset
};
