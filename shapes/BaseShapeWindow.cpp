// C_BaseShape as a window: creation, painting, the blink timers and the
// state frame, the context menu and its commands, the property sheet, the
// clipboard copy and the shape command.
#include "controls/BalloonHelp.h"
#include "core/CoreMessages.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "shapes/BaseShape.h"
#include "shapes/pages/AnalogCalibrationPage.h"
#include "shapes/pages/BaseGeneralPropPage.h"
#include "shapes/pages/BaseShapePropSheet.h"
#include "shapes/pages/GraphicPropPage.h"

// ---- Creation -------------------------------------------------------------------------------

BOOL C_BaseShape::Create(CWnd* parent) {
  m_pMenu = std::make_unique<CMenu>();
  if (m_def.menu.menuId == 0 || !m_pMenu->LoadMenu(m_def.menu.menuId)) m_pMenu.reset();
  if (!CreateAtDescriptor(parent)) return FALSE;
  CRect client;
  GetClientRect(&client);
  LayoutShape(client);
  return TRUE;
}

BOOL C_BaseShape::CreateAtDescriptor(CWnd* parent) { return Create(parent, m_info.GetRect()); }

BOOL C_BaseShape::Create(CWnd* parent, const CRect& rect) {
  if (!CVAttribsPack::Create("", SHAPE_WINDOW_STYLE, rect, parent, GetCtrlId())) return FALSE;
  SetNotifyWnd(this);
  LoadAttribsFromIni();
  ApplyAnalogRangesToTags();
  MarkUnboundAttribs();
  GetShapeFont();
  return TRUE;
}

// ---- Messages -------------------------------------------------------------------------------

LRESULT C_BaseShape::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DCTAG_NOTICE) {
    return OnDataCenterNotify(reinterpret_cast<CDCTag*>(wParam), static_cast<int>(lParam));
  }
  return CVAttribsPack::WindowProc(message, wParam, lParam);
}

void C_BaseShape::OnDestroy() {
  SaveColorsOnDestroy();
  m_pMenu.reset();
  CVAttribsPack::OnDestroy();
}

void C_BaseShape::OnPaint() {
  // The window keeps its pixels and shows them in one copy, so drawing
  // straight into the paint context does not flicker.
  CPaintDC dc(this);
  DrawShape(&dc);
}

BOOL C_BaseShape::OnEraseBkgnd(CDC* /*dc*/) { return TRUE; }  // the shape paints every pixel

// ---- Blinking and the frame -----------------------------------------------------------------------

void C_BaseShape::OnTimer(UINT_PTR id) {
  if (id == TIMER_SHAPE_BLINK) {
    Invalidate(FALSE);
    return;
  }
  if (id == TIMER_SHAPE_ALARM_BLINK) {
    switch (m_blink.Tick(m_blinkFlags)) {
      case ShapeBlink::TickResult::Stop:
        KillTimer(TIMER_SHAPE_ALARM_BLINK);
        Invalidate(FALSE);
        break;
      case ShapeBlink::TickResult::Repaint:
        Invalidate(FALSE);
        break;
      case ShapeBlink::TickResult::None:
        break;
    }
    return;
  }
  CVAttribsPack::OnTimer(id);
}

void C_BaseShape::StartBlinkTimer() { SetTimer(TIMER_SHAPE_BLINK, TIMER_SHAPE_BLINK_MS); }

void C_BaseShape::SetDialogBlink(bool blink) {
  m_blinkFlags.dialog = blink;
  if (blink) SetTimer(TIMER_SHAPE_ALARM_BLINK, TIMER_SHAPE_ALARM_BLINK_MS);
}

void C_BaseShape::SetActionBlink(bool blink) {
  m_blinkFlags.action = blink;
  if (blink) SetTimer(TIMER_SHAPE_ALARM_BLINK, TIMER_SHAPE_ALARM_BLINK_MS);
}

void C_BaseShape::SetAlarmBlink(bool blink) {
  if (blink == m_blinkFlags.alarm) return;
  m_blinkFlags.alarm = blink;
  if (blink) SetTimer(TIMER_SHAPE_ALARM_BLINK, TIMER_SHAPE_ALARM_BLINK_MS);
}

void C_BaseShape::DrawFrame(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  CPen pen(PS_SOLID, 1, ShapeFrameColor(m_blink.GetPhase(), m_blinkFlags));
  CPen* oldPen = dc->SelectObject(&pen);
  CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
  dc->Rectangle(client);
  dc->SelectObject(oldPen);
  dc->SelectObject(static_cast<CBrush*>(oldBrush));
}

// ---- Context menu -----------------------------------------------------------------------------------

