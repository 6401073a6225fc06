// The print dialog: what it offers with and without printers, the PDF
// file's name as the user types it, and the refusals that keep it open.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>
#include <sys/stat.h>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintJob.h"
#include "support/Doubles.h"

namespace {

using testing_support::MessageBoxDouble;
using testing_support::ModalDriverScope;
using testing_support::TempDir;

// The installed printers for one test.
class PrintersScope {
 public:
  explicit PrintersScope(const std::vector<std::string>& names) { CPrintJob::SetPrinterNames(names); }
  ~PrintersScope() { CPrintJob::ResetPrinterNames(); }
};

CComboBox& Printers(CDialog& d) { return *dynamic_cast<CComboBox*>(d.GetDlgItem(CPrintDialog::IDC_PRINT_PRINTER)); }
CEdit& File(CDialog& d) { return *dynamic_cast<CEdit*>(d.GetDlgItem(CPrintDialog::IDC_PRINT_FILE)); }
void TypeFile(CDialog& d, const std::string& name) {
  File(d).SetWindowText("");
  File(d).TypeText(name);
}
void Click(CDialog& d, UINT id) { dynamic_cast<CButton*>(d.GetDlgItem(static_cast<int>(id)))->Click(); }

TEST(PrintDialogTest, ATypedNameBecomesAPdfFileInTheHomeFolderUnlessItNamesAFolder) {
  struct Case {
    const char* typed;
    const char* path;
  };
  for (const Case& c : {Case{"trend", "/home/op/trend.pdf"}, Case{"  trend.PDF ", "/home/op/trend.PDF"},
                        Case{"/srv/out/a.pdf", "/srv/out/a.pdf"}, Case{"sub/b", "/home/op/sub/b.pdf"},
                        Case{"x.pd", "/home/op/x.pd.pdf"}, Case{".pdf", "/home/op/.pdf"}, Case{"   ", ""},
                        Case{"", ""}}) {
    EXPECT_EQ(CPrintDialog::ResolvePdfPath(c.typed, "/home/op"), c.path) << '"' << c.typed << '"';
  }
  EXPECT_EQ(CPrintDialog::ResolvePdfPath("t", "/home/op/"), "/home/op/t.pdf");
}

TEST(PrintDialogTest, ATitleBecomesAPlainFileName) {
  for (const auto& [title, name] : std::vector<std::pair<std::string, std::string>>{
           {"VekControls Trends, Printed on: Monday, December 07, 2026",
            "VekControls Trends Printed on Monday December 07 2026"},
           {"Trend: Flow", "Trend Flow"},
           {"a/b\\c", "a-b-c"},
           {"  x ,: y  ", "x y"},
           {":", "print"},
           {"", "print"}}) {
    EXPECT_EQ(CPrintDialog::FileNameOfTitle(title), name) << '"' << title << '"';
  }
}

TEST(PrintDialogTest, WithoutAPrinterOnlyThePdfFileIsOfferedAndChosen) {
  PrintersScope none({});
  std::vector<std::string> entries;
  std::string note, suggested;
  bool fileUsable = false;
  ModalDriverScope driver([&](CDialog& d) {
    for (int i = 0; i < Printers(d).GetCount(); ++i) entries.push_back(Printers(d).GetLBText(i));
    EXPECT_EQ(Printers(d).GetCurSel(), 0);
    note = d.GetDlgItemText(CPrintDialog::IDC_PRINT_NOTE);
    suggested = File(d).GetWindowText();
    fileUsable = File(d).IsWindowEnabled() && d.GetDlgItem(CPrintDialog::IDC_PRINT_BROWSE)->IsWindowEnabled();
    if (const char* folder = std::getenv("VEK_SNAPSHOT_DIR"))
      d.GetWidget()->grab().toImage().save(QString(folder) + "/print-dialog-no-printer.png");
    Click(d, IDCANCEL);
  });
  CPrintDialog dlg("Trend: Flow");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(entries, std::vector<std::string>{CPrintDialog::kPdfEntry});
  EXPECT_EQ(note, "No printer is installed: the printout goes to a PDF file.");
  EXPECT_EQ(suggested, QDir::homePath().toStdString() + "/Trend Flow.pdf") << "the title, made a file name";
  EXPECT_TRUE(fileUsable);
}

TEST(PrintDialogTest, ThePrinterChosenOrThePdfFileNamedIsWhatOkGives) {
  TempDir out;
  PrintersScope printers({"Office", "Lab"});
  struct Case {
    int pick;  // the entry chosen; -1 keeps the first (the default printer)
    bool toPdf;
    const char* device;
  };
  for (const Case& c : {Case{-1, false, "Office"}, Case{1, false, "Lab"}, Case{2, true, ""}}) {
    SCOPED_TRACE(c.pick);
    bool usableBefore = true, usableAfter = false;
    std::string note = "?";
    ModalDriverScope driver([&](CDialog& d) {
      usableBefore = File(d).IsWindowEnabled();
      note = d.GetDlgItemText(CPrintDialog::IDC_PRINT_NOTE);
      if (c.pick >= 0) Printers(d).SelectAsUser(c.pick);
      usableAfter = File(d).IsWindowEnabled();
      if (c.toPdf) TypeFile(d, out.File("chart"));
      Click(d, IDOK);
    });
    CPrintDialog dlg("Trend");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(usableBefore) << "a printer is chosen first: no file to name";
    EXPECT_EQ(usableAfter, c.toPdf);
    EXPECT_EQ(note, "");
    EXPECT_EQ(dlg.IsPrintToPdf(), c.toPdf);
    EXPECT_EQ(dlg.GetDeviceName(), c.device);
    EXPECT_EQ(dlg.GetPdfPath(), c.toPdf ? out.File("chart.pdf") : "");
  }
}

// A name that cannot be used is refused with the reason and the dialog
// stays open; an existing file is replaced only on Yes.
TEST(PrintDialogTest, ABadOrTakenFileNameKeepsTheDialogOpen) {
  TempDir out;
  out.Write("taken.pdf", "old");
  ::mkdir(out.File("folder.pdf").c_str(), 0700);
  PrintersScope none({});
  struct Case {
    const char* typed;
    int answer;  // to a question, if one is asked
    const char* said;
    bool ends;
  };
  const std::vector<Case> cases = {
      {"", IDOK, "Please enter the name of the PDF file.", false},
      {"missing/a", IDOK, "The folder of the PDF file does not exist:\n", false},
      {"folder", IDOK, "The PDF file's name is a folder:\n", false},
      {"taken", IDNO, "The file already exists:\n", false},
      {"taken", IDYES, "The file already exists:\n", true},
      {"fresh", IDOK, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " answered " + std::to_string(c.answer));
    MessageBoxDouble boxes(c.answer);
    bool stayedOpen = false;
    ModalDriverScope driver([&](CDialog& d) {
      TypeFile(d, *c.typed ? out.File(c.typed) : "");
      Click(d, IDOK);
      stayedOpen = d.IsWindowVisible() != FALSE;
      if (stayedOpen) Click(d, IDCANCEL);
    });
    CPrintDialog dlg("Trend");
    EXPECT_EQ(dlg.DoModal(), c.ends ? IDOK : IDCANCEL);
    EXPECT_EQ(stayedOpen, !c.ends);
    if (*c.said) {
      ASSERT_EQ(boxes.Count(), 1u);
      EXPECT_EQ(boxes.Last().text.rfind(c.said, 0), 0u) << boxes.Last().text;
    } else {
      EXPECT_EQ(boxes.Count(), 0u);
    }
  }
  EXPECT_EQ(out.Read("taken.pdf"), "old") << "the dialog itself writes nothing";
}

}  // namespace
