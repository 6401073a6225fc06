// The check of the recipe the PLC holds (the recipe process-data object,
// PrcRecipeGen) against the active recipe of the database, with a printable
// report for the operator. CompareRecipes is the pure comparison;
// CompareRecipePcWithPlc gathers the two recipes from the running plant.
// User-interface thread (CompareRecipes: any thread).
#pragma once

#include <array>
#include <string>

#include "plant/PlantNames.h"

// One recipe as the check sees it: its number and its seventeen item values.
struct RecipeValues {
  int nNumber = -1;
  std::array<float, kRecipeItemCount> fItems{};
};

// True when the numbers and every item are exactly equal (no tolerance: a
// float differing in its last bit differs). With pstrReport the report:
// a header, the number line, a rule, one line per item ("*" marks a
// difference), and the Persian verdict.
bool CompareRecipes(const RecipeValues& pc, const RecipeValues& plc, std::string* pstrReport);

// The check on the running plant: the PC side is the Recipe table's active
// record, the PLC side PrcRecipeGen. Without the plant's Recipe record set
// there is nothing to compare: true, and the report (if asked) is empty.
bool CompareRecipePcWithPlc(std::string* pstrReport);

// The verdicts that close the report.
extern const char* const kRecipeVerdictSame;
extern const char* const kRecipeVerdictDownload;
