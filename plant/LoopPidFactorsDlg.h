// CLoopPidFactorsDlg: "Loop PID Factors" (template 102). A technician picks
// one of the six control loops and reads or changes its tuning factors
// (dead band, gain, period, pulse break, TI, TD, lag time). Save asks for a
// Technical or Plant-Admin user (the first save of an opened dialog asks
// for a login; later saves reuse that user), then writes the seven factors
// into the loop object, which writes them to its tags and the settings
// file. "Saved successfully" is shown only when every factor was taken; a
// factor refused is named in a message. Changing the loop discards unsaved
// edits. Modal; the loops are those of the current plant.
// Threads: user-interface thread.
#pragma once

#include "core/VekAccessUser.h"
#include "plant/LoopPidFactors.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"

class C_ProcessDataLoop;

class CLoopPidFactorsDlg : public CDialog {
 public:
  static constexpr const char* kSavePurpose = "To apply PID factor changes";
  // "Saved successfully", the balloon's title.
  static const char* const kSavedTitle;

  explicit CLoopPidFactorsDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  // The selected loop's factors into the members and the controls.
  void RefreshFactors();
  // The rights check, the controls into the members, the members into the
  // selected loop; true when all seven were saved.
  bool SaveFactors();

  // The selected loop; null without a selection (or a plant).
  C_ProcessDataLoop* GetSelectedLoop() const;
  CVekAccessUser* GetUser() const { return m_pUser; }

  CComboBox m_cmbLoop;
  float m_fDeadBand = 0.0f;
  float m_fGain = 0.0f;
  int m_nPeriodTime = 0;
  int m_nPulseBreakTime = 0;
  int m_nTi = 0;
  int m_nTd = 0;
  int m_nLagTime = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  CVekAccessUser* m_pUser = nullptr;  // the user who passed the rights check
};
