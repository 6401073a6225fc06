// What the plant tests share:
// - StandInDeviceClasses(): a device class for every control type of the
//   device list, carrying the attribute names the plant engine uses (analog
//   groups and flags by name, ids of their own; the rest of the plant's
//   name table as plain numbers), and a tower with a nozzle grid behind
//   the nozzle interface. The engine addresses attributes by
//   name, so its behaviour is tested the same with the real classes.
// - PlantRig: the program's plant set up as the application does it, in a
//   temporary program folder (tag file, settings file, users, a real
//   database file): plant object, process data, plant engine started,
//   settings file opened; optionally the windows on a mimic window that
//   stands in for the supervise view. The destructor tears down in the
//   application's exit order.
// User-interface thread (the test's thread).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "plant/Plant.h"
#include "plant/VekEngineApp.h"
#include "shapes/fixture/ShapeFixture.h"
#include "support/Doubles.h"

namespace plant_test {

// The stand-in tower's nozzle record.
struct Nozzle {
  int open = 0;
  int fault = 0;
  float rate = 0.0f;
  float max = 0.0f;
  float min = 0.0f;
};

// A stand-in device: the names of its class's table, a plain drawing.
class StandInDevice : public C_BaseShape {
 public:
  StandInDevice(const PlantDeviceRow& row, const ShapeClassDef& def);
  void DrawShape(CDC* dc) override;
  // The tower's grid (4 x 5 nozzles); empty for other classes.
  std::vector<Nozzle> nozzles;
};

// The stand-in classes of every control type of the device list; the
// tower's nozzle interface reaches StandInDevice::nozzles.
const PlantDeviceClasses& StandInDeviceClasses();

// The same classes without a factory for the given control type.
PlantDeviceClasses StandInDeviceClassesWithout(int controlType);

// The names of the users the rig's user file holds: "tech" (Technical),
// "oper" (Operator), "admin" (Vek-Admin); password "pw".
class PlantRig {
 public:
  explicit PlantRig(const PlantDeviceClasses& classes = StandInDeviceClasses(), const std::string& settings = "",
                    const std::vector<PlantAttribNames>& names = PlantAttribNameTable());
  ~PlantRig();
  PlantRig(const PlantRig&) = delete;
  PlantRig& operator=(const PlantRig&) = delete;

  // As the application: process data, engine, SetEngine (start-up), the
  // shapes' settings-file table. False when the engine did not start (or
  // the plant refused to make it). The
  // engine's sampling timer is stopped.
  bool Start();
  // The supervise view's part: the mimic becomes the engine's main window
  // (its worker threads start), the device windows, the tables, the
  // process-data windows.
  bool CreateWindows();
  // The same windows without the mimic becoming the main window, so no
  // worker thread runs and the tests run the cycles; except: a device left
  // without its window.
  void CreateWindowsWithoutThreads(const std::string& except = "");
  // Lets posted messages arrive.
  void Deliver();

  CPlant& Plant() { return *m_plant; }
  CVekEngineApp& Engine() { return *m_engine; }
  shape_test::MimicWnd& Mimic() { return m_mimic; }
  const testing_support::TempDir& Dir() const { return m_dir; }
  testing_support::MessageBoxDouble& Boxes() { return m_boxes; }
  testing_support::ClockDouble& Clock() { return m_clock; }
  CVekAccessUser* User(const std::string& name) const;
  // One cycle of the data obtainer as the worker runs it.
  void Cycle() { m_engine->RunDataObtainerCycle(); }

  // The device of the name (a failure when missing).
  C_BaseShape* Device(const std::string& name) const;
  float Float(const std::string& device, const char* attrib) const;
  bool Bool(const std::string& device, const char* attrib) const;
  void SetFloat(const std::string& device, const char* attrib, float value) const;
  void SetBool(const std::string& device, const char* attrib, bool value) const;

 private:
  testing_support::MessageBoxDouble m_boxes;
  testing_support::ClockDouble m_clock;
  testing_support::TempDir m_dir{true};
  std::unique_ptr<CPlant> m_plant;
  CVekEngineApp* m_engine = nullptr;  // owned by the engine slot
  shape_test::MimicWnd m_mimic;
};

}  // namespace plant_test
