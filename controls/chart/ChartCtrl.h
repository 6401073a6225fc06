// The chart control the trends draw with: a title, a left and a bottom
// axis (value or date-time) with their grids, and line series. Changes of
// any part redraw the chart; EnableRefresh(false)/EnableRefresh(true)
// pairs hold those redraws (nested) so a batch of changes draws once.
// The chart also draws into any device context (an image, a printed page).
// User-interface thread only.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartGeometry.h"
#include "controls/chart/ChartLineSerie.h"
#include "controls/chart/ChartTitle.h"
#include "platform/Wnd.h"

class CDC;
class CFont;

class CChartCtrl : public CWnd {
 public:
  CChartCtrl();
  ~CChartCtrl() override;

  // Makes the control's window as a child of pParent.
  BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE);

  // ---- Axes (one per position; a new one replaces the old and the series
  // drawn against it) ----------------------------------------------------------
  CChartAxis* CreateStandardAxis(CChartAxis::EAxisPos pos);
  CChartAxis* CreateDateTimeAxis(CChartAxis::EAxisPos pos);
  CChartAxis* GetLeftAxis() const { return m_axes[CChartAxis::LeftAxis].get(); }
  CChartAxis* GetBottomAxis() const { return m_axes[CChartAxis::BottomAxis].get(); }

  // ---- Series ------------------------------------------------------------------
  // A line series against the bottom and left axes; null while either
  // axis is missing.
  CChartLineSerie* CreateLineSerie();
  size_t GetSeriesCount() const { return m_series.size(); }
  CChartSerie* GetSerie(size_t index) const;
  void RemoveAllSeries();
  // Series, axes and title lines removed.
  void RemoveAll();

  // ---- Title and colours ----------------------------------------------------------
  CChartTitle* GetTitle() { return &m_title; }
  void SetBackColor(COLORREF color);
  COLORREF GetBackColor() const { return m_backColor; }
  void SetPlotColor(COLORREF color);
  COLORREF GetPlotColor() const { return m_plotColor; }
  void SetBorderColor(COLORREF color);
  COLORREF GetBorderColor() const { return m_borderColor; }
  // Anti-aliased series lines (off at first: crisp one-pixel lines).
  void SetAntialiasing(bool bAntialiasing);
  bool GetAntialiasing() const { return m_bAntialiasing; }

  // ---- Refresh --------------------------------------------------------------------
  // false holds redraws, true releases one hold; when the last hold is
  // released after changes, the chart redraws once. A release without a
  // hold is ignored.
  void EnableRefresh(bool bEnable);
  bool IsRefreshEnabled() const { return m_nRefreshHolds == 0; }
  // Called by the chart's parts after a change: redraw now or, while held,
  // when released.
  void RefreshCtrl();
  // Recomputes every automatic axis (after series were added or removed).
  void RefreshAutoAxes();

  // ---- Drawing ----------------------------------------------------------------------
  // Draws the whole chart into rect of the device context (a window, an
  // image, a printed page). Sizes are in the context's logical units.
  void DrawChart(CDC* pDC, const CRect& rect);
  // One printed page: the header line at the top and the chart below it,
  // laid out on a logical page 1000 units wide whatever the device's
  // resolution, so text and lines keep their proportions on paper.
  void DrawPrintPage(CDC* pDC, const CRect& page, const std::string& header);
  // Prints the chart on one landscape page under the header line (also
  // the document's title). With a file name the page goes to that PDF
  // file; with null (the callers pass 0) the print dialog asks where: a
  // printer, or a PDF file the user names (Cancel prints nothing and
  // returns false). On a failure the user is told why and false is returned.
  bool Print(const std::string& header, const char* pszPdfFile = nullptr);

  std::vector<CChartSerie*> GetSeriesOfAxis(const CChartAxis* pAxis) const;

 protected:
  // The redraw itself: repaints the window soon. Tests count it.
  virtual void Redraw();
  // The chart as printed; the base draws it as it is on the screen.
  virtual void DrawForPrint(CDC* pDC, const CRect& rect);
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;

 private:
  CChartAxis* ReplaceAxis(CChartAxis::EAxisPos pos, chart::AxisKind kind);

  // Text measures of the chart's fonts on the kind of context last drawn
  // on (its resolution and mapping): line heights and the widths of the
  // texts met so far. Renewed when the context measures differently.
  struct TextMeasures {
    bool valid = false;
    int dpi = 0;
    CRect scale;  // a fixed logical rectangle in device pixels
    int titleLineHeight = 0;
    int labelHeight = 0;
    std::unordered_map<std::string, int> labelWidths;
    std::unordered_map<std::string, int> titleWidths;
  };
  // The layout of the last draw and what it was computed from.
  struct LayoutCache {
    bool valid = false;
    chart::LayoutInput input;  // without its measuring function
    chart::Layout layout;
  };
  // What the window's kept pixels show outside the plot, as last painted.
  // A change of the chart invalidates the plot; the paint then widens the
  // area to the parts of this frame that differ (ticks that moved, or
  // everything when the look, title, size or plot changed), so a running
  // trend repaints its plot and the few labels that moved, not the axes.
  struct ShownFrame {
    bool valid = false;  // false: the next paint draws the whole window
    chart::FramePicture picture;
  };
  TextMeasures& MeasuresFor(CDC* pDC);
  static int TextWidth(CDC* pDC, std::unordered_map<std::string, int>& widths, const std::string& text);
  chart::LayoutInput MakeLayoutInput(const CRect& rect, const TextMeasures& text) const;
  // The layout for rect, kept while its input stays the same. With a null
  // context only widths measured before are used, and null is returned
  // when a text was never measured.
  const chart::Layout* LayoutFor(const CRect& rect, TextMeasures& text, CDC* pDC);
  // The frame the layout draws; false when a label's width is unknown.
  bool FrameOf(const chart::Layout& layout, const CRect& rect, const TextMeasures& text,
               chart::FramePicture& frame) const;
  // Adds to the window's invalid area what the next paint must redraw
  // beyond what changes invalidated: see ShownFrame.
  void InvalidateChangedFrame(const CRect& client);

  std::unique_ptr<CChartAxis> m_axes[2];  // by position
  std::vector<std::unique_ptr<CChartSerie>> m_series;
  CChartTitle m_title{this};
  COLORREF m_backColor = RGB(255, 255, 255);
  COLORREF m_plotColor = RGB(255, 255, 255);
  COLORREF m_borderColor = RGB(0, 0, 0);
  bool m_bAntialiasing = false;
  std::unique_ptr<CFont> m_pTitleFont;  // made at the first draw
  std::unique_ptr<CFont> m_pLabelFont;
  std::unique_ptr<TextMeasures> m_pText;
  std::unique_ptr<LayoutCache> m_pLayout;
  std::unique_ptr<ShownFrame> m_pShown;
  int m_nRefreshHolds = 0;        // nesting depth of EnableRefresh(false)
  bool m_bRefreshPending = false;  // a change arrived while held
};
