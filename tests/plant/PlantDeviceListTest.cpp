#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "attrib/AttribTypes.h"
#include "plant/PlantTestSupport.h"
#include "shapes/fixture/ShapeFixture.h"

using plant_test::PlantRig;
using plant_test::StandInDeviceClasses;
using plant_test::StandInDeviceClassesWithout;

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

TEST(PlantDeviceList, ThirtyDevicesInTheirClassesWithDistinctNames) {
  const auto& table = PlantDeviceTable();
  std::map<int, int> perClass;
  std::set<std::string> names;
  for (const PlantDeviceRow& row : table) {
    ++perClass[row.controlType];
    names.insert(Lower(row.name));
  }
  EXPECT_EQ(names.size(), 30u) << "no two names differ only in letter case";
  const std::map<int, int> expected = {{CT_SPRAY_DRYER, 1}, {CT_VESSEL, 7}, {CT_BELT, 1},     {CT_HEAT_ZONE, 1},
                                       {CT_DBF_VALVE, 2},   {CT_VALVE, 1},  {CT_RTRY_WHL, 6}, {CT_DOSE_PUMP, 3},
                                       {CT_CNTR_FGL_PUMP, 8}};
  EXPECT_EQ(perClass, expected);
  // The classes come in blocks, in the creation order.
  const int order[] = {CT_SPRAY_DRYER, CT_VESSEL,    CT_BELT,      CT_HEAT_ZONE,    CT_DBF_VALVE,
                       CT_VALVE,       CT_RTRY_WHL,  CT_DOSE_PUMP, CT_CNTR_FGL_PUMP};
  size_t row = 0;
  for (int controlType : order)
    for (int i = 0; i < expected.at(controlType); ++i) EXPECT_EQ(table[row++].controlType, controlType);
}

TEST(PlantDeviceList, RowsKeepTheirWordsAndGeometry) {
  const auto& table = PlantDeviceTable();
  const PlantDeviceRow& hopper = table[2];
  EXPECT_STREQ(hopper.name, "MeasurBeltHopper");
  const ShapeCreateInfo info = hopper.CreateInfo();
  EXPECT_EQ(info.GetRect(), CRect(690, 320, 770, 380));
  EXPECT_EQ(info.nOption1, 0x20415000);
  EXPECT_EQ(info.nOption2, 1);
  EXPECT_EQ(info.dwStyle, 0x400u);
  EXPECT_EQ(info.GetDeviceName(), "MeasurBeltHopper");
  EXPECT_STREQ(table[12].name, "ReturnValve");
  EXPECT_EQ(table[12].style, 0x10000010u);
  EXPECT_STREQ(table[29].name, "DilutionFan");
  EXPECT_EQ(table[29].CreateInfo().GetRect(), CRect(200, 770, 270, 840));
}

TEST(PlantObject, MakesTheDevicesWithTheInstanceNumbersOfTheList) {
  PlantRig rig;
  CPlant& plant = rig.Plant();
  EXPECT_EQ(CPlant::GetCurrent(), &plant);
  EXPECT_EQ(plant.GetDeviceCount(), 30);
  std::map<int, int> next;
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    C_BaseShape* device = plant.FindDevice(row.name);
    ASSERT_NE(device, nullptr) << row.name;
    const int instance = next[row.controlType]++;
    EXPECT_EQ(device->GetInstanceNumber(), instance) << row.name;
    EXPECT_EQ(plant.Device(row.controlType, instance), device);
    EXPECT_EQ(device->GetControlType(), row.controlType);
    EXPECT_EQ(device->GetCreateInfo().GetRect(), row.CreateInfo().GetRect());
  }
  EXPECT_EQ(plant.FindDevice("RotaryFilter1"), plant.Device(CT_RTRY_WHL, 2));
  EXPECT_EQ(plant.Device(CT_RTRY_WHL, 6), nullptr);
  EXPECT_EQ(plant.Device(CT_HELIX, 0), nullptr);
  EXPECT_TRUE(C_BaseShape::CheckDuplicatedDeviceNames());
}

TEST(PlantObject, AClassWithoutItsFactoryLeavesItsRowsEmpty) {
  const PlantDeviceClasses classes = StandInDeviceClassesWithout(CT_VESSEL);
  PlantRig rig(classes);
  EXPECT_EQ(rig.Plant().GetDeviceCount(), 23);
  EXPECT_TRUE(rig.Plant().Devices(CT_VESSEL).empty());
  EXPECT_EQ(rig.Plant().Device(CT_BELT, 0)->GetInstanceNumber(), 0);
}

