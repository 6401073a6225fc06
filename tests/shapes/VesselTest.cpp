// The vessel: its attributes, units and alarms, the level's clamping and
// port conversion, the blinking flags, its menu, and its picture at empty,
// half and full level, overloaded, under local control and in alarm.
#include <gtest/gtest.h>

#include <cstdlib>

#include "attrib/AlarmStruct.h"
#include "platform/Thread.h"
#include "res/ShapeResources.h"
#include "shapes/Vessel.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

// A silo of the plant: 70 x 160, hopper layout, caption band s3 = 3.
ShapeCreateInfo SiloInfo(DWORD style = 0x3000) {
  return ShapeCreateInfo(style, 830, 540, 70, 160, 0x40405000, 1, "Silo1");
}

struct CreatedVessel {
  explicit CreatedVessel(const std::string& settings = "[Vessel.Silo1]\nReserveInt1.Data=0\n",
                         const ShapeCreateInfo& info = SiloInfo())
      : world(settings), vessel(info) {
    EXPECT_TRUE(world.Create(vessel));
    EXPECT_EQ(world.Boxes().Count(), 0u);
    world.Mimic().Clear();
  }
  // Opens the context menu and chooses command (0: none); returns the
  // on/off item's text as it was offered.
  std::string Menu(UINT command = 0) {
    return FindMenuItem(OpenContextMenu(vessel, command), ID_VESSEL_TAKE_ONOFF).text;
  }
  // Saves the picture for a look when VEK_SHAPE_PNG_DIR names a folder.
  static void Keep(const ShapePicture& picture, const std::string& name) {
    if (const char* dir = std::getenv("VEK_SHAPE_PNG_DIR")) picture.SavePng(std::string(dir) + "/" + name + ".png");
  }
  ShapeWorld world;
  C_Vessel vessel;
};

