#include "app/TrendChildDlg.h"

#include <mutex>
#include <span>
#include <unordered_set>
#include <vector>

#include "app/TrendRules.h"
#include "attrib/AttribTrendInfo.h"
#include "attrib/VAttrib.h"
#include "attrib/VAttribsPack.h"
#include "core/VStack.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"
#include "res/TrendResources.h"

using namespace trend_res;

// The list box seen as the rules' sample list, with the set of its texts
// so that "is this text listed?" does not walk the list on every refresh.
// Only the panel changes the list, so the set stays in step with it.
class CTrendChildDlg::SampleListIndex : public trend_rules::ISampleList {
 public:
  explicit SampleListIndex(CListBox& list) : m_list(list) {}

  int GetCount() const override { return m_list.GetCount(); }
  bool Contains(const std::string& text) const override { return m_texts.count(text) != 0; }
  void Insert(int nIndex, const std::string& text) override {
    if (m_list.InsertString(nIndex, text) >= 0) m_texts.insert(text);
  }
  void RemoveLast() override {
    const int last = m_list.GetCount() - 1;
    if (last < 0) return;
    m_texts.erase(m_list.GetText(last));
    m_list.DeleteString(last);
  }

 private:
  CListBox& m_list;
  std::unordered_set<std::string> m_texts;
};

CTrendChildDlg::CTrendChildDlg() = default;
CTrendChildDlg::~CTrendChildDlg() = default;

UINT CTrendChildDlg::GetDialogTemplateId() const { return IDD_TREND_PANEL; }

void CTrendChildDlg::SetTrendAttrib(CVAttrib* pAttrib) {
  m_pAttrib = pAttrib;
  m_bNeedsRefresh = true;
}

void CTrendChildDlg::DoDataExchange(CDataExchange* dx) {
  CChildDlgCtrl::DoDataExchange(dx);
  DDX_Control(dx, IDC_TREND_CHART, m_chart);
  DDX_Control(dx, IDC_TREND_SAMPLES, m_lstSamples);
}

BOOL CTrendChildDlg::OnInitDialog() {
  CChildDlgCtrl::OnInitDialog();
  m_pListIndex = std::make_unique<SampleListIndex>(m_lstSamples);
  m_chart.SetupChart(false);
  CheckDlgButton(IDC_TREND_AUTO_REFRESH, BST_CHECKED);
  CheckDlgButton(IDC_TREND_SMOOTH, BST_UNCHECKED);
  ApplySmooth();
  const CAttribTrendInfo* trend = m_pAttrib ? m_pAttrib->GetTrendInfo() : nullptr;
  const int interval = trend && trend->GetRecordInterval() > 0 ? trend->GetRecordInterval() : 1;
  SetTimer(kTimerRecordInterval, static_cast<UINT>(interval) * 1000u);
  SetTimer(kTimerRefresh, kRefreshPeriodMs);
  SetDlgItemText(IDC_TREND_DESCRIPTION, trend ? trend->GetDescription() : std::string());
  return TRUE;
}

void CTrendChildDlg::OnDestroy() {
  KillTimer(kTimerRecordInterval);
  KillTimer(kTimerRefresh);
  CChildDlgCtrl::OnDestroy();
}

void CTrendChildDlg::OnTimer(UINT_PTR id) {
  if (id == kTimerRecordInterval) {
    if (IsDlgButtonChecked(IDC_TREND_AUTO_REFRESH) == BST_CHECKED) m_bNeedsRefresh = true;
  } else if (id == kTimerRefresh) {
    if (m_bNeedsRefresh) Refresh();
  } else {
    CChildDlgCtrl::OnTimer(id);
  }
}

void CTrendChildDlg::OnMove(int x, int y) {
  CChildDlgCtrl::OnMove(x, y);
  m_bNeedsRefresh = true;
}

BOOL CTrendChildDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED) return CChildDlgCtrl::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_TREND_AUTO_REFRESH:
      Refresh();
      return TRUE;
    case IDC_TREND_SMOOTH:
      ApplySmooth();
      return TRUE;
    case IDC_TREND_PRINT:
      PrintChart();
      return TRUE;
    default:
      return CChildDlgCtrl::OnCommand(wParam, lParam);
  }
}

void CTrendChildDlg::ApplySmooth() {
  if (CChartLineSerie* serie = m_chart.GetLineSerie())
    serie->SetSmooth(IsDlgButtonChecked(IDC_TREND_SMOOTH) == BST_CHECKED);
}

