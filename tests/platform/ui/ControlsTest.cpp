// Standard controls outside dialogs: notifications of sliders, spins, tabs
// and scroll bars, window scroll bars, owner drawing, colours asked of the
// parent, statics painting themselves and cursors.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>

#include "platform/Thread.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/DC.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WndSurface.h"

namespace {

struct Message {
  UINT message;
  UINT code;
  int pos;
  bool operator==(const Message&) const = default;
};

// A parent that records what its children tell it and answers as asked.
class Host : public CWnd {
 public:
  std::vector<Message> messages;
  LRESULT refuseNotify = 0;
  CBrush focusBrush{RGB(151, 255, 151)};
  std::vector<UINT> drawn;

 protected:
  void OnHScroll(UINT code, UINT pos, CScrollBar*) override { messages.push_back({WM_HSCROLL, code, static_cast<int>(pos)}); }
  void OnVScroll(UINT code, UINT pos, CScrollBar*) override { messages.push_back({WM_VSCROLL, code, static_cast<int>(pos)}); }
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    messages.push_back({WM_NOTIFY, header->code, 0});
    *result = refuseNotify;
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    messages.push_back({WM_COMMAND, HIWORD(wParam), LOWORD(wParam)});
    return TRUE;
  }
  HBRUSH OnCtlColor(CDC* dc, CWnd*, UINT kind) override {
    if (kind != CTLCOLOR_EDIT) return nullptr;
    dc->SetTextColor(RGB(10, 20, 30));
    return &focusBrush;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM) {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      drawn.push_back(dis->CtlID);
      dis->pDC->FillSolidRect(dis->rcItem, RGB(255, 0, 255));
      return TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.Create("host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0)); }
  Host m_host;
};

TEST_F(ControlsTest, SliderMovesItselfAndTellsTheParentOnlyForTheUser) {
  CSliderCtrl slider;
  ASSERT_TRUE(slider.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_host, 10));
  slider.SetRange(0, 90);
  slider.SetPos(40);
  EXPECT_TRUE(m_host.messages.empty());
  slider.MoveAsUser(55);
  EXPECT_EQ(slider.GetPos(), 55);
  const std::vector<Message> expected = {{WM_HSCROLL, TB_THUMBPOSITION, 55}, {WM_HSCROLL, TB_ENDTRACK, 55}};
  EXPECT_EQ(m_host.messages, expected);
  slider.SetPos(500);
  EXPECT_EQ(slider.GetPos(), 90);  // kept in range
}

TEST_F(ControlsTest, SpinAsksFirstMayBeRefusedAndWritesItsBuddy) {
  CEdit buddy;
  ASSERT_TRUE(buddy.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 60, 20), &m_host, 20));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create("", WS_CHILD | WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT,
                          CRect(0, 0, 16, 20), &m_host, 21));
  EXPECT_EQ(spin.GetBuddy(), &buddy);
  CRect buddyRect;
  buddy.GetWindowRect(&buddyRect);
  EXPECT_EQ(buddyRect.Width(), 44);  // narrowed for the arrows beside it
  spin.SetRange(0, 10);
  spin.SetPos(10);
  EXPECT_EQ(buddy.GetWindowText(), "10");
  spin.Step(+1);  // at the upper limit: stays without wrapping
  EXPECT_EQ(spin.GetPos(), 10);
  spin.Step(-1);
  EXPECT_EQ(spin.GetPos(), 9);
  EXPECT_EQ(buddy.GetWindowText(), "9");
  m_host.refuseNotify = 1;
  m_host.messages.clear();
  spin.Step(-1);
  EXPECT_EQ(spin.GetPos(), 9);
  ASSERT_EQ(m_host.messages.size(), 1u);
  EXPECT_EQ(m_host.messages[0], (Message{WM_NOTIFY, UDN_DELTAPOS, 0}));
  // The classic default range counts down with the up arrow.
  CSpinButtonCtrl plain;
  ASSERT_TRUE(plain.Create("", WS_CHILD, CRect(0, 0, 16, 20), &m_host, 22));
  m_host.refuseNotify = 0;
  plain.SetPos(50);
  plain.Step(+1);
  EXPECT_EQ(plain.GetPos(), 49);
}

