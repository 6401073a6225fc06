// The plant's attribute names: the one table resolved when the plant is
// made and checked against the program's classes, a misspelt name stopping
// the engine with a message naming it, names outside the table reported
// once, the resolution keyed by class and name; and the look-up that lets
// a notice's receiver drop a pointer to an object that has gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "attrib/AttribTypes.h"
#include "attrib/VAttrib.h"
#include "plant/DeviceAttribs.h"
#include "plant/PlantTestSupport.h"

using plant_test::PlantRig;
using plant_test::StandInDeviceClasses;
using plant_test::StandInDeviceClassesWithout;

namespace {

// Every object of the plant whose class is the control type: devices, or
// the process-data objects of a process-data class.
std::vector<C_BaseShape*> ObjectsOf(CPlant& plant, int controlType) {
  std::vector<C_BaseShape*> objects(plant.Devices(controlType).begin(), plant.Devices(controlType).end());
  for (const auto& object : plant.ProcessData())
    if (object->GetControlType() == controlType) objects.push_back(object.get());
  return objects;
}

std::set<std::string> TableNames() {
  std::set<std::string> names;
  for (const PlantAttribNames& row : PlantAttribNameTable()) names.insert(row.names.begin(), row.names.end());
  return names;
}

TEST(PlantAttribNames, EveryNameOfTheTableIsAnAttributeOfItsClassInTheProgram) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start()) << (rig.Boxes().Count() ? rig.Boxes().Last().text : "");
  CPlant& plant = rig.Plant();
  EXPECT_TRUE(plant.GetUnresolvedAttribNames().empty()) << *plant.GetUnresolvedAttribNames().begin();
  std::set<int> classes;
  for (const PlantAttribNames& row : PlantAttribNameTable()) {
    EXPECT_TRUE(classes.insert(row.controlType).second) << "one row per class: " << ControlTypeToName(row.controlType);
    const std::vector<C_BaseShape*> objects = ObjectsOf(plant, row.controlType);
    // A row whose class the program never makes would be skipped unchecked.
    ASSERT_FALSE(objects.empty()) << ControlTypeToName(row.controlType);
    for (const char* name : row.names) {
      const int id = plant.AttribId(objects.front(), name);
      EXPECT_GE(id, 0) << ControlTypeToName(row.controlType) << "." << name;
      EXPECT_EQ(id, objects.front()->GetClassDef().attribs.FindId(name)) << name;
    }
  }
  EXPECT_TRUE(plant.GetOffTableAttribNames().empty()) << *plant.GetOffTableAttribNames().begin();
  EXPECT_EQ(rig.Boxes().Count(), 0u);
}

struct MisspeltCase {
  const char* what;
  std::vector<PlantAttribNames> table;
  std::vector<std::string> named;  // "Class.Name" the message must name
};

TEST(PlantAttribNames, AMisspeltNameStopsTheEngineWithAMessageNamingEveryOne) {
  const std::vector<MisspeltCase> cases = {
      {"a device class", {{CT_BELT, {"Speed", "Spead"}}}, {"Belt.Spead"}},
      {"a process-data class", {{CT_PRC_GENERAL, {"TotalSlurryPresure"}}}, {"PrcGeneral.TotalSlurryPresure"}},
      {"the case of a letter", {{CT_SPRAY_DRYER, {"VI_bFiredetected"}}}, {"SprayDryer.VI_bFiredetected"}},
      {"a name of another class",
       {{CT_VALVE, {"Speed"}}, {CT_DOSE_PUMP, {"Position", "Stroke"}}},
       {"Valve.Speed", "DosePump.Position"}},
  };
  for (const MisspeltCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<PlantAttribNames> table = PlantAttribNameTable();
    table.insert(table.end(), c.table.begin(), c.table.end());
    PlantRig rig(ProgramDeviceClasses(), "", table);
    EXPECT_FALSE(rig.Start()) << "no engine on a name that does not exist";
    EXPECT_EQ(CVekEngineBase::GetEngine(), nullptr);
    ASSERT_EQ(rig.Boxes().Count(), 1u);
    const std::string& text = rig.Boxes().Last().text;
    EXPECT_EQ(text.rfind("The plant cannot start: these attribute names do not exist in their classes:", 0), 0u)
        << text;
    for (const std::string& name : c.named) EXPECT_NE(text.find("\n" + name), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(c.named.size())) << "only those: " << text;
    EXPECT_EQ(rig.Boxes().Last().flags & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
  }
}

TEST(PlantAttribNames, AClassThePlantDoesNotMakeHasNothingToResolve) {
  std::vector<PlantAttribNames> table = PlantAttribNameTable();
  table.push_back({CT_BELT, {"Spead"}});
  PlantRig rig(StandInDeviceClassesWithout(CT_BELT), "", table);
  EXPECT_TRUE(rig.Start());
  EXPECT_TRUE(rig.Plant().GetUnresolvedAttribNames().empty());
}

TEST(PlantAttribNames, ANameOutsideTheTableIsReportedOnceAndStillResolved) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  CPlant& plant = rig.Plant();
  C_BaseShape* belt = plant.Device(CT_BELT, 0);
  const int expected = belt->GetClassDef().attribs.FindId("MinVluSpeed");
  ASSERT_GE(expected, 0) << "a name of the class the table does not list";
  struct Case {
    const char* name;
    int id;
    bool unresolved;
  };
  for (const Case& c : {Case{"MinVluSpeed", expected, false}, Case{"Sped", -1, true}}) {
    SCOPED_TRACE(c.name);
    rig.Boxes().Clear();
    EXPECT_EQ(plant.AttribId(belt, c.name), c.id);
    ASSERT_EQ(rig.Boxes().Count(), 1u);
    EXPECT_NE(rig.Boxes().Last().text.find("Belt." + std::string(c.name)), std::string::npos) << rig.Boxes().Last().text;
    EXPECT_EQ(plant.AttribId(belt, c.name), c.id);
    EXPECT_EQ(DeviceAttribs(plant, plant.Device(CT_BELT, 0)).Float(c.name), c.id >= 0 ? belt->GetAttribFloat(c.id) : 0.0f);
    EXPECT_EQ(rig.Boxes().Count(), 1u) << "once";
    EXPECT_EQ(plant.GetOffTableAttribNames().count("Belt." + std::string(c.name)), 1u);
    EXPECT_EQ(plant.GetUnresolvedAttribNames().count("Belt." + std::string(c.name)), c.unresolved ? 1u : 0u);
  }
}

