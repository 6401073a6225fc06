// The on/off valve: its attributes, the opening by actuator control type,
// the feedback and the simulated position, its menu and its picture.
#include <gtest/gtest.h>

#include "core/DCTag.h"
#include "platform/ui/Menu.h"
#include "res/ShapeResources.h"
#include "shapes/Valve.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

// The plant's return valve: 20 x 20, vertical, drawn reversed (style bits
// 28-31 = 1).
ShapeCreateInfo ReturnValveInfo() { return ShapeCreateInfo(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve"); }

struct CreatedValve {
  explicit CreatedValve(const std::string& settings = "[Valve.ReturnValve]\nReserveInt1.Data=0\n",
                        const ShapeCreateInfo& info = ReturnValveInfo())
      : world(settings), valve(info) {
    EXPECT_TRUE(world.Create(valve));
    EXPECT_EQ(world.Boxes().Count(), 0u);
  }
  // Chooses the menu's on/off item; returns its text as it was offered.
  std::string TakeOnOff() {
    std::string text;
    CMenu::PopupMenuHandler previous = CMenu::SetPopupMenuHandler([&](CMenu& popup) {
      text = popup.GetMenuString(ID_VALVE_TAKE_ONOFF, MF_BYCOMMAND);
      return ID_VALVE_TAKE_ONOFF;
    });
    valve.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    CMenu::SetPopupMenuHandler(previous);
    return text;
  }
  ShapeWorld world;
  C_Valve valve;
};

TEST(ValveTest, AttributesRolesAndDefaults) {
  ShapeWorld world;
  C_Valve valve(ReturnValveInfo());
  const struct {
    int id;
    const char* name;
    VARTYPE vt;
    int role;
    double dataDefault;
  } rows[] = {
      {27, "ReserveFloat1", VT_R4, AR_NONE, 0},       {28, "Position", VT_R4, AR_VALUE, 0},
      {29, "MinVluPosition", VT_R4, AR_MIN_VLU, 0},   {30, "MaxVluPosition", VT_R4, AR_MAX_VLU, 1000},
      {31, "LlaVluPosition", VT_R4, AR_NONE, 0},      {32, "HlaVluPosition", VT_R4, AR_NONE, 1000},
      {33, "PositionPort", VT_R4, AR_PORT, 0},        {34, "MinVluPositionPort", VT_R4, AR_MIN_VLU_PORT, 5000},
      {35, "MaxVluPositionPort", VT_R4, AR_MAX_VLU_PORT, 27000}, {36, "ReserveBool1", VT_BOOL, AR_NONE, 0},
      {39, "LocalCntrlPosition", VT_BOOL, AR_NONE, 0}, {41, "DoOnOffPosition", VT_BOOL, AR_NONE, 0},
      {42, "DiOnOffPosition", VT_BOOL, AR_NONE, 0},   {43, "DoLowFlow", VT_BOOL, AR_NONE, 0},
      {44, "DoHighFlow", VT_BOOL, AR_NONE, 0},        {45, "DiOnAlarmPosition", VT_BOOL, AR_NONE, 0},
      {46, "ReserveInt1", VT_I4, AR_NONE, 0},         {47, "ReserveStr1", VT_BSTR, AR_NONE, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(valve.GetAttribName(row.id), row.name);
    EXPECT_EQ(valve.GetAttribType(row.id), row.vt) << row.id;
    EXPECT_EQ(valve.GetAnalogRole(row.id), row.role) << row.id;
    EXPECT_FLOAT_EQ(valve.GetDefaultFloat(row.id, AP_DATA), static_cast<float>(row.dataDefault)) << row.id;
  }
  EXPECT_EQ(valve.GetAttribCount(), VA_COUNT);
  EXPECT_EQ(valve.GetAttribType(48), VT_EMPTY);
  EXPECT_EQ(valve.GetAttribName(48), "00000030");
  EXPECT_EQ(valve.GetAnalogGroupMember(33, AR_VALUE), 28);
  EXPECT_EQ(valve.GetAnalogGroupMember(31, AR_VALUE), -1);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorBG, AP_DATA), 0x00D7FF);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorFG, AP_DATA), 0xFAFADC);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorBody, AP_DATA), 0x000000);
  EXPECT_EQ(valve.GetDefaultInt(BA_ColorFgOld, AP_DATA), 0xFAFADC);
  ASSERT_EQ(valve.GetAnalogUnitCount(), 1);
  EXPECT_EQ(valve.GetAnalogUnit(0)->GetAttribId(), 28);
  EXPECT_EQ(valve.GetAnalogUnit(0)->GetCaption(), "Position");
  EXPECT_EQ(valve.GetAnalogUnit(0)->GetUnitText(), "Kgr/h");
  EXPECT_EQ(valve.GetIniSectionName(), "Valve.ReturnValve");
  EXPECT_EQ(valve.GetCtrlId() >> 16, 0x0104u);
}

