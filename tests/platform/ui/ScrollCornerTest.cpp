// A window's own scroll bars and the square where they meet: the square is
// the face colour whatever lies under it, the bars and the square stay above
// the window's children however the children are made or restacked, the
// client area leaves both bars out, and a press on the square reaches
// neither a child nor the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "platform/Thread.h"
#include "platform/ui/DC.h"
#include "platform/ui/FormView.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/SysColors.h"

namespace {

constexpr UINT kTemplate = 9471;
constexpr COLORREF kRed = RGB(220, 20, 30);
constexpr COLORREF kBlue = RGB(20, 40, 200);

// A child that paints itself in one colour and counts the presses it gets.
class Patch : public CWnd {
 public:
  explicit Patch(COLORREF colour) : m_colour(colour) {}
  int presses = 0;

 protected:
  COLORREF GetBackgroundColor() const override { return m_colour; }
  void OnLButtonDown(UINT, CPoint) override { ++presses; }

 private:
  COLORREF m_colour;
};

// A form that paints all it can reach, under the bars included, and counts
// the presses its own area gets.
class Form : public CFormView {
 public:
  Form() : CFormView(kTemplate) {}
  int presses = 0;

 protected:
  void OnDraw(CDC* dc) override {
    const CPoint scrolled = GetScrollPosition();
    dc->FillSolidRect(CRect(scrolled.x, scrolled.y, scrolled.x + 2000, scrolled.y + 2000), kBlue);
  }
  void OnLButtonDown(UINT, CPoint) override { ++presses; }
};

COLORREF ShownPixel(const QImage& shot, int x, int y) {
  const QRgb p = shot.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

class ScrollCornerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A form larger than the window both ways: both bars are shown.
    ResourceTable::Instance().AddDialog(dlg::Dialog(kTemplate, "", 400, 300, WS_CHILD, {}));
    ASSERT_TRUE(m_host.Create("host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 220), nullptr, 0));
    ASSERT_TRUE(m_form.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_host, 1));
    m_form.OnInitialUpdate();
    ProcessPendingEvents();
    m_bar = GetSystemMetrics(SM_CXVSCROLL);
  }

  // A red child across the square where the bars meet, under both bars.
  void AddPatchAcrossTheCorner(Patch& patch, UINT id) {
    ASSERT_TRUE(patch.Create("", WS_CHILD | WS_VISIBLE, CRect(200, 120, 320, 220), &m_form, id));
  }

  QImage Shot() {
    ProcessPendingEvents();
    m_form.UpdateWindow();
    return m_form.GetWidget()->grab().toImage();
  }

  // The corner square, the bars beside the patch, and the client area
  // beside them, as shown.
  void ExpectCornerAndBarsCoverThePatch(const char* when) {
    SCOPED_TRACE(when);
    const QImage shot = Shot();
    const int w = shot.width();
    const int h = shot.height();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int notFace = 0;
    for (int x = w - m_bar; x < w; ++x)
      for (int y = h - m_bar; y < h; ++y) notFace += ShownPixel(shot, x, y) != face;
    EXPECT_EQ(notFace, 0) << "pixels of the corner square in another colour than the face";
    int redUnderBars = 0;
    for (int y = 130; y < h - m_bar; ++y)
      for (int x = w - m_bar; x < w; ++x) redUnderBars += ShownPixel(shot, x, y) == kRed;
    for (int x = 210; x < w - m_bar; ++x)
      for (int y = h - m_bar; y < h; ++y) redUnderBars += ShownPixel(shot, x, y) == kRed;
    EXPECT_EQ(redUnderBars, 0) << "the child shows through a bar";
    EXPECT_EQ(ShownPixel(shot, w - m_bar - 2, h - m_bar - 2), kRed) << "the child inside the client area";
    EXPECT_EQ(ShownPixel(shot, 50, 50), kBlue);
  }

  CWnd m_host;
  Form m_form;
  int m_bar = 0;
};

TEST_F(ScrollCornerTest, TheClientAreaLeavesBothBarsOut) {
  CRect client;
  m_form.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 300 - m_bar, 200 - m_bar));
  // Grown past the form's width: only the vertical bar is left.
  m_form.MoveWindow(0, 0, 700, 200);
  m_form.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 700 - m_bar, 200));
  const QImage shot = Shot();
  EXPECT_EQ(ShownPixel(shot, 650, 195), kBlue) << "no square without the horizontal bar";
}

// Whatever order the children come in, or are restacked in, the bars and
// their square stay on top.
TEST_F(ScrollCornerTest, TheCornerSquareIsTheFaceColourOverAChildAcrossIt) {
  Patch patch(kRed);
  AddPatchAcrossTheCorner(patch, 10);
  ExpectCornerAndBarsCoverThePatch("a child made after the bars");

  m_form.MoveWindow(0, 0, 310, 210);
  ExpectCornerAndBarsCoverThePatch("after a resize");

  patch.BringWindowToTop();
  ExpectCornerAndBarsCoverThePatch("the child brought to the top");

  Patch later(kBlue);
  ASSERT_TRUE(later.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &m_form, 11));
  patch.SetWindowPos(&later, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ExpectCornerAndBarsCoverThePatch("the child stacked under a later sibling");

  // Scrolled to the far corner: the children move under the bars.
  m_form.ScrollToPosition(CPoint(10000, 10000));
  const QImage shot = Shot();
  const int w = shot.width();
  const int h = shot.height();
  EXPECT_EQ(ShownPixel(shot, w - m_bar / 2, h - m_bar / 2), GetSysColor(COLOR_BTNFACE));
}

// A press on the square is the window frame's: the child under it and the
// window's client area get nothing.
TEST_F(ScrollCornerTest, APressOnTheCornerReachesNeitherTheChildNorTheWindow) {
  Patch patch(kRed);
  AddPatchAcrossTheCorner(patch, 10);
  ProcessPendingEvents();
  QWidget* top = m_host.GetWidget();
  auto pressAt = [&](QPoint inForm) {
    const QPointF local = m_form.GetWidget()->mapTo(top, inForm);
    const QPointF global = top->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(top->windowHandle(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(top->windowHandle(), &release);
  };
  const QSize size = m_form.GetWidget()->size();
  pressAt(QPoint(size.width() - m_bar / 2, size.height() - m_bar / 2));
  EXPECT_EQ(patch.presses, 0);
  EXPECT_EQ(m_form.presses, 0);
  // The same press inside the client area reaches the child.
  pressAt(QPoint(size.width() - m_bar - 3, size.height() - m_bar - 3));
  EXPECT_EQ(patch.presses, 1);
}

}  // namespace
