#include "platform/ui/PrintJob.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "platform/ui/QtConvert.h"

namespace {
std::string& Redirect() {
  static std::string folder;
  return folder;
}
constexpr int kPdfResolution = 300;
// Printer names that tests put in place of the system's.
struct PrinterNamesOverride {
  bool active = false;
  std::vector<std::string> names;
};
PrinterNamesOverride& NamesOverride() {
  static PrinterNamesOverride value;
  return value;
}
}  // namespace

struct CPrintJob::Impl {
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<CDC> dc;
  // An image job: the page size in dots, the resolution, the page being
  // drawn and the pages done.
  bool images = false;
  QSize imageSize;
  int imageDpi = 96;
  std::unique_ptr<QImage> page;
  std::vector<std::unique_ptr<CBitmap>> pages;
};

CPrintJob::CPrintJob() : m_impl(std::make_unique<Impl>()) {}

CPrintJob::~CPrintJob() {
  if (m_impl->printer || m_impl->images) EndDoc();
}

void CPrintJob::SetPrinterRedirect(const std::string& folder) { Redirect() = folder; }

std::vector<std::string> CPrintJob::GetPrinterNames() {
  if (NamesOverride().active) return NamesOverride().names;
  std::vector<std::string> names;
  const QString defaultName = QPrinterInfo::defaultPrinterName();
  if (!defaultName.isEmpty()) names.push_back(platform_detail::FromQString(defaultName));
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    if (name != defaultName) names.push_back(platform_detail::FromQString(name));
  return names;
}

void CPrintJob::SetPrinterNames(const std::vector<std::string>& names) { NamesOverride() = {true, names}; }

void CPrintJob::ResetPrinterNames() { NamesOverride() = {}; }

BOOL CPrintJob::StartPdf(const std::string& path, const std::string& title, bool landscape) {
  if (m_impl->printer) return FALSE;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(platform_detail::ToQString(path));
  printer->setResolution(kPdfResolution);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer->setDocName(platform_detail::ToQString(title));
  m_impl->printer = std::move(printer);
  m_strPath = path;
  m_nPages = 0;
  return TRUE;
}

BOOL CPrintJob::StartImages(const std::string& /*title*/, int dpi, bool landscape) {
  if (m_impl->printer || m_impl->images || dpi <= 0) return FALSE;
  // A4: 210 x 297 mm.
  const int shortSide = qRound(210.0 / 25.4 * dpi);
  const int longSide = qRound(297.0 / 25.4 * dpi);
  m_impl->images = true;
  m_impl->imageDpi = dpi;
  m_impl->imageSize = landscape ? QSize(longSide, shortSide) : QSize(shortSide, longSide);
  m_impl->pages.clear();
  m_strPath.clear();
  m_nPages = 0;
  return TRUE;
}

std::vector<std::unique_ptr<CBitmap>> CPrintJob::TakePageImages() { return std::move(m_impl->pages); }

BOOL CPrintJob::StartPrinter(const std::string& title, const std::string& printerName, bool landscape) {
  if (!Redirect().empty()) {
    std::string name = title.empty() ? "print" : title;
    for (char& c : name)
      if (c == '/' || c == '\\' || c == ':') c = '_';
    if (!QDir().mkpath(platform_detail::ToQString(Redirect()))) return FALSE;
    return StartPdf(Redirect() + "/" + name + ".pdf", title, landscape);
  }
  if (m_impl->printer) return FALSE;
  const QPrinterInfo info = printerName.empty() ? QPrinterInfo::defaultPrinter()
                                                : QPrinterInfo::printerInfo(platform_detail::ToQString(printerName));
  if (info.isNull()) return FALSE;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer->setDocName(platform_detail::ToQString(title));
  m_impl->printer = std::move(printer);
  m_strPath.clear();
  m_nPages = 0;
  return TRUE;
}

CDC* CPrintJob::StartPage() {
  if (m_impl->images) {
    EndPage();
    m_impl->page = std::make_unique<QImage>(m_impl->imageSize, QImage::Format_RGB32);
    m_impl->page->fill(Qt::white);
    m_impl->page->setDotsPerMeterX(qRound(m_impl->imageDpi / 0.0254));
    m_impl->page->setDotsPerMeterY(qRound(m_impl->imageDpi / 0.0254));
    m_impl->painter = std::make_unique<QPainter>(m_impl->page.get());
    ++m_nPages;
    m_impl->dc = std::make_unique<CDC>();
    m_impl->dc->AttachPainter(m_impl->painter.get(), m_impl->imageDpi, true);
    return m_impl->dc.get();
  }
  if (!m_impl->printer) return nullptr;
  if (!m_impl->painter) {
    m_impl->painter = std::make_unique<QPainter>();
    if (!m_impl->painter->begin(m_impl->printer.get())) {
      m_impl->painter.reset();
      m_bFailed = true;
      return nullptr;
    }
  } else if (!m_impl->printer->newPage()) {
    m_bFailed = true;
    return nullptr;
  }
  ++m_nPages;
  m_impl->dc = std::make_unique<CDC>();
  m_impl->dc->AttachPainter(m_impl->painter.get(), m_impl->printer->resolution(), true);
  return m_impl->dc.get();
}

BOOL CPrintJob::EndPage() {
  if (m_impl->dc) m_impl->dc->DeleteDC();
  m_impl->dc.reset();
  if (m_impl->images) {
    if (!m_impl->page) return FALSE;
    m_impl->painter->end();
    m_impl->painter.reset();
    auto bitmap = std::make_unique<CBitmap>();
    bitmap->SetImage(*m_impl->page);
    m_impl->pages.push_back(std::move(bitmap));
    m_impl->page.reset();
    return TRUE;
  }
  return m_impl->painter != nullptr;
}

BOOL CPrintJob::EndDoc() {
  if (m_impl->images) {
    EndPage();
    m_impl->images = false;
    return TRUE;
  }
  EndPage();
  bool ok = m_impl->printer != nullptr;
  if (m_impl->painter) ok = m_impl->painter->end() && ok;
  if (!ok && m_impl->printer) m_bFailed = true;
  m_impl->painter.reset();
  m_impl->printer.reset();
  return ok ? TRUE : FALSE;
}

void CPrintJob::AbortDoc() {
  if (m_impl->images) {
    if (m_impl->dc) m_impl->dc->DeleteDC();
    m_impl->dc.reset();
    m_impl->painter.reset();
    m_impl->page.reset();
    m_impl->pages.clear();
    m_impl->images = false;
    return;
  }
  EndPage();
  if (m_impl->printer) m_impl->printer->abort();
  if (m_impl->painter) m_impl->painter->end();
  m_impl->painter.reset();
  m_impl->printer.reset();
}
