// C_BeltAction: the action dialog of the weighing belt (template 3009):
// "&On (Run)" (lit by the run command; toggles it), "Is On" (the running
// feedback), and "&Increase Speed" and "&Decrease Speed", momentary
// commands that turn themselves off 2 s after the last press while the
// dialog is open, and at once when it closes before that.
// User-interface thread only.
#pragma once

#include "shapes/actions/BaseActionDlg.h"

class C_Belt;

class C_BeltAction : public C_BaseActionDlg {
 public:
  explicit C_BeltAction(C_Belt* belt);

  // Switches the momentary commands off, then the base's refresh.
  void Refresh() override;

  static const ActionDlgDef& Def();
  C_Belt* GetBelt() const { return m_pBelt; }

 protected:
  // A momentary command still on when the dialog closes goes off.
  void OnDestroy() override;

 private:
  void EndMomentaryCommands();

  C_Belt* m_pBelt;  // weak
};
