#include <gtest/gtest.h>

#include "controls/BaseAboutDlg.h"
#include "controls/InputBox.h"
#include "platform/ui/Edit.h"
#include "res/ControlsResources.h"
#include "support/Doubles.h"

namespace {

using testing_support::ModalDriverScope;

void Press(CDialog& d, int id) { d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST(InputBoxTest, OkReturnsTheEnteredText) {
  std::string seenCaption, seenInitial, seenHeader, seenNote;
  ModalDriverScope driver([&](CDialog& d) {
    seenCaption = d.GetWindowText();
    seenInitial = d.GetDlgItemText(IDC_INPUT_VALUE);
    seenHeader = d.GetDlgItemText(IDC_INPUT_HEADER);
    seenNote = d.GetDlgItemText(IDC_INPUT_NOTE);
    d.SetDlgItemText(IDC_INPUT_VALUE, "120");
    Press(d, IDOK);
  });
  std::string value = "unchanged";
  const INT_PTR r = CInputBox::AskValue(value, "Recording Interval", "Please enter recording Process Information interval.",
                                        "unit: Second, Zero: no recording", "60", 1, 3038, 0);
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(value, "120");
  EXPECT_EQ(seenCaption, "Recording Interval");
  EXPECT_EQ(seenInitial, "60");
  EXPECT_EQ(seenHeader, "Please enter recording Process Information interval.");
  EXPECT_EQ(seenNote, "unit: Second, Zero: no recording");
}

TEST(InputBoxTest, DigitsOnlyRefusesOtherTextAndStaysOpen) {
  testing_support::MessageBoxDouble boxes;
  bool stayedOpen = false;
  ModalDriverScope driver([&](CDialog& d) {
    d.SetDlgItemText(IDC_INPUT_VALUE, "-5");
    Press(d, IDOK);
    stayedOpen = d.IsWindowVisible() != FALSE;
    d.SetDlgItemText(IDC_INPUT_VALUE, "5");
    Press(d, IDOK);
  });
  std::string value;
  EXPECT_EQ(CInputBox::AskValue(value, "t", "h", "n", "60", 1, 0, 0), IDOK);
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Please enter digits only (0-9).");
  EXPECT_EQ(value, "5");
}

// Typed one key at a time, as the user types: in digits-only mode a
// non-digit never reaches the field; otherwise every key does.
TEST(InputBoxTest, DigitsOnlyRefusesANonDigitAsItIsTyped) {
  struct Case {
    int mode;
    const char* keys;
    const char* shown;
  };
  for (const Case& c : {Case{CInputBox::INPUT_DIGITS, "1a2 -3.x", "123"}, Case{CInputBox::INPUT_DIGITS, "x", ""},
                        Case{CInputBox::INPUT_DIGITS, "0", "0"}, Case{CInputBox::INPUT_ANY, "1a2 -3", "1a2 -3"}}) {
    SCOPED_TRACE(c.keys);
    testing_support::MessageBoxDouble boxes;
    std::string shown;
    ModalDriverScope driver([&](CDialog& d) {
      auto* edit = dynamic_cast<CEdit*>(d.GetDlgItem(IDC_INPUT_VALUE));
      ASSERT_NE(edit, nullptr);
      edit->SetWindowText("");
      for (const char* key = c.keys; *key; ++key) edit->TypeText(std::string(1, *key));
      shown = edit->GetWindowText();
      d.EndDialog(IDCANCEL);
    });
    std::string value;
    CInputBox::AskValue(value, "t", "h", "n", "", c.mode, 0, 0);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(boxes.Count(), 0u) << "a refused key shows no box";
  }
}

TEST(InputBoxTest, CancelLeavesTheValue) {
  ModalDriverScope driver([](CDialog& d) {
    d.SetDlgItemText(IDC_INPUT_VALUE, "999");
    Press(d, IDCANCEL);
  });
  std::string value = "keep";
  EXPECT_EQ(CInputBox::AskValue(value, "t", "h", "n", "60", 0, 0, 0), IDCANCEL);
  EXPECT_EQ(value, "keep");
}

TEST(BaseAboutDlgTest, ShowsModallyAndClosesWithOk) {
  std::string product;
  ModalDriverScope driver([&](CDialog& d) {
    product = d.GetDlgItemText(IDC_ABOUT_PRODUCT);
    Press(d, IDOK);
  });
  CBaseAboutDlg about;
  EXPECT_EQ(about.DoModal(), IDOK);
  EXPECT_EQ(product, "VekFrame");
}

}  // namespace
