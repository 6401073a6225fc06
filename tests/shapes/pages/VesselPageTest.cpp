// The vessel's settings page: the first page of its sheet, the range
// checks, the tare rule with its Persian box, Apply's order, and no
// rights check.
#include <gtest/gtest.h>

#include "shapes/Vessel.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/Logins.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/pages/PageRules.h"
#include "shapes/pages/VesselSettingPropPage.h"

namespace {

using namespace shape_test;

constexpr UINT kError = 4072, kWarning = 4073, kTare = 4079, kApply = 4001;

struct VesselPageTest : ::testing::Test {
  void SetUp() override { C_BaseShapePropSheet::SetRememberedPage(0); }
  // Types the three levels on the vessel's page with auto refresh off and presses Apply.
  void Apply(const char* error, const char* warning, const char* tare,
             const std::function<void(C_VesselSettingPropPage&)>& after = nullptr) {
    EXPECT_TRUE(InPropertySheet(vessel.shape, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<C_VesselSettingPropPage>(sheet);
      ASSERT_NE(page, nullptr);
      SetAutoRefresh(sheet, false);
      ASSERT_TRUE(TypeInto(*page, kError, error));
      ASSERT_TRUE(TypeInto(*page, kWarning, warning));
      ASSERT_TRUE(TypeInto(*page, kTare, tare));
      vessel.world.Deliver();
      vessel.world.Mimic().Clear();
      ASSERT_TRUE(ClickOn(*page, kApply));
      if (after) after(*page);
    }));
    vessel.world.Deliver();
  }
  CreatedDevice<C_Vessel> vessel{ShapeCreateInfo(0x3000, 830, 540, 70, 160, 0x40405000, 1, "Silo1"),
                                 "[Vessel.Silo1]\nReserveInt1.Data=0\n"};
  Logins logins;
};

TEST_F(VesselPageTest, ComesFirstAndFollowsTheVesselWhileAutoRefreshIsOn) {
  EXPECT_TRUE(InPropertySheet(vessel.shape, [&](C_BaseShapePropSheet& sheet) {
    ASSERT_EQ(sheet.GetPageCount(), 4);
    ASSERT_NE(sheet.GetPage(0), nullptr);
    EXPECT_EQ(sheet.GetPage(0)->GetCaption(), "Vessel Setting");
    auto* page = ShowPage<C_VesselSettingPropPage>(sheet);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(TextOf(*page, kError), "30");
    EXPECT_EQ(TextOf(*page, kWarning), "5");
    EXPECT_EQ(TextOf(*page, kTare), "0.2");
    EXPECT_FALSE(IsEnabled(*page, kApply));
    EXPECT_FALSE(TypeInto(*page, kTare, "1"));
    vessel.shape.SetAttribFloat(VS_TareLevel, 1.5f);
    Tick(*page, TIMER_PROP_PAGE);
    EXPECT_EQ(TextOf(*page, kTare), "1.5");
  }));
}

TEST_F(VesselPageTest, ApplyStoresErrorWarningAndTareInThisOrderWithoutARightsCheck) {
  Apply("10", "10", "100", [](C_VesselSettingPropPage& page) { EXPECT_FALSE(IsEnabled(page, kApply)); });
  EXPECT_EQ(ChangedValueIds(vessel.world.Mimic()),
            (std::vector<int>{VS_OverloadErrorLevel, VS_OverloadWarningLevel, VS_TareLevel}));
  EXPECT_EQ(vessel.world.Setting("Vessel.Silo1", "OverloadErrorLevel.Data"), "10");
  EXPECT_EQ(vessel.world.Setting("Vessel.Silo1", "OverloadWarningLevel.Data"), "10");
  EXPECT_EQ(vessel.world.Setting("Vessel.Silo1", "TareLevel.Data"), "100") << "exactly a tenth of 1000 passes";
  EXPECT_TRUE(logins.Purposes().empty());
  EXPECT_EQ(vessel.world.Boxes().Count(), 0u);
}

TEST_F(VesselPageTest, ATareAboveATenthOfTheCapacityIsRefusedInPersian) {
  Apply("30", "5", "100.5", [](C_VesselSettingPropPage& page) { EXPECT_TRUE(IsEnabled(page, kApply)); });
  ASSERT_EQ(vessel.world.Boxes().Count(), 1u);
  EXPECT_EQ(vessel.world.Boxes().Last().text, kTareTooHighText);
  EXPECT_EQ(vessel.world.Boxes().Last().flags, MB_ICONSTOP | MB_SYSTEMMODAL);
  EXPECT_TRUE(ChangedValueIds(vessel.world.Mimic()).empty());
  EXPECT_FLOAT_EQ(vessel.shape.GetAttribFloat(VS_TareLevel), 0.2f);
}

TEST_F(VesselPageTest, TheRangesAreCheckedBeforeTheOrderOfTheLevels) {
  Apply("5", "8", "0");
  ASSERT_EQ(vessel.world.Boxes().Count(), 1u);
  EXPECT_EQ(vessel.world.Boxes().Last().text, "Please enter a number between 10 and 100.");
  Apply("50", "11", "0");
  EXPECT_EQ(vessel.world.Boxes().Last().text, "Please enter a number between 3 and 10.");
  EXPECT_FLOAT_EQ(vessel.shape.GetAttribFloat(VS_OverloadErrorLevel), 30.0f);
}

TEST(VesselPageHiddenTest, WithAllThreeLevelsHiddenThePageLeavesTheSheet) {
  C_BaseShapePropSheet::SetRememberedPage(0);
  CreatedDevice<C_Vessel> vessel(ShapeCreateInfo(0x3000, 830, 540, 70, 160, 0x40405000, 1, "Silo1"),
                                 "[Vessel.Silo1]\nTareLevel.Visible=No\nOverloadWarningLevel.Visible=No\n"
                                 "OverloadErrorLevel.Visible=No\n");
  EXPECT_TRUE(InPropertySheet(vessel.shape, [&](C_BaseShapePropSheet& sheet) {
    ASSERT_NE(sheet.GetPage(0), nullptr);
    EXPECT_EQ(sheet.GetPage(0)->GetCaption(), "Analog Calibration");
    EXPECT_EQ(ShowPage<C_VesselSettingPropPage>(sheet), nullptr);
  }));
}

}  // namespace
