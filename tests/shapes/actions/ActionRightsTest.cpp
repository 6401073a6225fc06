// The rights check of a command from an action dialog, with each group
// alone: the five plant groups (and Vek-Admin) command, a user of no
// admitted group is refused; the valve's speed buttons and the belt's run
// button stand for every dialog there. A logged-in user of no group is
// then refused every command button of all six dialogs.
#include <gtest/gtest.h>

#include <functional>
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

// A command button of a dialog: the attribute its click writes and a value
// of it before the click that the click would change.
struct CommandButton {
  UINT control;
  int attrib;
  bool before;
};

// A device with an action dialog, made afresh in a world of its own at each
// use, and the dialog's command buttons.
struct ActionDevice {
  const char* name;
  ShapeCreateInfo info;
  const char* settings;
  std::vector<CommandButton> buttons;
  // Makes the device (a failure when it cannot be made) and runs body on it.
  void (*make)(const ActionDevice& device, const std::function<void(C_BaseShape&, ShapeWorld&)>& body);
};

template <class Shape>
void MakeDevice(const ActionDevice& device, const std::function<void(C_BaseShape&, ShapeWorld&)>& body) {
  CreatedDevice<Shape> made(device.info, device.settings);
  ASSERT_TRUE(made.created) << device.name;
  body(made.shape, made.world);
}

