// The base of the program's resizable dialogs: a size grip in the
// bottom-right corner, the initial size kept as the smallest size,
// controls anchored in percent of the size change, the placement (normal
// rectangle and maximised state) saved in the profile store and restored,
// the dialog brought onto the screen whenever it is shown, and the
// caption showing the user kept in
// the dialog's user slot (refreshed by timer 6627 every second).
// User-interface thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/AnchorLayout.h"
#include "platform/ui/Dialog.h"

class CVekAccessUser;

constexpr UINT_PTR TIMER_CAPTION_USER = 6627;

class CResizableDialog : public CDialog {
 public:
  CResizableDialog(UINT nTemplateId, CWnd* pParent);
  ~CResizableDialog() override;

  // The user who passed this dialog's rights checks (the slot handed to
  // CheckAccess); shown in the caption. Not owned.
  CVekAccessUser* m_pCaptionUser = nullptr;

  // The name of a user for the caption; the engine installs it at start-up
  // (controls know nothing of users). Returns the previous provider.
  using UserNameProvider = std::function<std::string(const CVekAccessUser*)>;
  static UserNameProvider SetUserNameProvider(UserNameProvider provider);

  BOOL OnInitDialog() override;
  // Anchors a control: its corners follow topLeft and bottomRight percent
  // of the client area's change from now on (ANCHOR_* constants).
  void AnchorControl(CWnd* pControl, CSize topLeft, CSize bottomRight);
  void AnchorControl(UINT nControlId, CSize topLeft, CSize bottomRight);
  // Saves the placement under section/entry of the profile store when the
  // dialog closes, and restores the saved one now (a damaged entry is
  // ignored; the rectangle is fitted to the minimum size and, frame
  // included, to the screen's work area). The rectangle is the normal one
  // (a maximised dialog's restored rectangle) without a window manager's
  // frame, so the dialog reopens exactly where it was closed, maximised
  // again when it was.
  void EnablePlacementSave(const std::string& section, const std::string& entry);
  // Clears the user slot and ends the dialog with IDCANCEL.
  void EndDialogCancel();
  // The caption as it is shown for the user in the slot.
  std::string MakeCaption() const;
  CSize GetMinTrackSize() const { return m_minWindow; }

 protected:
  // Timer 6627 rewrites the caption; derived dialogs call this from their
  // own timer handler for the timers they do not handle.
  void OnTimer(UINT_PTR id) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnDestroy() override;

 private:
  struct Anchor {
    CWnd* control;  // weak; a child of this dialog
    CRect initial;
    CSize initialClient;
    CSize topLeft;
    CSize bottomRight;
  };
  void LayoutAnchors(CSize client);
  void SavePlacement();
  void RestorePlacement();

  std::string m_strBaseCaption;
  CSize m_minWindow;   // the initial window size (smallest allowed)
  CSize m_minClient;   // the initial client size
  std::vector<Anchor> m_anchors;
  std::unique_ptr<CWnd> m_pGrip;
  bool m_bSavePlacement = false;
  std::string m_strPlacementSection;
  std::string m_strPlacementEntry;
  bool m_bEnforcingMinimum = false;
};
