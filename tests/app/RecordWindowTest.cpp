// The record windows on a real records database and a plant's recipe
// object: the recipe window (create, edit, activate with its history row
// and notice, download, the PC/PLC report, refusals that keep the edits,
// rights), the recipe ranges and the shift window whose new operator is
// on the next Event row.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordWindowFixture.h"
#include "app/NewShiftDlg.h"
#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/RecordEdits.h"
#include "app/ShiftDlg.h"
#include "core/VekAccessUser.h"
#include "plant/ProcessData.h"
#include "plant/ProcessDataAttribs.h"
#include "plant/RecipeCheck.h"
#include "plant/VekEngineApp.h"
#include "platform/Thread.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SysColors.h"
#include "res/RecordWindowResources.h"
#include "res/Resources.h"
#include "shapes/fixture/Logins.h"

using namespace app_test;
using namespace record_res;

namespace {

constexpr int kProduction = CVekAccessUser::eGroupProduction;
constexpr int kOperator = CVekAccessUser::eGroupOperator;

// The record sets belong to a plant (no devices) with its process-data
// objects and its engine, which stamps new rows (operator, recipe).
class RecordWindowTest : public RecipeWindowTest {
 protected:
  void Type(CEdit& edit, const std::string& text) {
    edit.SetSel(0, -1);
    edit.TypeText(text);
  }
  float PlcItem(int n) { return plant->Recipe()->GetAttribFloat(PR_LI01_PowderMoisture + n - 1); }
  void NewEventRow() {
    events.ResetNewFields();
    ASSERT_TRUE(events.AddRecord());
  }
};

}  // namespace

TEST_F(RecordWindowTest, TheWindowListsTheRecipesAndShowsTheActiveOne) {
  MakeRecipe("Summer", 1.0f);
  const int winter = MakeRecipe("Winter", 10.0f, true);
  OpenRecipeWindow();
  EXPECT_TRUE(recipeDlg.IsWindowVisible());
  EXPECT_EQ(recipeDlg.GetParent(), nullptr);
  ASSERT_EQ(recipeDlg.GetListedRecipes().size(), 2u);
  CListBox* list = dynamic_cast<CListBox*>(recipeDlg.GetDlgItem(IDC_RECIPE_LIST));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetText(1), std::to_string(winter) + "  Winter  (Active)");
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(recipeDlg.GetShownRecipeId(), winter);
  EXPECT_EQ(Box(IDC_RECIPE_NAME).GetWindowText(), "Winter");
  EXPECT_EQ(Item(3).GetWindowText(), "12");
  EXPECT_EQ(recipeDlg.GetDlgItemText(IDC_RECIPE_CAPTION_FIRST + 4), "5- Inlet Temperature - \u00B0C");
  EXPECT_EQ(recipeDlg.GetDlgItemText(IDC_RECIPE_NUMBER), "Recipe Number: " + std::to_string(winter) + "  (Active)");
  // The PLC still holds nothing: the report asks for a download.
  const std::string report = recipeDlg.GetDlgItemText(IDC_RECIPE_REPORT);
  EXPECT_NE(report.find("Recipe Number"), std::string::npos);
  EXPECT_NE(report.find(kRecipeVerdictDownload), std::string::npos);
}

