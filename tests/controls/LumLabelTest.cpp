#include <gtest/gtest.h>

#include <QImage>

#include "controls/LumLabel.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"

namespace {

constexpr COLORREF kText = RGB(255, 255, 0);
constexpr COLORREF kBlink = RGB(0, 0, 255);
constexpr COLORREF kBack = RGB(50, 50, 50);

// The label as drawn now, on a bitmap of its client size.
struct LabelPicture {
  explicit LabelPicture(CLumLabel& label) {
    label.GetClientRect(&rc);
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height());
    dc.SelectObject(&bitmap);
    label.DrawLabel(&dc, rc);
  }
  CRect rc;
  CBitmap bitmap;
  CDC dc;
};

// Counts the pixels of a colour in the label as drawn now.
int CountDrawn(CLumLabel& label, COLORREF color) {
  LabelPicture picture(label);
  int n = 0;
  for (int y = 0; y < picture.rc.Height(); ++y)
    for (int x = 0; x < picture.rc.Width(); ++x) n += picture.dc.GetPixel(x, y) == color ? 1 : 0;
  return n;
}

class LumLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.Create("parent", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 100), nullptr, 0);
    label.Create("Data Source", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 40), &parent, 1130);
    label.SetTextColor(kText);
    label.SetBkColor(kBack);
    label.SetBlinkColor(kBlink);
    label.SetLabelFont(12, TRUE, FALSE, "");
  }
  void Tick() { label.SendMessage(WM_TIMER, 1, 0); }
  bool ShowsBlinkColour() { return CountDrawn(label, kBlink) > 10 && CountDrawn(label, kText) == 0; }
  bool ShowsTextColour() { return CountDrawn(label, kText) > 10 && CountDrawn(label, kBlink) == 0; }

  CWnd parent;
  CLumLabel label;
};

TEST_F(LumLabelTest, SameTextDoesNotRedraw) {
  label.ValidateRect(nullptr);
  CRect r;
  label.SetText("Data Source");
  EXPECT_FALSE(label.GetUpdateRect(&r));
  label.SetText("DataSource: Demo");
  EXPECT_TRUE(label.GetUpdateRect(&r));
  EXPECT_EQ(label.GetWindowText(), "DataSource: Demo");
}

TEST_F(LumLabelTest, RepeatedSetBlinkKeepsTheRhythm) {
  label.SetBlink(TRUE, 333, 0);
  EXPECT_TRUE(ShowsBlinkColour());
  Tick();
  EXPECT_TRUE(ShowsTextColour());
  // The view asks again on each 333 ms refresh: the phase is not reset.
  label.SetBlink(TRUE, 333, 0);
  EXPECT_TRUE(ShowsTextColour());
  Tick();
  label.SetBlink(TRUE, 333, 0);
  EXPECT_TRUE(ShowsBlinkColour());
  label.SetBlink(FALSE, 333, 0);
  EXPECT_FALSE(label.IsBlinking());
  EXPECT_TRUE(ShowsTextColour());
}

TEST_F(LumLabelTest, CountedBlinkEndsOnTheNormalLook) {
  label.SetBlink(TRUE, 333, 3);
  int flashes = ShowsBlinkColour() ? 1 : 0;
  for (int i = 0; i < 5; ++i) {
    Tick();
    flashes += ShowsBlinkColour() ? 1 : 0;
  }
  EXPECT_EQ(flashes, 3);
  EXPECT_FALSE(label.IsBlinking());
  Tick();  // a late tick changes nothing
  EXPECT_TRUE(ShowsTextColour());
}

TEST_F(LumLabelTest, VerticalGradientRunsTopToBottom) {
  label.SetText("");
  label.SetBkColor(RGB(50, 50, 50));
  label.SetGradientColor(RGB(100, 0, 0));
  label.SetGradientVertical(TRUE);
  LabelPicture picture(label);
  const CRect& rc = picture.rc;
  CDC& dc = picture.dc;
  EXPECT_EQ(dc.GetPixel(0, 0), dc.GetPixel(rc.Width() - 1, 0)) << "rows are even";
  EXPECT_LT(GetRValue(dc.GetPixel(5, 0)), GetRValue(dc.GetPixel(5, rc.Height() - 1)));
}

TEST_F(LumLabelTest, AutomaticFontFollowsTheHeight) {
  label.SetLabelFont(-1, TRUE, FALSE, "Brightoak");
  LOGFONT lf;
  label.GetLogFont(&lf);
  EXPECT_EQ(lf.lfHeight, -(30 * 3 / 4));
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfFaceName, "Brightoak");
  label.MoveWindow(10, 10, 200, 40);
  label.GetLogFont(&lf);
  EXPECT_EQ(lf.lfHeight, -30);
}

}  // namespace
