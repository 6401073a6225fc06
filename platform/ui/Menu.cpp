#include "platform/ui/Menu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPointer>

#include "platform/Wnd.h"
#include "platform/WndBridge.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ResourceTable.h"

namespace {

CMenu::PopupMenuHandler& Handler() {
  static CMenu::PopupMenuHandler handler;
  return handler;
}

constexpr UINT kStateBits = MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_DEFAULT;

void BuildFrom(CMenu& menu, const std::vector<MenuItemTemplate>& items) {
  for (const MenuItemTemplate& t : items) {
    if (t.flags & MF_POPUP) {
      CMenu popup;
      popup.CreatePopupMenu();
      BuildFrom(popup, t.items);
      menu.AppendMenu(MF_POPUP | (t.flags & kStateBits), &popup, t.text);
    } else if (t.flags & MF_SEPARATOR) {
      menu.AppendMenu(MF_SEPARATOR);
    } else {
      menu.AppendMenu(MF_STRING | (t.flags & kStateBits), t.id, t.text);
    }
  }
}

}  // namespace

CMenu::CMenu() = default;
CMenu::~CMenu() = default;

CMenu::CMenu(const CMenu& other) { *this = other; }

CMenu& CMenu::operator=(const CMenu& other) {
  if (this == &other) return *this;
  m_bCreated = other.m_bCreated;
  m_bPopup = other.m_bPopup;
  m_items.clear();
  for (const Item& item : other.m_items) {
    Item copy;
    copy.text = item.text;
    copy.id = item.id;
    copy.flags = item.flags;
    if (item.popup) copy.popup = std::make_unique<CMenu>(*item.popup);
    m_items.push_back(std::move(copy));
  }
  return *this;
}