TEST_F(RecordWindowTest, ANewRecipeIsSavedAfterTheRightsCheckAndAnEditChangesItsRow) {
  MakeRecipe("Summer", 1.0f, true);
  OpenRecipeWindow();
  recipeDlg.NewRecipe();
  EXPECT_EQ(recipeDlg.GetShownRecipeId(), -1);
  Type(Box(IDC_RECIPE_NAME), "Autumn");
  Type(Item(2), "450.5");

  // Nobody logs in: nothing is written, the edits stay.
  EXPECT_FALSE(recipeDlg.SaveRecipe());
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "1");
  EXPECT_EQ(Box(IDC_RECIPE_NAME).GetWindowText(), "Autumn");
  // An operator is not enough (the check asks again; nobody else logs in).
  logins.Answer(logins.User(kOperator));
  EXPECT_FALSE(recipeDlg.SaveRecipe());
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "1");

  logins.Answer(logins.User(kProduction));
  ASSERT_TRUE(recipeDlg.SaveRecipe());
  ASSERT_FALSE(logins.Purposes().empty());
  EXPECT_EQ(logins.Purposes().back(), "To change the recipes");
  const int autumn = recipeDlg.GetShownRecipeId();
  ASSERT_GT(autumn, 0);
  EXPECT_EQ(Query("SELECT RecipeName || ' ' || fLoopItemValue02 || ' ' || fLoopItemValue03 || ' ' || IsActive "
                  "FROM Recipe WHERE RecordID = " + std::to_string(autumn)),
            "Autumn 450.5 3.0 0") << "the other items come from the recipe shown before";

  // The user stays for the window's next change.
  Type(Item(17), "610");
  const size_t logins_before = logins.Purposes().size();
  ASSERT_TRUE(recipeDlg.SaveRecipe());
  EXPECT_EQ(logins.Purposes().size(), logins_before);
  EXPECT_EQ(Query("SELECT fLoopItemValue17 FROM Recipe WHERE RecordID = " + std::to_string(autumn)), "610.0");
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "2");
}

TEST_F(RecordWindowTest, RefusalsKeepTheWindowAndTheEditsAndWriteNothing) {
  MakeRecipe("Summer", 1.0f, true);
  const int winter = MakeRecipe("Winter", 20.0f);
  dir.Write("Setting.ini", "[RecipeRange]\r\nLoopItemValue03.Min=10\r\nLoopItemValue03.Max=50\r\n");
  OpenRecipeWindow();
  recipeDlg.ReloadRecipes(winter);
  logins.Answer(logins.User(kProduction));

  Type(Item(3), "55");
  EXPECT_FALSE(recipeDlg.SaveRecipe());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text,
            "The value 55 of item 3 \"Slurry Pressure - bar\" is outside its range.\n"
            "It must be between 10 and 50 (Tables > Calibrations > Recipe).");
  EXPECT_EQ(Item(3).GetWindowText(), "55");
  EXPECT_EQ(Query("SELECT fLoopItemValue03 FROM Recipe WHERE RecordID = " + std::to_string(winter)), "22.0");

  Type(Item(3), "49");
  Type(Box(IDC_RECIPE_NAME), " summer ");
  EXPECT_FALSE(recipeDlg.SaveRecipe());
  EXPECT_EQ(boxes.Last().text, "Recipe 1 is named \"Summer\" already.\nPlease choose another name.");
  EXPECT_EQ(Box(IDC_RECIPE_NAME).GetWindowText(), " summer ");
  EXPECT_EQ(Query("SELECT RecipeName FROM Recipe WHERE RecordID = " + std::to_string(winter)), "Winter");

  Type(Item(4), "12abc");
  EXPECT_FALSE(recipeDlg.SaveRecipe());
  EXPECT_EQ(boxes.Last().text, "Please enter a number.");

  // Unsaved edits are not activated; a new recipe is not chosen.
  Type(Item(4), "23");
  EXPECT_FALSE(recipeDlg.ActivateRecipe());
  EXPECT_EQ(boxes.Last().text, "The recipe shown has changes that are not saved.\nSave it first, then activate it.");
  recipeDlg.NewRecipe();
  EXPECT_FALSE(recipeDlg.ActivateRecipe());
  EXPECT_FALSE(recipeDlg.DeleteRecipe());
  EXPECT_EQ(boxes.Last().text, "Please choose the recipe to delete in the list.");
  EXPECT_EQ(Query("SELECT RecordID FROM Recipe WHERE IsActive = 1"), "1");
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "2");
  EXPECT_TRUE(recipeDlg.IsWindowVisible());
}

