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

struct CreatedPump {
  explicit CreatedPump(const std::string& settings = "[DosePump.HighPressure1]\nMaxVluFlow.Data=100000\n",
                       DWORD style = 0)
      : world(settings), pump(HighPressureInfo(style)) {
    EXPECT_TRUE(world.Create(pump));
    world.Mimic().Clear();
  }
  ShapeWorld world;
  C_DosePump pump;
};

TEST(DosePumpTest, FlowFollowsStrokeTimesSpeedWhileThePumpHasASpeed) {
  CreatedPump p;
  p.pump.SetAttribFloat(DP_Stroke, 2.5f);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 0.0f) << "no speed yet";
  p.pump.SetAttribFloat(DP_Speed, 40.0f);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 6000.0f);
  EXPECT_FLOAT_EQ(p.pump.GetAnalogUnit(2)->GetValue(), 6.0f);
  p.pump.SetAttribFloat(DP_Stroke, 5.0f);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 12000.0f);
  p.pump.SetAttribFloat(DP_Speed, 0.0f);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 12000.0f) << "a stopped pump keeps its flow";
  p.pump.SetAttribFloat(DP_Flow, 10.0f);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 10.0f) << "its own tag or setter may set it";
}

TEST(DosePumpTest, ClampedSpeedIsPostedAndFlowFollowsTheClampedValue) {
  CreatedPump p;
  p.pump.SetAttribFloat(DP_Stroke, 1.0f);
  p.pump.SetAttribFloat(DP_Speed, 150.0f);
  p.world.Deliver();
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Speed), 100.0f);
  EXPECT_EQ(p.world.Mimic().Count(WM_SHAPE_COMMAND, static_cast<LPARAM>(p.pump.GetCtrlId() | (36u << 8))), 1);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 6000.0f);
  // The flow is clamped into its own range like any value.
  p.pump.SetAttribFloat(DP_MaxVluFlow, 1000.0f);
  p.pump.SetAttribFloat(DP_Stroke, 2.0f);
  p.world.Deliver();
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Flow), 1000.0f);
  EXPECT_EQ(p.world.Mimic().Count(WM_SHAPE_COMMAND, static_cast<LPARAM>(p.pump.GetCtrlId() | (44u << 8))), 1);
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
    p.pump.GetAnalogUnit(row.unit)->SetAutoCalcFromPort(true);
    p.pump.SetAttribFloat(row.port, row.set);
    EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(row.port), row.stored) << row.port;
    EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(row.value), row.physical) << row.port;
  }
  CreatedPump p;  // a unit that does not calculate leaves the value alone
  p.pump.SetAttribFloat(DP_SpeedPort, 16000.0f);
  EXPECT_FLOAT_EQ(p.pump.GetAttribFloat(DP_Speed), 0.0f);
}

TEST(DosePumpTest, SpeedItemsStayEnabledWhileThePumpIsOff) {
  CreatedPump p("[DosePump.HighPressure1]\nReserveInt1.Data=0\n", 0x00F00000);
  std::vector<MenuItemSeen> items = OpenContextMenu(p.pump, ID_DOSEPUMP_INCREASE);
  EXPECT_FALSE(FindMenuItem(items, ID_DOSEPUMP_INCREASE).greyed);
  EXPECT_FALSE(FindMenuItem(items, ID_DOSEPUMP_DECREASE).greyed);
  EXPECT_EQ(FindMenuItem(items, ID_DOSEPUMP_INCREASE).text, "Take ON High") << "a two-speed drive";
  EXPECT_TRUE(p.pump.GetAttribBool(DP_DoIncreaseSpeed));
  items = OpenContextMenu(p.pump, ID_DOSEPUMP_DECREASE);
  EXPECT_EQ(FindMenuItem(items, ID_DOSEPUMP_INCREASE).text, "Take OFF High");
  EXPECT_FALSE(p.pump.GetAttribBool(DP_DoIncreaseSpeed));
  EXPECT_TRUE(p.pump.GetAttribBool(DP_DoDecreaseSpeed));
  OpenContextMenu(p.pump, ID_DOSEPUMP_TAKE_ONOFF);
  items = OpenContextMenu(p.pump, ID_DOSEPUMP_TAKE_ONOFF);
  EXPECT_EQ(FindMenuItem(items, ID_DOSEPUMP_TAKE_ONOFF).text, "Take OFF");
  EXPECT_FALSE(p.pump.GetAttribBool(DP_DoDecreaseSpeed)) << "stopping clears the speed commands";
}

TEST(DosePumpTest, LimitFlagsAndTheDriveFaultBlink) {
  for (const int id : {DP_LlaFlgSpeed, DP_HlaFlgSpeed, DP_DiOnAlarmSpeed}) {
    CreatedPump p;
    p.pump.SetAttribBool(id, true);
    EXPECT_TRUE(p.pump.GetBlinkFlags().alarm) << id;
    p.pump.SetAttribBool(id, false);
    EXPECT_FALSE(p.pump.GetBlinkFlags().alarm) << id;
  }
  CreatedPump p;
  p.pump.SetAttribBool(DP_LlaFlgStroke, true);
  EXPECT_FALSE(p.pump.GetBlinkFlags().alarm) << "the stroke's flags do not blink";
}

// How many pixels of the colour lie inside the rectangle.
int CountIn(const ShapePicture& picture, const CRect& rect, COLORREF color) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += picture.Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

TEST(DosePumpTest, PistonMovesOnlyWhileRunningAndTheCaptionTellsTheState) {
  CreatedPump p("[DosePump.HighPressure1]\nDeviceCaption.Data=HP1\n");
  const COLORREF body = 0x005A00, cylinder = 0xFAFADC;
  p.pump.SetAttribFloat(DP_Stroke, 10.0f);
  p.pump.SetAttribFloat(DP_Speed, 50.0f);
  const DosePumpLayout& layout = p.pump.GetLayout();
  const ShapePicture stopped(p.pump);
  EXPECT_EQ(stopped.Pixel(1, 1), 0x73B43Cu) << "in the recipe: ColorBG";
  EXPECT_EQ(stopped.Pixel(40, 18), cylinder) << "the piston at rest";
  EXPECT_GT(CountIn(stopped, layout.caption, ComplementColor(body)), 0) << "a stopped pump's caption";
  EXPECT_EQ(CountIn(stopped, layout.caption, cylinder), 0);

  p.pump.SetAttribBool(DP_DiOnOffSpeed, true);
  for (int paint = 0; paint < 3; ++paint) ShapePicture moving(p.pump);
  EXPECT_EQ(p.pump.GetPiston().position, 12) << "three steps of 4";
  const ShapePicture running(p.pump);
  EXPECT_EQ(running.Pixel(40, 18), body) << "the piston moved out";
  EXPECT_EQ(running.Pixel(40, 7), cylinder) << "narrower than the cylinder";
  EXPECT_GT(CountIn(running, layout.caption, cylinder), 0) << "a running pump's caption in ColorFG";
  EXPECT_EQ(CountIn(running, layout.caption, ComplementColor(body)), 0);

  p.pump.AddAlarm(1, "LOW");
  p.pump.FindAlarm(1)->SetActive(true);
  EXPECT_GT(CountIn(ShapePicture(p.pump), layout.caption, 0x00FFFF), 0) << "an alarm of id 1 in yellow";
  p.pump.FindAlarm(1)->SetDisplayed(true);
  const ShapePicture quiet(p.pump);
  EXPECT_EQ(CountIn(quiet, layout.caption, body), layout.caption.Width() * layout.caption.Height())
      << "every active alarm displayed: no text at all";
}

}  // namespace
