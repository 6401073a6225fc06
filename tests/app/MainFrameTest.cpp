// The main frame: its menus per active window and their updates, switching
// between the windows, closing, and the commands (data source, record
// interval, users, reset process, the plant's windows, tag browser).
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include <QImage>
#include <QWidget>
#include <QMdiSubWindow>
#include <QWindow>

#include "AppTestSupport.h"
#include "app/ChildVekFrame.h"
#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/ShiftDlg.h"
#include "attrib/AttribTrendInfo.h"
#include "core/IniFile.h"
#include "plant/LoopPidFactorsDlg.h"
#include "plant/Plant.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/Document.h"
#include "platform/ui/Edit.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/View.h"
#include "res/AppResources.h"
#include "res/ControlsResources.h"
#include "res/LoginDialogs.h"
#include "res/RecordWindowResources.h"

using namespace app_test;
using namespace app_res;

namespace {

// Not a command of any item: the item does not exist.
constexpr UINT kNoItem = static_cast<UINT>(-1);

// The frame with a trend window: a trend setting exists (of no attribute:
// its panel charts nothing).
class FrameWithTrendsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  std::string ActiveTitle() const {
    CDocument* doc = Frame()->GetActiveDocument();
    return doc ? doc->GetTitle() : std::string();
  }
  // Brings the window of the document with the title to the front.
  void Activate(const std::string& title) {
    for (int i = 0; i < 4 && ActiveTitle() != title; ++i) Command(ID_NEXT_FRAME);
    ASSERT_EQ(ActiveTitle(), title);
  }
  // The menu bar's popup of the title, updated as when it opens.
  CMenu* OpenPopup(const std::string& title) {
    CMenu* bar = Frame()->GetMenu();
    for (UINT i = 0; i < bar->GetMenuItemCount(); ++i) {
      if (bar->GetMenuString(i, MF_BYPOSITION) != title) continue;
      CMenu* popup = bar->GetSubMenu(static_cast<int>(i));
      Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), static_cast<LPARAM>(i));
      return popup;
    }
    return nullptr;
  }

  CAttribTrendInfo trend{nullptr};
};

TEST_F(FrameWithTrendsTest, TheMenuBarFollowsTheActiveWindowAndTheFrameKeysSwitchWindows) {
  ASSERT_EQ(Frame()->GetChildFrames().size(), 2u);
  EXPECT_EQ(ActiveTitle(), "Trends");
  CMenu* bar = Frame()->GetMenu();
  EXPECT_EQ(bar->GetMenuState(ID_RESET_PROCESS, MF_BYCOMMAND), kNoItem) << "menu 3040 has no Command menu";
  EXPECT_NE(bar->GetMenuState(ID_SUPERVISE_FRAME, MF_BYCOMMAND), kNoItem);
  const std::string title = Engine()->GetFullTitle();
  EXPECT_EQ(Frame()->GetWindowText(), title + " - [Trends]") << "the maximised window's name follows the title";

  Command(ID_SUPERVISE_FRAME);
  EXPECT_EQ(ActiveTitle(), "Supervise");
  bar = Frame()->GetMenu();
  EXPECT_NE(bar->GetMenuState(ID_RESET_PROCESS, MF_BYCOMMAND), kNoItem) << "menu 107";
  EXPECT_NE(bar->GetMenuState(ID_LOOP_PID_FACTORS, MF_BYCOMMAND), kNoItem);
  EXPECT_EQ(bar->GetMenuState(ID_SUPERVISE_FRAME, MF_BYCOMMAND), kNoItem);
  Command(ID_TREND_FRAME);
  EXPECT_EQ(ActiveTitle(), "Trends");
  Command(ID_NEXT_FRAME);
  EXPECT_EQ(ActiveTitle(), "Supervise");
  EXPECT_EQ(Frame()->GetWindowText(), title + " - [Supervise]");
}

