#include "platform/ui/PropertySheet.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <set>

#include "platform/ui/Button.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Font.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/TabCtrl.h"

namespace {

constexpr UINT kTabControlId = 0x3020;
constexpr int kMargin = 11;      // 7 dialog units
constexpr int kButtonWidth = 75;  // 50 x 14 dialog units
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 9;

std::set<const CPropertyPage*>& ModifiedPages() {
  static std::set<const CPropertyPage*> pages;
  return pages;
}

CSize PageSize(const CPropertyPage* page) {
  const DialogTemplate* t = ResourceTable::Instance().FindDialog(page->GetTemplateId());
  if (!t) return CSize(200, 100);
  const CRect r = DialogUnitsToPixels(CRect(0, 0, t->cx, t->cy), t->pointSize);
  return CSize(r.Width(), r.Height());
}

}  // namespace

// ---- CPropertyPage ------------------------------------------------------------------------

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId) {
  if (captionId != 0) m_strCaption = LoadStringResource(captionId);
}

CPropertyPage::~CPropertyPage() { ModifiedPages().erase(this); }

std::string CPropertyPage::GetCaption() const {
  if (!m_strCaption.empty()) return m_strCaption;
  const DialogTemplate* t = ResourceTable::Instance().FindDialog(m_nIDTemplate);
  return t ? t->caption : std::string();
}

BOOL CPropertyPage::CreatePage(CPropertySheet* sheet, const CRect& area) {
  m_pSheet = sheet;
  const DialogTemplate* t = ResourceTable::Instance().FindDialog(m_nIDTemplate);
  if (!t) return FALSE;
  DialogTemplate child = *t;
  child.style = (child.style | WS_CHILD) & ~(WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_THICKFRAME | WS_SYSMENU);
  m_pParentWnd = sheet;
  if (!CreateFromTemplate(child, sheet, false)) return FALSE;
  MoveWindow(area);
  return TRUE;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}
void CPropertyPage::OnReset() {}
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() { OnReset(); }

void CPropertyPage::SetModified(BOOL changed) {
  if (changed) ModifiedPages().insert(this);
  else ModifiedPages().erase(this);
  if (m_pSheet) m_pSheet->PageModified(this, changed);
}

void CPropertyPage::CancelToClose() {
  if (!m_pSheet) return;
  if (CWnd* ok = m_pSheet->GetDlgItem(IDOK)) ok->SetWindowText("Close");
  if (CWnd* cancel = m_pSheet->GetDlgItem(IDCANCEL)) cancel->EnableWindow(FALSE);
}

BOOL CPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  // Enter and Escape in a page mean the sheet's OK and Cancel.
  if ((id == static_cast<UINT>(IDOK) || id == static_cast<UINT>(IDCANCEL)) && lParam == 0 && m_pSheet) {
    m_pSheet->SendMessage(WM_COMMAND, wParam, 0);
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

// ---- CPropertySheet -------------------------------------------------------------------------

CPropertySheet::CPropertySheet() = default;
CPropertySheet::CPropertySheet(const std::string& caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption), m_nStartPage(selectPage) {
  m_pParentWnd = parent;
}
CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (!page) return;
  m_pages.push_back(page);
  page->m_pSheet = this;
  if (m_pTab) m_pTab->InsertItem(GetPageCount() - 1, page->GetCaption());
  PlacePages();
}

void CPropertySheet::PlacePages() {
  if (!m_pTab || !m_pTab->IsWindowCreated()) return;
  CRect tab;
  m_pTab->GetWindowRect(&tab);
  ScreenToClient(&tab);
  CRect area(0, 0, tab.Width(), tab.Height());
  m_pTab->AdjustRect(FALSE, &area);
  area.OffsetRect(tab.left, tab.top);
  if (area == m_rcPage) return;
  m_rcPage = area;
  for (CPropertyPage* page : m_pages)
    if (page->IsWindowCreated()) page->MoveWindow(m_rcPage);
}

void CPropertySheet::RemovePage(CPropertyPage* page) { RemovePage(GetPageIndex(page)); }

void CPropertySheet::RemovePage(int index) {
  if (index < 0 || index >= GetPageCount()) return;
  CPropertyPage* page = m_pages[static_cast<size_t>(index)];
  if (page->IsWindowCreated()) page->DestroyWindow();
  m_pages.erase(m_pages.begin() + index);
  if (m_pTab) m_pTab->DeleteItem(index);
  PlacePages();  // fewer rows of tabs may leave more room
  if (index == m_nActive) {
    m_nActive = -1;
    if (!m_pages.empty() && IsWindowCreated()) SetActivePage(std::min(index, GetPageCount() - 1));
  } else if (index < m_nActive) {
    --m_nActive;
  }
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* page) const {
  auto it = std::find(m_pages.begin(), m_pages.end(), page);
  return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_nActive); }

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

BOOL CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return FALSE;
  if (!IsWindowCreated()) {
    m_nStartPage = static_cast<UINT>(index);
    return TRUE;
  }
  if (index == m_nActive) return TRUE;
  if (CPropertyPage* current = GetActivePage()) {
    if (!current->OnKillActive()) return FALSE;
    current->ShowWindow(SW_HIDE);
  }
  CPropertyPage* page = m_pages[static_cast<size_t>(index)];
  if (!page->IsWindowCreated() && !page->CreatePage(this, m_rcPage)) return FALSE;
  m_nActive = index;
  if (m_pTab) m_pTab->SetCurSel(index);
  page->OnSetActive();
  page->ShowWindow(SW_SHOW);
  return TRUE;
}

void CPropertySheet::SetTitle(const std::string& title) {
  m_strCaption = title;
  if (IsWindowCreated()) SetWindowText(title);
}

