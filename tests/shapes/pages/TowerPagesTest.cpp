// The tower's hammer and tower-safety pages: their place in the sheet, the
// rights checks, the hammer validator's messages, Apply's order, the lamps
// following the attributes, and the two tower-safety pairs.
#include <gtest/gtest.h>

#include "platform/ui/BalloonTip.h"
#include "platform/ui/ComboBox.h"
#include "shapes/SpryDryr.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/Logins.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/pages/SpryDryrHammerPropPage.h"
#include "shapes/pages/SpryDryrSafetyPropPage.h"

namespace {

using namespace shape_test;

constexpr UINT kApply = 4001;

struct TowerPageTest : ::testing::Test {
  void SetUp() override {
    C_BaseShapePropSheet::SetRememberedPage(0);
    ASSERT_TRUE(created);
  }
  template <class Page>
  void OnPage(const std::function<void(C_BaseShapePropSheet&, Page&)>& body) {
    EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<Page>(sheet);
      ASSERT_NE(page, nullptr);
      SetAutoRefresh(sheet, false);
      body(sheet, *page);
    }));
    world.Deliver();
  }
  CVekAccessUser* User(int group) { return logins.User(group); }

  ShapeWorld world{
      "[SprayDryer.SpryDryr1]\nVI_iTowerSafetyCriticalDeltaT_PerMin.Data=50\nVI_iTowerSafetySlopeCalcPeriod.Data=10\n"
      "VI_iTowerSafetyCriticalTopTowerTemper.Data=120\nVI_iTowerSafetyCriticalFireTemper.Data=400\n"};
  C_SpryDryr tower{ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5};
  bool created = world.Create(tower);
  Logins logins;
};

TEST_F(TowerPageTest, TheSheetHasSafetyHammerFourCalibrationAndTheBasePages) {
  EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
    std::vector<std::string> captions;
    for (int i = 0; i < sheet.GetPageCount(); ++i)
      captions.push_back(sheet.GetPage(i) ? sheet.GetPage(i)->GetCaption() : "<no page>");
    EXPECT_EQ(captions, (std::vector<std::string>{"Tower Safety", "Hammer", "Analog Calibration [1]",
                                                  "Analog Calibration [2]", "Analog Calibration [3]",
                                                  "Analog Calibration [4]", "Graphic", "General Setting"}));
  }));
}

TEST(TowerDefaultsTest, ValuesTheRangesRefuseNeitherLockAPageNorDropTheOthers) {
  C_BaseShapePropSheet::SetRememberedPage(0);
  ShapeWorld world("[SprayDryer.SpryDryr1]\nReserveInt1.Data=0\n");
  C_SpryDryr tower(ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5);
  ASSERT_TRUE(world.Create(tower));
  EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetyCriticalFireTemper), 0) << "outside 350..450";
  EXPECT_TRUE(InPropertySheet(tower, [&](C_BaseShapePropSheet& sheet) {
    EXPECT_EQ(sheet.GetPageCount(), 8);
    EXPECT_TRUE(sheet.SetActivePage(1)) << "the safety page lets the user go";
    EXPECT_TRUE(sheet.SetActivePage(0));
  }));
  EXPECT_EQ(world.Boxes().Count(), 0u);
}

// ---- Hammer page ---------------------------------------------------------------------------

using HammerPage = C_SpryDryrHammerPropPage;

// Types the cycle period and every hammer's delay and on time.
void TypeTiming(HammerPage& page, const char* period, const std::array<const char*, 8>& delays,
                const std::array<const char*, 8>& onTimes) {
  ASSERT_TRUE(TypeInto(page, 4047, period));
  for (UINT n = 0; n < 8; ++n) {
    ASSERT_TRUE(TypeInto(page, 4056 + n, delays[n]));
    ASSERT_TRUE(TypeInto(page, 4064 + n, onTimes[n]));
  }
}

TEST_F(TowerPageTest, HammerApplyStoresModePeriodDelaysAndOnTimesInOrder) {
  logins.Answer(User(CVekAccessUser::eGroupShift));
  OnPage<HammerPage>([&](C_BaseShapePropSheet&, HammerPage& page) {
    auto* mode = dynamic_cast<CComboBox*>(page.GetDlgItem(4041));
    ASSERT_EQ(mode->GetCount(), 2);
    EXPECT_EQ(mode->GetLBText(1), "Serial");
    EXPECT_EQ(mode->GetCurSel(), 0);
    mode->SelectAsUser(1);
    EXPECT_TRUE(IsEnabled(page, kApply));
    TypeTiming(page, "160", {"1", "2", "3", "4", "5", "6", "7", "8"}, {"11", "12", "13", "14", "15", "16", "17", "18"});
    world.Deliver();
    world.Mimic().Clear();
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_FALSE(IsEnabled(page, kApply));
  });
  std::vector<int> expected = {SD_VI_iHammerOperationMode, SD_VI_iHammerCyclePeriod};
  for (int n = 0; n < 8; ++n) expected.push_back(SD_VI_iOnDelayHammer1 + n);
  for (int n = 0; n < 8; ++n) expected.push_back(SD_VI_iOnStateTimeHammer1 + n);
  EXPECT_EQ(ChangedValueIds(world.Mimic()), expected);
  EXPECT_EQ(world.Setting("SprayDryer.SpryDryr1", "VI_iOnStateTimeHammer8.Data"), "18");
  EXPECT_EQ(logins.Purposes(), std::vector<std::string>{"To apply Hammer Setting of Spray Dryer"});
}

