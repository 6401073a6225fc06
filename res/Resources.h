// The program's resource tables: dialog templates, menus, accelerator
// tables, strings, bitmaps, icons and cursors as data in code, added to the
// platform's ResourceTable by id.
//
// Each table file res/<Name>Resources.cpp defines
//   void Register<Name>Resources(ResourceTable& table);
// declares it in res/ResourceModules.h and adds one line to the module list
// in res/Resources.cpp. The program calls LoadResourceTables() once at
// start-up (before any window is made); tests that make dialogs or menus
// of the program call it too.
// Threads: user-interface thread.
#pragma once

// Registers every table (safe to call again: entries are replaced by equal ones).
void LoadResourceTables();
