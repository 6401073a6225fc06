#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "attrib/AttribTypes.h"
#include "plant/PlantTestSupport.h"
#include "plant/RecipeCheck.h"
#include "plant/VekEngineApp.h"

using plant_test::Nozzle;
using plant_test::PlantRig;
using plant_test::StandInDevice;

namespace {

class PlantEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.CreateWindowsWithoutThreads();
  }

  StandInDevice& Tower() { return *dynamic_cast<StandInDevice*>(rig.Device("SpryDryr1")); }
  double Demand(int k) { return rig.Plant().Demo().Demand(k); }
  float Scaled(float max, double d) { return static_cast<float>(static_cast<double>(max) * d); }

  PlantRig rig;
};

TEST_F(PlantEngineTest, FallBacksWithoutRecordSets) {
  CVekEngineApp* engine = rig.Plant().CreateEngine();  // not started: no tables of its own
  rig.Plant().Tables().pShift.reset();
  rig.Plant().Tables().pRecipe.reset();
  EXPECT_EQ(engine->GetOperatorName(), "?");
  EXPECT_EQ(engine->GetActiveRecipeId(), -1);
  EXPECT_EQ(engine->GetActiveRecipeName(), "?");
  delete engine;
  // The started engine deleted with its tables: the plant's table is empty.
  rig.Engine().DeleteTables();
  EXPECT_EQ(rig.Plant().Tables().pRecipe, nullptr);
  EXPECT_EQ(rig.Engine().GetOperatorName(), "?");
  EXPECT_EQ(rig.Engine().GetActiveRecipeId(), -1);
  rig.Engine().RecordProcessInformation();  // nothing, no crash
  std::string report = "old";
  EXPECT_TRUE(CompareRecipePcWithPlc(&report)) << "nothing to compare";
  EXPECT_EQ(report, "");
}

TEST_F(PlantEngineTest, TablesOpenedTwiceKeepTheirSetsAndNotifyTheMainWindow) {
  CPlantTables& tables = rig.Plant().Tables();
  ASSERT_NE(tables.pShift, nullptr);
  CShiftRS* shift = tables.pShift.get();
  CRecipeRS* recipe = tables.pRecipe.get();
  CEventRS* event = tables.pEvent.get();
  auto* history = tables.pRecipeHistory.get();
  EXPECT_TRUE(shift->IsOpen() && recipe->IsOpen() && event->IsOpen() && history->IsOpen());
  EXPECT_EQ(event->GetNotifyWnd(), nullptr) << "no main window yet";
  EXPECT_EQ(history->GetTableName(), "RecipeHistory");

  ASSERT_TRUE(rig.Engine().SetMainWnd(&rig.Mimic()));
  ASSERT_TRUE(rig.Engine().OpenTables());
  EXPECT_EQ(tables.pShift.get(), shift);
  EXPECT_EQ(tables.pRecipe.get(), recipe);
  EXPECT_EQ(tables.pEvent.get(), event);
  EXPECT_EQ(tables.pRecipeHistory.get(), history);
  for (CBaseTableRS* set : {static_cast<CBaseTableRS*>(shift), static_cast<CBaseTableRS*>(recipe),
                            static_cast<CBaseTableRS*>(event), static_cast<CBaseTableRS*>(history)}) {
    EXPECT_TRUE(set->IsOpen()) << set->GetTableName();
    EXPECT_EQ(set->GetNotifyWnd(), rig.Mimic().GetSafeHwnd()) << set->GetTableName();
    EXPECT_EQ(set->GetDatabase(), rig.Engine().GetEngineTables().GetDatabase());
  }
  // The active records are found and announced to the view.
  rig.Mimic().Clear();
  ASSERT_TRUE(rig.Plant().AttachProcessData(&rig.Mimic()));
  rig.Deliver();
  EXPECT_EQ(rig.Mimic().Count(WM_TABLE_NOTICE), 2) << "Recipe and Shift";
  rig.Engine().ShutDown();
}