TEST_F(TowerPageTest, HammerValidatorNamesTheHighestFailingHammer) {
  logins.Answer(User(CVekAccessUser::eGroupProduction));
  OnPage<HammerPage>([&](C_BaseShapePropSheet&, HammerPage& page) {
    TypeTiming(page, "100", {"0", "50", "0", "0", "60", "0", "0", "0"}, {"100", "51", "0", "0", "41", "0", "0", "0"});
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_TRUE(IsEnabled(page, kApply));
    ASSERT_TRUE(TypeInto(page, 4047, "36001"));
    ASSERT_TRUE(ClickOn(page, kApply));
  });
  ASSERT_EQ(world.Boxes().Count(), 2u);
  EXPECT_EQ(world.Boxes().Shown()[0].text, "The parameters of Hammer5 is invalid!");
  EXPECT_EQ(world.Boxes().Shown()[0].flags, MB_ICONSTOP | MB_SYSTEMMODAL);
  EXPECT_EQ(world.Boxes().Shown()[1].text, "Please enter an integer between 0 and 36000.");
  EXPECT_EQ(tower.GetAttribInt(SD_VI_iHammerCyclePeriod), 0) << "nothing is written";
}

TEST_F(TowerPageTest, ARefusedHammerApplyKeepsTheChosenModeThroughTheNextTick) {
  // Refused twice (the times exceed the period): the mode chosen and the
  // times typed stay each time.
  logins.Answer(User(CVekAccessUser::eGroupShift));
  OnPage<HammerPage>([&](C_BaseShapePropSheet&, HammerPage& page) {
    auto* mode = dynamic_cast<CComboBox*>(page.GetDlgItem(4041));
    mode->SelectAsUser(1);
    TypeTiming(page, "10", {"5", "0", "0", "0", "0", "0", "0", "0"}, {"9", "0", "0", "0", "0", "0", "0", "0"});
    for (int refusal = 0; refusal < 2; ++refusal) {
      ASSERT_TRUE(ClickOn(page, kApply));
      Tick(page, TIMER_PROP_PAGE);
      EXPECT_EQ(mode->GetCurSel(), 1) << "refusal " << refusal;
      EXPECT_EQ(TextOf(page, 4047), "10") << refusal;
      EXPECT_TRUE(IsEnabled(page, kApply)) << refusal;
    }
  });
  EXPECT_EQ(world.Boxes().Count(), 2u);
  EXPECT_EQ(tower.GetAttribInt(SD_VI_iHammerOperationMode), 0) << "nothing is stored";
}

TEST_F(TowerPageTest, HammerApplyWithoutRightsChangesNothing) {
  logins.Answer(User(CVekAccessUser::eGroupOperator));  // not Shift or Production, then gives up
  OnPage<HammerPage>([&](C_BaseShapePropSheet&, HammerPage& page) {
    TypeTiming(page, "100", {"1", "1", "1", "1", "1", "1", "1", "1"}, {"1", "1", "1", "1", "1", "1", "1", "1"});
    ASSERT_TRUE(ClickOn(page, kApply));
  });
  EXPECT_EQ(tower.GetAttribInt(SD_VI_iHammerCyclePeriod), 0);
  EXPECT_EQ(world.Setting("SprayDryer.SpryDryr1", "VI_iHammerCyclePeriod.Data"), "<absent>");
}

TEST_F(TowerPageTest, HammerLampsFollowTheTowerAndTheirClicksNeedRights) {
  world.SetDataSource(DataSource::Demo);  // the auto-service feedback follows its command
  logins.Answer(User(CVekAccessUser::eGroupOperator));
  OnPage<HammerPage>([&](C_BaseShapePropSheet&, HammerPage& page) {
    EXPECT_FALSE(page.GetLamp(0).IsLit());
    ASSERT_TRUE(ClickOn(page, 4025));
    EXPECT_TRUE(tower.GetAttribBool(SD_VI_bLetHammerAutoService));
    EXPECT_TRUE(page.GetLamp(0).IsLit()) << "lit by the feedback";
    ASSERT_TRUE(ClickOn(page, 4034));
    EXPECT_TRUE(tower.GetAttribBool(SD_VI_bTakeOnHammer1 + 2));
    EXPECT_TRUE(page.GetLamp(3).IsLit());
    tower.SetAttribBool(SD_VI_bTakeOnHammer1 + 7, true);  // the cycle switched hammer 8 on
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_TRUE(page.GetLamp(8).IsLit());
  });
  EXPECT_EQ(logins.Purposes(), std::vector<std::string>{"To change Hammers Auto Service option"});
}

