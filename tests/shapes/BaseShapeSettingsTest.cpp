// A shape and its section of a real settings file: loading at creation,
// saving only what changed, flags coming back, and the unbound-tag marks.
#include <gtest/gtest.h>

#include <memory>

#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"

namespace {

using namespace shape_test;

constexpr const char* kSection = "RtryMxr.Mixer1";

TEST(BaseShapeSettingsTest, CreationLoadsSavedValuesFlagsAndCaption) {
  ShapeWorld world(
      "[RtryMxr.Mixer1]\nMaxVluSpeed.Data=250\nCount.Data=3\nNoTaring.Data=1\nColorBG.Data=255\n"
      "DeviceCaption.Data=Big one\nLoadInWay.Data=0.25\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  EXPECT_EQ(world.Boxes().Count(), 0u);
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeed), 250.0f);
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(BA_LoadInWay), 0.25f);
  EXPECT_EQ(shape.GetAttribInt(TS_Count), 3);
  EXPECT_EQ(shape.GetAttribInt(BA_ColorBG), 255);
  EXPECT_TRUE(shape.GetAttribBool(BA_NoTaring)) << "a saved flag comes back";
  EXPECT_TRUE(shape.GetAttribBool(BA_DeviceIsInRecipe));
  EXPECT_EQ(shape.GetDeviceCaption(), "Big one");
  // Absent keys read as the defaults of the class and the base.
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(38), 1000.0f);
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeedPort), 27000.0f);
  EXPECT_EQ(shape.GetAttribInt(BA_ColorFG), 0x445566);
  EXPECT_EQ(shape.GetAttribInt(BA_ColorBgOld), 0x112233);
  EXPECT_EQ(shape.GetAttribInt(BA_ActuatorControlType), 1);
}

TEST(BaseShapeSettingsTest, FlagsNeverSavedKeepTheirValue) {
  ShapeWorld world("[RtryMxr.Mixer1]\nDoOnOffSpeed.Tag=_NO_DCTAG_\n");
  TestShape shape("Mixer1");
  shape.SetAttribBool(TS_DoOnOffSpeed, true);  // set before the window exists
  ASSERT_TRUE(world.Create(shape));
  EXPECT_TRUE(shape.GetAttribBool(TS_DoOnOffSpeed));
}

TEST(BaseShapeSettingsTest, OnlyChangedValuesAreWrittenAndFlagsRoundTrip) {
  ShapeWorld world("[RtryMxr.Mixer1]\nColorFG.Data=4474214\n");  // = the default 0x445566
  {
    TestShape shape("Mixer1");
    ASSERT_TRUE(world.Create(shape));
    shape.SetAttribInt(BA_ColorBody, 0x010203);
    shape.SaveAttribData(BA_NoTaring, VariantFromBool(true));
    shape.SaveAttribData(TS_MaxVluSpeed, VariantFromFloat(80.0f));
    EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeed), 80.0f);
    EXPECT_EQ(world.Setting(kSection, "NoTaring.Data"), "1");
    EXPECT_EQ(world.Setting(kSection, "MaxVluSpeed.Data"), "80");
  }  // the window's end saves the colours that changed
  EXPECT_EQ(world.Setting(kSection, "ColorBody.Data"), "66051");
  EXPECT_EQ(world.Setting(kSection, "ColorFG.Data"), "4474214") << "an equal value is not rewritten";
  EXPECT_EQ(world.Setting(kSection, "ColorBG.Data"), "<absent>") << "a default is not written";
  EXPECT_EQ(world.Setting(kSection, "LoadInWay.Data"), "<absent>");
  EXPECT_EQ(world.Setting(kSection, "ColorBgOld.Data"), "<absent>");
  const std::string first = world.SettingsText();
  {
    TestShape again("Mixer1");
    ASSERT_TRUE(world.Create(again));
    EXPECT_TRUE(again.GetAttribBool(BA_NoTaring));
    EXPECT_EQ(again.GetAttribInt(BA_ColorBody), 0x010203);
  }
  EXPECT_EQ(world.SettingsText(), first) << "a second run writes nothing";
}