TEST(VesselTest, AttributesRolesAndDefaults) {
  ShapeWorld world;
  C_Vessel vessel(SiloInfo());
  const struct {
    int id;
    const char* name;
    VARTYPE vt;
    int role;
    double dataDefault;
  } rows[] = {
      {27, "ReserveFloat1", VT_R4, AR_NONE, 0},
      {28, "Level", VT_R4, AR_VALUE, 0},
      {29, "MinVluLevel", VT_R4, AR_MIN_VLU, 0},
      {30, "MaxVluLevel", VT_R4, AR_MAX_VLU, 1000},
      {31, "LlaVluLevel", VT_R4, AR_NONE, 0},
      {32, "HlaVluLevel", VT_R4, AR_NONE, 1000},
      {33, "LevelPort", VT_R4, AR_PORT, 0},
      {34, "MinVluLevelPort", VT_R4, AR_MIN_VLU_PORT, 5000},
      {35, "MaxVluLevelPort", VT_R4, AR_MAX_VLU_PORT, 27000},
      {36, "Speed", VT_R4, AR_VALUE, 0},
      {38, "MaxVluSpeed", VT_R4, AR_MAX_VLU, 1000},
      {40, "HlaVluSpeed", VT_R4, AR_NONE, 1000},
      {43, "MaxVluSpeedPort", VT_R4, AR_MAX_VLU_PORT, 27000},
      {44, "Temperature", VT_R4, AR_VALUE, 0},
      {46, "MaxVluTemperature", VT_R4, AR_MAX_VLU, 1000},
      {49, "TemperaturePort", VT_R4, AR_PORT, 0},
      {50, "MinVluTemperaturePort", VT_R4, AR_MIN_VLU_PORT, 5000},
      {52, "TareLevel", VT_R4, AR_NONE, 0.2},
      {53, "OverloadWarningLevel", VT_R4, AR_NONE, 5},
      {54, "OverloadErrorLevel", VT_R4, AR_NONE, 30},
      {55, "ReserveBool1", VT_BOOL, AR_NONE, 0},
      {56, "LlaFlgLevel", VT_BOOL, AR_NONE, 0},
      {57, "HlaFlgLevel", VT_BOOL, AR_NONE, 0},
      {58, "LocalCntrlLevel", VT_BOOL, AR_NONE, 0},
      {59, "AutoCntrlLevel", VT_BOOL, AR_NONE, 0},
      {60, "LlaFlgSpeed", VT_BOOL, AR_NONE, 0},
      {61, "HlaFlgSpeed", VT_BOOL, AR_NONE, 0},
      {62, "LocalCntrlSpeed", VT_BOOL, AR_NONE, 0},
      {63, "AutoCntrlSpeed", VT_BOOL, AR_NONE, 0},
      {64, "DiOnOffSpeed", VT_BOOL, AR_NONE, 0},
      {65, "DoOnOffSpeed", VT_BOOL, AR_NONE, 0},
      {66, "DiOnAlarmSpeed", VT_BOOL, AR_NONE, 0},
      {67, "LlaFlgTemperature", VT_BOOL, AR_NONE, 0},
      {68, "HlaFlgTemperature", VT_BOOL, AR_NONE, 0},
      {69, "LocalCntrlTemperature", VT_BOOL, AR_NONE, 0},
      {70, "AutoCntrlTemperature", VT_BOOL, AR_NONE, 0},
      {71, "ReserveInt1", VT_I4, AR_NONE, 0},
      {72, "ReserveStr1", VT_BSTR, AR_NONE, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(vessel.GetAttribName(row.id), row.name) << row.id;
    EXPECT_EQ(vessel.GetAttribType(row.id), row.vt) << row.id;
    EXPECT_EQ(vessel.GetAnalogRole(row.id), row.role) << row.id;
    EXPECT_FLOAT_EQ(vessel.GetDefaultFloat(row.id, AP_DATA), static_cast<float>(row.dataDefault)) << row.id;
  }
  EXPECT_EQ(vessel.GetAttribCount(), VS_COUNT);
  EXPECT_EQ(vessel.GetAttribType(73), VT_EMPTY);
  EXPECT_EQ(vessel.GetAttribName(73), "00000049");
  EXPECT_EQ(vessel.GetAnalogGroupMember(41, AR_MAX_VLU), 38);
  EXPECT_EQ(vessel.GetAnalogGroupMember(44, AR_MAX_VLU_PORT), 51);
  EXPECT_EQ(vessel.GetAnalogGroupMember(52, AR_VALUE), -1);
  EXPECT_EQ(vessel.GetDefaultInt(BA_ColorBG, AP_DATA), 0x6EB43C);
  EXPECT_EQ(vessel.GetDefaultInt(BA_ColorFG, AP_DATA), 0xE1FFFF);
  EXPECT_EQ(vessel.GetDefaultInt(BA_ColorBody, AP_DATA), 0xFF0000) << "the base's";
  EXPECT_EQ(vessel.GetDefaultInt(BA_ColorBgOld, AP_DATA), 0x6EB43C);

  const struct {
    int id;
    const char* caption;
    const char* unit;
  } units[] = {{28, "Level", "Kg"}, {36, "Speed", "RPM"}, {44, "Temperature", "\u00B0C"}};
  ASSERT_EQ(vessel.GetAnalogUnitCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(vessel.GetAnalogUnit(i)->GetAttribId(), units[i].id);
    EXPECT_EQ(vessel.GetAnalogUnit(i)->GetCaption(), units[i].caption);
    EXPECT_EQ(vessel.GetAnalogUnit(i)->GetUnitText(), units[i].unit);
  }
  const char* alarms[] = {"CHLFR", "CHOVR", "DCHLFR", "AM"};
  ASSERT_EQ(vessel.GetAlarmCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(vessel.GetAlarmAt(i)->GetId(), 2000 + i);
    EXPECT_EQ(vessel.GetAlarmAt(i)->GetName(), alarms[i]);
  }
  EXPECT_EQ(vessel.GetIniSectionName(), "Vessel.Silo1");
  EXPECT_EQ(vessel.GetCtrlId() >> 16, 0x0101u);
}

TEST(VesselTest, LevelIsClampedPostedAndGivesTheUnitPercent) {
  CreatedVessel v;
  const struct {
    float set, stored, percent;
    bool posted;
  } rows[] = {{250, 250, 25, false}, {1200, 1000, 100, true}, {-4, 0, 0, true}, {0, 0, 0, false}};
  for (const auto& row : rows) {
    v.world.Mimic().Clear();
    v.vessel.SetAttribFloat(VS_Level, row.set);
    v.world.Deliver();
    EXPECT_FLOAT_EQ(v.vessel.GetAttribFloat(VS_Level), row.stored) << row.set;
    EXPECT_FLOAT_EQ(v.vessel.GetAnalogUnit(0)->GetValue(), row.percent) << row.set;
    const LPARAM command = static_cast<LPARAM>(v.vessel.GetCtrlId() | (VS_Level << 8));
    EXPECT_EQ(v.world.Mimic().Count(WM_SHAPE_COMMAND, command), row.posted ? 1 : 0) << row.set;
  }
  // An equal value does nothing at all.
  v.world.Mimic().Clear();
  v.vessel.SetAttribFloat(VS_Level, 0.0f);
  v.world.Deliver();
  EXPECT_EQ(v.world.Mimic().Count(WM_ATTRIB_CHANGED), 0);
  // The temperature unit follows its own range.
  v.vessel.SetAttribFloat(VS_MaxVluTemperature, 200.0f);
  v.vessel.SetAttribFloat(VS_Temperature, 50.0f);
  EXPECT_FLOAT_EQ(v.vessel.GetAnalogUnit(2)->GetValue(), 25.0f);
}

TEST(VesselTest, PortValuesAreKeptAndConvertedWhileTheUnitCalculates) {
  CreatedVessel v;
  v.vessel.SetAttribFloat(VS_LevelPort, 16000.0f);
  EXPECT_FLOAT_EQ(v.vessel.GetAttribFloat(VS_Level), 0.0f) << "the unit does not calculate";
  v.vessel.GetAnalogUnit(0)->SetAutoCalcFromPort(true);
  v.vessel.SetAttribFloat(VS_LevelPort, 27000.0f);
  EXPECT_FLOAT_EQ(v.vessel.GetAttribFloat(VS_Level), 1000.0f);
  v.vessel.SetAttribFloat(VS_LevelPort, 99999.0f);
  EXPECT_FLOAT_EQ(v.vessel.GetAttribFloat(VS_LevelPort), 99999.0f) << "a port value is not clamped";
  EXPECT_FLOAT_EQ(v.vessel.GetAttribFloat(VS_Level), 1000.0f) << "the level is";
  v.vessel.SetAttribFloat(VS_LevelPort, 16000.0f);
  EXPECT_FLOAT_EQ(v.vessel.GetAttribFloat(VS_Level), 500.0f);
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
    v.vessel.SetAttribBool(row.id, true);
    EXPECT_EQ(v.vessel.GetBlinkFlags().alarm, row.blinks) << row.id;
    v.vessel.SetAttribBool(row.id, false);
    EXPECT_FALSE(v.vessel.GetBlinkFlags().alarm) << row.id;
  }
  // The running feedback and the run command start the repaint timer.
  EXPECT_EQ(C_Vessel::ClassDef().boolRules.blinkOnTrue, (std::vector<int>{VS_DiOnOffSpeed, VS_DoOnOffSpeed}));
  EXPECT_TRUE(C_Vessel::ClassDef().boolRules.drives.empty());
  EXPECT_EQ(C_Vessel::ClassDef().attribs.GetPortRule(), PortRule::AutoCalc);
}

