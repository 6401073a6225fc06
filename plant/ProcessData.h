// The five kinds of process-data object (see ProcessDataBase.h): each
// states only its attribute table (ProcessData.cpp; the ids the code uses
// are in ProcessDataAttribs.h).
//
//   class                    control type         device name                      attributes
//   C_ProcessDataGen         13 "PrcGeneral"      "PrcGeneral"                     57
//   C_ProcessDataShift       14 "PrcShift"        "PrcShift"                       36
//   C_ProcessDataRecipeGen   15 "PrcRecipeGen"    "PrcRecipeGen"                   49
//   C_ProcessDataLoop        17 "PrcLoop"         "Loop" + the loop name (given)   62
//   C_ProcessDataAlarm       18 "PrcAlarm"        the alarm name (given)           61
//
// Threads: user-interface thread.
#pragma once

#include <string>

#include "plant/ProcessDataAttribs.h"
#include "plant/ProcessDataBase.h"
#include "shapes/ShapeTypes.h"

class C_ProcessDataGen : public C_ProcessDataBase {
 public:
  explicit C_ProcessDataGen(int iniIndex = SHAPE_SETTINGS_INI_INDEX);
  static const ShapeClassDef& ClassDef();
};

class C_ProcessDataShift : public C_ProcessDataBase {
 public:
  explicit C_ProcessDataShift(int iniIndex = SHAPE_SETTINGS_INI_INDEX);
  static const ShapeClassDef& ClassDef();
};

class C_ProcessDataRecipeGen : public C_ProcessDataBase {
 public:
  explicit C_ProcessDataRecipeGen(int iniIndex = SHAPE_SETTINGS_INI_INDEX);
  static const ShapeClassDef& ClassDef();
};

class C_ProcessDataLoop : public C_ProcessDataBase {
 public:
  C_ProcessDataLoop(int iniIndex, const std::string& name);
  static const ShapeClassDef& ClassDef();
};

class C_ProcessDataAlarm : public C_ProcessDataBase {
 public:
  C_ProcessDataAlarm(int iniIndex, const std::string& name);
  static const ShapeClassDef& ClassDef();
};
