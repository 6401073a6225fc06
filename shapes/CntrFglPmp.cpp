#include "shapes/CntrFglPmp.h"

#include "platform/ui/Pen.h"
#include "res/ShapeResources.h"
#include "shapes/ImpellerGeometry.h"
#include "shapes/ShapeDraw.h"
#include "shapes/actions/CntrFglPmpAction.h"

ShapeAttribTable MakeCntrFglPmpAttribTable(PortRule portRule, COLORREF bg, COLORREF fg, COLORREF body,
                                           const std::string& unitText, double maxSpeed) {
  return ShapeAttribTable::Builder(portRule)
      .Colors(bg, fg, body)
      .Float({"ReserveFloat1"})
      .Analog(AnalogSpec("Speed", unitText, maxSpeed))
      .Bool({"ReserveBool1"})
      .Companions("Speed", AllCompanionPrefixes())
      .Int({"ReserveInt1"})
      .String({"ReserveStr1"})
      .Build();
}

namespace {

ShapeClassDef MakeCntrFglPmpClassDef() {
  ShapeClassDef def;
  def.controlType = CT_CNTR_FGL_PUMP;
  // The raw port value is kept inside its own range before it converts.
  def.attribs = MakeCntrFglPmpAttribTable(PortRule::ClampAutoCalc, 0x808080, 0x5AAFFF, 0x6EB43C, "Kgr/h", 100.0);
  def.boolRules.alarmBlink = {CP_DiOnAlarmSpeed};
  def.boolRules.drives = {{CP_DoIncreaseSpeed, CP_DoDecreaseSpeed, CP_DiOnOffSpeed, CP_DoOnOffSpeed}};
  def.menu.menuId = IDR_SHAPE_MENU_CNTR_FGL_PMP;
  def.menu.items = {{ID_CNTRFGLPMP_TAKE_ONOFF, ShapeMenuAction::ToggleRun, CP_DoOnOffSpeed},
                    {ID_CNTRFGLPMP_INCREASE, ShapeMenuAction::ToggleIncrease, CP_DoIncreaseSpeed},
                    {ID_CNTRFGLPMP_DECREASE, ShapeMenuAction::ToggleDecrease, CP_DoDecreaseSpeed},
                    {ID_CNTRFGLPMP_ACTION, ShapeMenuAction::Action},
                    {ID_CNTRFGLPMP_PROPERTIES, ShapeMenuAction::Properties}};
  // The speed commands are offered only while the pump is commanded on.
  def.menu.speedNeedsRunId = CP_DoOnOffSpeed;
  return def;
}

}  // namespace

const ShapeClassDef& C_CntrFglPmp::ClassDef() {
  static const ShapeClassDef def = MakeCntrFglPmpClassDef();
  return def;
}

C_CntrFglPmp::C_CntrFglPmp(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {}

void C_CntrFglPmp::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  const int orientation = GetCreateInfo().nOption2;
  const bool local = GetAttribBool(CP_LocalCntrlSpeed);
  dc->FillSolidRect(client, local ? static_cast<COLORREF>(GetAttribInt(BA_ColorBgLocal)) : GetMimicBgColor());
  if (GetAttribBool(CP_DiOnOffSpeed)) m_dAngle = AdvancePumpImpeller(m_dAngle, GetAnalogUnit(0)->GetValue(), orientation);

  CPen outline(PS_SOLID, 1, 0x000000);
  CPen* oldPen = dc->SelectObject(&outline);
  {
    ShapeFillScope body(dc, static_cast<COLORREF>(GetAttribInt(BA_ColorBody)), true);
    dc->Ellipse(client);
  }
  {
    const std::array<CPoint, 4> outlet = PumpOutletPolygon(client.Width(), client.Height(), orientation);
    ShapeFillScope body(dc, static_cast<COLORREF>(GetAttribInt(BA_ColorBody)));
    dc->Polygon(outlet.data(), static_cast<int>(outlet.size()));
  }
  {
    const std::vector<CPoint> impeller = PolarRecordPoints(
        PumpImpellerRecords(client.Width(), m_dAngle, orientation), client.CenterPoint());
    ShapeFillScope vanes(dc, static_cast<COLORREF>(GetAttribInt(BA_ColorFG)), true);
    dc->Polygon(impeller.data(), static_cast<int>(impeller.size()));
  }
  dc->SelectObject(oldPen);
  DrawFrame(dc);
}

void C_CntrFglPmp::ShowActionDialog() {
  C_CntrFglPmpAction dialog(this);
  dialog.DoModal();
}
