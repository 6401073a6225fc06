// The centrifugal pump and the rotary wheel: the pump's interlocked drive,
// its port clamping and greyed speed items, the wheel's reactions after a
// change and its overload alarm, and how both turn while running.
#include <gtest/gtest.h>

#include "core/DCTag.h"
#include "platform/Thread.h"
#include "res/ShapeResources.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/RtryWhl.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

ShapeCreateInfo FeedingPumpInfo(DWORD style = 10) {
  return ShapeCreateInfo(style, 160, 280, 35, 35, 0, 4, "FeedingPump1");
}
ShapeCreateInfo FilterInfo(int option2 = 1) { return ShapeCreateInfo(10, 100, 280, 30, 30, 1, option2, "RotaryFilter1"); }

// A pump or wheel created on its own mimic with an (almost) empty section.
template <class Shape>
struct Created : CreatedDevice<Shape> {
  explicit Created(const ShapeCreateInfo& info, const std::string& settings = "")
      : CreatedDevice<Shape>(info, settings.empty() ? "[" + Section(info) + "]\nReserveInt1.Data=0\n" : settings) {
    EXPECT_TRUE(this->created);
  }
  static std::string Section(const ShapeCreateInfo& info) {
    return (std::is_same_v<Shape, C_RtryWhl> ? "RtryWhl." : "CntrFglPump.") + info.GetDeviceName();
  }
};

TEST(CntrFglPmpTest, SpeedItemsAreGreyedWhileThePumpIsCommandedOff) {
  Created<C_CntrFglPmp> p(FeedingPumpInfo());
  std::vector<MenuItemSeen> items = OpenContextMenu(p.shape);
  EXPECT_EQ(FindMenuItem(items, ID_CNTRFGLPMP_TAKE_ONOFF).text, "Take ON");
  EXPECT_TRUE(FindMenuItem(items, ID_CNTRFGLPMP_INCREASE).greyed);
  EXPECT_TRUE(FindMenuItem(items, ID_CNTRFGLPMP_DECREASE).greyed);
  EXPECT_FALSE(FindMenuItem(items, ID_CNTRFGLPMP_TAKE_ONOFF).greyed);

  OpenContextMenu(p.shape, ID_CNTRFGLPMP_TAKE_ONOFF);
  EXPECT_TRUE(p.shape.GetAttribBool(CP_DoOnOffSpeed));
  EXPECT_FALSE(p.shape.GetAttribBool(CP_DiOnOffSpeed)) << "the feedback is the plant engine's";
  OpenContextMenu(p.shape, ID_CNTRFGLPMP_INCREASE);
  items = OpenContextMenu(p.shape, ID_CNTRFGLPMP_DECREASE);
  EXPECT_EQ(FindMenuItem(items, ID_CNTRFGLPMP_TAKE_ONOFF).text, "Take OFF");
  EXPECT_EQ(FindMenuItem(items, ID_CNTRFGLPMP_INCREASE).text, "Take OFF Inc");
  EXPECT_FALSE(FindMenuItem(items, ID_CNTRFGLPMP_INCREASE).greyed);
  EXPECT_TRUE(p.shape.GetAttribBool(CP_DoDecreaseSpeed));
  EXPECT_FALSE(p.shape.GetAttribBool(CP_DoIncreaseSpeed)) << "decreasing switched increasing off";

  OpenContextMenu(p.shape, ID_CNTRFGLPMP_TAKE_ONOFF);
  EXPECT_FALSE(p.shape.GetAttribBool(CP_DoDecreaseSpeed)) << "stopping clears both speed commands";
}

TEST(CntrFglPmpTest, TwoSpeedPumpsOfferHighAndLow) {
  Created<C_CntrFglPmp> p(FeedingPumpInfo(0x00100000));
  p.shape.SetAttribBool(CP_DoOnOffSpeed, true);
  p.shape.SetAttribBool(CP_DoIncreaseSpeed, true);
  const std::vector<MenuItemSeen> items = OpenContextMenu(p.shape);
  EXPECT_EQ(FindMenuItem(items, ID_CNTRFGLPMP_INCREASE).text, "Take OFF High");
  EXPECT_EQ(FindMenuItem(items, ID_CNTRFGLPMP_DECREASE).text, "Take ON Low");
}

