#include "shapes/HtZn.h"

#include "platform/ui/Pen.h"
#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/ShapeText.h"

namespace {

constexpr const char* kGroups[] = {"Temperature", "Pressure", "Fuel", "Air"};

// Offsets of the companions within a group's nine.
enum : int { kLlaFlg, kHlaFlg, kLocalCntrl, kAutoCntrl, kDoIncrease, kDoDecrease, kDiOnOff, kDiOnAlarm, kDoOnOff };

ShapeClassDef MakeHtZnClassDef() {
  ShapeClassDef def;
  def.controlType = CT_HEAT_ZONE;
  // Port values are kept as they come and never converted.
  ShapeAttribTable::Builder table(PortRule::Stored);
  table.Colors(0xD7D7FF, 0xC0C0C0, 0xFFFFFF)
      .Float({"ReserveFloat1"})
      .Analog(AnalogSpec("Temperature", "\u00B0C", 2000.0))
      .Analog(AnalogSpec("Pressure", "%", 100.0))
      .Analog(AnalogSpec("Fuel", "mmH2o", 100.0))
      .Analog(AnalogSpec("Air", "", 100.0))  // the unit's own text
      .Bool({"ReserveBool1"});
  for (const char* group : kGroups) table.Companions(group, AllCompanionPrefixes());
  def.attribs = table.Int({"ReserveInt1"}).String({"ReserveStr1"}).Build();
  for (int group = 0; group < 4; ++group) {
    for (const int offset : {kLlaFlg, kHlaFlg, kDiOnAlarm}) def.boolRules.alarmBlink.push_back(HtZnCompanionId(group, offset));
    def.boolRules.drives.push_back({HtZnCompanionId(group, kDoIncrease), HtZnCompanionId(group, kDoDecrease),
                                    HtZnCompanionId(group, kDiOnOff), HtZnCompanionId(group, kDoOnOff)});
  }
  // "&Action" has no dialog: the base answers "No Action defined!".
  def.menu.menuId = IDR_SHAPE_MENU_HEAT_ZONE;
  def.menu.items = {{ID_HTZN_TAKE_ONOFF, ShapeMenuAction::ToggleRun, HZ_DoOnOffFuel},
                    {ID_HTZN_ACTION, ShapeMenuAction::Action},
                    {ID_HTZN_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

constexpr COLORREF kAlarmColor = 0x0000FF;
constexpr COLORREF kWarningColor = 0x00FFFF;

}  // namespace

const ShapeClassDef& C_HtZn::ClassDef() {
  static const ShapeClassDef def = MakeHtZnClassDef();
  return def;
}

C_HtZn::C_HtZn(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {}

void C_HtZn::LayoutShape(const CRect& client) {
  const ShapeCreateInfo& info = GetCreateInfo();
  m_outline = HeatZoneOutline(client.Width(), client.Height(), info.nOption1, info.nOption2);
  m_nFlameRoom = HeatZoneFlameRoom(m_outline, client.Width(), client.Height());
}

void C_HtZn::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  const COLORREF bg = static_cast<COLORREF>(GetAttribInt(BA_ColorBG));
  const COLORREF fg = static_cast<COLORREF>(GetAttribInt(BA_ColorFG));
  if (!m_outline.empty()) {
    CPen outline(PS_SOLID, 1, 0x000000);
    CPen* oldPen = dc->SelectObject(&outline);
    {
      ShapeFillScope chamber(dc, bg, true);
      dc->Polygon(m_outline.data(), static_cast<int>(m_outline.size()));
    }
    dc->SelectObject(oldPen);
    const std::vector<CPoint> level = HeatZoneLevel(m_outline, GetAnalogUnit(0)->GetValue());
    if (!level.empty()) {
      ShapeFillScope heat(dc, fg);
      dc->Polygon(level.data(), static_cast<int>(level.size()));
    }
  }

  const bool burning = GetAttribBool(HZ_DiOnOffFuel);
  if (IsAnyAlarmActive()) {
    if (const CAlarmStruct* alarm = FirstShownAlarm(*this)) {
      DrawShapeText(dc, alarm->GetName(), client, alarm->GetId() == 1 ? kWarningColor : kAlarmColor);
    }
  } else {
    const COLORREF under = burning ? bg : static_cast<COLORREF>(GetAttribInt(BA_ColorBody));
    DrawShapeText(dc, GetDeviceCaption(), client, ComplementColor(under));
  }

  if (burning && m_nFlameRoom > 0) {
    AdvanceFlames(m_flames, GetAnalogUnit(1)->GetValue(), m_nFlameRoom);
    if (static_cast<int>(GetCreateInfo().dwStyle) > 0) {
      CPen outline(PS_SOLID, 1, 0x000000);
      CPen* oldPen = dc->SelectObject(&outline);
      ShapeFillScope flame(dc, fg, true);
      for (const std::array<CPoint, 5>& polygon : FlamePolygons(m_flames, client.Width(), client.Height())) {
        dc->Polygon(polygon.data(), static_cast<int>(polygon.size()));
      }
      dc->SelectObject(oldPen);
    }
  }
  DrawFrame(dc);
}