CMenu::PopupMenuHandler CMenu::SetPopupMenuHandler(PopupMenuHandler handler) {
  PopupMenuHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

BOOL CMenu::CreateMenu() {
  m_items.clear();
  m_bCreated = true;
  m_bPopup = false;
  return TRUE;
}

BOOL CMenu::CreatePopupMenu() {
  CreateMenu();
  m_bPopup = true;
  return TRUE;
}

BOOL CMenu::LoadMenu(UINT resourceId) {
  const MenuTemplate* t = ResourceTable::Instance().FindMenu(resourceId);
  if (t == nullptr) return FALSE;
  CreateMenu();
  BuildFrom(*this, t->items);
  return TRUE;
}

BOOL CMenu::DestroyMenu() {
  if (!m_bCreated) return FALSE;
  m_items.clear();
  m_bCreated = false;
  return TRUE;
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(m_items.size()); }

UINT CMenu::GetMenuItemID(int position) const {
  if (position < 0 || position >= static_cast<int>(m_items.size())) return static_cast<UINT>(-1);
  const Item& item = m_items[static_cast<size_t>(position)];
  if (item.popup) return static_cast<UINT>(-1);
  return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

CMenu* CMenu::GetSubMenu(int position) const {
  if (position < 0 || position >= static_cast<int>(m_items.size())) return nullptr;
  return m_items[static_cast<size_t>(position)].popup.get();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) {
  return InsertMenu(static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}

BOOL CMenu::AppendMenu(UINT flags, const CMenu* popup, const std::string& text) {
  if (popup == nullptr) return FALSE;
  if (!m_bCreated) CreateMenu();
  Item item;
  item.text = text;
  item.flags = (flags & kStateBits) | MF_POPUP;
  item.popup = std::make_unique<CMenu>(*popup);
  item.popup->m_bPopup = true;
  m_items.push_back(std::move(item));
  return TRUE;
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, const std::string& text) {
  if (!m_bCreated) CreateMenu();
  Item item;
  item.text = (flags & MF_SEPARATOR) ? std::string() : text;
  item.id = (flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(id);
  item.flags = flags & (kStateBits | MF_SEPARATOR);
  std::vector<Item>* list = &m_items;
  size_t index = m_items.size();
  if (position != static_cast<UINT>(-1)) {
    if (flags & MF_BYPOSITION) {
      index = std::min<size_t>(position, m_items.size());
    } else {
      CMenu* container = nullptr;
      if (!FindItem(position, MF_BYCOMMAND, &container)) return FALSE;
      list = &container->m_items;
      for (index = 0; index < list->size() && (*list)[index].id != position; ++index) {}
    }
  }
  list->insert(list->begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
  return TRUE;
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, const std::string& text) {
  Item* item = FindItem(position, flags);
  if (!item) return FALSE;
  item->flags = (item->flags & MF_POPUP) | (flags & (kStateBits | MF_SEPARATOR));
  if (!item->popup) item->id = static_cast<UINT>(id);
  item->text = (flags & MF_SEPARATOR) ? std::string() : text;
  return TRUE;
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) {
  CMenu* container = nullptr;
  Item* item = FindItem(position, flags, &container);
  if (!item) return FALSE;
  auto& list = container->m_items;
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (&*it == item) {
      list.erase(it);
      return TRUE;
    }
  }
  return FALSE;
}

CMenu::Item* CMenu::FindItem(UINT item, UINT flags, CMenu** container) {
  if (flags & MF_BYPOSITION) {
    if (item >= m_items.size()) return nullptr;
    if (container) *container = this;
    return &m_items[item];
  }
  for (Item& i : m_items) {
    if (!i.popup && !(i.flags & MF_SEPARATOR) && i.id == item) {
      if (container) *container = this;
      return &i;
    }
  }
  for (Item& i : m_items)
    if (i.popup)
      if (Item* found = i.popup->FindItem(item, flags, container)) return found;
  return nullptr;
}

const CMenu::Item* CMenu::FindItem(UINT item, UINT flags) const {
  return const_cast<CMenu*>(this)->FindItem(item, flags, nullptr);
}

UINT CMenu::CheckMenuItem(UINT item, UINT check) {
  Item* i = FindItem(item, check);
  if (!i) return static_cast<UINT>(-1);
  const UINT old = i->flags & MF_CHECKED;
  i->flags = (i->flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return old;
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
  Item* i = FindItem(item, enable);
  if (!i) return static_cast<UINT>(-1);
  const UINT old = i->flags & (MF_GRAYED | MF_DISABLED);
  i->flags = (i->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return old;
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
  for (UINT i = first; i <= last; ++i)
    if (CheckMenuItem(i, (flags & MF_BYPOSITION) | (i == item ? MF_CHECKED : MF_UNCHECKED)) == static_cast<UINT>(-1))
      return FALSE;
  return TRUE;
}

BOOL CMenu::SetDefaultItem(UINT item, BOOL byPosition) {
  if (item == static_cast<UINT>(-1)) {
    for (Item& i : m_items) i.flags &= ~MF_DEFAULT;
    return TRUE;
  }
  // The item must be one of this menu's own (not of a submenu).
  Item* target = nullptr;
  if (byPosition) {
    if (item < m_items.size()) target = &m_items[item];
  } else {
    for (Item& i : m_items)
      if (!i.popup && i.id == item) target = &i;
  }
  if (!target) return FALSE;
  for (Item& i : m_items) i.flags &= ~MF_DEFAULT;
  target->flags |= MF_DEFAULT;
  return TRUE;
}

UINT CMenu::GetDefaultItem(UINT, BOOL byPosition) const {
  for (size_t i = 0; i < m_items.size(); ++i)
    if (m_items[i].flags & MF_DEFAULT) return byPosition ? static_cast<UINT>(i) : m_items[i].id;
  return static_cast<UINT>(-1);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
  const Item* i = FindItem(item, flags);
  if (!i) return static_cast<UINT>(-1);
  return (i->flags & (kStateBits | MF_SEPARATOR)) | (i->popup ? MF_POPUP : 0);
}

int CMenu::GetMenuString(UINT item, std::string& text, UINT flags) const {
  const Item* i = FindItem(item, flags);
  text = i ? i->text : std::string();
  return static_cast<int>(text.size());
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const {
  std::string text;
  GetMenuString(item, text, flags);
  return text;
}

void CMenu::FillQMenu(QMenu* menu, CWnd* owner, const std::function<void(UINT)>& onCommand) {
  menu->clear();
  for (Item& item : m_items) {
    if (item.flags & MF_SEPARATOR) {
      menu->addSeparator();
      continue;
    }
    // '&' marks the mnemonic in both; "\t" separates the accelerator text.
    const QString text = platform_detail::ToQString(item.text);
    if (item.popup) {
      QMenu* sub = menu->addMenu(text);
      sub->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
      CMenu* popup = item.popup.get();
      const UINT index = static_cast<UINT>(&item - m_items.data());
      QObject::connect(sub, &QMenu::aboutToShow, sub, [popup, sub, owner, index, onCommand] {
        if (owner && owner->IsWindowCreated())
          owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(static_cast<int>(index), 0));
        popup->FillQMenu(sub, owner, onCommand);
      });
      continue;
    }
    QAction* action = menu->addAction(text);
    action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
    action->setCheckable((item.flags & MF_CHECKED) != 0);
    action->setChecked((item.flags & MF_CHECKED) != 0);
    if (item.flags & MF_DEFAULT) {
      QFont font = action->font();
      font.setBold(true);
      action->setFont(font);
    }
    const UINT id = item.id;
    QObject::connect(action, &QAction::triggered, menu, [id, onCommand] { onCommand(id); });
  }
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const CRect*) {
  if (owner == nullptr || !owner->IsWindowCreated()) return FALSE;
  HWND ownerHandle = owner->m_hWnd;
  owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(this), 0);
  UINT chosen = 0;
  if (Handler()) {
    chosen = Handler()(*this);
  } else if (QWidget* ownerWidget = owner->GetWidget()) {
    // Made on the heap: the owner's widget may go while the menu is up and
    // takes the menu along. A window that goes (or is asked to close) while
    // its handler runs this menu closes it: nothing is chosen.
    const QPointer<QMenu> menu = new QMenu(ownerWidget);
    FillQMenu(menu, owner, [&chosen](UINT id) { chosen = id; });
    const platform_detail::NestedLoopScope nested([menu] {
      if (menu) menu->close();
    });
    menu->exec(QPoint(x, y));
    delete menu.data();
  }
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen != 0 && !(flags & TPM_NONOTIFY) && CWnd::IsWindow(ownerHandle))
    CWnd::SendMessage(ownerHandle, WM_COMMAND, MAKEWPARAM(static_cast<int>(chosen), 0), 0);
  return TRUE;
}

// ---- CCmdUI -------------------------------------------------------------------------------

void CCmdUI::Enable(BOOL on) {
  m_bEnableChanged = true;
  if (m_pMenu) m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void CCmdUI::SetCheck(int check) {
  if (m_pMenu) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetText(const std::string& text) {
  if (!m_pMenu) return;
  const UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
  if (state == static_cast<UINT>(-1)) return;
  m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | (state & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_DEFAULT)),
                      m_pMenu->GetMenuItemID(static_cast<int>(m_nIndex)), text);
}

// ---- Accelerators ---------------------------------------------------------------------------

UINT FindAccelerator(const AcceleratorTemplate& table, UINT virtualKey, bool ctrl, bool shift, bool alt) {
  for (const AccelEntry& e : table.entries) {
    if (e.key != virtualKey) continue;
    if (((e.fVirt & FCONTROL) != 0) != ctrl) continue;
    if (((e.fVirt & FSHIFT) != 0) != shift) continue;
    if (((e.fVirt & FALT) != 0) != alt) continue;
    return e.cmd;
  }
  return 0;
}

const AcceleratorTemplate* LoadAccelerators(UINT resourceId) {
  return ResourceTable::Instance().FindAccelerators(resourceId);
}
