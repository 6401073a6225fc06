#include "app/RecipeDlg.h"

#include <algorithm>
#include <iterator>

#include "app/RecordEdits.h"
#include "core/IniFile.h"
#include "core/VekAccessUser.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "plant/Plant.h"
#include "plant/PlantNames.h"
#include "plant/RecipeCheck.h"
#include "platform/Seams.h"
#include "platform/ui/DataExchange.h"
#include "res/RecordWindowResources.h"

using namespace record_res;

namespace {

const CBaseTableDlg::ChangeRights kRecipeRights = {
    recipe_rules::kPurposeEditRecipe, {CVekAccessUser::eGroupProduction, CVekAccessUser::eGroupPlantAdmin, 0}};

UINT ItemId(UINT first, int n) { return first + static_cast<UINT>(n - 1); }

bool SameRecipe(const CRecipeFields& a, const CRecipeFields& b) {
  if (TrimText(a.m_strRecipeName) != TrimText(b.m_strRecipeName)) return false;
  for (int n = 1; n <= recipe_rules::kItemCount; ++n)
    if (a.GetLoopItemValue(n) != b.GetLoopItemValue(n)) return false;
  return true;
}

}  // namespace

CRecipeDlg::CRecipeDlg() : CBaseTableDlg(IDD_RECIPE, kRecipeRights, nullptr) {}

CRecipeDlg::~CRecipeDlg() = default;

BOOL CRecipeDlg::CreateModeless() {
  // Made with no owner: a window of its own, which minimises without the
  // main window.
  if (!Create(IDD_RECIPE, CWnd::GetDesktopWindow())) return FALSE;
  ShowWindow(SW_SHOW);
  return TRUE;
}

CRecipeRS* CRecipeDlg::GetRecipeRS() const { return dynamic_cast<CRecipeRS*>(GetRecordset()); }

const CRecipeFields* CRecipeDlg::ChosenRecipe(const char* pszRefusal) const {
  const CRecipeFields* shown = FindListed(m_nShownId);
  if (!shown) ShowRefusal(pszRefusal);
  return shown;
}

CRecipeRS* CRecipeDlg::OpenRecipeRS() const {
  CRecipeRS* recipes = GetRecipeRS();
  if (!recipes || !recipes->IsOpen()) {
    ShowRefusal("The Recipe table is not open; the recipes cannot be changed.");
    return nullptr;
  }
  return recipes;
}

CIniFile* CRecipeDlg::RangeFile() const {
  if (m_pRangeFile) return m_pRangeFile;
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  return engine ? engine->GetIniFile() : nullptr;
}

CRecipeDlg* CRecipeDlg::CreateForPlant(CPlant* pPlant) {
  auto* pDlg = new CRecipeDlg;
  pDlg->SetRecordset(pPlant ? pPlant->Tables().pRecipe.get() : nullptr);
  pDlg->SetHistoryRecordset(pPlant ? pPlant->Tables().pRecipeHistory.get() : nullptr);
  pDlg->SetPlcRecipe(pPlant ? pPlant->Recipe() : nullptr);
  if (!pDlg->CreateModeless()) {
    delete pDlg;
    return nullptr;
  }
  return pDlg;
}

C_BaseShape* CRecipeDlg::PlcRecipe() const { return m_pPlcRecipe; }

void CRecipeDlg::DoDataExchange(CDataExchange* dx) {
  CBaseTableDlg::DoDataExchange(dx);
  DDX_Control(dx, IDC_RECIPE_LIST, m_lstRecipes);
  DDX_Text(dx, IDC_RECIPE_NAME, m_strName);
  for (int n = 1; n <= recipe_rules::kItemCount; ++n)
    DDX_Text(dx, static_cast<int>(ItemId(IDC_RECIPE_ITEM_FIRST, n)), m_fItems[n - 1]);
}

