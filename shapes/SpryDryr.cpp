#include "shapes/SpryDryr.h"

#include "attrib/PlantServices.h"
#include "controls/BalloonHelp.h"
#include "controls/ColorUtils.h"
#include "core/VekUtils.h"
#include "platform/ui/DC.h"
#include "platform/ui/Pen.h"
#include "res/ShapeResources.h"
#include "shapes/ShapeDraw.h"
#include "shapes/pages/SpryDryrHammerPropPage.h"
#include "shapes/pages/SpryDryrSafetyPropPage.h"

namespace {

// The tower's own analog groups (ids 28-115), in id order, with their
// analog unit (4 on), caption, "Data" defaults and digital companions.
struct TowerGroupRow {
  const char* name;
  const char* caption;
  double valueDefault;
  double maxDefault;
  bool withControl;  // LocalCntrl and AutoCntrl follow the two alarm flags
};
constexpr TowerGroupRow kTowerGroups[] = {
    {"InletTemperature", "Inlet Temp.", 362, 700, true},
    {"SlurryFlowrate", "Slry Flowrate", 16000, 20000, false},
    {"SlurryPressure", "Slry Pressure", 34, 100, true},
    {"SlurryTemperature", "Slry Temp.", 88, 200, false},
    {"SlurryMoisture", "Slry Moisture", 30, 100, true},
    {"CalorieDemand", "Calorie Demand", 1000, 1800, true},
    {"NozzelFlowrate", "Nozzel Flowrate", 70, 100, false},
    {"OutletTemperature", "Outlet Temp.", 88, 218, true},
    {"OutletVacuum", "Outlet Vacuum", 8, 30, true},
    {"PowderDensity", "Pwdr. Density", 330, 400, true},
    {"PowderMoisture", "Pwdr. Moisture", 0, 13, true},
};
constexpr int kFirstTowerGroupUnit = 4;
constexpr int kTowerSafetyCount = 4;  // groups 116-147, units 0-3
constexpr double kPortDefault = 10000.0;
constexpr double kTowerSafetyMax = 500.0;

std::vector<std::string> Numbered(const std::string& prefix, int count, const std::string& suffix = "") {
  std::vector<std::string> names;
  for (int n = 1; n <= count; ++n) names.push_back(prefix + std::to_string(n) + suffix);
  return names;
}

ShapeAttribTable MakeTowerTable() {
  ShapeAttribTable::Builder builder(PortRule::ClampAutoCalc);
  builder.Colors(0x808080, 0xC0C0C0, 0x1E1E1E).Float({"ReserveFloat1"});
  int unit = kFirstTowerGroupUnit;
  for (const TowerGroupRow& row : kTowerGroups) {
    builder.Analog(
        AnalogSpec(row.name).Caption(row.caption).Unit(unit++).MaxDefault(row.maxDefault).PortDefault(kPortDefault));
    builder.Default(row.name, row.valueDefault);
  }
  for (int n = 1; n <= kTowerSafetyCount; ++n) {
    const std::string name = "TowerSafetyTemperat" + std::to_string(n);
    builder.Analog(AnalogSpec(name + "_Phy")
                       .Caption("TwrSfty Tempr" + std::to_string(n))
                       .Unit(n - 1)
                       .MaxDefault(kTowerSafetyMax)
                       .PortDefault(kPortDefault)
                       .MemberNames({name + "_Phy", name + "_MinPhyVlu", name + "_MaxPhyVlu", name + "_LlaVlu",
                                     name + "_HlaVlu", name + "_Port", name + "_MinPortVlu", name + "_MaxPortVlu"}));
  }
  builder.Float({"VI_fTowerSafetyCurMaxTowerTemperatur"})
      .Float(Numbered("VI_fTowerSafetyTemperSlope", 8))
      .Bool({"ReserveBool1"});
  for (const TowerGroupRow& row : kTowerGroups) {
    builder.Companions(row.name, row.withControl ? std::vector<std::string>{"LlaFlg", "HlaFlg", "LocalCntrl", "AutoCntrl"}
                                                 : std::vector<std::string>{"LlaFlg", "HlaFlg"});
  }
  builder.Bool(Numbered("VI_bShowTowerSafetyTemperat", kTowerSafetyCount))
      .Bool({"VI_bFireDetected", "VI_bFireFighting", "VI_bStopBurner", "VI_bReduceBurner",
             "VI_bLetHammerAutoService", "VI_bHammerIsInAutoService"})
      .Bool(Numbered("VI_bTakeOnHammer", 8))
      .Int({"ReserveInt1", "VI_iHammerOperationMode", "VI_iHammerCyclePeriod", "VI_iHammerCycleTimer"})
      .Int(Numbered("VI_iOnDelayHammer", 8))
      .Int(Numbered("VI_iOnStateTimeHammer", 8))
      .Int({"VI_iTowerSafetyCriticalDeltaT_PerMin", "VI_iTowerSafetySlopeCalcPeriod",
            "VI_iTowerSafetyCriticalTopTowerTemper", "VI_iTowerSafetyCriticalFireTemper"})
      .String({"ReserveStr1"})
      .Default("MinVluPowderMoisture", 2)
      .Default("LlaVluPowderMoisture", 2);
  for (const std::string& name : Numbered("VI_bShowTowerSafetyTemperat", kTowerSafetyCount)) builder.Default(name, 1);
  return builder.Build();
}

ShapeClassDef MakeTowerClassDef() {
  ShapeClassDef def;
  def.controlType = CT_SPRAY_DRYER;
  def.attribs = MakeTowerTable();
  // Every group's low and high alarm flags blink the frame.
  for (int id = SD_ReserveBool1; id < SD_VI_bShowTowerSafetyTemperat1; ++id) {
    const std::string name = def.attribs.Find(id)->name;
    if (name.rfind("LlaFlg", 0) == 0 || name.rfind("HlaFlg", 0) == 0) def.boolRules.alarmBlink.push_back(id);
  }
  def.menu.menuId = IDR_SHAPE_MENU_SPRAY_DRYER;
  def.menu.items = {{ID_SPRAYDRYER_ACTION, ShapeMenuAction::Action},
                    {ID_SPRAYDRYER_PROPERTIES, ShapeMenuAction::Properties}};
  return def;
}

// Where the four tower-safety temperatures are written and in which colour
// while their attribute has a tag (without one: kUnboundTemperatureColor).
struct TemperatureLabel {
  int valueId;
  int showId;
  int xPercent;
  int yPercent;
  bool rightAligned;
  COLORREF boundColor;
};
const TemperatureLabel kTemperatureLabels[kTowerSafetyCount] = {
    {SD_TowerSafetyTemperat1_Phy, SD_VI_bShowTowerSafetyTemperat1, 4, 84, false, 0xFF6464},
    {SD_TowerSafetyTemperat2_Phy, SD_VI_bShowTowerSafetyTemperat1 + 1, 4, 78, false, 0xFF6464},
    {SD_TowerSafetyTemperat3_Phy, SD_VI_bShowTowerSafetyTemperat1 + 2, 86, 82, true, DarkenColor(0xFF6464, 0.2)},
    {SD_TowerSafetyTemperat4_Phy, SD_VI_bShowTowerSafetyTemperat1 + 3, 86, 76, true, DarkenColor(0xFF6464, 0.2)},
};
constexpr COLORREF kUnboundTemperatureColor = 0x4040A5;

// The painting's fixed colours.
constexpr COLORREF kTowerBodyColor = 0xC0C0C0;
constexpr COLORREF kNozzleClosedColor = 0x000000;
constexpr COLORREF kNozzleOpenColor = 0xFFFFFF;
constexpr COLORREF kNozzleFaultColor = 0x0000FF;
constexpr COLORREF kSprayColor = 0x0000FF;

}  // namespace

