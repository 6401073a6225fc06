#include "app/RecipeRules.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/IniFile.h"
#include "core/VekUtils.h"
#include "platform/Variant.h"

namespace recipe_rules {

namespace {

std::string ItemName(int nItem, const ItemCaptions& captions) {
  return FormatText("item %d \"%s\"", nItem, captions[static_cast<size_t>(nItem - 1)]);
}

std::string LowerTrimmed(const std::string& text) {
  std::string s = TrimText(text);
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

std::string RangeKey(int nItem, bool bMax) {
  return FormatText("LoopItemValue%02d.%s", nItem, bMax ? "Max" : "Min");
}

std::string FormatLimit(bool bHas, float fValue) { return bHas ? FormatText("%g", static_cast<double>(fValue)) : ""; }

bool ParseLimit(const std::string& text, bool& bHas, float& fValue) {
  const std::string trimmed = TrimText(text);
  if (trimmed.empty()) {
    bHas = false;
    fValue = 0.0f;
    return true;
  }
  VARIANT in = VariantFromString(trimmed);
  VARIANT out;
  if (FAILED(VariantChangeType(&out, &in, 0, VT_R4)) || !std::isfinite(out.fltVal)) return false;
  bHas = true;
  fValue = out.fltVal;
  return true;
}

RecipeRanges LoadRecipeRanges(const CIniFile& ini, std::string* pstrProblems) {
  RecipeRanges ranges{};
  std::string problems;
  for (int n = 1; n <= kItemCount; ++n) {
    ItemRange& range = ranges[static_cast<size_t>(n - 1)];
    for (bool bMax : {false, true}) {
      const std::string key = RangeKey(n, bMax);
      std::string text;
      ini.ReadString(kRangeSection, key, text, "");
      bool& has = bMax ? range.bHasMax : range.bHasMin;
      float& value = bMax ? range.fMax : range.fMin;
      if (!ParseLimit(text, has, value))
        problems += "[" + std::string(kRangeSection) + "] " + key + " = " + QuoteForMessage(text) +
                    " is not a number; that limit is not applied.\n";
    }
    if (range.bHasMin && range.bHasMax && range.fMin > range.fMax) {
      problems += "[" + std::string(kRangeSection) + "] " + RangeKey(n, false) + " " +
                  FormatLimit(true, range.fMin) + " is above " + RangeKey(n, true) + " " +
                  FormatLimit(true, range.fMax) + "; the range of that item is not applied.\n";
      range = ItemRange{};
    }
  }
  if (pstrProblems) *pstrProblems = problems;
  return ranges;
}

bool SaveRecipeRanges(CIniFile& ini, const RecipeRanges& ranges, std::string* pstrError) {
  // The 34 limits reach the file in one replacement, or none of them does.
  CIniFile::CBatch batch(&ini);
  for (int n = 1; n <= kItemCount; ++n) {
    const ItemRange& range = ranges[static_cast<size_t>(n - 1)];
    for (bool bMax : {false, true}) {
      const std::string text = bMax ? FormatLimit(range.bHasMax, range.fMax) : FormatLimit(range.bHasMin, range.fMin);
      // An empty value cannot be written as such: a blank limit is "".
      if (!ini.WriteString(kRangeSection, RangeKey(n, bMax), text.empty() ? "\"\"" : text)) {
        if (pstrError) *pstrError = ini.GetLastError();
        return false;
      }
    }
  }
  if (!batch.Commit()) {
    if (pstrError) *pstrError = ini.GetLastError();
    return false;
  }
  return true;
}

std::string CheckRangesConsistent(const RecipeRanges& ranges, const ItemCaptions& captions) {
  for (int n = 1; n <= kItemCount; ++n) {
    const ItemRange& range = ranges[static_cast<size_t>(n - 1)];
    if (range.bHasMin && range.bHasMax && range.fMin > range.fMax)
      return "The minimum of " + ItemName(n, captions) + " (" + FormatLimit(true, range.fMin) +
             ") is above its maximum (" + FormatLimit(true, range.fMax) + ").";
  }
  return std::string();
}

std::string CheckRecipeInRanges(const CRecipeFields& recipe, const RecipeRanges& ranges,
                                const ItemCaptions& captions) {
  for (int n = 1; n <= kItemCount; ++n) {
    const ItemRange& range = ranges[static_cast<size_t>(n - 1)];
    const float value = recipe.GetLoopItemValue(n);
    const bool below = range.bHasMin && !(value >= range.fMin);
    const bool above = range.bHasMax && !(value <= range.fMax);
    if (!below && !above) continue;
    std::string limits;
    if (range.bHasMin && range.bHasMax)
      limits = "between " + FormatLimit(true, range.fMin) + " and " + FormatLimit(true, range.fMax);
    else if (range.bHasMin)
      limits = "at least " + FormatLimit(true, range.fMin);
    else
      limits = "at most " + FormatLimit(true, range.fMax);
    return "The value " + FormatItemValue(value) + " of " + ItemName(n, captions) + " is outside its range.\n" +
           "It must be " + limits + " (Tables > Calibrations > Recipe).";
  }
  return std::string();
}

std::string CheckRecipeName(const std::string& name, int nOwnId, const std::vector<CRecipeFields>& recipes) {
  const std::string wanted = LowerTrimmed(name);
  if (wanted.empty()) return "Please enter a name for the recipe.";
  for (const CRecipeFields& other : recipes) {
    if (other.m_nRecordID == nOwnId || LowerTrimmed(other.m_strRecipeName) != wanted) continue;
    return FormatText("Recipe %d is named \"%s\" already.\nPlease choose another name.", other.m_nRecordID,
                      TrimText(other.m_strRecipeName).c_str());
  }
  return std::string();
}

std::string FormatRecipeListText(const CRecipeFields& recipe) {
  return FormatText("%d  %s%s", recipe.m_nRecordID, recipe.m_strRecipeName.c_str(),
                    recipe.m_bIsActive ? "  (Active)" : "");
}

std::string FormatItemValue(float fValue) { return FormatText("%g", static_cast<double>(fValue)); }

std::string CheckedRecipeNote(int nShownId, bool bShownAsStored, int nActiveId) {
  if (nActiveId < 0) return "No recipe is active:\nthe values shown are not checked below.";
  std::string shown;
  if (nShownId < 0)
    shown = "A new recipe, not saved, is shown.";
  else if (nShownId != nActiveId)
    shown = FormatText("Recipe %d is shown, not the active one.", nShownId);
  else if (!bShownAsStored)
    shown = "The values shown have changes not saved.";
  else
    return std::string();
  return shown + FormatText("\nChecked below: the active recipe %d as stored.", nActiveId);
}

}  // namespace recipe_rules
