// CRoveDazuviVerovDlg: the tag browser's window ("VekFrame RoveDazuvi
// Verov", template 3012), a modeless, resizable dialog that the engine
// makes and owns (CVekEngineBase::ShowTagBrowser). Opening asks for a user
// of the Technical or Plant-Admin group; a refused check leaves the dialog
// refused (WasRefused) for its maker to destroy, so the next opening asks
// again. Above the grid: a line to go to, the data obtainer's suspension,
// and a highlight filter with its count. The top row, the current line and
// the filter are kept in the profile section "RoveDazuviVerov", the
// placement under "Settings"/"RoveDazuviVerovDlg".
// User-interface thread only.
#pragma once

#include <string>

#include "controls/ResizableDialog.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "tagbrowser/RoveDazuviVerovGrid.h"

class CRoveDazuviVerovDlg : public CResizableDialog {
 public:
  // pDataCenter: the tags to browse (null: the engine's).
  explicit CRoveDazuviVerovDlg(CWnd* pParent = nullptr, CDataCenterBase* pDataCenter = nullptr);
  ~CRoveDazuviVerovDlg() override;

  BOOL OnInitDialog() override;
  // The rights check refused the user: the window holds nothing.
  bool WasRefused() const { return m_bRefused; }
  CRoveDazuviVerovGrid& GetGrid() { return m_grid; }
  int GetGoToLine() const { return m_nGoToLine; }

  // Profile keys.
  static constexpr const char* kProfileSection = "RoveDazuviVerov";
  static constexpr const char* kKeyTopRow = "TopVisibleRow";
  static constexpr const char* kKeyGoToLine = "GoToLine";
  static constexpr const char* kKeyFilter = "HighlightFilter";

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnOK() override;
  void OnCancel() override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  void OnClose() override;

 private:
  void OnSuspend();
  void OnGo();
  void OnClearFilter();
  void OnFilterChanged();
  void ShowSuspension();
  void SaveProfile();

  CEdit m_editGoToLine;   // 4046
  CButton m_chkSuspend;   // 4028
  int m_nGoToLine = 0;
  CRoveDazuviVerovGrid m_grid;  // takes the place of 3013
  CEdit m_editFilter;     // 4045
  CStatic m_lblHighlight; // 4098
  bool m_bRefused = false;
};
