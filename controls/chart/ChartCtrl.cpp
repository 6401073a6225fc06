#include "controls/chart/ChartCtrl.h"

#include <algorithm>

#include "platform/ui/Font.h"

CChartCtrl::CChartCtrl()
    : m_pText(std::make_unique<TextMeasures>()),
      m_pLayout(std::make_unique<LayoutCache>()),
      m_pShown(std::make_unique<ShownFrame>()) {}

CChartCtrl::~CChartCtrl() {
  // The series point at the axes: remove them first.
  m_series.clear();
}

BOOL CChartCtrl::Create(CWnd* pParent, const CRect& rect, UINT nID, DWORD dwStyle) {
  return CWnd::Create("", dwStyle | WS_CHILD, rect, pParent, nID);
}

CChartAxis* CChartCtrl::ReplaceAxis(CChartAxis::EAxisPos pos, chart::AxisKind kind) {
  CChartAxis* old = m_axes[pos].get();
  if (old) {
    // Series drawn against the replaced axis would point at a dead object.
    std::erase_if(m_series, [old](const std::unique_ptr<CChartSerie>& s) {
      return s->GetHorizontalAxis() == old || s->GetVerticalAxis() == old;
    });
  }
  m_axes[pos] = std::make_unique<CChartAxis>(this, pos, kind);
  RefreshCtrl();
  return m_axes[pos].get();
}

CChartAxis* CChartCtrl::CreateStandardAxis(CChartAxis::EAxisPos pos) {
  return ReplaceAxis(pos, chart::AxisKind::Value);
}

CChartAxis* CChartCtrl::CreateDateTimeAxis(CChartAxis::EAxisPos pos) {
  return ReplaceAxis(pos, chart::AxisKind::DateTime);
}

CChartLineSerie* CChartCtrl::CreateLineSerie() {
  if (!GetBottomAxis() || !GetLeftAxis()) return nullptr;
  auto serie = std::make_unique<CChartLineSerie>(this, GetBottomAxis(), GetLeftAxis());
  CChartLineSerie* p = serie.get();
  m_series.push_back(std::move(serie));
  RefreshCtrl();
  return p;
}

CChartSerie* CChartCtrl::GetSerie(size_t index) const {
  return index < m_series.size() ? m_series[index].get() : nullptr;
}

void CChartCtrl::RemoveAllSeries() {
  m_series.clear();
  RefreshAutoAxes();
}

void CChartCtrl::RemoveAll() {
  EnableRefresh(false);
  m_series.clear();
  m_axes[0].reset();
  m_axes[1].reset();
  m_title.RemoveAll();
  RefreshCtrl();
  EnableRefresh(true);
}

std::vector<CChartSerie*> CChartCtrl::GetSeriesOfAxis(const CChartAxis* pAxis) const {
  std::vector<CChartSerie*> out;
  for (const auto& s : m_series)
    if (s->GetHorizontalAxis() == pAxis || s->GetVerticalAxis() == pAxis) out.push_back(s.get());
  return out;
}

void CChartCtrl::RefreshAutoAxes() {
  for (auto& axis : m_axes)
    if (axis) axis->RefreshAutoAxis();
  RefreshCtrl();
}

void CChartCtrl::SetBackColor(COLORREF color) {
  m_backColor = color;
  RefreshCtrl();
}

void CChartCtrl::SetPlotColor(COLORREF color) {
  m_plotColor = color;
  RefreshCtrl();
}

void CChartCtrl::SetBorderColor(COLORREF color) {
  m_borderColor = color;
  RefreshCtrl();
}

void CChartCtrl::SetAntialiasing(bool bAntialiasing) {
  if (m_bAntialiasing == bAntialiasing) return;
  m_bAntialiasing = bAntialiasing;
  RefreshCtrl();
}

void CChartCtrl::EnableRefresh(bool bEnable) {
  if (!bEnable) {
    ++m_nRefreshHolds;
    return;
  }
  if (m_nRefreshHolds == 0) return;
  if (--m_nRefreshHolds == 0 && m_bRefreshPending) {
    m_bRefreshPending = false;
    Redraw();
  }
}

void CChartCtrl::RefreshCtrl() {
  if (m_nRefreshHolds > 0) {
    m_bRefreshPending = true;
    return;
  }
  Redraw();
}

void CChartCtrl::Redraw() {
  if (!IsWindowCreated()) return;
  // The plot always changes with the chart; the paint adds the parts of
  // the frame that change too.
  if (m_pShown->valid) {
    InvalidateRect(&m_pShown->picture.plot, FALSE);
  } else {
    Invalidate(FALSE);
  }
}
