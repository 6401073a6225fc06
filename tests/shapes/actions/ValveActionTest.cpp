// The valve's and the diverter's action dialogs: caption, blinking, lamps
// and texts following the attributes, commands through the rights check,
// and the speed buttons the actuator type rules out.
#include <gtest/gtest.h>

#include "shapes/DBFValve.h"
#include "shapes/Valve.h"
#include "shapes/actions/DBFValveAction.h"
#include "shapes/actions/ValveAction.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/Logins.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

constexpr UINT kOff = 4031;
constexpr UINT kLow = 4030;
constexpr UINT kHigh = 4029;

struct Lamps {
  bool off, low, high;
  bool operator==(const Lamps&) const = default;
};

Lamps LampsOf(C_BaseActionDlg& dialog) {
  return {dialog.GetLamp(kOff)->IsLit(), dialog.GetLamp(kLow)->IsLit(), dialog.GetLamp(kHigh)->IsLit()};
}

class ValveActionTest : public ::testing::Test {
 protected:
  ValveActionTest()
      : world("[Valve.ReturnValve]\nReserveInt1.Data=0\n"),
        valve(ShapeCreateInfo(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve")) {}
  bool InDialog(const std::function<void(C_ValveAction&)>& body) {
    return InActionDialog(valve, [&](CDialog& d) { body(dynamic_cast<C_ValveAction&>(d)); });
  }
  ShapeWorld world;
  C_Valve valve;
  Logins logins;
};

TEST_F(ValveActionTest, OpensWithTheCaptionTheLampsAndTheValveBlinking) {
  ASSERT_TRUE(world.Create(valve));
  const bool opened = InDialog([&](C_ValveAction& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Action  [Valve.ReturnValve]");
    EXPECT_TRUE(valve.GetBlinkFlags().action);
    EXPECT_EQ(LampsOf(dialog), (Lamps{true, false, false})) << "closed: Off is lit";
    valve.SetAttribBool(VA_DoHighFlow, true);  // the valve opens with its high flow
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_EQ(LampsOf(dialog), (Lamps{false, false, true}));
    dialog.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
  });
  EXPECT_TRUE(opened);
  EXPECT_FALSE(valve.GetBlinkFlags().action);
  EXPECT_EQ(world.Clipboard().Text(), "Valve.ReturnValve");
  EXPECT_TRUE(logins.Purposes().empty()) << "looking needs no login";
}

TEST_F(ValveActionTest, CommandsPassTheRightsCheckOnceAndDriveTheValve) {
  ASSERT_TRUE(world.Create(valve));
  valve.SetAttribInt(BA_ActuatorControlType, 2);
  logins.Answer(logins.User(CVekAccessUser::eGroupOperator));
  InDialog([&](C_ValveAction& dialog) {
    ASSERT_TRUE(ClickOn(dialog, kLow));
    EXPECT_TRUE(valve.GetAttribBool(VA_DoOnOffPosition));
    EXPECT_EQ(LampsOf(dialog), (Lamps{false, true, false}));
    ASSERT_TRUE(ClickOn(dialog, kHigh));
    EXPECT_EQ(LampsOf(dialog), (Lamps{false, false, true}));
    ASSERT_TRUE(ClickOn(dialog, kOff));
    EXPECT_FALSE(valve.GetAttribBool(VA_DoOnOffPosition));
    EXPECT_EQ(LampsOf(dialog), (Lamps{true, false, false}));
  });
  EXPECT_EQ(logins.Purposes(), std::vector<std::string>{"To command [Valve.ReturnValve]"});
}

TEST_F(ValveActionTest, ARefusedRightsCheckChangesNothing) {
  ASSERT_TRUE(world.Create(valve));
  logins.Answer(nullptr);
  InDialog([&](C_ValveAction& dialog) {
    ASSERT_TRUE(ClickOn(dialog, kHigh));
    EXPECT_EQ(LampsOf(dialog), (Lamps{true, false, false}));
  });
  EXPECT_FALSE(valve.GetAttribBool(VA_DoOnOffPosition));
  EXPECT_FALSE(valve.GetAttribBool(VA_DoHighFlow));
  EXPECT_EQ(logins.Purposes().size(), 1u);
}

TEST_F(ValveActionTest, TheActuatorTypeRulesOutASpeedForAsLongAsTheDialogIsOpen) {
  ASSERT_TRUE(world.Create(valve));
  struct Case {
    int type;
    bool lowEnabled, highEnabled;
  };
  for (const Case c : {Case{0, true, false}, Case{1, false, true}, Case{2, true, true}, Case{3, true, true}}) {
    valve.SetAttribInt(BA_ActuatorControlType, c.type);
    InDialog([&](C_ValveAction& dialog) {
      EXPECT_EQ(IsEnabled(dialog, kLow), c.lowEnabled) << c.type;
      EXPECT_EQ(IsEnabled(dialog, kHigh), c.highEnabled) << c.type;
      EXPECT_TRUE(IsEnabled(dialog, kOff));
      valve.SetAttribInt(BA_ActuatorControlType, 2);
      Tick(dialog, TIMER_ACTION_DLG);
      EXPECT_EQ(IsEnabled(dialog, kHigh), c.highEnabled) << "a disabled button stays disabled";
    });
  }
}

TEST(DBFValveActionTest, ButtonTextsFollowTheCommandsAtTheNextTick) {
  ShapeWorld world("[DBFValve.HotAirDiverseValve]\nReserveInt1.Data=0\n");
  C_DBFValve valve(ShapeCreateInfo(10, 300, 660, 30, 30, 0, 2, "HotAirDiverseValve"));
  ASSERT_TRUE(world.Create(valve));
  Logins logins;
  logins.Answer(logins.User(CVekAccessUser::eGroupShift));
  const bool opened = InActionDialog(valve, [&](CDialog& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Action  [DBFValve.HotAirDiverseValve]");
    EXPECT_EQ(TextOf(dialog, 4091), "Turn On Inc");
    EXPECT_EQ(TextOf(dialog, 4043), "Turn On Dec");
    EXPECT_EQ(TextOf(dialog, 4114), "Turn On");
    ASSERT_TRUE(ClickOn(dialog, 4114));
    EXPECT_TRUE(valve.GetAttribBool(DV_DoOnOffPosition));
    EXPECT_EQ(TextOf(dialog, 4114), "Turn On") << "the text changes at the next tick";
    ASSERT_TRUE(ClickOn(dialog, 4091));
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_EQ(TextOf(dialog, 4114), "Turn Off");
    EXPECT_EQ(TextOf(dialog, 4091), "Turn Off Inc");
    ASSERT_TRUE(ClickOn(dialog, 4043));  // the flap's interlock clears the increase
    Tick(dialog, TIMER_ACTION_DLG);
    EXPECT_EQ(TextOf(dialog, 4091), "Turn On Inc");
    EXPECT_EQ(TextOf(dialog, 4043), "Turn Off Dec");
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(logins.Purposes().size(), 1u);
}

}  // namespace
