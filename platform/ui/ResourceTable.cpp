#include "platform/ui/ResourceTable.h"

#include <QPainter>
#include <memory>

#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Resources.h"

ResourceTable& ResourceTable::Instance() {
  static ResourceTable table;
  return table;
}

void ResourceTable::AddDialog(DialogTemplate dialog) { m_dialogs[dialog.id] = std::move(dialog); }
void ResourceTable::AddMenu(MenuTemplate menu) { m_menus[menu.id] = std::move(menu); }
void ResourceTable::AddAccelerators(AcceleratorTemplate table) { m_accelerators[table.id] = std::move(table); }
void ResourceTable::AddString(UINT id, std::string text) { m_strings[id] = std::move(text); }
void ResourceTable::AddBitmap(ImageTemplate image) { m_bitmaps[image.id] = std::move(image); }
void ResourceTable::AddIcon(ImageTemplate image) { m_icons[image.id] = std::move(image); }
void ResourceTable::AddCursor(CursorTemplate cursor) { m_cursors[cursor.id] = std::move(cursor); }

template <typename Map>
static const typename Map::mapped_type* FindIn(const Map& map, UINT id) {
  auto it = map.find(id);
  return it == map.end() ? nullptr : &it->second;
}

const DialogTemplate* ResourceTable::FindDialog(UINT id) const { return FindIn(m_dialogs, id); }
const MenuTemplate* ResourceTable::FindMenu(UINT id) const { return FindIn(m_menus, id); }
const AcceleratorTemplate* ResourceTable::FindAccelerators(UINT id) const { return FindIn(m_accelerators, id); }
const std::string* ResourceTable::FindString(UINT id) const { return FindIn(m_strings, id); }
const ImageTemplate* ResourceTable::FindBitmap(UINT id) const { return FindIn(m_bitmaps, id); }
const ImageTemplate* ResourceTable::FindIcon(UINT id) const { return FindIn(m_icons, id); }
const CursorTemplate* ResourceTable::FindCursor(UINT id) const { return FindIn(m_cursors, id); }

void ResourceTable::Clear() {
  m_dialogs.clear();
  m_menus.clear();
  m_accelerators.clear();
  m_strings.clear();
  m_bitmaps.clear();
  m_icons.clear();
  m_cursors.clear();
}

std::string LoadStringResource(UINT id) {
  const std::string* text = ResourceTable::Instance().FindString(id);
  return text != nullptr ? *text : std::string();
}

namespace platform_detail {

QImage RenderImageTemplate(const ImageTemplate& t) {
  if (t.width <= 0 || t.height <= 0) return QImage();
  if (t.draw) {
    CBitmap bitmap;
    bitmap.CreateBitmap(t.width, t.height, 1, 32, nullptr);
    {
      CDC dc;
      dc.CreateCompatibleDC(nullptr);
      dc.SelectObject(&bitmap);
      t.draw(dc);
    }
    return bitmap.GetImage()->convertToFormat(QImage::Format_ARGB32);
  }
  QImage image(t.width, t.height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < t.height && y < static_cast<int>(t.rows.size()); ++y) {
    const std::string& row = t.rows[static_cast<size_t>(y)];
    for (int x = 0; x < t.width && x < static_cast<int>(row.size()); ++x) {
      for (const auto& [key, colour] : t.palette) {
        if (key == row[static_cast<size_t>(x)]) {
          image.setPixel(x, y, 0xFF000000u | ToQRgb(colour));
          break;
        }
      }
    }
  }
  return image;
}

const QImage* FindBitmapImage(UINT id) {
  static std::map<UINT, QImage> cache;
  auto it = cache.find(id);
  if (it != cache.end()) return &it->second;
  const ImageTemplate* t = ResourceTable::Instance().FindBitmap(id);
  if (t == nullptr) return nullptr;
  QImage rendered = RenderImageTemplate(*t);
  // Transparent pixels of a bitmap show the button face, as bitmaps have no transparency.
  QImage opaque(rendered.size(), QImage::Format_RGB32);
  opaque.fill(QColor(240, 240, 240));
  {
    QPainter p(&opaque);
    p.drawImage(0, 0, rendered);
  }
  return &cache.emplace(id, opaque).first->second;
}

}  // namespace platform_detail
