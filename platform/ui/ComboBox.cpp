#include "platform/ui/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "platform/ui/ListText.h"
#include "platform/ui/QtConvert.h"

using platform_detail::FromQString;
using platform_detail::ToQString;

namespace {

class ComboWidget : public QComboBox {
 public:
  ComboWidget(CComboBox* owner, QWidget* parent) : QComboBox(parent), m_owner(owner) {}
  void Detach() { m_owner = nullptr; }
  void showPopup() override {
    if (m_owner) m_owner->PopupShown(true);
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    if (m_owner) m_owner->PopupShown(false);
  }

 private:
  CComboBox* m_owner;
};

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

}  // namespace

CComboBox::CComboBox() = default;
CComboBox::~CComboBox() {
  if (auto* w = dynamic_cast<ComboWidget*>(GetWidget())) w->Detach();
}

QWidget* CComboBox::CreateNativeWidget(QWidget* parent) {
  auto* box = new ComboWidget(this, parent);
  box->setEditable((m_dwStyle & 0x3) == CBS_DROPDOWN || (m_dwStyle & 0x3) == CBS_SIMPLE);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(20);
  box->setCurrentIndex(-1);
  QObject::connect(box, qOverload<int>(&QComboBox::activated), box, [this](int index) { UserSelected(index); });
  if (box->isEditable()) {
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, [this](const QString&) {
      NotifyParent(CBN_EDITUPDATE);
      if (IsWindowCreated()) NotifyParent(CBN_EDITCHANGE);
    });
  }
  return box;
}

void CComboBox::UserSelected(int) {
  HWND self = m_hWnd;
  NotifyParent(CBN_SELCHANGE);
  if (IsWindow(self)) NotifyParent(CBN_SELENDOK);
}

void CComboBox::PopupShown(bool shown) { NotifyParent(shown ? CBN_DROPDOWN : CBN_CLOSEUP); }

void CComboBox::SelectAsUser(int index) {
  if (SetCurSel(index) != CB_ERR || index == -1) UserSelected(index);
}

int CComboBox::SortedPosition(const std::string& text) const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return platform_detail::SortedInsertPosition(Items(box), ToQString(text));
}

int CComboBox::AddString(const std::string& text) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box) return CB_ERR;
  const int index = (m_dwStyle & CBS_SORT) ? SortedPosition(text) : box->count();
  const int current = box->currentIndex();
  box->insertItem(index, ToQString(text));
  if (current < 0) box->setCurrentIndex(-1);  // adding never selects
  return index;
}

int CComboBox::InsertString(int index, const std::string& text) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box || index > box->count()) return CB_ERR;
  if (index < 0) index = box->count();
  const int current = box->currentIndex();
  box->insertItem(index, ToQString(text));
  if (current < 0) box->setCurrentIndex(-1);
  return index;
}

int CComboBox::DeleteString(int index) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box || index < 0 || index >= box->count()) return CB_ERR;
  box->removeItem(index);
  return box->count();
}

void CComboBox::ResetContent() {
  if (auto* box = dynamic_cast<QComboBox*>(GetWidget())) box->clear();
}

int CComboBox::GetCount() const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return box ? box->count() : 0;
}

int CComboBox::GetCurSel() const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return box && box->currentIndex() >= 0 ? box->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box) return CB_ERR;
  if (index < 0 || index >= box->count()) {
    box->setCurrentIndex(-1);
    return CB_ERR;
  }
  box->setCurrentIndex(index);
  return index;
}

int CComboBox::GetLBText(int index, std::string& text) const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box || index < 0 || index >= box->count()) return CB_ERR;
  text = FromQString(box->itemText(index));
  return static_cast<int>(text.size());
}

std::string CComboBox::GetLBText(int index) const {
  std::string text;
  GetLBText(index, text);
  return text;
}

int CComboBox::GetLBTextLen(int index) const {
  std::string text;
  return GetLBText(index, text);
}

int CComboBox::FindString(int startAfter, const std::string& prefix) const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return box ? platform_detail::FindListText(Items(box), startAfter, ToQString(prefix), false) : CB_ERR;
}

int CComboBox::FindStringExact(int startAfter, const std::string& text) const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return box ? platform_detail::FindListText(Items(box), startAfter, ToQString(text), true) : CB_ERR;
}

int CComboBox::SelectString(int startAfter, const std::string& prefix) {
  const int index = FindString(startAfter, prefix);
  if (index < 0) return CB_ERR;
  return SetCurSel(index);
}

int CComboBox::SetItemData(int index, DWORD_PTR_T data) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box || index < 0 || index >= box->count()) return CB_ERR;
  box->setItemData(index, QVariant::fromValue<qulonglong>(data), Qt::UserRole);
  return 0;
}

DWORD_PTR_T CComboBox::GetItemData(int index) const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box || index < 0 || index >= box->count()) return static_cast<DWORD_PTR_T>(CB_ERR);
  return static_cast<DWORD_PTR_T>(box->itemData(index, Qt::UserRole).toULongLong());
}

BOOL CComboBox::GetDroppedState() const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return box && box->view() && box->view()->isVisible();
}

void CComboBox::ShowDropDown(BOOL show) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (!box) return;
  if (show) box->showPopup();
  else box->hidePopup();
}

void CComboBox::SetWindowText(const std::string& text) {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  if (box && box->isEditable()) box->setEditText(ToQString(text));
}

std::string CComboBox::GetWindowText() const {
  auto* box = dynamic_cast<QComboBox*>(GetWidget());
  return box ? FromQString(box->currentText()) : std::string();
}

void CComboBox::OnSetFocus(CWnd* oldWnd) {
  NotifyParent(CBN_SETFOCUS);
  CWnd::OnSetFocus(oldWnd);
}

void CComboBox::OnKillFocus(CWnd* newWnd) {
  NotifyParent(CBN_KILLFOCUS);
  CWnd::OnKillFocus(newWnd);
}
