// The spray-dryer tower: its attribute table, units and defaults, the
// analog setters, alarm flags and the hammers' Demo feedback, the nozzle
// interface and clicks, its menu and its picture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/ColorUtils.h"
#include "core/DCTag.h"
#include "platform/ui/BalloonTip.h"
#include "platform/ui/Menu.h"
#include "res/ShapeResources.h"
#include "shapes/SpryDryr.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

// The plant's tower: 120 x 700 with 4 x 5 nozzles.
ShapeCreateInfo TowerInfo() { return ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"); }

struct CreatedTower {
  explicit CreatedTower(const std::string& settings = "[SprayDryer.SpryDryr1]\nReserveInt1.Data=0\n")
      : world(settings), tower(TowerInfo(), 4, 5) {
    EXPECT_TRUE(world.Create(tower));
    EXPECT_EQ(world.Boxes().Count(), 0u);
    world.Mimic().Clear();
  }
  // The centre of nozzle n's glyph box, in client coordinates.
  CPoint NozzlePoint(int n) const {
    const std::array<CPoint, 6>& glyph = tower.GetLayout().glyphs[static_cast<size_t>(n - 1)];
    return CPoint((glyph[2].x + glyph[4].x) / 2, (glyph[2].y + glyph[3].y) / 2);
  }
  static void Keep(const ShapePicture& picture, const std::string& name) {
    if (const char* dir = std::getenv("VEK_SHAPE_PNG_DIR")) picture.SavePng(std::string(dir) + "/" + name + ".png");
  }
  ShapeWorld world;
  C_SpryDryr tower;
};

TEST(SpryDryrTest, AttributeTable) {
  ShapeWorld world;
  C_SpryDryr tower(TowerInfo(), 4, 5);
  const struct {
    int id;
    const char* name;
    VARTYPE vt;
    int role;
    double dataDefault;
  } rows[] = {
      {27, "ReserveFloat1", VT_R4, AR_NONE, 0},
      {28, "InletTemperature", VT_R4, AR_VALUE, 362},
      {29, "MinVluInletTemperature", VT_R4, AR_MIN_VLU, 0},
      {30, "MaxVluInletTemperature", VT_R4, AR_MAX_VLU, 700},
      {31, "LlaVluInletTemperature", VT_R4, AR_NONE, 0},
      {32, "HlaVluInletTemperature", VT_R4, AR_NONE, 700},
      {33, "InletTemperaturePort", VT_R4, AR_PORT, 10000},
      {34, "MinVluInletTemperaturePort", VT_R4, AR_MIN_VLU_PORT, 5000},
      {35, "MaxVluInletTemperaturePort", VT_R4, AR_MAX_VLU_PORT, 27000},
      {36, "SlurryFlowrate", VT_R4, AR_VALUE, 16000},
      {38, "MaxVluSlurryFlowrate", VT_R4, AR_MAX_VLU, 20000},
      {41, "SlurryFlowratePort", VT_R4, AR_PORT, 10000},
      {44, "SlurryPressure", VT_R4, AR_VALUE, 34},
      {48, "HlaVluSlurryPressure", VT_R4, AR_NONE, 100},
      {52, "SlurryTemperature", VT_R4, AR_VALUE, 88},
      {54, "MaxVluSlurryTemperature", VT_R4, AR_MAX_VLU, 200},
      {60, "SlurryMoisture", VT_R4, AR_VALUE, 30},
      {68, "CalorieDemand", VT_R4, AR_VALUE, 1000},
      {70, "MaxVluCalorieDemand", VT_R4, AR_MAX_VLU, 1800},
      {76, "NozzelFlowrate", VT_R4, AR_VALUE, 70},
      {84, "OutletTemperature", VT_R4, AR_VALUE, 88},
      {86, "MaxVluOutletTemperature", VT_R4, AR_MAX_VLU, 218},
      {92, "OutletVacuum", VT_R4, AR_VALUE, 8},
      {94, "MaxVluOutletVacuum", VT_R4, AR_MAX_VLU, 30},
      {100, "PowderDensity", VT_R4, AR_VALUE, 330},
      {102, "MaxVluPowderDensity", VT_R4, AR_MAX_VLU, 400},
      {108, "PowderMoisture", VT_R4, AR_VALUE, 0},
      {109, "MinVluPowderMoisture", VT_R4, AR_MIN_VLU, 2},
      {110, "MaxVluPowderMoisture", VT_R4, AR_MAX_VLU, 13},
      {111, "LlaVluPowderMoisture", VT_R4, AR_NONE, 2},
      {112, "HlaVluPowderMoisture", VT_R4, AR_NONE, 13},
      {115, "MaxVluPowderMoisturePort", VT_R4, AR_MAX_VLU_PORT, 27000},
      {116, "TowerSafetyTemperat1_Phy", VT_R4, AR_VALUE, 0},
      {117, "TowerSafetyTemperat1_MinPhyVlu", VT_R4, AR_MIN_VLU, 0},
      {118, "TowerSafetyTemperat1_MaxPhyVlu", VT_R4, AR_MAX_VLU, 500},
      {119, "TowerSafetyTemperat1_LlaVlu", VT_R4, AR_NONE, 0},
      {120, "TowerSafetyTemperat1_HlaVlu", VT_R4, AR_NONE, 500},
      {121, "TowerSafetyTemperat1_Port", VT_R4, AR_PORT, 10000},
      {122, "TowerSafetyTemperat1_MinPortVlu", VT_R4, AR_MIN_VLU_PORT, 5000},
      {123, "TowerSafetyTemperat1_MaxPortVlu", VT_R4, AR_MAX_VLU_PORT, 27000},
      {140, "TowerSafetyTemperat4_Phy", VT_R4, AR_VALUE, 0},
      {147, "TowerSafetyTemperat4_MaxPortVlu", VT_R4, AR_MAX_VLU_PORT, 27000},
      {148, "VI_fTowerSafetyCurMaxTowerTemperatur", VT_R4, AR_NONE, 0},
      {149, "VI_fTowerSafetyTemperSlope1", VT_R4, AR_NONE, 0},
      {156, "VI_fTowerSafetyTemperSlope8", VT_R4, AR_NONE, 0},
      {157, "ReserveBool1", VT_BOOL, AR_NONE, 0},
      {158, "LlaFlgInletTemperature", VT_BOOL, AR_NONE, 0},
      {161, "AutoCntrlInletTemperature", VT_BOOL, AR_NONE, 0},
      {162, "LlaFlgSlurryFlowrate", VT_BOOL, AR_NONE, 0},
      {163, "HlaFlgSlurryFlowrate", VT_BOOL, AR_NONE, 0},
      {164, "LlaFlgSlurryPressure", VT_BOOL, AR_NONE, 0},
      {169, "HlaFlgSlurryTemperature", VT_BOOL, AR_NONE, 0},
      {177, "AutoCntrlCalorieDemand", VT_BOOL, AR_NONE, 0},
      {179, "HlaFlgNozzelFlowrate", VT_BOOL, AR_NONE, 0},
      {195, "AutoCntrlPowderMoisture", VT_BOOL, AR_NONE, 0},
      {196, "VI_bShowTowerSafetyTemperat1", VT_BOOL, AR_NONE, 1},
      {199, "VI_bShowTowerSafetyTemperat4", VT_BOOL, AR_NONE, 1},
      {200, "VI_bFireDetected", VT_BOOL, AR_NONE, 0},
      {203, "VI_bReduceBurner", VT_BOOL, AR_NONE, 0},
      {204, "VI_bLetHammerAutoService", VT_BOOL, AR_NONE, 0},
      {205, "VI_bHammerIsInAutoService", VT_BOOL, AR_NONE, 0},
      {206, "VI_bTakeOnHammer1", VT_BOOL, AR_NONE, 0},
      {213, "VI_bTakeOnHammer8", VT_BOOL, AR_NONE, 0},
      {214, "ReserveInt1", VT_I4, AR_NONE, 0},
      {215, "VI_iHammerOperationMode", VT_I4, AR_NONE, 0},
      {217, "VI_iHammerCycleTimer", VT_I4, AR_NONE, 0},
      {218, "VI_iOnDelayHammer1", VT_I4, AR_NONE, 0},
      {225, "VI_iOnDelayHammer8", VT_I4, AR_NONE, 0},
      {226, "VI_iOnStateTimeHammer1", VT_I4, AR_NONE, 0},
      {233, "VI_iOnStateTimeHammer8", VT_I4, AR_NONE, 0},
      {234, "VI_iTowerSafetyCriticalDeltaT_PerMin", VT_I4, AR_NONE, 0},
      {237, "VI_iTowerSafetyCriticalFireTemper", VT_I4, AR_NONE, 0},
      {238, "ReserveStr1", VT_BSTR, AR_NONE, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(tower.GetAttribName(row.id), row.name) << row.id;
    EXPECT_EQ(tower.GetAttribType(row.id), row.vt) << row.id;
    EXPECT_EQ(tower.GetAnalogRole(row.id), row.role) << row.id;
    EXPECT_FLOAT_EQ(tower.GetDefaultFloat(row.id, AP_DATA), static_cast<float>(row.dataDefault)) << row.id;
  }
  EXPECT_EQ(tower.GetDefaultInt(SD_VI_bShowTowerSafetyTemperat1 + 2, AP_DATA), 1);
  EXPECT_EQ(tower.GetAttribCount(), SD_COUNT);
  EXPECT_EQ(tower.GetAttribType(239), VT_EMPTY);
  EXPECT_EQ(tower.GetAttribName(239), "000000EF");
  EXPECT_EQ(tower.GetAnalogGroupMember(121, AR_VALUE), 116);
  EXPECT_EQ(tower.GetAnalogGroupMember(116, AR_MAX_VLU_PORT), 123);
  EXPECT_EQ(tower.GetAnalogGroupMember(119, AR_VALUE), -1);
  EXPECT_EQ(tower.GetDefaultInt(BA_ColorBG, AP_DATA), 0x808080);
  EXPECT_EQ(tower.GetDefaultInt(BA_ColorFG, AP_DATA), 0xC0C0C0);
  EXPECT_EQ(tower.GetDefaultInt(BA_ColorBody, AP_DATA), 0x1E1E1E);
  EXPECT_EQ(tower.GetDefaultInt(BA_ColorBodyOld, AP_DATA), 0x1E1E1E);
  EXPECT_EQ(tower.GetIniSectionName(), "SprayDryer.SpryDryr1");
  EXPECT_EQ(tower.GetCtrlId() >> 16, 0x010Bu);
  EXPECT_EQ(tower.GetAlarmCount(), 0);
  EXPECT_EQ(C_SpryDryr::ClassDef().attribs.GetPortRule(), PortRule::ClampAutoCalc);

  // Units 0-3 the tower-safety temperatures, 4-14 the tower's groups.
  const struct {
    int unit, id;
    const char* caption;
  } units[] = {{0, 116, "TwrSfty Tempr1"}, {3, 140, "TwrSfty Tempr4"}, {4, 28, "Inlet Temp."},
               {5, 36, "Slry Flowrate"},   {9, 68, "Calorie Demand"},  {10, 76, "Nozzel Flowrate"},
               {13, 100, "Pwdr. Density"}, {14, 108, "Pwdr. Moisture"}};
  ASSERT_EQ(tower.GetAnalogUnitCount(), 15);
  for (const auto& unit : units) {
    EXPECT_EQ(tower.GetAnalogUnit(unit.unit)->GetAttribId(), unit.id) << unit.unit;
    EXPECT_EQ(tower.GetAnalogUnit(unit.unit)->GetCaption(), unit.caption) << unit.unit;
    EXPECT_EQ(tower.GetAnalogUnit(unit.unit)->GetUnitText(), "Unit?") << "the unit's default";
  }
  EXPECT_EQ(tower.GetAnalogPageCount(), 4);
}

TEST(SpryDryrTest, ValuesAreClampedPortsClampedSilently) {
  CreatedTower t;
  t.tower.SetAttribFloat(SD_InletTemperature, 800.0f);
  t.world.Deliver();
  EXPECT_FLOAT_EQ(t.tower.GetAttribFloat(SD_InletTemperature), 700.0f);
  EXPECT_FLOAT_EQ(t.tower.GetAnalogUnit(4)->GetValue(), 100.0f);
  const LPARAM command = static_cast<LPARAM>(t.tower.GetCtrlId() | (SD_InletTemperature << 8));
  EXPECT_EQ(t.world.Mimic().Count(WM_SHAPE_COMMAND, command), 1);

  t.world.Mimic().Clear();
  const int port = static_cast<int>(SD_TowerSafetyTemperat2_Phy) + AR_PORT;
  t.tower.SetAttribFloat(port, 30000.0f);
  t.world.Deliver();
  EXPECT_FLOAT_EQ(t.tower.GetAttribFloat(port), 27000.0f) << "clamped to the port range";
  EXPECT_EQ(t.world.Mimic().Count(WM_SHAPE_COMMAND), 0) << "without a shape command";
  EXPECT_FLOAT_EQ(t.tower.GetAttribFloat(SD_TowerSafetyTemperat2_Phy), 0.0f) << "the unit does not calculate";
  t.tower.GetAnalogUnit(1)->SetAutoCalcFromPort(true);
  t.tower.SetAttribFloat(port, 16000.0f);
  EXPECT_FLOAT_EQ(t.tower.GetAttribFloat(SD_TowerSafetyTemperat2_Phy), 250.0f);
  EXPECT_FLOAT_EQ(t.tower.GetAnalogUnit(1)->GetValue(), 50.0f);
}

TEST(SpryDryrTest, AlarmFlagsBlinkTheFrame) {
  CreatedTower t;
  for (int id = SD_ReserveBool1; id < SD_VI_bShowTowerSafetyTemperat1; ++id) {
    const std::string name = t.tower.GetAttribName(id);
    const bool alarmFlag = name.rfind("LlaFlg", 0) == 0 || name.rfind("HlaFlg", 0) == 0;
    t.tower.SetAttribBool(id, true);
    EXPECT_EQ(t.tower.GetBlinkFlags().alarm, alarmFlag) << name;
    t.tower.SetAttribBool(id, false);
  }
  t.tower.SetAttribBool(SD_VI_bFireDetected, true);
  EXPECT_FALSE(t.tower.GetBlinkFlags().alarm);
}

TEST(SpryDryrTest, HammerAutoServiceFeedbackFollowsInDemoOnly) {
  CreatedTower t;
  t.world.SetDataSource(DataSource::RealHw);
  t.tower.SetAttribBool(SD_VI_bLetHammerAutoService, true);
  EXPECT_FALSE(t.tower.GetAttribBool(SD_VI_bHammerIsInAutoService)) << "the hardware tells";
  t.world.SetDataSource(DataSource::Demo);
  t.tower.SetAttribBool(SD_VI_bLetHammerAutoService, false);
  EXPECT_FALSE(t.tower.GetAttribBool(SD_VI_bHammerIsInAutoService));
  t.tower.SetAttribBool(SD_VI_bLetHammerAutoService, true);
  EXPECT_TRUE(t.tower.GetAttribBool(SD_VI_bHammerIsInAutoService));
  t.tower.SetAttribBool(SD_VI_bLetHammerAutoService, false);
  EXPECT_FALSE(t.tower.GetAttribBool(SD_VI_bHammerIsInAutoService));
}

TEST(SpryDryrTest, ShowFlagsComeFromTheSettingsShownWhenAbsent) {
  CreatedTower t("[SprayDryer.SpryDryr1]\nVI_bShowTowerSafetyTemperat2.Data=0\n");
  EXPECT_TRUE(t.tower.GetAttribBool(SD_VI_bShowTowerSafetyTemperat1));
  EXPECT_FALSE(t.tower.GetAttribBool(SD_VI_bShowTowerSafetyTemperat1 + 1));
  EXPECT_TRUE(t.tower.GetAttribBool(SD_VI_bShowTowerSafetyTemperat1 + 3));
}

TEST(SpryDryrTest, NozzleInterfaceBeforeAndAfterCreation) {
  ShapeWorld world;
  C_SpryDryr tower(TowerInfo(), 4, 5);
  EXPECT_EQ(tower.GetNozzleCount(), 20);
  EXPECT_EQ(tower.SetNozzleValue(1, NOZZLE_OPEN, NOZZLE_FLAG_TRUE), NOZZLE_REJECTED) << "no records yet";
  EXPECT_EQ(tower.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_READ_REJECTED);
  ASSERT_TRUE(world.Create(tower));
  EXPECT_EQ(tower.SetNozzleValue(1, NOZZLE_OPEN, NOZZLE_FLAG_TRUE), NOZZLE_DONE);
  EXPECT_EQ(tower.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_TRUE);
  EXPECT_EQ(tower.SetNozzleValue(21, NOZZLE_OPEN, NOZZLE_FLAG_TRUE), NOZZLE_REJECTED);

  ShapeWorld big;
  C_SpryDryr tooLarge(ShapeCreateInfo(0, 0, 0, 120, 700, 0, 0, "SpryDryr2"), 5, 5);
  ASSERT_TRUE(big.Create(tooLarge));
  EXPECT_EQ(tooLarge.GetNozzleCount(), 0) << "beyond the storage of 4 x 10";
  EXPECT_EQ(tooLarge.SetNozzleValue(1, NOZZLE_OPEN, NOZZLE_FLAG_TRUE), NOZZLE_REJECTED);
  ShapePicture picture(tooLarge);  // draws without nozzles
  EXPECT_EQ(picture.Pixel(60, 350), 0xC0C0C0u);
}

TEST(SpryDryrTest, ClicksOnNozzles) {
  CreatedTower t;
  // A left click on nozzle 7 opens it; again closes it.
  const CPoint seven = t.NozzlePoint(7);
  t.tower.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(seven.x, seven.y));
  EXPECT_EQ(t.tower.GetNozzles().GetRecord(7)->open, 1);
  EXPECT_EQ(t.tower.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_TRUE);
  t.tower.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(seven.x, seven.y));
  EXPECT_EQ(t.tower.GetNozzles().GetRecord(7)->open, 0);
  t.tower.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 400));
  EXPECT_EQ(t.tower.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_FALSE) << "between the nozzles";

  // A right click on a nozzle shows its balloon, elsewhere the menu.
  int menus = 0;
  CMenu::PopupMenuHandler previous = CMenu::SetPopupMenuHandler([&](CMenu&) {
    ++menus;
    return 0u;
  });
  const int balloons = CBalloonTip::GetOpenCount();
  t.tower.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(seven.x, seven.y));
  EXPECT_EQ(CBalloonTip::GetOpenCount(), balloons + 1);
  EXPECT_EQ(menus, 0);
  t.tower.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(60, 400));
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(CBalloonTip::GetOpenCount(), balloons + 1);
  CMenu::SetPopupMenuHandler(previous);

  NozzleRecord record;
  record.rate = 1.5f;
  record.max = 2.0f;
  EXPECT_EQ(C_SpryDryr::NozzleBalloonTitle(7), "Nozzle #7");
  EXPECT_EQ(C_SpryDryr::NozzleBalloonText(record), "Rate: 1.50       Max: 2.00       Min: 0.00");
  EXPECT_EQ(C_SpryDryr::TemperatureText(3, 183.04f), "T3: 183.0\u00B0");
}

