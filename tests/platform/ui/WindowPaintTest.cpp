// Painting of windows: the paint pass through WM_PAINT and WM_ERASEBKGND,
// kept pixels, client contexts outside the paint pass, and scrolling.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/Wnd.h"
#include "platform/ui/Brush.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WndSurface.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

COLORREF PixelOf(CWnd& wnd, int x, int y) {
  const QRgb p = wnd.GetSurface()->image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

COLORREF ScreenPixelOf(CWnd& wnd, int x, int y) {
  const QImage shot = wnd.GetWidget()->grab().toImage();
  const QRgb p = shot.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

class BoxWindow : public CWnd {
 public:
  int paints = 0;
  int erases = 0;
  bool skipErase = false;

 protected:
  void OnPaint() override {
    ++paints;
    CPaintDC dc(this);
    CBrush brush(kRed);
    dc.FillRect(CRect(10, 10, 20, 20), &brush);
  }
  BOOL OnEraseBkgnd(CDC* dc) override {
    ++erases;
    if (skipErase) return TRUE;
    return CWnd::OnEraseBkgnd(dc);
  }
};

TEST(WindowPaintTest, PaintPassErasesThenDrawsAndShows) {
  BoxWindow wnd;
  ASSERT_TRUE(wnd.Create("box", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), nullptr, 0));
  wnd.UpdateWindow();
  EXPECT_EQ(wnd.paints, 1);
  EXPECT_EQ(wnd.erases, 1);
  EXPECT_EQ(PixelOf(wnd, 15, 15), kRed);
  EXPECT_EQ(PixelOf(wnd, 5, 5), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ScreenPixelOf(wnd, 15, 15), kRed);
  // Nothing invalid: showing again copies the kept pixels without a paint pass.
  ScreenPixelOf(wnd, 0, 0);
  EXPECT_EQ(wnd.paints, 1);
  CRect update;
  EXPECT_FALSE(wnd.GetUpdateRect(&update));
}

TEST(WindowPaintTest, InvalidateWithoutEraseKeepsTheBackgroundPixels) {
  BoxWindow wnd;
  ASSERT_TRUE(wnd.Create("box", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), nullptr, 0));
  wnd.UpdateWindow();
  {
    CClientDC dc(&wnd);
    dc.FillSolidRect(0, 0, 5, 5, RGB(0, 0, 255));
  }
  wnd.Invalidate(FALSE);
  wnd.UpdateWindow();
  EXPECT_EQ(wnd.paints, 2);
  EXPECT_EQ(wnd.erases, 1);  // no erase asked
  EXPECT_EQ(PixelOf(wnd, 2, 2), RGB(0, 0, 255));
  wnd.Invalidate(TRUE);
  wnd.UpdateWindow();
  EXPECT_EQ(wnd.erases, 2);
  EXPECT_EQ(PixelOf(wnd, 2, 2), GetSysColor(COLOR_BTNFACE));
}

TEST(WindowPaintTest, PaintPassIsClippedToTheInvalidArea) {
  BoxWindow wnd;
  wnd.skipErase = true;
  ASSERT_TRUE(wnd.Create("box", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), nullptr, 0));
  wnd.UpdateWindow();
  {
    CClientDC dc(&wnd);
    dc.FillSolidRect(0, 0, 40, 40, RGB(0, 255, 0));
  }
  CRect part(0, 0, 15, 40);
  wnd.InvalidateRect(&part, FALSE);
  wnd.UpdateWindow();
  EXPECT_EQ(PixelOf(wnd, 12, 12), kRed);
  EXPECT_EQ(PixelOf(wnd, 17, 12), RGB(0, 255, 0));  // outside the invalid part
}

TEST(WindowPaintTest, InvertedTrackingLineSurvivesShowingAndUndoesItself) {
  BoxWindow wnd;
  ASSERT_TRUE(wnd.Create("box", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), nullptr, 0));
  wnd.UpdateWindow();
  auto drawLine = [&] {
    CClientDC dc(&wnd);
    dc.SetROP2(R2_NOT);
    CPen pen(PS_SOLID, 1, 0);
    dc.SelectObject(&pen);
    dc.MoveTo(15, 0);
    dc.LineTo(15, 40);
  };
  const COLORREF before = PixelOf(wnd, 15, 15);
  drawLine();
  EXPECT_NE(ScreenPixelOf(wnd, 15, 15), before);
  EXPECT_EQ(wnd.paints, 1);  // showing did not repaint over the line
  drawLine();
  EXPECT_EQ(ScreenPixelOf(wnd, 15, 15), before);
}

TEST(WindowPaintTest, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip) {
  BoxWindow wnd;
  ASSERT_TRUE(wnd.Create("box", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), nullptr, 0));
  wnd.UpdateWindow();
  wnd.ScrollWindow(0, -5);
  EXPECT_EQ(PixelOf(wnd, 15, 5), kRed);  // the box moved up by 5
  CRect update;
  ASSERT_TRUE(wnd.GetUpdateRect(&update));
  EXPECT_EQ(update, CRect(0, 35, 40, 40));
}

TEST(WindowPaintTest, ResizeRepaintsTheWholeWindow) {
  BoxWindow wnd;
  ASSERT_TRUE(wnd.Create("box", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), nullptr, 0));
  wnd.UpdateWindow();
  wnd.MoveWindow(0, 0, 60, 50);
  ScreenPixelOf(wnd, 0, 0);
  EXPECT_EQ(wnd.GetSurface()->image.size(), QSize(60, 50));
  EXPECT_EQ(wnd.paints, 2);
  EXPECT_EQ(PixelOf(wnd, 55, 45), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
