#include "app/RecipeRangeDlg.h"

#include "core/IniFile.h"
#include "core/VekAccessUser.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "plant/PlantNames.h"
#include "platform/Seams.h"
#include "res/RecordWindowResources.h"

using namespace record_res;

namespace {

const CBaseTableDlg::ChangeRights kRangeRights = {
    recipe_rules::kPurposeEditRanges, {CVekAccessUser::eGroupProduction, CVekAccessUser::eGroupPlantAdmin, 0}};

int BoxId(UINT first, int n) { return static_cast<int>(first) + n - 1; }

}  // namespace

CRecipeRangeDlg::CRecipeRangeDlg() : CBaseTableDlg(IDD_RECIPE_RANGE, kRangeRights, nullptr) {}

CIniFile* CRecipeRangeDlg::RangeFile() const {
  if (m_pRangeFile) return m_pRangeFile;
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  return engine ? engine->GetIniFile() : nullptr;
}

BOOL CRecipeRangeDlg::OnInitDialog() {
  CBaseTableDlg::OnInitDialog();
  std::string problems;
  if (const CIniFile* ini = RangeFile()) m_loaded = recipe_rules::LoadRecipeRanges(*ini, &problems);
  if (!problems.empty())
    AfxMessageBox("The recipe ranges of the settings file have faults:\n" + problems, MB_OK | MB_ICONEXCLAMATION);
  for (int n = 1; n <= recipe_rules::kItemCount; ++n) {
    const recipe_rules::ItemRange& range = m_loaded[static_cast<size_t>(n - 1)];
    SetDlgItemText(BoxId(IDC_RANGE_CAPTION_FIRST, n),
                   FormatText("%d- %s", n, g_RecipeItemCaptions[static_cast<size_t>(n - 1)]));
    SetDlgItemText(BoxId(IDC_RANGE_MIN_FIRST, n), recipe_rules::FormatLimit(range.bHasMin, range.fMin));
    SetDlgItemText(BoxId(IDC_RANGE_MAX_FIRST, n), recipe_rules::FormatLimit(range.bHasMax, range.fMax));
  }
  return TRUE;
}

bool CRecipeRangeDlg::ReadRanges(recipe_rules::RecipeRanges& ranges) {
  for (int n = 1; n <= recipe_rules::kItemCount; ++n) {
    recipe_rules::ItemRange& range = ranges[static_cast<size_t>(n - 1)];
    for (bool bMax : {false, true}) {
      const int id = BoxId(bMax ? IDC_RANGE_MAX_FIRST : IDC_RANGE_MIN_FIRST, n);
      const std::string text = GetDlgItemText(id);
      if (recipe_rules::ParseLimit(text, bMax ? range.bHasMax : range.bHasMin, bMax ? range.fMax : range.fMin))
        continue;
      ShowRefusal(FormatText("The %s of item %d \"%s\" is not a number: %s\nLeave the box empty for no limit.",
                             bMax ? "maximum" : "minimum", n, g_RecipeItemCaptions[static_cast<size_t>(n - 1)],
                             QuoteForMessage(text).c_str()));
      if (CWnd* box = GetDlgItem(id)) GotoDlgCtrl(box);
      return false;
    }
  }
  return true;
}

bool CRecipeRangeDlg::SaveRanges() {
  recipe_rules::RecipeRanges ranges{};
  if (!ReadRanges(ranges)) return false;
  if (ranges == m_loaded) return true;  // nothing to change
  const std::string refusal = recipe_rules::CheckRangesConsistent(ranges, g_RecipeItemCaptions);
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return false;
  }
  CIniFile* ini = RangeFile();
  if (!ini) {
    ShowRefusal("The settings file is not open; the recipe ranges cannot be stored.");
    return false;
  }
  if (!CheckChangeAccess()) return false;
  std::string error;
  if (!recipe_rules::SaveRecipeRanges(*ini, ranges, &error)) {
    AfxMessageBox("The recipe ranges could not be written to the settings file:\n" + error, MB_OK | MB_ICONERROR);
    return false;
  }
  m_loaded = ranges;
  return true;
}

void CRecipeRangeDlg::OnOK() {
  if (SaveRanges()) EndDialog(IDOK);
}
