// Pixel tests of the device context: edge rules, fills, patterns, text
// placement, modes and state, on a memory context over a bitmap.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A white 40 x 40 canvas with a memory context drawing into it.
class Canvas : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(nullptr, 40, 40));
    ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
    ASSERT_NE(m_dc.SelectObject(&m_bitmap), nullptr);
    m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
  }
  // The pixel of the bitmap (device coordinates, whatever the origin).
  COLORREF At(int x, int y) const {
    const QRgb p = m_bitmap.GetImage()->pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
  }
  // The bounds of the pixels that are not white; empty when none.
  CRect Painted() const {
    CRect r(1000, 1000, -1, -1);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        if (At(x, y) != kWhite) {
          r.left = std::min(r.left, x);
          r.top = std::min(r.top, y);
          r.right = std::max(r.right, x + 1);
          r.bottom = std::max(r.bottom, y + 1);
        }
    return r.right < 0 ? CRect() : r;
  }
  CBitmap m_bitmap;
  CDC m_dc;
};

TEST_F(Canvas, RectangleLeavesOutRightAndBottomEdge) {
  CPen pen(PS_SOLID, 1, kRed);
  CBrush brush(kBlue);
  m_dc.SelectObject(&pen);
  m_dc.SelectObject(&brush);
  m_dc.Rectangle(5, 5, 15, 12);
  EXPECT_EQ(Painted(), CRect(5, 5, 15, 12));
  EXPECT_EQ(At(5, 5), kRed);
  EXPECT_EQ(At(14, 11), kRed);   // outline on the last column and row inside
  EXPECT_EQ(At(6, 6), kBlue);    // inside filled with the brush
  EXPECT_EQ(At(13, 10), kBlue);
  EXPECT_EQ(At(15, 8), kWhite);  // right edge excluded
  EXPECT_EQ(At(8, 12), kWhite);  // bottom edge excluded
}

TEST_F(Canvas, RectangleWithNullPenIsOnePixelSmaller) {
  CBrush brush(kBlue);
  m_dc.SelectStockObject(NULL_PEN);
  m_dc.SelectObject(&brush);
  m_dc.Rectangle(5, 5, 15, 12);
  EXPECT_EQ(Painted(), CRect(5, 5, 14, 11));
}

TEST_F(Canvas, HollowBrushDrawsOnlyTheOutline) {
  CPen pen(PS_SOLID, 1, kRed);
  m_dc.SelectObject(&pen);
  m_dc.SelectStockObject(HOLLOW_BRUSH);
  m_dc.Rectangle(5, 5, 15, 15);
  EXPECT_EQ(At(5, 10), kRed);
  EXPECT_EQ(At(10, 10), kWhite);
}

TEST_F(Canvas, EllipseStaysInsideItsBoxWithoutRightAndBottomEdge) {
  CPen pen(PS_SOLID, 1, kRed);
  CBrush brush(kBlue);
  m_dc.SelectObject(&pen);
  m_dc.SelectObject(&brush);
  m_dc.Ellipse(4, 6, 24, 20);
  EXPECT_EQ(Painted(), CRect(4, 6, 24, 20));
  EXPECT_EQ(At(14, 13), kBlue);  // the centre
  EXPECT_EQ(At(4, 6), kWhite);   // the corners of the box stay empty
  EXPECT_EQ(At(23, 19), kWhite);
}

