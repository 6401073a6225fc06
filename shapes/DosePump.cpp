#include "shapes/DosePump.h"

#include "platform/ui/DC.h"
#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/ShapeText.h"
#include "shapes/actions/DosePumpAction.h"

namespace {

ShapeClassDef MakeDosePumpClassDef() {
  ShapeClassDef def;
  def.controlType = CT_DOSE_PUMP;
  def.attribs = ShapeAttribTable::Builder(PortRule::AutoCalc)
                    .Colors(0x73B43C, 0xFAFADC, 0x005A00)
                    .Float({"ReserveFloat1"})
                    .Analog(AnalogSpec("Stroke", "Kg/St", 10.0))
                    .Analog(AnalogSpec("Speed", "RPM", 100.0))
                    .Analog(AnalogSpec("Flow", "Kg/h", 1000.0))
                    .Float({"InputPressure"})
                    .Bool({"ReserveBool1"})
                    .Companions("Stroke", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl", "DoIncrease", "DoDecrease"})
                    .Companions("Speed", AllCompanionPrefixes())
                    .Companions("Flow", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl"})
                    .Int({"ReserveInt1"})
                    .String({"ReserveStr1"})
                    .Build();
  def.boolRules.alarmBlink = {DP_LlaFlgSpeed, DP_HlaFlgSpeed, DP_DiOnAlarmSpeed};
  def.boolRules.drives = {{DP_DoIncreaseSpeed, DP_DoDecreaseSpeed, DP_DiOnOffSpeed, DP_DoOnOffSpeed}};
  // Unlike the centrifugal pump's, the speed items stay enabled while off.
  def.menu.menuId = IDR_SHAPE_MENU_DOSE_PUMP;
  def.menu.items = {{ID_DOSEPUMP_TAKE_ONOFF, ShapeMenuAction::ToggleRun, DP_DoOnOffSpeed},
                    {ID_DOSEPUMP_INCREASE, ShapeMenuAction::ToggleIncrease, DP_DoIncreaseSpeed},
                    {ID_DOSEPUMP_DECREASE, ShapeMenuAction::ToggleDecrease, DP_DoDecreaseSpeed},
                    {ID_DOSEPUMP_ACTION, ShapeMenuAction::Action},
                    {ID_DOSEPUMP_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

}  // namespace

const ShapeClassDef& C_DosePump::ClassDef() {
  static const ShapeClassDef def = MakeDosePumpClassDef();
  return def;
}

C_DosePump::C_DosePump(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {}

void C_DosePump::LayoutShape(const CRect& client) {
  m_layout = DosePumpLayoutFor(client, GetCreateInfo().nOption2);
}

void C_DosePump::OnAttribChanged(CVAttrib* attrib, int code) {
  C_BaseShape::OnAttribChanged(attrib, code);
  if (code != AC_VALUE || (attrib->GetId() != DP_Stroke && attrib->GetId() != DP_Speed)) return;
  const double speed = GetAttribFloat(DP_Speed);
  if (speed <= 0.0) return;  // a stopped pump keeps its last flow
  SetAttribFloat(DP_Flow, static_cast<float>(GetAttribFloat(DP_Stroke) * speed * 60.0));
}

void C_DosePump::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  const COLORREF body = static_cast<COLORREF>(GetAttribInt(BA_ColorBody));
  const COLORREF fg = static_cast<COLORREF>(GetAttribInt(BA_ColorFG));
  dc->FillSolidRect(client, RecipeBackgroundColor(*this, DP_LocalCntrlSpeed));
  dc->FillSolidRect(m_layout.body, body);
  dc->FillSolidRect(m_layout.caption, body);
  dc->FillSolidRect(m_layout.cylinder, fg);

  const bool running = GetAttribBool(DP_DiOnOffSpeed);
  if (running) {
    AdvancePiston(m_piston, GetAnalogUnit(1)->GetValue(), GetAnalogUnit(0)->GetValue(), PistonTravel(m_layout));
  }
  dc->FillSolidRect(PistonRect(m_layout, m_piston.position), body);

  if (IsAnyAlarmActive()) {
    if (const CAlarmStruct* alarm = FirstShownAlarm(*this)) {
      DrawShapeText(dc, alarm->GetName(), m_layout.caption, alarm->GetId() == 1 ? 0x00FFFF : 0x0000FF);
    }
  } else {
    DrawShapeText(dc, GetDeviceCaption(), m_layout.caption, running ? fg : ComplementColor(body));
  }
  DrawFrame(dc);
}

void C_DosePump::ShowActionDialog() {
  C_DosePumpAction dialog(this);
  dialog.DoModal();
}
