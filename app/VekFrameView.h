// CVekFrameView: the supervise window's view, a form (template 101) that
// is the plant mimic: it paints the pipework on the mimic's dark
// background, hosts every device shape and process-data window as a child,
// shows process values and status lines in its labels and carries the six
// loop buttons.
//
// It is the engine's main window: its creation makes it so (which starts
// the engine's worker threads), has the plant create its device shapes,
// opens the record sets and attaches the process-data objects; a failure
// there fails the view (an unopened record set asks the program to end
// with exit code 1). Its initial update gives the labels, group boxes and
// loop buttons their look, sizes the material stack and starts the plant
// in Demo; timer 6620 refreshes the status lines and value labels every
// 333 ms. It answers the attributes' and record sets' messages: it refuses
// no change, turns some changes into follow-ups (in Demo only where they
// write simulated values), shows the loops' mode reports and the process
// alarms, and keeps the shift totals in the Shift table. Its destruction
// shuts the engine down (the main frame does so again; the second time
// does nothing).
//
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/LoopRules.h"
#include "controls/ButtonQM.h"
#include "controls/LumLabel.h"
#include "controls/XPGroupBox.h"
#include "platform/ui/Font.h"
#include "platform/ui/FormView.h"

class CPlant;
class CVAttrib;
class CVAttribsPack;

class CVekFrameView : public CFormView {
 public:
  static constexpr UINT_PTR kStatusTimer = 6620;
  static constexpr UINT kStatusPeriodMs = 333;
  static constexpr int kLoopCount = 6;
  static constexpr int kMaterialStackSize = 60;
  static constexpr const char* kNotClosableText = "This is not closable!";
  static constexpr const char* kEnterKeyText = "Enter(Return) Key's been peressed";
  static constexpr const char* kEnterKeyCaption = "Key Pressing Test";

  CVekFrameView();
  ~CVekFrameView() override;

  void OnInitialUpdate() override;
  // Timer 6620's work: the status lines and the value labels.
  void RefreshStatus();

  // The label of a form control id; null for another id or before the
  // initial update.
  CLumLabel* GetLabel(UINT nId) const;
  // Loop i's button (0 Vacuum ... 5 Moisture).
  CButtonQM& GetLoopButton(int nLoop) { return m_loopButtons[nLoop]; }

  // ---- Loops ----------------------------------------------------------------------------------
  // The button's colours by the loop's InPlcCtrl and its check by InAutomat.
  void RefreshLoopButton(int nLoop);
  // A click on loop i's button: to manual at once, to automatic only when
  // every precondition holds (else the reason, as a box, a window or a
  // balloon).
  virtual void OnLoopButton(int nLoop);
  // True when nothing prevents automatic mode; else the reasons, one line each.
  bool CanLoopGoAutomatic(int nLoop, std::string* pReason) const;
  // The facts the precondition check reads, from the running plant.
  LoopFacts GatherLoopFacts() const;
  // InPlcCtrl (36) or InAutomat (38) of loop i changed to b.
  void OnLoopAttribChanged(int nLoop, int nAttrib, bool b);
  // An alarm object's flag changed: warning balloon, alarm record or box.
  void ShowProcessAlarm(UINT nCtrlId, int nAttrib);

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  int OnCreate() override;
  void OnDestroy() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnTimer(UINT_PTR id) override;
  void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL IsCommandHandled(UINT id) const override;
  // The plant's messages (0x1500-0x1502, 0x1504) and the data center's (0x14FF).
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // One menu command of the view and what it does.
  struct MenuCommand {
    UINT nId;
    void (*run)(CVekFrameView& view);
  };
  static const MenuCommand kMenuCommands[];

  void BindControls();
  void SetupLooks();
  void RefreshValueLabels(CPlant& plant);
  void OnAttribChanged(CVAttrib* attrib, int code);
  void OnPackPendingChanged(CVAttribsPack* pack, int code);
  void OnTableNotice(WPARAM recordSet, int code);
  // Posts a menu command to the main window.
  static void PostFrameCommand(UINT id);

  CXPGroupBox m_groupStatus;
  CXPGroupBox m_groupLoops;
  CButtonQM m_loopButtons[kLoopCount];
  // One label per label control of the form, in template order.
  std::vector<std::pair<UINT, std::unique_ptr<CLumLabel>>> m_labels;
  CFont m_fontBold;
};
