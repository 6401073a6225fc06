// The print preview: a view's printout drawn into page images, shown a
// page at a time with the page buttons, and printed from the preview's
// "Print" (or not, after "Close").
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Document.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/PrintPreview.h"
#include "platform/ui/View.h"
#include "support/Doubles.h"

namespace {

// Two pages: a black square in the top-left corner of the first, one in
// the bottom-right corner of the second (a tenth of the page each).
class TwoPageView : public CView {
 protected:
  BOOL OnPreparePrinting(CPrintInfo* info) override {
    info->SetMaxPage(2);
    return TRUE;
  }
  void OnPrint(CDC* dc, CPrintInfo* info) override {
    const CRect& page = info->m_rectDraw;
    const int w = page.Width() / 10;
    const int h = page.Height() / 10;
    const CRect square = info->m_nCurPage == 1 ? CRect(0, 0, w, h)
                                                : CRect(page.right - w, page.bottom - h, page.right, page.bottom);
    dc->FillSolidRect(square, RGB(0, 0, 0));
  }
};

bool IsBlack(const CBitmap* page, double fx, double fy) {
  const QImage* image = page ? page->GetImage() : nullptr;
  if (!image) return false;
  const int x = static_cast<int>(fx * image->width());
  const int y = static_cast<int>(fy * image->height());
  return (image->pixel(x, y) & 0xFFFFFF) == 0;
}

void Click(CDialog& dialog, UINT id) {
  CWnd* button = dialog.GetDlgItem(static_cast<int>(id));
  ASSERT_NE(button, nullptr) << id;
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
}

class PrintPreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(view.Create("", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CPrintJob::SetPrinterRedirect(dir.Path() + "printed");
    CPrintJob::SetPrinterNames({"Office"});
  }
  void TearDown() override {
    CPrintJob::ResetPrinterNames();
    CPrintJob::SetPrinterRedirect("");
    CDialog::SetModalDriver(previous);
    view.DestroyWindow();
  }
  // Runs body in the preview the view's command opens; its result.
  BOOL Preview(const std::function<void(CPrintPreviewDlg&)>& body) {
    previous = CDialog::SetModalDriver([&](CDialog& dialog) {
      // The preview's Print asks where the printout goes: the default printer.
      if (dynamic_cast<CPrintDialog*>(&dialog)) {
        ++printDialogs;
        Click(dialog, IDOK);
        return;
      }
      auto* preview = dynamic_cast<CPrintPreviewDlg*>(&dialog);
      ++previews;
      if (preview) body(*preview);
      if (dialog.IsWindowVisible()) dialog.EndDialog(IDCANCEL);
    });
    return view.OnFilePrintPreview();
  }
  std::string Printed() const { return dir.Path() + "printed/View.pdf"; }

  testing_support::TempDir dir;
  testing_support::MessageBoxDouble boxes;
  TwoPageView view;
  CDialog::ModalDriver previous;
  int previews = 0;
  int printDialogs = 0;
};

TEST_F(PrintPreviewTest, ShowsEachPageOfThePrintoutAndPrintPrintsThem) {
  const BOOL printed = Preview([&](CPrintPreviewDlg& preview) {
    ASSERT_EQ(preview.GetPageCount(), 2);
    ASSERT_NE(preview.GetPage(0), nullptr);
    const QImage* first = preview.GetPage(0)->GetImage();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), 794) << "A4 at 96 dots per inch";
    EXPECT_EQ(first->height(), 1123);
    EXPECT_TRUE(IsBlack(preview.GetPage(0), 0.05, 0.05));
    EXPECT_FALSE(IsBlack(preview.GetPage(0), 0.95, 0.95));
    EXPECT_TRUE(IsBlack(preview.GetPage(1), 0.95, 0.95));
    EXPECT_FALSE(IsBlack(preview.GetPage(1), 0.05, 0.05));

    EXPECT_EQ(preview.GetCurrentPage(), 0);
    EXPECT_EQ(preview.GetDlgItemText(CPrintPreviewDlg::kPageText), "Page 1 of 2");
    EXPECT_FALSE(preview.GetDlgItem(CPrintPreviewDlg::kPrevPage)->IsWindowEnabled());
    Click(preview, CPrintPreviewDlg::kNextPage);
    EXPECT_EQ(preview.GetCurrentPage(), 1);
    EXPECT_EQ(preview.GetDlgItemText(CPrintPreviewDlg::kPageText), "Page 2 of 2");
    EXPECT_FALSE(preview.GetDlgItem(CPrintPreviewDlg::kNextPage)->IsWindowEnabled());
    EXPECT_TRUE(preview.GetDlgItem(CPrintPreviewDlg::kPrevPage)->IsWindowEnabled());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Printed()))) << "nothing printed while previewing";
    Click(preview, IDOK);  // "Print"
  });
  EXPECT_EQ(previews, 1);
  EXPECT_EQ(printDialogs, 1) << "Print asks where the printout goes";
  EXPECT_TRUE(printed);
  QFile pdf(QString::fromStdString(Printed()));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "Print printed the view";
  const QByteArray bytes = pdf.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
}

