// What the pump, wheel, dosing pump, belt, heat zone, vessel and tower
// classes state as data: attribute names, types, roles and defaults, analog groups and
// units, colours, the rules of their boolean setters and their menus.
// One table per class, read by the same loops.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "res/ShapeResources.h"
#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DosePump.h"
#include "shapes/HtZn.h"
#include "shapes/RtryWhl.h"
#include "shapes/SpryDryr.h"
#include "shapes/Vessel.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;

struct AttribRow {
  int id;
  const char* name;
  VARTYPE vt;
  int role;
  double dataDefault;
};

struct UnitRow {
  int valueId;
  const char* caption;
  const char* unitText;
};

struct ClassRows {
  const char* controlTypeName;
  std::function<std::unique_ptr<C_BaseShape>()> make;
  int count;
  COLORREF bg, fg, body;
  std::vector<UnitRow> units;
  std::vector<AttribRow> attribs;
};

constexpr int N = AR_NONE;

const std::vector<ClassRows>& Classes() {
  static const std::vector<ClassRows> classes = {
      {"CntrFglPump",
       [] { return std::make_unique<C_CntrFglPmp>(ShapeCreateInfo(10, 50, 170, 85, 85, 0, 1, "SuctionFan")); },
       48, 0x808080, 0x5AAFFF, 0x6EB43C,
       {{28, "Speed", "Kgr/h"}},
       {{27, "ReserveFloat1", VT_R4, N, 0},          {28, "Speed", VT_R4, AR_VALUE, 0},
        {29, "MinVluSpeed", VT_R4, AR_MIN_VLU, 0},   {30, "MaxVluSpeed", VT_R4, AR_MAX_VLU, 100},
        {31, "LlaVluSpeed", VT_R4, N, 0},            {32, "HlaVluSpeed", VT_R4, N, 100},
        {33, "SpeedPort", VT_R4, AR_PORT, 0},        {34, "MinVluSpeedPort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {35, "MaxVluSpeedPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {36, "ReserveBool1", VT_BOOL, N, 0},         {37, "LlaFlgSpeed", VT_BOOL, N, 0},
        {38, "HlaFlgSpeed", VT_BOOL, N, 0},          {39, "LocalCntrlSpeed", VT_BOOL, N, 0},
        {40, "AutoCntrlSpeed", VT_BOOL, N, 0},       {41, "DoIncreaseSpeed", VT_BOOL, N, 0},
        {42, "DoDecreaseSpeed", VT_BOOL, N, 0},      {43, "DiOnOffSpeed", VT_BOOL, N, 0},
        {44, "DiOnAlarmSpeed", VT_BOOL, N, 0},       {45, "DoOnOffSpeed", VT_BOOL, N, 0},
        {46, "ReserveInt1", VT_I4, N, 0},            {47, "ReserveStr1", VT_BSTR, N, 0},
        {48, "00000030", VT_EMPTY, N, 0}}},
      {"RtryWhl",
       [] { return std::make_unique<C_RtryWhl>(ShapeCreateInfo(10, 440, 820, 30, 30, 2, 1, "TransferBeltLeft")); },
       48, 0x808080, 0x6EB43C, 0xFAFADC,
       {{28, "Speed", "RPM"}},
       {{28, "Speed", VT_R4, AR_VALUE, 0},           {30, "MaxVluSpeed", VT_R4, AR_MAX_VLU, 1000},
        {32, "HlaVluSpeed", VT_R4, N, 1000},         {34, "MinVluSpeedPort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {35, "MaxVluSpeedPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {45, "DoOnOffSpeed", VT_BOOL, N, 0},         {47, "ReserveStr1", VT_BSTR, N, 0},
        {48, "00000030", VT_EMPTY, N, 0}}},
      {"DosePump",
       [] { return std::make_unique<C_DosePump>(ShapeCreateInfo(0, 240, 280, 120, 36, 0, 0, "HighPressure1")); },
       75, 0x73B43C, 0xFAFADC, 0x005A00,
       {{28, "Stroke", "Kg/St"}, {36, "Speed", "RPM"}, {44, "Flow", "Kg/h"}},
       {{27, "ReserveFloat1", VT_R4, N, 0},          {28, "Stroke", VT_R4, AR_VALUE, 0},
        {30, "MaxVluStroke", VT_R4, AR_MAX_VLU, 10}, {32, "HlaVluStroke", VT_R4, N, 10},
        {33, "StrokePort", VT_R4, AR_PORT, 0},       {35, "MaxVluStrokePort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {36, "Speed", VT_R4, AR_VALUE, 0},           {37, "MinVluSpeed", VT_R4, AR_MIN_VLU, 0},
        {38, "MaxVluSpeed", VT_R4, AR_MAX_VLU, 100}, {40, "HlaVluSpeed", VT_R4, N, 100},
        {42, "MinVluSpeedPort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {44, "Flow", VT_R4, AR_VALUE, 0},            {46, "MaxVluFlow", VT_R4, AR_MAX_VLU, 1000},
        {47, "LlaVluFlow", VT_R4, N, 0},             {48, "HlaVluFlow", VT_R4, N, 1000},
        {49, "FlowPort", VT_R4, AR_PORT, 0},         {51, "MaxVluFlowPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {52, "InputPressure", VT_R4, N, 0},          {53, "ReserveBool1", VT_BOOL, N, 0},
        {54, "LlaFlgStroke", VT_BOOL, N, 0},         {59, "DoDecreaseStroke", VT_BOOL, N, 0},
        {60, "LlaFlgSpeed", VT_BOOL, N, 0},          {62, "LocalCntrlSpeed", VT_BOOL, N, 0},
        {66, "DiOnOffSpeed", VT_BOOL, N, 0},         {68, "DoOnOffSpeed", VT_BOOL, N, 0},
        {69, "LlaFlgFlow", VT_BOOL, N, 0},           {72, "AutoCntrlFlow", VT_BOOL, N, 0},
        {73, "ReserveInt1", VT_I4, N, 0},            {74, "ReserveStr1", VT_BSTR, N, 0},
        {75, "0000004B", VT_EMPTY, N, 0}}},
      {"Belt",
       [] { return std::make_unique<C_Belt>(ShapeCreateInfo(0x2000001, 703, 380, 200, 50, 35, 1, "MeasuringBelt")); },
       72, 0x000000, 0x73B43C, 0x00D7FF,
       {{28, "Speed", "m/h"}, {36, "Load", "Kg/m"}, {44, "Flow", "Kg/h"}},
       {{28, "Speed", VT_R4, AR_VALUE, 0},           {30, "MaxVluSpeed", VT_R4, AR_MAX_VLU, 1000},
        {32, "HlaVluSpeed", VT_R4, N, 1000},         {36, "Load", VT_R4, AR_VALUE, 0},
        {38, "MaxVluLoad", VT_R4, AR_MAX_VLU, 1000}, {40, "HlaVluLoad", VT_R4, N, 1000},
        {41, "LoadPort", VT_R4, AR_PORT, 0},         {42, "MinVluLoadPort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {46, "MaxVluFlow", VT_R4, AR_MAX_VLU, 1000}, {48, "HlaVluFlow", VT_R4, N, 1000},
        {51, "MaxVluFlowPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {52, "ReserveBool1", VT_BOOL, N, 0},         {53, "LlaFlgSpeed", VT_BOOL, N, 0},
        {55, "LocalCntrlSpeed", VT_BOOL, N, 0},      {59, "DiOnOffSpeed", VT_BOOL, N, 0},
        {61, "DoOnOffSpeed", VT_BOOL, N, 0},         {62, "LlaFlgLoad", VT_BOOL, N, 0},
        {65, "AutoCntrlLoad", VT_BOOL, N, 0},        {66, "LlaFlgFlow", VT_BOOL, N, 0},
        {69, "AutoCntrlFlow", VT_BOOL, N, 0},        {70, "ReserveInt1", VT_I4, N, 0},
        {71, "ReserveStr1", VT_BSTR, N, 0},          {72, "00000048", VT_EMPTY, N, 0}}},
      {"HeatZone",
       [] { return std::make_unique<C_HtZn>(ShapeCreateInfo(0, 280, 690, 69, 110, 0x3C000237, 1, "HotAirHeatZone")); },
       99, 0xD7D7FF, 0xC0C0C0, 0xFFFFFF,
       {{28, "Temperature", "\u00B0C"}, {36, "Pressure", "%"}, {44, "Fuel", "mmH2o"}, {52, "Air", "Unit?"}},
       {{28, "Temperature", VT_R4, AR_VALUE, 0},     {30, "MaxVluTemperature", VT_R4, AR_MAX_VLU, 2000},
        {32, "HlaVluTemperature", VT_R4, N, 2000},   {33, "TemperaturePort", VT_R4, AR_PORT, 0},
        {34, "MinVluTemperaturePort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {38, "MaxVluPressure", VT_R4, AR_MAX_VLU, 100}, {40, "HlaVluPressure", VT_R4, N, 100},
        {46, "MaxVluFuel", VT_R4, AR_MAX_VLU, 100},  {48, "HlaVluFuel", VT_R4, N, 100},
        {52, "Air", VT_R4, AR_VALUE, 0},             {54, "MaxVluAir", VT_R4, AR_MAX_VLU, 100},
        {56, "HlaVluAir", VT_R4, N, 100},            {59, "MaxVluAirPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {60, "ReserveBool1", VT_BOOL, N, 0},         {61, "LlaFlgTemperature", VT_BOOL, N, 0},
        {69, "DoOnOffTemperature", VT_BOOL, N, 0},   {70, "LlaFlgPressure", VT_BOOL, N, 0},
        {78, "DoOnOffPressure", VT_BOOL, N, 0},      {85, "DiOnOffFuel", VT_BOOL, N, 0},
        {87, "DoOnOffFuel", VT_BOOL, N, 0},          {88, "LlaFlgAir", VT_BOOL, N, 0},
        {96, "DoOnOffAir", VT_BOOL, N, 0},           {97, "ReserveInt1", VT_I4, N, 0},
        {98, "ReserveStr1", VT_BSTR, N, 0},          {99, "00000063", VT_EMPTY, N, 0}}},
      {"Vessel",
       [] { return std::make_unique<C_Vessel>(ShapeCreateInfo(0x3000, 830, 540, 70, 160, 0x40405000, 1, "Silo1")); },
       73, 0x6EB43C, 0xE1FFFF, 0xFF0000,
       {{28, "Level", "Kg"}, {36, "Speed", "RPM"}, {44, "Temperature", "\u00B0C"}},
       {{27, "ReserveFloat1", VT_R4, N, 0},          {28, "Level", VT_R4, AR_VALUE, 0},
        {29, "MinVluLevel", VT_R4, AR_MIN_VLU, 0},   {30, "MaxVluLevel", VT_R4, AR_MAX_VLU, 1000},
        {31, "LlaVluLevel", VT_R4, N, 0},            {32, "HlaVluLevel", VT_R4, N, 1000},
        {33, "LevelPort", VT_R4, AR_PORT, 0},        {34, "MinVluLevelPort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {35, "MaxVluLevelPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {36, "Speed", VT_R4, AR_VALUE, 0},           {38, "MaxVluSpeed", VT_R4, AR_MAX_VLU, 1000},
        {40, "HlaVluSpeed", VT_R4, N, 1000},         {43, "MaxVluSpeedPort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {44, "Temperature", VT_R4, AR_VALUE, 0},     {46, "MaxVluTemperature", VT_R4, AR_MAX_VLU, 1000},
        {49, "TemperaturePort", VT_R4, AR_PORT, 0},  {50, "MinVluTemperaturePort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {52, "TareLevel", VT_R4, N, 0.2},            {53, "OverloadWarningLevel", VT_R4, N, 5},
        {54, "OverloadErrorLevel", VT_R4, N, 30},    {55, "ReserveBool1", VT_BOOL, N, 0},
        {56, "LlaFlgLevel", VT_BOOL, N, 0},          {57, "HlaFlgLevel", VT_BOOL, N, 0},
        {58, "LocalCntrlLevel", VT_BOOL, N, 0},      {59, "AutoCntrlLevel", VT_BOOL, N, 0},
        {60, "LlaFlgSpeed", VT_BOOL, N, 0},          {61, "HlaFlgSpeed", VT_BOOL, N, 0},
        {62, "LocalCntrlSpeed", VT_BOOL, N, 0},      {63, "AutoCntrlSpeed", VT_BOOL, N, 0},
        {64, "DiOnOffSpeed", VT_BOOL, N, 0},         {65, "DoOnOffSpeed", VT_BOOL, N, 0},
        {66, "DiOnAlarmSpeed", VT_BOOL, N, 0},       {67, "LlaFlgTemperature", VT_BOOL, N, 0},
        {68, "HlaFlgTemperature", VT_BOOL, N, 0},    {69, "LocalCntrlTemperature", VT_BOOL, N, 0},
        {70, "AutoCntrlTemperature", VT_BOOL, N, 0}, {71, "ReserveInt1", VT_I4, N, 0},
        {72, "ReserveStr1", VT_BSTR, N, 0},          {73, "00000049", VT_EMPTY, N, 0}}},
      {"SprayDryer",
       [] { return std::make_unique<C_SpryDryr>(ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5); },
       239, 0x808080, 0xC0C0C0, 0x1E1E1E,
       // Units 0-3 the tower-safety temperatures, 4-14 the tower's own groups.
       {{116, "TwrSfty Tempr1", "Unit?"}, {124, "TwrSfty Tempr2", "Unit?"}, {132, "TwrSfty Tempr3", "Unit?"},
        {140, "TwrSfty Tempr4", "Unit?"}, {28, "Inlet Temp.", "Unit?"},     {36, "Slry Flowrate", "Unit?"},
        {44, "Slry Pressure", "Unit?"},   {52, "Slry Temp.", "Unit?"},      {60, "Slry Moisture", "Unit?"},
        {68, "Calorie Demand", "Unit?"},  {76, "Nozzel Flowrate", "Unit?"}, {84, "Outlet Temp.", "Unit?"},
        {92, "Outlet Vacuum", "Unit?"},   {100, "Pwdr. Density", "Unit?"},  {108, "Pwdr. Moisture", "Unit?"}},
       {{27, "ReserveFloat1", VT_R4, N, 0},
        {28, "InletTemperature", VT_R4, AR_VALUE, 362},
        {29, "MinVluInletTemperature", VT_R4, AR_MIN_VLU, 0},
        {30, "MaxVluInletTemperature", VT_R4, AR_MAX_VLU, 700},
        {31, "LlaVluInletTemperature", VT_R4, N, 0},
        {32, "HlaVluInletTemperature", VT_R4, N, 700},
        {33, "InletTemperaturePort", VT_R4, AR_PORT, 10000},
        {34, "MinVluInletTemperaturePort", VT_R4, AR_MIN_VLU_PORT, 5000},
        {35, "MaxVluInletTemperaturePort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {36, "SlurryFlowrate", VT_R4, AR_VALUE, 16000},     {38, "MaxVluSlurryFlowrate", VT_R4, AR_MAX_VLU, 20000},
        {41, "SlurryFlowratePort", VT_R4, AR_PORT, 10000},  {44, "SlurryPressure", VT_R4, AR_VALUE, 34},
        {48, "HlaVluSlurryPressure", VT_R4, N, 100},        {52, "SlurryTemperature", VT_R4, AR_VALUE, 88},
        {54, "MaxVluSlurryTemperature", VT_R4, AR_MAX_VLU, 200},
        {60, "SlurryMoisture", VT_R4, AR_VALUE, 30},        {68, "CalorieDemand", VT_R4, AR_VALUE, 1000},
        {70, "MaxVluCalorieDemand", VT_R4, AR_MAX_VLU, 1800},
        {76, "NozzelFlowrate", VT_R4, AR_VALUE, 70},        {84, "OutletTemperature", VT_R4, AR_VALUE, 88},
        {86, "MaxVluOutletTemperature", VT_R4, AR_MAX_VLU, 218},
        {92, "OutletVacuum", VT_R4, AR_VALUE, 8},           {94, "MaxVluOutletVacuum", VT_R4, AR_MAX_VLU, 30},
        {100, "PowderDensity", VT_R4, AR_VALUE, 330},       {102, "MaxVluPowderDensity", VT_R4, AR_MAX_VLU, 400},
        {108, "PowderMoisture", VT_R4, AR_VALUE, 0},        {109, "MinVluPowderMoisture", VT_R4, AR_MIN_VLU, 2},
        {110, "MaxVluPowderMoisture", VT_R4, AR_MAX_VLU, 13},
        {111, "LlaVluPowderMoisture", VT_R4, N, 2},         {112, "HlaVluPowderMoisture", VT_R4, N, 13},
        {115, "MaxVluPowderMoisturePort", VT_R4, AR_MAX_VLU_PORT, 27000},
        {116, "TowerSafetyTemperat1_Phy", VT_R4, AR_VALUE, 0},
        {117, "TowerSafetyTemperat1_MinPhyVlu", VT_R4, AR_MIN_VLU, 0},
        {118, "TowerSafetyTemperat1_MaxPhyVlu", VT_R4, AR_MAX_VLU, 500},
        {119, "TowerSafetyTemperat1_LlaVlu", VT_R4, N, 0},
        {120, "TowerSafetyTemperat1_HlaVlu", VT_R4, N, 500},
        {121, "TowerSafetyTemperat1_Port", VT_R4, AR_PORT, 10000},
        {122, "TowerSafetyTemperat1_MinPortVlu", VT_R4, AR_MIN_VLU_PORT, 5000},
        {123, "TowerSafetyTemperat1_MaxPortVlu", VT_R4, AR_MAX_VLU_PORT, 27000},
        {140, "TowerSafetyTemperat4_Phy", VT_R4, AR_VALUE, 0},
        {147, "TowerSafetyTemperat4_MaxPortVlu", VT_R4, AR_MAX_VLU_PORT, 27000},
        {148, "VI_fTowerSafetyCurMaxTowerTemperatur", VT_R4, N, 0},
        {149, "VI_fTowerSafetyTemperSlope1", VT_R4, N, 0},  {156, "VI_fTowerSafetyTemperSlope8", VT_R4, N, 0},
        {157, "ReserveBool1", VT_BOOL, N, 0},               {158, "LlaFlgInletTemperature", VT_BOOL, N, 0},
        {161, "AutoCntrlInletTemperature", VT_BOOL, N, 0},  {162, "LlaFlgSlurryFlowrate", VT_BOOL, N, 0},
        {163, "HlaFlgSlurryFlowrate", VT_BOOL, N, 0},       {164, "LlaFlgSlurryPressure", VT_BOOL, N, 0},
        {169, "HlaFlgSlurryTemperature", VT_BOOL, N, 0},    {177, "AutoCntrlCalorieDemand", VT_BOOL, N, 0},
        {179, "HlaFlgNozzelFlowrate", VT_BOOL, N, 0},       {195, "AutoCntrlPowderMoisture", VT_BOOL, N, 0},
        {196, "VI_bShowTowerSafetyTemperat1", VT_BOOL, N, 1},
        {199, "VI_bShowTowerSafetyTemperat4", VT_BOOL, N, 1},
        {200, "VI_bFireDetected", VT_BOOL, N, 0},           {203, "VI_bReduceBurner", VT_BOOL, N, 0},
        {204, "VI_bLetHammerAutoService", VT_BOOL, N, 0},   {205, "VI_bHammerIsInAutoService", VT_BOOL, N, 0},
        {206, "VI_bTakeOnHammer1", VT_BOOL, N, 0},          {213, "VI_bTakeOnHammer8", VT_BOOL, N, 0},
        {214, "ReserveInt1", VT_I4, N, 0},                  {215, "VI_iHammerOperationMode", VT_I4, N, 0},
        {217, "VI_iHammerCycleTimer", VT_I4, N, 0},         {218, "VI_iOnDelayHammer1", VT_I4, N, 0},
        {225, "VI_iOnDelayHammer8", VT_I4, N, 0},           {226, "VI_iOnStateTimeHammer1", VT_I4, N, 0},
        {233, "VI_iOnStateTimeHammer8", VT_I4, N, 0},
        {234, "VI_iTowerSafetyCriticalDeltaT_PerMin", VT_I4, N, 0},
        {237, "VI_iTowerSafetyCriticalFireTemper", VT_I4, N, 0},
        {238, "ReserveStr1", VT_BSTR, N, 0},                {239, "000000EF", VT_EMPTY, N, 0}}},
  };
  return classes;
}

TEST(DeviceTablesTest, NamesTypesRolesAndDefaults) {
  ShapeWorld world;
  for (const ClassRows& rows : Classes()) {
    SCOPED_TRACE(rows.controlTypeName);
    const std::unique_ptr<C_BaseShape> shape = rows.make();
    EXPECT_EQ(shape->GetControlTypeName(), rows.controlTypeName);
    EXPECT_EQ(shape->GetAttribCount(), rows.count);
    EXPECT_EQ(shape->GetIniSectionName(), std::string(rows.controlTypeName) + "." + shape->GetDeviceName());
    for (const AttribRow& row : rows.attribs) {
      EXPECT_EQ(shape->GetAttribName(row.id), row.name) << row.id;
      EXPECT_EQ(shape->GetAttribType(row.id), row.vt) << row.id;
      EXPECT_EQ(shape->GetAnalogRole(row.id), row.role) << row.id;
      EXPECT_FLOAT_EQ(shape->GetDefaultFloat(row.id, AP_DATA), static_cast<float>(row.dataDefault)) << row.id;
      EXPECT_FLOAT_EQ(shape->GetDefaultFloat(row.id, AP_TAG), 0.0f) << "only the Data property has defaults";
    }
    EXPECT_EQ(shape->GetDefaultInt(BA_ColorBG, AP_DATA), static_cast<int>(rows.bg));
    EXPECT_EQ(shape->GetDefaultInt(BA_ColorFG, AP_DATA), static_cast<int>(rows.fg));
    EXPECT_EQ(shape->GetDefaultInt(BA_ColorBody, AP_DATA), static_cast<int>(rows.body));
    EXPECT_EQ(shape->GetDefaultInt(BA_ColorBodyOld, AP_DATA), static_cast<int>(rows.body));
    EXPECT_EQ(shape->GetDefaultInt(BA_ColorBgLocal, AP_DATA), 0x0000FF) << "the base's";
  }
}

TEST(DeviceTablesTest, AnalogGroupsAndTheirUnits) {
  ShapeWorld world;
  for (const ClassRows& rows : Classes()) {
    SCOPED_TRACE(rows.controlTypeName);
    const std::unique_ptr<C_BaseShape> shape = rows.make();
    ASSERT_EQ(shape->GetAnalogUnitCount(), static_cast<int>(rows.units.size()));
    for (size_t i = 0; i < rows.units.size(); ++i) {
      const UnitRow& unit = rows.units[i];
      const CAnalogUnit* analog = shape->GetAnalogUnit(static_cast<int>(i));
      EXPECT_EQ(analog->GetAttribId(), unit.valueId);
      EXPECT_EQ(analog->GetCaption(), unit.caption);
      EXPECT_EQ(analog->GetUnitText(), unit.unitText);
      for (int role = AR_VALUE; role <= AR_MAX_VLU_PORT; ++role) {
        EXPECT_EQ(shape->GetAnalogGroupMember(unit.valueId, role), unit.valueId + role);
        EXPECT_EQ(shape->GetAnalogGroupMember(unit.valueId + AR_PORT, role), unit.valueId + role);
      }
      EXPECT_EQ(shape->GetAnalogGroupMember(unit.valueId + AR_MIN_VLU, AR_VALUE), -1) << "only value and port ask";
      EXPECT_EQ(shape->GetAnalogGroupMember(unit.valueId, 8), -1);
    }
    EXPECT_EQ(shape->GetAnalogGroupMember(27, AR_VALUE), -1);
    EXPECT_EQ(shape->GetAnalogPageCount(), (static_cast<int>(rows.units.size()) - 1) / 4 + 1) << "four groups a page";
  }
}

TEST(DeviceTablesTest, BooleanRulesAndPortRules) {
  using Drive = DriveInterlock;
  const struct {
    const ShapeClassDef& def;
    PortRule portRule;
    std::vector<int> alarmBlink;
    std::vector<Drive> drives;
  } rows[] = {
      {C_CntrFglPmp::ClassDef(), PortRule::ClampAutoCalc, {44}, {{41, 42, 43, 45}}},
      {C_RtryWhl::ClassDef(), PortRule::Stored, {}, {}},  // it reacts after changes instead
      {C_DosePump::ClassDef(), PortRule::AutoCalc, {60, 61, 67}, {{64, 65, 66, 68}}},
      {C_Belt::ClassDef(), PortRule::AutoCalc, {53, 54, 60}, {{57, 58, 59, 61}}},
      {C_HtZn::ClassDef(), PortRule::Stored, {61, 62, 68, 70, 71, 77, 79, 80, 86, 88, 89, 95},
       {{65, 66, 67, 69}, {74, 75, 76, 78}, {83, 84, 85, 87}, {92, 93, 94, 96}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.def.controlType);
    EXPECT_EQ(row.def.attribs.GetPortRule(), row.portRule);
    EXPECT_EQ(row.def.boolRules.alarmBlink, row.alarmBlink);
    EXPECT_TRUE(row.def.boolRules.blinkOnTrue.empty());
    ASSERT_EQ(row.def.boolRules.drives.size(), row.drives.size());
    for (size_t i = 0; i < row.drives.size(); ++i) {
      const Drive& drive = row.def.boolRules.drives[i];
      EXPECT_EQ(drive.increase, row.drives[i].increase);
      EXPECT_EQ(drive.decrease, row.drives[i].decrease);
      EXPECT_EQ(drive.runFeedback, row.drives[i].runFeedback);
      EXPECT_EQ(drive.runCommand, row.drives[i].runCommand);
    }
  }
}

TEST(DeviceTablesTest, MenusOfferTheirItemsWithTheirCommandIds) {
  using A = ShapeMenuAction;
  const struct {
    const ShapeClassDef& def;
    UINT menuId;
    std::vector<ShapeMenuItem> items;
    int speedNeedsRunId;
  } rows[] = {
      {C_CntrFglPmp::ClassDef(), 3042,
       {{35009, A::ToggleRun, 45}, {35007, A::ToggleIncrease, 41}, {35006, A::ToggleDecrease, 42},
        {35005, A::Action, -1}, {35008, A::Properties, -1}}, 45},
      {C_RtryWhl::ClassDef(), 3050, {{35035, A::ToggleRun, 45}, {35033, A::Action, -1}, {35034, A::Properties, -1}}, -1},
      {C_DosePump::ClassDef(), 3044,
       {{35017, A::ToggleRun, 68}, {35015, A::ToggleIncrease, 64}, {35014, A::ToggleDecrease, 65},
        {35013, A::Action, -1}, {35016, A::Properties, -1}}, -1},
      {C_Belt::ClassDef(), 3041,
       {{35004, A::ToggleRun, 61}, {35002, A::ToggleIncrease, 57}, {35001, A::ToggleDecrease, 58},
        {35000, A::Action, -1}, {35003, A::Properties, -1}}, -1},
      {C_HtZn::ClassDef(), 3047, {{35028, A::ToggleRun, 87}, {35026, A::Action, -1}, {35027, A::Properties, -1}}, -1},
      {C_Vessel::ClassDef(), 3053, {{35043, A::ToggleRun, 65}, {35041, A::Action, -1}, {35042, A::Properties, -1}}, -1},
      {C_SpryDryr::ClassDef(), 3051, {{35036, A::Action, -1}, {35037, A::Properties, -1}}, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.menuId);
    EXPECT_EQ(row.def.menu.menuId, row.menuId);
    EXPECT_EQ(row.def.menu.speedNeedsRunId, row.speedNeedsRunId);
    ASSERT_EQ(row.def.menu.items.size(), row.items.size());
    for (size_t i = 0; i < row.items.size(); ++i) {
      EXPECT_EQ(row.def.menu.items[i].commandId, row.items[i].commandId);
      EXPECT_EQ(row.def.menu.items[i].action, row.items[i].action);
      EXPECT_EQ(row.def.menu.items[i].attribId, row.items[i].attribId);
    }
  }
}

TEST(DeviceTablesTest, MenuResourcesHoldTheTextsInOrder) {
  ShapeWorld world;
  const struct {
    std::function<std::unique_ptr<C_BaseShape>()> make;
    std::vector<std::string> texts;  // as offered to a stopped device
  } rows[] = {
      {Classes()[0].make, {"Take ON", "Take ON Inc", "Take ON Dec", "&Action", "Properties"}},
      {Classes()[1].make, {"Take ON", "&Action", "Properties"}},
      {Classes()[2].make, {"Take ON", "Take ON Inc", "Take ON Dec", "&Action", "Properties"}},
      {Classes()[3].make, {"Take ON", "Take ON Inc", "Take ON Dec", "&Action", "Properties"}},
      {Classes()[4].make, {"Take ON", "&Action", "Properties"}},
      {Classes()[5].make, {"Take ON", "&Action", "Properties"}},
      {Classes()[6].make, {"&Action", "Properties"}},
  };
  for (const auto& row : rows) {
    const std::unique_ptr<C_BaseShape> shape = row.make();
    ASSERT_TRUE(world.Create(*shape));
    const std::vector<MenuItemSeen> items = OpenContextMenu(*shape);
    ASSERT_EQ(items.size(), row.texts.size()) << shape->GetDeviceName();
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].text, row.texts[i]) << shape->GetDeviceName();
  }
}

}  // namespace
