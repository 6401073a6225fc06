#include "platform/ui/PrintJob.h"

#include <QDir>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

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
};

CPrintJob::CPrintJob() : m_impl(std::make_unique<Impl>()) {}

CPrintJob::~CPrintJob() {
  if (m_impl->printer) EndDoc();
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
  if (!m_impl->printer) return nullptr;
  if (!m_impl->painter) {
    m_impl->painter = std::make_unique<QPainter>();
    if (!m_impl->painter->begin(m_impl->printer.get())) {
      m_impl->painter.reset();
      return nullptr;
    }
  } else if (!m_impl->printer->newPage()) {
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
  return m_impl->painter != nullptr;
}

BOOL CPrintJob::EndDoc() {
  EndPage();
  bool ok = m_impl->printer != nullptr;
  if (m_impl->painter) ok = m_impl->painter->end() && ok;
  m_impl->painter.reset();
  m_impl->printer.reset();
  return ok ? TRUE : FALSE;
}

void CPrintJob::AbortDoc() {
  EndPage();
  if (m_impl->printer) m_impl->printer->abort();
  if (m_impl->painter) m_impl->painter->end();
  m_impl->painter.reset();
  m_impl->printer.reset();
}
