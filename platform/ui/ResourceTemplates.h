// The resource descriptions the program's resource tables (res/) are made
// of: dialog templates in dialog units, menus, accelerator tables, bitmaps
// and icons as pixel rows or drawing functions, and cursors. Plain values;
// safe to build on any thread. Helpers named after the classic resource
// statements (PushButton, LText, Popup, ...) keep the tables short.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/WinTypes.h"

class CDC;

// ---- Dialog templates ------------------------------------------------------------
// The kind of window a template item makes; its style word (BS_, SS_, ES_,
// CBS_, LBS_, ... with WS_ bits) refines it as in a resource script.
enum class DlgItemClass { Button, Static, Edit, ComboBox, ListBox, ScrollBar, Slider, Spin, Tab, Custom };

struct DlgItemTemplate {
  UINT id = 0;
  DlgItemClass itemClass = DlgItemClass::Static;
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  DWORD style = 0;                   // full style word; the helpers add WS_CHILD | WS_VISIBLE
  DWORD exStyle = 0;
  std::string className;             // for DlgItemClass::Custom: a registered window class
};

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  std::string fontFace = "MS Shell Dlg";
  int pointSize = 8;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  DWORD style = 0;
  std::vector<DlgItemTemplate> items;
};

// ---- Menus -----------------------------------------------------------------------
struct MenuItemTemplate {
  std::string text;  // empty with MF_SEPARATOR
  UINT id = 0;       // command id; 0 for popups and separators
  UINT flags = 0;    // MF_POPUP, MF_SEPARATOR, MF_CHECKED, MF_GRAYED, MF_DEFAULT
  std::vector<MenuItemTemplate> items;  // of a popup
};

struct MenuTemplate {
  UINT id = 0;
  std::vector<MenuItemTemplate> items;  // the menu bar's entries (usually popups)
};

// ---- Accelerators ----------------------------------------------------------------
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct AccelEntry {
  BYTE fVirt = FVIRTKEY;  // FVIRTKEY with FSHIFT / FCONTROL / FALT
  WORD key = 0;           // virtual key (letters as upper-case ASCII)
  WORD cmd = 0;
};

struct AcceleratorTemplate {
  UINT id = 0;
  std::vector<AccelEntry> entries;
};

// ---- Images ------------------------------------------------------------------------
// A bitmap or icon: either pixel rows, one character per pixel looked up in
// the palette (characters not in it are transparent), or a function that
// draws the image into a memory context of the size.
struct ImageTemplate {
  UINT id = 0;
  int width = 0;
  int height = 0;
  std::vector<std::pair<char, COLORREF>> palette;
  std::vector<std::string> rows;
  std::function<void(CDC&)> draw;
};

// A cursor: a standard shape (IDC_ARROW, IDC_HAND, ...) or pixel rows with a hot spot.
struct CursorTemplate {
  UINT id = 0;
  int standardShape = 0;  // an IDC_ value, or 0 for the image
  ImageTemplate image;
  CPoint hotSpot;
};

// ---- Helpers for the tables ---------------------------------------------------------------
namespace dlg {
// A dialog at (0, 0) with the default font, as the DIALOG statement.
DialogTemplate Dialog(UINT id, const std::string& caption, int cx, int cy, DWORD style,
                      std::vector<DlgItemTemplate> items);
DlgItemTemplate PushButton(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate DefPushButton(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate CheckBox(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);  // auto
DlgItemTemplate Radio(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);     // auto
DlgItemTemplate GroupBox(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate LText(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate CText(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate RText(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate Edit(UINT id, int x, int y, int cx, int cy, DWORD style = 0);
DlgItemTemplate Combo(UINT id, int x, int y, int cx, int cy, DWORD style = 0);  // drop-down list by default
DlgItemTemplate List(UINT id, int x, int y, int cx, int cy, DWORD style = 0);
// Any class: kind + full style, as the CONTROL statement.
DlgItemTemplate Control(UINT id, DlgItemClass itemClass, const std::string& text, DWORD style,
                        int x, int y, int cx, int cy);
DlgItemTemplate Custom(UINT id, const std::string& className, const std::string& text, DWORD style,
                       int x, int y, int cx, int cy);
// The item made hidden (without WS_VISIBLE).
DlgItemTemplate Hidden(DlgItemTemplate item);
// The item starting a group (WS_GROUP), e.g. the first radio button of a set.
DlgItemTemplate Group(DlgItemTemplate item);
}  // namespace dlg

namespace menu {
MenuItemTemplate Item(const std::string& text, UINT id, UINT flags = 0);
MenuItemTemplate Separator();
MenuItemTemplate Popup(const std::string& text, std::vector<MenuItemTemplate> items);
}  // namespace menu
