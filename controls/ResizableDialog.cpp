#include "controls/ResizableDialog.h"

#include <algorithm>

#include "platform/Paths.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowPlacement.h"

namespace {

constexpr int kGripSize = 14;

CResizableDialog::UserNameProvider& NameProvider() {
  static CResizableDialog::UserNameProvider provider;
  return provider;
}

// The size grip: three diagonal ridges; dragging it resizes the dialog.
class CSizeGrip : public CWnd {
 public:
  explicit CSizeGrip(CWnd* dialog) : m_pDialog(dialog) {}

 protected:
  BOOL OnEraseBkgnd(CDC*) override { return TRUE; }
  void OnPaint() override {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(rc, GetSysColor(COLOR_BTNFACE));
    CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
    CPen dark(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    for (int i = 3; i < rc.Width(); i += 4) {
      dc.SelectObject(&dark);
      dc.MoveTo(rc.right - 1, rc.bottom - 1 - i);
      dc.LineTo(rc.right - 1 - i, rc.bottom - 1);
      dc.SelectObject(&light);
      dc.MoveTo(rc.right - 1, rc.bottom - i);
      dc.LineTo(rc.right - i, rc.bottom - 1);
    }
  }
  BOOL OnSetCursor(CWnd*, UINT, UINT) override {
    SetCursor(LoadStandardCursor(IDC_SIZENWSE));
    return TRUE;
  }
  void OnLButtonDown(UINT, CPoint) override {
    GetCursorPos(&m_start);
    m_pDialog->GetWindowRect(&m_startRect);
    SetCapture();
  }
  // A drag holds the mouse from the press to the release; whatever ends the
  // capture (a window shown over the dialog) leaves the size of the last step.
  void OnMouseMove(UINT, CPoint) override {
    if (GetCapture() != this) return;
    CPoint now;
    GetCursorPos(&now);
    m_pDialog->SetWindowPos(nullptr, 0, 0, m_startRect.Width() + now.x - m_start.x,
                            m_startRect.Height() + now.y - m_start.y, SWP_NOMOVE | SWP_NOZORDER);
  }
  void OnLButtonUp(UINT, CPoint) override { ReleaseCapture(); }

 private:
  CWnd* m_pDialog;  // weak: the grip is the dialog's child
  CPoint m_start;
  CRect m_startRect;
};

}  // namespace

CResizableDialog::CResizableDialog(UINT nTemplateId, CWnd* pParent) : CDialog(nTemplateId, pParent) {}

CResizableDialog::~CResizableDialog() = default;

CResizableDialog::UserNameProvider CResizableDialog::SetUserNameProvider(UserNameProvider provider) {
  UserNameProvider previous = NameProvider();
  NameProvider() = std::move(provider);
  return previous;
}

BOOL CResizableDialog::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  m_strBaseCaption = GetWindowText();
  CRect window, client;
  GetWindowRect(&window);
  GetClientRect(&client);
  m_minWindow = window.Size();
  m_minClient = client.Size();
  // Every showing brings the dialog onto the screen, and a restore from
  // maximised returns to its normal rectangle.
  KeepWindowPlacement(this);
  m_pGrip = std::make_unique<CSizeGrip>(this);
  m_pGrip->Create("", WS_CHILD | WS_VISIBLE,
                  CRect(client.right - kGripSize, client.bottom - kGripSize, client.right, client.bottom), this, 0);
  SetTimer(TIMER_CAPTION_USER, 1000);
  SetWindowText(MakeCaption());
  return result;
}

std::string CResizableDialog::MakeCaption() const {
  if (!m_pCaptionUser || !NameProvider()) return m_strBaseCaption;
  const std::string name = NameProvider()(m_pCaptionUser);
  return name.empty() ? m_strBaseCaption : m_strBaseCaption + "  [User: " + name + "]";
}