TEST_F(Canvas, BoxShapesTakeTheirCornersInAnyOrderAndSkipAnEmptyBox) {
  CPen pen(PS_SOLID, 1, kRed);
  CBrush brush(kBlue);
  m_dc.SelectObject(&pen);
  m_dc.SelectObject(&brush);
  struct Case {
    const char* name;
    BOOL (*draw)(CDC&, int, int, int, int);
  };
  const Case cases[] = {
      {"Ellipse", [](CDC& dc, int l, int t, int r, int b) { return dc.Ellipse(l, t, r, b); }},
      {"RoundRect", [](CDC& dc, int l, int t, int r, int b) { return dc.RoundRect(l, t, r, b, 6, 6); }},
  };
  for (const Case& c : cases) {
    m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
    EXPECT_TRUE(c.draw(m_dc, 24, 20, 4, 6)) << c.name;
    EXPECT_EQ(Painted(), CRect(4, 6, 24, 20)) << c.name;
    EXPECT_EQ(At(14, 13), kBlue) << c.name;
    m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
    EXPECT_TRUE(c.draw(m_dc, 10, 5, 10, 30)) << c.name;  // no width: nothing drawn, not a failure
    EXPECT_EQ(Painted(), CRect()) << c.name;
  }
}

TEST_F(Canvas, LineToLeavesOutItsEndPoint) {
  CPen pen(PS_SOLID, 1, kRed);
  m_dc.SelectObject(&pen);
  m_dc.MoveTo(2, 3);
  m_dc.LineTo(12, 3);
  EXPECT_EQ(Painted(), CRect(2, 3, 12, 4));
  EXPECT_EQ(m_dc.GetCurrentPosition(), CPoint(12, 3));
  m_dc.LineTo(12, 10);  // continues from the end point, which it now draws
  EXPECT_EQ(At(12, 3), kRed);
  EXPECT_EQ(At(12, 10), kWhite);
}

TEST_F(Canvas, LevelAndUprightLinesLeaveOutTheEndPointInEitherDirection) {
  struct Case {
    CPoint from, to;
    CRect painted;
  };
  const Case cases[] = {
      {{2, 3}, {12, 3}, CRect(2, 3, 12, 4)},     // rightwards
      {{12, 3}, {2, 3}, CRect(3, 3, 13, 4)},     // leftwards
      {{5, 4}, {5, 20}, CRect(5, 4, 6, 20)},     // downwards
      {{5, 20}, {5, 4}, CRect(5, 5, 6, 21)},     // upwards
      {{7, 7}, {7, 7}, CRect()},                 // no length: nothing
  };
  CPen pen(PS_SOLID, 1, kRed);
  m_dc.SelectObject(&pen);
  for (const Case& c : cases) {
    m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
    m_dc.MoveTo(c.from.x, c.from.y);
    m_dc.LineTo(c.to.x, c.to.y);
    EXPECT_EQ(Painted(), c.painted) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
  }
  // The same line keeps the clip and the drawing mode.
  m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
  m_dc.IntersectClipRect(0, 0, 8, 40);
  m_dc.MoveTo(2, 3);
  m_dc.LineTo(12, 3);
  EXPECT_EQ(Painted(), CRect(2, 3, 8, 4));
  m_dc.SelectClipRect(nullptr);
  m_dc.SetROP2(R2_NOT);
  m_dc.MoveTo(2, 3);
  m_dc.LineTo(12, 3);  // inverts the red run back to cyan, the rest to black
  EXPECT_EQ(At(4, 3), RGB(0, 255, 255));
  EXPECT_EQ(At(10, 3), kBlack);
}

