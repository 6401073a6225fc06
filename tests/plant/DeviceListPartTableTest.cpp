// The plant's device list against the list of the plant's documentation,
// typed here row by row: class, instance, name, place, size, option words
// and style word of all thirty devices, in the table (and the program's
// construction) and in the devices the real classes make from it.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "attrib/AttribTypes.h"
#include "plant/PlantTestSupport.h"
#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DBFValve.h"
#include "shapes/DosePump.h"
#include "shapes/HtZn.h"
#include "shapes/RtryWhl.h"
#include "shapes/SpryDryr.h"
#include "shapes/Valve.h"
#include "shapes/Vessel.h"

using plant_test::PlantRig;

namespace {

// Whether a device is of the named class.
template <class T>
bool Is(const C_BaseShape* shape) {
  return dynamic_cast<const T*>(shape) != nullptr;
}

struct DocumentedDevice {
  int controlType;
  int instance;
  const char* name;
  int x, y, cx, cy;
  int option1, option2;
  DWORD style;
  bool (*isOfClass)(const C_BaseShape*);
};

// clang-format off
const DocumentedDevice kDocumentedDevices[] = {
    {11, 0, "SpryDryr1", 403, 100, 120, 700, 0, 0, 0, Is<C_SpryDryr>},
    {1, 0, "Screen1", 650, 290, 160, 18, 0, 0, 0x8000, Is<C_Vessel>},
    {1, 1, "MeasurBeltHopper", 690, 320, 80, 60, 0x20415000, 1, 0x400, Is<C_Vessel>},
    {1, 2, "SeparatingVessel", 580, 70, 90, 170, 0, 7, 0x7000, Is<C_Vessel>},
    {1, 3, "TowerCyclone", 220, 60, 60, 140, 0x25319101, 1, 0, Is<C_Vessel>},
    {1, 4, "AirLiftCyclone", 710, 40, 40, 100, 0x25319101, 1, 0, Is<C_Vessel>},
    {1, 5, "Silo1", 830, 540, 70, 160, 0x40405000, 1, 0x3000, Is<C_Vessel>},
    {1, 6, "Silo2", 910, 540, 70, 160, 0x40405000, 1, 0x3000, Is<C_Vessel>},
    {2, 0, "MeasuringBelt", 703, 380, 200, 50, 35, 1, 0x2000001, Is<C_Belt>},
    {9, 0, "HotAirHeatZone", 280, 690, 69, 110, 0x3C000237, 1, 0, Is<C_HtZn>},
    {12, 0, "HotAirDiverseValve", 300, 660, 30, 30, 0, 2, 10, Is<C_DBFValve>},
    {12, 1, "PowderDiverseValve", 890, 480, 30, 30, 0, 3, 10, Is<C_DBFValve>},
    {4, 0, "ReturnValve", 340, 230, 20, 20, 0, 1, 0x10000010, Is<C_Valve>},
    {10, 0, "TransferBeltLeft", 440, 820, 30, 30, 2, 1, 10, Is<C_RtryWhl>},
    {10, 1, "TransferBeltRight", 580, 780, 30, 30, 2, 1, 10, Is<C_RtryWhl>},
    {10, 2, "RotaryFilter1", 100, 280, 30, 30, 1, 1, 10, Is<C_RtryWhl>},
    {10, 3, "RotaryFilter2", 100, 350, 30, 30, 1, 1, 10, Is<C_RtryWhl>},
    {10, 4, "RotaryFilter3", 100, 420, 30, 30, 1, 1, 10, Is<C_RtryWhl>},
    {10, 5, "RotaryFilter4", 100, 490, 30, 30, 1, 1, 10, Is<C_RtryWhl>},
    {3, 0, "HighPressure1", 240, 280, 120, 36, 0, 0, 0, Is<C_DosePump>},
    {3, 1, "HighPressure2", 240, 350, 120, 36, 0, 0, 0, Is<C_DosePump>},
    {3, 2, "HighPressure3", 240, 420, 120, 36, 0, 0, 0, Is<C_DosePump>},
    {7, 0, "SuctionFan", 50, 170, 85, 85, 0, 1, 10, Is<C_CntrFglPmp>},
    {7, 1, "FeedingPump1", 160, 280, 35, 35, 0, 4, 10, Is<C_CntrFglPmp>},
    {7, 2, "FeedingPump2", 160, 350, 35, 35, 0, 4, 10, Is<C_CntrFglPmp>},
    {7, 3, "FeedingPump3", 160, 420, 35, 35, 0, 4, 10, Is<C_CntrFglPmp>},
    {7, 4, "FeedingPump4", 160, 490, 35, 35, 0, 4, 10, Is<C_CntrFglPmp>},
    {7, 5, "AirLiftFan", 770, 100, 60, 60, 0, 4, 10, Is<C_CntrFglPmp>},
    {7, 6, "CombustionFan", 310, 810, 40, 40, 0, 3, 10, Is<C_CntrFglPmp>},
    {7, 7, "DilutionFan", 200, 770, 70, 70, 0, 4, 10, Is<C_CntrFglPmp>},
};
// clang-format on

TEST(DeviceListPartTable, TheTableHoldsEveryDocumentedRowInItsOrder) {
  const auto& table = PlantDeviceTable();
  ASSERT_EQ(std::size(kDocumentedDevices), table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    const DocumentedDevice& want = kDocumentedDevices[i];
    const PlantDeviceRow& row = table[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(row.controlType, want.controlType);
    EXPECT_STREQ(row.name, want.name);
    EXPECT_EQ(row.x, want.x);
    EXPECT_EQ(row.y, want.y);
    EXPECT_EQ(row.cx, want.cx);
    EXPECT_EQ(row.cy, want.cy);
    EXPECT_EQ(row.option1, want.option1);
    EXPECT_EQ(row.option2, want.option2);
    EXPECT_EQ(row.style, want.style);
  }
}

TEST(DeviceListPartTable, TheRealClassesMakeEachDeviceWithItsWordsAndInstance) {
  PlantRig rig(ProgramDeviceClasses());
  CPlant& plant = rig.Plant();
  EXPECT_EQ(plant.GetDeviceCount(), 30);
  for (const DocumentedDevice& want : kDocumentedDevices) {
    SCOPED_TRACE(want.name);
    C_BaseShape* device = plant.Device(want.controlType, want.instance);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(want.isOfClass(device));
    EXPECT_EQ(device->GetControlType(), want.controlType);
    EXPECT_EQ(device->GetInstanceNumber(), want.instance);
    EXPECT_EQ(device->GetIniFileIndex(), 1) << "the settings file";
    const ShapeCreateInfo& info = device->GetCreateInfo();
    EXPECT_EQ(info.GetDeviceName(), want.name);
    EXPECT_EQ(info.x, want.x);
    EXPECT_EQ(info.y, want.y);
    EXPECT_EQ(info.cx, want.cx);
    EXPECT_EQ(info.cy, want.cy);
    EXPECT_EQ(info.nOption1, want.option1);
    EXPECT_EQ(info.nOption2, want.option2);
    EXPECT_EQ(info.dwStyle, want.style);
  }
  // The tower's two further construction values: a grid of 4 x 5 nozzles.
  auto* tower = dynamic_cast<C_SpryDryr*>(plant.FindDevice("SpryDryr1"));
  ASSERT_NE(tower, nullptr);
  EXPECT_EQ(tower->GetNozzleCount(), 20);
}

TEST(DeviceListPartTable, DemoStartsTheRealClassesAtTheirDocumentedRanges) {
  // The engine's Demo start takes each drive to half of its maximum and
  // each vessel to a fifth of its scale; with the real classes and no
  // saved settings those are the classes' documented defaults.
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  rig.CreateWindowsWithoutThreads();
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  const struct {
    const char* device;
    const char* attrib;
    float value;
  } rows[] = {{"SuctionFan", "MaxVluSpeed", 100.0f},       {"SuctionFan", "Speed", 50.0f},
              {"DilutionFan", "Speed", 50.0f},             {"RotaryFilter1", "MaxVluSpeed", 1000.0f},
              {"RotaryFilter1", "Speed", 500.0f},          {"TransferBeltRight", "Speed", 500.0f},
              {"MeasuringBelt", "MaxVluSpeed", 1000.0f},   {"MeasuringBelt", "Speed", 500.0f},
              {"HighPressure2", "MaxVluStroke", 10.0f},    {"HighPressure2", "Stroke", 10.0f},
              {"HighPressure2", "Speed", 50.0f},           {"Silo1", "MaxVluLevel", 1000.0f},
              {"Silo1", "Level", static_cast<float>(1000.0 * static_cast<double>(0.2f))},
              {"HotAirHeatZone", "MaxVluTemperature", 2000.0f},
              {"HotAirHeatZone", "Temperature", 1000.0f},  {"PowderDiverseValve", "MaxVluPosition", 100.0f},
              {"ReturnValve", "MaxVluPosition", 1000.0f}};
  for (const auto& row : rows) EXPECT_FLOAT_EQ(rig.Float(row.device, row.attrib), row.value) << row.device << "." << row.attrib;
}

}  // namespace
