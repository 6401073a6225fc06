// The program's device classes: one factory line per class of shapes/, and
// the tower's nozzle interface.
#include "plant/PlantDeviceClasses.h"

#include "attrib/AttribTypes.h"
#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DBFValve.h"
#include "shapes/DosePump.h"
#include "shapes/HtZn.h"
#include "shapes/RtryWhl.h"
#include "shapes/SpryDryr.h"
#include "shapes/Valve.h"
#include "shapes/Vessel.h"

namespace {

template <class TShape>
PlantDeviceClasses::Factory MakeFactory() {
  return [](const PlantDeviceRow& row) { return std::make_unique<TShape>(row.CreateInfo()); };
}

C_SpryDryr* Tower(C_BaseShape& shape) { return dynamic_cast<C_SpryDryr*>(&shape); }

PlantDeviceClasses MakeProgramDeviceClasses() {
  PlantDeviceClasses classes;
  classes.factories[CT_SPRAY_DRYER] = [](const PlantDeviceRow& row) {
    return std::make_unique<C_SpryDryr>(row.CreateInfo(), kTowerNozzleRows, kTowerNozzleCols);
  };
  classes.factories[CT_VESSEL] = MakeFactory<C_Vessel>();
  classes.factories[CT_BELT] = MakeFactory<C_Belt>();
  classes.factories[CT_DOSE_PUMP] = MakeFactory<C_DosePump>();
  classes.factories[CT_VALVE] = MakeFactory<C_Valve>();
  classes.factories[CT_CNTR_FGL_PUMP] = MakeFactory<C_CntrFglPmp>();
  classes.factories[CT_HEAT_ZONE] = MakeFactory<C_HtZn>();
  classes.factories[CT_RTRY_WHL] = MakeFactory<C_RtryWhl>();
  classes.factories[CT_DBF_VALVE] = MakeFactory<C_DBFValve>();
  classes.nozzles.count = [](C_BaseShape& shape) {
    const C_SpryDryr* tower = Tower(shape);
    return tower ? tower->GetNozzleCount() : 0;
  };
  classes.nozzles.get = [](C_BaseShape& shape, int nozzle, int field) {
    const C_SpryDryr* tower = Tower(shape);
    return tower ? tower->GetNozzleValue(nozzle, field) : NOZZLE_READ_REJECTED;
  };
  classes.nozzles.set = [](C_BaseShape& shape, int nozzle, int field, double value) {
    C_SpryDryr* tower = Tower(shape);
    return tower ? tower->SetNozzleValue(nozzle, field, static_cast<float>(value)) : NOZZLE_REJECTED;
  };
  return classes;
}

}  // namespace

const PlantDeviceClasses& ProgramDeviceClasses() {
  static const PlantDeviceClasses classes = MakeProgramDeviceClasses();
  return classes;
}
