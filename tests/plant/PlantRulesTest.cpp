// The plant's rules the supervise view runs on its notices, on the plant
// without a window: the belt's flow and speed, a drive's Demo running
// value, the Demo follow-ups of a changed attribute, the shift totals copy,
// the recipe's pending flags and the Demo restart on a new active recipe.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "attrib/AttribTypes.h"
#include "plant/DeviceAttribs.h"
#include "plant/PlantRules.h"
#include "plant/PlantTestSupport.h"
#include "plant/RecipeCheck.h"
#include "records/CADODatabase.h"
#include "records/TableNotice.h"
#include "tests/records/RecordsTestSupport.h"

using plant_test::PlantRig;

namespace {

TEST(BeltRelationTest, FlowFromSpeedAndSpeedFromFlowKeepTheirOwnFactors) {
  const struct {
    float load, speed;
  } rows[] = {{18.0f, 50.0f}, {18.0f, 0.0f}, {1.0f, 1000.0f}, {27.02f, 40.0f}, {0.5f, 3.25f}};
  for (const auto& row : rows) {
    const float flow = BeltFlowFromSpeed(row.load, row.speed);
    EXPECT_EQ(flow, static_cast<float>(static_cast<double>(row.load) * 0.037 * static_cast<double>(row.speed)))
        << row.load << " x " << row.speed;
    float speed = -1.0f;
    ASSERT_TRUE(BeltSpeedFromFlow(flow, row.load, &speed));
    EXPECT_EQ(speed, static_cast<float>(static_cast<double>(flow) * 27.02 / static_cast<double>(row.load)));
    // 27.02 is not quite 1 / 0.037: the way back lands 0.026 % low, as the
    // plant has always shown it.
    EXPECT_NEAR(speed, row.speed * 0.037f * 27.02f, 1e-3f);
    if (row.speed > 0.0f) {
      EXPECT_LT(speed, row.speed);
    }
  }
}

TEST(BeltRelationTest, NoSpeedFromAFlowWithoutLoad) {
  for (float load : {0.0f, -0.0f, -18.0f, std::nanf("")}) {
    float speed = 12.0f;
    EXPECT_FALSE(BeltSpeedFromFlow(300.0f, load, &speed)) << load;
    EXPECT_EQ(speed, 12.0f) << "untouched";
  }
  float speed = 12.0f;
  ASSERT_TRUE(BeltSpeedFromFlow(0.0f, 18.0f, &speed));
  EXPECT_EQ(speed, 0.0f) << "no flow, a standing belt";
}

TEST(DemoRunningValueTest, HalfTheMaximumWhileOnElseZero) {
  EXPECT_EQ(DemoRunningValue(true, 100.0f), 50.0f);
  EXPECT_EQ(DemoRunningValue(true, 0.3f), static_cast<float>(static_cast<double>(0.3f) * 0.5));
  EXPECT_EQ(DemoRunningValue(true, 0.0f), 0.0f);
  EXPECT_EQ(DemoRunningValue(false, 100.0f), 0.0f);
  EXPECT_EQ(DemoRunningValue(false, -7.0f), 0.0f);
}

class PlantRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.CreateWindowsWithoutThreads();  // on the rig's mimic; no cycle runs unless asked
  }
  void Demo() { ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo)); }
  // Every value a follow-up may write, set to a marker first.
  void Mark(const std::string& device, const std::vector<const char*>& attribs, float value) {
    for (const char* attrib : attribs) rig.SetFloat(device, attrib, value);
  }
  void FollowUp(const std::string& device, const char* name, bool b) {
    ApplyDemoFollowUps(rig.Plant(), rig.Device(device), name, b);
  }

  PlantRig rig;
};

// One drive per class and what its DiOnOffSpeed writes.
struct DriveRow {
  const char* device;
  std::vector<const char*> values;  // each set to half its "MaxVlu" partner while on
};

