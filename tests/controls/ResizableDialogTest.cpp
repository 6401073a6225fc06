#include <QCursor>
#include <functional>
#include <QWidget>
#include <gtest/gtest.h>

#include "controls/ResizableDialog.h"
#include "platform/Paths.h"
#include "platform/Thread.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/SysColors.h"
#include "support/Doubles.h"

class CVekAccessUser {};  // an opaque user for the caption slot

namespace {

constexpr UINT kTemplate = 9990;
constexpr UINT kList = 9991;
constexpr UINT kClose = 9992;

void AddTemplate() {
  DialogTemplate d;
  d.id = kTemplate;
  d.caption = "VekFrame RoveDazuvi Verov";
  d.cx = 200;
  d.cy = 100;
  d.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
  d.items = {dlg::List(kList, 5, 5, 150, 70), dlg::PushButton(kClose, "&Close", 160, 80, 35, 14)};
  ResourceTable::Instance().AddDialog(d);
}

class TestDialog : public CResizableDialog {
 public:
  TestDialog() : CResizableDialog(kTemplate, nullptr) {}
  BOOL OnInitDialog() override {
    CResizableDialog::OnInitDialog();
    AnchorControl(kList, ANCHOR_TOPLEFT, ANCHOR_BOTTOMRIGHT);
    AnchorControl(kClose, ANCHOR_BOTTOMRIGHT, ANCHOR_BOTTOMRIGHT);
    return TRUE;
  }
};

std::string RectText(const CRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

CRect ItemRect(CWnd& dialog, UINT id) {
  CRect r;
  dialog.GetDlgItem(static_cast<int>(id))->GetWindowRect(&r);
  dialog.ScreenToClient(&r);
  return r;
}

class ResizableDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddTemplate();
    SetProfileFilePath(dir.File("profile.ini"));
  }
  void TearDown() override { SetProfileFilePath(""); }
  testing_support::TempDir dir;
};

TEST_F(ResizableDialogTest, AnchoredControlsFollowTheSize) {
  TestDialog d;
  ASSERT_TRUE(d.Create(kTemplate, nullptr));
  d.ShowWindow(SW_SHOW);
  const CRect list0 = ItemRect(d, kList);
  const CRect close0 = ItemRect(d, kClose);
  CRect w;
  d.GetWindowRect(&w);
  d.SetWindowPos(nullptr, 0, 0, w.Width() + 100, w.Height() + 50, SWP_NOMOVE | SWP_NOZORDER);
  const CRect list1 = ItemRect(d, kList);
  const CRect close1 = ItemRect(d, kClose);
  EXPECT_EQ(list1.TopLeft(), list0.TopLeft());
  EXPECT_EQ(list1.Width(), list0.Width() + 100);
  EXPECT_EQ(list1.Height(), list0.Height() + 50);
  EXPECT_EQ(close1.left, close0.left + 100);
  EXPECT_EQ(close1.top, close0.top + 50);
  EXPECT_EQ(close1.Size(), close0.Size());
  d.DestroyWindow();
}

TEST_F(ResizableDialogTest, NeverSmallerThanItWasMade) {
  TestDialog d;
  ASSERT_TRUE(d.Create(kTemplate, nullptr));
  d.ShowWindow(SW_SHOW);
  const CSize min = d.GetMinTrackSize();
  d.SetWindowPos(nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER);
  CRect w;
  d.GetWindowRect(&w);
  EXPECT_GE(w.Width(), min.cx);
  EXPECT_GE(w.Height(), min.cy);
  d.DestroyWindow();
}

TEST_F(ResizableDialogTest, PlacementIsSavedOnCloseAndRestored) {
  CRect placed;
  {
    TestDialog d;
    ASSERT_TRUE(d.Create(kTemplate, nullptr));
    d.EnablePlacementSave("RoveDazuviVerov", "Placement");
    d.ShowWindow(SW_SHOW);
    CRect w;
    d.GetWindowRect(&w);
    d.SetWindowPos(nullptr, 40, 50, w.Width() + 60, w.Height() + 30, SWP_NOZORDER);
    d.GetWindowRect(&placed);
    d.DestroyWindow();
  }
  EXPECT_FALSE(GetProfileString("RoveDazuviVerov", "Placement", "").empty());
  TestDialog again;
  ASSERT_TRUE(again.Create(kTemplate, nullptr));
  again.EnablePlacementSave("RoveDazuviVerov", "Placement");
  CRect restored;
  again.GetWindowRect(&restored);
  EXPECT_EQ(restored.Size(), placed.Size());
  EXPECT_EQ(restored.TopLeft(), placed.TopLeft());
  again.DestroyWindow();
}

