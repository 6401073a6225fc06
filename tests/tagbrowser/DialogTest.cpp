// The tag browser's window: opening through the engine with a granted and
// a refused rights check, the suspend check box, going to a line, the
// highlight filter and its count, and the profile keys kept between
// openings.
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "tagbrowser/TagBrowser.h"
#include "tests/tagbrowser/BrowserFixture.h"

namespace {

using namespace browser_test;

class DialogTest : public BrowserTest {
 protected:
  template <class T>
  T* Item(UINT id) {
    return dynamic_cast<T*>(dialog->GetDlgItem(static_cast<int>(id)));
  }
  std::string ItemText(UINT id) { return dialog->GetDlgItem(static_cast<int>(id))->GetWindowText(); }
  void Close() {
    dialog->SendMessage(WM_CLOSE, 0, 0);
    ProcessPendingEvents();
  }
};

TEST_F(DialogTest, OpensForATechnicianWithEveryTagInTheGrid) {
  Open();
  EXPECT_EQ(login.purposes, std::vector<std::string>{"To Open RoveDazuvi Verov"});
  EXPECT_EQ(dialog->m_pCaptionUser, tech);
  EXPECT_TRUE(dialog->IsWindowVisible());
  EXPECT_EQ(dialog->GetWindowText().rfind("VekFrame RoveDazuvi Verov", 0), 0u);
  ASSERT_TRUE(Grid().IsWindowCreated());
  EXPECT_EQ(Grid().GetDlgCtrlID(), static_cast<int>(IDC_RDV_GRID));
  EXPECT_EQ(Grid().GetRowCount(), kRows);
  EXPECT_TRUE(Grid().IsSetupDone());
  EXPECT_EQ(ItemText(IDC_RDV_HIGHLIGHT_LABEL), "Highlight (0)");
  EXPECT_EQ(ItemText(IDC_RDV_GOTO_LINE), "0");
  // The grid follows the dialog's size.
  CRect before, after, window;
  Grid().GetWindowRect(&before);
  dialog->GetWindowRect(&window);
  dialog->SetWindowPos(nullptr, 0, 0, window.Width() + 120, window.Height() + 80, SWP_NOMOVE | SWP_NOZORDER);
  Grid().GetWindowRect(&after);
  EXPECT_EQ(after.Width(), before.Width() + 120);
  EXPECT_EQ(after.Height(), before.Height() + 80);
}

TEST_F(DialogTest, TheEnginesCommandOpensItOnceAndARefusalAsksAgainNextTime) {
  RegisterTagBrowser();
  login.answers = {oper, nullptr};  // an operator is denied, then the user gives up
  engine->ShowTagBrowser();
  EXPECT_EQ(engine->GetTagBrowser(), nullptr) << "a refused opening leaves no window";
  EXPECT_EQ(login.purposes.size(), 2u);
  ASSERT_FALSE(boxes.Shown().empty());
  EXPECT_EQ(boxes.Last().text.rfind("Access Denied!", 0), 0u);

  login.answers = {tech};
  engine->ShowTagBrowser();
  EXPECT_EQ(login.purposes.size(), 3u) << "asked again";
  CWnd* browser = engine->GetTagBrowser();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->IsWindowVisible());
  engine->ShowTagBrowser();  // brought to the front, not made again
  EXPECT_EQ(engine->GetTagBrowser(), browser);
  EXPECT_EQ(login.purposes.size(), 3u);

  browser->SendMessage(WM_CLOSE, 0, 0);  // the close box destroys it
  EXPECT_FALSE(browser->IsWindowCreated());
  login.answers = {tech};
  engine->ShowTagBrowser();
  EXPECT_EQ(login.purposes.size(), 4u);
  ASSERT_NE(engine->GetTagBrowser(), nullptr);
  EXPECT_TRUE(engine->GetTagBrowser()->IsWindowVisible());
  engine->DestroyTagBrowser();
  EXPECT_EQ(engine->GetTagBrowser(), nullptr);
}

TEST_F(DialogTest, ARefusedDialogHoldsNoGrid) {
  login.answers = {nullptr};
  CRoveDazuviVerovDlg refused;
  ASSERT_TRUE(refused.Create(IDD_ROVEDAZUVI_VEROV, nullptr));
  EXPECT_TRUE(refused.WasRefused());
  EXPECT_FALSE(refused.IsWindowVisible());
  EXPECT_FALSE(refused.GetGrid().IsSetupDone());
  EXPECT_EQ(refused.m_pCaptionUser, nullptr);
  refused.DestroyWindow();
}

