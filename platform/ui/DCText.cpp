// Device context: text output, measuring and DrawText's layout.
#include <QFontMetrics>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "platform/ui/DC.h"
#include "platform/ui/DCData.h"
#include "platform/ui/QtConvert.h"

using platform_detail::DCData;
using platform_detail::ToQColor;
using platform_detail::ToQString;

namespace {

QFontMetrics MetricsOf(const DCData& d) {
  if (d.painter != nullptr && d.painter->device() != nullptr)
    return QFontMetrics(d.state.qfont, d.painter->device());
  return QFontMetrics(d.state.qfont);
}

int Advance(const QFontMetrics& fm, const QString& s) { return fm.horizontalAdvance(s); }

// One line of text at a position, in its own reading direction. Left to
// right text is drawn on its baseline directly, which lays it out once;
// right to left text goes through a text option that sets its direction
// and needs the width w (measured here when it is -1).
void DrawLine(QPainter* p, const QFontMetrics& fm, int x, int top, const QString& text, int w, bool rtl) {
  if (!rtl) {
    p->drawText(QPoint(x, top + fm.ascent()), text);
    return;
  }
  if (w < 0) w = Advance(fm, text);
  QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  p->drawText(QRectF(x, top, w + 1, fm.height()), text, option);
}

// Text with '&' prefixes: the text shown and the index of the underlined
// character (-1 for none); "&&" shows one '&'.
QString StripPrefix(const QString& text, int* underline) {
  QString out;
  *underline = -1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
      ++i;
      if (text[i] != QLatin1Char('&') && *underline < 0) *underline = static_cast<int>(out.size());
    }
    out += text[i];
  }
  return out;
}

struct Line {
  QString text;
  int start = 0;  // index of the first character in the stripped text
};

// Lines at '\n' (a '\r' before it dropped), then, with a width, greedy
// breaks between words; a word wider than the width stays whole.
std::vector<Line> BreakLines(const QString& text, const QFontMetrics& fm, int width, bool wordBreak,
                             bool singleLine) {
  std::vector<Line> lines;
  if (singleLine) {
    QString one = text;
    one.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    lines.push_back({one, 0});
    return lines;
  }
  int pos = 0;
  const QStringList paragraphs = text.split(QLatin1Char('\n'));
  for (QString para : paragraphs) {
    const int paraStart = pos;
    pos += static_cast<int>(para.size()) + 1;
    if (para.endsWith(QLatin1Char('\r'))) para.chop(1);
    if (!wordBreak || Advance(fm, para) <= width) {
      lines.push_back({para, paraStart});
      continue;
    }
    // Words with their positions; a line takes words while it fits.
    std::vector<std::pair<int, int>> words;  // [start, end)
    const int n = static_cast<int>(para.size());
    for (int i = 0; i < n;) {
      while (i < n && para[i] == QLatin1Char(' ')) ++i;
      const int begin = i;
      while (i < n && para[i] != QLatin1Char(' ')) ++i;
      if (i > begin) words.emplace_back(begin, i);
    }
    if (words.empty()) {
      lines.push_back({QString(), paraStart});
      continue;
    }
    int lineStart = words[0].first;
    int lineEnd = words[0].second;
    for (size_t w = 1; w < words.size(); ++w) {
      if (Advance(fm, para.mid(lineStart, words[w].second - lineStart)) <= width) {
        lineEnd = words[w].second;
      } else {
        lines.push_back({para.mid(lineStart, lineEnd - lineStart), paraStart + lineStart});
        lineStart = words[w].first;
        lineEnd = words[w].second;
      }
    }
    lines.push_back({para.mid(lineStart, lineEnd - lineStart), paraStart + lineStart});
  }
  return lines;
}

// The longest start of a line too wide for width that fits with "..."
// after it.
QString EndEllipsis(const QString& text, const QFontMetrics& fm, int width) {
  const QString dots = QStringLiteral("...");
  int lo = 0, hi = static_cast<int>(text.size());
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (Advance(fm, text.left(mid) + dots) <= width) lo = mid; else hi = mid - 1;
  }
  if (lo > 0 && text[lo - 1].isHighSurrogate()) --lo;
  return text.left(lo) + dots;
}

}  // namespace

int CDC::DrawText(const std::string& text, CRect* rect, UINT format) {
  return DrawText(text, -1, rect, format);
}