// Opened, shown (the window then has a frame, as under a window manager),
// placed and closed several times: every opening shows the window exactly
// where the last one closed, never a frame's height lower.
TEST_F(ResizableDialogTest, EachOpeningShowsTheWindowWhereTheLastClosed) {
  CRect closedAt;
  for (int opening = 0; opening < 4; ++opening) {
    SCOPED_TRACE("opening " + std::to_string(opening));
    TestDialog d;
    ASSERT_TRUE(d.Create(kTemplate, nullptr));
    d.EnablePlacementSave("Settings", "TestDlg");
    d.ShowWindow(SW_SHOW);
    ProcessPendingEvents();
    ASSERT_NE(d.GetWidget()->frameGeometry().topLeft(), d.GetWidget()->geometry().topLeft())
        << "the window must have a frame for this test to mean anything";
    CRect shown;
    d.GetWindowRect(&shown);
    if (opening == 0) {
      d.SetWindowPos(nullptr, 120, 90, shown.Width() + 40, shown.Height() + 20, SWP_NOZORDER);
      ProcessPendingEvents();
    } else {
      EXPECT_EQ(RectText(shown), RectText(closedAt));
    }
    if (opening == 2) {
      d.MoveWindow(CRect(200, 150, 200 + shown.Width(), 150 + shown.Height()), TRUE);
      ProcessPendingEvents();
    }
    d.GetWindowRect(&closedAt);
    d.DestroyWindow();
  }
}

// The window with the frame a window manager (here the toolkit) draws.
CRect FrameRect(CWnd& d) {
  const QRect f = d.GetWidget()->frameGeometry();
  return CRect(f.x(), f.y(), f.x() + f.width(), f.y() + f.height());
}

// Entries written before keep their meaning (the window's rectangle, here
// with its maximised state); an entry off the screen, or larger than the
// screen with the frame, brings the window back onto it, frame included,
// also when it is restored from maximised.
TEST_F(ResizableDialogTest, AKeptPlacementIsRestoredOnTheScreen) {
  const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const std::string whole = RectText(screen);
  struct Case {
    std::string saved;
    CRect expected;  // empty: anywhere wholly on the screen, frame included
  };
  const Case cases[] = {
      {"100,80,520,330,0", CRect(100, 80, 520, 330)},
      {"-4000,-3000,-3580,-2750,0", CRect()},
      {"90000,70000,90420,70250,0", CRect()},
      {whole + ",0", CRect()},
      {whole + ",1", CRect()},
      {"0,-30," + std::to_string(screen.right + 40) + ",600,1", CRect()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saved);
    WriteProfileString("Settings", "TestDlg", c.saved);
    TestDialog d;
    ASSERT_TRUE(d.Create(kTemplate, nullptr));
    d.EnablePlacementSave("Settings", "TestDlg");
    d.ShowWindow(SW_SHOW);
    ProcessPendingEvents();
    EXPECT_EQ(d.IsZoomed() != FALSE, c.saved.back() == '1');
    d.ShowWindow(SW_RESTORE);
    ProcessPendingEvents();
    CRect shown;
    d.GetWindowRect(&shown);
    if (!c.expected.IsRectEmpty()) {
      EXPECT_EQ(RectText(shown), RectText(c.expected));
    } else {
      const CRect framed = FrameRect(d);
      CRect inside;
      EXPECT_TRUE(inside.IntersectRect(framed, screen) && inside == framed) << RectText(framed);
      EXPECT_GE(shown.Width(), d.GetMinTrackSize().cx);
    }
    d.DestroyWindow();
  }
}

