// The base of a modeless dialog that sits in another window as one of its
// child controls (the trend panels, the analog calibrators). A derived
// class names its template; CreateChild makes the dialog as a child of the
// parent at a position, with a child id. User-interface thread only.
#pragma once

#include "platform/ui/Dialog.h"

class CChildDlgCtrl : public CDialog {
 public:
  CChildDlgCtrl() = default;

  // The dialog template of the derived class.
  virtual UINT GetDialogTemplateId() const = 0;

  // Keeps the child id and the parent, then makes the dialog as a visible
  // child of pParent with its top-left corner at pos + offset (parent
  // client coordinates). FALSE when the template is missing or the window
  // could not be made.
  BOOL CreateChild(CWnd* pParent, CPoint pos, UINT nChildId, CPoint offset = CPoint(0, 0));

  UINT GetChildId() const { return m_nChildId; }
  CWnd* GetChildParent() const { return m_pChildParent; }

 protected:
  // The template is made a child window whatever its own style says.
  BOOL CreateDialogWindow(CWnd* parent, bool modal) override;

 private:
  UINT m_nChildId = 0;
  CWnd* m_pChildParent = nullptr;  // weak
};
