#include "controls/chart/ChartCtrlBase.h"

#include <memory>

#include "platform/ui/DialogItems.h"

namespace {

// The two looks of the trend chart.
struct ChartLook {
  COLORREF back;
  COLORREF plot;
  COLORREF border;
  COLORREF axis;
  COLORREF text;
  COLORREF grid;
  COLORREF line;
  int lineWidth;
};

constexpr ChartLook kScreenLook{RGB(50, 50, 50),    RGB(0, 0, 0),       RGB(160, 160, 160),
                                RGB(200, 200, 200), RGB(255, 255, 0),   RGB(70, 70, 70),
                                RGB(0, 255, 0),     1};
constexpr ChartLook kPrintLook{RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0),
                               RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(200, 200, 200),
                               RGB(0, 0, 160),     2};

}  // namespace

void CChartCtrlBase::SetupChart(bool bForPrint) {
  const ChartLook& look = bForPrint ? kPrintLook : kScreenLook;
  EnableRefresh(false);
  RemoveAll();
  m_pLineSerie = nullptr;
  SetBackColor(look.back);
  SetPlotColor(look.plot);
  SetBorderColor(look.border);
  GetTitle()->SetColor(look.text);
  CChartAxis* axes[] = {CreateStandardAxis(CChartAxis::LeftAxis),
                        CreateDateTimeAxis(CChartAxis::BottomAxis)};
  for (CChartAxis* axis : axes) {
    axis->SetAutomatic(true);
    axis->SetAxisColor(look.axis);
    axis->SetTextColor(look.text);
    axis->GetGrid()->SetVisible(true);
    axis->GetGrid()->SetColor(look.grid);
  }
  m_pLineSerie = CreateLineSerie();
  m_pLineSerie->SetColor(look.line);
  m_pLineSerie->SetWidth(look.lineWidth);
  EnableRefresh(true);
}

CChartLineSerie* CChartCtrlBase::GetLineSerie() const {
  // Handed out only while the chart still holds it, never as a dangling pointer.
  for (size_t i = 0; i < GetSeriesCount(); ++i)
    if (GetSerie(i) == m_pLineSerie) return m_pLineSerie;
  return nullptr;
}

void CChartCtrlBase::DrawForPrint(CDC* pDC, const CRect& rect) {
  CChartCtrlBase paper;
  paper.SetupChart(true);
  paper.EnableRefresh(false);
  for (const std::string& line : GetTitle()->GetStrings()) paper.GetTitle()->AddString(line);
  const auto copyAxis = [](const CChartAxis* from, CChartAxis* to) {
    if (!from || !to) return;
    if (from->IsAutomatic()) return;
    to->SetMinMax(from->GetRange().min, from->GetRange().max);
  };
  copyAxis(GetLeftAxis(), paper.GetLeftAxis());
  copyAxis(GetBottomAxis(), paper.GetBottomAxis());
  for (size_t i = 0; i < GetSeriesCount(); ++i) {
    const auto* from = dynamic_cast<const CChartLineSerie*>(GetSerie(i));
    if (!from) continue;
    CChartLineSerie* to = i == 0 ? paper.GetLineSerie() : paper.CreateLineSerie();
    if (!to) continue;
    if (i > 0) to->SetColor(from->GetColor());
    to->SetSmooth(from->GetSmooth());
    to->SetVisible(from->IsVisible());
    std::vector<double> x, y;
    x.reserve(from->GetPointsCount());
    y.reserve(from->GetPointsCount());
    for (const chart::PointF& p : from->GetPoints()) {
      x.push_back(p.x);
      y.push_back(p.y);
    }
    to->AddPoints(x.data(), y.data(), x.size());
  }
  paper.EnableRefresh(true);
  paper.DrawChart(pDC, rect);
}

void RegisterChartWindowClass() {
  RegisterWindowClass("ChartCtrl", [] {
    auto chart = std::make_unique<CChartCtrlBase>();
    chart->SetupChart(false);
    return std::unique_ptr<CWnd>(std::move(chart));
  });
}