TEST(CntrFglPmpTest, PortValueIsClampedToItsRangeBeforeTheSpeedFollows) {
  Created<C_CntrFglPmp> p(FeedingPumpInfo());
  p.shape.GetAnalogUnit(0)->SetAutoCalcFromPort(true);
  p.shape.SetAttribFloat(CP_SpeedPort, 30000.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(CP_SpeedPort), 27000.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(CP_Speed), 100.0f);
  p.shape.SetAttribFloat(CP_SpeedPort, 16000.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(CP_Speed), 50.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAnalogUnit(0)->GetValue(), 50.0f);
  p.world.Deliver();
  EXPECT_EQ(p.world.Mimic().Count(WM_SHAPE_COMMAND), 0) << "a port clamp posts nothing";
}

TEST(CntrFglPmpTest, SpeedBelowTheMinimumIsClampedAndPosted) {
  Created<C_CntrFglPmp> p(FeedingPumpInfo());
  p.shape.SetAttribFloat(CP_MinVluSpeed, 10.0f);
  p.shape.SetAttribFloat(CP_Speed, 20.0f);
  p.shape.SetAttribFloat(CP_Speed, 5.0f);
  p.world.Deliver();
  EXPECT_FLOAT_EQ(p.shape.GetAttribFloat(CP_Speed), 10.0f);
  EXPECT_FLOAT_EQ(p.shape.GetAnalogUnit(0)->GetValue(), 0.0f);
  EXPECT_EQ(p.world.Mimic().Count(WM_SHAPE_COMMAND, static_cast<LPARAM>(p.shape.GetCtrlId() | (28u << 8))), 1);
  p.world.Mimic().Clear();
  p.shape.SetAttribFloat(CP_Speed, 10.0f);
  p.world.Deliver();
  EXPECT_TRUE(p.world.Mimic().received.empty()) << "an equal value does nothing at all";
}

TEST(CntrFglPmpTest, ImpellerTurnsWithTheSpeedOnlyWhileRunning) {
  Created<C_CntrFglPmp> p(FeedingPumpInfo());
  p.shape.SetAttribFloat(CP_Speed, 100.0f);
  ShapePicture stopped(p.shape);
  EXPECT_DOUBLE_EQ(p.shape.GetImpellerAngle(), 0.0);
  p.shape.SetAttribBool(CP_DiOnOffSpeed, true);
  ShapePicture first(p.shape);
  ShapePicture second(p.shape);
  EXPECT_NEAR(p.shape.GetImpellerAngle(), 0.6, 1e-5) << "0.3 rad per paint at 100 %, added for orientation 4";
  // With an empty speed range the percent is 0: the impeller stands still.
  p.shape.SetAttribFloat(CP_MaxVluSpeed, 0.0f);
  p.shape.SetAttribFloat(CP_Speed, 0.0f);
  ShapePicture still(p.shape);
  EXPECT_NEAR(p.shape.GetImpellerAngle(), 0.6, 1e-5);
}

TEST(CntrFglPmpTest, PictureShowsBodyOutletAndImpeller) {
  Created<C_CntrFglPmp> p(FeedingPumpInfo());
  ShapePicture picture(p.shape);
  EXPECT_EQ(picture.Pixel(17, 17), 0x5AAFFFu) << "the impeller's hub";
  EXPECT_EQ(picture.Pixel(8, 27), 0x6EB43Cu) << "the body";
  EXPECT_EQ(picture.Pixel(33, 3), 0x6EB43Cu) << "the outlet to the right along the top";
  EXPECT_EQ(picture.Pixel(2, 3), MIMIC_BG_COLOR);
  p.shape.SetAttribBool(CP_LocalCntrlSpeed, true);
  EXPECT_EQ(ShapePicture(p.shape).Pixel(2, 3), 0x0000FFu) << "local control shows ColorBgLocal";
}

TEST(RtryWhlTest, TakeOnInDemoMirrorsTheFeedbackAndChoosesTheSpeed) {
  const struct {
    int actuator;
    bool increase, decrease;
  } rows[] = {{0, false, true}, {1, true, false}, {2, false, true}, {3, false, false}};
  for (const auto& row : rows) {
    Created<C_RtryWhl> w(FilterInfo());
    w.world.SetDataSource(DataSource::Demo);
    w.shape.SetAttribInt(BA_ActuatorControlType, row.actuator);
    OpenContextMenu(w.shape, ID_RTRYWHL_TAKE_ONOFF);
    EXPECT_TRUE(w.shape.GetAttribBool(CP_DoOnOffSpeed));
    EXPECT_TRUE(w.shape.GetAttribBool(CP_DiOnOffSpeed));
    EXPECT_EQ(w.shape.GetAttribBool(CP_DoIncreaseSpeed), row.increase) << row.actuator;
    EXPECT_EQ(w.shape.GetAttribBool(CP_DoDecreaseSpeed), row.decrease) << row.actuator;
    EXPECT_EQ(FindMenuItem(OpenContextMenu(w.shape, ID_RTRYWHL_TAKE_ONOFF), ID_RTRYWHL_TAKE_ONOFF).text, "Take OFF");
    EXPECT_FALSE(w.shape.GetAttribBool(CP_DiOnOffSpeed));
    EXPECT_FALSE(w.shape.GetAttribBool(CP_DoIncreaseSpeed));
    EXPECT_FALSE(w.shape.GetAttribBool(CP_DoDecreaseSpeed));
  }
}

