// The colour dialog: shows a colour to start from and, when confirmed with
// OK, gives the chosen colour. It is a modal dialog like the others, so a
// test ends it from code (SetCurrentColor, then EndDialog(IDOK)).
// Threads: user-interface thread.
#pragma once

#include "platform/ui/Dialog.h"

constexpr DWORD CC_RGBINIT = 0x1;
constexpr DWORD CC_FULLOPEN = 0x2;
constexpr DWORD CC_ANYCOLOR = 0x100;

struct CHOOSECOLOR {
  COLORREF rgbResult = 0;  // the start colour, and the chosen one after OK
  DWORD Flags = 0;
};

class CColorDialog : public CDialog {
 public:
  explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

  INT_PTR DoModal() override;
  COLORREF GetColor() const { return m_cc.rgbResult; }
  // The colour shown (and chosen when the dialog ends with IDOK).
  void SetCurrentColor(COLORREF color);
  COLORREF GetCurrentColor() const { return m_crCurrent; }

  CHOOSECOLOR m_cc;

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  BOOL CreateDialogWindow(CWnd* parent, bool modal) override;

 private:
  COLORREF m_crCurrent = 0;
};
