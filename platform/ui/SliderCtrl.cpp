#include "platform/ui/SliderCtrl.h"

#include <QSlider>

CSliderCtrl::CSliderCtrl() = default;
CSliderCtrl::~CSliderCtrl() = default;

namespace {
QSlider* SliderOf(const CWnd* wnd) { return dynamic_cast<QSlider*>(wnd->GetWidget()); }
}  // namespace

QWidget* CSliderCtrl::CreateNativeWidget(QWidget* parent) {
  auto* slider = new QSlider((m_dwStyle & TBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
  slider->setRange(0, 100);
  slider->setPageStep(20);
  slider->setFocusPolicy(Qt::StrongFocus);
  slider->setTickPosition((m_dwStyle & TBS_NOTICKS) ? QSlider::NoTicks
                          : (m_dwStyle & TBS_BOTH)   ? QSlider::TicksBothSides
                                                     : QSlider::TicksBelow);
  QObject::connect(slider, &QAbstractSlider::actionTriggered, slider, [this, slider](int action) {
    UINT code = TB_ENDTRACK;
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: code = TB_LINEDOWN; break;
      case QAbstractSlider::SliderSingleStepSub: code = TB_LINEUP; break;
      case QAbstractSlider::SliderPageStepAdd: code = TB_PAGEDOWN; break;
      case QAbstractSlider::SliderPageStepSub: code = TB_PAGEUP; break;
      case QAbstractSlider::SliderToMinimum: code = TB_TOP; break;
      case QAbstractSlider::SliderToMaximum: code = TB_BOTTOM; break;
      default: return;
    }
    // A slider moves itself: apply the step, then tell the parent.
    const int pos = slider->sliderPosition();
    slider->setValue(pos);
    Notify(code, pos);
    Notify(TB_ENDTRACK, pos);
  });
  QObject::connect(slider, &QAbstractSlider::sliderMoved, slider, [this](int pos) { Notify(TB_THUMBTRACK, pos); });
  QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, [this, slider] {
    Notify(TB_THUMBPOSITION, slider->value());
    Notify(TB_ENDTRACK, slider->value());
  });
  return slider;
}

void CSliderCtrl::Notify(UINT code, int pos) {
  CWnd* parent = GetParent();
  if (!parent) return;
  const UINT message = (m_dwStyle & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  parent->SendMessage(message, MAKEWPARAM(static_cast<int>(code), pos), reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
}

void CSliderCtrl::MoveAsUser(int pos) {
  SetPos(pos);
  HWND self = m_hWnd;
  Notify(TB_THUMBPOSITION, GetPos());
  if (IsWindow(self)) Notify(TB_ENDTRACK, GetPos());
}

void CSliderCtrl::SetRange(int minPos, int maxPos, BOOL) {
  if (QSlider* s = SliderOf(this)) {
    const QSignalBlocker block(s);
    s->setRange(minPos, maxPos);
  }
}
void CSliderCtrl::SetRangeMin(int minPos, BOOL redraw) { SetRange(minPos, GetRangeMax(), redraw); }
void CSliderCtrl::SetRangeMax(int maxPos, BOOL redraw) { SetRange(GetRangeMin(), maxPos, redraw); }
void CSliderCtrl::GetRange(int& minPos, int& maxPos) const {
  minPos = GetRangeMin();
  maxPos = GetRangeMax();
}
int CSliderCtrl::GetRangeMin() const { return SliderOf(this) ? SliderOf(this)->minimum() : 0; }
int CSliderCtrl::GetRangeMax() const { return SliderOf(this) ? SliderOf(this)->maximum() : 0; }
void CSliderCtrl::SetPos(int pos) {
  if (QSlider* s = SliderOf(this)) {
    const QSignalBlocker block(s);
    s->setValue(pos);
    s->setSliderPosition(s->value());
  }
}
int CSliderCtrl::GetPos() const { return SliderOf(this) ? SliderOf(this)->value() : 0; }
void CSliderCtrl::SetTicFreq(int frequency) {
  if (QSlider* s = SliderOf(this)) s->setTickInterval(frequency);
}
int CSliderCtrl::SetPageSize(int size) {
  QSlider* s = SliderOf(this);
  if (!s) return 0;
  const int old = s->pageStep();
  s->setPageStep(size);
  return old;
}
int CSliderCtrl::GetPageSize() const { return SliderOf(this) ? SliderOf(this)->pageStep() : 0; }
int CSliderCtrl::SetLineSize(int size) {
  QSlider* s = SliderOf(this);
  if (!s) return 0;
  const int old = s->singleStep();
  s->setSingleStep(size);
  return old;
}
int CSliderCtrl::GetLineSize() const { return SliderOf(this) ? SliderOf(this)->singleStep() : 0; }
