#include "app/RecordEdits.h"

#include "plant/ProcessDataAttribs.h"
#include "platform/Seams.h"
#include "shapes/BaseShape.h"
#include "records/CADOException.h"
#include "records/IRecordContext.h"
#include "records/SqlStatement.h"

namespace record_edits {

std::vector<CRecipeFields> ListRecipes(CRecipeRS& recipes) {
  std::vector<CRecipeFields> list;
  if (!recipes.IsOpen() || !recipes.GetDatabase()) return list;
  CSqlReadScope snapshot(recipes.GetDatabase()->GetHandle());
  for (bool more = recipes.MoveFirst(); more; more = recipes.MoveNext()) {
    CRecipeFields fields;
    if (!recipes.ReadCurrentRecord(fields)) return {};
    list.push_back(fields);
  }
  return list;
}

bool MoveToRecipe(CRecipeRS& recipes, int nId) {
  if (nId < 0) return false;
  CRecipeFields fields;
  for (bool more = recipes.MoveFirst(); more; more = recipes.MoveNext()) {
    if (!recipes.ReadCurrentRecord(fields)) return false;
    if (fields.m_nRecordID == nId) return true;
  }
  return false;
}

int AddRecipe(CRecipeRS& recipes, const CRecipeFields& recipe) {
  CRecipeFields& row = recipes.GetNewFields();
  row = recipe;
  row.m_nRecordID = -1;
  row.m_bIsActive = false;
  if (!recipes.AddRecord()) return -1;
  return row.m_nRecordID;
}

bool UpdateRecipe(CRecipeRS& recipes, int nId, const CRecipeFields& recipe) {
  if (!MoveToRecipe(recipes, nId)) return false;
  CRecipeFields row;
  if (!recipes.ReadCurrentRecord(row)) return false;
  row.m_strRecipeName = recipe.m_strRecipeName;
  for (int n = 1; n <= CRecipeFields::kLoopItemCount; ++n) row.SetLoopItemValue(n, recipe.GetLoopItemValue(n));
  return recipes.UpdateCurrentRecord(row);
}

bool DeleteRecipe(CRecipeRS& recipes, int nId) {
  return MoveToRecipe(recipes, nId) && recipes.DeleteCurrentRecord();
}

namespace {

// Runs the writes of one change in one transaction of the set's database;
// false after showing the error (the transaction rolled back).
template <class Writes>
bool InOneTransaction(CBaseTableRS& set, Writes&& writes) {
  try {
    CSqlTransaction transaction(set.GetDatabase()->GetHandle(), set.GetTableName());
    writes();
    transaction.Commit();
    return true;
  } catch (const CADOException& e) {
    AfxMessageBox(e.GetErrorMessage(), MB_OK | MB_ICONERROR);
    return false;
  }
}

}  // namespace

bool ActivateRecipe(CRecipeRS& recipes, CTableHistoryRS<CRecipeRS>* pHistory, int nId) {
  CRecipeFields recipe;
  if (!MoveToRecipe(recipes, nId) || !recipes.ReadCurrentRecord(recipe)) return false;
  const bool keepHistory = pHistory && pHistory->IsOpen() && pHistory->GetDatabase() == recipes.GetDatabase();
  const bool done = InOneTransaction(recipes, [&] {
    recipes.GetRecordset().SetOnlyCurrentFlag(recipes.GetActiveColumn());
    if (!keepHistory) return;
    auto& row = pHistory->GetNewFields();
    row.Reset();
    static_cast<CRecipeFields&>(row) = recipe;
    row.m_bIsActive = true;
    const IRecordContext* context = pHistory->GetRecordContext();
    row.m_dtSavedDateTime = RecordContextNow(context);
    row.m_strSavedDateTimeShamsi = RecordContextShamsi(context, row.m_dtSavedDateTime, true);
    pHistory->GetRecordset().AddNew(row);
  });
  if (!done) {
    recipes.FindActiveRecord();  // the cursor back on a row that exists
    return false;
  }
  // The notice this posts has its history row already.
  recipes.SetActiveRecord(true, keepHistory);
  return recipes.HasActiveRecord();
}

bool AddRecipeHistoryForNotice(CRecipeRS& recipes, CTableHistoryRS<CRecipeRS>* pHistory) {
  if (recipes.TakeHistoryWrittenNotice()) return true;
  if (!recipes.HasActiveRecord() || !pHistory || !pHistory->IsOpen()) return false;
  return pHistory->AddHistoryRecord(recipes.GetActiveFields());
}

bool StartShift(CShiftRS& shifts, const std::string& strOperatorName) {
  if (!shifts.IsOpen() || !shifts.GetDatabase()) return false;
  const IRecordContext* context = shifts.GetRecordContext();
  CShiftFields& row = shifts.GetNewFields();
  row.Reset();
  row.m_strOperatorName = strOperatorName;
  row.m_dtStartDateTime = RecordContextNow(context);
  row.m_strStartDateTimeShamsi = RecordContextShamsi(context, row.m_dtStartDateTime, true);
  // The new row and the move of the active flag onto it commit together.
  const bool done = InOneTransaction(shifts, [&] {
    CADORecordset& cursor = shifts.GetRecordset();
    cursor.AddNew(row);
    cursor.SetOnlyCurrentFlag(shifts.GetActiveColumn());
  });
  if (!done) {
    shifts.FindActiveRecord();  // the cursor back on a row that exists
    return false;
  }
  shifts.SetActiveRecord(true);
  return shifts.HasActiveRecord();
}

void DownloadRecipe(C_BaseShape& plcRecipe, const CRecipeFields& recipe) {
  for (int n = 1; n <= CRecipeFields::kLoopItemCount; ++n)
    plcRecipe.SetAttribFloat(PR_LI01_PowderMoisture + n - 1, recipe.GetLoopItemValue(n));
  plcRecipe.SetAttribInt(PR_ActiveRecipeNumber, recipe.m_nRecordID);
}

}  // namespace record_edits
