// The heat zone: four groups with their own drive interlocks, values that
// never follow their ports, its menu, and the chamber filled by the
// temperature with the flames flickering while the fuel is on.
#include <gtest/gtest.h>

#include "res/ShapeResources.h"
#include "shapes/HtZn.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

ShapeCreateInfo HotAirInfo(DWORD style = 0, int option2 = 1) {
  return ShapeCreateInfo(style, 280, 690, 69, 110, 0x3C000237, option2, "HotAirHeatZone");
}

struct CreatedZone : CreatedDevice<C_HtZn> {
  explicit CreatedZone(DWORD style = 0, int option2 = 1)
      : CreatedDevice<C_HtZn>(HotAirInfo(style, option2), "[HeatZone.HotAirHeatZone]\nDeviceCaption.Data=HZ\n") {
    EXPECT_TRUE(created);
  }
};

TEST(HtZnTest, EachGroupHasItsOwnDriveInterlocks) {
  CreatedZone z;
  for (int group = 0; group < 4; ++group) {
    const int increase = HtZnCompanionId(group, 4), decrease = HtZnCompanionId(group, 5);
    const int runCommand = HtZnCompanionId(group, 8);
    SCOPED_TRACE(z.shape.GetAttribName(runCommand));
    z.shape.SetAttribBool(runCommand, true);
    z.shape.SetAttribBool(increase, true);
    z.shape.SetAttribBool(decrease, true);
    EXPECT_FALSE(z.shape.GetAttribBool(increase));
    z.shape.SetAttribBool(increase, true);
    EXPECT_FALSE(z.shape.GetAttribBool(decrease));
    z.shape.SetAttribBool(runCommand, false);
    EXPECT_FALSE(z.shape.GetAttribBool(increase)) << "switched off: both commands off";
    for (const int offset : {0, 1, 7}) {
      z.shape.SetAttribBool(HtZnCompanionId(group, offset), true);
      EXPECT_TRUE(z.shape.GetBlinkFlags().alarm) << offset;
      z.shape.SetAttribBool(HtZnCompanionId(group, offset), false);
    }
  }
  EXPECT_EQ(HtZnCompanionId(2, 8), HZ_DoOnOffFuel);
  EXPECT_EQ(HtZnCompanionId(1, 6), HZ_DiOnOffPressure);
}

TEST(HtZnTest, ValuesAreClampedAndPortsNeverConvert) {
  CreatedZone z;
  z.shape.SetAttribFloat(HZ_Pressure, 120.0f);
  z.world.Deliver();
  EXPECT_FLOAT_EQ(z.shape.GetAttribFloat(HZ_Pressure), 100.0f);
  EXPECT_EQ(z.world.Mimic().Count(WM_SHAPE_COMMAND, static_cast<LPARAM>(z.shape.GetCtrlId() | (36u << 8))), 1);
  for (int unit = 0; unit < 4; ++unit) z.shape.GetAnalogUnit(unit)->SetAutoCalcFromPort(true);
  z.shape.SetAttribFloat(HZ_TemperaturePort, 16000.0f);
  z.shape.SetAttribFloat(HZ_TemperaturePort + 8, 90000.0f);
  EXPECT_FLOAT_EQ(z.shape.GetAttribFloat(HZ_TemperaturePort), 16000.0f);
  EXPECT_FLOAT_EQ(z.shape.GetAttribFloat(HZ_TemperaturePort + 8), 90000.0f) << "stored unchanged";
  EXPECT_FLOAT_EQ(z.shape.GetAttribFloat(HZ_Temperature), 0.0f);
  EXPECT_FLOAT_EQ(z.shape.GetAttribFloat(HZ_Pressure), 100.0f);
}

