// The device shapes' context menus. One row per shape class, read by one
// loop: the menu's resource id and the items of its single popup, in menu
// order. A new shape class adds its ids to ShapeResources.h and one row here.
#include "res/ShapeResources.h"

#include <vector>

#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

namespace {

using menu::Item;
using menu::Separator;

struct ShapeMenuRow {
  UINT menuId;
  std::vector<MenuItemTemplate> items;
};

std::vector<ShapeMenuRow> ShapeMenus() {
  return {
      {IDR_SHAPE_MENU_DBF_VALVE,
       {Item("Take On/Off", ID_DBFVALVE_TAKE_ONOFF), Item("&Action", ID_DBFVALVE_ACTION), Separator(),
        Item("Properties", ID_DBFVALVE_PROPERTIES)}},
      {IDR_SHAPE_MENU_VALVE,
       {Item("Take On/Off", ID_VALVE_TAKE_ONOFF), Item("&Action", ID_VALVE_ACTION), Separator(),
        Item("Properties", ID_VALVE_PROPERTIES)}},
  };
}

}  // namespace

void RegisterShapeResources(ResourceTable& table) {
  for (ShapeMenuRow& row : ShapeMenus()) {
    table.AddMenu({row.menuId, {menu::Popup("POPUP_MENU", std::move(row.items))}});
  }
}
