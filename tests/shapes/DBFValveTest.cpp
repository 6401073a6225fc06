// The diverter flap valve: its attributes, the interlocks of its flap
// drive, its menu and its picture open and closed.
#include <gtest/gtest.h>

#include "platform/ui/Menu.h"
#include "res/ShapeResources.h"
#include "shapes/DBFValve.h"
#include "shapes/Valve.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

// The plant's hot-air diverter: 30 x 30, flap pivoting at the top right.
ShapeCreateInfo HotAirInfo() { return ShapeCreateInfo(10, 300, 660, 30, 30, 0, 2, "HotAirDiverseValve"); }

struct CreatedDiverter {
  CreatedDiverter() : world("[DBFValve.HotAirDiverseValve]\nReserveInt1.Data=0\n"), valve(HotAirInfo()) {
    EXPECT_TRUE(world.Create(valve));
  }
  ShapeWorld world;
  C_DBFValve valve;
};

TEST(DBFValveTest, AttributesDifferFromTheValveInTheirDriveAndDefaults) {
  C_DBFValve valve(HotAirInfo());
  const struct {
    int id;
    const char* name;
  } rows[] = {{28, "Position"},           {30, "MaxVluPosition"},     {41, "DoIncreasePosition"},
              {42, "DoDecreasePosition"}, {43, "DiOnOffPosition"},    {44, "DiOnAlarmPosition"},
              {45, "DoOnOffPosition"},    {46, "ReserveInt1"},        {47, "ReserveStr1"}};
  for (const auto& row : rows) EXPECT_EQ(valve.GetAttribName(row.id), row.name);
  EXPECT_EQ(valve.GetAttribCount(), VA_COUNT);
  EXPECT_EQ(valve.GetControlTypeName(), "DBFValve");
  EXPECT_FLOAT_EQ(valve.GetDefaultFloat(VA_MaxVluPosition, AP_DATA), 100.0f);
  EXPECT_FLOAT_EQ(valve.GetDefaultFloat(VA_HlaVluPosition, AP_DATA), 100.0f);
  EXPECT_FLOAT_EQ(valve.GetDefaultFloat(VA_MaxVluPositionPort, AP_DATA), 27000.0f);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorBG, AP_DATA), 0xFFFFFF);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorFG, AP_DATA), 0x00009D);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorBody, AP_DATA), 0x40FF00);
  EXPECT_EQ(valve.GetAnalogUnit(0)->GetUnitText(), "Kgr/h");
}

TEST(DBFValveTest, FlapDriveInterlocksAreTheSharedDriveRules) {
  const ShapeBoolRules& rules = C_DBFValve::ClassDef().boolRules;
  ASSERT_EQ(rules.drives.size(), 1u);
  EXPECT_EQ(rules.drives[0].increase, 41);
  EXPECT_EQ(rules.drives[0].decrease, 42);
  EXPECT_EQ(rules.drives[0].runFeedback, 43);
  EXPECT_EQ(rules.drives[0].runCommand, 45);
  EXPECT_EQ(rules.alarmBlink, std::vector<int>{44});
  EXPECT_TRUE(C_Valve::ClassDef().boolRules.drives.empty()) << "the valve reacts after changes instead";

  CreatedDiverter d;
  d.valve.SetAttribBool(DV_DoOnOffPosition, true);
  d.valve.SetAttribBool(DV_DoIncreasePosition, true);
  d.valve.SetAttribBool(DV_DoOnOffPosition, false);
  EXPECT_FALSE(d.valve.GetAttribBool(DV_DoIncreasePosition)) << "closing stops the flap";
  // No feedback copy of its own: the plant engine's Demo feedback does that.
  d.world.SetDataSource(DataSource::Demo);
  d.valve.SetAttribBool(DV_DoOnOffPosition, true);
  EXPECT_FALSE(d.valve.GetAttribBool(DV_DiOnOffPosition));
}

TEST(DBFValveTest, MenuTogglesTheOpenCommand) {
  CreatedDiverter d;
  std::string text;
  CMenu::PopupMenuHandler previous = CMenu::SetPopupMenuHandler([&](CMenu& popup) {
    text = popup.GetMenuString(ID_DBFVALVE_TAKE_ONOFF, MF_BYCOMMAND);
    return ID_DBFVALVE_TAKE_ONOFF;
  });
  d.valve.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(text, "Take ON");
  EXPECT_TRUE(d.valve.GetAttribBool(DV_DoOnOffPosition));
  d.valve.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(text, "Take OFF");
  EXPECT_FALSE(d.valve.GetAttribBool(DV_DoOnOffPosition));
  CMenu::SetPopupMenuHandler(previous);
}

TEST(DBFValveTest, PictureClosedAlongTheTopOpenDownTheSide) {
  CreatedDiverter d;
  const COLORREF flap = 0xFFFFFF, closedBg = 0x00009D, openBg = 0x40FF00;
  ShapePicture closed(d.valve);
  EXPECT_EQ(closed.Pixel(15, 15), closedBg);
  EXPECT_EQ(closed.Pixel(8, 3), flap) << "the flap lies along the top";
  EXPECT_EQ(closed.Pixel(26, 20), closedBg);

  d.valve.SetAttribFloat(VA_Position, 100.0f);
  d.valve.SetAttribBool(DV_DiOnOffPosition, true);
  ShapePicture open(d.valve);
  EXPECT_EQ(open.Pixel(15, 15), openBg);
  EXPECT_EQ(open.Pixel(26, 20), flap) << "turned a quarter down the right side";
  EXPECT_EQ(open.Pixel(8, 3), openBg);
}

}  // namespace
