#include "shapes/Vessel.h"

#include "attrib/AlarmStruct.h"
#include "core/VekUtils.h"
#include "platform/ui/DC.h"
#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/ShapeText.h"
#include "shapes/pages/VesselSettingPropPage.h"

namespace {

ShapeClassDef MakeVesselClassDef() {
  ShapeClassDef def;
  def.controlType = CT_VESSEL;
  def.attribs = ShapeAttribTable::Builder(PortRule::AutoCalc)
                    .Colors(0x6EB43C, 0xE1FFFF, 0xFF0000)
                    .Float({"ReserveFloat1"})
                    .Analog(AnalogSpec("Level", "Kg", 1000.0))
                    .Analog(AnalogSpec("Speed", "RPM", 1000.0))
                    .Analog(AnalogSpec("Temperature", "\u00B0C", 1000.0))
                    .Float({"TareLevel", "OverloadWarningLevel", "OverloadErrorLevel"})
                    .Bool({"ReserveBool1"})
                    .Companions("Level", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl"})
                    .Companions("Speed", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl", "DiOnOff", "DoOnOff",
                                          "DiOnAlarm"})
                    .Companions("Temperature", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl"})
                    .Int({"ReserveInt1"})
                    .String({"ReserveStr1"})
                    .Default("TareLevel", 0.2)
                    .Default("OverloadWarningLevel", 5.0)
                    .Default("OverloadErrorLevel", 30.0)
                    .Build();
  def.boolRules.alarmBlink = {VS_LlaFlgLevel, VS_HlaFlgLevel, VS_LlaFlgSpeed, VS_DiOnAlarmSpeed};
  // The running drive moves the mark: both switch the repaint timer on.
  def.boolRules.blinkOnTrue = {VS_DiOnOffSpeed, VS_DoOnOffSpeed};
  def.menu.menuId = IDR_SHAPE_MENU_VESSEL;
  def.menu.items = {{ID_VESSEL_TAKE_ONOFF, ShapeMenuAction::ToggleRun, VS_DoOnOffSpeed},
                    {ID_VESSEL_ACTION, ShapeMenuAction::Action},
                    {ID_VESSEL_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

// The bands in drawing order, by the index of their style nibble.
constexpr int kBandCaption = 3, kBandLevel = 2, kBandTemperature = 4, kBandMark = 0, kBandMarkOneWay = 1;

}  // namespace

const ShapeClassDef& C_Vessel::ClassDef() {
  static const ShapeClassDef def = MakeVesselClassDef();
  return def;
}

C_Vessel::C_Vessel(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {
  AddAlarm(VS_ALARM_CHLFR, "CHLFR");
  AddAlarm(VS_ALARM_CHOVR, "CHOVR");
  AddAlarm(VS_ALARM_DCHLFR, "DCHLFR");
  AddAlarm(VS_ALARM_AM, "AM");
  // Until the window exists, the outline is the full client rectangle.
  m_outline = LayoutVesselOutline(0, 0, info.cx, info.cy);
}

void C_Vessel::LayoutShape(const CRect& client) {
  m_outline = LayoutVesselOutline(GetVesselType(), static_cast<DWORD>(GetCreateInfo().nOption1), client.Width(),
                                  client.Height());
}

COLORREF C_Vessel::GetBodyColor() const { return RecipeBackgroundColor(*this, VS_LocalCntrlLevel); }

COLORREF C_Vessel::GetFillColor() const {
  return static_cast<COLORREF>(GetAttribInt(GetAttribBool(BA_DeviceIsOverloaded) ? BA_ColorFgOverload : BA_ColorFG));
}

std::string C_Vessel::GetCaptionBandText(COLORREF* color) const {
  if (const CAlarmStruct* alarm = FirstShownAlarm(*this)) {
    const int id = alarm->GetId();
    *color = id == VS_ALARM_CHLFR || id == VS_ALARM_CHOVR ? 0x0000FF : 0x00FFFF;
    return alarm->GetName();
  }
  *color = 0x000000;
  return GetDeviceCaption();
}

std::string C_Vessel::GetLevelText() const {
  const std::string format = std::string(GetPrecisionFormat(GetAttribFloat(VS_MaxVluLevel))) + " %s";
  return FormatText(format.c_str(), static_cast<double>(GetAttribFloat(VS_Level)),
                    GetAnalogUnit(0)->GetUnitText().c_str());
}

std::string C_Vessel::GetTemperatureText() const {
  return FormatText("%0.1f %s", static_cast<double>(GetAttribFloat(VS_Temperature)),
                    GetAnalogUnit(2)->GetUnitText().c_str());
}

void C_Vessel::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  {
    const std::vector<CPoint> outline = VesselPolygon(m_outline, 0);
    ShapeFillScope fill(dc, GetBodyColor());
    dc->Polygon(outline.data(), static_cast<int>(outline.size()));
  }
  const std::vector<CPoint> level = VesselLevelPolygon(m_outline, GetAnalogUnit(0)->GetValue());
  if (!level.empty()) {
    ShapeFillScope fill(dc, GetFillColor());
    dc->Polygon(level.data(), static_cast<int>(level.size()));
  }
  DrawBands(dc, client);
  DrawFrame(dc);
}

void C_Vessel::DrawBands(CDC* dc, const CRect& client) {
  const DWORD style = GetCreateInfo().dwStyle;
  const int width = client.Width(), height = client.Height();
  // A band without a colour of its own keeps the colour of the one before.
  COLORREF textColor = 0x000000;
  auto drawText = [&](int bandIndex, const std::string& text) {
    const int nibble = VesselStyleNibble(style, bandIndex);
    if (nibble == 0) return;
    CRect band = VesselBandRect(nibble, width, height);
    band.DeflateRect(1, 0);  // inside the state frame
    DrawShapeText(dc, text, band, textColor);
  };
  if (VesselStyleNibble(style, kBandCaption) != 0) {
    const std::string caption = GetCaptionBandText(&textColor);
    drawText(kBandCaption, caption);
  }
  if (VesselStyleNibble(style, kBandLevel) != 0) {
    textColor = 0x000040;
    drawText(kBandLevel, GetLevelText());
  }
  drawText(kBandTemperature, GetTemperatureText());

  // One mark moves per paint; each of the two bands shows it at its height.
  const int markNibble = VesselStyleNibble(style, kBandMark);
  const int oneWayNibble = VesselStyleNibble(style, kBandMarkOneWay);
  if (markNibble == 0 && oneWayNibble == 0) return;
  const int firstY = VesselBandRect(markNibble != 0 ? markNibble : oneWayNibble, width, height).CenterPoint().y;
  AdvanceVesselMark(m_mark, VesselMarkTravel(m_outline, firstY, width, height), GetAnalogUnit(1)->GetValue(),
                    GetAttribBool(VS_DiOnOffSpeed), oneWayNibble == 0);
  ShapeFillScope fill(dc, 0x000000);
  for (int nibble : {markNibble, oneWayNibble}) {
    if (nibble == 0) continue;
    const int y = VesselBandRect(nibble, width, height).CenterPoint().y;
    const int travel = VesselMarkTravel(m_outline, y, width, height);
    dc->Rectangle(VesselMarkRect(travel, std::min(m_mark.position, travel), y, width));
  }
}

void C_Vessel::AddPropertyPages(CPropertySheet* sheet) {
  AddOwnedPage(sheet, std::make_unique<C_VesselSettingPropPage>());
  C_BaseShape::AddPropertyPages(sheet);
}