TEST_F(PlantEngineTest, StartValuesInTheirOrder) {
  rig.Mimic().Clear();
  ASSERT_TRUE(rig.Engine().InitProcessValues());
  rig.Deliver();
  // The value changes reach the view in the order of the start table.
  std::vector<std::string> changed;
  for (const auto& m : rig.Mimic().received) {
    if (m.message != WM_ATTRIB_CHANGED || m.lParam != AC_VALUE) continue;
    auto* attrib = reinterpret_cast<CVAttrib*>(m.wParam);
    changed.push_back(attrib->GetOwner()->GetDeviceName() + "." + attrib->GetName());
  }
  const std::vector<std::string> expected = {
      "SpryDryr1.InletTemperature",  "SpryDryr1.OutletTemperature",        "SpryDryr1.SlurryPressure",
      "SpryDryr1.OutletVacuum",      "SpryDryr1.SlurryMoisture",           "SpryDryr1.SlurryTemperature",
      "SpryDryr1.SlurryFlowrate",    "SpryDryr1.PowderDensity",            "SpryDryr1.PowderMoisture",
      "SpryDryr1.TowerSafetyTemperat1_Phy", "SpryDryr1.TowerSafetyTemperat2_Phy",
      "SpryDryr1.TowerSafetyTemperat3_Phy", "SpryDryr1.TowerSafetyTemperat4_Phy",
      "HighPressure1.Flow",          "HighPressure2.Flow",                 "MeasuringBelt.Load",
      "MeasuringBelt.Flow",          "SuctionFan.Speed",                   "DilutionFan.Speed",
      "CombustionFan.Speed",         "AirLiftFan.Speed"};
  EXPECT_EQ(changed, expected);
  EXPECT_FLOAT_EQ(rig.Float("SpryDryr1", "OutletVacuum"), 7.8f);
  EXPECT_FLOAT_EQ(rig.Float("SpryDryr1", "TowerSafetyTemperat4_Phy"), 184.0f);
  EXPECT_FLOAT_EQ(rig.Float("HighPressure2", "Flow"), 9001.0f);
  EXPECT_FLOAT_EQ(rig.Float("HighPressure3", "Flow"), 0.0f) << "no start flow";
  EXPECT_FLOAT_EQ(rig.Float("AirLiftFan", "Speed"), 80.0f);
}

TEST_F(PlantEngineTest, DemoStartPutsThePlantInAutomaticControl) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  EXPECT_FLOAT_EQ(rig.Float("Silo1", "Level"), static_cast<float>(100.0 * static_cast<double>(0.2f)));
  EXPECT_FALSE(rig.Bool("HighPressure1", "LocalCntrlSpeed"));
  EXPECT_TRUE(rig.Bool("HighPressure1", "AutoCntrlStroke"));
  EXPECT_FLOAT_EQ(rig.Float("HighPressure1", "Stroke"), 100.0f);
  EXPECT_FLOAT_EQ(rig.Float("HighPressure1", "Flow"), 10000.0f) << "half of 20000, over the start value";
  EXPECT_FLOAT_EQ(rig.Float("SuctionFan", "Speed"), 50.0f) << "half its maximum, over the start value";
  EXPECT_TRUE(rig.Bool("RotaryFilter3", "AutoCntrlSpeed"));
  EXPECT_TRUE(rig.Bool("MeasuringBelt", "DoOnOffSpeed"));
  EXPECT_TRUE(rig.Bool("HotAirHeatZone", "DiOnOffFuel"));
  EXPECT_FLOAT_EQ(rig.Float("HotAirHeatZone", "Temperature"), 350.0f);
  EXPECT_TRUE(rig.Bool("ReturnValve", "DoOnOffPosition"));
  EXPECT_TRUE(rig.Bool("PowderDiverseValve", "AutoCntrlPosition"));
  EXPECT_TRUE(rig.Bool("SpryDryr1", "AutoCntrlInletTemperature"));
  EXPECT_TRUE(GetPrcGeneralBool(PG_VI_bPowerExist));
  EXPECT_TRUE(GetPrcGeneralBool(PG_HotAir2Tower));
  EXPECT_FALSE(GetPrcGeneralBool(PG_VI_bIsOpenReturnVlv));
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(rig.Plant().Loop(i)->GetAttribBool(PL_InPlcCtrl)) << i;
  EXPECT_FALSE(rig.Plant().Loop(LOOP_MOISTURE)->GetAttribBool(PL_InPlcCtrl));
}

