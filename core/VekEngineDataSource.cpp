// The engine's data source, cycles, timers and shut-down.
#include <algorithm>
#include <iterator>

#include "core/AccessLog.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/ui/Dialog.h"
#include "res/LoginDialogs.h"

namespace {

constexpr const char* kSourceNames[] = {"None", "Demo", "Real HW"};

}  // namespace

std::string CVekEngineBase::GetDataSourceText() const {
  const int type = GetDataSourceType();
  std::string text = type >= 0 && type < static_cast<int>(std::size(kSourceNames)) ? kSourceNames[type] : "None";
  if (IsDataObtainerSuspended()) text += " [Suspended]";
  return text;
}

// Closing the old source: OnDataSourceReady (the plant's last look), Demo
// completes its requests at once, then the pending waits (forced off after
// their limit, so a source without hardware cannot hold the switch). On
// every switch the trend stacks are emptied. Opening a source starts it
// (StartDemoSource or StartRealHwSource) and waits, on the engine window's
// 100 ms timer, for the first reads; the switch then becomes idle and
// OnDataSourceReady runs for the new source. Real HW without a connected
// hardware link is told once, after the switch has started.
bool CVekEngineBase::SetDataSourceType(int nType) {
  if (nType < eDataSourceNone || nType > eDataSourceRealHw) return false;
  if (!IsDataSourceIdle()) return false;
  const int old = GetDataSourceType();
  if (nType == old) return true;
  // The source closed by the shut-down is not logged: "VekFrame Closed."
  // stays the last line of a session.
  if (!m_bShutDown)
    WriteAccessLogLine(std::string("Data source: ") + kSourceNames[old] + " -> " + kSourceNames[nType], true);

  if (old != eDataSourceNone) {
    m_nSwitchState = eSwitchDisconnecting;
    OnDataSourceReady();
    if (old == eDataSourceDemo && m_pDataCenter) {
      m_pDataCenter->SetAllReadPending(false);
      m_pDataCenter->SetAllWritePending(false);
    }
    WaitForPendings();
    if (old == eDataSourceRealHw && m_pHwLinker) m_pHwLinker->Disconnect();
  }
  ResetTrendStacksNow();
  m_nDataSourceType = nType;
  if (nType == eDataSourceNone) {
    m_nSwitchState = eSwitchIdle;
    return true;
  }

  m_nSwitchState = eSwitchConnecting;
  const bool ok = nType == eDataSourceDemo ? StartDemoSource() : StartRealHwSource();
  m_FirstReadTimer.Restart();
  if (!m_pDataCenter || m_pDataCenter->IsNoReadPending())
    FinishConnecting();
  else
    SetTimer(kTimerFirstRead, kFirstReadStepMs);
  if (nType == eDataSourceRealHw && !IsHardwareLinkConnected())
    AfxMessageBox(kNoHardwareLinkText, MB_OK | MB_ICONEXCLAMATION);
  return ok;
}

bool CVekEngineBase::WaitForPendings() {
  if (!m_pDataCenter) return true;
  CDataCenterBase* dc = m_pDataCenter.get();
  bool ok = true;
  if (!m_pendingWait("Waits to reset the Total Read Pending of Tags ...", [dc] { return dc->IsNoReadPending(); },
                     kPendingWaitLimitMs)) {
    WriteAccessLogLine(FormatText("%d tags were still read-pending; their reads were dropped.",
                                  dc->GetTotalReadPending()),
                       true);
    dc->SetAllReadPending(false);
    ok = false;
  }
  if (!m_pendingWait("Waits to reset the Total Write Pending of Tags ...", [dc] { return dc->IsNoWritePending(); },
                     kPendingWaitLimitMs)) {
    WriteAccessLogLine(FormatText("%d tags were still write-pending; their writes were dropped.",
                                  dc->GetTotalWritePending()),
                       true);
    dc->SetAllWritePending(false);
    ok = false;
  }
  return ok;
}

void CVekEngineBase::FinishConnecting() {
  KillTimer(kTimerFirstRead);
  if (m_pDataCenter && !m_pDataCenter->IsNoReadPending()) m_pDataCenter->SetAllReadPending(false);
  m_nSwitchState = eSwitchIdle;
  OnDataSourceReady();
}

void CVekEngineBase::OnFirstReadTick() {
  if (GetSwitchState() != eSwitchConnecting) {
    KillTimer(kTimerFirstRead);
    return;
  }
  if (!m_pDataCenter || m_pDataCenter->IsNoReadPending() || m_FirstReadTimer.GetElapsedMs() >= kFirstReadLimitMs)
    FinishConnecting();
}

bool CVekEngineBase::StartDemoSource() {
  if (!IsDemoSource()) return false;
  if (m_pDataCenter) m_pDataCenter->SetAllReadPending(false);
  return InitProcessValues();
}

