#include <gtest/gtest.h>

#include "attrib/AttribTypes.h"
#include "plant/PlantTestSupport.h"
#include "plant/VekEngineApp.h"
#include "platform/Thread.h"

using plant_test::PlantRig;

namespace {

class ProcessRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.CreateWindowsWithoutThreads();
  }

  // The last Event row, read back from the database file.
  CEventFields LastEventRow() {
    CEventRS reader;
    reader.SetDatabase(rig.Engine().GetEngineTables().GetDatabase());
    EXPECT_TRUE(reader.SetTableName(CEventRS::kTableName));
    CEventFields row;
    EXPECT_TRUE(reader.MoveLast());
    EXPECT_TRUE(reader.ReadCurrentRecord(row));
    return row;
  }
  std::int64_t EventCount() {
    CEventRS reader;
    reader.SetDatabase(rig.Engine().GetEngineTables().GetDatabase());
    reader.SetTableName(CEventRS::kTableName);
    return reader.GetRecordCount();
  }

  PlantRig rig;
};

TEST_F(ProcessRecordsTest, AnEventRowHoldsTheStackAveragesAndTheCurrentStates) {
  CPlant& plant = rig.Plant();
  // Two samples of each source.
  rig.SetFloat("SpryDryr1", "SlurryMoisture", 20.0f);
  rig.SetFloat("HighPressure3", "Speed", 10.0f);
  rig.SetFloat("SpryDryr1", "TowerSafetyTemperat4_Phy", 100.0f);
  plant.Loop(LOOP_DENSITY)->SetAttribFloat(PL_LoopCalcStp, 300.0f);
  plant.Loop(LOOP_VACUUM)->SetAttribFloat(PL_LoopCalcStp, 7.0f);
  rig.Engine().AddProcessInfoToStacks();
  rig.SetFloat("SpryDryr1", "SlurryMoisture", 40.0f);
  rig.SetFloat("HighPressure3", "Speed", 20.0f);
  rig.SetFloat("SpryDryr1", "TowerSafetyTemperat4_Phy", 101.0f);
  plant.Loop(LOOP_DENSITY)->SetAttribFloat(PL_LoopCalcStp, 310.0f);
  rig.Engine().AddProcessInfoToStacks();
  for (int k = 0; k < 35; ++k) EXPECT_EQ(rig.Engine().GetProcessInfoStack(k)->GetCount(), 2) << k;

  // Current states.
  rig.SetBool("HighPressure2", "DiOnOffSpeed", true);
  rig.SetBool("HighPressure1", "LocalCntrlSpeed", true);
  rig.SetBool("RotaryFilter3", "DiOnOffSpeed", true);
  rig.SetBool("FeedingPump4", "DiOnOffSpeed", true);
  rig.SetBool("CombustionFan", "LocalCntrlSpeed", true);
  rig.SetBool("Silo2", "HlaFlgLevel", true);
  rig.SetBool("HotAirHeatZone", "HlaFlgTemperature", true);
  rig.SetBool("ReturnValve", "DiOnOffPosition", false);
  plant.Loop(LOOP_MOISTURE)->SetAttribBool(PL_InAutomat, true);
  plant.Recipe()->SetAttribFloat(PR_LI16_SPT_SafeProcessTemperature, 140.0f);
  plant.Recipe()->SetAttribFloat(PR_LI17_AIT_AutoIgnitionTemperature, 260.0f);
  SetPrcGeneralFloat(PG_TotalSlurryPressure, 12345.0f);

  rig.Engine().RecordProcessInformation();
  ASSERT_EQ(EventCount(), 1);
  const CEventFields row = LastEventRow();
  EXPECT_EQ(row.m_strDataSourceType, "None");
  EXPECT_EQ(row.m_strOperatorName, rig.Engine().GetOperatorName());
  EXPECT_EQ(row.m_nActiveRecipeID, -1) << "no active recipe";
  EXPECT_DOUBLE_EQ(row.m_dtRecordDateTime, rig.Engine().GetRecordNow());
  EXPECT_FALSE(row.m_strRecordDateTimeShamsi.empty());
  EXPECT_FLOAT_EQ(row.m_fSlurryMoisturePrcntg, 30.0f);
  EXPECT_FLOAT_EQ(row.m_fHPPump3Speed, 15.0f);
  EXPECT_FLOAT_EQ(row.m_fHPPump1Speed, 0.0f);
  EXPECT_FLOAT_EQ(row.m_fTowerSafetyTemperat4, 100.5f);
  EXPECT_FLOAT_EQ(row.m_fDensitySetpoint, 305.0f);
  EXPECT_FLOAT_EQ(row.m_fVacuumSetpoint, 7.0f);
  EXPECT_FLOAT_EQ(row.m_fOutletTemperatureSetpoint, -1.0f) << "a constant stack";
  EXPECT_FLOAT_EQ(row.m_fSPT, 140.0f);
  EXPECT_FLOAT_EQ(row.m_fAIT, 260.0f);
  EXPECT_FLOAT_EQ(row.m_fTotalSpraySlurryFlowRate, 12345.0f);
  EXPECT_TRUE(row.m_bHPPump2IsOn);
  EXPECT_FALSE(row.m_bHPPump1IsOn);
  EXPECT_TRUE(row.m_bHPPump1IsInPlcCtrl);
  EXPECT_TRUE(row.m_bFilter3IsOn);
  EXPECT_FALSE(row.m_bFilter1IsOn);
  EXPECT_TRUE(row.m_bHemojenPump4IsOn);
  EXPECT_TRUE(row.m_bCombustionFanIsInPlcCtrl);
  EXPECT_TRUE(row.m_bHighLevelSilo2IsOn);
  EXPECT_FALSE(row.m_bHighLevelSilo1IsOn);
  EXPECT_TRUE(row.m_bHotAirTemperatureIsHigh);
  EXPECT_TRUE(row.m_bMoistureIsInAutomat);
  EXPECT_FALSE(row.m_bDensityIsInAutomat);
  EXPECT_TRUE(row.m_bReturnValveIsClose) << "closed while its feedback is off";
}