// A dialog closed while maximised, by the window manager or by the
// program, saves the rectangle it had before and its maximised state: it
// reopens maximised and is restored to that rectangle.
TEST_F(ResizableDialogTest, AMaximisedDialogReopensMaximisedAndRestoresItsNormalRectangle) {
  const std::function<void(CWnd&)> maximise[] = {
      [](CWnd& d) { d.GetWidget()->showMaximized(); },
      [](CWnd& d) { d.ShowWindow(SW_MAXIMIZE); },
  };
  const CRect normal(120, 90, 470, 330);
  for (size_t how = 0; how < std::size(maximise); ++how) {
    SCOPED_TRACE("maximised by " + std::string(how == 0 ? "the window manager" : "the program"));
    WriteProfileString("Settings", "TestDlg", "");
    {
      TestDialog d;
      ASSERT_TRUE(d.Create(kTemplate, nullptr));
      d.EnablePlacementSave("Settings", "TestDlg");
      d.ShowWindow(SW_SHOW);
      d.MoveWindow(normal, TRUE);
      ProcessPendingEvents();
      maximise[how](d);
      ProcessPendingEvents();
      ASSERT_TRUE(d.IsZoomed());
      d.DestroyWindow();
    }
    EXPECT_EQ(GetProfileString("Settings", "TestDlg", ""), RectText(normal) + ",1");
    TestDialog again;
    ASSERT_TRUE(again.Create(kTemplate, nullptr));
    again.EnablePlacementSave("Settings", "TestDlg");
    again.ShowWindow(SW_SHOW);
    ProcessPendingEvents();
    EXPECT_TRUE(again.IsZoomed());
    again.ShowWindow(SW_RESTORE);
    ProcessPendingEvents();
    CRect restored;
    again.GetWindowRect(&restored);
    EXPECT_EQ(RectText(restored), RectText(normal));
    again.DestroyWindow();
  }
}

// The grip sizes the dialog while it holds the mouse; a window shown over
// the dialog during the drag takes the mouse away: the dialog keeps the size
// reached, and no later move of the mouse sizes it.
TEST_F(ResizableDialogTest, AWindowShownOverTheGripEndsItsDrag) {
  TestDialog d;
  ASSERT_TRUE(d.Create(kTemplate, nullptr));
  d.ShowWindow(SW_SHOW);
  ProcessPendingEvents();
  CRect client;
  d.GetClientRect(&client);
  CWnd* grip = nullptr;
  for (CWnd* child : d.GetChildren()) {
    CRect r;
    child->GetWindowRect(&r);
    d.ScreenToClient(&r);
    if (r.BottomRight() == client.BottomRight() && child->GetDlgCtrlID() == 0) grip = child;
  }
  ASSERT_NE(grip, nullptr);
  CRect start;
  d.GetWindowRect(&start);
  CRect onGrip;
  grip->GetWindowRect(&onGrip);
  const CPoint from = onGrip.CenterPoint();
  QCursor::setPos(from.x, from.y);
  grip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ASSERT_EQ(CWnd::GetCapture(), grip);
  QCursor::setPos(from.x + 30, from.y + 20);
  grip->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(32, 22));
  CRect reached;
  d.GetWindowRect(&reached);
  ASSERT_EQ(reached.Size(), CSize(start.Width() + 30, start.Height() + 20)) << "the grip sizes the dialog";
  CWnd over;
  ASSERT_TRUE(over.Create("Box", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 300, 200), nullptr, 0));
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  QCursor::setPos(from.x + 90, from.y + 60);
  grip->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(92, 62));
  CRect after;
  d.GetWindowRect(&after);
  EXPECT_EQ(after.Size(), reached.Size()) << "the drag is over";
  over.DestroyWindow();
  d.DestroyWindow();
}

TEST_F(ResizableDialogTest, DamagedPlacementIsIgnored) {
  WriteProfileString("RoveDazuviVerov", "Placement", "10,10,zz,40,0");
  TestDialog d;
  ASSERT_TRUE(d.Create(kTemplate, nullptr));
  CRect before;
  d.GetWindowRect(&before);
  d.EnablePlacementSave("RoveDazuviVerov", "Placement");
  CRect after;
  d.GetWindowRect(&after);
  EXPECT_EQ(after, before);
  d.DestroyWindow();
}

TEST_F(ResizableDialogTest, CaptionShowsTheUserAndEndDialogCancelClearsTheSlot) {
  auto previous = CResizableDialog::SetUserNameProvider([](const CVekAccessUser*) { return std::string("ali"); });
  CVekAccessUser user;
  TestDialog d;
  ASSERT_TRUE(d.Create(kTemplate, nullptr));
  EXPECT_EQ(d.GetWindowText(), "VekFrame RoveDazuvi Verov");
  d.m_pCaptionUser = &user;
  d.SendMessage(WM_TIMER, TIMER_CAPTION_USER, 0);
  EXPECT_EQ(d.GetWindowText(), "VekFrame RoveDazuvi Verov  [User: ali]");
  d.EndDialogCancel();
  EXPECT_EQ(d.m_pCaptionUser, nullptr);
  d.SendMessage(WM_TIMER, TIMER_CAPTION_USER, 0);
  EXPECT_EQ(d.GetWindowText(), "VekFrame RoveDazuvi Verov");
  d.DestroyWindow();
  CResizableDialog::SetUserNameProvider(previous);
}

}  // namespace