TEST_F(DialogTest, TheCheckBoxSuspendsTheDataObtainerAndFollowsTheEngine) {
  Open();
  auto* box = Item<CButton>(IDC_RDV_SUSPEND);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetCheck(), BST_UNCHECKED);
  box->Click();
  EXPECT_TRUE(engine->IsDataObtainerSuspended());
  EXPECT_EQ(box->GetCheck(), BST_CHECKED);
  box->Click();
  EXPECT_FALSE(engine->IsDataObtainerSuspended());
  // Changed elsewhere: the box follows within a second.
  engine->SetDataObtainerSuspended(true);
  EXPECT_EQ(box->GetCheck(), BST_UNCHECKED);
  dialog->SendMessage(WM_TIMER, rdv::kSuspendTimer, 0);
  EXPECT_EQ(box->GetCheck(), BST_CHECKED);
  engine->SetDataObtainerSuspended(false);
  dialog->SendMessage(WM_TIMER, rdv::kSuspendTimer, 0);
  EXPECT_EQ(box->GetCheck(), BST_UNCHECKED);
  // Real HW with OPC tags refuses to suspend: the box shows the refusal.
  ASSERT_TRUE(engine->SetDataSourceType(CVekEngineBase::eDataSourceRealHw));
  boxes.Clear();
  box->Click();
  EXPECT_FALSE(engine->IsDataObtainerSuspended());
  EXPECT_EQ(box->GetCheck(), BST_UNCHECKED);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Error: Suspending Data Obtainer is NOT supported for OPC Tags!");
}

TEST_F(DialogTest, TheFilterEditHighlightsAndCounts) {
  Open();
  auto* filter = Item<CEdit>(IDC_RDV_FILTER);
  ASSERT_NE(filter, nullptr);
  filter->TypeText("Tank");
  EXPECT_EQ(ItemText(IDC_RDV_HIGHLIGHT_LABEL), "Highlight (2)");
  EXPECT_EQ(Grid().GetHighlightFilter(), "Tank");
  EXPECT_EQ(Grid().GetCurrentRow(), kTank1);
  filter->TypeText("X");  // "TankX": nothing
  EXPECT_EQ(ItemText(IDC_RDV_HIGHLIGHT_LABEL), "Highlight (0)");
  filter->SetWindowText("Pump");  // from code: no change notice
  Item<CButton>(IDC_RDV_CLEAR_FILTER)->Click();
  EXPECT_EQ(filter->GetWindowText(), "");
  EXPECT_EQ(Grid().GetHighlightFilter(), "");
  EXPECT_EQ(ItemText(IDC_RDV_HIGHLIGHT_LABEL), "Highlight (0)");
  EXPECT_EQ(CWnd::GetFocus(), filter);
}

