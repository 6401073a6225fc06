#include "controls/BlinkRhythm.h"

#include <algorithm>
#include <limits>

BlinkRhythm::Action BlinkRhythm::Set(bool on, UINT intervalMs, int count) {
  if (count < 1) count = 0;
  // Two flips a cycle must fit the counter (no caller blinks that long).
  count = std::min(count, std::numeric_limits<int>::max() / 2);
  if (!on || intervalMs == 0) {
    if (!m_blinking) return Action::None;
    m_blinking = false;
    m_blinkPhase = false;
    return Action::Stop;
  }
  if (m_blinking && m_intervalMs == intervalMs && m_count == count) return Action::None;
  m_blinking = true;
  m_blinkPhase = true;  // the first flash shows at once
  m_intervalMs = intervalMs;
  m_count = count;
  // Each cycle is a flash and a pause; the first flash is already shown.
  m_flipsLeft = count > 0 ? 2 * count - 1 : 0;
  return Action::Start;
}

BlinkRhythm::Action BlinkRhythm::Tick() {
  if (!m_blinking) return Action::Stop;
  m_blinkPhase = !m_blinkPhase;
  if (m_count > 0 && --m_flipsLeft <= 0) {
    m_blinking = false;
    m_blinkPhase = false;
    return Action::Stop;
  }
  return Action::None;
}
