// Every own attribute of every device class (name, type, "Data" default)
// and the class colours, against the attribute lists of the plant's
// documentation, written here as those lists read: runs of ids with their
// names and the naming rules of the analog groups and their flags. Every id
// from 27 to the pack's end is checked, and the first id past it.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DBFValve.h"
#include "shapes/DosePump.h"
#include "shapes/HtZn.h"
#include "shapes/RtryWhl.h"
#include "shapes/SpryDryr.h"
#include "shapes/Valve.h"
#include "shapes/Vessel.h"
#include "shapes/fixture/ShapeFixture.h"

namespace {

using namespace shape_test;
using Names = std::vector<std::string>;

// An analog group's eight members: G, MinVluG, MaxVluG, LlaVluG, HlaVluG,
// GPort, MinVluGPort, MaxVluGPort.
Names Group(const std::string& g) {
  return {g, "MinVlu" + g, "MaxVlu" + g, "LlaVlu" + g, "HlaVlu" + g, g + "Port", "MinVlu" + g + "Port",
          "MaxVlu" + g + "Port"};
}
// A tower-safety group: G_Phy, G_MinPhyVlu, ..., G_MaxPortVlu.
Names SafetyGroup(int n) {
  const std::string g = "TowerSafetyTemperat" + std::to_string(n);
  return {g + "_Phy",    g + "_MinPhyVlu", g + "_MaxPhyVlu",  g + "_LlaVlu",
          g + "_HlaVlu", g + "_Port",      g + "_MinPortVlu", g + "_MaxPortVlu"};
}
// The digital companions of a group: the first `count` of the nine.
Names Flags(const std::string& g, size_t count = 9) {
  static const char* const kNine[] = {"LlaFlg",     "HlaFlg",     "LocalCntrl", "AutoCntrl", "DoIncrease",
                                      "DoDecrease", "DiOnOff",    "DiOnAlarm",  "DoOnOff"};
  Names names;
  for (size_t i = 0; i < count; ++i) names.push_back(kNine[i] + g);
  return names;
}
// prefix1 .. prefixN.
Names Numbered(const std::string& prefix, int n) {
  Names names;
  for (int i = 1; i <= n; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

// Consecutive ids from `first`, all of one type.
struct IdRun {
  int first;
  VARTYPE vt;
  Names names;
};

struct DocumentedClass {
  const char* name;
  std::function<std::unique_ptr<C_BaseShape>()> make;
  int count;
  std::vector<IdRun> runs;
  COLORREF bg, fg, body;
  std::map<std::string, double> defaults;  // "Data" defaults other than 0
};

std::vector<IdRun> Join(std::vector<IdRun> a, const std::vector<IdRun>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

ShapeCreateInfo Info(const char* name) { return ShapeCreateInfo(0, 0, 0, 60, 60, 0, 1, name); }

const std::vector<DocumentedClass>& DocumentedClasses() {
  static const std::vector<DocumentedClass> classes = [] {
    std::vector<DocumentedClass> list;
    // Valve shapes: one Position group; ids 41-45 differ between the two.
    const std::vector<IdRun> valveHead = {{27, VT_R4, {"ReserveFloat1"}},
                                        {28, VT_R4, Group("Position")},
                                        {36, VT_BOOL, {"ReserveBool1"}},
                                        {37, VT_BOOL, Flags("Position", 4)}};
    const std::vector<IdRun> valveTail = {{46, VT_I4, {"ReserveInt1"}}, {47, VT_BSTR, {"ReserveStr1"}}};
    list.push_back({"C_Valve", [] { return std::make_unique<C_Valve>(Info("V")); }, 48,
                    Join(Join(valveHead, {{41, VT_BOOL,
                                           {"DoOnOffPosition", "DiOnOffPosition", "DoLowFlow", "DoHighFlow",
                                            "DiOnAlarmPosition"}}}),
                         valveTail),
                    0x00D7FF, 0xFAFADC, 0x000000,
                    {{"MaxVluPosition", 1000}, {"HlaVluPosition", 1000}, {"MinVluPositionPort", 5000},
                     {"MaxVluPositionPort", 27000}}});
    list.push_back({"C_DBFValve", [] { return std::make_unique<C_DBFValve>(Info("D")); }, 48,
                    Join(Join(valveHead, {{41, VT_BOOL,
                                           {"DoIncreasePosition", "DoDecreasePosition", "DiOnOffPosition",
                                            "DiOnAlarmPosition", "DoOnOffPosition"}}}),
                         valveTail),
                    0xFFFFFF, 0x00009D, 0x40FF00,
                    {{"MaxVluPosition", 100}, {"HlaVluPosition", 100}, {"MinVluPositionPort", 5000},
                     {"MaxVluPositionPort", 27000}}});
    // Centrifugal machines and wheels: one list of names for both.
    const std::vector<IdRun> speedOnly = {{27, VT_R4, {"ReserveFloat1"}}, {28, VT_R4, Group("Speed")},
                                        {36, VT_BOOL, {"ReserveBool1"}}, {37, VT_BOOL, Flags("Speed")},
                                        {46, VT_I4, {"ReserveInt1"}},    {47, VT_BSTR, {"ReserveStr1"}}};
    list.push_back({"C_CntrFglPmp", [] { return std::make_unique<C_CntrFglPmp>(Info("P")); }, 48, speedOnly,
                    0x808080, 0x5AAFFF, 0x6EB43C,
                    {{"MaxVluSpeed", 100}, {"HlaVluSpeed", 100}, {"MinVluSpeedPort", 5000},
                     {"MaxVluSpeedPort", 27000}}});
    list.push_back({"C_RtryWhl",
                    [] { return std::make_unique<C_RtryWhl>(ShapeCreateInfo(10, 0, 0, 30, 30, 2, 1, "W")); }, 48,
                    speedOnly, 0x808080, 0x6EB43C, 0xFAFADC,
                    {{"MaxVluSpeed", 1000}, {"HlaVluSpeed", 1000}, {"MinVluSpeedPort", 5000},
                     {"MaxVluSpeedPort", 27000}}});
    list.push_back({"C_DosePump", [] { return std::make_unique<C_DosePump>(Info("H")); }, 75,
                    {{27, VT_R4, {"ReserveFloat1"}},
                     {28, VT_R4, Group("Stroke")},
                     {36, VT_R4, Group("Speed")},
                     {44, VT_R4, Group("Flow")},
                     {52, VT_R4, {"InputPressure"}},
                     {53, VT_BOOL, {"ReserveBool1"}},
                     {54, VT_BOOL, Flags("Stroke", 6)},
                     {60, VT_BOOL, Flags("Speed")},
                     {69, VT_BOOL, Flags("Flow", 4)},
                     {73, VT_I4, {"ReserveInt1"}},
                     {74, VT_BSTR, {"ReserveStr1"}}},
                    0x73B43C, 0xFAFADC, 0x005A00,
                    {{"MaxVluStroke", 10}, {"HlaVluStroke", 10}, {"MaxVluSpeed", 100}, {"HlaVluSpeed", 100},
                     {"MaxVluFlow", 1000}, {"HlaVluFlow", 1000}, {"MinVluStrokePort", 5000},
                     {"MinVluSpeedPort", 5000}, {"MinVluFlowPort", 5000}, {"MaxVluStrokePort", 27000},
                     {"MaxVluSpeedPort", 27000}, {"MaxVluFlowPort", 27000}}});
    list.push_back({"C_Belt",
                    [] { return std::make_unique<C_Belt>(ShapeCreateInfo(0x2000001, 0, 0, 200, 50, 35, 1, "B")); },
                    72,
                    {{27, VT_R4, {"ReserveFloat1"}},
                     {28, VT_R4, Group("Speed")},
                     {36, VT_R4, Group("Load")},
                     {44, VT_R4, Group("Flow")},
                     {52, VT_BOOL, {"ReserveBool1"}},
                     {53, VT_BOOL, Flags("Speed")},
                     {62, VT_BOOL, Flags("Load", 4)},
                     {66, VT_BOOL, Flags("Flow", 4)},
                     {70, VT_I4, {"ReserveInt1"}},
                     {71, VT_BSTR, {"ReserveStr1"}}},
                    0x000000, 0x73B43C, 0x00D7FF,
                    {{"MaxVluSpeed", 1000}, {"HlaVluSpeed", 1000}, {"MaxVluLoad", 1000}, {"HlaVluLoad", 1000},
                     {"MaxVluFlow", 1000}, {"HlaVluFlow", 1000}, {"MinVluSpeedPort", 5000},
                     {"MinVluLoadPort", 5000}, {"MinVluFlowPort", 5000}, {"MaxVluSpeedPort", 27000},
                     {"MaxVluLoadPort", 27000}, {"MaxVluFlowPort", 27000}}});
    std::map<std::string, double> heatZone = {{"MaxVluTemperature", 2000}, {"HlaVluTemperature", 2000}};
    for (const char* g : {"Pressure", "Fuel", "Air"}) {
      heatZone[std::string("MaxVlu") + g] = 100;
      heatZone[std::string("HlaVlu") + g] = 100;
    }
    for (const char* g : {"Temperature", "Pressure", "Fuel", "Air"}) {
      heatZone[std::string("MinVlu") + g + "Port"] = 5000;
      heatZone[std::string("MaxVlu") + g + "Port"] = 27000;
    }
    list.push_back({"C_HtZn",
                    [] { return std::make_unique<C_HtZn>(ShapeCreateInfo(0, 0, 0, 69, 110, 0x3C000237, 1, "Z")); },
                    99,
                    {{27, VT_R4, {"ReserveFloat1"}},
                     {28, VT_R4, Group("Temperature")},
                     {36, VT_R4, Group("Pressure")},
                     {44, VT_R4, Group("Fuel")},
                     {52, VT_R4, Group("Air")},
                     {60, VT_BOOL, {"ReserveBool1"}},
                     {61, VT_BOOL, Flags("Temperature")},
                     {70, VT_BOOL, Flags("Pressure")},
                     {79, VT_BOOL, Flags("Fuel")},
                     {88, VT_BOOL, Flags("Air")},
                     {97, VT_I4, {"ReserveInt1"}},
                     {98, VT_BSTR, {"ReserveStr1"}}},
                    0xD7D7FF, 0xC0C0C0, 0xFFFFFF, heatZone});
    std::map<std::string, double> vessel = {{"TareLevel", 0.2}, {"OverloadWarningLevel", 5},
                                            {"OverloadErrorLevel", 30}};
    for (const char* g : {"Level", "Speed", "Temperature"}) {
      vessel[std::string("MaxVlu") + g] = 1000;
      vessel[std::string("HlaVlu") + g] = 1000;
      vessel[std::string("MinVlu") + g + "Port"] = 5000;
      vessel[std::string("MaxVlu") + g + "Port"] = 27000;
    }
    list.push_back({"C_Vessel",
                    [] { return std::make_unique<C_Vessel>(ShapeCreateInfo(0x3000, 0, 0, 70, 160, 0x40405000, 1, "S")); },
                    73,
                    {{27, VT_R4, {"ReserveFloat1"}},
                     {28, VT_R4, Group("Level")},
                     {36, VT_R4, Group("Speed")},
                     {44, VT_R4, Group("Temperature")},
                     {52, VT_R4, {"TareLevel", "OverloadWarningLevel", "OverloadErrorLevel"}},
                     {55, VT_BOOL, {"ReserveBool1"}},
                     {56, VT_BOOL, Flags("Level", 4)},
                     {60, VT_BOOL, Flags("Speed", 4)},
                     {64, VT_BOOL, {"DiOnOffSpeed", "DoOnOffSpeed", "DiOnAlarmSpeed"}},
                     {67, VT_BOOL, Flags("Temperature", 4)},
                     {71, VT_I4, {"ReserveInt1"}},
                     {72, VT_BSTR, {"ReserveStr1"}}},
                    0x6EB43C, 0xE1FFFF, 0xFF0000, vessel});
    // The tower: fifteen groups, then its own figures, flags and settings.
    const char* const towerGroups[] = {"InletTemperature", "SlurryFlowrate", "SlurryPressure", "SlurryTemperature",
                                       "SlurryMoisture",   "CalorieDemand",  "NozzelFlowrate", "OutletTemperature",
                                       "OutletVacuum",     "PowderDensity",  "PowderMoisture"};
    std::vector<IdRun> tower = {{27, VT_R4, {"ReserveFloat1"}}};
    int id = 28;
    for (const char* g : towerGroups) {
      tower.push_back({id, VT_R4, Group(g)});
      id += 8;
    }
    for (int n = 1; n <= 4; ++n) {
      tower.push_back({id, VT_R4, SafetyGroup(n)});
      id += 8;
    }
    std::map<std::string, double> towerDefaults = {
        {"InletTemperature", 362},     {"MaxVluInletTemperature", 700},   {"HlaVluInletTemperature", 700},
        {"SlurryFlowrate", 16000},     {"MaxVluSlurryFlowrate", 20000},   {"HlaVluSlurryFlowrate", 20000},
        {"SlurryPressure", 34},        {"MaxVluSlurryPressure", 100},     {"HlaVluSlurryPressure", 100},
        {"SlurryTemperature", 88},     {"MaxVluSlurryTemperature", 200},  {"HlaVluSlurryTemperature", 200},
        {"SlurryMoisture", 30},        {"MaxVluSlurryMoisture", 100},     {"HlaVluSlurryMoisture", 100},
        {"CalorieDemand", 1000},       {"MaxVluCalorieDemand", 1800},     {"HlaVluCalorieDemand", 1800},
        {"NozzelFlowrate", 70},        {"MaxVluNozzelFlowrate", 100},     {"HlaVluNozzelFlowrate", 100},
        {"OutletTemperature", 88},     {"MaxVluOutletTemperature", 218},  {"HlaVluOutletTemperature", 218},
        {"OutletVacuum", 8},           {"MaxVluOutletVacuum", 30},        {"HlaVluOutletVacuum", 30},
        {"PowderDensity", 330},        {"MaxVluPowderDensity", 400},      {"HlaVluPowderDensity", 400},
        {"MinVluPowderMoisture", 2},   {"LlaVluPowderMoisture", 2},       {"MaxVluPowderMoisture", 13},
        {"HlaVluPowderMoisture", 13}};
    for (const char* g : towerGroups) {
      towerDefaults[std::string(g) + "Port"] = 10000;
      towerDefaults[std::string("MinVlu") + g + "Port"] = 5000;
      towerDefaults[std::string("MaxVlu") + g + "Port"] = 27000;
    }
    for (int n = 1; n <= 4; ++n) {
      const Names g = SafetyGroup(n);
      towerDefaults[g[2]] = 500;
      towerDefaults[g[4]] = 500;
      towerDefaults[g[5]] = 10000;
      towerDefaults[g[6]] = 5000;
      towerDefaults[g[7]] = 27000;
      towerDefaults["VI_bShowTowerSafetyTemperat" + std::to_string(n)] = 1;
    }
    const std::vector<IdRun> towerRest = {
        {148, VT_R4, {"VI_fTowerSafetyCurMaxTowerTemperatur"}},
        {149, VT_R4, Numbered("VI_fTowerSafetyTemperSlope", 8)},
        {157, VT_BOOL, {"ReserveBool1"}},
        {158, VT_BOOL, Flags("InletTemperature", 4)},
        {162, VT_BOOL, Flags("SlurryFlowrate", 2)},
        {164, VT_BOOL, Flags("SlurryPressure", 4)},
        {168, VT_BOOL, Flags("SlurryTemperature", 2)},
        {170, VT_BOOL, Flags("SlurryMoisture", 4)},
        {174, VT_BOOL, Flags("CalorieDemand", 4)},
        {178, VT_BOOL, Flags("NozzelFlowrate", 2)},
        {180, VT_BOOL, Flags("OutletTemperature", 4)},
        {184, VT_BOOL, Flags("OutletVacuum", 4)},
        {188, VT_BOOL, Flags("PowderDensity", 4)},
        {192, VT_BOOL, Flags("PowderMoisture", 4)},
        {196, VT_BOOL, Numbered("VI_bShowTowerSafetyTemperat", 4)},
        {200, VT_BOOL,
         {"VI_bFireDetected", "VI_bFireFighting", "VI_bStopBurner", "VI_bReduceBurner", "VI_bLetHammerAutoService",
          "VI_bHammerIsInAutoService"}},
        {206, VT_BOOL, Numbered("VI_bTakeOnHammer", 8)},
        {214, VT_I4, {"ReserveInt1", "VI_iHammerOperationMode", "VI_iHammerCyclePeriod", "VI_iHammerCycleTimer"}},
        {218, VT_I4, Numbered("VI_iOnDelayHammer", 8)},
        {226, VT_I4, Numbered("VI_iOnStateTimeHammer", 8)},
        {234, VT_I4,
         {"VI_iTowerSafetyCriticalDeltaT_PerMin", "VI_iTowerSafetySlopeCalcPeriod",
          "VI_iTowerSafetyCriticalTopTowerTemper", "VI_iTowerSafetyCriticalFireTemper"}},
        {238, VT_BSTR, {"ReserveStr1"}}};
    list.push_back({"C_SpryDryr",
                    [] {
                      return std::make_unique<C_SpryDryr>(ShapeCreateInfo(0, 0, 0, 120, 700, 0, 0, "T"), 4, 5);
                    },
                    239, Join(tower, towerRest), 0x808080, 0xC0C0C0, 0x1E1E1E, towerDefaults});
    return list;
  }();
  return classes;
}

TEST(ClassAttribPartTable, EveryOwnIdHasItsDocumentedNameTypeAndDefault) {
  ShapeWorld world;
  for (const DocumentedClass& doc : DocumentedClasses()) {
    SCOPED_TRACE(doc.name);
    const std::unique_ptr<C_BaseShape> shape = doc.make();
    ASSERT_EQ(shape->GetAttribCount(), doc.count);
    // The runs cover 27 .. count-1 without a gap.
    std::map<int, std::pair<std::string, VARTYPE>> documented;
    for (const IdRun& run : doc.runs)
      for (size_t i = 0; i < run.names.size(); ++i)
        documented[run.first + static_cast<int>(i)] = {run.names[i], run.vt};
    ASSERT_EQ(documented.size(), static_cast<size_t>(doc.count - 27));
    ASSERT_EQ(documented.begin()->first, 27);
    ASSERT_EQ(documented.rbegin()->first, doc.count - 1);
    std::map<std::string, double> unused = doc.defaults;
    for (const auto& [id, want] : documented) {
      const auto& [name, vt] = want;
      EXPECT_EQ(shape->GetAttribName(id), name) << id;
      EXPECT_EQ(shape->GetAttribType(id), vt) << id << " " << name;
      const auto it = doc.defaults.find(name);
      const double value = it == doc.defaults.end() ? 0.0 : it->second;
      unused.erase(name);
      if (vt == VT_R4) {
        EXPECT_FLOAT_EQ(shape->GetDefaultFloat(id, AP_DATA), static_cast<float>(value)) << name;
      } else if (vt != VT_BSTR) {
        EXPECT_EQ(shape->GetDefaultInt(id, AP_DATA), static_cast<int>(value)) << name;
      }
    }
    EXPECT_TRUE(unused.empty()) << "a documented default names no attribute: " << unused.begin()->first;
    // Past the pack: no type, and the base's name rule.
    char past[16];
    std::snprintf(past, sizeof past, "%08X", static_cast<unsigned>(doc.count));
    EXPECT_EQ(shape->GetAttribType(doc.count), VT_EMPTY);
    EXPECT_EQ(shape->GetAttribName(doc.count), past);
    // The class colours, with the "Old" copies following them.
    const struct {
      int id, oldId;
      COLORREF colour;
    } colours[] = {{BA_ColorBG, BA_ColorBgOld, doc.bg},
                   {BA_ColorFG, BA_ColorFgOld, doc.fg},
                   {BA_ColorBody, BA_ColorBodyOld, doc.body}};
    for (const auto& c : colours) {
      EXPECT_EQ(shape->GetDefaultInt(c.id, AP_DATA), static_cast<int>(c.colour)) << c.id;
      EXPECT_EQ(shape->GetDefaultInt(c.oldId, AP_DATA), static_cast<int>(c.colour)) << c.oldId;
    }
  }
}

}  // namespace
