#include "platform/ui/Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include "platform/Thread.h"
#include "platform/WndBridge.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/DialogItems.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Font.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/WinApp.h"

namespace {
CDialog::ModalDriver& Driver() {
  static CDialog::ModalDriver driver;
  return driver;
}
}  // namespace

QWidget* platform_detail::DialogOwnerWindow(const CWnd* parent, const QWidget* dialog) {
  if (parent != nullptr && parent == CWnd::GetDesktopWindow()) return nullptr;  // a window of its own
  QWidget* owner = parent && parent->GetWidget() ? parent->GetWidget()->window() : QApplication::activeWindow();
  while (owner != nullptr && owner->windowType() != Qt::Window && owner->windowType() != Qt::Dialog)
    owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;  // the splash has none
  if (owner == dialog) owner = nullptr;
  if (owner == nullptr) {
    // No window is active (a message box has just closed): the main window.
    CWnd* main = AfxGetMainWnd();
    QWidget* mainWidget = main ? main->GetWidget() : nullptr;
    if (mainWidget && mainWidget != dialog && mainWidget->isVisible()) owner = mainWidget->window();
  }
  return owner;
}

CDialog::CDialog() = default;
CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
CDialog::~CDialog() {
  if (m_pLoop) m_pLoop->quit();
}

CDialog::ModalDriver CDialog::SetModalDriver(ModalDriver driver) {
  ModalDriver previous = std::move(Driver());
  Driver() = std::move(driver);
  return previous;
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate& dialog, CWnd* parent, bool modal) {
  m_bModal = modal;
  m_bEnded = false;
  m_nResult = IDCANCEL;
  m_nPointSize = dialog.pointSize > 0 ? dialog.pointSize : 8;
  m_pDialogFont = std::make_unique<CFont>();
  m_pDialogFont->CreatePointFont(m_nPointSize * 10, dialog.fontFace.empty() ? "MS Shell Dlg" : dialog.fontFace);
  const bool child = (dialog.style & WS_CHILD) != 0 && parent != nullptr && !modal;
  CRect rect = DialogUnitsToPixels(CRect(dialog.x, dialog.y, dialog.x + dialog.cx, dialog.y + dialog.cy), m_nPointSize);
  DWORD style = dialog.style & ~WS_VISIBLE;
  if (!child) style &= ~WS_CHILD;
  if (!CWnd::Create(dialog.caption, style, rect, child ? parent : nullptr, dialog.id)) return FALSE;
  QWidget* w = GetWidget();
  if (!child) {
    QWidget* owner = platform_detail::DialogOwnerWindow(parent, w);
    w->setParent(owner, Qt::Dialog);
    w->setWindowTitle(platform_detail::ToQString(dialog.caption));
    w->resize(rect.Width(), rect.Height());
    if (modal) w->setWindowModality(Qt::ApplicationModal);
    // On its owner, else on the screen; never at the template's corner.
    CenterWindow(parent);
  }
  w->setFont(m_pDialogFont->GetQFont());
  SetFont(m_pDialogFont.get(), FALSE);
  m_templateControls.clear();
  CreateDialogItems(this, dialog, m_pDialogFont.get(), &m_templateControls);
  for (const DlgItemTemplate& item : dialog.items)
    if (item.itemClass == DlgItemClass::Button && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) m_nDefId = item.id;
  HWND self = m_hWnd;
  const LRESULT focusDefault = SendMessage(WM_INITDIALOG, 0, 0);
  if (!IsWindow(self)) return FALSE;
  if (focusDefault) {
    // The first control that takes the keyboard.
    for (CWnd* control : GetChildren()) {
      QWidget* cw = control->GetWidget();
      if ((control->GetStyle() & WS_TABSTOP) && cw->isEnabled() && cw->isVisibleTo(w) &&
          cw->focusPolicy() != Qt::NoFocus) {
        cw->setFocus(Qt::OtherFocusReason);
        break;
      }
    }
  }
  if (dialog.style & WS_VISIBLE || modal) ShowWindow(SW_SHOW);
  return TRUE;
}

BOOL CDialog::CreateDialogWindow(CWnd* parent, bool modal) {
  const DialogTemplate* dialog = ResourceTable::Instance().FindDialog(m_nIDTemplate);
  if (dialog == nullptr) return FALSE;
  return CreateFromTemplate(*dialog, parent, modal);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  if (IsWindowCreated()) return FALSE;
  m_nIDTemplate = templateId;
  m_pParentWnd = parent;
  m_bModal = false;
  return CreateDialogWindow(parent, false);
}

