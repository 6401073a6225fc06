// The dosing pump: Flow following Stroke and Speed, the three groups'
// clamping and port conversion, its menu, and its moving piston and
// caption colours.
#include <gtest/gtest.h>

#include "res/ShapeResources.h"
#include "shapes/DosePump.h"
#include "shapes/ShapeText.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

ShapeCreateInfo HighPressureInfo(DWORD style = 0) {
  return ShapeCreateInfo(style, 240, 280, 120, 36, 0, 0, "HighPressure1");
}

// A pump whose flow range takes the products of the tests.
struct CreatedPump : CreatedDevice<C_DosePump> {
  explicit CreatedPump(const std::string& settings = "[DosePump.HighPressure1]\nMaxVluFlow.Data=100000\n",
                       DWORD style = 0)
      : CreatedDevice<C_DosePump>(HighPressureInfo(style), settings) {
    EXPECT_TRUE(created);
  }
};

TEST(DosePumpTest, FlowFollowsStrokeTimesSpeedWhileThePumpHasASpeed) {
  CreatedPump p;
  p.shape.SetAttribFloat(DP_Stroke, 2.5f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 0.0f) << "no speed yet";
  p.shape.SetAttribFloat(DP_Speed, 40.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 6000.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAnalogUnit(2)->GetValue(), 6.0f);
  p.shape.SetAttribFloat(DP_Stroke, 5.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 12000.0f);
  p.shape.SetAttribFloat(DP_Speed, 0.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 12000.0f) << "a stopped pump keeps its flow";
  p.shape.SetAttribFloat(DP_Flow, 10.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 10.0f) << "its own tag or setter may set it";
}

TEST(DosePumpTest, ClampedSpeedIsPostedAndFlowFollowsTheClampedValue) {
  CreatedPump p;
  p.shape.SetAttribFloat(DP_Stroke, 1.0f);
  p.shape.SetAttribFloat(DP_Speed, 150.0f);
  p.world.Deliver();
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Speed), 100.0f);
  EXPECT_EQ(p.world.Mimic().Count(WM_SHAPE_COMMAND, static_cast<LPARAM>(p.shape.GetCtrlId() | (36u << 8))), 1);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 6000.0f);
  // The flow is clamped into its own range like any value.
  p.shape.SetAttribFloat(DP_MaxVluFlow, 1000.0f);
  p.shape.SetAttribFloat(DP_Stroke, 2.0f);
  p.world.Deliver();
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Flow), 1000.0f);
  EXPECT_EQ(p.world.Mimic().Count(WM_SHAPE_COMMAND, static_cast<LPARAM>(p.shape.GetCtrlId() | (44u << 8))), 1);
}

TEST(DosePumpTest, PortValuesAreKeptAsTheyComeAndTheirPhysicalValueIsClamped) {
  const struct {
    int port, value, unit;
    float set, stored, physical;
  } rows[] = {
      {DP_StrokePort, DP_Stroke, 0, 16000.0f, 16000.0f, 5.0f},
      {DP_SpeedPort, DP_Speed, 1, 30000.0f, 30000.0f, 100.0f},
      {DP_FlowPort, DP_Flow, 2, 1000.0f, 1000.0f, 0.0f},
  };
  for (const auto& row : rows) {
    CreatedPump p;
    p.shape.GetAnalogUnit(row.unit)->SetAutoCalcFromPort(true);
    p.shape.SetAttribFloat(row.port, row.set);
    EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(row.port), row.stored) << row.port;
    EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(row.value), row.physical) << row.port;
  }
  CreatedPump p;  // a unit that does not calculate leaves the value alone
  p.shape.SetAttribFloat(DP_SpeedPort, 16000.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(DP_Speed), 0.0f);
}

