// The trend window in a multiple-document frame, on attributes whose trend
// settings come from a settings file: one panel per setting in index
// order, refreshes from the sample stacks (incremental list, count not
// capacity), timers 101/102 with Auto Refresh on and off, the scroll host,
// panels out of sight, and the printout.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>

#include "app/ChildTrendFrame.h"
#include "app/ScrollChildDlg.h"
#include "app/TrendChildDlg.h"
#include "app/VekTrendDoc.h"
#include "app/VekTrendView.h"
#include "attrib/AttribTrendInfo.h"
#include "core/VStack.h"
#include "platform/Thread.h"
#include "core/VekUtils.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/WinApp.h"
#include "res/AppResources.h"
#include "res/TrendResources.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "support/Doubles.h"

using namespace trend_res;
using shape_test::ShapeWorld;
using shape_test::TestShape;

namespace {

// Three trended attributes of two devices, given out of index order.
const char* const kSettings =
    "[RtryMxr.Mixer1]\r\n"
    "Speed.TrendInfo=TrendIndex#2-RecordCount#10-RecordInterval#1\r\n"
    "Load.TrendInfo=TrendIndex#7-RecordCount#3600-RecordInterval#5\r\n"
    "[RtryMxr.Mixer2]\r\n"
    "Speed.TrendInfo=TrendIndex#1-RecordCount#20-RecordInterval#2\r\n";

class TrendWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(world.Create(mixer1));
    ASSERT_TRUE(world.Create(mixer2));
    frame = new CMDIFrameWnd;
    frame->SetAutoDelete(true);
    app.m_pMainWnd = frame;
    ASSERT_TRUE(frame->LoadFrame(app_res::IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    frame->MoveWindow(0, 0, 1100, 800);
    frame->ShowWindow(SW_SHOW);
    auto* trends = new CMultiDocTemplate(app_res::IDR_TRENDS, [] { return new CVekTrendDoc; },
                                         [] { return new CChildTrendFrame; }, [] { return new CVekTrendView; });
    app.AddDocTemplate(trends);
    doc = trends->OpenDocumentFile(nullptr);
    ASSERT_NE(doc, nullptr);
    view = dynamic_cast<CVekTrendView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    // The tests tick the panels' timers themselves.
    for (size_t i = 0; i < view->GetPanelCount(); ++i) {
      EXPECT_TRUE(Panel(i).KillTimer(CTrendChildDlg::kTimerRecordInterval));
      EXPECT_TRUE(Panel(i).KillTimer(CTrendChildDlg::kTimerRefresh));
    }
    ProcessPendingEvents();
  }
  void TearDown() override {
    if (app.m_pMainWnd) app.m_pMainWnd->DestroyWindow();
    int code = 0;
    TakePendingQuit(&code);
    ProcessPendingEvents();
  }

  CTrendChildDlg& Panel(size_t i) { return *view->GetPanel(i); }
  CVStack& Stack(size_t i) { return *Panel(i).GetTrendAttrib()->GetTrendStack(); }
  // Pushes a sample stamped one clock second after the previous one.
  void Push(size_t i, float value) {
    now += 1.0 / 86400;
    clock.SetNow(now);
    VARIANT v = VariantFromFloat(value);
    ASSERT_TRUE(Stack(i).Push(&v));
  }
  std::vector<std::string> ListTexts(size_t i) {
    std::vector<std::string> texts;
    CListBox& list = Panel(i).GetSampleList();
    for (int k = 0; k < list.GetCount(); ++k) texts.push_back(list.GetText(k));
    return texts;
  }
  size_t Points(size_t i) { return Panel(i).GetChart().GetLineSerie()->GetPointsCount(); }
  void Timer(size_t i, UINT_PTR id) { Panel(i).SendMessage(WM_TIMER, id, 0); }

  ShapeWorld world{kSettings};
  DATE now = DateFromParts(2024, 7, 29, 6, 0, 0);
  testing_support::ClockDouble clock{1000000, now};
  TestShape mixer1{"Mixer1"};
  TestShape mixer2{"Mixer2"};
  CWinApp app{"VekFrame"};
  CMDIFrameWnd* frame = nullptr;
  CDocument* doc = nullptr;
  CVekTrendView* view = nullptr;
};

}  // namespace