TEST_F(FrameWithTrendsTest, TheDataSourceMenuChecksAndBoldsTheActiveSource) {
  Command(ID_SUPERVISE_FRAME);
  struct Step {
    UINT command;  // 0: none, as started
    UINT checked;
  };
  for (const Step& step : {Step{0, ID_DATASOURCE_DEMO}, Step{ID_DATASOURCE_NONE, ID_DATASOURCE_NONE},
                           Step{ID_DATASOURCE_DEMO, ID_DATASOURCE_DEMO}, Step{ID_DATASOURCE_DEMO, ID_DATASOURCE_DEMO},
                           Step{ID_DATASOURCE_REAL, ID_DATASOURCE_REAL}}) {
    if (step.command) Command(step.command);
    CMenu* popup = OpenPopup("Data Source");
    ASSERT_NE(popup, nullptr);
    for (UINT id : {ID_DATASOURCE_NONE, ID_DATASOURCE_DEMO, ID_DATASOURCE_REAL}) {
      const UINT state = popup->GetMenuState(id, MF_BYCOMMAND) & (MF_CHECKED | MF_DEFAULT);
      EXPECT_EQ(state, id == step.checked ? MF_CHECKED | MF_DEFAULT : 0u) << "item " << id << " after " << step.command;
    }
  }
  EXPECT_EQ(Engine()->GetDataSourceType(), CVekEngineBase::eDataSourceRealHw);
}

TEST_F(FrameWithTrendsTest, ResetProcessActsOnlyInRealHwAndIsCheckedWhileSet) {
  Command(ID_SUPERVISE_FRAME);
  Command(ID_RESET_PROCESS);
  EXPECT_FALSE(GetVekPlant()->IsResetProcessOn()) << "Demo: nothing happens";
  EXPECT_EQ(OpenPopup("Command")->GetMenuState(ID_RESET_PROCESS, MF_BYCOMMAND) & MF_CHECKED, 0u);
  Command(ID_DATASOURCE_REAL);
  Command(ID_RESET_PROCESS);
  EXPECT_TRUE(GetVekPlant()->IsResetProcessOn());
  EXPECT_EQ(OpenPopup("Command")->GetMenuState(ID_RESET_PROCESS, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
}

// The update pass over the three menus, each with its window active (the
// frame's own menu updated as a popup of the same frame): an item is
// enabled exactly when its command reaches a handler, so nothing shown
// usable does nothing. Every command is sent with the dialogs cancelled and
// nobody logging in.
TEST_F(FrameWithTrendsTest, EveryEnabledMenuItemReachesAHandlerAndEveryOtherIsDisabled) {
  testing_support::ModalDriverScope cancel([](CDialog& d) { d.EndDialog(IDCANCEL); });
  struct Menu {
    UINT id;
    const char* window;  // the document whose window shows the menu
  };
  std::map<UINT, std::map<UINT, bool>> enabled;  // menu -> command -> enabled
  for (const Menu& m : {Menu{IDR_SUPERVISE, "Supervise"}, Menu{IDR_TRENDS, "Trends"},
                        Menu{IDR_MAINFRAME, "Supervise"}}) {
    SCOPED_TRACE("menu " + std::to_string(m.id));
    Activate(m.window);
    CMenu own;
    CMenu* bar = Frame()->GetMenu();
    if (m.id == IDR_MAINFRAME) {
      ASSERT_TRUE(own.LoadMenu(IDR_MAINFRAME));
      bar = &own;
    }
    // Every command item of every popup and submenu, as the pass leaves it.
    std::vector<std::pair<UINT, bool>> items;
    std::function<void(CMenu*, UINT)> collect = [&](CMenu* popup, UINT index) {
      Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), static_cast<LPARAM>(index));
      for (UINT i = 0; i < popup->GetMenuItemCount(); ++i) {
        if (CMenu* sub = popup->GetSubMenu(static_cast<int>(i))) {
          collect(sub, i);
          continue;
        }
        const UINT id = popup->GetMenuItemID(static_cast<int>(i));
        if (id == 0 || id >= AFX_IDM_FIRST_MDICHILD) continue;
        const UINT state = popup->GetMenuState(i, MF_BYPOSITION);
        items.emplace_back(id, (state & (MF_GRAYED | MF_DISABLED)) == 0);
      }
    };
    for (UINT i = 0; i < bar->GetMenuItemCount(); ++i)
      if (CMenu* popup = bar->GetSubMenu(static_cast<int>(i))) collect(popup, i);
    ASSERT_GE(items.size(), 5u);
    for (const auto& [id, on] : items) {
      enabled[m.id][id] = on;
      Activate(m.window);
      const LRESULT handled = Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
      ProcessPendingEvents();
      EXPECT_EQ(handled != 0, on) << "command " << id << (on ? " is enabled but reaches no handler"
                                                             : " is disabled but has a handler");
      ASSERT_NE(Frame(), nullptr) << "the frame stays (closing is answered No)";
    }
  }
  // What the operator found dead is now shown so, the framework's own commands work.
  EXPECT_FALSE(enabled[IDR_MAINFRAME][ID_VIEW_TOOLBAR]);
  EXPECT_FALSE(enabled[IDR_MAINFRAME][ID_VIEW_STATUS_BAR]);
  EXPECT_FALSE(enabled[IDR_SUPERVISE][ID_WINDOW_CLOSE_ALL]);
  for (UINT id : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE}) {
    EXPECT_TRUE(enabled[IDR_SUPERVISE][id]) << id;
    EXPECT_TRUE(enabled[IDR_TRENDS][id]) << id;
  }
  EXPECT_TRUE(enabled[IDR_TRENDS][ID_WINDOW_NEW]);
}

