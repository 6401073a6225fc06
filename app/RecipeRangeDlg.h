// CRecipeRangeDlg: the recipe ranges (template 103), modal: a minimum and
// a maximum per recipe item, kept in the settings file (section
// "RecipeRange"); an empty box is no limit. The recipe window refuses a
// recipe with an item outside its range. OK with changes asks for a
// Production or Plant-Admin user, refuses a limit that is not a number or a
// minimum above its maximum (the window stays with the user's entries),
// then writes every limit; OK without changes only closes.
// Threads: user-interface thread.
#pragma once

#include "app/BaseTableDlg.h"
#include "app/RecipeRules.h"

class CIniFile;

class CRecipeRangeDlg : public CBaseTableDlg {
 public:
  CRecipeRangeDlg();

  // The settings file (default: the engine's).
  void SetRangeFile(CIniFile* pIni) { m_pRangeFile = pIni; }

  BOOL OnInitDialog() override;
  // The checks and the write of OnOK; true when the ranges are stored.
  bool SaveRanges();

 protected:
  void OnOK() override;

 private:
  CIniFile* RangeFile() const;
  // The limits typed in; false (told, focus on the box) for one that is
  // not a number.
  bool ReadRanges(recipe_rules::RecipeRanges& ranges);

  recipe_rules::RecipeRanges m_loaded{};  // as read when the window opened
  CIniFile* m_pRangeFile = nullptr;       // not owned; null: the engine's
};