TEST_F(TrendWindowTest, OnePanelPerTrendSettingInIndexOrderStackedInTheHost) {
  EXPECT_EQ(doc->GetTitle(), "Trends");
  ASSERT_EQ(view->GetPanelCount(), 3u);
  const struct {
    const char* title;
    const char* description;
  } expected[] = {
      {"Mixer2::Speed", "Trend Index: 1\r\nRecord Count: 20\r\nRecord Interval: 2 Sec.\r\n"},
      {"Mixer1::Speed", "Trend Index: 2\r\nRecord Count: 10\r\nRecord Interval: 1 Sec.\r\n"},
      {"Mixer1::Load", "Trend Index: 7\r\nRecord Count: 3600\r\nRecord Interval: 5 Sec.\r\n"},
  };
  CScrollChildDlg* host = view->GetScrollHost();
  ASSERT_NE(host, nullptr);
  CRect first;
  Panel(0).GetWindowRect(&first);
  int y = 5;
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    CTrendChildDlg& panel = Panel(i);
    EXPECT_EQ(panel.GetDlgCtrlID(), static_cast<int>(1000 + i));
    EXPECT_EQ(panel.GetParent(), host);
    const CRect rect = GetWindowRectInParent(&panel);
    EXPECT_EQ(rect.TopLeft(), CPoint(10, y));
    y += rect.Height() + 5;
    panel.Refresh();
    ASSERT_EQ(panel.GetChart().GetTitle()->GetStringCount(), 1u);
    EXPECT_EQ(panel.GetChart().GetTitle()->GetString(0), expected[i].title);
    EXPECT_EQ(panel.GetDlgItemText(IDC_TREND_DESCRIPTION), expected[i].description);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_TREND_AUTO_REFRESH), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_TREND_SMOOTH), static_cast<UINT>(BST_UNCHECKED));
  }
  CRect area;
  host->GetScrollArea(area);
  CRect client;
  Panel(0).GetClientRect(&client);
  EXPECT_EQ(area, CRect(0, 0, client.Width() + 20, y));
  // The host takes the placeholder's place (and grows with the view past
  // it); the placeholder is hidden.
  const CRect hostRect = GetWindowRectInParent(host);
  const CRect placeholder = DialogUnitsToPixels(CRect(4, 35, 4 + 660, 35 + 372));
  EXPECT_EQ(hostRect.TopLeft(), placeholder.TopLeft());
  EXPECT_GE(hostRect.Width(), placeholder.Width());
  EXPECT_GE(hostRect.Height(), placeholder.Height());
  EXPECT_FALSE(view->GetDlgItem(IDC_TREND_PLACEHOLDER)->IsWindowVisible());
}

// The trend window fills the main frame at any size: the maximised child
// frame fills the frame's client area, the view its child frame, and the
// scroll host the view, keeping the form's margins; a page of the host is
// its height. A view smaller than the form keeps the host at the
// placeholder's size and scrolls the form.
TEST_F(TrendWindowTest, TheHostFillsTheViewWhateverTheFrameSize) {
  CScrollChildDlg* host = view->GetScrollHost();
  CMDIChildWnd* child = frame->MDIGetActive();
  ASSERT_NE(child, nullptr);
  const CRect form = DialogUnitsToPixels(CRect(0, 0, 667, 414));
  const CRect placeholder = DialogUnitsToPixels(CRect(4, 35, 4 + 660, 35 + 372));
  const struct {
    int cx, cy;
    bool bLargerThanForm;
  } sizes[] = {{1024, 768, true}, {1920, 1080, true}, {1280, 1024, true}, {700, 500, false}, {1100, 800, true}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
    frame->MoveWindow(0, 0, size.cx, size.cy);
    ProcessPendingEvents();
    BOOL bMaximized = FALSE;
    EXPECT_EQ(frame->MDIGetActive(&bMaximized), child);
    EXPECT_TRUE(bMaximized);
    CRect mdiClient, viewRect, hostRect;
    frame->m_wndMDIClient.GetClientRect(&mdiClient);
    frame->m_wndMDIClient.ClientToScreen(&mdiClient);
    view->GetWindowRect(&viewRect);
    EXPECT_EQ(viewRect, mdiClient) << "the view fills the main frame's client area";
    CRect client;
    view->GetClientRect(&client);
    hostRect = GetWindowRectInParent(host);
    if (size.bLargerThanForm) {
      EXPECT_EQ(hostRect, CRect(placeholder.left, placeholder.top, client.right - (form.right - placeholder.right),
                                client.bottom - (form.bottom - placeholder.bottom)));
    } else {
      EXPECT_EQ(hostRect.Size(), placeholder.Size());
    }
    CRect hostClient;
    host->GetClientRect(&hostClient);
    EXPECT_EQ(host->GetPageHeight(), hostClient.Height());
    EXPECT_EQ(GetWindowRectInParent(&Panel(0)).TopLeft(), CPoint(10, 5)) << "a new size shows the top";
  }
}

