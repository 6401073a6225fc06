// The shapes' texts: which alarm a shape shows, the complement colour, and
// a text kept inside its room.
#include <gtest/gtest.h>

#include <algorithm>

#include "attrib/AlarmPack.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "shapes/ShapeText.h"

namespace {

TEST(ShapeTextTest, TheFirstActiveAlarmNotYetDisplayedIsShown) {
  CAlarmPack alarms;
  EXPECT_EQ(FirstShownAlarm(alarms), nullptr);
  alarms.AddAlarm(0, "OVR");
  alarms.AddAlarm(1, "LOW");
  alarms.AddAlarm(2, "HIGH");
  EXPECT_EQ(FirstShownAlarm(alarms), nullptr) << "none active";
  ASSERT_NE(alarms.FindAlarm(2), nullptr);
  alarms.FindAlarm(2)->SetActive(true);
  ASSERT_NE(alarms.FindAlarm(1), nullptr);
  alarms.FindAlarm(1)->SetActive(true);
  ASSERT_NE(FirstShownAlarm(alarms), nullptr);
  EXPECT_EQ(FirstShownAlarm(alarms)->GetName(), "LOW") << "in list order";
  alarms.FindAlarm(1)->SetDisplayed(true);
  ASSERT_NE(FirstShownAlarm(alarms), nullptr);
  EXPECT_EQ(FirstShownAlarm(alarms)->GetName(), "HIGH");
  alarms.FindAlarm(2)->SetDisplayed(true);
  EXPECT_EQ(FirstShownAlarm(alarms), nullptr) << "every active alarm displayed";
}

TEST(ShapeTextTest, ComplementColor) {
  EXPECT_EQ(ComplementColor(0xFFFFFF), 0x000000u);
  EXPECT_EQ(ComplementColor(0x005A00), 0xFFA5FFu);
  EXPECT_EQ(ComplementColor(0xD7D7FF), 0x282800u);
}

// The columns of a 120 x 20 picture in which the text left a pixel.
std::pair<int, int> InkedColumns(const std::string& text, const CRect& room) {
  CBitmap bitmap;  // outlives the context drawing into it
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 120, 20);
  dc.SelectObject(&bitmap);
  dc.FillSolidRect(CRect(0, 0, 120, 20), 0x000000);
  DrawShapeText(&dc, text, room, 0xFFFFFF);
  int first = 120, last = -1;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (dc.GetPixel(x, y) == 0x000000) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

TEST(ShapeTextTest, TextStaysInsideItsRoom) {
  const auto [first, last] = InkedColumns("Belt", CRect(10, 0, 110, 20));
  EXPECT_GT(first, 40) << "centred";
  EXPECT_LT(last, 80);
  // Too wide for the shape font: a smaller size, whole and centred.
  const auto [smallFirst, smallLast] = InkedColumns("HotAirHeatZone", CRect(20, 0, 89, 20));
  EXPECT_GT(smallFirst, 20) << "not cut at the left";
  EXPECT_LT(smallLast, 88) << "not cut at the right";
  // Too wide even then: it ends in "..." inside the room.
  const auto [cutFirst, cutLast] = InkedColumns("HighPressure1", CRect(40, 0, 74, 20));
  EXPECT_GE(cutFirst, 40);
  EXPECT_LE(cutLast, 73);
  EXPECT_EQ(InkedColumns("", CRect(0, 0, 120, 20)).second, -1) << "no text, no ink";
}

}  // namespace
