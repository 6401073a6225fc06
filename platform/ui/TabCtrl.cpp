#include "platform/ui/TabCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

#include "platform/ui/QtConvert.h"

using platform_detail::FromQString;
using platform_detail::ToQString;

namespace {

// The framed display area with the tab row along its top.
class TabWidget : public QWidget {
 public:
  TabWidget(CTabCtrl* owner, QWidget* parent) : QWidget(parent), m_owner(owner), m_bar(new QTabBar(this)) {
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->installEventFilter(this);
    QObject::connect(m_bar, &QTabBar::currentChanged, this, [this](int) {
      if (m_owner && !m_fromCode) {
        NMHDR header;
        header.code = TCN_SELCHANGE;
        m_owner->NotifyParent(&header);
      }
    });
  }
  QTabBar* Bar() const { return m_bar; }
  void Detach() { m_owner = nullptr; }
  void SetFromCode(bool fromCode) { m_fromCode = fromCode; }
  int RowHeight() const { return m_bar->sizeHint().height(); }

 protected:
  void resizeEvent(QResizeEvent*) override { m_bar->setGeometry(0, 0, width(), RowHeight()); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QStyleOptionTabWidgetFrame opt;
    opt.initFrom(this);
    opt.rect = QRect(0, RowHeight() - 1, width(), height() - RowHeight() + 1);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &p, this);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == m_bar && e->type() == QEvent::MouseButtonPress && m_owner) {
      const int index = m_bar->tabAt(static_cast<QMouseEvent*>(e)->position().toPoint());
      if (index >= 0 && index != m_bar->currentIndex() && !m_owner->UserClicked(index)) return true;
    }
    return false;
  }

 private:
  CTabCtrl* m_owner;
  QTabBar* m_bar;
  bool m_fromCode = false;
};

TabWidget* TabOf(const CWnd* wnd) { return dynamic_cast<TabWidget*>(wnd->GetWidget()); }

}  // namespace

CTabCtrl::CTabCtrl() = default;
CTabCtrl::~CTabCtrl() {
  if (TabWidget* w = TabOf(this)) w->Detach();
}

QWidget* CTabCtrl::CreateNativeWidget(QWidget* parent) { return new TabWidget(this, parent); }

bool CTabCtrl::UserClicked(int) {
  NMHDR header;
  header.code = TCN_SELCHANGING;
  return NotifyParent(&header) == 0;
}

void CTabCtrl::ClickTab(int index) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0 || index >= w->Bar()->count() || index == w->Bar()->currentIndex()) return;
  if (!UserClicked(index)) return;
  w->Bar()->setCurrentIndex(index);  // TCN_SELCHANGE from the toolkit's signal
}

int CTabCtrl::TabRowHeight() const {
  TabWidget* w = TabOf(this);
  return w ? w->RowHeight() : 0;
}

int CTabCtrl::InsertItem(int index, const std::string& text) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0) return -1;
  w->SetFromCode(true);
  const int at = w->Bar()->insertTab(std::min(index, w->Bar()->count()), ToQString(text));
  w->SetFromCode(false);
  return at;
}

BOOL CTabCtrl::DeleteItem(int index) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0 || index >= w->Bar()->count()) return FALSE;
  w->SetFromCode(true);
  w->Bar()->removeTab(index);
  w->SetFromCode(false);
  return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
  TabWidget* w = TabOf(this);
  if (!w) return FALSE;
  w->SetFromCode(true);
  while (w->Bar()->count() > 0) w->Bar()->removeTab(0);
  w->SetFromCode(false);
  return TRUE;
}

int CTabCtrl::GetItemCount() const {
  TabWidget* w = TabOf(this);
  return w ? w->Bar()->count() : 0;
}

int CTabCtrl::GetCurSel() const {
  TabWidget* w = TabOf(this);
  return w ? w->Bar()->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int index) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0 || index >= w->Bar()->count()) return -1;
  const int old = w->Bar()->currentIndex();
  w->SetFromCode(true);
  w->Bar()->setCurrentIndex(index);
  w->SetFromCode(false);
  return old;
}

std::string CTabCtrl::GetItemText(int index) const {
  TabWidget* w = TabOf(this);
  return w ? FromQString(w->Bar()->tabText(index)) : std::string();
}

BOOL CTabCtrl::SetItemText(int index, const std::string& text) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0 || index >= w->Bar()->count()) return FALSE;
  w->Bar()->setTabText(index, ToQString(text));
  return TRUE;
}

BOOL CTabCtrl::GetItemRect(int index, CRect* rect) const {
  TabWidget* w = TabOf(this);
  if (!w || !rect || index < 0 || index >= w->Bar()->count()) return FALSE;
  *rect = platform_detail::FromQRect(w->Bar()->tabRect(index));
  return TRUE;
}

void CTabCtrl::AdjustRect(BOOL larger, CRect* rect) const {
  if (!rect) return;
  const int top = TabRowHeight() + 2;
  if (larger) {
    rect->left -= 2;
    rect->right += 2;
    rect->bottom += 2;
    rect->top -= top;
  } else {
    rect->left += 2;
    rect->right -= 2;
    rect->bottom -= 2;
    rect->top += top;
  }
}

int CTabCtrl::HitTest(CPoint point) const {
  TabWidget* w = TabOf(this);
  return w ? w->Bar()->tabAt(QPoint(point.x, point.y)) : -1;
}
