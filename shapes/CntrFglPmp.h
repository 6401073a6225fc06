// C_CntrFglPmp: the centrifugal machines of the mimic (the suction,
// air-lift, combustion and dilution fans and the four feeding pumps). One
// analog group, Speed; a drive with speed-up and speed-down commands (never
// both), a running feedback, a run command and a drive fault. It draws a
// round body with its outlet and an impeller that turns with the speed
// while the running feedback is on (the repaint timer paints it every 90
// ms).
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/CntrFglPmpAttribs.h"

class C_CntrFglPmp : public C_BaseShape {
 public:
  // The second option word places the outlet (PumpOutletPolygon); bits
  // 20-23 of the style word mark a two-speed drive (menu texts High/Low).
  explicit C_CntrFglPmp(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // Each paint of a running pump turns the impeller a step further.
  void DrawShape(CDC* dc) override;
  // "&Action": C_CntrFglPmpAction, modally.
  void ShowActionDialog() override;
  double GetImpellerAngle() const { return m_dAngle; }

 private:
  double m_dAngle = 0.0;  // the impeller's angle (radians), never reset
};
