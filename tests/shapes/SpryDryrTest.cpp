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

// The plant's tower created on its own mimic, without a message box.
struct CreatedTower {
  explicit CreatedTower(const std::string& settings = "[SprayDryer.SpryDryr1]\nReserveInt1.Data=0\n")
      : world(settings), shape(TowerInfo(), 4, 5) {
    EXPECT_TRUE(world.Create(shape));
    EXPECT_EQ(world.Boxes().Count(), 0u);
    world.Mimic().Clear();
  }
  // The centre of nozzle n's glyph box, in client coordinates.
  CPoint NozzlePoint(int n) const {
    const std::array<CPoint, 6>& glyph = shape.GetLayout().glyphs[static_cast<size_t>(n - 1)];
    return CPoint((glyph[2].x + glyph[4].x) / 2, (glyph[2].y + glyph[3].y) / 2);
  }
  static void Keep(const ShapePicture& picture, const std::string& name) {
    if (const char* dir = std::getenv("VEK_SHAPE_PNG_DIR")) picture.SavePng(std::string(dir) + "/" + name + ".png");
  }
  ShapeWorld world;
  C_SpryDryr shape;
};

// Names, types, defaults, units and the menu are in DeviceTablesTest.
TEST(SpryDryrTest, DefaultsOfFlagsGroupsAndControlId) {
  ShapeWorld world;
  C_SpryDryr tower(TowerInfo(), 4, 5);
  EXPECT_EQ(tower.GetDefaultInt(SD_VI_bShowTowerSafetyTemperat1 + 2, AP_DATA), 1) << "temperatures are shown";
  EXPECT_EQ(tower.GetAnalogGroupMember(121, AR_VALUE), 116);
  EXPECT_EQ(tower.GetAnalogGroupMember(116, AR_MAX_VLU_PORT), 123);
  EXPECT_EQ(tower.GetAnalogGroupMember(119, AR_VALUE), -1);
  EXPECT_EQ(tower.GetCtrlId() >> 16, 0x010Bu);
  EXPECT_EQ(tower.GetAlarmCount(), 0);
  EXPECT_EQ(C_SpryDryr::ClassDef().attribs.GetPortRule(), PortRule::ClampAutoCalc);
}

TEST(SpryDryrTest, ValuesAreClampedPortsClampedSilently) {
  CreatedTower t;
  t.shape.SetAttribFloat(SD_InletTemperature, 800.0f);
  t.world.Deliver();
  EXPECT_FLOAT_EQ(t.shape.GetAttribFloat(SD_InletTemperature), 700.0f);
  EXPECT_FLOAT_EQ(t.shape.GetAnalogUnit(4)->GetValue(), 100.0f);
  const LPARAM command = static_cast<LPARAM>(t.shape.GetCtrlId() | (SD_InletTemperature << 8));
  EXPECT_EQ(t.world.Mimic().Count(WM_SHAPE_COMMAND, command), 1);

  t.world.Mimic().Clear();
  const int port = static_cast<int>(SD_TowerSafetyTemperat2_Phy) + AR_PORT;
  t.shape.SetAttribFloat(port, 30000.0f);
  t.world.Deliver();
  EXPECT_FLOAT_EQ(t.shape.GetAttribFloat(port), 27000.0f) << "clamped to the port range";
  EXPECT_EQ(t.world.Mimic().Count(WM_SHAPE_COMMAND), 0) << "without a shape command";
  EXPECT_FLOAT_EQ(t.shape.GetAttribFloat(SD_TowerSafetyTemperat2_Phy), 0.0f) << "the unit does not calculate";
  t.shape.GetAnalogUnit(1)->SetAutoCalcFromPort(true);
  t.shape.SetAttribFloat(port, 16000.0f);
  EXPECT_FLOAT_EQ(t.shape.GetAttribFloat(SD_TowerSafetyTemperat2_Phy), 250.0f);
  EXPECT_FLOAT_EQ(t.shape.GetAnalogUnit(1)->GetValue(), 50.0f);
}

TEST(SpryDryrTest, AlarmFlagsBlinkTheFrame) {
  CreatedTower t;
  for (int id = SD_ReserveBool1; id < SD_VI_bShowTowerSafetyTemperat1; ++id) {
    const std::string name = t.shape.GetAttribName(id);
    const bool alarmFlag = name.rfind("LlaFlg", 0) == 0 || name.rfind("HlaFlg", 0) == 0;
    t.shape.SetAttribBool(id, true);
    EXPECT_EQ(t.shape.GetBlinkFlags().alarm, alarmFlag) << name;
    t.shape.SetAttribBool(id, false);
  }
  t.shape.SetAttribBool(SD_VI_bFireDetected, true);
  EXPECT_FALSE(t.shape.GetBlinkFlags().alarm);
}

