#include "platform/ui/SpinButtonCtrl.h"

#include <QBoxLayout>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <cstdio>

CSpinButtonCtrl::CSpinButtonCtrl() = default;
CSpinButtonCtrl::~CSpinButtonCtrl() = default;

QWidget* CSpinButtonCtrl::CreateNativeWidget(QWidget* parent) {
  auto* box = new QWidget(parent);
  const bool horizontal = (m_dwStyle & UDS_HORZ) != 0;
  auto* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box)) : new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* up = new QToolButton(box);
  auto* down = new QToolButton(box);
  up->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
  down->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
  up->setAutoRepeat(true);
  down->setAutoRepeat(true);
  for (QToolButton* b : {up, down}) b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  if (horizontal) {
    layout->addWidget(down);
    layout->addWidget(up);
  } else {
    layout->addWidget(up);
    layout->addWidget(down);
  }
  QObject::connect(up, &QToolButton::clicked, box, [this] { Step(+1); });
  QObject::connect(down, &QToolButton::clicked, box, [this] { Step(-1); });
  return box;
}

void CSpinButtonCtrl::OnWidgetCreated() {}

int CSpinButtonCtrl::OnCreate() {
  if (m_dwStyle & UDS_AUTOBUDDY) {
    // The sibling made just before this control.
    CWnd* parent = GetParent();
    CWnd* previous = nullptr;
    if (parent) {
      for (CWnd* child : parent->GetChildren()) {
        if (child == this) break;
        previous = child;
      }
    }
    if (previous) SetBuddy(previous);
  }
  return CWnd::OnCreate();
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
  m_nLower = lower;
  m_nUpper = upper;
  m_nPos = std::clamp(m_nPos, std::min(lower, upper), std::max(lower, upper));
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
  lower = m_nLower;
  upper = m_nUpper;
}

int CSpinButtonCtrl::SetPos(int pos) {
  const int old = m_nPos;
  m_nPos = std::clamp(pos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
  UpdateBuddy();
  return old;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
  CWnd* old = m_pBuddy;
  m_pBuddy = buddy;
  if (buddy && buddy->GetWidget() && GetWidget() && (m_dwStyle & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) {
    QWidget* b = buddy->GetWidget();
    const int w = std::min(GetWidget()->width() > 0 ? GetWidget()->width() : 16, 16);
    QRect g = b->geometry();
    if (m_dwStyle & UDS_ALIGNRIGHT) {
      g.setWidth(std::max(0, g.width() - w));
      b->setGeometry(g);
      GetWidget()->setGeometry(g.right() + 1, g.top(), w, g.height());
    } else {
      GetWidget()->setGeometry(g.left(), g.top(), w, g.height());
      g.setLeft(g.left() + w);
      b->setGeometry(g);
    }
  }
  UpdateBuddy();
  return old;
}

void CSpinButtonCtrl::UpdateBuddy() {
  if (!m_pBuddy || !(m_dwStyle & UDS_SETBUDDYINT)) return;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d", m_nPos);
  m_pBuddy->SetWindowText(buffer);
}

void CSpinButtonCtrl::Step(int direction) {
  if (!IsWindowCreated() || !IsWindowEnabled()) return;
  const int towardsUpper = m_nUpper >= m_nLower ? 1 : -1;
  const int delta = direction * towardsUpper;
  NMUPDOWN notice;
  notice.hdr.code = UDN_DELTAPOS;
  notice.iPos = m_nPos;
  notice.iDelta = delta;
  HWND self = m_hWnd;
  if (NotifyParent(&notice.hdr) != 0 || !IsWindow(self)) return;
  const int low = std::min(m_nLower, m_nUpper);
  const int high = std::max(m_nLower, m_nUpper);
  int pos = m_nPos + notice.iDelta;
  if (pos > high) pos = (m_dwStyle & UDS_WRAP) ? low : high;
  if (pos < low) pos = (m_dwStyle & UDS_WRAP) ? high : low;
  m_nPos = pos;
  UpdateBuddy();
  if (CWnd* parent = GetParent()) {
    const UINT message = (m_dwStyle & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    parent->SendMessage(message, MAKEWPARAM(static_cast<int>(SB_THUMBPOSITION), pos), reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
    if (IsWindow(self)) parent->SendMessage(message, MAKEWPARAM(static_cast<int>(SB_ENDSCROLL), pos), reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
  }
}