TEST_F(PrintPreviewTest, CloseEndsThePreviewWithoutPrinting) {
  const BOOL printed = Preview([&](CPrintPreviewDlg& preview) {
    EXPECT_EQ(preview.GetDlgItemText(IDOK), "&Print");
    EXPECT_EQ(preview.GetDlgItemText(IDCANCEL), "&Close");
    Click(preview, IDCANCEL);
  });
  EXPECT_EQ(previews, 1);
  EXPECT_FALSE(printed);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Printed())));
}

// The view's Print asks where the printout goes, as the framework's does:
// with no printer installed the PDF file the user names gets every page;
// Cancel prints nothing and says nothing. Direct print needs no answer.
TEST_F(PrintPreviewTest, PrintAsksWhereAndWithoutAPrinterWritesThePdfFileTheUserNames) {
  CPrintJob::SetPrinterNames({});
  const std::string named = dir.Path() + "mimic";
  CDialog::SetModalDriver([&](CDialog& dialog) {
    ASSERT_NE(dynamic_cast<CPrintDialog*>(&dialog), nullptr);
    ++printDialogs;
    auto* file = dynamic_cast<CEdit*>(dialog.GetDlgItem(CPrintDialog::IDC_PRINT_FILE));
    file->SetWindowText("");
    file->TypeText(named);
    Click(dialog, IDOK);
  });
  EXPECT_TRUE(view.OnFilePrint());
  EXPECT_EQ(printDialogs, 1);
  QFile pdf(QString::fromStdString(named + ".pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the named file, .pdf added";
  const QByteArray bytes = pdf.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);

  CDialog::SetModalDriver([&](CDialog& dialog) { Click(dialog, IDCANCEL); });
  EXPECT_FALSE(view.OnFilePrint());
  EXPECT_EQ(boxes.Count(), 0u) << "a cancelled print says nothing";
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Printed())));

  CPrintJob::SetPrinterNames({"Office"});
  CDialog::SetModalDriver([&](CDialog&) { ADD_FAILURE() << "direct print asks nothing"; });
  EXPECT_TRUE(view.OnFilePrintDirect());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(Printed())));
}

// A PDF file the system will not let the job write (here in /proc, which
// refuses new files even to root) is told in one box naming the file, not
// passed over in silence as if the user had cancelled.
TEST_F(PrintPreviewTest, APdfFileThatCannotBeWrittenIsToldNamingTheFile) {
  CPrintJob::SetPrinterNames({});
  const std::string named = "/proc/vekframe-print-test";
  CDialog::SetModalDriver([&](CDialog& dialog) {
    auto* file = dynamic_cast<CEdit*>(dialog.GetDlgItem(CPrintDialog::IDC_PRINT_FILE));
    ASSERT_NE(file, nullptr);
    file->SetWindowText("");
    file->TypeText(named);
    Click(dialog, IDOK);
  });
  EXPECT_FALSE(view.OnFilePrint());
  ASSERT_EQ(boxes.Count(), 1u) << "the failure is told";
  EXPECT_NE(boxes.Last().text.find(named + ".pdf"), std::string::npos) << boxes.Last().text;
}

// The direct print (no dialog) fails alike where its file cannot be
// written: it is told naming the file, not passed over in silence.
TEST_F(PrintPreviewTest, ADirectPrintThatCannotBeWrittenIsToldNamingTheFile) {
  CPrintJob::SetPrinterRedirect("/proc");
  CDialog::SetModalDriver([&](CDialog&) { ADD_FAILURE() << "direct print asks nothing"; });
  EXPECT_FALSE(view.OnFilePrintDirect());
  ASSERT_EQ(boxes.Count(), 1u) << "the failure is told";
  EXPECT_NE(boxes.Last().text.find("/proc/"), std::string::npos) << boxes.Last().text;
  EXPECT_NE(boxes.Last().text.find("cannot be written"), std::string::npos) << boxes.Last().text;
}

TEST(PrintJobImages, AnImageJobKeepsItsPagesUntilTakenAndAnAbortKeepsNone) {
  CPrintJob job;
  ASSERT_TRUE(job.StartImages("x", 50, true));
  EXPECT_FALSE(job.StartImages("x")) << "one job at a time";
  for (int page = 0; page < 3; ++page) {
    CDC* dc = job.StartPage();
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(dc->IsPrinting());
    EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSX), 50);
    EXPECT_GT(dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES)) << "landscape";
    ASSERT_TRUE(job.EndPage());
  }
  ASSERT_TRUE(job.EndDoc());
  EXPECT_EQ(job.GetPageCount(), 3);
  std::vector<std::unique_ptr<CBitmap>> pages = job.TakePageImages();
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0]->GetImage()->pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "white paper";
  EXPECT_TRUE(job.TakePageImages().empty());

  CPrintJob aborted;
  ASSERT_TRUE(aborted.StartImages("y"));
  ASSERT_NE(aborted.StartPage(), nullptr);
  aborted.AbortDoc();
  EXPECT_TRUE(aborted.TakePageImages().empty());
  CPrintJob unfinished;  // its destructor ends the page it is drawing
  ASSERT_TRUE(unfinished.StartImages("z"));
  ASSERT_NE(unfinished.StartPage(), nullptr);
}

}  // namespace
