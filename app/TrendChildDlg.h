// CTrendChildDlg: one panel of the trend window (template 3027), for one
// attribute with a trend setting. It draws the attribute's recorded
// samples as a time chart, lists them as text (newest first, updated
// incrementally), shows the setting's description and prints its chart
// under a dated header. Timer 101 (the record interval) marks the panel
// for a refresh while "&Auto Refresh" is checked; timer 102 (1 s) refreshes
// a marked panel; a move (the host scrolled it) marks it too. A panel
// outside the trend view's rectangle is not redrawn: it writes "Need to
// refresh!" into its hidden geometry text and waits for the next mark.
// The panel only reads the sample stack, holding the stack's lock while
// it walks it.
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/TrendRules.h"
#include "controls/ChildDlgCtrl.h"
#include "controls/chart/ChartCtrlBase.h"
#include "platform/ui/ListBox.h"

class CVAttrib;
class CVStack;

class CTrendChildDlg : public CChildDlgCtrl {
 public:
  static constexpr UINT_PTR kTimerRecordInterval = 101;
  static constexpr UINT_PTR kTimerRefresh = 102;
  static constexpr UINT kRefreshPeriodMs = 1000;
  static constexpr const char* kNeedToRefresh = "Need to refresh!";

  CTrendChildDlg();
  ~CTrendChildDlg() override;

  UINT GetDialogTemplateId() const override;

  // The trended attribute (not owned); marks the panel for a refresh.
  void SetTrendAttrib(CVAttrib* pAttrib);
  CVAttrib* GetTrendAttrib() const { return m_pAttrib; }
  bool IsRefreshNeeded() const { return m_bNeedsRefresh; }

  // Redraws the chart and updates the list from the sample stack, unless
  // the panel is out of the trend view's sight.
  void Refresh();
  // Prints the chart under "VekControls Trends, Printed on: <date>" where
  // the print dialog's user chooses (a printer or a PDF file); false when
  // cancelled or when it could not be printed (the user was told).
  bool PrintChart();

  CChartCtrlBase& GetChart() { return m_chart; }
  CListBox& GetSampleList() { return m_lstSamples; }

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  void OnMove(int x, int y) override;
  void OnDestroy() override;

 private:
  class SampleListIndex;
  // True when the panel's window meets the trend view's (its grandparent);
  // writes both rectangles into the geometry text.
  bool IsInSight();
  // Writes the hidden geometry text unless it already shows it.
  void ShowGeometry(const std::string& text);
  void ApplySmooth();
  // Brings the series up to the stack's samples (the stack's lock held):
  // the new samples are appended and those the ring dropped removed, or,
  // when the series does not follow the stack any more, it is made anew.
  void UpdateSeries(const CVStack& stack, const trend_rules::StackLook& now, CChartLineSerie& serie);

  // The stack as the series last took it, while the series holds exactly
  // its samples in order (no empty slot skipped, nothing else changed).
  struct ChartedStack {
    const CVStack* pStack = nullptr;
    trend_rules::StackLook look;
    unsigned long long nVersion = 0;  // of the series' points afterwards
  };

  CChartCtrlBase m_chart;
  CListBox m_lstSamples;
  // The texts of m_lstSamples, for the exact-match search of each refresh.
  std::unique_ptr<SampleListIndex> m_pListIndex;
  CVAttrib* m_pAttrib = nullptr;  // not owned; the pack owns it
  bool m_bNeedsRefresh = false;
  std::optional<ChartedStack> m_charted;
  // The geometry text's content and the rectangles it was made from.
  std::string m_strGeometry;
  struct {
    bool bShown = false;  // the text shows these rectangles
    CRect panel;
    CRect sight;
  } m_geometry;
};