TEST_F(PlantEngineTest, AutoControlledDrivesFollowTheirWalk) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  rig.SetBool("MeasurBeltHopper", "AutoCntrlLevel", true);
  for (int cycle = 0; cycle < 30; ++cycle) {
    rig.Cycle();
    CPlant& plant = rig.Plant();
    const auto& pumps = plant.Devices(CT_CNTR_FGL_PUMP);
    for (size_t j = 0; j < pumps.size(); ++j)
      EXPECT_EQ(rig.Float(pumps[j]->GetDeviceName(), "Speed"), Scaled(100.0f, Demand(static_cast<int>(j))));
    const auto& wheels = plant.Devices(CT_RTRY_WHL);
    for (size_t j = 0; j < wheels.size(); ++j)
      EXPECT_EQ(rig.Float(wheels[j]->GetDeviceName(), "Speed"), Scaled(100.0f, Demand(static_cast<int>(j))));
    for (const char* pump : {"HighPressure1", "HighPressure2", "HighPressure3"})
      EXPECT_EQ(rig.Float(pump, "Speed"), Scaled(100.0f, Demand(0))) << "all on counter 0";
    const float beltSpeed = rig.Float("MeasuringBelt", "Speed");
    EXPECT_EQ(beltSpeed, Scaled(100.0f, Demand(0)));
    EXPECT_EQ(rig.Float("MeasuringBelt", "Flow"),
              static_cast<float>(static_cast<double>(rig.Float("MeasuringBelt", "Load")) * 0.037 * beltSpeed));
    EXPECT_EQ(rig.Float("MeasurBeltHopper", "Level"), Scaled(100.0f, Demand(1)));
  }
  // A drive taken out of automatic control keeps its speed.
  rig.SetBool("FeedingPump2", "AutoCntrlSpeed", false);
  const float held = rig.Float("FeedingPump2", "Speed");
  rig.Cycle();
  rig.Cycle();
  EXPECT_EQ(rig.Float("FeedingPump2", "Speed"), held);
  // Three pumps running at their half flow make the total slurry.
  EXPECT_FLOAT_EQ(GetPrcGeneralFloat(PG_TotalSlurryPressure), 30000.0f);
  rig.SetBool("HighPressure2", "DoOnOffSpeed", false);
  rig.Cycle();  // the feedback follows in this cycle, the total in the next
  rig.Cycle();
  EXPECT_FLOAT_EQ(GetPrcGeneralFloat(PG_TotalSlurryPressure), 20000.0f);
}

TEST_F(PlantEngineTest, ADemoCycleMovesFansBeltHopperAndWheelsInThatOrder) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  rig.SetBool("MeasurBeltHopper", "AutoCntrlLevel", true);
  rig.Cycle();  // the walk counters leave 0, so every following cycle changes values
  rig.Deliver();
  rig.Mimic().Clear();
  rig.Cycle();
  rig.Deliver();
  // The place of each notice among the value changes the view received.
  std::vector<std::string> changed;
  for (const auto& m : rig.Mimic().received) {
    if (m.message != WM_ATTRIB_CHANGED || m.lParam != AC_VALUE) continue;
    auto* attrib = reinterpret_cast<CVAttrib*>(m.wParam);
    changed.push_back(attrib->GetOwner()->GetDeviceName() + "." + attrib->GetName());
  }
  const auto place = [&](const std::string& name) {
    const auto it = std::find(changed.begin(), changed.end(), name);
    EXPECT_NE(it, changed.end()) << name << " did not change";
    return it - changed.begin();
  };
  const auto hopper = place("MeasurBeltHopper.Level");
  EXPECT_LT(place("DilutionFan.Speed"), place("MeasuringBelt.Speed"));
  EXPECT_LT(place("MeasuringBelt.Speed"), place("MeasuringBelt.Flow"));
  EXPECT_LT(place("MeasuringBelt.Flow"), hopper) << "the belt hopper follows the belt";
  for (const char* wheel : {"TransferBeltLeft.Speed", "TransferBeltRight.Speed", "RotaryFilter1.Speed",
                            "RotaryFilter4.Speed"})
    EXPECT_LT(hopper, place(wheel)) << "the wheels come after the belt hopper: " << wheel;
}

