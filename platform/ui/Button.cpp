#include "platform/ui/Button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

namespace {

// One toolkit button for every kind: it reports clicks and draws itself by
// the owner's current style, so a style change (BS_OWNERDRAW set by a
// derived button) takes effect at once.
class ButtonWidget : public QAbstractButton {
 public:
  ButtonWidget(CButton* owner, QWidget* parent) : QAbstractButton(parent), m_owner(owner) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] { m_owner->HandleClick(); });
  }
  void Detach() { m_owner = nullptr; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!m_owner) return;
    const DWORD style = m_owner->GetStyle();
    const DWORD kind = style & BS_TYPEMASK;
    if (kind == BS_OWNERDRAW) return PaintOwnerDrawn();
    if (kind == BS_GROUPBOX) return PaintGroupBox();
    QStylePainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.text = text();
    const int check = m_owner->GetCheck();
    if (check == BST_CHECKED) opt.state |= QStyle::State_On;
    else if (check == BST_INDETERMINATE) opt.state |= QStyle::State_NoChange;
    else opt.state |= QStyle::State_Off;
    if (isDown()) opt.state |= QStyle::State_Sunken;
    HICON icon = m_owner->GetIcon();
    if (icon != nullptr) {
      opt.icon = QIcon(QPixmap::fromImage(icon->image));
      opt.iconSize = icon->image.size();
    }
    const bool pushLike = kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE);
    if (pushLike) {
      if (kind == BS_DEFPUSHBUTTON) opt.features |= QStyleOptionButton::DefaultButton;
      if (check == BST_CHECKED) opt.state |= QStyle::State_Sunken;
      else if (!isDown()) opt.state |= QStyle::State_Raised;
      if (style & BS_FLAT) opt.features |= QStyleOptionButton::Flat;
      p.drawControl(QStyle::CE_PushButton, opt);
    } else if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
      p.drawControl(QStyle::CE_RadioButton, opt);
    } else {
      p.drawControl(QStyle::CE_CheckBox, opt);
    }
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (m_owner && (m_owner->IsOwnerDrawn() || (m_owner->GetStyle() & BS_NOTIFY))) {
      m_owner->NotifyParent(BN_DOUBLECLICKED);
      return;
    }
    QAbstractButton::mouseDoubleClickEvent(e);
  }
  bool hitButton(const QPoint& pos) const override {
    if (m_owner && (m_owner->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX) return false;
    return rect().contains(pos);
  }

 private:
  void PaintOwnerDrawn() {
    QPainter painter(this);
    CDC dc;
    dc.AttachPainter(&painter, 96, false);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(m_owner->GetDlgCtrlID());
    dis.itemAction = ODA_DRAWENTIRE;
    if (isDown() || m_owner->GetCheck() == BST_CHECKED) dis.itemState |= ODS_SELECTED;
    if (hasFocus()) dis.itemState |= ODS_FOCUS;
    if (!isEnabled()) dis.itemState |= ODS_DISABLED;
    if (underMouse()) dis.itemState |= ODS_HOTLIGHT;
    if (m_owner->GetCheck() == BST_CHECKED) dis.itemState |= ODS_CHECKED;
    dis.hwndItem = m_owner->m_hWnd;
    dis.pDC = &dc;
    dis.rcItem = CRect(0, 0, width(), height());
    if (m_owner->GetFont()) dc.SelectObject(m_owner->GetFont());
    m_owner->DrawItem(&dis);
  }
  void PaintGroupBox() {
    QPainter painter(this);
    CDC dc;
    dc.AttachPainter(&painter, 96, false);
    dc.SetTextColor(GetSysColor(isEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    HBRUSH brush = nullptr;
    if (CWnd* parent = m_owner->GetParent())
      brush = reinterpret_cast<HBRUSH>(parent->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc),
                                                           reinterpret_cast<LPARAM>(m_owner->m_hWnd)));
    if (m_owner->GetFont()) dc.SelectObject(m_owner->GetFont());
    const std::string caption = m_owner->GetWindowText();
    const CSize extent = dc.GetTextExtent(caption.empty() ? " " : caption);
    CRect frame(0, extent.cy / 2, width(), height());
    dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
      CRect text(8, 0, std::min(width() - 4, 8 + extent.cx + 4), extent.cy);
      if (brush != nullptr) dc.FillRect(text, brush);
      else dc.FillSolidRect(text, dc.GetBkColor());
      dc.SetBkMode(TRANSPARENT);
      CRect inner(10, 0, text.right, extent.cy);
      dc.DrawText(caption, &inner, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    }
  }

  CButton* m_owner;
};

}  // namespace

