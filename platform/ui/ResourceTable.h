// The program's resources by id: dialog templates, menus, accelerator
// tables, strings, bitmaps, icons and cursors. The tables in res/ add
// their entries at start-up (LoadResourceTables in res/Resources.h); the
// platform and the program look them up by id. Adding an id twice replaces
// the earlier entry.
// Threads: entries are added on the user-interface thread before windows
// are made; lookups may then come from any thread.
#pragma once

#include <map>
#include <string>

#include "platform/ui/ResourceTemplates.h"

class ResourceTable {
 public:
  static ResourceTable& Instance();

  void AddDialog(DialogTemplate dialog);
  void AddMenu(MenuTemplate menu);
  void AddAccelerators(AcceleratorTemplate table);
  void AddString(UINT id, std::string text);
  void AddBitmap(ImageTemplate image);
  void AddIcon(ImageTemplate image);
  void AddCursor(CursorTemplate cursor);

  // Null (or empty) when the id is unknown.
  const DialogTemplate* FindDialog(UINT id) const;
  const MenuTemplate* FindMenu(UINT id) const;
  const AcceleratorTemplate* FindAccelerators(UINT id) const;
  const std::string* FindString(UINT id) const;
  const ImageTemplate* FindBitmap(UINT id) const;
  const ImageTemplate* FindIcon(UINT id) const;
  const CursorTemplate* FindCursor(UINT id) const;

  // Removes every entry (tests).
  void Clear();

 private:
  ResourceTable() = default;
  std::map<UINT, DialogTemplate> m_dialogs;
  std::map<UINT, MenuTemplate> m_menus;
  std::map<UINT, AcceleratorTemplate> m_accelerators;
  std::map<UINT, std::string> m_strings;
  std::map<UINT, ImageTemplate> m_bitmaps;
  std::map<UINT, ImageTemplate> m_icons;
  std::map<UINT, CursorTemplate> m_cursors;
};

// The string resource of the id; empty when unknown.
std::string LoadStringResource(UINT id);