TEST_F(PlantEngineTest, DivertersClimbInTwoPercentStepsAndFallBackToZero) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  float last = rig.Float("HotAirDiverseValve", "Position");
  EXPECT_EQ(last, 0.0f);
  int falls = 0;
  for (int i = 0; i < 120; ++i) {
    rig.Cycle();
    const float now = rig.Float("HotAirDiverseValve", "Position");
    if (now < last) {
      ++falls;
      EXPECT_EQ(now, 0.0f);
      EXPECT_GE(last, 100.0f - 0.001f) << "falls only at the maximum";
    } else {
      EXPECT_NEAR(now - last, 2.0f, 0.001f);
    }
    last = now;
  }
  EXPECT_EQ(falls, 2) << "51 cycles per tooth";
}

TEST_F(PlantEngineTest, FeedbackFollowsItsCommandPerClassOnlyInDemo) {
  struct Copy {
    const char* device;
    const char* feedback;
    const char* command;
  };
  const Copy copies[] = {
      {"MeasuringBelt", "DiOnOffSpeed", "DoOnOffSpeed"}, {"HighPressure3", "DiOnOffSpeed", "DoOnOffSpeed"},
      {"AirLiftFan", "DiOnOffSpeed", "DoOnOffSpeed"},    {"Silo2", "DiOnOffSpeed", "DoOnOffSpeed"},
      {"RotaryFilter4", "DiOnOffSpeed", "DoOnOffSpeed"}, {"HotAirHeatZone", "DiOnOffPressure", "DoOnOffPressure"},
      {"ReturnValve", "DiOnOffPosition", "DoOnOffPosition"},
      {"PowderDiverseValve", "DiOnOffPosition", "DoOnOffPosition"},
  };
  for (const Copy& c : copies) rig.SetBool(c.device, c.command, true);
  rig.SetBool("PowderDiverseValve", "LlaFlgPosition", true);
  rig.Plant().Loop(LOOP_DENSITY)->SetAttribBool(PL_InAutomat, true);
  rig.Engine().SimulateDemoFeedback();
  for (const Copy& c : copies) EXPECT_FALSE(rig.Bool(c.device, c.feedback)) << "source None: " << c.device;
  EXPECT_TRUE(rig.Plant().Loop(LOOP_DENSITY)->GetAttribBool(PL_InAutomat));

  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  for (const Copy& c : copies) rig.SetBool(c.device, c.command, true);
  rig.SetBool("PowderDiverseValve", "LlaFlgPosition", true);
  rig.Plant().Loop(LOOP_DENSITY)->SetAttribBool(PL_InPlcCtrl, false);
  rig.Plant().Loop(LOOP_DENSITY)->SetAttribBool(PL_InAutomat, true);
  rig.Plant().Loop(LOOP_VACUUM)->SetAttribBool(PL_InAutomat, true);
  rig.Engine().SimulateDemoFeedback();
  for (const Copy& c : copies) EXPECT_TRUE(rig.Bool(c.device, c.feedback)) << c.device;
  EXPECT_FALSE(rig.Bool("PowderDiverseValve", "LlaFlgPosition")) << "the diverter's low flag is cleared";
  EXPECT_FALSE(rig.Plant().Loop(LOOP_DENSITY)->GetAttribBool(PL_InAutomat)) << "not in PLC control";
  EXPECT_TRUE(rig.Plant().Loop(LOOP_VACUUM)->GetAttribBool(PL_InAutomat));
  for (const Copy& c : copies) rig.SetBool(c.device, c.command, false);
  rig.Engine().SimulateDemoFeedback();
  for (const Copy& c : copies) EXPECT_FALSE(rig.Bool(c.device, c.feedback)) << c.device;
}

