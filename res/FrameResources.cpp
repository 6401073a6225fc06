// The main frame's menus (128 without a child window, 107 for the supervise
// window, 3040 for the trend window), its accelerators and its strings.
#include "platform/Messages.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

namespace {

using menu::Item;
using menu::Popup;

constexpr UINT kFrameMenu = 128;
constexpr UINT kSuperviseMenu = 107;
constexpr UINT kTrendMenu = 3040;

MenuItemTemplate DataSourceMenu() {
  return Popup("Data Source", {Item("&None", 701), Item("&Demo", 702), Item("&Real", 703)});
}

MenuItemTemplate FileMenu() {
  return Popup("&File", {Popup("Access Control", {Item("&Change Password", 713), Item("Users &Manager", 714)}),
                         Item("E&xit", ID_APP_EXIT)});
}

}  // namespace

void RegisterFrameResources(ResourceTable& table) {
  table.AddMenu({kFrameMenu,
                 {Popup("&File", {Item("E&xit", ID_APP_EXIT)}),
                  Popup("&View", {Item("&Toolbar", ID_VIEW_TOOLBAR), Item("&Status Bar", ID_VIEW_STATUS_BAR),
                                  Item("Trend Frame (F6)", 710)}),
                  Popup("&Help", {Item("&About VekFrame...", ID_APP_ABOUT)})}});
  table.AddMenu({kSuperviseMenu,
                 {FileMenu(), Popup("&View", {Item("Trend Frame (F6)", 710)}),
                  Popup("Command", {Item("&Reset Process", 32771)}),
                  Popup("Tables", {Item("&Recipe", 705), Item("&Shift", 706),
                                   Popup("&Calibrations", {Item("&Recipe", 704), Item("Loops PID Factors", 712)}),
                                   Item("Process Information Record &Interval", 707)}),
                  DataSourceMenu(),
                  Popup("&Window", {Item("&Cascade", ID_WINDOW_CASCADE), Item("&Tile", ID_WINDOW_TILE_HORZ),
                                    Item("&Arrange Icons", ID_WINDOW_ARRANGE), Item("Close &All", 113),
                                    Item("Next Frame (F4)", 711)}),
                  Popup("&Help", {Item("Show DataCenter &Scout", 708), Item("&About VekFrame...", ID_APP_ABOUT)})}});
  table.AddMenu({kTrendMenu,
                 {FileMenu(), Popup("&View", {Item("Supervise Frame (F5)", 709)}),
                  Popup("Tables", {Item("&Recipe", 705), Item("&Shift", 706),
                                   Item("Process Information Record &Interval", 707)}),
                  DataSourceMenu(),
                  Popup("&Window", {Item("&New Window", ID_WINDOW_NEW), Item("&Cascade", ID_WINDOW_CASCADE),
                                    Item("&Tile", ID_WINDOW_TILE_HORZ), Item("&Arrange Icons", ID_WINDOW_ARRANGE)}),
                  Popup("&Help", {Item("Show DataCenter &Scout", 708), Item("&About VekTrend...", ID_APP_ABOUT)})}});

  constexpr BYTE V = FVIRTKEY;
  table.AddAccelerators({kFrameMenu,
                         {{V, VK_F4, 711},
                          {V, VK_F5, 709},
                          {V, VK_F6, 710},
                          {V | FCONTROL, 'C', ID_EDIT_COPY},
                          {V | FCONTROL, VK_INSERT, ID_EDIT_COPY},
                          {V | FCONTROL, 'V', ID_EDIT_PASTE},
                          {V | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
                          {V | FCONTROL, 'X', ID_EDIT_CUT},
                          {V | FSHIFT, VK_DELETE, ID_EDIT_CUT},
                          {V | FCONTROL, 'Z', ID_EDIT_UNDO},
                          {V | FALT, VK_BACK, ID_EDIT_UNDO}}});

  table.AddString(701, "Data Source None");
  table.AddString(702, "Data Source Demo");
  table.AddString(703, "Data Source Real");
  table.AddString(kFrameMenu, "VekFrame");
  table.AddString(AFX_IDS_APP_TITLE, "VekFrame");
  table.AddString(113, "Close All");
}