TEST(BaseShapeSettingsTest, UnboundAttributesAreMarkedWithoutTouchingAConfiguredName) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Tag=NoSuchTag\nCount.Tag=\nLoad.Tag=FloatMem\nNote.Tag= \n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  ASSERT_EQ(world.Boxes().Count(), 1u);
  EXPECT_NE(world.Boxes().Last().text.find("NoSuchTag"), std::string::npos);
  EXPECT_EQ(world.Setting(kSection, "Speed.Tag"), "NoSuchTag") << "the operator's binding stays";
  EXPECT_EQ(world.Setting(kSection, "Load.Tag"), "FloatMem");
  EXPECT_EQ(world.Setting(kSection, "Count.Tag"), "_NO_DCTAG_");
  EXPECT_EQ(world.Setting(kSection, "Note.Tag"), "_NO_DCTAG_");
  EXPECT_EQ(world.Setting(kSection, "DoOnOffSpeed.Tag"), "_NO_DCTAG_");
  EXPECT_EQ(world.Setting(kSection, "ReserveFloat1.Tag"), "<absent>") << "reserves are never marked";
  EXPECT_EQ(world.Setting(kSection, "ReserveStr1.Tag"), "<absent>");
  EXPECT_EQ(world.Setting(kSection, "ColorBG.Tag"), "<absent>") << "base attributes are not marked";
}

TEST(BaseShapeSettingsTest, MissingFileOrTableReadsDefaultsAndWritesNothing) {
  ShapeWorld world;
  C_BaseShape::DeletePackIniFiles();
  auto shape = std::make_unique<TestShape>("Mixer1");
  ASSERT_TRUE(world.Create(*shape));
  EXPECT_FLOAT_EQ(shape->GetAttribFloat(TS_MaxVluSpeed), 100.0f);
  EXPECT_FALSE(shape->SaveAttribIniInt(BA_ColorBG, AP_DATA, 5));
  EXPECT_TRUE(shape->SaveAttribIniInt(BA_ColorBG, AP_DATA, 0x112233)) << "equal to the default";
  EXPECT_EQ(C_BaseShape::GetPackIniFile(SHAPE_SETTINGS_INI_INDEX), nullptr);
  shape.reset();
  EXPECT_EQ(world.SettingsText(), "");
}

TEST(BaseShapeSettingsTest, TheOnDemandPathGivesTheFirstSixBaseAttributesTheirDefaults) {
  ShapeWorld world;
  TestShape shape("Mixer1");
  const struct {
    int id;
    const char* name;
    VARTYPE vt;
    double value;  // a flag as 0 or 1
  } rows[] = {{0, "BaseReserveFloat1", VT_R4, 0.0}, {1, "LoadInWay", VT_R4, 0.5},
              {2, "BaseReserveBool1", VT_BOOL, 0},  {3, "DeviceIsInRecipe", VT_BOOL, 0},
              {4, "DeviceIsOverloaded", VT_BOOL, 0}, {5, "NoTaring", VT_BOOL, 0}};
  for (const auto& row : rows) {
    CVAttrib attrib(&shape);
    attrib.SetId(row.id);
    ASSERT_TRUE(shape.InitAttrib(&attrib)) << row.name;
    EXPECT_EQ(attrib.GetName(), row.name);
    ASSERT_EQ(attrib.GetDataType(), row.vt) << row.name;
    for (const VARIANT* v : {attrib.GetValue(), attrib.GetDefaultValueAddress()}) {
      ASSERT_EQ(v->vt, row.vt) << row.name;
      if (row.vt == VT_R4) EXPECT_FLOAT_EQ(v->fltVal, static_cast<float>(row.value)) << row.name;
      else EXPECT_EQ(v->boolVal != 0, row.value != 0) << row.name;
    }
  }
  CVAttrib outside(&shape);
  outside.SetId(BA_COUNT);
  EXPECT_FALSE(shape.InitAttrib(&outside));
}

TEST(BaseShapeSettingsTest, LoadAttribDataReadsOnlyIntegersFloatsAndFlags) {
  ShapeWorld world("[RtryMxr.Mixer1]\nCount.Data=3\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  ASSERT_EQ(shape.GetAttribInt(TS_Count), 3);
  // The stored type decides; the same key is read as each type in turn.
  const struct {
    VARTYPE vt;
    bool read;
  } rows[] = {{VT_I4, true}, {VT_R4, true}, {VT_BOOL, true}, {VT_I2, false}, {VT_UI2, false}, {VT_UI4, false}};
  for (const auto& row : rows) {
    shape.GetAttrib(TS_Count)->SetDataType(row.vt);
    const VARIANT zero = VariantFromInt(0);
    shape.GetAttrib(TS_Count)->SetValue(&zero);
    shape.LoadAttribData(TS_Count);
    EXPECT_EQ(shape.GetAttribInt(TS_Count) != 0, row.read) << "type " << row.vt;
  }
}

}  // namespace
