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

TEST(ChartPrintTest, PrinterJobGoesToThePrinterAndAFailureIsTold) {
  testing_support::TempDir dir;
  testing_support::MessageBoxDouble boxes;
  CChartCtrlBase chart;
  chart.SetupChart(false);
  CPrintJob::SetPrinterRedirect(dir.Path() + "printed");
  EXPECT_TRUE(chart.Print("Trend", 0));
  CPrintJob::SetPrinterRedirect("");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.Path() + "printed/Trend.pdf")));
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_FALSE(chart.Print(kHeader, "/nonexistent-folder/x/trend.pdf"));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("/nonexistent-folder/x/trend.pdf"), std::string::npos);
}

}  // namespace
