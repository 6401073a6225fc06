// A shape as a window: the context menu, the blinking frame, the repaint
// timer, the property sheet hook, the clipboard copy and the shape command.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Thread.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/ResourceTable.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"

namespace {

using namespace shape_test;

struct MenuSeen {
  std::string run, increase, decrease;
  bool increaseGreyed = false, decreaseGreyed = false;
};

// Opens the shape's context menu and chooses command (0: none).
MenuSeen OpenMenu(C_BaseShape& shape, UINT command = 0) {
  MenuSeen seen;
  CMenu::PopupMenuHandler previous = CMenu::SetPopupMenuHandler([&](CMenu& popup) {
    seen.run = popup.GetMenuString(kTestCmdRun, MF_BYCOMMAND);
    seen.increase = popup.GetMenuString(kTestCmdIncrease, MF_BYCOMMAND);
    seen.decrease = popup.GetMenuString(kTestCmdDecrease, MF_BYCOMMAND);
    seen.increaseGreyed = (popup.GetMenuState(kTestCmdIncrease, MF_BYCOMMAND) & MF_GRAYED) != 0;
    seen.decreaseGreyed = (popup.GetMenuState(kTestCmdDecrease, MF_BYCOMMAND) & MF_GRAYED) != 0;
    return command;
  });
  shape.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  CMenu::SetPopupMenuHandler(previous);
  return seen;
}

TEST(BaseShapeWindowTest, ContextMenuTextsGreyingAndCommands) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Data=0\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  MenuSeen stopped = OpenMenu(shape);
  EXPECT_EQ(stopped.run, "Take ON");
  EXPECT_EQ(stopped.increase, "Take ON Inc");
  EXPECT_EQ(stopped.decrease, "Take ON Dec");
  EXPECT_TRUE(stopped.increaseGreyed && stopped.decreaseGreyed) << "speed commands need the drive running";

  OpenMenu(shape, kTestCmdRun);
  EXPECT_TRUE(shape.GetAttribBool(TS_DoOnOffSpeed));
  OpenMenu(shape, kTestCmdIncrease);
  EXPECT_TRUE(shape.GetAttribBool(TS_DoIncreaseSpeed));
  MenuSeen running = OpenMenu(shape, kTestCmdDecrease);
  EXPECT_EQ(running.run, "Take OFF");
  EXPECT_EQ(running.increase, "Take OFF Inc");
  EXPECT_FALSE(running.increaseGreyed || running.decreaseGreyed);
  EXPECT_TRUE(shape.GetAttribBool(TS_DoDecreaseSpeed));
  EXPECT_FALSE(shape.GetAttribBool(TS_DoIncreaseSpeed)) << "through the interlocked setter";

  OpenMenu(shape, kTestCmdAction);
  EXPECT_EQ(shape.actionDialogs, 1);
  std::string opened;
  CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& dialog) {
    opened = dialog.GetWindowText();
    dialog.EndDialog(IDCANCEL);
  });
  OpenMenu(shape, kTestCmdProperties);
  CDialog::SetModalDriver(previous);
  EXPECT_EQ(opened, "Control Properties   [RtryMxr.Mixer1]");
  EXPECT_EQ(world.Boxes().Count(), 0u);
}

TEST(BaseShapeWindowTest, TwoSpeedDrivesNameTheirSpeeds) {
  ShapeWorld world("[RtryMxr.Pump2]\nSpeed.Data=0\n");
  TestShape shape("Pump2", PortRule::AutoCalc, 0x00200000);
  ASSERT_TRUE(world.Create(shape));
  const MenuSeen seen = OpenMenu(shape);
  EXPECT_EQ(seen.increase, "Take ON High");
  EXPECT_EQ(seen.decrease, "Take ON Low");
}