int CDC::DrawText(const std::string& text, int count, CRect* rect, UINT format) {
  if (rect == nullptr) return 0;
  DCData& d = Data();
  QString qtext = ToQString(count >= 0 && static_cast<size_t>(count) < text.size()
                                ? text.substr(0, static_cast<size_t>(count)) : text);
  if (format & DT_EXPANDTABS) qtext.replace(QLatin1Char('\t'), QStringLiteral("        "));
  int underline = -1;
  if (!(format & DT_NOPREFIX)) qtext = StripPrefix(qtext, &underline);
  const QFontMetrics fm = MetricsOf(d);
  const bool single = (format & DT_SINGLELINE) != 0;
  const int width = rect->Width();
  std::vector<Line> lines = BreakLines(qtext, fm, width, (format & DT_WORDBREAK) != 0, single);
  const bool ellipsis = (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) != 0;
  const int lineHeight = fm.height();
  const int total = lineHeight * static_cast<int>(lines.size());
  // Each line is measured once, and only when something needs its width:
  // an ellipsis, a centred or right-aligned line, a background, the size
  // asked for (measuring shapes the text: it is not cheap).
  const bool calc = (format & DT_CALCRECT) != 0;
  const bool placed = (format & (DT_CENTER | DT_RIGHT)) != 0 || d.state.bkMode == OPAQUE;
  std::vector<int> widths;
  widths.reserve(lines.size());
  for (Line& line : lines) {
    int w = ellipsis || placed || calc ? Advance(fm, line.text) : -1;
    if (ellipsis && w > width) {
      line.text = EndEllipsis(line.text, fm, width);
      w = Advance(fm, line.text);
    }
    widths.push_back(w);
  }

  if (calc) {
    const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    rect->right = rect->left + widest;
    rect->bottom = rect->top + total;
    return total;
  }
  int top = rect->top;
  if (single && (format & DT_VCENTER)) top = (rect->top + rect->bottom - lineHeight) / 2;
  else if (single && (format & DT_BOTTOM)) top = rect->bottom - lineHeight;

  QPainter* p = d.Begin();
  if (p == nullptr) return total;
  if (!(format & DT_NOCLIP)) {
    p->setClipRect(platform_detail::ToQRect(*rect), Qt::IntersectClip);
    d.PainterChanged();
  }
  p->setFont(d.state.qfont);
  int y = top;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const int w = widths[i];
    int x = rect->left;
    if (format & DT_CENTER) x = (rect->left + rect->right - w) / 2;
    else if (format & DT_RIGHT) x = rect->right - w;
    if (d.state.bkMode == OPAQUE) p->fillRect(QRect(x, y, w, lineHeight), ToQColor(d.state.bkColor));
    p->setPen(ToQColor(d.state.textColor));
    const bool rtl = (format & DT_RTLREADING) != 0 || line.text.isRightToLeft();
    DrawLine(p, fm, x, y, line.text, w, rtl);
    const int u = underline - line.start;
    if (underline >= 0 && u >= 0 && u < line.text.size() && !rtl) {
      const int ux = x + Advance(fm, line.text.left(u));
      const int uw = Advance(fm, line.text.mid(u, 1));
      p->fillRect(QRect(ux, y + fm.ascent() + 1, uw, 1), ToQColor(d.state.textColor));
    }
    y += lineHeight;
  }
  if (single && (format & (DT_VCENTER | DT_BOTTOM))) return top - rect->top + lineHeight;
  return total;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
  return ExtTextOut(x, y, 0, nullptr, text, nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const std::string& text,
                     const int* /*widths*/) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr) return FALSE;
  const QString qtext = ToQString(text);
  const QFontMetrics fm = MetricsOf(d);
  const UINT align = d.state.textAlign;
  if (align & TA_UPDATECP) {
    x = d.state.currentPos.x;
    y = d.state.currentPos.y;
  }
  // The width places centred and right-aligned text, moves the current
  // position and sizes an opaque background; plain left-aligned text
  // needs no measuring.
  const bool opaque = d.state.bkMode == OPAQUE && !(options & ETO_OPAQUE);
  const bool needWidth = (align & (TA_UPDATECP | TA_RIGHT | TA_CENTER)) != 0 || opaque;
  const int w = needWidth ? Advance(fm, qtext) : 0;
  const int h = fm.height();
  int left = x;
  if ((align & TA_CENTER) == TA_CENTER) left = x - w / 2;
  else if (align & TA_RIGHT) left = x - w;
  int top = y;
  if ((align & TA_BASELINE) == TA_BASELINE) top = y - fm.ascent();
  else if (align & TA_BOTTOM) top = y - h;
  if (align & TA_UPDATECP) d.state.currentPos.x = (align & TA_RIGHT) && (align & TA_CENTER) != TA_CENTER ? x - w : x + w;

  if (rect != nullptr && (options & ETO_OPAQUE))
    p->fillRect(platform_detail::ToQRect(*rect), ToQColor(d.state.bkColor));
  if (rect != nullptr && (options & ETO_CLIPPED)) {
    p->setClipRect(platform_detail::ToQRect(*rect), Qt::IntersectClip);
    d.PainterChanged();
  }
  p->setFont(d.state.qfont);
  if (d.state.escapement != 0) {
    // Rotated text turns about the reference point.
    p->translate(x, y);
    p->rotate(-d.state.escapement / 10.0);
    p->translate(-x, -y);
    d.PainterChanged();
  }
  if (opaque) p->fillRect(QRect(left, top, w, h), ToQColor(d.state.bkColor));
  p->setPen(ToQColor(d.state.textColor));
  DrawLine(p, fm, left, top, qtext, needWidth ? w : -1, (align & TA_RTLREADING) != 0 || qtext.isRightToLeft());
  return TRUE;
}

CSize CDC::GetTextExtent(const std::string& text) const {
  const QFontMetrics fm = MetricsOf(Data());
  return CSize(Advance(fm, ToQString(text)), fm.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
  if (metrics == nullptr) return FALSE;
  const DCData& d = Data();
  const QFontMetrics fm = MetricsOf(d);
  metrics->tmHeight = fm.height();
  metrics->tmAscent = fm.ascent();
  metrics->tmDescent = fm.descent();
  const int em = d.state.qfont.pixelSize() > 0 ? d.state.qfont.pixelSize() : fm.height();
  metrics->tmInternalLeading = std::max(0, fm.height() - em);
  metrics->tmExternalLeading = std::max(0, fm.leading());
  metrics->tmAveCharWidth = fm.averageCharWidth();
  metrics->tmMaxCharWidth = fm.maxWidth();
  metrics->tmWeight = d.state.qfont.weight();
  metrics->tmItalic = d.state.qfont.italic() ? 1 : 0;
  return TRUE;
}
