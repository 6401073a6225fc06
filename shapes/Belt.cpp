#include "shapes/Belt.h"

#include "platform/Seams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Pen.h"
#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/ShapeText.h"
#include "shapes/actions/BeltAction.h"

namespace {

constexpr COLORREF kStoppedCaptionColor = 0xBEBEBE;
constexpr COLORREF kAlarmColor = 0x0000FF;

ShapeClassDef MakeBeltClassDef() {
  ShapeClassDef def;
  def.controlType = CT_BELT;
  def.attribs = ShapeAttribTable::Builder(PortRule::AutoCalc)
                    .Colors(0x000000, 0x73B43C, 0x00D7FF)
                    .Float({"ReserveFloat1"})
                    .Analog(AnalogSpec("Speed", "m/h", 1000.0))
                    .Analog(AnalogSpec("Load", "Kg/m", 1000.0))
                    .Analog(AnalogSpec("Flow", "Kg/h", 1000.0))
                    .Bool({"ReserveBool1"})
                    .Companions("Speed", AllCompanionPrefixes())
                    .Companions("Load", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl"})
                    .Companions("Flow", {"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl"})
                    .Int({"ReserveInt1"})
                    .String({"ReserveStr1"})
                    .Build();
  def.boolRules.alarmBlink = {BE_LlaFlgSpeed, BE_HlaFlgSpeed, BE_DiOnAlarmSpeed};
  def.boolRules.drives = {{BE_DoIncreaseSpeed, BE_DoDecreaseSpeed, BE_DiOnOffSpeed, BE_DoOnOffSpeed}};
  def.menu.menuId = IDR_SHAPE_MENU_BELT;
  def.menu.items = {{ID_BELT_TAKE_ONOFF, ShapeMenuAction::ToggleRun, BE_DoOnOffSpeed},
                    {ID_BELT_INCREASE, ShapeMenuAction::ToggleIncrease, BE_DoIncreaseSpeed},
                    {ID_BELT_DECREASE, ShapeMenuAction::ToggleDecrease, BE_DoDecreaseSpeed},
                    {ID_BELT_ACTION, ShapeMenuAction::Action},
                    {ID_BELT_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

}  // namespace

const ShapeClassDef& C_Belt::ClassDef() {
  static const ShapeClassDef def = MakeBeltClassDef();
  return def;
}

C_Belt::C_Belt(const ShapeCreateInfo& info, int iniIndex) : C_BaseShape(iniIndex, info, ClassDef()) {}

void C_Belt::LayoutShape(const CRect& client) {
  m_layout = BeltLayoutFor(client);
  if (IsValidBeltOrientation(GetCreateInfo().nOption2)) return;
  MessageBox("Error at select mode type", "Internal Error !", MB_ICONINFORMATION | MB_SYSTEMMODAL);
  PostQuitMessage(5);
}

void C_Belt::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  DrawPulleys(dc, RecipeBackgroundColor(*this, BE_LocalCntrlSpeed));
  DrawTexts(dc);
  DrawFrame(dc);
}

void C_Belt::DrawPulleys(CDC* dc, COLORREF background) {
  const COLORREF fg = static_cast<COLORREF>(GetAttribInt(BA_ColorFG));
  const BeltLayout& l = m_layout;
  CPen strand(PS_SOLID, 2, fg);
  CPen* oldPen = dc->SelectObject(&strand);
  {
    ShapeFillScope fill(dc, background, true);
    dc->Ellipse(l.headPulley);
    dc->Ellipse(l.tailPulley);
  }
  for (const int y : {l.headPulley.top, l.headPulley.bottom}) {
    dc->MoveTo(l.HeadCentreX(), y);
    dc->LineTo(l.TailCentreX(), y);
  }
  dc->SelectObject(oldPen);

  // The material: white powder with dark grains on the belt's background.
  dc->FillSolidRect(BeltLoadStrip(l), background);
  const CRect band = BeltLoadBand(l, GetAnalogUnit(1)->GetValue());
  if (!band.IsRectEmpty()) {
    CBitmap bits;
    bits.CreateBitmap(8, 8, 1, 1, BeltLoadPatternBits().data());
    CBrush pattern;
    pattern.CreatePatternBrush(&bits);
    const COLORREF oldText = dc->SetTextColor(0x000000);
    const COLORREF oldBk = dc->SetBkColor(0xFFFFFF);
    dc->FillRect(band, &pattern);
    dc->SetBkColor(oldBk);
    dc->SetTextColor(oldText);
  }

  const int orientation = GetCreateInfo().nOption2;
  if (GetAttribBool(BE_DiOnOffSpeed)) {
    m_dAngle = AdvanceWheel(m_dAngle, GetAnalogUnit(0)->GetValue(), BeltDirection(GetCreateInfo().dwStyle));
  }
  const std::vector<PolarRecord> spokes =
      BeltSpokeRecords(l, BeltSpokeCount(GetCreateInfo().nOption1), m_dAngle, orientation);
  if (spokes.empty()) return;
  ShapeFillScope fill(dc, fg);
  for (const int x : {l.HeadCentreX(), l.TailCentreX()}) {
    const std::vector<CPoint> points = PolarRecordPoints(spokes, CPoint(x, l.CentreY()));
    dc->Polygon(points.data(), static_cast<int>(points.size()));
  }
}

void C_Belt::DrawTexts(CDC* dc) {
  const COLORREF fg = static_cast<COLORREF>(GetAttribInt(BA_ColorFG));
  const bool running = GetAttribBool(BE_DiOnOffSpeed);
  const CRect labelRect = BeltLabelRect(m_layout);
  // An alarm being shown takes the value label's place.
  const CAlarmStruct* alarm = IsAnyAlarmActive() ? FirstShownAlarm(*this) : nullptr;
  if (alarm != nullptr) DrawShapeText(dc, alarm->GetName(), labelRect, alarm->GetId() == 1 ? fg : kAlarmColor);
  if (!running) {
    DrawShapeText(dc, GetDeviceCaption(), BeltCaptionRect(m_layout), kStoppedCaptionColor);
    return;
  }
  if (alarm == nullptr) {
    const std::array<float, 3> values = {GetAttribFloat(BE_Speed), GetAttribFloat(BE_Load), GetAttribFloat(BE_Flow)};
    const std::array<std::string, 3> units = {GetAnalogUnit(0)->GetUnitText(), GetAnalogUnit(1)->GetUnitText(),
                                              GetAnalogUnit(2)->GetUnitText()};
    DrawShapeText(dc, BeltValueLabel(BeltLabelSelector(GetCreateInfo().dwStyle), values, units), labelRect,
                  static_cast<COLORREF>(GetAttribInt(BA_ColorBody)));
  }
  DrawShapeText(dc, GetDeviceCaption(), BeltCaptionRect(m_layout), fg);
}

void C_Belt::ShowActionDialog() {
  C_BeltAction dialog(this);
  dialog.DoModal();
}