TEST(HtZnTest, MenuTogglesTheFuelAndHasNoActionDialog) {
  CreatedZone z;
  std::vector<MenuItemSeen> items = OpenContextMenu(z.shape, ID_HTZN_TAKE_ONOFF);
  EXPECT_EQ(FindMenuItem(items, ID_HTZN_TAKE_ONOFF).text, "Take ON");
  EXPECT_TRUE(z.shape.GetAttribBool(HZ_DoOnOffFuel));
  z.shape.SetAttribBool(HZ_DoIncreaseFuel, true);
  items = OpenContextMenu(z.shape, ID_HTZN_ACTION);
  EXPECT_EQ(FindMenuItem(items, ID_HTZN_TAKE_ONOFF).text, "Take OFF");
  ASSERT_EQ(z.world.Boxes().Count(), 1u);
  EXPECT_EQ(z.world.Boxes().Last().text, "No Action defined!");
  EXPECT_TRUE(z.shape.GetAttribBool(HZ_DoIncreaseFuel)) << "the box changes nothing";
  OpenContextMenu(z.shape, ID_HTZN_TAKE_ONOFF);
  EXPECT_FALSE(z.shape.GetAttribBool(HZ_DoIncreaseFuel));
  EXPECT_FALSE(z.shape.GetAttribBool(HZ_DoDecreaseFuel));
}

TEST(HtZnTest, TemperatureFillsTheChamberFromTheBottom) {
  CreatedZone z;
  const COLORREF empty = 0xD7D7FF, hot = 0xC0C0C0;
  const struct {
    float temperature;
    COLORREF top, middle, bottom;
  } rows[] = {
      {0.0f, empty, empty, empty},
      {1000.0f, empty, hot, hot},      // 50 %: rows 50-99, y 55 and below
      {2000.0f, hot, hot, hot},
      {-5.0f, empty, empty, empty},    // clamped to the minimum
  };
  for (const auto& row : rows) {
    z.shape.SetAttribFloat(HZ_Temperature, row.temperature);
    const ShapePicture picture(z.shape);
    EXPECT_EQ(picture.Pixel(34, 3), row.top) << row.temperature;
    EXPECT_EQ(picture.Pixel(10, 70), row.middle) << row.temperature;
    EXPECT_EQ(picture.Pixel(10, 105), row.bottom) << row.temperature;
    EXPECT_EQ(picture.Pixel(5, 5), MIMIC_BG_COLOR) << "beside the narrow top";
  }
}

TEST(HtZnTest, WithoutAnOutlineNothingIsDrawn) {
  CreatedZone z(0, 2);
  EXPECT_TRUE(z.shape.GetOutline().empty());
  z.shape.SetAttribFloat(HZ_Temperature, 2000.0f);
  z.shape.SetAttribBool(HZ_DiOnOffFuel, true);
  const ShapePicture picture(z.shape);
  EXPECT_EQ(picture.Count(0xD7D7FF) + picture.Count(0xC0C0C0), 0);
  EXPECT_EQ(z.shape.GetFlames().a, 0) << "no room for flames";
}

TEST(HtZnTest, FlamesFlickerWhileTheFuelBurnsAndShowOnlyWhenAsked) {
  CreatedZone hidden(0);
  hidden.shape.SetAttribFloat(HZ_Pressure, 100.0f);
  ShapePicture unlit(hidden.shape);
  EXPECT_EQ(hidden.shape.GetFlames().a, 0) << "no fuel, no flicker";
  hidden.shape.SetAttribBool(HZ_DiOnOffFuel, true);
  for (int paint = 0; paint < 3; ++paint) ShapePicture lit(hidden.shape);
  EXPECT_EQ(hidden.shape.GetFlames().a, 6) << "room 20, step 2";
  const int outline = ShapePicture(hidden.shape).Count(0x000000);  // the chamber's outline only

  CreatedZone shown(1);
  shown.shape.SetAttribFloat(HZ_Pressure, 100.0f);
  shown.shape.SetAttribBool(HZ_DiOnOffFuel, true);
  for (int paint = 0; paint < 7; ++paint) ShapePicture lit(shown.shape);
  EXPECT_GT(ShapePicture(shown.shape).Count(0x000000), outline + 20) << "style 1: the flames' outlines too";
}

}  // namespace
