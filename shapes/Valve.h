// C_Valve: the on/off valve of the mimic (the plant's return valve). It has
// one analog group, Position, a low-flow and a high-flow actuator output
// and an open feedback. Opening it chooses a flow output by the actuator
// control type, the feedback follows the command in Demo (or when the
// feedback has no tag), and, while Position has no tag of its own, the
// position follows the feedback and the flow outputs. It draws two wedges
// across its pipe that part while the valve is open.
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/ValveAttribs.h"
#include "shapes/ValveGeometry.h"

class C_Valve : public C_BaseShape {
 public:
  // The second option word 1 puts the valve in a vertical pipe, any other
  // value in a horizontal one; bits 28-31 of the style word choose how the
  // open state is drawn (ValveDrawnOpen).
  explicit C_Valve(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  // The reactions to the commands and feedbacks (after the pack's own).
  void OnAttribChanged(CVAttrib* attrib, int code) override;
  void DrawShape(CDC* dc) override;
  // "&Action": C_ValveAction, modally.
  void ShowActionDialog() override;

  bool IsVertical() const { return GetCreateInfo().nOption2 == 1; }
  const ValveWedges& GetClosedWedges() const { return m_closed; }

 protected:
  void LayoutShape(const CRect& client) override;

 private:
  // Position from the feedback and the flow outputs, unless Position has a tag.
  void UpdatePosition();

  ValveWedges m_closed;  // the closed form, laid out at creation
};