BOOL CPropertySheet::PressButton(int button) {
  const int id = button == PSBTN_OK ? IDOK : button == PSBTN_CANCEL ? IDCANCEL : button == PSBTN_APPLYNOW ? ID_APPLY_NOW : 0;
  if (id == 0) return FALSE;
  SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  return TRUE;
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD) {
  if (IsWindowCreated()) return FALSE;
  m_pParentWnd = parent;
  return CreateDialogWindow(parent, false);
}

BOOL CPropertySheet::CreateDialogWindow(CWnd* parent, bool modal) {
  CSize page(200, 100);
  for (CPropertyPage* p : m_pages) {
    const CSize s = PageSize(p);
    page.cx = std::max(page.cx, s.cx);
    page.cy = std::max(page.cy, s.cy);
  }
  if (!CWnd::Create(m_strCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 100, 100), nullptr, 0)) return FALSE;
  QWidget* w = GetWidget();
  QWidget* owner = platform_detail::DialogOwnerWindow(parent, w);
  w->setParent(owner, Qt::Dialog);
  w->setWindowTitle(platform_detail::ToQString(m_strCaption));
  if (modal) w->setWindowModality(Qt::ApplicationModal);
  static CFont* font = [] {
    auto* f = new CFont;
    f->CreatePointFont(80, "MS Shell Dlg");
    return f;
  }();
  SetFont(font, FALSE);
  w->setFont(font->GetQFont());

  m_pTab = std::make_unique<CTabCtrl>();
  // The tabs stack in rows when they do not fit beside each other.
  m_pTab->Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_MULTILINE, CRect(0, 0, 10, 10), this, kTabControlId);
  m_pTab->SetFont(font, FALSE);
  for (int i = 0; i < GetPageCount(); ++i) m_pTab->InsertItem(i, m_pages[static_cast<size_t>(i)]->GetCaption());
  const int tabRow = m_pTab->TabAreaHeight(page.cx + 4);
  CRect tab(kMargin, kMargin, kMargin + page.cx + 4, kMargin + tabRow + 2 + page.cy + 2);
  m_pTab->MoveWindow(tab);
  m_rcPage = CRect(0, 0, tab.Width(), tab.Height());
  m_pTab->AdjustRect(FALSE, &m_rcPage);
  m_rcPage.OffsetRect(tab.left, tab.top);

  struct ButtonSpec {
    int id;
    const char* text;
    DWORD style;
  };
  // From the right: Apply, Cancel, OK; Help is made hidden.
  const ButtonSpec specs[] = {{IDOK, "OK", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP},
                              {IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP},
                              {ID_APPLY_NOW, "&Apply", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP | WS_DISABLED},
                              {IDHELP, "Help", BS_PUSHBUTTON | WS_TABSTOP}};
  const int y = tab.bottom + kMargin;
  int x = tab.right - 3 * kButtonWidth - 2 * kButtonGap;
  m_buttons.clear();
  for (const ButtonSpec& spec : specs) {
    auto button = std::make_unique<CButton>();
    const CRect r(x, y, x + kButtonWidth, y + kButtonHeight);
    button->Create(spec.text, WS_CHILD | spec.style, r, this, static_cast<UINT>(spec.id));
    button->SetFont(font, FALSE);
    if (spec.id != IDHELP) x += kButtonWidth + kButtonGap;
    m_buttons.push_back(std::move(button));
  }
  w->resize(tab.right + kMargin, y + kButtonHeight + kMargin);
  CenterWindow(parent);  // on its owner, else the main window or the screen
  m_nActive = -1;
  HWND self = m_hWnd;
  SendMessage(WM_INITDIALOG, 0, 0);
  if (!IsWindow(self)) return FALSE;
  ShowWindow(SW_SHOW);
  return TRUE;
}

BOOL CPropertySheet::OnInitDialog() {
  if (GetPageCount() > 0) {
    const int start = std::min(static_cast<int>(m_nStartPage), GetPageCount() - 1);
    SetActivePage(start);
  }
  return TRUE;
}

void CPropertySheet::PageModified(CPropertyPage*, BOOL) {
  bool any = false;
  for (CPropertyPage* p : m_pages) any = any || ModifiedPages().count(p) != 0;
  if (CWnd* apply = GetDlgItem(ID_APPLY_NOW)) apply->EnableWindow(any);
}

BOOL CPropertySheet::Apply() {
  if (CPropertyPage* active = GetActivePage(); active && !active->OnKillActive()) return FALSE;
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* page = m_pages[static_cast<size_t>(i)];
    if (!page->IsWindowCreated()) continue;
    if (!page->OnApply()) {
      SetActivePage(i);
      return FALSE;
    }
    ModifiedPages().erase(page);
  }
  PageModified(nullptr, FALSE);
  return TRUE;
}

void CPropertySheet::OnOK() {
  if (Apply()) EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
  for (CPropertyPage* page : m_pages)
    if (page->IsWindowCreated()) page->OnCancel();
  EndDialog(IDCANCEL);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (id == static_cast<UINT>(ID_APPLY_NOW) && HIWORD(wParam) == BN_CLICKED) {
    Apply();
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

BOOL CPropertySheet::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header || header->idFrom != kTabControlId) return FALSE;
  if (header->code == TCN_SELCHANGING) {
    CPropertyPage* active = GetActivePage();
    *result = (active && !active->OnKillActive()) ? TRUE : FALSE;
    return TRUE;
  }
  if (header->code == TCN_SELCHANGE) {
    // The leaving page agreed at TCN_SELCHANGING.
    const int index = m_pTab->GetCurSel();
    if (CPropertyPage* current = GetActivePage()) current->ShowWindow(SW_HIDE);
    m_nActive = -1;
    SetActivePage(index);
    return TRUE;
  }
  return FALSE;
}
