#include "plant/PlantTestSupport.h"

#include <gtest/gtest.h>

#include <map>

#include "attrib/AttribTypes.h"
#include "core/AccessLog.h"
#include "core/IniFile.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "platform/Thread.h"
#include "platform/ui/DC.h"
#include "res/Resources.h"

namespace plant_test {

namespace {

// Analog groups and flags of a stand-in class, by name.
struct StandInClass {
  int controlType;
  std::vector<std::pair<const char*, double>> groups;  // name, MaxVlu default
  std::vector<std::string> flags;
};

const std::vector<std::string> kDriveFlags = {"LocalCntrlSpeed", "AutoCntrlSpeed", "DoOnOffSpeed", "DiOnOffSpeed"};
const std::vector<std::string> kValveFlags = {"LlaFlgPosition", "HlaFlgPosition", "AutoCntrlPosition",
                                              "DoOnOffPosition", "DiOnOffPosition"};

const std::vector<StandInClass>& StandInClassList() {
  static const std::vector<StandInClass> list = {
      {CT_VESSEL, {{"Level", 100}}, {"HlaFlgLevel", "AutoCntrlLevel", "DoOnOffSpeed", "DiOnOffSpeed"}},
      {CT_BELT, {{"Speed", 100}, {"Load", 100}, {"Flow", 20000}}, kDriveFlags},
      {CT_DOSE_PUMP,
       {{"Stroke", 100}, {"Speed", 100}, {"Flow", 20000}, {"InputPressure", 100}},
       {"LocalCntrlSpeed", "AutoCntrlStroke", "DoOnOffSpeed", "DiOnOffSpeed"}},
      {CT_CNTR_FGL_PUMP, {{"Speed", 100}}, kDriveFlags},
      {CT_RTRY_WHL, {{"Speed", 100}}, kDriveFlags},
      {CT_HEAT_ZONE,
       {{"Temperature", 700}},
       {"HlaFlgTemperature", "AutoCntrlTemperature", "DoOnOffPressure", "DiOnOffPressure", "DiOnOffFuel"}},
      {CT_VALVE, {{"Position", 100}}, kValveFlags},
      {CT_DBF_VALVE, {{"Position", 100}}, kValveFlags},
      {CT_SPRAY_DRYER,
       {{"InletTemperature", 700},
        {"SlurryFlowrate", 20000},
        {"SlurryPressure", 100},
        {"SlurryTemperature", 200},
        {"SlurryMoisture", 100},
        {"OutletTemperature", 218},
        {"OutletVacuum", 30},
        {"PowderDensity", 400},
        {"PowderMoisture", 13},
        {"TowerSafetyTemperat1_Phy", 500},
        {"TowerSafetyTemperat2_Phy", 500},
        {"TowerSafetyTemperat3_Phy", 500},
        {"TowerSafetyTemperat4_Phy", 500}},
       {"AutoCntrlInletTemperature"}},
  };
  return list;
}

const ShapeClassDef& StandInDef(int controlType) {
  static const std::map<int, ShapeClassDef> defs = [] {
    std::map<int, ShapeClassDef> made;
    for (const StandInClass& c : StandInClassList()) {
      const auto build = [&c](const std::vector<std::string>& others) {
        ShapeAttribTable::Builder builder(PortRule::Stored);
        builder.Float({"ReserveFloat1"});
        for (const auto& [name, max] : c.groups) builder.Analog(AnalogSpec(name, "", max));
        builder.Bool(c.flags);
        if (!others.empty()) builder.Float(others);
        builder.Int({"ReserveInt1"}).String({"ReserveStr1"});
        return builder.Build();
      };
      // The names of the plant's table that the groups and flags above do
      // not make (the view's), as plain numbers.
      ShapeClassDef def;
      def.controlType = c.controlType;
      def.attribs = build({});
      std::vector<std::string> others;
      for (const PlantAttribNames& row : PlantAttribNameTable())
        if (row.controlType == c.controlType)
          for (const char* name : row.names)
            if (def.attribs.FindId(name) < 0) others.emplace_back(name);
      if (!others.empty()) def.attribs = build(others);
      made.emplace(c.controlType, std::move(def));
    }
    return made;
  }();
  return defs.at(controlType);
}

StandInDevice* Tower(C_BaseShape& shape) { return dynamic_cast<StandInDevice*>(&shape); }

// The tower's nozzle interface over the stand-in grid.
double GetNozzle(C_BaseShape& shape, int n, int field) {
  StandInDevice* tower = Tower(shape);
  if (!tower || n < 1 || n > static_cast<int>(tower->nozzles.size())) return NOZZLE_READ_REJECTED;
  const Nozzle& z = tower->nozzles[static_cast<size_t>(n - 1)];
  switch (field) {
    case NOZZLE_OPEN: return z.open ? NOZZLE_FLAG_TRUE : NOZZLE_FLAG_FALSE;
    case NOZZLE_FAULT: return z.fault ? NOZZLE_FLAG_TRUE : NOZZLE_FLAG_FALSE;
    case NOZZLE_RATE: return z.rate;
    case NOZZLE_MAX: return z.max;
    case NOZZLE_MIN: return z.min;
    default: return NOZZLE_READ_REJECTED;
  }
}

int SetNozzle(C_BaseShape& shape, int n, int field, double value) {
  StandInDevice* tower = Tower(shape);
  if (!tower || n < 1 || n > static_cast<int>(tower->nozzles.size())) return NOZZLE_REJECTED;
  Nozzle& z = tower->nozzles[static_cast<size_t>(n - 1)];
  const auto flag = [&](int& target) {
    if (value != NOZZLE_FLAG_TRUE && value != NOZZLE_FLAG_FALSE) return NOZZLE_REJECTED;
    target = value == NOZZLE_FLAG_TRUE ? 1 : 0;
    return NOZZLE_DONE;
  };
  switch (field) {
    case NOZZLE_OPEN: return flag(z.open);
    case NOZZLE_FAULT: return flag(z.fault);
    case NOZZLE_MAX: z.max = static_cast<float>(value); return NOZZLE_DONE;
    case NOZZLE_MIN: z.min = static_cast<float>(value); return NOZZLE_DONE;
    case NOZZLE_RATE:
      if (value < z.min || value > z.max) return NOZZLE_REJECTED;
      z.rate = static_cast<float>(value);
      return NOZZLE_DONE;
    default: return NOZZLE_REJECTED;
  }
}

PlantDeviceClasses MakeStandInClasses() {
  PlantDeviceClasses classes;
  for (const StandInClass& c : StandInClassList()) {
    classes.factories[c.controlType] = [](const PlantDeviceRow& row) {
      return std::make_unique<StandInDevice>(row, StandInDef(row.controlType));
    };
  }
  classes.nozzles.count = [](C_BaseShape& shape) {
    StandInDevice* tower = Tower(shape);
    return tower ? static_cast<int>(tower->nozzles.size()) : 0;
  };
  classes.nozzles.get = GetNozzle;
  classes.nozzles.set = SetNozzle;
  return classes;
}

constexpr const char* kTagLines = "1, PlantFloat, NULL, , NULL, Float, 0, 0,\n";

// The "_NO_DCTAG_" marks the shapes write for their unbound attributes at
// creation, written at once: a settings file that has them spares each
// test thousands of single writes.
std::string UnboundMarks(const CPlant& plant) {
  std::string text;
  const auto add = [&text](const std::string& section, const ShapeClassDef& def) {
    text += "[" + section + "]\n";
    for (int id = BA_COUNT; id < def.attribs.GetCount(); ++id) {
      ASSERT_NE(def.attribs.Find(id), nullptr);
      const std::string name = def.attribs.Find(id)->name;
      if (name.find("Reserve") == std::string::npos) text += name + ".Tag=_NO_DCTAG_\n";
    }
  };
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    if (const C_BaseShape* device = plant.FindDevice(row.name))
      add(device->GetIniSectionName(), device->GetClassDef());
  }
  add("PrcGeneral.PrcGeneral", C_ProcessDataGen::ClassDef());
  add("PrcShift.PrcShift", C_ProcessDataShift::ClassDef());
  add("PrcRecipeGen.PrcRecipeGen", C_ProcessDataRecipeGen::ClassDef());
  for (unsigned i = 0; i < kLoopCount; ++i) add("PrcLoop.Loop" + GetLoopName(i), C_ProcessDataLoop::ClassDef());
  for (unsigned i = 0; i < kAlarmCount; ++i) add("PrcAlarm." + GetAlarmName(i), C_ProcessDataAlarm::ClassDef());
  return text;
}

}  // namespace

