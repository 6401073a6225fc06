#include <gtest/gtest.h>

#include "controls/XPGroupBox.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"

namespace {

TEST(XPGroupBoxTest, SuperviseLookIsABandOverADarkBody) {
  CXPGroupBox box;
  SetupGroupBox(&box);
  EXPECT_EQ(box.GetBoxStyle(), 1);
  EXPECT_EQ(box.GetBorderColor(), RGB(201, 201, 151));
  EXPECT_EQ(box.GetBackgroundColor(), RGB(50, 50, 50));
  EXPECT_TRUE(box.IsFontBold());
  EXPECT_EQ(box.GetAlignment(), 1);
  SetupGroupBox(nullptr);  // tolerated

  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 200, 100);
  dc.SelectObject(&bitmap);
  box.DrawBox(&dc, CRect(0, 0, 200, 100));
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(201, 201, 151)) << "caption band";
  EXPECT_EQ(dc.GetPixel(100, 60), RGB(50, 50, 50)) << "body";
  EXPECT_EQ(dc.GetPixel(0, 60), RGB(201, 201, 151)) << "frame";
}

TEST(XPGroupBoxTest, PlainStyleFrameIsInterruptedByTheCaption) {
  CXPGroupBox box;
  box.SetBackgroundColor(RGB(255, 255, 255));
  box.SetBorderColor(RGB(0, 0, 255));
  box.SetCaptionTextColor(RGB(255, 0, 0));
  box.SetWindowText("System Status");
  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 200, 100);
  dc.SelectObject(&bitmap);
  box.DrawBox(&dc, CRect(0, 0, 200, 100));
  int frameTop = -1;
  for (int y = 0; y < 20 && frameTop < 0; ++y)
    if (dc.GetPixel(190, y) == RGB(0, 0, 255)) frameTop = y;
  ASSERT_GT(frameTop, 0) << "the top edge runs below the caption's top";
  int red = 0, blueUnderCaption = 0;
  for (int x = 8; x < 60; ++x) {
    for (int y = 0; y < 15; ++y) {
      const COLORREF c = dc.GetPixel(x, y);
      red += GetRValue(c) > 200 && GetGValue(c) < 150 ? 1 : 0;  // text, anti-aliased
    }
    blueUnderCaption += dc.GetPixel(x, frameTop) == RGB(0, 0, 255) ? 1 : 0;
  }
  EXPECT_GT(red, 10) << "caption drawn";
  EXPECT_EQ(blueUnderCaption, 0) << "frame interrupted by the caption";
}

}  // namespace

namespace {

TEST(XPGroupBoxPlaceTest, ReplacedBoxStaysBehindItsControls) {
  CWnd form;
  form.Create("form", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
  CWnd templateBox, inside, outside;
  templateBox.Create("System Status", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 110), &form, 1101);
  inside.Create("x", WS_CHILD | WS_VISIBLE, CRect(20, 30, 100, 40), &form, 1130);
  outside.Create("y", WS_CHILD | WS_VISIBLE, CRect(300, 30, 350, 40), &form, 1131);
  CXPGroupBox box;
  ASSERT_TRUE(box.SubclassDlgItem(1101, &form));
  EXPECT_EQ(box.GetWindowText(), "System Status");
  EXPECT_EQ(form.ChildWindowFromPoint(CPoint(25, 35)), &inside) << "the label stays on top";
  EXPECT_EQ(form.ChildWindowFromPoint(CPoint(150, 80)), &box);
}

}  // namespace