TEST_F(ControlsTest, TabChangeCanBeRefusedByTheParent) {
  CTabCtrl tabs;
  ASSERT_TRUE(tabs.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_host, 30));
  tabs.InsertItem(0, "General");
  tabs.InsertItem(1, "Graphic");
  tabs.SetCurSel(0);
  EXPECT_TRUE(m_host.messages.empty());
  m_host.refuseNotify = 1;
  tabs.ClickTab(1);
  EXPECT_EQ(tabs.GetCurSel(), 0);
  m_host.refuseNotify = 0;
  m_host.messages.clear();
  tabs.ClickTab(1);
  EXPECT_EQ(tabs.GetCurSel(), 1);
  const std::vector<Message> expected = {{WM_NOTIFY, TCN_SELCHANGING, 0}, {WM_NOTIFY, TCN_SELCHANGE, 0}};
  EXPECT_EQ(m_host.messages, expected);
  CRect display(0, 0, 200, 100);
  tabs.AdjustRect(FALSE, &display);
  EXPECT_GT(display.top, 10);
  tabs.AdjustRect(TRUE, &display);
  EXPECT_EQ(display, CRect(0, 0, 200, 100));
}

TEST_F(ControlsTest, ScrollBarControlDoesNotMoveByItself) {
  CScrollBar bar;
  ASSERT_TRUE(bar.Create("", WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 17, 100), &m_host, 40));
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = 999;
  info.nPage = 100;
  info.nPos = 950;  // past the limit: clamped
  bar.SetScrollInfo(&info);
  EXPECT_EQ(bar.GetScrollLimit(), 900);
  EXPECT_EQ(bar.GetScrollPos(), 900);
  bar.ActAsUser(SB_LINEUP, bar.GetScrollPos());
  EXPECT_EQ(bar.GetScrollPos(), 900);
  ASSERT_EQ(m_host.messages.size(), 1u);
  EXPECT_EQ(m_host.messages[0], (Message{WM_VSCROLL, SB_LINEUP, 900}));
}

TEST_F(ControlsTest, WindowScrollBarsHideWhenThePageCoversTheRange) {
  CWnd view;
  ASSERT_TRUE(view.Create("", WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 200, 100), &m_host, 50));
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMax = 499;
  info.nPage = 100;
  view.SetScrollInfo(SB_VERT, &info);
  CRect client;
  view.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 200 - GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(view.SetScrollPos(SB_VERT, 1000), 0);
  EXPECT_EQ(view.GetScrollPos(SB_VERT), 400);
  info.nMax = 50;
  view.SetScrollInfo(SB_VERT, &info);
  view.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 200);
  EXPECT_EQ(view.GetScrollPos(SB_VERT), 0);
}

TEST_F(ControlsTest, ListsAndComboBoxesShowOnlyTheirOwnScrollBar) {
  // A short list: nothing to scroll, so no bar at all shows.
  CListBox list;
  ASSERT_TRUE(list.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, CRect(0, 0, 120, 60), &m_host, 51));
  list.AddString("True");
  list.AddString("False");
  CComboBox combo;
  ASSERT_TRUE(combo.Create("", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(0, 70, 120, 160), &m_host, 52));
  combo.AddString("a");
  ProcessPendingEvents();
  for (CWnd* control : {static_cast<CWnd*>(&list), static_cast<CWnd*>(&combo)}) {
    for (const QScrollBar* bar : control->GetWidget()->findChildren<QScrollBar*>()) {
      EXPECT_FALSE(bar->isVisible()) << control->GetDlgCtrlID();
    }
  }
  CRect client;
  list.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 120);
}

TEST_F(ControlsTest, OwnerDrawnButtonIsDrawnByItsParent) {
  CButton button;
  ASSERT_TRUE(button.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 30), &m_host, 1011));
  const QImage shot = button.GetWidget()->grab().toImage();
  EXPECT_EQ(m_host.drawn, std::vector<UINT>{1011});
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 0, 255));
  button.Click();
  ASSERT_FALSE(m_host.messages.empty());
  EXPECT_EQ(m_host.messages.back(), (Message{WM_COMMAND, BN_CLICKED, 1011}));
}