BOOL CRecipeDlg::OnInitDialog() {
  CBaseTableDlg::OnInitDialog();
  for (int n = 1; n <= recipe_rules::kItemCount; ++n)
    SetDlgItemText(static_cast<int>(ItemId(IDC_RECIPE_CAPTION_FIRST, n)),
                   FormatText("%d- %s", n, g_RecipeItemCaptions[static_cast<size_t>(n - 1)]));
  AnchorControl(IDC_RECIPE_LIST, ANCHOR_TOPLEFT, ANCHOR_BOTTOMLEFT);
  AnchorControl(IDC_RECIPE_CHECK_GROUP, ANCHOR_TOPLEFT, ANCHOR_BOTTOMRIGHT);
  AnchorControl(IDC_RECIPE_REPORT, ANCHOR_TOPLEFT, ANCHOR_BOTTOMRIGHT);
  for (UINT id : {IDC_RECIPE_VERIFY, IDC_RECIPE_DOWNLOAD, IDC_RECIPE_NEW, IDC_RECIPE_SAVE, IDC_RECIPE_DELETE,
                  IDC_RECIPE_ACTIVATE})
    AnchorControl(id, ANCHOR_BOTTOMLEFT, ANCHOR_BOTTOMLEFT);
  AnchorControl(IDC_RECIPE_CLOSE, ANCHOR_BOTTOMRIGHT, ANCHOR_BOTTOMRIGHT);
  const CRecipeRS* recipes = GetRecipeRS();
  ReloadRecipes(recipes && recipes->HasActiveRecord() ? recipes->GetActiveFields().m_nRecordID : -1);
  VerifyPlcRecipe();
  return TRUE;
}

const CRecipeFields* CRecipeDlg::FindListed(int nId) const {
  for (const CRecipeFields& recipe : m_recipes)
    if (recipe.m_nRecordID == nId) return &recipe;
  return nullptr;
}

void CRecipeDlg::ReloadRecipes(int nShowId) {
  m_nShownId = nShowId;
  RefreshList();
  const CRecipeFields* shown = FindListed(nShowId);
  for (size_t i = 0; !shown && i < m_recipes.size(); ++i)
    if (m_recipes[i].m_bIsActive) shown = &m_recipes[i];
  if (!shown && !m_recipes.empty()) shown = &m_recipes.front();
  if (shown) {
    ShowRecipe(*shown);
  } else {
    NewRecipe();
  }
}

void CRecipeDlg::ShowRecipe(const CRecipeFields& recipe) {
  m_nShownId = recipe.m_nRecordID;
  m_strName = recipe.m_strRecipeName;
  for (int n = 1; n <= recipe_rules::kItemCount; ++n) m_fItems[n - 1] = recipe.GetLoopItemValue(n);
  int index = -1;
  for (size_t i = 0; i < m_recipes.size(); ++i)
    if (m_recipes[i].m_nRecordID == recipe.m_nRecordID) index = static_cast<int>(i);
  m_lstRecipes.SetCurSel(index);
  SetDlgItemText(IDC_RECIPE_NUMBER, FormatText("Recipe Number: %d%s", recipe.m_nRecordID,
                                               recipe.m_bIsActive ? "  (Active)" : ""));
  UpdateData(FALSE);
  ShowCheckReport();
}

bool CRecipeDlg::ShowsStoredRecipe() const {
  const CRecipeFields* stored = FindListed(m_nShownId);
  if (!stored || TrimText(GetDlgItemText(IDC_RECIPE_NAME)) != TrimText(stored->m_strRecipeName)) return false;
  for (int n = 1; n <= recipe_rules::kItemCount; ++n) {
    double value = 0;
    // Compared as shown: a stored value with more digits than the field
    // shows is still the stored one.
    if (!ParseDialogDouble(GetDlgItemText(static_cast<int>(ItemId(IDC_RECIPE_ITEM_FIRST, n))), &value) ||
        recipe_rules::FormatItemValue(static_cast<float>(value)) !=
            recipe_rules::FormatItemValue(stored->GetLoopItemValue(n)))
      return false;
  }
  return true;
}

