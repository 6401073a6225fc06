#include "shapes/RtryWhl.h"

#include "attrib/PlantServices.h"
#include "platform/ui/Pen.h"
#include "res/ShapeResources.h"
#include "shapes/ImpellerGeometry.h"
#include "shapes/ShapeDraw.h"
#include "shapes/actions/RtryWhlAction.h"

namespace {

ShapeClassDef MakeRtryWhlClassDef() {
  ShapeClassDef def;
  def.controlType = CT_RTRY_WHL;
  def.attribs = MakeCntrFglPmpAttribTable(PortRule::Stored, 0x808080, 0x6EB43C, 0xFAFADC, "RPM", 1000.0);
  // No interlocks in the setter: the wheel reacts in OnAttribChanged.
  def.menu.menuId = IDR_SHAPE_MENU_RTRY_WHL;
  def.menu.items = {{ID_RTRYWHL_TAKE_ONOFF, ShapeMenuAction::ToggleRun, CP_DoOnOffSpeed},
                    {ID_RTRYWHL_ACTION, ShapeMenuAction::Action},
                    {ID_RTRYWHL_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

}  // namespace

const ShapeClassDef& C_RtryWhl::ClassDef() {
  static const ShapeClassDef def = MakeRtryWhlClassDef();
  return def;
}

C_RtryWhl::C_RtryWhl(const ShapeCreateInfo& info, int iniIndex)
    : C_BaseShape(iniIndex, info, ClassDef()),
      m_nBlades(WheelBladeCount(info.nOption1)),
      m_nDirection(WheelDirection(info.nOption1)) {
  AddAlarm(kOverloadAlarmId, "OVR");
}

void C_RtryWhl::OnAttribChanged(CVAttrib* attrib, int code) {
  C_BaseShape::OnAttribChanged(attrib, code);
  if (code != AC_VALUE || attrib->GetDataType() != VT_BOOL) return;
  const bool value = VariantToBool(*attrib->GetValue());
  switch (attrib->GetId()) {
    case CP_DiOnOffSpeed:
      if (value) StartBlinkTimer();
      break;
    case CP_DiOnAlarmSpeed:
      SetAlarmBlink(value);
      break;
    case CP_DoOnOffSpeed:
      OnRunCommand(value);
      break;
    default:
      break;
  }
}

void C_RtryWhl::OnRunCommand(bool on) {
  // Without hardware (Demo) or without a feedback tag the feedback follows.
  if (IsPlantDemoSource() || !IsAttribBound(CP_DiOnOffSpeed)) SetAttribBool(CP_DiOnOffSpeed, on);
  if (!on) {
    SetAttribBool(CP_DoDecreaseSpeed, false);
    SetAttribBool(CP_DoIncreaseSpeed, false);
    return;
  }
  StartBlinkTimer();
  if (GetAttribBool(CP_DoDecreaseSpeed) || GetAttribBool(CP_DoIncreaseSpeed)) return;
  switch (GetAttribInt(BA_ActuatorControlType)) {
    case 0:
    case 2:
      SetAttribBool(CP_DoDecreaseSpeed, true);  // low speed first
      break;
    case 1:
      SetAttribBool(CP_DoIncreaseSpeed, true);
      break;
    default:
      break;  // neither
  }
}

void C_RtryWhl::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  if (GetAttribBool(CP_DiOnOffSpeed)) m_dAngle = AdvanceWheel(m_dAngle, GetAnalogUnit(0)->GetValue(), m_nDirection);

  const COLORREF fg = static_cast<COLORREF>(GetAttribInt(BA_ColorFG));
  CPen rim(PS_SOLID, 3, fg);
  CPen* oldPen = dc->SelectObject(&rim);
  {
    ShapeFillScope body(dc, static_cast<COLORREF>(GetAttribInt(BA_ColorBody)), true);
    dc->Ellipse(client);
  }
  CPen outline(PS_SOLID, 1, 0x000000);
  dc->SelectObject(&outline);
  const std::vector<CPoint> blades = PolarRecordPoints(
      WheelBladeRecords(client.Width(), m_nBlades, m_dAngle, GetCreateInfo().nOption2), client.CenterPoint());
  if (!blades.empty()) {
    ShapeFillScope fill(dc, fg, true);
    dc->Polygon(blades.data(), static_cast<int>(blades.size()));
  }
  dc->SelectObject(oldPen);
  DrawFrame(dc);
}

void C_RtryWhl::ShowActionDialog() {
  C_RtryWhlAction dialog(this);
  dialog.DoModal();
}
