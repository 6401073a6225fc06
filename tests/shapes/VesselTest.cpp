// The vessel: its attributes, units and alarms, the level's clamping and
// port conversion, the blinking flags, its menu, and its picture at empty,
// half and full level, overloaded, under local control and in alarm.
#include <gtest/gtest.h>

#include <cstdlib>

#include "attrib/AlarmStruct.h"
#include "platform/Thread.h"
#include "platform/ui/Dialog.h"
#include "res/ShapeResources.h"
#include "shapes/Vessel.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

// A silo of the plant: 70 x 160, hopper layout, caption band s3 = 3.
ShapeCreateInfo SiloInfo(DWORD style = 0x3000) {
  return ShapeCreateInfo(style, 830, 540, 70, 160, 0x40405000, 1, "Silo1");
}

// A vessel created on its own mimic, without a message box.
struct CreatedVessel : CreatedDevice<C_Vessel> {
  explicit CreatedVessel(const std::string& settings = "[Vessel.Silo1]\nReserveInt1.Data=0\n",
                         const ShapeCreateInfo& info = SiloInfo())
      : CreatedDevice<C_Vessel>(info, settings) {
    EXPECT_TRUE(created);
    EXPECT_EQ(world.Boxes().Count(), 0u);
  }
  // Opens the context menu and chooses command (0: none); returns the
  // on/off item's text as it was offered.
  std::string Menu(UINT command = 0) {
    return FindMenuItem(OpenContextMenu(shape, command), ID_VESSEL_TAKE_ONOFF).text;
  }
  // Saves the picture for a look when VEK_SHAPE_PNG_DIR names a folder.
  static void Keep(const ShapePicture& picture, const std::string& name) {
    if (const char* dir = std::getenv("VEK_SHAPE_PNG_DIR")) picture.SavePng(std::string(dir) + "/" + name + ".png");
  }
};

// Names, types, defaults, units and the menu are in DeviceTablesTest.
TEST(VesselTest, AlarmsAndControlId) {
  ShapeWorld world;
  C_Vessel vessel(SiloInfo());
  const char* alarms[] = {"CHLFR", "CHOVR", "DCHLFR", "AM"};
  ASSERT_EQ(vessel.GetAlarmCount(), 4);
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(vessel.GetAlarmAt(i), nullptr);
    EXPECT_EQ(vessel.GetAlarmAt(i)->GetId(), 2000 + i);
    EXPECT_EQ(vessel.GetAlarmAt(i)->GetName(), alarms[i]);
  }
  EXPECT_EQ(vessel.GetCtrlId() >> 16, 0x0101u);
  EXPECT_EQ(vessel.GetDefaultInt(BA_ColorBgOld, AP_DATA), 0x6EB43C);
}

TEST(VesselTest, LevelIsClampedPostedAndGivesTheUnitPercent) {
  CreatedVessel v;
  const struct {
    float set, stored, percent;
    bool posted;
  } rows[] = {{250, 250, 25, false}, {1200, 1000, 100, true}, {-4, 0, 0, true}, {0, 0, 0, false}};
  for (const auto& row : rows) {
    v.world.Mimic().Clear();
    v.shape.SetAttribFloat(VS_Level, row.set);
    v.world.Deliver();
    EXPECT_FLOAT_EQ(v.shape.GetAttribFloat(VS_Level), row.stored) << row.set;
    EXPECT_FLOAT_EQ(v.shape.GetAnalogUnit(0)->GetValue(), row.percent) << row.set;
    const LPARAM command = static_cast<LPARAM>(v.shape.GetCtrlId() | (VS_Level << 8));
    EXPECT_EQ(v.world.Mimic().Count(WM_SHAPE_COMMAND, command), row.posted ? 1 : 0) << row.set;
  }
  // An equal value does nothing at all.
  v.world.Mimic().Clear();
  v.shape.SetAttribFloat(VS_Level, 0.0f);
  v.world.Deliver();
  EXPECT_EQ(v.world.Mimic().Count(WM_ATTRIB_CHANGED), 0);
  // The temperature unit follows its own range.
  v.shape.SetAttribFloat(VS_MaxVluTemperature, 200.0f);
  v.shape.SetAttribFloat(VS_Temperature, 50.0f);
  EXPECT_FLOAT_EQ(v.shape.GetAnalogUnit(2)->GetValue(), 25.0f);
}