void CRecipeDlg::ShowCheckReport() {
  const CRecipeRS* recipes = GetRecipeRS();
  const int activeId = recipes && recipes->HasActiveRecord() ? recipes->GetActiveFields().m_nRecordID : -1;
  const std::string note =
      m_strCheckReport.empty() ? std::string() : recipe_rules::CheckedRecipeNote(m_nShownId, ShowsStoredRecipe(), activeId);
  SetDlgItemText(IDC_RECIPE_REPORT, note.empty() ? m_strCheckReport : note + "\n\n" + m_strCheckReport);
}

void CRecipeDlg::NewRecipe() {
  // The values shown stay as the new recipe's starting point.
  m_nShownId = -1;
  m_strName.clear();
  SetDlgItemText(IDC_RECIPE_NAME, "");
  m_lstRecipes.SetCurSel(-1);
  SetDlgItemText(IDC_RECIPE_NUMBER, "Recipe Number: (new, not saved)");
  ShowCheckReport();
  if (CWnd* name = GetDlgItem(IDC_RECIPE_NAME); name && IsWindowVisible()) GotoDlgCtrl(name);
}

void CRecipeDlg::RefreshList() {
  CRecipeRS* recipes = GetRecipeRS();
  m_recipes = recipes ? record_edits::ListRecipes(*recipes) : std::vector<CRecipeFields>();
  m_lstRecipes.ResetContent();
  int index = -1;
  for (size_t i = 0; i < m_recipes.size(); ++i) {
    m_lstRecipes.AddString(recipe_rules::FormatRecipeListText(m_recipes[i]));
    if (m_recipes[i].m_nRecordID == m_nShownId) index = static_cast<int>(i);
  }
  m_lstRecipes.SetCurSel(index);
}

bool CRecipeDlg::ReadShownRecipe(CRecipeFields& recipe) {
  if (!UpdateData(TRUE)) return false;
  recipe.Reset();
  recipe.m_nRecordID = m_nShownId;
  recipe.m_strRecipeName = TrimText(m_strName);
  for (int n = 1; n <= recipe_rules::kItemCount; ++n) recipe.SetLoopItemValue(n, m_fItems[n - 1]);
  return true;
}

bool CRecipeDlg::SaveRecipe() {
  CRecipeRS* recipes = OpenRecipeRS();
  if (!recipes || !CheckChangeAccess()) return false;
  CRecipeFields recipe;
  if (!ReadShownRecipe(recipe)) return false;
  std::string refusal =
      recipe_rules::CheckRecipeName(recipe.m_strRecipeName, m_nShownId, record_edits::ListRecipes(*recipes));
  if (refusal.empty()) {
    std::string problems;
    const CIniFile* ini = RangeFile();
    const recipe_rules::RecipeRanges ranges =
        ini ? recipe_rules::LoadRecipeRanges(*ini, &problems) : recipe_rules::RecipeRanges{};
    if (!problems.empty()) AfxMessageBox("The recipe ranges of the settings file have faults:\n" + problems, MB_OK | MB_ICONEXCLAMATION);
    refusal = recipe_rules::CheckRecipeInRanges(recipe, ranges, g_RecipeItemCaptions);
  }
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return false;
  }
  int id = m_nShownId;
  if (id < 0) {
    id = record_edits::AddRecipe(*recipes, recipe);
    if (id < 0) return false;
  } else if (!record_edits::UpdateRecipe(*recipes, id, recipe)) {
    return false;
  }
  ReloadRecipes(id);
  VerifyPlcRecipe();
  return true;
}

bool CRecipeDlg::DeleteRecipe() {
  CRecipeRS* recipes = OpenRecipeRS();
  if (!recipes) return false;
  const CRecipeFields* shown = ChosenRecipe("Please choose the recipe to delete in the list.");
  if (!shown) return false;
  if (shown->m_bIsActive) {
    ShowRefusal("The active recipe cannot be deleted.\nActivate another recipe first.");
    return false;
  }
  const std::string question =
      FormatText("Delete recipe %d \"%s\"?", shown->m_nRecordID, shown->m_strRecipeName.c_str());
  if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
  if (!CheckChangeAccess()) return false;
  if (!record_edits::DeleteRecipe(*recipes, m_nShownId)) return false;
  ReloadRecipes(-1);
  return true;
}

