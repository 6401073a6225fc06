#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/ColorUtils.h"

namespace {

struct DarkenCase {
  COLORREF in;
  double factor;
  COLORREF expected;
};

TEST(DarkenColorTest, EachChannelLosesItsShareTruncated) {
  const DarkenCase cases[] = {
      {RGB(200, 100, 50), 0.5, RGB(100, 50, 25)},
      {RGB(255, 255, 255), 1.0, RGB(0, 0, 0)},        // factor 1 is allowed: black
      {RGB(255, 128, 7), 0.1, RGB(229, 115, 6)},      // 255-25.5=229.5 -> 229
      {RGB(3, 3, 3), 0.4, RGB(1, 1, 1)},              // 3-1.2=1.8 -> 1
      {RGB(0, 0, 0), 0.7, RGB(0, 0, 0)},
      {RGB(10, 20, 30), 1e-9, RGB(9, 19, 29)},        // tiny factor still truncates
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DarkenColor(c.in, c.factor), c.expected) << "factor " << c.factor;
  }
}

TEST(DarkenColorTest, FactorsOutsideZeroToOneLeaveTheColour) {
  const COLORREF in = RGB(12, 34, 56);
  for (double f : {0.0, -0.5, 1.0000001, 2.0, std::numeric_limits<double>::quiet_NaN(),
                   std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(DarkenColor(in, f), in) << "factor " << f;
  }
}

}  // namespace