TEST_F(Canvas, DashedLinesLookAsTheToolkitStrokesThem) {
  // Level and upright dashed lines are written pixel by pixel; every one
  // must look exactly as the toolkit's own stroke of the pen.
  const struct {
    int style;
    QList<qreal> dashes;
  } styles[] = {{PS_DASH, {18, 6}}, {PS_DOT, {3, 3}}, {PS_DASHDOT, {9, 6, 3, 6}}, {PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3}}};
  const CPoint ends[][2] = {{{0, 5}, {40, 5}},  {{40, 5}, {0, 5}},   {{3, 0}, {3, 40}},  {{3, 39}, {3, 1}},
                            {{7, 9}, {8, 9}},   {{30, 9}, {29, 9}},  {{-9, 7}, {33, 7}}, {{45, 7}, {2, 7}},
                            {{12, -5}, {12, 30}}, {{2, 2}, {30, 20}}, {{5, 45}, {30, 45}}};
  const CRect clips[] = {CRect(), CRect(4, 0, 25, 40), CRect(0, 6, 40, 35)};
  const CPoint origins[] = {{0, 0}, {3, -2}};
  for (const auto& style : styles) {
    for (const auto& e : ends) {
      for (const CRect& clip : clips) {
        for (const CPoint& origin : origins) {
          for (int bk : {TRANSPARENT, OPAQUE}) {
            m_dc.SelectClipRect(nullptr);
            m_dc.SetViewportOrg(0, 0);
            m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
            QImage expected = m_bitmap.GetImage()->copy();
            {
              QPainter p(&expected);
              if (!clip.IsRectEmpty()) p.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
              p.translate(origin.x, origin.y);
              QPen pen(QColor(10, 20, 200));
              pen.setWidth(0);
              pen.setCapStyle(Qt::FlatCap);
              pen.setJoinStyle(Qt::MiterJoin);
              pen.setDashPattern(style.dashes);
              if (bk == OPAQUE) {
                p.setBackgroundMode(Qt::OpaqueMode);
                p.setBackground(QColor(250, 200, 0));
              }
              p.setPen(pen);
              p.drawLine(QPoint(e[0].x, e[0].y), QPoint(e[1].x, e[1].y));
            }
            CPen pen(style.style, 1, RGB(10, 20, 200));
            CPen* old = m_dc.SelectObject(&pen);
            if (!clip.IsRectEmpty()) m_dc.IntersectClipRect(clip);
            m_dc.SetViewportOrg(origin.x, origin.y);
            m_dc.SetBkMode(bk);
            m_dc.SetBkColor(RGB(250, 200, 0));
            m_dc.MoveTo(e[0].x, e[0].y);
            m_dc.LineTo(e[1].x, e[1].y);
            m_dc.SelectObject(old);
            EXPECT_TRUE(*m_bitmap.GetImage() == expected)
                << "style " << style.style << " from " << e[0].x << "," << e[0].y << " to " << e[1].x << ","
                << e[1].y << " clip " << clip.left << "," << clip.top << " origin " << origin.x << "," << origin.y
                << (bk == OPAQUE ? " opaque" : "");
          }
        }
      }
    }
  }
  m_dc.SetViewportOrg(0, 0);
  m_dc.SelectClipRect(nullptr);
  m_dc.SetBkMode(TRANSPARENT);
}

TEST_F(Canvas, SmoothLinesBlendTheirEdgesAndAreSavedWithTheState) {
  CPen pen(PS_SOLID, 1, kBlack);
  m_dc.SelectObject(&pen);
  const CPoint slope[] = {{2, 2}, {30, 13}};
  const auto blended = [&] {
    int n = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) n += At(x, y) != kWhite && At(x, y) != kBlack ? 1 : 0;
    return n;
  };
  m_dc.Polyline(slope, 2);
  EXPECT_EQ(blended(), 0);  // crisp by default
  const int level = m_dc.SaveDC();
  EXPECT_FALSE(m_dc.SetSmoothLines(TRUE));
  m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
  m_dc.Polyline(slope, 2);
  EXPECT_GT(blended(), 0);
  m_dc.RestoreDC(level);
  m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
  m_dc.MoveTo(2, 2);
  m_dc.LineTo(30, 13);
  EXPECT_EQ(blended(), 0);
}

TEST_F(Canvas, PolygonFillsAlternateByDefaultAndWindingOnRequest) {
  // A five-pointed star: its centre is inside twice.
  const CPoint star[] = {{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}};
  CBrush brush(kBlue);
  m_dc.SelectStockObject(NULL_PEN);
  m_dc.SelectObject(&brush);
  m_dc.Polygon(star, 5);
  EXPECT_EQ(At(20, 20), kWhite);  // the centre: inside twice, so outside
  EXPECT_EQ(At(20, 8), kBlue);    // a point of the star
  m_dc.SetPolyFillMode(WINDING);
  m_dc.Polygon(star, 5);
  EXPECT_EQ(At(20, 20), kBlue);
}

