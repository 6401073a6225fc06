// What the record-window tests share: a real records database in a
// temporary folder with the plant's record sets (Recipe, RecipeHistory,
// Shift, Event) open on it, their notices going to a recording window, and
// a settings file for the recipe ranges.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/RecipeDlg.h"
#include "core/IniFile.h"
#include "core/VekEngineBase.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"
#include "res/Resources.h"
#include "records/CADODatabase.h"
#include "platform/ui/Edit.h"
#include "records/RecordsSchema.h"
#include "res/RecordWindowResources.h"
#include "shapes/fixture/Logins.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

namespace app_test {

class RecordTablesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(records_test::kDbName)));
    db.SetRecordContext(&context);
    ASSERT_TRUE(notices.CreateHidden());
    for (CAdoEngine* set : std::initializer_list<CAdoEngine*>{&recipes, &history, &shifts, &events})
      set->SetDatabase(&db, &notices);
    ASSERT_TRUE(recipes.SetTableName(CRecipeRS::kTableName));
    ASSERT_TRUE(history.SetTableName(CTableHistoryRS<CRecipeRS>::kTableName));
    ASSERT_TRUE(shifts.SetTableName(CShiftRS::kTableName));
    ASSERT_TRUE(events.SetTableName(CEventRS::kTableName));
    dir.Write("Setting.ini", "[Application]\r\nCoreControlType=PC-Base\r\n");
    ini = std::make_unique<CIniFile>(dir.File("Setting.ini"));
  }

  // A recipe row made directly; returns its number.
  int MakeRecipe(const std::string& name, float fFirstItem, bool bActivate = false) {
    recipes.ResetNewFields();
    recipes.GetNewFields().m_strRecipeName = name;
    for (int n = 1; n <= CRecipeFields::kLoopItemCount; ++n)
      recipes.GetNewFields().SetLoopItemValue(n, fFirstItem + static_cast<float>(n - 1));
    EXPECT_TRUE(recipes.AddRecord());
    const int id = recipes.GetNewFields().m_nRecordID;
    if (bActivate) {
      EXPECT_TRUE(recipes.ActivateCurrentRecord());
    }
    return id;
  }
  std::string Query(const std::string& sql) const { return records_test::RawQuery(dir.File(records_test::kDbName), sql); }

  testing_support::TempDir dir;
  testing_support::MessageBoxDouble boxes;
  records_test::FakeContext context;
  CADODatabase db;
  records_test::NoticeWnd notices;
  // The sets, owned as the plant owns them (a test may hand them to a plant).
  CPlantTables tables{std::make_unique<CRecipeRS>(), std::make_unique<CTableHistoryRS<CRecipeRS>>(),
                      std::make_unique<CShiftRS>(), std::make_unique<CEventRS>()};
  CRecipeRS& recipes = *tables.pRecipe;
  CTableHistoryRS<CRecipeRS>& history = *tables.pRecipeHistory;
  CShiftRS& shifts = *tables.pShift;
  CEventRS& events = *tables.pEvent;
  std::unique_ptr<CIniFile> ini;
};

// The record sets handed to a plant (no devices) with its process-data
// objects and its engine, which stamps new rows (operator, recipe), as the
// record windows have them in the running program.
class PlantRecordTablesTest : public RecordTablesTest {
 protected:
  void SetUp() override {
    RecordTablesTest::SetUp();
    LoadResourceTables();
    plant = std::make_unique<CPlant>(PlantDeviceClasses{});
    plant->CreateProcessData();
    plant->Tables() = std::move(tables);
    engine.reset(plant->CreateEngine());
    db.SetRecordContext(engine.get());
  }
  void TearDown() override {
    db.SetRecordContext(&context);
    engine.reset();  // deletes the plant's record sets
    plant.reset();
  }

  std::unique_ptr<CPlant> plant;
  std::unique_ptr<CVekEngineBase> engine;
};

// The recipe window on those sets, as the main frame opens it: the
// recipes, their history, the ranges' settings file and the plant's recipe
// object; answers to its logins come from logins.
class RecipeWindowTest : public PlantRecordTablesTest {
 protected:
  void TearDown() override {
    if (recipeDlg.IsWindowCreated()) recipeDlg.DestroyWindow();
    PlantRecordTablesTest::TearDown();
  }
  void OpenRecipeWindow() {
    recipeDlg.SetRecordset(&recipes);
    recipeDlg.SetHistoryRecordset(&history);
    recipeDlg.SetRangeFile(ini.get());
    recipeDlg.SetPlcRecipe(plant->Recipe());
    ASSERT_TRUE(recipeDlg.CreateModeless());
  }
  CEdit& Box(UINT id) { return *dynamic_cast<CEdit*>(recipeDlg.GetDlgItem(static_cast<int>(id))); }
  // Recipe item n, 1 to 17.
  CEdit& Item(int n) { return Box(record_res::IDC_RECIPE_ITEM_FIRST + static_cast<UINT>(n - 1)); }

  shape_test::Logins logins;
  CRecipeDlg recipeDlg;
};

}  // namespace app_test
