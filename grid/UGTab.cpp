#include "grid/UGTab.h"

#include <algorithm>

#include "grid/UGCtrl.h"
#include "grid/UGCursors.h"
#include "grid/UGGeometry.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SysColors.h"

CUGTab::CUGTab(CUGCtrl* ctrl) : m_ctrl(ctrl), m_arrowWidth(2 * GetSystemMetrics(SM_CXHSCROLL)) {
  m_font = new CFont;
  m_font->CreateFont(14, 0, 0, 0, 500, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
}

CUGTab::~CUGTab() {
  delete m_arrows;
  delete m_font;
}

int CUGTab::OnCreate() {
  m_arrows = new CScrollBar;
  m_arrows->Create("", WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, 100);
  // The arrows only: no room for a thumb to move.
  m_arrows->SetScrollRange(0, 0, FALSE);
  return CWnd::OnCreate();
}

void CUGTab::PlaceArrows() {
  if (m_arrows == nullptr || !m_arrows->IsWindowCreated()) return;
  CRect client;
  GetClientRect(&client);
  // Left of the 7-pixel resize edge at the strip's right end.
  int right = std::max(client.right - 7, 0);
  int left = std::max(right - m_arrowWidth, 0);
  m_arrows->MoveWindow(CRect(left, 0, right, client.bottom), TRUE);
}

BOOL CUGTab::OnEraseBkgnd(CDC*) { return FALSE; }

int CUGTab::MeasureLabel(const std::string& label) const {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  dc.SelectObject(m_font);
  return dc.GetTextExtent(label).cx + 20;
}

int CUGTab::IndexOf(long id) const {
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (m_tabs[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

int CUGTab::AddTab(const std::string& label, long id) {
  if (GetTabCount() >= kMaxTabs || IndexOf(id) >= 0) return UG_ERROR;
  m_tabs.push_back({label, MeasureLabel(label), id, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)});
  if (m_selected < 0) m_selected = 0;
  UpdateMaxOffset();
  Repaint();
  return UG_SUCCESS;
}

int CUGTab::DeleteTab(long id) {
  int index = IndexOf(id);
  if (index < 0) return UG_ERROR;
  m_tabs.erase(m_tabs.begin() + index);
  if (m_selected >= GetTabCount()) m_selected = GetTabCount() - 1;
  UpdateMaxOffset();
  m_offset = std::min(m_offset, m_maxOffset);
  Repaint();
  return UG_SUCCESS;
}

int CUGTab::SetTabLabel(long id, const std::string& label) {
  int index = IndexOf(id);
  if (index < 0) return UG_ERROR;
  m_tabs[static_cast<size_t>(index)].label = label;
  m_tabs[static_cast<size_t>(index)].width = MeasureLabel(label);
  UpdateMaxOffset();
  Repaint();
  return UG_SUCCESS;
}

int CUGTab::SetTabTextColor(long id, COLORREF color) {
  int index = IndexOf(id);
  if (index < 0) return UG_ERROR;
  m_tabs[static_cast<size_t>(index)].textColor = color;
  Repaint();
  return UG_SUCCESS;
}

int CUGTab::SetTabBackColor(long id, COLORREF color) {
  int index = IndexOf(id);
  if (index < 0) return UG_ERROR;
  m_tabs[static_cast<size_t>(index)].backColor = color;
  Repaint();
  return UG_SUCCESS;
}

int CUGTab::SetCurrentTab(long id) {
  int index = IndexOf(id);
  if (index < 0) return UG_ERROR;
  m_selected = index;
  Repaint();
  return UG_SUCCESS;
}

long CUGTab::GetCurrentTabId() const {
  return m_selected >= 0 && m_selected < GetTabCount() ? m_tabs[static_cast<size_t>(m_selected)].id : -1;
}

int CUGTab::TotalWidth() const {
  int total = 0;
  for (const Tab& tab : m_tabs) total += tab.width;
  return total;
}

int CUGTab::StripWidth() const {
  CRect client;
  if (IsWindowCreated()) GetClientRect(&client);
  return std::max(client.Width() - m_arrowWidth - 7, 0);
}

void CUGTab::UpdateMaxOffset() { m_maxOffset = UGTabMaxOffset(TotalWidth(), StripWidth()); }

int CUGTab::HitTest(int x) const {
  int left = -m_offset;
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (x >= left && x < left + m_tabs[i].width + 2) return static_cast<int>(i);
    left += m_tabs[i].width;
  }
  return -1;
}

void CUGTab::ScrollStrip(int dx) {
  m_offset = std::clamp(m_offset + dx, 0, std::max(m_maxOffset, 0));
  Repaint();
}

void CUGTab::Repaint() {
  if (!IsWindowCreated()) return;
  Invalidate(FALSE);
  UpdateWindow();
}

void CUGTab::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  PlaceArrows();
  UpdateMaxOffset();
  m_offset = std::min(m_offset, m_maxOffset);
}

void CUGTab::OnHScroll(UINT code, UINT, CScrollBar*) {
  // The arrows: line left (0) and line right (1).
  if (code == 0) ScrollStrip(-5);
  if (code == 1) ScrollStrip(5);
}

void CUGTab::OnPaint() {
  CPaintDC dc(this);
  if (m_GI == nullptr || !m_GI->m_paintMode) return;
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(client, GetSysColor(COLOR_3DFACE));
  CFont* oldFont = dc.SelectObject(m_font);
  dc.SetBkMode(TRANSPARENT);
  CPen black(PS_SOLID, 1, RGB(0, 0, 0));
  CPen* oldPen = dc.SelectObject(&black);
  const int bottom = client.bottom - 2;
  auto drawTab = [&](size_t i, int x) {
    const Tab& tab = m_tabs[i];
    CPoint points[4] = {{x, 0}, {x + tab.width + 9, 0}, {x + tab.width + 2, bottom}, {x + 7, bottom}};
    CBrush brush(tab.backColor);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Polygon(points, 4);
    dc.SelectObject(oldBrush);
    dc.SetTextColor(tab.textColor);
    CRect text(x + 10, 0, x + tab.width + 2, bottom);
    dc.DrawText(tab.label, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  };
  int x = -m_offset;
  int selectedX = 0;
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (static_cast<int>(i) == m_selected) {
      selectedX = x;
    } else {
      drawTab(i, x);
    }
    x += m_tabs[i].width;
  }
  // The 3-D edge along the top of the strip, under the selected tab.
  CPen white(PS_SOLID, 1, RGB(255, 255, 255));
  CPen face(PS_SOLID, 1, GetSysColor(COLOR_3DFACE));
  CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  dc.SelectObject(&shadow);
  dc.MoveTo(0, 0);
  dc.LineTo(client.right, 0);
  if (m_selected >= 0 && m_selected < GetTabCount()) {
    drawTab(static_cast<size_t>(m_selected), selectedX);
    CPen back(PS_SOLID, 1, m_tabs[static_cast<size_t>(m_selected)].backColor);
    dc.SelectObject(&back);
    dc.MoveTo(selectedX + 1, 0);
    dc.LineTo(selectedX + m_tabs[static_cast<size_t>(m_selected)].width + 9, 0);
    dc.SelectObject(&black);
  }
  dc.SelectObject(&white);
  dc.MoveTo(0, client.bottom - 2);
  dc.LineTo(client.right, client.bottom - 2);
  dc.SelectObject(&black);
  dc.MoveTo(0, client.bottom - 1);
  dc.LineTo(client.right, client.bottom - 1);
  dc.SelectObject(&face);
  dc.MoveTo(client.right - 2, 0);
  dc.LineTo(client.right - 2, client.bottom);
  dc.SelectObject(&shadow);
  dc.MoveTo(client.right - 1, 0);
  dc.LineTo(client.right - 1, client.bottom);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}

void CUGTab::OnMouseMove(UINT flags, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (m_resizing && (flags & MK_LBUTTON)) {
    CPoint inControl = point;
    ClientToScreen(&inControl);
    m_ctrl->ScreenToClient(&inControl);
    m_GI->m_tabWidth = UGTabAreaWidth(inControl.x);
    m_ctrl->MoveChildWindows(true);
    return;
  }
  m_onResizeEdge = client.right - point.x <= 7;
  UGSetCursor(this, m_onResizeEdge ? UGCursor::SizeWE : UGCursor::Arrow);
}

void CUGTab::OnLButtonDown(UINT, CPoint point) {
  if (m_onResizeEdge) {
    m_resizing = true;
    SetCapture();
    return;
  }
  int index = HitTest(point.x);
  if (index < 0) return;
  m_selected = index;
  int left = 0;
  for (int i = 0; i < index; ++i) left += m_tabs[static_cast<size_t>(i)].width;
  UpdateMaxOffset();
  m_offset = UGTabOffsetToShow(m_offset, left, m_tabs[static_cast<size_t>(index)].width, StripWidth(), m_maxOffset);
  Repaint();
  m_ctrl->OnTabSelected(static_cast<int>(m_tabs[static_cast<size_t>(index)].id));
}

void CUGTab::OnLButtonUp(UINT, CPoint) {
  if (!m_resizing) return;
  m_resizing = false;
  ReleaseCapture();
  m_ctrl->AdjustComponentSizes();
}

void CUGTab::OnCancelMode() {
  // No button-up will come: the tab area keeps the width reached.
  if (m_resizing) OnLButtonUp(0, CPoint());
  CWnd::OnCancelMode();
}

void CUGTab::OnRButtonDown(UINT, CPoint point) {
  if (m_GI == nullptr || !m_GI->m_menuEnabled) return;
  CPoint screen = point;
  ClientToScreen(&screen);
  m_ctrl->StartPopupMenu(HitTest(point.x), -1, screen, UG_TAB);
}
