// A list box of texts with optional data words: single selection, or
// several with LBS_MULTIPLESEL / LBS_EXTENDEDSEL; LBS_SORT keeps the texts
// sorted (case-insensitive). With LBS_NOTIFY the user's selection sends
// LBN_SELCHANGE and a double click LBN_DBLCLK; changes from code send
// nothing. Searches as in CComboBox.
// Threads: user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

class CListBox : public CWnd {
 public:
  CListBox();
  ~CListBox() override;

  int AddString(const std::string& text);
  int InsertString(int index, const std::string& text);  // -1: at the end
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetText(int index, std::string& text) const;
  std::string GetText(int index) const;
  int GetTextLen(int index) const;
  int FindString(int startAfter, const std::string& prefix) const;
  int FindStringExact(int startAfter, const std::string& text) const;
  int SelectString(int startAfter, const std::string& prefix);
  int SetItemData(int index, DWORD_PTR_T data);
  DWORD_PTR_T GetItemData(int index) const;
  int GetTopIndex() const;
  int SetTopIndex(int index);
  int GetItemHeight(int index) const;
  // Multiple selection.
  int GetSel(int index) const;
  int SetSel(int index, BOOL select = TRUE);  // -1: every item
  int GetSelCount() const;
  int GetSelItems(int maxItems, int* indexes) const;

  // ---- Platform only ----------------------------------------------------------------
  void UserSelectionChanged();
  void UserDoubleClicked();

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;

 private:
  int SortedPosition(const std::string& text) const;
  bool m_bFromCode = false;
};
