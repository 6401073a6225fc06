#include <gtest/gtest.h>

#include "controls/ControlGeometry.h"

namespace {

using namespace controls;

TEST(ControlGeometryTest, ButtonLookFollowsItsState) {
  struct Case {
    ButtonState s;
    int slot;
    bool iconIn;
  } cases[] = {
      {{}, BTNST_COLOR_BK_OUT, false},
      {{.hot = true}, BTNST_COLOR_BK_IN, true},
      {{.pressed = true}, BTNST_COLOR_BK_IN, true},
      {{.focused = true}, BTNST_COLOR_BK_FOCUS, false},
      {{.hot = true, .focused = true}, BTNST_COLOR_BK_IN, true},
      {{.lit = true}, BTNST_COLOR_BK_IN, true},
      {{.lit = true, .disabled = true}, BTNST_COLOR_BK_IN, true},
      {{.hot = true, .disabled = true}, BTNST_COLOR_BK_OUT, false},
      {{.focused = true, .disabled = true}, BTNST_COLOR_BK_OUT, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonBackgroundSlot(c.s), c.slot);
    EXPECT_EQ(ButtonShowsIconIn(c.s), c.iconIn);
  }
}

TEST(ControlGeometryTest, ButtonContentCentresIconAndTextAsAGroup) {
  const CRect client(0, 0, 100, 30);
  ButtonContent c = LayoutButtonContent(client, CSize(16, 16), 40, false);
  EXPECT_EQ(c.icon, CRect(20, 7, 36, 23));
  EXPECT_EQ(c.text.left, 40);
  EXPECT_EQ(c.text.right, 80);
  c = LayoutButtonContent(client, CSize(16, 16), 40, true);
  EXPECT_EQ(c.icon, CRect(21, 8, 37, 24)) << "pressed content moves by a pixel";
  c = LayoutButtonContent(client, CSize(0, 0), 40, false);
  EXPECT_TRUE(c.icon.IsRectEmpty());
  EXPECT_EQ(c.text, client);
  c = LayoutButtonContent(CRect(0, 0, 20, 10), CSize(16, 16), 400, false);
  EXPECT_LE(c.text.right, 20) << "text clipped to the button";
}

TEST(ControlGeometryTest, LabelFontHeight) {
  EXPECT_EQ(LabelFontPixelHeight(-1, 20), 15);
  EXPECT_EQ(LabelFontPixelHeight(-1, 40), 30) << "follows the label's height";
  EXPECT_EQ(LabelFontPixelHeight(10, 20), 13);
  EXPECT_EQ(LabelFontPixelHeight(-1, 0), 1);
}

TEST(ControlGeometryTest, GroupBoxCaptionByStyleAndAlignment) {
  const CRect client(0, 0, 200, 100);
  const CSize text(60, 14);
  GroupBoxLayout l = LayoutGroupBox(client, text, 0, CaptionAlign::Left);
  EXPECT_EQ(l.frame.top, 7) << "frame through the caption's middle";
  EXPECT_EQ(l.caption.left, 6);
  l = LayoutGroupBox(client, text, 0, CaptionAlign::Center);
  EXPECT_EQ(l.caption.left + l.caption.right, 200);
  l = LayoutGroupBox(client, text, 0, CaptionAlign::Right);
  EXPECT_EQ(l.caption.right, 194);
  l = LayoutGroupBox(client, text, 1, CaptionAlign::Center);
  EXPECT_EQ(l.frame, client);
  EXPECT_EQ(l.caption.Height(), 18);
  EXPECT_EQ(l.caption.top, 1);
  l = LayoutGroupBox(CRect(0, 0, 10, 10), CSize(500, 14), 0, CaptionAlign::Center);
  EXPECT_LE(l.caption.Width(), 10) << "a long caption is cut to the box";
}

TEST(ControlGeometryTest, DigitsOnlyInput) {
  EXPECT_TRUE(IsAcceptedInput("0123456789", 1));
  EXPECT_TRUE(IsAcceptedInput("", 1));
  for (const char* bad : {"-1", "1.5", " 1", "1e3", "١٢"}) EXPECT_FALSE(IsAcceptedInput(bad, 1)) << bad;
  EXPECT_TRUE(IsAcceptedInput("any text, 1.5", 0));
}

}  // namespace
