// The belt: its faulty orientation word, its drive interlocks, and what it
// shows: the load band, the turning spokes, the value label and the
// caption stopped and running.
#include <gtest/gtest.h>

#include "platform/Seams.h"
#include "res/ShapeResources.h"
#include "shapes/Belt.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

ShapeCreateInfo MeasuringBeltInfo(DWORD style = 0x2000001, int orientation = 1) {
  return ShapeCreateInfo(style, 703, 380, 200, 50, 35, orientation, "MeasuringBelt");
}

struct CreatedBelt : CreatedDevice<C_Belt> {
  explicit CreatedBelt(DWORD style = 0x2000001)
      : CreatedDevice<C_Belt>(MeasuringBeltInfo(style), "[Belt.MeasuringBelt]\nDeviceCaption.Data=Belt\n") {
    EXPECT_TRUE(created);
  }
  void Run() {
    shape.SetAttribBool(BE_DoOnOffSpeed, true);
    shape.SetAttribBool(BE_DiOnOffSpeed, true);
  }
};

TEST(BeltTest, AnOrientationOtherThanZeroOrOneEndsTheProgram) {
  ShapeWorld world("[Belt.MeasuringBelt]\nReserveInt1.Data=0\n");
  C_Belt belt(MeasuringBeltInfo(0x2000001, 2));
  int code = 0;
  TakePendingQuit(&code);
  ASSERT_TRUE(world.Create(belt));
  ASSERT_EQ(world.Boxes().Count(), 1u);
  EXPECT_EQ(world.Boxes().Last().text, "Error at select mode type");
  EXPECT_EQ(world.Boxes().Last().caption, "Internal Error !");
  EXPECT_EQ(world.Boxes().Last().flags, static_cast<UINT>(MB_ICONINFORMATION | MB_SYSTEMMODAL));
  ASSERT_TRUE(TakePendingQuit(&code));
  EXPECT_EQ(code, 5);

  ShapeWorld plain("[Belt.Plain]\nReserveInt1.Data=0\n");
  C_Belt unspoked(ShapeCreateInfo(0x2000001, 0, 0, 200, 50, 35, 0, "Plain"));
  ASSERT_TRUE(plain.Create(unspoked));
  EXPECT_EQ(plain.Boxes().Count(), 0u);
  EXPECT_FALSE(TakePendingQuit(&code));
  unspoked.SetAttribBool(BE_DiOnOffSpeed, true);
  EXPECT_EQ(ShapePicture(unspoked).Pixel(22, 27), 0x000000u) << "no spokes were laid out: none drawn";
}

TEST(BeltTest, SpeedDriveInterlocksAndMenu) {
  CreatedBelt b;
  std::vector<MenuItemSeen> items = OpenContextMenu(b.shape, ID_BELT_INCREASE);
  EXPECT_FALSE(FindMenuItem(items, ID_BELT_INCREASE).greyed) << "no greying on the belt";
  EXPECT_TRUE(b.shape.GetAttribBool(BE_DoIncreaseSpeed));
  OpenContextMenu(b.shape, ID_BELT_DECREASE);
  EXPECT_FALSE(b.shape.GetAttribBool(BE_DoIncreaseSpeed));
  EXPECT_TRUE(b.shape.GetAttribBool(BE_DoDecreaseSpeed));
  OpenContextMenu(b.shape, ID_BELT_TAKE_ONOFF);
  items = OpenContextMenu(b.shape, ID_BELT_TAKE_ONOFF);
  EXPECT_EQ(FindMenuItem(items, ID_BELT_TAKE_ONOFF).text, "Take OFF");
  EXPECT_EQ(FindMenuItem(items, ID_BELT_DECREASE).text, "Take OFF Dec");
  EXPECT_FALSE(b.shape.GetAttribBool(BE_DoDecreaseSpeed)) << "switching the belt off clears both";
  for (const int id : {BE_LlaFlgSpeed, BE_HlaFlgSpeed, BE_DiOnAlarmSpeed}) {
    b.shape.SetAttribBool(id, true);
    EXPECT_TRUE(b.shape.GetBlinkFlags().alarm) << id;
    b.shape.SetAttribBool(id, false);
  }
}