TEST_F(TrendWindowTest, ARefreshDrawsTheSamplesHeldAndListsThemNewestFirst) {
  // A stack of ten with three samples: three points and three lines, no
  // empty slot drawn at day 0 or listed as "00:00:00 - 0.00".
  Push(1, 1.5f);
  Push(1, 2.5f);
  Push(1, 12.25f);
  Panel(1).Refresh();
  EXPECT_EQ(Points(1), 3u);
  double lo = 0, hi = 0;
  Panel(1).GetChart().GetBottomAxis()->GetMinMax(lo, hi);
  EXPECT_GT(lo, DateFromParts(2024, 7, 29)) << "the date axis stays near the samples";
  EXPECT_EQ(ListTexts(1), (std::vector<std::string>{"06:00:03 - 12.2", "06:00:02 - 2.50", "06:00:01 - 1.50"}));

  Push(1, 3.0f);
  Panel(1).Refresh();
  ASSERT_EQ(ListTexts(1).size(), 4u);
  EXPECT_EQ(ListTexts(1).front(), "06:00:04 - 3.00");
  for (int k = 0; k < 10; ++k) Push(1, static_cast<float>(k));
  Panel(1).Refresh();
  EXPECT_EQ(Points(1), 10u);
  const std::vector<std::string> texts = ListTexts(1);
  ASSERT_EQ(texts.size(), 10u) << "trimmed to the samples the stack holds";
  EXPECT_EQ(texts.front(), "06:00:14 - 9.00");
  EXPECT_EQ(texts.back(), "06:00:05 - 0.00");

  Stack(1).Reset();  // the data source changed
  Panel(1).Refresh();
  EXPECT_EQ(Points(1), 0u);
  EXPECT_TRUE(ListTexts(1).empty());
}

TEST_F(TrendWindowTest, EveryRefreshChartsExactlyTheSamplesTheStackHolds) {
  // A refresh appends what arrived and drops what the ring let go; this
  // must always leave the series (and its axes) as a rebuild would.
  const auto expectCharted = [&](const char* when) {
    std::vector<chart::PointF> held;
    Stack(1).ForEachItem([&](const CVStackItem& item) {
      if (item.m_bValid) held.push_back({item.m_dtTimeStamp, VariantToFloat(item.m_vValue)});
    });
    const CChartLineSerie* serie = Panel(1).GetChart().GetLineSerie();
    ASSERT_EQ(serie->GetPointsCount(), held.size()) << when;
    for (size_t i = 0; i < held.size(); ++i) EXPECT_EQ(serie->GetPoint(i), held[i]) << when << " at " << i;
    chart::Extent x, y;
    for (const chart::PointF& p : held) {
      x.Add(p.x);
      y.Add(p.y);
    }
    double lo = 0, hi = 0;
    Panel(1).GetChart().GetLeftAxis()->GetMinMax(lo, hi);
    const chart::Range values = chart::AutoRange(y, chart::AxisKind::Value, now);
    EXPECT_EQ(lo, values.min) << when;
    EXPECT_EQ(hi, values.max) << when;
    Panel(1).GetChart().GetBottomAxis()->GetMinMax(lo, hi);
    const chart::Range times = chart::AutoRange(x, chart::AxisKind::DateTime, now);
    EXPECT_EQ(lo, times.min) << when;
    EXPECT_EQ(hi, times.max) << when;
    EXPECT_EQ(ListTexts(1).size(), held.size()) << when;
  };
  float value = 0;
  const auto push = [&](int count) {
    for (int k = 0; k < count; ++k) Push(1, value = std::fmod(value * 7 + 3, 41.0f));
  };
  // The stack holds ten samples.
  const struct {
    const char* what;
    std::function<void()> change;
  } steps[] = {
      {"three samples", [&] { push(3); }},
      {"one more", [&] { push(1); }},
      {"nothing new", [] {}},
      {"the ring filled and turned", [&] { push(9); }},
      {"one in, one out", [&] { push(1); }},
      {"more than the ring holds", [&] { push(23); }},
      {"a reset stack", [&] {
         Stack(1).Reset();
         push(2);
       }},
      {"a stack made smaller", [&] {
         push(4);
         Stack(1).SetSize(3);
         push(5);
       }},
      {"a series changed behind the panel's back", [&] {
         Panel(1).GetChart().GetLineSerie()->AddPoint(now, 99);
         push(1);
       }},
      {"a sample after that", [&] { push(1); }},
  };
  for (const auto& step : steps) {
    step.change();
    Panel(1).Refresh();
    expectCharted(step.what);
  }
}

