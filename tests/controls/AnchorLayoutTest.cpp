#include <gtest/gtest.h>

#include "controls/AnchorLayout.h"

namespace {

struct AnchorCase {
  CSize tl;
  CSize br;
  CRect expected;
};

TEST(AnchorLayoutTest, EdgesFollowTheirShareOfTheGrowth) {
  const CRect initial(10, 20, 110, 60);
  const CSize was(200, 100);
  const CSize now(300, 140);  // +100 wide, +40 high
  const AnchorCase cases[] = {
      {ANCHOR_TOPLEFT, ANCHOR_TOPLEFT, CRect(10, 20, 110, 60)},
      {ANCHOR_TOPLEFT, ANCHOR_BOTTOMRIGHT, CRect(10, 20, 210, 100)},
      {ANCHOR_BOTTOMRIGHT, ANCHOR_BOTTOMRIGHT, CRect(110, 60, 210, 100)},
      {ANCHOR_TOPRIGHT, ANCHOR_TOPRIGHT, CRect(110, 20, 210, 60)},
      {ANCHOR_MIDDLE, ANCHOR_MIDDLE, CRect(60, 40, 160, 80)},
      {CSize(25, 0), CSize(75, 100), CRect(35, 20, 185, 100)},
      {CSize(-50, 0), CSize(300, 0), CRect(10, 20, 210, 60)},  // clamped to 0..100
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnchoredRect(initial, was, now, c.tl, c.br), c.expected)
        << c.tl.cx << "," << c.tl.cy << " / " << c.br.cx << "," << c.br.cy;
  }
}

TEST(AnchorLayoutTest, ShrinkingNeverTurnsARectangleInsideOut) {
  const CRect r = AnchoredRect(CRect(10, 10, 20, 20), CSize(100, 100), CSize(0, 0), ANCHOR_TOPLEFT,
                               ANCHOR_BOTTOMRIGHT);
  EXPECT_GE(r.Width(), 0);
  EXPECT_GE(r.Height(), 0);
}

TEST(AnchorLayoutTest, PlacementTextRoundTrips) {
  const WindowPlacement p{CRect(-20, 30, 640, 480), true};
  EXPECT_EQ(PlacementToText(p), "-20,30,640,480,1");
  EXPECT_EQ(PlacementFromText(PlacementToText(p)), p);
}

TEST(AnchorLayoutTest, DamagedPlacementTextIsRefused) {
  for (const char* bad : {"", "1,2,3,4", "1,2,3,4,0,6", "a,2,3,4,0", "1,,3,4,0", "1,2,3,4,2",
                          "10,10,5,20,0", "10,10,10,20,0", "1,2,3,4,0,", "1 ,2,3,4,0",
                          "0,0,999999999999,10,0"}) {
    EXPECT_FALSE(PlacementFromText(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(AnchorLayoutTest, PlacementIsFittedToScreenAndMinimum) {
  const CRect screen(0, 0, 1024, 768);
  EXPECT_EQ(FitPlacement(CRect(100, 100, 400, 300), CSize(200, 100), screen), CRect(100, 100, 400, 300));
  EXPECT_EQ(FitPlacement(CRect(100, 100, 150, 120), CSize(200, 100), screen), CRect(100, 100, 300, 200));
  EXPECT_EQ(FitPlacement(CRect(2000, -50, 2300, 150), CSize(200, 100), screen), CRect(724, 0, 1024, 200));
  EXPECT_EQ(FitPlacement(CRect(0, 0, 3000, 2000), CSize(200, 100), screen), CRect(0, 0, 1024, 768));
}

}  // namespace
