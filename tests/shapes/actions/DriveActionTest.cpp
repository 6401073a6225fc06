// The action dialogs of the drives: the belt's momentary commands with a
// moved clock, the dosing pump's lamp that follows the feedback, the
// centrifugal pump's button texts and the wheel's exclusive speeds.
#include <gtest/gtest.h>

#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DosePump.h"
#include "shapes/RtryWhl.h"
#include "shapes/actions/BeltAction.h"
#include "shapes/actions/DosePumpAction.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/Logins.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

// A device on the mimic; with grant, an operator logs in at the first
// command, else the user gives up.
template <class Shape>
struct Commanded : CreatedDevice<Shape> {
  Commanded(const ShapeCreateInfo& info, const std::string& settings, bool grant = true)
      : CreatedDevice<Shape>(info, settings) {
    EXPECT_TRUE(this->created);
    logins.Answer(grant ? logins.User(CVekAccessUser::eGroupOperator) : nullptr);
  }
  bool InDialog(const std::function<void(C_BaseActionDlg&)>& body) {
    return InActionDialog(this->shape, [&](CDialog& d) { body(dynamic_cast<C_BaseActionDlg&>(d)); });
  }
  Logins logins;
};

ShapeCreateInfo BeltInfo() { return ShapeCreateInfo(0x2000001, 703, 380, 200, 50, 35, 1, "MeasuringBelt"); }
const char* const kBeltSettings = "[Belt.MeasuringBelt]\nReserveInt1.Data=0\n";

struct BeltActionTest : ::testing::Test {
  Commanded<C_Belt> belt{BeltInfo(), kBeltSettings};
  testing_support::ClockDouble clock;
  static constexpr UINT kRun = 4031, kIsOn = 4024, kIncrease = 4029, kDecrease = 4030;
};

TEST_F(BeltActionTest, TheLampsShowTheCommandsAndTheFeedback) {
  C_Belt& shape = belt.shape;
  belt.InDialog([&](C_BaseActionDlg& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Action  [Belt.MeasuringBelt]");
    ASSERT_TRUE(ClickOn(dialog, kRun));
    EXPECT_TRUE(shape.GetAttribBool(BE_DoOnOffSpeed));
    EXPECT_TRUE(dialog.GetLamp(kRun)->IsLit());
    EXPECT_FALSE(dialog.GetLamp(kIsOn)->IsLit()) << "no feedback yet";
    shape.SetAttribBool(BE_DiOnOffSpeed, true);
    ASSERT_TRUE(ClickOn(dialog, kIsOn));  // only refreshes
    EXPECT_TRUE(dialog.GetLamp(kIsOn)->IsLit());
    EXPECT_TRUE(shape.GetAttribBool(BE_DoOnOffSpeed));
  });
}

TEST_F(BeltActionTest, IncreaseTurnsItselfOffTwoSecondsAfterTheLastPress) {
  C_Belt& shape = belt.shape;
  belt.InDialog([&](C_BaseActionDlg& dialog) {
    ASSERT_TRUE(ClickOn(dialog, kIncrease));
    EXPECT_TRUE(dialog.GetLamp(kIncrease)->IsLit());
    clock.Advance(1999);
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_TRUE(shape.GetAttribBool(BE_DoIncreaseSpeed));
    clock.Advance(1);
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_FALSE(shape.GetAttribBool(BE_DoIncreaseSpeed));
    EXPECT_FALSE(dialog.GetLamp(kIncrease)->IsLit());
    EXPECT_FALSE(dialog.IsPulseRunning());

    // Twice within 2 s: off at once, and the count starts again.
    ASSERT_TRUE(ClickOn(dialog, kIncrease));
    clock.Advance(1500);
    ASSERT_TRUE(ClickOn(dialog, kIncrease));
    EXPECT_FALSE(shape.GetAttribBool(BE_DoIncreaseSpeed));
    ASSERT_TRUE(ClickOn(dialog, kDecrease));  // the belt's interlock: only one of the two
    EXPECT_TRUE(shape.GetAttribBool(BE_DoDecreaseSpeed));
    clock.Advance(1999);
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_TRUE(shape.GetAttribBool(BE_DoDecreaseSpeed)) << "2 s from the last press";
    clock.Advance(1);
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_FALSE(shape.GetAttribBool(BE_DoDecreaseSpeed));
  });
  EXPECT_EQ(belt.logins.Purposes().size(), 1u);
}

TEST_F(BeltActionTest, ClosingBeforeTheTwoSecondsEndsTheCommand) {
  C_Belt& shape = belt.shape;
  belt.InDialog([&](C_BaseActionDlg& dialog) {
    ASSERT_TRUE(ClickOn(dialog, kDecrease));
    clock.Advance(500);
  });
  EXPECT_FALSE(shape.GetAttribBool(BE_DoDecreaseSpeed));
  EXPECT_FALSE(shape.GetBlinkFlags().action);
}

TEST(BeltActionRightsTest, ARefusedRightsCheckChangesNothing) {
  Commanded<C_Belt> belt(BeltInfo(), kBeltSettings, false);
  belt.InDialog([&](C_BaseActionDlg& dialog) {
    ASSERT_TRUE(ClickOn(dialog, 4031));
    EXPECT_FALSE(dialog.GetLamp(4031)->IsLit());
    ASSERT_TRUE(ClickOn(dialog, 4029));  // asks again: nobody is logged in
    EXPECT_FALSE(dialog.IsPulseRunning());
  });
  EXPECT_EQ(belt.logins.Purposes().size(), 2u);
  EXPECT_FALSE(belt.shape.GetAttribBool(BE_DoOnOffSpeed));
  EXPECT_FALSE(belt.shape.GetAttribBool(BE_DoIncreaseSpeed));
}

