// The rights check of a command from an action dialog, with each group
// alone: the five plant groups (and Vek-Admin) command, a user of no
// admitted group is refused; the valve's speed buttons and the belt's run
// button stand for every dialog there. A logged-in user of no group is
// then refused every command button of all six dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Variant.h"
#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DBFValve.h"
#include "shapes/DosePump.h"
#include "shapes/RtryWhl.h"
#include "shapes/Valve.h"
#include "shapes/actions/BaseActionDlg.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/ShapeFixture.h"
#include "support/RightsTable.h"

namespace {

using namespace shape_test;
using rights_test::ExpectGroupsOfCheck;
using rights_test::GroupUsers;

// Opens the device's action dialog afresh (nobody logged in yet), clicks
// the control and tells whether the command attribute became true.
template <class Shape>
bool ClickInFreshDialog(Shape& shape, UINT control, int commandAttrib) {
  shape.SetAttribBool(commandAttrib, false);
  EXPECT_TRUE(InActionDialog(shape, [&](CDialog& dialog) { EXPECT_TRUE(ClickOn(dialog, control)); }));
  return shape.GetAttribBool(commandAttrib);
}

TEST(ActionRightsTest, TheValvesCommandsAdmitEachOfTheFivePlantGroupsAlone) {
  ShapeWorld world("[Valve.ReturnValve]\nReserveInt1.Data=0\n");
  C_Valve valve(ShapeCreateInfo(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve"));
  ASSERT_TRUE(world.Create(valve));
  valve.SetAttribInt(BA_ActuatorControlType, 2);
  GroupUsers users;
  core_test::LoginDouble login;
  ExpectGroupsOfCheck(rights_test::kActionCommand, users, login, world.Boxes(),
                      [&] { return ClickInFreshDialog(valve, 4030, VA_DoOnOffPosition); });
}

TEST(ActionRightsTest, TheBeltsCommandsAdmitEachOfTheFivePlantGroupsAlone) {
  CreatedDevice<C_Belt> belt(ShapeCreateInfo(0x2000001, 703, 380, 200, 50, 35, 1, "MeasuringBelt"),
                             "[Belt.MeasuringBelt]\nReserveInt1.Data=0\n");
  ASSERT_TRUE(belt.created);
  GroupUsers users;
  core_test::LoginDouble login;
  ExpectGroupsOfCheck(rights_test::kActionCommand, users, login, belt.world.Boxes(),
                      [&] { return ClickInFreshDialog(belt.shape, 4031, BE_DoOnOffSpeed); });
}

// A command button of a dialog: the attribute its click writes and a value
// of it before the click that the click would change.
struct CommandButton {
  UINT control;
  int attrib;
  bool before;
};

// Every attribute of the shape as text, to tell that nothing changed.
std::vector<std::string> AttribTexts(const C_BaseShape& shape) {
  std::vector<std::string> texts;
  for (int id = 0; id < shape.GetAttribCount(); ++id) {
    const VARIANT* value = shape.GetAttribValue(id);
    texts.push_back(value ? VariantToText(*value) : "<none>");
  }
  return texts;
}

// In one dialog of the device: a user of no group logs in at each click of
// each command button and is refused ("Access Denied!", then the login
// gives up): no attribute of the device changes and the dialog keeps no
// user, so every click asks again. Then an operator commands each button.
template <class Shape>
void ExpectNoGroupCommandsNothing(const ShapeCreateInfo& info, const std::string& settings,
                                  const std::vector<CommandButton>& buttons) {
  CreatedDevice<Shape> device(info, settings);
  ASSERT_TRUE(device.created);
  Shape& shape = device.shape;
  GroupUsers users;
  core_test::LoginDouble login;
  const bool opened = InActionDialog(shape, [&](CDialog& dialog) {
    for (const CommandButton& b : buttons) {
      SCOPED_TRACE("button " + std::to_string(b.control));
      shape.SetAttribBool(b.attrib, b.before);
      const std::vector<std::string> before = AttribTexts(shape);
      login.answers = {users.User(rights_test::kNoGroup)};
      login.purposes.clear();
      device.world.Boxes().Clear();
      ASSERT_TRUE(ClickOn(dialog, b.control));
      EXPECT_EQ(AttribTexts(shape), before) << "a user of no group changed the device";
      EXPECT_EQ(login.purposes.size(), 2u) << "asked once, and again after the refusal";
      ASSERT_EQ(device.world.Boxes().Count(), 1u);
      EXPECT_EQ(device.world.Boxes().Last().text.rfind("Access Denied!", 0), 0u);
    }
    login.answers = {users.User(rights_test::kOperator)};
    for (const CommandButton& b : buttons) {
      SCOPED_TRACE("button " + std::to_string(b.control) + " for an operator");
      shape.SetAttribBool(b.attrib, b.before);
      ASSERT_TRUE(ClickOn(dialog, b.control));
      EXPECT_EQ(shape.GetAttribBool(b.attrib), !b.before);
    }
  });
  EXPECT_TRUE(opened);
}

TEST(ActionRightsTest, AUserOfNoGroupCommandsNothingFromAnyActionDialog) {
  {
    SCOPED_TRACE("belt");
    ExpectNoGroupCommandsNothing<C_Belt>(ShapeCreateInfo(0x2000001, 703, 380, 200, 50, 35, 1, "MeasuringBelt"),
                                         "[Belt.MeasuringBelt]\nReserveInt1.Data=0\n",
                                         {{4031, BE_DoOnOffSpeed, false},
                                          {4029, BE_DoIncreaseSpeed, false},
                                          {4030, BE_DoDecreaseSpeed, false}});
  }
  {
    SCOPED_TRACE("dosing pump");
    ExpectNoGroupCommandsNothing<C_DosePump>(ShapeCreateInfo(0, 240, 280, 120, 36, 0, 0, "HighPressure1"),
                                             "[DosePump.HighPressure1]\nReserveInt1.Data=0\n",
                                             {{4027, DP_DoOnOffSpeed, false},
                                              {4023, DP_DoIncreaseSpeed, false},
                                              {4022, DP_DoDecreaseSpeed, false}});
  }
  {
    SCOPED_TRACE("centrifugal pump");
    ExpectNoGroupCommandsNothing<C_CntrFglPmp>(ShapeCreateInfo(0, 160, 280, 35, 35, 0, 4, "FeedingPump1"),
                                               "[CntrFglPump.FeedingPump1]\nReserveInt1.Data=0\n",
                                               {{4114, CP_DoOnOffSpeed, false},
                                                {4091, CP_DoIncreaseSpeed, false},
                                                {4043, CP_DoDecreaseSpeed, false}});
  }
  {
    SCOPED_TRACE("diverter valve");
    ExpectNoGroupCommandsNothing<C_DBFValve>(ShapeCreateInfo(10, 300, 660, 30, 30, 0, 2, "HotAirDiverseValve"),
                                             "[DBFValve.HotAirDiverseValve]\nReserveInt1.Data=0\n",
                                             {{4114, DV_DoOnOffPosition, false},
                                              {4091, DV_DoIncreasePosition, false},
                                              {4043, DV_DoDecreasePosition, false}});
  }
  {
    SCOPED_TRACE("valve");
    ExpectNoGroupCommandsNothing<C_Valve>(ShapeCreateInfo(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve"),
                                          "[Valve.ReturnValve]\nActuatorControlType.Data=2\n",
                                          {{4031, VA_DoOnOffPosition, true},
                                           {4030, VA_DoLowFlow, false},
                                           {4029, VA_DoHighFlow, false}});
  }
  {
    SCOPED_TRACE("rotary wheel");
    ExpectNoGroupCommandsNothing<C_RtryWhl>(ShapeCreateInfo(10, 100, 280, 30, 30, 1, 1, "RotaryFilter1"),
                                            "[RtryWhl.RotaryFilter1]\nActuatorControlType.Data=2\n",
                                            {{4031, CP_DoOnOffSpeed, true},
                                             {4030, CP_DoDecreaseSpeed, false},
                                             {4029, CP_DoIncreaseSpeed, false}});
  }
}

}  // namespace