// One device of each of the six action dialogs.
const std::vector<ActionDevice>& ActionDevices() {
  static const std::vector<ActionDevice> devices = {
      {"belt", ShapeCreateInfo(0x2000001, 703, 380, 200, 50, 35, 1, "MeasuringBelt"),
       "[Belt.MeasuringBelt]\nReserveInt1.Data=0\n",
       {{4031, BE_DoOnOffSpeed, false}, {4029, BE_DoIncreaseSpeed, false}, {4030, BE_DoDecreaseSpeed, false}},
       &MakeDevice<C_Belt>},
      {"dosing pump", ShapeCreateInfo(0, 240, 280, 120, 36, 0, 0, "HighPressure1"),
       "[DosePump.HighPressure1]\nReserveInt1.Data=0\n",
       {{4027, DP_DoOnOffSpeed, false}, {4023, DP_DoIncreaseSpeed, false}, {4022, DP_DoDecreaseSpeed, false}},
       &MakeDevice<C_DosePump>},
      {"centrifugal pump", ShapeCreateInfo(0, 160, 280, 35, 35, 0, 4, "FeedingPump1"),
       "[CntrFglPump.FeedingPump1]\nReserveInt1.Data=0\n",
       {{4114, CP_DoOnOffSpeed, false}, {4091, CP_DoIncreaseSpeed, false}, {4043, CP_DoDecreaseSpeed, false}},
       &MakeDevice<C_CntrFglPmp>},
      {"diverter valve", ShapeCreateInfo(10, 300, 660, 30, 30, 0, 2, "HotAirDiverseValve"),
       "[DBFValve.HotAirDiverseValve]\nReserveInt1.Data=0\n",
       {{4114, DV_DoOnOffPosition, false}, {4091, DV_DoIncreasePosition, false}, {4043, DV_DoDecreasePosition, false}},
       &MakeDevice<C_DBFValve>},
      {"valve", ShapeCreateInfo(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve"),
       "[Valve.ReturnValve]\nActuatorControlType.Data=2\n",
       {{4031, VA_DoOnOffPosition, true}, {4030, VA_DoLowFlow, false}, {4029, VA_DoHighFlow, false}},
       &MakeDevice<C_Valve>},
      {"rotary wheel", ShapeCreateInfo(10, 100, 280, 30, 30, 1, 1, "RotaryFilter1"),
       "[RtryWhl.RotaryFilter1]\nActuatorControlType.Data=2\n",
       {{4031, CP_DoOnOffSpeed, true}, {4030, CP_DoDecreaseSpeed, false}, {4029, CP_DoIncreaseSpeed, false}},
       &MakeDevice<C_RtryWhl>},
  };
  return devices;
}

const ActionDevice& DeviceNamed(const std::string& name) {
  for (const ActionDevice& device : ActionDevices())
    if (name == device.name) return device;
  ADD_FAILURE() << "no device " << name;
  return ActionDevices().front();
}

// Opens the device's action dialog afresh (nobody logged in yet), clicks
// the control and tells whether the command attribute became true.
bool ClickInFreshDialog(C_BaseShape& shape, UINT control, int commandAttrib) {
  shape.SetAttribBool(commandAttrib, false);
  EXPECT_TRUE(InActionDialog(shape, [&](CDialog& dialog) { EXPECT_TRUE(ClickOn(dialog, control)); }));
  return shape.GetAttribBool(commandAttrib);
}

// The command's rights check with each group alone: the click at the
// control makes the command attribute true exactly for the groups admitted.
void ExpectGroupsOfCommand(const ActionDevice& device, UINT control, int commandAttrib) {
  device.make(device, [&](C_BaseShape& shape, ShapeWorld& world) {
    GroupUsers users;
    core_test::LoginDouble login;
    ExpectGroupsOfCheck(rights_test::kActionCommand, users, login, world.Boxes(),
                        [&] { return ClickInFreshDialog(shape, control, commandAttrib); });
  });
}

TEST(ActionRightsTest, TheValvesCommandsAdmitEachOfTheFivePlantGroupsAlone) {
  ExpectGroupsOfCommand(DeviceNamed("valve"), 4030, VA_DoOnOffPosition);
}

TEST(ActionRightsTest, TheBeltsCommandsAdmitEachOfTheFivePlantGroupsAlone) {
  ExpectGroupsOfCommand(DeviceNamed("belt"), 4031, BE_DoOnOffSpeed);
}

// Every attribute of the shape as text, to tell that nothing changed.
std::vector<std::string> AttribTexts(const C_BaseShape& shape) {
  std::vector<std::string> texts;
  for (int id = 0; id < shape.GetAttribCount(); ++id) {
    const VARIANT* value = shape.GetAttribValue(id);
    texts.push_back(value ? VariantToText(*value) : "<none>");
  }
  return texts;
}

// In the device's dialog: a user of no group logs in at each click of each
// command button and is refused ("Access Denied!", then the login gives
// up): no attribute of the device changes and the dialog keeps no user, so
// every click asks again. Then an operator commands each button.
void ExpectNoGroupCommandsNothing(const ActionDevice& device) {
  device.make(device, [&](C_BaseShape& shape, ShapeWorld& world) {
    GroupUsers users;
    core_test::LoginDouble login;
    const bool opened = InActionDialog(shape, [&](CDialog& dialog) {
      for (const CommandButton& b : device.buttons) {
        SCOPED_TRACE("button " + std::to_string(b.control));
        shape.SetAttribBool(b.attrib, b.before);
        const std::vector<std::string> before = AttribTexts(shape);
        login.answers = {users.User(rights_test::kNoGroup)};
        login.purposes.clear();
        world.Boxes().Clear();
        ASSERT_TRUE(ClickOn(dialog, b.control));
        EXPECT_EQ(AttribTexts(shape), before) << "a user of no group changed the device";
        EXPECT_EQ(login.purposes.size(), 2u) << "asked once, and again after the refusal";
        ASSERT_EQ(world.Boxes().Count(), 1u);
        EXPECT_EQ(world.Boxes().Last().text.rfind("Access Denied!", 0), 0u);
      }
      login.answers = {users.User(rights_test::kOperator)};
      for (const CommandButton& b : device.buttons) {
        SCOPED_TRACE("button " + std::to_string(b.control) + " for an operator");
        shape.SetAttribBool(b.attrib, b.before);
        ASSERT_TRUE(ClickOn(dialog, b.control));
        EXPECT_EQ(shape.GetAttribBool(b.attrib), !b.before);
      }
    });
    EXPECT_TRUE(opened);
  });
}

TEST(ActionRightsTest, AUserOfNoGroupCommandsNothingFromAnyActionDialog) {
  for (const ActionDevice& device : ActionDevices()) {
    SCOPED_TRACE(device.name);
    ExpectNoGroupCommandsNothing(device);
  }
}

}  // namespace