bool CTrendChildDlg::IsInSight() {
  CRect panel;
  GetWindowRect(&panel);
  const CWnd* host = GetParent();
  const CWnd* view = host ? host->GetParent() : nullptr;
  CRect sight;
  if (view) view->GetWindowRect(&sight);
  // The rectangles rarely move between refreshes: the text is made and
  // written again only when they did.
  if (!m_geometry.bShown || m_geometry.panel != panel || m_geometry.sight != sight) {
    ShowGeometry(RectToText(panel) + "\r\n" + RectToText(sight));
    m_geometry = {true, panel, sight};
  }
  CRect common;
  return view && common.IntersectRect(panel, sight);
}

void CTrendChildDlg::ShowGeometry(const std::string& text) {
  if (text == m_strGeometry) return;
  SetDlgItemText(IDC_TREND_GEOMETRY, text);
  m_strGeometry = text;
  if (text == kNeedToRefresh) m_geometry.bShown = false;
}

namespace {

// The stack's samples from the logical index nFirst on, oldest first; its
// empty slots (a ring not yet full, a stack just reset) are no samples.
void ReadSamples(const CVStack& stack, int nFirst, std::vector<double>& times, std::vector<double>& values) {
  stack.ForEachItem(
      [&](const CVStackItem& item) {
        if (!item.m_bValid) return;
        times.push_back(item.m_dtTimeStamp);
        values.push_back(VariantToFloat(item.m_vValue));
      },
      nFirst);
}

}  // namespace

void CTrendChildDlg::UpdateSeries(const CVStack& stack, const trend_rules::StackLook& now, CChartLineSerie& serie) {
  const trend_rules::StackLook* before = nullptr;
  bool asLeft = false;
  if (m_charted && m_charted->pStack == &stack) {
    before = &m_charted->look;
    asLeft = serie.GetPointsVersion() == m_charted->nVersion &&
             serie.GetPointsCount() == static_cast<size_t>(m_charted->look.nCount);
  }
  const trend_rules::SeriesUpdate plan = trend_rules::PlanSeriesUpdate(before, now, asLeft);
  std::vector<double> times, values;
  if (plan.bRebuild) {
    serie.RemoveAllPoints();
    times.reserve(static_cast<size_t>(now.nCount));
    values.reserve(static_cast<size_t>(now.nCount));
    ReadSamples(stack, 0, times, values);
  } else {
    serie.RemovePointsFromStart(static_cast<size_t>(plan.nDrop));
    ReadSamples(stack, now.nCount - plan.nAppend, times, values);
  }
  serie.AddPoints(times.data(), values.data(), times.size());
  m_charted.reset();
  if (serie.GetPointsCount() == static_cast<size_t>(now.nCount))
    m_charted = ChartedStack{&stack, now, serie.GetPointsVersion()};
}

void CTrendChildDlg::Refresh() {
  m_bNeedsRefresh = false;
  if (!IsWindowCreated() || !m_pListIndex) return;
  if (!IsInSight()) {
    ShowGeometry(kNeedToRefresh);
    return;
  }
  m_chart.EnableRefresh(false);
  CChartLineSerie* serie = m_chart.GetLineSerie();
  m_chart.GetLeftAxis()->SetAutomatic(true);
  m_chart.GetBottomAxis()->SetAutomatic(true);
  CChartTitle* title = m_chart.GetTitle();
  title->RemoveAll();
  const CVAttribsPack* owner = m_pAttrib ? m_pAttrib->GetOwner() : nullptr;
  if (m_pAttrib) title->AddString((owner ? owner->GetDeviceCaption() : std::string()) + "::" + m_pAttrib->GetName());

  CVStack* stack = m_pAttrib ? m_pAttrib->GetTrendStack() : nullptr;
  if (!stack) {
    if (serie) serie->RemoveAllPoints();
    m_charted.reset();
  } else {
    std::lock_guard lock(stack->GetLock());
    const trend_rules::StackLook now{stack->GetPushCount(), stack->GetClearCount(), stack->GetCount()};
    // The samples, oldest first: those the series now holds, or read here
    // when the chart has no series.
    std::vector<double> times, values;
    std::vector<chart::PointF> unseen;
    std::span<const chart::PointF> samples;
    if (serie) {
      UpdateSeries(*stack, now, *serie);
      samples = serie->GetPoints();
    } else {
      ReadSamples(*stack, 0, times, values);
      for (size_t i = 0; i < times.size(); ++i) unseen.push_back({times[i], values[i]});
      samples = unseen;
    }
    const int n = static_cast<int>(samples.size());
    trend_rules::UpdateSampleList(*m_pListIndex, n, [&](int k) {
      const chart::PointF& p = samples[static_cast<size_t>(n - 1 - k)];
      return trend_rules::FormatSampleText(p.x, static_cast<float>(p.y));
    });
  }
  m_chart.EnableRefresh(true);
}

bool CTrendChildDlg::PrintChart() {
  return m_chart.Print(trend_rules::MakePrintHeader(GetCurrentDateTime()), 0);
}