TEST(DosePumpTest, SpeedItemsStayEnabledWhileThePumpIsOff) {
  CreatedPump p("[DosePump.HighPressure1]\nReserveInt1.Data=0\n", 0x00F00000);
  std::vector<MenuItemSeen> items = OpenContextMenu(p.shape, ID_DOSEPUMP_INCREASE);
  EXPECT_FALSE(FindMenuItem(items, ID_DOSEPUMP_INCREASE).greyed);
  EXPECT_FALSE(FindMenuItem(items, ID_DOSEPUMP_DECREASE).greyed);
  EXPECT_EQ(FindMenuItem(items, ID_DOSEPUMP_INCREASE).text, "Take ON High") << "a two-speed drive";
  EXPECT_TRUE(p.shape.GetAttribBool(DP_DoIncreaseSpeed));
  items = OpenContextMenu(p.shape, ID_DOSEPUMP_DECREASE);
  EXPECT_EQ(FindMenuItem(items, ID_DOSEPUMP_INCREASE).text, "Take OFF High");
  EXPECT_FALSE(p.shape.GetAttribBool(DP_DoIncreaseSpeed));
  EXPECT_TRUE(p.shape.GetAttribBool(DP_DoDecreaseSpeed));
  OpenContextMenu(p.shape, ID_DOSEPUMP_TAKE_ONOFF);
  items = OpenContextMenu(p.shape, ID_DOSEPUMP_TAKE_ONOFF);
  EXPECT_EQ(FindMenuItem(items, ID_DOSEPUMP_TAKE_ONOFF).text, "Take OFF");
  EXPECT_FALSE(p.shape.GetAttribBool(DP_DoDecreaseSpeed)) << "stopping clears the speed commands";
}

TEST(DosePumpTest, LimitFlagsAndTheDriveFaultBlink) {
  for (const int id : {DP_LlaFlgSpeed, DP_HlaFlgSpeed, DP_DiOnAlarmSpeed}) {
    CreatedPump p;
    p.shape.SetAttribBool(id, true);
    EXPECT_TRUE(p.shape.GetBlinkFlags().alarm) << id;
    p.shape.SetAttribBool(id, false);
    EXPECT_FALSE(p.shape.GetBlinkFlags().alarm) << id;
  }
  CreatedPump p;
  p.shape.SetAttribBool(DP_LlaFlgStroke, true);
  EXPECT_FALSE(p.shape.GetBlinkFlags().alarm) << "the stroke's flags do not blink";
}

TEST(DosePumpTest, PistonMovesOnlyWhileRunningAndTheCaptionTellsTheState) {
  CreatedPump p("[DosePump.HighPressure1]\nDeviceCaption.Data=HP1\n");
  const COLORREF body = 0x005A00, cylinder = 0xFAFADC;
  p.shape.SetAttribFloat(DP_Stroke, 10.0f);
  p.shape.SetAttribFloat(DP_Speed, 50.0f);
  const DosePumpLayout& layout = p.shape.GetLayout();
  const ShapePicture stopped(p.shape);
  EXPECT_EQ(stopped.Pixel(1, 1), 0x73B43Cu) << "in the recipe: ColorBG";
  EXPECT_EQ(stopped.Pixel(40, 18), cylinder) << "the piston at rest";
  EXPECT_GT(stopped.Count(ComplementColor(body), layout.caption), 0) << "a stopped pump's caption";
  EXPECT_EQ(stopped.Count(cylinder, layout.caption), 0);
  p.shape.SetAttribBool(BA_DeviceIsInRecipe, false);
  EXPECT_EQ(ShapePicture(p.shape).Pixel(1, 1), 0x808080u) << "out of the recipe";
  p.shape.SetAttribBool(DP_LocalCntrlSpeed, true);
  EXPECT_EQ(ShapePicture(p.shape).Pixel(1, 1), 0x0000FFu) << "under local control";

  p.shape.SetAttribBool(DP_DiOnOffSpeed, true);
  for (int paint = 0; paint < 3; ++paint) ShapePicture moving(p.shape);
  EXPECT_EQ(p.shape.GetPiston().position, 12) << "three steps of 4";
  const ShapePicture running(p.shape);
  EXPECT_EQ(running.Pixel(40, 18), body) << "the piston moved out";
  EXPECT_EQ(running.Pixel(40, 7), cylinder) << "narrower than the cylinder";
  EXPECT_GT(running.Count(cylinder, layout.caption), 0) << "a running pump's caption in ColorFG";
  EXPECT_EQ(running.Count(ComplementColor(body), layout.caption), 0);

  p.shape.AddAlarm(1, "LOW");
  ASSERT_NE(p.shape.FindAlarm(1), nullptr);
  p.shape.FindAlarm(1)->SetActive(true);
  EXPECT_GT(ShapePicture(p.shape).Count(0x00FFFF, layout.caption), 0) << "an alarm of id 1 in yellow";
  p.shape.FindAlarm(1)->SetDisplayed(true);
  const ShapePicture quiet(p.shape);
  EXPECT_EQ(quiet.Count(body, layout.caption), layout.caption.Width() * layout.caption.Height())
      << "every active alarm displayed: no text at all";
}

}  // namespace