// "New Window" on the trend window: another window on the trends, in front;
// it may be closed, while the trend window itself still refuses.
TEST_F(FrameWithTrendsTest, NewWindowOpensAnotherTrendWindowThatClosesAndLeavesTheFirst) {
  ProcessPendingEvents();  // the start-up's own commands (the mimic brought back) are done
  Activate("Trends");
  CMDIChildWnd* first = Frame()->MDIGetActive();
  CDocument* trends = Frame()->GetActiveDocument();
  ASSERT_EQ(trends->GetTitle(), "Trends");
  Command(ID_WINDOW_NEW);
  ProcessPendingEvents();
  ASSERT_EQ(Frame()->GetChildFrames().size(), 3u);
  CMDIChildWnd* second = Frame()->MDIGetActive();
  ASSERT_NE(second, first);
  EXPECT_EQ(second->GetActiveDocument(), trends);
  EXPECT_EQ(trends->GetViews().size(), 2u);
  second->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_EQ(Frame()->GetChildFrames().size(), 2u);
  EXPECT_EQ(trends->GetViews().size(), 1u);
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(Frame()->MDIGetActive(), first) << "the window before it comes back";
  EXPECT_TRUE(first->IsMaximized());
  first->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{CChildVekFrame::kNotClosableText});
  EXPECT_TRUE(first->IsWindowCreated());
  // The supervise window's menu has no "New Window": the command does nothing there.
  Activate("Supervise");
  EXPECT_EQ(Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(ID_WINDOW_NEW), 0), 0), 0);
  EXPECT_EQ(Frame()->GetChildFrames().size(), 2u);
}

// Window > "1 Supervise" after the operator minimised the mimic, from
// either window: the mimic comes back maximised and in front.
TEST_F(FrameWithTrendsTest, TheWindowListBringsBackAMinimisedSuperviseWindow) {
  ProcessPendingEvents();
  for (const char* from : {"Supervise", "Trends"}) {
    SCOPED_TRACE(from);
    Activate("Supervise");
    CMDIChildWnd* supervise = Frame()->MDIGetActive();
    supervise->SubWindow()->showMinimized();
    ProcessPendingEvents();
    if (std::string(from) == "Trends") Activate("Trends");
    ASSERT_TRUE(supervise->IsMinimized());
    CMenu* window = OpenPopup("&Window");
    ASSERT_NE(window, nullptr);
    UINT entry = kNoItem;
    for (UINT i = 0; i < window->GetMenuItemCount(); ++i)
      if (window->GetMenuString(i, MF_BYPOSITION) == "&1 Supervise") entry = window->GetMenuItemID(static_cast<int>(i));
    ASSERT_NE(entry, kNoItem);
    Command(entry);
    ProcessPendingEvents();
    EXPECT_FALSE(supervise->IsMinimized());
    EXPECT_TRUE(supervise->IsMaximized());
    EXPECT_EQ(Frame()->MDIGetActive(), supervise);
  }
}

TEST_F(AppTest, WithoutTrendSettingsTheTrendCommandSaysSoAndChangesNothing) {
  ASSERT_TRUE(Start());
  CMDIChildWnd* active = Frame()->MDIGetActive();
  Command(ID_TREND_FRAME);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"No Trend is defined in INi file!"});
  EXPECT_EQ(Frame()->MDIGetActive(), active);
}