bool CVekEngineBase::StartRealHwSource() {
  if (!IsRealHwSource()) return false;
  if (m_pHwLinker) m_pHwLinker->Connect();
  if (m_pDataCenter) m_pDataCenter->SetAllReadPending(true);
  return InitProcessValues();
}

bool CVekEngineBase::SetDataObtainerSuspended(bool bSuspend) {
  if (bSuspend && IsRealHwSource() && m_pDataCenter && m_pDataCenter->HasTagsOfHWType(CDCTag::eHWOpc)) {
    AfxMessageBox("Error: Suspending Data Obtainer is NOT supported for OPC Tags!", MB_OK | MB_ICONERROR);
    return false;
  }
  m_bSuspended = bSuspend;
  return true;
}

void CVekEngineBase::CompleteDemoPendings() {
  if (!m_pDataCenter) return;
  const int count = m_pDataCenter->GetTagCount();
  if (count == 0) return;
  const int quota = std::max(1, count / 50);
  if (m_nDemoPendingIndex >= count) m_nDemoPendingIndex = 0;
  int cleared = 0;
  for (int visited = 0; visited < count && cleared < quota; ++visited) {
    CDCTag* tag = m_pDataCenter->GetTagAt(m_nDemoPendingIndex);
    m_nDemoPendingIndex = (m_nDemoPendingIndex + 1) % count;
    if (!tag->IsReadPending() && !tag->IsWritePending()) continue;
    tag->SetReadPending(false);
    tag->SetWritePending(false);
    ++cleared;
  }
}

// ---- Cycles -------------------------------------------------------------------------------

void CVekEngineBase::RunDataObtainerCycle() {
  if (IsDataObtainerSuspended()) return;
  if (IsDemoSource() && IsDataSourceIdle()) {
    SimulateDemoInputs();
    SimulateDemoFeedback();
    CompleteDemoPendings();
  } else if (IsRealHwSource()) {
    ObtainRealHwData();
  }
  DataObtainerCycleEnd();
}

void CVekEngineBase::RunProcessControlCycle() { ProcessControlCycle(); }

// ---- Timers -------------------------------------------------------------------------------

void CVekEngineBase::OnTimer(UINT_PTR id) {
  switch (id) {
    case kTimerProcessInfo: OnProcessInfoTick(); break;
    case kTimerExitWatch: OnExitWatchTick(); break;
    case kTimerFirstRead: OnFirstReadTick(); break;
    default: CWnd::OnTimer(id); break;
  }
}

void CVekEngineBase::OnProcessInfoTick() {
  IsMainWndShown();  // latches once the main window is seen
  if (m_bShutDown) return;
  if (++m_nSecondsToAdd >= m_nAddProcessInfoInterval) {
    m_nSecondsToAdd = 0;
    AddProcessInfoToStacks();
  }
  // An interval of 0 records nothing.
  if (m_nRecordProcessInfoInterval > 0 && ++m_nSecondsToRecord >= m_nRecordProcessInfoInterval) {
    m_nSecondsToRecord = 0;
    RecordProcessInformation();
  }
}

void CVekEngineBase::OnExitWatchTick() {
  if (!m_bShutDown || m_bExitForced || !CWnd::IsWindow(m_hWatchWnd)) return;
  if (m_ExitWatch.GetElapsedMs() < kExitWatchMs) return;
  m_bExitForced = true;
  WriteAccessLogLine("VekFrame is NOT closed! VekFrame is forced to exit!", true);
  {
    RegisterLoginDialogTemplates();
    CDialog notice;
    if (notice.Create(login_res::IDD_ENGINE_WAIT, nullptr)) {
      notice.SetWindowText("VekFrame is NOT closed!");
      if (CWnd* label = notice.GetDlgItem(login_res::IDC_ENGINE_WAIT_TEXT))
        label->SetWindowText("VekFrame is forced to exit!");
      notice.ShowWindow(SW_SHOW);
    }
    if (m_nExitNoticeMs) WaitProcessingEvents([] { return false; }, m_nExitNoticeMs);
  }
  if (m_nExitDelayMs) WaitProcessingEvents([] { return false; }, m_nExitDelayMs);
  ForceExitProgram(kExitWatchCode);  // also while the session ends: it hangs
}

// ---- Shut-down ------------------------------------------------------------------------------

void CVekEngineBase::ShutDown() {
  if (m_bShutDown) return;
  m_bShutDown = true;
  m_ExitWatch.Restart();
  if (!IsDataSourceIdle()) {
    // A switch under way ends here; its source is closed below.
    KillTimer(kTimerFirstRead);
    m_nSwitchState = eSwitchIdle;
  }
  SetDataSourceType(eDataSourceNone);
  KillTimer(kTimerProcessInfo);
  if (m_pDataObtainer) m_pDataObtainer->Stop();
  if (m_pProcessControl) m_pProcessControl->Stop();
  m_pHwLinker.reset();
}