TEST(PlantAttribNames, ResolutionIsKeyedByClassAndNameNotByWhereTheNameIsStored) {
  PlantRig rig(ProgramDeviceClasses());
  ASSERT_TRUE(rig.Start());
  CPlant& plant = rig.Plant();
  C_BaseShape* belt = plant.Device(CT_BELT, 0);
  C_BaseShape* pump = plant.Device(CT_DOSE_PUMP, 0);
  const ShapeAttribTable& beltNames = belt->GetClassDef().attribs;
  const ShapeAttribTable& pumpNames = pump->GetClassDef().attribs;
  ASSERT_NE(beltNames.FindId("Speed"), pumpNames.FindId("Speed")) << "the classes number Speed differently";
  // One buffer, two names: the second look-up must not get the first's id.
  char name[32];
  std::strcpy(name, "Speed");
  EXPECT_EQ(plant.AttribId(belt, name), beltNames.FindId("Speed"));
  EXPECT_EQ(plant.AttribId(pump, name), pumpNames.FindId("Speed"));
  std::strcpy(name, "Flow");
  EXPECT_EQ(plant.AttribId(belt, name), beltNames.FindId("Flow"));
  EXPECT_EQ(plant.AttribId(pump, name), pumpNames.FindId("Flow"));
  // Every device of a class shares its class's ids.
  for (C_BaseShape* other : plant.Devices(CT_DOSE_PUMP)) EXPECT_EQ(plant.AttribId(other, "Flow"), pumpNames.FindId("Flow"));
  EXPECT_EQ(rig.Boxes().Count(), 0u);
}

// The source tree: from this file's name, which the compiler may have been
// given relative to the build folder.
std::filesystem::path SourceRoot() {
  const std::string file = __FILE__;
  const size_t tests = file.rfind("/tests/");
  if (std::filesystem::path(file).is_absolute()) return file.substr(0, tests);
  const std::string tail = file.substr(tests + 1);
  for (std::filesystem::path dir = std::filesystem::current_path();; dir = dir.parent_path()) {
    if (std::filesystem::exists(dir / tail)) return dir;
    if (dir == dir.parent_path()) return {};
  }
}

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The sources that reach attributes by name through the plant.
std::vector<std::filesystem::path> NameUsingSources(const std::filesystem::path& root) {
  std::vector<std::filesystem::path> files;
  for (const char* folder : {"app", "plant"}) {
    for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
      if (entry.path().extension() != ".cpp") continue;
      const std::string s = ReadAll(entry.path());
      if (s.find("DeviceAttribs") != std::string::npos || s.find("AttribId(") != std::string::npos ||
          s.find("SuperviseValueLabel") != std::string::npos)
        files.push_back(entry.path());
    }
  }
  return files;
}

