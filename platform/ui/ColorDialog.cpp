#include "platform/ui/ColorDialog.h"

#include <QApplication>
#include <QColorDialog>

#include "platform/ui/DialogOwner.h"
#include "platform/ui/QtConvert.h"

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) {
  m_cc.rgbResult = initial & 0xFFFFFF;
  m_cc.Flags = flags | CC_RGBINIT;
  m_crCurrent = m_cc.rgbResult;
  m_pParentWnd = parent;
}

QWidget* CColorDialog::CreateNativeWidget(QWidget*) {
  auto* dialog = new QColorDialog();
  dialog->setOption(QColorDialog::DontUseNativeDialog, true);
  dialog->setCurrentColor(platform_detail::ToQColor(m_crCurrent));
  QObject::connect(dialog, &QColorDialog::currentColorChanged, dialog,
                   [this](const QColor& c) { m_crCurrent = platform_detail::FromQColor(c); });
  QObject::connect(dialog, &QDialog::accepted, dialog, [this] { EndDialog(IDOK); });
  QObject::connect(dialog, &QDialog::rejected, dialog, [this] { EndDialog(IDCANCEL); });
  return dialog;
}

BOOL CColorDialog::CreateDialogWindow(CWnd* parent, bool) {
  if (!CWnd::Create("Color", WS_POPUP | WS_CAPTION, CRect(0, 0, 0, 0), nullptr, 0)) return FALSE;
  QWidget* w = GetWidget();
  if (QWidget* owner = platform_detail::DialogOwnerWindow(parent, w)) w->setParent(owner, Qt::Dialog);
  w->setWindowModality(Qt::ApplicationModal);
  w->adjustSize();
  w->show();
  return TRUE;
}

INT_PTR CColorDialog::DoModal() {
  m_crCurrent = m_cc.rgbResult;
  const INT_PTR result = CDialog::DoModal();
  if (result == IDOK) m_cc.rgbResult = m_crCurrent;
  return result;
}

void CColorDialog::SetCurrentColor(COLORREF color) {
  m_crCurrent = color & 0xFFFFFF;
  if (auto* dialog = dynamic_cast<QColorDialog*>(GetWidget())) dialog->setCurrentColor(platform_detail::ToQColor(m_crCurrent));
}