TEST(VesselTest, MenuTakesTheDriveOnAndOff) {
  CreatedVessel v;
  EXPECT_EQ(v.Menu(ID_VESSEL_TAKE_ONOFF), "Take ON");
  EXPECT_TRUE(v.vessel.GetAttribBool(VS_DoOnOffSpeed));
  EXPECT_EQ(v.Menu(ID_VESSEL_TAKE_ONOFF), "Take OFF");
  EXPECT_FALSE(v.vessel.GetAttribBool(VS_DoOnOffSpeed));
  v.vessel.ToggleDoOnOffSpeed();
  EXPECT_TRUE(v.vessel.GetAttribBool(VS_DoOnOffSpeed));
  v.Menu(ID_VESSEL_ACTION);
  ASSERT_EQ(v.world.Boxes().Count(), 1u);
  EXPECT_EQ(v.world.Boxes().Last().text, "No Action defined!");
  v.Menu(ID_VESSEL_PROPERTIES);  // no pages yet: nothing opens
  EXPECT_EQ(v.world.Boxes().Count(), 1u);
}

TEST(VesselTest, RunningDriveMovesTheMarkOnTheRepaintTimer) {
  // A plain tank (type 0) with a mark band s0 = 8.
  CreatedVessel v("[Vessel.Tank]\nReserveInt1.Data=0\n", ShapeCreateInfo(0x8, 0, 0, 100, 99, 0, 0, "Tank"));
  v.vessel.SetAttribFloat(VS_Speed, 500.0f);  // 50 %
  v.vessel.UpdateWindow();
  const int still = v.vessel.GetMark().position;
  v.vessel.UpdateWindow();
  EXPECT_EQ(v.vessel.GetMark().position, still) << "no paint without a change or the timer";
  v.vessel.SetAttribBool(VS_DiOnOffSpeed, true);  // starts the 90 ms repaints
  const int start = v.vessel.GetMark().position;
  EXPECT_TRUE(WaitProcessingEvents([&] { return v.vessel.GetMark().position >= start + 3 * 3; }, 3000))
      << "steps of trunc(45 x 50 x 0.0015) = 3";
  CreatedVessel::Keep(ShapePicture(v.vessel), "vessel_mark");
}

