// C_BaseActionDlg: what the device action dialogs share. An action dialog
// is the operator's command panel for one device, shown modally from the
// "&Action" item of the shape's context menu: it shows the device's
// command and feedback states as lamps (or button texts), refreshes them
// every 333 ms (timer 6629) and writes the device's command attributes
// through the shape's boolean setter (so the shape's interlocks run) when a
// button is pressed. Each concrete dialog is a table of its buttons
// (ActionDlgDef); this class reads it. A command first passes the rights
// check with the dialog's caption user, so only the first command asks for
// a login; a refused check changes nothing. While the dialog is open the
// shape's frame blinks; a double click copies the shape's section name.
// The shape is the dialog's parent and outlives it.
// User-interface thread only.
#pragma once

#include <memory>
#include <vector>

#include "controls/ButtonLamp.h"
#include "core/VTimer.h"
#include "platform/ui/Dialog.h"
#include "shapes/actions/ActionRules.h"

class C_BaseShape;
class CVekAccessUser;

class C_BaseActionDlg : public CDialog {
 public:
  // def outlives the dialog (a class's static table).
  C_BaseActionDlg(UINT templateId, C_BaseShape* shape, const ActionDlgDef& def);
  ~C_BaseActionDlg() override;

  // Lamps and texts from the shape's attributes, then UpdateButtons.
  virtual void UpdateLamps();
  // Enables or disables buttons; nothing here.
  virtual void UpdateButtons() {}
  // Ends a momentary command: stops the stopwatch, then UpdateLamps.
  virtual void Refresh();

  C_BaseShape* GetShape() const { return m_pShape; }
  // The lamp of a control; null for a text button or another id.
  CButtonLamp* GetLamp(UINT control) const;
  bool IsPulseRunning() const { return m_stopwatch.IsRunning(); }

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;

  // The rights check of a command (the caption user's slot).
  bool MayCommand();
  void OnButton(const ActionButtonDef& button);

  CVekAccessUser* m_pCaptionUser = nullptr;  // not owned; the access control keeps users
  C_BaseShape* m_pShape;                      // weak: the parent
  CVTimer m_stopwatch;                        // times a momentary command; not running at first
  const ActionDlgDef& m_def;

 private:
  struct Lamp {
    UINT control;
    std::unique_ptr<CButtonLamp> button;
  };
  std::vector<Lamp> m_lamps;
};
