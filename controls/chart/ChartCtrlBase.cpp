#include "controls/chart/ChartCtrlBase.h"

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