TEST(SpryDryrTest, MenuHasNoAction) {
  CreatedTower t;
  const std::vector<MenuItemSeen> items = OpenContextMenu(t.tower, ID_SPRAYDRYER_ACTION);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "&Action");
  EXPECT_EQ(items[1].text, "Properties");
  ASSERT_EQ(t.world.Boxes().Count(), 1u);
  EXPECT_EQ(t.world.Boxes().Last().text, "No Action defined!");
}

TEST(SpryDryrTest, PictureOfNozzlesAndTemperatures) {
  CreatedTower t("[SprayDryer.SpryDryr1]\nTowerSafetyTemperat3_Phy.Tag=FloatMem\n");
  t.world.SetDataSource(DataSource::Demo);
  for (int n = 1; n <= 4; ++n) t.tower.SetAttribFloat(SD_TowerSafetyTemperat1_Phy + 8 * (n - 1), 180.0f + n);
  const auto glyphPixel = [&](const ShapePicture& picture, int n) {
    const CPoint tip = t.tower.GetLayout().glyphs[static_cast<size_t>(n - 1)][3];
    return picture.Pixel(tip.x, tip.y - 2);
  };
  ShapePicture closed(t.tower);
  CreatedTower::Keep(closed, "tower_closed");
  EXPECT_EQ(closed.Pixel(60, 350), 0xC0C0C0u) << "the tower's body";
  EXPECT_EQ(closed.Pixel(5, 5), MIMIC_BG_COLOR) << "beside the neck";
  EXPECT_EQ(glyphPixel(closed, 1), 0x000000u) << "a closed nozzle";
  EXPECT_EQ(closed.Count(0x0000FF), 0) << "no spray, no fault";
  EXPECT_GT(closed.Count(0x4040A5), 10) << "unbound temperatures";
  EXPECT_GT(closed.Count(DarkenColor(0xFF6464, 0.2)), 10) << "the bound third temperature";

  // Nozzle 1 open at its full rate, nozzle 2 open with no range, 3 faulty.
  t.tower.SetNozzleValue(1, NOZZLE_MAX, 10.0f);
  t.tower.SetNozzleValue(1, NOZZLE_RATE, 10.0f);
  t.tower.SetNozzleValue(1, NOZZLE_OPEN, NOZZLE_FLAG_TRUE);
  t.tower.SetNozzleValue(2, NOZZLE_OPEN, NOZZLE_FLAG_TRUE);
  t.tower.SetNozzleValue(3, NOZZLE_FAULT, NOZZLE_FLAG_TRUE);
  for (int n = 1; n <= 4; ++n) t.tower.SetAttribBool(SD_VI_bShowTowerSafetyTemperat1 + n - 1, false);
  ShapePicture open(t.tower);
  CreatedTower::Keep(open, "tower_open");
  EXPECT_EQ(glyphPixel(open, 1), 0xFFFFFFu);
  EXPECT_EQ(glyphPixel(open, 2), 0xFFFFFFu);
  EXPECT_EQ(glyphPixel(open, 3), 0x0000FFu);
  const int spray = open.Count(0x0000FF) - closed.Count(0x0000FF);
  EXPECT_GT(spray, 20) << "nozzle 1's spray and nozzle 3's glyph";
  EXPECT_LT(spray, 120) << "nozzle 2 sprays nothing without a range";
  EXPECT_EQ(open.Count(0x4040A5), 0) << "hidden temperatures";
}

}  // namespace
