#include <gtest/gtest.h>

#include "controls/BalloonHelp.h"

namespace {

class BalloonHelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.Create("Loop PID Factors", WS_OVERLAPPED | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0);
    save.Create("&Save", WS_CHILD | WS_VISIBLE, CRect(200, 200, 260, 222), &dialog, 1003);
  }
  CWnd dialog;
  CWnd save;
};

// It closes after the time-out, on a press, and on the second press of a
// double-click (which reaches the window as a double-click).
TEST_F(BalloonHelpTest, SavedBalloonOnTheButtonClosesAfterItsTimeoutOrOnAPress) {
  for (const UINT message : {WM_TIMER, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    const int before = CBalloonTip::GetOpenCount();
    CBalloonTip* b = CBalloonHelp::ShowBalloon("با موفقيت ذخيره شد", "", &save, IDI_INFORMATION,
                                               CBalloonHelp::kDefaultOptions, 3000, &dialog);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(CBalloonTip::GetOpenCount(), before + 1);
    EXPECT_EQ(b->GetTitle(), "با موفقيت ذخيره شد");
    EXPECT_EQ(b->GetText(), "");
    b->SendMessage(message, message == WM_TIMER ? 1 : MK_LBUTTON, 0);
    EXPECT_EQ(CBalloonTip::GetOpenCount(), before) << message;
  }
}

TEST_F(BalloonHelpTest, AtAPointOfTheParentWithTheUrlUnderTheText) {
  const int before = CBalloonTip::GetOpenCount();
  CBalloonTip* b = CBalloonHelp::ShowBalloonAt("Title", "Text", &dialog, CPoint(20, 10), IDI_WARNING,
                                               CBalloonHelp::kDefaultOptions, 0, "http://plant/help");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetText(), "Text\nhttp://plant/help");
  b->Close();
  EXPECT_EQ(CBalloonTip::GetOpenCount(), before);
  CWnd never;
  EXPECT_EQ(CBalloonHelp::ShowBalloonAt("t", "c", &never, CPoint(0, 0), IDI_INFORMATION, 0x81C0, 3000), nullptr);
}

TEST(BalloonTextTest, ContentAndUrl) {
  EXPECT_EQ(CBalloonHelp::BalloonText("a", ""), "a");
  EXPECT_EQ(CBalloonHelp::BalloonText("", "u"), "u");
  EXPECT_EQ(CBalloonHelp::BalloonText("a", "u"), "a\nu");
}

}  // namespace
