// The main frame's menus (128 without a child window, 107 for the supervise
// window, 3040 for the trend window), its accelerators and its strings,
// with the document strings of the two document templates.
#include "platform/Messages.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/ResourceTable.h"
#include "res/AppResources.h"
#include "res/ResourceModules.h"

namespace {

using menu::Item;
using menu::Popup;
using namespace app_res;

MenuItemTemplate DataSourceMenu() {
  return Popup("Data Source", {Item("&None", ID_DATASOURCE_NONE), Item("&Demo", ID_DATASOURCE_DEMO),
                               Item("&Real", ID_DATASOURCE_REAL)});
}

MenuItemTemplate FileMenu() {
  return Popup("&File", {Popup("Access Control", {Item("&Change Password", ID_CHANGE_PASSWORD),
                                                  Item("Users &Manager", ID_USERS_EDITOR)}),
                         Item("E&xit", ID_APP_EXIT)});
}

MenuItemTemplate RecordIntervalItem() { return Item("Process Information Record &Interval", ID_RECORD_INTERVAL); }

}  // namespace

void RegisterFrameResources(ResourceTable& table) {
  table.AddMenu({IDR_MAINFRAME,
                 {Popup("&File", {Item("E&xit", ID_APP_EXIT)}),
                  Popup("&View", {Item("&Toolbar", ID_VIEW_TOOLBAR), Item("&Status Bar", ID_VIEW_STATUS_BAR),
                                  Item("Trend Frame (F6)", ID_TREND_FRAME)}),
                  Popup("&Help", {Item("&About VekFrame...", ID_APP_ABOUT)})}});
  table.AddMenu({IDR_SUPERVISE,
                 {FileMenu(), Popup("&View", {Item("Trend Frame (F6)", ID_TREND_FRAME)}),
                  Popup("Command", {Item("&Reset Process", ID_RESET_PROCESS)}),
                  Popup("Tables", {Item("&Recipe", ID_RECIPE), Item("&Shift", ID_SHIFT),
                                   Popup("&Calibrations", {Item("&Recipe", ID_RECIPE_RANGE),
                                                           Item("Loops PID Factors", ID_LOOP_PID_FACTORS)}),
                                   RecordIntervalItem()}),
                  DataSourceMenu(),
                  Popup("&Window", {Item("&Cascade", ID_WINDOW_CASCADE), Item("&Tile", ID_WINDOW_TILE_HORZ),
                                    Item("&Arrange Icons", ID_WINDOW_ARRANGE),
                                    Item("Close &All", ID_WINDOW_CLOSE_ALL), Item("Next Frame (F4)", ID_NEXT_FRAME)}),
                  Popup("&Help", {Item("Show DataCenter &Scout", ID_TAG_BROWSER),
                                  Item("&About VekFrame...", ID_APP_ABOUT)})}});
  table.AddMenu({IDR_TRENDS,
                 {FileMenu(), Popup("&View", {Item("Supervise Frame (F5)", ID_SUPERVISE_FRAME)}),
                  Popup("Tables", {Item("&Recipe", ID_RECIPE), Item("&Shift", ID_SHIFT), RecordIntervalItem()}),
                  DataSourceMenu(),
                  Popup("&Window", {Item("&New Window", ID_WINDOW_NEW), Item("&Cascade", ID_WINDOW_CASCADE),
                                    Item("&Tile", ID_WINDOW_TILE_HORZ), Item("&Arrange Icons", ID_WINDOW_ARRANGE)}),
                  Popup("&Help", {Item("Show DataCenter &Scout", ID_TAG_BROWSER),
                                  Item("&About VekTrend...", ID_APP_ABOUT)})}});

  constexpr BYTE V = FVIRTKEY;
  table.AddAccelerators({IDR_MAINFRAME,
                         {{V, VK_F4, ID_NEXT_FRAME},
                          {V, VK_F5, ID_SUPERVISE_FRAME},
                          {V, VK_F6, ID_TREND_FRAME},
                          {V | FCONTROL, 'C', ID_EDIT_COPY},
                          {V | FCONTROL, VK_INSERT, ID_EDIT_COPY},
                          {V | FCONTROL, 'V', ID_EDIT_PASTE},
                          {V | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
                          {V | FCONTROL, 'X', ID_EDIT_CUT},
                          {V | FSHIFT, VK_DELETE, ID_EDIT_CUT},
                          {V | FCONTROL, 'Z', ID_EDIT_UNDO},
                          {V | FALT, VK_BACK, ID_EDIT_UNDO}}});

  table.AddString(ID_DATASOURCE_NONE, "Data Source None");
  table.AddString(ID_DATASOURCE_DEMO, "Data Source Demo");
  table.AddString(ID_DATASOURCE_REAL, "Data Source Real");
  table.AddString(IDR_MAINFRAME, "VekFrame");
  table.AddString(AFX_IDS_APP_TITLE, "VekFrame");
  table.AddString(ID_WINDOW_CLOSE_ALL, "Close All");
  table.AddString(IDR_SUPERVISE, "\nVekFrame\nVekFrame\n\n\nVekFrame.Document\nVekFrame Document");
  table.AddString(IDR_TRENDS, "\nVekTrend\nVekTrend\n\n\nVekTrend.Document\nVekTrend.Document");
}