TEST(FrameResources, NewIsUnreachableAndTheKeysSwitchFrames) {
  LoadResourceTables();
  // No menu holds New (it would build a second plant) ...
  for (UINT id : {IDR_MAINFRAME, IDR_SUPERVISE, IDR_TRENDS}) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(id));
    EXPECT_EQ(menu.GetMenuState(ID_FILE_NEW, MF_BYCOMMAND), kNoItem) << "menu " << id;
    EXPECT_NE(menu.GetMenuState(ID_APP_EXIT, MF_BYCOMMAND), kNoItem) << "menu " << id;
  }
  // ... and no key.
  const AcceleratorTemplate* keys = LoadAccelerators(IDR_MAINFRAME);
  ASSERT_NE(keys, nullptr);
  std::map<WORD, WORD> function;
  for (const AccelEntry& e : keys->entries) {
    EXPECT_NE(e.cmd, ID_FILE_NEW);
    if (e.key >= VK_F1 && e.key <= VK_F12) function[e.key] = e.cmd;
  }
  EXPECT_EQ(function, (std::map<WORD, WORD>{{VK_F4, ID_NEXT_FRAME}, {VK_F5, ID_SUPERVISE_FRAME}, {VK_F6, ID_TREND_FRAME}}));
  EXPECT_EQ(LoadStringResource(IDR_SUPERVISE), "\nVekFrame\nVekFrame\n\n\nVekFrame.Document\nVekFrame Document");
  EXPECT_EQ(LoadStringResource(IDR_TRENDS), "\nVekTrend\nVekTrend\n\n\nVekTrend.Document\nVekTrend.Document");
}

// ---- Closing ----------------------------------------------------------------------------------

TEST_F(AppTest, ClosingAsksAndOnlyYesClosesAndTakesTheTagBrowserAlong) {
  ASSERT_TRUE(Start());
  HWND browser = nullptr;
  CVekEngineBase::SetTagBrowserFactory([&browser]() -> CWnd* {
    auto* wnd = new CWnd;
    wnd->Create("RoveDazuvi Verov", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0);
    browser = wnd->m_hWnd;
    return wnd;
  });
  Command(ID_TAG_BROWSER);
  ASSERT_TRUE(CWnd::IsWindow(browser));
  for (int answer : {IDNO, IDCANCEL}) {
    boxes.QueueAnswer(answer);
    Frame()->SendMessage(WM_CLOSE);
    ProcessPendingEvents();
    ASSERT_NE(Frame(), nullptr) << answer;
    EXPECT_TRUE(CWnd::IsWindow(browser)) << "the tag browser stays open";
    EXPECT_FALSE(Engine()->IsShutDown());
  }
  const MessageBoxRequest asked = boxes.Last();
  EXPECT_EQ(asked.text, "Application will be closed.\r\nAre you sure?");
  EXPECT_EQ(asked.flags & (MB_TYPEMASK | MB_DEFBUTTON2 | MB_DEFBUTTON3), MB_YESNOCANCEL | MB_DEFBUTTON2);

  boxes.QueueAnswer(IDYES);
  Command(ID_APP_EXIT);
  ProcessPendingEvents();
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  EXPECT_FALSE(CWnd::IsWindow(browser));
  EXPECT_TRUE(Engine()->IsShutDown());
}

TEST_F(AppTest, TheTagBrowserCommandReachesTheRoveDazuviVerov) {
  ASSERT_TRUE(Start());
  Command(ID_TAG_BROWSER);  // its own rights check asks who logs in; nobody does
  EXPECT_EQ(login.purposes.size(), 1u);
  EXPECT_EQ(Engine()->GetTagBrowser(), nullptr);
}

TEST_F(AppTest, TheSuperviseWindowCannotBeClosedOnItsOwn) {
  ASSERT_TRUE(Start());
  CMDIChildWnd* child = Frame()->MDIGetActive();
  child->SendMessage(WM_CLOSE);
  Command(ID_FILE_CLOSE);
  ProcessPendingEvents();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"This is not closable!\r\nClose main application instead.",
                                                  "This is not closable!"}));
  EXPECT_EQ(Frame()->MDIGetActive(), child);
}

// ---- Record interval ------------------------------------------------------------------------------

