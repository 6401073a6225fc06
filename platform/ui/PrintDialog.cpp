#include "platform/ui/PrintDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QWidget>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/Seams.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/ResourceTemplates.h"

using platform_detail::FromQString;
using platform_detail::ToQString;

namespace {

constexpr const char* kNoPrinterNote = "No printer is installed: the printout goes to a PDF file.";

void RegisterPrintTemplate() {
  ResourceTable& table = ResourceTable::Instance();
  if (table.FindDialog(CPrintDialog::IDD_PRINT)) return;
  constexpr DWORD kFileEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
  table.AddDialog(dlg::Dialog(CPrintDialog::IDD_PRINT, "Print", 252, 86, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              {
                                  dlg::LText(0, "&Printer:", 7, 9, 40, 8),
                                  dlg::Combo(CPrintDialog::IDC_PRINT_PRINTER, 50, 7, 195, 100),
                                  dlg::LText(0, "PDF &file:", 7, 28, 40, 8),
                                  dlg::Edit(CPrintDialog::IDC_PRINT_FILE, 50, 26, 141, 12, kFileEdit),
                                  dlg::PushButton(CPrintDialog::IDC_PRINT_BROWSE, "&Browse...", 195, 25, 50, 14),
                                  dlg::LText(CPrintDialog::IDC_PRINT_NOTE, "", 7, 46, 238, 10),
                                  dlg::DefPushButton(IDOK, "Print", 140, 65, 50, 14),
                                  dlg::PushButton(IDCANCEL, "Cancel", 195, 65, 50, 14),
                              }));
}

std::string HomeFolder() { return FromQString(QDir::homePath()); }

}  // namespace

std::string CPrintDialog::FileNameOfTitle(const std::string& title) {
  std::string name;
  for (char c : title) {
    if (c == ':' || c == ',') continue;
    if (c == '/' || c == '\\') c = '-';
    if (c == ' ' && (name.empty() || name.back() == ' ')) continue;
    name += c;
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name.empty() ? "print" : name;
}

CPrintDialog::CPrintDialog(const std::string& documentTitle, CWnd* parent)
    : CDialog((RegisterPrintTemplate(), IDD_PRINT), parent), m_strTitle(documentTitle) {}

std::string CPrintDialog::ResolvePdfPath(const std::string& typed, const std::string& homeFolder) {
  const auto first = typed.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::string name = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
  std::string tail = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
  if (tail != ".pdf") name += ".pdf";
  if (name.front() != '/') {
    std::string home = homeFolder;
    if (!home.empty() && home.back() != '/') home += '/';
    name = home + name;
  }
  return name;
}

BOOL CPrintDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  auto* list = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PRINT_PRINTER));
  const std::vector<std::string> printers = CPrintJob::GetPrinterNames();
  if (list) {
    for (const std::string& name : printers) list->AddString(name);
    list->AddString(kPdfEntry);
    list->SetCurSel(0);  // the default printer, or the PDF file when there is none
  }
  SetDlgItemText(IDC_PRINT_FILE, ResolvePdfPath(FileNameOfTitle(m_strTitle), HomeFolder()));
  SetDlgItemText(IDC_PRINT_NOTE, printers.empty() ? kNoPrinterNote : "");
  ShowChoice();
  return TRUE;
}

bool CPrintDialog::IsPdfChosen() const {
  const auto* list = dynamic_cast<const CComboBox*>(GetDlgItem(IDC_PRINT_PRINTER));
  return !list || list->GetCurSel() == list->GetCount() - 1;
}

void CPrintDialog::ShowChoice() {
  const BOOL pdf = IsPdfChosen() ? TRUE : FALSE;
  if (CWnd* file = GetDlgItem(IDC_PRINT_FILE)) file->EnableWindow(pdf);
  if (CWnd* browse = GetDlgItem(IDC_PRINT_BROWSE)) browse->EnableWindow(pdf);
}

BOOL CPrintDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (id == IDC_PRINT_PRINTER && code == CBN_SELCHANGE) {
    ShowChoice();
    return TRUE;
  }
  if (id == IDC_PRINT_BROWSE && code == BN_CLICKED) {
    Browse();
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CPrintDialog::Browse() {
  const std::string current = ResolvePdfPath(GetDlgItemText(IDC_PRINT_FILE), HomeFolder());
  // Replacing an existing file is asked once, on OK.
  const QString chosen = QFileDialog::getSaveFileName(
      GetWidget(), QStringLiteral("Print to PDF file"), ToQString(current), QStringLiteral("PDF files (*.pdf)"),
      nullptr, QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  if (!chosen.isEmpty()) SetDlgItemText(IDC_PRINT_FILE, FromQString(chosen));
}

void CPrintDialog::OnOK() {
  const auto refuse = [this](const std::string& text) {
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    if (CWnd* file = GetDlgItem(IDC_PRINT_FILE)) GotoDlgCtrl(file);
  };
  m_bToPdf = IsPdfChosen();
  m_strPdfPath.clear();
  m_strDevice.clear();
  if (!m_bToPdf) {
    const auto* list = dynamic_cast<const CComboBox*>(GetDlgItem(IDC_PRINT_PRINTER));
    m_strDevice = list->GetLBText(list->GetCurSel());
    EndDialog(IDOK);
    return;
  }
  const std::string path = ResolvePdfPath(GetDlgItemText(IDC_PRINT_FILE), HomeFolder());
  if (path.empty()) return refuse("Please enter the name of the PDF file.");
  std::error_code ec;
  const std::filesystem::path file(path);
  if (!std::filesystem::is_directory(file.parent_path(), ec))
    return refuse("The folder of the PDF file does not exist:\n" + file.parent_path().string());
  if (std::filesystem::is_directory(file, ec)) return refuse("The PDF file's name is a folder:\n" + path);
  if (std::filesystem::exists(file, ec) &&
      AfxMessageBox("The file already exists:\n" + path + "\nReplace it?", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) !=
          IDYES)
    return;
  m_strPdfPath = path;
  EndDialog(IDOK);
}

BOOL CPrintDialog::StartJob(CPrintJob& job, const std::string& title, bool landscape) const {
  return m_bToPdf ? job.StartPdf(m_strPdfPath, title, landscape) : job.StartPrinter(title, m_strDevice, landscape);
}
