// Each column of an Event row comes from the right plant object: on the
// program's own device classes, every source of a column gets a value of
// its own, one row is recorded, and each column is read back by its name
// with plain SQL. The sources are typed from the plant's record layout
// (device names of the device list, attribute names of the classes), so a
// wrong device index, a wrong attribute or two swapped columns show up.
// Boolean sources get the bits of their own number over six rows, so no two
// boolean columns hold the same six values.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "attrib/AttribTypes.h"
#include "plant/PlantDeviceClasses.h"
#include "plant/PlantTestSupport.h"
#include "plant/VekEngineApp.h"
#include "tests/records/RecordsTestSupport.h"

using plant_test::PlantRig;

namespace {

// A source of a column: a device's attribute, or (device null) a loop's
// attribute by loop index, or a process object's attribute by a setter.
struct FloatSource {
  const char* column;
  const char* device;  // null: a loop's calculated set point
  const char* attrib;
  int loop;
};

const FloatSource kStackColumns[] = {
    {"SlurryMoisturePrcntg", "SpryDryr1", "SlurryMoisture", -1},
    {"SlurryTemperature", "SpryDryr1", "SlurryTemperature", -1},
    {"SlurryPressure", "SpryDryr1", "SlurryPressure", -1},
    {"InLetAirTemperature", "SpryDryr1", "InletTemperature", -1},
    {"OutLetAirTemperature", "SpryDryr1", "OutletTemperature", -1},
    {"Vacuum", "SpryDryr1", "OutletVacuum", -1},
    {"HPPump1InputPressure", "HighPressure1", "InputPressure", -1},
    {"HPPump2InputPressure", "HighPressure2", "InputPressure", -1},
    {"HPPump3InputPressure", "HighPressure3", "InputPressure", -1},
    {"HPPump1Speed", "HighPressure1", "Speed", -1},
    {"HPPump2Speed", "HighPressure2", "Speed", -1},
    {"HPPump3Speed", "HighPressure3", "Speed", -1},
    {"CombustionFanSpeed", "CombustionFan", "Speed", -1},
    {"DilutionFanSpeed", "DilutionFan", "Speed", -1},
    {"SuctionFanSpeed", "SuctionFan", "Speed", -1},
    {"AirLiftFanSpeed", "AirLiftFan", "Speed", -1},
    {"HotAirOutLetTemperature", "HotAirHeatZone", "Temperature", -1},
    {"BeltPowderFlowRate", "MeasuringBelt", "Flow", -1},
    {"BeltPowderDensity", "SpryDryr1", "PowderDensity", -1},
    {"BeltPowderMoisture", "SpryDryr1", "PowderMoisture", -1},
    {"SlurryPressureSetpoint", nullptr, nullptr, LOOP_SLURRY_PRESSURE},
    {"SlurryDilutionFanRatioSetpoint", nullptr, nullptr, LOOP_SLURRY_DILUTION_FAN_RATIO},
    {"VacuumSetpoint", nullptr, nullptr, LOOP_VACUUM},
    {"InletTemperatureSetpoint", nullptr, nullptr, LOOP_INLET_AIR_TEMPERATURE},
    {"DensitySetpoint", nullptr, nullptr, LOOP_DENSITY},
    {"MoistureSetpoint", nullptr, nullptr, LOOP_MOISTURE},
    {"TowerSafetyTemperat1", "SpryDryr1", "TowerSafetyTemperat1_Phy", -1},
    {"TowerSafetyTemperat2", "SpryDryr1", "TowerSafetyTemperat2_Phy", -1},
    {"TowerSafetyTemperat3", "SpryDryr1", "TowerSafetyTemperat3_Phy", -1},
    {"TowerSafetyTemperat4", "SpryDryr1", "TowerSafetyTemperat4_Phy", -1},
};

// A boolean column's source: a device's flag (inverted for the return
// valve's "is close"), or (device null) a loop's InAutomat.
struct BoolSource {
  const char* column;
  const char* device;
  const char* attrib;
  int loop;
  bool inverted;
};

const BoolSource kBoolColumns[] = {
    {"HPPump1IsOn", "HighPressure1", "DiOnOffSpeed", -1, false},
    {"HPPump2IsOn", "HighPressure2", "DiOnOffSpeed", -1, false},
    {"HPPump3IsOn", "HighPressure3", "DiOnOffSpeed", -1, false},
    {"HPPump1IsInPlcCtrl", "HighPressure1", "LocalCntrlSpeed", -1, false},
    {"HPPump2IsInPlcCtrl", "HighPressure2", "LocalCntrlSpeed", -1, false},
    {"HPPump3IsInPlcCtrl", "HighPressure3", "LocalCntrlSpeed", -1, false},
    {"Filter1IsOn", "RotaryFilter1", "DiOnOffSpeed", -1, false},
    {"Filter2IsOn", "RotaryFilter2", "DiOnOffSpeed", -1, false},
    {"Filter3IsOn", "RotaryFilter3", "DiOnOffSpeed", -1, false},
    {"Filter4IsOn", "RotaryFilter4", "DiOnOffSpeed", -1, false},
    {"HemojenPump1IsOn", "FeedingPump1", "DiOnOffSpeed", -1, false},
    {"HemojenPump2IsOn", "FeedingPump2", "DiOnOffSpeed", -1, false},
    {"HemojenPump3IsOn", "FeedingPump3", "DiOnOffSpeed", -1, false},
    {"HemojenPump4IsOn", "FeedingPump4", "DiOnOffSpeed", -1, false},
    {"AirLiftFanIsOn", "AirLiftFan", "DiOnOffSpeed", -1, false},
    {"SuctionFanIsOn", "SuctionFan", "DiOnOffSpeed", -1, false},
    {"DilutionFanIsOn", "DilutionFan", "DiOnOffSpeed", -1, false},
    {"CombustionFanIsOn", "CombustionFan", "DiOnOffSpeed", -1, false},
    {"SuctionFanIsInPlcCtrl", "SuctionFan", "LocalCntrlSpeed", -1, false},
    {"DilutionFanIsInPlcCtrl", "DilutionFan", "LocalCntrlSpeed", -1, false},
    {"CombustionFanIsInPlcCtrl", "CombustionFan", "LocalCntrlSpeed", -1, false},
    {"DensityBeltIsOn", "MeasuringBelt", "DiOnOffSpeed", -1, false},
    {"DensityBeltIsInPlcCtrl", "MeasuringBelt", "LocalCntrlSpeed", -1, false},
    {"HighLevelSilo1IsOn", "Silo1", "HlaFlgLevel", -1, false},
    {"HighLevelSilo2IsOn", "Silo2", "HlaFlgLevel", -1, false},
    {"HotAirGasSystemIsOn", "HotAirHeatZone", "DiOnOffFuel", -1, false},
    {"HotAirTemperatureIsHigh", "HotAirHeatZone", "HlaFlgTemperature", -1, false},
    {"SlurryPressureIsInAutomat", nullptr, nullptr, LOOP_SLURRY_PRESSURE, false},
    {"SlurryDilutionFanRatioIsInAutomat", nullptr, nullptr, LOOP_SLURRY_DILUTION_FAN_RATIO, false},
    {"VacuumIsInAutomat", nullptr, nullptr, LOOP_VACUUM, false},
    {"InletTemperatureIsInAutomat", nullptr, nullptr, LOOP_INLET_AIR_TEMPERATURE, false},
    {"DensityIsInAutomat", nullptr, nullptr, LOOP_DENSITY, false},
    {"MoistureIsInAutomat", nullptr, nullptr, LOOP_MOISTURE, false},
    {"ReturnValveIsClose", "ReturnValve", "DiOnOffPosition", -1, true},
};

constexpr int kRows = 6;

class EventRowColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.CreateWindowsWithoutThreads();
  }
  // The values of a column in row order, joined with "|".
  std::string Column(const std::string& column, const std::string& format = "") {
    const std::string value = format.empty() ? "\"" + column + "\"" : "printf('" + format + "', \"" + column + "\")";
    return records_test::RawQuery(rig.Dir().File("VTLN-DataBase.mdb"),
                                  "SELECT group_concat(v, '|') FROM (SELECT " + value + " AS v FROM Event ORDER BY ID)");
  }
  PlantRig rig{ProgramDeviceClasses()};
};