// Answers each record-interval box with the next text (empty optional: Cancel).
class RecordIntervalTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    Engine()->SetRecordProcessInfoInterval(60);
  }
  // Runs the command with the texts typed into the boxes in turn.
  void Run(std::vector<std::optional<std::string>> typed) {
    shownInitial.clear();
    ModalDriverScope driver([&](CDialog& d) {
      EXPECT_EQ(d.GetWindowText(), "Recording Interval");
      shownInitial.push_back(d.GetDlgItemText(IDC_INPUT_VALUE));
      if (typed.empty() || !typed.front()) {
        d.EndDialog(IDCANCEL);
      } else {
        d.SetDlgItemText(IDC_INPUT_VALUE, *typed.front());
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      }
      if (!typed.empty()) typed.erase(typed.begin());
    });
    Command(ID_RECORD_INTERVAL);
  }
  std::string StoredKey() const {
    CIniFile ini(File("-Setting.ini"));
    std::string value;
    ini.ReadString("Application", "nRecordProcessInformationInterval", value, "");
    return value;
  }
  std::vector<std::string> shownInitial;
};

TEST_F(RecordIntervalTest, AGrantedValueIsStoredAndWritten) {
  login.answers = {User("tech")};
  Run({"120"});
  EXPECT_EQ(shownInitial, std::vector<std::string>{"60"});
  EXPECT_EQ(login.purposes, std::vector<std::string>{"To change 'Record Process Information Interval'"});
  EXPECT_EQ(Engine()->GetRecordProcessInfoInterval(), 120);
  EXPECT_EQ(StoredKey(), "120");
}

TEST_F(RecordIntervalTest, TheLargestValueIsOneDay) {
  login.answers = {User("plant")};
  Run({"86401", "86400"});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The recording interval is at most 86400 seconds (one day)."});
  EXPECT_EQ(shownInitial, (std::vector<std::string>{"60", "86401"})) << "asked again with what was typed";
  EXPECT_EQ(Engine()->GetRecordProcessInfoInterval(), 86400);
}

TEST_F(RecordIntervalTest, EmptyTextIsRefusedAndCancelThenChangesNothing) {
  Run({"", std::nullopt});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please enter the recording interval in seconds (0 for no recording)."});
  EXPECT_TRUE(login.purposes.empty()) << "Cancel asks for no rights";
  EXPECT_EQ(Engine()->GetRecordProcessInfoInterval(), 60);
  EXPECT_EQ(StoredKey(), "");
}

TEST_F(RecordIntervalTest, ALetterIsRefusedAsItIsTypedAndTheDigitsAreStored) {
  login.answers = {User("tech")};
  std::string shown;
  ModalDriverScope driver([&](CDialog& d) {
    auto* edit = dynamic_cast<CEdit*>(d.GetDlgItem(IDC_INPUT_VALUE));
    ASSERT_NE(edit, nullptr);
    edit->SetSel(0, -1);
    for (const char key : std::string("9o0s")) edit->TypeText(std::string(1, key));
    shown = edit->GetWindowText();
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  Command(ID_RECORD_INTERVAL);
  EXPECT_EQ(shown, "90");
  EXPECT_TRUE(BoxTexts().empty()) << "nothing to refuse on OK";
  EXPECT_EQ(Engine()->GetRecordProcessInfoInterval(), 90);
}

TEST_F(RecordIntervalTest, AUserOutsideTheGroupsChangesNothing) {
  login.answers = {User("oper")};  // then the login is given up
  Run({"30"});
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text.rfind("Access Denied!", 0), 0u);
  EXPECT_NE(boxes.Last().text.find("Technical"), std::string::npos);
  EXPECT_NE(boxes.Last().text.find("Plant-Admin"), std::string::npos);
  EXPECT_EQ(login.purposes.size(), 2u);
  EXPECT_EQ(Engine()->GetRecordProcessInfoInterval(), 60);
}

// ---- Users ------------------------------------------------------------------------------------------

// Records the modal dialogs the commands open: their template and the user named.
class UsersCommandTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  void Run(UINT command) {
    ModalDriverScope driver([this](CDialog& d) {
      if (d.GetDlgItem(login_res::IDC_PASS_USER)) {
        opened.push_back("password " + d.GetDlgItemText(login_res::IDC_PASS_USER) +
                         (d.GetDlgItem(login_res::IDC_PASS_OLD)->IsWindowEnabled() ? " with old" : " without old"));
      } else {
        opened.push_back("editor");
      }
      d.EndDialog(IDCANCEL);
    });
    Command(command);
  }
  std::vector<std::string> opened;
};