TEST(PlantObject, ProcessDataInTableOrderWithTheirNames) {
  PlantRig rig;
  CPlant& plant = rig.Plant();
  EXPECT_EQ(plant.General(), nullptr);
  plant.CreateProcessData();
  const auto& objects = plant.ProcessData();
  ASSERT_EQ(objects.size(), 34u);
  EXPECT_EQ(objects[0]->GetDeviceName(), "PrcGeneral");
  EXPECT_EQ(objects[1]->GetDeviceName(), "PrcShift");
  EXPECT_EQ(objects[2]->GetDeviceName(), "PrcRecipeGen");
  EXPECT_EQ(objects[3]->GetDeviceName(), "LoopVacuum");
  EXPECT_EQ(objects[8]->GetDeviceName(), "LoopMoisture");
  EXPECT_EQ(objects[9]->GetDeviceName(), "AlrmLpVaccum_Devtn");
  EXPECT_EQ(objects[33]->GetDeviceName(), "AlrmCriticalTmprSlope");
  EXPECT_EQ(plant.Loop(LOOP_DENSITY)->GetDeviceName(), "LoopDensity");
  EXPECT_EQ(plant.Alarm(14)->GetDeviceName(), "AlrmLpSlrryPrss_NzlBlc");
  EXPECT_EQ(plant.Loop(6), nullptr);
  EXPECT_EQ(plant.Alarm(-1), nullptr);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(plant.Alarm(i)->GetInstanceNumber(), i);
  for (const auto& object : objects) EXPECT_EQ(object->GetIniFileIndex(), 1);
  EXPECT_TRUE(C_BaseShape::CheckDuplicatedDeviceNames());
}

TEST(PlantObject, TheViewCreatesTheWindowsAndTheExitTearsDownInOrder) {
  auto rig = std::make_unique<PlantRig>();
  ASSERT_TRUE(rig->Start());
  ASSERT_TRUE(rig->CreateWindows());
  CPlant& plant = rig->Plant();
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    C_BaseShape* device = plant.FindDevice(row.name);
    EXPECT_TRUE(device->IsWindowCreated()) << row.name;
    EXPECT_EQ(device->GetParent(), &rig->Mimic());
    const int expected = row.controlType == CT_DOSE_PUMP || row.controlType == CT_BELT ? 3 : 1;
    EXPECT_EQ(device->GetAttribInt(BA_ActuatorControlType), expected) << row.name;
  }
  for (const auto& object : plant.ProcessData()) EXPECT_TRUE(object->IsWindowCreated());
  EXPECT_EQ(C_BaseShape::GetDeviceNameList().size(), 64u) << "30 devices and 34 process-data objects";

  // Exit, as the application: the process data, the devices, the engine,
  // then the settings files and the names.
  plant.DestroyProcessData();
  EXPECT_EQ(plant.General(), nullptr);
  EXPECT_TRUE(plant.ProcessData().empty());
  EXPECT_EQ(C_BaseShape::GetDeviceNameList().size(), 30u);
  plant.DestroyDevices();
  EXPECT_EQ(plant.GetDeviceCount(), 0);
  EXPECT_TRUE(plant.Devices(CT_VESSEL).empty());
  EXPECT_TRUE(C_BaseShape::GetDeviceNameList().empty()) << "every shape took its name along";
  CVekEngineBase::SetEngine(nullptr);
  EXPECT_EQ(plant.Tables().pEvent, nullptr) << "the engine deleted its record sets";
  rig.reset();
  EXPECT_EQ(CPlant::GetCurrent(), nullptr);
}

TEST(PlantObject, ResetProcessIsTheGeneralObjectsFlag) {
  PlantRig rig;
  EXPECT_FALSE(rig.Plant().IsResetProcessOn()) << "no general object yet";
  rig.Plant().SetResetProcessOn();
  rig.Plant().CreateProcessData();
  rig.Plant().SetResetProcessOn();
  EXPECT_TRUE(rig.Plant().IsResetProcessOn());
  EXPECT_TRUE(rig.Plant().General()->GetAttribBool(PG_VI_bResetProcess));
}

}  // namespace
