// Drawing of the chart: background, title, grid, series, axes and labels,
// all placed by the pure layout of ChartGeometry.
#include <algorithm>
#include <cmath>

#include "controls/chart/ChartCtrl.h"
#include "platform/ui/Brush.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintJob.h"
#include "platform/Seams.h"

namespace {

constexpr int kTitleFontPx = 14;
constexpr int kLabelFontPx = 11;
constexpr const char* kChartFace = "Arial";
// A lone point is drawn as a square of this half size, so it shows.
constexpr int kLonePointHalf = 2;

void MakeFont(CFont& font, int px, bool bold) {
  LOGFONT lf;
  lf.lfHeight = -px;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfFaceName = kChartFace;
  font.CreateFontIndirect(&lf);
}

void DrawLineSerie(CDC* pDC, const CChartLineSerie& s, const chart::Range& x, const chart::Range& y,
                   const CRect& plot, bool smooth) {
  const std::vector<CPoint>& pts = s.GetPixelLine(x, y, plot);
  if (pts.empty()) return;
  if (pts.size() == 1) {
    const CPoint p = pts.front();
    pDC->FillSolidRect(CRect(p.x - kLonePointHalf, p.y - kLonePointHalf, p.x + kLonePointHalf + 1,
                             p.y + kLonePointHalf + 1),
                       s.GetColor());
    return;
  }
  CPen pen(PS_SOLID, s.GetWidth(), s.GetColor());
  CPen* old = pDC->SelectObject(&pen);
  const BOOL wasSmooth = pDC->SetSmoothLines(smooth);
  pDC->Polyline(pts.data(), static_cast<int>(pts.size()));
  pDC->SetSmoothLines(wasSmooth);
  // A crisp one-pixel pen leaves out the last point; set it so the line
  // ends on the newest sample.
  if (!smooth && s.GetWidth() <= 1) pDC->SetPixel(pts.back(), s.GetColor());
  pDC->SelectObject(old);
}

}  // namespace

CChartCtrl::TextMeasures& CChartCtrl::MeasuresFor(CDC* pDC) {
  // The context's resolution and mapping decide the measures: the same
  // fonts on the same kind of context measure the same.
  const int dpi = pDC->GetDeviceCaps(LOGPIXELSY);
  CRect scale(0, 0, 1000, 1000);
  pDC->LPtoDP(&scale);
  TextMeasures& m = *m_pText;
  if (m.valid && m.dpi == dpi && m.scale == scale) return m;
  m = TextMeasures();
  m.valid = true;
  m.dpi = dpi;
  m.scale = scale;
  TEXTMETRIC tm;
  pDC->SelectObject(m_pTitleFont.get());
  pDC->GetTextMetrics(&tm);
  m.titleLineHeight = tm.tmHeight + 2;
  pDC->SelectObject(m_pLabelFont.get());
  pDC->GetTextMetrics(&tm);
  m.labelHeight = tm.tmHeight;
  m_pLayout->valid = false;
  return m;
}

// The width of a text in the font selected on the context, measured once
// while the measures stay valid. Tick labels repeat from draw to draw, so
// the table stays small; it is emptied should it ever grow large.
int CChartCtrl::TextWidth(CDC* pDC, std::unordered_map<std::string, int>& widths, const std::string& text) {
  auto it = widths.find(text);
  if (it != widths.end()) return it->second;
  if (widths.size() >= 1024) widths.clear();
  const int w = pDC->GetTextExtent(text).cx;
  widths.emplace(text, w);
  return w;
}

chart::LayoutInput CChartCtrl::MakeLayoutInput(const CRect& rect, const TextMeasures& text) const {
  chart::LayoutInput in;
  in.bounds = rect;
  const CChartAxis* xAxis = GetBottomAxis();
  const CChartAxis* yAxis = GetLeftAxis();
  in.bottomAxisVisible = xAxis && xAxis->IsVisible();
  in.leftAxisVisible = yAxis && yAxis->IsVisible();
  if (xAxis) {
    in.xRange = xAxis->GetRange();
    in.xKind = xAxis->GetKind();
  }
  if (yAxis) {
    in.yRange = yAxis->GetRange();
    in.yKind = yAxis->GetKind();
  }
  if (m_title.IsVisible()) {
    in.titleLines = m_title.GetStrings();
    in.titleLineHeight = text.titleLineHeight;
  }
  in.labelHeight = text.labelHeight;
  return in;
}