TEST_F(UsersCommandTest, EveryLoggedInUserChangesHisOwnPassword) {
  for (const char* name : {"nobody", "oper", "admin"}) {
    login.answers = {User(name)};
    Run(ID_CHANGE_PASSWORD);
  }
  EXPECT_EQ(opened, (std::vector<std::string>{"password nobody with old", "password oper with old",
                                              "password admin with old"}));
  EXPECT_EQ(login.purposes, std::vector<std::string>(3, "To open the change password window"));
  EXPECT_TRUE(boxes.Shown().empty());
  Run(ID_CHANGE_PASSWORD);  // the login is given up
  EXPECT_EQ(opened.size(), 3u);
}

TEST_F(UsersCommandTest, TheUsersEditorNeedsAPlantAdmin) {
  login.answers = {User("tech")};
  Run(ID_USERS_EDITOR);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(boxes.Count(), 1u) << "Access Denied, then the login was given up";
  login.answers = {User("plant")};
  Run(ID_USERS_EDITOR);
  EXPECT_EQ(opened, std::vector<std::string>{"editor"});
  ASSERT_FALSE(login.purposes.empty());
  EXPECT_EQ(login.purposes.back(), "To open Access Control Users Editor window");
}

// ---- The plant's windows -------------------------------------------------------------------------------

TEST_F(AppTest, TheRecipeWindowIsMadeOnceThenBroughtToTheFrontAndGoesWithTheFrame) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Frame()->GetRecipeWindow(), nullptr);
  Command(ID_RECIPE);
  auto* recipe = dynamic_cast<CRecipeDlg*>(Frame()->GetRecipeWindow());
  ASSERT_NE(recipe, nullptr) << "the recipe window";
  EXPECT_TRUE(recipe->IsWindowVisible());
  // Closed (hidden) with a stale report: the command shows the same window
  // again with the PLC's recipe checked anew.
  recipe->SetDlgItemText(record_res::IDC_RECIPE_REPORT, "stale report");
  recipe->ShowWindow(SW_HIDE);
  Command(ID_RECIPE);
  ProcessPendingEvents();
  EXPECT_EQ(Frame()->GetRecipeWindow(), recipe) << "made once";
  EXPECT_TRUE(recipe->IsWindowVisible());
  EXPECT_EQ(recipe->GetDlgItemText(record_res::IDC_RECIPE_REPORT), "") << "checked again: nothing to compare";
  const HWND hRecipe = recipe->m_hWnd;
  Frame()->DestroyWindow();
  EXPECT_FALSE(CWnd::IsWindow(hRecipe));
}

// The recipe window and the tag browser are made without a parent: each is
// a window of its own, not transient for the main window, so a window
// manager minimises it alone. A modal table window keeps the frame as owner.
TEST_F(AppTest, TheRecipeWindowAndTheTagBrowserAreNotOwnedByTheMainWindow) {
  ASSERT_TRUE(Start());
  Frame()->ShowWindow(SW_SHOW);
  Frame()->SetForegroundWindow();
  ProcessPendingEvents();
  // The window it is transient for (null: none).
  auto ownerOf = [](CWnd* wnd) -> QWindow* {
    QWidget* w = wnd->GetWidget();
    if (QWidget* parent = w->parentWidget()) return parent->window()->windowHandle();
    return w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
  };
  Command(ID_RECIPE);
  ProcessPendingEvents();
  CWnd* recipe = Frame()->GetRecipeWindow();
  ASSERT_NE(recipe, nullptr);
  EXPECT_EQ(ownerOf(recipe), nullptr);
  login.answers.push_back(User("tech"));
  Command(ID_TAG_BROWSER);
  ProcessPendingEvents();
  CWnd* browser = Engine()->GetTagBrowser();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->IsWindowVisible());
  EXPECT_EQ(ownerOf(browser), nullptr);
  QWindow* shiftOwner = nullptr;
  ModalDriverScope driver([&](CDialog& dialog) {
    shiftOwner = ownerOf(&dialog);
    dialog.EndDialog(IDCANCEL);
  });
  Command(ID_SHIFT);
  EXPECT_NE(shiftOwner, nullptr) << "a modal window stays with its owner";
  // Not the frame's windows, they still go with the frame.
  const HWND hRecipe = recipe->m_hWnd;
  const HWND hBrowser = browser->m_hWnd;
  Frame()->DestroyWindow();
  EXPECT_FALSE(CWnd::IsWindow(hRecipe));
  EXPECT_FALSE(CWnd::IsWindow(hBrowser));
  EXPECT_EQ(Engine()->GetTagBrowser(), nullptr);
}

