// CGraphicPropPage: the "Graphic" page every shape's sheet carries
// (template 3008): six colour buttons for the shape's display colours and
// its unique control id. A confirmed colour shows on the mimic at once;
// "Save Colors" keeps the tried colours (the shape's saved copies, ids
// 13-18, and the settings file), "Cancel" goes back to the saved copies,
// and closing the sheet undoes colours that were tried and not saved.
// User-interface thread only.
#pragma once

#include <string>

#include "controls/ColorButton.h"
#include "shapes/pages/PropertyPageBase.h"

class CGraphicPropPage : public CPropertyPageBase {
 public:
  CGraphicPropPage();

  static constexpr int kColorCount = 6;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

 private:
  void OnColorChosen(int index);
  void OnSaveColors();
  void OnCancelColors();
  // Each saved copy takes its colour's current value.
  void CopyColorsToSaved();
  void EnableColorCommands(bool enable);

  CColorButton m_colors[kColorCount];  // in the order of the colour table
  std::string m_strUniqueId;
};