TEST(DosePumpActionTest, IsOnTogglesTheRunCommandAndLightsWithTheFeedback) {
  Commanded<C_DosePump> pump(ShapeCreateInfo(0, 240, 280, 120, 36, 0, 0, "HighPressure1"),
                             "[DosePump.HighPressure1]\nReserveInt1.Data=0\n");
  C_DosePump& shape = pump.shape;
  pump.InDialog([&](C_BaseActionDlg& dialog) {
    ASSERT_TRUE(ClickOn(dialog, 4027));
    EXPECT_TRUE(shape.GetAttribBool(DP_DoOnOffSpeed));
    EXPECT_FALSE(dialog.GetLamp(4027)->IsLit()) << "the lamp waits for the feedback";
    shape.SetAttribBool(DP_DiOnOffSpeed, true);
    EXPECT_FALSE(dialog.GetLamp(4027)->IsLit()) << "until the next tick";
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_TRUE(dialog.GetLamp(4027)->IsLit());
    ASSERT_TRUE(ClickOn(dialog, 4023));
    EXPECT_TRUE(dialog.GetLamp(4023)->IsLit());
    ASSERT_TRUE(ClickOn(dialog, 4022));
    EXPECT_TRUE(dialog.GetLamp(4022)->IsLit());
    EXPECT_FALSE(dialog.GetLamp(4023)->IsLit()) << "the pump's interlock";
  });
}

TEST(CntrFglPmpActionTest, TheButtonTextsTellWhatAClickDoes) {
  Commanded<C_CntrFglPmp> pump(ShapeCreateInfo(0, 160, 280, 35, 35, 0, 4, "FeedingPump1"),
                               "[CntrFglPump.FeedingPump1]\nReserveInt1.Data=0\n");
  pump.InDialog([&](C_BaseActionDlg& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Action  [CntrFglPump.FeedingPump1]");
    EXPECT_EQ(TextOf(dialog, 4114), "Turn On");
    ASSERT_TRUE(ClickOn(dialog, 4114));
    ASSERT_TRUE(ClickOn(dialog, 4091));
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_EQ(TextOf(dialog, 4114), "Turn Off");
    EXPECT_EQ(TextOf(dialog, 4091), "Turn Off Inc");
    ASSERT_TRUE(ClickOn(dialog, 4114));  // off: the interlock clears the speed commands
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_EQ(TextOf(dialog, 4114), "Turn On");
    EXPECT_EQ(TextOf(dialog, 4091), "Turn On Inc");
  });
  EXPECT_FALSE(pump.shape.GetAttribBool(CP_DoIncreaseSpeed));
}

TEST(RtryWhlActionTest, LowAndHighSpeedClearEachOther) {
  Commanded<C_RtryWhl> wheel(ShapeCreateInfo(10, 100, 280, 30, 30, 1, 1, "RotaryFilter1"),
                             "[RtryWhl.RotaryFilter1]\nActuatorControlType.Data=2\n");
  C_RtryWhl& shape = wheel.shape;
  constexpr UINT kOff = 4031, kLow = 4030, kHigh = 4029;
  wheel.InDialog([&](C_BaseActionDlg& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Action  [RtryWhl.RotaryFilter1]");
    EXPECT_TRUE(dialog.GetLamp(kOff)->IsLit());
    ASSERT_TRUE(ClickOn(dialog, kHigh));
    EXPECT_TRUE(shape.GetAttribBool(CP_DoIncreaseSpeed));
    EXPECT_TRUE(dialog.GetLamp(kHigh)->IsLit());
    ASSERT_TRUE(ClickOn(dialog, kLow));
    EXPECT_TRUE(shape.GetAttribBool(CP_DoDecreaseSpeed));
    EXPECT_FALSE(shape.GetAttribBool(CP_DoIncreaseSpeed));
    EXPECT_TRUE(dialog.GetLamp(kLow)->IsLit());
    EXPECT_FALSE(dialog.GetLamp(kHigh)->IsLit());
    ASSERT_TRUE(ClickOn(dialog, kHigh));
    EXPECT_FALSE(shape.GetAttribBool(CP_DoDecreaseSpeed));
    shape.SetAttribBool(CP_DoOnOffSpeed, true);
    ASSERT_TRUE(ClickOn(dialog, kOff));
    EXPECT_FALSE(shape.GetAttribBool(CP_DoOnOffSpeed));
    EXPECT_TRUE(dialog.GetLamp(kOff)->IsLit());
  });
}

TEST(RtryWhlActionTest, TheActuatorTypeRulesOutASpeed) {
  Commanded<C_RtryWhl> wheel(ShapeCreateInfo(10, 100, 280, 30, 30, 1, 1, "RotaryFilter1"),
                             "[RtryWhl.RotaryFilter1]\nActuatorControlType.Data=0\n");
  wheel.InDialog([&](C_BaseActionDlg& dialog) {
    EXPECT_TRUE(IsEnabled(dialog, 4030));
    EXPECT_FALSE(IsEnabled(dialog, 4029));
  });
}

}  // namespace
