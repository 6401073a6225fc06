// C_ProcessDataBase: a process-data object, an attribute pack without a
// device of its own. It holds plant-wide values that the plant engine, the
// supervise view and the dialogs exchange with the PLC through tags (the
// general commands and states, the active recipe, the running shift, a
// control loop, a process alarm). It is a C_BaseShape whose window is a 2 x 2
// pixel box in the supervise view, so it shares the whole shape machinery:
// tag binding and notices, the settings section with its attribute keys, the
// typed getters and setters, the property sheet.
//
// Its own attributes (from id 27) form four type groups, each opened by a
// reserve attribute (floats, flags, integers, one text); they belong to no
// analog group and default to zero. The typed setters are the shape base's
// own: each does nothing when the attribute already holds the value (floats
// numerically, flags as flags, integers exactly, texts after trimming) and
// otherwise stores through SetAttribValue, which writes a bound tag through.
// The five classes (ProcessData.h) only state their attribute tables.
//
// Lifetime: made by the plant object at start-up, its window created by the
// supervise view; destroyed at the program's end.
// Threads: user-interface thread, like every shape.
#pragma once

#include <string>

#include "shapes/BaseShape.h"

class C_ProcessDataBase : public C_BaseShape {
 public:
  // Creates the window (at 1, 1, size 2 x 2) with the context menu 3048
  // ("Properties").
  using C_BaseShape::Create;

  // Fills the box with the mimic colour, then with ColorBody, and draws the
  // state frame.
  void DrawShape(CDC* dc) override;

  // The class definition of a process-data class: control type, its own
  // attributes as type groups (each group's first name is its reserve), and
  // the menu 3048.
  struct OwnAttribs {
    std::vector<std::string> floats;
    std::vector<std::string> bools;
    std::vector<std::string> ints;
    std::string text;
  };
  static ShapeClassDef MakeClassDef(int controlType, const OwnAttribs& own);

 protected:
  // The descriptor is the 2 x 2 box at (1, 1) named deviceName.
  C_ProcessDataBase(int iniIndex, const std::string& deviceName, const ShapeClassDef& def);
};
