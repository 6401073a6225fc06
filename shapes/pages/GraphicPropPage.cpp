#include "shapes/pages/GraphicPropPage.h"

#include <cstdio>

#include "core/IniFile.h"
#include "platform/Variant.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"

using namespace page_res;

namespace {

// A colour button, the colour it shows and the colour's saved copy, in the
// order every colour command walks them.
struct ColorRow {
  UINT control;
  int color;
  int saved;
};
constexpr ColorRow kColors[CGraphicPropPage::kColorCount] = {
    {IDC_COLOR_FG, BA_ColorFG, BA_ColorFgOld},
    {IDC_COLOR_BG, BA_ColorBG, BA_ColorBgOld},
    {IDC_COLOR_BODY, BA_ColorBody, BA_ColorBodyOld},
    {IDC_COLOR_LOCAL, BA_ColorBgLocal, BA_ColorBgLocalOld},
    {IDC_COLOR_OUT_OF_RECIPE, BA_ColorBgOutOfRecipe, BA_ColorBgOutOfRecipeOld},
    {IDC_COLOR_OVERLOAD, BA_ColorFgOverload, BA_ColorFgOverloadOld}};

}  // namespace

CGraphicPropPage::CGraphicPropPage() : CPropertyPageBase(IDD_GRAPHIC_PAGE) {}

BOOL CGraphicPropPage::OnInitDialog() {
  CPropertyPageBase::OnInitDialog();
  if (C_BaseShape* shape = GetShape()) {
    char id[16];
    std::snprintf(id, sizeof id, "0x%08x", static_cast<unsigned>(shape->GetCtrlId()));
    m_strUniqueId = id;
  }
  CopyColorsToSaved();
  OnCancelColors();
  RefreshPage();
  return TRUE;
}

void CGraphicPropPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPageBase::DoDataExchange(dx);
  for (int i = 0; i < kColorCount; ++i) DDX_Control(dx, static_cast<int>(kColors[i].control), m_colors[i]);
  if (m_bExchange) DDX_Text(dx, IDC_UNIQUE_ID, m_strUniqueId);
}

BOOL CGraphicPropPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (HIWORD(wParam) == BN_CLICKED) {
    if (id == IDC_SAVE_COLORS) {
      OnSaveColors();
      return TRUE;
    }
    if (id == IDC_CANCEL_COLORS) {
      OnCancelColors();
      return TRUE;
    }
    for (int i = 0; i < kColorCount; ++i) {
      if (kColors[i].control == id) {
        OnColorChosen(i);
        return TRUE;
      }
    }
  }
  return CPropertyPageBase::OnCommand(wParam, lParam);
}

void CGraphicPropPage::OnColorChosen(int index) {
  // The button tells only of a colour confirmed with OK; the mimic shows it at once.
  if (C_BaseShape* shape = GetShape()) {
    const VARIANT color = VariantFromInt(static_cast<int>(m_colors[index].GetColor()));
    shape->SetAttribValue(kColors[index].color, &color);
  }
  EnableColorCommands(true);
}

void CGraphicPropPage::CopyColorsToSaved() {
  C_BaseShape* shape = GetShape();
  if (!shape) return;
  for (const ColorRow& row : kColors) {
    const VARIANT color = VariantFromInt(shape->GetAttribInt(row.color));
    shape->SetAttribValue(row.saved, &color);
  }
}

void CGraphicPropPage::OnSaveColors() {
  CopyColorsToSaved();
  if (C_BaseShape* shape = GetShape()) {
    CIniFile::CBatch batch(shape->GetIniFile());
    for (const ColorRow& row : kColors) shape->SaveAttribData(row.color, VariantFromInt(shape->GetAttribInt(row.color)));
  }
  EnableColorCommands(false);
}

void CGraphicPropPage::OnCancelColors() {
  C_BaseShape* shape = GetShape();
  if (!shape) return;
  for (int i = 0; i < kColorCount; ++i) {
    const VARIANT saved = VariantFromInt(shape->GetAttribInt(kColors[i].saved));
    shape->SetAttribValue(kColors[i].color, &saved);
    if (m_colors[i].IsWindowCreated()) m_colors[i].SetColor(static_cast<COLORREF>(shape->GetAttribInt(kColors[i].color)));
  }
  EnableColorCommands(false);
}

void CGraphicPropPage::EnableColorCommands(bool enable) {
  EnableControl(IDC_SAVE_COLORS, enable);
  EnableControl(IDC_CANCEL_COLORS, enable);
}

void CGraphicPropPage::OnDestroy() {
  // Tried and unsaved colours go back while the buttons still exist.
  OnCancelColors();
  CPropertyPageBase::OnDestroy();
}