TEST_F(ControlsTest, EditTakesItsColoursFromTheParent) {
  CEdit edit;
  ASSERT_TRUE(edit.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 80, 20), &m_host, 60));
  edit.GetWidget()->grab();
  const QPalette palette = edit.GetWidget()->palette();
  EXPECT_EQ(palette.color(QPalette::Base), QColor(151, 255, 151));
  EXPECT_EQ(palette.color(QPalette::Text), QColor(10, 20, 30));
  edit.SetLimitText(3);
  edit.TypeText("12345");
  EXPECT_EQ(edit.GetWindowText(), "123");
}

// A digits-only edit refuses a typed non-digit, also when ES_NUMBER comes
// after creation; text that code put there (a value shown for mending)
// stays editable: the user can erase its non-digits and type digits.
TEST_F(ControlsTest, ADigitsEditRefusesTypedNonDigitsButTextFromCodeCanBeMended) {
  for (const bool later : {false, true}) {
    SCOPED_TRACE(later ? "ES_NUMBER added later" : "created with ES_NUMBER");
    CEdit edit;
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (later ? 0 : ES_NUMBER);
    ASSERT_TRUE(edit.Create("", style, CRect(0, 0, 80, 20), &m_host, 61));
    if (later) edit.ModifyStyle(0, ES_NUMBER);
    for (const char key : std::string("1a2")) edit.TypeText(std::string(1, key));
    EXPECT_EQ(edit.GetWindowText(), "12");
    edit.TypeText("3.4");
    EXPECT_EQ(edit.GetWindowText(), "12") << "a pasted non-digit is refused";
    edit.SetWindowText("12.5");
    EXPECT_EQ(edit.GetWindowText(), "12.5") << "text from code is not checked";
    auto* line = dynamic_cast<QLineEdit*>(edit.GetWidget());
    ASSERT_NE(line, nullptr);
    line->end(false);
    line->backspace();  // the user's Backspace
    EXPECT_EQ(edit.GetWindowText(), "12.");
    edit.TypeText("x");
    EXPECT_EQ(edit.GetWindowText(), "12.") << "a typed non-digit is refused";
    edit.TypeText("7");
    EXPECT_EQ(edit.GetWindowText(), "12.7") << "a typed digit is taken";
    line->setCursorPosition(3);
    line->backspace();
    EXPECT_EQ(edit.GetWindowText(), "127");
  }
}

// After code put non-digits in a digits-only edit, the user may keep or
// erase them but adds none: typing a non-digit that the text already holds
// (once, or as often as it holds it) is refused wherever it goes, as is
// one it does not hold; digits go anywhere; a selection may be replaced by
// text whose non-digits are among those it replaces, in their order.
TEST_F(ControlsTest, ADigitsEditFilledByCodeTakesNoNonDigitItAlreadyHolds) {
  CEdit edit;
  ASSERT_TRUE(edit.Create("", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_NUMBER, CRect(0, 0, 80, 20), &m_host, 62));
  auto* line = dynamic_cast<QLineEdit*>(edit.GetWidget());
  ASSERT_NE(line, nullptr);
  struct Case {
    const char* fromCode;
    int selStart, selEnd;  // the selection the typing replaces (equal: the caret)
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"1.2-3", 5, 5, ".", "1.2-3"},     {"1.2-3", 0, 0, "-", "1.2-3"},     {"1.2-3", 2, 2, ".", "1.2-3"},
      {"1.2-3", 4, 4, "-", "1.2-3"},     {"1.2-3", 5, 5, "x", "1.2-3"},     {"1..2", 2, 2, ".", "1..2"},
      {"a", 1, 1, "a", "a"},             {"a", 0, 0, "a", "a"},             {"1.2-3", 0, 0, "09", "091.2-3"},
      {"1.2-3", 5, 5, "90", "1.2-390"},  {"1.2-3", 1, 2, ".", "1.2-3"},     {"1.2-3", 1, 2, "-", "1.2-3"},
      {"1.2-3", 2, 4, "-", "1.-3"},      {"1.2-3", 0, 5, "3-2.1", "1.2-3"}, {"1.2-3", 0, 5, "7", "7"},
      {"1..2", 1, 2, "", "1.2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.fromCode + "\" [" + std::to_string(c.selStart) + "," +
                 std::to_string(c.selEnd) + ") typed \"" + c.typed + "\"");
    edit.SetWindowText(c.fromCode);
    edit.SetSel(c.selStart, c.selEnd);
    if (*c.typed == '\0') {
      line->del();  // the user's Delete on the selection
    } else {
      edit.TypeText(c.typed);
    }
    EXPECT_EQ(edit.GetWindowText(), c.shown);
  }
  // A key pressed as the user presses it, after an erased non-digit.
  edit.SetWindowText("1..2");
  line->setCursorPosition(2);
  line->backspace();
  ASSERT_EQ(edit.GetWindowText(), "1.2");
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
  QApplication::sendEvent(line, &press);
  EXPECT_EQ(edit.GetWindowText(), "1.2") << "the one '.' left is all it may hold";
  QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  QApplication::sendEvent(line, &digit);
  EXPECT_EQ(edit.GetWindowText(), "15.2");
}