TEST(ValveTest, PositionIsClampedIntoItsRange) {
  CreatedValve v;
  v.valve.SetAttribFloat(VA_Position, 1001.0f);
  v.world.Deliver();
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 1000.0f);
  EXPECT_FLOAT_EQ(v.valve.GetAnalogUnit(0)->GetValue(), 100.0f);
  EXPECT_EQ(v.world.Mimic().Count(WM_SHAPE_COMMAND), 1);
  v.valve.SetAttribFloat(VA_PositionPort, 99999.0f);
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_PositionPort), 99999.0f) << "a port value is only kept";
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 1000.0f);
}

TEST(ValveTest, OpeningInDemoByActuatorControlType) {
  const struct {
    int actuator;
    bool low, high;
    float position;
  } rows[] = {{0, true, false, 500}, {1, false, true, 1000}, {2, true, false, 500}, {3, false, false, 1000}};
  for (const auto& row : rows) {
    CreatedValve v;
    v.world.SetDataSource(DataSource::Demo);
    v.valve.SetAttribInt(BA_ActuatorControlType, row.actuator);
    EXPECT_EQ(v.TakeOnOff(), "Take ON");
    EXPECT_TRUE(v.valve.GetAttribBool(VA_DoOnOffPosition));
    EXPECT_TRUE(v.valve.GetAttribBool(VA_DiOnOffPosition)) << "the feedback follows in Demo";
    EXPECT_EQ(v.valve.GetAttribBool(VA_DoLowFlow), row.low) << row.actuator;
    EXPECT_EQ(v.valve.GetAttribBool(VA_DoHighFlow), row.high) << row.actuator;
    EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), row.position) << row.actuator;

    EXPECT_EQ(v.TakeOnOff(), "Take OFF");
    EXPECT_FALSE(v.valve.GetAttribBool(VA_DiOnOffPosition));
    EXPECT_FALSE(v.valve.GetAttribBool(VA_DoLowFlow));
    EXPECT_FALSE(v.valve.GetAttribBool(VA_DoHighFlow));
    EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 0.0f) << row.actuator;
  }
}

TEST(ValveTest, FlowOutputsExcludeEachOtherAndOpenTheValve) {
  CreatedValve v;
  v.world.SetDataSource(DataSource::Demo);
  v.valve.SetAttribBool(VA_DoLowFlow, true);
  EXPECT_TRUE(v.valve.GetAttribBool(VA_DoOnOffPosition));
  EXPECT_TRUE(v.valve.GetAttribBool(VA_DoLowFlow)) << "already on: the type's choice is not forced";
  EXPECT_FALSE(v.valve.GetAttribBool(VA_DoHighFlow));
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 500.0f);
  v.valve.SetAttribBool(VA_DoHighFlow, true);
  EXPECT_FALSE(v.valve.GetAttribBool(VA_DoLowFlow));
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 1000.0f);
}