const DriveRow kDriveRows[] = {
    {"HighPressure2", {"Stroke", "Speed", "Flow"}},
    {"MeasuringBelt", {"Flow", "Speed"}},
    {"SuctionFan", {"Speed"}},
    {"RotaryFilter3", {"Speed"}},
};

TEST_F(PlantRulesTest, ADrivesOnOffFeedbackSetsItsRunningValuesInDemo) {
  Demo();
  for (const DriveRow& row : kDriveRows) {
    for (bool b : {true, false}) {
      Mark(row.device, row.values, 7.0f);
      FollowUp(row.device, "DiOnOffSpeed", b);
      for (const char* value : row.values) {
        ASSERT_GT(rig.Float(row.device, ("MaxVlu" + std::string(value)).c_str()), 0.0f);
        const float max = rig.Float(row.device, ("MaxVlu" + std::string(value)).c_str());
        EXPECT_EQ(rig.Float(row.device, value), b ? static_cast<float>(static_cast<double>(max) * 0.5) : 0.0f)
            << row.device << "." << value << " b=" << b;
      }
    }
  }
}

TEST_F(PlantRulesTest, TheBeltsFeedbackAlsoSetsThePowdersDensityAndMoisture) {
  Demo();
  FollowUp("MeasuringBelt", "DiOnOffSpeed", true);
  EXPECT_EQ(rig.Float("SpryDryr1", "PowderDensity"), 330.0f);
  EXPECT_EQ(rig.Float("SpryDryr1", "PowderMoisture"), 2.0f);
  FollowUp("MeasuringBelt", "DiOnOffSpeed", false);
  EXPECT_EQ(rig.Float("SpryDryr1", "PowderDensity"), 0.0f);
  EXPECT_EQ(rig.Float("SpryDryr1", "PowderMoisture"), 0.0f);
  // A pump's feedback leaves the powder alone.
  FollowUp("HighPressure1", "DiOnOffSpeed", true);
  EXPECT_EQ(rig.Float("SpryDryr1", "PowderDensity"), 0.0f);
}

TEST_F(PlantRulesTest, TheBeltsLoadOrFlowSetsItsSpeedByTheOneFormula) {
  Demo();
  for (const char* changed : {"Load", "Flow"}) {
    rig.SetFloat("MeasuringBelt", "Load", 18.0f);
    rig.SetFloat("MeasuringBelt", "Flow", 33.0f);
    rig.SetFloat("MeasuringBelt", "Speed", 1.0f);
    FollowUp("MeasuringBelt", changed, false);
    float expected = 0.0f;
    ASSERT_TRUE(BeltSpeedFromFlow(33.0f, 18.0f, &expected));
    EXPECT_EQ(rig.Float("MeasuringBelt", "Speed"), expected) << changed;
  }
  rig.SetFloat("MeasuringBelt", "Load", 0.0f);
  rig.SetFloat("MeasuringBelt", "Speed", 12.0f);
  FollowUp("MeasuringBelt", "Flow", false);
  EXPECT_EQ(rig.Float("MeasuringBelt", "Speed"), 12.0f) << "no load: the speed stays";
}