bool CRecipeDlg::ActivateRecipe() {
  CRecipeRS* recipes = OpenRecipeRS();
  if (!recipes) return false;
  const CRecipeFields* shown = ChosenRecipe("Please choose the recipe to activate in the list (a new recipe is saved first).");
  if (!shown) return false;
  CRecipeFields edited;
  if (!ReadShownRecipe(edited)) return false;
  if (!SameRecipe(edited, *shown)) {
    ShowRefusal("The recipe shown has changes that are not saved.\nSave it first, then activate it.");
    return false;
  }
  if (shown->m_bIsActive) {
    ShowRefusal(FormatText("Recipe %d is the active recipe already.", shown->m_nRecordID));
    return false;
  }
  if (!CheckChangeAccess()) return false;
  const int id = m_nShownId;
  const bool done = record_edits::ActivateRecipe(*recipes, m_pHistory, id);
  ReloadRecipes(id);
  VerifyPlcRecipe();
  return done;
}

bool CRecipeDlg::DownloadActiveRecipe() {
  CRecipeRS* recipes = OpenRecipeRS();
  if (!recipes) return false;
  C_BaseShape* plcRecipe = PlcRecipe();
  if (!recipes->HasActiveRecord()) {
    ShowRefusal("There is no active recipe to download.\nActivate a recipe first.");
    return false;
  }
  if (!plcRecipe) {
    ShowRefusal("The recipe object of the plant does not exist; nothing can be downloaded.");
    return false;
  }
  if (!CheckChangeAccess()) return false;
  record_edits::DownloadRecipe(*plcRecipe, recipes->GetActiveFields());
  VerifyPlcRecipe();
  return true;
}

bool CRecipeDlg::VerifyPlcRecipe() {
  const bool same = CompareRecipePcWithPlc(&m_strCheckReport);
  ShowCheckReport();
  return same;
}

BOOL CRecipeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (id == IDC_RECIPE_LIST && code == LBN_SELCHANGE) {
    const int index = m_lstRecipes.GetCurSel();
    if (index >= 0 && static_cast<size_t>(index) < m_recipes.size()) ShowRecipe(m_recipes[static_cast<size_t>(index)]);
    return TRUE;
  }
  if (code == EN_CHANGE && (id == IDC_RECIPE_NAME || (id >= ItemId(IDC_RECIPE_ITEM_FIRST, 1) &&
                                                     id <= ItemId(IDC_RECIPE_ITEM_FIRST, recipe_rules::kItemCount)))) {
    ShowCheckReport();  // typed: the values shown may no longer be the ones checked
    return TRUE;
  }
  if (code != BN_CLICKED) return CBaseTableDlg::OnCommand(wParam, lParam);
  switch (id) {
    case IDC_RECIPE_NEW: NewRecipe(); return TRUE;
    case IDC_RECIPE_SAVE: SaveRecipe(); return TRUE;
    case IDC_RECIPE_DELETE: DeleteRecipe(); return TRUE;
    case IDC_RECIPE_ACTIVATE: ActivateRecipe(); return TRUE;
    case IDC_RECIPE_DOWNLOAD: DownloadActiveRecipe(); return TRUE;
    case IDC_RECIPE_VERIFY: VerifyPlcRecipe(); return TRUE;
    case IDC_RECIPE_CLOSE: OnCancel(); return TRUE;
    default: return CBaseTableDlg::OnCommand(wParam, lParam);
  }
}

LRESULT CRecipeDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RECIPE_TO_FRONT) {
    RefreshList();  // the edits shown stay
    BringWindowToTop();
    return 0;
  }
  return CBaseTableDlg::WindowProc(message, wParam, lParam);
}

void CRecipeDlg::OnCancel() {
  EndDialogCancel();
  // What was typed and not saved goes with the closing: the hidden window
  // holds the stored recipe it showed (the active one in place of a new
  // recipe), or nothing.
  m_strName.clear();
  std::fill(std::begin(m_fItems), std::end(m_fItems), 0.0f);
  UpdateData(FALSE);
  ReloadRecipes(m_nShownId);
}