TEST(VesselTest, PortValuesAreKeptAndConvertedWhileTheUnitCalculates) {
  CreatedVessel v;
  v.shape.SetAttribFloat(VS_LevelPort, 16000.0f);
  EXPECT_FLOAT_EQ(v.shape.GetAttribFloat(VS_Level), 0.0f) << "the unit does not calculate";
  v.shape.GetAnalogUnit(0)->SetAutoCalcFromPort(true);
  v.shape.SetAttribFloat(VS_LevelPort, 27000.0f);
  EXPECT_FLOAT_EQ(v.shape.GetAttribFloat(VS_Level), 1000.0f);
  v.shape.SetAttribFloat(VS_LevelPort, 99999.0f);
  EXPECT_FLOAT_EQ(v.shape.GetAttribFloat(VS_LevelPort), 99999.0f) << "a port value is not clamped";
  EXPECT_FLOAT_EQ(v.shape.GetAttribFloat(VS_Level), 1000.0f) << "the level is";
  v.shape.SetAttribFloat(VS_LevelPort, 16000.0f);
  EXPECT_FLOAT_EQ(v.shape.GetAttribFloat(VS_Level), 500.0f);
}

TEST(VesselTest, WhichFlagsBlinkTheFrame) {
  CreatedVessel v;
  const struct {
    int id;
    bool blinks;
  } rows[] = {{VS_LlaFlgLevel, true},      {VS_HlaFlgLevel, true},        {VS_LlaFlgSpeed, true},
              {VS_DiOnAlarmSpeed, true},   {VS_HlaFlgSpeed, false},       {VS_LlaFlgTemperature, false},
              {VS_HlaFlgTemperature, false}, {VS_LocalCntrlLevel, false}, {VS_DiOnOffSpeed, false}};
  for (const auto& row : rows) {
    v.shape.SetAttribBool(row.id, true);
    EXPECT_EQ(v.shape.GetBlinkFlags().alarm, row.blinks) << row.id;
    v.shape.SetAttribBool(row.id, false);
    EXPECT_FALSE(v.shape.GetBlinkFlags().alarm) << row.id;
  }
  // The running feedback and the run command start the repaint timer.
  EXPECT_EQ(C_Vessel::ClassDef().boolRules.blinkOnTrue, (std::vector<int>{VS_DiOnOffSpeed, VS_DoOnOffSpeed}));
  EXPECT_TRUE(C_Vessel::ClassDef().boolRules.drives.empty());
  EXPECT_EQ(C_Vessel::ClassDef().attribs.GetPortRule(), PortRule::AutoCalc);
}

TEST(VesselTest, MenuTakesTheDriveOnAndOff) {
  CreatedVessel v;
  EXPECT_EQ(v.Menu(ID_VESSEL_TAKE_ONOFF), "Take ON");
  EXPECT_TRUE(v.shape.GetAttribBool(VS_DoOnOffSpeed));
  EXPECT_EQ(v.Menu(ID_VESSEL_TAKE_ONOFF), "Take OFF");
  EXPECT_FALSE(v.shape.GetAttribBool(VS_DoOnOffSpeed));
  v.shape.ToggleDoOnOffSpeed();
  EXPECT_TRUE(v.shape.GetAttribBool(VS_DoOnOffSpeed));
  v.Menu(ID_VESSEL_ACTION);
  ASSERT_EQ(v.world.Boxes().Count(), 1u);
  EXPECT_EQ(v.world.Boxes().Last().text, "No Action defined!");
  std::string opened;
  CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& dialog) {
    opened = dialog.GetWindowText();
    dialog.EndDialog(IDCANCEL);
  });
  v.Menu(ID_VESSEL_PROPERTIES);
  CDialog::SetModalDriver(previous);
  EXPECT_EQ(opened, "Control Properties   [Vessel.Silo1]");
  EXPECT_EQ(v.world.Boxes().Count(), 1u);
}

