#include "platform/ui/ScrollBarAdapter.h"

#include <algorithm>

namespace platform_detail {

ScrollBarAdapter::ScrollBarAdapter(QScrollBar* bar, std::function<void(UINT, int)> notify)
    : QObject(bar), m_bar(bar), m_notify(std::move(notify)) {
  m_info.nMin = 0;
  m_info.nMax = 100;
  m_bar->setTracking(false);
  Apply();
  connect(m_bar, &QAbstractSlider::actionTriggered, this, [this](int action) {
    if (m_applying) return;
    UINT code = SB_ENDSCROLL;
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
      case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
      case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
      case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
      case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
      case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
      default: return;  // thumb moves are reported by sliderMoved / sliderReleased
    }
    // The bar stays where it is until the owner sets a new position.
    m_bar->setSliderPosition(m_info.nPos);
    m_notify(code, m_info.nPos);
    m_notify(SB_ENDSCROLL, m_info.nPos);
  });
  connect(m_bar, &QAbstractSlider::sliderMoved, this, [this](int pos) {
    if (!m_applying) m_notify(SB_THUMBTRACK, pos);
  });
  connect(m_bar, &QAbstractSlider::sliderReleased, this, [this] {
    if (m_applying) return;
    const int pos = m_bar->sliderPosition();
    m_notify(SB_THUMBPOSITION, pos);
    m_notify(SB_ENDSCROLL, pos);
    Apply();  // back to the owner's position unless it set one
  });
}

void ScrollBarAdapter::SetInfo(const SCROLLINFO& info) {
  if (info.fMask & SIF_RANGE) {
    m_info.nMin = info.nMin;
    m_info.nMax = info.nMax;
  }
  if (info.fMask & SIF_PAGE) m_info.nPage = info.nPage;
  if (info.fMask & SIF_POS) m_info.nPos = info.nPos;
  m_info.fMask = (m_info.fMask & ~SIF_DISABLENOSCROLL) | (info.fMask & SIF_DISABLENOSCROLL);
  Apply();
}

SCROLLINFO ScrollBarAdapter::GetInfo() const {
  SCROLLINFO out = m_info;
  out.fMask = SIF_ALL;
  out.nTrackPos = m_bar->isSliderDown() ? m_bar->sliderPosition() : m_info.nPos;
  return out;
}

void ScrollBarAdapter::SetPos(int pos) {
  m_info.nPos = pos;
  Apply();
}

bool ScrollBarAdapter::NothingToScroll() const {
  const long long span = static_cast<long long>(m_info.nMax) - m_info.nMin + 1;
  return m_info.nMax <= m_info.nMin || (m_info.nPage > 0 && span <= static_cast<long long>(m_info.nPage));
}

void ScrollBarAdapter::Apply() {
  m_applying = true;
  const int page = static_cast<int>(m_info.nPage);
  const int maxPos = std::max(m_info.nMin, page > 0 ? m_info.nMax - page + 1 : m_info.nMax);
  m_info.nPos = std::clamp(m_info.nPos, m_info.nMin, maxPos);
  m_bar->setRange(m_info.nMin, maxPos);
  m_bar->setPageStep(std::max(1, page));
  m_bar->setSingleStep(1);
  if (!m_bar->isSliderDown()) {
    m_bar->setValue(m_info.nPos);
    m_bar->setSliderPosition(m_info.nPos);
  }
  m_applying = false;
}

}  // namespace platform_detail