TEST(VesselTest, TextsOfTheBands) {
  CreatedVessel v;
  v.vessel.SetAttribFloat(VS_Level, 250.7f);
  EXPECT_EQ(v.vessel.GetLevelText(), "251 Kg") << "the precision of a maximum of 1000";
  v.vessel.SetAttribFloat(VS_MaxVluLevel, 50.0f);
  v.vessel.SetAttribFloat(VS_Level, 12.25f);
  EXPECT_EQ(v.vessel.GetLevelText(), "12.2 Kg");
  v.vessel.SetAttribFloat(VS_Temperature, 36.66f);
  EXPECT_EQ(v.vessel.GetTemperatureText(), "36.7 \u00B0C");

  COLORREF color = 1;
  EXPECT_EQ(v.vessel.GetCaptionBandText(&color), "Silo1");
  EXPECT_EQ(color, 0x000000u);
  v.vessel.SetDeviceCaption("Silo 1");
  EXPECT_EQ(v.vessel.GetCaptionBandText(&color), "Silo 1");
  const struct {
    int alarm;
    const char* text;
    COLORREF color;
  } alarms[] = {{VS_ALARM_AM, "AM", 0x00FFFF}, {VS_ALARM_DCHLFR, "DCHLFR", 0x00FFFF}, {VS_ALARM_CHOVR, "CHOVR", 0x0000FF},
                {VS_ALARM_CHLFR, "CHLFR", 0x0000FF}};
  for (const auto& alarm : alarms) {
    v.vessel.FindAlarm(alarm.alarm)->SetActive(true);
    EXPECT_EQ(v.vessel.GetCaptionBandText(&color), alarm.text) << "the first in the list is shown";
    EXPECT_EQ(color, alarm.color) << alarm.alarm;
  }
  EXPECT_TRUE(v.vessel.GetBlinkFlags().alarm) << "an active alarm blinks the frame";
  for (const auto& alarm : alarms) v.vessel.FindAlarm(alarm.alarm)->SetDisplayed(true);
  EXPECT_EQ(v.vessel.GetCaptionBandText(&color), "Silo 1") << "every alarm displayed";
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
    v.vessel.SetAttribFloat(VS_Level, row.level);
    ShapePicture picture(v.vessel);
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
  EXPECT_EQ(ShapePicture(v.vessel).Pixel(0, 0), MIMIC_BG_COLOR) << "the idle frame vanishes";
}

TEST(VesselTest, PictureColoursFollowTheState) {
  CreatedVessel v;
  v.vessel.SetAttribFloat(VS_Level, 500.0f);
  const CPoint high(35, 20), low(35, 150);
  ShapePicture normal(v.vessel);
  CreatedVessel::Keep(normal, "vessel_silo_50");
  EXPECT_EQ(normal.Pixel(high.x, high.y), 0x6EB43Cu);
  EXPECT_EQ(normal.Pixel(low.x, low.y), 0xE1FFFFu);
  EXPECT_EQ(normal.Pixel(2, 155), MIMIC_BG_COLOR) << "beside the silo's cone";

  v.vessel.SetAttribBool(BA_DeviceIsOverloaded, true);
  v.vessel.SetAttribBool(VS_LocalCntrlLevel, true);
  ShapePicture local(v.vessel);
  EXPECT_EQ(local.Pixel(high.x, high.y), 0x0000FFu) << "ColorBgLocal";
  EXPECT_EQ(local.Pixel(low.x, low.y), 0x0000C8u) << "ColorFgOverload";
  v.vessel.SetAttribBool(VS_LocalCntrlLevel, false);
  v.vessel.SetAttribBool(BA_DeviceIsInRecipe, false);
  EXPECT_EQ(ShapePicture(v.vessel).Pixel(high.x, high.y), 0x808080u) << "ColorBgOutOfRecipe";

  // An alarm: the caption band shows its name in red, the frame blinks red.
  v.vessel.SetAttribBool(BA_DeviceIsInRecipe, true);
  v.vessel.FindAlarm(VS_ALARM_CHOVR)->SetActive(true);
  v.vessel.SendMessage(WM_TIMER, TIMER_SHAPE_ALARM_BLINK, 0);
  ShapePicture alarm(v.vessel);
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
    v.vessel.SetAttribFloat(VS_Level, 200.0f);
    ShapePicture picture(v.vessel);
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
