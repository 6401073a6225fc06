#include <gtest/gtest.h>

#include "controls/ColorButton.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"

namespace {

class CommandParent : public CWnd {
 public:
  int clicks = 0;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 4008) ++clicks;
    return CWnd::OnCommand(wParam, lParam);
  }
};

// Answers the colour dialog as a user would.
class ChooserDouble {
 public:
  ChooserDouble() {
    m_previous = CColorButton::SetColorChooser([this](COLORREF& c, CWnd*) {
      ++opened;
      offered = c;
      if (!confirm) return false;
      c = answer;
      return true;
    });
  }
  ~ChooserDouble() { CColorButton::SetColorChooser(m_previous); }
  bool confirm = true;
  COLORREF answer = RGB(10, 20, 30);
  COLORREF offered = 0xFFFFFFFF;
  int opened = 0;

 private:
  CColorButton::ColorChooser m_previous;
};

class ColorButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.Create("page", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0);
    button.Create("&Forground", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 130, 35), &parent, 4008);
  }
  void Click() {
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  CommandParent parent;
  CColorButton button;
};

TEST_F(ColorButtonTest, CancelKeepsTheColourAndTellsNobody) {
  ChooserDouble chooser;
  EXPECT_EQ(button.GetColor(), RGB(0, 0, 0)) << "black at construction";
  button.SetColor(RGB(200, 0, 0));
  chooser.confirm = false;
  Click();
  EXPECT_EQ(chooser.opened, 1);
  EXPECT_EQ(chooser.offered, RGB(200, 0, 0)) << "the dialog starts on the current colour";
  EXPECT_EQ(button.GetColor(), RGB(200, 0, 0));
  EXPECT_EQ(parent.clicks, 0);
}

TEST_F(ColorButtonTest, OkTakesTheColourThenNotifiesTheParent) {
  ChooserDouble chooser;
  Click();
  EXPECT_EQ(button.GetColor(), RGB(10, 20, 30));
  EXPECT_EQ(parent.clicks, 1);
}

TEST_F(ColorButtonTest, SwatchShowsTheColour) {
  button.SetColor(RGB(1, 200, 3));
  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 120, 25);
  dc.SelectObject(&bitmap);
  button.DrawButton(&dc, CRect(0, 0, 120, 25));
  EXPECT_EQ(dc.GetPixel(100, 12), RGB(1, 200, 3));
}

}  // namespace

#include "platform/ui/ColorDialog.h"

namespace {

class DialogDriver {
 public:
  explicit DialogDriver(CDialog::ModalDriver d) { m_previous = CDialog::SetModalDriver(std::move(d)); }
  ~DialogDriver() { CDialog::SetModalDriver(m_previous); }

 private:
  CDialog::ModalDriver m_previous;
};

TEST_F(ColorButtonTest, TheColourDialogItselfIsUsedByDefault) {
  button.SetColor(RGB(5, 6, 7));
  COLORREF offered = 0;
  {
    DialogDriver cancel([&](CDialog& d) {
      auto& cd = dynamic_cast<CColorDialog&>(d);
      offered = cd.GetCurrentColor();
      cd.SetCurrentColor(RGB(200, 100, 50));
      cd.EndDialog(IDCANCEL);
    });
    Click();
  }
  EXPECT_EQ(offered, RGB(5, 6, 7));
  EXPECT_EQ(button.GetColor(), RGB(5, 6, 7));
  EXPECT_EQ(parent.clicks, 0);
  {
    DialogDriver ok([](CDialog& d) {
      dynamic_cast<CColorDialog&>(d).SetCurrentColor(RGB(200, 100, 50));
      d.EndDialog(IDOK);
    });
    Click();
  }
  EXPECT_EQ(button.GetColor(), RGB(200, 100, 50));
  EXPECT_EQ(parent.clicks, 1);
}

}  // namespace
