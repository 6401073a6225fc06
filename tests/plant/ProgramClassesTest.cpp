// The plant with the program's own device classes (those of shapes/ that
// exist): every attribute name the engine uses resolves in them, and a
// whole Demo cycle runs over them.
#include <gtest/gtest.h>

#include "attrib/AttribTypes.h"
#include "plant/PlantTestSupport.h"

using plant_test::PlantRig;

namespace {

TEST(ProgramDeviceClasses, EveryNameTheEngineUsesExistsInTheirTables) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads();
  CVekEngineApp& engine = rig.Engine();
  ASSERT_TRUE(engine.SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  for (int i = 0; i < 3; ++i) rig.Cycle();
  engine.AddProcessInfoToStacks();
  engine.RecordProcessInformation();
  ASSERT_TRUE(engine.SetDataSourceType(CVekEngineBase::eDataSourceRealHw));
  rig.Cycle();
  engine.ObtainRealHwData();
  EXPECT_TRUE(rig.Plant().GetUnresolvedAttribNames().empty())
      << *rig.Plant().GetUnresolvedAttribNames().begin();
  EXPECT_TRUE(rig.Plant().GetOffTableAttribNames().empty()) << *rig.Plant().GetOffTableAttribNames().begin();
}

TEST(ProgramDeviceClasses, TheWholeDeviceListIsMadeWithItsInstanceNumbers) {
  PlantRig rig(ProgramDeviceClasses());
  CPlant& plant = rig.Plant();
  EXPECT_EQ(plant.GetDeviceCount(), 30);
  EXPECT_TRUE(C_BaseShape::CheckDuplicatedDeviceNames());
  EXPECT_EQ(plant.Device(CT_VESSEL, 6)->GetDeviceName(), "Silo2");
  EXPECT_EQ(plant.Device(CT_CNTR_FGL_PUMP, 7)->GetDeviceName(), "DilutionFan");
  ASSERT_EQ(plant.Devices(CT_DBF_VALVE).size(), 2u);
  EXPECT_EQ(plant.Device(CT_DBF_VALVE, 1)->GetDeviceName(), "PowderDiverseValve");
  EXPECT_EQ(plant.Device(CT_DBF_VALVE, 1)->GetInstanceNumber(), 1);
  EXPECT_EQ(plant.Device(CT_VALVE, 0)->GetDeviceName(), "ReturnValve");
  EXPECT_EQ(plant.Device(CT_VALVE, 0)->GetCreateInfo().dwStyle, 0x10000010u);
}

TEST(ProgramDeviceClasses, TheDivertersSawToothInDemo) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads();
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  const float max = rig.Float("PowderDiverseValve", "MaxVluPosition");
  ASSERT_GT(max, 0.0f);
  rig.Cycle();
  rig.Cycle();
  EXPECT_FLOAT_EQ(rig.Float("PowderDiverseValve", "Position"), 2.0f * max * 0.02f);
  EXPECT_TRUE(rig.Bool("ReturnValve", "DiOnOffPosition")) << "opened in Demo, its feedback follows";
}

TEST(ProgramDeviceClasses, DrivesInAutomaticControlFollowTheirWalk) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads();
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  CPlant& plant = rig.Plant();
  const auto follows = [&](C_BaseShape* device, int counter) {
    const std::string name = device->GetDeviceName();
    const double demand = plant.Demo().Demand(counter);
    EXPECT_EQ(rig.Float(name, "Speed"),
              static_cast<float>(static_cast<double>(rig.Float(name, "MaxVluSpeed")) * demand))
        << name;
  };
  for (int cycle = 0; cycle < 5; ++cycle) {
    rig.Cycle();
    for (int controlType : {CT_CNTR_FGL_PUMP, CT_RTRY_WHL}) {
      const auto& devices = plant.Devices(controlType);
      for (size_t j = 0; j < devices.size(); ++j) follows(devices[j], static_cast<int>(j));
    }
    for (C_BaseShape* pump : plant.Devices(CT_DOSE_PUMP)) follows(pump, 0);
    follows(plant.Device(CT_BELT, 0), 0);
  }
  EXPECT_TRUE(rig.Bool("MeasuringBelt", "DiOnOffSpeed"));
  EXPECT_TRUE(rig.Bool("HotAirHeatZone", "DiOnOffPressure"));
  EXPECT_GT(GetPrcGeneralFloat(PG_TotalSlurryPressure), 0.0f) << "the running pumps' flows";
}

TEST(ProgramDeviceClasses, TheTowersNozzlesOpenOneASecondAndSprayInDemo) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads();
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  C_BaseShape& tower = *rig.Device("SpryDryr1");
  const TowerNozzleAccess& nozzles = rig.Plant().Nozzles();
  ASSERT_TRUE(nozzles.IsComplete());
  EXPECT_EQ(nozzles.count(tower), 20);
  ASSERT_EQ(nozzles.set(tower, NOZZLE_ALL_WRITE, NOZZLE_MAX, 100.0), NOZZLE_DONE);
  rig.Cycle();
  EXPECT_EQ(nozzles.get(tower, NOZZLE_ALL_READ, NOZZLE_OPEN), NOZZLE_FLAG_FALSE);
  for (int second = 1; second <= 3; ++second) {
    rig.Clock().Advance(1001);
    rig.Cycle();
  }
  for (int n = 1; n <= 20; ++n)
    EXPECT_EQ(nozzles.get(tower, n, NOZZLE_OPEN), n <= 3 ? NOZZLE_FLAG_TRUE : NOZZLE_FLAG_FALSE) << n;
  const double rate = nozzles.get(tower, 2, NOZZLE_RATE);
  EXPECT_EQ(rate, static_cast<double>(static_cast<float>(100.0 * rig.Plant().Demo().Demand(1))));
  EXPECT_EQ(nozzles.get(tower, 2, NOZZLE_FAULT), rate < 30.0 ? NOZZLE_FLAG_TRUE : NOZZLE_FLAG_FALSE);
}

}  // namespace
