#include "plant/RecipeCheck.h"

#include "core/VekUtils.h"
#include "plant/Plant.h"
#include "plant/ProcessData.h"
#include "records/CRecipeRS.h"

// "The recipe data are the same in both places."
const char* const kRecipeVerdictSame =
    "\u0627\u0637\u0644\u0627\u0639\u0627\u062A \u0641\u0631\u0645\u0648\u0644\u0627\u0633\u064A\u0648\u0646 "
    "\u062F\u0631 \u062F\u0648 \u062C\u0627 \u064A\u06A9\u0633\u0627\u0646 \u0645\u064A \u0628\u0627\u0634\u062F";
// "Notice: please download the active recipe again."
const char* const kRecipeVerdictDownload =
    "\u062A\u0648\u062C\u0647 : \u0644\u0637\u0641\u0627 \u0641\u0631\u0645\u0648\u0644 \u0627\u06A9\u062A\u064A\u0648 "
    "\u0631\u0627 \u062F\u0648\u0628\u0627\u0631\u0647 \u062F\u0627\u0646\u0644\u0648\u062F "
    "\u0646\u0645\u0627\u0626\u064A\u062F";

bool CompareRecipes(const RecipeValues& pc, const RecipeValues& plc, std::string* pstrReport) {
  const auto marker = [](bool equal) { return equal ? "  " : "*"; };
  bool result = pc.nNumber == plc.nNumber;
  std::string report = "--PC-------PLC--------------------------\n";
  report += FormatText("%2d\t   %2d\t %s %s \n", pc.nNumber, plc.nNumber, marker(result), "Recipe Number");
  report += "---------------------------------------------\n";
  for (int i = 1; i <= kRecipeItemCount; ++i) {
    const float pcValue = pc.fItems[static_cast<size_t>(i - 1)];
    const float plcValue = plc.fItems[static_cast<size_t>(i - 1)];
    const bool equal = pcValue == plcValue;
    if (!equal) result = false;
    const std::string label = FormatText("%d- %s", i, g_RecipeItemCaptions[static_cast<size_t>(i - 1)]);
    report += FormatText(" %g\t   %g\t %s %s\n", static_cast<double>(pcValue), static_cast<double>(plcValue),
                         marker(equal), label.c_str());
  }
  if (pstrReport) {
    report += "\n";
    report += result ? kRecipeVerdictSame : kRecipeVerdictDownload;
    report += "\n";
    *pstrReport = report;
  }
  return result;
}

bool CompareRecipePcWithPlc(std::string* pstrReport) {
  if (pstrReport) pstrReport->clear();
  CPlant* plant = CPlant::GetCurrent();
  CRecipeRS* recipeRS = plant ? plant->Tables().pRecipe.get() : nullptr;
  C_ProcessDataRecipeGen* plcRecipe = plant ? plant->Recipe() : nullptr;
  if (!recipeRS || !plcRecipe) return true;
  RecipeValues pc, plc;
  const CRecipeFields& active = recipeRS->GetActiveFields();
  pc.nNumber = active.m_nRecordID;
  plc.nNumber = plcRecipe->GetAttribInt(PR_ActiveRecipeNumber);
  for (int i = 1; i <= kRecipeItemCount; ++i) {
    pc.fItems[static_cast<size_t>(i - 1)] = active.GetLoopItemValue(i);
    plc.fItems[static_cast<size_t>(i - 1)] = plcRecipe->GetAttribFloat(PR_LI01_PowderMoisture + i - 1);
  }
  return CompareRecipes(pc, plc, pstrReport);
}
