// CRecipeDlg: the recipe window (template 104), modeless and without a
// parent; the main frame keeps one and brings it to the front (with
// WM_USER+2) instead of opening a second. It lists the recipes of the
// Recipe table (the active one marked), shows one recipe's name and
// seventeen items for editing, and offers New (a new recipe from the shown
// values, without a name), Save, Delete, Activate (the table's active
// recipe, one transaction; the record set tells the engine's window), and
// Download (the active recipe's items and number into the recipe
// process-data object, which writes them to the PLC). The PC/PLC check
// report (VerifyPlcRecipe) stays in the window.
//
// Every change asks for a Production or Plant-Admin user first. A refusal
// (a value outside its recipe range, a name another recipe bears, no
// recipe chosen, unsaved edits to activate) shows a message and keeps the
// window with the user's edits; nothing is written then. Closing hides the
// window, forgets the user and discards what was typed and not saved: the
// next opening shows the stored recipe. The check report says so whenever
// the values shown are not the ones it compared (another recipe than the
// active one, a new one, or changes not saved).
// Threads: user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "app/BaseTableDlg.h"
#include "app/RecipeRules.h"
#include "platform/Messages.h"
#include "platform/ui/ListBox.h"
#include "records/CRecipeRS.h"
#include "records/CTableHistoryRS.h"

class C_BaseShape;
class CIniFile;
class CPlant;

// Posted to the open recipe window (no arguments) to bring it to the front.
constexpr UINT WM_RECIPE_TO_FRONT = WM_USER + 2;

class CRecipeDlg : public CBaseTableDlg {
 public:
  CRecipeDlg();
  ~CRecipeDlg() override;

  // Makes the modeless window from its template, without a parent, and
  // shows it. The Recipe record set must be bound first (SetRecordset).
  BOOL CreateModeless();
  // The recipe window the main frame opens: bound to the plant's Recipe and
  // RecipeHistory record sets (none without a plant or before the engine
  // opened them: the window then lists nothing) and its recipe object, made
  // and shown; null when it could not be made. The caller owns it.
  static CRecipeDlg* CreateForPlant(CPlant* pPlant);

  // The settings file with the recipe ranges (default: the engine's) and
  // the recipe process-data object that a download writes (none: nothing
  // is downloaded).
  void SetRangeFile(CIniFile* pIni) { m_pRangeFile = pIni; }
  void SetPlcRecipe(C_BaseShape* pRecipe) { m_pPlcRecipe = pRecipe; }
  // The recipe history, which receives a copy of each recipe activated here.
  void SetHistoryRecordset(CTableHistoryRS<CRecipeRS>* pHistory) { m_pHistory = pHistory; }

  // ---- What the buttons do --------------------------------------------------------------------
  void NewRecipe();
  bool SaveRecipe();
  bool DeleteRecipe();
  bool ActivateRecipe();
  bool DownloadActiveRecipe();
  // Compares the PLC's recipe with the active one and shows the report;
  // true when they agree.
  bool VerifyPlcRecipe();

  // Reads the recipes again and shows nId (or, when it is gone, the active
  // recipe, else the first).
  void ReloadRecipes(int nShowId);
  // Reads the recipes again into the list only; the shown recipe and its
  // edits stay.
  void RefreshList();
  // The number of the shown recipe; -1 for a new one not yet saved.
  int GetShownRecipeId() const { return m_nShownId; }
  const std::vector<CRecipeFields>& GetListedRecipes() const { return m_recipes; }
  CRecipeRS* GetRecipeRS() const;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override;

 private:
  // The recipe into the controls and the members.
  void ShowRecipe(const CRecipeFields& recipe);
  // Whether the controls show the listed recipe as it is stored (read
  // without refusing anything).
  bool ShowsStoredRecipe() const;
  // The last check's report, headed by the note when the values shown are
  // not the ones it compared.
  void ShowCheckReport();
  // The controls into a field set; false when a value was refused (told).
  bool ReadShownRecipe(CRecipeFields& recipe);
  const CRecipeFields* FindListed(int nId) const;
  // The listed recipe shown; null (after the refusal) for a new one.
  const CRecipeFields* ChosenRecipe(const char* pszRefusal) const;
  // The Recipe record set when it is open; else a refusal and null.
  CRecipeRS* OpenRecipeRS() const;
  CIniFile* RangeFile() const;
  C_BaseShape* PlcRecipe() const;

  CListBox m_lstRecipes;
  std::vector<CRecipeFields> m_recipes;  // as listed, in list order
  int m_nShownId = -1;
  std::string m_strCheckReport;  // the last check's report, as it was made
  std::string m_strName;
  float m_fItems[recipe_rules::kItemCount] = {};
  CIniFile* m_pRangeFile = nullptr;     // not owned; null: the engine's
  C_BaseShape* m_pPlcRecipe = nullptr;  // not owned; null: none
  CTableHistoryRS<CRecipeRS>* m_pHistory = nullptr;  // not owned
};
