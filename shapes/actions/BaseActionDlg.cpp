#include "shapes/actions/BaseActionDlg.h"

#include "core/VekAccessControl.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"

C_BaseActionDlg::C_BaseActionDlg(UINT templateId, C_BaseShape* shape, const ActionDlgDef& def)
    : CDialog(templateId, shape), m_pShape(shape), m_def(def) {}

C_BaseActionDlg::~C_BaseActionDlg() = default;

BOOL C_BaseActionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_lamps.clear();
  for (const ActionButtonDef& b : m_def.buttons) {
    if (b.textOn != nullptr) continue;
    Lamp lamp{b.control, std::make_unique<CButtonLamp>()};
    lamp.button->SubclassDlgItem(b.control, this);
    m_lamps.push_back(std::move(lamp));
  }
  if (m_pShape) {
    m_pShape->SetActionBlink(true);
    SetWindowText(ActionDialogCaption(m_pShape->GetDisplayTitle()));
  }
  UpdateLamps();
  SetTimer(TIMER_ACTION_DLG, TIMER_ACTION_DLG_MS);
  if (CButtonLamp* off = GetLamp(m_def.offButton))
    off->SetIcon(static_cast<int>(page_res::IDI_LAMP_RED), static_cast<int>(page_res::IDI_LAMP_DARK));
  return TRUE;
}

CButtonLamp* C_BaseActionDlg::GetLamp(UINT control) const {
  for (const Lamp& lamp : m_lamps)
    if (lamp.control == control) return lamp.button.get();
  return nullptr;
}

void C_BaseActionDlg::UpdateLamps() {
  if (m_pShape) {
    for (const ActionButtonDef& b : m_def.buttons) {
      if (b.showAttrib < 0) continue;
      const bool on = ActionButtonOn(b, m_pShape->GetAttribBool(b.showAttrib));
      if (b.textOn != nullptr) {
        if (CWnd* button = GetDlgItem(static_cast<int>(b.control))) button->SetWindowText(on ? b.textOn : b.textOff);
      } else if (CButtonLamp* lamp = GetLamp(b.control)) {
        lamp->SetCheck(on ? 1 : 0);
      }
    }
  }
  UpdateButtons();
}

void C_BaseActionDlg::Refresh() {
  m_stopwatch.Stop();
  UpdateLamps();
}

bool C_BaseActionDlg::MayCommand() {
  const std::string purpose = "To command " + (m_pShape ? m_pShape->GetDisplayTitle() : std::string("the device"));
  return CheckAccess(&m_pCaptionUser, purpose, kActionGroups[0], kActionGroups[1], kActionGroups[2],
                     kActionGroups[3], kActionGroups[4]);
}

void C_BaseActionDlg::OnButton(const ActionButtonDef& b) {
  if (b.click != ActionClick::None) {
    if (!m_pShape || !MayCommand()) {
      UpdateLamps();  // the lamps show the device as it is
      return;
    }
    if (b.click == ActionClick::Toggle) {
      m_pShape->SetAttribBool(b.clickAttrib, !m_pShape->GetAttribBool(b.clickAttrib));
    } else {
      if (b.clearAttrib >= 0) m_pShape->SetAttribBool(b.clearAttrib, false);
      m_pShape->SetAttribBool(b.clickAttrib, b.setValue);
    }
    if (b.startsPulse) m_stopwatch.Restart();
  }
  if (b.refreshAfterClick) UpdateLamps();
}

BOOL C_BaseActionDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    for (const ActionButtonDef& b : m_def.buttons) {
      if (b.control == LOWORD(wParam)) {
        OnButton(b);
        return TRUE;
      }
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

void C_BaseActionDlg::OnTimer(UINT_PTR id) {
  if (id != TIMER_ACTION_DLG) {
    CDialog::OnTimer(id);
    return;
  }
  UpdateLamps();
  if (IsActionPulseDue(m_stopwatch.IsRunning(), m_stopwatch.GetElapsedMs())) Refresh();
}

void C_BaseActionDlg::OnDestroy() {
  CDialog::OnDestroy();
  if (m_pShape) m_pShape->SetActionBlink(false);
}

void C_BaseActionDlg::OnLButtonDblClk(UINT flags, CPoint point) {
  if (m_pShape) m_pShape->CopyNameToClipboard(true);
  CDialog::OnLButtonDblClk(flags, point);
}
