// A combo box: a drop-down list (CBS_DROPDOWNLIST, the usual kind) or an
// editable drop-down (CBS_DROPDOWN). Items are texts with an optional data
// word; CBS_SORT keeps them sorted (case-insensitive). Only the user's
// choice sends CBN_SELCHANGE; SetCurSel from code sends nothing. String
// searches are case-insensitive: FindString by prefix, FindStringExact by
// the whole text, both starting after an index and wrapping around.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"

class CComboBox : public CWnd {
 public:
  CComboBox();
  ~CComboBox() override;

  int AddString(const std::string& text);   // the index, or CB_ERR
  int InsertString(int index, const std::string& text);  // -1: at the end
  int DeleteString(int index);               // the count left, or CB_ERR
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;                     // CB_ERR when nothing is selected
  int SetCurSel(int index);                  // -1 clears; CB_ERR when out of range
  int GetLBText(int index, std::string& text) const;  // the length, or CB_ERR
  std::string GetLBText(int index) const;
  int GetLBTextLen(int index) const;
  int FindString(int startAfter, const std::string& prefix) const;
  int FindStringExact(int startAfter, const std::string& text) const;
  int SelectString(int startAfter, const std::string& prefix);
  int SetItemData(int index, DWORD_PTR_T data);
  DWORD_PTR_T GetItemData(int index) const;
  BOOL GetDroppedState() const;
  void ShowDropDown(BOOL show = TRUE);
  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;

  // Chooses the item as the user would: selects it and sends CBN_SELCHANGE.
  void SelectAsUser(int index);

  // ---- Platform only -------------------------------------------------------------
  void UserSelected(int index);
  void PopupShown(bool shown);

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;

 private:
  int SortedPosition(const std::string& text) const;
};
