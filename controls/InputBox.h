// A small modal box that asks the user for one value: a caption, a header
// line with an icon, the edit field, a note below it, OK and Cancel. In
// digits-only mode a non-digit is refused as it is typed, and OK refuses
// any other text with a message and keeps the box open. User-interface thread only.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CInputBox : public CDialog {
 public:
  static constexpr int INPUT_ANY = 0;
  static constexpr int INPUT_DIGITS = 1;

  // Shows the box with the initial value. On OK the entered text goes to
  // value and IDOK (1) is returned; on Cancel value is left alone and
  // IDCANCEL returned. nHeaderIconId 0 shows no icon; a browse button is
  // not offered (nBrowseMode is accepted and ignored).
  static INT_PTR AskValue(std::string& value, const std::string& title, const std::string& header,
                          const std::string& note, const std::string& initialValue, int nInputMode,
                          UINT nHeaderIconId, int nBrowseMode);

 protected:
  CInputBox();
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;

 private:
  std::string m_strTitle;
  std::string m_strHeader;
  std::string m_strNote;
  std::string m_strValue;
  int m_nInputMode = INPUT_ANY;
  UINT m_nHeaderIconId = 0;
};
