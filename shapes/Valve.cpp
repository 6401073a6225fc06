#include "shapes/Valve.h"

#include "attrib/PlantServices.h"
#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/actions/ValveAction.h"

namespace {

ShapeClassDef MakeValveClassDef() {
  ShapeClassDef def;
  def.controlType = CT_VALVE;
  def.attribs = ShapeAttribTable::Builder(PortRule::Stored)
                    .Colors(0x00D7FF, 0xFAFADC, 0x000000)
                    .Float({"ReserveFloat1"})
                    .Analog(AnalogSpec("Position", "Kgr/h", 1000.0))
                    .Bool({"ReserveBool1", "LlaFlgPosition", "HlaFlgPosition", "LocalCntrlPosition",
                           "AutoCntrlPosition", "DoOnOffPosition", "DiOnOffPosition", "DoLowFlow", "DoHighFlow",
                           "DiOnAlarmPosition"})
                    .Int({"ReserveInt1"})
                    .String({"ReserveStr1"})
                    .Build();
  // The valve's reactions run after a change (OnAttribChanged), not as
  // interlocks of the setter.
  def.menu.menuId = IDR_SHAPE_MENU_VALVE;
  def.menu.items = {{ID_VALVE_TAKE_ONOFF, ShapeMenuAction::ToggleRun, VA_DoOnOffPosition},
                    {ID_VALVE_ACTION, ShapeMenuAction::Action},
                    {ID_VALVE_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

}  // namespace

const ShapeClassDef& C_Valve::ClassDef() {
  static const ShapeClassDef def = MakeValveClassDef();
  return def;
}

C_Valve::C_Valve(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {}

void C_Valve::LayoutShape(const CRect& client) {
  m_closed = ValveClosedWedges(client.Width(), client.Height(), IsVertical());
}

void C_Valve::ShowActionDialog() {
  C_ValveAction dialog(this);
  dialog.DoModal();
}

void C_Valve::OnAttribChanged(CVAttrib* attrib, int code) {
  C_BaseShape::OnAttribChanged(attrib, code);
  if (code != AC_VALUE) return;
  const int id = attrib->GetId();
  const bool value = VariantToBool(*attrib->GetValue());
  switch (id) {
    case VA_DoOnOffPosition:
      // Without hardware (Demo) or without a feedback tag the feedback follows.
      if (IsPlantDemoSource() || !IsAttribBound(VA_DiOnOffPosition)) SetAttribBool(VA_DiOnOffPosition, value);
      if (!value) {
        SetAttribBool(VA_DoLowFlow, false);
        SetAttribBool(VA_DoHighFlow, false);
        break;
      }
      StartBlinkTimer();
      if (GetAttribBool(VA_DoLowFlow) || GetAttribBool(VA_DoHighFlow)) break;
      switch (GetAttribInt(BA_ActuatorControlType)) {
        case 0:
        case 2:
          SetAttribBool(VA_DoLowFlow, true);
          break;
        case 1:
          SetAttribBool(VA_DoHighFlow, true);
          break;
        default:
          break;  // neither output
      }
      break;
    case VA_DiOnOffPosition:
      if (value) StartBlinkTimer();
      // Also when the feedback drops, so a closed valve is not drawn open.
      UpdatePosition();
      break;
    case VA_DoLowFlow:
    case VA_DoHighFlow:
      if (value) {
        SetAttribBool(id == VA_DoLowFlow ? VA_DoHighFlow : VA_DoLowFlow, false);
        SetAttribBool(VA_DoOnOffPosition, true);
      }
      UpdatePosition();
      break;
    case VA_DiOnAlarmPosition:
      SetAlarmBlink(value);
      break;
    default:
      break;
  }
}

void C_Valve::UpdatePosition() {
  if (IsAttribBound(VA_Position)) return;  // a position sensor tells
  const bool open = GetAttribBool(VA_DiOnOffPosition);
  const float min = GetAttribFloat(VA_MinVluPosition);
  const float max = GetAttribFloat(VA_MaxVluPosition);
  if (open && GetAttribBool(VA_DoLowFlow) && !GetAttribBool(VA_DoHighFlow)) {
    SetAttribFloat(VA_Position, (min + max) * 0.5f);
  } else {
    SetAttribFloat(VA_Position, open ? max : min);
  }
}

void C_Valve::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  const bool local = GetAttribBool(VA_LocalCntrlPosition);
  dc->FillSolidRect(client, local ? static_cast<COLORREF>(GetAttribInt(BA_ColorBgLocal)) : GetMimicBgColor());
  const bool vertical = IsVertical();
  const ValveWedges wedges =
      ValveDrawnOpen(GetCreateInfo().dwStyle, GetAttribBool(VA_DiOnOffPosition))
          ? ValveOpenWedges(client.Width(), client.Height(), vertical, ValveOpeningGap(GetAnalogUnit(0)->GetValue()))
          : m_closed;
  {
    ShapeFillScope fill(dc, static_cast<COLORREF>(GetAttribInt(BA_ColorBG)));
    dc->Polygon(wedges.first.data(), static_cast<int>(wedges.first.size()));
    dc->Polygon(wedges.second.data(), static_cast<int>(wedges.second.size()));
  }
  dc->FillSolidRect(ValvePassage(wedges, vertical, client.Width(), client.Height()),
                    static_cast<COLORREF>(GetAttribInt(BA_ColorFG)));
  DrawFrame(dc);
}