TEST_F(TrendWindowTest, TimerOneMarksWhileAutoRefreshIsOnAndTimerTwoRefreshesAMarkedPanel) {
  Timer(0, CTrendChildDlg::kTimerRefresh);  // the initial mark from the attribute
  ASSERT_FALSE(Panel(0).IsRefreshNeeded());
  Push(0, 4.0f);
  Timer(0, CTrendChildDlg::kTimerRefresh);
  EXPECT_EQ(Points(0), 0u) << "not marked: no refresh";
  Timer(0, CTrendChildDlg::kTimerRecordInterval);
  EXPECT_TRUE(Panel(0).IsRefreshNeeded());
  Timer(0, CTrendChildDlg::kTimerRefresh);
  EXPECT_EQ(Points(0), 1u);
  EXPECT_FALSE(Panel(0).IsRefreshNeeded());

  // Auto Refresh off: timer 101 marks nothing; clicking the box refreshes at once.
  auto* box = dynamic_cast<CButton*>(Panel(0).GetDlgItem(IDC_TREND_AUTO_REFRESH));
  ASSERT_NE(box, nullptr);
  Push(0, 5.0f);
  box->Click();
  EXPECT_EQ(Panel(0).IsDlgButtonChecked(IDC_TREND_AUTO_REFRESH), static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(Points(0), 2u) << "the click refreshed";
  Push(0, 6.0f);
  Timer(0, CTrendChildDlg::kTimerRecordInterval);
  Timer(0, CTrendChildDlg::kTimerRefresh);
  EXPECT_EQ(Points(0), 2u);
  // A move still marks it.
  Panel(0).SetWindowPos(nullptr, 10, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ProcessPendingEvents();
  EXPECT_TRUE(Panel(0).IsRefreshNeeded());
  Timer(0, CTrendChildDlg::kTimerRefresh);
  EXPECT_EQ(Points(0), 3u);
}

TEST_F(TrendWindowTest, ScrollingMovesThePanelsAndAPanelOutOfSightWaits) {
  CScrollChildDlg* host = view->GetScrollHost();
  const trend_rules::ScrollSteps steps = host->GetSteps();
  ASSERT_GT(steps.nRange, 0) << "three panels are taller than the host";
  for (size_t i = 0; i < 3; ++i) Panel(i).Refresh();
  const CRect before = GetWindowRectInParent(&Panel(0));
  host->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  ProcessPendingEvents();
  EXPECT_EQ(host->GetScrollPosition(), steps.nPage);
  EXPECT_EQ(host->GetScrollPos(SB_VERT), steps.nPage);
  EXPECT_EQ(GetWindowRectInParent(&Panel(0)).top, before.top - steps.nPage);
  EXPECT_TRUE(Panel(0).IsRefreshNeeded()) << "the move marked it";
  host->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100000), 0);
  EXPECT_EQ(host->GetScrollPosition(), steps.nRange);
  host->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
  EXPECT_EQ(host->GetScrollPosition(), steps.nRange) << "nothing past the end";
  host->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(host->GetScrollPosition(), steps.nRange - steps.nLine);

  host->ScrollTo(0);
  ProcessPendingEvents();

  // In a low frame the last panel lies below the view: its chart keeps
  // the old picture and it says it needs a refresh.
  frame->MoveWindow(0, 0, 1100, 450);
  ProcessPendingEvents();
  CRect panelRect, viewRect;
  Panel(2).GetWindowRect(&panelRect);
  view->GetWindowRect(&viewRect);
  ASSERT_GE(panelRect.top, viewRect.bottom);
  Push(2, 7.0f);
  Panel(2).Refresh();
  EXPECT_EQ(Points(2), 0u);
  EXPECT_EQ(Panel(2).GetDlgItemText(IDC_TREND_GEOMETRY), CTrendChildDlg::kNeedToRefresh);
  EXPECT_FALSE(Panel(2).IsRefreshNeeded());
  // Scrolled into sight, the move marks it and the next second refreshes it.
  frame->MoveWindow(0, 0, 1100, 800);
  host->ScrollTo(steps.nRange);
  ProcessPendingEvents();
  EXPECT_TRUE(Panel(2).IsRefreshNeeded());
  Timer(2, CTrendChildDlg::kTimerRefresh);
  EXPECT_EQ(Points(2), 1u);
  EXPECT_NE(Panel(2).GetDlgItemText(IDC_TREND_GEOMETRY).find(")\r\n("), std::string::npos);
}

