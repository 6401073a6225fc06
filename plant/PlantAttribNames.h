// The one table of the attribute names the plant engine and the supervise
// view reach by name, per class: every name the code passes to
// DeviceAttribs or CPlant::AttribId is listed here under the class of the
// object it is used on. CPlant resolves the whole table against its
// classes when it is made and refuses to make the engine while a name does
// not exist (CPlant::CreateEngine), so a misspelt name stops the start with
// a message naming it instead of reading false.
// Constant data; safe from any thread.
#pragma once

#include <vector>

struct PlantAttribNames {
  int controlType;                 // the class (CT_BELT, ..., CT_PRC_GENERAL)
  std::vector<const char*> names;  // its attributes, as the code spells them
};

// The table the program runs with, one row per class.
const std::vector<PlantAttribNames>& PlantAttribNameTable();