const chart::Layout* CChartCtrl::LayoutFor(const CRect& rect, TextMeasures& text, CDC* pDC) {
  // The ticks are laid out again only when the area, a range, the title or
  // the axes shown changed since the last layout.
  chart::LayoutInput in = MakeLayoutInput(rect, text);
  LayoutCache& cache = *m_pLayout;
  if (cache.valid && chart::SameLayoutInput(cache.input, in)) return &cache.layout;
  bool unknown = false;
  in.measure = [&](const std::string& s) {
    if (pDC) return TextWidth(pDC, text.labelWidths, s);
    const auto it = text.labelWidths.find(s);
    if (it != text.labelWidths.end()) return it->second;
    unknown = true;
    return 0;
  };
  chart::Layout layout = chart::ComputeLayout(in);
  if (unknown) return nullptr;
  in.measure = nullptr;
  cache.layout = std::move(layout);
  cache.input = std::move(in);
  cache.valid = true;
  return &cache.layout;
}

bool CChartCtrl::FrameOf(const chart::Layout& l, const CRect& rect, const TextMeasures& text,
                         chart::FramePicture& frame) const {
  const CChartAxis* xAxis = GetBottomAxis();
  const CChartAxis* yAxis = GetLeftAxis();
  frame = chart::FramePicture();
  frame.bounds = rect;
  frame.plot = l.plot;
  const bool xShown = xAxis && xAxis->IsVisible();
  const bool yShown = yAxis && yAxis->IsVisible();
  frame.look = {m_backColor,
                m_borderColor,
                m_title.GetColor(),
                m_title.IsVisible(),
                xShown ? xAxis->GetAxisColor() : 0ul,
                xShown ? xAxis->GetTextColor() : 0ul,
                yShown ? yAxis->GetAxisColor() : 0ul,
                yShown ? yAxis->GetTextColor() : 0ul,
                (xShown ? 1ul : 0ul) | (yShown ? 2ul : 0ul),
                static_cast<unsigned long>(text.dpi),
                static_cast<unsigned long>(text.scale.Width()),
                static_cast<unsigned long>(text.scale.Height())};
  if (m_title.IsVisible()) frame.titleLines = m_title.GetStrings();
  frame.titleRects = l.titleRects;
  const auto widthOf = [&](const std::string& label, int& w) {
    const auto it = text.labelWidths.find(label);
    if (it == text.labelWidths.end()) return false;
    w = it->second;
    return true;
  };
  int w = 0;
  if (xShown) {
    frame.xTicks = l.xTicks;
    for (const chart::TickMark& t : l.xTicks) {
      if (!widthOf(t.label, w)) return false;
      frame.xTickAreas.push_back(chart::XTickArea(l.plot, t.pos, w, text.labelHeight));
    }
  }
  if (yShown) {
    frame.yTicks = l.yTicks;
    for (const chart::TickMark& t : l.yTicks) {
      if (!widthOf(t.label, w)) return false;
      frame.yTickAreas.push_back(chart::YTickArea(l.plot, t.pos, w, text.labelHeight));
    }
  }
  return true;
}

