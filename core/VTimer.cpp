#include "core/VTimer.h"

#include "platform/Seams.h"

CVTimer::CVTimer(bool bStart) {
  if (bStart) Start();
}

void CVTimer::Start() {
  if (m_bRunning) return;
  m_nStart = GetTickCount64();
  m_nStop = m_nStart;
  m_bRunning = true;
}

void CVTimer::Stop() {
  if (!m_bRunning) return;
  m_nStop = GetTickCount64();
  m_bRunning = false;
}

void CVTimer::Reset() {
  m_bRunning = false;
  m_nStart = 0;
  m_nStop = 0;
}

void CVTimer::Restart() {
  Stop();
  Start();
}

std::uint64_t CVTimer::GetElapsedMs() const {
  const std::uint64_t end = m_bRunning ? GetTickCount64() : m_nStop;
  return end > m_nStart ? end - m_nStart : 0;
}

void CVTimer::SubtractSec(std::uint64_t nSec) { m_nStart += nSec * 1000; }