TEST_F(DialogTest, GoToALineShowsTheRowUsedAndSelectsIt) {
  Open();
  auto* line = Item<CEdit>(IDC_RDV_GOTO_LINE);
  ASSERT_NE(line, nullptr);
  line->SetWindowText("5");
  Item<CButton>(IDC_RDV_GO)->Click();
  EXPECT_EQ(Grid().GetCurrentRow(), 5);
  EXPECT_EQ(dialog->GetGoToLine(), 5);
  line->SetWindowText("99999");
  Item<CButton>(IDC_RDV_GO)->Click();
  EXPECT_EQ(Grid().GetCurrentRow(), kRows - 1);
  EXPECT_EQ(line->GetWindowText(), std::to_string(kRows - 1));
  EXPECT_EQ(CWnd::GetFocus(), line);
  int start = 0, end = 0;
  line->GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, static_cast<int>(line->GetWindowText().size()));
  // A line that is no number does nothing but say so.
  boxes.Clear();
  line->SetWindowText("five");
  Item<CButton>(IDC_RDV_GO)->Click();
  EXPECT_EQ(Grid().GetCurrentRow(), kRows - 1);
  EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(DialogTest, TheProfileKeepsTheTopRowTheLineAndTheFilter) {
  Open();
  Item<CEdit>(IDC_RDV_FILTER)->TypeText("Tank");
  Item<CEdit>(IDC_RDV_GOTO_LINE)->SetWindowText("6");
  Item<CButton>(IDC_RDV_GO)->Click();
  const long top = Grid().GetTopRow();
  Close();
  EXPECT_FALSE(dialog->IsWindowCreated());
  EXPECT_EQ(GetProfileInt("RoveDazuviVerov", "GoToLine", -1), 6);
  EXPECT_EQ(GetProfileInt("RoveDazuviVerov", "TopVisibleRow", -1), top);
  EXPECT_EQ(GetProfileString("RoveDazuviVerov", "HighlightFilter", "?"), "Tank");
  EXPECT_FALSE(GetProfileString("Settings", "RoveDazuviVerovDlg", "").empty()) << "the placement";

  Open();
  EXPECT_EQ(ItemText(IDC_RDV_FILTER), "Tank");
  EXPECT_EQ(ItemText(IDC_RDV_HIGHLIGHT_LABEL), "Highlight (2)") << "applied without a change notice";
  EXPECT_EQ(Grid().GetCurrentRow(), 6);
  EXPECT_EQ(ItemText(IDC_RDV_GOTO_LINE), "6");
}

// A remembered line at the row count, one below it and one past it (and a
// remembered top row past the last) opens on the last row, which the line
// box then shows.
TEST_F(DialogTest, ARememberedLineAtTheRowCountOpensOnTheLastRow) {
  for (const int remembered : {static_cast<int>(kRows), static_cast<int>(kRows) - 1, static_cast<int>(kRows) + 1}) {
    SCOPED_TRACE(remembered);
    ASSERT_TRUE(WriteProfileInt("RoveDazuviVerov", "GoToLine", remembered));
    ASSERT_TRUE(WriteProfileInt("RoveDazuviVerov", "TopVisibleRow", remembered));
    Open();
    EXPECT_EQ(Grid().GetCurrentRow(), kRows - 1);
    EXPECT_EQ(ItemText(IDC_RDV_GOTO_LINE), std::to_string(kRows - 1));
    EXPECT_EQ(dialog->GetGoToLine(), kRows - 1);
    EXPECT_LE(Grid().GetTopRow(), kRows - 1);
    Close();
    EXPECT_EQ(GetProfileInt("RoveDazuviVerov", "GoToLine", -1), kRows - 1);
  }
}

// The browser, moved once, reopens where it was closed however often it is
// opened (its shown window has a frame, as under a window manager); closed
// while maximised, it reopens maximised and is restored to that place.
TEST_F(DialogTest, ReopensWhereItWasClosed) {
  Open();
  CRect placed;
  dialog->GetWindowRect(&placed);
  placed.OffsetRect(0, 45 - placed.top);
  dialog->MoveWindow(placed, TRUE);
  ProcessPendingEvents();
  dialog->GetWindowRect(&placed);
  for (int opening = 0; opening < 3; ++opening) {
    Close();
    Open();
    ProcessPendingEvents();
    CRect shown;
    dialog->GetWindowRect(&shown);
    EXPECT_EQ(shown.TopLeft(), placed.TopLeft()) << "opening " << opening << ": " << shown.left << "," << shown.top;
    EXPECT_EQ(shown.Size(), placed.Size());
  }
  dialog->GetWidget()->showMaximized();  // as a window manager maximises it
  ProcessPendingEvents();
  ASSERT_TRUE(dialog->IsZoomed());
  Close();
  Open();
  ProcessPendingEvents();
  EXPECT_TRUE(dialog->IsZoomed());
  dialog->ShowWindow(SW_RESTORE);
  ProcessPendingEvents();
  CRect restored;
  dialog->GetWindowRect(&restored);
  EXPECT_EQ(restored, placed) << restored.left << "," << restored.top << "," << restored.right << "," << restored.bottom;
}