TEST(RtryWhlTest, AFeedbackWithATagIsLeftToTheHardwareOutsideDemo) {
  Created<C_RtryWhl> w(FilterInfo(), "[RtryWhl.RotaryFilter1]\nDiOnOffSpeed.Tag=BoolIn\n");
  w.world.SetDataSource(DataSource::RealHw);
  w.shape.SetAttribBool(CP_DoOnOffSpeed, true);
  EXPECT_FALSE(w.shape.GetAttribBool(CP_DiOnOffSpeed));
  EXPECT_TRUE(w.shape.GetAttribBool(CP_DoIncreaseSpeed)) << "actuator control type 1 by default";
  // Its speed commands do not exclude each other: the wheel's setter only stores.
  w.shape.SetAttribBool(CP_DoDecreaseSpeed, true);
  EXPECT_TRUE(w.shape.GetAttribBool(CP_DoIncreaseSpeed));
  // Without a feedback tag the feedback follows also outside Demo.
  Created<C_RtryWhl> unbound(ShapeCreateInfo(10, 100, 350, 30, 30, 1, 1, "RotaryFilter2"));
  unbound.world.SetDataSource(DataSource::RealHw);
  unbound.shape.SetAttribBool(CP_DoOnOffSpeed, true);
  EXPECT_TRUE(unbound.shape.GetAttribBool(CP_DiOnOffSpeed));
}

TEST(RtryWhlTest, OverloadAlarmFaultBlinkAndStoredPort) {
  Created<C_RtryWhl> w(FilterInfo());
  ASSERT_EQ(w.shape.GetAlarmCount(), 1);
  ASSERT_NE(w.shape.GetAlarmAt(0), nullptr);
  EXPECT_EQ(w.shape.GetAlarmAt(0)->GetId(), 0);
  EXPECT_EQ(w.shape.GetAlarmAt(0)->GetName(), "OVR");
  w.shape.SetAttribBool(CP_DiOnAlarmSpeed, true);
  EXPECT_TRUE(w.shape.GetBlinkFlags().alarm);
  w.shape.SetAttribBool(CP_DiOnAlarmSpeed, false);
  EXPECT_FALSE(w.shape.GetBlinkFlags().alarm);
  w.shape.GetAnalogUnit(0)->SetAutoCalcFromPort(true);
  w.shape.SetAttribFloat(CP_SpeedPort, 30000.0f);
  EXPECT_FLOAT_EQ(w.shape.GetAttribFloat(CP_SpeedPort), 30000.0f) << "stored unchanged";
  EXPECT_FLOAT_EQ(w.shape.GetAttribFloat(CP_Speed), 0.0f);
}

TEST(RtryWhlTest, RunningFeedbackRepaintsTheTurningWheel) {
  Created<C_RtryWhl> w(FilterInfo());
  w.shape.SetAttribFloat(CP_Speed, 500.0f);
  w.shape.SetAttribBool(CP_DiOnOffSpeed, true);
  w.world.Deliver();
  const double start = w.shape.GetBladeAngle();
  EXPECT_TRUE(WaitProcessingEvents([&] { return w.shape.GetBladeAngle() > start + 0.5; }, 3000))
      << "0.4 rad per 90 ms paint at 50 %";
}

TEST(RtryWhlTest, BladesAreDrawnOnlyForTheirLayouts) {
  const COLORREF blade = 0x6EB43C, body = 0xFAFADC;
  Created<C_RtryWhl> laid(FilterInfo(1));
  EXPECT_EQ(ShapePicture(laid.shape).Pixel(15, 15), blade);
  Created<C_RtryWhl> none(ShapeCreateInfo(10, 100, 350, 30, 30, 1, 4, "RotaryFilter2"));
  const ShapePicture picture(none.shape);
  EXPECT_EQ(picture.Pixel(15, 15), body) << "no blades";
  EXPECT_EQ(picture.Pixel(15, 1), blade) << "the rim";
  EXPECT_EQ(picture.Pixel(0, 0), MIMIC_BG_COLOR);
}

}  // namespace
