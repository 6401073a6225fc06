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
      {IDR_SHAPE_MENU_BELT,
       {Item("Take On/Off", ID_BELT_TAKE_ONOFF), Item("&Increase", ID_BELT_INCREASE),
        Item("&Decrease", ID_BELT_DECREASE), Item("&Action", ID_BELT_ACTION), Separator(),
        Item("Properties", ID_BELT_PROPERTIES)}},
      {IDR_SHAPE_MENU_CNTR_FGL_PMP,
       {Item("Take On/Off", ID_CNTRFGLPMP_TAKE_ONOFF), Item("&Increase", ID_CNTRFGLPMP_INCREASE),
        Item("&Decrease", ID_CNTRFGLPMP_DECREASE), Item("&Action", ID_CNTRFGLPMP_ACTION), Separator(),
        Item("Properties", ID_CNTRFGLPMP_PROPERTIES)}},
      {IDR_SHAPE_MENU_DBF_VALVE,
       {Item("Take On/Off", ID_DBFVALVE_TAKE_ONOFF), Item("&Action", ID_DBFVALVE_ACTION), Separator(),
        Item("Properties", ID_DBFVALVE_PROPERTIES)}},
      {IDR_SHAPE_MENU_DOSE_PUMP,
       {Item("Take On/Off", ID_DOSEPUMP_TAKE_ONOFF), Item("&Increase", ID_DOSEPUMP_INCREASE),
        Item("&Decrease", ID_DOSEPUMP_DECREASE), Item("&Action", ID_DOSEPUMP_ACTION), Separator(),
        Item("Properties", ID_DOSEPUMP_PROPERTIES)}},
      {IDR_SHAPE_MENU_HEAT_ZONE,
       {Item("Take On/Off", ID_HTZN_TAKE_ONOFF), Item("&Action", ID_HTZN_ACTION), Separator(),
        Item("Properties", ID_HTZN_PROPERTIES)}},
      {IDR_SHAPE_MENU_RTRY_WHL,
       {Item("Take On/Off", ID_RTRYWHL_TAKE_ONOFF), Item("&Action", ID_RTRYWHL_ACTION), Separator(),
        Item("Properties", ID_RTRYWHL_PROPERTIES)}},
      {IDR_SHAPE_MENU_SPRAY_DRYER,
       {Item("&Action", ID_SPRAYDRYER_ACTION), Separator(), Item("Properties", ID_SPRAYDRYER_PROPERTIES)}},
      {IDR_SHAPE_MENU_VALVE,
       {Item("Take On/Off", ID_VALVE_TAKE_ONOFF), Item("&Action", ID_VALVE_ACTION), Separator(),
        Item("Properties", ID_VALVE_PROPERTIES)}},
      {IDR_SHAPE_MENU_VESSEL,
       {Item("Take On/Off", ID_VESSEL_TAKE_ONOFF), Item("&Action", ID_VESSEL_ACTION), Separator(),
        Item("Properties", ID_VESSEL_PROPERTIES)}},
  };
}

}  // namespace

void RegisterShapeResources(ResourceTable& table) {
  for (ShapeMenuRow& row : ShapeMenus()) {
    table.AddMenu({row.menuId, {menu::Popup("POPUP_MENU", std::move(row.items))}});
  }
}
