// A menu: a menu bar or popup of items (text with '&' marks, command id,
// separator, submenu; checked, greyed, default). Menus are built from the
// resource tables (LoadMenu) or item by item. Items are found by command
// (MF_BYCOMMAND, searching submenus too) or by position (MF_BYPOSITION).
// TrackPopupMenu shows a popup at a screen point: the owner first gets
// WM_INITMENUPOPUP (and again for each submenu as it opens) to update the
// items, then the chosen command as WM_COMMAND, or as the return value with
// TPM_RETURNCMD. A window destroyed or asked to close while its handler
// runs the popup closes it, as dismissed. Tests choose the command through
// SetPopupMenuHandler.
// Threads: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/ui/ControlStyles.h"

class CWnd;
class CMenu;
class QMenu;
using HMENU = CMenu*;

class CMenu {
 public:
  CMenu();
  ~CMenu();
  CMenu(const CMenu& other);             // a deep copy
  CMenu& operator=(const CMenu& other);

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // The menu of the resource tables; FALSE when the id is unknown.
  BOOL LoadMenu(UINT resourceId);
  BOOL DestroyMenu();
  HMENU GetSafeHmenu() { return m_bCreated ? this : nullptr; }
  operator HMENU() { return GetSafeHmenu(); }
  static CMenu* FromHandle(HMENU menu) { return menu; }

  UINT GetMenuItemCount() const;
  // The command of the item at the position; 0 for a separator,
  // (UINT)-1 for a submenu or a position out of range.
  UINT GetMenuItemID(int position) const;
  CMenu* GetSubMenu(int position) const;

  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = std::string());
  // Appends a copy of the popup as a submenu.
  BOOL AppendMenu(UINT flags, const CMenu* popup, const std::string& text);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR id = 0, const std::string& text = std::string());
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, const std::string& text = std::string());
  BOOL RemoveMenu(UINT position, UINT flags);
  BOOL DeleteMenu(UINT position, UINT flags) { return RemoveMenu(position, flags); }

  // Return the previous state (MF_CHECKED / MF_UNCHECKED, MF_ENABLED /
  // MF_GRAYED | MF_DISABLED), or (UINT)-1 when the item does not exist.
  UINT CheckMenuItem(UINT item, UINT check);
  UINT EnableMenuItem(UINT item, UINT enable);
  BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
  // The default item is drawn bold; one per menu.
  BOOL SetDefaultItem(UINT item, BOOL byPosition = FALSE);
  UINT GetDefaultItem(UINT flags = 0, BOOL byPosition = FALSE) const;
  // MF_CHECKED, MF_GRAYED, MF_DISABLED, MF_SEPARATOR, MF_POPUP, MF_DEFAULT
  // bits of the item; (UINT)-1 when it does not exist.
  UINT GetMenuState(UINT item, UINT flags) const;
  int GetMenuString(UINT item, std::string& text, UINT flags) const;
  std::string GetMenuString(UINT item, UINT flags) const;

  // Shows the popup at the screen point; see the header comment.
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const CRect* rect = nullptr);

  // Test seam: answers TrackPopupMenu with a command (0 = dismissed) after
  // WM_INITMENUPOPUP, instead of showing the popup. Returns the previous one.
  using PopupMenuHandler = std::function<UINT(CMenu& popup)>;
  static PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler handler);

  // ---- Platform only ----------------------------------------------------------------
  struct Item {
    std::string text;
    UINT id = 0;
    UINT flags = 0;                 // MF_CHECKED, MF_GRAYED, MF_DISABLED, MF_SEPARATOR, MF_POPUP
    std::unique_ptr<CMenu> popup;   // owned submenu
  };
  const std::vector<Item>& Items() const { return m_items; }
  // Fills a toolkit menu with the items; submenus send WM_INITMENUPOPUP to
  // owner as they open, and chosen commands go to onCommand.
  void FillQMenu(QMenu* menu, CWnd* owner, const std::function<void(UINT)>& onCommand);
  // Finds an item by command (searching submenus) or position.
  Item* FindItem(UINT item, UINT flags, CMenu** container = nullptr);
  const Item* FindItem(UINT item, UINT flags) const;

 private:
  bool m_bCreated = false;
  bool m_bPopup = false;
  std::vector<Item> m_items;
};