StandInDevice::StandInDevice(const PlantDeviceRow& row, const ShapeClassDef& def)
    : C_BaseShape(SHAPE_SETTINGS_INI_INDEX, row.CreateInfo(), def) {
  if (row.controlType == CT_SPRAY_DRYER) nozzles.resize(kTowerNozzleRows * kTowerNozzleCols);
}

void StandInDevice::DrawShape(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(client, GetMimicBgColor());
  DrawFrame(dc);
}

const PlantDeviceClasses& StandInDeviceClasses() {
  static const PlantDeviceClasses classes = MakeStandInClasses();
  return classes;
}

PlantDeviceClasses StandInDeviceClassesWithout(int controlType) {
  PlantDeviceClasses classes = MakeStandInClasses();
  classes.factories.erase(controlType);
  return classes;
}

// ---- PlantRig ------------------------------------------------------------------------------------

PlantRig::PlantRig(const PlantDeviceClasses& classes, const std::string& settings,
                   const std::vector<PlantAttribNames>& names) {
  LoadResourceTables();
  CVekEncryption::SetFastHashingForTest(true);
  m_dir.Write("VTLN-DCTags.dct", kTagLines);
  {
    CVekAccessControl users;
    users.LoadUserFile(m_dir.File("VTLN-VXC.sys"), true);
    std::string error;
    EXPECT_NE(users.AddUser("admin", "pw", CVekAccessUser::eGroupVekAdmin, &error), nullptr) << error;
    EXPECT_NE(users.AddUser("tech", "pw", CVekAccessUser::eGroupTechnical, &error), nullptr) << error;
    EXPECT_NE(users.AddUser("oper", "pw", CVekAccessUser::eGroupOperator, &error), nullptr) << error;
  }
  m_plant = std::make_unique<CPlant>(classes, names);
  m_dir.Write("VTLN-Setting.ini",
              "[Application]\nCoreControlType=PC-Base\n" + settings + UnboundMarks(*m_plant));
  EXPECT_TRUE(m_mimic.CreateHidden());
}