TEST(VesselTest, RunningDriveMovesTheMarkOnTheRepaintTimer) {
  // A plain tank (type 0) with a mark band s0 = 8.
  CreatedVessel v("[Vessel.Tank]\nReserveInt1.Data=0\n", ShapeCreateInfo(0x8, 0, 0, 100, 99, 0, 0, "Tank"));
  v.shape.SetAttribFloat(VS_Speed, 500.0f);  // 50 %
  v.shape.UpdateWindow();
  const int still = v.shape.GetMark().position;
  v.shape.UpdateWindow();
  EXPECT_EQ(v.shape.GetMark().position, still) << "no paint without a change or the timer";
  v.shape.SetAttribBool(VS_DiOnOffSpeed, true);  // starts the 90 ms repaints
  const int start = v.shape.GetMark().position;
  EXPECT_TRUE(WaitProcessingEvents([&] { return v.shape.GetMark().position >= start + 3 * 3; }, 3000))
      << "steps of trunc(45 x 50 x 0.0015) = 3";
  CreatedVessel::Keep(ShapePicture(v.shape), "vessel_mark");
}

TEST(VesselTest, TextsOfTheBands) {
  CreatedVessel v;
  v.shape.SetAttribFloat(VS_Level, 250.7f);
  EXPECT_EQ(v.shape.GetLevelText(), "251 Kg") << "the precision of a maximum of 1000";
  v.shape.SetAttribFloat(VS_MaxVluLevel, 50.0f);
  v.shape.SetAttribFloat(VS_Level, 12.25f);
  EXPECT_EQ(v.shape.GetLevelText(), "12.2 Kg");
  v.shape.SetAttribFloat(VS_Temperature, 36.66f);
  EXPECT_EQ(v.shape.GetTemperatureText(), "36.7 \u00B0C");

  COLORREF color = 1;
  EXPECT_EQ(v.shape.GetCaptionBandText(&color), "Silo1");
  EXPECT_EQ(color, 0x000000u);
  v.shape.SetDeviceCaption("Silo 1");
  EXPECT_EQ(v.shape.GetCaptionBandText(&color), "Silo 1");
  const struct {
    int alarm;
    const char* text;
    COLORREF color;
  } alarms[] = {{VS_ALARM_AM, "AM", 0x00FFFF}, {VS_ALARM_DCHLFR, "DCHLFR", 0x00FFFF}, {VS_ALARM_CHOVR, "CHOVR", 0x0000FF},
                {VS_ALARM_CHLFR, "CHLFR", 0x0000FF}};
  for (const auto& alarm : alarms) {
    ASSERT_NE(v.shape.FindAlarm(alarm.alarm), nullptr);
    v.shape.FindAlarm(alarm.alarm)->SetActive(true);
    EXPECT_EQ(v.shape.GetCaptionBandText(&color), alarm.text) << "the first in the list is shown";
    EXPECT_EQ(color, alarm.color) << alarm.alarm;
  }
  EXPECT_TRUE(v.shape.GetBlinkFlags().alarm) << "an active alarm blinks the frame";
  for (const auto& alarm : alarms) v.shape.FindAlarm(alarm.alarm)->SetDisplayed(true);
  EXPECT_EQ(v.shape.GetCaptionBandText(&color), "Silo 1") << "every alarm displayed";
}

TEST(VesselTest, PictureAtEmptyHalfAndFullLevel) {
  // A rectangular tank 60 x 99 shows its level row by row (y = row).
  CreatedVessel v("[Vessel.Tank]\nReserveInt1.Data=0\n", ShapeCreateInfo(0, 0, 0, 60, 99, 0, 0, "Tank"));
  const COLORREF body = 0x6EB43C, fill = 0xE1FFFF;
  const struct {
    float level;
    int fillRows;
  } rows[] = {{0, 0}, {500, 50}, {1000, 99}};
  for (const auto& row : rows) {
    v.shape.SetAttribFloat(VS_Level, row.level);
    ShapePicture picture(v.shape);
    CreatedVessel::Keep(picture, "vessel_tank_" + std::to_string(static_cast<int>(row.level / 10)));
    EXPECT_EQ(picture.Pixel(30, 10), row.fillRows == 99 ? fill : body) << row.level;
    EXPECT_EQ(picture.Pixel(30, 60), row.fillRows >= 50 ? fill : body) << row.level;
    EXPECT_EQ(picture.Pixel(30, 97), row.fillRows > 0 ? fill : body) << row.level;
    // The fill covers the rows below the level's row, wall to wall (inside
    // the frame).
    const int filled = picture.Count(fill);
    EXPECT_GE(filled, 58 * (row.fillRows - 2)) << row.level;
    EXPECT_LE(filled, 60 * (row.fillRows + 1)) << row.level;
  }
  EXPECT_EQ(ShapePicture(v.shape).Pixel(0, 0), MIMIC_BG_COLOR) << "the idle frame vanishes";
}

