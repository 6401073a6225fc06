// The rights checks of the property pages, with each group alone: the
// hammer page's two buttons and its Apply, the tower-safety page's two
// pairs, and an analog calibrator's Apply. Each run opens a fresh sheet, so
// no user is kept from the run before.
#include <gtest/gtest.h>

#include "shapes/SpryDryr.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "shapes/pages/AnalogCalibrationPage.h"
#include "shapes/pages/SpryDryrHammerPropPage.h"
#include "shapes/pages/SpryDryrSafetyPropPage.h"
#include "support/RightsTable.h"

namespace {

using namespace shape_test;
using rights_test::ExpectGroupsOfCheck;
using rights_test::RightsCheck;

constexpr UINT kTowerApply = 4001;

struct PageRightsTest : ::testing::Test {
  void SetUp() override {
    C_BaseShapePropSheet::SetRememberedPage(0);
    ASSERT_TRUE(created);
  }
  // Runs body on the page of a fresh sheet of the tower, auto refresh off.
  template <class Page>
  void OnTowerPage(const std::function<void(Page&)>& body) {
    EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<Page>(sheet);
      ASSERT_NE(page, nullptr);
      SetAutoRefresh(sheet, false);
      body(*page);
    }));
    world.Deliver();
  }
  void Expect(const RightsCheck& check, const std::function<bool()>& run) {
    ExpectGroupsOfCheck(check, users, login, world.Boxes(), run);
  }

  ShapeWorld world{
      "[SprayDryer.SpryDryr1]\nVI_iTowerSafetyCriticalDeltaT_PerMin.Data=50\nVI_iTowerSafetySlopeCalcPeriod.Data=10\n"
      "VI_iTowerSafetyCriticalTopTowerTemper.Data=120\nVI_iTowerSafetyCriticalFireTemper.Data=400\n"};
  C_SpryDryr tower{ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5};
  bool created = world.Create(tower);
  rights_test::GroupUsers users;
  core_test::LoginDouble login;
};

TEST_F(PageRightsTest, TheHammerButtonsAdmitOperatorShiftAndProductionEachAlone) {
  Expect(rights_test::kHammerAutoService, [&] {
    tower.SetAttribBool(SD_VI_bLetHammerAutoService, false);
    OnTowerPage<C_SpryDryrHammerPropPage>([&](auto& page) { EXPECT_TRUE(ClickOn(page, 4025)); });
    return tower.GetAttribBool(SD_VI_bLetHammerAutoService);
  });
  Expect(rights_test::kHammerOnOff, [&] {
    tower.SetAttribBool(SD_VI_bTakeOnHammer1 + 7, false);
    OnTowerPage<C_SpryDryrHammerPropPage>([&](auto& page) { EXPECT_TRUE(ClickOn(page, 4039)); });  // hammer 8
    return tower.GetAttribBool(SD_VI_bTakeOnHammer1 + 7);
  });
}

TEST_F(PageRightsTest, TheHammerApplyAdmitsShiftAndProductionEachAlone) {
  Expect(rights_test::kHammerApply, [&] {
    tower.SetAttribInt(SD_VI_iHammerCyclePeriod, 0);
    OnTowerPage<C_SpryDryrHammerPropPage>([&](auto& page) {
      EXPECT_TRUE(TypeInto(page, 4047, "160"));
      for (UINT n = 0; n < 8; ++n) {
        EXPECT_TRUE(TypeInto(page, 4056 + n, std::to_string(n + 1)));
        EXPECT_TRUE(TypeInto(page, 4064 + n, std::to_string(n + 11)));
      }
      EXPECT_TRUE(ClickOn(page, kTowerApply));
    });
    return tower.GetAttribInt(SD_VI_iHammerCyclePeriod) == 160;
  });
}

TEST_F(PageRightsTest, TheSafetyDeltaTPairAdmitsPlantAdminAlone) {
  Expect(rights_test::kSafetyDeltaT, [&] {
    tower.SetAttribInt(SD_VI_iTowerSafetyCriticalDeltaT_PerMin, 50);
    OnTowerPage<C_SpryDryrSafetyPropPage>([&](auto& page) {
      EXPECT_TRUE(TypeInto(page, 4081, "60"));
      EXPECT_TRUE(ClickOn(page, kTowerApply));
    });
    return tower.GetAttribInt(SD_VI_iTowerSafetyCriticalDeltaT_PerMin) == 60;
  });
}

TEST_F(PageRightsTest, TheSafetyFirePairAdmitsProductionAndPlantAdminEachAlone) {
  Expect(rights_test::kSafetyFire, [&] {
    tower.SetAttribInt(SD_VI_iTowerSafetyCriticalFireTemper, 400);
    OnTowerPage<C_SpryDryrSafetyPropPage>([&](auto& page) {
      EXPECT_TRUE(TypeInto(page, 4082, "420"));
      EXPECT_TRUE(ClickOn(page, kTowerApply));
    });
    return tower.GetAttribInt(SD_VI_iTowerSafetyCriticalFireTemper) == 420;
  });
}