TEST_F(RecordWindowTest, ActivationWritesTheHistoryRowAndTellsTheEnginesWindow) {
  MakeRecipe("Summer", 1.0f, true);
  const int winter = MakeRecipe("Winter", 20.0f);
  OpenRecipeWindow();
  recipeDlg.ReloadRecipes(winter);
  const size_t noticesBefore = notices.notices.size();
  EXPECT_FALSE(recipeDlg.ActivateRecipe()) << "nobody logged in";
  EXPECT_EQ(Query("SELECT RecordID FROM Recipe WHERE IsActive = 1"), "1");

  logins.Answer(logins.User(CVekAccessUser::eGroupPlantAdmin));
  ASSERT_TRUE(recipeDlg.ActivateRecipe());
  EXPECT_EQ(Query("SELECT RecordID FROM Recipe WHERE IsActive = 1"), std::to_string(winter));
  EXPECT_EQ(Query("SELECT RecordID || ' ' || RecipeName FROM RecipeHistory"), std::to_string(winter) + " Winter");
  EXPECT_EQ(recipes.GetActiveFields().m_nRecordID, winter);
  ASSERT_TRUE(notices.WaitFor(noticesBefore + 1));
  EXPECT_EQ(notices.notices.back().second, TABLE_NOTICE_ACTIVE_RECORD_SET);
  EXPECT_EQ(engine->GetActiveRecipeName(), "Winter") << "the next Event row's recipe";

  EXPECT_FALSE(recipeDlg.ActivateRecipe());
  EXPECT_EQ(boxes.Last().text, "Recipe " + std::to_string(winter) + " is the active recipe already.");
  EXPECT_FALSE(recipeDlg.DeleteRecipe());
  EXPECT_EQ(boxes.Last().text, "The active recipe cannot be deleted.\nActivate another recipe first.");
  recipeDlg.ReloadRecipes(1);
  boxes.QueueAnswer(IDNO);
  EXPECT_FALSE(recipeDlg.DeleteRecipe());
  EXPECT_EQ(boxes.Last().text, "Delete recipe 1 \"Summer\"?");
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "2");
  boxes.QueueAnswer(IDYES);
  ASSERT_TRUE(recipeDlg.DeleteRecipe());
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "1");
  EXPECT_EQ(recipeDlg.GetShownRecipeId(), winter);
}

TEST_F(RecordWindowTest, DownloadWritesTheActiveRecipeIntoTheRecipeObjectAndTheReportAgrees) {
  const int summer = MakeRecipe("Summer", 1.5f, true);
  OpenRecipeWindow();
  EXPECT_FALSE(recipeDlg.VerifyPlcRecipe());
  logins.Answer(logins.User(kProduction));
  ASSERT_TRUE(recipeDlg.DownloadActiveRecipe());
  for (int n = 1; n <= 17; ++n) EXPECT_EQ(PlcItem(n), 1.5f + static_cast<float>(n - 1)) << n;
  EXPECT_EQ(plant->Recipe()->GetAttribInt(PR_ActiveRecipeNumber), summer);
  EXPECT_TRUE(recipeDlg.VerifyPlcRecipe());
  EXPECT_NE(recipeDlg.GetDlgItemText(IDC_RECIPE_REPORT).find(kRecipeVerdictSame), std::string::npos);
  EXPECT_TRUE(CompareRecipePcWithPlc(nullptr));
}

TEST_F(RecordWindowTest, WithoutAnActiveRecipeNothingIsDownloaded) {
  MakeRecipe("Summer", 1.5f);
  OpenRecipeWindow();
  EXPECT_FALSE(recipeDlg.DownloadActiveRecipe());
  EXPECT_EQ(boxes.Last().text, "There is no active recipe to download.\nActivate a recipe first.");
  EXPECT_EQ(PlcItem(1), 0.0f);
  EXPECT_TRUE(logins.Purposes().empty()) << "nothing to change: no login";
}