const ShapeClassDef& C_SpryDryr::ClassDef() {
  static const ShapeClassDef def = MakeTowerClassDef();
  return def;
}

C_SpryDryr::C_SpryDryr(const ShapeCreateInfo& info, int rows, int cols, int iniIndex)
    : C_BaseShape(iniIndex, info, ClassDef()), m_nozzles(rows, cols) {}

BOOL C_SpryDryr::Create(CWnd* parent) {
  if (!C_BaseShape::Create(parent)) return FALSE;
  for (const TemperatureLabel& label : kTemperatureLabels) LoadAttribData(label.showId);
  return TRUE;
}

void C_SpryDryr::LayoutShape(const CRect& client) {
  m_layout = LayoutTower(client.Width(), client.Height(), m_nozzles.GetRows(), m_nozzles.GetCols());
  m_nozzles.Allocate();
}

int C_SpryDryr::SetNozzleValue(int nozzle, int field, float value) {
  const int result = m_nozzles.SetNozzleValue(nozzle, field, value);
  if (IsWindowCreated()) Invalidate(FALSE);
  return result;
}

void C_SpryDryr::OnAttribChanged(CVAttrib* attrib, int code) {
  C_BaseShape::OnAttribChanged(attrib, code);
  if (code != AC_VALUE || attrib->GetId() != SD_VI_bLetHammerAutoService || !IsPlantDemoSource()) return;
  SetAttribBool(SD_VI_bHammerIsInAutoService, VariantToBool(*attrib->GetValue()));
}

std::string C_SpryDryr::NozzleBalloonTitle(int nozzle) { return "Nozzle #" + std::to_string(nozzle); }