TEST_F(ProcessRecordsTest, ARowWrittenBeforeAnySampleHoldsZeroInTheStackColumns) {
  rig.SetFloat("SpryDryr1", "SlurryMoisture", 20.0f);
  rig.Engine().RecordProcessInformation();
  const CEventFields row = LastEventRow();
  EXPECT_FLOAT_EQ(row.m_fSlurryMoisturePrcntg, 0.0f);
  EXPECT_FLOAT_EQ(row.m_fOutletTemperatureSetpoint, 0.0f);
  EXPECT_FLOAT_EQ(row.m_fTowerSafetyTemperat1, 0.0f);
  // Columns of current values are filled all the same.
  EXPECT_FLOAT_EQ(row.m_fSPT, 0.0f);
  EXPECT_TRUE(row.m_bReturnValveIsClose) << "the valve's feedback starts off";
}

TEST_F(ProcessRecordsTest, TheRowNamesTheActiveRecipeAndTheShiftsOperator) {
  CPlantTables& tables = rig.Plant().Tables();
  CShiftRS& shift = *tables.pShift;
  shift.ResetNewFields();
  shift.GetNewFields().m_strOperatorName = "Rostami";
  shift.GetNewFields().m_bIsActive = true;
  ASSERT_TRUE(shift.AddRecord());
  CRecipeRS& recipe = *tables.pRecipe;
  recipe.ResetNewFields();
  recipe.GetNewFields().m_strRecipeName = "Summer";
  recipe.GetNewFields().m_bIsActive = true;
  ASSERT_TRUE(recipe.AddRecord());
  // The view finds and sets the active records when it attaches the process data.
  recipe.SetActiveRecord(recipe.FindActiveRecord());
  shift.SetActiveRecord(shift.FindActiveRecord());
  rig.Engine().RecordProcessInformation();
  const CEventFields row = LastEventRow();
  EXPECT_EQ(row.m_strOperatorName, "Rostami");
  EXPECT_EQ(row.m_strActiveRecipeName, "Summer");
  EXPECT_EQ(row.m_nActiveRecipeID, recipe.GetActiveFields().m_nRecordID);
  EXPECT_GT(row.m_nActiveRecipeID, 0);
}

// The whole program's road: the plant and its engine made as the
// application makes them, the windows on a view, Demo switched on by the
// view; the worker threads move values and an Event row is written.
TEST(PlantEndToEnd, DemoMovesValuesAndAnEventRowIsWritten) {
  PlantRig rig;
  ASSERT_TRUE(rig.Start());
  ASSERT_TRUE(rig.CreateWindows());
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  const float fan = rig.Float("FeedingPump2", "Speed");
  ASSERT_TRUE(WaitProcessingEvents(
      [&] {
        return rig.Float("PowderDiverseValve", "Position") >= 6.0f && rig.Float("FeedingPump2", "Speed") != fan;
      },
      20000));
  EXPECT_TRUE(rig.Bool("MeasuringBelt", "DiOnOffSpeed"));
  rig.Engine().AddProcessInfoToStacks();
  rig.Engine().RecordProcessInformation();
  rig.Engine().ShutDown();

  CEventRS reader;
  reader.SetDatabase(rig.Engine().GetEngineTables().GetDatabase());
  ASSERT_TRUE(reader.SetTableName(CEventRS::kTableName));
  ASSERT_EQ(reader.GetRecordCount(), 1);
  CEventFields row;
  ASSERT_TRUE(reader.MoveLast());
  ASSERT_TRUE(reader.ReadCurrentRecord(row));
  EXPECT_EQ(row.m_strDataSourceType, "Demo");
  EXPECT_TRUE(row.m_bDensityBeltIsOn);
  EXPECT_GT(row.m_fHPPump1Speed, 0.0f);
}

}  // namespace
