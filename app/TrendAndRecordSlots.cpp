#include "app/TrendAndRecordSlots.h"

#include "app/AppWindowSlots.h"
#include "app/ChildTrendFrame.h"
#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/ShiftDlg.h"
#include "app/VekTrendDoc.h"
#include "app/VekTrendView.h"
#include "plant/Plant.h"

namespace {

// The recipe window on the plant's Recipe and RecipeHistory record sets
// (null until the plant engine opened them: the window then lists nothing).
CWnd* CreateRecipeWindow() {
  auto* pDlg = new CRecipeDlg;
  CPlant* plant = CPlant::GetCurrent();
  pDlg->SetRecordset(plant ? plant->Tables().pRecipe.get() : nullptr);
  pDlg->SetHistoryRecordset(plant ? plant->Tables().pRecipeHistory.get() : nullptr);
  if (!pDlg->CreateModeless()) {
    delete pDlg;
    return nullptr;
  }
  return pDlg;
}

}  // namespace

void InstallTrendAndRecordSlots(CAppWindowSlots& slots) {
  if (!slots.trendDocument) slots.trendDocument = [] { return new CVekTrendDoc; };
  if (!slots.trendFrame) slots.trendFrame = [] { return new CChildTrendFrame; };
  if (!slots.trendView) slots.trendView = [] { return new CVekTrendView; };
  if (!slots.createRecipeWindow) slots.createRecipeWindow = CreateRecipeWindow;
  if (!slots.verifyPlcRecipe)
    slots.verifyPlcRecipe = [](CWnd* pRecipeWnd) {
      if (auto* pDlg = dynamic_cast<CRecipeDlg*>(pRecipeWnd)) pDlg->VerifyPlcRecipe();
    };
  if (!slots.showShiftWindow)
    slots.showShiftWindow = [] {
      CShiftDlg dlg;
      dlg.DoModal();
    };
  if (!slots.showRecipeRangeWindow)
    slots.showRecipeRangeWindow = [] {
      CRecipeRangeDlg dlg;
      dlg.DoModal();
    };
}