TEST_F(PlantEngineTest, RealHwPositionsTheDivertersFromTheirEndFlags) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceRealHw));
  for (const char* valve : {"HotAirDiverseValve", "PowderDiverseValve"}) {
    rig.SetFloat(valve, "MinVluPosition", 10.0f);
    rig.SetFloat(valve, "MaxVluPosition", 90.0f);
  }
  // The handler alone: the powder diverter's low flag means its minimum,
  // the hot-air diverter's its maximum; no flag: half the maximum.
  rig.SetBool("PowderDiverseValve", "LlaFlgPosition", true);
  rig.SetBool("HotAirDiverseValve", "LlaFlgPosition", true);
  rig.Engine().ObtainRealHwData();
  EXPECT_FLOAT_EQ(rig.Float("PowderDiverseValve", "Position"), 10.0f);
  EXPECT_FLOAT_EQ(rig.Float("HotAirDiverseValve", "Position"), 90.0f);
  rig.SetBool("PowderDiverseValve", "LlaFlgPosition", false);
  rig.SetBool("HotAirDiverseValve", "LlaFlgPosition", false);
  rig.SetBool("HotAirDiverseValve", "HlaFlgPosition", true);
  rig.Engine().ObtainRealHwData();
  EXPECT_FLOAT_EQ(rig.Float("PowderDiverseValve", "Position"), 45.0f);
  EXPECT_FLOAT_EQ(rig.Float("HotAirDiverseValve", "Position"), 10.0f);

  // A whole cycle: the cycle end overwrites with the minimum (low flag),
  // the maximum (high flag) or 0 (neither), whatever the handler set.
  rig.SetFloat("PowderDiverseValve", "MinVluPosition", 0.0f);
  rig.SetFloat("HotAirDiverseValve", "MinVluPosition", 5.0f);
  rig.Cycle();
  EXPECT_FLOAT_EQ(rig.Float("PowderDiverseValve", "Position"), 0.0f) << "neither flag: 0, not half way";
  EXPECT_FLOAT_EQ(rig.Float("HotAirDiverseValve", "Position"), 90.0f) << "high flag: its maximum";
  rig.SetBool("HotAirDiverseValve", "HlaFlgPosition", false);
  rig.SetBool("HotAirDiverseValve", "LlaFlgPosition", true);
  rig.Cycle();
  EXPECT_FLOAT_EQ(rig.Float("HotAirDiverseValve", "Position"), 5.0f) << "the cycle end's minimum stands";

  // Outside Real HW the cycle end does nothing.
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceNone));
  rig.SetFloat("HotAirDiverseValve", "Position", 50.0f);
  rig.Engine().DataObtainerCycleEnd();
  EXPECT_FLOAT_EQ(rig.Float("HotAirDiverseValve", "Position"), 50.0f);
}

TEST_F(PlantEngineTest, NozzlesRotateOnceASecondWithTheClock) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  std::vector<Nozzle>& nozzles = Tower().nozzles;
  ASSERT_EQ(nozzles.size(), 20u);
  for (Nozzle& n : nozzles) n.max = 100.0f;
  const auto openCount = [&] {
    int open = 0;
    for (const Nozzle& n : nozzles) open += n.open;
    return open;
  };
  rig.Cycle();
  EXPECT_EQ(openCount(), 0) << "the first second has not passed";
  rig.Clock().Advance(1000);
  rig.Cycle();
  EXPECT_EQ(openCount(), 0) << "exactly 1000 ms is not more than a second";
  rig.Clock().Advance(1);
  rig.Cycle();
  EXPECT_EQ(openCount(), 1);
  EXPECT_EQ(nozzles[0].open, 1);
  for (int second = 2; second <= 20; ++second) {
    rig.Clock().Advance(1001);
    rig.Cycle();
  }
  // After a full pass every nozzle is open but the five ahead of the last opened.
  EXPECT_EQ(openCount(), 15);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(nozzles[static_cast<size_t>(i)].open, 0) << i + 1;
  rig.Clock().Advance(1001);
  rig.Cycle();
  EXPECT_EQ(nozzles[0].open, 1);
  EXPECT_EQ(nozzles[5].open, 0) << "the gap moved on by one";
  EXPECT_EQ(openCount(), 15);
  EXPECT_EQ(rig.Plant().Demo().m_nDemoNozzleOn, 1);
  EXPECT_EQ(rig.Plant().Demo().m_nDemoNozzleOff, 6);
}

TEST_F(PlantEngineTest, AnOpenNozzleSpraysItsDemandAndIsFaultyBelowThirtyPercent) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  std::vector<Nozzle>& nozzles = Tower().nozzles;
  for (Nozzle& n : nozzles) {
    n.max = 100.0f;
    n.open = 1;
    n.fault = 1;
  }
  nozzles[19].open = 0;
  // Place counters 0 and 1 so that after the next step they stand at 30 %
  // and just below it.
  CDemoSimulation& demo = rig.Plant().Demo();
  CDemoRandom next = demo.m_random;
  const int r0 = next.Next() % 150, r1 = next.Next() % 150;
  demo.m_nDemoWalk[0] = 8400 - r0;
  demo.m_nDemoWalk[1] = 8399 - r1;
  rig.Cycle();
  EXPECT_EQ(demo.m_nDemoWalk[0], 8400);
  EXPECT_FLOAT_EQ(nozzles[0].rate, 30.0f);
  EXPECT_EQ(nozzles[0].fault, 0) << "30 % is not below 30 %";
  EXPECT_LT(nozzles[1].rate, 30.0f);
  EXPECT_EQ(nozzles[1].fault, 1);
  EXPECT_EQ(nozzles[19].fault, 0) << "a closed nozzle is not faulty";
  // A nozzle whose maximum is 0 sprays nothing and is not called faulty.
  nozzles[2].max = 0.0f;
  rig.Cycle();
  EXPECT_EQ(nozzles[2].rate, 0.0f);
  EXPECT_EQ(nozzles[2].fault, 0);
}