void CChartCtrl::DrawChart(CDC* pDC, const CRect& rect) {
  if (!pDC || rect.IsRectEmpty()) return;
  const int saved = pDC->SaveDC();
  if (!m_pTitleFont) {
    m_pTitleFont = std::make_unique<CFont>();
    m_pLabelFont = std::make_unique<CFont>();
    MakeFont(*m_pTitleFont, kTitleFontPx, true);
    MakeFont(*m_pLabelFont, kLabelFontPx, false);
  }
  TextMeasures& text = MeasuresFor(pDC);
  pDC->SelectObject(m_pLabelFont.get());
  const chart::Layout& l = *LayoutFor(rect, text, pDC);
  const CRect& plot = l.plot;
  CChartAxis* xAxis = GetBottomAxis();
  CChartAxis* yAxis = GetLeftAxis();
  const bool xShown = xAxis && xAxis->IsVisible();
  const bool yShown = yAxis && yAxis->IsVisible();

  // Every part is drawn only where the context may draw (a window repaints
  // only what changed). On a pixel context each pixel is filled once: the
  // background around the plot, the plot's own colour inside it. On a
  // scaled context (a printed page) neighbouring rectangles may round to a
  // shared device pixel, so the background is laid whole and the plot over it.
  const bool pixels = pDC->GetMapMode() == MM_TEXT;
  if (pixels) {
    for (const CRect& margin : chart::MarginRects(rect, plot))
      if (pDC->RectVisible(margin)) pDC->FillSolidRect(margin, m_backColor);
  } else {
    pDC->FillSolidRect(rect, m_backColor);
  }
  pDC->SetBkMode(TRANSPARENT);

  if (pDC->RectVisible(plot)) {
    // On a pixel context everything of the plot lies inside it, so it is
    // all clipped to the plot, which a window's repaint usually covers
    // whole: a single clip rectangle is the fast case of every drawing. A
    // scaled context clips the series only (as it always did: grid lines
    // may stand a part of a pixel beyond the plot there).
    const int clipLevel = pDC->SaveDC();
    if (pixels) pDC->IntersectClipRect(plot);
    pDC->FillSolidRect(plot, m_plotColor);

    // Grid lines first, so the series draw over them.
    const auto drawGrid = [&](const CChartAxis* axis, const std::vector<chart::TickMark>& ticks, bool vertical) {
      if (!axis || !axis->GetGrid()->IsVisible()) return;
      CPen pen(PS_DOT, 1, axis->GetGrid()->GetColor());
      CPen* old = pDC->SelectObject(&pen);
      for (const chart::TickMark& t : ticks) {
        if (vertical) {
          pDC->MoveTo(t.pos, plot.top);
          pDC->LineTo(t.pos, plot.bottom);
        } else {
          pDC->MoveTo(plot.left, t.pos);
          pDC->LineTo(plot.right, t.pos);
        }
      }
      pDC->SelectObject(old);
    };
    drawGrid(xAxis, l.xTicks, true);
    drawGrid(yAxis, l.yTicks, false);

    // The series, over the grid.
    if (!pixels) pDC->IntersectClipRect(plot);
    if (xAxis && yAxis) {
      for (const auto& serie : m_series) {
        const auto* line = dynamic_cast<const CChartLineSerie*>(serie.get());
        if (!line || !line->IsVisible()) continue;
        DrawLineSerie(pDC, *line, line->GetHorizontalAxis()->GetRange(),
                      line->GetVerticalAxis()->GetRange(), plot, m_bAntialiasing);
      }
    }
    pDC->RestoreDC(clipLevel);
  }

  // The plot's frame. On a pixel context it is a one-pixel line around
  // the plot, each side filled where it may be drawn (a window's repaint
  // usually meets one side); a scaled context (a printed page) strokes it.
  const CRect frame(plot.left - 1, plot.top - 1, plot.right + 1, plot.bottom + 1);
  if (pixels) {
    const CRect sides[] = {{frame.left, frame.top, frame.right, plot.top},
                           {frame.left, plot.bottom, frame.right, frame.bottom},
                           {frame.left, plot.top, plot.left, plot.bottom},
                           {plot.right, plot.top, frame.right, plot.bottom}};
    for (const CRect& side : sides)
      if (pDC->RectVisible(side)) pDC->FillSolidRect(side, m_borderColor);
  } else {
    CPen pen(PS_SOLID, 1, m_borderColor);
    CPen* oldPen = pDC->SelectObject(&pen);
    CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(frame.left, frame.top, frame.right, frame.bottom);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(static_cast<CBrush*>(oldBrush));
  }

  // Ticks and their labels, placed by their measured widths.
  pDC->SelectObject(m_pLabelFont.get());
  pDC->SetTextAlign(TA_LEFT | TA_TOP);
  if (xShown) {
    CPen pen(PS_SOLID, 1, xAxis->GetAxisColor());
    CPen* old = pDC->SelectObject(&pen);
    pDC->SetTextColor(xAxis->GetTextColor());
    for (const chart::TickMark& t : l.xTicks) {
      const int w = TextWidth(pDC, text.labelWidths, t.label);
      if (!pDC->RectVisible(chart::XTickArea(plot, t.pos, w, text.labelHeight))) continue;
      pDC->MoveTo(t.pos, plot.bottom);
      pDC->LineTo(t.pos, plot.bottom + chart::kTickLength);
      const CPoint at = chart::XLabelOrigin(plot, t.pos, w);
      pDC->TextOut(at.x, at.y, t.label);
    }
    pDC->SelectObject(old);
  }
  if (yShown) {
    CPen pen(PS_SOLID, 1, yAxis->GetAxisColor());
    CPen* old = pDC->SelectObject(&pen);
    pDC->SetTextColor(yAxis->GetTextColor());
    for (const chart::TickMark& t : l.yTicks) {
      const int w = TextWidth(pDC, text.labelWidths, t.label);
      if (!pDC->RectVisible(chart::YTickArea(plot, t.pos, w, text.labelHeight))) continue;
      pDC->MoveTo(plot.left - chart::kTickLength, t.pos);
      pDC->LineTo(plot.left, t.pos);
      const CPoint at = chart::YLabelOrigin(plot, t.pos, w, text.labelHeight);
      pDC->TextOut(at.x, at.y, t.label);
    }
    pDC->SelectObject(old);
  }

  // The title lines, centred above the plot.
  if (!l.titleRects.empty()) {
    pDC->SelectObject(m_pTitleFont.get());
    pDC->SetTextColor(m_title.GetColor());
    const int lineHeight = text.titleLineHeight - 2;
    const std::vector<std::string>& lines = m_title.GetStrings();
    for (size_t i = 0; i < l.titleRects.size() && i < lines.size(); ++i) {
      CRect r = l.titleRects[i];
      if (!pDC->RectVisible(r)) continue;
      const int w = TextWidth(pDC, text.titleWidths, lines[i]);
      if (w <= r.Width()) {
        pDC->ExtTextOut((r.left + r.right - w) / 2, (r.top + r.bottom - lineHeight) / 2, ETO_CLIPPED, &r, lines[i]);
      } else {
        pDC->DrawText(lines[i], &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
      }
    }
  }
  pDC->RestoreDC(saved);
}

void CChartCtrl::InvalidateChangedFrame(const CRect& client) {
  ShownFrame& shown = *m_pShown;
  if (!shown.valid || !m_pLabelFont) {
    Invalidate(FALSE);
    return;
  }
  // The next frame is laid out with the widths measured before; a label
  // never measured is measured on the window's own pixels.
  const chart::Layout* layout = m_pText->valid ? LayoutFor(client, *m_pText, nullptr) : nullptr;
  if (!layout) {
    CClientDC dc(this);
    dc.SelectObject(m_pLabelFont.get());
    TextMeasures& text = MeasuresFor(&dc);
    dc.SelectObject(m_pLabelFont.get());
    layout = LayoutFor(client, text, &dc);
  }
  chart::FramePicture next;
  if (!FrameOf(*layout, client, *m_pText, next)) {
    Invalidate(FALSE);
    return;
  }
  for (const CRect& area : chart::ChangedFrameAreas(shown.picture, next)) InvalidateRect(&area, FALSE);
}

void CChartCtrl::OnPaint() {
  CRect client;
  GetClientRect(&client);
  InvalidateChangedFrame(client);
  {
    CPaintDC dc(this);
    DrawChart(&dc, client);
  }
  // The window now shows the frame just drawn.
  ShownFrame& shown = *m_pShown;
  shown.valid = m_pLayout->valid && FrameOf(m_pLayout->layout, client, *m_pText, shown.picture);
}

BOOL CChartCtrl::OnEraseBkgnd(CDC*) {
  return TRUE;  // the chart covers its whole client area
}

void CChartCtrl::DrawForPrint(CDC* pDC, const CRect& rect) { DrawChart(pDC, rect); }

void CChartCtrl::DrawPrintPage(CDC* pDC, const CRect& page, const std::string& header) {
  if (!pDC || page.IsRectEmpty()) return;
  constexpr int kLogicalWidth = 1000;
  constexpr int kMargin = 40;
  constexpr int kHeaderPx = 16;
  const int logicalHeight = kLogicalWidth * page.Height() / page.Width();
  const int saved = pDC->SaveDC();
  pDC->SetMapMode(MM_ANISOTROPIC);
  pDC->SetWindowOrg(0, 0);
  pDC->SetWindowExt(kLogicalWidth, logicalHeight);
  pDC->SetViewportOrg(page.left, page.top);
  pDC->SetViewportExt(page.Width(), page.Height());

  CFont headerFont;
  MakeFont(headerFont, kHeaderPx, true);
  pDC->SelectObject(&headerFont);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(RGB(0, 0, 0));
  CRect headerRect(kMargin, kMargin, kLogicalWidth - kMargin, kMargin + kHeaderPx + 8);
  pDC->DrawText(header, &headerRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);

  // The chart keeps the proportions of a wide trend: at most half as high
  // as wide, below the header.
  const int chartTop = headerRect.bottom + 12;
  const int chartWidth = kLogicalWidth - 2 * kMargin;
  const int chartHeight = std::max(50, std::min(chartWidth / 2, logicalHeight - chartTop - kMargin));
  DrawForPrint(pDC, CRect(kMargin, chartTop, kMargin + chartWidth, chartTop + chartHeight));
  pDC->RestoreDC(saved);
}

bool CChartCtrl::Print(const std::string& header, const char* pszPdfFile) {
  CPrintJob job;
  const bool named = pszPdfFile != nullptr && *pszPdfFile != '\0';
  // Without a file the user chooses where the printout goes; Cancel prints nothing.
  CPrintDialog choice(header, this);
  if (!named && choice.DoModal() != IDOK) return false;
  const bool toFile = named || choice.IsPrintToPdf();
  const std::string file = named ? std::string(pszPdfFile) : choice.GetPdfPath();
  const auto fail = [&](const std::string& why) {
    std::string text = "The trend could not be printed: " + why;
    const std::string target = toFile ? file : job.GetOutputPath();
    if (!target.empty()) text += "\n" + target;
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    return false;
  };
  const BOOL started = named ? job.StartPdf(file, header, true) : choice.StartJob(job, header, true);
  if (!started) return fail(toFile ? "the PDF file cannot be written." : "the printer is not available.");
  CDC* dc = job.StartPage();
  if (!dc || !dc->HasSurface()) {
    job.AbortDoc();
    return fail("the page could not be started.");
  }
  DrawPrintPage(dc, CRect(0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES)), header);
  job.EndPage();
  if (!job.EndDoc()) return fail("the document could not be finished.");
  return true;
}
