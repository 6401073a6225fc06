#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "controls/chart/ChartCtrlBase.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"

namespace {

constexpr int kPageW = 1100;
constexpr int kPageH = 850;

bool IsDark(COLORREF c) { return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90; }

TEST(ChartPrintTest, PageHasTheHeaderAndThePrintLookChart) {
  CChartCtrlBase chart;
  chart.SetupChart(false);  // the screen look
  chart.GetTitle()->AddString("Tower::Temp");
  for (int i = 0; i < 600; ++i) chart.GetLineSerie()->AddPoint(46000.25 + i / 86400.0, std::sin(i / 50.0));

  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, kPageW, kPageH);
  dc.SelectObject(&bitmap);
  dc.FillSolidRect(CRect(0, 0, kPageW, kPageH), RGB(255, 255, 255));
  chart.DrawPrintPage(&dc, CRect(0, 0, kPageW, kPageH), "VekControls Trends, Printed on: Sunday");

  // The header: dark text in the top band, left part.
  int headerInk = 0;
  for (int y = 30; y < 80; ++y)
    for (int x = 30; x < 500; ++x) headerInk += IsDark(dc.GetPixel(x, y)) ? 1 : 0;
  EXPECT_GT(headerInk, 100);
  // The chart in the print look: white paper, the dark blue line, no black plot.
  int blue = 0, screenGreen = 0, black = 0;
  for (int y = 100; y < kPageH; y += 2) {
    for (int x = 0; x < kPageW; x += 2) {
      const COLORREF c = dc.GetPixel(x, y);
      blue += c == RGB(0, 0, 160) ? 1 : 0;
      screenGreen += c == RGB(0, 255, 0) ? 1 : 0;
      black += c == RGB(0, 0, 0) ? 1 : 0;
    }
  }
  EXPECT_GT(blue, 200);
  EXPECT_EQ(screenGreen, 0);
  EXPECT_LT(black, 20000) << "not the screen's black plot";
  // The screen chart itself is unchanged by printing.
  EXPECT_EQ(chart.GetBackColor(), RGB(50, 50, 50));
  EXPECT_EQ(chart.GetLineSerie()->GetPointsCount(), 600u);
}

}  // namespace

#include <QFile>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintJob.h"
#include "support/Doubles.h"

namespace {

// The text as the PDF may hold it: plain, or UTF-16 (raw or in hex).
bool PdfHoldsText(const QByteArray& pdf, const std::string& text) {
  if (pdf.contains(QByteArray::fromStdString(text))) return true;
  QByteArray utf16;
  for (char c : text) {
    utf16.append('\0');
    utf16.append(c);
  }
  return pdf.contains(utf16) || pdf.contains(utf16.toHex()) || pdf.contains(utf16.toHex().toUpper());
}

const std::string kHeader = "VekControls Trends, Printed on: Sunday, December 06, 2026";

TEST(ChartPrintTest, PrintToPdfWritesAPageWithTheHeader) {
  testing_support::TempDir dir;
  CChartCtrlBase chart;
  chart.SetupChart(false);
  for (int i = 0; i < 100; ++i) chart.GetLineSerie()->AddPoint(46000.25 + i / 86400.0, i % 7);
  ASSERT_TRUE(chart.Print(kHeader, dir.File("trend.pdf").c_str()));
  QFile file(QString::fromStdString(dir.File("trend.pdf")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_GT(pdf.size(), 2000);
  EXPECT_TRUE(PdfHoldsText(pdf, kHeader));
}

// Print without a file asks where: a printer chosen in the dialog (here
// one sent to a folder), the PDF file named there, or nothing on Cancel.
TEST(ChartPrintTest, ThePrintDialogChoosesThePrinterOrNamesThePdfFile) {
  testing_support::TempDir dir;
  testing_support::MessageBoxDouble boxes;
  CChartCtrlBase chart;
  chart.SetupChart(false);
  for (int i = 0; i < 50; ++i) chart.GetLineSerie()->AddPoint(46000.25 + i / 86400.0, i % 5);
  CPrintJob::SetPrinterRedirect(dir.Path() + "printed");
  CPrintJob::SetPrinterNames({"Office"});
  struct Case {
    int pick;  // -1: Cancel; 0: the printer; 1: the PDF file
    const char* file;
  };
  for (const Case& c : {Case{-1, ""}, Case{0, "printed/Trend.pdf"}, Case{1, "named.pdf"}}) {
    SCOPED_TRACE(c.pick);
    testing_support::ModalDriverScope driver([&](CDialog& d) {
      auto* printers = dynamic_cast<CComboBox*>(d.GetDlgItem(CPrintDialog::IDC_PRINT_PRINTER));
      if (c.pick < 0) return d.EndDialog(IDCANCEL);
      printers->SelectAsUser(c.pick);
      auto* file = dynamic_cast<CEdit*>(d.GetDlgItem(CPrintDialog::IDC_PRINT_FILE));
      if (c.pick == 1) {
        file->SetWindowText("");
        file->TypeText(dir.File("named"));
      }
      d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(chart.Print("Trend", 0), c.pick >= 0);
    if (*c.file) {
      QFile pdf(QString::fromStdString(dir.File(c.file)));
      ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
      EXPECT_TRUE(PdfHoldsText(pdf.readAll(), "Trend"));
    }
  }
  CPrintJob::ResetPrinterNames();
  CPrintJob::SetPrinterRedirect("");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.File("Trend.pdf"))));
  EXPECT_EQ(boxes.Count(), 0u) << "Cancel is no failure";
}

TEST(ChartPrintTest, AFileThatCannotBeWrittenIsTold) {
  testing_support::MessageBoxDouble boxes;
  CChartCtrlBase chart;
  chart.SetupChart(false);
  EXPECT_FALSE(chart.Print(kHeader, "/nonexistent-folder/x/trend.pdf"));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("/nonexistent-folder/x/trend.pdf"), std::string::npos);
}

}  // namespace