TEST(BaseShapeWindowTest, FrameBlinksInTheStateColourAndVanishesWhenIdle) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Data=0\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  EXPECT_EQ(ShapePicture(shape).Pixel(0, 0), MIMIC_BG_COLOR) << "an idle frame is drawn in the background";
  EXPECT_EQ(ShapePicture(shape).Pixel(5, 5), 0x112233u);

  shape.SetAttribBool(TS_DiOnAlarmSpeed, true);
  shape.Tick(TIMER_SHAPE_ALARM_BLINK);
  EXPECT_TRUE(shape.GetBlinkPhase());
  ShapePicture alarm(shape);
  EXPECT_EQ(alarm.Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(alarm.Pixel(39, 29), 0x0000FFu);
  EXPECT_EQ(alarm.Pixel(1, 1), 0x112233u) << "the frame has no fill";

  shape.SetDialogBlink(true);
  EXPECT_EQ(ShapePicture(shape).Pixel(0, 0), 0xFF00FFu);
  for (int tick = 0; tick < 4; ++tick) shape.Tick(TIMER_SHAPE_ALARM_BLINK);
  EXPECT_FALSE(shape.GetBlinkPhase()) << "hidden for one tick of five";

  shape.SetDialogBlink(false);
  shape.SetAttribBool(TS_DiOnAlarmSpeed, false);
  shape.Tick(TIMER_SHAPE_ALARM_BLINK);
  EXPECT_FALSE(shape.GetBlinkPhase());
  EXPECT_EQ(ShapePicture(shape).Pixel(0, 0), MIMIC_BG_COLOR);
}

TEST(BaseShapeWindowTest, RunningFeedbackStartsTheRepaintTimer) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Data=0\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  shape.UpdateWindow();
  const int before = shape.paints;
  shape.SetAttribBool(TS_DiOnOffSpeed, true);
  shape.UpdateWindow();
  const int afterChange = shape.paints;
  EXPECT_GT(afterChange, before) << "a change repaints";
  // Without further changes the timer keeps repainting.
  EXPECT_TRUE(WaitProcessingEvents([&] { return shape.paints >= afterChange + 2; }, 3000));
}

TEST(BaseShapeWindowTest, ShapeCommandAndClipboardCopy) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Data=0\n");
  TestShape shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  shape.PostShapeCommand(28);
  world.Deliver();
  ASSERT_EQ(world.Mimic().Count(WM_SHAPE_COMMAND), 1);
  EXPECT_EQ(world.Mimic().received.back().lParam, static_cast<LPARAM>(0x01080000u | (28u << 8)));
  EXPECT_EQ(world.Mimic().received.back().wParam, 0u);

  shape.CopyNameToClipboard(true);
  EXPECT_EQ(world.Clipboard().Text(), "RtryMxr.Mixer1");
}

// A page the tests count, on a small template.
constexpr UINT kTestPage = 9410;
int g_livePages = 0;
class CountedPage : public CPropertyPage {
 public:
  CountedPage() : CPropertyPage(kTestPage) { ++g_livePages; }
  ~CountedPage() override { --g_livePages; }
};

class ShapeWithPages : public TestShape {
 public:
  using TestShape::TestShape;
  void AddPropertyPages(CPropertySheet* sheet) override {
    AddOwnedPage(sheet, std::make_unique<CountedPage>());
    AddOwnedPage(sheet, std::make_unique<CountedPage>());
  }
};

TEST(BaseShapeWindowTest, PropertySheetShowsTheTitleBlinksAndDeletesEveryPageOnce) {
  ShapeWorld world("[RtryMxr.Mixer1]\nSpeed.Data=0\n");
  ResourceTable::Instance().AddDialog(dlg::Dialog(kTestPage, "Page", 100, 60, WS_CHILD, {}));
  ShapeWithPages shape("Mixer1");
  ASSERT_TRUE(world.Create(shape));
  shape.SetDeviceCaption("Mixer one");
  std::string caption;
  bool blinking = false;
  CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& dialog) {
    auto& sheet = static_cast<CPropertySheet&>(dialog);
    caption = sheet.GetTitle();
    blinking = shape.GetBlinkFlags().dialog;
    EXPECT_EQ(g_livePages, 2);
    sheet.RemovePage(1);  // a page the sheet drops is still the shape's to delete
    sheet.PressButton(PSBTN_OK);
  });
  shape.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  CDialog::SetModalDriver(previous);
  EXPECT_EQ(caption, "Control Properties   [RtryMxr.Mixer1] - Mixer one");
  EXPECT_TRUE(blinking);
  EXPECT_FALSE(shape.GetBlinkFlags().dialog);
  EXPECT_EQ(g_livePages, 0);
}

}  // namespace