TEST_F(TrendWindowTest, DraggingTheHostsBackgroundMovesThePanelsWithTheMouse) {
  CScrollChildDlg* host = view->GetScrollHost();
  host->ScrollTo(30);
  host->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 200));
  host->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 190));
  EXPECT_EQ(host->GetScrollPosition(), 40) << "the mouse went up 10 pixels, the area with it";
  host->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 400));
  EXPECT_EQ(host->GetScrollPosition(), 0) << "not above the top";
  host->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 400));
  host->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 100));
  EXPECT_EQ(host->GetScrollPosition(), 0) << "released: the mouse no longer drags";
}

// A window that comes up during a drag of the host (a message box, the
// recipe window) ends the drag: no button-up will follow.
TEST_F(TrendWindowTest, AWindowShownDuringADragOfTheHostEndsIt) {
  CScrollChildDlg* host = view->GetScrollHost();
  host->ScrollTo(30);
  host->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 200));
  ASSERT_EQ(CWnd::GetCapture(), host);
  CWnd over;
  ASSERT_TRUE(over.Create("Box", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 300, 200), nullptr, 0));
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  host->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 150));
  EXPECT_EQ(host->GetScrollPosition(), 30) << "the mouse no longer drags";
  over.DestroyWindow();
}

// Esc or Return with the keyboard in a panel (its sample list, or the
// panel itself) leaves the panel and the host shown: a form embedded in
// the view is not a dialog that ends.
TEST_F(TrendWindowTest, EscAndReturnInAPanelLeaveItShown) {
  CScrollChildDlg* host = view->GetScrollHost();
  const struct {
    int key;
    QChar text;
  } keys[] = {{Qt::Key_Escape, QChar(0x1B)}, {Qt::Key_Return, QChar('\r')}};
  for (const auto& k : keys) {
    for (QWidget* target : {Panel(0).GetSampleList().GetWidget(), Panel(1).GetWidget(), host->GetWidget()}) {
      SCOPED_TRACE(k.key == Qt::Key_Escape ? "Esc" : "Return");
      QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, QString(k.text));
      QApplication::sendEvent(target, &press);
      QKeyEvent release(QEvent::KeyRelease, k.key, Qt::NoModifier, QString(k.text));
      QApplication::sendEvent(target, &release);
      ProcessPendingEvents();
      EXPECT_TRUE(Panel(0).IsWindowVisible());
      EXPECT_TRUE(Panel(1).IsWindowVisible());
      EXPECT_TRUE(host->IsWindowVisible());
    }
  }
}

