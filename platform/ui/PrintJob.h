// A print job: pages drawn through the device context go to a printer or
// to a PDF file. Each page's context draws in printer dots (MM_TEXT;
// GetDeviceCaps(LOGPIXELSX) gives the dots per inch, HORZRES / VERTRES the
// printable size), so drawing code scales its screen layout by
// resolution / 96 or with MM_ANISOTROPIC. Raster operations draw as copies
// on paper. A site without a printer, and tests, may send every printer
// job to PDF files in a folder (SetPrinterRedirect).
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CBitmap;
class CDC;

class CPrintJob {
 public:
  CPrintJob();
  ~CPrintJob();  // ends an open job
  CPrintJob(const CPrintJob&) = delete;
  CPrintJob& operator=(const CPrintJob&) = delete;

  // A job writing a PDF file (A4, portrait unless landscape, 300 dpi).
  BOOL StartPdf(const std::string& path, const std::string& title, bool landscape = false);
  // A job drawing each page into an image (A4, white, at dpi dots per
  // inch), for a preview on the screen; TakePageImages gives them.
  BOOL StartImages(const std::string& title, int dpi = 96, bool landscape = false);
  // The pages an image job drew, in order (the job keeps none).
  std::vector<std::unique_ptr<CBitmap>> TakePageImages();
  // A job on the named printer (empty: the default one); FALSE when there
  // is none (or the redirect's folder cannot be written).
  BOOL StartPrinter(const std::string& title, const std::string& printerName = std::string(),
                    bool landscape = false);
  // The context of a new page; null when no job is open.
  CDC* StartPage();
  BOOL EndPage();
  // Finishes the document; FALSE when it could not be written.
  BOOL EndDoc();
  void AbortDoc();
  int GetPageCount() const { return m_nPages; }
  // True once a page or the document could not be written (the file or
  // the printer refused it), as against a job its caller abandoned.
  bool HasFailed() const { return m_bFailed; }
  // The file a PDF (or redirected) job writes.
  std::string GetOutputPath() const { return m_strPath; }

  // Sends printer jobs to "<folder>/<title>.pdf" instead; empty restores printing.
  static void SetPrinterRedirect(const std::string& folder);

  // The installed printers, the default one first; empty when there is none.
  static std::vector<std::string> GetPrinterNames();
  // Tests: these names stand for the installed printers until
  // ResetPrinterNames (pair it with SetPrinterRedirect to print on them).
  static void SetPrinterNames(const std::vector<std::string>& names);
  static void ResetPrinterNames();

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
  int m_nPages = 0;
  bool m_bFailed = false;
  std::string m_strPath;
};
