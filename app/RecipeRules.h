// The rules of the recipe and recipe-range windows apart from the windows:
// the ranges of the seventeen recipe items as the settings file keeps them,
// the check of a recipe against them, the check of a recipe name, and the
// texts the windows show for a recipe and a range. A refusal is a text for
// the operator naming what is wrong; an empty text means accepted.
// Pure functions (the range store reads and writes the file it is given);
// user-interface thread.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/CRecipeRS.h"

class CIniFile;

namespace recipe_rules {

constexpr int kItemCount = CRecipeFields::kLoopItemCount;
// The captions of items 1-17 (index 0 is item 1).
using ItemCaptions = std::array<const char*, kItemCount>;

// The rights of the recipe windows: recipes and ranges are changed by
// Production and Plant-Admin users.
constexpr const char* kPurposeEditRecipe = "To change the recipes";
constexpr const char* kPurposeEditRanges = "To change the recipe ranges";

// ---- Ranges ----------------------------------------------------------------------------------
// The settings section of the ranges and the keys of item n (1-17):
// "LoopItemValue01.Min", "LoopItemValue01.Max". A missing or empty key is
// no limit on that side.
constexpr const char* kRangeSection = "RecipeRange";
std::string RangeKey(int nItem, bool bMax);

struct ItemRange {
  bool bHasMin = false;
  float fMin = 0.0f;
  bool bHasMax = false;
  float fMax = 0.0f;
  bool operator==(const ItemRange&) const = default;
};
using RecipeRanges = std::array<ItemRange, kItemCount>;

// The ranges of the settings file. A value that is not a number, or a
// minimum above its maximum, leaves that item without the limit(s) and is
// told in *pstrProblems (one line each, naming section, key and value).
RecipeRanges LoadRecipeRanges(const CIniFile& ini, std::string* pstrProblems);
// Writes every key (an absent limit as an empty value); false with the
// file's reason in *pstrError when a write failed.
bool SaveRecipeRanges(CIniFile& ini, const RecipeRanges& ranges, std::string* pstrError);

// A limit as the range window shows it: "%g", or empty for none.
std::string FormatLimit(bool bHas, float fValue);
// Reads a limit typed by the user: blank is no limit; a number is taken;
// anything else is refused (false).
bool ParseLimit(const std::string& text, bool& bHas, float& fValue);
// The first item whose minimum lies above its maximum, as a refusal.
std::string CheckRangesConsistent(const RecipeRanges& ranges, const ItemCaptions& captions);

// The first item of the recipe outside its range, as a refusal naming the
// item, its value and its limits; empty when every item is inside.
std::string CheckRecipeInRanges(const CRecipeFields& recipe, const RecipeRanges& ranges,
                                const ItemCaptions& captions);

// ---- Names and texts ----------------------------------------------------------------------
// Refuses an empty name and one that another recipe (other than nOwnId)
// bears already, compared without case and surrounding blanks.
std::string CheckRecipeName(const std::string& name, int nOwnId, const std::vector<CRecipeFields>& recipes);
// "3  Winter blend", with "  (Active)" for the active one.
std::string FormatRecipeListText(const CRecipeFields& recipe);
// An item value as the window shows it ("%g").
std::string FormatItemValue(float fValue);

// ---- The PC/PLC check beside the values shown ---------------------------------------------
// The check compares the active recipe as stored (nActiveId; -1 for none)
// with the PLC. When the window shows other values (recipe nShownId, -1
// for a new one not saved, or with changes not saved: !bShownAsStored),
// two short lines that say so and which recipe was compared; empty when
// the values shown are the ones compared.
std::string CheckedRecipeNote(int nShownId, bool bShownAsStored, int nActiveId);

}  // namespace recipe_rules