// On a machine without a printer Print offers the PDF file: answered with a
// name, the chart goes there under the dated header. (The printer and
// Cancel routes: ChartPrintTest.)
TEST_F(TrendWindowTest, WithoutAPrinterPrintWritesThePdfFileTheOperatorNames) {
  testing_support::TempDir out;
  CPrintJob::SetPrinterNames({});
  std::setlocale(LC_TIME, "C");
  now = DateFromParts(2026, 12, 6, 10, 0, 0);
  Push(2, 40.0f);
  Panel(2).Refresh();
  std::vector<std::string> offered;
  testing_support::ModalDriverScope driver([&](CDialog& d) {
    auto* printers = dynamic_cast<CComboBox*>(d.GetDlgItem(CPrintDialog::IDC_PRINT_PRINTER));
    for (int i = 0; i < printers->GetCount(); ++i) offered.push_back(printers->GetLBText(i));
    auto* file = dynamic_cast<CEdit*>(d.GetDlgItem(CPrintDialog::IDC_PRINT_FILE));
    file->SetWindowText("");
    file->TypeText(out.File("trend-flow"));
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  auto* print = dynamic_cast<CButton*>(Panel(2).GetDlgItem(IDC_TREND_PRINT));
  ASSERT_NE(print, nullptr);
  print->Click();
  CPrintJob::ResetPrinterNames();
  EXPECT_EQ(offered, std::vector<std::string>{CPrintDialog::kPdfEntry});
  QFile file(QString::fromStdString(out.File("trend-flow.pdf")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  // The header is the job's title; the PDF keeps it as UTF-16 text.
  QByteArray utf16;
  for (char c : std::string("VekControls Trends, Printed on: Sunday, December 06, 2026")) utf16.append('\0').append(c);
  EXPECT_TRUE(pdf.contains(utf16) || pdf.contains(utf16.toHex()) || pdf.contains(utf16.toHex().toUpper()));
  EXPECT_EQ(world.Boxes().Count(), 0u);
}

TEST_F(TrendWindowTest, ThePanelsAsTheyAreShown) {
  for (int k = 0; k < 600; ++k) {
    Push(2, 400.0f + 50.0f * std::sin(k / 40.0f) + static_cast<float>(k % 7));
    if (k % 2 == 0) Push(0, 12.5f + 3.0f * std::cos(k / 25.0f));
    if (k % 60 == 0) Push(1, static_cast<float>(k) / 100.0f);
  }
  for (size_t i = 0; i < 3; ++i) Panel(i).Refresh();
  ProcessPendingEvents();
  const QImage shot = frame->GetWidget()->grab().toImage();
  if (const char* folder = std::getenv("VEK_SNAPSHOT_DIR")) shot.save(QString(folder) + "/trend-window.png");
  // The list shows the newest sample on top, selected nowhere.
  EXPECT_EQ(Panel(2).GetSampleList().GetCurSel(), -1);
  EXPECT_EQ(ListTexts(2).size(), 600u);
}

namespace {

// "New Window" makes a second trend view on the document, with its own
// panels for every setting; closing it leaves the first one's panels
// working, and the first window refuses to close on its own.
TEST_F(TrendWindowTest, ANewWindowHasItsOwnPanelsAndClosingItLeavesTheFirstWorking) {
  testing_support::MessageBoxDouble boxes;
  CMDIChildWnd* first = frame->MDIGetActive();
  ASSERT_NE(first, nullptr);
  frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(ID_WINDOW_NEW), 0), 0);
  ProcessPendingEvents();
  CMDIChildWnd* second = frame->MDIGetActive();
  ASSERT_NE(second, first);
  auto* other = dynamic_cast<CVekTrendView*>(second->GetActiveView());
  ASSERT_NE(other, nullptr);
  ASSERT_NE(other, view);
  EXPECT_EQ(other->GetPanelCount(), view->GetPanelCount());
  EXPECT_EQ(doc->GetViews().size(), 2u);
  second->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_EQ(doc->GetViews().size(), 1u);
  EXPECT_EQ(frame->MDIGetActive(), first);
  Push(0, 4.5f);
  Panel(0).Refresh();
  EXPECT_EQ(Points(0), 1u);
  first->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_TRUE(first->IsWindowCreated());
  EXPECT_EQ(boxes.Count(), 1u);
}

}  // namespace