TEST_F(RecordWindowTest, BroughtToTheFrontTheWindowKeepsItsEditsAndClosingForgetsTheUser) {
  MakeRecipe("Summer", 1.0f, true);
  OpenRecipeWindow();
  Type(Item(1), "7.25");
  const int other = MakeRecipe("Made elsewhere", 3.0f);
  recipeDlg.SendMessage(WM_RECIPE_TO_FRONT, 0, 0);
  EXPECT_EQ(Item(1).GetWindowText(), "7.25");
  ASSERT_EQ(recipeDlg.GetListedRecipes().size(), 2u);
  EXPECT_EQ(recipeDlg.GetListedRecipes()[1].m_nRecordID, other);

  logins.Answer(logins.User(kProduction));
  ASSERT_TRUE(recipeDlg.SaveRecipe());
  ASSERT_NE(recipeDlg.m_pCaptionUser, nullptr);
  dynamic_cast<CButton*>(recipeDlg.GetDlgItem(IDC_RECIPE_CLOSE))->Click();
  EXPECT_FALSE(recipeDlg.IsWindowVisible());
  EXPECT_TRUE(recipeDlg.IsWindowCreated()) << "hidden, kept for the next time";
  EXPECT_EQ(recipeDlg.m_pCaptionUser, nullptr);
}

// While the values shown are not the ones the PC/PLC check compared (typed
// and not saved, another recipe, a new one), the report says so and names
// the recipe compared. Closed without saving, after being moved off the
// screen, and opened again as the main frame does, the window shows the
// stored recipe, beside a report with no such note, on the screen.
TEST_F(RecordWindowTest, ReopenedTheRecipeWindowShowsTheStoredRecipeOnTheScreen) {
  const int summer = MakeRecipe("Summer", 2.0f, true);
  const int winter = MakeRecipe("Winter", 20.0f);
  OpenRecipeWindow();
  logins.Answer(logins.User(kProduction));
  ASSERT_TRUE(recipeDlg.DownloadActiveRecipe());
  const auto report = [&] { return recipeDlg.GetDlgItemText(IDC_RECIPE_REPORT); };
  const auto noted = [&] { return report().find("Checked below: the active recipe " + std::to_string(summer) + " as stored.") != std::string::npos; };
  ASSERT_NE(report().find(kRecipeVerdictSame), std::string::npos);
  EXPECT_FALSE(noted());
  struct Row {
    const char* shown;
    std::function<void()> show;
    bool noted;
  };
  const Row rows[] = {
      {"9 typed into item 1", [&] { Type(Item(1), "9"); }, true},
      {"item 1 typed back", [&] { Type(Item(1), "2.0"); }, false},
      {"a name typed", [&] { Type(Box(IDC_RECIPE_NAME), "Summer 2"); }, true},
      {"another recipe", [&] { recipeDlg.ReloadRecipes(winter); }, true},
      {"a new recipe", [&] { recipeDlg.NewRecipe(); }, true},
      {"the active recipe", [&] { recipeDlg.ReloadRecipes(summer); }, false},
      {"9 typed, then downloaded", [&] { Type(Item(1), "9"); ASSERT_TRUE(recipeDlg.DownloadActiveRecipe()); }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shown);
    row.show();
    ASSERT_NE(report().find(kRecipeVerdictSame), std::string::npos);
    EXPECT_EQ(noted(), row.noted) << report();
  }
  ProcessPendingEvents();
  const CRect work(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  CRect shown;
  recipeDlg.GetWindowRect(&shown);
  recipeDlg.MoveWindow(CRect(work.right + 300, work.bottom + 200, work.right + 300 + shown.Width(),
                             work.bottom + 200 + shown.Height()), TRUE);
  ProcessPendingEvents();
  dynamic_cast<CButton*>(recipeDlg.GetDlgItem(IDC_RECIPE_CLOSE))->Click();
  ASSERT_FALSE(recipeDlg.IsWindowVisible());
  recipeDlg.VerifyPlcRecipe();
  recipeDlg.ShowWindow(SW_RESTORE);
  recipeDlg.SendMessage(WM_RECIPE_TO_FRONT, 0, 0);
  ProcessPendingEvents();
  EXPECT_EQ(recipeDlg.GetShownRecipeId(), summer);
  EXPECT_EQ(Item(1).GetWindowText(), "2");
  EXPECT_EQ(Box(IDC_RECIPE_NAME).GetWindowText(), "Summer");
  EXPECT_FALSE(noted()) << report();
  EXPECT_EQ(Query("SELECT fLoopItemValue01 FROM Recipe WHERE RecordID = " + std::to_string(summer)), "2.0");
  const QRect f = recipeDlg.GetWidget()->frameGeometry();
  const CRect framed(f.x(), f.y(), f.x() + f.width(), f.y() + f.height());
  // The window's corner on the screen, and all of it where it is not larger.
  EXPECT_GE(framed.left, work.left);
  EXPECT_GE(framed.top, work.top);
  EXPECT_TRUE(framed.Width() > work.Width() || framed.right <= work.right);
  EXPECT_TRUE(framed.Height() > work.Height() || framed.bottom <= work.bottom);
}

// A stored value with more digits than its field shows is still shown as
// stored: the check's note does not call it a change.
TEST_F(RecordWindowTest, AStoredValueWithMoreDigitsThanItsFieldShowsIsNoChange) {
  MakeRecipe("Fine", 0.1234567f, true);
  OpenRecipeWindow();
  ASSERT_EQ(Item(1).GetWindowText(), "0.123457");
  recipeDlg.VerifyPlcRecipe();
  const std::string report = recipeDlg.GetDlgItemText(IDC_RECIPE_REPORT);
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.find("changes not saved"), std::string::npos) << report;
}

