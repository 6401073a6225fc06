// CVekEngineApp: the plant engine, the one concrete kind of CVekEngineBase.
// The base runs everything generic (threads, data-source switching, timers,
// database, data center, access control, links); this class fills its
// plant-dependent operations for this plant (CPlant): the Demo simulation
// of the spray-dryer line, the copy of commands into feedbacks in Demo, the
// Real HW fix-ups of the two diverter valves, the start values when a
// source starts, the plant's four record sets (Recipe, RecipeHistory,
// Shift, Event), the 35 process-information sample stacks with the
// periodic Event row, and the operator and recipe texts the records carry.
//
// Threads: user-interface thread. The base's workers keep their 200 ms
// clocks but run each cycle (SimulateDemoInputs, SimulateDemoFeedback,
// ObtainRealHwData, DataObtainerCycleEnd) on the user-interface thread, so
// the plant's shapes and process-data objects are never touched from two
// threads. The sample stacks keep their own locks.
#pragma once

#include <array>
#include <string>

#include "core/VStack.h"
#include "core/VekEngineBase.h"

class CPlant;

class CVekEngineApp : public CVekEngineBase {
 public:
  static constexpr int kProcessInfoStackCount = 35;

  // The base, then the 35 stacks, then this class's InitEngine (the stacks
  // reset and sized with the default size).
  explicit CVekEngineApp(CPlant& plant);
  ~CVekEngineApp() override;

  CPlant& GetPlant() const { return m_plant; }
  // Stack nIndex (0-34); null outside.
  CVStack* GetProcessInfoStack(int nIndex);
  // Every stack reset, then sized to GetProcessInfoStackSize().
  void ResetProcessInfoStacks();

  // ---- The base's operations, in its slot order ------------------------------------------------
  // The base's start-up; the stacks are then sized from the settings it read.
  bool StartUp() override;
  void ShutDown() override;
  // The base's tables, then the plant's four record sets on the same
  // database, notifying the engine's main window. A second call (the
  // supervise view opens the tables again once it is the main window)
  // keeps the open sets and only points their notices at the main window.
  bool OpenTables() override;
  // Deletes the Shift, Recipe, RecipeHistory and Event sets, then the base's.
  void DeleteTables() override;
  // The active shift's operator; "?" without the Shift record set.
  std::string GetOperatorName() const override;
  // The active recipe's id (-1) and name ("?") without the Recipe record set.
  int GetActiveRecipeId() const override;
  std::string GetActiveRecipeName() const override;
  // One sample of each process value into its stack (ProcessInfoRecords.cpp).
  void AddProcessInfoToStacks() override;
  // One Event row of the stacks' averages and the current states; nothing
  // without the Event record set.
  void RecordProcessInformation() override;
  // Real HW become idle: the stacks start empty.
  void OnDataSourceReady() override;
  // The base's Demo start, then the plant in automatic control with its
  // drives running (EngineStart.cpp).
  bool StartDemoSource() override;
  bool StartRealHwSource() override;
  // The fixed start values of the tower, pumps, belt and fans.
  bool InitProcessValues() override;
  void InitEngine() override;
  void ExitEngine() override;
  // One 200 ms step of the Demo simulation (EngineSimulation.cpp).
  void SimulateDemoInputs() override;
  // Real HW: the diverter valves' positions from their end flags.
  void DataObtainerCycleEnd() override;
  void ObtainRealHwData() override;
  // Demo: every feedback takes its command.
  void SimulateDemoFeedback() override;

 private:
  void SimulateNozzles();
  void FollowWalk(int controlType);
  void OpenPlantTables(HWND hNotify);
  void DeletePlantTables();

  CPlant& m_plant;
  bool m_bOpenedTables = false;  // the plant's record sets are this engine's
  std::array<CVStack, kProcessInfoStackCount> m_ProcessInfoStacks;
};

// Program-wide accessors of the process-data objects of the current plant.
// Without a plant (or the object) a getter gives false / 0 and a setter
// does nothing.
bool GetPrcGeneralBool(int nId);
void SetPrcGeneralBool(int nId, bool bValue);
float GetPrcGeneralFloat(int nId);
void SetPrcGeneralFloat(int nId, float fValue);
bool GetPrcAlarmBool(int nAlarm, int nId);
void SetPrcAlarmBool(int nAlarm, int nId, bool bValue);
float GetPrcRecipeGenFloat(int nId);