CButton::CButton() = default;

CButton::~CButton() {
  if (auto* w = dynamic_cast<ButtonWidget*>(GetWidget())) w->Detach();
}

QWidget* CButton::CreateNativeWidget(QWidget* parent) { return new ButtonWidget(this, parent); }

void CButton::OnWidgetCreated() {
  if (auto* w = dynamic_cast<QAbstractButton*>(GetWidget())) w->setText(w->windowTitle());
}

void CButton::SetCheck(int check) {
  if (check < BST_UNCHECKED || check > BST_INDETERMINATE) check = BST_CHECKED;
  if (m_nCheck == check) return;
  m_nCheck = check;
  if (GetWidget()) GetWidget()->update();
}

UINT CButton::GetState() const {
  UINT state = static_cast<UINT>(m_nCheck);
  if (auto* w = dynamic_cast<QAbstractButton*>(GetWidget())) {
    if (w->isDown()) state |= BST_PUSHED;
    if (w->hasFocus()) state |= BST_FOCUS;
  }
  return state;
}

void CButton::SetState(BOOL highlight) {
  if (auto* w = dynamic_cast<QAbstractButton*>(GetWidget())) w->setDown(highlight != FALSE);
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
  m_dwStyle = (m_dwStyle & 0xFFFF0000u) | (style & 0xFFFF);
  if (redraw && GetWidget()) GetWidget()->update();
}

HICON CButton::SetIcon(HICON icon) {
  HICON old = m_hIcon;
  m_hIcon = icon;
  if (GetWidget()) GetWidget()->update();
  return old;
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
  HBITMAP old = m_hBitmap;
  m_hBitmap = bitmap;
  if (bitmap != nullptr && bitmap->GetImage() != nullptr) {
    m_bitmapImage = std::make_unique<HICON__>();
    m_bitmapImage->image = bitmap->GetImage()->convertToFormat(QImage::Format_ARGB32);
    SetIcon(m_bitmapImage.get());
  }
  return old;
}

void CButton::SetWindowText(const std::string& text) {
  if (auto* w = dynamic_cast<QAbstractButton*>(GetWidget())) {
    w->setText(platform_detail::ToQString(text));
    w->update();
  }
}

std::string CButton::GetWindowText() const {
  if (auto* w = dynamic_cast<QAbstractButton*>(GetWidget())) return platform_detail::FromQString(w->text());
  return std::string();
}

void CButton::Click() {
  if (auto* w = dynamic_cast<QAbstractButton*>(GetWidget())) {
    if (w->isEnabled()) w->click();
  }
}

void CButton::HandleClick() {
  HWND self = m_hWnd;
  switch (m_dwStyle & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: SetCheck(m_nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); break;
    case BS_AUTO3STATE: SetCheck((m_nCheck + 1) % 3); break;
    case BS_AUTORADIOBUTTON: {
      SetCheck(BST_CHECKED);
      // The group: from the nearest WS_GROUP sibling at or before this one
      // to the next WS_GROUP sibling.
      CWnd* parent = GetParent();
      if (!parent) break;
      std::vector<CWnd*> siblings = parent->GetChildren();
      size_t self_index = 0;
      for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i] == this) self_index = i;
      size_t first = self_index;
      while (first > 0 && !(siblings[first]->GetStyle() & WS_GROUP)) --first;
      for (size_t i = first; i < siblings.size(); ++i) {
        if (i > first && (siblings[i]->GetStyle() & WS_GROUP)) break;
        auto* radio = dynamic_cast<CButton*>(siblings[i]);
        if (radio && radio != this && (radio->GetStyle() & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
          radio->SetCheck(BST_UNCHECKED);
      }
      break;
    }
    default: break;
  }
  if (IsWindow(self)) NotifyParent(BN_CLICKED);
}

void CButton::DrawItem(DRAWITEMSTRUCT* drawItem) {
  if (CWnd* parent = GetParent())
    parent->SendMessage(WM_DRAWITEM, static_cast<WPARAM>(m_nID), reinterpret_cast<LPARAM>(drawItem));
}
