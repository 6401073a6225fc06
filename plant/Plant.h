// CPlant: this plant's objects, made at start-up and torn down at the end
// in a fixed order: the thirty device shapes of the device list, the
// process-data objects (general, shift, recipe, six loops, twenty-five
// alarms), the table of the plant's record sets (filled by the plant
// engine), the material record and the Demo simulation's state. It makes
// the plant engine and opens the shapes' settings file. One plant object
// is current at a time (GetCurrent); the engine and the program-wide
// accessors reach the objects through it.
//
// The application calls, in this order (every step on the user-interface
// thread; the settings-file table of the shapes and the device-name list
// are the application's):
//   start-up        CPlant()                    devices made, in table order
//                   CreateProcessData()         before the engine
//                   CreateEngine()              handed to CVekEngineBase::SetEngine
//   supervise view  CreateDeviceShapes(view)    after SetMainWnd(view)
//                   (engine->OpenTables())      the record sets notify the view
//                   AttachProcessData(view)     windows of the process data, active records
//   exit            DestroyProcessData()        before the engine goes
//                   DestroyDevices()            before the INI table and the name list go
//                   (SetEngine(nullptr), DeletePackIniFiles(), DeleteDeviceNameList())
//                   ~CPlant()
// Threads: user-interface thread.
#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "plant/DemoSimulation.h"
#include "plant/Material.h"
#include "plant/PlantDeviceClasses.h"
#include "plant/PlantNames.h"
#include "plant/ProcessData.h"
#include "records/CEventRS.h"
#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/CTableHistoryRS.h"

class CVekEngineApp;
class CWnd;

// The plant's record sets, made and opened by the plant engine on the
// engine's database; null until then and after the engine deleted them.
struct CPlantTables {
  std::unique_ptr<CRecipeRS> pRecipe;                           // entry 0
  std::unique_ptr<CTableHistoryRS<CRecipeRS>> pRecipeHistory;  // entry 1
  std::unique_ptr<CShiftRS> pShift;                             // entry 2
  std::unique_ptr<CEventRS> pEvent;                             // entry 3
};

class CPlant {
 public:
  // Makes the devices of the device list in table order (a class without a
  // factory makes none) and becomes the current plant.
  explicit CPlant(const PlantDeviceClasses& classes = ProgramDeviceClasses());
  // Destroys whatever is left in the exit order; no longer current.
  ~CPlant();
  CPlant(const CPlant&) = delete;
  CPlant& operator=(const CPlant&) = delete;

  // The current plant; null when there is none.
  static CPlant* GetCurrent();

  // ---- Start-up ----------------------------------------------------------------------------
  // The process-data objects in table order, each with settings-file index 1
  // (loop i named "Loop" + GetLoopName(i), alarm i GetAlarmName(i)). Once.
  void CreateProcessData();
  // A new plant engine working on this plant (not started).
  CVekEngineApp* CreateEngine();

  // ---- The supervise view -------------------------------------------------------------------
  // Creates the device windows as children of the view, class by class in
  // the view's order (PlantWindowCreationOrder), each class in instance
  // order; a dosing pump's and the belt's ActuatorControlType becomes 3.
  // False when a window could not be made.
  bool CreateDeviceShapes(CWnd* pView);
  // After the record sets are open: the windows of the process-data objects
  // (children of the view), then the active records of the Recipe and
  // Shift tables are found and set (each posts its notice to the view).
  bool AttachProcessData(CWnd* pView);

  // ---- Commands -------------------------------------------------------------------------------
  // The general object's VI_bResetProcess.
  bool IsResetProcessOn() const;
  void SetResetProcessOn();

  // ---- Exit ------------------------------------------------------------------------------------
  // Destroys and deletes the process-data objects in table order.
  void DestroyProcessData();
  // Destroys and deletes the devices (a window still there saves its
  // colours first). The engine must not run cycles any more (shut down).
  void DestroyDevices();

  // ---- Devices ------------------------------------------------------------------------------------
  // The devices of a class in instance order (empty for a class without any).
  const std::vector<C_BaseShape*>& Devices(int controlType) const;
  // Null when the class has no such instance.
  C_BaseShape* Device(int controlType, int instance) const;
  C_BaseShape* FindDevice(const std::string& name) const;
  int GetDeviceCount() const { return static_cast<int>(m_devices.size()); }
  const TowerNozzleAccess& Nozzles() const { return m_classes.nozzles; }
  // The id of a device's attribute of the name, looked up in its class's
  // table once per class; -1 (and remembered in GetUnresolvedAttribNames)
  // when the class has none.
  int AttribId(const C_BaseShape* device, const char* name);
  const std::set<std::string>& GetUnresolvedAttribNames() const { return m_unresolved; }

  // ---- Process data --------------------------------------------------------------------------------
  // Null before CreateProcessData and after DestroyProcessData.
  C_ProcessDataGen* General() const { return m_pGeneral; }
  C_ProcessDataShift* Shift() const { return m_pShift; }
  C_ProcessDataRecipeGen* Recipe() const { return m_pRecipe; }
  C_ProcessDataLoop* Loop(int nLoop) const;
  C_ProcessDataAlarm* Alarm(int nAlarm) const;
  // In table order: general, shift, recipe, loops 0-5, alarms 0-24.
  const std::vector<std::unique_ptr<C_ProcessDataBase>>& ProcessData() const { return m_processData; }

  // ---- The rest --------------------------------------------------------------------------------------
  CPlantTables& Tables() { return m_tables; }
  CMaterial& Material() { return m_material; }
  CDemoSimulation& Demo() { return m_demo; }

 private:
  const PlantDeviceClasses& m_classes;
  std::vector<std::unique_ptr<C_BaseShape>> m_devices;            // table order
  std::array<std::vector<C_BaseShape*>, 256> m_byClass;           // by control type, instance order
  std::array<std::unordered_map<const char*, int>, 256> m_ids;    // by control type, name literal -> id
  std::set<std::string> m_unresolved;

  std::vector<std::unique_ptr<C_ProcessDataBase>> m_processData;  // table order
  C_ProcessDataGen* m_pGeneral = nullptr;
  C_ProcessDataShift* m_pShift = nullptr;
  C_ProcessDataRecipeGen* m_pRecipe = nullptr;
  std::array<C_ProcessDataLoop*, kLoopCount> m_loops{};
  std::array<C_ProcessDataAlarm*, kAlarmCount> m_alarms{};

  CPlantTables m_tables;
  CMaterial m_material{"Detergent", "Kg", 0, 0, 0, -1, -1, -1, -1, -1};
  CDemoSimulation m_demo;
};
