// The popup list of the drop-list cell type.
#include "grid/UGLstBox.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "grid/UGDropListType.h"
#include "grid/UGGrid.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"

namespace {
constexpr UINT kCloseMessage = WM_USER + 302;
constexpr int kMaxVisibleItems = 15;
}  // namespace

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
  SetCapture();
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
  int itemHeight = 12;
  if (font != nullptr) {
    LOGFONT lf;
    if (font->GetLogFont(&lf) && lf.lfHeight != 0) itemHeight = std::abs(static_cast<int>(lf.lfHeight)) + 4;
  }
  CRect cellRect;
  m_ctrl->GetCellRect(col, row, &cellRect);
  CRect client;
  grid->GetClientRect(&client);
  int visible = std::min(static_cast<int>(choices.size()), kMaxVisibleItems);
  CRect rect(cellRect.left, cellRect.top, cellRect.right, cellRect.top + visible * itemHeight + 6);
  // Keep the list inside the cell area: up or left as needed, and no taller.
  if (rect.Height() > client.Height()) rect.bottom = rect.top + client.Height();
  if (rect.bottom > client.bottom) rect.OffsetRect(0, std::max(client.bottom - rect.bottom, client.top - rect.top));
  if (rect.right > client.right) rect.OffsetRect(std::max(client.right - rect.right, client.left - rect.left), 0);
  auto* list = new CUGLstBox(m_ctrl, this);
  if (!list->Create("", WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, rect, grid, UG_LISTBOX_ID)) {
    delete list;
    return false;
  }
  if (font != nullptr) list->SetFont(font, FALSE);
  std::string current = cell.GetText();
  for (const std::string& choice : choices) list->AddString(choice);
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