INT_PTR CDialog::DoModal() {
  if (IsWindowCreated()) return -1;
  m_bModal = true;
  m_bEnded = false;
  m_nResult = IDCANCEL;
  if (!CreateDialogWindow(m_pParentWnd, true)) {
    m_bModal = false;
    if (IsWindowCreated()) DestroyWindow();
    return -1;
  }
  return RunModalLoop();
}

INT_PTR CDialog::RunModalLoop() {
  HWND self = m_hWnd;
  if (Driver()) {
    ModalDriver driver = Driver();
    PostToUiThread([self, driver] {
      if (auto* dialog = dynamic_cast<CDialog*>(FromHandle(self)); dialog && !dialog->m_bEnded) driver(*dialog);
    });
  }
  if (!m_bEnded && IsWindow(self)) {
    QEventLoop loop;
    m_pLoop = &loop;
    // Ended with IDCANCEL when the window whose handler runs this dialog goes.
    const platform_detail::NestedLoopScope nested([self] {
      if (auto* dialog = dynamic_cast<CDialog*>(FromHandle(self)); dialog && !dialog->m_bEnded)
        dialog->EndDialog(IDCANCEL);
    });
    loop.exec(QEventLoop::DialogExec);
    m_pLoop = nullptr;
  }
  const int result = m_nResult;
  if (IsWindow(self)) DestroyWindow();
  m_bModal = false;
  return result;
}

void CDialog::EndDialog(int result) {
  m_nResult = result;
  if (m_bModal) {
    m_bEnded = true;
    if (m_pLoop) m_pLoop->quit();
    if (GetWidget()) GetWidget()->hide();
  } else {
    ShowWindow(SW_HIDE);
  }
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() { SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  return RunDataExchange(this, saveAndValidate, [this](CDataExchange* dx) { DoDataExchange(dx); });
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (code != BN_CLICKED) return FALSE;
  if (id == static_cast<UINT>(IDOK)) {
    OnOK();
    return TRUE;
  }
  if (id == static_cast<UINT>(IDCANCEL)) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_DESTROY:
      // A modal dialog destroyed (with the window that owns it) ends its loop.
      if (m_pLoop) {
        m_bEnded = true;
        m_pLoop->quit();
      }
      break;
    case WM_KEYDOWN: {
      if (wParam != VK_ESCAPE && wParam != VK_RETURN) break;
      // A focused push button is pressed itself.
      auto* button = dynamic_cast<CButton*>(GetFocus());
      if (wParam == VK_RETURN && button && button->GetParent() == this) {
        const DWORD kind = button->GetStyle() & BS_TYPEMASK;
        if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW) {
          button->Click();
          return 0;
        }
      }
      // A form embedded in another window (a panel of a view, a scroll
      // host, a property page) does not end on Esc or Return: the key goes
      // on to the window that holds it (a sheet takes them as its Cancel
      // and OK, a view as it sees fit).
      if (IsEmbeddedForm()) return Default();
      if (wParam == VK_ESCAPE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
      }
      // Otherwise Return presses the default button.
      CWnd* def = GetDlgItem(static_cast<int>(m_nDefId));
      if (def == nullptr) {
        if (m_nDefId == static_cast<UINT>(IDOK)) SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      } else if (def->IsWindowEnabled() && def->IsWindowVisible()) {
        if (auto* b = dynamic_cast<CButton*>(def)) b->Click();
        else SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(m_nDefId), BN_CLICKED), reinterpret_cast<LPARAM>(def->m_hWnd));
      }
      return 0;
    }
    default: break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (!control) return;
  control->SetFocus();
  if (auto* edit = dynamic_cast<CEdit*>(control)) edit->SetSel(0, -1);
}

void CDialog::NextDlgCtrl() const {
  if (QWidget* w = GetWidget()) {
    if (QWidget* focus = QApplication::focusWidget(); focus && w->isAncestorOf(focus)) focus->nextInFocusChain()->setFocus(Qt::TabFocusReason);
  }
}

void CDialog::PrevDlgCtrl() const {
  if (QWidget* w = GetWidget()) {
    if (QWidget* focus = QApplication::focusWidget(); focus && w->isAncestorOf(focus)) focus->previousInFocusChain()->setFocus(Qt::BacktabFocusReason);
  }
}

void CDialog::MapDialogRect(CRect* rect) const {
  if (rect) *rect = DialogUnitsToPixels(*rect, m_nPointSize);
}
