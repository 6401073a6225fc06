// A button that shows a colour swatch beside its text. A click opens the
// colour dialog on the current colour; only when the choice is confirmed
// with OK does the button take the new colour and pass the click on to its
// parent (BN_CLICKED); Cancel changes nothing and tells nobody.
// User-interface thread only.
#pragma once

#include <functional>

#include "controls/ButtonQM.h"

class CColorButton : public CButtonQM {
 public:
  // Asks the user for a colour starting from `color`; true with the new
  // colour in `color` when confirmed. Tests replace it with a double.
  using ColorChooser = std::function<bool(COLORREF& color, CWnd* parent)>;

  CColorButton() = default;
  using CButtonQM::GetColor;  // the button's six look colours by index
  using CButtonQM::SetColor;

  // Stores the colour and repaints; no notification.
  void SetColor(COLORREF color);
  COLORREF GetColor() const { return m_color; }

  // The chooser used by every colour button; null restores the colour
  // dialog. Returns the previous one.
  static ColorChooser SetColorChooser(ColorChooser chooser);

 protected:
  void OnClicked() override;
  void DrawContent(CDC* pDC, const CRect& inside, const controls::ButtonState& state) override;

 private:
  COLORREF m_color = RGB(0, 0, 0);  // black until set
};
