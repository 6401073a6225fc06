// C_DBFValve: the diverter flap valve of the mimic (the hot-air and the
// powder diverters). It has one analog group, Position, and the drive
// commands of its flap (increase and decrease, never both), an open
// feedback and an actuator fault. It draws its flap turned by the position
// while the feedback is on, on green (open) or dark red (closed).
// Threads: user-interface thread, like every shape.
#pragma once

#include "shapes/BaseShape.h"
#include "shapes/ValveAttribs.h"
#include "shapes/ValveGeometry.h"

class C_DBFValve : public C_BaseShape {
 public:
  // The second option word chooses the flap's layout (DbfFlapLayoutFor).
  explicit C_DBFValve(const ShapeCreateInfo& info, int iniIndex = SHAPE_SETTINGS_INI_INDEX);

  static const ShapeClassDef& ClassDef();

  void DrawShape(CDC* dc) override;
  // "&Action": C_DBFValveAction, modally.
  void ShowActionDialog() override;
  const DbfFlapLayout& GetFlapLayout() const { return m_layout; }

 protected:
  void LayoutShape(const CRect& client) override;

 private:
  DbfFlapLayout m_layout;  // laid out at creation
};