TEST_F(AppTest, ThePlantsWindowsWorkOnTheApplicationsPlant) {
  EXPECT_EQ(GetAppPlant(), nullptr) << "no application, no plant";
  StartOnShippedData();
  CPlant* plant = GetAppPlant();
  ASSERT_NE(plant, nullptr);
  EXPECT_EQ(plant, CPlant::GetCurrent()) << "the one plant the engine works on";
  Command(ID_RECIPE);
  auto* recipe = dynamic_cast<CRecipeDlg*>(Frame()->GetRecipeWindow());
  ASSERT_NE(recipe, nullptr);
  EXPECT_EQ(recipe->GetRecipeRS(), plant->Tables().pRecipe.get());
  std::string operatorShown;
  {
    ModalDriverScope driver([&](CDialog& dialog) {
      operatorShown = dialog.GetDlgItemText(record_res::IDC_SHIFT_OPERATOR);
      dialog.EndDialog(IDCANCEL);
    });
    Command(ID_SHIFT);
  }
  ASSERT_TRUE(plant->Tables().pShift->HasActiveRecord());
  EXPECT_EQ(operatorShown, plant->Tables().pShift->GetActiveFields().m_strOperatorName) << "the plant's Shift table";
}

TEST_F(AppTest, ShiftRangeAndPidCommandsOpenTheirWindows) {
  ASSERT_TRUE(Start());
  std::vector<std::string> shown;
  ModalDriverScope driver([&](CDialog& dialog) {
    if (dynamic_cast<CShiftDlg*>(&dialog)) shown.push_back("shift");
    if (dynamic_cast<CRecipeRangeDlg*>(&dialog)) shown.push_back("range");
    if (dynamic_cast<CLoopPidFactorsDlg*>(&dialog)) shown.push_back("pid");
    dialog.EndDialog(IDCANCEL);
  });
  for (UINT id : {ID_SHIFT, ID_RECIPE_RANGE, ID_LOOP_PID_FACTORS}) Command(id);
  EXPECT_EQ(shown, (std::vector<std::string>{"shift", "range", "pid"}));
}

}  // namespace

namespace {

// The pixel of the window's image at a point of the window (screen point
// minus the window's origin).
COLORREF PixelAt(const QImage& image, CPoint point) {
  const QRgb rgb = image.pixel(point.x, point.y);
  return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TEST_F(AppTest, TheFrameShowsItsMenusAndTheMimicBackground) {
  ASSERT_TRUE(Start());
  // Large enough for the whole form (the offscreen screen is smaller).
  Frame()->ShowWindow(SW_RESTORE);
  Frame()->MoveWindow(0, 0, 1260, 1000);
  ProcessPendingEvents();
  const QImage shot = Frame()->GetWidget()->grab().toImage();
  if (const char* folder = std::getenv("VEK_SNAPSHOT_DIR")) shot.save(QString(folder) + "/vekframe-main.png");
  CMenu* bar = Frame()->GetMenu();
  std::vector<std::string> titles;
  for (UINT i = 0; i < bar->GetMenuItemCount(); ++i) titles.push_back(bar->GetMenuString(i, MF_BYPOSITION));
  EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&View", "Command", "Tables", "Data Source", "&Window", "&Help"}));
  // Below the "Trends" button and left of the loop group the view shows the mimic's colour.
  CWnd* view = Frame()->GetActiveView();
  CRect frameRect, viewRect;
  Frame()->GetWindowRect(&frameRect);
  view->GetWindowRect(&viewRect);
  const CPoint inView(viewRect.left - frameRect.left + 40, viewRect.top - frameRect.top + 60);
  EXPECT_EQ(PixelAt(shot, inView), C_BaseShape::GetMimicBgColor());
}

}  // namespace