TEST_F(EventRowColumnsTest, EachAveragedColumnComesFromItsOwnSource) {
  CPlant& plant = rig.Plant();
  for (size_t i = 0; i < std::size(kStackColumns); ++i) {
    const FloatSource& s = kStackColumns[i];
    const float value = 1.0f + 0.25f * static_cast<float>(i);  // within every default range
    if (s.device) {
      rig.SetFloat(s.device, s.attrib, value);
      ASSERT_EQ(rig.Float(s.device, s.attrib), value) << s.device << "." << s.attrib << " took the value";
    } else {
      plant.Loop(s.loop)->SetAttribFloat(PL_LoopCalcStp, value);
    }
  }
  plant.Recipe()->SetAttribFloat(PR_LI16_SPT_SafeProcessTemperature, 140.5f);
  plant.Recipe()->SetAttribFloat(PR_LI17_AIT_AutoIgnitionTemperature, 260.5f);
  SetPrcGeneralFloat(PG_TotalSlurryPressure, 12345.5f);
  rig.Engine().AddProcessInfoToStacks();
  rig.Engine().RecordProcessInformation();
  for (size_t i = 0; i < std::size(kStackColumns); ++i) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.2f", 1.0 + 0.25 * static_cast<double>(i));
    EXPECT_EQ(Column(kStackColumns[i].column, "%.2f"), expected) << kStackColumns[i].column;
  }
  EXPECT_EQ(Column("OutletTemperatureSetpoint", "%.1f"), "-1.0") << "no source: a constant";
  EXPECT_EQ(Column("SPT", "%.1f"), "140.5");
  EXPECT_EQ(Column("AIT", "%.1f"), "260.5");
  EXPECT_EQ(Column("TotalSpraySlurryFlowRate", "%.1f"), "12345.5");
}

TEST_F(EventRowColumnsTest, EachStateColumnComesFromItsOwnDeviceOrLoop) {
  CPlant& plant = rig.Plant();
  for (int r = 0; r < kRows; ++r) {
    for (size_t b = 0; b < std::size(kBoolColumns); ++b) {
      const BoolSource& s = kBoolColumns[b];
      const bool bit = (((b + 1) >> r) & 1) != 0;
      if (s.device) {
        rig.SetBool(s.device, s.attrib, bit != s.inverted);
        ASSERT_EQ(rig.Bool(s.device, s.attrib), bit != s.inverted) << s.device << "." << s.attrib << " took the value";
      } else {
        plant.Loop(s.loop)->SetAttribBool(PL_InAutomat, bit);
      }
    }
    rig.Engine().RecordProcessInformation();
  }
  for (size_t b = 0; b < std::size(kBoolColumns); ++b) {
    std::string expected;
    for (int r = 0; r < kRows; ++r) expected += std::string(r ? "|" : "") + std::to_string(((b + 1) >> r) & 1);
    EXPECT_EQ(Column(kBoolColumns[b].column), expected) << kBoolColumns[b].column;
  }
}

}  // namespace