PlantRig::~PlantRig() {
  // The application's exit order.
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->ShutDown();
  m_plant->DestroyProcessData();
  m_plant->DestroyDevices();
  CVekEngineBase::SetEngine(nullptr);
  C_BaseShape::DeletePackIniFiles();
  C_BaseShape::DeleteDeviceNameList();
  m_plant.reset();
  Deliver();
  CVekEncryption::SetFastHashingForTest(false);
  SetAccessLogFile("");
}

bool PlantRig::Start() {
  m_plant->CreateProcessData();
  m_engine = m_plant->CreateEngine();
  if (!m_engine) return false;
  m_engine->SetFileNames("VTLN");
  if (!CVekEngineBase::SetEngine(m_engine)) return false;
  // The tests sample and record by hand; the engine window's 1 s timer
  // would add samples whenever a slow step lets it fire.
  m_engine->KillTimer(CVekEngineBase::kTimerProcessInfo);
  C_BaseShape::CreatePackIniFileTable(SHAPE_DEFAULT_INI_FILE_COUNT);
  C_BaseShape::SetPackIniFile(SHAPE_SETTINGS_INI_INDEX, new CIniFile(m_engine->GetSettingFileName(true)));
  return true;
}

bool PlantRig::CreateWindows() {
  if (!m_engine->SetMainWnd(&m_mimic)) return false;
  if (!m_plant->CreateDeviceShapes(&m_mimic)) return false;
  if (!m_engine->OpenTables()) return false;
  const bool ok = m_plant->AttachProcessData(&m_mimic);
  Deliver();
  return ok;
}

void PlantRig::CreateWindowsWithoutThreads(const std::string& except) {
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    C_BaseShape* device = m_plant->FindDevice(row.name);
    if (!device || row.name == except) continue;
    EXPECT_TRUE(device->Create(&m_mimic)) << row.name;
  }
  EXPECT_TRUE(m_plant->AttachProcessData(&m_mimic));
  Deliver();
}

void PlantRig::Deliver() { ProcessPendingEvents(); }

CVekAccessUser* PlantRig::User(const std::string& name) const {
  CVekAccessControl* users = CVekEngineBase::GetEngineAccessControl();
  return users ? users->FindUser(name) : nullptr;
}

C_BaseShape* PlantRig::Device(const std::string& name) const {
  C_BaseShape* device = m_plant->FindDevice(name);
  EXPECT_NE(device, nullptr) << "no device " << name;
  return device;
}

float PlantRig::Float(const std::string& device, const char* attrib) const {
  C_BaseShape* shape = Device(device);
  const int id = m_plant->AttribId(shape, attrib);
  EXPECT_GE(id, 0) << device << "." << attrib;
  return id >= 0 ? shape->GetAttribFloat(id) : 0.0f;
}

bool PlantRig::Bool(const std::string& device, const char* attrib) const {
  C_BaseShape* shape = Device(device);
  const int id = m_plant->AttribId(shape, attrib);
  EXPECT_GE(id, 0) << device << "." << attrib;
  return id >= 0 && shape->GetAttribBool(id);
}

void PlantRig::SetFloat(const std::string& device, const char* attrib, float value) const {
  C_BaseShape* shape = Device(device);
  const int id = m_plant->AttribId(shape, attrib);
  ASSERT_GE(id, 0) << device << "." << attrib;
  shape->SetAttribFloat(id, value);
}

void PlantRig::SetBool(const std::string& device, const char* attrib, bool value) const {
  C_BaseShape* shape = Device(device);
  const int id = m_plant->AttribId(shape, attrib);
  ASSERT_GE(id, 0) << device << "." << attrib;
  shape->SetAttribBool(id, value);
}

}  // namespace plant_test