TEST_F(Canvas, MonochromePatternBrushRepeatsEveryEightPixelsInTextAndBackColours) {
  // The belt's load pattern: one byte per row, rows padded to two bytes.
  const unsigned char rows[16] = {0xFF, 0, 0xF4, 0, 0xB1, 0, 0x93, 0, 0xD1, 0, 0xD4, 0, 0x96, 0, 0xB0, 0};
  CBitmap pattern;
  ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, rows));
  CBrush brush;
  ASSERT_TRUE(brush.CreatePatternBrush(&pattern));
  m_dc.SetTextColor(kRed);  // 0 bits
  m_dc.SetBkColor(kBlue);   // 1 bits
  m_dc.FillRect(CRect(3, 0, 40, 40), &brush);
  for (int y = 0; y < 40; y += 5) {
    for (int x = 3; x < 40; x += 3) {
      const bool set = (rows[(y % 8) * 2] >> (7 - x % 8)) & 1;
      ASSERT_EQ(At(x, y), set ? kBlue : kRed) << x << "," << y;
    }
  }
}

TEST_F(Canvas, FillRectAndFillSolidRectExcludeRightAndBottom) {
  CBrush brush(kRed);
  m_dc.FillRect(CRect(1, 1, 4, 3), &brush);
  EXPECT_EQ(Painted(), CRect(1, 1, 4, 3));
  m_dc.FillSolidRect(CRect(10, 10, 12, 11), kBlue);
  EXPECT_EQ(At(11, 10), kBlue);
  EXPECT_EQ(At(12, 10), kWhite);
  EXPECT_EQ(m_dc.GetBkColor(), kBlue);  // as the classic helper, it leaves the colour set
}

TEST_F(Canvas, Draw3dRectColoursTopLeftAndBottomRight) {
  m_dc.Draw3dRect(CRect(2, 2, 12, 8), kRed, kBlue);
  EXPECT_EQ(At(2, 2), kRed);
  EXPECT_EQ(At(10, 2), kRed);
  EXPECT_EQ(At(11, 2), kBlue);  // the top-right corner belongs to the right edge
  EXPECT_EQ(At(11, 7), kBlue);
  EXPECT_EQ(At(2, 7), kBlue);
  EXPECT_EQ(At(5, 5), kWhite);
  EXPECT_EQ(Painted(), CRect(2, 2, 12, 8));
}

