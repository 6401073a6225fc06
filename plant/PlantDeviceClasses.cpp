// The program's device classes: one factory line per class of shapes/, and
// the tower's nozzle interface. A class not listed here makes no device.
#include "plant/PlantDeviceClasses.h"

#include "attrib/AttribTypes.h"
#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DBFValve.h"
#include "shapes/DosePump.h"
#include "shapes/HtZn.h"
#include "shapes/RtryWhl.h"
#include "shapes/Valve.h"

namespace {

template <class TShape>
PlantDeviceClasses::Factory MakeFactory() {
  return [](const PlantDeviceRow& row) { return std::make_unique<TShape>(row.CreateInfo()); };
}

PlantDeviceClasses MakeProgramDeviceClasses() {
  PlantDeviceClasses classes;
  classes.factories[CT_BELT] = MakeFactory<C_Belt>();
  classes.factories[CT_DOSE_PUMP] = MakeFactory<C_DosePump>();
  classes.factories[CT_VALVE] = MakeFactory<C_Valve>();
  classes.factories[CT_CNTR_FGL_PUMP] = MakeFactory<C_CntrFglPmp>();
  classes.factories[CT_HEAT_ZONE] = MakeFactory<C_HtZn>();
  classes.factories[CT_RTRY_WHL] = MakeFactory<C_RtryWhl>();
  classes.factories[CT_DBF_VALVE] = MakeFactory<C_DBFValve>();
  return classes;
}

}  // namespace

const PlantDeviceClasses& ProgramDeviceClasses() {
  static const PlantDeviceClasses classes = MakeProgramDeviceClasses();
  return classes;
}