void C_BaseShape::OnLButtonDblClk(UINT flags, CPoint point) {
  ShowPropertySheet();
  CVAttribsPack::OnLButtonDblClk(flags, point);
}

void C_BaseShape::OnRButtonUp(UINT /*flags*/, CPoint point) {
  CMenu* popup = m_pMenu ? m_pMenu->GetSubMenu(0) : nullptr;
  if (popup == nullptr) return;
  ClientToScreen(&point);
  popup->TrackPopupMenu(0, point.x, point.y, this);
}

void C_BaseShape::OnInitMenuPopup(CMenu* popup, UINT /*index*/, BOOL /*sysMenu*/) {
  if (popup != nullptr) UpdateContextMenu(popup);
}

void C_BaseShape::UpdateContextMenu(CMenu* popup) {
  const bool twoSpeed = IsTwoSpeedDrive(m_info.dwStyle);
  const int runId = m_def.menu.speedNeedsRunId;
  const bool running = runId >= 0 && GetAttribBool(runId);
  for (const ShapeMenuItem& item : m_def.menu.items) {
    const std::string text = ShapeMenuItemText(item.action, item.attribId >= 0 && GetAttribBool(item.attribId), twoSpeed);
    if (text.empty()) continue;
    popup->ModifyMenu(item.commandId, MF_BYCOMMAND | MF_STRING, item.commandId, text);
    const bool speedItem = item.action != ShapeMenuAction::ToggleRun;
    if (speedItem && runId >= 0) popup->EnableMenuItem(item.commandId, MF_BYCOMMAND | (running ? MF_ENABLED : MF_GRAYED));
  }
}

BOOL C_BaseShape::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (OnShapeCommand(LOWORD(wParam))) return TRUE;
  return CVAttribsPack::OnCommand(wParam, lParam);
}

bool C_BaseShape::OnShapeCommand(UINT commandId) {
  for (const ShapeMenuItem& item : m_def.menu.items) {
    if (item.commandId != commandId) continue;
    switch (item.action) {
      case ShapeMenuAction::ToggleRun:
      case ShapeMenuAction::ToggleIncrease:
      case ShapeMenuAction::ToggleDecrease:
        SetAttribBool(item.attribId, !GetAttribBool(item.attribId));
        break;
      case ShapeMenuAction::Action:
        ShowActionDialog();
        break;
      case ShapeMenuAction::Properties:
        ShowPropertySheet();
        break;
    }
    return true;
  }
  return false;
}

void C_BaseShape::ShowActionDialog() { AfxMessageBox("No Action defined!"); }

// ---- Commands to the outside ----------------------------------------------------------------------------

void C_BaseShape::PostShapeCommand(int n) {
  PostToParent(WM_SHAPE_COMMAND, 0, static_cast<LPARAM>(GetCtrlId() | (static_cast<std::uint32_t>(n) << 8)));
}

void C_BaseShape::CopyNameToClipboard(bool bShowBalloon) {
  const std::string section = GetIniSectionName();
  CopyTextToClipboard(section);
  if (!bShowBalloon || !IsWindowCreated()) return;
  CBalloonHelp::ShowBalloon("The 'ControlType.DeviceName' is copied to clipboard", " - [" + section + "]", this,
                            IDI_INFORMATION, CBalloonHelp::kDefaultOptions, 3000, this);
}

// ---- Property sheet -----------------------------------------------------------------------------------------

void C_BaseShape::ShowPropertySheet() {
  {
    // The sheet makes the shape blink while it is open.
    C_BaseShapePropSheet sheet("Control Properties   " + GetDisplayTitle(), this);
    AddPropertyPages(&sheet);
    if (sheet.GetPageCount() > 0) sheet.DoModal();
  }
  // After the sheet: every page the shape made goes once, whether the
  // sheet kept it or removed it.
  m_pages.clear();
}

void C_BaseShape::AddPropertyPages(CPropertySheet* sheet) {
  const int analogPages = GetAnalogPageCount();
  for (int i = 0; i < analogPages; ++i) {
    auto page = std::make_unique<CAnalogCalibrationPage>(i);
    if (analogPages > 1) page->SetTitle("Analog Calibration [" + std::to_string(i + 1) + "]");
    AddOwnedPage(sheet, std::move(page));
  }
  AddOwnedPage(sheet, std::make_unique<CGraphicPropPage>());
  AddOwnedPage(sheet, std::make_unique<CBaseGeneralPropPage>());
}

void C_BaseShape::AddOwnedPage(CPropertySheet* sheet, std::unique_ptr<CPropertyPage> page) {
  sheet->AddPage(page.get());
  m_pages.push_back(std::move(page));
}
