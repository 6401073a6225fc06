// The rights check of a command from an action dialog, with each group
// alone: the five plant groups (and Vek-Admin) command, a user of no
// admitted group is refused. Every action dialog asks the same check; the
// valve's speed buttons and the belt's run button stand for them.
#include <gtest/gtest.h>

#include "shapes/Belt.h"
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

}  // namespace
