#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QStyle>
#include <QWidget>
#include <map>

#include "platform/ui/Cursors.h"
#include "platform/ui/Icons.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/Resources.h"

namespace {

QWidget* g_cursorTarget = nullptr;
HCURSOR g_currentCursor = nullptr;

struct StandardCursor {
  UINT id;
  Qt::CursorShape shape;
};
constexpr StandardCursor kStandardCursors[] = {
    {IDC_ARROW, Qt::ArrowCursor},       {IDC_IBEAM, Qt::IBeamCursor},
    {IDC_WAIT, Qt::WaitCursor},         {IDC_CROSS, Qt::CrossCursor},
    {IDC_UPARROW, Qt::UpArrowCursor},   {IDC_SIZENWSE, Qt::SizeFDiagCursor},
    {IDC_SIZENESW, Qt::SizeBDiagCursor}, {IDC_SIZEWE, Qt::SizeHorCursor},
    {IDC_SIZENS, Qt::SizeVerCursor},    {IDC_SIZEALL, Qt::SizeAllCursor},
    {IDC_NO, Qt::ForbiddenCursor},      {IDC_HAND, Qt::PointingHandCursor},
    {IDC_APPSTARTING, Qt::BusyCursor},
};

std::map<UINT, HCURSOR__>& CursorCache() {
  static std::map<UINT, HCURSOR__> cache;
  return cache;
}

}  // namespace

HCURSOR LoadStandardCursor(UINT idc) {
  for (const StandardCursor& c : kStandardCursors) {
    if (c.id == idc) {
      auto [it, added] = CursorCache().try_emplace(idc);
      if (added) it->second.cursor = QCursor(c.shape);
      return &it->second;
    }
  }
  return nullptr;
}

HCURSOR LoadCursor(UINT id) {
  if (HCURSOR standard = LoadStandardCursor(id)) return standard;
  auto it = CursorCache().find(id);
  if (it != CursorCache().end()) return &it->second;
  const CursorTemplate* t = ResourceTable::Instance().FindCursor(id);
  if (t == nullptr) return nullptr;
  if (t->standardShape != 0) {
    HCURSOR standard = LoadStandardCursor(static_cast<UINT>(t->standardShape));
    if (standard == nullptr) return nullptr;
    return &CursorCache().emplace(id, *standard).first->second;
  }
  HCURSOR__ cursor;
  cursor.cursor = QCursor(QPixmap::fromImage(platform_detail::RenderImageTemplate(t->image)), t->hotSpot.x,
                          t->hotSpot.y);
  return &CursorCache().emplace(id, cursor).first->second;
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR previous = g_currentCursor;
  g_currentCursor = cursor;
  QWidget* target = g_cursorTarget;
  if (target == nullptr) target = QWidget::mouseGrabber();
  if (target == nullptr) target = QApplication::widgetAt(QCursor::pos());
  if (target != nullptr) {
    if (cursor != nullptr) target->setCursor(cursor->cursor);
    else target->setCursor(Qt::BlankCursor);
  }
  return previous;
}

HCURSOR GetCursor() { return g_currentCursor; }

BOOL GetCursorPos(CPoint* point) {
  if (point == nullptr) return FALSE;
  const QPoint p = QCursor::pos();
  *point = CPoint(p.x(), p.y());
  return TRUE;
}

namespace platform_detail {
CursorTargetScope::CursorTargetScope(QWidget* widget) : m_previous(g_cursorTarget) { g_cursorTarget = widget; }
CursorTargetScope::~CursorTargetScope() { g_cursorTarget = m_previous; }
}  // namespace platform_detail

// ---- Icons ---------------------------------------------------------------------------

HICON LoadIcon(UINT id) {
  static std::map<UINT, HICON__> cache;
  auto it = cache.find(id);
  if (it != cache.end()) return &it->second;
  HICON__ icon;
  QStyle::StandardPixmap standard = QStyle::SP_CustomBase;
  switch (id) {
    case IDI_APPLICATION: standard = QStyle::SP_ComputerIcon; break;
    case IDI_ERROR: standard = QStyle::SP_MessageBoxCritical; break;
    case IDI_QUESTION: standard = QStyle::SP_MessageBoxQuestion; break;
    case IDI_WARNING: standard = QStyle::SP_MessageBoxWarning; break;
    case IDI_INFORMATION: standard = QStyle::SP_MessageBoxInformation; break;
    default: break;
  }
  if (standard != QStyle::SP_CustomBase) {
    icon.image = QApplication::style()->standardIcon(standard).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    if (icon.image.isNull()) {
      icon.image = QImage(32, 32, QImage::Format_ARGB32);
      icon.image.fill(Qt::transparent);
    }
  } else {
    const ImageTemplate* t = ResourceTable::Instance().FindIcon(id);
    if (t == nullptr) return nullptr;
    icon.image = platform_detail::RenderImageTemplate(*t);
  }
  return &cache.emplace(id, icon).first->second;
}

CSize GetIconSize(HICON icon) {
  return icon != nullptr ? CSize(icon->image.width(), icon->image.height()) : CSize();
}
