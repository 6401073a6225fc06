// CVekFrameView: the supervise window's view, a form (template 101) on the
// mimic's dark background. It is the engine's main window: its creation
// makes it so (which starts the engine's worker threads), has the plant
// create its device shapes, opens the record sets and attaches the
// process-data objects; a failure there fails the view (an unopened record
// set asks the program to end with exit code 1). Its initial update gives
// the labels, group boxes and loop buttons their look and starts the plant
// in Demo; timer 6620 refreshes the status lines. Its destruction shuts the
// engine down (the main frame does so again; the second time does nothing).
//
// The pipework, the rest of the status lines, the plant's messages and the
// loop buttons' commands come with the plant.
//
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "controls/ButtonQM.h"
#include "controls/LumLabel.h"
#include "controls/XPGroupBox.h"
#include "platform/ui/Font.h"
#include "platform/ui/FormView.h"

class CVekFrameView : public CFormView {
 public:
  static constexpr UINT_PTR kStatusTimer = 6620;
  static constexpr UINT kStatusPeriodMs = 333;
  static constexpr int kLoopCount = 6;
  static constexpr const char* kNotClosableText = "This is not closable!";

  CVekFrameView();
  ~CVekFrameView() override;

  void OnInitialUpdate() override;
  // Timer 6620's work: the status lines.
  void RefreshStatus();

  // The label of a form control id; null for another id or before the
  // initial update.
  CLumLabel* GetLabel(UINT nId) const;
  // Loop i's button (0 Vacuum ... 5 Moisture).
  CButtonQM& GetLoopButton(int nLoop) { return m_loopButtons[nLoop]; }

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  int OnCreate() override;
  void OnDestroy() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnTimer(UINT_PTR id) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  // A loop button was clicked (loop index 0-5).
  virtual void OnLoopButton(int nLoop);

 private:
  void BindControls();
  void SetupLooks();

  CXPGroupBox m_groupStatus;
  CXPGroupBox m_groupLoops;
  CButtonQM m_loopButtons[kLoopCount];
  // One label per label control of the form, in template order.
  std::vector<std::pair<UINT, std::unique_ptr<CLumLabel>>> m_labels;
  CFont m_fontBold;
};
