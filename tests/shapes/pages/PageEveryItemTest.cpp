// The pages' rules that walk a list, tried on every entry, the last
// included: each of the graphic page's six colour buttons sets its own
// colour and Cancel restores each; the hammer page shows and unlocks every
// hammer's timing, hammer 8's too; the tower-safety page shows each of its
// four settings.
#include <gtest/gtest.h>

#include <string>

#include "controls/ColorButton.h"
#include "shapes/SpryDryr.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "shapes/pages/GraphicPropPage.h"
#include "shapes/pages/SpryDryrHammerPropPage.h"
#include "shapes/pages/SpryDryrSafetyPropPage.h"

namespace {

using namespace shape_test;

// The graphic page's colour buttons and the colour attribute each sets.
struct ColourButton {
  UINT control;
  int colour;
};
const ColourButton kColourButtons[] = {{4008, 10}, {4006, 9}, {4007, 12}, {4009, 8}, {4010, 7}, {4011, 11}};

// The colour dialog answers with the colour while it lives.
class ChosenColor {
 public:
  explicit ChosenColor(COLORREF color) {
    m_previous = CColorButton::SetColorChooser([color](COLORREF& c, CWnd*) {
      c = color;
      return true;
    });
  }
  ~ChosenColor() { CColorButton::SetColorChooser(m_previous); }

 private:
  CColorButton::ColorChooser m_previous;
};

TEST(GraphicPageEveryColourTest, EachButtonSetsItsOwnColourAndCancelRestoresEach) {
  C_BaseShapePropSheet::SetRememberedPage(0);
  ShapeWorld world{"[RtryMxr.Mixer1]\nSpeed.Data=0\n"};
  TestShape shape{"Mixer1"};
  ASSERT_TRUE(world.Create(shape));
  std::vector<int> before;
  for (const ColourButton& b : kColourButtons) before.push_back(shape.GetAttribInt(b.colour));
  EXPECT_TRUE(InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
    auto* page = ShowPage<CGraphicPropPage>(sheet);
    ASSERT_NE(page, nullptr);
    for (size_t i = 0; i < std::size(kColourButtons); ++i) {
      SCOPED_TRACE("button " + std::to_string(kColourButtons[i].control));
      const int colour = 0x010101 * static_cast<int>(i + 1);
      ChosenColor chosen(static_cast<COLORREF>(colour));
      ASSERT_TRUE(ClickOn(*page, kColourButtons[i].control));
      for (size_t j = 0; j < std::size(kColourButtons); ++j) {
        const int expected = j <= i ? 0x010101 * static_cast<int>(j + 1) : before[j];
        EXPECT_EQ(shape.GetAttribInt(kColourButtons[j].colour), expected) << "colour attribute " << kColourButtons[j].colour;
      }
    }
    ASSERT_TRUE(ClickOn(*page, 4003));  // Cancel
    for (size_t j = 0; j < std::size(kColourButtons); ++j) {
      EXPECT_EQ(shape.GetAttribInt(kColourButtons[j].colour), before[j]) << "colour attribute " << kColourButtons[j].colour;
      auto* button = dynamic_cast<CColorButton*>(page->GetDlgItem(static_cast<int>(kColourButtons[j].control)));
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->GetColor(), static_cast<COLORREF>(before[j])) << "button " << kColourButtons[j].control;
    }
  }));
}

struct TowerEveryItemTest : ::testing::Test {
  void SetUp() override {
    C_BaseShapePropSheet::SetRememberedPage(0);
    ASSERT_TRUE(created);
  }
  template <class Page>
  void OnTowerPage(bool autoRefresh, const std::function<void(Page&)>& body) {
    EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<Page>(sheet);
      ASSERT_NE(page, nullptr);
      SetAutoRefresh(sheet, autoRefresh);
      body(*page);
    }));
  }
  ShapeWorld world{
      "[SprayDryer.SpryDryr1]\nVI_iTowerSafetyCriticalDeltaT_PerMin.Data=51\nVI_iTowerSafetySlopeCalcPeriod.Data=11\n"
      "VI_iTowerSafetyCriticalTopTowerTemper.Data=121\nVI_iTowerSafetyCriticalFireTemper.Data=401\n"};
  C_SpryDryr tower{ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5};
  bool created = world.Create(tower);
};

TEST_F(TowerEveryItemTest, TheHammerPageShowsAndUnlocksEveryHammersTimingUpToTheLast) {
  for (int n = 0; n < 8; ++n) {
    tower.SetAttribInt(SD_VI_iOnDelayHammer1 + n, 10 + n);
    tower.SetAttribInt(SD_VI_iOnStateTimeHammer1 + n, 20 + n);
  }
  OnTowerPage<C_SpryDryrHammerPropPage>(true, [&](auto& page) {
    for (UINT n = 0; n < 8; ++n) {
      EXPECT_EQ(TextOf(page, 4056 + n), std::to_string(10 + n)) << "hammer " << n + 1;
      EXPECT_EQ(TextOf(page, 4064 + n), std::to_string(20 + n)) << "hammer " << n + 1;
      EXPECT_FALSE(IsEnabled(page, 4056 + n)) << "auto refresh locks hammer " << n + 1;
      EXPECT_FALSE(IsEnabled(page, 4064 + n)) << "auto refresh locks hammer " << n + 1;
    }
  });
  OnTowerPage<C_SpryDryrHammerPropPage>(false, [&](auto& page) {
    for (UINT n = 0; n < 8; ++n) {
      EXPECT_TRUE(IsEnabled(page, 4056 + n)) << "hammer " << n + 1;
      EXPECT_TRUE(IsEnabled(page, 4064 + n)) << "hammer " << n + 1;
    }
  });
}

TEST_F(TowerEveryItemTest, TheSafetyPageShowsEachOfItsFourSettings) {
  OnTowerPage<C_SpryDryrSafetyPropPage>(false, [&](auto& page) {
    EXPECT_EQ(TextOf(page, 4081), "51") << "critical delta T";
    EXPECT_EQ(TextOf(page, 4084), "11") << "slope period";
    EXPECT_EQ(TextOf(page, 4083), "121") << "top tower temperature";
    EXPECT_EQ(TextOf(page, 4082), "401") << "fire temperature";
  });
}

}  // namespace
