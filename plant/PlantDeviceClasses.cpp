// The program's device classes: one factory line per class of shapes/, and
// the tower's nozzle interface. A class not listed here makes no device.
#include "plant/PlantDeviceClasses.h"

namespace {

PlantDeviceClasses MakeProgramDeviceClasses() {
  PlantDeviceClasses classes;
  return classes;
}

}  // namespace

const PlantDeviceClasses& ProgramDeviceClasses() {
  static const PlantDeviceClasses classes = MakeProgramDeviceClasses();
  return classes;
}
