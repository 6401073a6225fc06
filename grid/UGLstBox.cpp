// The popup list of the drop-list cell type.
#include "grid/UGLstBox.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "grid/UGCtrl.h"
#include "grid/UGDropListType.h"
#include "grid/UGGrid.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"

namespace {
constexpr UINT kCloseMessage = WM_USER + 302;
constexpr int kMaxVisibleItems = 15;
constexpr int kDefaultItemHeight = 12;
constexpr int kFontDpi = 96;  // font heights are kept in pixels at this resolution
}  // namespace

int UGListItemHeight(const LOGFONT* font, int logPixelsY) {
  if (font == nullptr || font->lfHeight == 0 || logPixelsY <= 0) return kDefaultItemHeight;
  // The font's size in points, then in pixels of the screen.
  const double points = std::abs(static_cast<double>(font->lfHeight)) * 72.0 / kFontDpi;
  return std::max(1, static_cast<int>(std::lround(points * logPixelsY / 72.0)));
}

CRect UGPlaceListRect(const CRect& cellRect, int visibleItems, int itemHeight, const CRect& client) {
  CRect rect(cellRect.left, cellRect.top, cellRect.right, cellRect.top + visibleItems * itemHeight + 6);
  // Inside the cell area: up or left as needed, and no taller than it.
  if (rect.Height() > client.Height()) rect.bottom = rect.top + client.Height();
  if (rect.bottom > client.bottom) rect.OffsetRect(0, std::max(client.bottom - rect.bottom, client.top - rect.top));
  if (rect.right > client.right) rect.OffsetRect(std::max(client.right - rect.right, client.left - rect.left), 0);
  return rect;
}

CUGLstBox::CUGLstBox(CUGCtrl* ctrl, CUGDropListType* type) : m_ctrl(ctrl), m_type(type) {}

CUGLstBox::~CUGLstBox() {
  if (m_type != nullptr && m_type->GetListBox() == this) m_type->OnListGone(m_choiceMade);
}

void CUGLstBox::PostNcDestroy() { delete this; }

void CUGLstBox::Commit(int index) {
  if (m_closing) return;
  if (index < 0) index = GetCurSel();
  m_choiceMade = true;
  std::string text = index >= 0 ? GetText(index) : std::string();
  m_closing = true;
  m_type->CommitChoice(index, text);  // gives the focus back to the cell area
  PostMessage(kCloseMessage);
}

void CUGLstBox::Close() {
  if (m_closing) return;
  m_closing = true;
  if (m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) m_ctrl->m_CUGGrid->SetFocus();
  PostMessage(kCloseMessage);
}

void CUGLstBox::OnKeyDown(UINT key, UINT repeatCount, UINT flags) {
  if (key == VK_RETURN) {
    Commit();
    return;
  }
  if (key == VK_ESCAPE) {
    Close();
    return;
  }
  m_keyMove = true;
  CListBox::OnKeyDown(key, repeatCount, flags);
  m_keyMove = false;
}

void CUGLstBox::OnSetFocus(CWnd* oldWnd) {
  CListBox::OnSetFocus(oldWnd);
  if (!m_closing) SetCapture();
}

void CUGLstBox::OnCancelMode() {
  // Another window came up or the operator pressed in another window: the
  // list closes without a choice and leaves the keyboard where it goes.
  CListBox::OnCancelMode();
  if (!m_closing) {
    m_closing = true;
    PostMessage(kCloseMessage);
  }
}

void CUGLstBox::OnKillFocus(CWnd* newWnd) {
  CListBox::OnKillFocus(newWnd);
  ReleaseCapture();
  m_type->OnListGone(m_choiceMade);
  if (!m_closing) {
    m_closing = true;
    PostMessage(kCloseMessage);
  }
}

BOOL CUGLstBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // A click selects an item: that is the choice.
  if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE && !m_keyMove) {
    Commit();
    return TRUE;
  }
  return CListBox::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CUGLstBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCloseMessage) {
    DestroyWindow();
    return 0;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}

bool CUGDropListType::OpenListWindow(int col, long row, CUGCell& cell, const std::vector<std::string>& choices) {
  CUGGrid* grid = m_ctrl->m_CUGGrid;
  if (grid == nullptr || !grid->IsWindowCreated()) return false;
  m_choiceMade = false;
  CFont* font = cell.GetFont() != nullptr ? cell.GetFont() : m_ctrl->m_GI->m_defFont;
  if (font == nullptr) font = static_cast<CFont*>(CGdiObject::GetStockObject(SYSTEM_FONT));
  LOGFONT lf;
  const bool haveFont = font != nullptr && font->GetLogFont(&lf) != 0;
  int itemHeight = UGListItemHeight(haveFont ? &lf : nullptr, CClientDC(grid).GetDeviceCaps(LOGPIXELSY));
  CRect cellRect;
  m_ctrl->GetCellRect(col, row, &cellRect);
  CRect client;
  grid->GetClientRect(&client);
  const int visible = std::min(static_cast<int>(choices.size()), kMaxVisibleItems);
  CRect rect = UGPlaceListRect(cellRect, visible, itemHeight, client);
  auto* list = new CUGLstBox(m_ctrl, this);
  if (!list->Create("", WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, rect, grid, UG_LISTBOX_ID)) {
    delete list;
    return false;
  }
  if (font != nullptr) list->SetFont(font, FALSE);
  std::string current = cell.GetText();
  for (const std::string& choice : choices) list->AddString(choice);
  // The toolkit draws the items at its own height: when that is taller,
  // the list grows so that it still shows its rows whole.
  const int drawnHeight = list->GetItemHeight(0);
  if (drawnHeight > itemHeight) {
    rect = UGPlaceListRect(cellRect, visible, drawnHeight, client);
    list->MoveWindow(rect, FALSE);
  }
  for (size_t i = 0; i < choices.size(); ++i) {
    if (choices[i] == current) list->SetCurSel(static_cast<int>(i));
  }
  m_listBox = list;
  list->ShowWindow(SW_SHOW);
  list->BringWindowToTop();
  list->SetFocus();
  return true;
}

void CUGDropListType::CloseListWindow() {
  CUGLstBox* list = m_listBox;
  m_listBox = nullptr;
  if (list != nullptr && list->IsWindowCreated()) list->Close();
}
