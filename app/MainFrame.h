// CMainFrame: the main frame of this plant. It makes and opens the plant's
// own windows (the modeless recipe window, the modal shift, recipe-range
// and loop PID factors dialogs) and adds the "&Reset Process" command,
// which acts only while the data source is Real HW and is checked while
// the plant's reset flag is set.
//
// Threads: user-interface thread.
#pragma once

#include "app/MainFrmBase.h"

class CMainFrame : public CMainFrmBase {
 public:
  CMainFrame();
  ~CMainFrame() override;

  // An existing recipe window has the PLC's recipe checked and comes to
  // the front; otherwise a new one is made (a stale object deleted first).
  void ShowRecipeWindow() override;
  void ShowShiftWindow() override;
  void ShowRecipeRangeWindow() override;
  void ShowLoopPidFactors() override;
  virtual void OnResetProcess();                   // 32771
  virtual void OnUpdateResetProcess(CCmdUI* pCmdUI);
  BOOL IsCommandHandled(UINT id) const override;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnUpdateCmdUI(CCmdUI* pCmdUI) override;
};