std::string C_SpryDryr::NozzleBalloonText(const NozzleRecord& record) {
  return FormatText("%s%0.2f%s%0.2f%s%0.2f", "Rate: ", static_cast<double>(record.rate), "       Max: ",
                    static_cast<double>(record.max), "       Min: ", static_cast<double>(record.min));
}

std::string C_SpryDryr::TemperatureText(int number, float value) {
  return FormatText("T%d: %.1f\u00B0", number, static_cast<double>(value));
}

// ---- Clicks ---------------------------------------------------------------------------------

void C_SpryDryr::OnLButtonUp(UINT flags, CPoint point) {
  for (int nozzle : TowerNozzlesAt(m_layout, point)) {
    m_nozzles.ToggleOpen(nozzle);
    Invalidate(FALSE);
  }
  C_BaseShape::OnLButtonUp(flags, point);
}

void C_SpryDryr::OnRButtonUp(UINT flags, CPoint point) {
  const std::vector<int> hits = TowerNozzlesAt(m_layout, point);
  const NozzleRecord* record = hits.empty() ? nullptr : m_nozzles.GetRecord(hits.front());
  if (record == nullptr) {
    C_BaseShape::OnRButtonUp(flags, point);
    return;
  }
  CBalloonHelp::ShowBalloonAt(NozzleBalloonTitle(hits.front()), NozzleBalloonText(*record), this, point,
                              IDI_INFORMATION, CBalloonHelp::kDefaultOptions, 3000);
}

// ---- Painting -------------------------------------------------------------------------------

void C_SpryDryr::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  {
    ShapeFillScope fill(dc, kTowerBodyColor);
    dc->Polygon(m_layout.outline.data(), static_cast<int>(m_layout.outline.size()));
  }
  DrawNozzles(dc);
  DrawTemperatures(dc, client);
  DrawFrame(dc);
}

void C_SpryDryr::DrawNozzles(CDC* dc) {
  for (size_t i = 0; i < m_layout.glyphs.size(); ++i) {
    const NozzleRecord* record = m_nozzles.GetRecord(static_cast<int>(i) + 1);
    if (record == nullptr) break;
    const COLORREF color =
        record->fault != 0 ? kNozzleFaultColor : (record->open != 0 ? kNozzleOpenColor : kNozzleClosedColor);
    // Outlined in its own colour, so the stem (a line) shows too.
    CPen pen(PS_SOLID, 1, color);
    CPen* oldPen = dc->SelectObject(&pen);
    {
      ShapeFillScope fill(dc, color, true);
      dc->Polygon(m_layout.glyphs[i].data(), static_cast<int>(m_layout.glyphs[i].size()));
    }
    dc->SelectObject(oldPen);
    if (record->open == 0) continue;
    const double fraction = TowerSprayFraction(record->rate, record->min, record->max);
    const std::array<CPoint, 3> spray = TowerSprayTriangle(
        m_layout.centres[i], TowerNozzleRow(m_layout, static_cast<int>(i)), m_layout.gap, fraction, m_layout.scale);
    ShapeFillScope fill(dc, kSprayColor);
    dc->Polygon(spray.data(), static_cast<int>(spray.size()));
  }
}

void C_SpryDryr::DrawTemperatures(CDC* dc, const CRect& client) {
  CFont* oldFont = dc->SelectObject(GetShapeFont());
  const int oldMode = dc->SetBkMode(OPAQUE);
  const COLORREF oldBk = dc->SetBkColor(kTowerBodyColor);
  const UINT oldAlign = dc->GetTextAlign();
  for (int n = 0; n < kTowerSafetyCount; ++n) {
    const TemperatureLabel& label = kTemperatureLabels[n];
    if (!GetAttribBool(label.showId)) continue;
    dc->SetTextColor(IsAttribBound(label.valueId) ? label.boundColor : kUnboundTemperatureColor);
    dc->SetTextAlign(TA_TOP | (label.rightAligned ? TA_RIGHT : TA_LEFT));
    const CPoint at = TowerLabelPoint(label.xPercent, label.yPercent, client.Width(), client.Height());
    dc->TextOut(at.x, at.y, TemperatureText(n + 1, GetAttribFloat(label.valueId)));
  }
  dc->SetTextAlign(oldAlign);
  dc->SetBkColor(oldBk);
  dc->SetBkMode(oldMode);
  dc->SelectObject(oldFont);
}

void C_SpryDryr::AddPropertyPages(CPropertySheet* sheet) {
  AddOwnedPage(sheet, std::make_unique<C_SpryDryrSafetyPropPage>());
  AddOwnedPage(sheet, std::make_unique<C_SpryDryrHammerPropPage>());
  C_BaseShape::AddPropertyPages(sheet);
}
