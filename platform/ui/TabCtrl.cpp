#include "platform/ui/TabCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ui/QtConvert.h"

using platform_detail::FromQString;
using platform_detail::ToQString;

namespace {

// The framed display area with the tab row along its top. With
// TCS_MULTILINE the tabs that do not fit in one row are stacked in rows
// drawn here (the toolkit's bar then only keeps the tabs and the selection):
// every row is stretched to the full width and the selected tab's row lies
// next to the display area, the others above it in turn.
class TabWidget : public QWidget {
 public:
  TabWidget(CTabCtrl* owner, QWidget* parent, bool multiLine)
      : QWidget(parent), m_owner(owner), m_bar(new QTabBar(this)), m_multiLine(multiLine) {
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->installEventFilter(this);
    QObject::connect(m_bar, &QTabBar::currentChanged, this, [this](int) {
      Relayout();
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
  // The height of the tab rows at a width of the control.
  int TabAreaHeight(int width) const {
    const size_t rows = Rows(width).size();
    return RowHeight() * static_cast<int>(std::max<size_t>(rows, 1));
  }
  // A tab's rectangle in the control; empty when it has none.
  QRect TabRect(int index) const {
    if (!Stacked()) return m_bar->tabRect(index);
    for (const auto& [tab, rect] : m_rects)
      if (tab == index) return rect;
    return QRect();
  }
  int TabAt(const QPoint& point) const {
    if (!Stacked()) return m_bar->tabAt(point);
    for (const auto& [tab, rect] : m_rects)
      if (rect.contains(point)) return tab;
    return -1;
  }
  // Lays the tabs out again (after a change of the tabs, the selection or the size).
  void Relayout() {
    m_rects.clear();
    const std::vector<std::vector<int>> rows = Rows(width());
    const bool stacked = rows.size() > 1;
    m_bar->setVisible(!stacked);
    if (!stacked) {
      m_bar->setGeometry(0, 0, width(), RowHeight());
    } else {
      // The selected tab's row goes to the bottom, the rows after it above in turn.
      size_t selectedRow = 0;
      for (size_t r = 0; r < rows.size(); ++r)
        for (int tab : rows[r])
          if (tab == m_bar->currentIndex()) selectedRow = r;
      const int h = RowHeight();
      const int usable = std::max(1, width() - 2 * kRowInset);
      for (size_t k = 0; k < rows.size(); ++k) {
        const std::vector<int>& row = rows[(selectedRow + 1 + k) % rows.size()];
        const int y = static_cast<int>(k) * h;
        int natural = 0;
        for (int tab : row) natural += TabWidth(tab);
        int x = kRowInset;
        int spare = std::max(0, usable - natural);
        for (size_t i = 0; i < row.size(); ++i) {
          const int share = spare / static_cast<int>(row.size() - i);
          spare -= share;
          const int w = TabWidth(row[i]) + share;
          m_rects.emplace_back(row[i], QRect(x, y, w, h));
          x += w;
        }
      }
    }
    update();
  }

 protected:
  static constexpr int kRowInset = 2;
  bool Stacked() const { return !m_rects.empty(); }
  int TabWidth(int index) const { return std::max(1, m_bar->tabRect(index).width()); }
  std::vector<std::vector<int>> Rows(int width) const {
    std::vector<int> widths;
    for (int i = 0; i < m_bar->count(); ++i) widths.push_back(TabWidth(i));
    if (m_multiLine) return CTabCtrl::StackTabRows(widths, width - 2 * kRowInset);
    std::vector<int> all;  // one row, scrolled by the toolkit's arrows when too long
    for (int i = 0; i < m_bar->count(); ++i) all.push_back(i);
    return {all};
  }
  void resizeEvent(QResizeEvent*) override { Relayout(); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int top = TabAreaHeight(width());
    QStyleOptionTabWidgetFrame opt;
    opt.initFrom(this);
    opt.rect = QRect(0, top - 1, width(), height() - top + 1);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &p, this);
    for (const auto& [tab, rect] : m_rects) {
      QStyleOptionTab option;
      option.initFrom(m_bar);
      option.rect = rect;
      option.text = m_bar->tabText(tab);
      option.shape = QTabBar::RoundedNorth;
      option.position = QStyleOptionTab::Middle;
      if (tab == m_bar->currentIndex()) option.state |= QStyle::State_Selected;
      else option.state &= ~QStyle::State_Selected;
      style()->drawControl(QStyle::CE_TabBarTab, &option, &p, m_bar);
    }
  }
  void mousePressEvent(QMouseEvent* e) override {
    const int index = Stacked() ? TabAt(e->position().toPoint()) : -1;
    if (index < 0 || index == m_bar->currentIndex()) return;
    if (m_owner && !m_owner->UserClicked(index)) return;
    m_bar->setCurrentIndex(index);  // TCN_SELCHANGE from the toolkit's signal
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
  bool m_multiLine;
  bool m_fromCode = false;
  std::vector<std::pair<int, QRect>> m_rects;  // the stacked tabs' rectangles; empty in one row
};

TabWidget* TabOf(const CWnd* wnd) { return dynamic_cast<TabWidget*>(wnd->GetWidget()); }

}  // namespace

CTabCtrl::CTabCtrl() = default;
CTabCtrl::~CTabCtrl() {
  if (TabWidget* w = TabOf(this)) w->Detach();
}

QWidget* CTabCtrl::CreateNativeWidget(QWidget* parent) {
  return new TabWidget(this, parent, (m_dwStyle & TCS_MULTILINE) != 0);
}

std::vector<std::vector<int>> CTabCtrl::StackTabRows(const std::vector<int>& widths, int rowWidth) {
  std::vector<std::vector<int>> rows;
  int used = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    // A tab wider than the row still gets a row of its own.
    if (rows.empty() || (used + widths[i] > rowWidth && !rows.back().empty())) {
      rows.emplace_back();
      used = 0;
    }
    rows.back().push_back(static_cast<int>(i));
    used += widths[i];
  }
  return rows;
}

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
  return w ? w->TabAreaHeight(w->width()) : 0;
}

int CTabCtrl::TabAreaHeight(int width) const {
  TabWidget* w = TabOf(this);
  return w ? w->TabAreaHeight(width) : 0;
}

int CTabCtrl::InsertItem(int index, const std::string& text) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0) return -1;
  w->SetFromCode(true);
  const int at = w->Bar()->insertTab(std::min(index, w->Bar()->count()), ToQString(text));
  w->SetFromCode(false);
  w->Relayout();
  return at;
}

BOOL CTabCtrl::DeleteItem(int index) {
  TabWidget* w = TabOf(this);
  if (!w || index < 0 || index >= w->Bar()->count()) return FALSE;
  w->SetFromCode(true);
  w->Bar()->removeTab(index);
  w->SetFromCode(false);
  w->Relayout();
  return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
  TabWidget* w = TabOf(this);
  if (!w) return FALSE;
  w->SetFromCode(true);
  while (w->Bar()->count() > 0) w->Bar()->removeTab(0);
  w->SetFromCode(false);
  w->Relayout();
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
  w->Relayout();
  return TRUE;
}

BOOL CTabCtrl::GetItemRect(int index, CRect* rect) const {
  TabWidget* w = TabOf(this);
  if (!w || !rect || index < 0 || index >= w->Bar()->count()) return FALSE;
  *rect = platform_detail::FromQRect(w->TabRect(index));
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
  return w ? w->TabAt(QPoint(point.x, point.y)) : -1;
}