TEST_F(TowerPageTest, AHammerClickWithoutRightsChangesNothing) {
  OnPage<HammerPage>([&](C_BaseShapePropSheet&, HammerPage& page) {
    ASSERT_TRUE(ClickOn(page, 4033));
    EXPECT_FALSE(page.GetLamp(2).IsLit());
  });
  EXPECT_FALSE(tower.GetAttribBool(SD_VI_bTakeOnHammer1 + 1));
  EXPECT_EQ(logins.Purposes(), std::vector<std::string>{"To change On/Off state of Hammer"});
}

// ---- Tower safety page -----------------------------------------------------------------------

using SafetyPage = C_SpryDryrSafetyPropPage;
constexpr UINT kDeltaT = 4081, kSlope = 4084, kTopT = 4083, kFireT = 4082;

TEST_F(TowerPageTest, ChangingOnlyTheFireTemperaturesAsksForProductionOrPlantAdmin) {
  logins.Answer(User(CVekAccessUser::eGroupProduction));
  OnPage<SafetyPage>([&](C_BaseShapePropSheet&, SafetyPage& page) {
    EXPECT_EQ(TextOf(page, kFireT), "400");
    ASSERT_TRUE(TypeInto(page, kFireT, "420"));
    const int balloons = CBalloonTip::GetOpenCount();
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_EQ(CBalloonTip::GetOpenCount(), balloons + 1) << "Setting saved successfully.";
    EXPECT_FALSE(IsEnabled(page, kApply));
  });
  EXPECT_EQ(logins.Purposes(), std::vector<std::string>{"To apply Tower Safety Fire Detection parameters"});
  EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetyCriticalFireTemper), 420);
  EXPECT_EQ(world.Setting("SprayDryer.SpryDryr1", "VI_iTowerSafetyCriticalFireTemper.Data"), "420");
}

TEST_F(TowerPageTest, WithBothPairsEditedOneApplyStoresTheDeltaTPairAndApplyStaysForTheOther) {
  logins.Answer(User(CVekAccessUser::eGroupPlantAdmin));
  OnPage<SafetyPage>([&](C_BaseShapePropSheet&, SafetyPage& page) {
    ASSERT_TRUE(TypeInto(page, kDeltaT, "60"));
    ASSERT_TRUE(TypeInto(page, kFireT, "430"));
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetyCriticalDeltaT_PerMin), 60);
    EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetyCriticalFireTemper), 400) << "the fire pair waits";
    EXPECT_TRUE(IsEnabled(page, kApply));
    ASSERT_TRUE(ClickOn(page, kApply));  // Plant-Admin may store the fire pair too
    EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetyCriticalFireTemper), 430);
    EXPECT_FALSE(IsEnabled(page, kApply));
  });
  EXPECT_EQ(logins.Purposes(), std::vector<std::string>{"To apply Tower Safety Critical Delta T"});
}

TEST_F(TowerPageTest, TheDeltaTPairNeedsPlantAdmin) {
  logins.Answer(User(CVekAccessUser::eGroupProduction));  // denied, then gives up
  OnPage<SafetyPage>([&](C_BaseShapePropSheet&, SafetyPage& page) {
    ASSERT_TRUE(TypeInto(page, kSlope, "30"));
    ASSERT_TRUE(ClickOn(page, kApply));
    EXPECT_TRUE(IsEnabled(page, kApply));
  });
  ASSERT_GE(world.Boxes().Count(), 1u) << "the pair was not refused";
  EXPECT_EQ(world.Boxes().Last().text.rfind("Access Denied!", 0), 0u);
  EXPECT_EQ(tower.GetAttribInt(SD_VI_iTowerSafetySlopeCalcPeriod), 10);
}

TEST_F(TowerPageTest, SafetyValuesOutsideTheirRangesAreRefused) {
  OnPage<SafetyPage>([&](C_BaseShapePropSheet&, SafetyPage& page) {
    ASSERT_TRUE(TypeInto(page, kFireT, "349"));
    ASSERT_TRUE(ClickOn(page, kApply));
    ASSERT_TRUE(TypeInto(page, kFireT, "400"));
    ASSERT_TRUE(TypeInto(page, kTopT, "131"));
    ASSERT_TRUE(ClickOn(page, kApply));
  });
  ASSERT_EQ(world.Boxes().Count(), 2u);
  EXPECT_EQ(world.Boxes().Shown()[0].text, "Please enter an integer between 350 and 450.");
  EXPECT_EQ(world.Boxes().Shown()[1].text, "Please enter an integer between 80 and 130.");
  EXPECT_TRUE(logins.Purposes().empty()) << "no rights asked for a refused value";
}

}  // namespace
