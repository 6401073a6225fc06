// The rules of the action dialogs, without a window.
#include <gtest/gtest.h>

#include "shapes/actions/ActionRules.h"

namespace {

TEST(ActionRulesTest, CaptionHasTwoBlanks) {
  EXPECT_EQ(ActionDialogCaption("[Valve.ReturnValve]"), "Action  [Valve.ReturnValve]");
}

TEST(ActionRulesTest, SpeedButtonsRuledOutByTheActuatorType) {
  struct Case {
    int type;
    bool low, high;
  };
  const Case cases[] = {{0, false, true}, {1, true, false}, {2, false, false}, {3, false, false}, {-1, false, false}};
  for (const Case& c : cases) {
    const SpeedButtonsOff off = SpeedButtonsRuledOut(c.type);
    EXPECT_EQ(off.low, c.low) << c.type;
    EXPECT_EQ(off.high, c.high) << c.type;
  }
}

TEST(ActionRulesTest, PulseIsDueAfterTwoSecondsOfARunningStopwatch) {
  EXPECT_FALSE(IsActionPulseDue(true, 1999));
  EXPECT_TRUE(IsActionPulseDue(true, 2000));
  EXPECT_FALSE(IsActionPulseDue(false, 5000)) << "no command waits";
}

TEST(ActionRulesTest, InvertedLampsLightWhileTheAttributeIsOff) {
  ActionButtonDef off;
  off.showInverted = true;
  EXPECT_TRUE(ActionButtonOn(off, false));
  EXPECT_FALSE(ActionButtonOn(off, true));
  EXPECT_TRUE(ActionButtonOn(ActionButtonDef{}, true));
}

}  // namespace