void CResizableDialog::OnTimer(UINT_PTR id) {
  if (id == TIMER_CAPTION_USER) {
    const std::string caption = MakeCaption();
    if (caption != GetWindowText()) SetWindowText(caption);
    return;
  }
  CDialog::OnTimer(id);
}

void CResizableDialog::AnchorControl(CWnd* pControl, CSize topLeft, CSize bottomRight) {
  if (!pControl || !pControl->IsWindowCreated()) return;
  CRect r, client;
  pControl->GetWindowRect(&r);
  ScreenToClient(&r);
  GetClientRect(&client);
  std::erase_if(m_anchors, [pControl](const Anchor& a) { return a.control == pControl; });
  m_anchors.push_back({pControl, r, client.Size(), topLeft, bottomRight});
}

void CResizableDialog::AnchorControl(UINT nControlId, CSize topLeft, CSize bottomRight) {
  AnchorControl(GetDlgItem(static_cast<int>(nControlId)), topLeft, bottomRight);
}

void CResizableDialog::LayoutAnchors(CSize client) {
  for (const Anchor& a : m_anchors) {
    if (!a.control->IsWindowCreated()) continue;
    a.control->MoveWindow(AnchoredRect(a.initial, a.initialClient, client, a.topLeft, a.bottomRight), FALSE);
  }
  Invalidate();
}

void CResizableDialog::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (m_minClient.cx > 0 && !m_bEnforcingMinimum && !IsZoomed() && !IsIconic() &&
      (cx < m_minClient.cx || cy < m_minClient.cy)) {
    // Never smaller than the dialog was made.
    m_bEnforcingMinimum = true;
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() + std::max(0, m_minClient.cx - cx),
                 window.Height() + std::max(0, m_minClient.cy - cy), SWP_NOMOVE | SWP_NOZORDER);
    m_bEnforcingMinimum = false;
    return;
  }
  if (m_pGrip && m_pGrip->IsWindowCreated()) {
    m_pGrip->MoveWindow(cx - kGripSize, cy - kGripSize, kGripSize, kGripSize, TRUE);
    m_pGrip->ShowWindow(IsZoomed() ? SW_HIDE : SW_SHOW);
  }
  LayoutAnchors(CSize(cx, cy));
}

void CResizableDialog::EnablePlacementSave(const std::string& section, const std::string& entry) {
  m_strPlacementSection = section;
  m_strPlacementEntry = entry;
  m_bSavePlacement = true;
  RestorePlacement();
}

// The placement saved and restored is the window's normal rectangle (the
// one it returns to from maximised) without the frame a window manager
// draws around it, and whether it was maximised: a window closed while
// maximised reopens maximised and is restored to where it was before.
// SetWindowPlacement puts the rectangle back onto the screen's work area,
// frame included (an entry of a larger screen, or one written while the
// window was maximised, is made to fit).
void CResizableDialog::RestorePlacement() {
  if (!IsWindowCreated()) return;
  const auto saved = PlacementFromText(GetProfileString(m_strPlacementSection, m_strPlacementEntry, ""));
  if (!saved) return;
  WINDOWPLACEMENT placement;
  placement.showCmd = saved->maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  placement.rcNormalPosition = FitPlacement(saved->rect, m_minWindow, CRect());
  SetWindowPlacement(this, &placement);
}

void CResizableDialog::SavePlacement() {
  WINDOWPLACEMENT placement;
  if (!GetWindowPlacement(this, &placement)) return;
  WindowPlacement p;
  p.rect = placement.rcNormalPosition;
  p.maximized = placement.showCmd == SW_SHOWMAXIMIZED || (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
  WriteProfileString(m_strPlacementSection, m_strPlacementEntry, PlacementToText(p));
}

void CResizableDialog::OnDestroy() {
  if (m_bSavePlacement) SavePlacement();
  m_pCaptionUser = nullptr;
  KillTimer(TIMER_CAPTION_USER);
  CDialog::OnDestroy();
}

void CResizableDialog::EndDialogCancel() {
  m_pCaptionUser = nullptr;
  EndDialog(IDCANCEL);
}