TEST_F(PlantRulesTest, OtherNamesObjectsAndSourcesWriteNothing) {
  const auto marked = [&] {
    Mark("HighPressure2", {"Stroke", "Speed", "Flow"}, 7.0f);
    Mark("SuctionFan", {"Speed"}, 7.0f);
    Mark("MeasuringBelt", {"Speed"}, 7.0f);
  };
  const auto untouched = [&](const char* what) {
    for (const char* value : {"Stroke", "Speed", "Flow"}) EXPECT_EQ(rig.Float("HighPressure2", value), 7.0f) << what;
    EXPECT_EQ(rig.Float("SuctionFan", "Speed"), 7.0f) << what;
    EXPECT_EQ(rig.Float("MeasuringBelt", "Speed"), 7.0f) << what;
  };
  // Without Demo the values are measured: nothing is simulated.
  marked();
  rig.SetFloat("MeasuringBelt", "Load", 18.0f);
  FollowUp("HighPressure2", "DiOnOffSpeed", false);
  FollowUp("SuctionFan", "DiOnOffSpeed", true);
  FollowUp("MeasuringBelt", "Flow", false);
  untouched("no data source");

  Demo();
  marked();
  FollowUp("HighPressure2", "DoOnOffSpeed", false);  // the command, not the feedback
  FollowUp("HighPressure2", "Speed", false);
  FollowUp("SuctionFan", "AutoCntrlSpeed", true);
  ApplyDemoFollowUps(rig.Plant(), rig.Plant().General(), "DiOnOffSpeed", true);  // not a device
  ApplyDemoFollowUps(rig.Plant(), nullptr, "DiOnOffSpeed", true);
  untouched("another name or object");
}

TEST_F(PlantRulesTest, ShiftTotalsReachTheActiveRowOnly) {
  CShiftRS& shifts = *rig.Plant().Tables().pShift;
  C_ProcessDataShift& shift = *rig.Plant().Shift();
  shift.SetAttribFloat(PS_TotalProduced, 1234.5f);
  shift.SetAttribInt(PS_TotalTime, 3600);
  shift.SetAttribInt(PS_UsefulTime, 3000);
  shift.SetAttribInt(PS_TotalSlurry, 4567);
  ASSERT_FALSE(shifts.HasActiveRecord());
  EXPECT_FALSE(CopyShiftTotals(rig.Plant())) << "no active shift";

  shifts.ResetNewFields();
  shifts.GetNewFields().m_strOperatorName = "Rostami";
  shifts.GetNewFields().m_bIsActive = true;
  ASSERT_TRUE(shifts.AddRecord());
  shifts.SetActiveRecord(shifts.FindActiveRecord());
  ASSERT_TRUE(CopyShiftTotals(rig.Plant()));
  CShiftFields row;
  ASSERT_TRUE(records_test::ReadActiveShiftRow(shifts, &row));
  EXPECT_EQ(row.m_strOperatorName, "Rostami");
  EXPECT_DOUBLE_EQ(row.m_fTotalProduced, 1234.5);
  EXPECT_EQ(row.m_lTotalTime, 3600);
  EXPECT_EQ(row.m_lUsefulTime, 3000);
  EXPECT_DOUBLE_EQ(row.m_fTotalSlurry, 4567.0);
  EXPECT_EQ(shifts.GetRecordCount(), 1) << "the row is rewritten, none added";

  // A row that cannot be written is no success: the records say why.
  rig.Boxes().Clear();
  shifts.GetDatabase()->Execute("ALTER TABLE " + std::string(CShiftRS::kTableName) + " RENAME TO ShiftGone");
  EXPECT_FALSE(CopyShiftTotals(rig.Plant())) << "the row was not written";
  EXPECT_EQ(rig.Boxes().Count(), 1u);

  rig.Plant().Tables().pShift.reset();
  EXPECT_FALSE(CopyShiftTotals(rig.Plant())) << "no table";
}

TEST_F(PlantRulesTest, TheRecipesWritePendingIsTheDownloadingFlag) {
  CPlant& plant = rig.Plant();
  C_ProcessDataRecipeGen* recipe = plant.Recipe();
  recipe->SetWritePending(true);
  EXPECT_EQ(ApplyRecipePendingChange(plant, recipe, AC_WRITE_PENDING), RecipePendingShow::Downloading);
  EXPECT_TRUE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading));
  // Another pack's notice, or one whose pack has gone, changes nothing.
  int gone = 0;
  EXPECT_EQ(ApplyRecipePendingChange(plant, plant.Shift(), AC_WRITE_PENDING), RecipePendingShow::Nothing);
  EXPECT_EQ(ApplyRecipePendingChange(plant, reinterpret_cast<CVAttribsPack*>(&gone), AC_WRITE_PENDING),
            RecipePendingShow::Nothing);
  EXPECT_EQ(ApplyRecipePendingChange(plant, nullptr, AC_WRITE_PENDING), RecipePendingShow::Nothing);
  EXPECT_TRUE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading));
  recipe->SetWritePending(false);
  EXPECT_EQ(ApplyRecipePendingChange(plant, recipe, AC_WRITE_PENDING), RecipePendingShow::Downloaded);
  EXPECT_FALSE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading));
  EXPECT_EQ(ApplyRecipePendingChange(plant, recipe, AC_VALUE), RecipePendingShow::Nothing) << "another code";
}