TEST_F(PlantEngineTest, AccessorsReachTheCurrentPlantsObjects) {
  SetPrcGeneralFloat(PG_TotalSlurryPressure, 12.0f);
  EXPECT_FLOAT_EQ(GetPrcGeneralFloat(PG_TotalSlurryPressure), 12.0f);
  SetPrcGeneralBool(PG_VI_bIsSpraying, true);
  EXPECT_TRUE(GetPrcGeneralBool(PG_VI_bIsSpraying));
  SetPrcAlarmBool(14, PA_VI_bAlarmAck, true);
  EXPECT_TRUE(GetPrcAlarmBool(14, PA_VI_bAlarmAck));
  EXPECT_FALSE(GetPrcAlarmBool(13, PA_VI_bAlarmAck));
  rig.Plant().Recipe()->SetAttribFloat(PR_LI16_SPT_SafeProcessTemperature, 150.0f);
  EXPECT_FLOAT_EQ(GetPrcRecipeGenFloat(PR_LI16_SPT_SafeProcessTemperature), 150.0f);
  rig.Plant().DestroyProcessData();
  SetPrcGeneralBool(PG_VI_bIsSpraying, true);  // nothing to set, no crash
  EXPECT_FALSE(GetPrcGeneralBool(PG_VI_bIsSpraying));
  EXPECT_FALSE(GetPrcAlarmBool(14, PA_VI_bAlarmAck));
}

TEST_F(PlantEngineTest, RealHwBecomingReadyEmptiesTheStacks) {
  rig.Engine().AddProcessInfoToStacks();
  EXPECT_EQ(rig.Engine().GetProcessInfoStack(0)->GetCount(), 1);
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  EXPECT_EQ(rig.Engine().GetProcessInfoStack(0)->GetCount(), 1) << "Demo keeps them";
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceRealHw));
  EXPECT_TRUE(rig.Engine().IsDataSourceIdle());
  EXPECT_EQ(rig.Engine().GetProcessInfoStack(0)->GetCount(), 0);
  EXPECT_EQ(rig.Engine().GetProcessInfoStack(34)->GetSize(), 60);
}

TEST(PlantEngineWindows, ADeviceWithoutAWindowKeepsItsValuesButGetsItsFeedback) {
  PlantRig rig;
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads("SuctionFan");
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  const float before = rig.Float("SuctionFan", "Speed");
  for (int i = 0; i < 5; ++i) rig.Cycle();
  EXPECT_EQ(rig.Float("SuctionFan", "Speed"), before);
  EXPECT_NE(rig.Float("FeedingPump1", "Speed"), 50.0f) << "its neighbour walks";
  EXPECT_TRUE(rig.Bool("SuctionFan", "DiOnOffSpeed")) << "the feedback copy reaches it";
}

TEST(PlantEngineStacks, AreSizedFromTheSettingsAfterStartUp) {
  PlantRig rig(plant_test::StandInDeviceClasses(), "nProcessInfoSamplingStackSize=20\r\n");
  EXPECT_EQ(std::unique_ptr<CVekEngineApp>(rig.Plant().CreateEngine())->GetProcessInfoStackSize(), 60)
      << "the default before start-up";
  ASSERT_TRUE(rig.Start());
  for (int k = 0; k < 35; ++k) EXPECT_EQ(rig.Engine().GetProcessInfoStack(k)->GetSize(), 20) << k;
  EXPECT_EQ(rig.Engine().GetProcessInfoStack(35), nullptr);
  EXPECT_EQ(rig.Engine().GetProcessInfoStack(-1), nullptr);
}

}  // namespace
