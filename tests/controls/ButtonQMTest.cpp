#include <gtest/gtest.h>

#include "controls/ButtonLamp.h"
#include "controls/ButtonQM.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"

namespace {

using namespace controls;

// Records the commands its children send.
class CommandParent : public CWnd {
 public:
  std::vector<std::pair<int, int>> commands;  // id, code

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
  }
};

COLORREF CentrePixel(CButtonQM& b) {
  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 60, 20);
  dc.SelectObject(&bitmap);
  b.DrawButton(&dc, CRect(0, 0, 60, 20));
  return dc.GetPixel(5, 10);  // inside the border, left of the text
}

class ButtonQMTest : public ::testing::Test {
 protected:
  void SetUp() override { parent.Create("parent", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0); }
  void Click(CButtonQM& b) {
    b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  CommandParent parent;
};

TEST_F(ButtonQMTest, ColoursFollowTheLook) {
  CButtonQM b;
  b.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(10, 10, 70, 30), &parent, 1011);
  b.SetColor(BTNST_COLOR_BK_IN, RGB(255, 0, 0));
  b.SetColor(BTNST_COLOR_BK_OUT, RGB(0, 0, 255));
  b.SetColor(BTNST_COLOR_BK_FOCUS, RGB(0, 255, 0));
  b.SetColor(7, RGB(1, 2, 3));  // ignored
  b.SetDrawBorder(FALSE);
  EXPECT_EQ(CentrePixel(b), RGB(0, 0, 255));
  b.SetCheck(1, TRUE);
  EXPECT_EQ(CentrePixel(b), RGB(255, 0, 0)) << "lit";
  b.SetCheck(0, TRUE);
  b.SendMessage(WM_SETFOCUS);
  EXPECT_EQ(CentrePixel(b), RGB(0, 255, 0)) << "focused";
}

TEST_F(ButtonQMTest, ClickNotifiesTheParentAndTogglesAnAutoCheckBox) {
  CButtonQM b;
  b.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(10, 10, 70, 30), &parent, 1011);
  EXPECT_TRUE(b.IsCheckBoxMode());
  Click(b);
  EXPECT_EQ(b.GetCheck(), 1);
  ASSERT_EQ(parent.commands.size(), 1u);
  EXPECT_EQ(parent.commands[0], (std::pair<int, int>(1011, BN_CLICKED)));
  Click(b);
  EXPECT_EQ(b.GetCheck(), 0);
  // A release outside the button is no click.
  b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
  EXPECT_EQ(parent.commands.size(), 2u);
}

TEST_F(ButtonQMTest, PushButtonIgnoresSetCheck) {
  CButtonQM b;
  b.Create("Trends", WS_CHILD | WS_VISIBLE, CRect(10, 10, 70, 30), &parent, 710);
  b.SetCheck(1, TRUE);
  EXPECT_EQ(b.GetCheck(), 0);
  Click(b);
  EXPECT_EQ(b.GetCheck(), 0);
  EXPECT_EQ(parent.commands.size(), 1u);
}

TEST_F(ButtonQMTest, LampTakesATemplateButtonsPlaceAndLightsWhenChecked) {
  CWnd templateButton;
  templateButton.Create("Run", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 30, 80, 50), &parent, 4021);
  CButtonLamp lamp;
  ASSERT_TRUE(lamp.SubclassDlgItem(4021, &parent));
  EXPECT_EQ(parent.GetDlgItem(4021), &lamp);
  EXPECT_FALSE(templateButton.IsWindowCreated()) << "the template control is replaced";
  CRect r;
  lamp.GetWindowRect(&r);
  parent.ScreenToClient(&r);
  EXPECT_EQ(r, CRect(20, 30, 80, 50));
  EXPECT_EQ(lamp.GetWindowText(), "Run");
  EXPECT_FALSE(lamp.IsLit());
  lamp.SetCheck(1);
  EXPECT_TRUE(lamp.IsLit());
  EXPECT_EQ(CentrePixel(lamp), RGB(0, 220, 0));
  // Pointing at the lamp does not light it.
  lamp.SetCheck(0);
  lamp.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(lamp.GetState().hot);
  CButtonLamp missing;
  EXPECT_FALSE(missing.SubclassDlgItem(9999, &parent));
}

}  // namespace
