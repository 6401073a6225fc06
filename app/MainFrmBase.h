// CMainFrmBase: the program's multiple-document main frame. It holds the
// supervise and trend windows as child frames and turns the commands of its
// menus and accelerators into calls on the engine, dialogs and frame
// switches. Every command goes to one virtual hook (the table in the .cpp),
// so a derived frame changes a command by overriding its hook; the hooks
// of the plant's own windows (recipe, shift, recipe range, loop PID
// factors) do nothing here. Closing asks first; the frame's destruction
// writes the log line, shuts the engine down and destroys the recipe
// window.
//
// Threads: user-interface thread.
#pragma once

#include "platform/ui/MDIFrameWnd.h"

class CCmdUI;

class CMainFrmBase : public CMDIFrameWnd {
 public:
  CMainFrmBase();
  ~CMainFrmBase() override;

  // ---- Command hooks, in slot order --------------------------------------------------------
  virtual void OnChangePassword();       // 713
  virtual void OnUsersEditor();          // 714
  virtual void ShowRecipeWindow() {}     // 705
  virtual void ShowShiftWindow() {}      // 706
  virtual void ShowRecipeRangeWindow() {}  // 704
  virtual void ShowLoopPidFactors() {}   // 712
  virtual void OnDataSourceNone();       // 701
  virtual void OnUpdateDataSourceNone(CCmdUI* pCmdUI);
  virtual void OnDataSourceDemo();       // 702
  virtual void OnUpdateDataSourceDemo(CCmdUI* pCmdUI);
  virtual void OnDataSourceReal();       // 703
  virtual void OnUpdateDataSourceReal(CCmdUI* pCmdUI);
  virtual void ShowAboutBox();           // 57664
  virtual void ShowRoveDazuviVerov();    // 708: the tag browser
  virtual void OnRecordInterval();       // 707
  virtual void ShowTrendFrame();         // 710
  virtual void ShowSuperviseFrame();     // 709
  virtual void ActivateNextFrame();      // 711

  // The recipe window; null until it was first opened.
  CWnd* GetRecipeWindow() const { return m_pRecipeDlg; }

  // Closes the frame as Yes to the close question does, without asking:
  // the end of the session (the system ends the program).
  void EndSession();

  // The texts of the frame's boxes.
  static constexpr const char* kCloseQuestion = "Application will be closed.\r\nAre you sure?";
  static constexpr const char* kNoTrendText = "No Trend is defined in INi file!";

  // The hooks' commands besides the framework's (menu items of other
  // commands show disabled).
  BOOL IsCommandHandled(UINT id) const override;

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  int OnCreate() override;
  void OnClose() override;
  void OnDestroy() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnUpdateCmdUI(CCmdUI* pCmdUI) override;

  // The recipe window (a modeless dialog without a parent); owned,
  // destroyed and deleted with the frame.
  CWnd* m_pRecipeDlg = nullptr;

 private:
  static void SetDataSource(int nType);
  static void UpdateDataSourceItem(CCmdUI* pCmdUI, int nType);
};