TEST(PlantAttribNames, EveryAttributeNameTheSourcesSpellIsInTheTable) {
  const std::filesystem::path root = SourceRoot();
  ASSERT_TRUE(std::filesystem::exists(root / "plant" / "Plant.h")) << "the sources are not at " << root;
  const std::vector<std::filesystem::path> files = NameUsingSources(root);
  ASSERT_GE(files.size(), 5u) << root;

  // Every attribute name of the program's classes.
  PlantRig rig(ProgramDeviceClasses());
  rig.Plant().CreateProcessData();
  std::set<std::string> attribNames;
  const auto addClass = [&](const ShapeClassDef& def) {
    for (int id = 0; id < def.attribs.GetCount(); ++id)
      if (const auto* attrib = def.attribs.Find(id)) attribNames.insert(attrib->name);
  };
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    ASSERT_NE(rig.Plant().FindDevice(row.name), nullptr) << row.name;
    addClass(rig.Plant().FindDevice(row.name)->GetClassDef());
  }
  for (const auto& object : rig.Plant().ProcessData()) addClass(object->GetClassDef());

  const std::set<std::string> table = TableNames();
  const std::regex literal("\"([A-Za-z_][A-Za-z0-9_]*)\"");
  const std::regex call("(?:Bool|Float|Int)\\(\"([^\"]*)\"");
  for (const auto& file : files) {
    const std::string text = ReadAll(file);
    // A real attribute name anywhere in these files: in the table.
    for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
      const std::string name = (*it)[1];
      if (attribNames.count(name)) {
        EXPECT_TRUE(table.count(name)) << file.filename() << ": \"" << name << "\"";
      }
    }
    // A name handed to a read or write by name: in the table, misspelt or not.
    for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it)
      EXPECT_TRUE(table.count((*it)[1])) << file.filename() << ": \"" << (*it)[1] << "\"";
  }
}

// ---- Notices' pointers ----------------------------------------------------------------------------

TEST(PlantNotices, APointerIsFoundOnlyWhileItsObjectLives) {
  PlantRig rig;
  ASSERT_TRUE(rig.Start());
  CPlant& plant = rig.Plant();
  C_BaseShape* belt = plant.Device(CT_BELT, 0);
  C_ProcessDataBase* recipe = plant.Recipe();
  CVAttrib* beltSpeed = belt->GetAttrib(plant.AttribId(belt, "Speed"));
  CVAttrib* recipeLast = recipe->GetAttrib(recipe->GetAttribCount() - 1);
  const CVAttribsPack* beltPack = belt;
  const CVAttribsPack* recipePack = recipe;
  int notAnObject = 0;

  EXPECT_EQ(plant.FindLiveAttrib(beltSpeed), beltSpeed);
  EXPECT_EQ(plant.FindLiveAttrib(recipeLast), recipeLast);
  EXPECT_EQ(plant.FindLivePack(beltPack), beltPack);
  EXPECT_EQ(plant.FindLivePack(recipePack), recipePack);
  EXPECT_EQ(plant.FindLiveAttrib(beltPack), nullptr) << "a pack is not an attribute";
  EXPECT_EQ(plant.FindLivePack(beltSpeed), nullptr) << "an attribute is not a pack";
  EXPECT_EQ(plant.FindLiveAttrib(&notAnObject), nullptr);
  EXPECT_EQ(plant.FindLivePack(&notAnObject), nullptr);
  EXPECT_EQ(plant.FindLiveAttrib(nullptr), nullptr);
  EXPECT_EQ(plant.FindLivePack(nullptr), nullptr);
  for (int id = 0; id < belt->GetAttribCount(); ++id)
    if (CVAttrib* each = belt->GetAttrib(id)) {
      ASSERT_EQ(plant.FindLiveAttrib(each), each) << id;
    }

  plant.DestroyProcessData();
  EXPECT_EQ(plant.FindLiveAttrib(recipeLast), nullptr);
  EXPECT_EQ(plant.FindLivePack(recipePack), nullptr);
  EXPECT_EQ(plant.FindLiveAttrib(beltSpeed), beltSpeed) << "the devices still live";
  plant.DestroyDevices();
  EXPECT_EQ(plant.FindLiveAttrib(beltSpeed), nullptr);
  EXPECT_EQ(plant.FindLivePack(beltPack), nullptr);
}

TEST(PlantNotices, AttributesMadeAnewAreFoundWithoutAnyCall) {
  PlantRig rig;
  ASSERT_TRUE(rig.Start());
  CPlant& plant = rig.Plant();
  C_BaseShape* vessel = plant.Device(CT_VESSEL, 0);
  ASSERT_NE(plant.FindLiveAttrib(vessel->GetAttrib(BA_COUNT)), nullptr);  // the index is built
  vessel->DeclareAttrib(vessel->GetAttribCount());
  for (int id = 0; id < vessel->GetAttribCount(); ++id)
    if (CVAttrib* each = vessel->GetAttrib(id)) {
      EXPECT_EQ(plant.FindLiveAttrib(each), each) << id;
    }
}

}  // namespace
