// How the plant object makes the device of a row of the device list, per
// class, and how the plant engine reaches the spray-dryer tower's nozzles.
// ProgramDeviceClasses() names the device classes of shapes/; tests hand
// the plant object their own table. A class without a factory makes no
// device (its rows stay empty), so the plant runs with the classes it has.
// Read-only once made; user-interface thread.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "plant/PlantDeviceList.h"
#include "shapes/BaseShape.h"
#include "shapes/NozzleGrid.h"

// The tower's nozzle interface as the Demo simulation uses it (fields,
// flag values and answers of shapes/NozzleGrid.h). Any member may be
// empty: the simulation then leaves the nozzles alone.
struct TowerNozzleAccess {
  std::function<int(C_BaseShape& tower)> count;  // rows x columns
  std::function<double(C_BaseShape& tower, int nozzle, int field)> get;
  std::function<int(C_BaseShape& tower, int nozzle, int field, double value)> set;

  bool IsComplete() const { return count && get && set; }
};

struct PlantDeviceClasses {
  using Factory = std::function<std::unique_ptr<C_BaseShape>(const PlantDeviceRow& row)>;
  std::map<int, Factory> factories;  // by control type
  TowerNozzleAccess nozzles;
};

// The program's device classes.
const PlantDeviceClasses& ProgramDeviceClasses();