TEST_F(Canvas, DrawEdgeSunkenUsesShadowOutsideAndAdjusts) {
  CRect r(0, 0, 20, 20);
  m_dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  EXPECT_EQ(At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(At(19, 19), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(At(1, 1), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(r, CRect(2, 2, 18, 18));
}

TEST_F(Canvas, FocusRectAndInvertedLinesUndoThemselves) {
  m_dc.FillSolidRect(0, 0, 40, 40, RGB(10, 200, 30));
  m_dc.DrawFocusRect(CRect(3, 3, 30, 20));
  EXPECT_NE(Painted(), CRect());
  int changed = 0;
  for (int x = 3; x < 30; ++x) changed += At(x, 3) != RGB(10, 200, 30);
  EXPECT_GT(changed, 10);  // dotted: about every other pixel
  EXPECT_LT(changed, 20);
  m_dc.DrawFocusRect(CRect(3, 3, 30, 20));
  m_dc.SetROP2(R2_NOT);
  CPen pen(PS_SOLID, 2, kBlack);
  m_dc.SelectObject(&pen);
  m_dc.MoveTo(20, 0);
  m_dc.LineTo(20, 39);
  EXPECT_NE(At(20, 10), RGB(10, 200, 30));
  m_dc.MoveTo(20, 0);
  m_dc.LineTo(20, 39);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(At(x, y), RGB(10, 200, 30)) << x << "," << y;
}

TEST_F(Canvas, HorizontalGradientRunsFromFirstToSecondColour) {
  TRIVERTEX v[2];
  v[0].x = 0; v[0].y = 0; v[0].Red = 0xFF00;
  v[1].x = 11; v[1].y = 4; v[1].Blue = 0xFF00;
  GRADIENT_RECT r{0, 1};
  ASSERT_TRUE(m_dc.GradientFill(v, 2, &r, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(At(0, 0), kRed);
  EXPECT_EQ(At(10, 3), kBlue);
  EXPECT_EQ(At(11, 0), kWhite);
  EXPECT_GT(GetRValue(At(3, 0)), GetRValue(At(7, 0)));
  GRADIENT_RECT bad{0, 5};
  EXPECT_FALSE(m_dc.GradientFill(v, 2, &bad, 1, GRADIENT_FILL_RECT_V));
}

TEST_F(Canvas, ClippedTextLimitsOnlyItself) {
  // A clipped text line narrows the painter's clip for itself; the drawing
  // after it is clipped as before.
  m_dc.SetBkMode(TRANSPARENT);
  m_dc.SetTextColor(kBlack);
  const CRect box(2, 2, 6, 30);
  m_dc.ExtTextOut(2, 2, ETO_CLIPPED, &box, "WWWWWWWW");
  EXPECT_EQ(Painted().right, 6);
  m_dc.FillSolidRect(20, 20, 5, 5, kBlue);
  EXPECT_EQ(At(22, 22), kBlue);
  m_dc.IntersectClipRect(0, 0, 30, 30);
  m_dc.ExtTextOut(2, 2, ETO_CLIPPED, &box, "WWWWWWWW");
  m_dc.FillSolidRect(28, 28, 5, 5, kBlue);
  EXPECT_EQ(At(29, 29), kBlue);
  EXPECT_EQ(At(31, 31), kWhite);  // the context's own clip still holds
}

TEST_F(Canvas, SaveAndRestoreBringBackObjectsColoursAndClip) {
  CPen red(PS_SOLID, 1, kRed);
  CPen* original = m_dc.SelectObject(&red);
  const int level = m_dc.SaveDC();
  CPen blue(PS_SOLID, 1, kBlue);
  m_dc.SelectObject(&blue);
  m_dc.SetTextColor(kBlue);
  m_dc.IntersectClipRect(0, 0, 5, 5);
  m_dc.SetViewportOrg(3, 3);
  ASSERT_TRUE(m_dc.RestoreDC(level));
  EXPECT_EQ(m_dc.GetCurrentPen(), &red);
  EXPECT_EQ(m_dc.GetTextColor(), kBlack);
  EXPECT_EQ(m_dc.GetViewportOrg(), CPoint(0, 0));
  m_dc.MoveTo(10, 10);
  m_dc.LineTo(20, 10);  // not clipped any more
  EXPECT_EQ(At(15, 10), kRed);
  EXPECT_FALSE(m_dc.RestoreDC(-1));  // nothing saved any more
  EXPECT_NE(original, nullptr);
}

TEST_F(Canvas, ClipAndViewportOriginApplyToDrawing) {
  m_dc.SetViewportOrg(10, 10);
  m_dc.IntersectClipRect(0, 0, 5, 5);  // device 10..14
  m_dc.FillSolidRect(-10, -10, 40, 40, kRed);
  EXPECT_EQ(Painted(), CRect(10, 10, 15, 15));
  CRect box;
  EXPECT_EQ(m_dc.GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(0, 0, 5, 5));
  m_dc.SelectClipRect(nullptr);
  m_dc.ExcludeClipRect(0, 0, 20, 20);
  m_dc.FillSolidRect(0, 0, 30, 30, kBlue);
  EXPECT_EQ(At(22, 22), kWhite);  // excluded: device 10..29
  EXPECT_EQ(At(12, 12), kRed);
  EXPECT_EQ(At(32, 32), kBlue);
}

TEST_F(Canvas, TextAlignmentPlacesTheTextBox) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(70, "Arial"));
  m_dc.SelectObject(&font);
  m_dc.SetBkMode(OPAQUE);
  m_dc.SetBkColor(kBlue);
  const CSize size = m_dc.GetTextExtent("Wm");
  ASSERT_LT(size.cx, 19);
  ASSERT_LT(size.cy, 19);
  ASSERT_GT(size.cx, 5);
  struct Case {
    UINT align;
    CRect expected;
  };
  const Case cases[] = {
      {TA_LEFT | TA_TOP, CRect(20, 20, 20 + size.cx, 20 + size.cy)},
      {TA_RIGHT | TA_TOP, CRect(20 - size.cx, 20, 20, 20 + size.cy)},
      {TA_CENTER | TA_BOTTOM, CRect(20 - size.cx / 2, 20 - size.cy, 20 - size.cx / 2 + size.cx, 20)},
  };
  for (const Case& c : cases) {
    m_dc.FillSolidRect(0, 0, 40, 40, kWhite);
    m_dc.SetBkColor(kBlue);
    m_dc.SetTextAlign(c.align);
    m_dc.TextOut(20, 20, "Wm");
    EXPECT_EQ(Painted(), c.expected) << c.align;
  }
}

TEST_F(Canvas, DrawTextAlignsAndCentresASingleLine) {
  CFont font;
  font.CreatePointFont(80, "Tahoma");
  m_dc.SelectObject(&font);
  m_dc.SetBkMode(OPAQUE);
  m_dc.SetBkColor(kBlue);
  const CSize size = m_dc.GetTextExtent("Ab");
  CRect r(0, 0, 40, 30);
  const int offset = m_dc.DrawText("Ab", &r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  const int top = (30 - size.cy) / 2;
  EXPECT_EQ(Painted(), CRect(40 - size.cx, top, 40, top + size.cy));
  EXPECT_EQ(offset, top + size.cy);
}

TEST_F(Canvas, DrawTextCalcRectMeasuresWithoutDrawing) {
  CFont font;
  font.CreatePointFont(80, "MS Shell Dlg");
  m_dc.SelectObject(&font);
  const CSize word = m_dc.GetTextExtent("word");
  CRect one(5, 5, 5, 5);
  const int h = m_dc.DrawText("word", &one, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(one, CRect(5, 5, 5 + word.cx, 5 + word.cy));
  EXPECT_EQ(h, word.cy);
  // Three words in a box that holds one: three lines, as wide as the widest.
  CRect wrap(0, 0, word.cx + 2, 0);
  m_dc.DrawText("word word word", &wrap, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(wrap.Height(), 3 * word.cy);
  EXPECT_EQ(wrap.Width(), word.cx);
  EXPECT_EQ(Painted(), CRect());
}

TEST_F(Canvas, EndEllipsisKeepsTextInsideTheBox) {
  CFont font;
  font.CreatePointFont(80, "Arial");
  m_dc.SelectObject(&font);
  const std::string text = "A rather long text for a small box";
  CRect r(0, 0, 30, 20);
  m_dc.DrawText(text, &r, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
  EXPECT_LE(Painted().right, 30);
  CRect noEllipsis(0, 20, 30, 40);
  m_dc.DrawText(text, &noEllipsis, DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(Painted().right, 30);
}

TEST(FontTest, FacesMapToInstalledFaces) {
  struct Case {
    const char* face;
    const char* expected;
  };
  const Case cases[] = {{"Tahoma", "Liberation Sans"},     {"ARIAL", "Liberation Sans"},
                        {"MS Shell Dlg", "Liberation Sans"}, {"Brightoak", "DejaVu Serif"},
                        {"Courier New", "Liberation Mono"},  {"No Such Face", "Liberation Sans"}};
  for (const Case& c : cases) EXPECT_EQ(CFont::MapFaceName(c.face), c.expected) << c.face;
  EXPECT_EQ(CFont::MapFaceName("No Such Face", FIXED_PITCH), "Liberation Mono");
}

TEST(FontTest, PointSizesBecomeCharacterHeightsAtNinetySixDpi) {
  EXPECT_EQ(CFont::PointsToHeight(80), -11);
  EXPECT_EQ(CFont::PointsToHeight(100), -13);
  CFont font;
  LOGFONT lf;
  lf.lfHeight = 80;
  lf.lfWeight = FW_BOLD;
  lf.lfFaceName = "Tahoma";
  ASSERT_TRUE(font.CreatePointFontIndirect(&lf));
  LOGFONT out;
  ASSERT_NE(font.GetLogFont(&out), 0);
  EXPECT_EQ(out.lfHeight, -11);
  EXPECT_EQ(out.lfWeight, FW_BOLD);
  EXPECT_EQ(out.lfFaceName, "Tahoma");
}

TEST(FontTest, PositiveHeightIsTheCellHeight) {
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(nullptr, 10, 10);
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  dc.SelectObject(&bitmap);
  CFont font;
  font.CreateFont(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  dc.SelectObject(&font);
  TEXTMETRIC tm;
  ASSERT_TRUE(dc.GetTextMetrics(&tm));
  EXPECT_NEAR(tm.tmHeight, 20, 1);
}

TEST(SysColorTest, TableAndBrushes) {
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColorBrush(COLOR_INFOBK)->GetColor(), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  EXPECT_EQ(GetSystemMetrics(9999), 0);
}

TEST(GdiObjectTest, EmptyObjectsAreRefusedBySelection) {
  CDC dc;
  CPen empty;
  EXPECT_EQ(dc.SelectObject(&empty), nullptr);
  CBitmap none;
  dc.CreateCompatibleDC(nullptr);
  EXPECT_EQ(dc.SelectObject(&none), nullptr);
  EXPECT_FALSE(dc.HasSurface());
  EXPECT_FALSE(dc.Rectangle(0, 0, 5, 5));  // no surface: nothing drawn, no crash
  EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
  CBrush stock;
  EXPECT_FALSE(static_cast<CGdiObject*>(CGdiObject::GetStockObject(WHITE_BRUSH))->DeleteObject());
}

TEST_F(Canvas, BitBltCopiesAndInverts) {
  CBitmap other;
  other.CreateCompatibleBitmap(nullptr, 10, 10);
  CDC source;
  source.CreateCompatibleDC(nullptr);
  source.SelectObject(&other);
  source.FillSolidRect(0, 0, 10, 10, kRed);
  source.SetPixel(2, 2, kBlue);
  ASSERT_TRUE(m_dc.BitBlt(5, 5, 5, 5, &source, 0, 0, SRCCOPY));
  EXPECT_EQ(Painted(), CRect(5, 5, 10, 10));
  EXPECT_EQ(At(7, 7), kBlue);
  m_dc.BitBlt(5, 5, 5, 5, &source, 0, 0, SRCINVERT);
  EXPECT_EQ(At(6, 6), kBlack);  // red xor red
}

TEST_F(Canvas, ScrollDCMovesPixelsAndReportsTheUncoveredPart) {
  m_dc.FillSolidRect(0, 0, 40, 5, kRed);
  CRect update;
  CRect all(0, 0, 40, 40);
  ASSERT_TRUE(m_dc.ScrollDC(0, 10, &all, &all, &update));
  EXPECT_EQ(At(5, 12), kRed);
  EXPECT_EQ(update, CRect(0, 0, 40, 10));
}

}  // namespace
