#include <gtest/gtest.h>

#include "controls/BalloonHelp.h"

namespace {

class BalloonHelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.Create("Loop PID Factors", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
    save.Create("&Save", WS_CHILD | WS_VISIBLE, CRect(200, 200, 260, 222), &dialog, 1003);
  }
  CWnd dialog;
  CWnd save;
};

TEST_F(BalloonHelpTest, PointsAtTheAnchorsCornerAndClosesAfterItsTimeout) {
  const int before = CBalloonHelp::GetOpenCount();
  CBalloonHelp* b = CBalloonHelp::ShowBalloon("با موفقيت ذخيره شد", "", &save, IDI_INFORMATION, 0x81C0, 3000, &dialog);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(CBalloonHelp::GetOpenCount(), before + 1);
  EXPECT_EQ(b->GetParent(), &dialog);
  CRect r;
  b->GetWindowRect(&r);
  dialog.ScreenToClient(&r);
  EXPECT_EQ(r.bottom, 200) << "the tail ends on the anchor's top edge";
  EXPECT_LE(r.left, 200);
  EXPECT_GT(r.right, 200);
  b->SendMessage(WM_TIMER, 1, 0);  // the time-out
  EXPECT_EQ(CBalloonHelp::GetOpenCount(), before);
}

TEST_F(BalloonHelpTest, ClickClosesAndNearTheTopTheBalloonGoesBelow) {
  const int before = CBalloonHelp::GetOpenCount();
  CBalloonHelp* b = CBalloonHelp::ShowBalloonAt("Title", "A longer text\non two lines", &dialog, CPoint(20, 10),
                                                IDI_WARNING, 0x81C0, 0);
  ASSERT_NE(b, nullptr);
  CRect r;
  b->GetWindowRect(&r);
  EXPECT_GE(r.top, 10) << "no room above: below the point";
  EXPECT_EQ(b->GetContent(), "A longer text\non two lines");
  b->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
  EXPECT_EQ(CBalloonHelp::GetOpenCount(), before);
}

TEST_F(BalloonHelpTest, NoWindowToShowInGivesNoBalloon) {
  EXPECT_EQ(CBalloonHelp::ShowBalloon("t", "c", nullptr, IDI_INFORMATION, 0x81C0, 3000, nullptr), nullptr);
  CWnd never;
  EXPECT_EQ(CBalloonHelp::ShowBalloonAt("t", "c", &never, CPoint(0, 0), IDI_INFORMATION, 0x81C0, 3000), nullptr);
}

TEST(BalloonLayoutTest, StaysInsideTheHost) {
  const CRect host(0, 0, 300, 200);
  auto l = controls::LayoutBalloon(CSize(100, 30), CPoint(290, 150), host);
  EXPECT_LE(l.window.right, 300);
  EXPECT_TRUE(l.tailBelow);
  EXPECT_EQ(l.tailTip.x + l.window.left, 290);
  l = controls::LayoutBalloon(CSize(100, 30), CPoint(5, 5), host);
  EXPECT_FALSE(l.tailBelow);
  EXPECT_EQ(l.window.top, 5);
  EXPECT_GE(l.window.left, 0);
}

}  // namespace