// The current row takes its colour when the current row moves: an opening
// that stays on row 0 tints nothing until the operator moves; one that
// goes to a kept line tints that line.
TEST_F(DialogTest, OpeningTintsTheCurrentRowOnlyWhenItMoves) {
  auto back = [this](int col, long row) {
    CUGCell cell;
    Grid().GetCellIndirect(col, row, &cell);
    return cell.GetBackColor();
  };
  struct Case {
    int keptLine;
    long tinted;  // -1: none
  };
  for (const Case& c : {Case{0, -1}, Case{3, 3}}) {
    SCOPED_TRACE("kept line " + std::to_string(c.keptLine));
    WriteProfileInt("RoveDazuviVerov", "GoToLine", c.keptLine);
    Open();
    ASSERT_EQ(Grid().GetCurrentRow(), c.keptLine);
    for (long row = 0; row < kRows; ++row)
      for (int col = 0; col < rdv::eColCount; ++col)
        ASSERT_EQ(back(col, row), row == c.tinted ? rdv::kCurrentRowBack : rdv::kDefaultBack) << col << "," << row;
    Grid().GotoRow(1);
    EXPECT_EQ(back(rdv::eColValue, 1), rdv::kCurrentRowBack);
    EXPECT_EQ(back(rdv::eColValue, c.keptLine), rdv::kDefaultBack);
    Close();
  }
}

TEST_F(DialogTest, EnterGoesAndEscapeClosesTheWindow) {
  Open();
  auto* line = Item<CEdit>(IDC_RDV_GOTO_LINE);
  line->SetWindowText("3");
  line->SetFocus();
  dialog->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(Grid().GetCurrentRow(), 3);
  EXPECT_TRUE(dialog->IsWindowVisible());
  dialog->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(dialog->IsWindowCreated());
}

// A tag file of many tags.
class LongDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    tagText.clear();
    for (int i = 1; i <= 500; ++i) {
      tagText += std::to_string(i) + ", Tag" + std::to_string(i) + ", NULL, , NULL, Float, 0, 0,\n";
    }
    DialogTest::SetUp();
  }
};

TEST_F(LongDialogTest, GoingToLine99999Of500RowsGoesToRow499WithRoomAround) {
  Open();
  Item<CEdit>(IDC_RDV_GOTO_LINE)->SetWindowText("99999");
  Item<CButton>(IDC_RDV_GO)->Click();
  EXPECT_EQ(Grid().GetCurrentRow(), 499);
  EXPECT_EQ(ItemText(IDC_RDV_GOTO_LINE), "499");
  EXPECT_LE(Grid().GetTopRow(), 497);
  Item<CEdit>(IDC_RDV_GOTO_LINE)->SetWindowText("250");
  Item<CButton>(IDC_RDV_GO)->Click();
  EXPECT_EQ(Grid().GetCurrentRow(), 250);
  EXPECT_LE(Grid().GetTopRow(), 248) << "two rows shown above";
  EXPECT_GE(Grid().GetBottomRow(), 252) << "and below";
}


// Esc closes the browser from whichever control holds the keyboard: the
// key reaches the dialog after the control passed it on, and the window
// destroys itself while that key is still being delivered.
TEST_F(DialogTest, EscFromEveryControlClosesTheWindowSafely) {
  std::vector<int> ids;
  Open();
  for (CWnd* child : dialog->GetChildren())
    if (child->GetWidget()->focusPolicy() != Qt::NoFocus) ids.push_back(child->GetDlgCtrlID());
  ASSERT_GE(ids.size(), 5u) << "the line, the check box, Go, the filter and its clearing at least";
  for (int id : ids) {
    SCOPED_TRACE("control " + std::to_string(id));
    if (!dialog->IsWindowCreated()) Open();
    // The grid's keys go to its cell area, the other controls' to themselves.
    CWnd* control = dialog->GetDlgItem(id);
    ASSERT_NE(control, nullptr);
    const bool grid = id == static_cast<int>(IDC_RDV_GRID);
    QPointer<QWidget> target = grid ? Grid().m_CUGGrid->GetWidget() : control->GetWidget();
    control->SetFocus();
    QPointer<QWidget> window = dialog->GetWidget();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(0x1B)));
    QApplication::sendEvent(target.data(), &press);
    ProcessPendingEvents();
    if (grid && dialog->IsWindowCreated()) {
      dialog->SendMessage(WM_CLOSE, 0, 0);  // the grid keeps its keys
      continue;
    }
    EXPECT_FALSE(dialog->IsWindowCreated());
    EXPECT_TRUE(window.isNull()) << "deleted once the key was delivered";
  }
}

}  // namespace
