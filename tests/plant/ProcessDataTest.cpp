#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "attrib/AttribTypes.h"
#include "plant/ProcessData.h"
#include "platform/ui/Menu.h"
#include "res/PlantResources.h"
#include "shapes/fixture/ShapeFixture.h"

using shape_test::ShapePicture;
using shape_test::ShapeWorld;

namespace {

// One row per class: how it is made and what its table must say.
struct ClassCase {
  const char* section;  // control-type name "." device name
  int controlType;
  int count;
  // The first id of each type group (the reserves) and one named own id.
  int firstBool, firstInt, text;
  int namedId;
  const char* name;
  VARTYPE namedType;
  std::unique_ptr<C_ProcessDataBase> (*make)();
};

const ClassCase kClasses[] = {
    {"PrcGeneral.PrcGeneral", CT_PRC_GENERAL, 57, 31, 55, 56, 54, "VI_bIsReadyMeasureBelt", VT_BOOL,
     [] { return std::unique_ptr<C_ProcessDataBase>(new C_ProcessDataGen()); }},
    {"PrcShift.PrcShift", CT_PRC_SHIFT, 36, 29, 30, 35, 34, "TotalSlurry", VT_I4,
     [] { return std::unique_ptr<C_ProcessDataBase>(new C_ProcessDataShift()); }},
    {"PrcRecipeGen.PrcRecipeGen", CT_PRC_RECIPE_GEN, 49, 45, 46, 48, 44, "LI17_AIT_AutoIgnitionTemperature", VT_R4,
     [] { return std::unique_ptr<C_ProcessDataBase>(new C_ProcessDataRecipeGen()); }},
    {"PrcLoop.LoopVacuum", CT_PRC_LOOP, 62, 35, 52, 61, 57, "TmLag", VT_I4,
     [] { return std::unique_ptr<C_ProcessDataBase>(new C_ProcessDataLoop(1, "LoopVacuum")); }},
    {"PrcAlarm.AlrmStopBurner", CT_PRC_ALARM, 61, 28, 54, 60, 59, "VI_iAudioDeleySetpoint", VT_I4,
     [] { return std::unique_ptr<C_ProcessDataBase>(new C_ProcessDataAlarm(1, "AlrmStopBurner")); }},
};

class ProcessDataTest : public ::testing::TestWithParam<ClassCase> {
 protected:
  ShapeWorld world;
};

TEST_P(ProcessDataTest, DeclaresItsTypeGroupsFromId27) {
  const ClassCase& c = GetParam();
  std::unique_ptr<C_ProcessDataBase> object = c.make();
  EXPECT_EQ(object->GetAttribCount(), c.count);
  EXPECT_EQ(object->GetControlType(), c.controlType);
  EXPECT_EQ(object->GetIniSectionName(), c.section);
  EXPECT_EQ(object->GetAttribName(27), "ReserveFloat2");
  EXPECT_EQ(object->GetAttribName(c.firstBool), "ReserveBool2");
  EXPECT_EQ(object->GetAttribName(c.firstInt), "ReserveInt2");
  EXPECT_EQ(object->GetAttribName(c.text), "ReserveStr2");
  EXPECT_EQ(c.text, c.count - 1) << "the text reserve is the last id";
  EXPECT_EQ(object->GetAttribName(c.namedId), c.name);
  EXPECT_EQ(object->GetAttribType(c.namedId), c.namedType);
  for (int id = 27; id < c.count; ++id) {
    const VARTYPE expected = id < c.firstBool ? VT_R4 : id < c.firstInt ? VT_BOOL : id < c.text ? VT_I4 : VT_BSTR;
    EXPECT_EQ(object->GetAttribType(id), expected) << id;
    EXPECT_EQ(object->GetAnalogRole(id), AR_NONE) << id;
    EXPECT_EQ(object->GetAnalogGroupMember(id, AR_VALUE), -1) << id;
    EXPECT_EQ(object->GetAttribValue(id)->vt, expected) << "declared as the typed zero";
  }
  EXPECT_EQ(object->GetAttribType(c.count), VT_EMPTY);
  EXPECT_THROW(object->GetAttrib(c.count), std::invalid_argument);
  // The base attributes keep their names and defaults.
  EXPECT_EQ(object->GetAttribName(BA_ColorBody), "ColorBody");
  EXPECT_EQ(object->GetDefaultInt(BA_ColorBody, AP_DATA), 0xFF0000);
  EXPECT_FLOAT_EQ(object->GetDefaultFloat(BA_LoadInWay, AP_DATA), 0.5f);
}

INSTANTIATE_TEST_SUITE_P(Classes, ProcessDataTest, ::testing::ValuesIn(kClasses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessDataNames, EveryOwnNameOfTheTablesIsInPlace) {
  ShapeWorld world;
  C_ProcessDataGen gen;
  C_ProcessDataLoop loop(1, "LoopDensity");
  C_ProcessDataAlarm alarm(1, "AlrmRtnVlvOpen");
  C_ProcessDataRecipeGen recipe;
  const struct {
    C_ProcessDataBase* object;
    int id;
    const char* name;
  } rows[] = {
      {&gen, 28, "TotalSlurryPressure"},   {&gen, 32, "HotAir2Tower"},       {&gen, 35, "VI_bResetProcess"},
      {&gen, 40, "VI_bIsOpenReturnVlv"},   {&gen, 48, "VI_boGeneralAudioAlarm"},
      {&gen, 51, "VI_boTwrSafetyVisualAlarm"},
      {&loop, 29, "LoopCalcStp"},          {&loop, 34, "Lmn"},               {&loop, 36, "InPlcCtrl"},
      {&loop, 38, "InAutomat"},            {&loop, 51, "Rsrv17"},            {&loop, 53, "PerTm"},
      {&loop, 60, "Res8"},                 {&alarm, 31, "VI_bAlarmAck"},     {&alarm, 53, "VI_bRunAct17"},
      {&alarm, 55, "VI_iActionExecuteOneFC"}, {&recipe, 28, "LI01_PowderMoisture"},
      {&recipe, 43, "LI16_SPT_SafeProcessTemperature"}, {&recipe, 47, "ActiveRecipeNumber"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.object->GetAttribName(row.id), row.name) << row.id;
}

TEST(ProcessDataSetters, EqualValuesChangeNothingAndTextsAreTrimmed) {
  ShapeWorld world;
  C_ProcessDataGen gen;
  ASSERT_TRUE(world.Create(gen));
  world.Mimic().Clear();
  gen.SetAttribFloatIfChanged(PG_TotalSlurryPressure, 0.0f);
  gen.SetAttribBoolIfChanged(PG_HotAir2Tower, false);
  gen.SetAttribInt(55, 0);
  gen.SetAttribString(56, "  ");
  world.Deliver();
  EXPECT_EQ(world.Mimic().Count(WM_ATTRIB_CHANGED), 0) << "equal values send no message";

  gen.SetAttribString(56, "  Spray  ");
  EXPECT_EQ(gen.GetAttribString(56), "Spray");
  gen.SetAttribFloatIfChanged(PG_TotalSlurryPressure, 12.5f);
  gen.SetAttribBoolIfChanged(PG_HotAir2Tower, true);
  world.Deliver();
  EXPECT_EQ(world.Mimic().Count(WM_ATTRIB_CHANGED, AC_VALUE), 3);
  world.Mimic().Clear();
  gen.SetAttribString(56, "\tSpray ");
  world.Deliver();
  EXPECT_EQ(world.Mimic().Count(WM_ATTRIB_CHANGED), 0) << "the stored text plus blanks is the same text";
  EXPECT_EQ(gen.GetAttribValue(PG_HotAir2Tower)->boolVal, VARIANT_TRUE);
}

TEST(ProcessDataSetters, ABoundTagIsWrittenThrough) {
  ShapeWorld world("[PrcGeneral.PrcGeneral]\nTotalSlurryPressure.Tag=FloatMem\n");
  C_ProcessDataGen gen;
  ASSERT_TRUE(world.Create(gen));
  gen.SetAttribFloatIfChanged(PG_TotalSlurryPressure, 42.0f);
  EXPECT_FLOAT_EQ(world.Tag("FloatMem")->GetTagData()->fltVal, 42.0f);
}

TEST(ProcessDataWindow, IsATwoPixelBoxAtOneOne) {
  ShapeWorld world;
  C_ProcessDataShift shift;
  ASSERT_TRUE(world.Create(shift));
  CRect rect;
  shift.GetWindowRect(&rect);
  world.Mimic().ScreenToClient(&rect);
  EXPECT_EQ(rect, CRect(1, 1, 3, 3));
}

TEST(ProcessDataWindow, PaintsItsBodyColourInsideTheStateFrame) {
  ShapeWorld world;
  C_ProcessDataAlarm alarm(1, "AlrmOutTemperLL");
  ASSERT_TRUE(alarm.C_BaseShape::Create(&world.Mimic(), CRect(0, 0, 10, 10)));
  alarm.SetAttribInt(BA_ColorBody, 0x00ABCDEF);
  ShapePicture picture(alarm);
  EXPECT_EQ(picture.Pixel(5, 5), 0x00ABCDEFu);
  EXPECT_EQ(picture.Pixel(0, 0), C_BaseShape::GetMimicBgColor()) << "the idle frame";
}

TEST(ProcessDataWindow, ItsMenuHasOnlyProperties) {
  ShapeWorld world;
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_PRC_DATA_MENU));
  CMenu* popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(popup->GetMenuItemCount(), 1u);
  EXPECT_EQ(popup->GetMenuItemID(0), ID_PRC_DATA_PROPERTIES);
  std::string text;
  popup->GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, "Properties");
}

}  // namespace
