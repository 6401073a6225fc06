// The print dialog: where a printout goes, chosen before anything prints.
// The list holds the installed printers (the default one chosen) and, last,
// a PDF file that the user names; with no printer installed it holds the
// PDF file only, chosen, and says so. OK with a PDF file checks the name
// (".pdf" added, a name without a folder goes to the home folder, the
// folder must exist, an existing file is replaced only when the user says
// so). A modal dialog from a template like the others, so tests drive it
// with the modal driver (SelectAsUser, TypeText, Click).
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CPrintJob;

class CPrintDialog : public CDialog {
 public:
  static constexpr UINT IDD_PRINT = 1538;
  static constexpr UINT IDC_PRINT_PRINTER = 1001;  // the printers and the PDF file
  static constexpr UINT IDC_PRINT_FILE = 1002;     // the PDF file's name
  static constexpr UINT IDC_PRINT_BROWSE = 1003;
  static constexpr UINT IDC_PRINT_NOTE = 1004;     // shown when no printer is installed
  static constexpr const char* kPdfEntry = "PDF file";

  // documentTitle names the suggested PDF file ("<title>.pdf" in the home folder).
  explicit CPrintDialog(const std::string& documentTitle, CWnd* parent = nullptr);

  // After IDOK: the PDF file named, or else the printer chosen.
  bool IsPrintToPdf() const { return m_bToPdf; }
  const std::string& GetPdfPath() const { return m_strPdfPath; }
  const std::string& GetDeviceName() const { return m_strDevice; }
  // Starts the job the user chose (a PDF file or the printer).
  BOOL StartJob(CPrintJob& job, const std::string& title, bool landscape) const;

  // The file a typed name means: blanks trimmed, ".pdf" added unless it
  // ends so (any case), a name without a folder put in homeFolder. Empty
  // for an empty name. Pure.
  static std::string ResolvePdfPath(const std::string& typed, const std::string& homeFolder);
  // A document title as the suggested file's name: colons and commas
  // dropped ("Printed on: Monday, ..." reads "Printed on Monday ..."),
  // folder separators made '-', blanks kept single; "print" when nothing is
  // left. Pure.
  static std::string FileNameOfTitle(const std::string& title);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnOK() override;

 private:
  bool IsPdfChosen() const;
  void ShowChoice();  // the file field is usable only for the PDF file
  void Browse();

  std::string m_strTitle;
  bool m_bToPdf = false;
  std::string m_strPdfPath;
  std::string m_strDevice;
};