TEST_F(PlantRulesTest, AFinishedReadOfADifferentRecipeAsksForTheRecipeWindow) {
  CPlant& plant = rig.Plant();
  C_ProcessDataRecipeGen* recipe = plant.Recipe();
  recipe->SetAttribInt(PR_ActiveRecipeNumber, 99);  // the PLC holds another recipe than the PC's
  ASSERT_FALSE(CompareRecipePcWithPlc(nullptr));
  recipe->SetReadPending(true);
  EXPECT_EQ(ApplyRecipePendingChange(plant, recipe, AC_READ_PENDING), RecipePendingShow::Nothing) << "still reading";
  recipe->SetReadPending(false);
  EXPECT_EQ(ApplyRecipePendingChange(plant, recipe, AC_READ_PENDING), RecipePendingShow::RecipeWindow);
  EXPECT_FALSE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading)) << "a read is no download";
  plant.Tables().pRecipe.reset();  // nothing to compare with: they do not differ
  EXPECT_EQ(ApplyRecipePendingChange(plant, recipe, AC_READ_PENDING), RecipePendingShow::Nothing);
}

TEST_F(PlantRulesTest, OnlyTheRecipeTablesActiveRecordNoticeIsANewRecipe) {
  CPlantTables& tables = rig.Plant().Tables();
  CRecipeRS* recipes = tables.pRecipe.get();
  EXPECT_EQ(ActiveRecipeNoticeTable(rig.Plant(), recipes, TABLE_NOTICE_ACTIVE_RECORD_SET), recipes);
  for (int code = 0; code < 10; ++code) {
    if (code == TABLE_NOTICE_ACTIVE_RECORD_SET) continue;
    EXPECT_EQ(ActiveRecipeNoticeTable(rig.Plant(), recipes, code), nullptr) << code;
  }
  EXPECT_EQ(ActiveRecipeNoticeTable(rig.Plant(), tables.pShift.get(), TABLE_NOTICE_ACTIVE_RECORD_SET), nullptr);
  EXPECT_EQ(ActiveRecipeNoticeTable(rig.Plant(), nullptr, TABLE_NOTICE_ACTIVE_RECORD_SET), nullptr);
  tables.pRecipe.reset();
  EXPECT_EQ(ActiveRecipeNoticeTable(rig.Plant(), nullptr, TABLE_NOTICE_ACTIVE_RECORD_SET), nullptr) << "no table";
}

TEST_F(PlantRulesTest, ANewRecipeRestartsTheDemoPlantOnlyInDemo) {
  rig.SetFloat("HighPressure1", "Stroke", 1.0f);
  EXPECT_FALSE(RestartDemoForNewRecipe()) << "no data source";
  EXPECT_EQ(rig.Float("HighPressure1", "Stroke"), 1.0f);
  Demo();
  rig.SetFloat("HighPressure1", "Stroke", 1.0f);
  SetPrcGeneralBool(PG_VI_bPowerExist, false);
  EXPECT_TRUE(RestartDemoForNewRecipe());
  EXPECT_EQ(rig.Float("HighPressure1", "Stroke"), rig.Float("HighPressure1", "MaxVluStroke")) << "started again";
  EXPECT_TRUE(GetPrcGeneralBool(PG_VI_bPowerExist));
}

}  // namespace
