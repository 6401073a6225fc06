// CBaseTableDlg: the base of the record windows (recipes, recipe ranges,
// shifts). It keeps the record set the window works on (not owned), asks
// the window's rights check before any change (the user who passed it is
// kept in the caption-user slot, so only the first change of an opened
// window asks for a login), and shows refusals, which leave the window open
// with the user's edits.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "controls/ResizableDialog.h"

class CBaseTableRS;

class CBaseTableDlg : public CResizableDialog {
 public:
  // Who may change what the window shows: the purpose the login dialog
  // names and up to three admitted groups (0 for none).
  struct ChangeRights {
    const char* purpose;
    int groups[3];
  };

  CBaseTableDlg(UINT nTemplateId, const ChangeRights& rights, CWnd* pParent = nullptr);

  // The record set the window works on; bound before the window is made.
  void SetRecordset(CBaseTableRS* pRecordset) { m_pRecordset = pRecordset; }
  CBaseTableRS* GetRecordset() const { return m_pRecordset; }

 protected:
  // The rights check before a change; false leaves everything as it is.
  bool CheckChangeAccess();
  // An exclamation box; the window stays as it is.
  void ShowRefusal(const std::string& text) const;

 private:
  CBaseTableRS* m_pRecordset = nullptr;  // not owned
  ChangeRights m_rights;
};