TEST(BeltTest, LoadPortFollowsIntoTheLoadWhileTheUnitCalculates) {
  CreatedBelt b;
  b.shape.GetAnalogUnit(1)->SetAutoCalcFromPort(true);
  b.shape.SetAttribFloat(BE_LoadPort, 16000.0f);
  EXPECT_FLOAT_EQ(b.shape.GetAttribFloat(BE_Load), 500.0f);
  b.shape.SetAttribFloat(BE_Speed, 200.0f);
  EXPECT_FLOAT_EQ(b.shape.GetAttribFloat(BE_Flow), 0.0f) << "Flow comes from its own tag, not from Speed and Load";
}

TEST(BeltTest, LoadBandFollowsTheLoad) {
  CreatedBelt b;
  CRect strip = BeltLoadStrip(b.shape.GetLayout());
  strip.top = 1;  // below the state frame
  const int area = strip.Width() * strip.Height();
  EXPECT_EQ(ShapePicture(b.shape).Count(0x000000, strip), area) << "empty: only the belt's background";
  b.shape.SetAttribFloat(BE_Load, 1000.0f);
  const ShapePicture full(b.shape);
  const int grains = full.Count(0x000000, strip);
  EXPECT_EQ(full.Count(0xFFFFFF, strip) + grains, area) << "the whole top margin is powder";
  EXPECT_GT(grains, 0);
  EXPECT_GT(full.Count(0xFFFFFF, strip), grains);
}

TEST(BeltTest, StoppedBeltShowsOnlyItsCaptionInGrey) {
  CreatedBelt b(0x2000501);
  b.shape.SetAttribFloat(BE_Load, 12.345f);
  const CRect label = BeltLabelRect(b.shape.GetLayout());
  const CRect caption = BeltCaptionRect(b.shape.GetLayout());
  const ShapePicture stopped(b.shape);
  EXPECT_GT(stopped.Count(0xBEBEBE, caption), 0);
  EXPECT_EQ(stopped.Count(0x00D7FF, label), 0) << "no value label";

  b.Run();
  const ShapePicture running(b.shape);
  EXPECT_EQ(running.Count(0xBEBEBE, caption), 0);
  EXPECT_GT(running.Count(0x73B43C, caption), 0) << "the caption in ColorFG";
  EXPECT_GT(running.Count(0x00D7FF, label), 0) << "\"12.3 Kg/m\" in ColorBody";

  b.shape.AddAlarm(0, "OVR");
  ASSERT_NE(b.shape.FindAlarm(0), nullptr);
  b.shape.FindAlarm(0)->SetActive(true);
  const ShapePicture alarm(b.shape);
  EXPECT_GT(alarm.Count(0x0000FF, label), 0) << "the alarm in red";
  EXPECT_EQ(alarm.Count(0x00D7FF, label), 0) << "in the value label's place";
}

TEST(BeltTest, SpokesTurnWithTheSpeedWhileRunning) {
  CreatedBelt b;
  b.shape.SetAttribFloat(BE_Speed, 500.0f);
  ShapePicture stopped(b.shape);
  EXPECT_DOUBLE_EQ(b.shape.GetPulleyAngle(), 0.0);
  b.Run();
  ShapePicture first(b.shape);
  EXPECT_NEAR(b.shape.GetPulleyAngle(), 0.4, 1e-6) << "direction 1: 50 % * 0.008 added";
  EXPECT_EQ(first.Pixel(22, 27), 0x73B43Cu) << "the hub of the head pulley";
  EXPECT_EQ(first.Pixel(177, 27), 0x73B43Cu) << "the hub of the tail pulley";
}

}  // namespace