TEST(ValveTest, WithABoundFeedbackThePositionFollowsTheFeedbackBothWays) {
  CreatedValve v("[Valve.ReturnValve]\nDiOnOffPosition.Tag=BoolIn\n");
  v.world.SetDataSource(DataSource::RealHw);
  CDCTag* feedback = v.world.Tag("BoolIn");
  v.valve.SetAttribBool(VA_DoOnOffPosition, true);
  EXPECT_FALSE(v.valve.GetAttribBool(VA_DiOnOffPosition)) << "the hardware tells";
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 0.0f);
  const VARIANT on = VariantFromBool(true), off = VariantFromBool(false);
  feedback->SetTagData(&on);
  v.world.Deliver();
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 1000.0f);
  v.valve.SetAttribBool(VA_DoOnOffPosition, false);
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 1000.0f) << "still open until the feedback drops";
  feedback->SetTagData(&off);
  v.world.Deliver();
  EXPECT_FALSE(v.valve.GetAttribBool(VA_DiOnOffPosition));
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 0.0f) << "a closed valve is not shown open";
}

TEST(ValveTest, ABoundPositionIsNotSimulatedAndFaultsBlink) {
  CreatedValve v("[Valve.ReturnValve]\nPosition.Tag=FloatMem\n");
  v.world.SetDataSource(DataSource::Demo);
  v.valve.SetAttribBool(VA_DoOnOffPosition, true);
  EXPECT_TRUE(v.valve.GetAttribBool(VA_DiOnOffPosition));
  EXPECT_FLOAT_EQ(v.valve.GetAttribFloat(VA_Position), 0.0f);
  v.valve.SetAttribBool(VA_DiOnAlarmPosition, true);
  EXPECT_TRUE(v.valve.GetBlinkFlags().alarm);
  v.valve.SetAttribBool(VA_DiOnAlarmPosition, false);
  EXPECT_FALSE(v.valve.GetBlinkFlags().alarm);
}

TEST(ValveTest, PictureShowsThePassageOnlyWhileDrawnOpen) {
  // A 40 x 40 valve in a vertical pipe, drawn by its open feedback (style 0).
  CreatedValve v("[Valve.V1]\nReserveInt1.Data=0\n", ShapeCreateInfo(0, 0, 0, 40, 40, 0, 1, "V1"));
  v.world.SetDataSource(DataSource::Demo);
  const COLORREF wedge = 0x00D7FF, passage = 0xFAFADC;
  ShapePicture closed(v.valve);
  EXPECT_EQ(closed.Pixel(20, 14), wedge) << "the upper wedge reaches the middle";
  EXPECT_EQ(closed.Pixel(2, 14), MIMIC_BG_COLOR) << "beside the wedges";
  EXPECT_EQ(closed.Pixel(5, 20), passage) << "the passage shrunk to a line";
  EXPECT_EQ(closed.Count(passage), 38);

  v.valve.SetAttribBool(VA_DoOnOffPosition, true);  // high flow: fully open
  ShapePicture open(v.valve);
  EXPECT_EQ(open.Pixel(20, 20), passage);
  EXPECT_EQ(open.Pixel(2, 16), passage) << "across the whole pipe";
  EXPECT_EQ(open.Pixel(20, 5), wedge) << "the upper wedge moved out";
  EXPECT_EQ(open.Count(passage), 38 * 11) << "from tip to tip, the gap 100 / 667 of the height";

  // Local control paints the background in ColorBgLocal.
  v.valve.SetAttribBool(VA_LocalCntrlPosition, true);
  EXPECT_EQ(ShapePicture(v.valve).Pixel(1, 3), 0x0000FFu);
}

TEST(ValveTest, TheReturnValveIsDrawnReversed) {
  // Its position from a tag, so a closed valve can stand at half way.
  CreatedValve v("[Valve.ReturnValve]\nPosition.Tag=FloatMem\n");
  v.world.SetDataSource(DataSource::Demo);
  const VARIANT half = VariantFromFloat(500.0f);
  v.world.Tag("FloatMem")->SetTagData(&half);
  v.world.Deliver();
  ASSERT_FLOAT_EQ(v.valve.GetAnalogUnit(0)->GetValue(), 50.0f);
  EXPECT_GT(ShapePicture(v.valve).Count(0xFAFADC), 18) << "closed, a reversed valve is drawn open";
  v.valve.SetAttribBool(VA_DoOnOffPosition, true);
  EXPECT_EQ(ShapePicture(v.valve).Count(0xFAFADC), 18) << "open, it is drawn closed (a line)";
}

}  // namespace
