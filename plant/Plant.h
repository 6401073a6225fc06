// CPlant: this plant's objects, made at start-up and torn down at the end
// in a fixed order: the thirty device shapes of the device list, the
// process-data objects (general, shift, recipe, six loops, twenty-five
// alarms), the table of the plant's record sets (filled by the plant
// engine), the material record and the Demo simulation's state. It makes
// the plant engine and opens the shapes' settings file. One plant object
// is current at a time (GetCurrent); the engine and the program-wide
// accessors reach the objects through it.
//
// The attribute names the engine and the view use (plant/PlantAttribNames.h)
// are resolved to ids when the plant is made, per class; a name its class
// lacks makes CreateEngine refuse with a message naming it.
//
// The application calls, in this order (every step on the user-interface
// thread; the settings-file table of the shapes and the device-name list
// are the application's):
//   start-up        CPlant()                    devices made, in table order; names resolved
//                   CreateProcessData()         before the engine
//                   CreateEngine()              handed to CVekEngineBase::SetEngine (null: refused)
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
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "plant/DemoSimulation.h"
#include "plant/Material.h"
#include "plant/PlantAttribNames.h"
#include "plant/PlantDeviceClasses.h"
#include "plant/PlantNames.h"
#include "plant/ProcessData.h"
#include "records/CEventRS.h"
#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/CTableHistoryRS.h"

class CVAttrib;
class CVAttribsPack;
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
  // factory makes none), resolves the name table against the classes of
  // this plant (a class with no object here is skipped) and becomes the
  // current plant.
  explicit CPlant(const PlantDeviceClasses& classes = ProgramDeviceClasses(),
                  const std::vector<PlantAttribNames>& names = PlantAttribNameTable());
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
  // A new plant engine working on this plant (not started). Null, after an
  // error box naming every "Class.Name" of the name table that its class
  // lacks, when there is such a name: the program must not start on them.
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
  // The id of an object's attribute of the name, as resolved for its class
  // when the plant was made; -1 when the class has none. A name the table
  // does not list for the class is looked up in the class all the same,
  // remembered in GetOffTableAttribNames and reported once in an error box.
  int AttribId(const C_BaseShape* object, const char* name);
  // "Class.Name" of every name looked up (or listed in the table) that its
  // class lacks.
  const std::set<std::string>& GetUnresolvedAttribNames() const { return m_unresolved; }
  // "Class.Name" of every name looked up that the table does not list.
  const std::set<std::string>& GetOffTableAttribNames() const { return m_offTable; }

  // ---- Notices ---------------------------------------------------------------------------------
  // The attribute or pack a queued notice names (WM_ATTRIB_CHANGED,
  // WM_PACK_PENDING_CHANGED) when it is, now, one of this plant's devices
  // or process-data objects or one of their attributes; null when it has
  // gone since the notice was posted. The pointer is only compared, never
  // dereferenced, so the receiver may drop the notice safely.
  CVAttrib* FindLiveAttrib(const void* attrib) const;
  CVAttribsPack* FindLivePack(const void* pack) const;

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
  // Resolves the name table against the classes of this plant's objects.
  void ResolveAttribNames(const std::vector<PlantAttribNames>& names);
  // The class definition of a control type in this plant: a device class's
  // (from its first device) or a process-data class's; null when none.
  const ShapeClassDef* ClassDefOf(int controlType) const;
  // FindLiveAttrib's look-up in the index, without rebuilding it.
  CVAttrib* LookUpAttrib(const void* attrib) const;

  const PlantDeviceClasses& m_classes;
  std::vector<std::unique_ptr<C_BaseShape>> m_devices;            // table order
  std::array<std::vector<C_BaseShape*>, 256> m_byClass;           // by control type, instance order
  std::array<std::map<std::string, int, std::less<>>, 256> m_ids;  // by control type: name -> id (-1: none)
  std::set<std::string> m_unresolved;
  std::set<std::string> m_offTable;
  // Attribute address -> its pack and id, as they were when the index was
  // last built; an entry counts only while that pack is live and still holds
  // that attribute at that id. Rebuilt when a look-up misses.
  mutable std::unordered_map<const void*, std::pair<const CVAttribsPack*, int>> m_attribIndex;

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
