// What every shape is: its base attributes, control id and instance
// numbers, naming, the device-name list and its duplicate check.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/Font.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"

namespace {

using shape_test::ShapeWorld;
using shape_test::TestShape;

TEST(BaseShapeTest, BaseAttributesNamesTypesAndDataDefaults) {
  TestShape shape("Mixer1");
  const struct {
    int id;
    const char* name;
    VARTYPE vt;
    int intDefault;
  } rows[] = {
      {0, "BaseReserveFloat1", VT_R4, 0},       {1, "LoadInWay", VT_R4, 0},
      {3, "DeviceIsInRecipe", VT_BOOL, 0},      {5, "NoTaring", VT_BOOL, 0},
      {7, "ColorBgOutOfRecipe", VT_I4, 0x808080}, {8, "ColorBgLocal", VT_I4, 0x0000FF},
      {9, "ColorBG", VT_I4, 0x112233},          {10, "ColorFG", VT_I4, 0x445566},
      {11, "ColorFgOverload", VT_I4, 0x0000C8}, {12, "ColorBody", VT_I4, 0x778899},
      {13, "ColorBgOld", VT_I4, 0x112233},      {14, "ColorFgOld", VT_I4, 0x445566},
      {15, "ColorBodyOld", VT_I4, 0x778899},    {16, "ColorBgOutOfRecipeOld", VT_I4, 0},
      {19, "DrawPosX", VT_I4, 0},               {21, "DrawSizeX", VT_I4, 10},
      {22, "DrawSizeY", VT_I4, 20},             {23, "ActuatorControlType", VT_I4, 1},
      {24, "PercentOfHighLowSpeed", VT_I4, 0},  {25, "BaseReserveString1", VT_BSTR, 0},
      {26, "DeviceCaption", VT_BSTR, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(shape.GetAttribName(row.id), row.name);
    EXPECT_EQ(shape.GetAttribType(row.id), row.vt) << row.id;
    EXPECT_EQ(shape.GetAttrib(row.id)->GetDataType(), row.vt) << row.id;
    EXPECT_EQ(shape.GetDefaultInt(row.id, AP_DATA), row.intDefault) << row.id;
    EXPECT_EQ(shape.GetDefaultInt(row.id, AP_TAG), 0) << row.id;
    EXPECT_EQ(shape.GetAnalogRole(row.id), AR_NONE);
  }
  EXPECT_FLOAT_EQ(shape.GetDefaultFloat(BA_LoadInWay, AP_DATA), 0.5f);
  EXPECT_FLOAT_EQ(shape.GetDefaultFloat(BA_LoadInWay, AP_ASD), 0.0f);
  EXPECT_FLOAT_EQ(shape.GetDefaultFloat(shape_test::TS_MaxVluSpeed, AP_DATA), 100.0f);
  EXPECT_EQ(shape.GetDefaultInt(shape_test::TS_Count, AP_DATA), 7);
  EXPECT_EQ(shape.GetAttribName(58), "0000003A");
  EXPECT_EQ(C_BaseShape::GetBaseAttribName(27), "0000001B");
  EXPECT_EQ(shape.GetAttribType(58), VT_EMPTY);
  EXPECT_EQ(shape.GetAttribCount(), shape_test::TS_ATTRIB_COUNT);
  EXPECT_THROW(shape.GetAttrib(58), std::invalid_argument);
  // Before its window and settings, every attribute holds the typed zero.
  EXPECT_EQ(shape.GetAttribFloat(shape_test::TS_MaxVluSpeed), 0.0f);
  EXPECT_EQ(shape.GetAttribString(BA_DeviceCaption), "");
}

TEST(BaseShapeTest, InstanceNumbersControlIdAndCopies) {
  TestShape first("Mixer1");
  auto second = std::make_unique<TestShape>("Mixer2");
  EXPECT_EQ(first.GetInstanceNumber(), 0);
  EXPECT_EQ(second->GetInstanceNumber(), 1);
  EXPECT_EQ(first.GetInstanceCount(), 2);
  EXPECT_EQ(second->GetCtrlId(), 0x01080001u);  // INI file 1, type 8, instance 1
  EXPECT_EQ(second->GetDefaultInt(BA_DrawPosX, AP_DATA), 10);
  {
    TestShape copy("Mixer2", PortRule::AutoCalc, 0, true);
    EXPECT_EQ(copy.GetInstanceNumber(), 1) << "a copy takes its prototype's number";
    EXPECT_EQ(first.GetInstanceCount(), 3);
  }
  second.reset();
  EXPECT_EQ(first.GetInstanceCount(), 1);
  TestShape third("Mixer3");
  EXPECT_EQ(third.GetInstanceNumber(), 1);
}

TEST(BaseShapeTest, NamesTitleCaptionAndSection) {
  ShapeWorld world;
  TestShape shape(ShapeCreateInfo(0, 0, 0, 40, 30, 0, 0, "  Mixer<1>  "), PortRule::AutoCalc, false);
  EXPECT_EQ(shape.GetDeviceName(), "Mixer<1>");
  EXPECT_EQ(shape.GetIniSectionName(), "RtryMxr.Mixer&lt;1&gt;");
  EXPECT_EQ(shape.GetDeviceCaption(), "Mixer<1>");
  EXPECT_EQ(shape.GetDisplayTitle(), "[RtryMxr.Mixer<1>]");
  shape.SetDeviceCaption("  Big mixer ");
  EXPECT_EQ(shape.GetDeviceCaption(), "Big mixer");
  EXPECT_EQ(shape.GetDisplayTitle(), "[RtryMxr.Mixer<1>] - Big mixer");
  EXPECT_EQ(shape.GetAttribIniKey(shape_test::TS_Speed, AP_TREND_INFO), "Speed.TrendInfo");
  EXPECT_EQ(shape.GetAnalogPageCount(), 1);
  ASSERT_NE(shape.FindAnalogUnit(36), nullptr);
  EXPECT_EQ(shape.FindAnalogUnit(36)->GetCaption(), "Load");
  EXPECT_EQ(shape.FindAnalogUnit(36)->GetUnitText(), "Kg");
  EXPECT_EQ(shape.GetAnalogUnit(0)->GetAttribId(), 28);
  EXPECT_EQ(shape.GetAnalogUnit(2), nullptr);
  EXPECT_EQ(shape.FindAnalogUnit(29), nullptr);
}

TEST(BaseShapeTest, OneBoldEightPointTahomaForAllShapes) {
  CFont* font = C_BaseShape::GetShapeFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font, C_BaseShape::GetShapeFont());
  LOGFONT logFont;
  ASSERT_NE(font->GetLogFont(&logFont), 0);
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_EQ(logFont.lfHeight, CFont::PointsToHeight(80));
  EXPECT_EQ(logFont.lfFaceName, "Tahoma");
  EXPECT_EQ(C_BaseShape::GetMimicBgColor(), 0x323232u);
}

TEST(BaseShapeTest, DeviceNameListFollowsTheShapesAndOutlivesThem) {
  ShapeWorld world;
  C_BaseShape::DeleteDeviceNameList();
  auto a = std::make_unique<TestShape>("Alpha");
  auto b = std::make_unique<TestShape>("Beta");
  TestShape again("Alpha");
  EXPECT_EQ(C_BaseShape::GetDeviceNameList(), (std::vector<std::string>{"Alpha", "Beta", "Alpha"}));
  b.reset();
  EXPECT_EQ(C_BaseShape::GetDeviceNameList(), (std::vector<std::string>{"Alpha", "Alpha"}));
  // Emptied while shapes live (the program's end): their destruction is safe.
  C_BaseShape::DeleteDeviceNameList();
  a.reset();
  EXPECT_TRUE(C_BaseShape::GetDeviceNameList().empty());
  EXPECT_TRUE(C_BaseShape::CheckDuplicatedDeviceNames());
  EXPECT_EQ(world.Boxes().Count(), 0u);
}

TEST(BaseShapeTest, DuplicatedDeviceNamesDifferingOnlyInCaseAreReportedOnce) {
  ShapeWorld world;
  C_BaseShape::DeleteDeviceNameList();
  TestShape a("Silo1"), b("Belt"), c("SILO1"), d("belt");
  EXPECT_FALSE(C_BaseShape::CheckDuplicatedDeviceNames());
  ASSERT_EQ(world.Boxes().Count(), 1u);
  EXPECT_EQ(world.Boxes().Last().text, "Found duplicated Device Name!\r\nDevice Name: Silo1");
  EXPECT_EQ(world.Boxes().Last().flags, MB_ICONSTOP | MB_SYSTEMMODAL);
}

// Names that are prefixes or extensions of each other are different
// devices; only equal names (without case) are reported.
TEST(BaseShapeTest, APrefixOfAnotherDeviceNameIsNoDuplicate) {
  ShapeWorld world;
  C_BaseShape::DeleteDeviceNameList();
  {
    TestShape a("Silo1"), b("Silo10"), c("Silo"), d("RotaryFilter1"), e("RotaryFilter");
    EXPECT_TRUE(C_BaseShape::CheckDuplicatedDeviceNames());
    EXPECT_EQ(world.Boxes().Count(), 0u);
    TestShape f("silo10");
    EXPECT_FALSE(C_BaseShape::CheckDuplicatedDeviceNames());
    ASSERT_EQ(world.Boxes().Count(), 1u);
    EXPECT_EQ(world.Boxes().Last().text, "Found duplicated Device Name!\r\nDevice Name: Silo10");
  }
  C_BaseShape::DeleteDeviceNameList();
}

TEST(BaseShapeTest, ResetAlarmsThroughTheAlarmPackAlsoClearsOverload) {
  ShapeWorld world;
  TestShape shape("Mixer1");
  shape.AddAlarm(0, "OVR");
  ASSERT_NE(shape.FindAlarm(0), nullptr);
  shape.FindAlarm(0)->SetActive(true);
  shape.SetAttribBool(BA_DeviceIsOverloaded, true);
  EXPECT_TRUE(shape.GetBlinkFlags().alarm);
  CAlarmPack* pack = &shape;
  pack->ResetAlarms();
  EXPECT_FALSE(shape.FindAlarm(0)->IsActive());
  EXPECT_FALSE(shape.GetAttribBool(BA_DeviceIsOverloaded));
  EXPECT_FALSE(shape.GetBlinkFlags().alarm);
}

}  // namespace