// Each change of the recipe window (save, delete, activate, download) is
// refused to a logged-in user of no group and to each group the window does
// not admit: "Access Denied!", nothing written to the tables or the PLC's
// recipe, and the window keeps no user. A production user alone then makes
// each change.
TEST_F(RecordWindowTest, EveryChangeIsRefusedToAUserOfNoGroupOrOfAGroupNotAdmitted) {
  const int summer = MakeRecipe("Summer", 1.0f, true);
  const int winter = MakeRecipe("Winter", 20.0f);
  OpenRecipeWindow();
  const std::string tables = "SELECT group_concat(RecordID || RecipeName || IsActive || fLoopItemValue01, ';') FROM Recipe";
  const std::string rows = Query(tables);
  struct Change {
    const char* name;
    std::function<bool()> run;
  };
  const std::vector<Change> changes = {
      {"save",
       [&] {
         recipeDlg.ReloadRecipes(winter);
         Type(Item(1), "21.5");
         return recipeDlg.SaveRecipe();
       }},
      {"delete",
       [&] {
         recipeDlg.ReloadRecipes(winter);
         boxes.QueueAnswer(IDYES);
         return recipeDlg.DeleteRecipe();
       }},
      {"activate",
       [&] {
         recipeDlg.ReloadRecipes(winter);
         return recipeDlg.ActivateRecipe();
       }},
      {"download", [&] { return recipeDlg.DownloadActiveRecipe(); }},
  };
  for (const int group : {CVekAccessUser::eGroupNone, CVekAccessUser::eGroupOperator, CVekAccessUser::eGroupShift,
                          CVekAccessUser::eGroupTechnical}) {
    for (const Change& change : changes) {
      SCOPED_TRACE(std::string(change.name) + " by a user of group " + std::to_string(group));
      logins.Answer(logins.User(group));
      const size_t asked = logins.Purposes().size();
      boxes.Clear();
      EXPECT_FALSE(change.run());
      EXPECT_EQ(logins.Purposes().size(), asked + 2) << "the login, and again after the refusal";
      ASSERT_GE(boxes.Count(), 1u);
      EXPECT_EQ(boxes.Last().text.rfind("Access Denied!", 0), 0u) << boxes.Last().text;
      EXPECT_EQ(recipeDlg.m_pCaptionUser, nullptr);
      EXPECT_EQ(Query(tables), rows);
      EXPECT_EQ(Query("SELECT count(*) FROM RecipeHistory"), "0");
      EXPECT_EQ(PlcItem(1), 0.0f);
    }
  }
  logins.Answer(logins.User(kProduction));
  ASSERT_TRUE(changes[3].run());
  EXPECT_EQ(PlcItem(1), 1.0f) << "the active recipe downloaded";
  ASSERT_TRUE(changes[0].run());
  ASSERT_TRUE(changes[2].run());
  EXPECT_EQ(Query("SELECT RecordID || ' ' || fLoopItemValue01 FROM Recipe WHERE IsActive = 1"),
            std::to_string(winter) + " 21.5");
  recipeDlg.ReloadRecipes(summer);
  boxes.QueueAnswer(IDYES);
  ASSERT_TRUE(recipeDlg.DeleteRecipe());
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "1");
}