TEST(VesselTest, PictureColoursFollowTheState) {
  CreatedVessel v;
  v.shape.SetAttribFloat(VS_Level, 500.0f);
  const CPoint high(35, 20), low(35, 150);
  ShapePicture normal(v.shape);
  CreatedVessel::Keep(normal, "vessel_silo_50");
  EXPECT_EQ(normal.Pixel(high.x, high.y), 0x6EB43Cu);
  EXPECT_EQ(normal.Pixel(low.x, low.y), 0xE1FFFFu);
  EXPECT_EQ(normal.Pixel(2, 155), MIMIC_BG_COLOR) << "beside the silo's cone";

  v.shape.SetAttribBool(BA_DeviceIsOverloaded, true);
  v.shape.SetAttribBool(VS_LocalCntrlLevel, true);
  ShapePicture local(v.shape);
  EXPECT_EQ(local.Pixel(high.x, high.y), 0x0000FFu) << "ColorBgLocal";
  EXPECT_EQ(local.Pixel(low.x, low.y), 0x0000C8u) << "ColorFgOverload";
  v.shape.SetAttribBool(VS_LocalCntrlLevel, false);
  v.shape.SetAttribBool(BA_DeviceIsInRecipe, false);
  EXPECT_EQ(ShapePicture(v.shape).Pixel(high.x, high.y), 0x808080u) << "ColorBgOutOfRecipe";

  // An alarm: the caption band shows its name in red, the frame blinks red.
  v.shape.SetAttribBool(BA_DeviceIsInRecipe, true);
  ASSERT_NE(v.shape.FindAlarm(VS_ALARM_CHOVR), nullptr);
  v.shape.FindAlarm(VS_ALARM_CHOVR)->SetActive(true);
  v.shape.SendMessage(WM_TIMER, TIMER_SHAPE_ALARM_BLINK, 0);
  ShapePicture alarm(v.shape);
  CreatedVessel::Keep(alarm, "vessel_silo_alarm");
  EXPECT_EQ(alarm.Pixel(0, 80), 0x0000FFu) << "the alarm frame";
  const CRect band = VesselBandRect(3, 70, 160);
  int red = 0;
  for (int y = band.top; y < band.bottom; ++y) {
    for (int x = 1; x < 69; ++x) red += alarm.Pixel(x, y) == 0x0000FFu ? 1 : 0;
  }
  EXPECT_GT(red, 10) << "the alarm's name in the caption band";
}

TEST(VesselTest, CaptionsOfThePlantFitTheirVessels) {
  // The plant's vessels: a caption or level lies inside the window.
  const struct {
    ShapeCreateInfo info;
  } vessels[] = {{ShapeCreateInfo(0x8000, 650, 290, 160, 18, 0, 0, "Screen1")},
                 {ShapeCreateInfo(0x7000, 580, 70, 90, 170, 0, 7, "SeparatingVessel")},
                 {ShapeCreateInfo(0x3000, 830, 540, 70, 160, 0x40405000, 1, "Silo1")},
                 {ShapeCreateInfo(0x400, 690, 320, 80, 60, 0x20415000, 1, "MeasurBeltHopper")},
                 {ShapeCreateInfo(0, 220, 60, 60, 140, 0x25319101, 1, "TowerCyclone")},
                 {ShapeCreateInfo(0, 710, 40, 40, 100, 0x25319101, 1, "AirLiftCyclone")}};
  for (const auto& row : vessels) {
    const std::string name = row.info.GetDeviceName();
    CreatedVessel v("[Vessel." + name + "]\nReserveInt1.Data=0\n", row.info);
    v.shape.SetAttribFloat(VS_Level, 200.0f);
    ShapePicture picture(v.shape);
    CreatedVessel::Keep(picture, "vessel_plant_" + name);
    // Text is black (caption) or 0x000040 (level); neither may touch the
    // left or right edge, where a clipped text would end.
    for (int y = 1; y + 1 < picture.Height(); ++y) {
      for (int x : {1, picture.Width() - 2}) {
        const COLORREF c = picture.Pixel(x, y);
        EXPECT_TRUE(c != 0x000000u && c != 0x000040u) << name << " text at the edge " << x << "," << y;
      }
    }
  }
}

}  // namespace
