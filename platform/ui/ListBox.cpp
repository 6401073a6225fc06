#include "platform/ui/ListBox.h"

#include <QListWidget>
#include <QScrollBar>

#include "platform/ui/ListText.h"
#include "platform/ui/QtConvert.h"

using platform_detail::FromQString;
using platform_detail::ToQString;

namespace {

QListWidget* ListOf(const CWnd* wnd) { return dynamic_cast<QListWidget*>(wnd->GetWidget()); }

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

}  // namespace

CListBox::CListBox() = default;
CListBox::~CListBox() = default;

QWidget* CListBox::CreateNativeWidget(QWidget* parent) {
  auto* list = new QListWidget(parent);
  if (m_dwStyle & LBS_EXTENDEDSEL) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  else if (m_dwStyle & LBS_MULTIPLESEL) list->setSelectionMode(QAbstractItemView::MultiSelection);
  else list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy((m_dwStyle & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy((m_dwStyle & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  if (!(m_dwStyle & WS_BORDER)) list->setFrameShape(QFrame::NoFrame);
  list->setUniformItemSizes(true);
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] { UserSelectionChanged(); });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this](QListWidgetItem*) { UserDoubleClicked(); });
  return list;
}

void CListBox::UserSelectionChanged() {
  if (!m_bFromCode && (m_dwStyle & LBS_NOTIFY)) NotifyParent(LBN_SELCHANGE);
}

void CListBox::UserDoubleClicked() {
  if (m_dwStyle & LBS_NOTIFY) NotifyParent(LBN_DBLCLK);
}

int CListBox::SortedPosition(const std::string& text) const {
  return platform_detail::SortedInsertPosition(Items(ListOf(this)), ToQString(text));
}

int CListBox::AddString(const std::string& text) {
  QListWidget* list = ListOf(this);
  if (!list) return LB_ERR;
  const int index = (m_dwStyle & LBS_SORT) ? SortedPosition(text) : list->count();
  list->insertItem(index, ToQString(text));
  return index;
}

int CListBox::InsertString(int index, const std::string& text) {
  QListWidget* list = ListOf(this);
  if (!list || index > list->count()) return LB_ERR;
  if (index < 0) index = list->count();
  list->insertItem(index, ToQString(text));
  return index;
}

int CListBox::DeleteString(int index) {
  QListWidget* list = ListOf(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  m_bFromCode = true;
  delete list->takeItem(index);
  m_bFromCode = false;
  return list->count();
}

void CListBox::ResetContent() {
  if (QListWidget* list = ListOf(this)) {
    m_bFromCode = true;
    list->clear();
    m_bFromCode = false;
  }
}

int CListBox::GetCount() const {
  QListWidget* list = ListOf(this);
  return list ? list->count() : 0;
}

int CListBox::GetCurSel() const {
  QListWidget* list = ListOf(this);
  if (!list) return LB_ERR;
  if (list->selectionMode() == QAbstractItemView::SingleSelection) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? LB_ERR : list->row(selected.first());
  }
  return list->currentRow() >= 0 ? list->currentRow() : LB_ERR;
}

int CListBox::SetCurSel(int index) {
  QListWidget* list = ListOf(this);
  if (!list) return LB_ERR;
  m_bFromCode = true;
  if (index < 0 || index >= list->count()) {
    list->clearSelection();
    list->setCurrentRow(-1);
    m_bFromCode = false;
    return index == -1 ? 0 : LB_ERR;
  }
  list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  list->scrollToItem(list->item(index));
  m_bFromCode = false;
  return index;
}

int CListBox::GetText(int index, std::string& text) const {
  QListWidget* list = ListOf(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  text = FromQString(list->item(index)->text());
  return static_cast<int>(text.size());
}

std::string CListBox::GetText(int index) const {
  std::string text;
  GetText(index, text);
  return text;
}

int CListBox::GetTextLen(int index) const {
  std::string text;
  return GetText(index, text);
}

int CListBox::FindString(int startAfter, const std::string& prefix) const {
  QListWidget* list = ListOf(this);
  return list ? platform_detail::FindListText(Items(list), startAfter, ToQString(prefix), false) : LB_ERR;
}

int CListBox::FindStringExact(int startAfter, const std::string& text) const {
  QListWidget* list = ListOf(this);
  return list ? platform_detail::FindListText(Items(list), startAfter, ToQString(text), true) : LB_ERR;
}

int CListBox::SelectString(int startAfter, const std::string& prefix) {
  const int index = FindString(startAfter, prefix);
  return index < 0 ? LB_ERR : SetCurSel(index);
}

int CListBox::SetItemData(int index, DWORD_PTR_T data) {
  QListWidget* list = ListOf(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  list->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
  return 0;
}

DWORD_PTR_T CListBox::GetItemData(int index) const {
  QListWidget* list = ListOf(this);
  if (!list || index < 0 || index >= list->count()) return static_cast<DWORD_PTR_T>(LB_ERR);
  return static_cast<DWORD_PTR_T>(list->item(index)->data(Qt::UserRole).toULongLong());
}

int CListBox::GetTopIndex() const {
  QListWidget* list = ListOf(this);
  if (!list || list->count() == 0) return 0;
  QListWidgetItem* item = list->itemAt(2, 2);
  return item ? list->row(item) : 0;
}

int CListBox::SetTopIndex(int index) {
  QListWidget* list = ListOf(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
  return 0;
}

int CListBox::GetItemHeight(int) const {
  QListWidget* list = ListOf(this);
  if (!list) return LB_ERR;
  return list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
}

int CListBox::GetSel(int index) const {
  QListWidget* list = ListOf(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  return list->item(index)->isSelected() ? 1 : 0;
}

int CListBox::SetSel(int index, BOOL select) {
  QListWidget* list = ListOf(this);
  if (!list) return LB_ERR;
  m_bFromCode = true;
  if (index == -1) {
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(select != FALSE);
  } else if (index >= 0 && index < list->count()) {
    list->item(index)->setSelected(select != FALSE);
  } else {
    m_bFromCode = false;
    return LB_ERR;
  }
  m_bFromCode = false;
  return 0;
}

int CListBox::GetSelCount() const {
  QListWidget* list = ListOf(this);
  return list ? static_cast<int>(list->selectedItems().size()) : LB_ERR;
}

int CListBox::GetSelItems(int maxItems, int* indexes) const {
  QListWidget* list = ListOf(this);
  if (!list || indexes == nullptr) return LB_ERR;
  int n = 0;
  for (int i = 0; i < list->count() && n < maxItems; ++i)
    if (list->item(i)->isSelected()) indexes[n++] = i;
  return n;
}
