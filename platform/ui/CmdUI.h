// The update of one menu item before its popup opens: a frame's
// OnUpdateCmdUI receives one per command item and may enable it, check it,
// change its text or make it the popup's default item (through m_pMenu
// and m_nIndex).
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CMenu;

class CCmdUI {
 public:
  UINT m_nID = 0;
  UINT m_nIndex = 0;            // position in m_pMenu
  CMenu* m_pMenu = nullptr;     // the popup holding the item
  bool m_bEnableChanged = false;

  void Enable(BOOL on = TRUE);
  void SetCheck(int check = 1);  // 0 clear, 1 checked
  void SetRadio(BOOL on = TRUE) { SetCheck(on ? 1 : 0); }
  void SetText(const std::string& text);
};