TEST(SpryDryrTest, HammerAutoServiceFeedbackFollowsInDemoOnly) {
  CreatedTower t;
  t.world.SetDataSource(DataSource::RealHw);
  t.shape.SetAttribBool(SD_VI_bLetHammerAutoService, true);
  EXPECT_FALSE(t.shape.GetAttribBool(SD_VI_bHammerIsInAutoService)) << "the hardware tells";
  t.world.SetDataSource(DataSource::Demo);
  t.shape.SetAttribBool(SD_VI_bLetHammerAutoService, false);
  EXPECT_FALSE(t.shape.GetAttribBool(SD_VI_bHammerIsInAutoService));
  t.shape.SetAttribBool(SD_VI_bLetHammerAutoService, true);
  EXPECT_TRUE(t.shape.GetAttribBool(SD_VI_bHammerIsInAutoService));
  t.shape.SetAttribBool(SD_VI_bLetHammerAutoService, false);
  EXPECT_FALSE(t.shape.GetAttribBool(SD_VI_bHammerIsInAutoService));
}

TEST(SpryDryrTest, ShowFlagsComeFromTheSettingsShownWhenAbsent) {
  CreatedTower t("[SprayDryer.SpryDryr1]\nVI_bShowTowerSafetyTemperat2.Data=0\n");
  EXPECT_TRUE(t.shape.GetAttribBool(SD_VI_bShowTowerSafetyTemperat1));
  EXPECT_FALSE(t.shape.GetAttribBool(SD_VI_bShowTowerSafetyTemperat1 + 1));
  EXPECT_TRUE(t.shape.GetAttribBool(SD_VI_bShowTowerSafetyTemperat1 + 3));
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
  t.shape.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(seven.x, seven.y));
  EXPECT_EQ(t.shape.GetNozzles().GetRecord(7)->open, 1);
  EXPECT_EQ(t.shape.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_TRUE);
  t.shape.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(seven.x, seven.y));
  EXPECT_EQ(t.shape.GetNozzles().GetRecord(7)->open, 0);
  t.shape.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 400));
  EXPECT_EQ(t.shape.GetNozzleValue(NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_FALSE) << "between the nozzles";

  // A right click on a nozzle shows its balloon, elsewhere the menu.
  int menus = 0;
  CMenu::PopupMenuHandler previous = CMenu::SetPopupMenuHandler([&](CMenu&) {
    ++menus;
    return 0u;
  });
  const int balloons = CBalloonTip::GetOpenCount();
  t.shape.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(seven.x, seven.y));
  EXPECT_EQ(CBalloonTip::GetOpenCount(), balloons + 1);
  EXPECT_EQ(menus, 0);
  t.shape.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(60, 400));
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
  const std::vector<MenuItemSeen> items = OpenContextMenu(t.shape, ID_SPRAYDRYER_ACTION);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "&Action");
  EXPECT_EQ(items[1].text, "Properties");
  ASSERT_EQ(t.world.Boxes().Count(), 1u);
  EXPECT_EQ(t.world.Boxes().Last().text, "No Action defined!");
}

TEST(SpryDryrTest, PictureOfNozzlesAndTemperatures) {
  CreatedTower t("[SprayDryer.SpryDryr1]\nTowerSafetyTemperat3_Phy.Tag=FloatMem\n");
  t.world.SetDataSource(DataSource::Demo);
  for (int n = 1; n <= 4; ++n) t.shape.SetAttribFloat(SD_TowerSafetyTemperat1_Phy + 8 * (n - 1), 180.0f + n);
  const auto glyphPixel = [&](const ShapePicture& picture, int n) {
    const CPoint tip = t.shape.GetLayout().glyphs[static_cast<size_t>(n - 1)][3];
    return picture.Pixel(tip.x, tip.y - 2);
  };
  ShapePicture closed(t.shape);
  CreatedTower::Keep(closed, "tower_closed");
  EXPECT_EQ(closed.Pixel(60, 350), 0xC0C0C0u) << "the tower's body";
  EXPECT_EQ(closed.Pixel(5, 5), MIMIC_BG_COLOR) << "beside the neck";
  EXPECT_EQ(glyphPixel(closed, 1), 0x000000u) << "a closed nozzle";
  EXPECT_EQ(closed.Count(0x0000FF), 0) << "no spray, no fault";
  EXPECT_GT(closed.Count(0x4040A5), 10) << "unbound temperatures";
  EXPECT_GT(closed.Count(DarkenColor(0xFF6464, 0.2)), 10) << "the bound third temperature";

  // Nozzle 1 open at its full rate, nozzle 2 open with no range, 3 faulty.
  t.shape.SetNozzleValue(1, NOZZLE_MAX, 10.0f);
  t.shape.SetNozzleValue(1, NOZZLE_RATE, 10.0f);
  t.shape.SetNozzleValue(1, NOZZLE_OPEN, NOZZLE_FLAG_TRUE);
  t.shape.SetNozzleValue(2, NOZZLE_OPEN, NOZZLE_FLAG_TRUE);
  t.shape.SetNozzleValue(3, NOZZLE_FAULT, NOZZLE_FLAG_TRUE);
  for (int n = 1; n <= 4; ++n) t.shape.SetAttribBool(SD_VI_bShowTowerSafetyTemperat1 + n - 1, false);
  ShapePicture open(t.shape);
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
