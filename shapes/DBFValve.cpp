#include "shapes/DBFValve.h"

#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/actions/DBFValveAction.h"

namespace {

ShapeClassDef MakeDbfValveClassDef() {
  ShapeClassDef def;
  def.controlType = CT_DBF_VALVE;
  def.attribs = ShapeAttribTable::Builder(PortRule::Stored)
                    .Colors(0xFFFFFF, 0x00009D, 0x40FF00)
                    .Float({"ReserveFloat1"})
                    .Analog(AnalogSpec("Position", "Kgr/h", 100.0))
                    .Bool({"ReserveBool1", "LlaFlgPosition", "HlaFlgPosition", "LocalCntrlPosition",
                           "AutoCntrlPosition", "DoIncreasePosition", "DoDecreasePosition", "DiOnOffPosition",
                           "DiOnAlarmPosition", "DoOnOffPosition"})
                    .Int({"ReserveInt1"})
                    .String({"ReserveStr1"})
                    .Build();
  def.boolRules.alarmBlink = {DV_DiOnAlarmPosition};
  def.boolRules.drives = {
      {DV_DoIncreasePosition, DV_DoDecreasePosition, DV_DiOnOffPosition, DV_DoOnOffPosition}};
  def.menu.menuId = IDR_SHAPE_MENU_DBF_VALVE;
  def.menu.items = {{ID_DBFVALVE_TAKE_ONOFF, ShapeMenuAction::ToggleRun, DV_DoOnOffPosition},
                    {ID_DBFVALVE_ACTION, ShapeMenuAction::Action},
                    {ID_DBFVALVE_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

}  // namespace

const ShapeClassDef& C_DBFValve::ClassDef() {
  static const ShapeClassDef def = MakeDbfValveClassDef();
  return def;
}

C_DBFValve::C_DBFValve(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {}

void C_DBFValve::ShowActionDialog() {
  C_DBFValveAction dialog(this);
  dialog.DoModal();
}

void C_DBFValve::LayoutShape(const CRect& client) {
  m_layout = DbfFlapLayoutFor(client.Width(), client.Height(), GetCreateInfo().nOption2);
}

void C_DBFValve::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  const bool open = GetAttribBool(DV_DiOnOffPosition);
  dc->FillSolidRect(client, static_cast<COLORREF>(GetAttribInt(open ? BA_ColorBody : BA_ColorFG)));
  const double angle = DbfFlapAngle(m_layout, GetAnalogUnit(0)->GetValue(), open);
  const std::array<CPoint, 6> flap = DbfFlapPolygon(m_layout, angle);
  {
    ShapeFillScope fill(dc, static_cast<COLORREF>(GetAttribInt(BA_ColorBG)));
    dc->Polygon(flap.data(), static_cast<int>(flap.size()));
    dc->Ellipse(DbfPivotEllipse(m_layout, client.Width(), client.Height()));
  }
  DrawFrame(dc);
}