TEST_F(RecordWindowTest, RangesAreStoredOnlyForARightfulUserAndRefusedWhenWrong) {
  CRecipeRangeDlg ranges;
  ranges.SetRangeFile(ini.get());
  int step = 0;
  testing_support::ModalDriverScope driver([&](CDialog& dialog) {
    if (&dialog != &ranges) return;
    dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MIN_FIRST) + 2, "10");
    dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MAX_FIRST) + 2, "5");
    EXPECT_FALSE(ranges.SaveRanges());
    EXPECT_EQ(boxes.Last().text,
              "The minimum of item 3 \"Slurry Pressure - bar\" (10) is above its maximum (5).");
    dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MAX_FIRST) + 2, "x5");
    EXPECT_FALSE(ranges.SaveRanges());
    EXPECT_EQ(boxes.Last().text,
              "The maximum of item 3 \"Slurry Pressure - bar\" is not a number: \"x5\"\nLeave the box empty for no limit.");
    dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MAX_FIRST) + 2, "50");
    EXPECT_FALSE(ranges.SaveRanges()) << "nobody logged in";
    EXPECT_EQ(dir.Read("Setting.ini").find("RecipeRange"), std::string::npos);
    logins.Answer(logins.User(kProduction));
    ++step;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  EXPECT_EQ(ranges.DoModal(), IDOK);
  EXPECT_EQ(step, 1);
  ASSERT_FALSE(logins.Purposes().empty());
  EXPECT_EQ(logins.Purposes().back(), "To change the recipe ranges");
  CIniFile reread(dir.File("Setting.ini"));
  const recipe_rules::RecipeRanges stored = recipe_rules::LoadRecipeRanges(reread, nullptr);
  EXPECT_EQ(stored[2], (recipe_rules::ItemRange{true, 10.0f, true, 50.0f}));

  // Opened again: the stored limits are shown; OK without changes asks nobody.
  CRecipeRangeDlg again;
  again.SetRangeFile(ini.get());
  const size_t asked = logins.Purposes().size();
  testing_support::ModalDriverScope second([&](CDialog& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(static_cast<int>(IDC_RANGE_MIN_FIRST) + 2), "10");
    EXPECT_EQ(dialog.GetDlgItemText(static_cast<int>(IDC_RANGE_MAX_FIRST)), "");
    EXPECT_EQ(dialog.GetDlgItemText(static_cast<int>(IDC_RANGE_CAPTION_FIRST) + 16),
              "17- AIT: Auto Ignition Temperature - \u00B0C");
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  EXPECT_EQ(again.DoModal(), IDOK);
  EXPECT_EQ(logins.Purposes().size(), asked);
}