// Alt with a letter is a mnemonic or nothing, never text, wherever the
// keyboard is: an edit, a multi-line edit, a combo box's edit, a painted
// window that takes characters (the grid and its cell edits, which type
// what reaches them as characters). The letter alone types.
TEST_F(ControlsTest, AltWithALetterTypesNothingInAnyEdit) {
  class Painted : public CWnd {
   public:
    std::string typed;
    void OnChar(UINT ch, UINT, UINT) override { typed += static_cast<char>(ch); }
  } painted;
  CEdit edit, notes;
  CComboBox combo;
  ASSERT_TRUE(edit.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &m_host, 63));
  ASSERT_TRUE(notes.Create("", WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 30, 80, 80), &m_host, 64));
  ASSERT_TRUE(combo.Create("", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(100, 0, 200, 100), &m_host, 65));
  ASSERT_TRUE(painted.Create("", WS_CHILD | WS_VISIBLE, CRect(100, 100, 200, 150), &m_host, 66));
  QLineEdit* comboEdit = qobject_cast<QComboBox*>(combo.GetWidget())->lineEdit();
  const std::pair<QWidget*, std::function<std::string()>> places[] = {
      {edit.GetWidget(), [&] { return edit.GetWindowText(); }},
      {notes.GetWidget(), [&] { return notes.GetWindowText(); }},
      {comboEdit, [&] { return comboEdit->text().toStdString(); }},
      {painted.GetWidget(), [&] { return painted.typed; }}};
  for (size_t place = 0; place < std::size(places); ++place) {
    for (const Qt::KeyboardModifier mods : {Qt::AltModifier, Qt::NoModifier}) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_W, mods, QStringLiteral("w"));
      QApplication::sendEvent(places[place].first, &press);
      EXPECT_EQ(places[place].second(), mods == Qt::AltModifier ? "" : "w") << "place " << place;
    }
  }
}

TEST_F(ControlsTest, StaticPaintsItsTextAndSkipsUnchangedText) {
  CStatic label;
  ASSERT_TRUE(label.Create("Slurry", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 80, 20), &m_host, 70));
  label.UpdateWindow();
  bool dark = false;
  const QImage& image = label.GetSurface()->image;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) dark = dark || qGray(image.pixel(x, y)) < 100;
  EXPECT_TRUE(dark);
  CRect update;
  label.SetWindowText("Slurry");
  EXPECT_FALSE(label.GetUpdateRect(&update));
  label.SetWindowText("Returned Slurry");
  EXPECT_TRUE(label.GetUpdateRect(&update));
}

TEST(CursorTest, StandardAndResourceCursors) {
  EXPECT_NE(LoadCursor(IDC_SIZEWE), nullptr);
  EXPECT_EQ(LoadCursor(IDC_SIZEWE), LoadStandardCursor(IDC_SIZEWE));
  EXPECT_EQ(LoadCursor(4711), nullptr);
  CursorTemplate hand;
  hand.id = 4094;
  hand.standardShape = static_cast<int>(IDC_HAND);
  ResourceTable::Instance().AddCursor(hand);
  EXPECT_NE(LoadCursor(4094), nullptr);
  HCURSOR previous = SetCursor(LoadCursor(4094));
  EXPECT_EQ(GetCursor(), LoadCursor(4094));
  SetCursor(previous);
}

}  // namespace
