// Window placement helpers and the dialog-item helpers of CWnd.
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "platform/Wnd.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/WinApp.h"

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  if (!m_widget) return FALSE;
  if (!(flags & SWP_NOMOVE)) m_widget->move(x, y);
  if (!(flags & SWP_NOSIZE)) m_widget->resize(std::max(0, cx), std::max(0, cy));
  if (!(flags & SWP_NOZORDER) && insertAfter != nullptr && insertAfter->m_widget != nullptr) {
    // Below the given window: Qt stacks a widget under another.
    m_widget->stackUnder(insertAfter->m_widget);
  }
  if (flags & SWP_SHOWWINDOW) ShowWindow(SW_SHOWNA);
  if (flags & SWP_HIDEWINDOW) ShowWindow(SW_HIDE);
  return TRUE;
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  if (!m_widget) return;
  if (!m_widget->isWindow()) {
    if (QWidget* parent = m_widget->parentWidget(); parent && !parent->rect().isEmpty())
      m_widget->move((parent->width() - m_widget->width()) / 2, (parent->height() - m_widget->height()) / 2);
    return;
  }
  // A top-level window centres on its owner (the given one, or the window
  // it belongs to), else on the main window, else on the screen; it stays
  // inside the screen's available area.
  QWidget* top = nullptr;
  if (alternateOwner && alternateOwner->m_widget) top = alternateOwner->m_widget->window();
  else if (QWidget* parent = m_widget->parentWidget()) top = parent->window();
  else if (CWnd* main = AfxGetMainWnd(); main && main != this && main->m_widget && main->m_widget->isVisible())
    top = main->m_widget->window();
  if (top == m_widget) top = nullptr;
  QScreen* screen = top && top->screen() ? top->screen() : QApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect();
  const QRect area = top ? QRect(top->mapToGlobal(QPoint(0, 0)), top->size()) : available;
  if (area.isEmpty()) return;
  int x = area.x() + (area.width() - m_widget->width()) / 2;
  int y = area.y() + (area.height() - m_widget->height()) / 2;
  if (!available.isEmpty()) {
    x = std::max(available.left(), std::min(x, available.right() + 1 - m_widget->width()));
    y = std::max(available.top(), std::min(y, available.bottom() + 1 - m_widget->height()));
  }
  m_widget->move(x, y);
}

CWnd* CWnd::GetTopLevelParent() const {
  if (!m_widget) return nullptr;
  return FromWidget(m_widget->window());
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string CWnd::GetDlgItemText(int id) const {
  CWnd* item = GetDlgItem(id);
  return item ? item->GetWindowText() : std::string();
}

void CWnd::SetDlgItemInt(int id, int value, BOOL isSigned) {
  char buffer[32];
  if (isSigned) std::snprintf(buffer, sizeof buffer, "%d", value);
  else std::snprintf(buffer, sizeof buffer, "%u", static_cast<unsigned>(value));
  SetDlgItemText(id, buffer);
}

int CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
  if (translated) *translated = FALSE;
  const std::string text = GetDlgItemText(id);
  const char* begin = text.c_str();
  while (*begin == ' ' || *begin == '\t') ++begin;
  char* end = nullptr;
  const long long value = std::strtoll(begin, &end, 10);
  if (end == begin) return 0;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return 0;
  if (isSigned ? (value < INT32_MIN || value > INT32_MAX) : (value < 0 || value > UINT32_MAX)) return 0;
  if (translated) *translated = TRUE;
  return static_cast<int>(value);
}

void CWnd::CheckDlgButton(int id, UINT check) {
  if (auto* button = dynamic_cast<CButton*>(GetDlgItem(id))) button->SetCheck(static_cast<int>(check));
}

UINT CWnd::IsDlgButtonChecked(int id) const {
  auto* button = dynamic_cast<CButton*>(GetDlgItem(id));
  return button ? static_cast<UINT>(button->GetCheck()) : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (int id = firstId; id <= lastId; ++id) CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
  for (int id = firstId; id <= lastId; ++id)
    if (IsDlgButtonChecked(id) == BST_CHECKED) return id;
  return 0;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (parent == nullptr || m_widget != nullptr) return FALSE;
  CWnd* old = parent->GetDlgItem(static_cast<int>(id));
  if (old == nullptr || old == this) return FALSE;
  QWidget* oldWidget = old->m_widget;
  QWidget* parentWidget = parent->m_widget;
  // The sibling just above the old control (to keep the stacking) and the
  // one before it in the tab chain.
  const QObjectList siblings = parentWidget->children();
  QWidget* above = nullptr;
  QWidget* before = nullptr;
  bool found = false;
  for (QObject* o : siblings) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || !FromWidget(w)) continue;
    if (w == oldWidget) {
      found = true;
      continue;
    }
    if (!found) before = w;
    else if (!above) above = w;
  }
  const QRect g = oldWidget->geometry();
  DWORD style = old->m_dwStyle & ~(WS_VISIBLE | WS_DISABLED);
  if (oldWidget->isVisibleTo(parentWidget)) style |= WS_VISIBLE;
  if (!oldWidget->isEnabled()) style |= WS_DISABLED;
  const std::string text = old->GetWindowText();
  CFont* font = old->GetFont();
  old->DestroyWindow();
  if (!Create(text, style | WS_CHILD, CRect(g.x(), g.y(), g.x() + g.width(), g.y() + g.height()), parent, id))
    return FALSE;
  if (font) SetFont(font, FALSE);
  if (above) m_widget->stackUnder(above);
  if (before) QWidget::setTabOrder(before, m_widget);
  return TRUE;
}
