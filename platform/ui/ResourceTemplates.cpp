#include "platform/ui/ResourceTemplates.h"

#include "platform/ui/ControlStyles.h"

namespace dlg {

namespace {
DlgItemTemplate Item(UINT id, DlgItemClass c, const std::string& text, int x, int y, int cx, int cy,
                     DWORD style) {
  DlgItemTemplate t;
  t.id = id;
  t.itemClass = c;
  t.text = text;
  t.x = x;
  t.y = y;
  t.cx = cx;
  t.cy = cy;
  t.style = style | WS_CHILD | WS_VISIBLE;
  return t;
}
}  // namespace

DialogTemplate Dialog(UINT id, const std::string& caption, int cx, int cy, DWORD style,
                      std::vector<DlgItemTemplate> items) {
  DialogTemplate t;
  t.id = id;
  t.caption = caption;
  t.cx = cx;
  t.cy = cy;
  t.style = style;
  t.items = std::move(items);
  return t;
}

DlgItemTemplate Hidden(DlgItemTemplate item) {
  item.style &= ~WS_VISIBLE;
  return item;
}

DlgItemTemplate Group(DlgItemTemplate item) {
  item.style |= WS_GROUP;
  return item;
}

DlgItemTemplate PushButton(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Button, text, x, y, cx, cy, BS_PUSHBUTTON | WS_TABSTOP | style);
}
DlgItemTemplate DefPushButton(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Button, text, x, y, cx, cy, BS_DEFPUSHBUTTON | WS_TABSTOP | style);
}
DlgItemTemplate CheckBox(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Button, text, x, y, cx, cy, BS_AUTOCHECKBOX | WS_TABSTOP | style);
}
DlgItemTemplate Radio(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Button, text, x, y, cx, cy, BS_AUTORADIOBUTTON | style);
}
DlgItemTemplate GroupBox(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Button, text, x, y, cx, cy, BS_GROUPBOX | style);
}
DlgItemTemplate LText(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Static, text, x, y, cx, cy, SS_LEFT | style);
}
DlgItemTemplate CText(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Static, text, x, y, cx, cy, SS_CENTER | style);
}
DlgItemTemplate RText(UINT id, const std::string& text, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Static, text, x, y, cx, cy, SS_RIGHT | style);
}
DlgItemTemplate Edit(UINT id, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::Edit, "", x, y, cx, cy, ES_LEFT | WS_BORDER | WS_TABSTOP | style);
}
DlgItemTemplate Combo(UINT id, int x, int y, int cx, int cy, DWORD style) {
  if ((style & 0x3) == 0) style |= CBS_DROPDOWNLIST;
  return Item(id, DlgItemClass::ComboBox, "", x, y, cx, cy, WS_TABSTOP | WS_VSCROLL | style);
}
DlgItemTemplate List(UINT id, int x, int y, int cx, int cy, DWORD style) {
  return Item(id, DlgItemClass::ListBox, "", x, y, cx, cy, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP | style);
}
DlgItemTemplate Control(UINT id, DlgItemClass itemClass, const std::string& text, DWORD style, int x,
                        int y, int cx, int cy) {
  return Item(id, itemClass, text, x, y, cx, cy, style);
}
DlgItemTemplate Custom(UINT id, const std::string& className, const std::string& text, DWORD style,
                       int x, int y, int cx, int cy) {
  DlgItemTemplate t = Item(id, DlgItemClass::Custom, text, x, y, cx, cy, style);
  t.className = className;
  return t;
}

}  // namespace dlg

namespace menu {

MenuItemTemplate Item(const std::string& text, UINT id, UINT flags) {
  MenuItemTemplate t;
  t.text = text;
  t.id = id;
  t.flags = flags;
  return t;
}
MenuItemTemplate Separator() {
  MenuItemTemplate t;
  t.flags = MF_SEPARATOR;
  return t;
}
MenuItemTemplate Popup(const std::string& text, std::vector<MenuItemTemplate> items) {
  MenuItemTemplate t;
  t.text = text;
  t.flags = MF_POPUP;
  t.items = std::move(items);
  return t;
}

}  // namespace menu