TEST_F(RecordWindowTest, ANewShiftStartsForItsOperatorWhoIsOnTheNextEventRow) {
  ASSERT_TRUE(record_edits::StartShift(shifts, "Reza"));
  NewEventRow();
  EXPECT_EQ(Query("SELECT OperatorName FROM Event ORDER BY ID DESC LIMIT 1"), "Reza");

  CShiftDlg shiftDlg;
  shiftDlg.SetRecordset(&shifts);
  int asked = 0;
  testing_support::ModalDriverScope driver([&](CDialog& dialog) {
    if (&dialog == &shiftDlg) {
      EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_OPERATOR), "Reza");
      EXPECT_FALSE(shiftDlg.StartNewShift()) << "nobody logged in: no question, no shift";
      EXPECT_EQ(asked, 0);
      logins.Answer(logins.User(CVekAccessUser::eGroupShift));
      EXPECT_TRUE(shiftDlg.StartNewShift());
      EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_OPERATOR), "Sara");
      EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_TOTAL_TIME), "0:00:00");
      dialog.EndDialog(IDCANCEL);
      return;
    }
    ++asked;  // the new-shift question: first empty, then a name
    auto& ask = dynamic_cast<CNewShiftDlg&>(dialog);
    EXPECT_EQ(ask.GetDlgItemText(IDC_NEW_SHIFT_OPERATOR), logins.User(CVekAccessUser::eGroupShift)->GetName());
    ask.SetDlgItemText(IDC_NEW_SHIFT_OPERATOR, "  ");
    ask.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(boxes.Last().text, "Please enter the name of the shift's operator.");
    ask.SetDlgItemText(IDC_NEW_SHIFT_OPERATOR, " Sara ");
    ask.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  shiftDlg.DoModal();
  EXPECT_EQ(asked, 1);
  ASSERT_FALSE(logins.Purposes().empty());
  EXPECT_EQ(logins.Purposes().back(), "To start a new shift");
  EXPECT_EQ(Query("SELECT OperatorName FROM Shift WHERE IsActive = 1"), "Sara");
  NewEventRow();
  EXPECT_EQ(Query("SELECT OperatorName FROM Event ORDER BY ID DESC LIMIT 1"), "Sara");
}

namespace {

// Saves what the window shows when VEK_SNAPSHOT_DIR names a folder.
void Snapshot(CWnd& wnd, const char* name) {
  ProcessPendingEvents();
  const QImage shot = wnd.GetWidget()->grab().toImage();
  if (const char* folder = std::getenv("VEK_SNAPSHOT_DIR")) shot.save(QString(folder) + "/" + name + ".png");
  EXPECT_GT(shot.width(), 100) << name;
}

}  // namespace

TEST_F(RecordWindowTest, TheWindowsAsTheyAreShown) {
  MakeRecipe("Summer blend", 1.5f);
  MakeRecipe("Winter blend", 120.25f, true);
  MakeRecipe("\u0641\u0631\u0645\u0648\u0644 \u0632\u0645\u0633\u062A\u0627\u0646\u06CC", 3.0f);
  ASSERT_TRUE(record_edits::StartShift(shifts, "Reza Karimi"));
  shifts.GetActiveFields().SetTotalProduced(12500.5);
  shifts.GetActiveFields().m_lTotalTime = 3 * 3600 + 25 * 60;
  OpenRecipeWindow();
  Snapshot(recipeDlg, "recipe-window");

  dir.Write("Setting.ini", "[RecipeRange]\r\nLoopItemValue01.Min=2\r\nLoopItemValue01.Max=12\r\n"
                           "LoopItemValue17.Max=480\r\n");
  testing_support::ModalDriverScope driver([&](CDialog& dialog) {
    if (dynamic_cast<CShiftDlg*>(&dialog)) Snapshot(dialog, "shift-window");
    if (dynamic_cast<CRecipeRangeDlg*>(&dialog)) Snapshot(dialog, "recipe-range-window");
    if (dynamic_cast<CNewShiftDlg*>(&dialog)) Snapshot(dialog, "new-shift-window");
    dialog.EndDialog(IDCANCEL);
  });
  CShiftDlg shiftDlg;
  shiftDlg.SetRecordset(&shifts);
  shiftDlg.DoModal();
  CRecipeRangeDlg rangeDlg;
  rangeDlg.SetRangeFile(ini.get());
  rangeDlg.DoModal();
  CNewShiftDlg ask("Reza Karimi");
  ask.DoModal();
}