// In one sheet the user who passed a check is kept for the next one, and
// checked again there: kept where the next check admits the user's group,
// refused ("Access Denied!", then a new login) where it does not. A user
// of no group is refused and not kept.
TEST_F(PageRightsTest, TheSheetsKeptUserIsCheckedAgainAtEachCheck) {
  tower.SetAttribBool(SD_VI_bLetHammerAutoService, false);
  tower.SetAttribBool(SD_VI_bTakeOnHammer1 + 7, false);
  tower.SetAttribInt(SD_VI_iHammerCyclePeriod, 0);
  tower.SetAttribInt(SD_VI_iTowerSafetyCriticalDeltaT_PerMin, 50);
  auto denials = [&] {
    size_t n = 0;
    for (const MessageBoxRequest& box : world.Boxes().Shown()) n += box.text.rfind("Access Denied!", 0) == 0 ? 1 : 0;
    return n;
  };
  EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
    SetAutoRefresh(sheet, false);
    auto* hammer = ShowPage<C_SpryDryrHammerPropPage>(sheet);
    ASSERT_NE(hammer, nullptr);
    login.answers = {users.User(rights_test::kNoGroup)};
    ASSERT_TRUE(ClickOn(*hammer, 4025));
    EXPECT_FALSE(tower.GetAttribBool(SD_VI_bLetHammerAutoService)) << "no group: refused";
    EXPECT_EQ(login.purposes.size(), 2u);
    login.answers = {users.User(rights_test::kOperator)};
    ASSERT_TRUE(ClickOn(*hammer, 4025));
    EXPECT_TRUE(tower.GetAttribBool(SD_VI_bLetHammerAutoService));
    EXPECT_EQ(login.purposes.size(), 3u) << "the user of no group was not kept";
    ASSERT_TRUE(ClickOn(*hammer, 4039));
    EXPECT_TRUE(tower.GetAttribBool(SD_VI_bTakeOnHammer1 + 7));
    EXPECT_EQ(login.purposes.size(), 3u) << "the operator is kept for the next hammer button";

    EXPECT_TRUE(TypeInto(*hammer, 4047, "160"));
    for (UINT n = 0; n < 8; ++n) {
      EXPECT_TRUE(TypeInto(*hammer, 4056 + n, std::to_string(n + 1)));
      EXPECT_TRUE(TypeInto(*hammer, 4064 + n, std::to_string(n + 11)));
    }
    const size_t denied = denials();
    ASSERT_TRUE(ClickOn(*hammer, kTowerApply));
    EXPECT_EQ(tower.GetAttribInt(SD_VI_iHammerCyclePeriod), 0) << "the kept operator may not apply";
    EXPECT_EQ(denials(), denied + 1);
    EXPECT_EQ(login.purposes.size(), 4u);
    login.answers = {users.User(rights_test::kShift)};
    ASSERT_TRUE(ClickOn(*hammer, kTowerApply));
    EXPECT_EQ(tower.GetAttribInt(SD_VI_iHammerCyclePeriod), 160);

    auto* safety = ShowPage<C_SpryDryrSafetyPropPage>(sheet);
    ASSERT_NE(safety, nullptr);
    EXPECT_TRUE(TypeInto(*safety, 4081, "60"));
    ASSERT_TRUE(ClickOn(*safety, kTowerApply));
    EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetyCriticalDeltaT_PerMin), 50) << "the kept shift user may not";
    EXPECT_EQ(denials(), denied + 2);
  }));
  world.Deliver();
}

TEST(CalibrationRightsTest, ACalibratorsApplyAdmitsTechnicalAlone) {
  C_BaseShapePropSheet::SetRememberedPage(0);
  ShapeWorld world{"[RtryMxr.Mixer1]\nSpeed.Tag=FloatMem\n"};
  TestShape shape{"Mixer1", PortRule::Stored};
  ASSERT_TRUE(world.Create(shape));
  rights_test::GroupUsers users;
  core_test::LoginDouble login;
  ExpectGroupsOfCheck(rights_test::kCalibration, users, login, world.Boxes(), [&] {
    shape.SetAttribFloat(TS_MaxVluSpeed, 100.0f);
    EXPECT_TRUE(InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<CAnalogCalibrationPage>(sheet);
      ASSERT_NE(page, nullptr);
      SetAutoRefresh(sheet, false);
      CAnalogCalibratorCtrl& calibrator = *page->GetCalibrator(0);
      EXPECT_TRUE(TypeInto(calibrator, 4052, "200"));
      EXPECT_TRUE(ClickOn(calibrator, 4000));
    }));
    return shape.GetAttribFloat(TS_MaxVluSpeed) == 200.0f;
  });
}

}  // namespace
